#include "SampleSite.h"
#include "check/SiteCheck.h"
#include "roster/WorkerRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// Row 1 of the sample's worker list: 佐藤 一郎 of the prime contractor.
constexpr int kWorker = 1;
// Row 5: 伊藤 直樹 of 讃岐設備工業株式会社.
constexpr int kOtherCompany = 5;

std::function<void(Project&)> cell(int column, const char* text, int row = kWorker)
{
    return [=](Project& p) { p.workers.setCell(column, row, QString::fromUtf8(text)); };
}

class WorkerCheck : public ::testing::TestWithParam<Case> {};

TEST_P(WorkerCheck, FindsWhatTheChangeBroke)
{
    Project project;
    readSample(project);
    GetParam().change(project);
    EXPECT_EQ(sorted(codesOf(check::checkSite(project, kToday))), sorted(GetParam().expected));
}

// Ages on 2026/12/01: the 18th birthday ends "minor", the 65th begins
// "elderly"; 29 February counts as 28 February in a common year.
const Case kAges[] = {
    {"EighteenToday", cell(worker::Birth, "2008/12/01"), {}},
    {"EighteenTomorrow", cell(worker::Birth, "2008/12/02"), {"info:minor"}},
    {"SixtyFiveToday", cell(worker::Birth, "1961/12/01"), {"info:elderly"}},
    {"SixtyFiveTomorrow", cell(worker::Birth, "1961/12/02"), {}},
    {"EraBirthDate", cell(worker::Birth, "昭和36年12月1日"), {"info:elderly"}},
    {"FullWidthDigits", cell(worker::Birth, "２００８/１２/０２"), {"info:minor"}},
    {"LeapDayInACommonYear",
     [](Project& p) {
         p.workers.setCell(worker::Birth, kWorker, "1960/02/29");
         p.record.setText("Edit41", QStringLiteral("令和 7年 2月28日"));
     },
     {"info:elderly"}},
    {"EmptyBirth", cell(worker::Birth, ""), {"warning:birth-unreadable"}},
    {"UnreadableBirth", cell(worker::Birth, "昭和の終わり"), {"warning:birth-unreadable"}},
    {"ImpossibleBirth", cell(worker::Birth, "1970/02/30"), {"warning:birth-unreadable"}},
    {"BirthAfterCreation", cell(worker::Birth, "2027/01/01"), {"warning:birth-unreadable"}},
};
INSTANTIATE_TEST_SUITE_P(Ages, WorkerCheck, ::testing::ValuesIn(kAges),
                         [](const auto& info) { return std::string(info.param.name); });

// 160 high or 95 low is reported; one less is not.
const Case kPressures[] = {
    {"HighAtLimit", cell(worker::BloodPressure, "160～80"), {"warning:blood-pressure"}},
    {"HighBelowLimit", cell(worker::BloodPressure, "159～94"), {}},
    {"LowAtLimit", cell(worker::BloodPressure, "120～95"), {"warning:blood-pressure"}},
    {"TwoDigitHigh", cell(worker::BloodPressure, "99～95"), {"warning:blood-pressure"}},
    {"NotEntered", cell(worker::BloodPressure, "～"), {}},
    {"Empty", cell(worker::BloodPressure, ""), {}},
    {"Unreadable", cell(worker::BloodPressure, "高め"), {"warning:blood-pressure-unreadable"}},
};
INSTANTIATE_TEST_SUITE_P(BloodPressure, WorkerCheck, ::testing::ValuesIn(kPressures),
                         [](const auto& info) { return std::string(info.param.name); });

