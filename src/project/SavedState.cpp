#include "SavedState.h"
#include "Project.h"
#include "ProjectFile.h"
#include "TreeImage.h"

#include <QFileInfo>

namespace mirevo {

SavedState::SavedState(Project& project) : project_(project), saved_(lines())
{
}

void SavedState::markSaved(const QString& path)
{
    path_ = path;
    saved_ = lines();
}

bool SavedState::unsavedChanges() const
{
    return lines() != saved_;
}

QString SavedState::fileName() const
{
    return path_.isEmpty() ? QString() : QFileInfo(path_).fileName();
}

QStringList SavedState::lines() const
{
    // The tree image is what a save writes of the tree; it is rebuilt from
    // the tree first, as a save does.
    treeimage::prepare(project_);
    return projectfile::write(project_);
}

} // namespace mirevo
