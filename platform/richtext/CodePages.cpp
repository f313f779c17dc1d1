#include "platform/richtext/CodePages.h"

#include <array>

namespace richtext {
namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes, which pass as U+FFFD.
constexpr std::array<char16_t, 32> kCp1252High = {
    u'\u20AC', 0,         u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', 0,         u'\u017D', 0,
    0,         u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', 0,         u'\u017E', u'\u0178',
};

// Symbol's Greek letters from 'A' (0x41) to 'Z' and 'a' (0x61) to 'z'; 0 where the byte is
// no letter and keeps its Windows-1252 meaning.
constexpr std::array<char16_t, 26> kSymbolUpper = {
    u'\u0391', u'\u0392', u'\u03A7', u'\u0394', u'\u0395', u'\u03A6', u'\u0393',
    u'\u0397', u'\u0399', u'\u03D1', u'\u039A', u'\u039B', u'\u039C', u'\u039D',
    u'\u039F', u'\u03A0', u'\u0398', u'\u03A1', u'\u03A3', u'\u03A4', u'\u03A5',
    u'\u03C2', u'\u03A9', u'\u039E', u'\u03A8', u'\u0396',
};
constexpr std::array<char16_t, 26> kSymbolLower = {
    u'\u03B1', u'\u03B2', u'\u03C7', u'\u03B4', u'\u03B5', u'\u03C6', u'\u03B3',
    u'\u03B7', u'\u03B9', u'\u03D5', u'\u03BA', u'\u03BB', u'\u03BC', u'\u03BD',
    u'\u03BF', u'\u03C0', u'\u03B8', u'\u03C1', u'\u03C3', u'\u03C4', u'\u03C5',
    u'\u03D6', u'\u03C9', u'\u03BE', u'\u03C8', u'\u03B6',
};

struct SymbolSign {
  unsigned char byte;
  char16_t unicode;
};

// The signs of Symbol's upper half that help texts use.
constexpr std::array<SymbolSign, 26> kSymbolSigns = {{
    {0x22, u'\u2200'}, {0x24, u'\u2203'}, {0x27, u'\u220B'}, {0x2A, u'\u2217'}, {0x2D, u'\u2212'},
    {0x40, u'\u2245'}, {0xA3, u'\u2264'}, {0xA5, u'\u221E'}, {0xA7, u'\u2663'}, {0xA8, u'\u2666'},
    {0xA9, u'\u2665'}, {0xAA, u'\u2660'}, {0xAC, u'\u2190'}, {0xAD, u'\u2191'}, {0xAE, u'\u2192'},
    {0xAF, u'\u2193'}, {0xB0, u'\u00B0'}, {0xB1, u'\u00B1'}, {0xB3, u'\u2265'}, {0xB4, u'\u00D7'},
    {0xB7, u'\u2022'}, {0xB8, u'\u00F7'}, {0xB9, u'\u2260'}, {0xBB, u'\u2248'}, {0xBC, u'\u2026'},
    {0xD6, u'\u221A'},
}};

}  // namespace

char16_t Cp1252ToUnicode(unsigned char byte) {
  if (byte < 0x80 || byte > 0x9F) return byte;
  const char16_t mapped = kCp1252High[byte - 0x80];
  return mapped != 0 ? mapped : u'\uFFFD';
}

char16_t SymbolToUnicode(unsigned char byte) {
  if (byte >= 'A' && byte <= 'Z') return kSymbolUpper[byte - 'A'];
  if (byte >= 'a' && byte <= 'z') return kSymbolLower[byte - 'a'];
  for (const SymbolSign& sign : kSymbolSigns) {
    if (sign.byte == byte) return sign.unicode;
  }
  return Cp1252ToUnicode(byte);
}

}  // namespace richtext
