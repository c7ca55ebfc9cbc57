// mirevo_bench_documents [folder] [--all-only]
// A large site — one prime contractor, 60 subcontractors over four tiers, 1,200 workers —
// saved as an .anz file, then the whole run the command line makes: read the project, open
// the template workbook (drawn and saved beforehand, as the build does), convert every
// document built so far, save the workbook. Reports the whole run, the time of each
// document on its own, and the peak memory of the process. `--all-only` runs just the whole
// set, for a profiler.
#include "BenchSupport.h"
#include "common/TextGrid.h"
#include "documents/Catalogue.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "project/Project.h"
#include "project/ProjectActions.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <QCoreApplication>
#include <QDir>

#include <chrono>
#include <cstdio>

using namespace mirevo;

namespace {

// Tiers 1 to 4: 15 companies each; each company below the first tier works for
// the company of the same number one tier up.
void addCompanies(Project& p)
{
    p.contractors.setRowCount(61);
    for (int i = 0; i < 60; ++i) {
        const int row = i + 1, tier = i / 15 + 1;
        QStringList cells(Project::kContractorColumns);
        cells[company::No] = QString::number(row);
        cells[company::Name] = QStringLiteral("協力会社%1株式会社").arg(row, 2, 10, QChar(u'0'));
        cells[company::Representative] = QStringLiteral("代表 %1").arg(row);
        cells[company::Address] = QStringLiteral("香川県高松市〇〇町%1番地").arg(row);
        for (int c = company::Trade1; c < company::Phone; ++c)
            cells[c] = QStringLiteral("項目%1").arg(c);
        cells[company::UpperNo] = QString::number(tier == 1 ? 0 : row - 15);
        cells[company::Tier] = QString::number(tier);
        p.contractors.setRow(row, cells);
    }
}

void addWorkers(Project& p)
{
    p.workers.setRowCount(1201);
    for (int i = 0; i < 1200; ++i) {
        QStringList w(worker::kColumns);
        w[0] = QString::number(i + 1);
        w[1] = QStringLiteral("さぎょう %1").arg(i);
        w[2] = QStringLiteral("作業 %1").arg(i);
        w[worker::Company] = i < 60 ? p.record.text("Edit10") : p.contractors.cell(company::Name, (i - 60) / 19 + 1);
        p.workers.setRow(i + 1, w);
    }
}

// Read, open the template, convert `keys`, save; returns the seconds.
double run(const QString& anz, const QStringList& keys, const QString& out, int* sheets)
{
    const auto start = std::chrono::steady_clock::now();
    Project project;
    project::open(anz, project);
    const documents::SiteView site = documents::siteOf(project);
    sheet::Application app;
    sheet::Workbook& forms = documents::openTemplate(app, {}, nullptr);
    sheet::Workbook& book = app.Workbooks().Add();
    *sheets = documents::convert(site, keys, {}, forms, book).sheets;
    book.SaveAs(out);
    return bench::since(start);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    qputenv("MIREVO_HOME", QDir(folder).absolutePath().toUtf8());
    try {
        documents::saveTemplate(documents::templatePath());
        Project p;
        addCompanies(p);
        addWorkers(p);
        const QString anz = QDir(folder).filePath("bench_site.anz");
        project::save(anz, p);

        QStringList available;
        for (const documents::Choice& c : documents::choices())
            available << c.key;
        int sheets = 0;
        const double all = run(anz, available, QDir(folder).filePath("bench_all.xlsx"), &sheets);
        std::printf("site: 60 subcontractors over 4 tiers, 1200 workers\n");
        std::printf("all available documents (%s): %d sheets, %.3f s\n", qPrintable(available.join(',')), sheets, all);
        const bool allOnly = argc > 2 && QByteArray(argv[2]) == "--all-only";
        for (const QString& key : allOnly ? QStringList() : available) {
            const double t = run(anz, {key}, QDir(folder).filePath("bench_one.xlsx"), &sheets);
            std::printf("  %-5s %4d sheets %.3f s (read, template and save included)\n", qPrintable(key), sheets, t);
        }
        std::printf("peak memory: %.1f MB\n", double(bench::peakKiB()) / 1024.0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
