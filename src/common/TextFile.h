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
// are valid UTF-8, else code page 932 with U+FFFD for the broken bytes.
namespace textfile {

enum class Encoding { Cp932, Utf8Bom };

QByteArray encode(const QStringList& lines, Encoding* used = nullptr);
QStringList decode(const QByteArray& bytes);

// Writes through a temporary file and a rename, so that a failure never
// leaves half a file; a writable file in a folder that takes no new file is
// written in place. A line break inside a line is written as one blank.
// Throws Error with the reason (disk full, no permission …).
void writeLines(const QString& path, const QStringList& lines);
// The reason shown for a failed save: `errnum` in words, else `systemText`.
QString failureReason(int errnum, const QString& systemText);

// Throws Error naming the file when it cannot be read.
QStringList readLines(const QString& path);
// The file's bytes; Error naming the file when it cannot be opened.
QByteArray readBytes(const QString& path);

// Code page 932 conversion of one text; false when a character has no
// code page 932 form.
bool toCp932(const QString& text, QByteArray& out);
QString fromCp932(const QByteArray& bytes);

} // namespace textfile
} // namespace mirevo
