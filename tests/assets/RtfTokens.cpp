#include "tests/assets/RtfTokens.h"

#include <cctype>
#include <cstdlib>

namespace assets_test {

namespace {

using Kind = RtfToken::Kind;

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

void AddText(std::vector<RtfToken>& tokens, char c) {
  if (!tokens.empty() && tokens.back().kind == Kind::Text)
    tokens.back().name += c;
  else
    tokens.push_back({Kind::Text, std::string(1, c), std::nullopt});
}

}  // namespace

std::vector<RtfToken> Tokenize(std::string_view rtf) {
  std::vector<RtfToken> tokens;
  for (size_t i = 0; i < rtf.size();) {
    const char c = rtf[i];
    if (c == '{' || c == '}') {
      tokens.push_back({c == '{' ? Kind::GroupStart : Kind::GroupEnd, {}, std::nullopt});
      ++i;
    } else if (c == '\r' || c == '\n') {
      ++i;
    } else if (c != '\\') {
      AddText(tokens, c);
      ++i;
    } else if (i + 1 < rtf.size() && IsLetter(rtf[i + 1])) {
      size_t end = i + 1;
      while (end < rtf.size() && IsLetter(rtf[end])) ++end;
      RtfToken word{Kind::Word, std::string(rtf.substr(i + 1, end - i - 1)), std::nullopt};
      size_t digits = end;
      if (digits < rtf.size() && rtf[digits] == '-') ++digits;
      while (digits < rtf.size() && IsDigit(rtf[digits])) ++digits;
      if (digits > end && IsDigit(rtf[digits - 1]))
        word.number = std::atoi(std::string(rtf.substr(end, digits - end)).c_str());
      else
        digits = end;
      i = digits < rtf.size() && rtf[digits] == ' ' ? digits + 1 : digits;  // the delimiter
      tokens.push_back(std::move(word));
    } else if (i + 3 < rtf.size() && rtf[i + 1] == '\'') {
      const int value = std::strtol(std::string(rtf.substr(i + 2, 2)).c_str(), nullptr, 16);
      tokens.push_back({Kind::Symbol, "'", value});
      i += 4;
    } else if (i + 1 < rtf.size() &&
               (rtf[i + 1] == '\\' || rtf[i + 1] == '{' || rtf[i + 1] == '}')) {
      AddText(tokens, rtf[i + 1]);
      i += 2;
    } else {
      tokens.push_back(
          {Kind::Symbol, std::string(1, i + 1 < rtf.size() ? rtf[i + 1] : '\\'), std::nullopt});
      i += 2;
    }
  }
  return tokens;
}

std::string RtfParagraph::Text() const {
  std::string text;
  for (const RtfRun& run : runs) text += run.text;
  return text;
}

namespace {

bool SameFormat(const RtfRun& a, const RtfRun& b) {
  return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline &&
         a.font == b.font && a.colour == b.colour && a.size == b.size;
}

void Append(std::vector<RtfRun>& runs, const RtfRun& format, const std::string& text) {
  if (!runs.empty() && SameFormat(runs.back(), format)) {
    runs.back().text += text;
    return;
  }
  RtfRun run = format;
  run.text = text;
  runs.push_back(run);
}

struct State {
  RtfRun format;
  bool skip = false;    // inside a table or an ignorable destination
  bool bullet = false;  // inside {\pntext ...}
};

void ApplyWord(const RtfToken& t, State& s, RtfParagraph& paragraph) {
  const int n = t.number.value_or(1);
  if (t.name == "b")
    s.format.bold = n != 0;
  else if (t.name == "i")
    s.format.italic = n != 0;
  else if (t.name == "ul")
    s.format.underline = n != 0;
  else if (t.name == "ulnone")
    s.format.underline = false;
  else if (t.name == "f")
    s.format.font = n;
  else if (t.name == "cf")
    s.format.colour = n;
  else if (t.name == "fs")
    s.format.size = n;
  else if (t.name == "fi")
    paragraph.firstIndent = n;
  else if (t.name == "li")
    paragraph.leftIndent = n;
  else if (t.name == "pard")
    paragraph.firstIndent = paragraph.leftIndent = 0;
  else if (t.name == "fonttbl" || t.name == "colortbl")
    s.skip = true;
  else if (t.name == "pntext")
    s.bullet = true;
  else if (t.name == "tab")
    Append(s.bullet ? paragraph.bulletText : paragraph.runs, s.format, "\t");
}

}  // namespace

std::vector<RtfParagraph> Paragraphs(const std::vector<RtfToken>& tokens) {
  std::vector<RtfParagraph> paragraphs;
  std::vector<State> stack{State{}};
  RtfParagraph current;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const RtfToken& t = tokens[i];
    State& s = stack.back();
    if (t.kind == Kind::GroupStart) {
      stack.push_back(s);
      continue;
    }
    if (t.kind == Kind::GroupEnd) {
      if (stack.size() > 1) stack.pop_back();
      continue;
    }
    if (t.kind == Kind::Symbol && t.name == "*") s.skip = true;
    if (s.skip) continue;
    if (t.kind == Kind::Word && t.name == "par") {
      current.mark = s.format;
      paragraphs.push_back(current);
      const int fi = current.firstIndent, li = current.leftIndent;
      current = RtfParagraph{};
      current.firstIndent = fi;  // paragraph properties carry on until \pard
      current.leftIndent = li;
    } else if (t.kind == Kind::Word) {
      ApplyWord(t, s, current);
    } else if (t.kind == Kind::Text || (t.kind == Kind::Symbol && t.name == "'")) {
      const std::string text =
          t.kind == Kind::Text ? t.name : std::string(1, static_cast<char>(*t.number));
      Append(s.bullet ? current.bulletText : current.runs, s.format, text);
    }
  }
  return paragraphs;
}

std::vector<RtfToken> Destination(const std::vector<RtfToken>& tokens, std::string_view name) {
  for (size_t i = 1; i < tokens.size(); ++i) {
    if (tokens[i].kind != Kind::Word || tokens[i].name != name ||
        tokens[i - 1].kind != Kind::GroupStart)
      continue;
    std::vector<RtfToken> inside;
    for (size_t j = i + 1, depth = 1; j < tokens.size(); ++j) {
      if (tokens[j].kind == Kind::GroupStart) ++depth;
      if (tokens[j].kind == Kind::GroupEnd && --depth == 0) break;
      inside.push_back(tokens[j]);
    }
    return inside;
  }
  return {};
}

std::vector<std::vector<RtfToken>> Groups(const std::vector<RtfToken>& tokens) {
  std::vector<std::vector<RtfToken>> groups;
  int depth = 0;
  for (const RtfToken& t : tokens) {
    if (t.kind == Kind::GroupStart && depth++ == 0) {
      groups.emplace_back();
      continue;
    }
    if (t.kind == Kind::GroupEnd && --depth == 0) continue;
    if (depth > 0) groups.back().push_back(t);
  }
  return groups;
}

}  // namespace assets_test
