#pragma once

#include "runtime/Checked.h"

// The state of one run of a level window.
struct RoundState {
    // The question on screen: 0 after a load, 1..200 while playing, 201 once
    // the level is complete. While the order is built, the fill position.
    runtime::Integer intQuestionNumber = 0;
    // Right answers in this run.
    runtime::Integer intMarks = 0;
    // The right option, 1..4, of the question on screen.
    runtime::Integer intCorrectOption = 0;
    // Elements 1..200: the bank numbers in the order they are asked.
    // Element 0 is never used.
    runtime::FixedArray<runtime::Integer, 0, 200> intQuestionOrder;
    // Scratch values of BuildQuestionOrder.
    runtime::Integer intDrawn = 0;
    runtime::Integer intScan = 0;
};

// The program's round state: it lives as long as the program, outside every
// window, and keeps one run for each level window so that windows open side
// by side never disturb each other's marks, order or questions.
namespace Module1 {

inline constexpr int kLevels = 5;

// The run of the level window of `level`, 1..5.
RoundState &Round(int level);

} // namespace Module1
