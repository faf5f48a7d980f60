#include "round/frmLevel.h"

#include "round/BuildQuestionOrder.h"
#include "round/Module1.h"
#include "shell/CenterOnScreen.h"

#include <algorithm>
#include <array>

using runtime::Alignment;
using runtime::BorderStyle;
using runtime::CheckedAdd;
using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::FontSpec;
using runtime::IntegerText;

namespace {

constexpr FontSpec kTitleFont{"Times New Roman", 36, 700, true};
constexpr FontSpec kTextFont{"Times New Roman", 9.75, 700};
constexpr FontSpec kOptionButtonFont{"MS Sans Serif", 8.25, 700};
constexpr FontSpec kCaptionFont{"Times New Roman", 12, 700};
constexpr FontSpec kCompleteFont{"MS Sans Serif", 13.5, 700};

constexpr std::array<const char *, 4> kOptionButtons{"Command1", "Command2", "Command3", "Command4"};
constexpr std::array<const char *, 4> kOptionLabels{"Label6", "Label7", "Label8", "Label9"};

// The design with Level 1's values; back to front, so that the option
// buttons lie over Frame1.
const ControlLayout kDesign[] = {
    {.kind = ControlKind::Label, .name = "Label5", .caption = "Tervalo", .left = 3000, .top = 120, .width = 3765,
     .height = 810, .font = &kTitleFont, .foreColour = 0x00FF0000, .alignment = Alignment::Centre, .autoSize = true,
     .tabIndex = 3},
    {.kind = ControlKind::Label, .name = "Label12", .caption = "Level 1", .left = 7680, .top = 360, .width = 1815,
     .height = 375, .foreColour = 0x000000FF, .tabIndex = 17},
    {.kind = ControlKind::TextBox, .name = "Text1", .left = 120, .top = 1050, .width = 9375, .height = 285,
     .font = &kTextFont, .alignment = Alignment::Centre, .tabIndex = 0},
    {.kind = ControlKind::Frame, .name = "Frame1", .caption = "Click The Correct  Answer", .left = 120, .top = 1440,
     .width = 9375, .height = 1815, .tabIndex = 8},
    {.kind = ControlKind::Label, .name = "Label6", .container = "Frame1", .left = 480, .top = 480, .width = 4140,
     .height = 255, .font = &kTextFont, .tabIndex = 9},
    {.kind = ControlKind::Label, .name = "Label7", .container = "Frame1", .left = 5040, .top = 480, .width = 4140,
     .height = 255, .font = &kTextFont, .tabIndex = 10},
    {.kind = ControlKind::Label, .name = "Label8", .container = "Frame1", .left = 480, .top = 1200, .width = 4140,
     .height = 255, .font = &kTextFont, .tabIndex = 11},
    {.kind = ControlKind::Label, .name = "Label9", .container = "Frame1", .left = 5040, .top = 1200, .width = 4140,
     .height = 255, .font = &kTextFont, .tabIndex = 12},
    {.kind = ControlKind::CommandButton, .name = "Command1", .caption = "&1", .left = 240, .top = 1920, .width = 255,
     .height = 255, .font = &kOptionButtonFont, .tabIndex = 13},
    {.kind = ControlKind::CommandButton, .name = "Command2", .caption = "&2", .left = 4800, .top = 1920, .width = 255,
     .height = 255, .font = &kOptionButtonFont, .tabIndex = 14},
    {.kind = ControlKind::CommandButton, .name = "Command3", .caption = "&3", .left = 240, .top = 2640, .width = 255,
     .height = 255, .font = &kOptionButtonFont, .tabIndex = 15},
    {.kind = ControlKind::CommandButton, .name = "Command4", .caption = "&4", .left = 4800, .top = 2640, .width = 255,
     .height = 255, .font = &kOptionButtonFont, .tabIndex = 16},
    {.kind = ControlKind::Label, .name = "Label3", .caption = "Question Number", .left = 240, .top = 3840,
     .width = 1815, .height = 255, .font = &kCaptionFont, .tabIndex = 1},
    {.kind = ControlKind::Label, .name = "Label10", .left = 2160, .top = 3840, .width = 495, .height = 255,
     .font = &kCaptionFont, .tabIndex = 4},
    {.kind = ControlKind::Label, .name = "Label4", .caption = "Marks Obtained", .left = 240, .top = 4320,
     .width = 1815, .height = 255, .font = &kCaptionFont, .tabIndex = 2},
    {.kind = ControlKind::Label, .name = "Label11", .left = 2160, .top = 4320, .width = 495, .height = 255,
     .font = &kCaptionFont, .tabIndex = 5},
    {.kind = ControlKind::Label, .name = "lblcomplete", .left = 3840, .top = 4320, .width = 4000, .height = 375,
     .font = &kCompleteFont, .tabIndex = 18},
    {.kind = ControlKind::Image, .name = "Image1", .left = 2760, .top = 4200, .width = 855, .height = 735},
    {.kind = ControlKind::Label, .name = "Label13", .caption = "Correct Answer", .left = 240, .top = 4800,
     .width = 1815, .height = 255, .font = &kCaptionFont, .tabIndex = 6},
    {.kind = ControlKind::Label, .name = "Label14", .left = 2160, .top = 4800, .width = 255, .height = 255,
     .font = &kCaptionFont, .tabIndex = 7},
    {.kind = ControlKind::Image, .name = "Image2", .left = 240, .top = 5160, .width = 480, .height = 480,
     .visible = false, .picture = ":/assets/smile.ico"},
    {.kind = ControlKind::Image, .name = "Image3", .left = 1320, .top = 5160, .width = 480, .height = 480,
     .visible = false, .picture = ":/assets/sad.ico"},
    {.kind = ControlKind::Frame, .name = "Frame2", .left = 3232, .top = 5280, .width = 3135, .height = 855,
     .tabIndex = 19},
    {.kind = ControlKind::CommandButton, .name = "cmdNext", .container = "Frame2", .caption = "&Next", .left = 120,
     .top = 240, .width = 1215, .height = 495, .font = &kCaptionFont, .tabIndex = 20},
    {.kind = ControlKind::CommandButton, .name = "cmdQuit", .container = "Frame2", .caption = "E&xit", .left = 1800,
     .top = 240, .width = 1215, .height = 495, .font = &kCaptionFont, .enabled = false, .tabIndex = 21},
};

ControlLayout &find(std::vector<ControlLayout> &controls, std::string_view name)
{
    return *std::ranges::find(controls, name, &ControlLayout::name);
}

// The design with one level's own values put in.
std::vector<ControlLayout> levelControls(const LevelValues &level)
{
    std::vector<ControlLayout> controls(std::begin(kDesign), std::end(kDesign));
    find(controls, "Label5").foreColour = level.titleColour;
    find(controls, "Label5").width = level.titleWidth;
    ControlLayout &label12 = find(controls, "Label12");
    label12.caption = level.levelCaption;
    label12.font = &level.levelFont;
    label12.foreColour = level.levelColour;
    label12.width = level.levelWidth;
    find(controls, "Text1").caption = level.introText;
    find(controls, "lblcomplete").height = level.completeHeight;
    find(controls, "Image2").left = level.smileLeft;
    find(controls, "Image2").top = level.smileTop;
    find(controls, "Image3").left = level.sadLeft;
    find(controls, "Image3").top = level.sadTop;
    if (level.exitBeforeNext)
        std::swap(find(controls, "cmdNext").tabIndex, find(controls, "cmdQuit").tabIndex);
    return controls;
}

} // namespace

