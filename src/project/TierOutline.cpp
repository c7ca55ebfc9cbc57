#include "TierOutline.h"
#include "Project.h"
#include "registry/CompanyRecord.h"

#include <QHash>

namespace mirevo::outline {
namespace {

bool rowHasName(const TextGrid& outline, int row)
{
    for (int column = 1; column < outline.columnCount(); ++column)
        if (!outline.cell(column, row).isEmpty())
            return true;
    return false;
}

// Opens an empty row at `row`: every name from there on moves down one row.
// Deeper columns hold nothing from `row` on while a tier is being written,
// so moving whole rows is the same as moving the upper tiers' columns. An
// empty last row is dropped to keep the size; a last row with a name makes
// the outline grow instead.
void openRow(TextGrid& outline, int row)
{
    const int last = outline.rowCount() - 1;
    const bool lastEmpty = !rowHasName(outline, last);
    outline.insertRow(row);
    if (lastEmpty)
        outline.removeRow(outline.rowCount() - 1);
}

// The companies of one tier under each upper company's name, in table
// order.
using Subcontractors = QHash<QString, QStringList>;

std::vector<Subcontractors> subcontractorsByTier(const TextGrid& table, int count)
{
    std::vector<Subcontractors> byTier(static_cast<size_t>(Project::kOutlineColumns));
    for (int q = 1; q <= count; ++q) {
        bool ok = false;
        const QString& tierText = table.cell(company::Tier, q);
        const int tier = tierText.toInt(&ok);
        // Exactly "2" … "9": the written form of the tier, nothing else.
        if (!ok || tier < 2 || tier >= Project::kOutlineColumns || tierText != QString::number(tier))
            continue;
        byTier[size_t(tier)][table.cell(company::UpperName, q)].append(table.cell(company::Name, q));
    }
    return byTier;
}

// Writes the companies of tier `tier` under their upper companies, which
// stand in column tier − 1.
void writeTier(TextGrid& outline, const Subcontractors& under, int tier)
{
    for (int p = 1; p < outline.rowCount(); ++p) {
        const QString upper = outline.cell(tier - 1, p);
        const auto it = under.constFind(upper);
        if (isBlank(upper) || it == under.cend())
            continue;
        for (int j = 0; j < it->size(); ++j) {
            const int row = p + j;
            outline.ensureRow(row);
            if (outline.cell(tier - 1, row) != upper)
                openRow(outline, row);
            outline.setCell(tier, row, (*it)[j]);
        }
    }
}

} // namespace

void build(Project& project)
{
    TextGrid& outline = project.tierOutline;
    outline = TextGrid(Project::kOutlineColumns, Project::kOutlineRows);
    const TextGrid& table = project.contractors;
    const int count = std::min(project.shitaukeCount, table.rowCount() - 1);
    int k = 1;
    for (int q = 1; q <= count; ++q) {
        if (table.cell(company::Tier, q) != QLatin1String("1"))
            continue;
        outline.ensureRow(k);
        outline.setCell(1, k++, table.cell(company::Name, q));
    }
    const auto byTier = subcontractorsByTier(table, count);
    for (int tier = 2; tier < outline.columnCount(); ++tier)
        writeTier(outline, byTier[size_t(tier)], tier);
    for (int row = 1; row < outline.rowCount(); ++row)
        outline.setCell(0, row, rowHasName(outline, row) ? QString::number(row) : QString());
    // Keep one empty row below the last name, as the fixed-size outline had.
    outline.ensureRow(lastRow(outline) + 1);
    project.notifyTablesChanged();
}

void setHeadings(TextGrid& outline)
{
    outline.setCell(0, 0, QStringLiteral("No."));
    for (int tier = 1; tier < outline.columnCount(); ++tier)
        outline.setCell(tier, 0, QStringLiteral("%1次下請け").arg(tier));
}

int lastRow(const TextGrid& outline)
{
    for (int row = outline.rowCount() - 1; row >= 1; --row)
        if (rowHasName(outline, row))
            return row;
    return 0;
}

} // namespace mirevo::outline
