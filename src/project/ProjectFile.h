#pragma once
#include <QString>
#include <QStringList>

namespace mirevo {

class Project;

// The project file (".anz"): one item per line, its meaning given by its
// position; grid rows as comma-text lines.
namespace projectfile {

QStringList write(const Project& project);
// Assigns the lines to the project in file order. A short file or a bad
// count line throws Error naming the file and line; what was assigned
// before stays. A line with text after the last item is an error too.
void read(const QStringList& lines, const QString& fileName, Project& project);

// The name a chosen save name is written under: ".anz" appended unless the
// name already ends in exactly ".anz" (so "bonanz" becomes "bonanz.anz",
// which the open dialog's filter shows).
QString fileNameFor(const QString& chosen);

void save(const QString& path, const Project& project);
void load(const QString& path, Project& project);

} // namespace projectfile
} // namespace mirevo
