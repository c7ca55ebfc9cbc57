#include "Tdentakukun.h"
#include "common/ui/WindowRules.h"

#include "common/Dialogs.h"
#include "common/Error.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using mirevo::Calculator;

namespace {

struct KeyPlace {
    Calculator::Key key;
    const char16_t* caption;
    const char* name;
    int row, column, columnSpan;
    const char* role; // selects the key's colours in the style sheet
};

constexpr KeyPlace keyPlaces[] = {
    {Calculator::Key::Digit7, u"7", "Key7", 0, 0, 1, "digit"},
    {Calculator::Key::Digit8, u"8", "Key8", 0, 1, 1, "digit"},
    {Calculator::Key::Digit9, u"9", "Key9", 0, 2, 1, "digit"},
    {Calculator::Key::Divide, u"÷", "KeyDivide", 0, 3, 1, "operator"},
    {Calculator::Key::Clear, u"C", "KeyClear", 0, 4, 1, "clear"},
    {Calculator::Key::Digit4, u"4", "Key4", 1, 0, 1, "digit"},
    {Calculator::Key::Digit5, u"5", "Key5", 1, 1, 1, "digit"},
    {Calculator::Key::Digit6, u"6", "Key6", 1, 2, 1, "digit"},
    {Calculator::Key::Multiply, u"✕", "KeyMultiply", 1, 3, 1, "operator"},
    {Calculator::Key::Percent, u"％", "KeyPercent", 1, 4, 1, "operator"},
    {Calculator::Key::Digit1, u"1", "Key1", 2, 0, 1, "digit"},
    {Calculator::Key::Digit2, u"2", "Key2", 2, 1, 1, "digit"},
    {Calculator::Key::Digit3, u"3", "Key3", 2, 2, 1, "digit"},
    {Calculator::Key::Minus, u"－", "KeyMinus", 2, 3, 1, "operator"},
    {Calculator::Key::Sign, u"+/-", "KeySign", 2, 4, 1, "operator"},
    {Calculator::Key::Digit0, u"0", "Key0", 3, 0, 2, "digit"},
    {Calculator::Key::Point, u".", "KeyPoint", 3, 2, 1, "digit"},
    {Calculator::Key::Plus, u"＋", "KeyPlus", 3, 3, 1, "operator"},
    {Calculator::Key::Equals, u"＝", "KeyEquals", 3, 4, 1, "equals"},
};

const char* calculatorStyle = R"(
QDialog { background: #e9edf2; }
#DisplayPanel { background: #1d2733; border: 2px solid #0d131a; border-radius: 4px; }
#Display { color: #7cfc9a; font-size: 22pt; font-weight: bold; }
#MarkLabel { color: #ffb347; font-size: 18pt; font-weight: bold; }
#TraceLabel { color: #34495e; }
QPushButton { font-size: 13pt; border: 1px solid #8a96a3; border-radius: 4px;
              background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dde3ea); }
QPushButton:pressed { background: #c5cfda; }
QPushButton[role="operator"] { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #eef5ff, stop:1 #c9dcf5); }
QPushButton[role="equals"] { color: white; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f5a25d, stop:1 #e07b24); }
QPushButton[role="clear"] { color: white; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e57373, stop:1 #c62828); }
QPushButton[role="register"] { color: white; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f83cc, stop:1 #1f4e9c); }
QPushButton[role="side"] { font-size: 11pt; }
)";

QPushButton* newButton(const QString& caption, const char* name, const char* role, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("role", QString::fromLatin1(role));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus); // a mouse calculator: Enter never presses a key by surprise
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    return button;
}

} // namespace

Tdentakukun::Tdentakukun(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdentakukun"));
    setWindowTitle(QStringLiteral("数値入力用の電卓"));
    mirevo::form::centreWhenShown(this);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 10));
    setStyleSheet(QString::fromUtf8(calculatorStyle));
    setFixedSize(505, 245);
    build();
    showModel();
}

QString Tdentakukun::valueText() const
{
    return model_.valueText();
}

void Tdentakukun::build()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 4);
    layout->setSpacing(5);
    layout->addWidget(buildDisplay());
    layout->addWidget(buildKeys(), 1);
    trace_ = new QLabel(this);
    trace_->setObjectName(QStringLiteral("TraceLabel"));
    trace_->setFixedHeight(18);
    trace_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(trace_);
}

// The dark display panel: operator mark at the left, the value right-aligned.
QWidget* Tdentakukun::buildDisplay()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("DisplayPanel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setFixedHeight(50);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(10, 0, 12, 0);
    mark_ = new QLabel(panel);
    mark_->setObjectName(QStringLiteral("MarkLabel"));
    mark_->setFixedWidth(36);
    display_ = new QLabel(panel);
    display_->setObjectName(QStringLiteral("Display"));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Long numbers shrink the font instead of widening the fixed window.
    display_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(mark_);
    row->addWidget(display_, 1);
    return panel;
}

