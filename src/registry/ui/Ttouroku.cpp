#include "Ttouroku.h"
#include "CompanyEntryPanel.h"
#include "GridMarkers.h"
#include "TextGridModel.h"
#include "WorkerPanel.h"
#include "common/Dialogs.h"
#include "common/ui/FormKit.h"
#include "common/ui/WindowRules.h"
#include "project/Handover.h"
#include "project/Project.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

using namespace mirevo;

namespace {

const QString kUnsetBusinessId = QStringLiteral("00000000000000");

} // namespace

Ttouroku::Ttouroku(Registry& registry, Project& project, Tmeibo& roster, QWidget* parent)
    : QDialog(parent), registry_(registry), project_(project), roster_(roster)
{
    setObjectName(QStringLiteral("Ttouroku"));
    setWindowTitle(QStringLiteral("会社情報登録フォーム"));
    form::keepOpenOnEscape(this);
    setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    // The panels sit on a page that takes the size of the one shown; the
    // page scrolls where the screen is smaller, and the window follows it.
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel_page"));
    auto* panels = new QHBoxLayout(page);
    panels->setSizeConstraint(QLayout::SetFixedSize);
    panels->setContentsMargins(11, 5, 11, 5);
    companyPanel_ = buildCompanyPanel();
    companyPanel_->setParent(page);
    companyPanel_->show(); // not hidden: shown with the page
    workers_ = new WorkerPanel(registry_, roster_, page);
    workers_->hide();
    panels->addWidget(companyPanel_);
    panels->addWidget(workers_);
    panels->activate();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form::scrollWhenTooLarge(this, page));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connectWorkerPanel();
}

Ttouroku::~Ttouroku() = default;

int Ttouroku::pressedRow() const
{
    return markers_->pressedRow;
}

int Ttouroku::selectedRow() const
{
    return markers_->selectedRow;
}

void Ttouroku::connectWorkerPanel()
{
    connect(workers_, &WorkerPanel::backRequested, this, [this] {
        showCompanyPanel();
        registry_.save();
    });
    connect(workers_, &WorkerPanel::handOverRequested, this, &Ttouroku::handOverWorkers);
    connect(workers_, &WorkerPanel::cancelRequested, this, &QDialog::reject);
}

void Ttouroku::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activate();
}

void Ttouroku::activate()
{
    pickHint_->hide();
    registry_.companies.setCell(company::PostcodeA, 0, QStringLiteral("郵便"));
    registry_.companies.setCell(company::PostcodeB, 0, QStringLiteral("番号"));
    workers_->resetSelectButton();
    refreshList();
    const QString id = entry_->businessId();
    if ((id.isEmpty() || id == kUnsetBusinessId) && registry_.companies.rowCount() > 1) {
        list_->setCurrentIndex(listModel_->index(0, company::Name));
        markers_->pressedRow = 1;
        loadRowIntoEntry(1);
        entry_->rowLabel()->setText(QStringLiteral("NO.1"));
    }
    saveCompanyButton_->setVisible(mode == 0);
    loadCompanyButton_->setVisible(mode == 0);
    importButton_->setVisible(mode == 0);
    exportButton_->setVisible(mode == 0);
    entry_->rowLabel()->setVisible(mode != 2 && mode != 3);
    pickHint_->setVisible(mode == 2 || mode == 3);
    if (mode == 1)
        openWorkerPanel();
    fitListToScreen();
    centreOnScreen();
}

void Ttouroku::centreOnScreen()
{
    layout()->activate(); // the size of the panel now shown
    form::centreOnScreen(this);
}

void Ttouroku::done(int result)
{
    showCompanyPanel();
    QDialog::done(result);
    if (mode == 0)
        emit closedInStandAloneMode();
}

void Ttouroku::showCompanyPanel()
{
    workers_->hide();
    workers_->resetSelectButton();
    companyPanel_->show();
}

void Ttouroku::openWorkerPanel()
{
    const QString company = mode == 1 ? siteCompany : entry_->companyName();
    // Workers are filed under a company name; empty master rows have none.
    if (mode == 0 && isBlankName(company)) {
        Dialogs::current().message(QStringLiteral("会社名を入力してください。"));
        return;
    }
    companyPanel_->hide();
    workers_->open(company, mode == 1);
    workers_->show();
}

void Ttouroku::closeAndSave()
{
    registry_.save();
    accept();
}

void Ttouroku::refreshList()
{
    listModel_->refresh();
    for (int column = company::Trade1; column < company::kColumns; ++column)
        list_->setColumnHidden(column, true);
}

void Ttouroku::showSelectedRow()
{
    entry_->rowLabel()->setText(QStringLiteral("No. %1").arg(markers_->selectedRow));
}

void Ttouroku::loadRowIntoEntry(int row)
{
    if (row >= 1 && row < registry_.companies.rowCount())
        entry_->showRow(registry_.companies, row, mode == 0);
}

void Ttouroku::clickCompany(int row)
{
    if (row < 1 || row >= registry_.companies.rowCount())
        return;
    const bool picking = mode == 2 || mode == 3;
    // An empty row would blank the project's company fields.
    if (picking && isBlankName(registry_.companies.cell(company::Name, row))) {
        Dialogs::current().beep();
        return;
    }
    loadRowIntoEntry(row);
    if (mode == 2)
        pickPrime(row);
    else if (mode == 3)
        pickContractor(row);
}

void Ttouroku::pickPrime(int row)
{
    const QStringList record = entry_->record();
    registry_.companies.setCell(company::Dedicated, row, record[company::Dedicated]);
    handover::toPrime(project_, record);
    accept();
}

void Ttouroku::pickContractor(int row)
{
    const QStringList record = entry_->record();
    registry_.companies.setCell(company::Dedicated, row, record[company::Dedicated]);
    handover::toContractor(project_, record);
    // The picked row's own upper company and tier, which the editor's
    // fields were spared of above.
    handover::completeContractorPick(project_, registry_.companies.row(row));
    markers_->selectedRow = row;
    accept();
}

void Ttouroku::handOverWorkers()
{
    handover::workersToSite(project_, workers_->view());
    workers_->resetSelectButton();
    accept();
}
