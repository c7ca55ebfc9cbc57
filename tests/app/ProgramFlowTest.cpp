#include "app/Program.h"
#include "app/Tmenu01.h"
#include "common/TextFile.h"
#include "project/ui/TForm1.h"
#include "registry/ui/Ttouroku.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

using namespace mirevo;
using mirevo::test::ScriptedDialogs;
using mirevo::test::TempHome;

namespace {

// Drives the whole program through its windows, as a user would.
class ProgramFlow : public ::testing::Test {
protected:
    template <class T = QWidget>
    static T* in(QWidget* window, const char* name)
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Runs `action` once the next modal window has started.
    static void whenModal(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

    static void pressRow(QTableView* view, int row)
    {
        const QModelIndex index = view->model()->index(row - 1, 1);
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
    EXPECT_EQ(program.project.contractors.cell(1, 1), QStringLiteral("一次工業株式会社"));
    EXPECT_EQ(program.windows.registration->mode, 0);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
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
