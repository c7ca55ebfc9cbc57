#pragma once
#include <QObject>
#include <functional>
#include <vector>

class QWidget;
class QLineEdit;

namespace mirevo {

// Entry aids of the program's forms: Enter moves the focus along a fixed
// chain (the key itself is swallowed), a double-click empties a text field,
// a click or double-click on a field runs an action (the date pickers).
class FieldEvents : public QObject {
    Q_OBJECT
public:
    // The filter lives as long as `owner`.
    static FieldEvents* of(QObject* owner);

    // Enter in chain[i] focuses chain[i + 1]; the last one focuses the first.
    void setEnterChain(const std::vector<QWidget*>& chain);
    void setEnterNext(QWidget* from, QWidget* to);
    void clearOnDoubleClick(QLineEdit* field);
    void onClick(QWidget* field, std::function<void()> action);
    void onDoubleClick(QWidget* field, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FieldEvents(QObject* owner);
    struct Binding {
        QWidget* enterNext = nullptr;
        bool clearOnDoubleClick = false;
        std::function<void()> click;
        std::function<void()> doubleClick;
    };
    Binding& binding(QWidget* field);
    std::vector<std::pair<QObject*, Binding>> bindings_;
};

} // namespace mirevo
