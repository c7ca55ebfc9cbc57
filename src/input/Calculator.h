#pragma once
#include <QString>

namespace mirevo {

// The numeric input calculator as a state machine: keys in, value text,
// display line, operator mark and trace line out. Operations are applied
// in the order keyed ("3 ＋ 4 ✕ 5 ＝" is 35). A key that fails (a lone "-"
// as operand, division by zero) throws Error and leaves the state as it was.
class Calculator {
public:
    enum class Key {
        Digit0,
        Digit1,
        Digit2,
        Digit3,
        Digit4,
        Digit5,
        Digit6,
        Digit7,
        Digit8,
        Digit9,
        Point,
        Sign,
        Divide,
        Multiply,
        Minus,
        Plus,
        Percent,
        Equals,
        Clear
    };
    static Key digit(int value) { return static_cast<Key>(static_cast<int>(Key::Digit0) + value); }

    // Display patterns: "#,##0.##" shows zero as "0", "#,###.##" as "".
    enum class Pattern { ZeroShown, ZeroBlank };
    static QString formatted(double value, Pattern pattern);
    // General number format, 15 significant digits: "15", "0.666666666666667".
    static QString numberText(double value);

    // Captions of the multi-purpose button.
    static QString translucentCaption();          // "半透明"
    static QString showOnCaption();               // "表示ＯＮ"
    static QString taxRateCaption();              // "税率設定"
    static constexpr int translucentOpacity = 80; // of 255

    // Every key but the multi-purpose button. Throws Error.
    void press(Key key);
    // The multi-purpose button: toggles translucency, or stores the value
    // text as tax rate in "zeiritu.ini" after asking (through Dialogs).
    void pressMulti();
    // "登録" closes the window only when there is a value to hand over.
    bool canRegister() const { return !s_.value.isEmpty(); }

    QString valueText() const { return s_.value; }
    QString display() const { return s_.display; }
    QString mark() const { return s_.mark; }
    QString trace() const;
    QString multiCaption() const { return s_.caption; }
    bool translucent() const { return s_.toumei; }
    QString taxRate() const { return s_.zei; }

    double firstOperand() const { return s_.a; }
    double secondOperand() const { return s_.b; }
    double result() const { return s_.cotae; }
    QString operation() const { return s_.sy; } // "/", "*", "-", "+" or ""
    int operand() const { return s_.kakunin; }  // 1 first, 2 second

private:
    struct State {
        double a = 0, b = 0, cotae = 0;
        QString sy;          // pending operation
        int kakunin = 1;     // operand being entered
        bool tenosi = false; // number has a decimal point
        bool ikool = false;  // "＝" just pressed: next key starts afresh
        bool toumei = false; // window translucent
        QString zei;         // tax rate set in this run
        QString value = QStringLiteral("0");
        QString display = QStringLiteral("0");
        QString mark;
        QString traceFirst, traceMark, traceSecond;
        bool traceEquals = false;
        QString caption = translucentCaption();
    };

    void digitKey(int digit);
    void zeroKey();
    void pointKey();
    void signKey();
    void operatorKey(Key key);
    void percentKey();
    void equalsKey(State& s) const;
    void clear();
    void traceOperand();
    bool operatorMarkShown() const;
    void askTaxRate();

    State s_;
};

} // namespace mirevo
