// Small RTF snippets and the document facts each must give.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <optional>
#include <string>
#include <vector>

#include "platform/richtext/RtfReader.h"
#include "tests/platform/richtext/DocumentFacts.h"

namespace richtext::testing {
namespace {

struct BlockFacts {
  QString text;
  qreal leftPixels = 0;
  qreal firstLinePixels = 0;
};

// A run found by its text; every character of it must have each property that is given.
struct RunFacts {
  QString text;
  std::optional<bool> bold = std::nullopt;
  std::optional<bool> italic = std::nullopt;
  std::optional<bool> underline = std::nullopt;
  std::optional<QColor> color = std::nullopt;  // QColor(): the automatic colour
  std::optional<QString> family = std::nullopt;
  std::optional<qreal> points = std::nullopt;
};

struct SnippetCase {
  const char* name;
  std::string rtf;
  std::vector<BlockFacts> blocks;
  std::vector<RunFacts> runs;
};

void PrintTo(const SnippetCase& snippet, std::ostream* out) { *out << snippet.rtf; }

const char* const kFonts =
    R"({\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f1\fswiss\fprq2\fcharset0 Verdana;})"
    R"({\f2\fnil\fcharset2 Symbol;}})";
const char* const kColors = R"({\colortbl ;\red0\green0\blue128;\red255\green0\blue0;})";

std::string WithTables(const std::string& body) {
  return std::string(R"({\rtf1\ansi\ansicpg1252\deff1)") + kFonts + kColors + body + "}";
}

const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);

const std::vector<SnippetCase> kSnippets = {
    {"PlainText", R"({\rtf1 Hello world})", {{"Hello world"}}, {}},
    {"EachParMarkClosesOneParagraph", R"({\rtf1 one\par two\par})", {{"one"}, {"two"}}, {}},
    {"TextAfterTheLastMarkIsAParagraph", R"({\rtf1 one\par two})", {{"one"}, {"two"}}, {}},
    {"EmptyParagraphsCount", R"({\rtf1\par\par x\par\par})", {{""}, {""}, {"x"}, {""}}, {}},
    {"BackslashNewlineIsAParagraphMark", "{\\rtf1 one\\\ntwo}", {{"one"}, {"two"}}, {}},
    {"SourceLineBreaksAreNotText", "{\\rtf1 on\r\ne}", {{"one"}}, {}},
    {"BoldOnAndOff",
     R"({\rtf1 a\b bold\b0 c\b1 d})",
     {{"aboldcd"}},
     {{.text = "a", .bold = false},
      {.text = "bold", .bold = true},
      {.text = "c", .bold = false},
      {.text = "d", .bold = true}}},
    {"ItalicAndUnderlineForms",
     R"({\rtf1 \i it\i0 \ul un\ulnone no \ul du\ul0 of})",
     {{"itunno duof"}},
     {{.text = "it", .italic = true, .underline = false},
      {.text = "un", .italic = false, .underline = true},
      {.text = "no", .underline = false},
      {.text = "du", .underline = true},
      {.text = "of", .underline = false}}},
    {"GroupRestoresTheFormatAround",
     R"({\rtf1 a{\b\i b}c})",
     {{"abc"}},
     {{.text = "b", .bold = true, .italic = true}, {.text = "c", .bold = false, .italic = false}}},
    {"PlainResetsToTheDefaults",
     WithTables(R"(\f0\b\i\ul\fs40\cf2 x\plain y)"),
     {{"xy"}},
     {{.text = "x", .bold = true, .color = kRed, .family = "Times New Roman", .points = 20},
      {.text = "y",
       .bold = false,
       .italic = false,
       .underline = false,
       .color = QColor(),
       .family = "Verdana",
       .points = 12}}},
    {"ColourTableWithAutomaticFirstEntry",
     WithTables(R"(\cf1 navy\cf2 red\cf0 auto\cf9 none)"),
     {{"navyredautonone"}},
     {{.text = "navy", .color = kNavy},
      {.text = "red", .color = kRed},
      {.text = "auto", .color = QColor()},
      {.text = "none", .color = QColor()}}},
    {"FontTableAndDefaultFont",
     WithTables(R"(deflt \f0 roman\f1 swiss)"),
     {{"deflt romanswiss"}},
     {{.text = "deflt", .family = "Verdana"},
      {.text = "roman", .family = "Times New Roman"},
      {.text = "swiss", .family = "Verdana"}}},
    {"FontTableWithoutEntryGroups",
     R"({\rtf1{\fonttbl\f0 Arial;\f1 Verdana;}\f1 v\f0 a})",
     {{"va"}},
     {{.text = "v", .family = "Verdana"}, {.text = "a", .family = "Arial"}}},
    {"FontSizeInHalfPoints",
     R"({\rtf1\fs20 ten\fs17 half\fs24 twelve})",
     {{"tenhalftwelve"}},
     {{.text = "ten", .points = 10},
      {.text = "half", .points = 8.5},
      {.text = "twelve", .points = 12}}},
    {"HexBytesAreWindows1252",
     R"({\rtf1 \'80 \'93q\'94 caf\'e9 \'85\'99})",
     {{"€ “q” café …™"}},
     {}},
    {"SymbolFontBytes",
     WithTables(R"(\f2\'B7 a\'b0\f1\'B7)"),
     {{"• α°·"}},
     {{.text = "•", .family = "Symbol"}, {.text = "·", .family = "Verdana"}}},
    {"IndentsInTwips",
     R"({\rtf1\li720\fi-360 x\par\li1440\fi0 y\par\pard z\par})",
     {{"x", 48, -24}, {"y", 96, 0}, {"z", 0, 0}},
     {}},
    {"UnknownDestinationsAreSkipped",
     R"({\rtf1{\*\unknowndest hidden}{\stylesheet{\s0\li720 Normal;}}{\info{\title T}})"
     R"({\pict\wmetafile8 0102}{\*\generator Tool 1.0;}shown})",
     {{"shown"}},
     {}},
    {"UnknownWordsAreIgnored", R"({\rtf1 a\foo b\bar12 c\baz-3 d})", {{"abcd"}}, {}},
    {"UnicodeWithFallbackSkipping",
     R"({\rtf1 x\u8364?y\uc2\u8220??z\uc0\u8221 w\uc1\u-3913\'b7v})",
     {{"x€y“z”w\uF0B7v"}},
     {}},
    {"FallbackSkippingEndsWithTheGroup", R"({\rtf1{\uc3\u8364}abc})", {{"€abc"}}, {}},
    {"ControlSymbols", R"({\rtf1 \\ \{ \} a\~b\-c\_d})", {{"\\ { } a\u00A0b\u00ADc\u2011d"}}, {}},
    {"TabsLineBreaksAndQuotes",
     R"({\rtf1 a\tab b\line c\lquote\rquote\ldblquote\rdblquote\emdash})",
     {{"a\tb\u2028c‘’“”—"}},
     {}},
    {"RenderedBulletsShowOnce",
     WithTables(R"(\pard{\pntext\f2\'B7\tab}{\*\pn\pnlvlblt\pnf2\pnindent0{\pntxtb\'B7}})"
                R"(\fi-720\li720 one\par{\pntext\f2\'B7\tab}two\par\pard three\par)"),
     {{"•\tone", 48, -48}, {"•\ttwo", 48, -48}, {"three"}},
     {{.text = "•", .family = "Symbol"}, {.text = "one", .family = "Verdana"}}},
    {"DeclaredBulletLevelMakesItsBullet",
     WithTables(R"({\*\pn\pnlvlblt\pnf2{\pntxtb\'B7}}\fi-720\li720 one\par two\par\pard x\par)"),
     {{"•\tone", 48, -48}, {"•\ttwo", 48, -48}, {"x"}},
     {{.text = "•", .family = "Symbol"}}},
};

class RtfSnippetTest : public ::testing::TestWithParam<SnippetCase> {};

void ExpectRun(const QTextDocument& document, const RunFacts& run) {
  const int start = document.toPlainText().indexOf(run.text);
  ASSERT_GE(start, 0) << "no run " << run.text.toStdString();
  for (int position = start; position < start + run.text.size(); ++position) {
    const QTextCharFormat format = FormatAt(document, position);
    SCOPED_TRACE("character " + std::to_string(position - start) + " of " + run.text.toStdString());
    if (run.bold) {
      EXPECT_EQ(format.fontWeight() >= QFont::Bold, *run.bold);
    }
    if (run.italic) {
      EXPECT_EQ(format.fontItalic(), *run.italic);
    }
    if (run.underline) {
      EXPECT_EQ(format.fontUnderline(), *run.underline);
    }
    if (run.color) {
      EXPECT_EQ(ColorOf(format), *run.color);
    }
    if (run.family) {
      EXPECT_EQ(FamilyOf(format), *run.family);
    }
    if (run.points) {
      EXPECT_DOUBLE_EQ(format.fontPointSize(), *run.points);
    }
  }
}

TEST_P(RtfSnippetTest, GivesItsDocument) {
  const SnippetCase& snippet = GetParam();
  QTextDocument document;
  ReadRtf(snippet.rtf, document);

  ASSERT_EQ(document.blockCount(), static_cast<int>(snippet.blocks.size()))
      << document.toPlainText().toStdString();
  QTextBlock block = document.begin();
  for (const BlockFacts& expected : snippet.blocks) {
    EXPECT_EQ(block.text(), expected.text);
    EXPECT_DOUBLE_EQ(block.blockFormat().leftMargin(), expected.leftPixels)
        << expected.text.toStdString();
    EXPECT_DOUBLE_EQ(block.blockFormat().textIndent(), expected.firstLinePixels)
        << expected.text.toStdString();
    block = block.next();
  }
  for (const RunFacts& run : snippet.runs) ExpectRun(document, run);
}

INSTANTIATE_TEST_SUITE_P(Snippets, RtfSnippetTest, ::testing::ValuesIn(kSnippets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtfReaderTest, ParagraphAlignmentSpacingAndTabStops) {
  QTextDocument document;
  ReadRtf(R"({\rtf1\qc\sb150\sa300\tx1440\tx720 a\par\pard\qr b\par\qj c\par\ql d\par})", document);
  ASSERT_EQ(document.blockCount(), 4);
  const QTextBlockFormat centred = document.findBlockByNumber(0).blockFormat();
  EXPECT_EQ(centred.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_DOUBLE_EQ(centred.topMargin(), 10);
  EXPECT_DOUBLE_EQ(centred.bottomMargin(), 20);
  ASSERT_EQ(centred.tabPositions().size(), 2);
  EXPECT_DOUBLE_EQ(centred.tabPositions()[0].position, 48);
  EXPECT_DOUBLE_EQ(centred.tabPositions()[1].position, 96);

  const QTextBlockFormat right = document.findBlockByNumber(1).blockFormat();
  EXPECT_EQ(right.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_DOUBLE_EQ(right.topMargin(), 0);  // \pard dropped the spacing
  EXPECT_TRUE(right.tabPositions().isEmpty());
  EXPECT_EQ(document.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignJustify);
  EXPECT_EQ(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignLeft);
}

TEST(RtfReaderTest, ParagraphMarkKeepsTheFormatInForceAtIt) {
  // An empty line's height comes from its mark, so the mark's font and size must survive.
  QTextDocument document;
  ReadRtf(WithTables(R"(\f0\fs40 big\par\f1\fs16\par)"), document);
  ASSERT_EQ(document.blockCount(), 2);
  EXPECT_DOUBLE_EQ(document.findBlockByNumber(0).charFormat().fontPointSize(), 20);
  EXPECT_EQ(FamilyOf(document.findBlockByNumber(0).charFormat()), "Times New Roman");
  EXPECT_DOUBLE_EQ(document.findBlockByNumber(1).charFormat().fontPointSize(), 8);
  EXPECT_EQ(FamilyOf(document.findBlockByNumber(1).charFormat()), "Verdana");
}

TEST(RtfReaderTest, ReadingAgainReplacesTheContent) {
  QTextDocument document;
  ReadRtf(R"({\rtf1 first\par second\par})", document);
  ReadRtf(R"({\rtf1 third})", document);
  EXPECT_EQ(document.toPlainText(), "third");
  EXPECT_FALSE(document.isUndoAvailable());
}

TEST(RtfReaderTest, TextAfterTheDocumentGroupIsNotRead) {
  QTextDocument document;
  ReadRtf(R"({\rtf1 inside}outside)", document);
  EXPECT_EQ(document.toPlainText(), "inside");
}

}  // namespace
}  // namespace richtext::testing
