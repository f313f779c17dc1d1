#pragma once
// A fixed window of the toolkit: caption, icon, background picture, controls by name, and a
// load event raised once before the window is first shown.
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <cstdint>

namespace tk {

class Form : public QWidget {
  Q_OBJECT

 public:
  // `clientWidth` x `clientHeight` pixels, not resizable, no maximise or minimise button.
  Form(int clientWidth, int clientHeight);

  // Raises Load (through the event dispatch), then shows the window centred on the screen.
  // Window thread.
  void Start();

  // The window's own 32-bit handle; valid from the load event on. Window thread.
  std::int32_t hWnd();

  // The picture drawn unscaled from the client area's top-left corner. Window thread.
  void SetPicture(const QPixmap& picture);

  // The control with this name; nullptr when there is none or it is of another type.
  // Window thread.
  template <typename Control>
  Control* Controls(const QString& name) const {
    return findChild<Control*>(name, Qt::FindDirectChildrenOnly);
  }

 signals:
  void Load();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void CentreOnScreen();

  QPixmap picture_;
};

}  // namespace tk
