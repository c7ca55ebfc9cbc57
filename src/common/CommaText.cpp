#include "CommaText.h"
#include "TextGrid.h"

namespace mirevo {
namespace {

bool isSeparatorChar(QChar c)
{
    return c.unicode() >= 0x0001 && c.unicode() <= 0x0020;
}

bool needsQuotes(const QString& item)
{
    for (QChar c : item)
        if (c == u'"' || c == u',' || isSeparatorChar(c) || c.unicode() == 0) // a bare U+0000 would end the item
            return true;
    return false;
}

QString quoted(const QString& item)
{
    QString out = item;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

// Reads a quoted item starting at the opening quote; an unterminated quote
// runs to the end of the line.
QString takeQuoted(const QString& line, qsizetype& pos)
{
    QString item;
    ++pos;
    while (pos < line.size()) {
        QChar c = line[pos++];
        if (c != u'"') {
            item += c;
        } else if (pos < line.size() && line[pos] == u'"') {
            item += u'"';
            ++pos;
        } else {
            break;
        }
    }
    return item;
}

void skipSeparators(const QString& line, qsizetype& pos)
{
    while (pos < line.size() && isSeparatorChar(line[pos]))
        ++pos;
}

} // namespace

QString writeCommaText(const QStringList& items)
{
    QString line;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            line += u',';
        line += needsQuotes(items[i]) ? quoted(items[i]) : items[i];
    }
    return line;
}

QStringList readCommaText(const QString& line)
{
    QStringList items;
    qsizetype pos = 0;
    skipSeparators(line, pos);
    while (pos < line.size() && line[pos] != QChar(0)) {
        if (line[pos] == u'"') {
            items << takeQuoted(line, pos);
        } else {
            qsizetype start = pos;
            while (pos < line.size() && line[pos].unicode() > 0x20 && line[pos] != u',')
                ++pos;
            items << line.mid(start, pos - start);
        }
        skipSeparators(line, pos);
        if (pos < line.size() && line[pos] == u',') {
            if (pos + 1 == line.size())
                items << QString();
            ++pos;
            skipSeparators(line, pos);
        }
    }
    return items;
}

QString rowToCommaText(const TextGrid& grid, int row)
{
    return writeCommaText(grid.row(row));
}

void rowFromCommaText(TextGrid& grid, int row, const QString& line)
{
    grid.setRow(row, readCommaText(line));
}

QStringList withBlankForEmpty(const QStringList& items)
{
    QStringList out = items;
    for (QString& item : out)
        if (item.isEmpty())
            item = QStringLiteral(" ");
    return out;
}

} // namespace mirevo
