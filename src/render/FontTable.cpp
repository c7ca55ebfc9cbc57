#include "FontTable.h"

#include "SheetGeometry.h"
#include "spreadsheet/Style.h"
#include "spreadsheet/StyleTable.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

namespace mirevo::render {

namespace {

const QString kSerif = QStringLiteral("Noto Serif CJK JP");
const QString kSans = QStringLiteral("Noto Sans CJK JP");

// Names the Japanese forms use (full-width and half-width spellings) and their metric-close
// proportional substitutes.
const std::array<std::pair<const char16_t*, const QString*>, 16> kTable{{
    {u"ＭＳ Ｐ明朝", &kSerif},
    {u"ＭＳ 明朝", &kSerif},
    {u"MS P明朝", &kSerif},
    {u"MS 明朝", &kSerif},
    {u"MS PMincho", &kSerif},
    {u"MS Mincho", &kSerif},
    {u"游明朝", &kSerif},
    {u"HG明朝E", &kSerif},
    {u"ＭＳ Ｐゴシック", &kSans},
    {u"ＭＳ ゴシック", &kSans},
    {u"MS Pゴシック", &kSans},
    {u"MS ゴシック", &kSans},
    {u"MS PGothic", &kSans},
    {u"MS Gothic", &kSans},
    {u"游ゴシック", &kSans},
    {u"メイリオ", &kSans},
}};

} // namespace

QString installedFamily(const QString& fileFamily)
{
    for (const auto& [name, family] : kTable)
        if (fileFamily == QString::fromUtf16(name))
            return *family;
    return fileFamily.isEmpty() ? kSans : fileFamily;
}

double digitPoints(const sheet::StyleTable& styles)
{
    if (!qGuiApp || styles.fontCount() == 0)
        return kPixelDigitPoints;
    const sheet::Font& standard = styles.font(0);
    const QString family = installedFamily(QString::fromStdString(styles.fontNameText(standard.name)));
    static std::vector<std::tuple<QString, uint32_t, double>> known;
    for (const auto& [f, size, points] : known)
        if (f == family && size == standard.size100)
            return points;
    // Measured at 100 times the size on a 72-dpi image: one pixel a point, no hinting steps.
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(2835);
    device.setDotsPerMeterY(2835);
    QFont font(family);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(int(standard.size100));
    const QFontMetricsF metrics(font, &device);
    double widest = 0;
    for (char16_t d = u'0'; d <= u'9'; ++d)
        widest = std::max(widest, metrics.horizontalAdvance(QChar(d)));
    const double points = widest > 0 ? widest / 100 : kPixelDigitPoints;
    known.emplace_back(family, standard.size100, points);
    return points;
}

QFont cellFont(const sheet::StyleTable& styles, const sheet::Font& font, double deviceDpi)
{
    QFont f(installedFamily(QString::fromStdString(styles.fontNameText(font.name))));
    f.setPointSizeF(font.size100 / 100.0 * 72.0 / deviceDpi);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    // Double underlines are drawn with the text (CellText), the font has single ones only.
    f.setUnderline(font.underline == sheet::Underline::Single || font.underline == sheet::Underline::SingleAccounting);
    f.setStrikeOut(font.strike);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace mirevo::render
