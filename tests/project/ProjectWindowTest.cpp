#include "common/Clock.h"
#include "common/EraDate.h"
#include "common/Error.h"
#include "common/TextFile.h"
#include "common/ui/WindowSet.h"
#include "input/ui/TForm2.h"
#include "project/Project.h"
#include "project/ProjectActions.h"
#include "project/ui/TForm1.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::ScriptedDialogs;
using mirevo::test::TempHome;

namespace {

// A project window on a fresh program folder with a fixed clock.
struct WindowFixture : ::testing::Test {
    WindowFixture()
    {
        clock::setFixed(QDateTime(QDate(2024, 5, 20), QTime(10, 0, 1)));
        windows.calendar = &calendar;
        form = std::make_unique<TForm1>(project, registry, windows);
    }
    ~WindowFixture() override { clock::useSystem(); }

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void showActive()
    {
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void activate()
    {
        QEvent e(QEvent::WindowActivate);
        QApplication::sendEvent(form.get(), &e);
    }

    TempHome home;
    ScriptedDialogs dialogs;
    Project project;
    Registry registry;
    TForm2 calendar;
    WindowSet windows;
    std::unique_ptr<TForm1> form;
};

TEST_F(WindowFixture, CreationShowsOrdererPageAndTodaysEraDate)
{
    EXPECT_EQ(form->currentPage(), TForm1::Orderer);
    EXPECT_EQ(find<QLineEdit>("Edit41")->text(), QStringLiteral("令和 6年 5月 20日"));
    EXPECT_EQ(form->gengou(), QStringLiteral("令和"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Mirevo！ / Ver1.00"));
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("〇〇〇〇〇〇〇"));
    EXPECT_EQ(find<QComboBox>("ComboBox7")->currentText(), QStringLiteral("知事 一般"));
}

TEST_F(WindowFixture, FirstStartTakesNothingOverAndAsksNothing)
{
    Registry stored;
    stored.companies.setRow(1, {"1", QStringLiteral("登録一号建設"), QStringLiteral("本店")});
    stored.save();
    activate();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(home.file("set.kss")));
    EXPECT_EQ(form->primeChoice(), PrimeChoice::Unset);
    EXPECT_EQ(project.currentRow, 0);
    EXPECT_EQ(project.contractors.cell(company::Name, 1), QString());
    EXPECT_EQ(find<QLineEdit>("Edit10")->text(), QStringLiteral("〇〇〇〇〇株式会社"));
    form->openSettings();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_FALSE(find<QRadioButton>("RadioButton2")->isChecked());
}

TEST_F(WindowFixture, SettingsFileGoneLaterIsReportedAndTheChoiceKept)
{
    form->openSettings();
    find<QRadioButton>("RadioButton1")->setChecked(true);
    find<QPushButton>("Button_settingsSave")->click();
    ASSERT_TRUE(QFile::remove(home.file("set.kss")));
    dialogs.messages.clear();
    form->openSettings();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.value(0).contains("set.kss"));
    EXPECT_TRUE(find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_EQ(form->primeChoice(), PrimeChoice::SetPrime);
    EXPECT_FALSE(QFile::exists(home.file("set.kss")));
}

TEST_F(WindowFixture, PageButtonsSwitchPagesAndStrip)
{
    struct Step {
        const char* button;
        TForm1::Page page;
        const char* colour;
        int guide;
    };
    const Step steps[] = {{"Button_page2", TForm1::Prime, "#123172", 1},
                          {"Button_page3", TForm1::Subcontractors, "#004040", 2},
                          {"Button_page4", TForm1::Workers, "#004040", 2},
                          {"Button_page1", TForm1::Orderer, "#FEE6AB", 0}};
    const char* pages[] = {"Page_orderer", "Page_prime", "Page_contractors", "Page_workers"};
    for (const Step& s : steps) {
        find<QPushButton>(s.button)->click();
        EXPECT_EQ(form->currentPage(), s.page);
        EXPECT_FALSE(find<QPushButton>(s.button)->isEnabled());
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(find(pages[i])->isVisibleTo(form.get()), i == s.page) << s.button << " " << pages[i];
        EXPECT_TRUE(find<QFrame>("Panel_strip")->styleSheet().contains(QLatin1String(s.colour)));
        EXPECT_EQ(find<QFrame>("Panel_strip")->geometry().x(), find<QPushButton>(s.button)->geometry().x());
        EXPECT_EQ(form->poji(), s.guide);
    }
}

TEST_F(WindowFixture, PrimePageShowsTheOrderersDates)
{
    find<QLineEdit>("Edit5")->setText(QStringLiteral("令和6年4月1日"));
    find<QLineEdit>("Edit7")->setText(QStringLiteral("令和6年3月1日"));
    find<QPushButton>("Button_page2")->click();
    EXPECT_EQ(find<QLineEdit>("Edit78")->text(), QStringLiteral("令和6年4月1日"));
    EXPECT_EQ(find<QLineEdit>("Edit81")->text(), QStringLiteral("令和6年3月1日"));
}

TEST_F(WindowFixture, EnterMovesAlongTheOrdererChainAndWraps)
{
    showActive();
    const char* chain[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "ComboBox1", "Edit1"};
    QWidget* current = find(chain[0]);
    current->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), current);
    for (int i = 1; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget* focus = QApplication::focusWidget();
        QWidget* expected = find(chain[i]);
        EXPECT_TRUE(focus == expected || focus->parentWidget() == expected) << chain[i];
    }
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("〇〇〇〇〇〇〇")); // Enter was swallowed
}

