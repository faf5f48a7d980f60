#include "round/Module1.h"
#include "round/frmLevel.h"

// Puts record n of this window's bank on screen and keeps its right option.
void frmLevel::ShowQuestion(runtime::Integer n)
{
    const Question &question = BankRecord(level_.bank, n);
    textBox("Text1").setText(question.QuestionText);
    for (int option = 1; option <= 4; ++option)
        optionLabel(option).setCaption(question.OptionText[std::size_t(option - 1)]);
    round_.intCorrectOption = question.CorrectOption;
}
