#include "CellRef.h"

#include "SheetError.h"

#include <algorithm>

namespace mirevo::sheet {

namespace {

[[noreturn]] void badRef(std::string_view ref)
{
    throw SheetError("セル参照が正しくありません: \"" + std::string(ref) + "\"");
}

bool isUpper(char ch)
{
    return ch >= 'A' && ch <= 'Z';
}
bool isLower(char ch)
{
    return ch >= 'a' && ch <= 'z';
}
bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Parses "$A$1"-style parts; returns false when the text is not one cell.
bool tryParseCell(std::string_view ref, CellPos& pos)
{
    size_t i = 0;
    if (i < ref.size() && ref[i] == '$')
        ++i;
    long col = 0;
    size_t letters = 0;
    for (; i < ref.size() && (isUpper(ref[i]) || isLower(ref[i])); ++i, ++letters) {
        const char up = isLower(ref[i]) ? char(ref[i] - 'a' + 'A') : ref[i];
        col = col * 26 + (up - 'A' + 1);
        if (col > kMaxCols)
            return false;
    }
    if (letters == 0)
        return false;
    if (i < ref.size() && ref[i] == '$')
        ++i;
    long row = 0;
    size_t digits = 0;
    for (; i < ref.size() && isDigit(ref[i]); ++i, ++digits) {
        row = row * 10 + (ref[i] - '0');
        if (row > kMaxRows)
            return false;
    }
    if (digits == 0 || i != ref.size() || row < 1)
        return false;
    pos = {int(row), int(col)};
    return true;
}

Rect normalised(CellPos a, CellPos b)
{
    return {std::min(a.row, b.row), std::min(a.col, b.col), std::max(a.row, b.row), std::max(a.col, b.col)};
}

} // namespace

CellPos parseCell(std::string_view ref)
{
    CellPos pos;
    if (!tryParseCell(ref, pos))
        badRef(ref);
    return pos;
}

Rect parseRect(std::string_view ref)
{
    const size_t colon = ref.find(':');
    CellPos a;
    CellPos b;
    if (colon == std::string_view::npos) {
        if (!tryParseCell(ref, a))
            badRef(ref);
        return normalised(a, a);
    }
    if (!tryParseCell(ref.substr(0, colon), a) || !tryParseCell(ref.substr(colon + 1), b))
        badRef(ref);
    return normalised(a, b);
}

Rect spanRect(std::string_view first, std::string_view last)
{
    const Rect a = parseRect(first);
    const Rect b = parseRect(last);
    return {std::min(a.r1, b.r1), std::min(a.c1, b.c1), std::max(a.r2, b.r2), std::max(a.c2, b.c2)};
}

int columnLetters(int col, char* out)
{
    char tmp[4];
    int n = 0;
    while (col > 0 && n < 3) {
        const int rem = (col - 1) % 26;
        tmp[n++] = char('A' + rem);
        col = (col - 1) / 26;
    }
    for (int i = 0; i < n; ++i)
        out[i] = tmp[n - 1 - i];
    return n;
}

std::string columnName(int col)
{
    char buf[4];
    return std::string(buf, size_t(columnLetters(col, buf)));
}

std::string cellName(int row, int col)
{
    return columnName(col) + std::to_string(row);
}

std::string rectName(const Rect& r)
{
    if (r.isSingleCell())
        return cellName(r.r1, r.c1);
    return cellName(r.r1, r.c1) + ":" + cellName(r.r2, r.c2);
}

} // namespace mirevo::sheet
