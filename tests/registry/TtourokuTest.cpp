#include "WindowFixture.h"
#include "common/TextFile.h"
#include "registry/CompanyFile.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>

using namespace mirevo;
using namespace mirevo::test;

namespace {

class TtourokuTest : public TtourokuFixture {
protected:
    QString field(const QString& name)
    {
        if (auto* box = window.findChild<QComboBox*>(name))
            return box->currentText();
        return get<QLineEdit>(name)->text();
    }
    void setField(const QString& name, const QString& text)
    {
        if (auto* box = window.findChild<QComboBox*>(name))
            box->setCurrentText(text);
        else
            get<QLineEdit>(name)->setText(text);
    }
    void trigger(const QString& action) { get<QAction>(action)->trigger(); }
    bool registryFileWritten() { return QFileInfo::exists(Registry::fileName()); }
};

// The bulk import through the window: the file, its preview with every row's
// status, the update choice, and the registry written once on "取り込む".
TEST_F(TtourokuTest, BulkImportShowsThePreviewAndImportsOnConfirm)
{
    show(0);
    registry.workers.setCell(worker::Reading, 1, QStringLiteral("すずき"));
    registry.workers.setCell(worker::Name, 1, QStringLiteral("鈴木"));
    registry.workers.setCell(worker::Company, 1, QStringLiteral("C2"));
    const QString file = home.file("list.csv");
    TempHome::writeBytes(file,
                         QStringLiteral("ふりがな,氏名,会社名,住所,社員番号\n"
                                        "やまだ,山田,C1,東京,7\n"
                                        "すずき,鈴木,C2,大阪,8\n"
                                        "たなか,田中,田中組,,9\n")
                             .toUtf8());
    dialogs.openNames.push_back(file);
    QStringList statuses, afterUpdate;
    QString counts, unknown;
    bool cancelFirst = true;
    auto drive = [&] {
        auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(preview);
        auto* grid = preview->findChild<QTableWidget*>("Grid_preview");
        auto column = [grid](int c) {
            QStringList texts;
            for (int r = 0; r < grid->rowCount(); ++r)
                texts << grid->item(r, c)->text();
            return texts;
        };
        statuses = column(1);
        counts = preview->findChild<QLabel*>("Label_counts")->text();
        unknown = preview->findChild<QLabel*>("Label_unknownHeadings")->text();
        preview->findChild<QCheckBox*>("CheckBox_update")->setChecked(true);
        afterUpdate = column(1);
        preview->findChild<QPushButton*>(cancelFirst ? "Button_cancel" : "Button_import")->click();
    };
    const TextGrid before = registry.workers;
    whenModal(drive);
    get<QPushButton>("importWorkersButton")->click();
    EXPECT_EQ(statuses, (QStringList{QStringLiteral("取り込む"), QStringLiteral("省略"), QStringLiteral("エラー")}));
    EXPECT_EQ(afterUpdate, (QStringList{QStringLiteral("取り込む"), QStringLiteral("更新"), QStringLiteral("エラー")}));
    EXPECT_EQ(counts, QStringLiteral("取り込み 1 人、更新 0 人、省略 1 人、取り込めなかった行 1"));
    EXPECT_EQ(unknown, QStringLiteral("取り込まない見出し: 社員番号"));
    EXPECT_EQ(registry.workers, before); // cancelled: nothing changed

    cancelFirst = false;
    dialogs.openNames.push_back(file);
    whenModal(drive);
    get<QPushButton>("importWorkersButton")->click();
    EXPECT_EQ(registry.workers.cell(worker::Address, 1), QStringLiteral("大阪"));
    EXPECT_EQ(registry.workers.cell(worker::Name, 2), QStringLiteral("山田"));
    EXPECT_EQ(dialogs.messages.value(0), QStringLiteral("取り込み 1 人、更新 1 人、省略 0 人、取り込めなかった行 1"));
    Registry saved;
    saved.load();
    EXPECT_EQ(saved.workers.cell(worker::Name, 2), QStringLiteral("山田"));
}

TEST_F(TtourokuTest, ExportWritesTheWorkerListAndSaysSo)
{
    show(0);
    registry.workers.setCell(worker::Reading, 1, QStringLiteral("すずき"));
    registry.workers.setCell(worker::Name, 1, QStringLiteral("鈴木"));
    registry.workers.setCell(worker::Company, 1, QStringLiteral("C2"));
    dialogs.saveNames.push_back(home.file("workers")); // no extension: CSV
    get<QPushButton>("exportWorkersButton")->click();
    EXPECT_TRUE(QFileInfo::exists(home.file("workers.csv")));
    EXPECT_TRUE(dialogs.messages.value(0).startsWith(QStringLiteral("作業員 1 人を")))
        << dialogs.messages.value(0).toStdString();
}

} // namespace

