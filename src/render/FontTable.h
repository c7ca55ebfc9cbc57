#pragma once
// Fonts of the cells: the one table that maps the font names the forms use to the fonts
// installed here (fonts-noto-cjk), and the QFont a cell's font becomes.
#include <QFont>
#include <QString>

namespace mirevo::sheet {
struct Font;
class StyleTable;
} // namespace mirevo::sheet

namespace mirevo::render {

// The installed family that stands in for `fileFamily`; a name not in the table is kept
// (fontconfig then picks its own substitute).
QString installedFamily(const QString& fileFamily);

// The QFont of a cell font for painting in points: the painter's user unit is one point, so
// the font is sized for a device of `deviceDpi` whose transform scales by deviceDpi / 72.
QFont cellFont(const sheet::StyleTable& styles, const sheet::Font& font, double deviceDpi);

// Points of the widest digit of the workbook's standard font (its first font) as the font that
// stands in for it draws it; columns are measured in it. Needs a QGuiApplication for the fonts;
// without one, the 8-pixel digit of ＭＳ Ｐゴシック 11.
double digitPoints(const sheet::StyleTable& styles);

} // namespace mirevo::render
