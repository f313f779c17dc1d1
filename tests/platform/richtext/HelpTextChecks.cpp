#include "tests/platform/richtext/HelpTextChecks.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <array>
#include <set>

#include "platform/richtext/RichTextBox.h"
#include "tests/platform/richtext/DocumentFacts.h"

namespace richtext::testing {
namespace {

constexpr int kLines = 13;
constexpr int kFirstBullet = 4;  // counted from 0: lines 5 to 10
constexpr int kLastBullet = 9;
constexpr qreal kBulletTextIndent = 48;  // 720 twips
const std::set<int> kEmptyLines = {1, 3, 10, 12};
// Lines whose words the help text fixes; the others only must not be empty.
const std::array<std::pair<int, const char*>, 6> kFixedLines = {{
    {0, "Velnoria Lumetta 1.1"},
    {2, "QuickStart:"},
    {4, "\u2022\tKeep the Beats Volume VERY Low for better results"},
    {5, "\u2022\tYou can use Velnoria Lumetta while you work/study/relax..."},
    {6, "\u2022\tYou can listen to your favourite music and let Velnoria running in background!"},
    {9, "\u2022\tEnjoy!"},
}};

const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);

bool IsBullet(int line) { return line >= kFirstBullet && line <= kLastBullet; }

void ExpectLineTexts(const QTextDocument& document) {
  for (int line = 0; line < kLines; ++line) {
    const QString text = document.findBlockByNumber(line).text();
    SCOPED_TRACE("line " + std::to_string(line + 1) + ": " + text.toStdString());
    EXPECT_EQ(text.isEmpty(), kEmptyLines.count(line) == 1);
    EXPECT_EQ(text.count(QChar(0x2022)), IsBullet(line) ? 1 : 0);
    if (IsBullet(line)) {
      EXPECT_TRUE(text.startsWith("\u2022\t"));
    }
  }
  for (const auto& [line, text] : kFixedLines) {
    EXPECT_EQ(document.findBlockByNumber(line).text(), QString(text));
  }
  EXPECT_EQ(document.toPlainText().count(QChar(0x2022)), 6);
}

void ExpectCharacterFormats(const QTextDocument& document) {
  auto colorIs = [](const QColor& color) {
    return [color](const QTextCharFormat& f) { return ColorOf(f) == color; };
  };
  EXPECT_EQ(CharactersWhere(document, colorIs(kRed)), "1.1");
  EXPECT_EQ(CharactersWhere(document, [](const auto& f) { return f.fontUnderline(); }),
            "QuickStart:VERY Low");
  EXPECT_EQ(CharactersWhere(document, [](const auto& f) { return f.fontItalic(); }), "QuickStart:");
  EXPECT_EQ(CharactersWhere(document, [](const auto& f) { return f.fontWeight() >= QFont::Bold; }),
            "Velnoria 1.1Velnoria Velnoria ");
  EXPECT_EQ(CharactersWhere(document, [](const auto& f) { return f.fontPointSize() != 10; }), "");

  QString bullets =
      CharactersWhere(document, [](const auto& f) { return FamilyOf(f) == "Symbol"; });
  EXPECT_EQ(bullets.remove('\t'), QString(6, QChar(0x2022)));
  QString others = CharactersWhere(document, [](const auto& f) {
    return FamilyOf(f) != "Symbol" && (FamilyOf(f) != "Verdana" || ColorOf(f) != kNavy);
  });
  EXPECT_EQ(others, "1.1") << "every visible character but the bullets is navy Verdana";
}

void ExpectParagraphMarks(const QTextDocument& document) {
  for (int line : {1, 3}) {
    const QTextCharFormat mark = document.findBlockByNumber(line).charFormat();
    EXPECT_EQ(FamilyOf(mark), "Verdana") << "line " << line + 1;
    EXPECT_EQ(ColorOf(mark), kNavy) << "line " << line + 1;
  }
  for (int line : {4, 5, 6, 7, 8, 9, 10, 12}) {
    const QTextCharFormat mark = document.findBlockByNumber(line).charFormat();
    EXPECT_EQ(FamilyOf(mark), "Arial") << "line " << line + 1;
    EXPECT_EQ(ColorOf(mark), QColor()) << "line " << line + 1;
  }
  for (int line = 0; line < kLines; ++line) {
    EXPECT_DOUBLE_EQ(document.findBlockByNumber(line).charFormat().fontPointSize(), 10)
        << "line " << line + 1;
  }
}

// The bullet sits at the block's left edge, its text and every wrapped line 48 px in.
void ExpectHangingIndents(const QTextDocument& document) {
  int wrappedBulletLines = 0;
  for (int line = 0; line < kLines; ++line) {
    const QTextBlock block = document.findBlockByNumber(line);
    SCOPED_TRACE("line " + std::to_string(line + 1));
    const qreal indent = IsBullet(line) ? kBulletTextIndent : 0;
    EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), indent);
    EXPECT_DOUBLE_EQ(block.blockFormat().textIndent(), -indent);
    const QTextLayout* layout = block.layout();
    ASSERT_GE(layout->lineCount(), 1);
    EXPECT_DOUBLE_EQ(layout->lineAt(0).cursorToX(0), 0);
    if (!IsBullet(line)) continue;
    EXPECT_DOUBLE_EQ(layout->lineAt(0).cursorToX(2), kBulletTextIndent) << "text after the bullet";
    for (int wrapped = 1; wrapped < layout->lineCount(); ++wrapped) {
      EXPECT_DOUBLE_EQ(layout->lineAt(wrapped).x(), kBulletTextIndent);
      ++wrappedBulletLines;
    }
  }
  EXPECT_GT(wrappedBulletLines, 0) << "no bullet line wraps in the box, so none was checked";
}

}  // namespace

void ExpectHelpTextReadsBack(std::string_view rtf) {
  RichTextBox box;
  box.resize(217, 137);
  box.SetTextRTF(rtf);
  box.show();
  const QTextDocument& document = *box.document();
  document.size();  // lays the text out at the box's width, as it is drawn
  ASSERT_EQ(document.blockCount(), kLines) << document.toPlainText().toStdString();
  ExpectLineTexts(document);
  ExpectCharacterFormats(document);
  ExpectParagraphMarks(document);
  ExpectHangingIndents(document);
}

}  // namespace richtext::testing
