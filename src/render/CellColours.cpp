#include "CellColours.h"

#include "spreadsheet/StyleTable.h"
#include "spreadsheet/Theme.h"

#include <QXmlStreamReader>

namespace mirevo::render {

std::vector<uint32_t> indexedPalette(const std::string& colorsXml)
{
    std::vector<uint32_t> out;
    if (colorsXml.empty())
        return out;
    QXmlStreamReader xml(QByteArray::fromStdString(colorsXml));
    bool inIndexed = false;
    while (!xml.atEnd() && out.size() < 64) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == u"indexedColors")
            inIndexed = true;
        else if (token == QXmlStreamReader::EndElement && xml.name() == u"indexedColors")
            break;
        else if (token == QXmlStreamReader::StartElement && inIndexed && xml.name() == u"rgbColor") {
            bool ok = false;
            const uint32_t rgb = xml.attributes().value(QStringLiteral("rgb")).toUInt(&ok, 16);
            out.push_back(ok ? rgb & 0xFFFFFFu : 0);
        }
    }
    return out;
}

CellColours::CellColours(const sheet::StyleTable& styles) : palette_(indexedPalette(styles.colorsXml()))
{
}

QColor CellColours::paint(const sheet::Color& colour, QColor automatic) const
{
    using sheet::Color;
    if (!colour.isSet() || colour.kind == Color::Auto || (colour.kind == Color::Indexed && colour.index >= 64))
        return automatic;
    uint32_t argb = colour.argb;
    if (colour.kind == Color::Indexed && colour.index < palette_.size())
        argb = sheet::Theme::resolveDefault(Color{Color::Rgb, 0, colour.tint, palette_[colour.index]});
    // Alpha is not used by the spreadsheets; writers leave it 00 ("00FF0000" is red).
    return QColor::fromRgb(QRgb(argb | 0xFF000000u));
}

} // namespace mirevo::render
