#include "SampleSite.h"
#include "check/SiteCheck.h"
#include "registry/CompanyRecord.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// Row 1 of the sample's contractor table: 讃岐設備工業株式会社, first tier.
constexpr int kRow = 1;

std::function<void(Project&)> cell(int column, const char* text, int row = kRow)
{
    return [=](Project& p) { p.contractors.setCell(column, row, QString::fromUtf8(text)); };
}

std::function<void(Project&)> field(const char* control, const char* text)
{
    return [=](Project& p) { p.record.setText(QString::fromLatin1(control), QString::fromUtf8(text)); };
}

class CompanyCheck : public ::testing::TestWithParam<Case> {};

TEST_P(CompanyCheck, FindsWhatTheChangeBroke)
{
    Project project;
    readSample(project);
    GetParam().change(project);
    EXPECT_EQ(sorted(codesOf(check::checkSite(project, kToday))), sorted(GetParam().expected));
}

// 作成日 is 2026/12/01: a licence granted five years before it has run out
// that day; one that runs out within 90 days after it is a warning.
const Case kLicences[] = {
    {"ExactlyFiveYears", cell(company::LicenceDate1, "令和 3年12月 1日"), {"error:licence-expired"}},
    {"FiveYearsLessADay", cell(company::LicenceDate1, "令和 3年12月 2日"), {"warning:licence-expired"}},
    {"EndsOnTheNinetiethDay", cell(company::LicenceDate1, "令和 4年 3月 1日"), {"warning:licence-expired"}},
    {"EndsAfterNinetyDays", cell(company::LicenceDate1, "令和 4年 3月 2日"), {}},
    {"LongExpired", cell(company::LicenceDate1, "2015/04/01"), {"error:licence-expired"}},
    {"NumberWithoutDate", cell(company::LicenceDate1, "        年    月     日"), {"warning:licence-expired"}},
    {"UnreadableDate", cell(company::LicenceDate1, "令和五年"), {"warning:licence-expired"}},
    {"SecondLicenceWithoutDate", cell(company::LicenceNo2, "05第　9999 号"), {"warning:licence-expired"}},
    {"SecondLicenceExpired",
     [](Project& p) {
         p.contractors.setCell(company::LicenceNo2, kRow, QStringLiteral("05第　9999 号"));
         p.contractors.setCell(company::LicenceDate2, kRow, QStringLiteral("平成30年 4月 1日"));
     },
     {"error:licence-expired"}},
    {"PrimeLicenceExpired", field("Edit30", "令和 3年 4月 1日"), {"error:licence-expired"}},
};
INSTANTIATE_TEST_SUITE_P(Licence, CompanyCheck, ::testing::ValuesIn(kLicences),
                         [](const auto& info) { return std::string(info.param.name); });

// 14 half-width digits and nothing else; the unchanged initial text is no ID.
const Case kBusinessIds[] = {
    {"FourteenDigits", cell(company::BusinessId, "12345678901234"), {}},
    {"ThirteenDigits", cell(company::BusinessId, "1234567890123"), {"warning:business-id"}},
    {"FifteenDigits", cell(company::BusinessId, "123456789012345"), {"warning:business-id"}},
    {"FullWidthDigits", cell(company::BusinessId, "１２３４５６７８９０１２３４"), {"warning:business-id"}},
    {"WithHyphens", cell(company::BusinessId, "1234-5678-9012-34"), {"warning:business-id"}},
    {"Initial", cell(company::BusinessId, "00000000000000"), {"warning:business-id"}},
    {"Empty", cell(company::BusinessId, ""), {"warning:business-id"}},
    {"PrimeInitial", field("Edit84", "00000000000000"), {"warning:business-id"}},
};
INSTANTIATE_TEST_SUITE_P(BusinessId, CompanyCheck, ::testing::ValuesIn(kBusinessIds),
                         [](const auto& info) { return std::string(info.param.name); });

