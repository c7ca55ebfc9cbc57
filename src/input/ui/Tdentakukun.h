#pragma once
#include "input/Calculator.h"

#include <QDialog>
#include <map>

class QLabel;
class QPushButton;

// The calculator window ("数値入力用の電卓"): a small modal calculator for
// entering a number with the mouse. The caller runs exec() and reads
// valueText() after it has closed, whether "登録" or "キャンセル" closed it.
// The window is created once and reused; every opening clears as "C".
class Tdentakukun : public QDialog {
    Q_OBJECT
public:
    explicit Tdentakukun(QWidget* parent = nullptr);

    // The number entered or the last result, e.g. "42", "-0.5".
    QString valueText() const;
    const mirevo::Calculator& calculator() const { return model_; }

    int exec() override; // clears as "C", keeps the window on screen, runs modally

    // Clears and positions the window without running the event loop
    // (exec() calls it).
    void prepareOpening();

protected:
    // The keyboard presses the keys too: digits, ".", operators, "%",
    // Enter or "=" for "＝", Delete for "C".
    void keyPressEvent(QKeyEvent* event) override;

private:
    using Key = mirevo::Calculator::Key;
    void build();
    QWidget* buildDisplay();
    QWidget* buildKeys();
    QPushButton* makeKey(Key key, const QString& caption, const QString& name);
    void press(Key key);
    void pressMulti();
    void showModel();
    void fitDisplay();
    void keepOnScreen();

    mirevo::Calculator model_;
    std::map<Key, QPushButton*> keys_;
    QPushButton* multiButton_ = nullptr;
    QLabel* display_ = nullptr;
    QLabel* mark_ = nullptr;
    QLabel* trace_ = nullptr;
};

// Helper for callers: opens the calculator modally and returns its value
// text, which the caller writes into its field.
QString enterNumber(Tdentakukun& calculator);
