#include "documents/ui/GenerationPanel.h"
#include "documents/Catalogue.h"
#include "documents/TemplateBook.h"
#include "project/Project.h"
#include "registry/CompanyRecord.h"
#include "render/ui/WorkbookWindow.h"
#include "spreadsheet/Spreadsheet.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::ScriptedDialogs;
using mirevo::test::TempHome;

namespace {

// A panel on a site of a prime contractor, a first-tier and a second-tier
// company; the project file lies in a temporary folder without a template.
struct PanelFixture : ::testing::Test {
    PanelFixture()
    {
        project.record.setText("Edit9", QStringLiteral("青空ビル新築工事"));
        project.record.setText("Edit10", QStringLiteral("元請建設"));
        addCompany(1, QStringLiteral("一次工業"), "1", "0", "2");
        addCompany(2, QStringLiteral("二次興業"), "2", "1", "0");
        panel.setProjectFile([this] { return home.file(QStringLiteral("site.anz")); });
    }

    void addCompany(int row, const QString& name, const char* tier, const char* upper, const char* workers)
    {
        project.contractors.setRow(row, {QString::number(row), name});
        project.contractors.setCell(company::Tier, row, QString::fromLatin1(tier));
        project.contractors.setCell(company::UpperNo, row, QString::fromLatin1(upper));
        project.contractors.setCell(company::WorkerCount, row, QString::fromLatin1(workers));
    }

