#include "app/Program.h"
#include "app/Tmenu01.h"
#include "common/TextFile.h"
#include "project/ProjectActions.h"
#include "project/ui/TForm1.h"
#include "registry/CompanyRecord.h"
#include "registry/ui/Ttouroku.h"
#include "roster/WorkerRecord.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::ScriptedDialogs;
using mirevo::test::TempHome;

namespace {

// Drives the whole program through its windows, as a user would.
class ProgramFlow : public ::testing::Test {
protected:
    template <class T = QWidget> static T* in(QWidget* window, const char* name)
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Runs `action` once the next modal window has started.
    static void whenModal(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

    static void pressRow(QTableView* view, int row, int column = 1)
    {
        const QModelIndex index = view->model()->index(row - 1, column);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    }

    QWidget* registration() { return program.windows.registration; }

    TempHome home;
    ScriptedDialogs dialogs;
    Program program;
};

// `mirevo SITE.anz`: the program starts with the project window open on it.
TEST_F(ProgramFlow, AProjectFileNamedAtStartIsOpenInTheProjectWindow)
{
    const QString site = QStringLiteral(MIREVO_EXAMPLES "/青空ビル新築工事.anz");
    QString shownName, title;
    bool menuOutOfSight = false;
    program.startWith(site);
    whenModal([&] {
        // The project window runs; the file is opened once it shows.
        QTimer::singleShot(0, [&] {
            TForm1* form = program.windows.project;
            shownName = in<QLineEdit>(form, "Edit9")->text();
            title = form->windowTitle();
            menuOutOfSight = program.windows.menu->geometry().bottom() < 0;
            form->close();
        });
    });
    QTRY_VERIFY_WITH_TIMEOUT(!title.isEmpty(), 5000);
    EXPECT_EQ(shownName, QStringLiteral("青空ビル新築工事"));
    EXPECT_EQ(title, QStringLiteral("Mirevo！ / Ver1.00 - 青空ビル新築工事.anz"));
    EXPECT_TRUE(menuOutOfSight);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

TEST_F(ProgramFlow, RegisteredCompanyBecomesPrimeAndSubcontractor)
{
    program.start();
    Tmenu01* menu = program.windows.menu;

    // 1. Register a company from the start menu; "閉じる" writes the registry.
    whenModal([this] {
        QWidget* w = registration();
        pressRow(in<QTableView>(w, "StringGrid1"), 1);
        in<QLineEdit>(w, "Edit42")->setText(QStringLiteral("一次工業株式会社"));
        in<QLineEdit>(w, "Edit43")->setText(QStringLiteral("本店"));
        dialogs.answers = {true};
        in<QPushButton>(w, "registerButton")->click();
        in<QPushButton>(w, "closeButton")->click();
    });
    in<QPushButton>(menu, "Button1")->click();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->size(), QSize(328, 47));
    const QStringList stored = textfile::readLines(home.file("kaisya_set.kss"));
    ASSERT_GT(stored.size(), 2);
    EXPECT_TRUE(stored[2].startsWith(QStringLiteral("1,一次工業株式会社,本店"))) << stored[2].toStdString();

    // 2. Open the project window, call up the prime contractor (mode 2),
    //    then a subcontractor (mode 3), and close back to the menu.
    TForm1* form = program.windows.project;
    whenModal([this, form] {
        form->showPage(TForm1::Prime);
        whenModal([this] { pressRow(in<QTableView>(registration(), "StringGrid1"), 1); });
        in<QPushButton>(form, "Button_primeCallUp")->click();
        form->showPage(TForm1::Subcontractors);
        whenModal([this] { pressRow(in<QTableView>(registration(), "StringGrid1"), 1); });
        in<QPushButton>(form, "Button_contractorCallUp")->click();
        dialogs.answers = {true}; // close without saving
        form->close();
    });
    in<QPushButton>(menu, "Button2")->click();

    EXPECT_EQ(in<QLineEdit>(form, "Edit10")->text(), QStringLiteral("一次工業株式会社"));
    EXPECT_EQ(in<QLineEdit>(form, "Edit11")->text(), QStringLiteral("本店"));
    EXPECT_EQ(in<QLineEdit>(form, "Edit42")->text(), QStringLiteral("一次工業株式会社"));
    EXPECT_EQ(program.project.contractors.cell(company::Name, 1), QStringLiteral("一次工業株式会社"));
    EXPECT_EQ(program.windows.registration->mode, 0);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

// Goes on where the test above stops: the registry already holds the prime
// contractor, a subcontractor and three of the subcontractor's workers.
TEST_F(ProgramFlow, SubcontractorInTheTreeWithTwoWorkersIsSavedAndReadBack)
{
    const QString prime = QStringLiteral("一次工業株式会社");
    const QString sub = QStringLiteral("二次興業株式会社");
    Registry& reg = program.registry;
    reg.companies.setRowCount(4);
    for (int row : {1, 2}) {
        reg.companies.setCell(company::No, row, QString::number(row));
        reg.companies.setCell(company::Name, row, row == 1 ? prime : sub);
    }
    const char* names[][2] = {{"やまだ", "山田"}, {"かわい", "川井"}, {"もりた", "森田"}};
    reg.workers.setRowCount(5);
    for (int i = 0; i < 3; ++i) {
        reg.workers.setCell(worker::Reading, i + 1, QString::fromUtf8(names[i][0]));
        reg.workers.setCell(worker::Name, i + 1, QString::fromUtf8(names[i][1]));
        reg.workers.setCell(worker::Birth, i + 1, QStringLiteral("1985/07/0%1").arg(i + 1));
        reg.workers.setCell(worker::Company, i + 1, sub);
        reg.workers.setCell(worker::SourceRow, i + 1, QString::number(i + 1));
    }
    reg.save();
    program.start();
    TForm1* form = program.windows.project;
    const QString saved = home.file("site.anz");
    whenModal([&, form] {
        // Prime contractor, then the subcontractor, called up and placed in
        // the tree as first-tier.
        form->showPage(TForm1::Prime);
        whenModal([this] { pressRow(in<QTableView>(registration(), "StringGrid1"), 1); });
        in<QPushButton>(form, "Button_primeCallUp")->click();
        form->showPage(TForm1::Subcontractors);
        whenModal([this] { pressRow(in<QTableView>(registration(), "StringGrid1"), 2); });
        in<QPushButton>(form, "Button_contractorCallUp")->click();
        EXPECT_EQ(in<QLineEdit>(form, "Edit86")->text(), sub);
        in<QPushButton>(form, "Button_firstTier")->click();

        // Two of its three workers taken over from the registry.
        form->showPage(TForm1::Workers);
        in<QComboBox>(form, "ComboBox22")->setCurrentText(sub);
        whenModal([this] {
            auto* view = in<QTableView>(registration(), "StringGrid2");
            pressRow(view, 1, worker::No);
            pressRow(view, 3, worker::No);
            in<QPushButton>(registration(), "handOverButton")->click();
        });
        in<QPushButton>(form, "Button_registerWorkers")->click();

        dialogs.saveNames.push_back(saved);
        form->saveProject();
        form->close();
    });
    in<QPushButton>(program.windows.menu, "Button2")->click();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();

    Project back;
    project::open(saved, back);
    EXPECT_EQ(back.record.text("Edit10"), prime);
    EXPECT_EQ(back.tree, program.project.tree);
    ASSERT_EQ(back.tree.size(), 1);
    EXPECT_EQ(back.tree.text(0), sub);
    EXPECT_EQ(back.shitaukeCount, 1);
    EXPECT_EQ(back.contractors.cell(company::Name, 1), sub);
    EXPECT_EQ(back.contractors.cell(company::UpperNo, 1), "0");
    EXPECT_EQ(back.contractors.cell(company::UpperName, 1), prime);
    EXPECT_EQ(back.contractors.cell(company::Tier, 1), "1");
    EXPECT_EQ(back.contractors.cell(company::WorkerCount, 1), "2");
    EXPECT_EQ(back.workers.cell(worker::Name, 1), QStringLiteral("山田"));
    EXPECT_EQ(back.workers.cell(worker::Name, 2), QStringLiteral("森田"));
    EXPECT_EQ(back.workers.cell(worker::Company, 2), sub);
    EXPECT_TRUE(back.workers.cell(worker::Name, 3).isEmpty());
    EXPECT_EQ(back.st3Count, 2);
}

TEST_F(ProgramFlow, ClosingAndReopeningTheProjectWindowKeepsTheProject)
{
    program.start();
    TForm1* form = program.windows.project;
    whenModal([this, form] {
        in<QLineEdit>(form, "Edit9")->setText(QStringLiteral("駅前再開発工事"));
        dialogs.answers = {true}; // close without saving
        in<QPushButton>(form, "Button_close")->click();
    });
    in<QPushButton>(program.windows.menu, "Button2")->click();
    whenModal([this, form] {
        dialogs.answers = {true};
        form->close();
    });
    in<QPushButton>(program.windows.menu, "Button2")->click();
    EXPECT_EQ(in<QLineEdit>(form, "Edit9")->text(), QStringLiteral("駅前再開発工事"));
}

} // namespace
