// xl/sharedStrings.xml
#include "PartWriters.h"
#include "StringTable.h"
#include "Workbook.h"
#include "XmlWriter.h"

namespace mirevo::sheet {

namespace {

bool needsPreserve(const std::string& s)
{
    if (s.empty())
        return false;
    auto ws = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    return ws(s.front()) || ws(s.back()) || s.find('\n') != std::string::npos;
}

// <si><t>..</t></si>
void writeSi(XmlWriter& w, const std::string& text)
{
    w.raw(needsPreserve(text) ? "<si><t xml:space=\"preserve\">" : "<si><t>");
    w.text(text);
    w.raw("</t></si>");
}

} // namespace

StringOrder orderStrings(const Workbook& book)
{
    StringOrder order;
    order.table = &book.tables().strings;
    order.index.assign(book.tables().strings.size(), kNoString);
    for (const auto& sheet : book.sheets())
        sheet->data().rows.forEach([&](int, const Row& row) {
            for (const Cell& cell : row.cells)
                if (cell.kind == CellKind::Text && cell.str != kNoString && cell.formula == kNoString
                    && order.index[cell.str] == kNoString) {
                    order.index[cell.str] = uint32_t(order.order.size());
                    order.order.push_back(cell.str);
                }
        });
    return order;
}

void writeSharedStringsPart(std::string& out, const StringTable& strings, const StringOrder& order)
{
    XmlWriter w(out);
    w.declaration();
    w.open("sst");
    w.attr("xmlns", ns::main);
    w.attr("uniqueCount", int64_t(order.order.size()));
    w.close();
    for (uint32_t id : order.order) {
        if (const std::string* rich = strings.richXml(id)) {
            w.raw("<si>");
            w.raw(*rich);
            w.raw("</si>");
        } else {
            writeSi(w, strings.text(id));
        }
    }
    w.end("sst");
}

} // namespace mirevo::sheet
