#pragma once

#include <array>
#include <cstdint>

// One multiple-choice item. Texts are shown exactly as stored: leading,
// doubled and trailing blanks are part of the text.
struct Question {
    const char *QuestionText;
    std::array<const char *, 4> OptionText; // options 1..4 in button order
    std::int16_t CorrectOption;             // 1..4
};
