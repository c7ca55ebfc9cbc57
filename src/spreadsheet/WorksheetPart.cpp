// xl/worksheets/sheetN.xml
#include "PartWriters.h"
#include "Workbook.h"
#include "XmlWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace mirevo::sheet {

namespace {

bool written(const Cell& c)
{
    return c.str != kNoString || c.style != 0 || c.formula != kNoString;
}

bool written(const Row& row)
{
    return row.customHeight || row.fittedHeight || row.hidden
        || std::any_of(row.cells.begin(), row.cells.end(), [](const Cell& c) { return written(c); });
}

// <sheetPr><tabColor/><pageSetUpPr fitToPage="1"/></sheetPr>
void writeSheetPr(XmlWriter& w, const SheetData& data)
{
    if (!data.page.fitToPage && data.tabColor.empty())
        return;
    w.raw("<sheetPr>");
    w.raw(data.tabColor);
    if (data.page.fitToPage)
        w.raw("<pageSetUpPr fitToPage=\"1\"/>");
    w.raw("</sheetPr>");
}

// <dimension ref=".."/>: the rectangle of all written cells.
void writeDimension(XmlWriter& w, const SheetData& data)
{
    Rect used{kMaxRows, kMaxCols, 0, 0};
    data.rows.forEach([&](int r, const Row& row) {
        for (const Cell& c : row.cells)
            if (written(c))
                used = Rect{std::min(used.r1, r), std::min(used.c1, int(c.col)), std::max(used.r2, r),
                            std::max(used.c2, int(c.col))};
    });
    w.open("dimension");
    w.attr("ref", used.r2 == 0 ? std::string("A1") : rectName(used));
    w.endEmpty();
}

// <sheetViews><sheetView tabSelected="1" workbookViewId="0"/></sheetViews>, with the zoom,
// gridlines, panes and selection the sheet was read with.
void writeSheetViews(XmlWriter& w, bool selected, const SheetView& view)
{
    w.raw(selected ? "<sheetViews><sheetView tabSelected=\"1\"" : "<sheetViews><sheetView");
    w.raw(view.attributes);
    w.raw(" workbookViewId=\"0\"");
    if (view.children.empty()) {
        w.raw("/></sheetViews>");
        return;
    }
    w.raw(">");
    w.raw(view.children);
    w.raw("</sheetView></sheetViews>");
}

// <sheetFormatPr defaultRowHeight=".." .../>
void writeSheetFormat(XmlWriter& w, const SheetFormat& f)
{
    w.open("sheetFormatPr");
    if (f.baseColWidth)
        w.attr("baseColWidth", f.baseColWidth);
    if (f.defaultColWidth > 0)
        w.attrDouble("defaultColWidth", f.defaultColWidth);
    w.attrDouble("defaultRowHeight", f.defaultRowHeight);
    if (f.customHeight)
        w.attr("customHeight", 1);
    if (f.zeroHeight)
        w.attr("zeroHeight", 1);
    w.endEmpty();
}

// <col min max width hidden customWidth/>
void writeCol(XmlWriter& w, int first, int last, const ColInfo& info)
{
    w.open("col");
    w.attr("min", first);
    w.attr("max", last);
    w.attrDouble("width", info.width);
    if (info.hidden)
        w.attr("hidden", 1);
    w.attr("customWidth", 1);
    w.endEmpty();
}

// <cols>: runs of equal columns as one <col>.
void writeCols(XmlWriter& w, const std::vector<ColInfo>& cols)
{
    if (std::none_of(cols.begin(), cols.end(), [](const ColInfo& c) { return c.custom; }))
        return;
    w.raw("<cols>");
    for (size_t i = 0; i < cols.size();) {
        size_t j = i;
        while (j + 1 < cols.size() && cols[j + 1] == cols[i])
            ++j;
        if (cols[i].custom)
            writeCol(w, int(i + 1), int(j + 1), cols[i]);
        i = j + 1;
    }
    w.raw("</cols>");
}

// The rest of <c t=".."><f>..</f><v>..</v></c>: the formula and the value it last gave.
void writeFormulaCell(std::string& out, const Cell& c, const StringTable& table)
{
    const bool value = c.str != kNoString;
    if (value) {
        static const char* const types[] = {" t=\"str\"", "", " t=\"b\"", " t=\"e\""};
        out += types[int(c.kind)];
    }
    out += '>';
    out += table.text(c.formula);
    if (value) {
        out += "<v>";
        if (c.kind == CellKind::Bool)
            out += table.text(c.str) == "TRUE" ? "1" : "0";
        else
            appendEscaped(out, table.text(c.str), false);
        out += "</v>";
    }
    out += "</c>";
}

// <c r="A1" s="1" t="s"><v>0</v></c>
void writeCell(std::string& out, const char* rowDigits, size_t rowLen, const Cell& c, const StringOrder& strings)
{
    char col[4];
    out += "<c r=\"";
    out.append(col, size_t(columnLetters(c.col, col)));
    out.append(rowDigits, rowLen);
    out += '"';
    if (c.style) {
        out += " s=\"";
        appendInt(out, c.style);
        out += '"';
    }
    if (c.formula != kNoString) {
        writeFormulaCell(out, c, *strings.table);
        return;
    }
    if (c.str == kNoString) {
        out += "/>";
        return;
    }
    if (c.kind == CellKind::Number) {
        out += "><v>";
        out += strings.table->text(c.str);
        out += "</v></c>";
        return;
    }
    if (c.kind == CellKind::Bool) {
        out += strings.table->text(c.str) == "TRUE" ? " t=\"b\"><v>1</v></c>" : " t=\"b\"><v>0</v></c>";
        return;
    }
    if (c.kind == CellKind::Error) {
        out += " t=\"e\"><v>";
        appendEscaped(out, strings.table->text(c.str), false);
        out += "</v></c>";
        return;
    }
    out += " t=\"s\"><v>";
    appendInt(out, strings.index[c.str]);
    out += "</v></c>";
}

// The letters of every column, computed once.
class ColumnLetters {
public:
    ColumnLetters()
    {
        for (int c = 1; c <= kMaxCols; ++c)
            length_[size_t(c)] = char(columnLetters(c, letters_[size_t(c)].data()));
    }
    char* put(char* p, int col) const
    {
        std::memcpy(p, letters_[size_t(col)].data(), 3);
        return p + length_[size_t(col)];
    }

private:
    std::array<std::array<char, 3>, kMaxCols + 1> letters_{};
    std::array<char, kMaxCols + 1> length_{};
};

const ColumnLetters& columnTable()
{
    static const ColumnLetters table;
    return table;
}

template <size_t N> char* put(char* p, const char (&text)[N])
{
    std::memcpy(p, text, N - 1);
    return p + N - 1;
}

char* put(char* p, std::string_view text)
{
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

// Room a cell of the common kinds needs in a row's buffer, value text excluded.
constexpr size_t kCellRoom = 64;
constexpr size_t kLongestQuickNumber = 32;

// Cells the row buffer writes: plain values other than errors, short numbers.
bool isQuick(const Cell& c, const StringTable& table)
{
    return c.formula == kNoString && c.kind != CellKind::Error
        && (c.kind != CellKind::Number || c.str == kNoString || table.text(c.str).size() <= kLongestQuickNumber);
}

// The same XML as writeCell, through a pointer into a buffer with room for it.
char* putCell(char* p, std::string_view rowDigits, const Cell& c, const StringOrder& strings)
{
    static const ColumnLetters& letters = columnTable();
    p = put(p, "<c r=\"");
    p = letters.put(p, c.col);
    p = put(p, rowDigits);
    *p++ = '"';
    if (c.style) {
        p = put(p, " s=\"");
        p = std::to_chars(p, p + 10, c.style).ptr;
        *p++ = '"';
    }
    if (c.str == kNoString)
        return put(p, "/>");
    const std::string& text = strings.table->text(c.str);
    switch (c.kind) {
    case CellKind::Number:
        p = put(p, "><v>");
        p = put(p, text);
        return put(p, "</v></c>");
    case CellKind::Bool:
        return text == "TRUE" ? put(p, " t=\"b\"><v>1</v></c>") : put(p, " t=\"b\"><v>0</v></c>");
    default:
        p = put(p, " t=\"s\"><v>");
        p = std::to_chars(p, p + 10, strings.index[c.str]).ptr;
        return put(p, "</v></c>");
    }
}

// <row r=".." ht=".." customHeight="1" hidden="1">; the cells gather in a buffer on the stack
// and go into the part a buffer at a time.
void writeRow(std::string& out, int r, const Row& row, const StringOrder& strings)
{
    char digits[12];
    const size_t len = size_t(std::to_chars(digits, digits + sizeof digits, r).ptr - digits);
    out += "<row r=\"";
    out.append(digits, len);
    out += '"';
    if (row.customHeight || row.fittedHeight) {
        out += " ht=\"";
        appendDouble(out, row.height);
        out += row.customHeight ? "\" customHeight=\"1\"" : "\"";
    }
    if (row.hidden)
        out += " hidden=\"1\"";
    out += '>';
    char buffer[8192];
    char* p = buffer;
    for (const Cell& c : row.cells) {
        if (!written(c))
            continue;
        if (size_t(buffer + sizeof buffer - p) < kCellRoom + kLongestQuickNumber) {
            out.append(buffer, size_t(p - buffer));
            p = buffer;
        }
        if (isQuick(c, *strings.table)) {
            p = putCell(p, std::string_view(digits, len), c, strings);
            continue;
        }
        out.append(buffer, size_t(p - buffer));
        p = buffer;
        writeCell(out, digits, len, c, strings);
    }
    out.append(buffer, size_t(p - buffer));
    out += "</row>";
}

// <sheetData>
void writeSheetData(XmlWriter& w, const SheetData& data, const StringOrder& strings)
{
    std::string& out = w.buffer();
    out += "<sheetData>";
    data.rows.forEach([&](int r, const Row& row) {
        if (written(row))
            writeRow(out, r, row, strings);
    });
    out += "</sheetData>";
}

// <mergeCells count=".."><mergeCell ref=".."/></mergeCells>, top to bottom.
void writeMergeCells(XmlWriter& w, std::vector<Rect> merges)
{
    if (merges.empty())
        return;
    std::sort(merges.begin(), merges.end(),
              [](const Rect& a, const Rect& b) { return a.r1 != b.r1 ? a.r1 < b.r1 : a.c1 < b.c1; });
    w.open("mergeCells");
    w.attr("count", int64_t(merges.size()));
    w.close();
    const ColumnLetters& letters = columnTable();
    for (const Rect& m : merges) {
        char ref[48];
        char* p = put(ref, "<mergeCell ref=\"");
        p = letters.put(p, m.c1);
        p = std::to_chars(p, p + 8, m.r1).ptr;
        if (!m.isSingleCell()) {
            *p++ = ':';
            p = letters.put(p, m.c2);
            p = std::to_chars(p, p + 8, m.r2).ptr;
        }
        p = put(p, "\"/>");
        w.raw(std::string_view(ref, size_t(p - ref)));
    }
    w.end("mergeCells");
}

// <printOptions horizontalCentered="1" verticalCentered="1"/>
void writePrintOptions(XmlWriter& w, const PageSetupData& p)
{
    if (!p.centerHorizontally && !p.centerVertically && !p.printGridLines && !p.printHeadings)
        return;
    w.open("printOptions");
    if (p.centerHorizontally)
        w.attr("horizontalCentered", 1);
    if (p.centerVertically)
        w.attr("verticalCentered", 1);
    if (p.printHeadings)
        w.attr("headings", 1);
    if (p.printGridLines)
        w.attr("gridLines", 1);
    w.endEmpty();
}

// <headerFooter differentOddEven differentFirst scaleWithDoc alignWithMargins> with the texts
// in the schema's order, the flags only where they are not the defaults.
void writeHeaderFooter(XmlWriter& w, const PageSetupData& p)
{
    const std::pair<const char*, const std::string*> texts[] = {
        {"oddHeader", &p.oddHeader},   {"oddFooter", &p.oddFooter},     {"evenHeader", &p.evenHeader},
        {"evenFooter", &p.evenFooter}, {"firstHeader", &p.firstHeader}, {"firstFooter", &p.firstFooter},
    };
    const bool flags = p.differentOddEven || p.differentFirst || !p.scaleWithDoc || !p.alignWithMargins;
    if (!flags && std::all_of(std::begin(texts), std::end(texts), [](const auto& t) { return t.second->empty(); }))
        return;
    w.open("headerFooter");
    if (p.differentOddEven)
        w.attr("differentOddEven", 1);
    if (p.differentFirst)
        w.attr("differentFirst", 1);
    if (!p.scaleWithDoc)
        w.attr("scaleWithDoc", 0);
    if (!p.alignWithMargins)
        w.attr("alignWithMargins", 0);
    w.close();
    for (const auto& [tag, text] : texts) {
        if (text->empty())
            continue;
        w.open(tag);
        w.close();
        w.text(*text);
        w.end(tag);
    }
    w.end("headerFooter");
}

// <pageMargins left right top bottom header footer/> in inches.
void writePageMargins(XmlWriter& w, const PageSetupData& p)
{
    w.open("pageMargins");
    w.attrDouble("left", p.left);
    w.attrDouble("right", p.right);
    w.attrDouble("top", p.top);
    w.attrDouble("bottom", p.bottom);
    w.attrDouble("header", p.header);
    w.attrDouble("footer", p.footer);
    w.endEmpty();
}

// <pageSetup paperSize scale orientation/>
void writePageSetup(XmlWriter& w, const PageSetupData& p)
{
    if (!p.paperSize && !p.scale && !p.orientation && !p.fitToPage && !p.firstPageNumber)
        return;
    w.open("pageSetup");
    if (p.paperSize)
        w.attr("paperSize", p.paperSize);
    if (p.scale)
        w.attr("scale", p.scale);
    if (p.firstPageNumber)
        w.attr("firstPageNumber", p.firstPageNumber);
    if (p.fitToPage && p.fitToWidth != 1)
        w.attr("fitToWidth", p.fitToWidth);
    if (p.fitToPage && p.fitToHeight != 1)
        w.attr("fitToHeight", p.fitToHeight);
    if (p.orientation)
        w.attr("orientation", p.orientation == 2 ? "landscape" : "portrait");
    if (p.firstPageNumber)
        w.attr("useFirstPageNumber", 1);
    w.endEmpty();
}

// <rowBreaks count manualBreakCount><brk id max man/></rowBreaks>, and <colBreaks>.
void writeBreaks(XmlWriter& w, const char* tag, const std::vector<int>& breaks, int max)
{
    if (breaks.empty())
        return;
    w.open(tag);
    w.attr("count", int64_t(breaks.size()));
    w.attr("manualBreakCount", int64_t(breaks.size()));
    w.close();
    for (int id : breaks) {
        w.open("brk");
        w.attr("id", id);
        w.attr("max", max);
        w.attr("man", 1);
        w.endEmpty();
    }
    w.end(tag);
}

} // namespace

void writeWorksheetPart(std::string& out, const Worksheet& sheet, bool selected, const StringOrder& strings)
{
    const SheetData& data = sheet.data();
    XmlWriter w(out);
    w.declaration();
    w.open("worksheet");
    w.attr("xmlns", ns::main);
    w.attr("xmlns:r", ns::rel);
    w.close();
    writeSheetPr(w, data);
    writeDimension(w, data);
    writeSheetViews(w, selected, data.view);
    writeSheetFormat(w, data.format);
    writeCols(w, data.cols);
    writeSheetData(w, data, strings);
    w.raw(data.extras.afterData);
    writeMergeCells(w, data.merges.list());
    w.raw(data.extras.afterMerges);
    writePrintOptions(w, data.page);
    writePageMargins(w, data.page);
    writePageSetup(w, data.page);
    writeHeaderFooter(w, data.page);
    writeBreaks(w, "rowBreaks", data.rowBreaks, kMaxCols - 1);
    writeBreaks(w, "colBreaks", data.colBreaks, kMaxRows - 1);
    w.raw(data.extras.tail);
    w.end("worksheet");
}

} // namespace mirevo::sheet