frmLevel::frmLevel(const LevelValues &level)
    : level_(level), round_(Module1::Round(level.number)), controls_(levelControls(level))
{
    setStoredLayout({.border = BorderStyle::None, .clientWidth = 9600, .clientHeight = 7200, .controls = controls_});
    onClick("cmdNext", &frmLevel::cmdNext_Click);
    onClick("Command1", &frmLevel::Command1_Click);
    onClick("Command2", &frmLevel::Command2_Click);
    onClick("Command3", &frmLevel::Command3_Click);
    onClick("Command4", &frmLevel::Command4_Click);
    onClick("cmdQuit", &frmLevel::cmdQuit_Click);
}

runtime::CommandButton frmLevel::optionButton(int option) const
{
    return button(kOptionButtons.at(std::size_t(option - 1)));
}

runtime::Label frmLevel::optionLabel(int option) const
{
    return label(kOptionLabels.at(std::size_t(option - 1)));
}

// Command1 first, Command4 last.
void frmLevel::enableOptions(bool enabled) const
{
    for (int option = 1; option <= 4; ++option)
        optionButton(option).setEnabled(enabled);
}

// Starts a run of this window.
void frmLevel::Form_Load()
{
    CenterOnScreen(*this, CentreOrder::LeftFirst);
    round_.intMarks = 0;
    BuildQuestionOrder(round_);
    button("cmdNext").setCaption("&Start");
    button("cmdQuit").setEnabled(true);
    enableOptions(false);
}

// Start/Next: the next question of the run, or the level's completion.
void frmLevel::cmdNext_Click()
{
    enableOptions(true);
    image("Image1").setPicture({});
    round_.intQuestionNumber = CheckedAdd(round_.intQuestionNumber, 1);
    if (round_.intQuestionNumber > 200) {
        label("lblcomplete").setCaption(level_.completionText);
        button("cmdNext").setEnabled(false);
        enableOptions(false);
        return;
    }
    label("Label10").setCaption(IntegerText(round_.intQuestionNumber));
    label("Label14").setCaption("");
    button("cmdNext").setCaption("&Next");
    button("cmdNext").setEnabled(false);
    const runtime::Integer n = round_.intQuestionOrder(round_.intQuestionNumber);
    if (n >= 1 && n <= 200)
        ShowQuestion(n);
}

void frmLevel::Command1_Click()
{
    CheckAnswer(1);
}

void frmLevel::Command2_Click()
{
    CheckAnswer(2);
}

void frmLevel::Command3_Click()
{
    CheckAnswer(3);
}

void frmLevel::Command4_Click()
{
    CheckAnswer(4);
}

void frmLevel::cmdQuit_Click()
{
    unload();
}
