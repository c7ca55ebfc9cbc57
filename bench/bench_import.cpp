// Worker import benchmark: 10,000 rows of CSV read, checked, planned (the
// preview's data), written into the registry and the registry saved.
//
//   mirevo_bench_import [folder]
//
// folder: where the CSV and the registry are written (default: the
// temporary folder). Wall time of the whole import, median and best of five.

#include "BenchSupport.h"
#include "registry/CompanyRecord.h"
#include "registry/CsvTable.h"
#include "registry/Registry.h"
#include "registry/WorkerImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace mirevo;

namespace {

constexpr int kRows = 10000;
constexpr int kCompanies = 24; // the company list holds 24 companies

QString companyName(int i)
{
    return QStringLiteral("協力会社%1株式会社").arg(i);
}

void writeCsv(const QString& path)
{
    QList<QStringList> rows{{QStringLiteral("フリガナ"), QStringLiteral("氏名"), QStringLiteral("生年月日"),
                             QStringLiteral("雇入年月日"), QStringLiteral("住所"), QStringLiteral("電話番号"),
                             QStringLiteral("血液型"), QStringLiteral("健康診断日"), QStringLiteral("会社名"),
                             QStringLiteral("技能講習①"), QStringLiteral("免許①")}};
    for (int i = 0; i < kRows; ++i)
        rows << QStringList{QStringLiteral("さぎょういん %1").arg(i),
                            QStringLiteral("作業員 %1").arg(i),
                            QStringLiteral("S%1.%2.%3").arg(40 + i % 20).arg(1 + i % 12).arg(1 + i % 28),
                            QStringLiteral("2015/04/01"),
                            QStringLiteral("香川県高松市番町%1丁目%2番地").arg(i % 9 + 1).arg(i),
                            QStringLiteral("090-0000-%1").arg(i, 4, 10, QLatin1Char('0')),
                            QStringLiteral("A型"),
                            QStringLiteral("令和8年3月2日"),
                            companyName(i % kCompanies),
                            QStringLiteral("玉掛け"),
                            QStringLiteral("普通自動車")};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::exit(1);
    file.write(csv::write(rows).toUtf8());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    qputenv("MIREVO_HOME", folder.toUtf8());
    const QString csvPath = QDir(folder).filePath(QStringLiteral("bench_workers.csv"));
    writeCsv(csvPath);
    std::vector<double> ms;
    for (int run = 0; run < 5; ++run) {
        Registry registry;
        for (int i = 0; i < kCompanies; ++i)
            registry.companies.setCell(company::Name, i + 1, companyName(i));
        const auto start = std::chrono::steady_clock::now();
        const workerimport::Plan plan
            = workerimport::plan(workerimport::readFile(csvPath), registry, {QString(), false, QDate(2026, 12, 10)});
        workerimport::apply(plan, registry);
        ms.push_back(bench::since(start) * 1000);
        if (plan.count(workerimport::Status::Add) != kRows)
            return std::fprintf(stderr, "%s\n", qPrintable(plan.summary())), 1;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("import of %d rows (read, check, plan, save): median %.0f ms, best %.0f ms (target <= 1000 ms); "
                "peak %ld KiB\n",
                kRows, ms[ms.size() / 2], ms.front(), bench::peakKiB());
    QFile::remove(csvPath);
    QFile::remove(Registry::fileName());
    return 0;
}
