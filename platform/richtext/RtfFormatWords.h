#pragma once
// What each formatting control word does to the one thing it sets. Each returns false, and
// changes nothing, for a word that does not belong to it.
#include "platform/richtext/RtfColorTable.h"
#include "platform/richtext/RtfFontTable.h"
#include "platform/richtext/RtfFormat.h"
#include "platform/richtext/RtfLexer.h"
#include "platform/richtext/RtfWords.h"

namespace richtext {

// All: any thread.
bool ApplyCharacterWord(RtfWord word, const RtfToken& token, CharacterFormat& chars);
// \par is not one of them: it ends the paragraph rather than shaping it.
bool ApplyParagraphWord(RtfWord word, const RtfToken& token, ParagraphFormat& paragraph);
bool ApplyFontTableWord(RtfWord word, const RtfToken& token, RtfFontTable& fonts);
bool ApplyColorTableWord(RtfWord word, const RtfToken& token, RtfColorTable& colors);
bool ApplyBulletLevelWord(RtfWord word, const RtfToken& token, BulletLevel& bullet);

// The character a word such as \tab or \emdash stands for; 0 for any other word.
char16_t CharacterOfWord(RtfWord word);

}  // namespace richtext
