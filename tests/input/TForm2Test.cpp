#include "input/ui/TForm2.h"

#include "ModalRun.h"
#include "common/Clock.h"
#include "common/EraDate.h"
#include "support/QtPrinters.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TForm2Test : public ::testing::Test {
protected:
    void SetUp() override { setToday(QDate(2024, 5, 20)); }
    void TearDown() override { mirevo::clock::useSystem(); }

    static void setToday(const QDate& date) { mirevo::clock::setFixed(QDateTime(date, QTime(10, 0))); }

    QPushButton* button(const char* name) { return form.findChild<QPushButton*>(QString::fromLatin1(name)); }
    QCalendarWidget* grid() { return form.findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar1")); }
    QLabel* label(const char* name) { return form.findChild<QLabel*>(QString::fromLatin1(name)); }
    QAbstractItemView* dayView()
    {
        return grid()->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
    }

    // A mouse click on a day of the month the grid shows.
    void clickDay(int day)
    {
        QAbstractItemView* view = dayView();
        const QAbstractItemModel* model = view->model();
        QModelIndex cell;
        for (int row = 1; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                // Small numbers first appear in this month, large ones last.
                if (index.data().toString() == QString::number(day) && (!cell.isValid() || day > 14))
                    cell = index;
            }
        }
        ASSERT_TRUE(cell.isValid()) << day;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
    }

    QString pickPlain(int startMode, const std::function<void()>& act)
    {
        QString line;
        run(
            form, [&] { line = pickPlainDate(form, startMode); }, act);
        EXPECT_TRUE(run.closedInTime);
        return line;
    }

    TForm2 form;
    mirevo::test::ModalRun run;
};

TEST_F(TForm2Test, HasTheCaptionButtonsAndLines)
{
    EXPECT_EQ(form.windowTitle(), u"カレンダーフォーム");
    const char16_t* captions[] = {u"<<", u"<年", u"先月", u"今日", u"来月", u"年>", u">>", u"閉じる"};
    for (int i = 0; i < 8; ++i) {
        QPushButton* b = button(("Button" + std::to_string(i + 1)).c_str());
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->text(), QString::fromUtf16(captions[i]));
    }
    ASSERT_NE(grid(), nullptr);
    EXPECT_EQ(grid()->firstDayOfWeek(), Qt::Sunday);
    ASSERT_NE(label("Label1"), nullptr);
    ASSERT_NE(label("Label2"), nullptr);
    EXPECT_EQ(label("Label2")->text(), form.resultLine());
}

TEST_F(TForm2Test, ClickingADayClosesWithBothLines)
{
    EXPECT_EQ(pickPlain(2, [&] { clickDay(5); }), u"2024/5/5");
    EXPECT_EQ(form.eraLine(), u"令和6年5月5日");
    EXPECT_EQ(label("Label1")->text(), u"令和6年5月5日");
    EXPECT_EQ(form.state(), 0);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.startMode, 0);
}

TEST_F(TForm2Test, ButtonsMoveTheDateWithoutClosing)
{
    setToday(QDate(2024, 2, 29));
    struct Case {
        const char* button;
        QDate date;
    };
    const Case cases[] = {
        {"Button1", QDate(2019, 2, 28)}, {"Button2", QDate(2023, 2, 28)}, {"Button3", QDate(2024, 1, 29)},
        {"Button5", QDate(2024, 3, 29)}, {"Button6", QDate(2025, 2, 28)}, {"Button7", QDate(2029, 2, 28)},
    };
    form.show();
    for (const Case& c : cases) {
        form.startMode = 2;
        form.prepareOpening();
        button(c.button)->click();
        EXPECT_TRUE(form.isVisible()) << c.button;
        EXPECT_EQ(form.date(), c.date) << c.button;
        EXPECT_EQ(grid()->selectedDate(), c.date);
        EXPECT_EQ(grid()->monthShown(), c.date.month());
        EXPECT_EQ(form.resultLine(), mirevo::plainDateText(c.date));
        EXPECT_EQ(label("Label2")->text(), mirevo::plainDateText(c.date));
        EXPECT_EQ(form.eraLine(), mirevo::eraDateText(c.date));
        EXPECT_EQ(form.state(), 1);
    }
    setToday(QDate(2026, 12, 9));
    button("Button4")->click();
    EXPECT_EQ(form.resultLine(), u"2026/12/9");
    EXPECT_TRUE(form.isVisible());
}

TEST_F(TForm2Test, KeyboardMovesTheDateWithoutClosing)
{
    form.startMode = 2;
    form.prepareOpening();
    form.show();
    QTest::keyClick(dayView(), Qt::Key_Right);
    QTest::keyClick(dayView(), Qt::Key_Down);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.resultLine(), u"2024/5/28");
    EXPECT_EQ(form.eraLine(), u"令和6年5月28日");
    EXPECT_EQ(form.state(), 1);
}

TEST_F(TForm2Test, CloseButtonHandsOverNoDate)
{
    QString era;
    run(
        form, [&] { era = pickEraDate(form, 2); }, [&] { button("Button8")->click(); });
    EXPECT_EQ(era, mirevo::blankDateTemplate());
    EXPECT_EQ(pickPlain(2, [&] { button("Button8")->click(); }), QString());
    EXPECT_EQ(label("Label2")->text(), QString());
}

TEST_F(TForm2Test, CloseBoxHandsOverTheDateShownLast)
{
    pickPlain(2, [&] { clickDay(5); });
    EXPECT_EQ(pickPlain(3,
                        [&] {
                            button("Button5")->click();
                            form.close();
                        }),
              u"2024/6/5");
    EXPECT_EQ(form.eraLine(), u"令和6年6月5日");
}

TEST_F(TForm2Test, StartModeDecidesBetweenTodayAndThePreviousPick)
{
    pickPlain(2, [&] { clickDay(5); });
    setToday(QDate(2026, 12, 9));
    EXPECT_EQ(pickPlain(3, [&] { form.close(); }), u"2024/5/5");
    EXPECT_EQ(grid()->selectedDate(), QDate(2024, 5, 5));
    EXPECT_EQ(pickPlain(0, [&] { form.close(); }), u"2024/5/5");
    EXPECT_EQ(pickPlain(2, [&] { form.close(); }), u"2026/12/9");
    // "閉じる" blanks the lines; the next opening shows the date again.
    pickPlain(3, [&] { button("Button8")->click(); });
    EXPECT_EQ(pickPlain(3, [&] { form.close(); }), u"2026/12/9");
}

} // namespace
