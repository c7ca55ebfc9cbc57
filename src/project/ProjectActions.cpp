#include "ProjectActions.h"
#include "ContractorEditor.h"
#include "Project.h"
#include "ProjectFile.h"
#include "SiteTree.h"
#include "SiteWorkers.h"
#include "TreeImage.h"
#include "registry/CompanyRecord.h"

namespace mirevo::project {

void open(const QString& path, Project& project)
{
    // The whole file goes into a project of its own first, so a file that
    // cannot be read leaves the open project exactly as it was.
    Project read;
    projectfile::load(path, read);
    finishRead(read);
    project.takeSavedContent(read);
    finishRead(project);
    siteworkers::countWorkers(project);
}

void finishRead(Project& project)
{
    project.contractors.clearSingleBlanks();
    project.workers.clearSingleBlanks();
    treeimage::rebuildTree(project);
    sitetree::mapNodesToRows(project);
    siteworkers::filter(project);
    editor::renumber(project); // announces the cleaned tables
    project.currentRow = 1;
    editor::load(project);
}

void save(const QString& path, Project& project)
{
    treeimage::prepare(project);
    projectfile::save(path, project);
}

void refreshPrimeDates(Project& project)
{
    ProjectRecord& rec = project.record;
    rec.setText(QStringLiteral("Edit78"), rec.text(QStringLiteral("Edit5")));
    rec.setText(QStringLiteral("Edit80"), rec.text(QStringLiteral("Edit6")));
    rec.setText(QStringLiteral("Edit81"), rec.text(QStringLiteral("Edit7")));
}

void clearOrderer(Project& project)
{
    for (int i = 1; i <= 8; ++i)
        project.record.setText(QStringLiteral("Edit%1").arg(i), QString());
}

} // namespace mirevo::project
