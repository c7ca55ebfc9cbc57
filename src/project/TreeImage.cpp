#include "TreeImage.h"
#include "Project.h"
#include "common/Error.h"

#include <array>

namespace mirevo::treeimage {
namespace {

constexpr int kNameColumn = Project::kTreeColumns - 1;

int parsedCount(const QString& nodeCount, const TextGrid& image)
{
    bool ok = false;
    const int count = nodeCount.trimmed().toInt(&ok);
    if (!ok || count < 0)
        throw Error(QStringLiteral("ツリーの項目数 \"%1\" が数値ではありません。").arg(excerpt(nodeCount)));
    if (count > image.rowCount() - 1)
        throw Error(QStringLiteral("ツリーの項目数 %1 に対してツリーの行が %2 行しかありません。")
                        .arg(count)
                        .arg(std::max(0, image.rowCount() - 1)));
    return count;
}

} // namespace

TextGrid image(const SubcontractTree& tree)
{
    TextGrid out(Project::kTreeColumns, std::max(Project::kTreeRows, tree.size() + 1));
    for (int i = 0; i < tree.size(); ++i) {
        const int tier = tree.tier(i);
        out.setCell(0, i + 1, QString::number(tier));
        out.setCell(tier, i + 1, tree.text(i));
        out.setCell(kNameColumn, i + 1, tree.text(i));
    }
    return out;
}

void prepare(Project& project)
{
    project.treeImage = image(project.tree);
    project.nodeCount = QString::number(project.tree.size());
}

void rebuildTree(const TextGrid& image, const QString& nodeCount, SubcontractTree& tree)
{
    tree.clear();
    const int count = parsedCount(nodeCount, image);
    // The last node added at each tier, by display index (-1: none yet).
    std::array<int, SubcontractTree::kMaxTiers + 1> lastAt;
    lastAt.fill(-1);
    for (int row = 1; row <= count; ++row) {
        bool ok = false;
        const int tier = image.cell(0, row).toInt(&ok);
        if (!ok || tier < 1 || tier > SubcontractTree::kMaxTiers)
            continue;
        const QString& name = image.cell(kNameColumn, row);
        const int parent = tier > 1 ? lastAt[size_t(tier - 1)] : -1;
        const int added = parent >= 0 ? tree.addChild(parent, name) : tree.addTopLevel(name);
        // A child of an earlier node lands before later nodes and moves
        // their display indices on by one.
        for (int& last : lastAt)
            if (last >= added)
                ++last;
        lastAt[size_t(tier)] = added;
    }
}

void rebuildTree(Project& project)
{
    rebuildTree(project.treeImage, project.nodeCount, project.tree);
    project.notifyTreeChanged();
}

} // namespace mirevo::treeimage
