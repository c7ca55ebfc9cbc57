// xl/styles.xml
#include "PartWriters.h"
#include "StyleTable.h"
#include "XmlWriter.h"
#include "StyleNames.h"

namespace mirevo::sheet {

namespace {

// <fgColor rgb=".."/> and the other colour elements.
void writeColor(XmlWriter &w, const char *tag, uint32_t argb);

// <font><b/><i/><sz/><color/><name/></font>
void writeFont(XmlWriter &w, const StyleTable &styles, const Font &f)
{
    w.raw("<font>");
    if (f.bold)
        w.raw("<b/>");
    if (f.italic)
        w.raw("<i/>");
    w.open("sz");
    w.attrDouble("val", f.size100 / 100.0);
    w.endEmpty();
    if (f.hasColor)
        writeColor(w, "color", f.argb);
    w.open("name");
    w.attr("val", styles.fontNameText(f.name));
    w.endEmpty();
    w.raw("</font>");
}

// <numFmts count=".."><numFmt numFmtId="164" formatCode=".."/></numFmts>
void writeNumFmts(XmlWriter &w, const StyleTable &styles)
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
void writeFonts(XmlWriter &w, const StyleTable &styles)
{
    w.open("fonts");
    w.attr("count", int64_t(styles.fontCount()));
    w.close();
    for (size_t i = 0; i < styles.fontCount(); ++i)
        writeFont(w, styles, styles.font(uint32_t(i)));
    w.end("fonts");
}

// <fgColor rgb=".."/> and <bgColor rgb=".."/>
void writeColor(XmlWriter &w, const char *tag, uint32_t argb)
{
    char rgb[9];
    static const char digits[] = "0123456789ABCDEF";
    for (int i = 0; i < 8; ++i)
        rgb[i] = digits[(argb >> (28 - 4 * i)) & 15];
    rgb[8] = 0;
    w.open(tag);
    w.attr("rgb", rgb);
    w.endEmpty();
}

// <fill><patternFill patternType=".."><fgColor/><bgColor/></patternFill></fill>
void writeFill(XmlWriter &w, const Fill &f)
{
    w.raw("<fill>");
    w.open("patternFill");
    w.attr("patternType", kPatternNames[int(f.pattern)]);
    if (!f.hasFg && !f.hasBg) {
        w.endEmpty();
    } else {
        w.close();
        if (f.hasFg)
            writeColor(w, "fgColor", f.fg);
        if (f.hasBg)
            writeColor(w, "bgColor", f.bg);
        w.end("patternFill");
    }
    w.raw("</fill>");
}

// <fills count="..">
void writeFills(XmlWriter &w, const StyleTable &styles)
{
    w.open("fills");
    w.attr("count", int64_t(styles.fillCount()));
    w.close();
    for (size_t i = 0; i < styles.fillCount(); ++i)
        writeFill(w, styles.fill(uint32_t(i)));
    w.end("fills");
}

// <left style=".."/> and its siblings.
void writeEdge(XmlWriter &w, const char *tag, Line line)
{
    w.open(tag);
    if (line != Line::None)
        w.attr("style", kLineNames[int(line)]);
    w.endEmpty();
}

// <border>
void writeBorder(XmlWriter &w, const Border &b)
{
    w.open("border");
    if (b.diagonalUp)
        w.attr("diagonalUp", 1);
    if (b.diagonalDown)
        w.attr("diagonalDown", 1);
    w.close();
    static const char *const tags[kEdgeCount] = {"left", "right", "top", "bottom", "diagonal"};
    for (int e = 0; e < kEdgeCount; ++e)
        writeEdge(w, tags[e], b.edge[e]);
    w.end("border");
}

// <borders count="..">
void writeBorders(XmlWriter &w, const StyleTable &styles)
{
    w.open("borders");
    w.attr("count", int64_t(styles.borderCount()));
    w.close();
    for (size_t i = 0; i < styles.borderCount(); ++i)
        writeBorder(w, styles.border(uint32_t(i)));
    w.end("borders");
}

// <alignment horizontal=".." vertical=".." wrapText="1" shrinkToFit="1"/>
void writeAlignment(XmlWriter &w, const Xf &x)
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
    w.endEmpty();
}

// <xf> of cellXfs
void writeXf(XmlWriter &w, const Xf &x)
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
    if (!x.hasAlignment()) {
        w.endEmpty();
        return;
    }
    w.attr("applyAlignment", 1);
    w.close();
    writeAlignment(w, x);
    w.end("xf");
}

// <cellXfs count="..">
void writeCellXfs(XmlWriter &w, const StyleTable &styles)
{
    w.open("cellXfs");
    w.attr("count", int64_t(styles.xfCount()));
    w.close();
    for (size_t i = 0; i < styles.xfCount(); ++i)
        writeXf(w, styles.xf(uint32_t(i)));
    w.end("cellXfs");
}

} // namespace

void writeStylesPart(std::string &out, const StyleTable &styles)
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
    w.end("styleSheet");
}

} // namespace mirevo::sheet
