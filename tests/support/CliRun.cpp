#include "support/CliRun.h"
#include "registry/CompanyRecord.h"

#include "cli/Cli.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "support/TempHome.h"

#include <QTextStream>

namespace mirevo::test {

CliResult runCli(const QStringList& args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::run(args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

QString writeSite(const TempHome& home)
{
    Project p;
    p.record.setText("Edit10", QStringLiteral("元請建設"));
    p.contractors.setRow(1, {"1", QStringLiteral("一次工業"), "", QStringLiteral("一次 代表")});
    p.contractors.setCell(company::Tier, 1, "1");
    const QString path = home.file("site.anz");
    projectfile::save(path, p);
    return path;
}

} // namespace mirevo::test
