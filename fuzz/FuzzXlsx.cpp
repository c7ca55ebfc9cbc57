// libFuzzer target: the .xlsx reader. Oracle: whatever loads, saves, and loads again with the
// same sheets, visibility, values, merges and defined names.
#include "spreadsheet/Spreadsheet.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace mirevo::sheet;

namespace {

std::string scratch(const char* name)
{
    return "/tmp/mirevo-fuzz-" + std::to_string(getpid()) + "-" + name;
}

// Everything the oracle compares, as text.
std::string contents(const Workbook& book)
{
    std::string out;
    for (const auto& sheet : book.sheets()) {
        out += "sheet " + sheet->Name() + " " + std::to_string(sheet->Visible()) + "\n";
        sheet->data().rows.forEach([&](int r, const Row& row) {
            for (const Cell& c : row.cells)
                if (c.str != kNoString)
                    out += std::to_string(r) + "," + std::to_string(c.col) + "," + std::to_string(int(c.kind)) + "="
                        + book.tables().strings.text(c.str) + "\n";
        });
        for (const Rect& m : sheet->data().merges.list())
            out += "merge " + rectName(m) + "\n";
    }
    for (const DefinedName& n : book.definedNames())
        out += "name " + n.name + "=" + n.formula + "\n";
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string input = scratch("in.xlsx");
    static const std::string output = scratch("out.xlsx");
    {
        std::ofstream(input, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    Application app;
    std::string first;
    try {
        Workbook& book = app.Workbooks().Open(input);
        first = contents(book);
        book.SaveAs(output);
    } catch (const SheetError&) {
        return 0; // refused with a message: fine
    }
    try {
        Workbook& again = app.Workbooks().Open(output);
        if (contents(again) != first) {
            std::fprintf(stderr, "round trip changed the contents:\n--- first\n%s--- again\n%s", first.c_str(),
                         contents(again).c_str());
            std::abort();
        }
    } catch (const SheetError& e) {
        std::fprintf(stderr, "the engine's own file was refused: %s\n", e.what());
        std::abort();
    }
    return 0;
}
