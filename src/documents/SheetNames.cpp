#include "SheetNames.h"

namespace mirevo::documents {

namespace {

constexpr int kMaxLength = 31;

QString cleaned(QString text)
{
    static const QString forbidden = QStringLiteral(":\\/?*[]：＼／？＊［］");
    for (QChar& ch : text)
        if (forbidden.contains(ch) || ch.unicode() < 0x20)
            ch = u'_';
    return text;
}

// `text` cut to at most `room` UTF-16 units without splitting a character.
QString cut(QString text, int room)
{
    if (text.size() <= room)
        return text;
    text.truncate(std::max(room, 0));
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
    return text;
}

bool isTaken(const QString& name, const QStringList& taken)
{
    return taken.contains(name, Qt::CaseInsensitive);
}

// head + tail within the length limit, the head shortened as needed.
QString fitted(const QString& head, const QString& tail)
{
    return cut(head, kMaxLength - int(tail.size())) + tail;
}

// An apostrophe may neither begin nor end a sheet name.
QString withoutEdgeApostrophes(QString name)
{
    if (name.startsWith(u'\''))
        name[0] = u'_';
    if (name.endsWith(u'\''))
        name[name.size() - 1] = u'_';
    return name.isEmpty() ? QStringLiteral("_") : name;
}

} // namespace

QString companySheetName(const QString& prefix, const QString& company, const QStringList& taken)
{
    const QString head = cut(cleaned(prefix), kMaxLength - 8) + u'【';
    const QString name = cleaned(company);
    QString candidate = fitted(head + name, QStringLiteral("】"));
    for (int n = 2; isTaken(candidate, taken); ++n) {
        const QString tail = QStringLiteral("(%1)】").arg(n);
        candidate = head + cut(name, kMaxLength - int(head.size() + tail.size())) + tail;
    }
    return withoutEdgeApostrophes(candidate);
}

QString legalSheetName(const QString& name, const QStringList& taken)
{
    const QString base = withoutEdgeApostrophes(cut(cleaned(name), kMaxLength));
    QString candidate = base;
    for (int n = 2; isTaken(candidate, taken); ++n)
        candidate = fitted(base, QStringLiteral(" (%1)").arg(n));
    return withoutEdgeApostrophes(candidate);
}

} // namespace mirevo::documents