TEST_F(TtourokuTest, EveryEntryFieldCarriesItsComponentName)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("会社情報登録フォーム"));
    QStringList names{"Edit1", "Edit75", "RadioButton3", "RadioButton4", "RadioButton17", "RadioButton18"};
    for (int i = 42; i <= 73; ++i)
        if (i != 52 && i != 55) // the fixed "工事業" boxes are plain labels here
            names << QStringLiteral("Edit%1").arg(i);
    for (int i = 11; i <= 21; ++i)
        names << QStringLiteral("ComboBox%1").arg(i);
    for (const QString& name : names)
        EXPECT_TRUE(window.findChild<QWidget*>(name)) << name.toStdString();
    EXPECT_EQ(field("Edit45"), "760");
    EXPECT_EQ(field("Edit53"), QStringLiteral("00第　0000 号"));
    EXPECT_EQ(field("Edit62"), QStringLiteral("〇級〇〇〇〇監理技士"));
    EXPECT_EQ(field("Edit70"), "00000-00-0000");
    EXPECT_EQ(field("Edit42"), QStringLiteral("〇〇〇〇〇株式会社"));
    EXPECT_EQ(field("Edit1"), "00000000000000");
    EXPECT_TRUE(get<QRadioButton>("RadioButton3")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("RadioButton18")->isChecked());
    EXPECT_TRUE(get<QLineEdit>("Edit75")->isReadOnly());
}

TEST_F(TtourokuTest, ActivationLoadsRowOneAndShowsTheControlsOfTheMode)
{
    show(0);
    EXPECT_EQ(field("Edit42"), "C1");
    EXPECT_EQ(get<QLabel>("selectedRowLabel")->text(), "NO.1");
    EXPECT_EQ(window.pressedRow(), 1);
    EXPECT_EQ(window.selectedRow(), 0);
    EXPECT_TRUE(get<QPushButton>("saveCompanyButton")->isVisible());
    EXPECT_FALSE(get<QLabel>("pickHint")->isVisible());
    EXPECT_EQ(list()->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("郵便"));
    EXPECT_EQ(list()->columnWidth(1), 230);
    EXPECT_TRUE(list()->isColumnHidden(7));
    EXPECT_TRUE(list()->isColumnHidden(49));
    window.reject();

    show(2);
    EXPECT_FALSE(get<QPushButton>("saveCompanyButton")->isVisible());
    EXPECT_TRUE(get<QLabel>("pickHint")->isVisible());
    EXPECT_FALSE(get<QLabel>("selectedRowLabel")->isVisible());
}

TEST_F(TtourokuTest, ClickLoadsTheRowAndReleaseSelectsIt)
{
    registry.companies.setCell(company::Dedicated, 3, "1");
    registry.companies.setCell(company::SpecialtyWork, 3, "1");
    show(0);
    click(list(), 3);
    EXPECT_EQ(field("Edit42"), "C3");
    EXPECT_EQ(field("ComboBox11"), "C3:8");
    EXPECT_EQ(field("Edit73"), "C3:39");
    EXPECT_EQ(field("ComboBox21"), "C3:42");
    EXPECT_EQ(field("Edit1"), "C3:47");
    EXPECT_TRUE(get<QRadioButton>("RadioButton4")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("RadioButton17")->isChecked());
    EXPECT_EQ(window.selectedRow(), 3);
    EXPECT_EQ(get<QLabel>("selectedRowLabel")->text(), "No. 3");

    QTest::mousePress(list()->viewport(), Qt::RightButton, {}, cellCentre(list(), 5, 1));
    EXPECT_EQ(window.pressedRow(), 3);
    EXPECT_EQ(window.selectedRow(), 3);
}

