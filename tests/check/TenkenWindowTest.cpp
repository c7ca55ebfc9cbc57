#include "check/SiteCheck.h"
#include "check/ui/Ttenken.h"
#include "documents/ui/GenerationPanel.h"
#include "project/ProjectActions.h"
#include "project/SiteWindowFixture.h"
#include "project/ui/WorkerListView.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace mirevo;
using namespace mirevo::test;

namespace {

const QString kSample = QStringLiteral(MIREVO_EXAMPLES "/青空ビル新築工事.anz");

template <typename T> T* child(QWidget& window, const char* name)
{
    T* w = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QTreeWidget* findings(QDialog& window)
{
    return child<QTreeWidget>(window, "ListView_findings");
}

// The row whose column `column` reads `text`; -1 when none does.
int rowWith(QTreeWidget* list, int column, const QString& text)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        if (list->topLevelItem(row)->text(column) == text)
            return row;
    return -1;
}

// Shows the window as exec() would and double-clicks list row `row`.
int doubleClick(QDialog& window, int row)
{
    window.show();
    QCoreApplication::processEvents();
    QTreeWidget* list = findings(window);
    EXPECT_GE(row, 0);
    const QRect place = list->visualItemRect(list->topLevelItem(row));
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    return window.result();
}

int click(QDialog& window, const char* button)
{
    child<QPushButton>(window, button)->click();
    return window.result();
}

void readSample(Project& p, const std::function<void(Project&)>& change)
{
    project::open(kSample, p);
    change(p);
}

void youngWorker(Project& p)
{
    p.workers.setCell(worker::Birth, 5, QStringLiteral("2010/04/01")); // 伊藤 直樹, 讃岐設備工業株式会社
}

void expiredLicence(Project& p)
{
    p.contractors.setCell(company::LicenceDate1, 3, QStringLiteral("令和 3年 4月 1日")); // 峰山保温工業
}

TEST(TenkenWindow, ListsLevelCompanyWorkerAndMessage)
{
    Project site;
    readSample(site, [](Project& p) {
        youngWorker(p);
        expiredLicence(p);
    });
    Ttenken window(check::checkSite(site, QDate(2031, 1, 1)), Ttenken::Mode::BeforeConversion);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("提出前チェック"));
    QTreeWidget* list = findings(window);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    const QStringList headings{QStringLiteral("区分"), QStringLiteral("会社名"), QStringLiteral("作業員"),
                               QStringLiteral("内容")};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(list->headerItem()->text(column), headings[column]);
    // 讃岐設備工業株式会社 stands before 峰山保温工業 in the table.
    const QTreeWidgetItem* young = list->topLevelItem(0);
    EXPECT_EQ(young->text(0), QStringLiteral("情報"));
    EXPECT_EQ(young->text(1), QStringLiteral("讃岐設備工業株式会社"));
    EXPECT_EQ(young->text(2), QStringLiteral("伊藤 直樹"));
    EXPECT_TRUE(young->text(3).contains(QStringLiteral("16歳")));
    const QTreeWidgetItem* licence = list->topLevelItem(1);
    EXPECT_EQ(licence->text(0), QStringLiteral("エラー"));
    EXPECT_EQ(licence->text(1), QStringLiteral("峰山保温工業"));
    EXPECT_EQ(licence->text(2), QString());
    EXPECT_TRUE(licence->toolTip(3).contains(QStringLiteral("licence-expired")));
    // The chosen finding in full below the list; the first one to begin with.
    QLabel* detail = child<QLabel>(window, "Label_detail");
    EXPECT_TRUE(detail->text().startsWith(QStringLiteral("【讃岐設備工業株式会社　伊藤 直樹】生年月日（minor）\n")))
        << detail->text().toStdString();
    list->setCurrentItem(list->topLevelItem(1));
    EXPECT_TRUE(detail->text().endsWith(licence->text(3))) << detail->text().toStdString();
    const QString summary = child<QLabel>(window, "Label_summary")->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("作成日 令和8年12月1日 で確認しました。")));
    EXPECT_TRUE(summary.contains(QStringLiteral("エラー 1 件、警告 0 件、情報 1 件")));
    EXPECT_EQ(child<QPushButton>(window, "Button_createAnyway")->text(), QStringLiteral("このまま作成"));
    EXPECT_EQ(child<QPushButton>(window, "Button_goBack")->text(), QStringLiteral("戻って直す"));
    // With an error Enter means "戻って直す".
    EXPECT_TRUE(child<QPushButton>(window, "Button_goBack")->isDefault());
    EXPECT_EQ(window.findChild<QPushButton*>("Button_tenkenClose"), nullptr);
}

