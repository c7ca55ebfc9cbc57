#include "CsvTable.h"
#include "common/TextFile.h"

#include <QStringDecoder>

namespace mirevo::csv {
namespace {

QChar separatorOf(const QString& text)
{
    const qsizetype end = text.indexOf(u'\n');
    const QStringView first = QStringView(text).left(end < 0 ? text.size() : end);
    return first.count(u'\t') > first.count(u',') ? QChar(u'\t') : QChar(u',');
}

// Reads records one character at a time; the state is where in a field
// the reader stands.
class Reader {
public:
    Reader(const QString& text, Table& table) : text_(text), table_(table), separator_(separatorOf(text)) { }

    void run()
    {
        for (pos_ = 0; pos_ < text_.size(); ++pos_) {
            const QChar c = text_[pos_];
            if (quoted_)
                inQuotes(c);
            else
                outsideQuotes(c);
        }
        if (quoted_) {
            table_.faultLine = record_.line;
            table_.fault = QStringLiteral("引用符が閉じていません");
            return;
        }
        if (!field_.isEmpty() || !record_.fields.isEmpty())
            endRecord();
    }

private:
    void inQuotes(QChar c)
    {
        if (c == u'"') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"') {
                field_ += u'"';
                ++pos_;
            } else {
                quoted_ = false;
            }
            return;
        }
        if (c == u'\n' || (c == u'\r' && !nextIs(u'\n')))
            ++line_;
        field_ += c;
    }

    void outsideQuotes(QChar c)
    {
        startRecordIfNeeded();
        if (c == u'"' && field_.isEmpty()) {
            quoted_ = true;
        } else if (c == separator_) {
            record_.fields << field_;
            field_.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && nextIs(u'\n'))
                ++pos_;
            endRecord();
            ++line_;
        } else {
            field_ += c;
        }
    }

    bool nextIs(QChar c) const { return pos_ + 1 < text_.size() && text_[pos_ + 1] == c; }

    void startRecordIfNeeded()
    {
        if (!started_) {
            record_.line = line_;
            started_ = true;
        }
    }

    void endRecord()
    {
        record_.fields << field_;
        field_.clear();
        table_.records.push_back(std::move(record_));
        record_ = Record();
        started_ = false;
    }

    const QString& text_;
    Table& table_;
    const QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
    bool quoted_ = false;
    bool started_ = false;
    QString field_;
    Record record_;
};

bool needsQuotes(const QString& field)
{
    return field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r')
        || (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
}

} // namespace

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return textfile::fromCp932(bytes);
}

Table parse(const QString& text)
{
    Table table;
    Reader(text, table).run();
    return table;
}

QString write(const QList<QStringList>& records)
{
    QString out;
    for (const QStringList& record : records) {
        QStringList fields;
        for (const QString& field : record)
            fields << (needsQuotes(field) ? u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"' : field);
        out += fields.join(u',') + QStringLiteral("\r\n");
    }
    return out;
}

} // namespace mirevo::csv
