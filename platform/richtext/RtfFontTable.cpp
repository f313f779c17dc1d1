#include "platform/richtext/RtfFontTable.h"

#include "platform/richtext/RtfFormat.h"

namespace richtext {

void RtfFontTable::BeginEntry(int index) {
  pendingIndex_ = index;
  pending_ = {};
}

void RtfFontTable::EndEntry() {
  pending_.name = pending_.name.trimmed();
  entries_[pendingIndex_] = pending_;
  // A table that omits \fN numbers its entries in order.
  BeginEntry(pendingIndex_ + 1);
}

const FontEntry* RtfFontTable::Find(int index) const {
  const auto found = entries_.find(index == kDefaultFont ? default_ : index);
  return found == entries_.end() ? nullptr : &found->second;
}

bool RtfFontTable::IsSymbol(int index) const {
  const FontEntry* entry = Find(index);
  return entry != nullptr && entry->charset == kSymbolCharset;
}

}  // namespace richtext
