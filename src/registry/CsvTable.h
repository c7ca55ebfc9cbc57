#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace mirevo::csv {

// One record of a comma- or tab-separated text and the line it starts on
// (1-based), so a report can name the line a user sees in an editor.
struct Record {
    int line = 0;
    QStringList fields;
};

struct Table {
    std::vector<Record> records;
    // A record whose quote is never closed ends the table: the records
    // before it stand, and `faultLine` names the line it started on.
    int faultLine = 0;
    QString fault;
};

// UTF-8 with or without a byte-order mark when the bytes are valid UTF-8,
// else code page 932.
QString decode(const QByteArray& bytes);

// Fields separated by tabs when the first line holds more tabs than
// commas, else by commas; fields in double quotes may hold separators,
// line breaks and doubled quotes. CR LF, LF and CR all end a record.
Table parse(const QString& text);

// Records as comma-separated text with CR LF line ends; a field holding a
// comma, a quote, a line break or leading/trailing blanks is quoted.
QString write(const QList<QStringList>& records);

} // namespace mirevo::csv
