#include "FontTable.h"

#include "StyleTable.h"

#include <array>
#include <utility>

namespace mirevo::render {

namespace {

const QString kSerif = QStringLiteral("Noto Serif CJK JP");
const QString kSans = QStringLiteral("Noto Sans CJK JP");

// Names the Japanese forms use (full-width and half-width spellings) and their metric-close
// proportional substitutes.
const std::array<std::pair<const char16_t *, const QString *>, 16> kTable{{
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

QString installedFamily(const QString &fileFamily)
{
    for (const auto &[name, family] : kTable)
        if (fileFamily == QString::fromUtf16(name))
            return *family;
    return fileFamily.isEmpty() ? kSans : fileFamily;
}

QFont cellFont(const sheet::StyleTable &styles, const sheet::Font &font, double deviceDpi)
{
    QFont f(installedFamily(QString::fromStdString(styles.fontNameText(font.name))));
    f.setPointSizeF(font.size100 / 100.0 * 72.0 / deviceDpi);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace mirevo::render
