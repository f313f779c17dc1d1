// The help text as RTF: header, font and colour tables, 13 paragraphs with their runs, the
// six-line bulleted list, and where each font, colour and style applies.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "tests/assets/RtfTokens.h"

namespace {

using assets_test::RtfParagraph;
using assets_test::RtfRun;
using assets_test::RtfToken;
using Kind = RtfToken::Kind;

class HelpText : public testing::Test {
 protected:
  const std::vector<RtfToken> tokens_ = assets_test::Tokenize(assets::info1());
  const std::vector<RtfParagraph> paragraphs_ = assets_test::Paragraphs(tokens_);
};

bool IsWord(const RtfToken& t, const std::string& name, std::optional<int> number = std::nullopt) {
  return t.kind == Kind::Word && t.name == name && t.number == number;
}

// Control words and text of a token list, written back as one string for easy comparison.
std::string Spell(const std::vector<RtfToken>& tokens) {
  std::string out;
  for (const RtfToken& t : tokens) {
    if (t.kind == Kind::Word) out += "\\" + t.name + (t.number ? std::to_string(*t.number) : "");
    if (t.kind == Kind::Text) out += " " + t.name;
    if (t.kind == Kind::Symbol) out += "\\" + t.name + (t.number ? std::to_string(*t.number) : "");
    if (t.kind == Kind::GroupStart) out += "{";
    if (t.kind == Kind::GroupEnd) out += "}";
  }
  return out;
}

TEST_F(HelpText, OpensWithTheDocumentHeaderAndClosesEveryGroup) {
  ASSERT_GT(tokens_.size(), 6u);
  EXPECT_EQ(tokens_[0].kind, Kind::GroupStart);
  EXPECT_TRUE(IsWord(tokens_[1], "rtf", 1));
  EXPECT_TRUE(IsWord(tokens_[2], "ansi"));
  EXPECT_TRUE(IsWord(tokens_[3], "ansicpg", 1252));
  EXPECT_TRUE(IsWord(tokens_[4], "deff", 0));
  EXPECT_TRUE(IsWord(tokens_[5], "deflang", 11274));
  int depth = 0;
  for (size_t i = 0; i < tokens_.size(); ++i) {
    depth += tokens_[i].kind == Kind::GroupStart ? 1 : tokens_[i].kind == Kind::GroupEnd ? -1 : 0;
    ASSERT_TRUE(depth > 0 || i == tokens_.size() - 1)
        << "the document group closes early at token " << i;
  }
  EXPECT_EQ(depth, 0);
}

TEST_F(HelpText, FontTableHoldsVerdanaArialAndSymbol) {
  const auto fonts = assets_test::Groups(assets_test::Destination(tokens_, "fonttbl"));
  ASSERT_EQ(fonts.size(), 3u);
  EXPECT_EQ(Spell(fonts[0]), "\\f0\\fswiss\\fprq2\\fcharset0 Verdana;");
  EXPECT_EQ(Spell(fonts[1]), "\\f1\\fswiss\\fcharset0 Arial;");
  EXPECT_EQ(Spell(fonts[2]), "\\f2\\fnil\\fcharset2 Symbol;");
}

TEST_F(HelpText, ColourTableHoldsAutomaticNavyAndRed) {
  EXPECT_EQ(Spell(assets_test::Destination(tokens_, "colortbl")),
            " ;\\red0\\green0\\blue128 ;\\red255\\green0\\blue0 ;");
}

TEST_F(HelpText, HasThirteenParagraphsAndSixBullets) {
  EXPECT_EQ(std::count_if(tokens_.begin(), tokens_.end(),
                          [](const RtfToken& t) { return IsWord(t, "par"); }),
            13);
  int bullets = 0;
  for (size_t i = 1; i < tokens_.size(); ++i) {
    if (!IsWord(tokens_[i], "pntext")) continue;
    ++bullets;
    EXPECT_EQ(tokens_[i - 1].kind, Kind::GroupStart);
    ASSERT_LT(i + 4, tokens_.size());
    EXPECT_EQ(Spell({tokens_.begin() + static_cast<long>(i) + 1,
                     tokens_.begin() + static_cast<long>(i) + 5}),
              "\\f2\\'183\\tab}");
  }
  EXPECT_EQ(bullets, 6);
  EXPECT_EQ(paragraphs_.size(), 13u);
}

TEST_F(HelpText, DeclaresOneBulletLevelInTheSymbolFont) {
  const auto pn = std::find_if(tokens_.begin(), tokens_.end(),
                               [](const RtfToken& t) { return IsWord(t, "pn"); });
  ASSERT_NE(pn, tokens_.end());
  ASSERT_GE(pn - tokens_.begin(), 2);
  EXPECT_EQ(Spell({pn - 2, pn}), "{\\*");
  ASSERT_LE(9, tokens_.end() - pn);
  EXPECT_EQ(Spell({pn, pn + 9}), "\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'183}}");
  EXPECT_EQ(std::count_if(tokens_.begin(), tokens_.end(),
                          [](const RtfToken& t) { return IsWord(t, "pn"); }),
            1);
}

TEST_F(HelpText, EveryCharacterIsTenPoints) {
  int sizes = 0;
  for (const RtfToken& t : tokens_) {
    if (t.kind != Kind::Word || t.name != "fs") continue;
    ++sizes;
    EXPECT_EQ(t.number, 20);
  }
  EXPECT_GT(sizes, 0);
  for (const RtfParagraph& p : paragraphs_) {
    for (const RtfRun& run : p.runs) EXPECT_EQ(run.size, 20) << run.text;
    EXPECT_EQ(p.mark.size, 20);
  }
}

TEST_F(HelpText, ParagraphsSayWhatTheHelpSays) {
  ASSERT_EQ(paragraphs_.size(), 13u);
  const char* const expected[] = {
      "Velnoria Lumetta 1.1",
      "",
      "QuickStart:",
      "",
      "Keep the Beats Volume VERY Low for better results",
      "You can use Velnoria Lumetta while you work/study/relax...",
      "You can listen to your favourite music and let Velnoria running in background!",
      nullptr,
      nullptr,
      "Enjoy!",
      "",
      nullptr,
      ""};
  for (size_t i = 0; i < 13; ++i)
    if (expected[i] != nullptr) {
      EXPECT_EQ(paragraphs_[i].Text(), expected[i]) << "line " << i + 1;
    }
  // The maker's own lines: the web site by its domain, the support address, the notice.
  EXPECT_NE(paragraphs_[7].Text().find("www.velnoria.example"), std::string::npos);
  EXPECT_NE(paragraphs_[7].Text().find("updates"), std::string::npos);
  EXPECT_NE(paragraphs_[8].Text().find("support@velnoria.example"), std::string::npos);
  EXPECT_NE(paragraphs_[11].Text().find("All rights reserved."), std::string::npos);
  for (size_t i : {7u, 8u, 11u}) EXPECT_EQ(paragraphs_[i].runs.size(), 1u) << "line " << i + 1;
}

// All the text of one paragraph's runs that satisfy `pick`, run by run.
template <typename Pick>
std::vector<std::string> RunsWhere(const std::vector<RtfParagraph>& paragraphs, Pick pick) {
  std::vector<std::string> texts;
  for (const RtfParagraph& p : paragraphs)
    for (const RtfRun& run : p.runs)
      if (pick(run)) texts.push_back(run.text);
  return texts;
}

TEST_F(HelpText, OnlyTheStatedRunsAreBoldItalicUnderlinedOrRed) {
  using V = std::vector<std::string>;
  EXPECT_EQ(RunsWhere(paragraphs_, [](const RtfRun& r) { return r.bold; }),
            (V{"Velnoria ", "1.1", "Velnoria ", "Velnoria "}));
  EXPECT_EQ(RunsWhere(paragraphs_, [](const RtfRun& r) { return r.italic; }), (V{"QuickStart:"}));
  EXPECT_EQ(RunsWhere(paragraphs_, [](const RtfRun& r) { return r.underline; }),
            (V{"QuickStart:", "VERY Low"}));
  EXPECT_EQ(RunsWhere(paragraphs_, [](const RtfRun& r) { return r.colour != 1; }), (V{"1.1"}));
  EXPECT_EQ(RunsWhere(paragraphs_, [](const RtfRun& r) { return r.font != 0; }), V{});
  EXPECT_EQ(RunsWhere(paragraphs_, [](const RtfRun& r) { return r.colour == 2; }), (V{"1.1"}));
}

TEST_F(HelpText, LinesFiveToTenAreTheBulletedListWithAHangingIndent) {
  ASSERT_EQ(paragraphs_.size(), 13u);
  for (size_t i = 0; i < 13; ++i) {
    const RtfParagraph& p = paragraphs_[i];
    const bool bulleted = i >= 4 && i <= 9;
    SCOPED_TRACE("line " + std::to_string(i + 1));
    EXPECT_EQ(p.firstIndent, bulleted ? -720 : 0);
    EXPECT_EQ(p.leftIndent, bulleted ? 720 : 0);
    if (!bulleted) {
      EXPECT_TRUE(p.bulletText.empty());
      continue;
    }
    ASSERT_EQ(p.bulletText.size(), 1u);
    EXPECT_EQ(p.bulletText[0].text, "\xB7\t");
    EXPECT_EQ(p.bulletText[0].font, 2);
  }
}

TEST_F(HelpText, ParagraphMarksCarryTheStatedFontAndColour) {
  ASSERT_EQ(paragraphs_.size(), 13u);
  for (size_t i : {4u, 5u, 6u, 7u, 8u, 9u, 10u, 12u}) {
    EXPECT_EQ(paragraphs_[i].mark.font, 1) << "line " << i + 1;    // Arial
    EXPECT_EQ(paragraphs_[i].mark.colour, 0) << "line " << i + 1;  // automatic
  }
  for (size_t i : {1u, 3u}) {
    EXPECT_EQ(paragraphs_[i].mark.font, 0) << "line " << i + 1;    // Verdana
    EXPECT_EQ(paragraphs_[i].mark.colour, 1) << "line " << i + 1;  // navy
  }
}

}  // namespace
