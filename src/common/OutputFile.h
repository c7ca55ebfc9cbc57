#pragma once
#include <QIODevice>
#include <QString>

namespace mirevo {

// The one rule by which the program replaces a file (text files, workbooks,
// PDF): the whole new content or nothing.
// - A symbolic link is written through: the file it points to is replaced
//   beside itself, and the link stays a link.
// - An existing target must be a regular file the user may write: a FIFO, a
//   device or a folder is never replaced, and a read-only file is refused.
// - The content goes into a temporary file in the target's folder: an
//   unnamed one where the file system has them, so that nothing survives a
//   crash; else a hidden ".mirevo-HOST-PID-XXXXXX.tmp" that never takes an
//   existing name and fits beside any file name. Such files left by a run
//   that was killed are removed by the next save into the same folder.
// - commit() flushes the content to the disk, gives it the replaced file's
//   permissions (and its owner and group where allowed) and renames it over
//   the target in one step.
class OutputFile : public QIODevice {
public:
    explicit OutputFile(const QString& path);
    ~OutputFile() override; // a file not committed is discarded
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Applies the checks of the rule to `path` without writing anything:
    // long work can be refused before it starts. Throws Error.
    static void check(const QString& path);

    // A writable file in a folder that takes no new file is then written in
    // place, not atomically, rather than refused.
    void setDirectWriteFallback(bool on) { directFallback_ = on; }

    // Makes the temporary file and opens the device for writing. Throws
    // Error naming the file and the reason.
    void begin();
    // Puts the content in place; throws Error with the reason of any write
    // that failed before (a full disk shows here at the latest).
    void commit();

    // The start of the names of the temporary files that process `pid` of
    // this machine makes.
    static QString temporaryPrefix(qint64 pid);

    // The file that is replaced: the path, or the file its links lead to.
    QString target() const { return target_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override;

private:
    [[noreturn]] void fail(int errnum) const;
    void inspectTarget();
    bool openUnnamed();
    void openNamed();
    bool openDirect(int errnum);
    void keepOwnerAndMode() const;
    void linkUnnamed();
    void discard();

    QString path_;
    QString target_;
    QString folder_;
    QString tempPath_;
    int fd_ = -1;
    bool unnamed_ = false;
    bool direct_ = false;
    bool directFallback_ = false;
    bool exists_ = false;
    bool committed_ = false;
    unsigned mode_ = 0;
    unsigned owner_ = 0;
    unsigned group_ = 0;
    int writeErrno_ = 0;
};

} // namespace mirevo
