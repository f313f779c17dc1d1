#include "platform/richtext/RtfInterpreter.h"

#include <QString>
#include <utility>

#include "platform/richtext/CodePages.h"
#include "platform/richtext/RtfFormatWords.h"

namespace richtext {
namespace {
constexpr int kMaxUnicodeSkip = 16;
}  // namespace

RtfInterpreter::RtfInterpreter(std::string_view rtf, QTextDocument& into)
    : lexer_(rtf), writer_(into, fonts_, colors_) {
  groups_.emplace_back();
}

void RtfInterpreter::Run() {
  for (RtfToken token = lexer_.Next(); token.kind != RtfToken::Kind::End && !finished_;
       token = lexer_.Next()) {
    const bool ignorable = std::exchange(ignorableNext_, false);
    if (token.kind == RtfToken::Kind::GroupOpen) {
      OpenGroup();
      continue;
    }
    if (token.kind == RtfToken::Kind::GroupClose) {
      CloseGroup();
      continue;
    }
    if (skippedDepth_ > 0 || Top().destination == Destination::Skip) continue;
    switch (token.kind) {
      case RtfToken::Kind::ControlWord:
        if (!SkipFallback()) HandleWord(token, ignorable);
        break;
      case RtfToken::Kind::ControlSymbol:
        if (!SkipFallback()) HandleSymbol(token.symbol);
        break;
      case RtfToken::Kind::HexByte:
        if (!SkipFallback()) HandleBytes({reinterpret_cast<const char*>(&token.byte), 1}, true);
        break;
      default: {
        std::string_view text = token.text;
        while (!text.empty() && SkipFallback()) text.remove_prefix(1);
        HandleBytes(text, false);
      }
    }
  }
  writer_.Finish(paragraph_, Top().chars);
}

void RtfInterpreter::OpenGroup() {
  fallbackToSkip_ = 0;
  if (skippedDepth_ > 0 || groups_.size() > kMaxGroupDepth) {
    ++skippedDepth_;
    return;
  }
  groups_.push_back(Top());
}

void RtfInterpreter::CloseGroup() {
  fallbackToSkip_ = 0;
  if (skippedDepth_ > 0) {
    --skippedDepth_;
    return;
  }
  if (groups_.size() == 1) return;  // a stray '}'
  groups_.pop_back();
  // The document is its outermost group; what follows it is not part of it.
  if (groups_.size() == 1) finished_ = true;
}

bool RtfInterpreter::SkipFallback() {
  if (fallbackToSkip_ == 0) return false;
  --fallbackToSkip_;
  return true;
}

void RtfInterpreter::HandleWord(const RtfToken& token, bool ignorable) {
  const RtfWord word = LookUpWord(token.word);
  if (EnterDestination(word)) return;
  if (ignorable) {
    Top().destination = Destination::Skip;  // an optional destination we do not know
    return;
  }
  switch (Top().destination) {
    case Destination::FontTable:
      if (ApplyFontTableWord(word, token, fonts_)) return;
      break;
    case Destination::ColorTable:
      if (ApplyColorTableWord(word, token, colors_)) return;
      break;
    case Destination::BulletLevel:
      if (ApplyBulletLevelWord(word, token, paragraph_.bullet)) return;
      break;
    case Destination::Body:
      if (ApplyParagraphWord(word, token, paragraph_)) return;
      [[fallthrough]];
    case Destination::BulletText:
      if (ApplyCharacterWord(word, token, Top().chars)) return;
      break;
    default: break;
  }
  HandleDocumentWord(word, token);
}

void RtfInterpreter::HandleDocumentWord(RtfWord word, const RtfToken& token) {
  switch (word) {
    case RtfWord::DefaultFont: fonts_.SetDefault(token.parameter); break;
    case RtfWord::UnicodeSkip: Top().unicodeSkip = token.ParameterIn(0, kMaxUnicodeSkip); break;
    case RtfWord::Paragraph:
      if (Top().destination == Destination::Body) EndParagraph();
      break;
    case RtfWord::Unicode: {
      // \uN is a signed 16-bit number; the characters after it stand in for older readers.
      const int code = token.parameter < 0 ? token.parameter + 0x10000 : token.parameter;
      if (code > 0 && code <= 0xFFFF) EmitText(QString(QChar(static_cast<char16_t>(code))));
      fallbackToSkip_ = Top().unicodeSkip;
      break;
    }
    default:
      if (const char16_t c = CharacterOfWord(word); c != 0) EmitText(QString(QChar(c)));
  }
}

bool RtfInterpreter::EnterDestination(RtfWord word) {
  Destination next = Destination::Skip;
  switch (word) {
    case RtfWord::FontTable: next = Destination::FontTable; break;
    case RtfWord::ColorTable: next = Destination::ColorTable; break;
    case RtfWord::BulletText:
      // The rendered bullet: shown as it stands, so no bullet is made for this paragraph.
      next = Destination::BulletText;
      bulletWritten_ = true;
      break;
    case RtfWord::BulletLevel: next = Destination::BulletLevel; break;
    case RtfWord::BulletLevelText:
      if (Top().destination == Destination::BulletLevel) {
        next = Destination::BulletLevelText;
        paragraph_.bullet.text.clear();
      }
      break;
    case RtfWord::SkippedDestination: break;
    default: return false;
  }
  Top().destination = next;
  return true;
}

void RtfInterpreter::HandleSymbol(char symbol) {
  switch (symbol) {
    case '\\':
    case '{':
    case '}': EmitText(QString(QChar(symbol))); break;
    case '~': EmitText(u"\u00A0"); break;  // non-breaking space
    case '-': EmitText(u"\u00AD"); break;  // optional hyphen
    case '_': EmitText(u"\u2011"); break;  // non-breaking hyphen
    case '*': ignorableNext_ = true; break;
    case '\n':
      if (Top().destination == Destination::Body) EndParagraph();
      break;
    default: break;
  }
}

void RtfInterpreter::HandleBytes(std::string_view bytes, bool escaped) {
  const Destination destination = Top().destination;
  if (!escaped &&
      (destination == Destination::FontTable || destination == Destination::ColorTable)) {
    for (const char c : bytes) {
      const bool endsEntry = c == ';';
      if (destination == Destination::ColorTable) {
        if (endsEntry) colors_.EndEntry();
      } else if (endsEntry) {
        fonts_.EndEntry();
      } else {
        fonts_.AppendToName(Decode(static_cast<unsigned char>(c)));
      }
    }
    return;
  }
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) text.append(Decode(static_cast<unsigned char>(c)));
  EmitText(text);
}

