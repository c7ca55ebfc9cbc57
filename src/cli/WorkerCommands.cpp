#include "WorkerCommands.h"
#include "UsageError.h"
#include "common/Clock.h"
#include "common/Error.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "registry/WorkerExport.h"
#include "registry/WorkerImport.h"

#include <QDir>
#include <QTextStream>

namespace mirevo::cli {
namespace {

constexpr int kFailed = 1;
constexpr int kSomeRejected = 4;

struct Args {
    QString company;
    bool update = false;
    QString file;
};

// Throws UsageError for wrong usage.
Args parse(const QStringList& args, bool allowUpdate)
{
    Args a;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--company")) {
            if (i + 1 >= args.size())
                throw UsageError{QStringLiteral("--company の値がありません")};
            a.company = args[++i];
        } else if (allowUpdate && args[i] == QLatin1String("--update")) {
            a.update = true;
        } else if (args[i].startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("知らないオプションです: %1").arg(args[i])};
        } else {
            files << args[i];
        }
    }
    if (files.size() != 1)
        throw UsageError{QStringLiteral("ファイルを一つ指定してください")};
    a.file = files[0];
    return a;
}

bool hasCompany(const Registry& registry, const QString& name)
{
    for (int row = 1; row < registry.companies.rowCount(); ++row)
        if (registry.companies.cell(company::Name, row) == name)
            return true;
    return false;
}

// The program folder's registry; Error when it cannot be read or has no
// company `name` (when one is given).
void loadFor(Registry& registry, const QString& name)
{
    registry.load();
    if (!name.isEmpty() && !hasCompany(registry, name))
        throw Error(QStringLiteral("会社情報リストにない会社です: %1").arg(name));
}

} // namespace

int importWorkers(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const Args a = parse(args, true);
    try {
        Registry registry;
        loadFor(registry, a.company);
        const workerimport::Plan plan
            = workerimport::plan(workerimport::readFile(a.file), registry, {a.company, a.update, clock::today()});
        if (!plan.unknownHeadings.isEmpty())
            err << QStringLiteral("取り込まない見出し: ") << plan.unknownHeadings.join(QStringLiteral("、"))
                << Qt::endl;
        for (const QString& line : plan.rejectedLines())
            err << line << Qt::endl;
        workerimport::apply(plan, registry);
        out << plan.summary() << Qt::endl;
        return plan.count(workerimport::Status::Reject) > 0 ? kSomeRejected : 0;
    } catch (const Error& e) {
        err << QStringLiteral("mirevo: ") << QDir::toNativeSeparators(a.file) << QStringLiteral(": ") << e.message()
            << Qt::endl;
        return kFailed;
    }
}

int exportWorkers(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const Args a = parse(args, false);
    try {
        Registry registry;
        loadFor(registry, a.company);
        const int written = workerexport::write(registry, a.company, a.file);
        out << QStringLiteral("作業員 %1 人を %2 に書き出しました").arg(written).arg(QDir::toNativeSeparators(a.file))
            << Qt::endl;
        return 0;
    } catch (const Error& e) {
        err << QStringLiteral("mirevo: ") << e.message() << Qt::endl;
        return kFailed;
    }
}

QString workerCommandsUsage()
{
    return QStringLiteral(
        "  mirevo import-workers [--company NAME] [--update] FILE\n"
        "      作業員の一覧 FILE (.csv / .tsv / .txt / .xlsx) を会社情報の作業員名簿に取り込みます。見出しは名前で\n"
        "      読みます (ふりがな、氏名、生年月日、会社名 …)。会社名の列が無い行は --company の会社に入ります。\n"
        "      登録済みの作業員 (氏名と会社名が同じ) は省略し、--update のときは更新します。取り込めなかった行は\n"
        "      標準エラーに一行ずつ表示し、終了コード 4 で終わります (ほかの行は取り込みます)。\n"
        "  mirevo export-workers [--company NAME] OUT.csv|OUT.xlsx\n"
        "      会社情報の作業員名簿 (--company のときはその会社の作業員) を書き出します。\n");
}

} // namespace mirevo::cli
