#include "WindowFixture.h"
#include "registry/WorkerView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace mirevo;
using namespace mirevo::test;

namespace {

// Company C2 has workers in master rows 2, 5 and 9; others belong to C1.
class WorkerPanelTest : public TtourokuFixture {
protected:
    WorkerPanelTest()
    {
        for (int row = 1; row <= 10; ++row)
            putWorker(registry.workers, row, QStringLiteral("w%1").arg(row),
                      row == 2 || row == 5 || row == 9 ? "C2" : "C1");
    }
    QString viewCell(int column, int row) { return workerView()->model()->index(row - 1, column).data().toString(); }
    QPushButton* button(const char* name) { return get<QPushButton>(name); }
};

} // namespace

TEST_F(WorkerPanelTest, StandAloneOpensOnTheCompanyOfTheEntryPanelAndBackSaves)
{
    show(0);
    click(list(), 2);
    button("workersButton")->click();
    EXPECT_TRUE(get("workerPanel")->isVisible());
    EXPECT_FALSE(get("companyPanel")->isVisible());
    EXPECT_EQ(get<QLabel>("currentCompanyLabel")->text(), "C2");
    EXPECT_EQ(viewCell(worker::Name, 1), "w2");
    EXPECT_EQ(viewCell(worker::SourceRow, 3), "9");
    EXPECT_EQ(viewCell(worker::Name, 4), "");
    EXPECT_EQ(workerView()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("採用"));
    EXPECT_EQ(workerView()->columnWidth(9), 210);
    EXPECT_TRUE(workerView()->isColumnHidden(35));
    EXPECT_TRUE(button("backButton")->isVisible());
    EXPECT_FALSE(button("selectAllButton")->isVisible());

    click(workerView(), 1, 0); // marking belongs to the site pick
    EXPECT_EQ(viewCell(worker::No, 1), "");

    button("backButton")->click();
    EXPECT_TRUE(get("companyPanel")->isVisible());
    EXPECT_TRUE(QFileInfo::exists(Registry::fileName()));
}

TEST_F(WorkerPanelTest, SitePickMarksWorkersAndAppendsThemAfterTheSiteCount)
{
    for (int row = 1; row <= 4; ++row)
        putWorker(project.workers, row, QStringLiteral("s%1").arg(row), "S");
    project.st3Count = 4;
    window.siteCompany = "C2";
    show(1);
    EXPECT_TRUE(get("workerPanel")->isVisible());
    EXPECT_FALSE(button("backButton")->isVisible());
    EXPECT_TRUE(button("handOverButton")->isVisible());

    click(workerView(), 1, 0);
    click(workerView(), 3, 0);
    click(workerView(), 5, 0); // no worker there
    EXPECT_EQ(viewCell(worker::No, 1), QStringLiteral("〇"));
    EXPECT_EQ(viewCell(worker::No, 2), "");
    EXPECT_EQ(viewCell(worker::No, 5), "");

    button("handOverButton")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(project.st3Count, 6);
    EXPECT_EQ(project.workers.cell(worker::Name, 5), "w2");
    EXPECT_EQ(project.workers.cell(worker::Name, 6), "w9");
    EXPECT_EQ(project.workers.cell(worker::SourceRow, 6), "");
    EXPECT_FALSE(get("workerPanel")->isVisible());
}

TEST_F(WorkerPanelTest, SelectAllTogglesItsCaptionAndCancelHandsNothingOver)
{
    window.siteCompany = "C2";
    show(1);
    button("selectAllButton")->click();
    EXPECT_EQ(button("selectAllButton")->text(), QStringLiteral("選択解除"));
    EXPECT_EQ(viewCell(worker::No, 3), QStringLiteral("〇"));
    EXPECT_EQ(viewCell(worker::No, 4), "");
    button("selectAllButton")->click();
    EXPECT_EQ(button("selectAllButton")->text(), QStringLiteral("全員選択"));
    EXPECT_EQ(viewCell(worker::No, 1), "");

    button("selectAllButton")->click();
    const TextGrid before = project.workers;
    button("cancelButton")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(project.workers, before);
    EXPECT_EQ(project.st3Count, 0);
    show(1);
    EXPECT_EQ(button("selectAllButton")->text(), QStringLiteral("全員選択"));
}

TEST_F(WorkerPanelTest, DeletingViewRowsRemovesExactlyTheirMasterRows)
{
    show(0);
    click(list(), 2);
    button("workersButton")->click();
    press(workerView(), 1);
    release(workerView(), 2);
    dialogs.answers = {true};
    get<QAction>("deleteWorkersAction")->trigger();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("作業員 【w2～w5 】の2名を削除しますか？"));
    EXPECT_EQ(workerNames(registry.workers), (QStringList{"w1", "w3", "w4", "w6", "w7", "w8", "w9", "w10"}));
    EXPECT_EQ(viewCell(worker::Name, 1), "w9");
    EXPECT_EQ(viewCell(worker::SourceRow, 1), "7");
    EXPECT_FALSE(QFileInfo::exists(Registry::fileName()));

    click(workerView(), 1);
    dialogs.answers = {false};
    get<QAction>("deleteWorkersAction")->trigger();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("作業員 【w9】の1名を削除しますか？"));

    // Rows without workers: nothing to delete, nothing asked.
    const qsizetype asked = dialogs.questions.size();
    press(workerView(), 3);
    release(workerView(), 6);
    get<QAction>("deleteWorkersAction")->trigger();
    EXPECT_EQ(dialogs.questions.size(), asked);
    EXPECT_EQ(workerNames(registry.workers).size(), 8);
}

TEST_F(WorkerPanelTest, EditingAWorkerOpensTheRosterAndRecalculatesAges)
{
    registry.workers.setCell(worker::Birth, 1, "1980/2/29");
    show(0);
    click(list(), 2);
    button("workersButton")->click();
    QString company;
    int target = -1;
    whenModal([&] {
        company = roster.company;
        target = roster.targetRow();
        roster.reject();
    });
    QTest::mouseDClick(workerView()->viewport(), Qt::LeftButton, {}, cellCentre(workerView(), 2, 1));
    EXPECT_EQ(company, "C2");
    EXPECT_EQ(target, 5);
    EXPECT_EQ(roster.mode, 0);
    EXPECT_EQ(registry.workers.cell(worker::Birth, 1), "1980/02/29");
    EXPECT_EQ(registry.workers.cell(worker::Age, 1), "45");
}
