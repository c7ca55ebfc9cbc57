#include "WorkerImportDialog.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/ui/FormKit.h"
#include "common/ui/WindowRules.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "roster/WorkerRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace mirevo {
namespace {

enum GridColumn { LineColumn, StatusColumn, NameColumn, CompanyColumn, NoteColumn };

QColor colourOf(workerimport::Status status)
{
    switch (status) {
    case workerimport::Status::Add:
        return QColor(0x00, 0x80, 0x00);
    case workerimport::Status::Update:
        return QColor(0x1f, 0x4e, 0x9c);
    case workerimport::Status::Skip:
        return QColor(0x70, 0x70, 0x70);
    case workerimport::Status::Reject:
        break;
    }
    return QColor(0xc0, 0x00, 0x00);
}

} // namespace

WorkerImportDialog::WorkerImportDialog(Registry& registry, workerimport::Source source, const QString& company,
                                       QWidget* parent)
    : QDialog(parent), registry_(registry), source_(std::move(source))
{
    setObjectName(QStringLiteral("WorkerImportDialog"));
    setWindowTitle(QStringLiteral("作業員の一括取り込み"));
    form::applyJapaneseFont(this);
    form::keepOpenOnEscape(this);
    form::centreWhenShown(this);
    buildWidgets(company);
    replan();
}

void WorkerImportDialog::buildWidgets(const QString& company)
{
    auto* layout = new QVBoxLayout(this);
    auto* options = new QHBoxLayout;
    options->addWidget(new QLabel(QStringLiteral("会社名の無い行の会社")));
    company_ = new QComboBox;
    company_->setObjectName(QStringLiteral("ComboBox_company"));
    company_->addItem(QString());
    for (int row = 1; row < registry_.companies.rowCount(); ++row)
        if (!isBlankName(registry_.companies.cell(company::Name, row)))
            company_->addItem(registry_.companies.cell(company::Name, row));
    company_->setCurrentText(company);
    company_->setMinimumWidth(240);
    options->addWidget(company_);
    update_ = new QCheckBox(QStringLiteral("登録済みの作業員は更新する"));
    update_->setObjectName(QStringLiteral("CheckBox_update"));
    options->addWidget(update_);
    options->addStretch();
    layout->addLayout(options);

    grid_ = new QTableWidget(0, 5);
    grid_->setObjectName(QStringLiteral("Grid_preview"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("行"), QStringLiteral("状態"), QStringLiteral("氏名"),
                                      QStringLiteral("会社名"), QStringLiteral("内容")});
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->horizontalHeader()->setStretchLastSection(true);
    for (auto [column, width] :
         {std::pair{LineColumn, 50}, {StatusColumn, 70}, {NameColumn, 140}, {CompanyColumn, 180}})
        grid_->setColumnWidth(column, width);
    grid_->setMinimumSize(760, 300);
    layout->addWidget(grid_, 1);

    counts_ = new QLabel;
    counts_->setObjectName(QStringLiteral("Label_counts"));
    unknown_ = new QLabel;
    unknown_->setObjectName(QStringLiteral("Label_unknownHeadings"));
    unknown_->setWordWrap(true);
    layout->addWidget(counts_);
    layout->addWidget(unknown_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    import_ = new QPushButton(QStringLiteral("取り込む"));
    import_->setObjectName(QStringLiteral("Button_import"));
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"));
    cancel->setObjectName(QStringLiteral("Button_cancel"));
    for (QPushButton* b : {import_, cancel}) {
        b->setAutoDefault(false);
        b->setMinimumSize(110, 30);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(company_, &QComboBox::currentTextChanged, this, &WorkerImportDialog::replan);
    connect(update_, &QCheckBox::toggled, this, &WorkerImportDialog::replan);
    connect(import_, &QPushButton::clicked, this, &WorkerImportDialog::importRows);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void WorkerImportDialog::replan()
{
    plan_ = workerimport::plan(source_, registry_, {company_->currentText(), update_->isChecked(), clock::today()});
    showPlan();
}

void WorkerImportDialog::showPlan()
{
    using workerimport::Status;
    grid_->setRowCount(int(plan_.rows.size()));
    for (int i = 0; i < int(plan_.rows.size()); ++i) {
        const workerimport::RowPlan& row = plan_.rows[std::size_t(i)];
        const QString name = row.record.isEmpty() ? QString() : row.record[worker::Name];
        const QString company = row.record.isEmpty() ? QString() : row.record[worker::Company];
        const QStringList cells{QString::number(row.line), workerimport::statusText(row.status), name, company,
                                row.reason};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == StatusColumn)
                item->setForeground(colourOf(row.status));
            grid_->setItem(i, c, item);
        }
    }
    counts_->setText(plan_.summary());
    unknown_->setText(plan_.unknownHeadings.isEmpty()
                          ? QString()
                          : QStringLiteral("取り込まない見出し: ") + plan_.unknownHeadings.join(QStringLiteral("、")));
    import_->setEnabled(plan_.count(Status::Add) + plan_.count(Status::Update) > 0);
}

void WorkerImportDialog::importRows()
{
    try {
        workerimport::apply(plan_, registry_);
    } catch (const Error& e) {
        Dialogs::current().message(e.message(), Dialogs::Kind::Error);
        return;
    }
    accept();
}

} // namespace mirevo
