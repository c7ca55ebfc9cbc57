#include "LineBreaks.h"

namespace mirevo {

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

QString withoutLineBreaks(QString text)
{
    if (!hasLineBreak(text))
        return text;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace mirevo
