#include "PageBase.h"
#include "RecordBinder.h"
#include "common/ui/EnterNavigation.h"
#include "input/ui/TForm2.h"
#include "project/Project.h"

#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

namespace mirevo {

PageBase::PageBase(Project& project, WindowSet& windows, QWidget* parent)
    : QWidget(parent), project_(project), windows_(windows)
{
    // A page hides what lies under it (the emblem) where it reaches.
    setAutoFillBackground(true);
    setFixedSize(1224, 636);
}

void PageBase::bindFields()
{
    binder_ = new RecordBinder(project_.record, this);
    binder_->bindAll();
}

void PageBase::pickDateOnClick(QLineEdit* field, bool doubleClick, int startMode)
{
    auto pick = [this, field, startMode] { field->setText(pickEraDate(*windows_.calendar, startMode)); };
    if (doubleClick)
        FieldEvents::of(this)->onDoubleClick(field, pick);
    else
        FieldEvents::of(this)->onClick(field, pick);
}

void PageBase::bindDedication(const QString& dedicated, const QString& notDedicated, bool (ProjectRecord::*get)() const,
                              void (ProjectRecord::*set)(bool))
{
    auto* yes = findChild<QRadioButton*>(dedicated);
    auto* no = findChild<QRadioButton*>(notDedicated);
    ProjectRecord* record = &project_.record;
    auto show = [record, get, yes, no] { ((record->*get)() ? no : yes)->setChecked(true); };
    show();
    connect(record, &ProjectRecord::fieldChanged, this, [show, dedicated](const QString& field) {
        if (field == dedicated)
            show();
    });
    connect(no, &QRadioButton::toggled, this, [record, set](bool on) { (record->*set)(on); });
}

QFrame* PageBase::guideFrameBehind(QWidget* button)
{
    auto* frame = new QFrame(button->parentWidget());
    frame->setObjectName(button->objectName() + QStringLiteral("Guide"));
    const QRect r = button->geometry();
    frame->setGeometry(r.x() - 3, r.y() - 3, r.width() + 6, r.height() + 6);
    frame->setAutoFillBackground(true);
    frame->hide();
    frame->stackUnder(button);
    return frame;
}

} // namespace mirevo
