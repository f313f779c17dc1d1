#pragma once
// The character and paragraph properties an RTF reader tracks, in RTF's own units
// (half-points, twips, table indexes); DocumentWriter turns them into Qt formats.
#include <QString>
#include <Qt>
#include <vector>

namespace richtext {

// Font index meaning "the document's default font" (\deff).
inline constexpr int kDefaultFont = -1;

struct CharacterFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int font = kDefaultFont;
  int halfPoints = 24;  // RTF's default size, 12 pt
  int color = 0;        // colour table index; 0 is the automatic colour
  bool operator==(const CharacterFormat&) const = default;
};

// A bullet level declared for the paragraph (\pn ... \pnlvlblt).
struct BulletLevel {
  bool declared = false;
  int font = kDefaultFont;
  QString text;  // the bullet text (\pntxtb), already decoded
};

struct ParagraphFormat {
  int leftIndentTwips = 0;
  int firstLineIndentTwips = 0;  // negative for a hanging indent
  int spaceBeforeTwips = 0;
  int spaceAfterTwips = 0;
  Qt::Alignment alignment = Qt::AlignLeft;
  std::vector<int> tabStopsTwips;
  BulletLevel bullet;
};

}  // namespace richtext
