#include "app/Tmenu01.h"
#include "support/QtPrinters.h"

#include <QEventLoop>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mirevo;

namespace {

TEST(StartMenu, ShowsAgainAtItsSmallSizeCentred)
{
    Tmenu01 menu;
    menu.showAgain();
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Mirevo！"));
    EXPECT_EQ(menu.size(), QSize(328, 47));
    EXPECT_EQ(menu.findChild<QPushButton*>("Button1")->text(), QStringLiteral("会社情報の事前登録"));
    EXPECT_EQ(menu.findChild<QPushButton*>("Button2")->text(), QStringLiteral("安全書類の作成"));
}

TEST(StartMenu, ButtonsMoveTheMenuOutOfSightAndOpenTheirWindow)
{
    Tmenu01 menu;
    menu.showAgain();
    int registration = 0, project = 0;
    QPoint whileOpen;
    menu.setOpeners(
        [&] {
            ++registration;
            whileOpen = menu.pos();
        },
        [&] { ++project; });
    menu.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(registration, 1);
    // The frame and a title bar the window manager may add above it too.
    EXPECT_LE(whileOpen.y() + menu.frameGeometry().height() + 40, 0);
    menu.findChild<QPushButton*>("Button2")->click();
    EXPECT_EQ(project, 1);
    menu.showAgain();
    EXPECT_GE(menu.pos().y(), 0);
    EXPECT_EQ(menu.size(), QSize(328, 47));
}

TEST(StartMenu, SheetListRunsModallyAndAGoneSheetEndsOnlyTheList)
{
    Tmenu01 menu;
    menu.showAgain();
    QStringList selected;
    bool reachable = true;
    bool shownAsList = false;
    QTimer::singleShot(0, &menu, [&] {
        // 354 × 701, or as tall as the screen has room for with a title bar.
        const QRect area = menu.screen()->availableGeometry();
        auto* names = menu.findChild<QListWidget*>("ListBox1");
        shownAsList = menu.sheetListShown() && menu.isModal() && menu.width() == 354
            && menu.height() == std::min(701, area.height() - 40) && menu.pos() == area.topLeft()
            && names->geometry().bottom() < menu.height();
        auto* list = menu.findChild<QListWidget*>("ListBox1");
        if (list->count() != 2) {
            ADD_FAILURE() << "names not listed";
            menu.close();
            return;
        }
        emit list->itemClicked(list->item(1));
        EXPECT_TRUE(menu.sheetListShown());
        reachable = false;
        emit list->itemClicked(list->item(0));
    });
    // A program that had ended would not run this loop again.
    menu.runSheetList({QStringLiteral("表紙"), QStringLiteral("作業員名簿【一次工業】")}, [&](const QString& name) {
        selected << name;
        return reachable;
    });
    EXPECT_TRUE(shownAsList);
    EXPECT_EQ(selected, (QStringList{QStringLiteral("作業員名簿【一次工業】"), QStringLiteral("表紙")}));
    EXPECT_FALSE(menu.sheetListShown());
    EXPECT_FALSE(menu.isModal());
    EXPECT_EQ(menu.size(), QSize(328, 47));
    EXPECT_LE(menu.pos().y() + menu.frameGeometry().height() + 40, 0);
    QEventLoop still;
    QTimer::singleShot(0, &still, [&] { still.exit(7); });
    EXPECT_EQ(still.exec(), 7);
}

TEST(StartMenu, ClosingTheSheetListEndsOnlyTheList)
{
    Tmenu01 menu;
    menu.showAgain();
    QTimer::singleShot(0, &menu, [&] { menu.close(); });
    menu.runSheetList({QStringLiteral("書類一覧")}, [](const QString&) { return true; });
    EXPECT_TRUE(menu.isVisible());
    EXPECT_FALSE(menu.sheetListShown());
    QEventLoop still;
    QTimer::singleShot(0, &still, [&] { still.exit(7); });
    EXPECT_EQ(still.exec(), 7);
}

} // namespace
