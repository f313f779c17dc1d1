#pragma once
// Reading facts back out of a QTextDocument for the reader and box tests.
#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <functional>
#include <ostream>
#include <string>

class QTextDocument;

// GoogleTest prints QStrings as text, not as bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace richtext::testing {

// The foreground colour a run was given; invalid when it has the automatic colour.
QColor ColorOf(const QTextCharFormat& format);
// The first font family a run names; empty when it names none.
QString FamilyOf(const QTextCharFormat& format);
// The format of the character at `position`.
QTextCharFormat FormatAt(const QTextDocument& document, int position);
// Every character, in order, whose format satisfies `wanted` (block separators left out).
QString CharactersWhere(const QTextDocument& document,
                        const std::function<bool(const QTextCharFormat&)>& wanted);
// The whole content of a file, for RTF fixtures.
std::string ReadFile(const std::string& path);

}  // namespace richtext::testing