    template <typename T = QWidget> T* find(const QString& name) const
    {
        T* w = panel.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QCheckBox* box(int n) const { return find<QCheckBox>(QStringLiteral("CheckBox%1").arg(n)); }
    void click(const char* name) const { find<QPushButton>(QString::fromLatin1(name))->click(); }

    QStringList tickedBoxes() const
    {
        QStringList ticked;
        for (int n = 1; n <= 16; ++n)
            if (box(n)->isChecked())
                ticked << box(n)->text();
        return ticked;
    }

    TempHome home;
    ScriptedDialogs dialogs;
    Project project;
    GenerationPanel panel{project, nullptr};
};

TEST_F(PanelFixture, CaptionsAndStartingChoices)
{
    EXPECT_EQ(find<QLabel>("Label_heading")->text(),
              QStringLiteral("　　　　　　安全書類 (Excel) を作成できます。　　　　　"));
    EXPECT_EQ(find<QGroupBox>("GroupBox_menu")->title(), QStringLiteral("安全書類 MENU"));
    const char* captions[] = {"書類一覧",
                              "１.誓約書",
                              "2-1.施工体制台帳",
                              "2-2.下請届出、再下請通知",
                              "2-3.施工体系図",
                              "3.作業員名簿",
                              "4.有資格証写し",
                              "5.有資格区分",
                              "6.新規入場者教育",
                              "7.持込機械（ｸﾚｰﾝ・重機）",
                              "8.持込機械(電動工具)",
                              "9.工事用車輌届",
                              "10.危険物持込届",
                              "11火気使用願 ",
                              "12年少者・高年齢者・高血圧者就労報告書",
                              "13中小事業主・一人親方等就労届出"};
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(box(n)->text(), QString::fromUtf8(captions[n - 1])) << n;
    EXPECT_EQ(tickedBoxes(), QStringList{QStringLiteral("書類一覧")});
    EXPECT_EQ(find<QPushButton>("Button_allOn")->text(), QStringLiteral("全ON"));
    EXPECT_EQ(find<QPushButton>("Button_convert")->text(), QStringLiteral("Excel 変換"));
    EXPECT_EQ(find<QPushButton>("Button_documentsClose")->text(), QStringLiteral("閉じる"));
    const std::tuple<const char*, const char*, bool> radios[]
        = {{"RadioButton10", "全員書き込む", true},          {"RadioButton9", "用紙のみ", false},
           {"RadioButton7", "住所・TEL (有)", true},         {"RadioButton8", "住所・TEL (無)", false},
           {"RadioButton_separate21", "別シート書込", true}, {"RadioButton_same3", "同一シート書込", false}};
    for (auto [name, caption, checked] : radios) {
        auto* r = find<QRadioButton>(QString::fromLatin1(name));
        EXPECT_EQ(r->text(), QString::fromUtf8(caption)) << name;
        EXPECT_EQ(r->isChecked(), checked) << name;
    }
    panel.show();
    EXPECT_TRUE(find("RadioButton10")->isVisible());
    EXPECT_FALSE(find("GroupBox_address")->isVisible());
    EXPECT_FALSE(find("GroupBox_sheetMode")->isVisible());
    EXPECT_FALSE(find("ProgressBar1")->isVisible());
}

TEST_F(PanelFixture, ToggleTicksWhatCanBeMadeAndTwiceLeavesAllButTheListUnticked)
{
    QStringList available;
    for (int n = 1; n <= 16; ++n)
        if (box(n)->isEnabled())
            available << box(n)->text();
    click("Button_allOn");
    EXPECT_EQ(find<QPushButton>("Button_allOn")->text(), QStringLiteral("全OFF"));
    EXPECT_EQ(tickedBoxes(), available);
    click("Button_allOn");
    EXPECT_EQ(find<QPushButton>("Button_allOn")->text(), QStringLiteral("全ON"));
    EXPECT_EQ(tickedBoxes(), QStringList{QStringLiteral("書類一覧")});
    // The toggle never touches "書類一覧".
    box(1)->setChecked(false);
    click("Button_allOn");
    EXPECT_FALSE(box(1)->isChecked());
    click("Button_allOn");
    EXPECT_TRUE(tickedBoxes().isEmpty());
}

TEST_F(PanelFixture, TickingTheMountTicksTheReferenceTable)
{
    box(7)->setChecked(true);
    EXPECT_TRUE(box(8)->isChecked());
    box(7)->setChecked(false);
    EXPECT_TRUE(box(8)->isChecked());
    box(8)->setChecked(false);
    EXPECT_FALSE(box(7)->isChecked());
}

TEST_F(PanelFixture, OptionsFollowTheRadioButtons)
{
    EXPECT_FALSE(panel.options().educationBlank);
    EXPECT_FALSE(panel.options().noAddress);
    find<QRadioButton>("RadioButton9")->setChecked(true);
    find<QRadioButton>("RadioButton8")->setChecked(true);
    EXPECT_TRUE(panel.options().educationBlank);
    EXPECT_TRUE(panel.options().noAddress);
    EXPECT_FALSE(find<QRadioButton>("RadioButton10")->isChecked());
}

TEST_F(PanelFixture, NoChoiceIsAMessageAndNothingElse)
{
    QSignalSpy lists(&panel, &GenerationPanel::sheetListWanted);
    box(1)->setChecked(false);
    click("Button_convert");
    ASSERT_EQ(dialogs.messages, QStringList{QStringLiteral("安全MENUにCHeckを入れて下さい。")});
    EXPECT_EQ(dialogs.kinds.front(), Dialogs::Kind::Information);
    EXPECT_EQ(dialogs.buttons.front(), Dialogs::Button::Ok);
    EXPECT_TRUE(dialogs.proposedNames.isEmpty());
    EXPECT_EQ(panel.workbookWindow(), nullptr);
    EXPECT_EQ(lists.count(), 0);
}

TEST_F(PanelFixture, ConversionSavesBesideTheProjectAndListsTheSheets)
{
    QSignalSpy lists(&panel, &GenerationPanel::sheetListWanted);
    box(3)->setChecked(true);
    box(4)->setChecked(true);
    box(6)->setChecked(true);
    const QString chosen = home.file(QStringLiteral("出力"));
    dialogs.saveNames = {chosen};
    panel.show();
    click("Button_convert");

    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(dialogs.proposedNames, QStringList{QStringLiteral("安全書類_青空ビル新築工事.xlsx")});
    EXPECT_EQ(QDir(dialogs.folders.value(0)), QDir(home.path()));
    EXPECT_EQ(dialogs.filters.value(0), QStringLiteral("Excel ブック|*.xlsx"));
    const QStringList expected{QStringLiteral("書類一覧"),
                               QStringLiteral("2-1.施工体制台帳【一次工業】"),
                               QStringLiteral("2-2.下請届出、再下請通知【二次興業】"),
                               QStringLiteral("作業員名簿【元請建設】"),
                               QStringLiteral("作業員名簿【一次工業】"),
                               QStringLiteral("作業員名簿【二次興業】")};
    ASSERT_EQ(lists.count(), 1);
    EXPECT_EQ(lists.front().front().toStringList(), expected);
    ASSERT_NE(panel.workbookWindow(), nullptr);
    EXPECT_TRUE(panel.workbookWindow()->isVisible());
    EXPECT_EQ(panel.workbookWindow()->sheetNames(), expected);
    EXPECT_FALSE(find("ProgressBar1")->isVisible());
    EXPECT_TRUE(find<QLabel>("Label_documentsStatus")->text().contains(QStringLiteral("6 シートを作成しました")));

    // The saved file reads back with the same sheets.
    sheet::Application app;
    sheet::Workbook& saved = app.Workbooks().Open(chosen + QStringLiteral(".xlsx"));
    QStringList names;
    for (int i = 1; i <= saved.Sheets().Count(); ++i)
        names << QString::fromStdString(saved.Sheets(i).Name());
    EXPECT_EQ(names, expected);
}

// Which template a run copies from stands beside the buttons before and
// after a run; a missing one is a notice in red there, not in the status line.
TEST_F(PanelFixture, TheTemplateInUseIsShownAndAMissingOneIsANotice)
{
    const QString name = QStringLiteral("安全書類(一覧).xlsx");
    panel.show();
    auto* label = find<QLabel>("Label_template");
    EXPECT_TRUE(label->isVisible());
    EXPECT_TRUE(panel.rect().contains(label->geometry()));
    // The text as read, without the breaks a path may wrap at.
    auto text = [label] { return label->text().remove(QChar(0x200B)); };
    EXPECT_TRUE(text().startsWith(QStringLiteral("注意: テンプレート 安全書類(一覧).xlsx が見つかりません")))
        << text().toStdString();
    for (const QString& folder : {home.path(), QCoreApplication::applicationDirPath()})
        EXPECT_TRUE(text().contains(QDir::toNativeSeparators(QDir(folder).filePath(name)))) << folder.toStdString();
    EXPECT_TRUE(label->styleSheet().contains(QStringLiteral("color")));
    click("Button_convert");
    EXPECT_TRUE(text().startsWith(QStringLiteral("注意:")));
    EXPECT_FALSE(find<QLabel>("Label_documentsStatus")->text().contains(QStringLiteral("テンプレート")));

    documents::saveTemplate(home.file(name));
    panel.hide();
    panel.show();
    const QString used = QStringLiteral("テンプレート: ") + QDir::toNativeSeparators(home.file(name));
    EXPECT_EQ(text(), used);
    EXPECT_TRUE(label->styleSheet().isEmpty());
}

TEST_F(PanelFixture, SavingCanBeDeclinedAndNeverOverwritesUnasked)
{
    const QString existing = home.file(QStringLiteral("既存.xlsx"));
    TempHome::writeBytes(existing, "keep me");
    struct Case {
        QString answer;      // the name given in the save dialog ("" = cancel)
        bool overwrite;      // the answer to the overwrite question
        int questions;       // overwrite questions asked
        QByteArray existing; // what the existing file holds afterwards
    };
    const Case cases[] = {{QString(), false, 0, "keep me"}, {existing, false, 1, "keep me"}};
    for (const Case& c : cases) {
        dialogs.questions.clear();
        if (!c.answer.isEmpty())
            dialogs.saveNames = {c.answer};
        dialogs.answers = {c.overwrite};
        click("Button_convert");
        EXPECT_EQ(dialogs.questions.size(), c.questions);
        EXPECT_EQ(TempHome::readBytes(existing), c.existing);
        ASSERT_NE(panel.workbookWindow(), nullptr);
        EXPECT_EQ(panel.workbookWindow()->sheetNames(), QStringList{QStringLiteral("書類一覧")});
    }
    dialogs.saveNames = {existing};
    dialogs.answers = {true};
    click("Button_convert");
    EXPECT_NE(TempHome::readBytes(existing), QByteArray("keep me"));
}

TEST_F(PanelFixture, AFailedConversionIsReportedAndShowsWhatWasMade)
{
    project.contractors.setCell(company::UpperNo, 2, QStringLiteral("上の会社"));
    QSignalSpy lists(&panel, &GenerationPanel::sheetListWanted);
    box(4)->setChecked(true);
    dialogs.saveNames = {home.file(QStringLiteral("out.xlsx"))};
    click("Button_convert");

    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.kinds.front(), Dialogs::Kind::Error);
    EXPECT_TRUE(dialogs.messages.front().contains(QStringLiteral("上の会社")))
        << dialogs.messages.front().toStdString();
    // Nothing is offered for saving as if it were complete.
    EXPECT_TRUE(dialogs.proposedNames.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("out.xlsx"))));
    ASSERT_NE(panel.workbookWindow(), nullptr);
    EXPECT_TRUE(panel.workbookWindow()->sheetNames().contains(QStringLiteral("書類一覧")));
    EXPECT_EQ(lists.count(), 1);
    const QString status = find<QLabel>("Label_documentsStatus")->text();
    EXPECT_FALSE(status.contains(QStringLiteral("作成しました"))) << status.toStdString();
    EXPECT_FALSE(find("ProgressBar1")->isVisible());
}

