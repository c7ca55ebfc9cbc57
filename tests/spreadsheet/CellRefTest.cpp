#include "spreadsheet/CellRef.h"
#include "spreadsheet/SheetError.h"

#include <gtest/gtest.h>

using namespace mirevo::sheet;

TEST(CellRef, ParsesReferencesTheGeneratorBuilds)
{
    struct Case {
        const char* ref;
        Rect rect;
    };
    const Case cases[] = {
        {"B5", {5, 2, 5, 2}},
        {"A1:Y100", {1, 1, 100, 25}},
        {"BU93", {93, 73, 93, 73}},
        {"C3:A1", {1, 1, 3, 3}}, // corners in any order
        {"$A$1:$B$2", {1, 1, 2, 2}},
        {"xfd1048576", {1048576, 16384, 1048576, 16384}},
        {"AA10:AZ11", {10, 27, 11, 52}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseRect(c.ref), c.rect) << c.ref;
}

TEST(CellRef, RefusesMalformedReferencesNamingThem)
{
    for (const char* bad : {"", "A", "1", "A0", "XFE1", "A1048577", "A1:", ":B2", "A1:B2:C3", "A 1", "Ａ1", "A1B"}) {
        try {
            parseRect(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const SheetError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("\"") + bad + "\""), std::string::npos) << e.what();
        }
    }
}

TEST(CellRef, SpanOfTwoReferencesCoversBoth)
{
    EXPECT_EQ(spanRect("A14", "A106"), (Rect{14, 1, 106, 1}));
    EXPECT_EQ(spanRect("C5:D6", "A1"), (Rect{1, 1, 6, 4}));
}

TEST(CellRef, ColumnNamesRoundTrip)
{
    for (int col : {1, 26, 27, 52, 53, 702, 703, 16384})
        EXPECT_EQ(parseCell(columnName(col) + "1").col, col);
    EXPECT_EQ(columnName(73), "BU");
    EXPECT_EQ(rectName(Rect{1, 1, 100, 25}), "A1:Y100");
}
