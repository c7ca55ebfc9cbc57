// The company panel of the registration window: the company list with its
// menu, the entry panel, and the operations on the list.
#include "CompanyEntryPanel.h"
#include "GridMarkers.h"
#include "TextGridModel.h"
#include "Ttouroku.h"
#include "common/Dialogs.h"
#include "common/WebAddresses.h"
#include "common/ui/Manual.h"
#include "common/ui/WindowRules.h"
#include "registry/CompanyFile.h"
#include "registry/CompanyList.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

using namespace mirevo;

namespace {

constexpr int kListWidths[] = {25, 230, 100, 100, 40, 40, 200};
constexpr int kListWidth = 760;
// On a narrow screen the list gives up width, down to this, before the
// window needs a scroll bar; its own columns scroll instead.
constexpr int kNarrowestList = 420;
constexpr int kFrameWidth = form::kFrameAllowance.width();
const QString kCompanyFileFilter = QStringLiteral("kda|*.kda");
const QString kNameFirst = QStringLiteral("会社名を入力してください。");

QPushButton* button(const QString& caption, const QString& name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

QString numberAndName(const TextGrid& list, int row, const QString& separator)
{
    return QStringLiteral("No.%1%2_%3").arg(separator, list.cell(company::No, row), list.cell(company::Name, row));
}

} // namespace

QWidget* Ttouroku::buildCompanyPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("companyPanel"));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* left = new QVBoxLayout;
    left->addWidget(buildCompanyList());
    pickHint_ = new QLabel(QStringLiteral("※セルをクリックして会社名を選択"));
    pickHint_->setObjectName(QStringLiteral("pickHint"));
    pickHint_->setStyleSheet(QStringLiteral("color: red;"));
    left->addWidget(pickHint_);
    auto* hintRow = new QHBoxLayout;
    hintRow->addWidget(new QLabel(QStringLiteral("※セルを右クリックするとメニューを表示します。")));
    hintRow->addStretch();
    importButton_ = button(QStringLiteral("作業員の一括取り込み…"), QStringLiteral("importWorkersButton"));
    exportButton_ = button(QStringLiteral("作業員一覧を書き出す…"), QStringLiteral("exportWorkersButton"));
    hintRow->addWidget(importButton_);
    hintRow->addWidget(exportButton_);
    left->addLayout(hintRow);
    saveCompanyButton_ = button(QStringLiteral("会社情報の個別保存"), QStringLiteral("saveCompanyButton"));
    loadCompanyButton_ = button(QStringLiteral("会社情報の個別読込"), QStringLiteral("loadCompanyButton"));
    auto* help = button(QStringLiteral("HELP"), QStringLiteral("helpButton"));
    auto* close = button(QStringLiteral("閉じる"), QStringLiteral("closeButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveCompanyButton_);
    buttons->addWidget(loadCompanyButton_);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    left->addLayout(buttons);
    layout->addLayout(left);

    entry_ = new CompanyEntryPanel(panel);
    layout->addWidget(entry_, 0, Qt::AlignTop);

    connect(saveCompanyButton_, &QPushButton::clicked, this, &Ttouroku::saveCompanyFile);
    connect(importButton_, &QPushButton::clicked, this, &Ttouroku::importWorkers);
    connect(exportButton_, &QPushButton::clicked, this, &Ttouroku::exportWorkers);
    connect(loadCompanyButton_, &QPushButton::clicked, this, &Ttouroku::loadCompanyFile);
    connect(help, &QPushButton::clicked, this, &openManual);
    connect(close, &QPushButton::clicked, this, &Ttouroku::closeAndSave);
    connect(entry_->registerButton(), &QPushButton::clicked, this, &Ttouroku::registerCompany);
    connect(entry_->workersButton(), &QPushButton::clicked, this, &Ttouroku::openWorkerPanel);
    connect(entry_->webButton(), &QPushButton::clicked, this,
            [] { Dialogs::current().openWithDesktop(web::postcodeSearch()); });
    return panel;
}

QTableView* Ttouroku::buildCompanyList()
{
    list_ = new QTableView;
    list_->setObjectName(QStringLiteral("StringGrid1"));
    listModel_ = new TextGridModel(&registry_.companies, this);
    listModel_->setCentredColumns({company::No, company::PostcodeA, company::PostcodeB});
    listModel_->setTextColour(QColor(0x00, 0x80, 0x00));
    list_->setModel(listModel_);
    list_->verticalHeader()->hide();
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    list_->setWordWrap(false);
    // Cells are cut at their right edge, not shortened with an ellipsis.
    list_->setTextElideMode(Qt::ElideNone);
    list_->horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: #800080; color: palette(window); border: 1px solid #5a005a; }"));
    for (int column = 0; column < int(std::size(kListWidths)); ++column)
        list_->setColumnWidth(column, kListWidths[column]);
    list_->setFixedWidth(kListWidth);
    list_->setMinimumHeight(600);
    markers_ = new GridMarkers(list_);
    connect(markers_, &GridMarkers::pressed, this, [this](int row) { clickCompany(row); });
    connect(markers_, &GridMarkers::released, this, &Ttouroku::showSelectedRow);
    buildCompanyMenu();
    return list_;
}

void Ttouroku::fitListToScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    list_->setFixedWidth(kListWidth);
    companyPanel_->layout()->activate();
    const QMargins margins = companyPanel_->parentWidget()->layout()->contentsMargins();
    const int needed = companyPanel_->sizeHint().width() + margins.left() + margins.right() + kFrameWidth;
    const int over = needed - screen->availableGeometry().width();
    list_->setFixedWidth(std::clamp(kListWidth - std::max(over, 0), kNarrowestList, kListWidth));
}