// A template that is not the forms is never replaced silently: the user is asked, and "no"
// stops the run.
TEST_F(PanelFixture, ATemplateThatFailsItsCheckIsReplacedOnlyWhenTheUserSaysSo)
{
    {
        sheet::Application app;
        sheet::Workbook& forms = documents::buildTemplate(app);
        forms.Sheets(QStringLiteral("書類一覧")).data().merges = sheet::MergeSet();
        forms.SaveAs(home.file(QStringLiteral("安全書類(一覧).xlsx")));
    }
    dialogs.answers = {false};
    click("Button_convert");
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.front().contains(QStringLiteral("シート「書類一覧」")))
        << dialogs.questions.front().toStdString();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains(QStringLiteral("使えません")))
        << dialogs.messages.front().toStdString();
    EXPECT_EQ(panel.workbookWindow(), nullptr);

    dialogs.answers = {true};
    click("Button_convert");
    ASSERT_NE(panel.workbookWindow(), nullptr);
    EXPECT_TRUE(panel.workbookWindow()->sheetNames().contains(QStringLiteral("書類一覧")));
    const QString shown = find<QLabel>("Label_template")->text().remove(QChar(0x200B));
    EXPECT_TRUE(shown.contains(QStringLiteral("内蔵の様式を使います"))) << shown.toStdString();
}

