#pragma once
#include <QString>
#include <QStringList>

namespace mirevo {

class Registry;

// The company file (".kda"): one company with its workers, one cell per
// line, to carry a company to another installation.
namespace companyfile {

constexpr int kCompanyLines = 49; // columns 1–49 of the company row
constexpr int kWorkerLines = 40;  // columns 1–40 of each worker row

// The chosen name with ".kda" appended unless it already ends in "kda"
// (exactly, lower case).
QString withExtension(const QString& chosenName);

// The lines of the company in `row` of the company list and of its
// workers (column 32 equal to the company name), in master list order.
// Throws Error for a row without company name.
QStringList lines(const Registry& registry, int row);
void save(const Registry& registry, int row, const QString& path);

enum class LoadResult { Loaded, Duplicate };

struct Loaded {
    LoadResult result = LoadResult::Loaded;
    int companyRow = 0; // the company list row written (0 for a duplicate)
    int workers = 0;
};

// Puts the company on the first company row without a name (a new row
// when there is none) and its workers on free rows of the master list,
// then compacts the master list. A company whose name is already in the
// list loads nothing. Throws Error naming the file and line: before
// anything is written when a company line is missing or the company has no
// name; after the company row
// is written, but before any worker is stored, when the worker count is
// missing or no number or the worker lines are short.
Loaded load(Registry& registry, const QStringList& fileLines, const QString& fileName);
Loaded load(Registry& registry, const QString& path);

} // namespace companyfile
} // namespace mirevo
