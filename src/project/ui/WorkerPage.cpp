#include "WorkerPage.h"
#include "WorkerListView.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/ui/FormKit.h"
#include "project/Project.h"
#include "project/SiteWorkers.h"
#include "registry/Registry.h"
#include "roster/WorkerRecord.h"
#include "roster/WorkerStore.h"
#include "roster/ui/Tmeibo.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace mirevo {
namespace {

constexpr int kListY = 40;
// The menu opens a little right of and below the pointer.
const QPoint kMenuOffset(20, 40);

} // namespace

WorkerPage::WorkerPage(Project& project, Registry& registry, WindowSet& windows, QWidget* parent)
    : PageBase(project, windows, parent), registry_(registry)
{
    setFixedSize(1216, 636);
    form::label(this, QStringLiteral("会社名"), 8, 9, 50);
    selector_ = form::combo(this, "ComboBox22", {}, 60, 8, 320, false);
    auto* take
        = form::button(this, QStringLiteral("会社情報の作業員名簿から登録"), 400, 6, 280, 28, "Button_registerWorkers");
    full_ = new WorkerListView(project_.workers, siteworkers::columnWidths(false), QStringLiteral("StringGrid3"), this);
    filtered_ = new WorkerListView(project_.filteredWorkers, siteworkers::columnWidths(true),
                                   QStringLiteral("StringGrid4"), this);
    for (WorkerListView* list : {full_, filtered_}) {
        list->setGeometry(0, kListY, width() - 6, height() - kListY - 6);
        connect(list, &WorkerListView::menuRequested, this, [this, list](const QPoint& at) { openMenu(list, at); });
    }
    filtered_->hide();
    buildMenu();
    connect(selector_, &QComboBox::currentTextChanged, this, &WorkerPage::selectCompany);
    connect(take, &QPushButton::clicked, this, &WorkerPage::registerFromRoster);
    connect(filtered_, &WorkerListView::rowDoubleClicked, this, [this] { editWorker(filtered_->pressedRow()); });
    connect(full_, &WorkerListView::rowDoubleClicked, this, &WorkerPage::viewWorker);
    connect(&project_, &Project::tablesChanged, this, &WorkerPage::refreshLists);
}

void WorkerPage::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName("PopupMenu_workers");
    menu_->addAction(QStringLiteral("削除"), this,
                     [this] { deleteRow(menuList_ == filtered_, menuList_->releasedRow()); });
    menu_->addAction(QStringLiteral("コピー"), this, [this] { copySelected(menuList_ == filtered_); });
    menu_->addAction(QStringLiteral("クリップボードへ全てコピー"), this, [this] { copyAll(menuList_ == filtered_); });
}

void WorkerPage::openMenu(WorkerListView* list, const QPoint& globalPos)
{
    menuList_ = list;
    menu_->popup(globalPos + kMenuOffset);
}

void WorkerPage::refreshLists()
{
    if (isHidden())
        return; // shown again by enter()
    full_->refresh();
    filtered_->refresh();
}

void WorkerPage::enter()
{
    {
        const QSignalBlocker quiet(selector_);
        selector_->clear();
        selector_->addItems(siteworkers::companyChoices(project_));
        selector_->setCurrentIndex(1);
    }
    selectCompany(selector_->currentText());
    refreshFromMaster();
    full_->refresh();
    filtered_->refresh();
}

QString WorkerPage::company() const
{
    return selector_->currentText();
}

void WorkerPage::selectCompany(const QString& company)
{
    filtered_->setVisible(company != siteworkers::allWorkers());
    siteworkers::selectCompany(project_, company);
    filtered_->refresh();
    filtered_->scrollToTop();
}

void WorkerPage::showWorker(int row)
{
    const int at = selector_->findText(project_.workers.cell(worker::Company, row).trimmed());
    selector_->setCurrentIndex(at > 0 ? at : 0); // 0: "全員表示"
    WorkerListView* view = at > 0 ? filtered_ : full_;
    int gridRow = row;
    if (at > 0) {
        const TextGrid& shown = project_.filteredWorkers;
        gridRow = 0;
        for (int r = 1; r < shown.rowCount() && gridRow == 0; ++r)
            if (shown.cell(worker::SourceRow, r) == QString::number(row))
                gridRow = r;
    }
    if (gridRow <= 0)
        return;
    view->selectRow(gridRow - 1);
    view->scrollTo(view->model()->index(gridRow - 1, worker::Name));
    view->setFocus();
}

void WorkerPage::registerFromRoster()
{
    const QString company = selector_->currentText();
    if (company.isEmpty() || company == siteworkers::allWorkers()) {
        Dialogs::current().beep();
        return;
    }
    emit registerRequested(company);
}

void WorkerPage::finishRegistration()
{
    siteworkers::removeDuplicates(project_);
    siteworkers::countWorkers(project_);
    computeAges();
    siteworkers::filter(project_);
}

// The master list's rows carry the ages of the day they were computed; the
// site's are computed again after every refresh from it.
void WorkerPage::refreshFromMaster()
{
    siteworkers::reloadFromMaster(project_, registry_.workers);
    computeAges();
    // The filtered view is a copy of the full list's rows: copy them again so
    // it shows what the refresh and the ages changed.
    siteworkers::filter(project_);
}

void WorkerPage::computeAges()
{
    try {
        siteworkers::computeAges(project_, clock::today());
    } catch (const Error& e) {
        Dialogs::current().message(e.message(), Dialogs::Kind::Error);
    }
}

void WorkerPage::editWorker(int filteredRow)
{
    Tmeibo* roster = windows_.roster;
    if (!roster)
        return;
    const TextGrid& view = project_.filteredWorkers;
    bool number = false;
    const int source = filteredRow > 0 && filteredRow < view.rowCount()
        ? view.cell(worker::SourceRow, filteredRow).toInt(&number)
        : 0;
    roster->mode = 2;
    roster->company = selector_->currentText();
    const int result = roster->openWorker(number ? source : worker::kNewWorker);
    roster->mode = 0;
    if (result == QDialog::Accepted && !roster->storeNote().isEmpty())
        emit workerStored(roster->storeNote());
    siteworkers::removeDuplicates(project_);
    siteworkers::countWorkers(project_);
    refreshFromMaster();
}

void WorkerPage::viewWorker(int row)
{
    Tmeibo* roster = windows_.roster;
    if (!roster || row <= 0 || row >= project_.workers.rowCount())
        return;
    roster->mode = 0;
    roster->viewWorker(project_.workers.row(row));
    computeAges();
}

void WorkerPage::deleteRow(bool filtered, int row)
{
    const TextGrid& list = filtered ? project_.filteredWorkers : project_.workers;
    // A row without a worker has nothing to delete: no question about it.
    if (row <= 0 || row >= list.rowCount()
        || (isBlankName(list.cell(worker::Reading, row)) && isBlankName(list.cell(worker::Name, row))))
        return;
    if (!Dialogs::current().askYesNo(siteworkers::deleteQuestion(list, row)))
        return;
    if (filtered)
        siteworkers::deleteFilteredRow(project_, row);
    else
        siteworkers::deleteRow(project_, row);
}

void WorkerPage::copySelected(bool filtered)
{
    if (!filtered)
        QApplication::clipboard()->setText(siteworkers::copyRows(project_.workers, full_->selectedGridRows()));
}

void WorkerPage::copyAll(bool filtered)
{
    if (!filtered)
        QApplication::clipboard()->setText(siteworkers::copyAll(project_.workers));
}

} // namespace mirevo