TEST_F(TtourokuTest, RegistrationAsksAndWritesOntoTheRowOfTheSameCompany)
{
    show(0);
    get<QPushButton>("registerButton")->click();
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("登録したい 「 会社情報リストのNo.行 」 を選択してください。")});
    EXPECT_EQ(dialogs.kinds.back(), Dialogs::Kind::Information);
    EXPECT_EQ(dialogs.buttons.back(), Dialogs::Button::Yes);

    click(list(), 3);
    setField("Edit42", "C7");
    setField("Edit43", QStringLiteral("本社"));
    setField("Edit47", QStringLiteral("新しい住所"));
    get<QRadioButton>("RadioButton4")->setChecked(true);
    get<QRadioButton>("RadioButton17")->setChecked(true);
    const int rows = registry.companies.rowCount();

    get<QPushButton>("registerButton")->click(); // declined
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("会社情報リスト No.3　に会社情報を登録しますか？"));
    EXPECT_EQ(dialogs.questionKinds.back(), Dialogs::Kind::Information);
    EXPECT_EQ(registry.companies.rowCount(), rows);

    dialogs.answers = {true};
    get<QPushButton>("registerButton")->click();
    EXPECT_EQ(registry.companies.rowCount(), rows + 1);
    EXPECT_EQ(registry.companies.cell(company::Address, 7), QStringLiteral("新しい住所"));
    EXPECT_EQ(registry.companies.cell(company::Dedicated, 7), "1");
    EXPECT_EQ(registry.companies.cell(company::SpecialtyWork, 7), "1");
    EXPECT_FALSE(registryFileWritten());
    EXPECT_EQ(list()->model()->rowCount(), rows);
}

TEST_F(TtourokuTest, LineBreaksInEntryFieldsBecomeBlanks)
{
    show(0);
    click(list(), 3);
    auto* address = get<QLineEdit>("Edit47");
    address->clear();
    QApplication::clipboard()->setText(QStringLiteral("香川県高松市\r\n番町1-2\n"));
    address->paste();
    EXPECT_EQ(address->text(), QStringLiteral("香川県高松市 番町1-2 "));
    setField("ComboBox13", QStringLiteral("口頭\rによる"));
    EXPECT_EQ(field("ComboBox13"), QStringLiteral("口頭 による"));
    setField("Edit43", QStringLiteral("本\n社"));
    dialogs.answers = {true};
    get<QPushButton>("registerButton")->click();
    EXPECT_EQ(registry.companies.cell(company::Address, 3), QStringLiteral("香川県高松市 番町1-2 "));
    EXPECT_EQ(registry.companies.cell(company::SupervisorAuthority, 3), QStringLiteral("口頭 による"));
    EXPECT_EQ(registry.companies.cell(company::Branch, 3), QStringLiteral("本 社"));
}

TEST_F(TtourokuTest, BlankCompanyNamesAreRefused)
{
    putWorker(registry.workers, 1, "nobody", ""); // a worker of no company
    show(0);
    click(list(), 12); // an empty row
    dialogs.saveNames = {home.file("blank.kda")};
    get<QPushButton>("saveCompanyButton")->click();
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(dialogs.proposedNames.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(home.file("blank.kda")));

    setField("Edit42", QStringLiteral("　"));
    setField("Edit43", "");
    const TextGrid before = registry.companies;
    dialogs.answers = {true};
    get<QPushButton>("registerButton")->click();
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("会社名を入力してください。"));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(registry.companies, before);

    get<QPushButton>("workersButton")->click();
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(get("companyPanel")->isVisible());
    EXPECT_FALSE(get("workerPanel")->isVisible());
}

TEST_F(TtourokuTest, DeletingARangeAsksWithBothEndsAndSavesTheRegistry)
{
    show(0);
    press(list(), 5);
    release(list(), 3);
    dialogs.answers = {false};
    trigger("deleteCompaniesAction");
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("No.3_C3 ～ No.5_C5 を削除しますか？"));
    EXPECT_EQ(companyNames(registry.companies).size(), 8);

    dialogs.answers = {true};
    trigger("deleteCompaniesAction");
    EXPECT_EQ(window.selectedRow(), 3);
    Registry saved;
    saved.load();
    EXPECT_EQ(companyNames(saved.companies), (QStringList{"C1", "C2", "C6", "C7", "C7"}));

    click(list(), 2);
    trigger("deleteCompaniesAction");
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("No. 2_C2 を削除しますか？"));
}

