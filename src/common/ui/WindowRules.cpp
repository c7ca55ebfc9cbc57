#include "WindowRules.h"
#include "FormKit.h"

#include <QDialog>
#include <QKeyEvent>

namespace mirevo::form {
namespace {

class EscapeKeeper final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
    }
};

class ShowCentrer final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent())
            centreOnScreen(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void centreWhenShown(QWidget* window)
{
    window->installEventFilter(new ShowCentrer(window));
}

void keepOpenOnEscape(QDialog* dialog)
{
    dialog->installEventFilter(new EscapeKeeper(dialog));
}

} // namespace mirevo::form
