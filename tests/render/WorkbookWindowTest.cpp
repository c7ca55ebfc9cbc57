// The workbook window: tabs and sheet switching, printing through QPrinter, Save as, PDF and
// opening files, with the dialogs scripted.
#include "render/ui/WorkbookWindow.h"
#include "RenderTestBooks.h"
#include "render/ui/SheetView.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QTabBar>

#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::sheet;
using mirevo::test::ScriptedDialogs;
using mirevo::test::TempHome;
using render::WorkbookWindow;

namespace {

struct Fixture {
    ScriptedDialogs dialogs;
    TempHome home;
    Application app;
    Workbook& book = app.Workbooks().Add();
    WorkbookWindow window;
    Fixture()
    {
        render::test::fillA3WithBreak(book.Sheets(1)).setName("A3");
        render::test::fillA4Table(book.Sheets().Add(After{book.Sheets(1)})).setName(QStringLiteral("名簿"));
        window.open(book);
    }
    QTabBar* tabs() { return window.findChild<QTabBar*>("SheetTabs"); }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }
};

TEST(WorkbookWindow, TabsNameTheSheetsAndShowSheetBringsOneToTheFront)
{
    Fixture f;
    ASSERT_NE(f.tabs(), nullptr);
    ASSERT_EQ(f.tabs()->count(), 2);
    EXPECT_EQ(f.tabs()->tabText(1), QStringLiteral("名簿"));
    EXPECT_TRUE(f.window.showSheet(QStringLiteral("名簿")));
    EXPECT_EQ(f.tabs()->currentIndex(), 1);
    EXPECT_EQ(f.window.view()->sheet(), &f.book.Sheets(2));
    EXPECT_FALSE(f.window.showSheet(QStringLiteral("無い")));
    f.action("PreviousSheetAction")->trigger();
    EXPECT_EQ(f.window.view()->sheet(), &f.book.Sheets(1));
    f.action("PreviousSheetAction")->trigger();
    EXPECT_EQ(f.tabs()->currentIndex(), 0);
    f.action("NextSheetAction")->trigger();
    EXPECT_EQ(f.window.view()->sheet(), &f.book.Sheets(2));
    f.tabs()->setCurrentIndex(0);
    EXPECT_EQ(f.window.view()->pageCount(), 2);
    EXPECT_EQ(f.window.menuBar()->actions().first()->text(), QStringLiteral("ファイル(&F)"));
}

TEST(WorkbookWindow, TheWholeWindowFitsItsScreen)
{
    Fixture f;
    ASSERT_NE(f.window.screen(), nullptr);
    const QSize room = f.window.screen()->availableGeometry().size();
    // The offscreen screen is smaller than the window's usual 1200 x 800.
    ASSERT_LT(room.height(), 800 + 40);
    EXPECT_LE(f.window.width() + 8, room.width());
    EXPECT_LE(f.window.height() + 40, room.height()) << "frame and title bar included";
    EXPECT_GT(f.window.height(), 300);
}

TEST(WorkbookWindow, ZoomAndPageViewChangeTheView)
{
    Fixture f;
    f.window.findChild<QComboBox*>("ZoomBox")->setCurrentText("50%");
    EXPECT_EQ(f.window.view()->zoom(), 50);
    f.action("PageViewAction")->trigger();
    EXPECT_TRUE(f.window.view()->pageView());
    // The second page lies one A3 landscape page height (at 50 %) plus a gap below the first.
    const int pageHeight = int(841.89 * 0.5 * f.window.view()->logicalDpiY() / 72.0);
    EXPECT_NEAR(f.window.view()->pageOrigin(1).y() - f.window.view()->pageOrigin(0).y(), pageHeight + 16, 1);
}

struct PrintCase {
    const char* name;
    WorkbookWindow::PrintScope scope;
    int first, last;
    std::vector<std::pair<double, double>> pages; // points
};

class Printing : public ::testing::TestWithParam<PrintCase> { };

