#pragma once
// A push button whose caption reads back exactly as set, "&" included; the "&" marks the
// access key (Alt+letter presses it).
#include <QPushButton>

namespace tk {

class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CommandButton(QWidget* parent);

  // Window thread.
  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }

 signals:
  // Raised through the event dispatch after a mouse, keyboard or access-key press.
  void Click();

 private:
  void RaiseClick();
};

}  // namespace tk
