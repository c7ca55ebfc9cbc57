#include "input/CalendarModel.h"

#include "common/Clock.h"
#include "common/EraDate.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using mirevo::CalendarModel;
using Move = CalendarModel::Move;

namespace {

struct MoveCase {
    QDate from;
    Move move;
    QDate expected;
};

const QDate today(2026, 12, 9);

class CalendarMoves : public ::testing::TestWithParam<MoveCase> { };

TEST_P(CalendarMoves, LandOnTheExpectedDay)
{
    const MoveCase& c = GetParam();
    EXPECT_EQ(CalendarModel::moved(c.from, c.move, today), c.expected) << c.from.toString(Qt::ISODate).toStdString();
}

INSTANTIATE_TEST_SUITE_P(FebruaryTwentyNinth, CalendarMoves,
                         ::testing::Values(MoveCase{QDate(2024, 2, 29), Move::ForwardYear, QDate(2025, 2, 28)},
                                           MoveCase{QDate(2024, 2, 29), Move::BackYear, QDate(2023, 2, 28)},
                                           MoveCase{QDate(2024, 2, 29), Move::ForwardFiveYears, QDate(2029, 2, 28)},
                                           MoveCase{QDate(2024, 2, 29), Move::BackFiveYears, QDate(2019, 2, 28)},
                                           // A leap day that a year move would keep still becomes the 28th first.
                                           MoveCase{QDate(2020, 2, 29), Move::ForwardYear, QDate(2021, 2, 28)},
                                           MoveCase{QDate(2023, 2, 28), Move::ForwardYear, QDate(2024, 2, 28)},
                                           MoveCase{QDate(2024, 2, 29), Move::ForwardMonth, QDate(2024, 3, 29)}));

INSTANTIATE_TEST_SUITE_P(MonthEnds, CalendarMoves,
                         ::testing::Values(MoveCase{QDate(2024, 1, 31), Move::ForwardMonth, QDate(2024, 2, 29)},
                                           MoveCase{QDate(2023, 1, 31), Move::ForwardMonth, QDate(2023, 2, 28)},
                                           MoveCase{QDate(2024, 3, 31), Move::BackMonth, QDate(2024, 2, 29)},
                                           MoveCase{QDate(2024, 5, 31), Move::ForwardMonth, QDate(2024, 6, 30)},
                                           MoveCase{QDate(2024, 7, 31), Move::BackMonth, QDate(2024, 6, 30)},
                                           MoveCase{QDate(2024, 12, 15), Move::ForwardMonth, QDate(2025, 1, 15)},
                                           MoveCase{QDate(2024, 1, 15), Move::BackMonth, QDate(2023, 12, 15)},
                                           MoveCase{QDate(2024, 1, 30), Move::ForwardMonth, QDate(2024, 2, 29)}));

INSTANTIATE_TEST_SUITE_P(YearsAndToday, CalendarMoves,
                         ::testing::Values(MoveCase{QDate(2024, 5, 5), Move::ForwardFiveYears, QDate(2029, 5, 5)},
                                           MoveCase{QDate(2024, 5, 5), Move::BackFiveYears, QDate(2019, 5, 5)},
                                           MoveCase{QDate(2024, 5, 5), Move::ForwardYear, QDate(2025, 5, 5)},
                                           MoveCase{QDate(2024, 5, 5), Move::BackYear, QDate(2023, 5, 5)},
                                           MoveCase{QDate(1990, 8, 31), Move::Today, today},
                                           // The grid's range ends the moves.
                                           MoveCase{QDate(1875, 3, 1), Move::BackFiveYears, QDate(1873, 1, 1)},
                                           MoveCase{QDate(2998, 6, 1), Move::ForwardFiveYears, QDate(2999, 12, 31)}));

class CalendarModelTest : public ::testing::Test {
protected:
    void SetUp() override { mirevo::clock::setFixed(QDateTime(today, QTime(9, 30))); }
    void TearDown() override { mirevo::clock::useSystem(); }
};

TEST_F(CalendarModelTest, PickingGivesBothLinesAndEndsNavigation)
{
    CalendarModel model;
    model.open(0);
    EXPECT_EQ(model.state(), 1);
    model.pick(QDate(2024, 5, 5));
    EXPECT_EQ(model.resultLine(), u"2024/5/5");
    EXPECT_EQ(model.eraLine(), u"令和6年5月5日");
    EXPECT_EQ(model.state(), 0);
}

TEST_F(CalendarModelTest, StartModeTwoGoesToTodayOthersKeepTheLastDate)
{
    CalendarModel model;
    model.pick(QDate(2024, 5, 5));
    for (int mode : {0, 1, 3, -1}) {
        model.open(mode);
        EXPECT_EQ(model.date(), QDate(2024, 5, 5)) << mode;
        EXPECT_EQ(model.state(), 1);
    }
    model.open(CalendarModel::StartAtToday);
    EXPECT_EQ(model.date(), today);
    EXPECT_EQ(model.resultLine(), u"2026/12/9");
}

TEST_F(CalendarModelTest, CloseWithoutDateBlanksTheLinesUntilTheNextOpening)
{
    CalendarModel model;
    model.pick(QDate(2019, 4, 30));
    model.closeWithoutDate();
    EXPECT_EQ(model.eraLine(), mirevo::blankDateTemplate());
    EXPECT_EQ(model.resultLine(), QString());
    EXPECT_EQ(model.date(), QDate(2019, 4, 30));

    model.open(3);
    EXPECT_EQ(model.eraLine(), u"平成31年4月30日");
    EXPECT_EQ(model.resultLine(), u"2019/4/30");
}

TEST_F(CalendarModelTest, NavigationUpdatesTheLinesAcrossEraBoundaries)
{
    struct Step {
        Move move;
        const char16_t* era;
        const char16_t* plain;
    };
    CalendarModel model;
    model.pick(QDate(2019, 6, 1));
    const Step steps[] = {
        {Move::BackMonth, u"令和1年5月1日", u"2019/5/1"},
        {Move::BackMonth, u"平成31年4月1日", u"2019/4/1"},
        {Move::BackFiveYears, u"平成26年4月1日", u"2014/4/1"},
        {Move::Today, u"令和8年12月9日", u"2026/12/9"},
    };
    for (const Step& step : steps) {
        model.move(step.move);
        EXPECT_EQ(model.eraLine(), QString::fromUtf16(step.era));
        EXPECT_EQ(model.resultLine(), QString::fromUtf16(step.plain));
        EXPECT_EQ(model.state(), 1);
    }
}

TEST_F(CalendarModelTest, KeyboardChangesKeepNavigatingAndIgnoreInvalidDates)
{
    CalendarModel model;
    model.pick(QDate(1989, 1, 7));
    EXPECT_EQ(model.eraLine(), u"昭和64年1月7日");
    model.setDate(QDate(1989, 1, 8));
    EXPECT_EQ(model.eraLine(), u"平成1年1月8日");
    EXPECT_EQ(model.state(), 1);
    model.setDate(QDate());
    EXPECT_EQ(model.date(), QDate(1989, 1, 8));
}

} // namespace