TEST_P(Printing, GoesThroughQPrinterOnEachSheetsPaper)
{
    Fixture f;
    f.window.showSheet(QStringLiteral("名簿"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = f.home.file("printed.pdf");
    printer.setOutputFileName(path);
    const PrintCase& c = GetParam();
    EXPECT_EQ(f.window.print(printer, c.scope, c.first, c.last), int(c.pages.size()));
    const auto pages = render::test::pdfPages(render::test::fileBytes(path));
    ASSERT_EQ(pages.size(), c.pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_NEAR(pages[i].width, c.pages[i].first, 1.0) << "page " << i + 1;
        EXPECT_NEAR(pages[i].height, c.pages[i].second, 1.0) << "page " << i + 1;
    }
}

const std::pair<double, double> kA3L{1190.55, 841.89}, kA4P{595.28, 841.89};

INSTANTIATE_TEST_SUITE_P(
    Scopes, Printing,
    ::testing::Values(PrintCase{"WholeWorkbook", WorkbookWindow::PrintScope::Workbook, 0, 0, {kA3L, kA3L, kA4P}},
                      PrintCase{"SheetInFront", WorkbookWindow::PrintScope::CurrentSheet, 0, 0, {kA4P}},
                      PrintCase{"PageRange", WorkbookWindow::PrintScope::Workbook, 2, 3, {kA3L, kA4P}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WorkbookWindow, SaveAsWritesAWorkbookThatOpensAgain)
{
    Fixture f;
    const QString path = f.home.file("saved.xlsx");
    f.dialogs.saveNames.push_back(path);
    f.action("SaveAsAction")->trigger();
    EXPECT_EQ(f.dialogs.messages.value(0), QStringLiteral("保存しました"));
    WorkbookWindow other;
    ASSERT_TRUE(other.openFile(path));
    EXPECT_EQ(other.sheetNames(), (QStringList{"A3", QStringLiteral("名簿")}));
    EXPECT_EQ(other.view()->pageCount(), 1) << "the active sheet, 名簿, in front";
    other.showSheet("A3");
    EXPECT_EQ(other.view()->pageCount(), 2);
}

TEST(WorkbookWindow, ExportPdfWritesEveryPage)
{
    Fixture f;
    const QString path = f.home.file("book.pdf");
    f.dialogs.saveNames.push_back(path);
    f.action("ExportPdfAction")->trigger();
    EXPECT_EQ(render::test::pdfPages(render::test::fileBytes(path)).size(), 3u);
    EXPECT_EQ(f.dialogs.messages.value(0), QStringLiteral("PDF に出力しました (3 ページ)"));
}

TEST(WorkbookWindow, AFileThatCannotBeReadIsReportedAndTheShownBookStays)
{
    Fixture f;
    const QString broken = f.home.file("broken.xlsx");
    TempHome::writeBytes(broken, "PK not really");
    f.dialogs.openNames.push_back(broken);
    f.action("OpenAction")->trigger();
    ASSERT_EQ(f.dialogs.messages.size(), 1);
    EXPECT_TRUE(f.dialogs.messages[0].contains("broken.xlsx"));
    EXPECT_EQ(f.window.workbook(), &f.book);
    EXPECT_EQ(f.tabs()->count(), 2);
}

TEST(WorkbookWindow, CommandsThatNeedAWorkbookWaitForOne)
{
    ScriptedDialogs dialogs;
    WorkbookWindow window;
    for (const char* name : {"SaveAsAction", "PrintAction", "ExportPdfAction"})
        EXPECT_FALSE(window.findChild<QAction*>(name)->isEnabled()) << name;
    EXPECT_TRUE(window.findChild<QAction*>("OpenAction")->isEnabled());
}

TEST(WorkbookWindow, ClosingAGeneratedBookBeforeItIsSavedAsksFirst)
{
    Fixture f;
    f.window.show();
    EXPECT_TRUE(f.window.unsaved());
    f.dialogs.answers = {false};
    f.action("CloseAction")->trigger(); // Ctrl+W
    EXPECT_EQ(f.dialogs.questions.value(0), QStringLiteral("ブックは保存されていません。保存せずに閉じますか？"));
    EXPECT_TRUE(f.window.isVisible());

    f.dialogs.answers = {true};
    f.window.close(); // the close box
    EXPECT_EQ(f.dialogs.questions.size(), 2);
    EXPECT_FALSE(f.window.isVisible());

    // Once saved, and for a book read from a file, closing asks nothing.
    f.window.show();
    f.dialogs.saveNames.push_back(f.home.file("saved.xlsx"));
    f.action("SaveAsAction")->trigger();
    EXPECT_FALSE(f.window.unsaved());
    f.window.close();
    EXPECT_EQ(f.dialogs.questions.size(), 2);
    WorkbookWindow other;
    ASSERT_TRUE(other.openFile(f.home.file("saved.xlsx")));
    other.show();
    other.close();
    EXPECT_EQ(f.dialogs.questions.size(), 2);
}

} // namespace

// The window opens a file on demand: the sheet in front is read at once, another one when its
// tab is chosen; a damaged part is reported then, and the other sheets stay shown.
TEST(WorkbookWindow, ASheetWhosePartIsDamagedIsReportedWhenItsTabIsChosen)
{
    Fixture f;
    const QString path = f.home.file("damaged.xlsx");
    f.book.SaveAs(path);
    QByteArray bytes = render::test::fileBytes(path);
    const QByteArray part = "xl/worksheets/sheet1.xml"; // A3; 名簿 is in front
    const qsizetype name = bytes.indexOf(part);         // in the entry's local header
    ASSERT_GT(name, 30);
    const int extra = uint8_t(bytes[name - 2]) | uint8_t(bytes[name - 1]) << 8;
    bytes[name + part.size() + extra + 10] = char(bytes[name + part.size() + extra + 10] ^ 0x55);
    TempHome::writeBytes(path, bytes);

    WorkbookWindow other;
    ASSERT_TRUE(other.openFile(path));
    EXPECT_TRUE(f.dialogs.messages.isEmpty());
    EXPECT_EQ(other.view()->pageCount(), 1) << "名簿 shown";
    other.showSheet("A3");
    ASSERT_EQ(f.dialogs.messages.size(), 1);
    EXPECT_TRUE(f.dialogs.messages[0].contains("damaged.xlsx")) << f.dialogs.messages[0].toStdString();
    EXPECT_TRUE(f.dialogs.messages[0].contains(QString::fromLatin1(part))) << f.dialogs.messages[0].toStdString();
    EXPECT_EQ(other.view()->sheet(), nullptr);
    other.showSheet(QStringLiteral("名簿"));
    EXPECT_EQ(other.view()->pageCount(), 1);
}
