#include "check/FindingOutput.h"

#include <gtest/gtest.h>

using namespace mirevo;
using check::Finding;
using check::Level;

namespace {

Finding finding(Level level, const char* code, const char* company, const char* worker, const char* field,
                const char* message, check::Place place = check::Place::Contractor)
{
    Finding f;
    f.level = level;
    f.code = QString::fromLatin1(code);
    f.company = QString::fromUtf8(company);
    f.worker = QString::fromUtf8(worker);
    f.field = QString::fromUtf8(field);
    f.message = QString::fromUtf8(message);
    f.place = place;
    return f;
}

check::Report sample()
{
    check::Report r;
    r.date = QDate(2026, 12, 1);
    r.findings = {
        finding(Level::Error, "project-missing", "", "", "工事名称", "工事名称が入力されていません。",
                check::Place::Site),
        finding(Level::Warning, "business-id", "一次工業", "", "事業者ID",
                "事業者ID \"12,3\" は14桁の数字ではありません"),
        finding(Level::Info, "minor", "一次工業", "山田 花子", "生年月日", "作成日に 17 歳です。"),
        finding(Level::Warning, "health-check-old", "二次興業", "佐藤 一郎", "健康診断日", "1年を過ぎています。"),
    };
    return r;
}

TEST(Csv, HeaderAndOneQuotedLinePerFinding)
{
    const QByteArray expected
        = QStringLiteral("level,code,company,worker,field,message\n"
                         "error,project-missing,,,工事名称,工事名称が入力されていません。\n"
                         "warning,business-id,一次工業,,事業者ID,\"事業者ID \"\"12,3\"\" は14桁の数字ではありません\"\n"
                         "info,minor,一次工業,山田 花子,生年月日,作成日に 17 歳です。\n"
                         "warning,health-check-old,二次興業,佐藤 一郎,健康診断日,1年を過ぎています。\n")
              .toUtf8();
    EXPECT_EQ(check::csv(sample()), expected);
}

TEST(Csv, LineBreakInACellIsQuoted)
{
    check::Report r;
    r.findings = {finding(Level::Info, "elderly", "会社", "", "生年月日", "一行目\n二行目")};
    EXPECT_TRUE(check::csv(r).endsWith(QStringLiteral(",\"一行目\n二行目\"\n").toUtf8()));
}

TEST(Csv, NoFindingsIsTheHeaderAlone)
{
    EXPECT_EQ(check::csv(check::Report{}), QByteArray("level,code,company,worker,field,message\n"));
}

TEST(Text, OneHeadingPerCompanyThenTheSummary)
{
    const QStringList expected{
        QStringLiteral("作成日 令和8年12月1日 で確認しました。"),
        QStringLiteral("■ 工事・発注者"),
        QStringLiteral("  エラー  工事名称: 工事名称が入力されていません。"),
        QStringLiteral("■ 一次工業"),
        QStringLiteral("  警告  事業者ID: 事業者ID \"12,3\" は14桁の数字ではありません"),
        QStringLiteral("  情報  作業員 山田 花子 生年月日: 作成日に 17 歳です。"),
        QStringLiteral("■ 二次興業"),
        QStringLiteral("  警告  作業員 佐藤 一郎 健康診断日: 1年を過ぎています。"),
        QStringLiteral("エラー 1 件、警告 2 件、情報 1 件"),
    };
    EXPECT_EQ(check::textLines(sample()), expected);
}

} // namespace
