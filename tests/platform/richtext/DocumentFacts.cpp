#include "tests/platform/richtext/DocumentFacts.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <fstream>
#include <sstream>

namespace richtext::testing {

QColor ColorOf(const QTextCharFormat& format) {
  return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
}

QString FamilyOf(const QTextCharFormat& format) {
  const QStringList families = format.fontFamilies().toStringList();
  return families.isEmpty() ? QString() : families.front();
}

QTextCharFormat FormatAt(const QTextDocument& document, int position) {
  QTextCursor cursor(const_cast<QTextDocument*>(&document));
  cursor.setPosition(position + 1);  // a cursor reports the format of the character before it
  return cursor.charFormat();
}

QString CharactersWhere(const QTextDocument& document,
                        const std::function<bool(const QTextCharFormat&)>& wanted) {
  QString found;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (wanted(fragment.fragment().charFormat())) found += fragment.fragment().text();
    }
  }
  return found;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

}  // namespace richtext::testing
