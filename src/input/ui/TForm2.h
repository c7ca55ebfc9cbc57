#pragma once
#include "input/CalendarModel.h"

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

// The calendar window ("カレンダーフォーム"): a modal date picker. The caller
// sets startMode, runs exec() and reads eraLine() or resultLine() after it
// has closed. The window is created once and reused; its date persists.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    int startMode = 0; // 2 = start at today; other = date shown last

    QString eraLine() const;    // e.g. "令和6年5月5日" or blankDateTemplate()
    QString resultLine() const; // e.g. "2024/5/5" or ""
    QDate date() const;
    // 1 while the user navigates, 0 once a day has been clicked.
    int state() const;

    int exec() override; // applies startMode, then runs modally

    // Applies startMode without running the event loop (exec() calls it).
    void prepareOpening();

private:
    void build();
    QWidget* buildTopStrip();
    QWidget* buildButtonRow();
    void connectSignals();
    void navigate(mirevo::CalendarModel::Move move);
    void onSelectionChanged();
    void onDayClicked(const QDate& date);
    void closeWithoutDate();
    void showModel();

    mirevo::CalendarModel model_;
    QCalendarWidget* grid_ = nullptr;
    QLabel* eraLabel_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    bool syncing_ = false;
};

// Helpers for callers: open modally with the start mode, reset the mode to
// 0 afterwards and return the line the caller's field takes.
QString pickEraDate(TForm2& calendar, int startMode);
QString pickPlainDate(TForm2& calendar, int startMode);
