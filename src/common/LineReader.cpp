#include "LineReader.h"
#include "CommaText.h"
#include "Error.h"
#include "TextGrid.h"

namespace mirevo {

LineReader::LineReader(QStringList lines, QString fileName) : lines_(std::move(lines)), fileName_(std::move(fileName))
{
}

void LineReader::fail(const QString& reason) const
{
    failAt(pos_, reason);
}

void LineReader::failAt(qsizetype index, const QString& reason) const
{
    throw Error(QStringLiteral("ファイル \"%1\" の %2 行目を読めません: %3").arg(fileName_).arg(index + 1).arg(reason));
}

QString LineReader::next(const QString& what)
{
    if (atEnd())
        fail(QStringLiteral("ファイルが途中で終わっています（%1 が必要です）").arg(what));
    return lines_[pos_++];
}

int LineReader::count(const QString& what)
{
    const QString text = next(what).trimmed();
    bool ok = !text.isEmpty();
    for (QChar c : text)
        ok = ok && c >= u'0' && c <= u'9';
    const int value = ok ? text.toInt(&ok) : 0;
    if (!ok) {
        --pos_;
        fail(QStringLiteral("%1 は 10 進数のはずですが \"%2\" です").arg(what, excerpt(text)));
    }
    return value;
}

void LineReader::grid(TextGrid& grid, const QString& what)
{
    const int rows = count(QStringLiteral("%1の行数").arg(what));
    const bool complete = rows <= remaining();
    grid.setRowCount(complete ? rows : int(remaining()));
    for (int row = 0; row < grid.rowCount(); ++row)
        rowFromCommaText(grid, row, lines_[pos_++]);
    if (!complete)
        fail(QStringLiteral("ファイルが途中で終わっています（%1は %2 行のはずです）").arg(what).arg(rows));
}

void LineReader::finish() const
{
    for (qsizetype i = pos_; i < lines_.size(); ++i)
        if (!lines_[i].trimmed().isEmpty())
            failAt(i, QStringLiteral("最後の項目の後に余分な行があります: \"%1\"").arg(excerpt(lines_[i])));
}

void appendGrid(QStringList& lines, const TextGrid& grid)
{
    lines << QString::number(grid.rowCount());
    for (int row = 0; row < grid.rowCount(); ++row)
        lines << rowToCommaText(grid, row);
}

} // namespace mirevo
