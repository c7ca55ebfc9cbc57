#include "CheckRules.h"

#include "common/EraDate.h"

#include <QRegularExpression>

namespace mirevo::check {
namespace {

// Full-width digits as ASCII, so one pattern reads both.
QString halfWidthDigits(QString text)
{
    for (QChar& c : text)
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
            c = QChar(u'0' + (c.unicode() - 0xFF10));
    return text;
}

int eraStart(const QString& era)
{
    if (era == QStringLiteral("令和"))
        return 2019;
    if (era == QStringLiteral("平成"))
        return 1989;
    if (era == QStringLiteral("昭和"))
        return 1926;
    if (era == QStringLiteral("大正"))
        return 1912;
    if (era == QStringLiteral("明治"))
        return 1868;
    return 0; // no era: the year is western
}

} // namespace

bool isPlaceholder(const QString& text)
{
    QString rest;
    for (QChar c : text)
        if (c != u'〇' && c != u'○' && !c.isSpace())
            rest += c;
    return rest.isEmpty() || rest == QStringLiteral("年月日");
}

bool isUnfilled(const QString& text, const QString& initial)
{
    return isPlaceholder(text) || (!initial.isEmpty() && text.trimmed() == initial.trimmed());
}

QDate readDate(const QString& text)
{
    static const QRegularExpression written(QStringLiteral(
        "^\\s*(令和|平成|昭和|大正|明治)?\\s*([0-9]+|元)\\s*年\\s*([0-9]+)\\s*月\\s*([0-9]+)\\s*日\\s*$"));
    const QString digits = halfWidthDigits(text);
    const QRegularExpressionMatch m = written.match(digits);
    if (!m.hasMatch())
        return readShortDate(digits);
    const int start = eraStart(m.captured(1));
    const bool first = m.captured(2) == QStringLiteral("元");
    const int year = first ? 1 : m.captured(2).toInt();
    // Without an era the year is western and written in full.
    if (start == 0 ? first || year < 1000 : year < 1)
        return {};
    return QDate(start == 0 ? year : start + year - 1, m.captured(3).toInt(), m.captured(4).toInt());
}

bool isBusinessId(const QString& text)
{
    static const QRegularExpression id(QStringLiteral("^[0-9]{14}$"));
    return id.match(text.trimmed()).hasMatch();
}

QString quoted(const QString& text)
{
    return u'「' + text.trimmed() + u'」';
}

} // namespace mirevo::check
