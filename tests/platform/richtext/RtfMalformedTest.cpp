// Malformed RTF: the reader must end, not crash, and keep the text that is plainly there.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <string>
#include <vector>

#include "platform/richtext/RtfReader.h"
#include "tests/platform/richtext/DocumentFacts.h"

namespace richtext::testing {
namespace {

struct MalformedCase {
  const char* name;
  std::string rtf;
  QString plainText;
};

std::string Repeated(const std::string& unit, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += unit;
  return out;
}

std::string AllBytes() {
  std::string out;
  for (int round = 0; round < 4; ++round) {
    for (int byte = 0; byte < 256; ++byte) out += static_cast<char>(byte);
  }
  return out;
}

const std::vector<MalformedCase> kMalformed = {
    {"Empty", "", ""},
    {"MissingClosingBraces", R"({\rtf1 {\b abc)", "abc"},
    {"ExtraClosingBraces", R"({\rtf1 a}}} b)", "a"},
    {"ClosingBracesFirst", R"(}}{\rtf1 x})", "x"},
    {"BackslashAtTheEnd", "{\\rtf1 abc\\", "abc"},
    {"ControlWordCutOffAtTheEnd", "{\\rtf1 abc\\pa", "abc"},
    {"ParameterCutOffAtTheEnd", "{\\rtf1 abc\\fs-", "abc"},
    {"HexEscapeWithOneDigit", R"({\rtf1 a\'4zb})", "azb"},
    {"HexEscapeWithOneDigitAtTheEnd", "{\\rtf1 a\\'4", "a"},
    {"HexEscapeWithNoDigits", "{\\rtf1 a\\'", "a"},
    // Each \' takes the next hex digit with it, so "zz" follows, not "b".
    {"RunOfBrokenHexEscapes", "{\\rtf1 a" + Repeated("\\'", 100000) + "zz}", "azz"},
    {"TenThousandNestedGroups",
     "{\\rtf1 before" + Repeated("{", 10000) + "deep" + Repeated("}", 10000) + " after}",
     "before after"},
    {"TenThousandUnclosedGroups", "{\\rtf1 x" + Repeated("{\\b ", 10000) + "y", "x"},
    {"TwentyDigitParameters",
     R"({\rtf1\fs99999999999999999999 a\li-99999999999999999999 b\cf99999999999999999999 c)"
     R"(\u99999999999999999999 d{\uc99999999999999999999\u8364 ef}gh\par})",
     "abc€gh"},
    {"UnknownWordsOnly", "{\\rtf1 " + Repeated("\\zzzz ", 1000) + "ok}", "ok"},
    {"IgnorableMarkAtTheEnd", "{\\rtf1 a\\*", "a"},
    {"FontTableNeverClosed", R"({\rtf1{\fonttbl{\f0 Arial)", ""},
    {"ColourComponentsOutOfRange", R"({\rtf1{\colortbl;\red-5\green999\blue128;}\cf1 c})", "c"},
    {"BulletLevelWithoutText", R"({\rtf1{\*\pn\pnlvlblt{\pntxtb}}\fi-720\li720 a\par})", "•\ta"},
};

void PrintTo(const MalformedCase& input, std::ostream* out) { *out << input.name; }

class RtfMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(RtfMalformedTest, EndsWithTheTextThatIsThere) {
  QTextDocument document;
  ReadRtf(GetParam().rtf, document);
  EXPECT_EQ(document.toPlainText(), GetParam().plainText);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RtfMalformedTest, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtfMalformedTest, HugeParametersAreBounded) {
  QTextDocument document;
  ReadRtf(R"({\rtf1\fs99999999999999999999\li99999999999999999999\fi-99999999999999999999 a\par})",
          document);
  ASSERT_EQ(document.blockCount(), 1);
  EXPECT_DOUBLE_EQ(FormatAt(document, 0).fontPointSize(), 1638);  // RTF's largest size
  EXPECT_DOUBLE_EQ(document.firstBlock().blockFormat().leftMargin(), 31680 / 15.0);
  EXPECT_DOUBLE_EQ(document.firstBlock().blockFormat().textIndent(), -31680 / 15.0);
  EXPECT_EQ(ColorOf(FormatAt(document, 0)), QColor());
}

TEST(RtfMalformedTest, ArbitraryBytesDoNotBreakIt) {
  QTextDocument document;
  const std::string bytes = AllBytes();
  ReadRtf(bytes, document);
  // Bytes before the first group are text; the group that '{' opens ends the document.
  EXPECT_TRUE(document.toPlainText().startsWith(QString::fromLatin1("\x01\x02\x03")));
  // Every tail of the bytes, so each byte value in turn opens the input.
  for (std::size_t cut = 1; cut < bytes.size(); ++cut) ReadRtf(bytes.substr(cut), document);
}

}  // namespace
}  // namespace richtext::testing
