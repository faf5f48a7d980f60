#pragma once

#include "runtime/Form.h"

// The main menu and start-up window: one button per level, and Exit.
class frmtervalo final : public runtime::Form {
public:
    frmtervalo();

protected:
    void Form_Load() override;

private:
    void cmdLevel1_Click();
    void cmdLevel2_Click();
    void cmdLevel3_Click();
    void cmdLevel4_Click();
    void cmdLevel5_Click();
    void cmdExit_Click();
};
