#include "Calculator.h"

#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "common/TextFile.h"

#include <QStringList>

#include <array>
#include <cmath>

namespace mirevo {
namespace {

const QString divideMark = QStringLiteral("÷");
const QString multiplyMark = QStringLiteral("✕");
const QString minusMark = QStringLiteral("－");
const QString plusMark = QStringLiteral("＋");
const QString percentMark = QStringLiteral("％");

struct Operation {
    Calculator::Key key;
    QString mark;
    QString symbol;
};

const std::array<Operation, 4>& operations()
{
    static const std::array<Operation, 4> table{{
        {Calculator::Key::Divide, divideMark, QStringLiteral("/")},
        {Calculator::Key::Multiply, multiplyMark, QStringLiteral("*")},
        {Calculator::Key::Minus, minusMark, QStringLiteral("-")},
        {Calculator::Key::Plus, plusMark, QStringLiteral("+")},
    }};
    return table;
}

const Operation* operationOf(Calculator::Key key)
{
    for (const Operation& op : operations())
        if (op.key == key)
            return &op;
    return nullptr;
}

QString markOf(const QString& symbol)
{
    for (const Operation& op : operations())
        if (op.symbol == symbol)
            return op.mark;
    return {};
}

// The value text read as a number; a lone "-" or "." is no number.
double numberOf(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw Error(QStringLiteral("'%1' は有効な数値ではありません。").arg(text));
    return value;
}

// The display of a value text that may still be unfinished ("-").
QString displayOf(const QString& text, Calculator::Pattern pattern)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? Calculator::formatted(value, pattern) : text;
}

double apply(const QString& symbol, double a, double b)
{
    if (symbol == u"/" && b == 0)
        throw Error(QStringLiteral("0 で割ることはできません。"));
    double result = 0;
    if (symbol == u"/")
        result = a / b;
    else if (symbol == u"*")
        result = a * b;
    else if (symbol == u"-")
        result = a - b;
    else
        result = a + b;
    if (!std::isfinite(result))
        throw Error(QStringLiteral("計算結果が大きすぎます。"));
    return result;
}

QString groupThousands(const QString& digits)
{
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += digits[i];
    }
    return grouped;
}

} // namespace

QString Calculator::formatted(double value, Pattern pattern)
{
    const QString fixed = QString::number(std::fabs(value), 'f', 2);
    QString whole = fixed.section(u'.', 0, 0);
    QString fraction = fixed.section(u'.', 1, 1);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    const bool zero = whole == u"0" && fraction.isEmpty();
    if (whole == u"0" && pattern == Pattern::ZeroBlank)
        whole.clear();
    QString text = groupThousands(whole);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return value < 0 && !zero ? u'-' + text : text;
}

QString Calculator::numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // never "-0", which the keys treat as a sign being typed
    QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(u'e');
    if (e < 0)
        return text;
    // "1e+15" and "1e-05" become "1E15" and "1E-5".
    QString exponent = text.mid(e + 1);
    const bool negative = exponent.startsWith(u'-');
    exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.startsWith(u'0'))
        exponent.remove(0, 1);
    return text.left(e) + u'E' + (negative ? QStringLiteral("-") : QString()) + exponent;
}

QString Calculator::translucentCaption()
{
    return QStringLiteral("半透明");
}
QString Calculator::showOnCaption()
{
    return QStringLiteral("表示ＯＮ");
}
QString Calculator::taxRateCaption()
{
    return QStringLiteral("税率設定");
}

void Calculator::press(Key key)
{
    if (key <= Key::Digit9 && key >= Key::Digit1)
        return digitKey(static_cast<int>(key) - static_cast<int>(Key::Digit0));
    switch (key) {
    case Key::Digit0:
        return zeroKey();
    case Key::Point:
        return pointKey();
    case Key::Sign:
        return signKey();
    case Key::Percent:
        return percentKey();
    case Key::Clear:
        return clear();
    case Key::Equals: {
        State s = s_;
        equalsKey(s);
        s.ikool = true; // the window's "＝" is pressed with the mouse
        s_ = s;
        return;
    }
    default:
        return operatorKey(key);
    }
}

QString Calculator::trace() const
{
    QStringList parts;
    for (const QString& part : {s_.traceFirst, s_.traceMark, s_.traceSecond})
        if (!part.isEmpty())
            parts << part;
    if (s_.traceEquals)
        parts << QStringLiteral("=");
    return parts.join(u' ');
}

bool Calculator::operatorMarkShown() const
{
    for (const Operation& op : operations())
        if (s_.mark == op.mark)
            return true;
    return false;
}

void Calculator::traceOperand()
{
    s_.traceEquals = false;
    if (s_.kakunin == 2) {
        s_.traceSecond = s_.value;
        return;
    }
    s_.traceFirst = s_.value;
    s_.traceMark.clear();
    s_.traceSecond.clear();
}

void Calculator::digitKey(int digit)
{
    if (s_.value == u"0")
        s_.value.clear();
    if (s_.value == u"-0")
        return;
    if (s_.value == u"-")
        s_.mark.clear(); // the sign typed after an operator starts the second operand
    if (operatorMarkShown()) {
        s_.value.clear();
        s_.kakunin = 2;
    }
    if (s_.ikool) {
        s_.value.clear();
        s_.ikool = false;
    }
    s_.value += QChar(u'0' + digit);
    s_.mark.clear();
    s_.display = displayOf(s_.value, Pattern::ZeroShown);
    traceOperand();
}

