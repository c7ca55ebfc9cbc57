#include "EnterNavigation.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

namespace mirevo {

FieldEvents::FieldEvents(QObject* owner) : QObject(owner)
{
}

FieldEvents* FieldEvents::of(QObject* owner)
{
    if (auto* existing = owner->findChild<FieldEvents*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new FieldEvents(owner);
}

FieldEvents::Binding& FieldEvents::binding(QWidget* field)
{
    for (auto& [object, b] : bindings_)
        if (object == field)
            return b;
    field->installEventFilter(this);
    // An editable combo box hands its keys and clicks to its line edit.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
    bindings_.emplace_back(field, Binding{});
    return bindings_.back().second;
}

void FieldEvents::setEnterChain(const std::vector<QWidget*>& chain)
{
    for (size_t i = 0; i < chain.size(); ++i)
        setEnterNext(chain[i], chain[(i + 1) % chain.size()]);
}

void FieldEvents::setEnterNext(QWidget* from, QWidget* to)
{
    binding(from).enterNext = to;
}

void FieldEvents::clearOnDoubleClick(QLineEdit* field)
{
    binding(field).clearOnDoubleClick = true;
}

void FieldEvents::onClick(QWidget* field, std::function<void()> action)
{
    binding(field).click = std::move(action);
}

void FieldEvents::onDoubleClick(QWidget* field, std::function<void()> action)
{
    binding(field).doubleClick = std::move(action);
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event)
{
    QObject* target = watched;
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && qobject_cast<QComboBox*>(edit->parent()))
        target = edit->parent();
    Binding* b = nullptr;
    for (auto& [object, candidate] : bindings_)
        if (object == target)
            b = &candidate;
    if (!b)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (b->enterNext && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            b->enterNext->setFocus(Qt::TabFocusReason);
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (b->clearOnDoubleClick)
            if (auto* edit = qobject_cast<QLineEdit*>(target))
                edit->clear();
        if (b->doubleClick) {
            b->doubleClick();
            return true;
        }
        return b->clearOnDoubleClick;
    case QEvent::MouseButtonRelease:
        if (b->click && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            b->click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace mirevo
