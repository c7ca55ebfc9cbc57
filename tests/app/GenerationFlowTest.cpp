#include "app/Program.h"
#include "app/Tmenu01.h"
#include "documents/ui/GenerationPanel.h"
#include "project/ui/TForm1.h"
#include "render/ui/WorkbookWindow.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::ScriptedDialogs;
using mirevo::test::TempHome;

namespace {

// Runs `action` as soon as `ready` holds, from whatever modal loop is running.
void when(std::function<bool()> ready, std::function<void()> action)
{
    QTimer::singleShot(5, [ready = std::move(ready), action = std::move(action)]() mutable {
        if (ready())
            action();
        else
            when(std::move(ready), std::move(action));
    });
}

template <class T = QWidget> T* in(QWidget* window, const char* name)
{
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// From the start menu to a saved workbook and its sheet list, through the
// program's own windows.
TEST(GenerationFlow, SheetListBetweenTheProjectWindowsShowingsAndAGoneSheetEndsOnlyTheList)
{
    TempHome home;
    ScriptedDialogs dialogs;
    const QString site = home.file(QStringLiteral("青空ビル新築工事.anz"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(MIREVO_EXAMPLES "/青空ビル新築工事.anz"), site));
    Program program;
    program.start();
    Tmenu01* menu = program.windows.menu;
    TForm1* form = program.windows.project;
    GenerationPanel* panel = form->generationPanel();

    dialogs.openNames = {site};
    dialogs.saveNames = {home.file(QStringLiteral("安全書類_青空ビル新築工事.xlsx"))};
    QStringList listed;
    QString frontSheet;
    bool formHiddenMeanwhile = false;
    bool backWithPanel = false;
    // 3. Back in the project window with the panel shown: close it.
    auto closeProject = [&] {
        backWithPanel = panel->isVisible();
        form->close();
    };
    // 2. The sheet list: bring a sheet to the front, then choose one that is gone.
    auto useList = [&] {
        formHiddenMeanwhile = !form->isVisible();
        auto* list = in<QListWidget>(menu, "ListBox1");
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        when([menu, form] { return !menu->sheetListShown() && form->isVisible(); }, closeProject);
        render::WorkbookWindow* book = panel->workbookWindow();
        if (!book || list->count() < 2) {
            menu->close();
            return;
        }
        emit list->itemClicked(list->item(1));
        auto* tabs = book->findChild<QTabBar*>("SheetTabs");
        frontSheet = tabs->tabText(tabs->currentIndex());
        book->workbook()->Sheets(1).Delete();
        emit list->itemClicked(list->item(0));
    };
    // 1. Open the site, open the panel, tick the rosters and convert.
    when([form] { return form->isVisible(); },
         [&] {
             when([menu] { return menu->sheetListShown() && menu->isVisible(); }, useList);
             form->openProject();
             in<QPushButton>(form, "Button_documents")->click();
             in<QCheckBox>(form, "CheckBox6")->setChecked(true);
             in<QPushButton>(form, "Button_convert")->click();
         });
    in<QPushButton>(menu, "Button2")->click();

    EXPECT_TRUE(formHiddenMeanwhile);
    EXPECT_TRUE(backWithPanel);
    ASSERT_GE(listed.size(), 2);
    EXPECT_EQ(listed.front(), QStringLiteral("書類一覧"));
    EXPECT_TRUE(listed[1].startsWith(QStringLiteral("作業員名簿【"))) << listed[1].toStdString();
    EXPECT_EQ(frontSheet, listed[1]);
    EXPECT_TRUE(QFileInfo::exists(home.file(QStringLiteral("安全書類_青空ビル新築工事.xlsx"))));
    EXPECT_EQ(dialogs.proposedNames, QStringList{QStringLiteral("安全書類_青空ビル新築工事.xlsx")});
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    // Back at the start menu, and the program still runs its loops.
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->size(), QSize(328, 47));
    QEventLoop still;
    QTimer::singleShot(0, &still, [&] { still.exit(7); });
    EXPECT_EQ(still.exec(), 7);
}

} // namespace
