#include "registry/WorkerList.h"
#include "Fixtures.h"
#include "common/Error.h"
#include "registry/WorkerView.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

TEST(WorkerList, CompactionMovesEmptyRowsToTheEndKeepingWorkerOrder)
{
    TextGrid list(worker::kColumns, 16);
    int n = 0;
    for (int row : {2, 3, 5, 9, 10, 11, 14, 15})
        putWorker(list, row, QStringLiteral("w%1").arg(++n), "X");
    list.setCell(worker::No, 5, QString());    // stored without a list number: still a worker
    list.setCell(worker::Company, 7, "stray"); // a row without number and reading
    workers::markCompanyWorkersEmpty(list, "stray");
    list.setCell(worker::No, 10, "99999");
    list.setCell(worker::Reading, 10, QString());

    workers::compact(list);

    EXPECT_EQ(workerNames(list), (QStringList{"w1", "w2", "w3", "w4", "w6", "w7", "w8"}));
    for (int row = 1; row <= 7; ++row)
        EXPECT_EQ(list.cell(worker::No, row), workers::listNumber(row));
    for (int row = 8; row < 16; ++row)
        EXPECT_EQ(list.row(row), QStringList(QList<QString>(worker::kColumns))) << row;
}

TEST(WorkerList, RemovingViewRowsTakesExactlyTheirMasterRows)
{
    TextGrid master(worker::kColumns, 12);
    for (int row = 1; row <= 10; ++row)
        putWorker(master, row, QStringLiteral("w%1").arg(row), row == 2 || row == 5 || row == 9 ? "K" : "Other");

    TextGrid view = workerview::build(master, "K");
    EXPECT_EQ(view.cell(worker::SourceRow, 1), "2");
    EXPECT_EQ(view.cell(worker::SourceRow, 2), "5");
    EXPECT_EQ(view.cell(worker::SourceRow, 3), "9");
    EXPECT_EQ(view.cell(worker::Name, 3), "w9");
    EXPECT_EQ(view.cell(worker::No, 1), "");

    EXPECT_EQ(workers::removeRows(master, workerview::masterRows(view, 2, 1)), 2);
    EXPECT_EQ(workerNames(master), (QStringList{"w1", "w3", "w4", "w6", "w7", "w8", "w9", "w10"}));
    EXPECT_EQ(master.cell(worker::Name, 7), "w9");
    EXPECT_EQ(master.cell(worker::SourceRow, 7), "7");
    EXPECT_EQ(master.cell(worker::No, 7), "00007");
    EXPECT_EQ(master.rowCount(), 12);
}

TEST(WorkerList, ViewRowsWithoutWorkerPointNowhere)
{
    TextGrid master(worker::kColumns, 5);
    putWorker(master, 1, "w1", "K");
    const TextGrid before = master;
    TextGrid view = workerview::build(master, "K");
    EXPECT_TRUE(workerview::masterRows(view, 2, 6).empty());
    EXPECT_EQ(workers::removeRows(master, workerview::masterRows(view, 2, 6)), 0);
    EXPECT_EQ(master, before);
}

TEST(WorkerList, ABlankCompanyNameListsNoRows)
{
    TextGrid master(worker::kColumns, 5);
    putWorker(master, 2, "nobody", "");
    for (const QString& blank : {QString(), QStringLiteral(" "), QStringLiteral("　")}) {
        const TextGrid view = workerview::build(master, blank);
        EXPECT_TRUE(workerview::rowsWithWorkers(view, 1, view.rowCount() - 1).empty());
        EXPECT_FALSE(workerview::holdsWorker(view, 1));
    }
}

TEST(WorkerList, ViewGrowsToHoldEveryWorkerOfTheCompany)
{
    TextGrid master(worker::kColumns, 61);
    for (int row = 1; row <= 60; ++row)
        putWorker(master, row, QStringLiteral("w%1").arg(row), "K");
    const TextGrid view = workerview::build(master, "K");
    EXPECT_EQ(view.rowCount(), 61);
    EXPECT_EQ(view.cell(worker::Name, 60), "w60");
    EXPECT_EQ(view.cell(worker::No, 0), QStringLiteral("採用"));
    EXPECT_EQ(view.cell(worker::SourceRow, 0), "No.");
}

