#include "Theme.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace mirevo::sheet {

namespace {

// The spreadsheet's standard palette of indexed colours 0-63 (RGB).
constexpr uint32_t kPalette[64]
    = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x000000, 0xFFFFFF, 0xFF0000,
       0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080,
       0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080,
       0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99,
       0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99, 0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699,
       0x969696, 0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

// The office theme's colours by theme index (lt1, dk1, lt2, dk2, accents, links).
constexpr std::array<uint32_t, 12> kDefaultTheme = {0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D,
                                                    0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646, 0x0000FF, 0x800080};

std::string_view local(const pugi::xml_node& n)
{
    const std::string_view name = n.name();
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node childNamed(const pugi::xml_node& node, std::string_view name)
{
    for (pugi::xml_node c : node.children())
        if (local(c) == name)
            return c;
    return {};
}

bool hexColour(std::string_view text, uint32_t& rgb)
{
    return text.size() == 6 && std::from_chars(text.data(), text.data() + 6, rgb, 16).ptr == text.data() + 6;
}

// Lightness scaled as the spreadsheet does it: darker toward black, lighter toward white.
uint32_t tinted(uint32_t rgb, double tint)
{
    if (tint == 0)
        return rgb;
    double c[3] = {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
    const double hi = std::max({c[0], c[1], c[2]}), lo = std::min({c[0], c[1], c[2]});
    double l = (hi + lo) / 2;
    const double d = hi - lo;
    double h = 0, s = 0;
    if (d > 0) {
        s = l > 0.5 ? d / (2 - hi - lo) : d / (hi + lo);
        h = hi == c[0]   ? (c[1] - c[2]) / d + (c[1] < c[2] ? 6 : 0)
            : hi == c[1] ? (c[2] - c[0]) / d + 2
                         : (c[0] - c[1]) / d + 4;
        h /= 6;
    }
    l = tint < 0 ? l * (1 + tint) : l * (1 - tint) + tint;
    auto channel = [&](double t) {
        const double q = l < 0.5 ? l * (1 + s) : l + s - l * s, p = 2 * l - q;
        t = t < 0 ? t + 1 : t > 1 ? t - 1 : t;
        const double v = t < 1.0 / 6 ? p + (q - p) * 6 * t
            : t < 0.5                ? q
            : t < 2.0 / 3            ? p + (q - p) * (2.0 / 3 - t) * 6
                                     : p;
        return uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    return channel(h + 1.0 / 3) << 16 | channel(h) << 8 | channel(h - 1.0 / 3);
}

uint32_t resolveWith(const Color& color, const std::array<uint32_t, 12>& scheme)
{
    uint32_t rgb = 0;
    switch (color.kind) {
    case Color::Rgb:
        rgb = color.argb & 0xFFFFFF;
        break;
    case Color::Theme:
        rgb = color.index < scheme.size() ? scheme[color.index] : 0;
        break;
    case Color::Indexed:
        rgb = color.index < 64 ? kPalette[color.index] : color.index == 65 ? 0xFFFFFF : 0;
        break;
    default:
        return 0xFF000000u;
    }
    return 0xFF000000u | tinted(rgb, color.tint);
}

} // namespace

Theme::Theme(std::string xml) : xml_(std::move(xml)), colors_(kDefaultTheme)
{
    pugi::xml_document doc;
    if (!doc.load_buffer(xml_.data(), xml_.size()))
        return;
    const pugi::xml_node scheme = childNamed(childNamed(doc.first_child(), "themeElements"), "clrScheme");
    // The scheme lists dk1, lt1, dk2, lt2; theme indices swap each pair.
    static const char* const names[12] = {"lt1",     "dk1",     "lt2",     "dk2",     "accent1", "accent2",
                                          "accent3", "accent4", "accent5", "accent6", "hlink",   "folHlink"};
    for (size_t i = 0; i < 12; ++i) {
        const pugi::xml_node entry = childNamed(scheme, names[i]);
        const pugi::xml_node srgb = childNamed(entry, "srgbClr");
        const pugi::xml_node sys = childNamed(entry, "sysClr");
        uint32_t rgb = 0;
        if ((srgb && hexColour(srgb.attribute("val").value(), rgb))
            || (sys && hexColour(sys.attribute("lastClr").value(), rgb)))
            colors_[i] = rgb;
    }
}

uint32_t Theme::resolve(const Color& color) const
{
    return resolveWith(color, colors_);
}

uint32_t Theme::resolveDefault(const Color& color)
{
    return resolveWith(color, kDefaultTheme);
}

} // namespace mirevo::sheet