QWidget* Tdentakukun::buildKeys()
{
    auto* area = new QWidget(this);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    for (const KeyPlace& place : keyPlaces) {
        QPushButton* button = newButton(QString::fromUtf16(place.caption), place.name, place.role, area);
        connect(button, &QPushButton::clicked, this, [this, key = place.key] { press(key); });
        keys_[place.key] = button;
        grid->addWidget(button, place.row, place.column, 1, place.columnSpan);
    }
    row->addLayout(grid, 3);

    auto* side = new QVBoxLayout;
    side->setSpacing(4);
    auto* enter = newButton(QStringLiteral("登録"), "ButtonTouroku", "register", area);
    connect(enter, &QPushButton::clicked, this, [this] {
        if (model_.canRegister())
            accept();
    });
    auto* cancel = newButton(QStringLiteral("キャンセル"), "ButtonCancel", "side", area);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    multiButton_ = newButton(QString(), "ButtonMulti", "side", area);
    connect(multiButton_, &QPushButton::clicked, this, &Tdentakukun::pressMulti);
    side->addWidget(enter, 2);
    side->addWidget(cancel, 1);
    side->addWidget(multiButton_, 1);
    row->addLayout(side, 1);
    return area;
}

void Tdentakukun::press(Key key)
{
    try {
        model_.press(key);
    } catch (const mirevo::Error& e) {
        mirevo::Dialogs::current().message(e.message(), mirevo::Dialogs::Kind::Error);
    }
    showModel();
}

void Tdentakukun::pressMulti()
{
    try {
        model_.pressMulti();
    } catch (const mirevo::Error& e) {
        mirevo::Dialogs::current().message(e.message(), mirevo::Dialogs::Kind::Error);
    }
    showModel();
}

void Tdentakukun::showModel()
{
    display_->setText(model_.display());
    fitDisplay();
    mark_->setText(model_.mark());
    trace_->setText(model_.trace());
    multiButton_->setText(model_.multiCaption());
    setWindowOpacity(model_.translucent() ? Calculator::translucentOpacity / 255.0 : 1.0);
}

void Tdentakukun::fitDisplay()
{
    // Before the first showing the layout has not sized the label yet.
    const int room = display_->isVisible() ? display_->contentsRect().width() : 420;
    QFont font = display_->font();
    for (int size = 22; size >= 9; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(display_->text()) <= room)
            break;
    }
    // The style sheet's size would win over setFont().
    display_->setStyleSheet(QStringLiteral("font-size: %1pt;").arg(font.pointSize()));
}

void Tdentakukun::keyPressEvent(QKeyEvent* event)
{
    static const std::map<int, Key> keyboard{
        {Qt::Key_0, Key::Digit0},          {Qt::Key_1, Key::Digit1},     {Qt::Key_2, Key::Digit2},
        {Qt::Key_3, Key::Digit3},          {Qt::Key_4, Key::Digit4},     {Qt::Key_5, Key::Digit5},
        {Qt::Key_6, Key::Digit6},          {Qt::Key_7, Key::Digit7},     {Qt::Key_8, Key::Digit8},
        {Qt::Key_9, Key::Digit9},          {Qt::Key_Period, Key::Point}, {Qt::Key_Slash, Key::Divide},
        {Qt::Key_Asterisk, Key::Multiply}, {Qt::Key_Minus, Key::Minus},  {Qt::Key_Plus, Key::Plus},
        {Qt::Key_Percent, Key::Percent},   {Qt::Key_Equal, Key::Equals}, {Qt::Key_Return, Key::Equals},
        {Qt::Key_Enter, Key::Equals},      {Qt::Key_Delete, Key::Clear},
    };
    const auto found = keyboard.find(event->key());
    if (found == keyboard.end())
        return QDialog::keyPressEvent(event); // Escape closes like "キャンセル"
    keys_.at(found->second)->click();
}

// A window whose lower edge would leave the screen moves up to the screen
// height minus twice its own height.
void Tdentakukun::keepOnScreen()
{
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const int screenHeight = screen->geometry().height();
    if (frameGeometry().bottom() >= screenHeight)
        move(x(), std::max(0, screenHeight - 2 * height()));
}

void Tdentakukun::prepareOpening()
{
    model_.press(Key::Clear);
    showModel();
    keepOnScreen();
}

int Tdentakukun::exec()
{
    prepareOpening();
    return QDialog::exec();
}

QString enterNumber(Tdentakukun& calculator)
{
    calculator.raise();
    calculator.exec();
    return calculator.valueText();
}