void Ttouroku::buildCompanyMenu()
{
    companyMenu_ = new QMenu(this);
    companyMenu_->setObjectName(QStringLiteral("companyMenu"));
    const auto add = [this](const QString& caption, const QString& name, void (Ttouroku::*slot)()) {
        companyMenu_->addAction(caption, this, slot)->setObjectName(name);
    };
    add(QStringLiteral("削除"), QStringLiteral("deleteCompaniesAction"), &Ttouroku::deleteCompanies);
    add(QStringLiteral("コピー"), QStringLiteral("copyAction"), &Ttouroku::copyRows);
    add(QStringLiteral("貼り付け"), QStringLiteral("pasteAction"), &Ttouroku::pasteRows);
    companyMenu_->addSeparator();
    add(QStringLiteral("行追加"), QStringLiteral("insertRowAction"), &Ttouroku::insertRow);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { companyMenu_->popup(list_->viewport()->mapToGlobal(pos)); });
}

void Ttouroku::registerCompany()
{
    const int row = markers_->selectedRow;
    if (row < 1 || row >= registry_.companies.rowCount()) {
        Dialogs::current().message(QStringLiteral("登録したい 「 会社情報リストのNo.行 」 を選択してください。"),
                                   Dialogs::Kind::Information, Dialogs::Button::Yes);
        return;
    }
    if (isBlankName(entry_->companyName())) {
        Dialogs::current().message(kNameFirst);
        return;
    }
    if (!Dialogs::current().askYesNo(QStringLiteral("会社情報リスト No.%1　に会社情報を登録しますか？").arg(row),
                                     Dialogs::Kind::Information))
        return;
    companies::registerCompany(registry_.companies, row, entry_->record());
    refreshList();
    showCompanyPanel();
}

void Ttouroku::insertRow()
{
    companies::insertEmptyRow(registry_.companies, markers_->selectedRow);
    refreshList();
}

void Ttouroku::deleteCompanies()
{
    const int from = markers_->pressedRow;
    const int to = markers_->selectedRow;
    if (from == 0 || to == 0)
        return;
    const TextGrid& list = registry_.companies;
    const int first = std::min(from, to);
    const int last = std::max(from, to);
    const QString question = first == last
        ? numberAndName(list, first, QStringLiteral(" ")) + QStringLiteral(" を削除しますか？")
        : numberAndName(list, first, {}) + QStringLiteral(" ～ ") + numberAndName(list, last, {})
            + QStringLiteral(" を削除しますか？");
    if (!Dialogs::current().askYesNo(question))
        return;
    companies::deleteCompanies(registry_, first, last);
    markers_->selectedRow = first;
    refreshList();
    registry_.save();
}

void Ttouroku::copyRows()
{
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    QModelIndexList cells = selected.isEmpty() ? QModelIndexList{list_->currentIndex()} : selected;
    if (!cells.first().isValid())
        return;
    int top = cells.first().row(), bottom = top, left = cells.first().column();
    for (const QModelIndex& index : cells) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
    }
    QApplication::clipboard()->setText(companies::copyText(registry_.companies, top + 1, bottom + 1, left));
}

void Ttouroku::pasteRows()
{
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid())
        return;
    companies::pasteText(registry_.companies, current.row() + 1, current.column(), QApplication::clipboard()->text());
    refreshList();
}

void Ttouroku::saveCompanyFile()
{
    const int row = markers_->selectedRow;
    // A row without a company has nothing to save.
    if (row < 1 || row >= registry_.companies.rowCount() || isBlankName(registry_.companies.cell(company::Name, row))) {
        Dialogs::current().beep();
        return;
    }
    const QString chosen
        = Dialogs::current().saveFileName(kCompanyFileFilter, QString(), registry_.companies.cell(company::Name, row));
    if (chosen.isEmpty())
        return;
    companyfile::save(registry_, row, companyfile::withExtension(chosen));
}

void Ttouroku::loadCompanyFile()
{
    const QString path = Dialogs::current().openFileName(kCompanyFileFilter, QString());
    if (path.isEmpty())
        return;
    // The list shows what was written even when the file turns out broken.
    struct Refresh {
        Ttouroku* window;
        ~Refresh() { window->refreshList(); }
    } refreshAfterwards{this};
    // A company already listed changes nothing, the entry fields included.
    if (companyfile::load(registry_, path).result == companyfile::LoadResult::Loaded)
        loadRowIntoEntry(markers_->selectedRow);
}