void Calculator::zeroKey()
{
    if (s_.ikool)
        clear();
    if (s_.value == u"-0")
        return;
    if (s_.value == u"-")
        s_.mark.clear();
    if (operatorMarkShown()) {
        s_.value.clear();
        s_.kakunin = 2;
    }
    s_.value += u'0';
    s_.mark.clear();
    s_.display = displayOf(s_.value, Pattern::ZeroShown);
    traceOperand();
}

void Calculator::pointKey()
{
    if (s_.ikool)
        clear();
    if (s_.tenosi)
        return;
    if (s_.value == u"-")
        s_.mark.clear();
    // A point right after an operator key starts the second operand, also
    // when the first one was "0".
    if (operatorMarkShown()) {
        s_.value = QStringLiteral("0.");
        s_.mark.clear();
        s_.kakunin = 2;
    } else if (s_.value == u"0") {
        s_.value = QStringLiteral("0.");
        s_.mark.clear();
    } else {
        s_.value += u'.';
    }
    // The tax rate is offered for a point in the first operand only; a
    // point right after an operator key already belongs to the second.
    if (s_.kakunin == 1)
        s_.caption = taxRateCaption();
    s_.tenosi = true;
    s_.display = displayOf(s_.value, Pattern::ZeroBlank);
    traceOperand();
}

void Calculator::signKey()
{
    if (s_.ikool)
        clear();
    const bool markShown = operatorMarkShown();
    if (s_.value == u"0" || markShown) {
        if (markShown)
            s_.kakunin = 2;
        s_.value = QStringLiteral("-"); // a sign waiting for digits
        s_.display = s_.value;
        return;
    }
    if (s_.value.startsWith(u'-'))
        s_.value.remove(0, 1);
    else
        s_.value.prepend(u'-');
    if (s_.value.isEmpty())
        s_.value = QStringLiteral("0");
    s_.display = displayOf(s_.value, Pattern::ZeroBlank);
    traceOperand();
}

void Calculator::operatorKey(Key key)
{
    const Operation* op = operationOf(key);
    if (!op)
        return;
    s_.mark = op->mark; // shown even when the operand turns out to be no number
    State s = s_;
    s.ikool = false; // the result goes on into this operation
    if (s.kakunin == 1) {
        s.a = numberOf(s.value);
        s.tenosi = false;
    } else {
        s.b = numberOf(s.value);
        equalsKey(s);
    }
    s.sy = op->symbol;
    s.traceFirst = numberText(s.a);
    s.traceMark = op->mark;
    s.traceSecond.clear();
    s.traceEquals = false;
    s_ = s;
}

void Calculator::percentKey()
{
    if (s_.kakunin != 2)
        return;
    State s = s_;
    const double percent = s.a * numberOf(s.value) / 100;
    if (!std::isfinite(percent))
        throw Error(QStringLiteral("計算結果が大きすぎます。"));
    s.tenosi = false;
    s.value = numberText(percent);
    s.display = displayOf(s.value, Pattern::ZeroBlank);
    s.mark = percentMark;
    s.traceSecond = s.value;
    s_ = s;
}

// Works on a copy of the state so that a failure changes nothing.
void Calculator::equalsKey(State& s) const
{
    if (s.mark == percentMark)
        s.mark.clear();
    if (s.kakunin == 2)
        s.b = numberOf(s.value);
    const double first = s.a;
    const QString entered = s.value;
    if (!s.sy.isEmpty()) {
        s.cotae = apply(s.sy, s.a, s.b);
        s.a = s.cotae;
    }
    s.value = numberText(s.cotae);
    s.display = formatted(s.cotae, Pattern::ZeroBlank);
    if (s.display.isEmpty())
        s.display = QStringLiteral("0");
    s.kakunin = 1;
    s.tenosi = false;
    s.traceFirst = s.sy.isEmpty() ? entered : numberText(first);
    s.traceMark = markOf(s.sy);
    s.traceSecond = s.sy.isEmpty() ? QString() : numberText(s.b);
    s.traceEquals = true;
}

void Calculator::clear()
{
    s_.value = QStringLiteral("0");
    s_.a = s_.b = s_.cotae = 0;
    s_.kakunin = 1;
    s_.tenosi = s_.ikool = false;
    s_.mark.clear();
    s_.traceFirst.clear();
    s_.traceMark.clear();
    s_.traceSecond.clear();
    s_.traceEquals = false;
    s_.display = QStringLiteral("0");
    // Leaves the tax-rate mode; the caption keeps telling the translucency.
    s_.caption = s_.toumei ? showOnCaption() : translucentCaption();
}

void Calculator::pressMulti()
{
    if (s_.caption == taxRateCaption())
        return askTaxRate();
    s_.toumei = !s_.toumei;
    s_.caption = s_.toumei ? showOnCaption() : translucentCaption();
}

void Calculator::askTaxRate()
{
    Dialogs& dialogs = Dialogs::current();
    if (s_.value == u"0") {
        dialogs.message(
            QStringLiteral("数値を入力してから税込ボタンを押すと税率設定ができます。例：５→[税込]→［税率保存］"));
        return;
    }
    if (!dialogs.askYesNo(QStringLiteral("税率を") + s_.value + QStringLiteral("％に設定して保存しますか？"))) {
        dialogs.message(QStringLiteral("設定変更作業を終了します。現在の税率は") + s_.zei + QStringLiteral("％です。"),
                        Dialogs::Kind::Information);
        return;
    }
    // The first line is reserved and always empty; the rate is kept only
    // once the file is safely written.
    textfile::writeLines(programFile(QStringLiteral("zeiritu.ini")), {QString(), s_.value});
    s_.zei = s_.value;
    dialogs.message(QStringLiteral("保存しました"), Dialogs::Kind::Information);
    s_.caption = s_.toumei ? showOnCaption() : translucentCaption();
}

} // namespace mirevo
