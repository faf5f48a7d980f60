#pragma once

#include "runtime/Form.h"

// The About box, shown once the player leaves the main menu.
class frmAbout final : public runtime::Form {
public:
    frmAbout();

protected:
    void Form_Load() override;

private:
    void cmdOk_Click();
};