TEST_F(WindowFixture, DoubleClickEmptiesAndClearButtonKeepsCombo)
{
    form->show();
    QTest::mouseDClick(find<QLineEdit>("Edit4"), Qt::LeftButton);
    EXPECT_EQ(project.record.text("Edit4"), "");
    QTest::mouseDClick(find<QLineEdit>("Edit5"), Qt::LeftButton); // a date field is not emptied
    find<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("口頭による"));
    find<QPushButton>("Button_clearOrderer")->click();
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(find<QLineEdit>(QStringLiteral("Edit%1").arg(i).toLatin1())->text(), "");
    EXPECT_EQ(project.record.text("ComboBox1"), QStringLiteral("口頭による"));
}

// Clicks a button of the calendar once it is open, so the modal run ends.
void answerCalendar(TForm2& calendar, const char* button)
{
    QTimer::singleShot(0, &calendar, [&calendar, button] {
        calendar.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        if (calendar.isVisible())
            calendar.close();
    });
}

TEST_F(WindowFixture, DateFieldsTakeTheCalendarsEraDate)
{
    showActive();
    answerCalendar(calendar, "Button4"); // "今日", then the close box
    QTest::mouseClick(find<QLineEdit>("Edit5"), Qt::LeftButton);
    EXPECT_EQ(project.record.text("Edit5"), QStringLiteral("令和6年5月20日"));
    answerCalendar(calendar, "Button8"); // "閉じる"
    QTest::mouseClick(find<QLineEdit>("Edit7"), Qt::LeftButton);
    EXPECT_EQ(project.record.text("Edit7"), blankDateTemplate());
    clock::setFixed(QDateTime(QDate(2019, 4, 30), QTime(9, 0)));
    answerCalendar(calendar, "Button5"); // "来月" from the date shown last: start mode 2 resets it to today
    QTest::mouseDClick(find<QLineEdit>("Edit41"), Qt::LeftButton);
    EXPECT_EQ(find<QLineEdit>("Edit41")->text(), QStringLiteral("令和1年5月30日"));
}

TEST_F(WindowFixture, GuideBlinksRedUntilAPrimeIsChosenThenGreen)
{
    form->show();
    find<QPushButton>("Button_page2")->click();
    QFrame* guide = find<QFrame>("Button_primeCallUpGuide");
    form->blinkGuide(); // second 1: shown
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(guide->styleSheet().contains("ff0000"));
    clock::setFixed(QDateTime(QDate(2024, 5, 20), QTime(10, 0, 2)));
    form->blinkGuide();
    EXPECT_FALSE(guide->isVisible());
    clock::setFixed(QDateTime(QDate(2024, 5, 20), QTime(10, 0, 3)));
    find<QLineEdit>("Edit10")->setText(QStringLiteral("元請建設株式会社"));
    form->blinkGuide();
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(guide->styleSheet().contains("00ff00"));
}

