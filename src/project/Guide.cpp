#include "Guide.h"

namespace mirevo {
namespace {

constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kGreen = 0x00FF00;

bool primeMissing(const QString& name)
{
    return name.isEmpty() || name == QStringLiteral("〇〇〇〇〇株式会社");
}

} // namespace

GuideLook guideLook(int guideState, int second, const QString& primeName, const QString& nodeCount)
{
    GuideLook look;
    if (guideState < 1 || guideState > 3)
        return look;
    look.frame = guideState;
    look.visible = second % 2 == 1;
    switch (guideState) {
    case 1:
        look.rgb = primeMissing(primeName) ? kRed : kGreen;
        break;
    case 2:
        look.rgb = nodeCount == QLatin1String("0") ? kRed : kGreen;
        break;
    default:
        look.rgb = kRed;
        break;
    }
    return look;
}

} // namespace mirevo
