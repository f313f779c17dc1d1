#pragma once
// An image control: a picture stretched to its inner area, an optional fixed single border,
// a mouse pointer of its own, a drag icon that is held and never shown, and Click.
#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace tk {

class Image : public QWidget {
  Q_OBJECT

 public:
  explicit Image(QWidget* parent);

  // All: window thread.
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return picture_; }
  void SetFixedSingleBorder(bool border);
  void SetDragIcon(const QIcon& icon) { dragIcon_ = icon; }
  const QIcon& DragIcon() const { return dragIcon_; }
  // The rectangle the picture is stretched to.
  QRect InnerArea() const;

 signals:
  // Raised through the event dispatch on a left click.
  void Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  QIcon dragIcon_;
  bool border_ = false;
};

}  // namespace tk
