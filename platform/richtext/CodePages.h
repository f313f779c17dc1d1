#pragma once
// Byte-to-Unicode tables for the two character sets our RTF carries: Windows-1252 text and
// bytes in a Symbol-charset font.

namespace richtext {

// Windows-1252: 0x80..0x9F are typographic marks (€, “, ” …), not Latin-1 controls.
// Any thread.
char16_t Cp1252ToUnicode(unsigned char byte);

// The Symbol font's own encoding: Greek letters, maths signs, arrows and the bullet dot.
// Bytes without a common Unicode counterpart fall back to Windows-1252. Any thread.
char16_t SymbolToUnicode(unsigned char byte);

}  // namespace richtext
