#pragma once
// frmMain's stored layout: the window's own settings and its fifteen controls, in the stored
// order. Positions and sizes are in twips from the client area's top-left corner.
#include <QColor>
#include <array>
#include <cstdint>
#include <optional>

namespace window {

enum class ControlKind { RichTextBox, CheckBox, VScrollBar, CommandButton, StatusBar, Label, Line, Image };
enum class TextAlign { Left, Centre };

// A colour as stored: an RGB value, or the system colour of window backgrounds.
struct StoredColor {
  enum class Kind { Rgb, SystemWindow } kind = Kind::Rgb;
  QRgb rgb = 0;
};
constexpr StoredColor Rgb(int r, int g, int b) { return {StoredColor::Kind::Rgb, qRgb(r, g, b)}; }
inline constexpr StoredColor kSystemWindow{StoredColor::Kind::SystemWindow, 0};

struct ControlLayout {
  const char* name = "";
  ControlKind kind = ControlKind::Label;
  const char* caption = "";
  // For a line: left/top is its first end and right/bottom its second.
  int left = 0, top = 0, width = 0, height = 0;
  int right = 0, bottom = 0;
  // -1: the control never takes the focus and has no tab index.
  int tabIndex = -1;
  const char* toolTip = "";
  bool border = false;
  TextAlign align = TextAlign::Left;
  std::optional<StoredColor> backColor;
  std::optional<StoredColor> foreColor;
};

struct WindowLayout {
  const char* caption;
  int clientWidth, clientHeight;  // twips
};

struct SliderLayout {
  std::int16_t top, bottom, start, smallChange, largeChange;
};

struct PanelLayout {
  int width, minWidth;  // twips
  bool alignRight;
  const char* text;
  const char* toolTip;
};

extern const WindowLayout kWindow;
extern const std::array<ControlLayout, 16> kControls;
extern const SliderLayout kSlider;
extern const std::array<PanelLayout, 2> kPanels;

// The stored entry of control `name`; nullptr if there is none. Any thread.
const ControlLayout* FindControl(const char* name);

}  // namespace window
