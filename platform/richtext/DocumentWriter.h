#pragma once
// Appends RTF runs and paragraphs to a QTextDocument, turning RTF units into Qt formats:
// half-points into points, twips into pixels (15 twips a pixel at 96 dpi), table indexes into
// font families and colours.
#include <QString>
#include <QStringView>
#include <QTextCursor>

#include "platform/richtext/RtfColorTable.h"
#include "platform/richtext/RtfFontTable.h"
#include "platform/richtext/RtfFormat.h"

class QTextDocument;

namespace richtext {

// All: the thread that owns the document.
class DocumentWriter {
 public:
  // Writes into `document`, which should be empty; the tables are read as text arrives, so
  // they may still be filling.
  DocumentWriter(QTextDocument& document, const RtfFontTable& fonts, const RtfColorTable& colors);

  void AppendText(QStringView text, const CharacterFormat& format);
  // Closes the current paragraph: `paragraph` becomes its format, `mark` its mark's format.
  void EndParagraph(const ParagraphFormat& paragraph, const CharacterFormat& mark);
  // Closes a last paragraph that has no mark of its own, and writes what is still buffered.
  void Finish(const ParagraphFormat& paragraph, const CharacterFormat& mark);

 private:
  void FlushText();
  void OpenPendingParagraph();
  void FormatCurrentParagraph(const ParagraphFormat& paragraph, const CharacterFormat& mark);
  QTextCharFormat ToCharFormat(const CharacterFormat& format) const;

  QTextCursor cursor_;
  const RtfFontTable& fonts_;
  const RtfColorTable& colors_;
  QString bufferedText_;
  CharacterFormat bufferedFormat_;
  // A paragraph mark was read, but its next paragraph only begins with its first content,
  // so a closing \par adds no empty block.
  bool paragraphPending_ = false;
};

}  // namespace richtext
