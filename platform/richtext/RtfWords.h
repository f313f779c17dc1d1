#pragma once
// The control words the reader acts on, looked up by name. Every other word is unknown and
// ignored (or, after \*, skipped with its group).
#include <string_view>

namespace richtext {

enum class RtfWord {
  Unknown,
  // Destinations.
  FontTable,
  ColorTable,
  BulletText,
  BulletLevel,
  BulletLevelText,
  SkippedDestination,
  // Document defaults.
  DefaultFont,
  UnicodeSkip,
  // Font table entries.
  FontFamilyNil,
  FontFamilyRoman,
  FontFamilySwiss,
  FontFamilyModern,
  FontFamilyScript,
  FontFamilyDecor,
  FontFamilyTech,
  FontCharset,
  // Colour table entries.
  Red,
  Green,
  Blue,
  // Bullet level.
  BulletLevelIsBullet,
  BulletFont,
  // Character format.
  Plain,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  StrikeOut,
  Font,
  FontSize,
  ColorIndex,
  // Paragraph format.
  ParagraphDefault,
  LeftIndent,
  FirstLineIndent,
  SpaceBefore,
  SpaceAfter,
  AlignLeft,
  AlignCenter,
  AlignRight,
  AlignJustify,
  TabStop,
  // Characters.
  Paragraph,
  Line,
  Tab,
  Unicode,
  EmDash,
  EnDash,
  LeftQuote,
  RightQuote,
  LeftDoubleQuote,
  RightDoubleQuote,
  Bullet,
  EmSpace,
  EnSpace,
};

// Any thread.
RtfWord LookUpWord(std::string_view name);

}  // namespace richtext
