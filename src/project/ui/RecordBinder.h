#pragma once
#include <QObject>
#include <QString>

class QWidget;

namespace mirevo {

class ProjectRecord;

// Keeps the line edits and combo boxes of a page in step with the project
// record: a user's edit goes into the record at once, and a change of the
// record (a file read, a hand-over) shows in the control. Controls are
// found by their object names, which are the record's field names.
class RecordBinder : public QObject {
    Q_OBJECT
public:
    RecordBinder(ProjectRecord& record, QWidget* page);
    // Binds every child of `page` whose name is a record field.
    void bindAll();
    // Puts the record's texts into every bound control.
    void refreshAll();

private:
    void bind(QWidget* control);
    void show(const QString& field);

    ProjectRecord& record_;
    QWidget* page_;
    bool updating_ = false;
};

} // namespace mirevo
