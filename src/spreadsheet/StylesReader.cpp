// xl/styles.xml: fonts, fills, borders and cell formats. Number formats are not modelled
// (every value is text).
#include "RawXml.h"
#include "ReaderCommon.h"
#include "StyleNames.h"
#include "StyleTable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <unordered_map>

namespace mirevo::sheet {

namespace {

template <size_t N> int indexOf(const char* const (&names)[N], std::string_view value, int fallback)
{
    for (size_t i = 0; i < N; ++i)
        if (value == names[i])
            return int(i);
    return fallback;
}

// "FFRRGGBB" or "RRGGBB".
bool parseRgb(std::string_view rgb, uint32_t& argb)
{
    if (rgb.size() != 8 && rgb.size() != 6)
        return false;
    auto res = std::from_chars(rgb.data(), rgb.data() + rgb.size(), argb, 16);
    if (res.ptr != rgb.data() + rgb.size())
        return false;
    if (rgb.size() == 6)
        argb |= 0xFF000000u;
    return true;
}

// <color rgb|theme|indexed|auto tint/>, resolved for painting; anything else reads as unset.
Color readColor(const pugi::xml_node& node, const StyleTable& styles, const PartContext& ctx)
{
    Color c;
    if (!node)
        return c;
    const long theme = intAttr(node, "theme", -1, ctx);
    const long indexed = intAttr(node, "indexed", -1, ctx);
    if (parseRgb(node.attribute("rgb").value(), c.argb))
        c.kind = Color::Rgb;
    else if (theme >= 0 && theme < 256)
        c = Color{Color::Theme, uint8_t(theme), 0, 0};
    else if (indexed >= 0 && indexed < 256)
        c = Color{Color::Indexed, uint8_t(indexed), 0, 0};
    else if (boolAttr(node, "auto", false))
        c.kind = Color::Auto;
    else
        return c;
    c.tint = rangedAttr(node, "tint", 0, -1, 1, ctx);
    return styles.resolved(c);
}

Font readFont(const pugi::xml_node& node, StyleTable& styles, const PartContext& ctx)
{
    Font f;
    f.name = styles.fontName(StyleTable::kDefaultFontName);
    for (pugi::xml_node c : node.children()) {
        const std::string_view name = localName(c);
        if (name == "b")
            f.bold = boolAttr(c, "val", true);
        else if (name == "i")
            f.italic = boolAttr(c, "val", true);
        else if (name == "strike")
            f.strike = boolAttr(c, "val", true);
        else if (name == "u")
            f.underline
                = Underline(indexOf(kUnderlineNames, c.attribute("val") ? c.attribute("val").value() : "single", 0));
        else if (name == "sz")
            f.size100 = uint32_t(std::lround(rangedAttr(c, "val", 11, 1, 409, ctx) * 100));
        else if (name == "name" && *c.attribute("val").value()) {
            if (!isUtf8(c.attribute("val").value()))
                ctx.fail("フォント名の文字コードが正しくありません");
            f.name = styles.fontName(c.attribute("val").value());
        } else if (name == "color")
            f.color = readColor(c, styles, ctx);
    }
    return f;
}

// Pattern fills with their colours; gradients are not modelled.
Fill readFill(const pugi::xml_node& node, const StyleTable& styles, const PartContext& ctx)
{
    Fill f;
    const pugi::xml_node pattern = child(node, "patternFill");
    if (!pattern)
        return f;
    f.pattern = Pattern(indexOf(kPatternNames, pattern.attribute("patternType").value(), 0));
    if (f.pattern == Pattern::None)
        return f;
    f.fg = readColor(child(pattern, "fgColor"), styles, ctx);
    f.bg = readColor(child(pattern, "bgColor"), styles, ctx);
    return f;
}

Line readEdge(const pugi::xml_node& edge)
{
    return Line(indexOf(kLineNames, edge.attribute("style").value(), 0));
}

Border readBorder(const pugi::xml_node& node, const StyleTable& styles, const PartContext& ctx)
{
    Border b;
    b.diagonalUp = boolAttr(node, "diagonalUp", false);
    b.diagonalDown = boolAttr(node, "diagonalDown", false);
    for (pugi::xml_node c : node.children()) {
        const std::string_view name = localName(c);
        int edge = -1;
        if (name == "left" || name == "start")
            edge = EdgeLeft;
        else if (name == "right" || name == "end")
            edge = EdgeRight;
        else if (name == "top")
            edge = EdgeTop;
        else if (name == "bottom")
            edge = EdgeBottom;
        else if (name == "diagonal")
            edge = EdgeDiagonal;
        if (edge < 0)
            continue;
        b.edge[edge] = readEdge(c);
        if (b.edge[edge] != Line::None)
            b.color[edge] = readColor(child(c, "color"), styles, ctx);
    }
    if (!b.diagonalUp && !b.diagonalDown)
        b.edge[EdgeDiagonal] = Line::None;
    else if (b.edge[EdgeDiagonal] == Line::None)
        b.diagonalUp = b.diagonalDown = false;
    if (b.edge[EdgeDiagonal] == Line::None)
        b.color[EdgeDiagonal] = Color{};
    return b;
}

std::vector<uint32_t> readList(const pugi::xml_node& list, const char* item,
                               const std::function<uint32_t(const pugi::xml_node&)>& read)
{
    std::vector<uint32_t> ids;
    for (pugi::xml_node c : list.children()) {
        if (localName(c) == item) {
            ids.push_back(read(c));
        } else if (localName(c) == "AlternateContent") {
            // Markup-compatibility wrapper: the fallback is what a reader of this version reads.
            pugi::xml_node branch = child(c, "Fallback");
            if (!branch)
                branch = child(c, "Choice");
            for (pugi::xml_node n : branch.children())
                if (localName(n) == item)
                    ids.push_back(read(n));
        }
    }
    return ids;
}

uint32_t mapped(const std::vector<uint32_t>& ids, long index, const char* what, const PartContext& ctx)
{
    if (ids.empty() && index == 0)
        return 0;
    if (index < 0 || size_t(index) >= ids.size())
        ctx.fail(std::string(what) + " の番号が範囲外です: " + std::to_string(index));
    return ids[size_t(index)];
}

struct StyleIds {
    std::unordered_map<long, uint32_t> formats; // the file's custom ids -> ours
    std::vector<uint32_t> fonts;
    std::vector<uint32_t> fills;
    std::vector<uint32_t> borders;
};

Xf readXf(const pugi::xml_node& node, const StyleIds& ids, const PartContext& ctx)
{
    const auto& fonts = ids.fonts;
    const auto& borders = ids.borders;
    Xf x;
    x.fill = mapped(ids.fills, intAttr(node, "fillId", 0, ctx), "fillId", ctx);
    x.font = mapped(fonts, intAttr(node, "fontId", 0, ctx), "fontId", ctx);
    x.border = mapped(borders, intAttr(node, "borderId", 0, ctx), "borderId", ctx);
    x.quotePrefix = boolAttr(node, "quotePrefix", false);
    const long format = intAttr(node, "numFmtId", 0, ctx);
    const auto custom = ids.formats.find(format);
    if (custom != ids.formats.end())
        x.numFmt = custom->second;
    else if (format > 0 && format < long(kFirstCustomFormat))
        x.numFmt = uint32_t(format); // built-in; an undefined custom id reads as General
    const pugi::xml_node align = child(node, "alignment");
    x.h = HAlign(indexOf(kHAlignNames, align.attribute("horizontal").value(), 0));
    x.v = VAlign(indexOf(kVAlignNames, align.attribute("vertical").value(), 0));
    x.wrap = boolAttr(align, "wrapText", false);
    x.shrink = boolAttr(align, "shrinkToFit", false);
    const long rotation = intAttr(align, "textRotation", 0, ctx);
    x.rotation = uint8_t(rotation >= 0 && (rotation <= 180 || rotation == 255) ? rotation : 0);
    x.indent = uint8_t(std::clamp<long>(intAttr(align, "indent", 0, ctx), 0, 250));
    const pugi::xml_node protection = child(node, "protection");
    x.locked = boolAttr(protection, "locked", true);
    x.hidden = boolAttr(protection, "hidden", false);
    return x;
}

} // namespace

std::vector<uint32_t> readStylesPart(const pugi::xml_node& root, StyleTable& styles, const PartContext& ctx)
{
    if (localName(root) != "styleSheet")
        ctx.fail("styleSheet 要素がありません");
    StyleIds ids;
    for (pugi::xml_node f : child(root, "numFmts").children()) {
        if (localName(f) != "numFmt")
            continue;
        const std::string_view code = f.attribute("formatCode").value();
        if (!isUtf8(code))
            ctx.fail("表示形式の文字コードが正しくありません");
        ids.formats[intAttr(f, "numFmtId", 0, ctx)] = styles.numberFormat(code);
    }
    ids.fonts = readList(child(root, "fonts"), "font",
                         [&](const pugi::xml_node& n) { return styles.internFont(readFont(n, styles, ctx)); });
    ids.fills = readList(child(root, "fills"), "fill",
                         [&](const pugi::xml_node& n) { return styles.internFill(readFill(n, styles, ctx)); });
    ids.borders = readList(child(root, "borders"), "border",
                           [&](const pugi::xml_node& n) { return styles.internBorder(readBorder(n, styles, ctx)); });
    auto xfs = readList(child(root, "cellXfs"), "xf",
                        [&](const pugi::xml_node& n) { return styles.internXf(readXf(n, ids, ctx)); });
    if (xfs.empty())
        xfs.push_back(0);
    for (pugi::xml_node d : child(root, "dxfs").children())
        if (localName(d) == "dxf")
            styles.dxfs().push_back(outerXml(d));
    if (const pugi::xml_node colors = child(root, "colors"))
        styles.colorsXml() = outerXml(colors);
    return xfs;
}

} // namespace mirevo::sheet
