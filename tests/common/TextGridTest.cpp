#include "common/TextGrid.h"
#include "common/Error.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace mirevo;

TEST(TextGrid, GrowsShrinksAndRefusesOutOfRange)
{
    TextGrid grid(4, 2);
    EXPECT_THROW(grid.cell(4, 0), Error);
    EXPECT_THROW(grid.setCell(0, 2, "x"), Error);
    grid.ensureRow(5);
    EXPECT_EQ(grid.rowCount(), 6);
    grid.setCell(3, 5, "last");
    grid.setRowCount(3);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_THROW(grid.cell(3, 5), Error);
}

TEST(TextGrid, InsertAndRemoveKeepOtherRows)
{
    TextGrid grid(2, 3);
    grid.setRow(1, {"a", "1"});
    grid.setRow(2, {"b", "2"});
    grid.insertRow(2);
    EXPECT_EQ(grid.row(1), (QStringList{"a", "1"}));
    EXPECT_EQ(grid.row(2), (QStringList{"", ""}));
    EXPECT_EQ(grid.row(3), (QStringList{"b", "2"}));
    grid.removeRow(1);
    EXPECT_EQ(grid.row(2), (QStringList{"b", "2"}));
}

TEST(TextGrid, BlankRules)
{
    EXPECT_TRUE(isBlank(""));
    EXPECT_TRUE(isBlank(" "));
    EXPECT_FALSE(isBlank("  "));
    EXPECT_FALSE(isBlank(QStringLiteral("　")));
    EXPECT_TRUE(isBlankName(QStringLiteral("　")));
    TextGrid grid(2, 2);
    grid.setRow(1, {" ", "  "});
    grid.clearSingleBlanks();
    EXPECT_EQ(grid.row(1), (QStringList{"", "  "}));
}

TEST(TextGrid, ReorderRowsMovesWholeRowsAndRefusesABadOrder)
{
    mirevo::TextGrid g(2, 3);
    g.setRow(0, {"a", "A"});
    g.setRow(1, {"b", "B"});
    g.setRow(2, {"c", "C"});
    g.reorderRows({0, 2, 1});
    EXPECT_EQ(g.row(1), (QStringList{"c", "C"}));
    EXPECT_EQ(g.row(2), (QStringList{"b", "B"}));
    EXPECT_THROW(g.reorderRows({0, 1, 1}), mirevo::Error);
    EXPECT_THROW(g.reorderRows({0, 1}), mirevo::Error);
    EXPECT_EQ(g.row(1), (QStringList{"c", "C"}));
}
