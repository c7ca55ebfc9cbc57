#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace mirevo {
namespace {

QString executableFolder()
{
    // Without an application object (a library caller) there is no executable folder to ask.
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

bool isInstalledFolder(const QString& folder)
{
#ifdef MIREVO_INSTALL_BINDIR
    return QDir(folder) == QDir(QStringLiteral(MIREVO_INSTALL_BINDIR));
#else
    Q_UNUSED(folder);
    return false;
#endif
}

} // namespace

QString programFolder()
{
    const QString home = qEnvironmentVariable("MIREVO_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    const QString beside = executableFolder();
    if (!beside.isEmpty() && QFileInfo(beside).isWritable() && !isInstalledFolder(beside))
        return beside;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? beside : data;
}

QString programFile(const QString& name)
{
    return QDir(programFolder()).filePath(name);
}

QStringList resourceFolders()
{
    QStringList folders{programFolder()};
    const QString beside = executableFolder();
    if (!beside.isEmpty())
        folders << beside;
#ifdef MIREVO_INSTALL_DATADIR
    folders << QStringLiteral(MIREVO_INSTALL_DATADIR);
#endif
    folders.removeDuplicates();
    return folders;
}

QString findResource(const QString& name)
{
    for (const QString& folder : resourceFolders()) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return programFile(name);
}

} // namespace mirevo
