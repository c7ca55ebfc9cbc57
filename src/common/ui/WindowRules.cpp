#include "WindowRules.h"

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

} // namespace

void keepOpenOnEscape(QDialog* dialog)
{
    dialog->installEventFilter(new EscapeKeeper(dialog));
}

} // namespace mirevo::form
