#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace mirevo {

class Project;
class TextGrid;

// The site worker list (`project.workers`, worker records, column 32 the
// company) and its filtered view of one company (`project.filteredWorkers`,
// column 41 = the source row in the full list). The list grows as needed;
// nothing here drops a worker except an explicit deletion.
namespace siteworkers {

// The company selector's first item, which shows the full list.
QString allWorkers(); // "全員表示"
// Pixel widths of the columns of the full list or the filtered view.
std::vector<int> columnWidths(bool filtered);
// The company selector's items: "全員表示", the prime contractor, then each
// company name of the contractor table once.
QStringList companyChoices(const Project& project);

// Refills the filtered view with the workers of `project.workerCompany`
// (nothing for an empty name), counts the named workers into st3Count and
// numbers the rows with a reading by their position.
void filter(Project& project);
// Sets the company shown and filters.
void selectCompany(Project& project, const QString& company);

// Refreshes each site worker from the registry's worker master list: the
// last master row with the same "氏名" and "会社名" replaces the row, except
// the site's "入場年月日" and "受入教育" (columns 30, 31); then filters.
void reloadFromMaster(Project& project, const TextGrid& master);
// Of several rows with the same "氏名" and "会社名", the first row takes the
// data of the last and the others are emptied; rows without a name are no
// duplicates. Then compacts.
void removeDuplicates(Project& project);
// Moves rows without a reading to the end, the others keeping their order.
void compact(Project& project);
// Rewrites "生年月日" and "雇用年月日" as yyyy/mm/dd and "年齢" from the birth
// date on `today`. A date that cannot be read throws Error naming the row
// and the worker; the rows before it keep their new values.
void computeAges(Project& project, const QDate& today);
// motoukeNinzu and column 49 of each contractor table row: the workers of
// the prime contractor and of each company.
void countWorkers(Project& project);

// "No. n [ name ]  を削除しますか？" for a row of a list.
QString deleteQuestion(const TextGrid& list, int row);
// Deletes a full-list row: the rows below move up, column 0 renumbers the
// rows with a reading, st3Count counts them. False for no data row.
bool deleteRow(Project& project, int row);
// Deletes the full-list row a filtered row stands for, then filters. False
// (nothing deleted) for an empty filtered row.
bool deleteFilteredRow(Project& project, int filteredRow);

// "コピー": columns 0–32 of each row, each followed by TAB, each line ended
// by CR LF.
QString copyRows(const TextGrid& list, const std::vector<int>& rows);
// "クリップボードへ全てコピー": the heading row and every row with a reading.
QString copyAll(const TextGrid& list);

} // namespace siteworkers
} // namespace mirevo
