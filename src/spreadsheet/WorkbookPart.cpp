// xl/workbook.xml
#include "PartWriters.h"
#include "Workbook.h"
#include "XmlWriter.h"

namespace mirevo::sheet {

namespace {

// <bookViews><workbookView activeTab=".."/></bookViews>
void writeBookViews(XmlWriter& w, int activeTab)
{
    w.raw("<bookViews>");
    w.open("workbookView");
    if (activeTab > 0)
        w.attr("activeTab", activeTab);
    w.endEmpty();
    w.raw("</bookViews>");
}

// <sheets><sheet name=".." sheetId=".." r:id=".."/>...</sheets>
void writeSheets(XmlWriter& w, const Workbook& book)
{
    w.raw("<sheets>");
    int id = 0;
    for (const auto& sheet : book.sheets()) {
        ++id;
        w.open("sheet");
        w.attr("name", sheet->Name());
        w.attr("sheetId", id);
        if (sheet->Visible() != xlSheetVisible)
            w.attr("state", sheet->Visible() == xlSheetVeryHidden ? "veryHidden" : "hidden");
        w.attr("r:id", "rId" + std::to_string(id));
        w.endEmpty();
    }
    w.raw("</sheets>");
}

// <definedNames><definedName name=".." localSheetId="..">formula</definedName></definedNames>
void writeDefinedNames(XmlWriter& w, const Workbook& book)
{
    bool opened = false;
    for (const DefinedName& n : book.definedNames()) {
        if (n.sheet && (n.sheet->isDeleted() || &n.sheet->Parent() != &book))
            continue;
        if (!opened)
            w.raw("<definedNames>");
        opened = true;
        w.open("definedName");
        w.attr("name", n.name);
        if (n.sheet)
            w.attr("localSheetId", book.positionOf(*n.sheet));
        if (n.hidden)
            w.attr("hidden", 1);
        w.close();
        w.text(n.formula);
        w.end("definedName");
    }
    if (opened)
        w.raw("</definedNames>");
}

bool hasFormulas(const Workbook& book)
{
    for (const auto& sheet : book.sheets()) {
        bool found = false;
        sheet->data().rows.forEach([&](int, const Row& row) {
            for (const Cell& c : row.cells)
                found = found || c.formula != kNoString;
        });
        if (found)
            return true;
    }
    return false;
}

} // namespace

void writeWorkbookPart(std::string& out, const Workbook& book)
{
    XmlWriter w(out);
    w.declaration();
    w.open("workbook");
    w.attr("xmlns", ns::main);
    w.attr("xmlns:r", ns::rel);
    w.close();
    if (book.date1904())
        w.raw("<workbookPr date1904=\"1\"/>");
    else
        w.emptyElement("workbookPr");
    writeBookViews(w, book.activeIndex());
    writeSheets(w, book);
    writeDefinedNames(w, book);
    // Formulas are written with the values they last gave; the spreadsheet recalculates.
    if (hasFormulas(book))
        w.raw("<calcPr fullCalcOnLoad=\"1\"/>");
    w.end("workbook");
}

} // namespace mirevo::sheet
