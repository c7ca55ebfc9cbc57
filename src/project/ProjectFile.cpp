#include "ProjectFile.h"
#include "Project.h"
#include "common/LineReader.h"
#include "common/TextFile.h"

namespace mirevo::projectfile {
namespace {

constexpr int kFileEdits = 74;
constexpr int kFileCombos = 19;

QString edit(int i)
{
    return QStringLiteral("Edit%1").arg(i);
}

QString combo(int i)
{
    return QStringLiteral("ComboBox%1").arg(i);
}

void readDedication(const QString& line, ProjectRecord& record)
{
    if (line.isEmpty() || line == QLatin1String(" ") || line == QLatin1String("0"))
        record.setPrimeNotDedicated(false);
    else if (line == QLatin1String("1"))
        record.setPrimeNotDedicated(true);
}

} // namespace

QStringList write(const Project& project)
{
    const ProjectRecord& rec = project.record;
    QStringList lines;
    for (int i = 1; i <= kFileEdits; ++i)
        lines << rec.text(edit(i));
    for (int i = 1; i <= kFileCombos; ++i)
        lines << rec.text(combo(i));
    lines << (rec.primeNotDedicated() ? QStringLiteral("1") : QStringLiteral("0"));
    appendGrid(lines, project.contractors);
    appendGrid(lines, project.workers);
    lines << rec.text(edit(83)) << rec.text(edit(84)) << rec.text(edit(85));
    appendGrid(lines, project.treeImage);
    lines << project.nodeCount;
    return lines;
}

void read(const QStringList& lines, const QString& fileName, Project& project)
{
    LineReader in(lines, fileName);
    ProjectRecord& rec = project.record;
    for (int i = 1; i <= kFileEdits; ++i)
        rec.setText(edit(i), in.next(edit(i)));
    for (int i = 1; i <= kFileCombos; ++i)
        rec.setText(combo(i), in.next(combo(i)));
    readDedication(in.next(QStringLiteral("選任・非選任")), rec);
    try {
        in.grid(project.contractors, QStringLiteral("当現場リスト"));
        in.grid(project.workers, QStringLiteral("作業員名簿"));
        for (int i : {83, 84, 85})
            rec.setText(edit(i), in.next(edit(i)));
        in.grid(project.treeImage, QStringLiteral("ツリー"));
        const int nodes = in.count(QStringLiteral("ツリーの項目数"));
        project.nodeCount = QString::number(nodes);
        if (nodes > project.treeImage.rowCount() - 1)
            in.fail(QStringLiteral("ツリーの項目数 %1 に対してツリーの行が %2 行しかありません")
                        .arg(nodes)
                        .arg(std::max(0, project.treeImage.rowCount() - 1)));
        in.finish();
    } catch (...) {
        project.notifyTablesChanged();
        throw;
    }
    project.notifyTablesChanged();
}

QString fileNameFor(const QString& chosen)
{
    return chosen.endsWith(QLatin1String(".anz"), Qt::CaseSensitive) ? chosen : chosen + QStringLiteral(".anz");
}

void save(const QString& path, const Project& project)
{
    textfile::writeLines(path, write(project));
}

void load(const QString& path, Project& project)
{
    read(textfile::readLines(path), path, project);
}

} // namespace mirevo::projectfile
