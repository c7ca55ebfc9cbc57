#include "InputFile.h"
#include "Error.h"
#include "FileReasons.h"

#include <QFile>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirevo::inputfile {
namespace {

[[noreturn]] void cannotOpen(const QString& path, const QString& reason)
{
    throw Error(QStringLiteral("ファイル \"%1\" を開けません: %2").arg(path, reason));
}

void requireRegular(const QString& path, const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        cannotOpen(path, QStringLiteral("ファイルではなくフォルダーです"));
    if (!S_ISREG(st.st_mode))
        cannotOpen(path, QStringLiteral("通常のファイルではありません (%1)").arg(specialFileKind(st.st_mode)));
}

QString mebibytes(qint64 bytes)
{
    return QString::number(bytes >> 20);
}

} // namespace

QString readFailureReason(int errnum)
{
    switch (errnum) {
    case ENOENT:
        return QStringLiteral("ファイルがありません");
    case EACCES:
    case EPERM:
        return QStringLiteral("読み取る権限がありません");
    case EISDIR:
        return QStringLiteral("ファイルではなくフォルダーです");
    case ENOTDIR:
        return QStringLiteral("パスにフォルダーでないものがあります");
    default:
        return fileFailureReason(errnum);
    }
}

int openRegular(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    // Refused by its kind before the open, which on a device could already
    // have an effect; checked again on the descriptor, which is the file
    // actually read.
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        cannotOpen(path, readFailureReason(errno));
    requireRegular(path, st);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        cannotOpen(path, readFailureReason(errno));
    if (::fstat(fd, &st) != 0) {
        const int errnum = errno;
        ::close(fd);
        cannotOpen(path, readFailureReason(errnum));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        requireRegular(path, st);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

QByteArray readAll(const QString& path, qint64 limit)
{
    const int fd = openRegular(path);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        cannotOpen(path, file.errorString());
    }
    auto tooLarge = [&](qint64 size) {
        throw Error(QStringLiteral("ファイル \"%1\" が大きすぎます (%2 バイト、読めるのは %3 MB まで)")
                        .arg(path, QLocale::c().toString(size), mebibytes(limit)));
    };
    if (file.size() > limit)
        tooLarge(file.size());
    // To the end, however the file grows while it is read, but never past
    // the limit.
    constexpr qint64 kChunk = qint64(1) << 20;
    QByteArray bytes;
    bytes.reserve(file.size());
    while (bytes.size() <= limit) {
        const QByteArray chunk = file.read(std::min(kChunk, limit + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > limit)
        tooLarge(bytes.size());
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("ファイル \"%1\" を読めません: %2").arg(path, file.errorString()));
    return bytes;
}

} // namespace mirevo::inputfile
