#include "window/BuildLayout.h"

#include <QApplication>
#include <algorithm>
#include <vector>

#include "assets/Assets.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/statusbar/StatusBar.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/Form.h"
#include "platform/toolkit/IconPointer.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/Line.h"
#include "platform/toolkit/Twips.h"
#include "platform/toolkit/VScrollBar.h"
#include "window/EmbeddedPictures.h"
#include "window/Layout.h"

namespace window {
namespace {

using tk::TwipsToPixels;

QRect PixelRect(const ControlLayout& c) {
  return {TwipsToPixels(c.left), TwipsToPixels(c.top), TwipsToPixels(c.width), TwipsToPixels(c.height)};
}

QColor Resolve(const StoredColor& color, const QWidget& widget) {
  if (color.kind == StoredColor::Kind::SystemWindow) return widget.palette().color(QPalette::Base);
  return QColor::fromRgb(color.rgb);
}

// Fills the whole control, as the stored back colour does; a check box's own box keeps its colour.
void FillBackground(QWidget& widget, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(widget.backgroundRole(), color);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

bool IsWindowed(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::Line:
    case ControlKind::Image: return false;
    default: return true;
  }
}

bool TakesFocus(ControlKind kind) { return IsWindowed(kind) && kind != ControlKind::StatusBar; }

QWidget* MakeLabel(tk::Form& form, const ControlLayout& c) {
  auto* label = new tk::Label(&form);
  label->SetCaption(QString::fromUtf8(c.caption));
  label->SetFixedSingleBorder(c.border);
  label->setAlignment((c.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  if (c.backColor) label->SetBackColor(Resolve(*c.backColor, *label));
  if (c.foreColor) label->SetForeColor(Resolve(*c.foreColor, *label));
  return label;
}

QWidget* MakeCheckBox(tk::Form& form, const ControlLayout& c) {
  auto* box = new tk::CheckBox(&form);
  box->setText(QString::fromUtf8(c.caption));
  box->SetValue(tk::vbUnchecked);
  return box;
}

QWidget* MakeSlider(tk::Form& form) {
  auto* slider = new tk::VScrollBar(&form);
  slider->SetRange(kSlider.top, kSlider.bottom);
  slider->SetSteps(kSlider.smallChange, kSlider.largeChange);
  slider->SetValue(kSlider.start);
  return slider;
}

QWidget* MakeButton(tk::Form& form, const ControlLayout& c) {
  auto* button = new tk::CommandButton(&form);
  button->SetCaption(QString::fromUtf8(c.caption));
  return button;
}

QWidget* MakeStatusBar(tk::Form& form, const ControlLayout& c) {
  auto* bar = new statusbar::StatusBar(&form);
  bar->DockBottom(TwipsToPixels(c.height));
  for (const auto& stored : kPanels) {
    auto& panel = bar->AddPanel(TwipsToPixels(stored.width), stored.alignRight);
    panel.setMinimumWidth(TwipsToPixels(stored.minWidth));
    panel.SetText(QString::fromUtf8(stored.text));
    panel.setToolTip(QString::fromUtf8(stored.toolTip));
  }
  return bar;
}

QWidget* MakeRichTextBox(tk::Form& form) {
  auto* box = new richtext::RichTextBox(&form);
  box->SetTextRTF(assets::info1());
  return box;
}

QWidget* MakeImage(tk::Form& form, const ControlLayout& c) {
  auto* image = new tk::Image(&form);
  image->SetFixedSingleBorder(c.border);
  image->SetPicture(PictureFromPixels(assets::LinkPicturePixels()));
  image->SetDragIcon(IconFromPixels(assets::LinkIconPixels()));
  image->setCursor(tk::IconPointer());
  return image;
}

QWidget* MakeControl(tk::Form& form, const ControlLayout& c) {
  switch (c.kind) {
    case ControlKind::Label: return MakeLabel(form, c);
    case ControlKind::CheckBox: return MakeCheckBox(form, c);
    case ControlKind::VScrollBar: return MakeSlider(form);
    case ControlKind::CommandButton: return MakeButton(form, c);
    case ControlKind::StatusBar: return MakeStatusBar(form, c);
    case ControlKind::RichTextBox: return MakeRichTextBox(form);
    case ControlKind::Image: return MakeImage(form, c);
    case ControlKind::Line: {
      auto* line = new tk::Line(&form);
      line->SetEnds({TwipsToPixels(c.left), TwipsToPixels(c.top)},
                    {TwipsToPixels(c.right), TwipsToPixels(c.bottom)});
      return line;
    }
  }
  return nullptr;
}

void Place(QWidget& widget, const ControlLayout& c) {
  widget.setObjectName(QString::fromUtf8(c.name));
  if (c.kind != ControlKind::Line && c.kind != ControlKind::StatusBar) widget.setGeometry(PixelRect(c));
  if (*c.toolTip) widget.setToolTip(QString::fromUtf8(c.toolTip));
  if (c.backColor && c.kind != ControlKind::Label) FillBackground(widget, Resolve(*c.backColor, widget));
  widget.setFocusPolicy(TakesFocus(c.kind) ? Qt::StrongFocus : Qt::NoFocus);
}

// Windowed controls lie in front of labels, lines and the image; within each sort the
// stored order runs from front to back.
void Stack(const std::vector<std::pair<const ControlLayout*, QWidget*>>& made) {
  for (bool windowed : {false, true}) {
    for (auto it = made.rbegin(); it != made.rend(); ++it) {
      if (IsWindowed(it->first->kind) == windowed) it->second->raise();
    }
  }
}

void ChainTabOrder(std::vector<std::pair<const ControlLayout*, QWidget*>> made) {
  std::erase_if(made, [](const auto& entry) { return !TakesFocus(entry.first->kind); });
  std::sort(made.begin(), made.end(),
            [](const auto& a, const auto& b) { return a.first->tabIndex < b.first->tabIndex; });
  for (std::size_t i = 1; i < made.size(); ++i) QWidget::setTabOrder(made[i - 1].second, made[i].second);
}

}  // namespace

void BuildLayout(tk::Form& form) {
  form.setWindowTitle(QString::fromUtf8(kWindow.caption));
  form.setWindowIcon(IconFromPixels(assets::WindowIconPixels()));
  form.SetPicture(PictureFromPixels(assets::BackgroundPixels()));

  std::vector<std::pair<const ControlLayout*, QWidget*>> made;
  for (const auto& control : kControls) {
    QWidget* widget = MakeControl(form, control);
    Place(*widget, control);
    made.emplace_back(&control, widget);
  }
  Stack(made);
  ChainTabOrder(made);
}

}  // namespace window
