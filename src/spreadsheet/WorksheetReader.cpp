// xl/worksheets/sheetN.xml: cells, columns, rows, merges, margins, page set-up and breaks.
#include "CellRef.h"
#include "RawXml.h"
#include "ReaderCommon.h"
#include "SheetData.h"
#include "SheetError.h"
#include "XmlWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>

namespace mirevo::sheet {

namespace {

struct SharedFormula {
    std::string text;
    CellPos at;
};

struct Indices {
    const std::vector<uint32_t>& styles;
    const std::vector<uint32_t>& strings;
    StringTable& table;
    long& cellsLeft;
    std::map<long, SharedFormula> shared = {}; // si -> the formula of its first cell
};

[[noreturn]] void tooManyCells(const PartContext& ctx)
{
    ctx.fail("セルと行の数がブックの上限を超えています");
}

void spend(long& cellsLeft, const PartContext& ctx)
{
    if (--cellsLeft < 0)
        tooManyCells(ctx);
}

bool isNameChar(char ch)
{
    static const auto table = [] {
        std::array<bool, 256> t{};
        for (int c = 0; c < 256; ++c)
            t[size_t(c)] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':'
                || c == '_' || c == '-' || c == '.';
        return t;
    }();
    return table[uint8_t(ch)];
}

uint32_t lookup(const std::vector<uint32_t>& map, long index, const char* what, const CellPos& at,
                const PartContext& ctx)
{
    if (index < 0 || size_t(index) >= map.size())
        ctx.fail(cellName(at.row, at.col) + ": " + what + " の番号が範囲外です: " + std::to_string(index));
    return map[size_t(index)];
}

// Value text of a cell by its type; kNoString when it has none.
uint32_t internChecked(StringTable& table, std::string_view text, const CellPos& at, const PartContext& ctx)
{
    if (text.empty())
        return kNoString;
    if (!isUtf8(text))
        ctx.fail(cellName(at.row, at.col) + ": 文字コードが正しくありません (UTF-8 ではありません)");
    return table.intern(text);
}

// A finite number as the file writes it ("1.5E-3", "-0", "45383").
bool isNumber(std::string_view text)
{
    double value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && res.ec == std::errc() && res.ptr == text.data() + text.size() && std::isfinite(value);
}

// A <c> element's attributes and children, found in one pass over each.
struct CellNode {
    pugi::xml_attribute ref, style;
    std::string_view type;
    pugi::xml_node v, f, is;
};

CellNode cellNode(const pugi::xml_node& c)
{
    CellNode n;
    bool typed = false;
    for (pugi::xml_attribute a = c.first_attribute(); a; a = a.next_attribute()) {
        const char* name = a.name();
        if (name[0] == 0 || name[1] != 0)
            continue;
        if (name[0] == 'r' && !n.ref)
            n.ref = a;
        else if (name[0] == 's' && !n.style)
            n.style = a;
        else if (name[0] == 't' && !typed) {
            n.type = a.value();
            typed = true;
        }
    }
    for (pugi::xml_node k = c.first_child(); k; k = k.next_sibling()) {
        const std::string_view name = localName(k);
        if (name == "v" && !n.v)
            n.v = k;
        else if (name == "f" && !n.f)
            n.f = k;
        else if (name == "is" && !n.is)
            n.is = k;
    }
    return n;
}

CellKind cellKind(const CellNode& c)
{
    if (c.type == "b")
        return CellKind::Bool;
    if (c.type == "e")
        return CellKind::Error;
    if ((c.type.empty() || c.type == "n") && isNumber(c.v.text().get()))
        return CellKind::Number;
    return CellKind::Text;
}

uint32_t cellString(const CellNode& c, const Indices& ix, const CellPos& at, const PartContext& ctx)
{
    const std::string_view type = c.type;
    if (type == "inlineStr")
        return c.is ? internItem(c.is, ix.table, ctx, cellName(at.row, at.col)) : kNoString;
    if (!c.v)
        return kNoString;
    const std::string_view text = c.v.text().get();
    if (type == "s" && text.empty())
        return kNoString; // an empty <v/>: an empty cell
    if (type == "str" && text.empty())
        return ix.table.intern("");
    if (type == "s") {
        long index = -1;
        const auto res = std::from_chars(text.data(), text.data() + text.size(), index);
        if (res.ec != std::errc() || res.ptr != text.data() + text.size())
            ctx.fail(cellName(at.row, at.col) + ": 共有文字列の番号が正しくありません: \"" + std::string(text) + "\"");
        return lookup(ix.strings, index, "共有文字列", at, ctx);
    }
    if (type == "b")
        return ix.table.intern(text == "1" ? "TRUE" : "FALSE");
    if (type == "str")
        return internChecked(ix.table, decodeText(text), at, ctx);
    return internChecked(ix.table, text, at, ctx);
}

CellPos cellPosition(const pugi::xml_attribute& ref, int row, int nextCol, const PartContext& ctx)
{
    if (!ref)
        return {row, nextCol};
    CellPos pos;
    try {
        pos = parseCell(ref.value());
    } catch (const SheetError& e) {
        ctx.fail(e.what());
    }
    if (pos.row != row)
        ctx.fail(std::string("セル ") + ref.value() + " が行 " + std::to_string(row) + " の中にあります");
    return pos;
}

// The <f> element as written back; a shared formula's other cells get the first cell's
// formula moved to them.
uint32_t cellFormula(const pugi::xml_node& f, Indices& ix, const CellPos& at, const PartContext& ctx)
{
    if (!f)
        return kNoString;
    std::string text = f.text().get();
    std::string attrs;
    if (std::string_view(f.attribute("t").value()) == "shared") {
        const long si = intAttr(f, "si", -1, ctx);
        if (!text.empty()) {
            ix.shared[si] = SharedFormula{text, at};
        } else {
            const auto master = ix.shared.find(si);
            if (master == ix.shared.end())
                return kNoString; // no formula to share: the value stays
            text = shiftFormula(master->second.text, at.row - master->second.at.row, at.col - master->second.at.col);
        }
    } else {
        for (pugi::xml_attribute a : f.attributes()) {
            attrs += ' ' + std::string(a.name()) + "=\"";
            appendEscaped(attrs, a.value(), true);
            attrs += '"';
        }
    }
    if (!isUtf8(text) || !isUtf8(attrs))
        ctx.fail(cellName(at.row, at.col) + ": 数式の文字コードが正しくありません");
    std::string xml = "<f" + attrs + '>';
    appendEscaped(xml, text, false);
    xml += "</f>";
    return ix.table.intern(xml);
}

// The row's cell of column c, added at the end when the file gives the cells in order.
Cell& cellOf(Row& row, SheetData& data, int r, int c)
{
    if (row.cells.empty() || row.cells.back().col < c)
        return row.cells.emplace_back(Cell{uint16_t(c), CellKind::Text, kNoString, 0});
    return data.cell(r, c);
}

void readRow(const pugi::xml_node& rowNode, int r, SheetData& data, Indices& ix, const PartContext& ctx)
{
    Row& row = data.row(r);
    if (rowNode.attribute("ht")) {
        const double ht = rangedAttr(rowNode, "ht", -1, 0, 409, ctx);
        row.height = ht < 0 ? 0 : ht;
        row.customHeight = ht >= 0 && boolAttr(rowNode, "customHeight", false);
        row.fittedHeight = ht >= 0 && !row.customHeight;
    }
    row.hidden = boolAttr(rowNode, "hidden", false);
    size_t count = 0;
    for (pugi::xml_node c = rowNode.first_child(); c; c = c.next_sibling())
        ++count;
    row.cells.reserve(row.cells.size() + count);
    int nextCol = 1;
    for (pugi::xml_node c = rowNode.first_child(); c; c = c.next_sibling()) {
        if (localName(c) != "c")
            continue;
        const CellNode node = cellNode(c);
        const CellPos at = cellPosition(node.ref, r, nextCol, ctx);
        if (at.col > kMaxCols)
            ctx.fail("列番号が範囲外です");
        nextCol = at.col + 1;
        spend(ix.cellsLeft, ctx);
        Cell& cell = cellOf(row, data, r, at.col);
        cell.style = lookup(ix.styles, intValue(node.style, 0, ctx), "書式", at, ctx);
        cell.str = cellString(node, ix, at, ctx);
        cell.kind = cell.str == kNoString ? CellKind::Text : cellKind(node);
        cell.formula = cellFormula(node.f, ix, at, ctx);
    }
}

void readSheetData(const pugi::xml_node& sheetData, SheetData& data, Indices& ix, const PartContext& ctx)
{
    int r = 0;
    for (pugi::xml_node row = sheetData.first_child(); row; row = row.next_sibling()) {
        if (localName(row) != "row")
            continue;
        const long number = intAttr(row, "r", long(r) + 1, ctx);
        if (number < 1 || number > kMaxRows)
            ctx.fail("行番号が範囲外です: " + std::to_string(number));
        r = int(number);
        spend(ix.cellsLeft, ctx);
        readRow(row, r, data, ix, ctx);
    }
}

void readCols(const pugi::xml_node& cols, SheetData& data, const PartContext& ctx)
{
    for (pugi::xml_node col : cols.children()) {
        if (localName(col) != "col" || (!col.attribute("width") && !boolAttr(col, "hidden", false)))
            continue;
        const long first = intAttr(col, "min", 1, ctx);
        const long last = std::min<long>(intAttr(col, "max", first, ctx), kMaxCols);
        if (first < 1 || first > last)
            ctx.fail("列の範囲が正しくありません: " + std::to_string(first) + "-" + std::to_string(last));
        const bool hidden = boolAttr(col, "hidden", false);
        const double width = rangedAttr(col, "width", -1, 0, 255, ctx);
        if (width < 0 && !hidden)
            continue; // a width no spreadsheet can show is ignored
        data.setColumnWidth(int(first), int(last), width < 0 ? 0 : width, hidden);
    }
}

void readMerges(const pugi::xml_node& merges, SheetData& data, const PartContext& ctx)
{
    for (pugi::xml_node m : merges.children()) {
        if (localName(m) != "mergeCell")
            continue;
        try {
            data.merge(parseRect(m.attribute("ref").value()), true);
        } catch (const SheetError& e) {
            ctx.fail(e.what());
        }
    }
}

void readHeaderFooter(const pugi::xml_node& node, PageSetupData& p, const PartContext& ctx)
{
    const std::pair<const char*, std::string*> texts[] = {
        {"oddHeader", &p.oddHeader},   {"oddFooter", &p.oddFooter},     {"evenHeader", &p.evenHeader},
        {"evenFooter", &p.evenFooter}, {"firstHeader", &p.firstHeader}, {"firstFooter", &p.firstFooter},
    };
    for (const auto& [tag, text] : texts) {
        *text = decodeText(child(node, tag).text().get());
        if (!isUtf8(*text))
            ctx.fail("ヘッダー・フッターの文字コードが正しくありません");
    }
    p.differentOddEven = boolAttr(node, "differentOddEven", false);
    p.differentFirst = boolAttr(node, "differentFirst", false);
    p.scaleWithDoc = boolAttr(node, "scaleWithDoc", true);
    p.alignWithMargins = boolAttr(node, "alignWithMargins", true);
}

void readPage(const pugi::xml_node& root, SheetData& data, const PartContext& ctx)
{
    PageSetupData& p = data.page;
    const pugi::xml_node margins = child(root, "pageMargins");
    p.left = rangedAttr(margins, "left", p.left, 0, 49, ctx);
    p.right = rangedAttr(margins, "right", p.right, 0, 49, ctx);
    p.top = rangedAttr(margins, "top", p.top, 0, 49, ctx);
    p.bottom = rangedAttr(margins, "bottom", p.bottom, 0, 49, ctx);
    p.header = rangedAttr(margins, "header", p.header, 0, 49, ctx);
    p.footer = rangedAttr(margins, "footer", p.footer, 0, 49, ctx);
    const pugi::xml_node setup = child(root, "pageSetup");
    const long paper = intAttr(setup, "paperSize", 0, ctx); // codes past 118: the printer's own sizes
    p.paperSize = paper > 0 && paper <= 32767 ? int(paper) : 0;
    if (boolAttr(setup, "useFirstPageNumber", false))
        p.firstPageNumber = int(std::clamp<long>(intAttr(setup, "firstPageNumber", 1, ctx), -32768, 32767));
    p.scale = int(std::clamp<long>(intAttr(setup, "scale", 0, ctx), 0, 400));
    const std::string_view orientation = setup.attribute("orientation").value();
    p.orientation = orientation == "landscape" ? 2 : orientation == "portrait" ? 1 : 0;
    p.fitToPage = boolAttr(child(child(root, "sheetPr"), "pageSetUpPr"), "fitToPage", false);
    p.fitToWidth = int(std::clamp<long>(intAttr(setup, "fitToWidth", 1, ctx), 0, 32767));
    p.fitToHeight = int(std::clamp<long>(intAttr(setup, "fitToHeight", 1, ctx), 0, 32767));
    const pugi::xml_node print = child(root, "printOptions");
    p.centerHorizontally = boolAttr(print, "horizontalCentered", false);
    p.centerVertically = boolAttr(print, "verticalCentered", false);
    p.printGridLines = boolAttr(print, "gridLines", false);
    p.printHeadings = boolAttr(print, "headings", false);
    readHeaderFooter(child(root, "headerFooter"), p, ctx);
}

void readBreaks(const pugi::xml_node& breaks, SheetData& data, const PartContext& ctx)
{
    for (pugi::xml_node brk : breaks.children()) {
        if (localName(brk) != "brk")
            continue;
        const long id = intAttr(brk, "id", 0, ctx);
        if (id >= 1 && id < kMaxRows)
            data.addRowBreak(int(id));
    }
}

void readColBreaks(const pugi::xml_node& breaks, SheetData& data, const PartContext& ctx)
{
    for (pugi::xml_node brk : breaks.children()) {
        const long id = localName(brk) == "brk" ? intAttr(brk, "id", 0, ctx) : 0;
        if (id >= 1 && id < kMaxCols
            && std::find(data.colBreaks.begin(), data.colBreaks.end(), id) == data.colBreaks.end())
            data.colBreaks.push_back(int(id));
    }
    std::sort(data.colBreaks.begin(), data.colBreaks.end());
}

void readFormat(const pugi::xml_node& node, SheetFormat& f, const PartContext& ctx)
{
    f.defaultRowHeight = rangedAttr(node, "defaultRowHeight", f.defaultRowHeight, 0, 409, ctx);
    f.customHeight = boolAttr(node, "customHeight", false);
    f.zeroHeight = boolAttr(node, "zeroHeight", false);
    f.defaultColWidth = rangedAttr(node, "defaultColWidth", 0, 0, 255, ctx);
    f.baseColWidth = int(std::clamp<long>(intAttr(node, "baseColWidth", 0, ctx), 0, 255));
}

// The first <sheetView> as read, without what the engine writes itself.
void readView(const pugi::xml_node& views, SheetData& data)
{
    const pugi::xml_node view = child(views, "sheetView");
    if (!view)
        return;
    std::string xml = outerXml(view);
    const size_t open = xml.find('>');
    const bool empty = xml[open - 1] == '/';
    const size_t start = std::strlen("<sheetView");
    std::string attrs = xml.substr(start, open - start - (empty ? 1 : 0));
    for (const char* drop : {" tabSelected=\"", " workbookViewId=\""}) {
        const size_t at = attrs.find(drop);
        if (at != std::string::npos)
            attrs.erase(at, attrs.find('"', at + std::strlen(drop)) + 1 - at);
    }
    data.view.attributes = attrs;
    if (!empty)
        data.view.children = xml.substr(open + 1, xml.size() - open - 1 - std::strlen("</sheetView>"));
}

// Elements kept as read, by their place in the part. extLst keeps the extensions of
// conditional formats and input rules only.
void readExtras(const pugi::xml_node& root, SheetData& data)
{
    static const char* const afterData[] = {"sheetCalcPr", "sheetProtection", "protectedRanges", "scenarios",
                                            "autoFilter",  "sortState",       "dataConsolidate"};
    static const char* const afterMerges[] = {"phoneticPr", "conditionalFormatting", "dataValidations", "hyperlinks"};
    static const char* const tail[]
        = {"cellWatches", "ignoredErrors", "drawing", "legacyDrawing", "legacyDrawingHF", "drawingHF", "picture"};
    auto in = [](std::string_view name, const auto& list) {
        return std::any_of(std::begin(list), std::end(list), [&](const char* n) { return name == n; });
    };
    SheetExtras& x = data.extras;
    for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling()) {
        const std::string_view name = localName(c);
        if (in(name, afterData))
            x.afterData += outerXml(c);
        else if (in(name, afterMerges))
            x.afterMerges += outerXml(c);
        else if (in(name, tail))
            x.tail += outerXml(c);
        else if (name == "extLst")
            for (pugi::xml_node ext : c.children()) {
                const std::string_view uri = ext.attribute("uri").value();
                if (uri == "{78C0D931-6437-407d-A8EE-F0AAD7539E65}" || uri == "{CCE6A557-97BC-4b89-ADB6-D9C93CAAB3DF}")
                    x.tail += "<extLst>" + outerXml(ext) + "</extLst>";
            }
    }
    // Several kept extensions go into one extLst.
    for (size_t at; (at = x.tail.find("</extLst><extLst>")) != std::string::npos;)
        x.tail.erase(at, std::strlen("</extLst><extLst>"));
}

} // namespace