TEST_F(WindowFixture, SavedProjectReopensWithTheSameFields)
{
    find<QLineEdit>("Edit9")->setText(QStringLiteral("駅前ビル新築工事"));
    find<QLineEdit>("Edit1")->setText(QStringLiteral("発注 \"株式会社\", 本社"));
    find<QPushButton>("Button_page2")->click();
    find<QRadioButton>("RadioButton6")->setChecked(true);
    dialogs.saveNames.push_back(home.file("site"));
    form->saveProject();
    EXPECT_EQ(dialogs.proposedNames.value(0), QStringLiteral("駅前ビル新築工事"));
    ASSERT_TRUE(QFile::exists(home.file("site.anz")));

    Project other;
    Registry registry2;
    TForm1 second(other, registry2, windows);
    dialogs.openNames.push_back(home.file("site.anz"));
    second.openProject();
    EXPECT_EQ(second.findChild<QLineEdit*>("Edit9")->text(), QStringLiteral("駅前ビル新築工事"));
    EXPECT_EQ(second.findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("発注 \"株式会社\", 本社"));
    EXPECT_TRUE(second.findChild<QRadioButton*>("RadioButton6")->isChecked());
    EXPECT_EQ(second.findChild<QLineEdit*>("Edit41")->text(), QStringLiteral("令和 6年 5月 20日"));
}

TEST_F(WindowFixture, CancelledDialogsWriteAndReadNothing)
{
    form->saveProject();
    form->openProject();
    EXPECT_TRUE(QDir(home.path()).entryList({"*.anz"}).isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Opening a file that is not a whole project names the file and the line,
// and leaves the open project, its file, title and unsaved state as they were.
TEST_F(WindowFixture, AFileThatIsNotAProjectLeavesTheOpenProjectAsItWas)
{
    find<QLineEdit>("Edit9")->setText(QStringLiteral("駅前ビル新築工事"));
    dialogs.saveNames.push_back(home.file("site"));
    form->saveProject();
    find<QLineEdit>("Edit1")->setText(QStringLiteral("打ちかけの発注者"));
    const QString title = form->windowTitle();

    QFile::copy(QStringLiteral(MIREVO_SOURCE_DIR "/fuzz/corpus/xlsx/openpyxl-template.xlsx"),
                home.file("book.anz"));
    textfile::writeLines(home.file("short.anz"), {QStringLiteral("新発注者"), "1"});
    QFile garbage(home.file("garbage.anz"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4096; ++i)
        garbage.putChar(char((i * 131 + 7) % 256));
    garbage.close();
    QFile empty(home.file("empty.anz"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();

    for (const char* name : {"book.anz", "short.anz", "garbage.anz", "empty.anz"}) {
        SCOPED_TRACE(name);
        dialogs.messages.clear();
        dialogs.answers = {true}; // yes, the unsaved edit may go
        dialogs.openNames.push_back(home.file(name));
        form->openProject();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].contains(QString::fromLatin1(name)));
        EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("打ちかけの発注者"));
        EXPECT_EQ(find<QLineEdit>("Edit9")->text(), QStringLiteral("駅前ビル新築工事"));
        EXPECT_EQ(project.record.text("Edit1"), QStringLiteral("打ちかけの発注者"));
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_TRUE(form->unsavedChanges());
    }
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("行目")));

    // Ctrl+S still writes the project's own file, not the broken one.
    form->saveProject();
    Project back;
    project::open(home.file("site.anz"), back);
    EXPECT_EQ(back.record.text("Edit1"), QStringLiteral("打ちかけの発注者"));
}

TEST_F(WindowFixture, OpeningOverUnsavedEditsAsksFirst)
{
    dialogs.saveNames.push_back(home.file("other"));
    find<QLineEdit>("Edit1")->setText(QStringLiteral("別の現場"));
    form->saveProject();
    find<QLineEdit>("Edit1")->setText(QStringLiteral("打ちかけ"));

    dialogs.answers = {false};
    dialogs.openNames.push_back(home.file("other.anz"));
    form->openProject();
    EXPECT_EQ(dialogs.questions.value(0), QStringLiteral("保存していない変更があります。保存せずに閉じますか？"));
    EXPECT_EQ(dialogs.filters.size(), 1); // no open dialog after "no"
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("打ちかけ"));

    dialogs.answers = {true};
    form->openProject();
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("別の現場"));
    EXPECT_FALSE(form->unsavedChanges());

    form->openProject(); // nothing changed since: no question
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(WindowFixture, SaveWritesTheOwnFileAndSaveAsAsks)
{
    dialogs.saveNames.push_back(home.file("site"));
    form->saveProject();
    ASSERT_EQ(dialogs.proposedNames.size(), 1);

    find<QLineEdit>("Edit1")->setText(QStringLiteral("二度目"));
    form->saveProject();
    EXPECT_EQ(dialogs.proposedNames.size(), 1); // no dialog the second time
    EXPECT_FALSE(form->unsavedChanges());
    Project back;
    project::open(home.file("site.anz"), back);
    EXPECT_EQ(back.record.text("Edit1"), QStringLiteral("二度目"));

    dialogs.saveNames.push_back(home.file("copy"));
    form->saveProjectAs();
    EXPECT_EQ(dialogs.proposedNames.size(), 2);
    EXPECT_TRUE(QFile::exists(home.file("copy.anz")));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Mirevo！ / Ver1.00 - copy.anz"));
}

