#include "platform/richtext/DocumentWriter.h"

#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

namespace richtext {
namespace {

constexpr qreal kTwipsPerPixel = 15.0;

qreal TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

QTextBlockFormat ToBlockFormat(const ParagraphFormat& paragraph) {
  QTextBlockFormat block;
  block.setLeftMargin(TwipsToPixels(paragraph.leftIndentTwips));
  block.setTextIndent(TwipsToPixels(paragraph.firstLineIndentTwips));
  block.setTopMargin(TwipsToPixels(paragraph.spaceBeforeTwips));
  block.setBottomMargin(TwipsToPixels(paragraph.spaceAfterTwips));
  block.setAlignment(paragraph.alignment);

  std::vector<int> stops = paragraph.tabStopsTwips;
  // A hanging indent has an implied tab stop at the left indent: the tab after a bullet
  // takes the first line's text to where the wrapped lines start.
  if (paragraph.firstLineIndentTwips < 0 && paragraph.leftIndentTwips > 0) {
    stops.push_back(paragraph.leftIndentTwips);
  }
  std::sort(stops.begin(), stops.end());
  stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
  QList<QTextOption::Tab> tabs;
  for (int stop : stops) tabs.append(QTextOption::Tab(TwipsToPixels(stop), QTextOption::LeftTab));
  block.setTabPositions(tabs);
  return block;
}

}  // namespace

DocumentWriter::DocumentWriter(QTextDocument& document, const RtfFontTable& fonts,
                               const RtfColorTable& colors)
    : cursor_(&document), fonts_(fonts), colors_(colors) {}

void DocumentWriter::AppendText(QStringView text, const CharacterFormat& format) {
  if (text.isEmpty()) return;
  OpenPendingParagraph();
  if (!(format == bufferedFormat_)) FlushText();
  bufferedFormat_ = format;
  bufferedText_.append(text);
}

void DocumentWriter::EndParagraph(const ParagraphFormat& paragraph, const CharacterFormat& mark) {
  OpenPendingParagraph();
  FlushText();
  FormatCurrentParagraph(paragraph, mark);
  paragraphPending_ = true;
}

void DocumentWriter::Finish(const ParagraphFormat& paragraph, const CharacterFormat& mark) {
  FlushText();
  if (!paragraphPending_) FormatCurrentParagraph(paragraph, mark);
}

void DocumentWriter::FlushText() {
  if (bufferedText_.isEmpty()) return;
  cursor_.insertText(bufferedText_, ToCharFormat(bufferedFormat_));
  bufferedText_.clear();
}

void DocumentWriter::OpenPendingParagraph() {
  if (!paragraphPending_) return;
  cursor_.insertBlock();
  paragraphPending_ = false;
}

void DocumentWriter::FormatCurrentParagraph(const ParagraphFormat& paragraph,
                                            const CharacterFormat& mark) {
  cursor_.setBlockFormat(ToBlockFormat(paragraph));
  cursor_.setBlockCharFormat(ToCharFormat(mark));
}

QTextCharFormat DocumentWriter::ToCharFormat(const CharacterFormat& format) const {
  QTextCharFormat chars;
  chars.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
  chars.setFontItalic(format.italic);
  chars.setFontUnderline(format.underline);
  chars.setFontStrikeOut(format.strikeOut);
  chars.setFontPointSize(format.halfPoints / 2.0);
  if (const FontEntry* font = fonts_.Find(format.font); font != nullptr && !font->name.isEmpty()) {
    chars.setFontFamilies(QStringList{font->name});
    chars.setFontStyleHint(font->family);
  }
  if (const QColor color = colors_.At(format.color); color.isValid()) chars.setForeground(color);
  return chars;
}

}  // namespace richtext
