// Site model benchmark: the subcontracting tree's table rebuild, the worker
// list's housekeeping and the registry load, on a large site.
//
//   mirevo_bench_site [folder [tree|workers|registry]]
//
// folder: where the registry file is written (default: the temporary
// folder). Times are the thread's CPU time, median and best of the runs.

#include "project/Project.h"
#include "project/SiteTree.h"
#include "project/SiteWorkers.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "roster/WorkerRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using namespace mirevo;

namespace {

struct Timing {
    double median;
    double best;
};

// CPU time of this thread in milliseconds: on a shared machine the wall
// clock also counts the time other programs take.
double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Runs `prepare` untimed and `work` timed, `runs` times.
Timing measure(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const double start = cpuMs();
        work();
        ms.push_back(cpuMs() - start);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

// `limit` 0: a reference figure without a target.
void report(const char* what, const Timing& t, double limit)
{
    std::printf("%-58s median %7.2f ms  best %7.2f ms", what, t.median, t.best);
    if (limit > 0)
        std::printf("  (target <= %.0f ms) %s", limit, t.median <= limit ? "ok" : "OVER");
    std::printf("\n");
}

TextGrid companyList(int count)
{
    TextGrid list(company::kColumns, count + 2);
    list.setRow(0, company::headings());
    for (int row = 1; row <= count; ++row) {
        for (int column = 0; column < company::kColumns; ++column)
            list.setCell(column, row, QStringLiteral("会社%1 項目%2").arg(row).arg(column));
        list.setCell(company::No, row, QString::number(row));
        list.setCell(company::Name, row, QStringLiteral("株式会社 協力%1工業").arg(row));
    }
    return list;
}

// 300 nodes over six tiers, named after companies spread over the list.
void growTree(SubcontractTree& tree, const TextGrid& companies, int nodes)
{
    QRandomGenerator random(300);
    std::vector<int> lastAt(8, -1);
    int deepest = 0;
    for (int i = 0; i < nodes; ++i) {
        const QString name = companies.cell(company::Name, 1 + int(random.bounded(companies.rowCount() - 2)));
        const int tier = 1 + int(random.bounded(std::min(deepest + 1, 6)));
        const int node = tier == 1 ? tree.addTopLevel(name) : tree.addChild(lastAt[size_t(tier - 1)], name);
        for (int& last : lastAt)
            if (last >= node)
                ++last;
        lastAt[size_t(tier)] = node;
        deepest = std::max(deepest, tier);
    }
}

void fillWorkers(TextGrid& list, int count, int companies)
{
    list.setRowCount(count + 2);
    QRandomGenerator random(5000);
    for (int row = 1; row <= count; ++row) {
        for (int column = 1; column < worker::kColumns; ++column)
            list.setCell(column, row, QStringLiteral("値%1-%2").arg(row).arg(column));
        // One worker in twenty is entered twice.
        const int person = row % 20 == 0 ? row - 7 : row;
        list.setCell(worker::Reading, row, QStringLiteral("よみ%1").arg(person));
        list.setCell(worker::Name, row, QStringLiteral("作業員 %1").arg(person));
        list.setCell(worker::Company, row, QStringLiteral("株式会社 協力%1工業").arg(1 + person % companies));
        list.setCell(worker::Birth, row,
                     QStringLiteral("%1/%2/%3")
                         .arg(1950 + random.bounded(55))
                         .arg(1 + random.bounded(12))
                         .arg(1 + random.bounded(28)));
        list.setCell(worker::Employed, row, QStringLiteral("2015/4/1"));
    }
}

void benchRebuild()
{
    const TextGrid companies = companyList(5000);
    Project project;
    project.record.setText(QStringLiteral("Edit10"), QStringLiteral("元請建設"));
    growTree(project.tree, companies, 300);
    const Timing t = measure(
        50, [] {}, [&] { sitetree::rebuildTable(project, companies); });
    std::printf("  (%d rows built from %d nodes)\n", project.shitaukeCount, project.tree.size());
    report("rebuild table from tree: 300 nodes, 5,000 companies", t, 5);
}

void benchWorkers()
{
    Project base;
    base.record.setText(QStringLiteral("Edit10"), QStringLiteral("元請建設"));
    base.contractors.setRowCount(301);
    for (int row = 1; row <= 300; ++row)
        base.contractors.setCell(company::Name, row, QStringLiteral("株式会社 協力%1工業").arg(row));
    fillWorkers(base.workers, 5000, 300);
    Project project;
    project.record.setText(QStringLiteral("Edit10"), QStringLiteral("元請建設"));
    const QDate today(2026, 12, 9);
    const Timing t = measure(
        30,
        [&] {
            project.workers = base.workers;
            project.contractors = base.contractors;
            project.workerCompany = QStringLiteral("株式会社 協力7工業");
        },
        [&] {
            siteworkers::filter(project);
            siteworkers::removeDuplicates(project);
            siteworkers::computeAges(project, today);
            siteworkers::countWorkers(project);
        });
    std::printf("  (%d workers after removing duplicates)\n", project.st3Count);
    report("filter, remove duplicates + compact, ages, count: 5,000", t, 20);
}

void benchRegistryLoad(const QString& folder)
{
    Registry registry;
    registry.companies = companyList(1000);
    fillWorkers(registry.workers, 10000, 1000);
    registry.workers.setRow(0, worker::registryHeadings());
    qputenv("MIREVO_HOME", QFile::encodeName(folder));
    const QString path = Registry::fileName();
    registry.save(path);
    std::printf("  (registry file %lld bytes)\n", QFileInfo(path).size());
    Registry loaded;
    const Timing full = measure(
        10, [] {}, [&] { loaded.load(path); });
    report("registry read and parsed: 1,000 companies, 10,000 workers", full, 0);
    loaded.load();
    const Timing again = measure(
        30, [] {}, [&] { loaded.load(); });
    report("registry reload at activation, file unchanged", again, 50);
    const Timing edited = measure(
        30, [&] { loaded.companies.setCell(company::Name, 1, QStringLiteral("未保存")); }, [&] { loaded.load(); });
    report("registry reload at activation, lists edited in memory", edited, 50);
    if (qEnvironmentVariableIsEmpty("MIREVO_BENCH_KEEP"))
        QFile::remove(path);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const QString only = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    if (only.isEmpty() || only == QLatin1String("tree"))
        benchRebuild();
    if (only.isEmpty() || only == QLatin1String("workers"))
        benchWorkers();
    if (only.isEmpty() || only == QLatin1String("registry"))
        benchRegistryLoad(folder);
    return 0;
}