TEST_F(WindowFixture, AFailedSaveIsReportedAndTheChangesStayUnsaved)
{
    find<QLineEdit>("Edit1")->setText(QStringLiteral("新しい発注者"));
    QDir(home.path()).mkdir(QStringLiteral("dir.anz"));
    dialogs.saveNames.push_back(home.file("dir.anz"));
    form->saveProject();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(form->unsavedChanges());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Mirevo！ / Ver1.00"));
}

TEST_F(WindowFixture, HelpNamesTheManualItLookedFor)
{
    find<QPushButton>("Button_help")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("Mirevo【取扱説明書】.pdf")));
    EXPECT_TRUE(dialogs.opened.isEmpty());
}

TEST_F(WindowFixture, SettingsPanelSavesTheChoice)
{
    textfile::writeLines(home.file("set.kss"), {"1"});
    form->openSettings();
    EXPECT_TRUE(find("Panel_settings")->isVisibleTo(form.get()));
    EXPECT_TRUE(find<QRadioButton>("RadioButton2")->isChecked());
    find<QRadioButton>("RadioButton1")->setChecked(true);
    find<QPushButton>("Button_settingsSave")->click();
    EXPECT_EQ(TempHome::readBytes(home.file("set.kss")), QByteArray("0\r\n"));
    EXPECT_EQ(dialogs.messages.value(0), QStringLiteral("保存しました。"));
    EXPECT_FALSE(find("Panel_settings")->isVisibleTo(form.get()));
}

TEST_F(WindowFixture, SettingsPanelSaysWhereTheFilesAreKept)
{
    textfile::writeLines(home.file("set.kss"), {"1"});
    form->show();
    form->openSettings();
    EXPECT_EQ(find<QLabel>("Label_programFolder")->text(),
              QStringLiteral("保存先フォルダー: ") + QDir::toNativeSeparators(home.path()));
}

TEST_F(WindowFixture, ActivationTakesOverTheFirstCompanyAsPrime)
{
    textfile::writeLines(home.file("set.kss"), {"0"});
    form->openSettings();
    find<QPushButton>("Button_settingsClose")->click();
    Registry stored;
    stored.companies.setRow(1, {"1", QStringLiteral("自社建設株式会社"), QStringLiteral("本店")});
    stored.save();
    activate();
    EXPECT_EQ(find<QLineEdit>("Edit10")->text(), QStringLiteral("自社建設株式会社"));
    EXPECT_EQ(find<QLineEdit>("Edit11")->text(), QStringLiteral("本店"));
}

TEST_F(WindowFixture, BrokenRegistryIsReportedOnceNotOnEveryActivation)
{
    textfile::writeLines(home.file("kaisya_set.kss"), {"x"});
    activate();
    activate();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.value(0).contains("kaisya_set.kss"));
}

} // namespace

TEST_F(WindowFixture, APastedLineBreakBecomesABlankInFieldAndRecord)
{
    auto* address = find<QLineEdit>("Edit4");
    address->clear();
    QApplication::clipboard()->setText(QStringLiteral("香川県高松市\r\n番町1-2"));
    address->paste();
    EXPECT_EQ(address->text(), QStringLiteral("香川県高松市 番町1-2"));
    EXPECT_EQ(project.record.text("Edit4"), QStringLiteral("香川県高松市 番町1-2"));
    find<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("口頭\nによる"));
    EXPECT_EQ(project.record.text("ComboBox1"), QStringLiteral("口頭 による"));
}

namespace {

// Labels and fields inside one group of a page never cover each other.
TEST_F(WindowFixture, NoControlOfAPageCoversAnother)
{
    for (TForm1::Page page : {TForm1::Orderer, TForm1::Prime, TForm1::Subcontractors, TForm1::Workers}) {
        form->showPage(page);
        for (QGroupBox* group : form->findChildren<QGroupBox*>()) {
            if (!group->isVisibleTo(form.get()))
                continue;
            QList<QWidget*> controls;
            for (QWidget* w : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w->isVisibleTo(group) && (qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w)
                                              || qobject_cast<QComboBox*>(w) || qobject_cast<QRadioButton*>(w)))
                    controls << w;
            for (qsizetype i = 0; i < controls.size(); ++i)
                for (qsizetype j = i + 1; j < controls.size(); ++j)
                    EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                        << group->title().toStdString() << ": " << controls[i]->objectName().toStdString() << " "
                        << qPrintable(controls[i]->property("text").toString()) << " / "
                        << controls[j]->objectName().toStdString() << " "
                        << qPrintable(controls[j]->property("text").toString());
        }
    }
}

} // namespace

