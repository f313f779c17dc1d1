#include "platform/richtext/RtfLexer.h"

#include <algorithm>
#include <limits>

namespace richtext {
namespace {

RtfToken TokenOf(RtfToken::Kind kind) {
  RtfToken token;
  token.kind = kind;
  return token;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

RtfToken RtfLexer::Next() {
  // Line breaks in RTF source are not text; skipping them in a loop keeps Next() flat.
  while (!AtEnd() && (IsLineBreak(Peek()) || Peek() == '\0')) ++pos_;
  if (AtEnd()) return {};
  switch (Peek()) {
    case '{': ++pos_; return TokenOf(RtfToken::Kind::GroupOpen);
    case '}': ++pos_; return TokenOf(RtfToken::Kind::GroupClose);
    case '\\': ++pos_; return ReadEscape();
    default: return ReadText();
  }
}

RtfToken RtfLexer::ReadEscape() {
  if (AtEnd()) return {};  // a lone backslash at the very end
  const char c = Peek();
  if (IsLetter(c)) return ReadControlWord();
  ++pos_;
  if (c == '\'') return ReadHexByte();
  RtfToken token = TokenOf(RtfToken::Kind::ControlSymbol);
  token.symbol = c == '\r' ? '\n' : c;
  return token;
}

RtfToken RtfLexer::ReadControlWord() {
  const std::size_t start = pos_;
  while (!AtEnd() && IsLetter(Peek())) ++pos_;
  RtfToken token = TokenOf(RtfToken::Kind::ControlWord);
  token.word = rtf_.substr(start, pos_ - start);

  // A '-' right after the letters starts the parameter, even when no digit follows it.
  const bool negative = !AtEnd() && Peek() == '-';
  if (negative) ++pos_;
  // Accumulate in 64 bits and saturate, so a parameter of any length stays in range.
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  while (!AtEnd() && IsDigit(Peek())) {
    token.hasParameter = true;
    value = std::min(value * 10 + (Peek() - '0'), kLimit + 1);
    ++pos_;
  }
  token.parameter =
      static_cast<std::int32_t>(negative ? -std::min(value, kLimit + 1) : std::min(value, kLimit));
  if (!AtEnd() && Peek() == ' ') ++pos_;  // the delimiting space belongs to the word
  return token;
}

RtfToken RtfLexer::ReadHexByte() {
  int value = 0;
  for (int digit = 0; digit < 2; ++digit) {
    const int nibble = AtEnd() ? -1 : HexValue(Peek());
    // An incomplete \'h carries no byte; what follows it is read as usual.
    if (nibble < 0) return TokenOf(RtfToken::Kind::Text);
    value = value * 16 + nibble;
    ++pos_;
  }
  RtfToken token = TokenOf(RtfToken::Kind::HexByte);
  token.byte = static_cast<unsigned char>(value);
  return token;
}

RtfToken RtfLexer::ReadText() {
  const std::size_t start = pos_;
  while (!AtEnd()) {
    const char c = Peek();
    if (c == '\\' || c == '{' || c == '}' || IsLineBreak(c) || c == '\0') break;
    ++pos_;
  }
  RtfToken token = TokenOf(RtfToken::Kind::Text);
  token.text = rtf_.substr(start, pos_ - start);
  return token;
}

}  // namespace richtext
