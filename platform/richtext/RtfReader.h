#pragma once
// Reads RTF into a Qt rich text document. Covers what help texts use: font and colour tables,
// bold, italic, underline, colour, font and size, paragraphs with indents, tab stops and
// alignment, Windows-1252 and Symbol-font bytes, \uN characters and bullet paragraphs.
// Bullets are text: the bullet glyph, a tab, then the paragraph's own text, in a block whose
// hanging indent puts the bullet at the left margin and the text and its wrapped lines at
// the left indent.
// It never fails: malformed input (unbalanced braces, unknown words, cut-off escapes, huge
// numbers, deep nesting) reads as far as it makes sense and never crashes or hangs.
#include <string_view>

class QTextDocument;

namespace richtext {

// Replaces the content of `into` with the document `rtf` describes. Sizes are in points,
// indents and spacing in pixels at 96 dpi (15 twips a pixel). The thread that owns `into`.
void ReadRtf(std::string_view rtf, QTextDocument& into);

}  // namespace richtext
