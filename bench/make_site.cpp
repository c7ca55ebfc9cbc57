// mirevo_bench_make_site SITE.anz OUT.anz [WORKERS]
// The site SITE.anz with WORKERS (default 130) more workers in its first subcontractor: the
// large company whose rosters, new-entrant forms and lists run over many pages, for comparing
// the printed documents with LibreOffice (compare_with_libreoffice.sh).
#include "project/Project.h"
#include "project/ProjectActions.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

using namespace mirevo;

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: mirevo_bench_make_site SITE.anz OUT.anz [WORKERS]\n");
        return 2;
    }
    const int count = argc > 3 ? std::atoi(argv[3]) : 130;
    try {
        Project p;
        project::open(QString::fromLocal8Bit(argv[1]), p);
        const QString company = p.contractors.cell(company::Name, 1);
        const int first = p.workers.rowCount();
        p.workers.setRowCount(first + count);
        for (int i = 0; i < count; ++i) {
            QStringList w(worker::kColumns);
            w[0] = QString::number(first + i);
            w[1] = QStringLiteral("さぎょう いん%1").arg(i + 1);
            w[2] = QStringLiteral("作業 員%1").arg(i + 1);
            w[worker::Company] = company;
            p.workers.setRow(first + i, w);
        }
        project::save(QString::fromLocal8Bit(argv[2]), p);
        std::printf("%s: %d workers added to %s\n", argv[2], count, qPrintable(company));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 0;
}
