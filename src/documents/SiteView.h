#pragma once
#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo {

class Project;
class ProjectRecord;

namespace documents {

// What the documents read of a site, and nothing else: the project record,
// the site contractor table, the tier outline and the site worker list. The
// generator never writes into it. Tests fill it directly.
struct SiteView {
    const ProjectRecord* record = nullptr;
    // Data rows of the site contractor table: element i is table row i + 1,
    // 55 cells each, so "直近上位の会社No." addresses it directly.
    QList<QStringList> contractors;
    // Tier outline rows as the project keeps them (empty when not built).
    QList<QStringList> tierOutline;
    // Data rows of the site worker list, 42 cells each.
    QList<QStringList> workers;
    // The prime contractor's workers on the site.
    int primeWorkers = 0;

    // A record field by its control name ("Edit9").
    QString field(const char* name) const;
    // Cell `column` of table row `row` (1-based); empty outside the table.
    QString contractor(int row, int column) const;
    // Table rows (1-based) whose "会社名" is not blank, in table order.
    QList<int> companyRows() const;
    // Workers of a company, in list order: rows whose "会社名" equals it.
    QList<QStringList> workersOf(const QString& company) const;
    QString primeName() const;
    // The table row that row `row`'s "直近上位の会社No." names, by its leading
    // number ("3", "0 : 元請"); blank is 0, the prime contractor. Throws
    // Error when the cell holds no number.
    int upperRow(int row) const;
};

// The view of a project as the project window holds it: the worker counts
// are the project's own (the prime contractor's workers and column 49 of the
// table, kept up to date by counting the site worker list). The project must
// outlive the view.
SiteView siteOf(const Project& project);

// Reads an .anz file into `project` as the project window opens one (blanks
// emptied, tree rebuilt, subcontractors renumbered, workers counted). Throws
// Error naming the file and line.
void readSite(const QString& path, Project& project);

} // namespace documents
} // namespace mirevo
