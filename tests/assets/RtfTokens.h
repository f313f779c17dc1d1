#pragma once
// Splits RTF into its tokens and follows the character and paragraph state through them, so
// the help text can be checked against what it must say and how it must look.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace assets_test {

struct RtfToken {
  enum class Kind { GroupStart, GroupEnd, Word, Symbol, Text };
  Kind kind;
  std::string name;           // control word or symbol ("'" for a hex byte), or the text
  std::optional<int> number;  // a control word's parameter, or a hex byte's value
};

std::vector<RtfToken> Tokenize(std::string_view rtf);

struct RtfRun {
  std::string text;
  bool bold = false, italic = false, underline = false;
  int font = 0, colour = 0, size = 0;
};

struct RtfParagraph {
  std::vector<RtfRun> runs;        // visible text, merged while the format stays the same
  std::vector<RtfRun> bulletText;  // what {\pntext ...} draws in front of it
  int firstIndent = 0, leftIndent = 0;
  RtfRun mark;  // the format of the closing \par (its text empty)

  std::string Text() const;
};

// The body's paragraphs, each closed by \par; the font and colour tables and every
// destination other than \pntext are skipped.
std::vector<RtfParagraph> Paragraphs(const std::vector<RtfToken>& tokens);

// The tokens inside the first group that starts with control word `name` (the word and the
// group's braces left out); empty when there is none.
std::vector<RtfToken> Destination(const std::vector<RtfToken>& tokens, std::string_view name);

// The top-level groups among `tokens`, each as the tokens inside its braces.
std::vector<std::vector<RtfToken>> Groups(const std::vector<RtfToken>& tokens);

}  // namespace assets_test
