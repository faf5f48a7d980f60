#include "shell/frmtervalo.h"

#include "shell/CenterOnScreen.h"
#include "shell/FormRegistry.h"
#include "shell/frmAbout.h"
#include "round/frmLevel.h"

using runtime::BorderStyle;
using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::FontSpec;

namespace {

constexpr FontSpec kButtonFont{"Times New Roman", 9.75, 700};

constexpr ControlLayout kControls[] = {
    {.kind = ControlKind::CommandButton, .name = "cmdLevel1", .caption = "Level  &1",
     .left = 600, .top = 6120, .width = 1215, .height = 495, .font = &kButtonFont, .tabIndex = 0},
    {.kind = ControlKind::CommandButton, .name = "cmdLevel2", .caption = "Level  &2",
     .left = 1800, .top = 6120, .width = 1215, .height = 495, .font = &kButtonFont, .tabIndex = 1},
    {.kind = ControlKind::CommandButton, .name = "cmdLevel3", .caption = "Level  &3",
     .left = 3000, .top = 6120, .width = 1215, .height = 495, .font = &kButtonFont, .tabIndex = 2},
    {.kind = ControlKind::CommandButton, .name = "cmdLevel4", .caption = "Level  &4",
     .left = 4200, .top = 6120, .width = 1215, .height = 495, .font = &kButtonFont, .tabIndex = 3},
    {.kind = ControlKind::CommandButton, .name = "cmdLevel5", .caption = "Level  &5",
     .left = 5400, .top = 6120, .width = 1215, .height = 495, .font = &kButtonFont, .tabIndex = 4},
    {.kind = ControlKind::CommandButton, .name = "cmdExit", .caption = "E&xit",
     .left = 7800, .top = 6120, .width = 1215, .height = 495, .font = &kButtonFont, .cancel = true, .tabIndex = 5},
};

constexpr runtime::FormLayout kLayout{
    .caption = "Tervalo",
    .border = BorderStyle::None,
    .clientWidth = 9600,
    .clientHeight = 7200,
    .picture = ":/assets/background.bmp",
    .icon = ":/assets/tervalo.ico",
    .controls = kControls,
};

} // namespace

frmtervalo::frmtervalo() : Form(kLayout)
{
    onClick("cmdLevel1", &frmtervalo::cmdLevel1_Click);
    onClick("cmdLevel2", &frmtervalo::cmdLevel2_Click);
    onClick("cmdLevel3", &frmtervalo::cmdLevel3_Click);
    onClick("cmdLevel4", &frmtervalo::cmdLevel4_Click);
    onClick("cmdLevel5", &frmtervalo::cmdLevel5_Click);
    onClick("cmdExit", &frmtervalo::cmdExit_Click);
}

void frmtervalo::Form_Load()
{
    CenterOnScreen(*this, CentreOrder::LeftFirst);
}

void frmtervalo::cmdLevel1_Click()
{
    FormRegistry::frmgk().load();
    FormRegistry::frmgk().show();
}

void frmtervalo::cmdLevel2_Click()
{
    FormRegistry::frmgk1().load();
    FormRegistry::frmgk1().show();
}

void frmtervalo::cmdLevel3_Click()
{
    FormRegistry::frmgk2().load();
    FormRegistry::frmgk2().show();
}

void frmtervalo::cmdLevel4_Click()
{
    FormRegistry::frmgk3().load();
    FormRegistry::frmgk3().show();
}

void frmtervalo::cmdLevel5_Click()
{
    FormRegistry::frmgk4().load();
    FormRegistry::frmgk4().show();
}

void frmtervalo::cmdExit_Click()
{
    unload();
    FormRegistry::frmAbout().load();
    FormRegistry::frmAbout().show();
}
