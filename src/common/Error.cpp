#include "Error.h"

namespace mirevo {

Error::Error(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

QString excerpt(const QString& text)
{
    constexpr qsizetype kShown = 80;
    return text.size() <= kShown ? text : text.left(kShown) + QStringLiteral("…");
}

} // namespace mirevo
