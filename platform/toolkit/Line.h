#pragma once
// A one-pixel line between two points of the client area; takes no input.
#include <QPoint>
#include <QWidget>

namespace tk {

class Line : public QWidget {
  Q_OBJECT

 public:
  explicit Line(QWidget* parent);

  // Places the line from `from` to `to` (pixels; horizontal or vertical). Window thread.
  void SetEnds(QPoint from, QPoint to);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tk
