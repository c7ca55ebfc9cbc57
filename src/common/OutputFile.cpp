#include "OutputFile.h"
#include "Error.h"
#include "FileReasons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mirevo {
namespace {

constexpr int kMaxLinkHops = 40;

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

[[noreturn]] void refuse(const QString& path, const QString& reason)
{
    throw Error(QStringLiteral("ファイル \"%1\" を保存できません: %2").arg(path, reason));
}

// The file a path leads to through its symbolic links (a dangling link
// leads to the file it names, which is then made).
QString resolveLinks(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    refuse(path, fileFailureReason(ELOOP));
}

// Letters and digits of the host name: temporary files name the machine and
// the process that made them, so that only a dead process's files are
// taken for stale, even in a folder that several machines share.
QString hostTag()
{
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    QString tag;
    for (const char* p = name; *p && tag.size() < 20; ++p)
        if ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9'))
            tag += QLatin1Char(*p);
    return tag.isEmpty() ? QStringLiteral("host") : tag;
}

QString tempPrefix()
{
    return OutputFile::temporaryPrefix(::getpid());
}

QString randomTag()
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString tag;
    for (int i = 0; i < 6; ++i)
        tag += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return tag;
}

bool processGone(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Only a regular file of this user: a stranger's file that looks like ours
// stays.
void removeIfOwn(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
        ::unlink(path.constData());
}

// Temporary files of this machine whose process no longer runs: a run that
// was killed, or a power cut, left them.
void removeStaleTemporaries(const QString& folder)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.mirevo-([A-Za-z0-9]+)-(\\d+)-[A-Za-z0-9]{6}\\.tmp$"));
    const QString host = hostTag();
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".mirevo-*.tmp")},
                                            QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (m.hasMatch() && m.captured(1) == host && processGone(m.captured(2).toLongLong()))
            removeIfOwn(encoded(dir.filePath(name)));
    }
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

OutputFile::OutputFile(const QString& path) : path_(path)
{
}

QString OutputFile::temporaryPrefix(qint64 pid)
{
    return QStringLiteral(".mirevo-%1-%2-").arg(hostTag()).arg(pid);
}

OutputFile::~OutputFile()
{
    if (!committed_)
        discard();
}

void OutputFile::fail(int errnum) const
{
    refuse(path_, fileFailureReason(errnum));
}

void OutputFile::check(const QString& path)
{
    OutputFile probe(path);
    probe.inspectTarget();
    if (!QFileInfo(probe.folder_).isDir())
        probe.fail(ENOENT);
}

void OutputFile::inspectTarget()
{
    target_ = resolveLinks(path_);
    folder_ = QFileInfo(target_).absolutePath();
    struct stat st;
    exists_ = ::lstat(encoded(target_).constData(), &st) == 0;
    if (!exists_) {
        if (errno != ENOENT)
            fail(errno);
        return;
    }
    if (S_ISDIR(st.st_mode))
        fail(EISDIR);
    if (!S_ISREG(st.st_mode))
        refuse(path_, QStringLiteral("通常のファイルではないため置き換えません (%1)").arg(specialFileKind(st.st_mode)));
    // A file without any write permission is refused even where the user
    // could replace it (its owner, root): its mode says it is not to change.
    if ((st.st_mode & 0222) == 0 || ::access(encoded(target_).constData(), W_OK) != 0)
        throw Error(QStringLiteral("ファイル \"%1\" は書き込み禁止です").arg(path_));
    mode_ = st.st_mode & 07777;
    owner_ = st.st_uid;
    group_ = st.st_gid;
}

void OutputFile::begin()
{
    inspectTarget();
    removeStaleTemporaries(folder_);
    if (!openUnnamed())
        openNamed();
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

// An unnamed file in the folder vanishes with the process that made it.
bool OutputFile::openUnnamed()
{
    // Naming it at the end goes through /proc.
    if (::access("/proc/self/fd", X_OK) != 0)
        return false;
    fd_ = ::open(encoded(folder_).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
        unnamed_ = true;
        return true;
    }
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
        return false;
    if (!openDirect(errno))
        fail(errno);
    return true;
}

void OutputFile::openNamed()
{
    QByteArray name = encoded(QDir(folder_).filePath(tempPrefix() + QStringLiteral("XXXXXX.tmp")));
    fd_ = ::mkostemps(name.data(), 4, O_CLOEXEC);
    if (fd_ < 0) {
        if (!openDirect(errno))
            fail(errno);
        return;
    }
    tempPath_ = QFile::decodeName(name);
}

bool OutputFile::openDirect(int errnum)
{
    if (!directFallback_ || !exists_ || (errnum != EACCES && errnum != EPERM))
        return false;
    fd_ = ::open(encoded(target_).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd_ < 0)
        fail(errno);
    direct_ = true;
    return true;
}

qint64 OutputFile::writeData(const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            writeErrno_ = errno;
            setErrorString(fileFailureReason(errno));
            return -1;
        }
        done += n;
    }
    return size;
}

void OutputFile::keepOwnerAndMode() const
{
    if (!exists_) {
        // mkostemps makes the file for its owner only.
        if (!unnamed_)
            ::fchmod(fd_, 0666 & ~currentUmask());
        return;
    }
    // A user may give the file only a group of their own; failing that the
    // group is theirs, as with any new file.
    if (::fchown(fd_, owner_, group_) != 0)
        (void)::fchown(fd_, uid_t(-1), group_);
    ::fchmod(fd_, mode_);
}

void OutputFile::linkUnnamed()
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
    if (!exists_) {
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, encoded(target_).constData(), AT_SYMLINK_FOLLOW) == 0)
            return;
        if (errno != EEXIST)
            fail(errno);
    }
    // Replacing needs a name of its own first: rename is the one step that
    // swaps the files.
    for (int attempt = 0; tempPath_.isEmpty(); ++attempt) {
        const QString name = QDir(folder_).filePath(tempPrefix() + randomTag() + QStringLiteral(".tmp"));
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, encoded(name).constData(), AT_SYMLINK_FOLLOW) == 0)
            tempPath_ = name;
        else if (errno != EEXIST || attempt > 100)
            fail(errno);
    }
    if (::rename(encoded(tempPath_).constData(), encoded(target_).constData()) != 0)
        fail(errno);
    tempPath_.clear();
}

void OutputFile::commit()
{
    if (fd_ < 0)
        fail(EBADF);
    if (writeErrno_ != 0)
        fail(writeErrno_);
    if (!direct_)
        keepOwnerAndMode();
    // On the disk before the rename, so that a power cut leaves the old
    // file or the whole new one.
    if (::fsync(fd_) != 0 && errno != EINVAL)
        fail(errno);
    if (unnamed_) {
        linkUnnamed();
    } else if (!direct_) {
        if (::rename(encoded(tempPath_).constData(), encoded(target_).constData()) != 0)
            fail(errno);
        tempPath_.clear();
    }
    syncFolder(folder_);
    committed_ = true;
    ::close(fd_);
    fd_ = -1;
    QIODevice::close();
}

void OutputFile::discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!tempPath_.isEmpty())
        ::unlink(encoded(tempPath_).constData());
    tempPath_.clear();
    if (isOpen())
        QIODevice::close();
}

} // namespace mirevo
