#pragma once
// A status bar docked along the bottom of its window, with text panels in inset bevels.
// Panels are counted from 1, as the program addresses them.
#include <QFrame>
#include <QLabel>
#include <cstdint>
#include <vector>

namespace statusbar {

// One text panel. Window thread.
class Panel : public QLabel {
  Q_OBJECT

 public:
  explicit Panel(QWidget* parent);
  QString Text() const { return text(); }
  // Shows at once and stays until the next change.
  void SetText(const QString& text) { setText(text); }
};

// The bar's panels. Window thread.
class Panels {
 public:
  // Number of panels.
  std::int16_t Count() const { return static_cast<std::int16_t>(panels_.size()); }
  // The panel at `index`, counted from 1; any other index raises a run-time error.
  Panel& Item(std::int16_t index) const;
  void Add(Panel* panel) { panels_.push_back(panel); }

 private:
  std::vector<Panel*> panels_;
};

class StatusBar : public QFrame {
  Q_OBJECT

 public:
  explicit StatusBar(QWidget* parent);

  // Window thread.
  Panels& GetPanels() { return panels_; }
  // Adds a panel of `width` pixels; `alignRight` shows its text at the right. Window thread.
  statusbar::Panel& AddPanel(int width, bool alignRight);
  // Docks the bar along the bottom of its parent across the whole width. Window thread.
  void DockBottom(int height);

 private:
  Panels panels_;
  int nextLeft_ = 0;
};

}  // namespace statusbar
