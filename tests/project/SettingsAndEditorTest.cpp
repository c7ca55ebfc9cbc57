#include "common/Error.h"
#include "common/TextFile.h"
#include "project/BasicSettings.h"
#include "project/ContractorEditor.h"
#include "project/Project.h"
#include "project/ProjectActions.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::TempHome;

namespace {

TextGrid companyList()
{
    Registry registry;
    registry.companies.setRow(1, {"1", QStringLiteral("自社建設"), QStringLiteral("本店"), QStringLiteral("代表 太郎")});
    registry.companies.setCell(company::Phone, 1, "03-1111-2222");
    registry.companies.setCell(company::BusinessId, 1, "99999999999999");
    return registry.companies;
}

TEST(BasicSettings, FirstLineChoosesOtherLinesIgnored)
{
    TempHome home;
    const QString path = home.file("set.kss");
    textfile::writeLines(path, {"0", "1"});
    EXPECT_EQ(settings::read(path, PrimeChoice::Unset), PrimeChoice::SetPrime);
    textfile::writeLines(path, {"1"});
    EXPECT_EQ(settings::read(path, PrimeChoice::SetPrime), PrimeChoice::NoSetting);
    textfile::writeLines(path, {"x"});
    EXPECT_EQ(settings::read(path, PrimeChoice::SetPrime), PrimeChoice::SetPrime);
    EXPECT_THROW(settings::read(home.file("missing.kss"), PrimeChoice::Unset), Error);
}

TEST(BasicSettings, WritesOneLine)
{
    TempHome home;
    const QString path = home.file("set.kss");
    settings::write(path, PrimeChoice::NoSetting);
    EXPECT_EQ(TempHome::readBytes(path), QByteArray("1\r\n"));
    settings::write(path, PrimeChoice::Unset);
    EXPECT_EQ(TempHome::readBytes(path), QByteArray("\r\n"));
}

TEST(PrimeTakeOver, SetPrimeOverwritesColumnsOneToThirtyNineEveryTime)
{
    Project p;
    const TextGrid companies = companyList();
    settings::takeOverPrime(PrimeChoice::SetPrime, companies, p);
    EXPECT_EQ(p.record.text("Edit10"), QStringLiteral("自社建設"));
    EXPECT_EQ(p.record.text("Edit12"), QStringLiteral("代表 太郎"));
    EXPECT_EQ(p.record.text("Edit74"), "03-1111-2222");
    EXPECT_EQ(p.record.text("Edit84"), "00000000000000"); // column 47 is not taken over here
    p.record.setText("Edit10", "changed");
    settings::takeOverPrime(PrimeChoice::SetPrime, companies, p);
    EXPECT_EQ(p.record.text("Edit10"), QStringLiteral("自社建設"));
}

TEST(PrimeTakeOver, NoSettingFillsTheEditorOnlyOnce)
{
    Project p;
    TextGrid companies = companyList();
    const int rows = p.contractors.rowCount();
    settings::takeOverPrime(PrimeChoice::NoSetting, companies, p);
    EXPECT_EQ(p.currentRow, 1);
    EXPECT_EQ(p.contractors.cell(company::Name, 1), QStringLiteral("自社建設"));
    EXPECT_EQ(p.contractors.cell(company::No, 1), "1");
    EXPECT_EQ(p.contractors.rowCount(), rows + 1);
    companies.setCell(company::Name, 1, "other");
    settings::takeOverPrime(PrimeChoice::NoSetting, companies, p);
    EXPECT_EQ(p.contractors.cell(company::Name, 1), QStringLiteral("自社建設"));
    EXPECT_EQ(p.record.text("Edit10"), QStringLiteral("〇〇〇〇〇株式会社"));
    settings::takeOverPrime(PrimeChoice::Unset, companies, p);
    EXPECT_EQ(p.record.text("Edit10"), QStringLiteral("〇〇〇〇〇株式会社"));
}

TEST(PrimeTakeOver, AFirstRowWithoutCompanyNameGivesNothing)
{
    for (const QString& name : {QString(), QStringLiteral(" "), QStringLiteral("　")}) {
        SCOPED_TRACE(name.toStdString());
        TextGrid companies = companyList();
        companies.setCell(company::Name, 1, name);
        Project p;
        p.record.setText("Edit12", QStringLiteral("入力済み"));
        settings::takeOverPrime(PrimeChoice::SetPrime, companies, p);
        EXPECT_EQ(p.record.text("Edit10"), QStringLiteral("〇〇〇〇〇株式会社"));
        EXPECT_EQ(p.record.text("Edit12"), QStringLiteral("入力済み"));
        settings::takeOverPrime(PrimeChoice::NoSetting, companies, p);
        EXPECT_EQ(p.currentRow, 0);
    }
}

TEST(ContractorEditor, WriteBackWithoutCurrentRowWritesRowOneAndGrows)
{
    Project p;
    p.record.setText("Edit42", QStringLiteral("一次工業"));
    p.record.setText("Edit83", "11111111111111");
    p.record.setText("Edit77", QStringLiteral("令和7年3月31日"));
    p.record.setEditorNotDedicated(true);
    editor::writeBack(p);
    EXPECT_EQ(p.contractors.cell(company::No, 1), "1");
    EXPECT_EQ(p.contractors.cell(company::Name, 1), QStringLiteral("一次工業"));
    EXPECT_EQ(p.contractors.cell(company::PeriodTo, 1), QStringLiteral("令和7年3月31日"));
    EXPECT_EQ(p.contractors.cell(company::Dedicated, 1), "1");
    EXPECT_EQ(p.contractors.cell(company::BusinessId, 1), "11111111111111");
    EXPECT_EQ(p.contractors.cell(company::UpperNo, 1), QStringLiteral("0 : 元請"));
    editor::writeBack(p);
    EXPECT_EQ(p.contractors.rowCount(), Project::kContractorRows + 2);
}

TEST(ContractorEditor, RenumberSkipsRowsWithoutName)
{
    Project p;
    p.contractors.setRow(1, {"9", "A"});
    p.contractors.setRow(2, {"9", "B"});
    p.contractors.setRow(3, {"7", " "});
    p.contractors.setRow(4, {"9", "D"});
    editor::renumber(p);
    EXPECT_EQ(p.contractors.cell(company::No, 1), "1");
    EXPECT_EQ(p.contractors.cell(company::No, 2), "2");
    EXPECT_EQ(p.contractors.cell(company::No, 3), "7");
    EXPECT_EQ(p.contractors.cell(company::Name, 3), "");
    EXPECT_EQ(p.contractors.cell(company::No, 4), "3");
    EXPECT_EQ(p.shitaukeCount, 3);
}

TEST(ProjectRecord, InitialTextsAndOrdererClearing)
{
    Project p;
    EXPECT_EQ(p.record.text("Edit16"), QStringLiteral("〇級〇〇〇〇監理技士") + QString(10, u'\t'));
    EXPECT_EQ(p.record.text("Edit5"), QStringLiteral("　　　年　月　日"));
    EXPECT_EQ(p.record.text("ComboBox7"), QStringLiteral("知事 一般"));
    EXPECT_EQ(p.record.text("ComboBox2"), "");
    EXPECT_EQ(p.record.text("Edit62"), QStringLiteral("〇級〇〇〇〇監理技士"));
    EXPECT_EQ(p.record.text("ComboBox20"), QStringLiteral("0 : 元請"));
    EXPECT_THROW(p.record.text("Edit99"), Error);
    project::clearOrderer(p);
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(p.record.text(QStringLiteral("Edit%1").arg(i)), "");
    EXPECT_EQ(p.record.text("ComboBox1"), QStringLiteral("契約書記載のとおり"));
}

} // namespace
