#include "platform/richtext/RichTextBox.h"

#include "platform/richtext/RtfReader.h"

namespace richtext {
namespace {
// A little room between the border and the text, as small as the box is.
constexpr qreal kDocumentMargin = 2;
}  // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  document()->setDocumentMargin(kDocumentMargin);
}

void RichTextBox::SetTextRTF(std::string_view rtf) {
  rtf_ = std::string(rtf);
  ReadRtf(rtf_, *document());
  document()->setDocumentMargin(kDocumentMargin);
  // The box's cursor moved along with the inserted text; at the end it would scroll the
  // text to its last line.
  moveCursor(QTextCursor::Start);
}

void RichTextBox::SetVisible(bool visible) { setVisible(visible); }

}  // namespace richtext
