#include "window/Layout.h"

#include <cstring>

#include "window/StoredTexts.h"

namespace window {

const WindowLayout kWindow{"Velnoria \"Lumetta\", release 1.1", 9510, 6030};

namespace {
constexpr StoredColor kLightOrange = Rgb(255, 192, 128);
constexpr StoredColor kDarkRed = Rgb(64, 0, 0);
constexpr const char* kEnhances = "Enhances the experience";
}  // namespace

// Stored order: also the front-to-back order among controls of the same sort.
const std::array<ControlLayout, 16> kControls{{
    {.name = "rchText", .kind = ControlKind::RichTextBox, .left = 6120, .top = 1560, .width = 3255,
     .height = 2055, .tabIndex = 11, .backColor = kSystemWindow},
    {.name = "Check2", .kind = ControlKind::CheckBox, .caption = "Yes, use music (beta)", .left = 240,
     .top = 1560, .width = 1935, .height = 375, .tabIndex = 10, .toolTip = kEnhances,
     .backColor = kLightOrange},
    {.name = "VSAmp", .kind = ControlKind::VScrollBar, .left = 240, .top = 2760, .width = 495,
     .height = 1335, .tabIndex = 5},
    {.name = "Check1", .kind = ControlKind::CheckBox, .caption = "Yes, use mask sound", .left = 240,
     .top = 1080, .width = 1935, .height = 375, .tabIndex = 4, .toolTip = kEnhances,
     .backColor = kLightOrange},
    {.name = "cmdPlay", .kind = ControlKind::CommandButton, .caption = "&Start", .left = 240,
     .top = 4680, .width = 1935, .height = 615, .tabIndex = 1},
    {.name = "StatusBar1", .kind = ControlKind::StatusBar, .left = 0, .top = 5700, .width = 9510,
     .height = 330, .tabIndex = 0},
    {.name = "Label6", .kind = ControlKind::Label, .caption = "X", .left = 9120, .top = 1320,
     .width = 255, .height = 255, .tabIndex = 12, .toolTip = "Close", .border = true,
     .align = TextAlign::Centre},
    {.name = "Label5", .kind = ControlKind::Label, .caption = "Click to go:", .left = 6000,
     .top = 3960, .width = 795, .height = 195, .tabIndex = 9, .backColor = kSystemWindow,
     .foreColor = kDarkRed},
    {.name = "Label4", .kind = ControlKind::Label, .caption = "Enhancements", .left = 240,
     .top = 720, .width = 1695, .height = 255, .tabIndex = 8, .border = true},
    {.name = "Label3", .kind = ControlKind::Label, .caption = "Beats Volume", .left = 240,
     .top = 2400, .width = 1095, .height = 255, .tabIndex = 7, .border = true},
    {.name = "Line2", .kind = ControlKind::Line, .left = 6960, .top = 4080, .right = 9480,
     .bottom = 4080},
    {.name = "Image1", .kind = ControlKind::Image, .left = 5880, .top = 4200, .width = 3555,
     .height = 1440, .border = true},
    {.name = "Line1", .kind = ControlKind::Line, .left = 0, .top = 5520, .right = 3600,
     .bottom = 5520},
    {.name = "lblBB", .kind = ControlKind::Label, .caption = "Settings:", .left = 120, .top = 240,
     .width = 2295, .height = 4095, .tabIndex = 6,
     .toolTip = "Keep volume levels VERY low for a better experience", .border = true,
     .foreColor = kDarkRed},
    {.name = "Label2", .kind = ControlKind::Label, .caption = "Release 1.1", .left = 7560,
     .top = 240, .width = 1815, .height = 255, .tabIndex = 3, .border = true,
     .align = TextAlign::Centre},
    {.name = "Label1", .kind = ControlKind::Label, .caption = "Main frecuency: 7.83 hz",
     .left = 7080, .top = 600, .width = 2295, .height = 255, .tabIndex = 2, .border = true,
     .align = TextAlign::Centre},
}};

// Arrow (and arrow keys) 1, a click in the track (and Page keys) 2000.
const SliderLayout kSlider{0, -5000, -3500, 1, 2000};

const std::array<PanelLayout, 2> kPanels{{
    {3150, 1440, true, kRightsNotice, kVisitInvitation},
    {1440, 1440, false, "", ""},
}};

const ControlLayout* FindControl(const char* name) {
  for (const auto& control : kControls) {
    if (std::strcmp(control.name, name) == 0) return &control;
  }
  return nullptr;
}

}  // namespace window
