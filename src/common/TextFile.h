#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mirevo {

// Text files of the program: code page 932 without byte-order mark, CR LF
// after every line including the last. A text that code page 932 cannot
// hold exactly is never replaced or changed: such a file is written as UTF-8
// with a BOM. Reading honours a UTF-8 or UTF-16 BOM; without one the bytes
// are code page 932 when they are valid code page 932, else UTF-8 when they
// are valid UTF-8. Bytes that fit neither, a mark the bytes behind it do not
// match, or an EUC-JP file are refused with the file and line: they would
// only read as garbage.
namespace textfile {

// No text file of the program comes near this (a registry of 10,000
// workers is 5 MB); a larger one is refused before it is read.
constexpr qint64 kMaxBytes = qint64(64) << 20;

enum class Encoding { Cp932, Utf8Bom };

QByteArray encode(const QStringList& lines, Encoding* used = nullptr);
// `fileName` names the file in the error when the bytes cannot be read.
QStringList decode(const QByteArray& bytes, const QString& fileName = {});

// Saved by the program's one rule for replacing a file (OutputFile): a
// failure never leaves half a file; a writable file in a folder that takes
// no new file is written in place. A line break inside a line is written as
// one blank. Throws Error with the reason (disk full, no permission …).
void writeLines(const QString& path, const QStringList& lines);
// The reason shown for a failed save: `errnum` in words, else `systemText`.
QString failureReason(int errnum, const QString& systemText);

// Throws Error naming the file when it cannot be read.
QStringList readLines(const QString& path);
// The file's bytes; Error naming the file when it cannot be opened, is no
// regular file (a FIFO, a device) or is larger than kMaxBytes.
QByteArray readBytes(const QString& path);

// Code page 932 conversion of one text; false when a character has no
// code page 932 form.
bool toCp932(const QString& text, QByteArray& out);
QString fromCp932(const QByteArray& bytes);

} // namespace textfile
} // namespace mirevo
