// xl/styles.xml
#include "PartWriters.h"
#include "StyleNames.h"
#include "StyleTable.h"
#include "XmlWriter.h"

namespace mirevo::sheet {

namespace {

// <fgColor rgb=".."/> and the other colour elements.
void writeColor(XmlWriter& w, const char* tag, const Color& c);

// <font><b/><i/><strike/><u/><sz/><color/><name/></font>
void writeFont(XmlWriter& w, const StyleTable& styles, const Font& f)
{
    w.raw("<font>");
    if (f.bold)
        w.raw("<b/>");
    if (f.italic)
        w.raw("<i/>");
    if (f.strike)
        w.raw("<strike/>");
    if (f.underline == Underline::Single)
        w.raw("<u/>");
    else if (f.underline != Underline::None) {
        w.open("u");
        w.attr("val", kUnderlineNames[int(f.underline)]);
        w.endEmpty();
    }
    w.open("sz");
    w.attrDouble("val", f.size100 / 100.0);
    w.endEmpty();
    if (f.color.isSet())
        writeColor(w, "color", f.color);
    w.open("name");
    w.attr("val", styles.fontNameText(f.name));
    w.endEmpty();
    w.raw("</font>");
}

// <numFmts count=".."><numFmt numFmtId="164" formatCode=".."/></numFmts>
void writeNumFmts(XmlWriter& w, const StyleTable& styles)
{
    if (styles.customFormatCount() == 0)
        return;
    w.open("numFmts");
    w.attr("count", int64_t(styles.customFormatCount()));
    w.close();
    for (size_t i = 0; i < styles.customFormatCount(); ++i) {
        const auto id = uint32_t(kFirstCustomFormat + i);
        w.open("numFmt");
        w.attr("numFmtId", id);
        w.attr("formatCode", styles.formatCode(id));
        w.endEmpty();
    }
    w.end("numFmts");
}

// <fonts count="..">
void writeFonts(XmlWriter& w, const StyleTable& styles)
{
    w.open("fonts");
    w.attr("count", int64_t(styles.fontCount()));
    w.close();
    for (size_t i = 0; i < styles.fontCount(); ++i)
        writeFont(w, styles, styles.font(uint32_t(i)));
    w.end("fonts");
}

// <fgColor rgb=".."/>, <color theme=".." tint=".."/>, <bgColor indexed=".."/>, <color auto="1"/>
void writeColor(XmlWriter& w, const char* tag, const Color& c)
{
    w.open(tag);
    switch (c.kind) {
    case Color::Rgb: {
        char rgb[9];
        static const char digits[] = "0123456789ABCDEF";
        for (int i = 0; i < 8; ++i)
            rgb[i] = digits[(c.argb >> (28 - 4 * i)) & 15];
        rgb[8] = 0;
        w.attr("rgb", rgb);
        break;
    }
    case Color::Theme:
        w.attr("theme", c.index);
        break;
    case Color::Indexed:
        w.attr("indexed", c.index);
        break;
    default:
        w.attr("auto", 1);
        break;
    }
    if (c.tint != 0)
        w.attrDouble("tint", c.tint);
    w.endEmpty();
}

// <fill><patternFill patternType=".."><fgColor/><bgColor/></patternFill></fill>
void writeFill(XmlWriter& w, const Fill& f)
{
    w.raw("<fill>");
    w.open("patternFill");
    w.attr("patternType", kPatternNames[int(f.pattern)]);
    if (!f.fg.isSet() && !f.bg.isSet()) {
        w.endEmpty();
    } else {
        w.close();
        if (f.fg.isSet())
            writeColor(w, "fgColor", f.fg);
        if (f.bg.isSet())
            writeColor(w, "bgColor", f.bg);
        w.end("patternFill");
    }
    w.raw("</fill>");
}

// <fills count="..">
void writeFills(XmlWriter& w, const StyleTable& styles)
{
    w.open("fills");
    w.attr("count", int64_t(styles.fillCount()));
    w.close();
    for (size_t i = 0; i < styles.fillCount(); ++i)
        writeFill(w, styles.fill(uint32_t(i)));
    w.end("fills");
}

// <left style=".."><color/></left> and its siblings.
void writeEdge(XmlWriter& w, const char* tag, Line line, const Color& color)
{
    w.open(tag);
    if (line != Line::None)
        w.attr("style", kLineNames[int(line)]);
    if (line == Line::None || !color.isSet()) {
        w.endEmpty();
        return;
    }
    w.close();
    writeColor(w, "color", color);
    w.end(tag);
}

// <border>
void writeBorder(XmlWriter& w, const Border& b)
{
    w.open("border");
    if (b.diagonalUp)
        w.attr("diagonalUp", 1);
    if (b.diagonalDown)
        w.attr("diagonalDown", 1);
    w.close();
    static const char* const tags[kEdgeCount] = {"left", "right", "top", "bottom", "diagonal"};
    for (int e = 0; e < kEdgeCount; ++e)
        writeEdge(w, tags[e], b.edge[e], b.color[e]);
    w.end("border");
}

// <borders count="..">
void writeBorders(XmlWriter& w, const StyleTable& styles)
{
    w.open("borders");
    w.attr("count", int64_t(styles.borderCount()));
    w.close();
    for (size_t i = 0; i < styles.borderCount(); ++i)
        writeBorder(w, styles.border(uint32_t(i)));
    w.end("borders");
}

// <alignment horizontal=".." vertical=".." wrapText="1" shrinkToFit="1"/>
void writeAlignment(XmlWriter& w, const Xf& x)
{
    w.open("alignment");
    if (x.h != HAlign::General)
        w.attr("horizontal", kHAlignNames[int(x.h)]);
    if (x.v != VAlign::Bottom)
        w.attr("vertical", kVAlignNames[int(x.v)]);
    if (x.wrap)
        w.attr("wrapText", 1);
    if (x.shrink)
        w.attr("shrinkToFit", 1);
    if (x.rotation)
        w.attr("textRotation", x.rotation);
    if (x.indent)
        w.attr("indent", x.indent);
    w.endEmpty();
}

// <protection locked="0" hidden="1"/>
void writeProtection(XmlWriter& w, const Xf& x)
{
    w.open("protection");
    if (!x.locked)
        w.attr("locked", 0);
    if (x.hidden)
        w.attr("hidden", 1);
    w.endEmpty();
}

// <xf> of cellXfs
void writeXf(XmlWriter& w, const Xf& x)
{
    w.open("xf");
    w.attr("numFmtId", x.numFmt);
    w.attr("fontId", x.font);
    w.attr("fillId", x.fill);
    w.attr("borderId", x.border);
    w.attr("xfId", 0);
    if (x.quotePrefix)
        w.attr("quotePrefix", 1);
    if (x.numFmt)
        w.attr("applyNumberFormat", 1);
    if (x.font)
        w.attr("applyFont", 1);
    if (x.fill)
        w.attr("applyFill", 1);
    if (x.border)
        w.attr("applyBorder", 1);
    if (x.hasAlignment())
        w.attr("applyAlignment", 1);
    if (x.hasProtection())
        w.attr("applyProtection", 1);
    if (!x.hasAlignment() && !x.hasProtection()) {
        w.endEmpty();
        return;
    }
    w.close();
    if (x.hasAlignment())
        writeAlignment(w, x);
    if (x.hasProtection())
        writeProtection(w, x);
    w.end("xf");
}

// <cellXfs count="..">
void writeCellXfs(XmlWriter& w, const StyleTable& styles)
{
    w.open("cellXfs");
    w.attr("count", int64_t(styles.xfCount()));
    w.close();
    for (size_t i = 0; i < styles.xfCount(); ++i)
        writeXf(w, styles.xf(uint32_t(i)));
    w.end("cellXfs");
}

// <dxfs count=".."><dxf>..</dxf></dxfs>, as read.
void writeDxfs(XmlWriter& w, const StyleTable& styles)
{
    if (styles.dxfs().empty())
        return;
    w.open("dxfs");
    w.attr("count", int64_t(styles.dxfs().size()));
    w.close();
    for (const std::string& d : styles.dxfs())
        w.raw(d);
    w.end("dxfs");
}

} // namespace

void writeStylesPart(std::string& out, const StyleTable& styles)
{
    XmlWriter w(out);
    w.declaration();
    w.open("styleSheet");
    w.attr("xmlns", ns::main);
    w.close();
    writeNumFmts(w, styles);
    writeFonts(w, styles);
    writeFills(w, styles);
    writeBorders(w, styles);
    w.raw("<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>");
    writeCellXfs(w, styles);
    w.raw("<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>");
    writeDxfs(w, styles);
    w.raw(styles.colorsXml());
    w.end("styleSheet");
}

} // namespace mirevo::sheet