TEST_F(TtourokuTest, CopyAndPasteGoThroughTheClipboard)
{
    show(0);
    list()->setCurrentIndex(list()->model()->index(1, 2)); // row 2, column 2
    list()->selectionModel()->select(QItemSelection(list()->model()->index(1, 2), list()->model()->index(2, 3)),
                                     QItemSelectionModel::ClearAndSelect);
    trigger("copyAction");
    const QString copied = QApplication::clipboard()->text();
    const QStringList lines = copied.split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].split('\t').size(), 48);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("本社\tC3:3")));

    const int rows = registry.companies.rowCount();
    list()->setCurrentIndex(list()->model()->index(rows - 2, 1)); // the last row
    QApplication::clipboard()->setText("X\r\nY\r\n");
    trigger("pasteAction");
    EXPECT_EQ(registry.companies.rowCount(), rows + 1);
    EXPECT_EQ(registry.companies.cell(company::Name, rows - 1), "X");
    EXPECT_EQ(registry.companies.cell(company::Name, rows), "Y");
    EXPECT_EQ(list()->model()->rowCount(), rows);
}

TEST_F(TtourokuTest, InsertRowKeepsEveryCompany)
{
    show(0);
    click(list(), 2);
    trigger("insertRowAction");
    EXPECT_EQ(companyNames(registry.companies), (QStringList{"C1", "-", "C2", "C3", "C4", "C5", "C6", "C7", "C7"}));
    EXPECT_EQ(registry.companies.rowCount(), Registry::kCompanyRows);
}

TEST_F(TtourokuTest, CompanyFileIsSavedUnderTheNamingRuleAndLoadedOnce)
{
    putWorker(registry.workers, 1, "w2", "C2");
    show(0);
    get<QPushButton>("saveCompanyButton")->click(); // no row selected yet
    EXPECT_EQ(dialogs.beeps, 1);

    click(list(), 2);
    dialogs.saveNames = {home.file("C2.KDA")};
    get<QPushButton>("saveCompanyButton")->click();
    EXPECT_EQ(dialogs.proposedNames, QStringList{"C2"});
    EXPECT_EQ(dialogs.filters, QStringList{"kda|*.kda"});
    EXPECT_EQ(dialogs.folders, QStringList{""});
    ASSERT_TRUE(QFileInfo::exists(home.file("C2.KDA.kda")));

    // Loaded back into the same list: C2 is there already. Nothing changes,
    // not even what is being typed into the entry fields.
    const Registry before = registry;
    setField("Edit44", QStringLiteral("入力中"));
    dialogs.openNames = {home.file("C2.KDA.kda")};
    get<QPushButton>("loadCompanyButton")->click();
    EXPECT_EQ(registry.companies, before.companies);
    EXPECT_EQ(registry.workers, before.workers);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(field("Edit44"), QStringLiteral("入力中"));

    registry.companies.setCell(company::Name, 2, "renamed");
    dialogs.openNames = {home.file("C2.KDA.kda")};
    get<QPushButton>("loadCompanyButton")->click();
    EXPECT_EQ(registry.companies.cell(company::Name, 9), "C2");
    EXPECT_EQ(workerNames(registry.workers), (QStringList{"w2", "w2"}));
    EXPECT_EQ(field("Edit42"), "renamed"); // the selected row, refreshed
}

TEST_F(TtourokuTest, CloseButtonSavesAndTellsTheStartMenu)
{
    QSignalSpy closed(&window, &Ttouroku::closedInStandAloneMode);
    show(0);
    window.reject(); // the close box writes nothing
    EXPECT_FALSE(registryFileWritten());
    EXPECT_EQ(closed.count(), 1);

    show(0);
    get<QPushButton>("closeButton")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(registryFileWritten());
    EXPECT_EQ(closed.count(), 2);

    show(3);
    window.reject();
    EXPECT_EQ(closed.count(), 2);
}