TEST(WorkerList, MarkingAllSkipsRowsWithoutReadingAndTogglesBack)
{
    TextGrid master(worker::kColumns, 5);
    putWorker(master, 1, "w1", "K");
    putWorker(master, 2, "w2", "K");
    master.setCell(worker::Reading, 2, QStringLiteral("　"));
    putWorker(master, 3, "w3", "K");
    TextGrid view = workerview::build(master, "K");

    workerview::markAll(view, true);
    EXPECT_TRUE(workerview::isMarked(view, 1));
    EXPECT_FALSE(workerview::isMarked(view, 2));
    EXPECT_TRUE(workerview::isMarked(view, 3));
    EXPECT_FALSE(workerview::isMarked(view, 4));
    workerview::markAll(view, false);
    for (int row = 1; row < view.rowCount(); ++row)
        EXPECT_FALSE(workerview::isMarked(view, row));
    EXPECT_TRUE(workerview::toggleMark(view, 3));
    EXPECT_EQ(view.cell(worker::No, 3), QStringLiteral("〇"));
    EXPECT_FALSE(workerview::toggleMark(view, 4));
    EXPECT_TRUE(workerview::toggleMark(view, 3));
    EXPECT_EQ(view.cell(worker::No, 3), "");
}

TEST(WorkerList, AgesFollowTheTwentyNinthOfFebruaryRule)
{
    struct Case {
        QDate today;
        int age;
    };
    for (const Case& c :
         {Case{{2025, 2, 27}, 44}, Case{{2025, 2, 28}, 45}, Case{{2024, 2, 28}, 43}, Case{{2024, 2, 29}, 44}}) {
        TextGrid list(worker::kColumns, 3);
        putWorker(list, 1, "w1", "K");
        list.setCell(worker::Birth, 1, "1980/2/29");
        list.setCell(worker::Employed, 1, "2001/4/1");
        list.setCell(worker::Experience, 1, "kept");
        workers::recalculateAges(list, c.today);
        EXPECT_EQ(list.cell(worker::Birth, 1), "1980/02/29");
        EXPECT_EQ(list.cell(worker::Age, 1), QString::number(c.age)) << c.today.toString().toStdString();
        EXPECT_EQ(list.cell(worker::Employed, 1), "2001/04/01");
        EXPECT_EQ(list.cell(worker::Experience, 1), "kept");
    }
}

TEST(WorkerList, AnUnreadableDateStopsTheRecalculationAtItsRow)
{
    TextGrid list(worker::kColumns, 5);
    for (int row = 1; row <= 3; ++row) {
        putWorker(list, row, QStringLiteral("w%1").arg(row), "K");
        list.setCell(worker::Birth, row, "1990/1/2");
    }
    list.setCell(worker::Employed, 2, QStringLiteral("昔"));
    try {
        workers::recalculateAges(list, QDate(2024, 6, 1));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("2 行目"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("昔")));
    }
    EXPECT_EQ(list.cell(worker::Age, 1), "34");
    EXPECT_EQ(list.cell(worker::Birth, 2), "1990/01/02"); // its birth date came first
    EXPECT_EQ(list.cell(worker::Birth, 3), "1990/1/2");
}

TEST(WorkerList, AHugeUnreadableDateIsQuotedShortened)
{
    TextGrid list(worker::kColumns, 3);
    putWorker(list, 1, "w1", "K");
    list.setCell(worker::Birth, 1, QString(100000, u'x'));
    try {
        workers::recalculateAges(list, QDate(2024, 6, 1));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_LT(e.message().size(), 200);
        EXPECT_TRUE(e.message().contains(QString(80, u'x') + QStringLiteral("…")));
    }
}
