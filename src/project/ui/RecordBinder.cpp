#include "RecordBinder.h"
#include "project/ProjectRecord.h"

#include <QComboBox>
#include <QLineEdit>

namespace mirevo {

RecordBinder::RecordBinder(ProjectRecord& record, QWidget* page) : QObject(page), record_(record), page_(page)
{
    connect(&record_, &ProjectRecord::fieldChanged, this, &RecordBinder::show);
}

void RecordBinder::bindAll()
{
    for (QWidget* child : page_->findChildren<QWidget*>())
        if (ProjectRecord::isField(child->objectName()))
            bind(child);
    refreshAll();
}

void RecordBinder::bind(QWidget* control)
{
    const QString field = control->objectName();
    auto store = [this, field](const QString& text) {
        if (!updating_)
            record_.setText(field, text);
    };
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        connect(edit, &QLineEdit::textChanged, this, store);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        connect(combo, &QComboBox::currentTextChanged, this, store);
}

void RecordBinder::show(const QString& field)
{
    if (!ProjectRecord::isField(field))
        return; // the dedication flags have their own radio buttons
    auto* control = page_->findChild<QWidget*>(field);
    if (!control)
        return;
    updating_ = true;
    const QString text = record_.text(field);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (edit->text() != text) {
            edit->setText(text);
            edit->setCursorPosition(0); // long texts show their beginning
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->currentText() != text)
            combo->setCurrentText(text);
    }
    updating_ = false;
}

void RecordBinder::refreshAll()
{
    for (const QString& field : ProjectRecord::fieldNames())
        show(field);
}

} // namespace mirevo
