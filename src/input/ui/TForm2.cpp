#include "TForm2.h"
#include "common/ui/WindowRules.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

using mirevo::CalendarModel;

namespace {

struct NavigationButton {
    const char* name;
    const char16_t* caption;
    CalendarModel::Move move;
};

// Left to right, as the buttons stand under the grid.
constexpr NavigationButton navigationButtons[] = {
    {"Button1", u"<<", CalendarModel::Move::BackFiveYears},    {"Button2", u"<年", CalendarModel::Move::BackYear},
    {"Button3", u"先月", CalendarModel::Move::BackMonth},      {"Button4", u"今日", CalendarModel::Move::Today},
    {"Button5", u"来月", CalendarModel::Move::ForwardMonth},   {"Button6", u"年>", CalendarModel::Move::ForwardYear},
    {"Button7", u">>", CalendarModel::Move::ForwardFiveYears},
};

QFont japaneseFont(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Noto Sans CJK JP"), pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("カレンダーフォーム"));
    mirevo::form::centreWhenShown(this);
    setFont(japaneseFont(10));
    build();
    connectSignals();
    showModel();
}

QString TForm2::eraLine() const
{
    return eraLabel_->text();
}
QString TForm2::resultLine() const
{
    return resultLabel_->text();
}
QDate TForm2::date() const
{
    return model_.date();
}
int TForm2::state() const
{
    return model_.state();
}

void TForm2::build()
{
    resize(562, 457);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(6);
    layout->addWidget(buildTopStrip());

    eraLabel_ = new QLabel(this);
    eraLabel_->setObjectName(QStringLiteral("Label1"));
    eraLabel_->setAlignment(Qt::AlignCenter);
    eraLabel_->setFont(japaneseFont(16, true));
    eraLabel_->setStyleSheet(QStringLiteral("color: #008000;"));
    layout->addWidget(eraLabel_);

    grid_ = new QCalendarWidget(this);
    grid_->setObjectName(QStringLiteral("MonthCalendar1"));
    grid_->setFirstDayOfWeek(Qt::Sunday);
    grid_->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    grid_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    grid_->setDateRange(CalendarModel::firstDate(), CalendarModel::lastDate());
    grid_->setGridVisible(true);
    // The buttons below move the date; the grid always shows its month.
    grid_->setNavigationBarVisible(false);
    QTextCharFormat saturday = grid_->weekdayTextFormat(Qt::Saturday);
    saturday.setForeground(QColor(0x1f, 0x4e, 0xc8));
    grid_->setWeekdayTextFormat(Qt::Saturday, saturday);
    auto* gridRow = new QHBoxLayout;
    gridRow->setContentsMargins(12, 0, 12, 0);
    gridRow->addWidget(grid_);
    layout->addLayout(gridRow, 1);
    layout->addWidget(buildButtonRow());
}

// The blue strip at the top carries the result line in white.
QWidget* TForm2::buildTopStrip()
{
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(QStringLiteral("#Panel1 { background: #1f4e9c; }"));
    strip->setFixedHeight(44);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(16, 4, 16, 4);
    auto* caption = new QLabel(QStringLiteral("日付を選んでください"), strip);
    caption->setObjectName(QStringLiteral("Label3"));
    caption->setStyleSheet(QStringLiteral("color: #cfe0ff;"));
    row->addWidget(caption);
    row->addStretch();
    resultLabel_ = new QLabel(strip);
    resultLabel_->setObjectName(QStringLiteral("Label2"));
    resultLabel_->setFont(japaneseFont(14, true));
    resultLabel_->setStyleSheet(QStringLiteral("color: white;"));
    row->addWidget(resultLabel_);
    return strip;
}

QWidget* TForm2::buildButtonRow()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(12, 0, 12, 0);
    row->setSpacing(4);
    for (const NavigationButton& nav : navigationButtons) {
        auto* button = new QPushButton(QString::fromUtf16(nav.caption), panel);
        button->setObjectName(QString::fromLatin1(nav.name));
        button->setAutoDefault(false);
        button->setMinimumWidth(52);
        connect(button, &QPushButton::clicked, this, [this, move = nav.move] { navigate(move); });
        row->addWidget(button);
    }
    row->addSpacing(12);
    auto* close = new QPushButton(QStringLiteral("閉じる"), panel);
    close->setObjectName(QStringLiteral("Button8"));
    close->setAutoDefault(false);
    close->setMinimumWidth(72);
    connect(close, &QPushButton::clicked, this, &TForm2::closeWithoutDate);
    row->addWidget(close);
    return panel;
}

void TForm2::connectSignals()
{
    connect(grid_, &QCalendarWidget::selectionChanged, this, &TForm2::onSelectionChanged);
    // clicked() comes from the mouse only; keys change the selection alone.
    connect(grid_, &QCalendarWidget::clicked, this, &TForm2::onDayClicked);
}

void TForm2::prepareOpening()
{
    model_.open(startMode);
    showModel();
}

int TForm2::exec()
{
    prepareOpening();
    return QDialog::exec();
}

void TForm2::navigate(CalendarModel::Move move)
{
    model_.move(move);
    showModel();
}

void TForm2::onSelectionChanged()
{
    if (syncing_)
        return;
    model_.setDate(grid_->selectedDate());
    showModel();
}

void TForm2::onDayClicked(const QDate& date)
{
    model_.pick(date);
    showModel();
    accept();
}

void TForm2::closeWithoutDate()
{
    model_.closeWithoutDate();
    eraLabel_->setText(model_.eraLine());
    resultLabel_->setText(model_.resultLine());
    reject();
}

void TForm2::showModel()
{
    syncing_ = true;
    grid_->setSelectedDate(model_.date());
    grid_->setCurrentPage(model_.date().year(), model_.date().month());
    syncing_ = false;
    eraLabel_->setText(model_.eraLine());
    resultLabel_->setText(model_.resultLine());
}

namespace {

void openCalendar(TForm2& calendar, int startMode)
{
    calendar.startMode = startMode;
    calendar.raise();
    calendar.exec();
    calendar.startMode = 0;
}

} // namespace

QString pickEraDate(TForm2& calendar, int startMode)
{
    openCalendar(calendar, startMode);
    return calendar.eraLine();
}

QString pickPlainDate(TForm2& calendar, int startMode)
{
    openCalendar(calendar, startMode);
    return calendar.resultLine();
}