TEST_F(TtourokuTest, HelpAndWebOpenWithTheDesktop)
{
    show(0);
    const QString manual = home.file(QStringLiteral("Mirevo【取扱説明書】.pdf"));
    TempHome::writeBytes(manual, "%PDF-1.4\n");
    get<QPushButton>("helpButton")->click();
    get<QPushButton>("webButton")->click();
    ASSERT_EQ(dialogs.opened.size(), 2);
    EXPECT_EQ(dialogs.opened[0], manual);
    EXPECT_TRUE(dialogs.opened[1].startsWith("https://"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(TtourokuTest, HelpSaysWhenTheManualIsMissingOrNothingOpensIt)
{
    show(0);
    const QString manual = home.file(QStringLiteral("Mirevo【取扱説明書】.pdf"));
    get<QPushButton>("helpButton")->click();
    EXPECT_TRUE(dialogs.opened.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("取扱説明書が見つかりません。")));
    EXPECT_TRUE(dialogs.messages[0].contains(QDir::toNativeSeparators(manual)));

    TempHome::writeBytes(manual, "%PDF-1.4\n");
    dialogs.desktopOpens = false;
    get<QPushButton>("helpButton")->click();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[1].startsWith(QStringLiteral("取扱説明書を開けませんでした。")));
}

TEST_F(TtourokuTest, ModeTwoHandsTheClickedCompanyOverAsPrimeContractor)
{
    show(2);
    get<QRadioButton>("RadioButton4")->setChecked(true); // the panel's choice counts
    press(list(), 4);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const ProjectRecord& rec = project.record;
    EXPECT_EQ(rec.text("Edit10"), "C4");
    EXPECT_EQ(rec.text("ComboBox8"), "C4:12");
    EXPECT_EQ(rec.text("Edit19"), "C4:29");
    EXPECT_EQ(rec.text("Edit84"), "C4:47");
    EXPECT_TRUE(rec.primeNotDedicated());
    EXPECT_EQ(rec.text("ComboBox20"), ProjectRecord::initialText("ComboBox20"));
    EXPECT_EQ(registry.companies.cell(company::Dedicated, 4), "1");
}

TEST_F(TtourokuTest, PickingAnEmptyRowHandsNothingOver)
{
    for (int mode : {2, 3}) {
        show(mode);
        const Project before;
        click(list(), 12);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(project.record.text("Edit10"), before.record.text("Edit10"));
        EXPECT_EQ(project.contractors, before.contractors);
        window.reject();
    }
    EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(TtourokuTest, ModeThreeFillsTheEditorWritesBackAndTakesTheUpperCompany)
{
    show(3);
    press(list(), 5);
    EXPECT_FALSE(window.isVisible());
    const ProjectRecord& rec = project.record;
    EXPECT_EQ(rec.text("Edit42"), "C5");
    EXPECT_EQ(rec.text("Edit83"), "C5:47");
    EXPECT_FALSE(rec.editorNotDedicated());
    EXPECT_EQ(project.contractors.cell(company::Name, 1), "C5");
    EXPECT_EQ(project.contractors.cell(company::Dedicated, 1), "0");
    EXPECT_EQ(rec.text("ComboBox20"), "C5:40");
    EXPECT_EQ(rec.text("Edit75"), "C5:41");
    EXPECT_EQ(rec.text("ComboBox21"), "C5:42");
    EXPECT_EQ(project.guideState, 3);
    EXPECT_EQ(project.currentRow, 1);
    EXPECT_EQ(registry.companies.cell(company::Dedicated, 5), "0");
}

TEST_F(TtourokuTest, EnterWalksTheEntryFieldsAndDoubleClickEmptiesThem)
{
    show(0);
    QApplication::setActiveWindow(&window);
    auto* name = get<QLineEdit>("Edit42");
    name->setFocus();
    const char* order[] = {"Edit43", "Edit44", "Edit73", "Edit45", "Edit46", "Edit47", "Edit51", "ComboBox11"};
    for (const char* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget* focus = QApplication::focusWidget();
        if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        ASSERT_TRUE(focus);
        EXPECT_EQ(focus->objectName(), next);
    }
    get<QComboBox>("ComboBox16")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), name);

    QTest::mouseDClick(name, Qt::LeftButton);
    EXPECT_EQ(name->text(), "");
}
