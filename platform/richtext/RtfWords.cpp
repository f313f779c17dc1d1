#include "platform/richtext/RtfWords.h"

#include <array>
#include <unordered_map>

namespace richtext {
namespace {

// Destinations whose content is not text of the document.
constexpr std::array<std::string_view, 44> kSkippedDestinations = {
    "pntxta", "stylesheet", "info", "pict", "object", "objdata", "shppict", "nonshppict", "fldinst",
    "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
    "footnote", "annotation", "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator",
    "filetbl", "xmlnstbl", "themedata", "colorschememapping", "datastore", "latentstyles", "falt",
    "panose", "bkmkstart", "bkmkend", "author", "operator", "title", "subject", "keywords",
    "comment", "doccomm", "ftnsep", "ftnsepc", "ftncn"};

}  // namespace

RtfWord LookUpWord(std::string_view name) {
  using W = RtfWord;
  static const std::unordered_map<std::string_view, RtfWord> kWords = {
      {"fonttbl", W::FontTable}, {"colortbl", W::ColorTable},
      // \listtext is the later lists' counterpart of \pntext: the rendered bullet.
      {"pntext", W::BulletText}, {"listtext", W::BulletText}, {"pn", W::BulletLevel},
      {"pntxtb", W::BulletLevelText}, {"deff", W::DefaultFont}, {"uc", W::UnicodeSkip},
      {"fnil", W::FontFamilyNil}, {"froman", W::FontFamilyRoman}, {"fswiss", W::FontFamilySwiss},
      {"fmodern", W::FontFamilyModern}, {"fscript", W::FontFamilyScript},
      {"fdecor", W::FontFamilyDecor}, {"ftech", W::FontFamilyTech}, {"fbidi", W::FontFamilyNil},
      {"fcharset", W::FontCharset}, {"red", W::Red}, {"green", W::Green}, {"blue", W::Blue},
      {"pnlvlblt", W::BulletLevelIsBullet}, {"pnf", W::BulletFont}, {"plain", W::Plain},
      {"b", W::Bold}, {"i", W::Italic}, {"ul", W::Underline}, {"uld", W::Underline},
      {"uldb", W::Underline}, {"ulw", W::Underline}, {"ulnone", W::UnderlineNone},
      {"strike", W::StrikeOut}, {"f", W::Font}, {"fs", W::FontSize}, {"cf", W::ColorIndex},
      {"pard", W::ParagraphDefault}, {"li", W::LeftIndent}, {"fi", W::FirstLineIndent},
      {"sb", W::SpaceBefore}, {"sa", W::SpaceAfter}, {"ql", W::AlignLeft}, {"qc", W::AlignCenter},
      {"qr", W::AlignRight}, {"qj", W::AlignJustify}, {"tx", W::TabStop}, {"par", W::Paragraph},
      {"line", W::Line}, {"tab", W::Tab}, {"u", W::Unicode}, {"emdash", W::EmDash},
      {"endash", W::EnDash}, {"lquote", W::LeftQuote}, {"rquote", W::RightQuote},
      {"ldblquote", W::LeftDoubleQuote}, {"rdblquote", W::RightDoubleQuote}, {"bullet", W::Bullet},
      {"emspace", W::EmSpace}, {"enspace", W::EnSpace},
  };
  const auto found = kWords.find(name);
  if (found != kWords.end()) return found->second;
  for (std::string_view skipped : kSkippedDestinations) {
    if (skipped == name) return RtfWord::SkippedDestination;
  }
  return RtfWord::Unknown;
}

}  // namespace richtext
