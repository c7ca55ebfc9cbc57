#pragma once
// A small site filled directly, and checked saving of generated workbooks.
#include "documents/Document.h"
#include "project/ProjectRecord.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

namespace mirevo::sheet {
class Application;
class Workbook;
class Worksheet;
} // namespace mirevo::sheet

namespace mirevo::documents::test {

// The workbook engine's classes the document tests work with.
using sheet::Application;
using sheet::Workbook;
using sheet::Worksheet;

// A site with a prime contractor and the companies added by `add`.
class TestSite {
public:
    TestSite();
    // Appends a table row: company, tier, upper row, worker count.
    int add(const QString& name, const QString& tier, int upper = 0, int workers = 0);
    QStringList& row(int tableRow) { return view.contractors[tableRow - 1]; }

    ProjectRecord record;
    SiteView view;
};

// Saves into the folder the openpyxl test loads, expects the structural
// checker to find nothing, and returns the path.
std::string saveChecked(sheet::Workbook& book, const std::string& name);

// The same for a workbook too large for the openpyxl load: saved in a
// temporary folder and checked there.
void checkedElsewhere(sheet::Workbook& book, const std::string& name);

// Whether `cell` is the top-left cell of a merged box of the form.
bool opensABox(sheet::Worksheet& ws, const std::string& cell);

// Height in points of the first `pageRows` rows as printed, at the sheet's zoom.
double printedHeight(sheet::Worksheet& ws, int pageRows);

// The address of `column` at `row` ("AZ" and 12: "AZ12").
std::string cell(const char* column, int row);

// Rows above which a manual page break stands.
std::vector<int> breaksAbove(sheet::Worksheet& ws);

// Shown text of one cell.
QString value(sheet::Worksheet& ws, const char* cell);
QString value(sheet::Worksheet& ws, const std::string& cell);

} // namespace mirevo::documents::test
