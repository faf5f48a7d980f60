#include "shell/frmAbout.h"

#include "runtime/AppData.h"
#include "shell/CenterOnScreen.h"
#include "shell/FormRegistry.h"

using runtime::Alignment;
using runtime::BorderStyle;
using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::FontSpec;
using runtime::IntegerText;

namespace {

constexpr FontSpec kButtonFont{"Times New Roman", 9.75, 700};
constexpr FontSpec kTitleFont{"Times New Roman", 20.25, 700};
constexpr FontSpec kFirstLineFont{"MS Sans Serif", 9.75, 700};
constexpr FontSpec kSignatureFont{"Times New Roman", 9.75, 700};

constexpr runtime::Colour kRed = 0x000000FF;
constexpr runtime::Colour kBlue = 0x00FF0000;
constexpr runtime::Colour kDarkBlue = 0x00C00000;

constexpr ControlLayout kControls[] = {
    {.kind = ControlKind::CommandButton, .name = "cmdOk", .caption = "&Ok",
     .left = 4920, .top = 3327, .width = 910, .height = 390, .font = &kButtonFont, .cancel = true, .tabIndex = 0},
    {.kind = ControlKind::Label, .name = "lblDisclaimer",
     .caption = "Warning : this computer program is protected by copyright law , and unauthorized copying or "
                "distribution of this program , or of any part of it , may result in serious civil and criminal "
                "penalties in a court",
     .left = 240, .top = 2956, .width = 3870, .height = 825, .foreColour = kRed, .tabIndex = 1},
    {.kind = ControlKind::Label, .name = "lblTitle", .caption = "Title",
     .left = 1080, .top = 60, .width = 3885, .height = 480, .font = &kTitleFont, .foreColour = kBlue,
     .alignment = Alignment::Centre, .tabIndex = 2},
    {.kind = ControlKind::Label, .name = "lblVersion", .caption = "Version",
     .left = 1080, .top = 580, .width = 3885, .height = 225, .foreColour = kRed,
     .alignment = Alignment::Centre, .tabIndex = 3},
    {.kind = ControlKind::Label, .name = "Label1",
     .left = 120, .top = 2760, .width = 5745, .height = 43, .border = true, .tabIndex = 4},
    {.kind = ControlKind::PictureBox, .name = "Picture1",
     .left = 1140, .top = 960, .width = 3705, .height = 1739, .backColour = 0x00C0C0FF, .tabIndex = 5},
    {.kind = ControlKind::Label, .name = "Label2", .container = "Picture1", .caption = "TERVALO, a quiz on India",
     .left = 0, .top = 120, .width = 3555, .height = 255, .font = &kFirstLineFont,
     .alignment = Alignment::Centre, .tabIndex = 6},
    {.kind = ControlKind::Label, .name = "Label3", .container = "Picture1", .caption = "Written by the TERVALO team",
     .left = 0, .top = 360, .width = 3555, .height = 255, .alignment = Alignment::Centre, .tabIndex = 7},
    {.kind = ControlKind::Label, .name = "Label4", .container = "Picture1", .caption = "Five levels of general knowledge",
     .left = 0, .top = 600, .width = 3555, .height = 255, .alignment = Alignment::Centre, .tabIndex = 8},
    {.kind = ControlKind::Label, .name = "Label5", .container = "Picture1", .caption = "200 questions in every level",
     .left = 0, .top = 840, .width = 3555, .height = 255, .alignment = Alignment::Centre, .tabIndex = 9},
    {.kind = ControlKind::Label, .name = "Label6", .container = "Picture1", .caption = "For comments and suggestions",
     .left = 0, .top = 1080, .width = 3555, .height = 255, .font = &kSignatureFont, .foreColour = kDarkBlue,
     .alignment = Alignment::Centre, .tabIndex = 10},
    {.kind = ControlKind::Label, .name = "Label7", .container = "Picture1", .caption = "please write to the TERVALO team",
     .left = 120, .top = 1320, .width = 3555, .height = 255, .font = &kSignatureFont, .foreColour = kDarkBlue,
     .alignment = Alignment::Centre, .tabIndex = 11},
};

constexpr runtime::FormLayout kLayout{
    .caption = "About MyApp",
    .border = BorderStyle::FixedDialog,
    .clientWidth = 5970,
    .clientHeight = 3825,
    .controls = kControls,
};

} // namespace

frmAbout::frmAbout() : Form(kLayout)
{
    onClick("cmdOk", &frmAbout::cmdOk_Click);
}

void frmAbout::Form_Load()
{
    CenterOnScreen(*this, CentreOrder::TopFirst);
    setCaption("About " + runtime::AppTitle());
    label("lblVersion").setCaption("Version " + IntegerText(runtime::AppMajor()) + "." + IntegerText(runtime::AppMinor())
                                   + "." + IntegerText(runtime::AppRevision()));
    label("lblTitle").setCaption(runtime::AppTitle());
}

void frmAbout::cmdOk_Click()
{
    FormRegistry::frmAbout().unload();
}
