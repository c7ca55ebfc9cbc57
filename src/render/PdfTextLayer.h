#pragma once
// The text layer of a PDF written by QPdfWriter: each embedded font's ToUnicode map says which
// character a glyph stands for. Qt takes, for each glyph, the lowest code point the font maps
// to it; the CJK fonts map the Kangxi radicals (U+2F00-U+2FD5) and many CJK radical
// supplements (U+2E80-U+2EF3) to the same glyphs as the ideographs 一 二 人 日 月 工 長 青 …,
// so searching or copying the PDF would give radicals instead of the cell's characters; the
// same happens to a few punctuation marks and spaces (・ becomes U+2027, the ideographic space
// an em space).
#include <QByteArray>

namespace mirevo::render {

// The unified ideograph drawn with the same glyph as a radical (Noto Sans / Serif CJK JP), or
// 0 when there is none.
char16_t ideographOfRadical(char16_t radical);

// The character a cell most likely holds when Qt names a glyph `named`: the ideograph of a
// radical, the ideographic space for the em space, ・ for the hyphenation point, ～ for 〜 and a
// few more of the same kind; 0 when `named` is the character itself. A cell that really holds
// the rarer character comes out as the common one (the PDF cannot tell them apart).
char16_t cellCharacterOfGlyph(char16_t named);

// Rewrites, in place and keeping every byte offset, each character a ToUnicode map gives a
// glyph into the cell's character (cellCharacterOfGlyph). Returns the number of entries
// rewritten.
int mapGlyphsToCellCharacters(QByteArray& pdf);

} // namespace mirevo::render
