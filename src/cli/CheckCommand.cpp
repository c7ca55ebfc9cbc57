#include "CheckCommand.h"
#include "UsageError.h"

#include "check/FindingOutput.h"
#include "check/SiteCheck.h"
#include "common/Clock.h"
#include "common/Error.h"
#include "documents/SiteView.h"
#include "project/Project.h"

#include <QTextStream>

namespace mirevo::cli {
namespace {

constexpr int kUnreadable = 1;

} // namespace

int checkCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    bool asCsv = false;
    QStringList files;
    for (const QString& a : args) {
        if (a == QLatin1String("--csv"))
            asCsv = true;
        else if (a.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("知らないオプションです: %1").arg(a)};
        else
            files << a;
    }
    if (files.size() != 1)
        throw UsageError{QStringLiteral("SITE.anz を一つ指定してください")};
    Project project;
    try {
        documents::readSite(files[0], project);
    } catch (const Error& e) {
        err << QStringLiteral("mirevo: ") << e.message() << Qt::endl;
        return kUnreadable;
    } catch (const std::exception& e) {
        err << QStringLiteral("mirevo: ") << QString::fromUtf8(e.what()) << Qt::endl;
        return kUnreadable;
    }
    const check::Report report = check::checkSite(project, clock::today());
    if (asCsv) {
        out << QString::fromUtf8(check::csv(report));
        out.flush();
    } else {
        for (const QString& line : check::textLines(report))
            out << line << Qt::endl;
    }
    return check::exitCode(report);
}

QString checkSummary(const Project& project)
{
    return QStringLiteral("提出前チェック: ") + check::summary(check::checkSite(project, clock::today()))
        + QStringLiteral(" (詳しくは mirevo check)");
}

QString checkUsage()
{
    return QStringLiteral(
        "  mirevo check [--csv] SITE.anz\n"
        "      現場 SITE.anz を提出前にチェックし、直すところを会社ごとに一行ずつ表示します。\n"
        "      --csv              UTF-8 の CSV (level,code,company,worker,field,message) で出力します\n"
        "      終了コード: 0 エラー・警告なし、4 エラーか警告あり、1 読めない、2 使い方の誤り\n");
}

} // namespace mirevo::cli
