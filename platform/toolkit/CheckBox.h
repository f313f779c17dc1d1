#pragma once
// A check box with the toolkit's integer value: 0 unticked, 1 ticked, 2 greyed.
#include <QCheckBox>
#include <cstdint>

namespace tk {

inline constexpr std::int16_t vbUnchecked = 0;
inline constexpr std::int16_t vbChecked = 1;
inline constexpr std::int16_t vbGrayed = 2;

class CheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit CheckBox(QWidget* parent);

  // Window thread.
  std::int16_t Value() const;
  // Sets the value without raising Click (only the user's clicks raise it). Window thread.
  void SetValue(std::int16_t value);

 signals:
  // Raised through the event dispatch after the value has changed, for mouse and keyboard.
  void Click();

 protected:
  // A click toggles between unticked and ticked; a greyed box becomes ticked.
  void nextCheckState() override;

 private:
  void RaiseClick();
};

}  // namespace tk
