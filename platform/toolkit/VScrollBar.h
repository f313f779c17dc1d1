#pragma once
// A vertical scroll bar with the toolkit's value model: Min is the value at the top end and
// Max the value at the bottom end, either may be the larger one. SmallChange is the step of
// an arrow (and the arrow keys), LargeChange the step of a click in the track (and Page keys).
#include <QScrollBar>
#include <cstdint>

namespace tk {

class VScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit VScrollBar(QWidget* parent);

  // All: window thread.
  void SetRange(std::int16_t top, std::int16_t bottom);
  void SetSteps(std::int16_t smallChange, std::int16_t largeChange);
  std::int16_t Value() const;
  void SetValue(std::int16_t value);
  std::int16_t Min() const { return top_; }
  std::int16_t Max() const { return bottom_; }

 signals:
  // Raised through the event dispatch after the value has changed: at the end of a thumb
  // drag (not during it), and at once for an arrow, a track click or a key.
  void Change();

 private:
  void RaiseChange();
  int ToSlider(std::int16_t value) const;

  std::int16_t top_ = 0;
  std::int16_t bottom_ = 32767;
};

}  // namespace tk
