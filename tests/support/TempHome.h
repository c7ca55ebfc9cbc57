#pragma once
#include "support/QtPrinters.h"
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace mirevo::test {

// A fresh program folder (MIREVO_HOME) for one test.
class TempHome {
public:
    TempHome() { qputenv("MIREVO_HOME", dir_.path().toUtf8()); }
    ~TempHome() { qunsetenv("MIREVO_HOME"); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    static QByteArray readBytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

} // namespace mirevo::test
