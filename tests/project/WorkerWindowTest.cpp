#include "SiteWindowFixture.h"
#include "project/SiteWorkers.h"
#include "project/ui/WorkerListView.h"
#include "project/ui/WorkerPage.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace mirevo;
using mirevo::test::SiteWindowFixture;

namespace {

const QString kPrime = QStringLiteral("元請建設");
const QString kA = QStringLiteral("一次工業");

struct WorkerWindow : SiteWindowFixture {
    WorkerWindow()
    {
        project.contractors.setCell(company::Name, 1, kA);
        // Full list: prime, A, prime, (gap), A.
        addWorker(1, "たなか", "田中", kPrime, "1980/04/01");
        addWorker(2, "すずき", "鈴木", kA, "1990/02/28");
        addWorker(3, "さとう", "佐藤", kPrime, "");
        addWorker(5, "いとう", "伊藤", kA, "");
    }

    void addWorker(int row, const char* reading, const char* name, const QString& company, const char* birth)
    {
        TextGrid& list = project.workers;
        list.setCell(worker::Reading, row, QString::fromUtf8(reading));
        list.setCell(worker::Name, row, QString::fromUtf8(name));
        list.setCell(worker::Company, row, company);
        list.setCell(worker::Birth, row, QString::fromUtf8(birth));
        list.setCell(worker::SourceRow, row, QString::number(row));
    }

    WorkerPage* page() const { return find<WorkerPage>("Page_workers"); }
    WorkerListView* full() const { return find<WorkerListView>("StringGrid3"); }
    WorkerListView* filtered() const { return find<WorkerListView>("StringGrid4"); }
    QComboBox* selector() const { return find<QComboBox>("ComboBox22"); }

