#pragma once
#include "ProjectRecord.h"
#include "SubcontractTree.h"
#include "common/TextGrid.h"

#include <QObject>

namespace mirevo {

// One construction site: the record fields and the three tables that the
// project file holds, with the counters the windows and documents share.
class Project : public QObject {
    Q_OBJECT
public:
    static constexpr int kContractorColumns = 55;
    static constexpr int kContractorRows = 25;
    static constexpr int kWorkerRows = 49;
    static constexpr int kTreeColumns = 11;
    static constexpr int kTreeRows = 50;
    static constexpr int kOutlineColumns = 1 + SubcontractTree::kMaxTiers;
    static constexpr int kOutlineRows = 100;
    static constexpr int kFilteredColumns = 55;
    static constexpr int kFilteredRows = 49;

    Project();

    ProjectRecord record;
    TextGrid contractors; // site contractor table
    TextGrid workers;     // site worker list
    TextGrid treeImage;   // the subcontracting tree as saved (treeimage::)
    QString nodeCount = QStringLiteral("0");

    SubcontractTree tree;     // the subcontracting tree (sitetree::)
    TextGrid tierOutline;     // subcontractors by tier, column t = tier t
    TextGrid filteredWorkers; // the worker list of one company (siteworkers::)
    QString workerCompany;    // the company the filtered view shows
    // The contractor table row built from each node (display order), 0 when
    // the node's name is in no row.
    std::vector<int> nodeRows;

    int currentRow = 0;    // contractor editor's row, 0 = none yet
    int shitaukeCount = 0; // subcontractors counted by the last renumber
    int st3Count = 0;      // workers in the site worker list
    int motoukeNinzu = 0;  // prime contractor's workers on the site
    // Which guide frame of the project window blinks: 0 none, 1 prime
    // call-up, 2 subcontractor call-up, 3 tree registration buttons.
    int guideState = 0;

    static QStringList contractorHeadings();

    // Takes over what a project file holds (the record fields, the dedication
    // choices, the three saved tables and the node count) from `other`. The
    // derived state (tree, outline, filtered view) is left to the caller.
    void takeSavedContent(const Project& other);

    // Tells the windows that tables or counters changed wholesale.
    void notifyTablesChanged() { emit tablesChanged(); }
    // Tells the windows that the subcontracting tree changed.
    void notifyTreeChanged() { emit treeChanged(); }

signals:
    void tablesChanged();
    void treeChanged();
};

} // namespace mirevo