TEST_F(PanelFixture, SelectingASheetThatIsGoneFails)
{
    EXPECT_FALSE(panel.selectSheet(QStringLiteral("書類一覧")));
    box(6)->setChecked(true);
    click("Button_convert");
    render::WorkbookWindow* window = panel.workbookWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(panel.selectSheet(QStringLiteral("作業員名簿【一次工業】")));
    window->workbook()->Sheets(2).Delete();
    EXPECT_FALSE(panel.selectSheet(QStringLiteral("作業員名簿【元請建設】")));
    EXPECT_TRUE(panel.selectSheet(QStringLiteral("書類一覧")));
    dialogs.answers = {true}; // the generated book may go unsaved
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(panel.workbookWindow(), nullptr);
    EXPECT_FALSE(panel.selectSheet(QStringLiteral("書類一覧")));
}

TEST_F(PanelFixture, ClosingThePanelLetsGoOfTheWorkbookButLeavesItsWindow)
{
    panel.show();
    click("Button_convert");
    QPointer<render::WorkbookWindow> window = panel.workbookWindow();
    ASSERT_TRUE(window);
    click("Button_documentsClose");
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.workbookWindow(), nullptr);
    EXPECT_TRUE(window && window->isVisible());
    EXPECT_FALSE(panel.selectSheet(QStringLiteral("書類一覧")));
}

// 1366 × 768 at 100 % and at 150 % (911 × 512 logical): beside the sheet
// list where there is room, always inside the screen with its frame.
TEST(WorkbookPlace, TheWorkbookWindowStaysOnTheScreen)
{
    for (const QRect area : {QRect(0, 0, 1366, 740), QRect(0, 0, 911, 490), QRect(0, 24, 640, 456)}) {
        const QRect place = GenerationPanel::workbookPlace(area);
        EXPECT_GE(place.left(), area.left());
        EXPECT_LE(place.left() + place.width() + 8, area.right() + 1) << area.width();
        EXPECT_LE(place.top() + place.height() + 40, area.bottom() + 1) << area.height();
        EXPECT_EQ(place.top(), area.top());
    }
    EXPECT_EQ(GenerationPanel::workbookPlace(QRect(0, 0, 1366, 740)), QRect(362, 0, 986, 680));
}

} // namespace