const Case kRequired[] = {
    {"RepresentativeEmpty", cell(company::Representative, ""), {"warning:company-missing"}},
    {"AddressPlaceholder", cell(company::Address, "〇〇県〇〇市〇〇町〇〇〇〇番地〇号"), {"warning:company-missing"}},
    {"PhoneInitial", cell(company::Phone, "000-000-0000"), {"warning:company-missing"}},
    {"SafetyPersonCircles", cell(27, "〇〇〇〇"), {"warning:company-missing"}},
    {"ChiefEngineerEmpty", cell(19, ""), {"warning:company-missing"}},
    {"PrimeChiefEngineerEmpty", field("Edit15", ""), {"warning:company-missing"}},
    {"PrimeSafetyPersonEmpty", field("Edit17", "　"), {"warning:company-missing"}},
    {"HealthNotEnrolled", cell(32, "未加入"), {"warning:insurance-not-enrolled"}},
    {"PensionNotEnrolled", cell(34, "未加入"), {"warning:insurance-not-enrolled"}},
    {"EmploymentExempt", cell(36, "適用除外"), {}},
    {"PrimeEmploymentNotEnrolled", field("ComboBox6", "未加入"), {"warning:insurance-not-enrolled"}},
};
INSTANTIATE_TEST_SUITE_P(RequiredAndInsurance, CompanyCheck, ::testing::ValuesIn(kRequired),
                         [](const auto& info) { return std::string(info.param.name); });

// Row 2 (栗林配管) is under row 1; the table holds rows 1 to 7.
const Case kUpper[] = {
    {"NamesAnotherRow", cell(company::UpperNo, "4", 2), {}},
    {"NamesNoRow", cell(company::UpperNo, "9", 2), {"error:upper-missing"}},
    {"NamesItself", cell(company::UpperNo, "2", 2), {"error:upper-missing"}},
    {"NoNumber", cell(company::UpperNo, "上", 2), {"error:upper-missing"}},
    {"EmptyBelowFirstTier", cell(company::UpperNo, "", 2), {"error:upper-missing"}},
    {"PrimeByChoiceText", cell(company::UpperNo, "0 : 元請"), {}},
    {"EmptyFirstTier", cell(company::UpperNo, ""), {}},
};
INSTANTIATE_TEST_SUITE_P(Upper, CompanyCheck, ::testing::ValuesIn(kUpper),
                         [](const auto& info) { return std::string(info.param.name); });

// The company's period on this site; the works run 2026/01/05 to 2027/03/31.
const Case kPeriods[] = {
    {"SameAsTheWorks",
     [](Project& p) {
         p.contractors.setCell(company::PeriodFrom, kRow, QStringLiteral("令和 8年 1月 5日"));
         p.contractors.setCell(company::PeriodTo, kRow, QStringLiteral("令和 9年 3月31日"));
     },
     {}},
    {"EndsBeforeItStarts", cell(company::PeriodTo, "令和 8年 1月31日"), {"error:period-invalid"}},
    {"Unreadable", cell(company::PeriodFrom, "二月から"), {"error:period-invalid"}},
    {"NotEntered", cell(company::PeriodTo, "        年    月     日"), {"warning:period-missing"}},
    {"StartsBeforeTheWorks", cell(company::PeriodFrom, "令和 8年 1月 4日"), {"warning:period-outside"}},
    {"EndsAfterTheWorks", cell(company::PeriodTo, "令和 9年 4月 1日"), {"warning:period-outside"}},
};
INSTANTIATE_TEST_SUITE_P(Period, CompanyCheck, ::testing::ValuesIn(kPeriods),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CompanyFindings, NameTheCompanyAndWhereItIsShown)
{
    Project project;
    readSample(project);
    project.contractors.setCell(company::LicenceDate1, 3, QStringLiteral("令和 3年11月 1日"));
    project.record.setText("Edit84", QString());
    const check::Report report = check::checkSite(project, kToday);
    ASSERT_EQ(codesOf(report), (QStringList{"warning:business-id", "error:licence-expired"}));
    const check::Finding& prime = report.findings[0];
    EXPECT_EQ(prime.company, QStringLiteral("瀬戸建設株式会社"));
    EXPECT_EQ(prime.place, check::Place::Prime);
    EXPECT_EQ(prime.control, QStringLiteral("Edit84"));
    const check::Finding& row = report.findings[1];
    EXPECT_EQ(row.company, QStringLiteral("峰山保温工業"));
    EXPECT_EQ(row.place, check::Place::Contractor);
    EXPECT_EQ(row.row, 3);
    EXPECT_TRUE(row.message.contains(QStringLiteral("令和8年10月31日"))) << row.message.toStdString();
}

} // namespace
