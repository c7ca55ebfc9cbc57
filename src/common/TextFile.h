#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mirevo {

// Text files of the program: code page 932 without byte-order mark, CR LF
// after every line including the last. A text that code page 932 cannot
// hold is never replaced: such a file is written as UTF-8 with a BOM.
// Reading honours a UTF-8 or UTF-16 BOM and otherwise decodes code page 932.
namespace textfile {

enum class Encoding { Cp932, Utf8Bom };

QByteArray encode(const QStringList& lines, Encoding* used = nullptr);
QStringList decode(const QByteArray& bytes);

// Writes atomically: a failure never leaves half a file. Throws Error.
void writeLines(const QString& path, const QStringList& lines);
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
