#pragma once
#include <QDate>
#include <QString>

namespace mirevo {

// The rules of the calendar window: the date it shows, the seven
// navigation moves, the start mode, and the two lines the caller reads
// after the window has closed.
class CalendarModel {
public:
    enum class Move { BackFiveYears, BackYear, BackMonth, Today, ForwardMonth, ForwardYear, ForwardFiveYears };
    static constexpr int StartAtToday = 2;

    // The dates the grid can show; moves beyond them stop at the bound.
    static QDate firstDate();
    static QDate lastDate();

    CalendarModel(); // starts at today

    // The date `move` leads to from `from`; `today` for Move::Today.
    static QDate moved(const QDate& from, Move move, const QDate& today);

    // Start mode 2 goes to today; any other value keeps the date shown last.
    void open(int startMode);
    void move(Move move);
    // A change of the date by keyboard: updates the lines, keeps navigating.
    void setDate(const QDate& date);
    // A click on a day: updates the lines and ends navigation.
    void pick(const QDate& date);
    // "閉じる": the caller receives no date.
    void closeWithoutDate();

    QDate date() const { return date_; }
    QString eraLine() const { return eraLine_; }
    QString resultLine() const { return resultLine_; }
    // 1 while the user navigates, 0 once a day has been picked.
    int state() const { return state_; }

private:
    void show(const QDate& date);

    QDate date_;
    QString eraLine_;
    QString resultLine_;
    int state_ = 1;
};

} // namespace mirevo
