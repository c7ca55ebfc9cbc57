#include "WorkerPanel.h"
#include "GridMarkers.h"
#include "TextGridModel.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "registry/Registry.h"
#include "registry/WorkerList.h"
#include "registry/WorkerView.h"
#include "roster/WorkerRecord.h"
#include "roster/WorkerStore.h"
#include "roster/ui/Tmeibo.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace mirevo {
namespace {

const QString kSelectAll = QStringLiteral("全員選択");
const QString kUnselectAll = QStringLiteral("選択解除");

constexpr int kWidths[] = {35,  100, 100, 80,  80,  70,  60,  80,  40,  210, 80,  210, 80,  70, 80, 60, 80,
                           100, 100, 100, 100, 140, 140, 140, 120, 120, 120, 120, 120, 120, 80, 80, 120};

QPushButton* button(const QString& caption, const QString& name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

} // namespace

WorkerPanel::WorkerPanel(Registry& registry, Tmeibo& roster, QWidget* parent)
    : QWidget(parent), registry_(registry), roster_(roster), view_(workerview::build(TextGrid(worker::kColumns), {}))
{
    setObjectName(QStringLiteral("workerPanel"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QHBoxLayout;
    auto* heading = new QLabel(QStringLiteral("会社名"));
    companyLabel_ = new QLabel;
    companyLabel_->setObjectName(QStringLiteral("currentCompanyLabel"));
    QFont bold = companyLabel_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    heading->setFont(bold);
    companyLabel_->setFont(bold);
    title->addWidget(heading);
    title->addWidget(companyLabel_);
    title->addStretch();
    title->addWidget(new QLabel(QStringLiteral("※セルのダブルクリックで作業員情報の編集")));
    layout->addLayout(title);
    layout->addWidget(buildView());

    backButton_ = button(QStringLiteral("戻る"), QStringLiteral("backButton"));
    selectAllButton_ = button(kSelectAll, QStringLiteral("selectAllButton"));
    handOverButton_ = button(QStringLiteral("採用人員を登録"), QStringLiteral("handOverButton"));
    cancelButton_ = button(QStringLiteral("キャンセル"), QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAllButton_);
    buttons->addStretch();
    for (QPushButton* b : {handOverButton_, cancelButton_, backButton_})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(backButton_, &QPushButton::clicked, this, &WorkerPanel::backRequested);
    connect(selectAllButton_, &QPushButton::clicked, this, &WorkerPanel::toggleSelectAll);
    connect(handOverButton_, &QPushButton::clicked, this, &WorkerPanel::handOverRequested);
    connect(cancelButton_, &QPushButton::clicked, this, &WorkerPanel::cancelRequested);
}

QTableView* WorkerPanel::buildView()
{
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("StringGrid2"));
    model_ = new TextGridModel(&view_, this);
    model_->setCentredColumns({0, 3, 5, 6, 7, 8, 10, 12, 13, 14, 15});
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(30);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setWordWrap(false);
    // Cells are cut at their right edge, not shortened with an ellipsis.
    table_->setTextElideMode(Qt::ElideNone);
    table_->setStyleSheet(QStringLiteral("QTableView { background: white; }"));
    for (int column = 0; column < int(std::size(kWidths)); ++column)
        table_->setColumnWidth(column, kWidths[column]);
    for (int column = int(std::size(kWidths)); column < worker::SourceRow; ++column)
        table_->setColumnHidden(column, true);
    table_->setColumnWidth(worker::SourceRow, 40);
    table_->setMinimumSize(1180, 560);

    markers_ = new GridMarkers(table_);
    connect(markers_, &GridMarkers::released, this, &WorkerPanel::markOnRelease);
    connect(markers_, &GridMarkers::doubleClicked, this, [this](int row) {
        // The double-clicked row is the pressed row.
        markers_->pressedRow = row;
        editWorker(row);
    });

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("workerMenu"));
    QAction* remove = menu_->addAction(QStringLiteral("削除"), this, &WorkerPanel::deleteWorkers);
    remove->setObjectName(QStringLiteral("deleteWorkersAction"));
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { menu_->popup(table_->viewport()->mapToGlobal(pos)); });
    return table_;
}

void WorkerPanel::open(const QString& company, bool picking)
{
    company_ = company;
    picking_ = picking;
    companyLabel_->setText(company);
    backButton_->setVisible(!picking);
    for (QPushButton* b : {selectAllButton_, handOverButton_, cancelButton_})
        b->setVisible(picking);
    markers_->reset();
    rebuild();
    table_->scrollToTop();
}

void WorkerPanel::rebuild()
{
    view_ = workerview::build(registry_.workers, company_);
    model_->refresh();
}

void WorkerPanel::resetSelectButton()
{
    selectAllButton_->setText(kSelectAll);
}

void WorkerPanel::toggleSelectAll()
{
    const bool marking = selectAllButton_->text() == kSelectAll;
    workerview::markAll(view_, marking);
    selectAllButton_->setText(marking ? kUnselectAll : kSelectAll);
    model_->refresh();
}

void WorkerPanel::markOnRelease(int row, int column)
{
    if (!picking_ || column != worker::No)
        return;
    if (workerview::toggleMark(view_, row))
        model_->refresh();
}

QString WorkerPanel::deleteQuestion(const std::vector<int>& rows) const
{
    const QString first = view_.cell(worker::Name, rows.front());
    const QString count = QString::number(rows.size());
    if (rows.size() == 1)
        return QStringLiteral("作業員 【%1】の%2名を削除しますか？").arg(first, count);
    const QString last = view_.cell(worker::Name, rows.back());
    return QStringLiteral("作業員 【%1～%2 】の%3名を削除しますか？").arg(first, last, count);
}

void WorkerPanel::deleteWorkers()
{
    const int from = markers_->pressedRow;
    const int to = markers_->selectedRow;
    if (from == 0 || to == 0)
        return;
    // Rows without a worker point to no master row: nothing to delete or ask.
    const std::vector<int> rows = workerview::rowsWithWorkers(view_, from, to);
    if (rows.empty() || !Dialogs::current().askYesNo(deleteQuestion(rows)))
        return;
    workers::removeRows(registry_.workers, workerview::masterRows(view_, from, to));
    rebuild();
}

void WorkerPanel::editWorker(int viewRow)
{
    if (viewRow < 1)
        return;
    const std::vector<int> master = workerview::masterRows(view_, viewRow, viewRow);
    roster_.mode = 1;
    roster_.company = company_;
    roster_.openWorker(master.empty() ? worker::kNewWorker : master.front());
    roster_.mode = 0;
    // The view shows what the roster window stored, even when a date of
    // another worker stops the age recalculation.
    struct Rebuild {
        WorkerPanel* panel;
        ~Rebuild() { panel->rebuild(); }
    } rebuildAfterwards{this};
    workers::recalculateAges(registry_.workers, clock::today());
}

} // namespace mirevo
