#include "Ttenken.h"

#include "common/ui/FormKit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace mirevo {
namespace {

constexpr int kWidth = 880;
constexpr int kHeight = 460;

QColor levelColour(check::Level level)
{
    switch (level) {
    case check::Level::Error:
        return QColor(0xc0, 0x00, 0x00);
    case check::Level::Warning:
        return QColor(0xb0, 0x60, 0x00);
    case check::Level::Info:
        return QColor(0x12, 0x31, 0x72);
    }
    return {};
}

QString heading(const check::Report& report)
{
    QString text = check::dateLine(report) + u'\n';
    if (report.findings.isEmpty())
        return text + QStringLiteral("直すところは見つかりませんでした。");
    return text + check::summary(report)
        + QStringLiteral("　　行をダブルクリックすると、その会社・作業員の画面に移ります。");
}

// "【讃岐設備工業株式会社　伊藤 直樹】生年月日（minor）" and the message below.
QString detailText(const check::Finding& f)
{
    QStringList who;
    who << (f.company.isEmpty() ? QStringLiteral("工事・発注者") : f.company);
    if (!f.worker.isEmpty())
        who << f.worker;
    return QStringLiteral("【%1】%2（%3）\n%4").arg(who.join(QStringLiteral("　")), f.field, f.code, f.message);
}

} // namespace

Ttenken::Ttenken(check::Report report, Mode mode, QWidget* parent) : QDialog(parent), report_(std::move(report))
{
    setObjectName(QStringLiteral("Ttenken"));
    setWindowTitle(QStringLiteral("提出前チェック"));
    form::applyJapaneseFont(this);
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(heading(report_), this);
    summary->setObjectName("Label_summary");
    const bool errors = report_.count(check::Level::Error) > 0;
    summary->setStyleSheet(errors ? QStringLiteral("color: #c00000; font-weight: bold;")
                                  : QStringLiteral("font-weight: bold;"));
    layout->addWidget(summary);
    buildList();
    layout->addWidget(list_, 1);
    buildDetail();
    layout->addWidget(detail_);
    buildButtons(mode);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    // As large as the screen allows, never larger.
    QSize size(kWidth, kHeight);
    if (const QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    resize(size);
}

void Ttenken::buildList()
{
    list_ = new QTreeWidget(this);
    list_->setObjectName("ListView_findings");
    list_->setColumnCount(4);
    list_->setHeaderLabels(
        {QStringLiteral("区分"), QStringLiteral("会社名"), QStringLiteral("作業員"), QStringLiteral("内容")});
    list_->setRootIsDecorated(false);
    list_->setAlternatingRowColors(true);
    list_->setUniformRowHeights(true);
    for (const check::Finding& f : report_.findings) {
        auto* item = new QTreeWidgetItem(list_, {check::levelName(f.level), f.company, f.worker, f.message});
        item->setForeground(0, levelColour(f.level));
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        const QString tip = QStringLiteral("%1 (%2)\n%3").arg(f.field, f.code, f.message);
        for (int column = 0; column < 4; ++column)
            item->setToolTip(column, tip);
    }
    QHeaderView* header = list_->header();
    header->setStretchLastSection(true);
    list_->setColumnWidth(0, 56);
    list_->setColumnWidth(1, 190);
    list_->setColumnWidth(2, 96);
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { goTo(list_->indexOfTopLevelItem(item)); });
}

void Ttenken::buildDetail()
{
    // The list keeps one line per finding; the chosen one is read in full here.
    detail_ = new QLabel(this);
    detail_->setObjectName("Label_detail");
    detail_->setWordWrap(true);
    detail_->setFrameShape(QFrame::StyledPanel);
    detail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    detail_->setMinimumHeight(detail_->fontMetrics().lineSpacing() * 3 + 12);
    detail_->setMargin(4);
    detail_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    detail_->setStyleSheet(QStringLiteral("background: #fffbe8;"));
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int row = item ? list_->indexOfTopLevelItem(item) : -1;
        detail_->setText(row < 0 ? QString() : detailText(report_.findings[row]));
    });
}

void Ttenken::buildButtons(Mode mode)
{
    auto* buttons = new QDialogButtonBox(this);
    if (mode == Mode::BeforeConversion) {
        auto* create = buttons->addButton(QStringLiteral("このまま作成"), QDialogButtonBox::AcceptRole);
        create->setObjectName("Button_createAnyway");
        auto* back = buttons->addButton(QStringLiteral("戻って直す"), QDialogButtonBox::RejectRole);
        back->setObjectName("Button_goBack");
        // With an error the safe answer is the one Enter gives.
        (report_.count(check::Level::Error) > 0 ? back : create)->setDefault(true);
    } else {
        auto* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
        close->setObjectName("Button_tenkenClose");
        close->setDefault(true);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

void Ttenken::goTo(int row)
{
    if (row < 0 || row >= report_.findings.size())
        return;
    chosen_ = report_.findings[row];
    reject();
}

} // namespace mirevo