// A health check exactly one year before 作成日 is still in time.
const Case kHealthChecks[] = {
    {"ExactlyOneYear", cell(worker::HealthCheck, "令和 7年12月 1日"), {}},
    {"OneYearAndADay", cell(worker::HealthCheck, "令和 7年11月30日"), {"warning:health-check-old"}},
    {"ShortDate", cell(worker::HealthCheck, "2025/11/30"), {"warning:health-check-old"}},
    {"Empty", cell(worker::HealthCheck, ""), {"warning:health-check-old"}},
    {"Template", cell(worker::HealthCheck, "        年    月     日"), {"warning:health-check-old"}},
    {"Unreadable", cell(worker::HealthCheck, "春ごろ"), {"warning:health-check-old"}},
};
INSTANTIATE_TEST_SUITE_P(HealthCheck, WorkerCheck, ::testing::ValuesIn(kHealthChecks),
                         [](const auto& info) { return std::string(info.param.name); });

const Case kInsurances[] = {
    {"HealthEmpty", cell(worker::HealthInsurance, ""), {"warning:worker-insurance"}},
    {"HealthPlaceholder", cell(worker::HealthInsurance, "00000-00-0000"), {"warning:worker-insurance"}},
    {"PensionPlaceholder", cell(worker::PensionInsurance, "0000-000000"), {"warning:worker-insurance"}},
    {"PensionCircles", cell(worker::PensionInsurance, "〇〇〇〇"), {"warning:worker-insurance"}},
    {"EmploymentNotEnrolled", cell(worker::EmploymentInsurance, "未加入"), {"warning:worker-insurance"}},
    {"EmploymentExempt", cell(worker::EmploymentInsurance, "適用除外"), {}},
    {"AllThree",
     [](Project& p) {
         for (int column : {worker::HealthInsurance, worker::PensionInsurance, worker::EmploymentInsurance})
             p.workers.setCell(column, kWorker, QString());
     },
     {"warning:worker-insurance", "warning:worker-insurance", "warning:worker-insurance"}},
};
INSTANTIATE_TEST_SUITE_P(Insurance, WorkerCheck, ::testing::ValuesIn(kInsurances),
                         [](const auto& info) { return std::string(info.param.name); });

const Case kCompaniesAndDuplicates[] = {
    {"CompanyNotOnSite", cell(worker::Company, "無名工業"), {"error:worker-company-missing"}},
    {"CompanyEmpty", cell(worker::Company, ""), {"error:worker-company-missing"}},
    {"CompanyFullWidthBlank", cell(worker::Company, "　"), {"error:worker-company-missing"}},
    {"SamePersonTwoCompanies",
     [](Project& p) {
         p.workers.setCell(worker::Name, kOtherCompany, QStringLiteral("佐藤　一郎"));
         p.workers.setCell(worker::Birth, kOtherCompany, QStringLiteral("1965/1/1"));
     },
     {"warning:worker-duplicate"}},
    {"SameNameOtherBirth", cell(worker::Name, "佐藤 一郎", kOtherCompany), {}},
    {"SamePersonSameCompany",
     [](Project& p) {
         p.workers.setCell(worker::Name, 2, QStringLiteral("佐藤 一郎"));
         p.workers.setCell(worker::Birth, 2, QStringLiteral("1965/01/01"));
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(CompanyAndDuplicates, WorkerCheck, ::testing::ValuesIn(kCompaniesAndDuplicates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WorkerFindings, NameTheWorkerItsCompanyAndRow)
{
    Project project;
    readSample(project);
    project.workers.setCell(worker::Birth, kOtherCompany, QStringLiteral("2010/04/01"));
    const check::Report report = check::checkSite(project, kToday);
    ASSERT_EQ(report.findings.size(), 1);
    const check::Finding& f = report.findings.front();
    EXPECT_EQ(f.worker, QStringLiteral("伊藤 直樹"));
    EXPECT_EQ(f.company, QStringLiteral("讃岐設備工業株式会社"));
    EXPECT_EQ(f.field, QStringLiteral("生年月日"));
    EXPECT_EQ(f.place, check::Place::Worker);
    EXPECT_EQ(f.row, kOtherCompany);
    EXPECT_TRUE(f.message.contains(QStringLiteral("16歳"))) << f.message.toStdString();
}

} // namespace
