#include "common/CommaText.h"
#include "common/TextGrid.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace mirevo;

namespace {

struct WriteCase {
    QStringList items;
    const char* line;
};

class CommaTextWrite : public ::testing::TestWithParam<WriteCase> { };

TEST_P(CommaTextWrite, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(writeCommaText(GetParam().items), QString::fromUtf8(GetParam().line));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextWrite,
    ::testing::Values(WriteCase{{"a", "b", "c"}, "a,b,c"}, WriteCase{{"", "x", ""}, ",x,"},
                      WriteCase{{"a b"}, "\"a b\""}, WriteCase{{" "}, "\" \""}, WriteCase{{"1,2"}, "\"1,2\""},
                      WriteCase{{"say \"hi\""}, "\"say \"\"hi\"\"\""}, WriteCase{{"tab\there"}, "\"tab\there\""},
                      WriteCase{{QStringLiteral("　")}, "　"}, WriteCase{{QStringLiteral("〇〇　〇〇")}, "〇〇　〇〇"},
                      WriteCase{{QStringLiteral("        年    月     日")}, "\"        年    月     日\""},
                      WriteCase{{"a\x01"}, "\"a\x01\""}));

struct ReadCase {
    const char* line;
    QStringList items;
};

class CommaTextRead : public ::testing::TestWithParam<ReadCase> { };

TEST_P(CommaTextRead, SplitsAsTheRowReaderDoes)
{
    EXPECT_EQ(readCommaText(QString::fromUtf8(GetParam().line)), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommaTextRead,
    ::testing::Values(ReadCase{"", {}}, ReadCase{"a,b,c", {"a", "b", "c"}}, ReadCase{"a,,c", {"a", "", "c"}},
                      ReadCase{",,", {"", "", ""}}, ReadCase{"a,", {"a", ""}}, ReadCase{"a, ", {"a"}},
                      ReadCase{"  a  ,  b", {"a", "b"}}, ReadCase{"a b,c", {"a", "b", "c"}},
                      ReadCase{"\"a b\",c", {"a b", "c"}}, ReadCase{"\"say \"\"hi\"\"\"", {"say \"hi\""}},
                      ReadCase{"\"1,2\",3", {"1,2", "3"}}, ReadCase{"\"open", {"open"}},
                      ReadCase{"\" \",x", {" ", "x"}}, ReadCase{"　,x", {QStringLiteral("　"), "x"}},
                      ReadCase{"\"        年    月     日\"", {QStringLiteral("        年    月     日")}}));

TEST(CommaText, RoundTripsAwkwardCells)
{
    const QStringList cells{"",
                            " ",
                            ",",
                            "\"",
                            "a\"b,c d",
                            QStringLiteral("　"),
                            QStringLiteral("〇〇〇〇〇株式会社"),
                            QStringLiteral("        年    月     日"),
                            ""};
    EXPECT_EQ(readCommaText(writeCommaText(cells)), cells);
}

TEST(CommaText, FillsGridRowsDroppingSurplusAndEmptyingMissing)
{
    TextGrid grid(3, 2);
    grid.setRow(1, {"x", "y", "z"});
    rowFromCommaText(grid, 1, "a,b,c,d,e");
    EXPECT_EQ(grid.row(1), (QStringList{"a", "b", "c"}));
    rowFromCommaText(grid, 1, "q");
    EXPECT_EQ(grid.row(1), (QStringList{"q", "", ""}));
}

// Found by the comma-text fuzz target: a bare U+0000 ended its item when read back.
TEST(CommaText, AnItemWithUPlus0000SurvivesWritingAndReading)
{
    const QStringList items{QString(QChar(0)) + "x", "y"};
    EXPECT_EQ(readCommaText(writeCommaText(items)), items);
}

TEST(CommaText, CopiedRowsCarryBlanksForEmptyItems)
{
    EXPECT_EQ(withBlankForEmpty({"a", "", "c"}), (QStringList{"a", " ", "c"}));
}

} // namespace
