#pragma once
#include <QString>
#include <QStringList>

namespace mirevo {

class TextGrid;

// Walks the lines of a line-by-line file and reports a missing or malformed
// line with the file's name, the line number (from 1) and what was expected.
class LineReader {
public:
    LineReader(QStringList lines, QString fileName);

    int lineNumber() const { return pos_ + 1; }
    bool atEnd() const { return pos_ >= lines_.size(); }
    qsizetype remaining() const { return lines_.size() - pos_; }

    // The next line; `what` names it in the error when the file has ended.
    QString next(const QString& what);
    // The next line as a non-negative decimal number.
    int count(const QString& what);
    // Reads a row count and that many comma-text rows into `grid`. When the
    // file ends early the rows present are kept and the error names the
    // first missing line.
    void grid(TextGrid& grid, const QString& what);
    // The file must end here: a line with text after the last item is an
    // error naming it (blank lines at the end are allowed).
    void finish() const;

    [[noreturn]] void fail(const QString& reason) const;

private:
    [[noreturn]] void failAt(qsizetype index, const QString& reason) const;

    QStringList lines_;
    QString fileName_;
    qsizetype pos_ = 0;
};

// The writing twin of LineReader::grid: the row count, then every row as
// a comma-text line.
void appendGrid(QStringList& lines, const TextGrid& grid);

} // namespace mirevo
