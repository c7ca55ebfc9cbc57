#include "SampleSite.h"
#include "check/SiteCheck.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// Sample rows: worker 1 佐藤 一郎 (prime contractor), worker 5 伊藤 直樹 and
// table row 1 讃岐設備工業株式会社 (first tier); row 2 栗林配管 is under row 1.
std::function<void(Project&)> worker(int column, const char* text, int row = 1)
{
    return [=](Project& p) { p.workers.setCell(column, row, QString::fromUtf8(text)); };
}
std::function<void(Project&)> company(int column, const char* text, int row = 1)
{
    return [=](Project& p) { p.contractors.setCell(column, row, QString::fromUtf8(text)); };
}
std::function<void(Project&)> field(const char* control, const char* text)
{
    return [=](Project& p) { p.record.setText(QString::fromLatin1(control), QString::fromUtf8(text)); };
}

class Findings : public ::testing::TestWithParam<Case> { };

TEST_P(Findings, OfOneChangeToTheSampleSite)
{
    Project project;
    readSample(project);
    GetParam().change(project);
    EXPECT_EQ(sorted(codesOf(check::checkSite(project, kToday))), sorted(GetParam().expected));
}

std::string nameOf(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

// 作成日 2026/12/01: the 18th birthday ends "minor", the 65th begins
// "elderly"; 29 February counts as 28 February in a common year.
const Case kAges[] = {
    {"EighteenToday", worker(worker::Birth, "2008/12/01"), {}},
    {"EighteenTomorrow", worker(worker::Birth, "2008/12/02"), {"info:minor"}},
    {"SixtyFiveToday", worker(worker::Birth, "1961/12/01"), {"info:elderly"}},
    {"SixtyFiveTomorrow", worker(worker::Birth, "1961/12/02"), {}},
    {"EraBirthDate", worker(worker::Birth, "昭和36年12月1日"), {"info:elderly"}},
    {"FullWidthDigits", worker(worker::Birth, "２００８/１２/０２"), {"info:minor"}},
    {"LeapDayInACommonYear",
     [](Project& p) {
         p.workers.setCell(worker::Birth, 1, "1960/02/29");
         p.record.setText("Edit41", QStringLiteral("令和 7年 2月28日"));
     },
     {"info:elderly"}},
    {"BirthEmpty", worker(worker::Birth, ""), {"warning:birth-unreadable"}},
    {"BirthUnreadable", worker(worker::Birth, "昭和の終わり"), {"warning:birth-unreadable"}},
    {"BirthImpossible", worker(worker::Birth, "1970/02/30"), {"warning:birth-unreadable"}},
    {"BirthAfterCreation", worker(worker::Birth, "2027/01/01"), {"warning:birth-unreadable"}},
};
INSTANTIATE_TEST_SUITE_P(Age, Findings, ::testing::ValuesIn(kAges), nameOf);

// 160 high or 95 low is reported, one less is not; a health check exactly
// one year before 作成日 is still in time.
const Case kHealth[] = {
    {"HighAtLimit", worker(worker::BloodPressure, "160～80"), {"warning:blood-pressure"}},
    {"BothBelowLimit", worker(worker::BloodPressure, "159～94"), {}},
    {"LowAtLimit", worker(worker::BloodPressure, "99～95"), {"warning:blood-pressure"}},
    {"PressureNotEntered", worker(worker::BloodPressure, "～"), {}},
    {"PressureUnreadable", worker(worker::BloodPressure, "高め"), {"warning:blood-pressure-unreadable"}},
    {"CheckExactlyOneYear", worker(worker::HealthCheck, "令和 7年12月 1日"), {}},
    {"CheckOneYearAndADay", worker(worker::HealthCheck, "2025/11/30"), {"warning:health-check-old"}},
    {"CheckTemplate", worker(worker::HealthCheck, "        年    月     日"), {"warning:health-check-old"}},
    {"CheckUnreadable", worker(worker::HealthCheck, "春ごろ"), {"warning:health-check-old"}},
};
INSTANTIATE_TEST_SUITE_P(Health, Findings, ::testing::ValuesIn(kHealth), nameOf);

const Case kWorkers[] = {
    {"HealthInsuranceEmpty", worker(worker::HealthInsurance, ""), {"warning:worker-insurance"}},
    {"PensionInitial", worker(worker::PensionInsurance, "0000-000000"), {"warning:worker-insurance"}},
    {"PensionCircles", worker(worker::PensionInsurance, "〇〇〇〇"), {"warning:worker-insurance"}},
    {"EmploymentNotEnrolled", worker(worker::EmploymentInsurance, "未加入"), {"warning:worker-insurance"}},
    {"EmploymentExempt", worker(worker::EmploymentInsurance, "適用除外"), {}},
    {"CompanyNotOnSite", worker(worker::Company, "無名工業"), {"error:worker-company-missing"}},
    {"CompanyFullWidthBlank", worker(worker::Company, "　"), {"error:worker-company-missing"}},
    {"SamePersonTwoCompanies",
     [](Project& p) {
         p.workers.setCell(worker::Name, 5, QStringLiteral("佐藤　一郎"));
         p.workers.setCell(worker::Birth, 5, QStringLiteral("1965/1/1"));
     },
     {"warning:worker-duplicate"}},
    {"SameNameOtherBirth", worker(worker::Name, "佐藤 一郎", 5), {}},
    {"SamePersonSameCompany",
     [](Project& p) {
         p.workers.setCell(worker::Name, 2, QStringLiteral("佐藤 一郎"));
         p.workers.setCell(worker::Birth, 2, QStringLiteral("1965/01/01"));
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Worker, Findings, ::testing::ValuesIn(kWorkers), nameOf);

// A licence granted five years before 作成日 has run out that day; one that
// runs out within 90 days after it is a warning.
const Case kLicences[] = {
    {"ExactlyFiveYears", company(company::LicenceDate1, "令和 3年12月 1日"), {"error:licence-expired"}},
    {"FiveYearsLessADay", company(company::LicenceDate1, "令和 3年12月 2日"), {"warning:licence-expired"}},
    {"EndsOnTheNinetiethDay", company(company::LicenceDate1, "令和 4年 3月 1日"), {"warning:licence-expired"}},
    {"EndsAfterNinetyDays", company(company::LicenceDate1, "令和 4年 3月 2日"), {}},
    {"NumberWithoutDate", company(company::LicenceDate1, "        年    月     日"), {"warning:licence-expired"}},
    {"DateUnreadable", company(company::LicenceDate1, "令和五年"), {"warning:licence-expired"}},
    {"SecondNumberWithoutDate", company(company::LicenceNo2, "05第　9999 号"), {"warning:licence-expired"}},
    {"PrimeExpired", field("Edit30", "令和 3年 4月 1日"), {"error:licence-expired"}},
};
INSTANTIATE_TEST_SUITE_P(Licence, Findings, ::testing::ValuesIn(kLicences), nameOf);

const Case kCompanies[] = {
    {"FourteenDigits", company(company::BusinessId, "12345678901234"), {}},
    {"ThirteenDigits", company(company::BusinessId, "1234567890123"), {"warning:business-id"}},
    {"FifteenDigits", company(company::BusinessId, "123456789012345"), {"warning:business-id"}},
    {"FullWidthDigits", company(company::BusinessId, "１２３４５６７８９０１２３４"), {"warning:business-id"}},
    {"IdInitial", company(company::BusinessId, "00000000000000"), {"warning:business-id"}},
    {"PrimeIdEmpty", field("Edit84", ""), {"warning:business-id"}},
    {"RepresentativeEmpty", company(company::Representative, ""), {"warning:company-missing"}},
    {"PhoneInitial", company(company::Phone, "000-000-0000"), {"warning:company-missing"}},
    {"SafetyPersonCircles", company(27, "〇〇〇〇"), {"warning:company-missing"}},
    {"ChiefEngineerEmpty", company(19, ""), {"warning:company-missing"}},
    {"PrimeChiefEngineerEmpty", field("Edit15", "　"), {"warning:company-missing"}},
    {"PensionNotEnrolled", company(34, "未加入"), {"warning:insurance-not-enrolled"}},
    {"EmploymentExempt", company(36, "適用除外"), {}},
    {"PrimeEmploymentNotEnrolled", field("ComboBox6", "未加入"), {"warning:insurance-not-enrolled"}},
    {"UpperAnotherRow", company(company::UpperNo, "4", 2), {}},
    {"UpperNoSuchRow", company(company::UpperNo, "9", 2), {"error:upper-missing"}},
    {"UpperItself", company(company::UpperNo, "2", 2), {"error:upper-missing"}},
    {"UpperNoNumber", company(company::UpperNo, "上", 2), {"error:upper-missing"}},
    {"UpperEmptyBelowFirstTier", company(company::UpperNo, "", 2), {"error:upper-missing"}},
    {"UpperPrimeByChoiceText", company(company::UpperNo, "0 : 元請"), {}},
    // The works run 2026/01/05 to 2027/03/31.
    {"PeriodReversed", company(company::PeriodTo, "令和 8年 1月31日"), {"error:period-invalid"}},
    {"PeriodUnreadable", company(company::PeriodFrom, "二月から"), {"error:period-invalid"}},
    {"PeriodNotEntered", company(company::PeriodTo, "        年    月     日"), {"warning:period-missing"}},
    {"PeriodBeforeTheWorks", company(company::PeriodFrom, "令和 8年 1月 4日"), {"warning:period-outside"}},
    {"PeriodOnTheWorksEnd", company(company::PeriodTo, "令和 9年 3月31日"), {}},
};
INSTANTIATE_TEST_SUITE_P(Company, Findings, ::testing::ValuesIn(kCompanies), nameOf);

const Case kProject[] = {
    {"WorksNameInitial", field("Edit9", "〇〇〇〇〇新築工事"), {"error:project-missing"}},
    {"OrdererCircles", field("Edit1", "○○○ "), {"error:project-missing"}},
    // The works' start missing: the companies' periods are not compared.
    {"PeriodStartTemplate", field("Edit5", "　　　年　月　日"), {"error:project-missing"}},
    {"PeriodEndUnreadable", field("Edit6", "令和九年"), {"error:period-invalid"}},
    {"PeriodReversed", field("Edit6", "令和 7年12月31日"), {"error:period-invalid"}},
    {"PrimeNameInitial",
     [](Project& p) {
         p.record.setText("Edit10", QStringLiteral("〇〇〇〇〇株式会社"));
         for (int row = 1; row <= 4; ++row) // the prime contractor's own workers
             p.workers.setCell(worker::Company, row, QStringLiteral("〇〇〇〇〇株式会社"));
     },
     {"error:project-missing"}},
    {"CreationDateTemplate", field("Edit41", "        年    月     日"), {"error:project-missing"}},
    {"CreationDateUnreadable", field("Edit41", "今日"), {"error:date-invalid"}},
    {"EmptyRowsLeftAlone",
     [](Project& p) {
         const int free = p.contractors.rowCount() + 1;
         p.contractors.ensureRow(free);
         p.contractors.setCell(company::UpperNo, free, QStringLiteral("99"));
         p.workers.setCell(worker::Birth, 40, QStringLiteral("??"));
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Project, Findings, ::testing::ValuesIn(kProject), nameOf);

TEST(SampleSite, HasNothingToFix)
{
    Project project;
    readSample(project);
    const check::Report report = check::checkSite(project, kToday);
    EXPECT_EQ(codesOf(report), QStringList());
    EXPECT_EQ(report.date, kCreated);
    EXPECT_FALSE(report.dateFromToday);
}

// With 作成日 blank or unreadable the check goes by today, and says so.
TEST(CreationDate, TodayStandsInForOneThatCannotBeUsed)
{
    for (const char* text : {"", "来週"}) {
        Project project;
        readSample(project);
        project.record.setText("Edit41", QString::fromUtf8(text));
        const check::Report report = check::checkSite(project, kToday);
        EXPECT_EQ(report.date, kToday) << text;
        EXPECT_TRUE(check::dateLine(report).contains(QStringLiteral("本日"))) << text;
    }
}

// The works, the prime contractor, then the table's companies in table
// order, each worker with its company.
TEST(Order, GroupsByCompanyInTableOrder)
{
    Project project;
    readSample(project);
    project.workers.setCell(worker::HealthCheck, 30, QString());        // 番町圧接, row 7
    project.contractors.setCell(company::Representative, 7, QString()); // 番町圧接
    project.workers.setCell(worker::HealthCheck, 1, QString());         // the prime contractor
    project.contractors.setCell(company::Phone, 1, QString());          // 讃岐設備
    project.record.setText("Edit9", QString());
    QStringList shown;
    for (const check::Finding& f : check::checkSite(project, kToday).findings)
        shown << f.company + u'/' + f.worker + u'/' + f.field;
    EXPECT_EQ(shown,
              (QStringList{"//工事名称", "瀬戸建設株式会社/佐藤 一郎/健康診断日", "讃岐設備工業株式会社//電話番号",
                           "番町圧接株式会社//代表者名", "番町圧接株式会社/加藤 亮/健康診断日"}));
}

// Document 12 is made for a subcontractor's worker only; the message says
// which.
TEST(Document12, IsNamedForSubcontractorsOnly)
{
    Project project;
    readSample(project);
    project.workers.setCell(worker::Birth, 1, QStringLiteral("1950/01/01"));      // the prime contractor
    project.workers.setCell(worker::BloodPressure, 5, QStringLiteral("170～90")); // 讃岐設備工業株式会社
    const check::Report report = check::checkSite(project, kToday);
    ASSERT_EQ(codesOf(report), (QStringList{"info:elderly", "warning:blood-pressure"}));
    EXPECT_TRUE(report.findings[0].message.contains(
        QStringLiteral("元請の作業員のため、高年齢者就労報告書（12）は作りません。")));
    EXPECT_TRUE(report.findings[1].message.contains(QStringLiteral("高血圧者就労報告書（12）を作ります。")));
}

} // namespace
