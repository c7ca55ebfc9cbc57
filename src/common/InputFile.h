#pragma once
#include <QByteArray>
#include <QString>

namespace mirevo::inputfile {

// Every file the program reads is a regular file: a FIFO would block the
// read for ever and a device such as /dev/zero would never end, so anything
// else is refused before it is opened, with the file's name and its kind.

// Opens `path` read-only (a symbolic link to a regular file is followed) and
// returns the descriptor, which the caller closes. Throws Error naming the
// file and the reason.
int openRegular(const QString& path);

// The whole file; one of more than `limit` bytes is refused with
// "ファイル … が大きすぎます" before it is read.
QByteArray readAll(const QString& path, qint64 limit);

// The reason shown for a failed open or read, `errnum` in words.
QString readFailureReason(int errnum);

} // namespace mirevo::inputfile
