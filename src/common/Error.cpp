#include "Error.h"

namespace mirevo {

Error::Error(const QString& message)
    : std::runtime_error(visibleText(message).toStdString()), message_(visibleText(message))
{
}

QString excerpt(const QString& text)
{
    constexpr qsizetype kShown = 80;
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("…");
}

namespace {

bool isHidden(char16_t c)
{
    if (c == u'\n' || c == u'\t')
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString visibleText(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && !isHidden(text[i].unicode()))
        ++i;
    if (i == text.size())
        return text;
    QString out = text.left(i);
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (isHidden(c))
            out += QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'));
        else
            out += text[i];
    }
    return out;
}

} // namespace mirevo
