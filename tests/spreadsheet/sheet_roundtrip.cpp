// Loads a workbook with the engine and saves it again: as it is, or (--copy) with every
// sheet copied into a new workbook, the way the document generator uses its templates.
// Prints what the reader said it dropped, one kind a line. Used by roundtrip_corpus.py.
#include "spreadsheet/Spreadsheet.h"

#include <cstdio>
#include <cstring>
#include <exception>

using namespace mirevo::sheet;

int main(int argc, char** argv)
{
    const bool copy = argc == 4 && std::strcmp(argv[1], "--copy") == 0;
    if (argc != 3 && !copy) {
        std::fprintf(stderr, "usage: sheet_roundtrip [--copy] in.xlsx out.xlsx\n");
        return 2;
    }
    try {
        Application app;
        Workbook& in = app.Workbooks().Open(argv[argc - 2]);
        for (const std::string& line : in.droppedOnRead())
            std::printf("dropped: %s\n", line.c_str());
        if (!copy) {
            in.SaveAs(argv[argc - 1]);
            return 0;
        }
        Workbook& out = app.Workbooks().Add();
        out.Sheets(1).setName("mirevo-initial-sheet"); // no file's sheet is called so
        for (int i = 1; i <= in.Sheets().Count(); ++i)
            in.Sheets(i).Copy(After{out.Sheets(out.Sheets().Count())});
        out.Sheets(1).Delete();
        out.SaveAs(argv[argc - 1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
