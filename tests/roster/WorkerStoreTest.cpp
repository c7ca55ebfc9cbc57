#include "roster/WorkerStore.h"
#include "common/Error.h"
#include "roster/WorkerRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::worker;

namespace {

TextGrid listWithReadings(const QStringList& readings, int rows = 6)
{
    TextGrid list(kColumns, rows);
    list.setRow(0, siteHeadings());
    for (int i = 0; i < readings.size(); ++i)
        list.setCell(Reading, i + 1, readings[i]);
    return list;
}

// A full record whose every cell names its column: "c0" … "c41".
QStringList numberedRecord()
{
    QStringList record;
    for (int c = 0; c < kColumns; ++c)
        record << QStringLiteral("c%1").arg(c);
    return record;
}

} // namespace

TEST(WorkerStore, CountAndFreeRows)
{
    // Row 3 lost its reading; row 4 holds only a full-width blank.
    const TextGrid list = listWithReadings(
        {QStringLiteral("あ"), QStringLiteral("い"), QString(), QStringLiteral("　"), QStringLiteral("え")});
    EXPECT_EQ(countWorkers(list), 4); // the full-width blank counts here
    EXPECT_EQ(freeRow(list, 1), 3);
    EXPECT_EQ(freeRow(list, 3), 3);
    // k + 1 = 5 holds a worker: the new one goes past it, to the end.
    EXPECT_EQ(freeRow(list, 5), 6);
    EXPECT_EQ(freeRow(list, 0), 3);
    EXPECT_EQ(freeRow(list, 9), 9);
}

TEST(WorkerStore, EntryOfAStoredWorkerFillsBlankPressureAndCompany)
{
    TextGrid list = listWithReadings({QStringLiteral("あ"), QStringLiteral("い")});
    list.setCell(BloodPressure, 1, QStringLiteral(" "));
    list.setCell(Company, 1, QStringLiteral(" "));
    list.setCell(BloodPressure, 2, QStringLiteral("120～80"));
    list.setCell(Company, 2, QStringLiteral("山田建設"));
    const RosterEntry blank = entryForRow(list, 1, 9, QStringLiteral("既定社"));
    EXPECT_EQ(blank.targetRow, 1);
    EXPECT_EQ(blank.record.size(), kColumns);
    EXPECT_EQ(blank.record[BloodPressure], QStringLiteral("～"));
    EXPECT_EQ(blank.record[Company], QStringLiteral("既定社"));
    const RosterEntry filled = entryForRow(list, 2, 9, QStringLiteral("既定社"));
    EXPECT_EQ(filled.record[Reading], QStringLiteral("い"));
    EXPECT_EQ(filled.record[BloodPressure], QStringLiteral("120～80"));
    EXPECT_EQ(filled.record[Company], QStringLiteral("山田建設"));
}

TEST(WorkerStore, NewWorkerRowsGoToTheGivenRow)
{
    const TextGrid list = listWithReadings({QStringLiteral("あ")}, 4);
    for (int row : {kNewWorker, -3, 4, 100}) {
        const RosterEntry entry = entryForRow(list, row, 2, QStringLiteral("既定社"));
        EXPECT_EQ(entry.targetRow, 2) << row;
        EXPECT_EQ(entry.record[Reading], QString());
        EXPECT_EQ(entry.record[Company], QStringLiteral("既定社"));
        EXPECT_EQ(entry.record[BloodPressure], QStringLiteral("～"));
    }
}

TEST(WorkerStore, StoreWritesColumnsOneToThirtyFiveAndTheRow)
{
    TextGrid list = listWithReadings({QStringLiteral("あ"), QStringLiteral("い")});
    list.setCell(No, 2, QStringLiteral("00002"));
    list.setCell(SortKey, 2, QStringLiteral("old"));
    storeWorker(list, 2, numberedRecord());
    EXPECT_EQ(list.cell(No, 2), QStringLiteral("00002")); // the list's own number stays
    for (int c = FirstField; c <= LastField; ++c)
        EXPECT_EQ(list.cell(c, 2), QStringLiteral("c%1").arg(c));
    for (int c = 36; c <= 40; ++c)
        EXPECT_EQ(list.cell(c, 2), QString()) << c;
    EXPECT_EQ(list.cell(SourceRow, 2), QStringLiteral("2"));
    EXPECT_EQ(list.cell(Reading, 1), QStringLiteral("あ")); // neighbours untouched
    EXPECT_EQ(list.cell(Reading, 3), QString());
}

TEST(WorkerStore, StoreGrowsTheListInsteadOfLosingTheWorker)
{
    TextGrid list = listWithReadings({}, 3);
    storeWorker(list, 5, numberedRecord());
    ASSERT_EQ(list.rowCount(), 6);
    EXPECT_EQ(list.cell(Reading, 5), QStringLiteral("c1"));
    EXPECT_EQ(list.cell(SourceRow, 5), QStringLiteral("5"));
}

TEST(WorkerStore, StoreNeverWritesTheHeadingRow)
{
    TextGrid list = listWithReadings({}, 3);
    const TextGrid before = list;
    EXPECT_THROW(storeWorker(list, 0, numberedRecord()), Error);
    EXPECT_EQ(list, before);
}

namespace {

TEST(WorkerStore, FindWorkerTakesTheLastRowOfNameAndCompany)
{
    TextGrid list = listWithReadings({"a", "b", "c", "d"});
    auto put = [&list](int row, const char16_t* name, const char16_t* company) {
        list.setCell(Name, row, QString::fromUtf16(name));
        list.setCell(Company, row, QString::fromUtf16(company));
    };
    put(1, u"山田太郎", u"山田建設");
    put(2, u"山田太郎", u"鈴木工業");
    put(3, u"山田太郎", u"山田建設");
    EXPECT_EQ(findWorker(list, QStringLiteral("山田太郎"), QStringLiteral("山田建設")), 3);
    EXPECT_EQ(findWorker(list, QStringLiteral("山田太郎"), QStringLiteral("鈴木工業")), 2);
    EXPECT_EQ(findWorker(list, QStringLiteral("山田太郎"), QStringLiteral("田中組")), 0);
    EXPECT_EQ(findWorker(list, QStringLiteral(" "), QString()), 0);
}

TEST(WorkerStore, ASiteEditKeepsTheMasterRowsOwnSiteDates)
{
    TextGrid master = listWithReadings({"a", "b"});
    master.setCell(SiteEntry, 2, QStringLiteral("master entry"));
    master.setCell(SiteEducation, 2, QString());
    master.setCell(No, 2, QStringLiteral("7"));
    storeSiteEdit(master, 2, numberedRecord());
    EXPECT_EQ(master.cell(Address, 2), QStringLiteral("c9"));
    EXPECT_EQ(master.cell(Roles, 2), QStringLiteral("c4"));
    EXPECT_EQ(master.cell(SiteEntry, 2), QStringLiteral("master entry"));
    EXPECT_EQ(master.cell(SiteEducation, 2), QString());
    EXPECT_EQ(master.cell(No, 2), QStringLiteral("7"));
    EXPECT_EQ(master.cell(SourceRow, 2), QStringLiteral("2"));
    EXPECT_EQ(master.cell(Reading, 1), QStringLiteral("a"));
}

} // namespace
