#include "SiteTree.h"
#include "ContractorEditor.h"
#include "Project.h"
#include "RecordFields.h"
#include "TierOutline.h"
#include "registry/CompanyRecord.h"

#include <QHash>
#include <array>

namespace mirevo::sitetree {
namespace {

// Guide state: the subcontractor call-up button blinks.
constexpr int kGuideSubcontractorCallUp = 2;
constexpr int kFirstTierColumn = company::FirstTierName;

using SiteDates = std::array<QString, 3>;

QHash<QString, QList<SiteDates>> siteDatesByName(const TextGrid& table)
{
    QHash<QString, QList<SiteDates>> dates;
    for (int row = 1; row < table.rowCount(); ++row) {
        const QString& name = table.cell(company::Name, row);
        if (isBlank(name))
            continue;
        dates[name].append({table.cell(company::PeriodFrom, row), table.cell(company::PeriodTo, row),
                            table.cell(company::ContractDate, row)});
    }
    return dates;
}

void restoreSiteDates(TextGrid& table, int rows, const QHash<QString, QList<SiteDates>>& dates)
{
    QHash<QString, int> seen;
    for (int row = 1; row <= rows; ++row) {
        const QString& name = table.cell(company::Name, row);
        const int k = seen[name]++;
        const auto it = dates.constFind(name);
        if (it == dates.cend() || k >= it->size())
            continue;
        for (int i = 0; i < 3; ++i)
            table.setCell(company::PeriodFrom + i, row, (*it)[k][size_t(i)]);
    }
}

// The company list rows of each name in the tree, in list order; the
// heading row is no company.
QHash<QString, QList<int>> companyRowsOf(const SubcontractTree& tree, const TextGrid& companies)
{
    QHash<QString, QList<int>> rows;
    rows.reserve(tree.size());
    for (int i = 0; i < tree.size(); ++i)
        if (!tree.text(i).isEmpty())
            rows.insert(tree.text(i), {});
    for (int row = 1; row < companies.rowCount(); ++row) {
        const auto it = rows.find(companies.cell(company::Name, row));
        if (it != rows.end())
            it->append(row);
    }
    return rows;
}

// Column 40 := the number of the last row named as the row's upper company.
void numberUpperCompanies(TextGrid& table, int rows)
{
    QHash<QString, int> lastRow;
    for (int row = 1; row <= rows; ++row)
        lastRow.insert(table.cell(company::Name, row), row);
    for (int row = 1; row <= rows; ++row)
        table.setCell(company::UpperNo, row, QString::number(lastRow.value(table.cell(company::UpperName, row), 0)));
}

// The editor after a rebuild: on the selected node's row; else on the last
// row when its row is gone, so that no write-back brings a removed company
// back into the table.
void followWithEditor(Project& project, int rows)
{
    const int selectedRow = rowOfNode(project, project.tree.selected());
    if (selectedRow > 0)
        project.currentRow = selectedRow;
    else if (project.currentRow > rows)
        project.currentRow = rows;
    if (project.currentRow > 0)
        editor::load(project);
}

} // namespace

QString noUpperSelectedMessage()
{
    return QStringLiteral("直近上位の業者を選択して下さい。");
}

QString noNodeSelectedMessage()
{
    return QStringLiteral("削除する業者を選択して下さい。");
}

bool registerFirstTier(Project& project, const QString& name, const TextGrid& companies)
{
    project.guideState = kGuideSubcontractorCallUp;
    if (name.isEmpty())
        return false;
    project.tree.select(project.tree.addTopLevel(name));
    project.record.setText(QStringLiteral("Edit75"), project.record.text(field::PrimeName));
    project.notifyTreeChanged();
    rebuildTable(project, companies);
    return true;
}

QString registerSubcontractor(Project& project, const QString& name, const TextGrid& companies)
{
    project.guideState = kGuideSubcontractorCallUp;
    SubcontractTree& tree = project.tree;
    if (tree.selected() < 0)
        return noUpperSelectedMessage();
    if (tree.tier(tree.selected()) >= SubcontractTree::kMaxTiers)
        return SubcontractTree::tooDeepMessage();
    tree.addChild(tree.selected(), name);
    project.notifyTreeChanged();
    rebuildTable(project, companies);
    return {};
}

QString deleteSelected(Project& project, const TextGrid& companies)
{
    project.guideState = kGuideSubcontractorCallUp;
    SubcontractTree& tree = project.tree;
    const bool selected = tree.selected() >= 0;
    if (selected) {
        tree.remove(tree.selected());
        project.notifyTreeChanged();
    }
    rebuildTable(project, companies);
    return selected ? QString() : noNodeSelectedMessage();
}

SubcontractTree::Drop drop(Project& project, int dragged, int target, bool shift)
{
    SubcontractTree& tree = project.tree;
    tree.select(dragged);
    const auto result = tree.drop(dragged, target, shift);
    if (result == SubcontractTree::Drop::Moved)
        project.notifyTreeChanged();
    return result;
}

void selectNode(Project& project, int index)
{
    project.tree.select(index);
    const int row = rowOfNode(project, index);
    if (row <= 0)
        return;
    project.currentRow = row;
    editor::load(project);
    project.notifyTablesChanged();
}

void rebuildTable(Project& project, const TextGrid& companies)
{
    const SubcontractTree& tree = project.tree;
    TextGrid& table = project.contractors;
    const auto dates = siteDatesByName(table);
    for (int row = 1; row < table.rowCount(); ++row)
        table.clearRow(row);
    const auto rowsByName = companyRowsOf(tree, companies);
    const QString prime = project.record.text(field::PrimeName);
    project.nodeRows.assign(size_t(tree.size()), 0);
    int n = 0;
    for (int i = 0; i < tree.size(); ++i) {
        const auto it = rowsByName.constFind(tree.text(i));
        if (tree.text(i).isEmpty() || it == rowsByName.cend())
            continue;
        const int parent = tree.parent(i);
        const QString upper = parent >= 0 ? tree.text(parent) : prime;
        for (int source : *it) {
            table.setRowCount(++n + 1);
            for (int column = 0; column < company::kColumns; ++column)
                table.setCell(column, n, companies.cell(column, source));
            table.setCell(company::UpperName, n, upper);
            table.setCell(company::Tier, n, QString::number(tree.tier(i)));
            table.setCell(kFirstTierColumn, n, tree.text(tree.firstTier(i)));
            if (project.nodeRows[size_t(i)] == 0)
                project.nodeRows[size_t(i)] = n;
        }
    }
    numberUpperCompanies(table, n);
    restoreSiteDates(table, n, dates);
    project.nodeCount = QString::number(tree.size());
    editor::renumber(project);
    followWithEditor(project, n);
    outline::build(project);
    project.notifyTablesChanged();
}

TextGrid listing(const SubcontractTree& tree)
{
    TextGrid out(5, std::max(50, tree.size()));
    for (int i = 0; i < tree.size(); ++i) {
        out.setCell(0, i, QString::number(i));
        out.setCell(1, i, tree.text(i));
        out.setCell(2, i, QString(2 * tree.level(i), u' ') + tree.text(i));
        out.setCell(3, i, QString::number(tree.tier(i)));
        out.setCell(4, i, tree.text(tree.firstTier(i)));
    }
    return out;
}

int rowOfNode(const Project& project, int index)
{
    return index >= 0 && size_t(index) < project.nodeRows.size() ? project.nodeRows[size_t(index)] : 0;
}

void mapNodesToRows(Project& project)
{
    const SubcontractTree& tree = project.tree;
    const TextGrid& table = project.contractors;
    project.nodeRows.assign(size_t(tree.size()), 0);
    int row = 1;
    for (int i = 0; i < tree.size() && row < table.rowCount(); ++i) {
        const QString& name = tree.text(i);
        if (name.isEmpty() || table.cell(company::Name, row) != name)
            continue;
        project.nodeRows[size_t(i)] = row++;
        // A name listed twice in the company list built two rows.
        const bool nextSame = i + 1 < tree.size() && tree.text(i + 1) == name;
        while (!nextSame && row < table.rowCount() && table.cell(company::Name, row) == name)
            ++row;
    }
}

} // namespace mirevo::sitetree
