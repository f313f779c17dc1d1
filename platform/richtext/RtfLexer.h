#pragma once
// Splits RTF into its tokens: braces, control words, control symbols, \'hh bytes and runs
// of plain text. Every call consumes input, so a loop over Next() always ends.
#include <algorithm>
#include <cstdint>
#include <string_view>

namespace richtext {

struct RtfToken {
  enum class Kind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, HexByte, Text };
  Kind kind = Kind::End;
  // ControlWord: its letters.
  std::string_view word;
  bool hasParameter = false;
  // ControlWord: the numeric parameter, saturated to the int32 range.
  std::int32_t parameter = 0;
  // ControlSymbol: the character after the backslash ('\n' for a backslash-newline).
  char symbol = 0;
  // HexByte: the byte.
  unsigned char byte = 0;
  // Text: raw bytes, never containing '\\', '{', '}', CR or LF; may be empty.
  std::string_view text;

  // For \b, \i, \ul and the like: on without a parameter or with a non-zero one.
  bool IsOn() const { return !hasParameter || parameter != 0; }
  // The parameter held to [low, high], so hostile numbers cannot upset what they set.
  int ParameterIn(int low, int high) const { return std::clamp<int>(parameter, low, high); }
};

class RtfLexer {
 public:
  explicit RtfLexer(std::string_view rtf) : rtf_(rtf) {}

  // The next token; Kind::End once the input is used up. Any thread.
  RtfToken Next();

 private:
  RtfToken ReadEscape();
  RtfToken ReadControlWord();
  RtfToken ReadHexByte();
  RtfToken ReadText();
  bool AtEnd() const { return pos_ >= rtf_.size(); }
  char Peek() const { return rtf_[pos_]; }

  std::string_view rtf_;
  std::size_t pos_ = 0;
};

}  // namespace richtext
