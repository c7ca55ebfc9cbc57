#pragma once
#include <QString>

namespace mirevo {

class Project;
class SubcontractTree;
class TextGrid;

// The subcontracting tree as the project file keeps it: 11 columns; row 0
// empty; node i (display order) in row i + 1 with column 0 = its tier as
// decimal text, column tier = its name and column 10 = its name. The image
// has at least 50 rows and grows with the tree; the node count is saved
// beside it.
namespace treeimage {

// The image of a tree.
TextGrid image(const SubcontractTree& tree);
// Fills `project.treeImage` and `project.nodeCount` from the tree, as they
// are saved.
void prepare(Project& project);
// Rebuilds `tree` from rows 1 … nodeCount of an image. Tier "1" adds a
// top-level node; tier t (2 … 9) a child of the last node added with tier
// t − 1, or a top-level node when no such node came before. Other tiers
// add nothing. A node count that is not a number, or larger than the
// image, throws Error; the tree then holds the nodes read so far.
void rebuildTree(const TextGrid& image, const QString& nodeCount, SubcontractTree& tree);
// The same on the project's own image and tree.
void rebuildTree(Project& project);

} // namespace treeimage
} // namespace mirevo
