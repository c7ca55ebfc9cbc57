#include "DocumentTestSupport.h"

#include "XlsxChecker.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace mirevo::documents::test {

TestSite::TestSite()
{
    record.setText("Edit9", QStringLiteral("青空ビル新築工事"));
    record.setText("Edit10", QStringLiteral("元請建設株式会社"));
    record.setText("Edit12", QStringLiteral("元請 一郎"));
    record.setText("Edit14", QStringLiteral("現場 次郎"));
    record.setText("Edit41", QStringLiteral("令和 8年12月 9日"));
    view.record = &record;
}

int TestSite::add(const QString& name, const QString& tier, int upper, int workers)
{
    QStringList cells(55);
    const int tableRow = int(view.contractors.size()) + 1;
    cells[company::No] = QString::number(tableRow);
    cells[company::Name] = name;
    cells[company::Representative] = name + QStringLiteral(" 代表");
    cells[company::Address] = name + QStringLiteral(" 住所");
    cells[company::Tier] = tier;
    cells[company::UpperNo] = QString::number(upper);
    cells[company::WorkerCount] = QString::number(workers);
    view.contractors << cells;
    return tableRow;
}

std::string saveChecked(sheet::Workbook& book, const std::string& name)
{
    QDir().mkpath(QStringLiteral(MIREVO_DOCUMENTS_OUTPUT));
    const std::string path = std::string(MIREVO_DOCUMENTS_OUTPUT) + "/" + name + ".xlsx";
    book.SaveAs(path);
    const std::vector<std::string> problems = sheet::test::checkXlsx(path);
    EXPECT_TRUE(problems.empty()) << name << ": " << (problems.empty() ? "" : problems.front());
    return path;
}

void checkedElsewhere(sheet::Workbook& book, const std::string& name)
{
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/" + name + ".xlsx";
    book.SaveAs(path);
    const std::vector<std::string> problems = sheet::test::checkXlsx(path);
    EXPECT_TRUE(problems.empty()) << name << ": " << (problems.empty() ? "" : problems.front());
}

bool opensABox(sheet::Worksheet& ws, const std::string& cell)
{
    const sheet::Rect r = sheet::parseRect(cell);
    const sheet::Rect* box = ws.data().mergeAt(r.r1, r.c1);
    return box && box->r1 == r.r1 && box->c1 == r.c1;
}

double printedHeight(sheet::Worksheet& ws, int pageRows)
{
    double height = 0;
    for (int r = 1; r <= pageRows; ++r)
        height += ws.Cells(r, 1).RowHeight();
    return height * ws.PageSetup().Zoom() / 100.0;
}

std::string cell(const char* column, int row)
{
    return column + std::to_string(row);
}

std::vector<int> breaksAbove(sheet::Worksheet& ws)
{
    std::vector<int> rows;
    for (int below : ws.data().rowBreaks)
        rows.push_back(below + 1);
    return rows;
}

QString value(sheet::Worksheet& ws, const char* cell)
{
    return QString::fromStdString(ws.Range(cell).Value());
}

QString value(sheet::Worksheet& ws, const std::string& cell)
{
    return QString::fromStdString(ws.Range(cell).Value());
}

} // namespace mirevo::documents::test
