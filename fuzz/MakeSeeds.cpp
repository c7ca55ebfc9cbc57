// Writes the text seeds of the fuzz corpora from the program's own writers:
// make_seeds <corpus-folder>.
#include "common/TextFile.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "registry/CompanyFile.h"
#include "registry/Registry.h"

#include <QDir>

using namespace mirevo;

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    Project project;
    textfile::writeLines(corpus.filePath("project/empty.anz"), projectfile::write(project));
    Registry registry;
    registry.companies.setCell(1, 1, QStringLiteral("株式会社テスト"));
    registry.save(corpus.filePath("registry/one-company.kss"));
    textfile::writeLines(corpus.filePath("company/one-company.kss"), companyfile::lines(registry, 1));
    return 0;
}
