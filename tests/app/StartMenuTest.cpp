#include "app/Tmenu01.h"
#include "support/QtPrinters.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
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
    menu.setOpeners([&] { ++registration; whileOpen = menu.pos(); }, [&] { ++project; });
    menu.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(registration, 1);
    EXPECT_EQ(whileOpen.y(), -menu.height());
    menu.findChild<QPushButton*>("Button2")->click();
    EXPECT_EQ(project, 1);
    menu.showAgain();
    EXPECT_GE(menu.pos().y(), 0);
    EXPECT_EQ(menu.size(), QSize(328, 47));
}

TEST(StartMenu, SheetListSelectsSheetsAndClosesWhenTheWorkbookIsGone)
{
    Tmenu01 menu;
    menu.showAgain();
    QStringList selected;
    bool reachable = true;
    menu.showSheetList({QStringLiteral("表紙"), QStringLiteral("作業員名簿【一次工業】")}, [&](const QString& name) {
        selected << name;
        return reachable;
    });
    EXPECT_TRUE(menu.sheetListShown());
    EXPECT_EQ(menu.size(), QSize(354, 701));
    EXPECT_EQ(menu.pos(), QPoint(0, 0));
    auto* list = menu.findChild<QListWidget*>("ListBox1");
    ASSERT_EQ(list->count(), 2);
    emit list->itemClicked(list->item(1));
    EXPECT_EQ(selected, QStringList{QStringLiteral("作業員名簿【一次工業】")});
    EXPECT_TRUE(menu.isVisible());
    reachable = false;
    emit list->itemClicked(list->item(0));
    EXPECT_FALSE(menu.isVisible());
}

} // namespace
