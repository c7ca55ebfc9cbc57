#include "SampleSite.h"
#include "check/SiteCheck.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

std::function<void(Project&)> field(const char* control, const char* text)
{
    return [=](Project& p) { p.record.setText(QString::fromLatin1(control), QString::fromUtf8(text)); };
}

TEST(SampleSite, HasNothingToFix)
{
    Project project;
    readSample(project);
    const check::Report report = check::checkSite(project, kToday);
    EXPECT_EQ(codesOf(report), QStringList());
    EXPECT_EQ(report.date, kCreated);
    EXPECT_FALSE(report.dateFromToday);
}

class ProjectCheck : public ::testing::TestWithParam<Case> {};

TEST_P(ProjectCheck, FindsWhatTheChangeBroke)
{
    Project project;
    readSample(project);
    GetParam().change(project);
    EXPECT_EQ(sorted(codesOf(check::checkSite(project, kToday))), sorted(GetParam().expected));
}

const Case kProjectFields[] = {
    {"WorksNameInitial", field("Edit9", "〇〇〇〇〇新築工事"), {"error:project-missing"}},
    {"WorksNameEmpty", field("Edit9", ""), {"error:project-missing"}},
    {"OrdererCircles", field("Edit1", "○○○ "), {"error:project-missing"}},
    {"OrdererInitial", field("Edit1", "〇〇〇〇〇〇〇"), {"error:project-missing"}},
    // The works' start is missing: the companies' periods are not compared.
    {"PeriodStartTemplate", field("Edit5", "　　　年　月　日"), {"error:project-missing"}},
    {"PeriodEndEmpty", field("Edit6", ""), {"error:project-missing"}},
    {"PeriodUnreadable", field("Edit6", "令和九年"), {"error:period-invalid"}},
    {"PeriodReversed", field("Edit6", "令和 7年12月31日"), {"error:period-invalid"}},
    {"PrimeNameInitial",
     [](Project& p) {
         // The prime contractor's own workers then belong to no company.
         p.record.setText("Edit10", QStringLiteral("〇〇〇〇〇株式会社"));
         for (int row = 1; row <= 4; ++row)
             p.workers.setCell(worker::Company, row, QStringLiteral("〇〇〇〇〇株式会社"));
     },
     {"error:project-missing"}},
    {"CreationDateTemplate", field("Edit41", "        年    月     日"), {"error:project-missing"}},
    {"CreationDateUnreadable", field("Edit41", "今日"), {"error:date-invalid"}},
};
INSTANTIATE_TEST_SUITE_P(ProjectRecord, ProjectCheck, ::testing::ValuesIn(kProjectFields),
                         [](const auto& info) { return std::string(info.param.name); });

// With 作成日 blank or unreadable the check goes by today, and says so.
TEST(CreationDate, TodayStandsInForOneThatCannotBeUsed)
{
    for (const char* text : {"", "        年    月     日", "来週"}) {
        Project project;
        readSample(project);
        project.record.setText("Edit41", QString::fromUtf8(text));
        const check::Report report = check::checkSite(project, kToday);
        EXPECT_EQ(report.date, kToday) << text;
        EXPECT_TRUE(report.dateFromToday) << text;
        EXPECT_TRUE(check::dateLine(report).contains(QStringLiteral("本日"))) << text;
    }
}

TEST(CreationDate, DecidesWhatCountsAsExpired)
{
    Project project;
    readSample(project);
    project.contractors.setCell(company::LicenceDate1, 1, QStringLiteral("令和 3年 6月 1日"));
    project.record.setText("Edit41", QStringLiteral("令和 8年 5月31日"));
    EXPECT_EQ(codesOf(check::checkSite(project, kToday)), QStringList{"warning:licence-expired"});
    project.record.setText("Edit41", QStringLiteral("令和 8年 6月 1日"));
    EXPECT_EQ(codesOf(check::checkSite(project, kToday)), QStringList{"error:licence-expired"});
}

// Findings stand by company: the works, the prime contractor, then the
// table's companies in table order, each worker with its company.
TEST(Order, GroupsByCompanyInTableOrder)
{
    Project project;
    readSample(project);
    project.workers.setCell(worker::HealthCheck, 30, QString());            // 番町圧接, row 7
    project.contractors.setCell(company::Representative, 7, QString());    // 番町圧接
    project.workers.setCell(worker::HealthCheck, 1, QString());             // the prime contractor
    project.contractors.setCell(company::Phone, 1, QString());             // 讃岐設備
    project.record.setText("Edit9", QString());
    QStringList companies;
    for (const check::Finding& f : check::checkSite(project, kToday).findings)
        companies << (f.company.isEmpty() ? QStringLiteral("-") : f.company) + u'/' + f.field;
    EXPECT_EQ(companies, (QStringList{"-/工事名称", "瀬戸建設株式会社/健康診断日", "讃岐設備工業株式会社/電話番号",
                                      "番町圧接株式会社/代表者名", "番町圧接株式会社/健康診断日"}));
}

// Rows without a company name, and worker rows without reading and name,
// are left alone, however odd the rest of the row.
TEST(Rows, EmptyOnesAreNotChecked)
{
    Project project;
    readSample(project);
    const int freeRow = project.contractors.rowCount() + 1;
    project.contractors.ensureRow(freeRow);
    project.contractors.setCell(company::UpperNo, freeRow, QStringLiteral("99"));
    project.contractors.setCell(company::BusinessId, freeRow, QStringLiteral("x"));
    project.workers.setCell(worker::Birth, 40, QStringLiteral("??"));
    project.workers.setCell(worker::Company, 40, QStringLiteral("どこか"));
    EXPECT_EQ(codesOf(check::checkSite(project, kToday)), QStringList());
}

} // namespace
