#pragma once
// The document's font table (\fonttbl), filled entry by entry as the reader meets it.
#include <QFont>
#include <QString>
#include <map>

namespace richtext {

struct FontEntry {
  QString name;
  QFont::StyleHint family = QFont::AnyStyle;
  int charset = 0;
};

// All: any thread, one reader at a time.
class RtfFontTable {
 public:
  static constexpr int kSymbolCharset = 2;

  // Entry building, in the order the table states them: \fN, family and charset words,
  // name bytes, then ';'.
  void BeginEntry(int index);
  void SetFamily(QFont::StyleHint family) { pending_.family = family; }
  void SetCharset(int charset) { pending_.charset = charset; }
  void AppendToName(QChar c) { pending_.name.append(c); }
  void EndEntry();

  // The font that kDefaultFont stands for (\deffN).
  void SetDefault(int index) { default_ = index; }
  // The entry for `index` (kDefaultFont: the default font); nullptr when the table has none.
  const FontEntry* Find(int index) const;
  bool IsSymbol(int index) const;

 private:
  std::map<int, FontEntry> entries_;
  FontEntry pending_;
  int pendingIndex_ = 0;
  int default_ = 0;
};

}  // namespace richtext
