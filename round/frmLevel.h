#pragma once

#include "round/LevelValues.h"
#include "runtime/Checked.h"
#include "runtime/Form.h"

#include <vector>

struct RoundState;

// The level window: the same design and round for every level, with the
// level's own captions, looks and bank.
class frmLevel final : public runtime::Form {
public:
    explicit frmLevel(const LevelValues &level);

protected:
    void Form_Load() override;

private:
    void cmdNext_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void cmdQuit_Click();

    void ShowQuestion(runtime::Integer n);
    void CheckAnswer(runtime::Integer K);

    // Command1..Command4 and the labels Label6..Label9 beside them.
    runtime::CommandButton optionButton(int option) const;
    runtime::Label optionLabel(int option) const;
    void enableOptions(bool enabled) const;

    const LevelValues &level_;
    RoundState &round_;
    std::vector<runtime::ControlLayout> controls_;
};
