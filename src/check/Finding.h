#pragma once
#include <QDate>
#include <QList>
#include <QString>

namespace mirevo::check {

enum class Level { Error, Warning, Info };

// Where the project window shows what a finding concerns.
enum class Place {
    Site,       // a header or orderer field (`field` names the control)
    Prime,      // a prime contractor field
    Contractor, // a row of the site contractor table
    Worker      // a row of the site worker list
};

// One thing to fix (or to know) before the documents go out. `code` is
// stable: scripts read it. `message` says in Japanese what to fix.
struct Finding {
    Level level = Level::Warning;
    QString code;
    QString company;
    QString worker;
    QString field; // the label of the field, as the windows show it
    QString message;
    Place place = Place::Site;
    int row = 0;     // contractor table row or site worker list row
    QString control; // the control of a Site or Prime finding ("Edit9")
};

// The result of one check.
struct Report {
    QDate date;                 // the day the project was checked on
    bool dateFromToday = false; // 作成日 was blank or unreadable
    QList<Finding> findings;

    int count(Level level) const;
    bool clean() const { return count(Level::Error) == 0 && count(Level::Warning) == 0; }
};

// "エラー", "警告", "情報".
QString levelName(Level level);
// "error", "warning", "info".
QString levelKey(Level level);
// "エラー 2 件、警告 5 件、情報 1 件".
QString summary(const Report& report);
// Which day the check went by: "作成日 令和 8年12月 1日 で確認しました。", or
// that today was taken because 作成日 could not be used.
QString dateLine(const Report& report);

} // namespace mirevo::check