// "Excel 変換" on the generation panel: the check first, then what the
// user answers decides.
TEST(Convert, TheCheckComesFirst)
{
    struct Row {
        const char* name;
        std::function<void(Project&)> change;
        std::function<int(QDialog&)> answer; // none: no window expected
        bool workbook;
        const char* chosenWorker;
    };
    const Row rows[] = {
        {"nothing to fix", [](Project&) {}, nullptr, true, ""},
        {"このまま作成", youngWorker, [](QDialog& w) { return click(w, "Button_createAnyway"); }, true, ""},
        {"戻って直す", youngWorker, [](QDialog& w) { return click(w, "Button_goBack"); }, false, ""},
        {"double-click", youngWorker, [](QDialog& w) { return doubleClick(w, 0); }, false, "伊藤 直樹"},
    };
    for (const Row& row : rows) {
        TempHome home;
        ScriptedDialogs dialogs;
        Project project;
        readSample(project, row.change);
        GenerationPanel panel(project, nullptr);
        panel.setProjectFile([&] { return home.file(QStringLiteral("site.anz")); });
        if (row.answer)
            dialogs.windowActions.push_back(row.answer);
        QSignalSpy chosen(&panel, &GenerationPanel::findingChosen);
        child<QPushButton>(panel, "Button_convert")->click();
        EXPECT_EQ(dialogs.windowsShown, row.answer ? 1 : 0) << row.name;
        EXPECT_EQ(panel.workbookWindow() != nullptr, row.workbook) << row.name;
        const QString worker = chosen.isEmpty() ? QString() : chosen.at(0).at(0).value<check::Finding>().worker;
        EXPECT_EQ(worker, QString::fromUtf8(row.chosenWorker)) << row.name;
        const QString status = child<QLabel>(panel, "Label_documentsStatus")->text();
        EXPECT_EQ(
            status.contains(QStringLiteral("提出前チェック (エラー 0 件、警告 0 件、情報 1 件) のまま作成しました。")),
            row.answer && row.workbook)
            << row.name << ": " << status.toStdString();
        if (panel.workbookWindow())
            panel.workbookWindow()->close();
    }
}

// The project window's "提出前チェック", and where a double-click leads.
struct ProjectWindowCheck : SiteWindowFixture {
    ProjectWindowCheck()
    {
        dialogs.openNames.push_back(kSample);
        form->openProject();
        youngWorker(project);
        expiredLicence(project);
    }
    void runFromMenu()
    {
        for (QAction* menu : find<QMenuBar>("")->actions())
            for (QAction* item : menu->menu() ? menu->menu()->actions() : QList<QAction*>{})
                if (item->text() == QStringLiteral("提出前チェック(&C)"))
                    return item->trigger();
        ADD_FAILURE() << "no menu item 提出前チェック";
    }
};

TEST_F(ProjectWindowCheck, DoubleClickOnAWorkerShowsItOnTheWorkerPage)
{
    dialogs.windowActions.push_back([](QDialog& window) {
        EXPECT_EQ(child<QPushButton>(window, "Button_tenkenClose")->text(), QStringLiteral("閉じる"));
        EXPECT_EQ(window.findChild<QPushButton*>("Button_createAnyway"), nullptr);
        return doubleClick(window, rowWith(findings(window), 2, QStringLiteral("伊藤 直樹")));
    });
    runFromMenu();
    ASSERT_EQ(dialogs.windowsShown, 1);
    EXPECT_EQ(form->currentPage(), TForm1::Workers);
    EXPECT_EQ(find<QComboBox>("ComboBox22")->currentText(), QStringLiteral("讃岐設備工業株式会社"));
    const std::vector<int> selected = find<WorkerListView>("StringGrid4")->selectedGridRows();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(project.filteredWorkers.cell(worker::Name, selected.front()), QStringLiteral("伊藤 直樹"));
}

TEST_F(ProjectWindowCheck, DoubleClickOnACompanyShowsItsRowInTheEditor)
{
    dialogs.windowActions.push_back([](QDialog& window) {
        return doubleClick(window, rowWith(findings(window), 1, QStringLiteral("峰山保温工業")));
    });
    runFromMenu();
    EXPECT_EQ(form->currentPage(), TForm1::Subcontractors);
    EXPECT_EQ(project.currentRow, 3);
    EXPECT_EQ(find<QLineEdit>("Edit42")->text(), QStringLiteral("峰山保温工業"));
}

} // namespace
