#pragma once
// A label: text, optional fixed single border, back colour drawn or transparent, Click.
#include <QColor>
#include <QLabel>
#include <optional>

namespace tk {

class Label : public QLabel {
  Q_OBJECT

 public:
  explicit Label(QWidget* parent);

  // All: window thread.
  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  void SetFixedSingleBorder(bool border);
  // nullopt: transparent, the window's picture shows through.
  void SetBackColor(std::optional<QColor> color);
  void SetForeColor(const QColor& color);

 signals:
  // Raised through the event dispatch on a left click.
  void Click();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tk
