#pragma once
#include "common/ui/WindowSet.h"
#include <QWidget>

class QFrame;
class QLineEdit;

namespace mirevo {

class Project;
class ProjectRecord;
class RecordBinder;

// A page of the project window: a fixed-size panel whose fields are bound
// to the project record by their component names.
class PageBase : public QWidget {
    Q_OBJECT
public:
    PageBase(Project& project, WindowSet& windows, QWidget* parent);

protected:
    // Call once all fields exist.
    void bindFields();
    // A click (or double-click) on the field puts the calendar's era date
    // text into it.
    void pickDateOnClick(QLineEdit* field, bool doubleClick = false, int startMode = 0);
    // Keeps a "選任"/"非選任" radio pair in step with its record flag; the
    // record announces a change of the flag under the first button's name.
    void bindDedication(const QString& dedicated, const QString& notDedicated, bool (ProjectRecord::*get)() const,
                        void (ProjectRecord::*set)(bool));
    // A borderless panel behind `button`, 3 pixels above and below it,
    // that the guide blink shows and hides.
    QFrame* guideFrameBehind(QWidget* button);

    Project& project_;
    WindowSet& windows_;
    RecordBinder* binder_ = nullptr;
};

} // namespace mirevo
