#pragma once
#include <QString>
#include <QStringList>

namespace mirevo {

class Project;

// The project as it was last saved or opened, to tell whether closing
// would leave changes unsaved. The comparison is over the lines the
// project file would hold, so only what a save keeps counts as a change.
class SavedState {
public:
    // The project as it is now counts as saved (a new, untouched project).
    explicit SavedState(Project& project);

    // The project has just been saved to, or opened from, `path`.
    void markSaved(const QString& path);
    bool unsavedChanges() const;
    // The project file's name without its folder; empty before the first
    // save or open.
    QString fileName() const;

private:
    QStringList lines() const;

    Project& project_;
    QStringList saved_;
    QString path_;
};

} // namespace mirevo