QChar RtfInterpreter::Decode(unsigned char byte) const {
  const Destination destination = Top().destination;
  if (destination == Destination::FontTable) return Cp1252ToUnicode(byte);
  const int font =
      destination == Destination::BulletLevelText ? paragraph_.bullet.font : Top().chars.font;
  return fonts_.IsSymbol(font) ? SymbolToUnicode(byte) : Cp1252ToUnicode(byte);
}

void RtfInterpreter::EmitText(QStringView text) {
  if (text.isEmpty()) return;  // e.g. a broken \'h: nothing to show, no bullet to make yet
  switch (Top().destination) {
    case Destination::Body: WriteBody(text); break;
    case Destination::BulletText: writer_.AppendText(text, Top().chars); break;
    case Destination::BulletLevelText: paragraph_.bullet.text.append(text); break;
    case Destination::FontTable:
      for (const QChar c : text) fonts_.AppendToName(c);
      break;
    default: break;
  }
}

void RtfInterpreter::WriteBody(QStringView text) {
  if (paragraph_.bullet.declared && !bulletWritten_) {
    // A bullet level without its rendered bullet: make the bullet and its tab ourselves.
    CharacterFormat bulletChars = Top().chars;
    bulletChars.font = paragraph_.bullet.font;
    const QString bullet =
        paragraph_.bullet.text.isEmpty() ? QStringLiteral("\u2022") : paragraph_.bullet.text;
    writer_.AppendText(QString(bullet + u'\t'), bulletChars);
    bulletWritten_ = true;
  }
  writer_.AppendText(text, Top().chars);
}

void RtfInterpreter::EndParagraph() {
  writer_.EndParagraph(paragraph_, Top().chars);
  bulletWritten_ = false;
}

}  // namespace richtext
