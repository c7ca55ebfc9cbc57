#include "WebAddresses.h"

namespace mirevo::web {

QString postcodeSearch()
{
    return QStringLiteral("https://www.post.japanpost.jp/zipcode/");
}

QString greenSite()
{
    return QStringLiteral("https://www.greensite.jp/");
}

} // namespace mirevo::web
