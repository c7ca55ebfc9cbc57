#pragma once
// The text layer of a PDF written by QPdfWriter: each embedded font's ToUnicode map says which
// character a glyph stands for. Qt takes, for each glyph, the lowest code point the font maps
// to it; the CJK fonts map the Kangxi radicals (U+2F00-U+2FD5) and many CJK radical
// supplements (U+2E80-U+2EF3) to the same glyphs as the ideographs 一 二 人 日 月 工 長 青 …,
// so searching or copying the PDF would give radicals instead of the cell's characters.
#include <QByteArray>

namespace mirevo::render {

// The unified ideograph drawn with the same glyph as a radical (Noto Sans / Serif CJK JP), or
// 0 when there is none.
char16_t ideographOfRadical(char16_t radical);

// Rewrites, in place and keeping every byte offset, each radical a ToUnicode map gives as a
// glyph's character into its ideograph. Returns the number of entries rewritten.
int mapRadicalsToIdeographs(QByteArray &pdf);

} // namespace mirevo::render
