#pragma once
// A read-only rich text box that shows RTF: thin sunken border, text wrapped to its width,
// a vertical scroll bar only when the text is taller than the box.
#include <QTextEdit>
#include <string>
#include <string_view>

namespace richtext {

class RichTextBox : public QTextEdit {
  Q_OBJECT

 public:
  // Window thread.
  explicit RichTextBox(QWidget* parent = nullptr);

  // Shows `rtf` in place of what the box held. Window thread.
  void SetTextRTF(std::string_view rtf);
  // The RTF last given to SetTextRTF. Window thread.
  std::string TextRTF() const { return rtf_; }

  // The box's own visibility flag: true unless hidden, even while its window is not shown
  // yet. Window thread.
  bool Visible() const { return !isHidden(); }
  // Hides the box at once, uncovering what lies behind it, or shows it again with its text
  // unchanged. Window thread.
  void SetVisible(bool visible);

 private:
  std::string rtf_;
};

}  // namespace richtext