void CellCounter::feed(std::string_view chunk)
{
    size_t i = 0;
    while (i < chunk.size()) {
        if (!inName_) {
            const size_t open = chunk.find('<', i);
            if (open == std::string_view::npos)
                break;
            inName_ = true;
            nameLength_ = 0;
            long_ = false;
            i = open + 1;
            continue;
        }
        const char ch = chunk[i++];
        if (ch == ':') { // the local name starts again after a prefix
            nameLength_ = 0;
            long_ = false;
        } else if (isNameChar(ch)) {
            if (nameLength_ < 3)
                name_[nameLength_++] = ch;
            else
                long_ = true; // longer than "row"
        }
        if (isNameChar(ch))
            continue;
        inName_ = false;
        endName();
        if (ch == '<')
            --i; // starts the next name
    }
    if (unspent_ && budget_.fetch_sub(unspent_, std::memory_order_relaxed) < unspent_)
        tooManyCells(ctx_);
    unspent_ = 0;
}

void CellCounter::endName()
{
    const std::string_view name(name_, size_t(nameLength_));
    if (long_ || (name != "c" && name != "row"))
        return;
    ++count_;
    if (++unspent_ > budget_.load(std::memory_order_relaxed))
        tooManyCells(ctx_);
}

void readWorksheetPart(const pugi::xml_node& root, SheetData& data, const std::vector<uint32_t>& styles,
                       const std::vector<uint32_t>& strings, StringTable& table, long& cellsLeft,
                       const PartContext& ctx)
{
    if (localName(root) != "worksheet")
        ctx.fail("worksheet 要素がありません");
    readCols(child(root, "cols"), data, ctx);
    Indices ix{styles, strings, table, cellsLeft};
    readSheetData(child(root, "sheetData"), data, ix, ctx);
    readMerges(child(root, "mergeCells"), data, ctx);
    readPage(root, data, ctx);
    readBreaks(child(root, "rowBreaks"), data, ctx);
    readColBreaks(child(root, "colBreaks"), data, ctx);
    readFormat(child(root, "sheetFormatPr"), data.format, ctx);
    readView(child(root, "sheetViews"), data);
    if (const pugi::xml_node tab = child(child(root, "sheetPr"), "tabColor"))
        data.tabColor = outerXml(tab);
    readExtras(root, data);
}

} // namespace mirevo::sheet
