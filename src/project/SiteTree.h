#pragma once
#include "SubcontractTree.h"

#include <QString>

namespace mirevo {

class Project;
class TextGrid;

// The subcontracting tree of a site and the site contractor table that
// follows it: every change of the tree rebuilds the table from the tree
// and the registry's company list (`companies`), the master of company
// data. The windows show `project.tree` and call these operations.
namespace sitetree {

// The messages of refused tree operations.
QString noUpperSelectedMessage(); // "直近上位の業者を選択して下さい。"
QString noNodeSelectedMessage();  // "削除する業者を選択して下さい。"

// "登録【1次下請】": appends a top-level node named `name` and selects it;
// the editor's upper company becomes the prime contractor; rebuilds the
// table. An empty name adds nothing and returns false.
bool registerFirstTier(Project& project, const QString& name, const TextGrid& companies);
// "登録【再下請】": appends `name` as the last child of the selected node
// and rebuilds the table. Returns the message to show when refused (no
// node selected, or deeper than the ninth tier), else an empty text.
QString registerSubcontractor(Project& project, const QString& name, const TextGrid& companies);
// "削除": removes the selected node with its subtree; the table is rebuilt
// either way. Returns the message when no node was selected.
QString deleteSelected(Project& project, const TextGrid& companies);
// A drop of node `dragged` on node `target`, with or without Shift (see
// SubcontractTree::drop). The dragged node becomes the selected one. The
// table is rebuilt when the drag ends (rebuildTable).
SubcontractTree::Drop drop(Project& project, int dragged, int target, bool shift);
// A click on a node: it becomes the selected node, the table row built
// from it the current row, and the editor shows that row. A node that
// built no row leaves the current row as it is.
void selectNode(Project& project, int index);

// Rebuilds the site contractor table from the tree: per node in display
// order, one row per company list row of the node's name, with the upper
// company (column 41; the prime contractor for a top-level node), its row
// number (40, "0" when none), the tier (42) and the first-tier company (50).
// The site's contract dates (43–45) stay with their company (k-th row of a
// name to the k-th). Rows are numbered and counted (renumber). The editor
// moves to the selected node's row, or to the last row when its own row is
// gone, and is reloaded; the tier outline follows.
void rebuildTable(Project& project, const TextGrid& companies);

// The tree listing: row i = node i with its index, name, name indented by
// two blanks per level, tier and first-tier name.
TextGrid listing(const SubcontractTree& tree);

// The table row built from node `index` (0 when none).
int rowOfNode(const Project& project, int index);
// Works out which row each node built, from names, after a project read
// (the table is read, not rebuilt).
void mapNodesToRows(Project& project);

} // namespace sitetree
} // namespace mirevo
