#include "SiteView.h"

#include "common/Error.h"
#include "common/TextGrid.h"
#include "project/Project.h"
#include "project/ProjectActions.h"
#include "project/ProjectRecord.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

namespace mirevo::documents {

QString SiteView::field(const char* name) const
{
    return record ? record->text(QString::fromLatin1(name)) : QString();
}

QString SiteView::contractor(int row, int column) const
{
    if (row < 1 || row > contractors.size())
        return {};
    return contractors[row - 1].value(column);
}

QList<int> SiteView::companyRows() const
{
    QList<int> rows;
    for (int r = 1; r <= contractors.size(); ++r)
        if (!isBlankName(contractor(r, company::Name)))
            rows << r;
    return rows;
}

QList<QStringList> SiteView::workersOf(const QString& company) const
{
    QList<QStringList> taken;
    if (company.isEmpty())
        return taken;
    for (const QStringList& w : workers)
        if (w.value(worker::Company) == company)
            taken << w;
    return taken;
}

QString SiteView::primeName() const
{
    return field(field::PrimeName);
}

int SiteView::upperRow(int row) const
{
    const QString text = contractor(row, company::UpperNo).trimmed();
    if (isBlankName(text) || text.isEmpty())
        return 0;
    int digits = 0;
    while (digits < text.size() && text[digits].isDigit() && text[digits].unicode() < 128)
        ++digits;
    if (digits == 0)
        throw Error(QStringLiteral("再下請負業者一覧の %1 行目「直近上位の会社No.」が数字ではありません: \"%2\"")
                        .arg(row).arg(excerpt(text)));
    return text.left(digits).toInt();
}

namespace {

QList<QStringList> dataRows(const TextGrid& grid)
{
    QList<QStringList> rows;
    for (int r = 1; r < grid.rowCount(); ++r)
        rows << grid.row(r);
    return rows;
}

} // namespace

SiteView siteOf(const Project& project)
{
    SiteView view;
    view.record = &project.record;
    view.workers = dataRows(project.workers);
    view.contractors = dataRows(project.contractors);
    view.tierOutline = dataRows(project.tierOutline);
    view.primeWorkers = project.motoukeNinzu;
    return view;
}

void readSite(const QString& path, Project& project)
{
    project::open(path, project);
}

} // namespace mirevo::documents