namespace {

TEST_F(WindowFixture, CtrlSSavesShowsTheFileInTheTitleAndConfirms)
{
    showActive();
    find<QLineEdit>("Edit9")->setText(QStringLiteral("駅前ビル新築工事"));
    dialogs.saveNames.push_back(home.file("bonanz"));
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(home.file("bonanz.anz")));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Mirevo！ / Ver1.00 - bonanz.anz"));
    EXPECT_EQ(find<QLabel>("Label_status")->text(), QStringLiteral("保存しました（bonanz.anz）"));
    EXPECT_FALSE(form->unsavedChanges());

    dialogs.openNames.push_back(home.file("bonanz.anz"));
    QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.filters.size(), 2);
    EXPECT_FALSE(form->unsavedChanges());
}

TEST_F(WindowFixture, ALongStatusFitsItsLabelAndItsTipHoldsItAll)
{
    const QString name = QStringLiteral("令和八年度駅前再開発ビル新築工事第二工区（東棟）安全書類");
    dialogs.saveNames.push_back(home.file(name));
    form->saveProject();
    auto* status = find<QLabel>("Label_status");
    const QString full = QStringLiteral("保存しました（%1.anz）").arg(name);
    EXPECT_EQ(status->toolTip(), full);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("保存しました")));
    EXPECT_TRUE(status->text().endsWith(QStringLiteral(".anz）")));
    const QRect room = status->contentsRect();
    EXPECT_LE(status->fontMetrics().boundingRect(room, Qt::TextWordWrap, status->text()).height(), room.height());
    EXPECT_LE(status->geometry().right(), status->parentWidget()->width());
}

TEST_F(WindowFixture, ClosingWithUnsavedChangesAsksFirst)
{
    showActive();
    form->close(); // nothing changed: no question
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(form->isVisible());

    showActive();
    find<QLineEdit>("Edit1")->setText(QStringLiteral("新しい発注者"));
    EXPECT_TRUE(form->unsavedChanges());
    dialogs.answers = {false};
    form->close();
    EXPECT_EQ(dialogs.questions.value(0), QStringLiteral("保存していない変更があります。保存せずに閉じますか？"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(find<QLineEdit>("Edit1")->text(), QStringLiteral("新しい発注者"));

    dialogs.saveNames.push_back(home.file("site.anz"));
    form->saveProject();
    form->close();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_FALSE(form->isVisible());

    // Showing a page copies the orderer's dates into display fields that
    // are not saved: that is no change.
    form->showPage(TForm1::Prime);
    EXPECT_FALSE(form->unsavedChanges());
}

} // namespace

namespace {

// The offscreen screen (800 wide) is narrower than the window: the pages
// scroll, and the whole window stays on the screen.
TEST_F(WindowFixture, OnASmallScreenThePagesScrollAndTheWindowFits)
{
    showActive();
    const QRect area = form->screen()->availableGeometry();
    ASSERT_LT(area.width(), 1240);
    auto* scroll = find<QScrollArea>("ScrollArea_fit");
    EXPECT_EQ(scroll->widget()->size(), QSize(1240, 707));
    EXPECT_TRUE(area.contains(form->frameGeometry())) << form->frameGeometry().width() << "x" << form->frameGeometry().height();
    EXPECT_GE(form->frameGeometry().top(), area.top());
}

// A panel opened from a button of a page scrolled elsewhere comes into view.
TEST_F(WindowFixture, OnASmallScreenTheOpenedPanelsComeIntoView)
{
    showActive();
    auto* scroll = find<QScrollArea>("ScrollArea_fit");
    for (const char* button : {"Button_documents", "Button_settings"}) {
        SCOPED_TRACE(button);
        scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        textfile::writeLines(home.file("set.kss"), {"0"});
        find<QPushButton>(button)->click();
        QWidget* panel = find(button == QByteArray("Button_documents") ? "Panel_documents" : "Panel_settings");
        ASSERT_TRUE(panel->isVisible());
        const QPoint corner = panel->mapTo(scroll->viewport(), QPoint(0, 0));
        EXPECT_TRUE(scroll->viewport()->rect().contains(corner + QPoint(2, 2))) << corner.x() << "," << corner.y();
        panel->hide();
    }
}

} // namespace
