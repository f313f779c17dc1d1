#include "platform/richtext/RtfFormatWords.h"

#include <QChar>
#include <algorithm>

namespace richtext {
namespace {

constexpr int kMaxTwips = 31680;  // 22 inches, RTF's widest page
constexpr int kMaxHalfPoints = 3276;
constexpr std::size_t kMaxTabStops = 64;

QFont::StyleHint FamilyOf(RtfWord word) {
  switch (word) {
    case RtfWord::FontFamilyRoman: return QFont::Serif;
    case RtfWord::FontFamilySwiss: return QFont::SansSerif;
    case RtfWord::FontFamilyModern: return QFont::TypeWriter;
    case RtfWord::FontFamilyScript: return QFont::Cursive;
    case RtfWord::FontFamilyDecor: return QFont::Decorative;
    default: return QFont::AnyStyle;
  }
}

}  // namespace

bool ApplyCharacterWord(RtfWord word, const RtfToken& token, CharacterFormat& chars) {
  switch (word) {
    case RtfWord::Plain: chars = {}; return true;
    case RtfWord::Bold: chars.bold = token.IsOn(); return true;
    case RtfWord::Italic: chars.italic = token.IsOn(); return true;
    case RtfWord::Underline: chars.underline = token.IsOn(); return true;
    case RtfWord::UnderlineNone: chars.underline = false; return true;
    case RtfWord::StrikeOut: chars.strikeOut = token.IsOn(); return true;
    case RtfWord::Font:
      chars.font = token.hasParameter ? token.parameter : kDefaultFont;
      return true;
    case RtfWord::FontSize:
      chars.halfPoints =
          token.parameter > 0 ? token.ParameterIn(1, kMaxHalfPoints) : CharacterFormat{}.halfPoints;
      return true;
    case RtfWord::ColorIndex: chars.color = std::max(token.parameter, 0); return true;
    default: return false;
  }
}

bool ApplyParagraphWord(RtfWord word, const RtfToken& token, ParagraphFormat& paragraph) {
  switch (word) {
    case RtfWord::ParagraphDefault: paragraph = {}; return true;
    case RtfWord::LeftIndent:
      paragraph.leftIndentTwips = token.ParameterIn(-kMaxTwips, kMaxTwips);
      return true;
    case RtfWord::FirstLineIndent:
      paragraph.firstLineIndentTwips = token.ParameterIn(-kMaxTwips, kMaxTwips);
      return true;
    case RtfWord::SpaceBefore:
      paragraph.spaceBeforeTwips = token.ParameterIn(0, kMaxTwips);
      return true;
    case RtfWord::SpaceAfter:
      paragraph.spaceAfterTwips = token.ParameterIn(0, kMaxTwips);
      return true;
    case RtfWord::AlignLeft: paragraph.alignment = Qt::AlignLeft; return true;
    case RtfWord::AlignCenter: paragraph.alignment = Qt::AlignHCenter; return true;
    case RtfWord::AlignRight: paragraph.alignment = Qt::AlignRight; return true;
    case RtfWord::AlignJustify: paragraph.alignment = Qt::AlignJustify; return true;
    case RtfWord::TabStop:
      if (paragraph.tabStopsTwips.size() < kMaxTabStops) {
        paragraph.tabStopsTwips.push_back(token.ParameterIn(0, kMaxTwips));
      }
      return true;
    default: return false;
  }
}

bool ApplyFontTableWord(RtfWord word, const RtfToken& token, RtfFontTable& fonts) {
  switch (word) {
    case RtfWord::Font: fonts.BeginEntry(token.parameter); return true;
    case RtfWord::FontCharset: fonts.SetCharset(token.parameter); return true;
    case RtfWord::FontFamilyNil:
    case RtfWord::FontFamilyRoman:
    case RtfWord::FontFamilySwiss:
    case RtfWord::FontFamilyModern:
    case RtfWord::FontFamilyScript:
    case RtfWord::FontFamilyDecor:
    case RtfWord::FontFamilyTech: fonts.SetFamily(FamilyOf(word)); return true;
    default: return false;
  }
}

bool ApplyColorTableWord(RtfWord word, const RtfToken& token, RtfColorTable& colors) {
  using Component = RtfColorTable::Component;
  switch (word) {
    case RtfWord::Red: colors.SetComponent(Component::Red, token.parameter); return true;
    case RtfWord::Green: colors.SetComponent(Component::Green, token.parameter); return true;
    case RtfWord::Blue: colors.SetComponent(Component::Blue, token.parameter); return true;
    default: return false;
  }
}

bool ApplyBulletLevelWord(RtfWord word, const RtfToken& token, BulletLevel& bullet) {
  switch (word) {
    case RtfWord::BulletLevelIsBullet: bullet.declared = true; return true;
    case RtfWord::BulletFont: bullet.font = token.parameter; return true;
    default: return false;
  }
}

char16_t CharacterOfWord(RtfWord word) {
  switch (word) {
    case RtfWord::Line: return QChar::LineSeparator;
    case RtfWord::Tab: return u'\t';
    case RtfWord::EmDash: return u'\u2014';
    case RtfWord::EnDash: return u'\u2013';
    case RtfWord::LeftQuote: return u'\u2018';
    case RtfWord::RightQuote: return u'\u2019';
    case RtfWord::LeftDoubleQuote: return u'\u201C';
    case RtfWord::RightDoubleQuote: return u'\u201D';
    case RtfWord::Bullet: return u'\u2022';
    case RtfWord::EmSpace: return u'\u2003';
    case RtfWord::EnSpace: return u'\u2002';
    default: return 0;
  }
}

}  // namespace richtext
