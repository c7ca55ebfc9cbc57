#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace mirevo {

QString programFolder()
{
    const QString home = qEnvironmentVariable("MIREVO_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString& name)
{
    return QDir(programFolder()).filePath(name);
}

} // namespace mirevo
