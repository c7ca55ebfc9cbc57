#include "project/Handover.h"
#include "project/Project.h"
#include "registry/Fixtures.h"
#include "registry/WorkerView.h"

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// A view of company K's workers w1 … w3, rows 1 and 3 marked.
TextGrid markedView()
{
    TextGrid master(worker::kColumns, 10);
    for (int row = 1; row <= 3; ++row)
        putWorker(master, row + 3, QStringLiteral("w%1").arg(row), "K");
    TextGrid view = workerview::build(master, "K");
    workerview::toggleMark(view, 1);
    workerview::toggleMark(view, 3);
    return view;
}

void fillSite(Project& project, int workers)
{
    for (int row = 1; row <= workers; ++row)
        putWorker(project.workers, row, QStringLiteral("site%1").arg(row), "S");
    project.st3Count = workers;
}

} // namespace

TEST(Handover, MarkedWorkersAreAppendedAfterTheSiteCount)
{
    Project project;
    fillSite(project, 4);
    const TextGrid view = markedView();
    EXPECT_EQ(handover::workersToSite(project, view), 2);
    EXPECT_EQ(project.st3Count, 6);
    EXPECT_EQ(project.workers.cell(worker::Name, 4), "site4");
    EXPECT_EQ(project.workers.cell(worker::Name, 5), "w1");
    EXPECT_EQ(project.workers.cell(worker::Name, 6), "w3");
    EXPECT_EQ(project.workers.cell(worker::No, 5), QStringLiteral("〇"));
    EXPECT_EQ(project.workers.cell(worker::SourceRow, 5), "");
    EXPECT_EQ(project.workers.cell(worker::Company, 6), "K");
    EXPECT_EQ(project.workers.cell(worker::Licence1, 6), "w3-27");
    EXPECT_TRUE(isBlank(project.workers.cell(worker::Name, 7)));
}

TEST(Handover, TheSiteListGrowsAndStoredWorkersAreNeverOverwritten)
{
    Project project;
    fillSite(project, Project::kWorkerRows - 1); // every row taken
    project.st3Count = Project::kWorkerRows - 2; // count lags behind the list
    EXPECT_EQ(handover::workersToSite(project, markedView()), 2);
    EXPECT_EQ(project.workers.cell(worker::Name, 48), "site48");
    EXPECT_EQ(project.workers.cell(worker::Name, 49), "w1");
    EXPECT_EQ(project.workers.cell(worker::Name, 50), "w3");
    EXPECT_EQ(project.st3Count, 50);
    EXPECT_GT(project.workers.rowCount(), 51 - 1);
}

TEST(Handover, NothingMarkedChangesNothing)
{
    Project project;
    fillSite(project, 2);
    TextGrid view = markedView();
    workerview::markAll(view, false);
    const TextGrid before = project.workers;
    EXPECT_EQ(handover::workersToSite(project, view), 0);
    EXPECT_EQ(project.workers, before);
    EXPECT_EQ(project.st3Count, 2);
}

TEST(Handover, PrimeContractorGetsColumnsOneToThirtyNineDedicationAndBusinessId)
{
    Project project;
    QStringList record = companyRecord("P");
    record[company::Dedicated] = "1";
    record[company::BusinessId] = "11112222333344";
    handover::toPrime(project, record);
    const ProjectRecord& rec = project.record;
    EXPECT_EQ(rec.text("Edit10"), "P");
    EXPECT_EQ(rec.text("Edit11"), QStringLiteral("本社"));
    EXPECT_EQ(rec.text("ComboBox7"), "P:8");
    EXPECT_EQ(rec.text("Edit40"), "P:26");
    EXPECT_EQ(rec.text("ComboBox10"), "P:38");
    EXPECT_EQ(rec.text("Edit74"), "P:39");
    EXPECT_EQ(rec.text("Edit84"), "11112222333344");
    EXPECT_TRUE(rec.primeNotDedicated());
    // Upper company and tier belong to subcontractors only.
    EXPECT_EQ(rec.text("ComboBox20"), ProjectRecord::initialText("ComboBox20"));
    EXPECT_EQ(rec.text("Edit42"), ProjectRecord::initialText("Edit42"));
    record[company::Dedicated] = "0";
    handover::toPrime(project, record);
    EXPECT_FALSE(rec.primeNotDedicated());
}

TEST(Handover, PrimeFieldsFollowTheCorrespondenceOfTheCompanyRecord)
{
    // Company record column → prime contractor field.
    const char* const prime[] = {
        nullptr,     "Edit10", "Edit11",    "Edit12", "Edit24",    "Edit25",    "Edit26",     "Edit27",
        "ComboBox7", "Edit29", "Edit30",    "Edit31", "ComboBox8", "Edit33",    "Edit34",     "Edit13",
        "ComboBox2", "Edit14", "ComboBox3", "Edit15", "Edit16",    "Edit35",    "Edit36",     "Edit37",
        "Edit38",    "Edit39", "Edit40",    "Edit17", "Edit18",    "Edit19",    "Edit20",     "Edit21",
        "ComboBox4", "Edit22", "ComboBox5", "Edit23", "ComboBox6", "ComboBox9", "ComboBox10", "Edit74",
    };
    Project project;
    handover::toPrime(project, companyRecord("P", "B"));
    for (int column = 3; column <= 39; ++column)
        EXPECT_EQ(project.record.text(prime[column]), QStringLiteral("P:%1").arg(column)) << prime[column];
    EXPECT_EQ(project.record.text(prime[1]), "P");
    EXPECT_EQ(project.record.text(prime[2]), "B");
}

TEST(Handover, ContractorPickFillsTheEditorAndWritesItBack)
{
    Project project;
    QStringList record = companyRecord("S");
    record[company::Dedicated] = "1";
    record[company::BusinessId] = "99990000111122";
    const int rowsBefore = project.contractors.rowCount();

    handover::toContractor(project, record);
    EXPECT_EQ(project.record.text("Edit42"), "S");
    EXPECT_EQ(project.record.text("Edit73"), "S:39");
    EXPECT_EQ(project.record.text("Edit83"), "99990000111122");
    EXPECT_EQ(project.record.text("ComboBox20"), ProjectRecord::initialText("ComboBox20"));
    EXPECT_TRUE(project.record.editorNotDedicated());
    EXPECT_EQ(project.contractors.cell(company::No, 1), "1");
    EXPECT_EQ(project.contractors.cell(company::Name, 1), "S");
    EXPECT_EQ(project.contractors.cell(company::Dedicated, 1), "1");
    EXPECT_EQ(project.contractors.cell(company::BusinessId, 1), "99990000111122");
    EXPECT_EQ(project.contractors.rowCount(), rowsBefore + 1);

    handover::completeContractorPick(project, record);
    EXPECT_EQ(project.record.text("ComboBox20"), "S:40");
    EXPECT_EQ(project.record.text("Edit75"), "S:41");
    EXPECT_EQ(project.record.text("ComboBox21"), "S:42");
    EXPECT_EQ(project.guideState, 3);
    EXPECT_EQ(project.currentRow, 1);
}

TEST(Handover, ContractorPickKeepsAChosenCurrentRow)
{
    Project project;
    project.currentRow = 4;
    handover::toContractor(project, companyRecord("S"));
    EXPECT_EQ(project.contractors.cell(company::Name, 4), "S");
    handover::completeContractorPick(project, companyRecord("S"));
    EXPECT_EQ(project.currentRow, 4);
}
