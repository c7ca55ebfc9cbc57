#include "documents/FormFields.h"
#include "DocumentTestSupport.h"
#include "common/Error.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace mirevo;
using namespace mirevo::documents;
using namespace mirevo::documents::test;
using namespace mirevo::sheet;

namespace {

QString reversedName(const Values& v)
{
    QString name = v.company(company::Name);
    std::reverse(name.begin(), name.end());
    return name;
}

QString nothing(const Values&)
{
    return {};
}

constexpr Field kFields[] = {
    {"B2:D3", "M C", projectField(field::WorksName)},   {"E2", "", companyColumn(company::Name)},
    {"F2:G2", "M R", computed(&reversedName)},          {"H2", "", workerColumn(worker::Name)},
    {"I2:J3", "M", computed(&nothing), "（　）", true},
};

struct FieldsFixture : ::testing::Test {
    FieldsFixture()
    {
        site.record.setText(field::WorksName, QStringLiteral("青空ビル新築工事"));
        site.record.setText(field::PrimeName, QStringLiteral("元請建設"));
        first = site.add(QStringLiteral("一次工業"), QStringLiteral("1"));
    }

    TestSite site;
    int first = 0;
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    RunState run{site.view, {}, {}, {}};
};

TEST_F(FieldsFixture, OneRowDrawsTheBoxAndFillsItsFirstCell)
{
    drawFields(ws, kFields, 10); // the empty form, ten rows lower
    EXPECT_TRUE(ws.Range("B12:D13").MergeCells());
    EXPECT_EQ(ws.Range("C12").HorizontalAlignment(), hAlignCenter);
    EXPECT_EQ(value(ws, "I12"), QStringLiteral("（　）"));
    EXPECT_EQ(value(ws, "B12"), QString());

    const QStringList person{"1", QStringLiteral("さとう"), QStringLiteral("佐藤 一郎")};
    fillFields(ws, kFields, {run, first, &person}, 10);
    EXPECT_EQ(value(ws, "B12"), QStringLiteral("青空ビル新築工事"));
    EXPECT_EQ(value(ws, "E12"), QStringLiteral("一次工業"));
    EXPECT_EQ(value(ws, "F12"), QStringLiteral("業工次一"));
    EXPECT_EQ(value(ws, "H12"), QStringLiteral("佐藤 一郎"));
    EXPECT_EQ(value(ws, "I12"), QStringLiteral("（　）")) << "an empty text keeps the form's own";
    EXPECT_EQ(value(ws, "B2"), QString()) << "nothing lands at the unshifted address";
}

TEST_F(FieldsFixture, ColumnOffsetMovesTheFilling)
{
    fillFields(ws, kFields, {run, first}, 0, 3);
    EXPECT_EQ(value(ws, "H2"), QStringLiteral("一次工業"));
    EXPECT_EQ(value(ws, "K2"), QString()) << "no worker: the worker column is empty";
}

TEST_F(FieldsFixture, ThePrimeContractorAnswersCompanyColumnsFromItsFields)
{
    const Values prime{run, 0};
    EXPECT_EQ(prime.company(company::Name), QStringLiteral("元請建設"));
    EXPECT_EQ(prime.company(company::Tier), QString()) << "no prime field holds a tier";
}

TEST_F(FieldsFixture, ContactColumnsAreEmptyOnARunWithoutAddresses)
{
    QStringList person(worker::kColumns);
    person[worker::Address] = QStringLiteral("香川県高松市");
    EXPECT_EQ((Values{run, first, &person}).contact(worker::Address), QStringLiteral("香川県高松市"));
    const RunState hidden{site.view, {}, {.noAddress = true}, {}};
    EXPECT_EQ((Values{hidden, first, &person}).contact(worker::Address), QString());
    EXPECT_EQ((Values{hidden, first, &person}).worker(worker::Address), QStringLiteral("香川県高松市"));
}

TEST(FormTables, AMistypedCodeNamesTheCellAndTheCode)
{
    Application app;
    Worksheet& ws = app.Workbooks().Add().Sheets(1);
    try {
        drawBox(ws, {"C4:D5", "", "M 1O"});
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("C4:D5"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("1O"))) << e.message().toStdString();
    }
    EXPECT_THROW(drawBox(ws, {"C4:D", "", "M"}), Error) << "a bad address is an Error too";
}

} // namespace