    QString name(int row) const { return project.workers.cell(worker::Name, row); }
};

TEST_F(WorkerWindow, ShowingThePageOffersTheCompaniesAndFiltersThePrimeContractor)
{
    project.contractors.setCell(company::Name, 2, kPrime); // listed once only
    form->showPage(TForm1::Workers);
    EXPECT_EQ(page()->pos(), QPoint(17, 65));
    QStringList items;
    for (int i = 0; i < selector()->count(); ++i)
        items << selector()->itemText(i);
    EXPECT_EQ(items, (QStringList{siteworkers::allWorkers(), kPrime, kA}));
    EXPECT_EQ(selector()->currentText(), kPrime);
    EXPECT_TRUE(filtered()->isVisibleTo(form.get()));
    EXPECT_EQ(filtered()->model()->index(0, worker::Name).data().toString(), QStringLiteral("田中"));
    EXPECT_EQ(filtered()->model()->index(1, worker::Name).data().toString(), QStringLiteral("佐藤"));
    EXPECT_EQ(filtered()->model()->index(1, worker::SourceRow).data().toString(), "3");
    EXPECT_EQ(project.st3Count, 4);

    selector()->setCurrentText(siteworkers::allWorkers());
    EXPECT_FALSE(filtered()->isVisibleTo(form.get()));
    EXPECT_TRUE(full()->isVisibleTo(form.get()));
    EXPECT_TRUE(filtered()->model()->index(0, worker::Name).data().toString().isEmpty());
}

TEST_F(WorkerWindow, TheFilteredViewShowsTheAgesComputedOnEntry)
{
    form->showPage(TForm1::Workers);
    // 田中 (1980/04/01) is the prime contractor's first worker.
    EXPECT_EQ(project.workers.cell(worker::Age, 1), "44");
    EXPECT_EQ(filtered()->model()->index(0, worker::Age).data().toString(), "44");
}

TEST_F(WorkerWindow, ListsHaveTheirWidthsRowsAndAlignment)
{
    form->showPage(TForm1::Workers);
    const std::tuple<int, int, int> widths[] = {
        {0, 35, 35},    {1, 100, 100}, {8, 40, 40},  {9, 210, 210}, {21, 140, 140}, {30, 80, 80},
        {32, 120, 120}, {33, 0, 120},  {35, 0, 120}, {36, 0, 0},    {41, 0, 0},
    };
    for (auto [column, fullWidth, filteredWidth] : widths) {
        EXPECT_EQ(full()->isColumnHidden(column) ? 0 : full()->columnWidth(column), fullWidth) << column;
        EXPECT_EQ(filtered()->isColumnHidden(column) ? 0 : filtered()->columnWidth(column), filteredWidth) << column;
    }
    EXPECT_EQ(full()->verticalHeader()->defaultSectionSize(), 30);
    EXPECT_EQ(full()->horizontalHeader()->height(), 30);
    EXPECT_EQ(full()->selectionBehavior(), QAbstractItemView::SelectRows);
    for (int column : {0, 3, 5, 6, 7, 8, 10, 12, 13, 14, 15})
        EXPECT_TRUE(full()->model()->index(0, column).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter) << column;
    for (int column : {1, 2, 4, 9, 11, 32})
        EXPECT_TRUE(full()->model()->index(0, column).data(Qt::TextAlignmentRole).toInt() & Qt::AlignLeft) << column;
    EXPECT_EQ(full()->model()->headerData(1, Qt::Horizontal).toString(), project.workers.cell(1, 0));
    // Columns widths survive a refresh of the list.
    project.notifyTablesChanged();
    EXPECT_EQ(full()->columnWidth(9), 210);
    EXPECT_TRUE(full()->isColumnHidden(33));
}

TEST_F(WorkerWindow, RegisterFromRosterNeedsACompany)
{
    form->showPage(TForm1::Workers);
    selector()->setCurrentText(siteworkers::allWorkers());
    find<QPushButton>("Button_registerWorkers")->click();
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(modes.empty());

    // The registration window hands over one new worker and one already on
    // the site: the duplicate is merged, A's count follows.
    selector()->setCurrentText(kA);
    opener = [this](int) {
        // After row st3Count (4) the first free rows are 6 and 7.
        addWorker(6, "きむら", "木村", kA, "");
        addWorker(7, "すずき", "鈴木", kA, "1990/02/28");
        project.st3Count = 7;
    };
    find<QPushButton>("Button_registerWorkers")->click();
    EXPECT_EQ(modes, std::vector<int>{1});
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(project.contractors.cell(company::WorkerCount, 1), "3");
    EXPECT_EQ(project.st3Count, 5);
    QStringList names;
    for (int row = 1; row <= 5; ++row)
        names << name(row);
    EXPECT_EQ(names, (QStringList{"田中", "鈴木", "佐藤", "伊藤", "木村"}));
    // Ages are those of today, whatever the registry held.
    EXPECT_EQ(project.workers.cell(worker::Age, 2), "34");
}

TEST_F(WorkerWindow, DeletingAsksAndRemovesTheRightRow)
{
    form->showPage(TForm1::Workers);
    // No: nothing changes.
    page()->deleteRow(false, 2);
    EXPECT_EQ(dialogs.questions.value(0), QStringLiteral("No. 2 [ すずき ]  を削除しますか？"));
    EXPECT_EQ(name(2), QStringLiteral("鈴木"));
    // Yes on the filtered view of the prime contractor: its second worker
    // (full-list row 3) goes.
    dialogs.answers = {true};
    page()->deleteRow(true, 2);
    EXPECT_EQ(dialogs.questions.value(1), QStringLiteral("No. 2 [ さとう ]  を削除しますか？"));
    EXPECT_EQ(name(3), QString());
    EXPECT_EQ(name(4), QStringLiteral("伊藤"));
    // A row without a worker deletes nothing and asks nothing.
    page()->deleteRow(true, 10);
    page()->deleteRow(false, 40);
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(WorkerWindow, CopiesGoToTheClipboardFromTheFullListOnly)
{
    form->showPage(TForm1::Workers);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    page()->copyAll(true);
    page()->copySelected(true);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

    full()->selectRow(1); // grid row 2
    page()->copySelected(false);
    const QString one = QApplication::clipboard()->text();
    EXPECT_EQ(one.count('\t'), 33);
    EXPECT_TRUE(one.endsWith(QStringLiteral("\r\n")));
    EXPECT_TRUE(one.contains(QStringLiteral("鈴木")));

    page()->copyAll(false);
    const QString all = QApplication::clipboard()->text();
    EXPECT_EQ(all.count(QStringLiteral("\r\n")), 5); // headings + 4 workers
}

TEST_F(WorkerWindow, NewWorkerFromAnEmptyFilteredRowGoesAfterTheLastWorker)
{
    form->showPage(TForm1::Workers);
    selector()->setCurrentText(kA);
    ASSERT_EQ(project.st3Count, 4);
    QTimer::singleShot(0, [this] {
        roster->findChild<QLineEdit*>(QStringLiteral("Edit42"))->setText(QStringLiteral("やまだ"));
        roster->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("山田"));
        roster->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    page()->editWorker(5); // an empty row of A's filtered view
    // Rows 1–3 and 5 hold workers, row 4 is a gap: the new one goes to
    // row 5 (st3Count + 1) or later, never into the gap; compacting then
    // closes the gap.
    EXPECT_EQ(roster->mode, 0);
    QStringList names;
    for (int row = 1; row <= 5; ++row)
        names << name(row);
    EXPECT_EQ(names, (QStringList{"田中", "鈴木", "佐藤", "伊藤", "山田"}));
    EXPECT_EQ(project.workers.cell(worker::Company, 5), kA);
    EXPECT_EQ(project.contractors.cell(company::WorkerCount, 1), "3");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

TEST_F(WorkerWindow, EditingAFilteredRowStoresIntoItsSourceRowAndAgesFollow)
{
    form->showPage(TForm1::Workers);
    selector()->setCurrentText(kA);
    QTimer::singleShot(0, [this] {
        roster->findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("鳶工"));
        roster->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    page()->editWorker(1); // 鈴木, full-list row 2
    EXPECT_EQ(project.workers.cell(worker::Trade, 2), QStringLiteral("鳶工"));
    EXPECT_EQ(project.workers.cell(worker::Age, 2), "34"); // 1990/02/28 on 2024/05/20
}

TEST_F(WorkerWindow, DoubleClicksOpenTheRosterWindowInTheirModes)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->showPage(TForm1::Workers);
    selector()->setCurrentText(kA);
    int mode = -1;
    QString company, name;
    auto peek = [&] {
        QTimer::singleShot(0, [&] {
            mode = roster->mode;
            company = roster->findChild<QLineEdit*>(QStringLiteral("Edit27"))->text();
            name = roster->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text();
            roster->reject();
        });
    };
    // Straight to the list, as the window system would deliver it.
    auto doubleClick = [](WorkerListView* list, int gridRow) {
        const QPointF at = list->visualRect(list->model()->index(gridRow - 1, worker::Name)).center();
        const QPointF global = list->viewport()->mapToGlobal(at);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
            QMouseEvent event(type, at, global, Qt::LeftButton, Qt::LeftButton, {});
            QApplication::sendEvent(list->viewport(), &event);
        }
    };
    peek();
    doubleClick(filtered(), 2); // 伊藤 of A

    EXPECT_EQ(mode, 2);
    EXPECT_EQ(name, QStringLiteral("伊藤"));
    peek();
    doubleClick(filtered(), 5); // an empty row: a new worker of A
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(company, kA);
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(roster->mode, 0);

    selector()->setCurrentText(siteworkers::allWorkers());
    peek();
    doubleClick(full(), 3);
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(name, QStringLiteral("佐藤"));
}

TEST_F(WorkerWindow, ViewingAFullListRowStoresNothing)
{
    form->showPage(TForm1::Workers);
    const TextGrid before = project.workers;
    QTimer::singleShot(0, [this] {
        EXPECT_EQ(roster->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("田中"));
        EXPECT_FALSE(roster->findChild<QPushButton*>(QStringLiteral("Button1"))->isEnabled());
        roster->reject();
    });
    page()->viewWorker(1);
    EXPECT_EQ(project.workers.cell(worker::Age, 1), "44"); // ages are computed afterwards
    EXPECT_EQ(project.workers.cell(worker::Name, 1), before.cell(worker::Name, 1));
}

// 鈴木 of A is also in the registry's master list: an edit on the site goes
// there too, so the refresh from the master list after the roster window
// closes keeps it, and the status line says so.
struct SiteEditWindow : WorkerWindow {
    SiteEditWindow()
    {
        TextGrid& master = registry.workers;
        master.setCell(worker::Reading, 1, QStringLiteral("すずき"));
        master.setCell(worker::Name, 1, QStringLiteral("鈴木"));
        master.setCell(worker::Company, 1, kA);
        master.setCell(worker::Address, 1, QStringLiteral("旧住所"));
        master.setCell(worker::SourceRow, 1, "1");
        registry.save();
        project.workers.setCell(worker::Address, 2, QStringLiteral("旧住所"));
        project.workers.setCell(worker::SiteEntry, 2, QStringLiteral("2024/05/01"));
    }

    // Edits the worker of filtered row `row`: 職長 ticked, a new address.
    void editAddress(int row, const QString& address, bool pressStore = true)
    {
        QTimer::singleShot(0, [this, address, pressStore] {
            target = roster->findChild<QLabel*>(QStringLiteral("Label_storeTarget"))->text();
            roster->findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->click();
            roster->findChild<QLineEdit*>(QStringLiteral("Edit7"))->setText(address);
            if (pressStore)
                roster->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            stillOpen = roster->isVisible();
            if (stillOpen)
                roster->reject();
        });
        page()->editWorker(row);
    }

    QString status() const { return find<QLabel>("Label_status")->text(); }

    QString target;
    bool stillOpen = false;
};

TEST_F(SiteEditWindow, AnEditOfARegistryWorkerIsKeptInBothLists)
{
    form->showPage(TForm1::Workers);
    selector()->setCurrentText(kA);
    editAddress(1, QStringLiteral("新住所"));
    EXPECT_TRUE(target.contains(QStringLiteral("会社情報の作業員名簿")));
    EXPECT_EQ(project.workers.cell(worker::Address, 2), QStringLiteral("新住所"));
    EXPECT_FALSE(project.workers.cell(worker::Roles, 2).isEmpty());
    EXPECT_EQ(project.workers.cell(worker::SiteEntry, 2), QStringLiteral("2024/05/01"));
    EXPECT_EQ(status(), QStringLiteral("会社情報の作業員名簿も更新しました"));

    Registry saved;
    saved.load();
    EXPECT_EQ(saved.workers.cell(worker::Address, 1), QStringLiteral("新住所"));
    EXPECT_EQ(saved.workers.cell(worker::Roles, 1), project.workers.cell(worker::Roles, 2));
    EXPECT_EQ(saved.workers.cell(worker::SiteEntry, 1), QString()); // the site's own date

    // Showing the page again refreshes from the master list: the edit stays.
    form->showPage(TForm1::Orderer);
    form->showPage(TForm1::Workers);
    EXPECT_EQ(project.workers.cell(worker::Address, 2), QStringLiteral("新住所"));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

TEST_F(SiteEditWindow, ASiteOnlyWorkerIsStoredOnTheSiteAndTheWindowSaysSo)
{
    form->showPage(TForm1::Workers);
    selector()->setCurrentText(kA);
    const TextGrid master = registry.workers;
    editAddress(2, QStringLiteral("伊藤の住所")); // 伊藤 is not in the registry
    EXPECT_TRUE(target.contains(QStringLiteral("現場の作業員名簿だけ")));
    ASSERT_EQ(name(4), QStringLiteral("伊藤")); // the gap before it closed
    EXPECT_EQ(project.workers.cell(worker::Address, 4), QStringLiteral("伊藤の住所"));
    EXPECT_EQ(status(), QStringLiteral("現場の作業員名簿に登録しました"));
    EXPECT_EQ(registry.workers, master);
}

TEST_F(SiteEditWindow, ARegistryThatCannotBeSavedKeepsTheWindowOpenAndStoresNothing)
{
    form->showPage(TForm1::Workers);
    selector()->setCurrentText(kA);
    const TextGrid master = registry.workers;
    const TextGrid site = project.workers;
    // A folder where the registry's temporary file would go.
    QFile::remove(Registry::fileName());
    QDir().mkpath(Registry::fileName());
    editAddress(1, QStringLiteral("新住所"));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(registry.workers, master);
    EXPECT_EQ(project.workers.cell(worker::Address, 2), site.cell(worker::Address, 2));
    EXPECT_NE(status(), QStringLiteral("会社情報の作業員名簿も更新しました"));
}

} // namespace
