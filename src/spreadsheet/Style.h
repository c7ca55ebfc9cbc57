#pragma once
// Style values as they appear in styles.xml: fonts, borders and cell formats (xf).
// All are plain values; StyleTable interns them and hands out indices.
#include <cstdint>

namespace mirevo::sheet {

// Border line styles in the order of ST_BorderStyle.
enum class Line : uint8_t {
    None,
    Thin,
    Medium,
    Dashed,
    Dotted,
    Thick,
    Double,
    Hair,
    MediumDashed,
    DashDot,
    MediumDashDot,
    DashDotDot,
    MediumDashDotDot,
    SlantDashDot
};
constexpr int kLineCount = 14;

enum class HAlign : uint8_t { General, Left, Center, Right, Fill, Justify, CenterContinuous, Distributed };
enum class VAlign : uint8_t { Bottom, Top, Center, Justify, Distributed };

// Edges of one cell's border, indexed like the automation Borders(i): 1 left, 2 right,
// 3 top, 4 bottom, 5 diagonal down (top-left to bottom-right), 6 diagonal up.
enum Edge : uint8_t { EdgeLeft, EdgeRight, EdgeTop, EdgeBottom, EdgeDiagonal };
constexpr int kEdgeCount = 5;

// A colour as styles.xml gives it: an rgb value, a theme colour or an indexed one (each
// with its tint), or the automatic colour. `argb` is the colour to paint: the rgb value, or
// the theme or palette colour resolved with its tint when the file was read.
struct Color {
    enum Kind : uint8_t { None, Rgb, Theme, Indexed, Auto };
    Kind kind = None;
    uint8_t index = 0; // theme or palette index
    double tint = 0;   // -1 (darker) .. 1 (lighter)
    uint32_t argb = 0;
    bool operator==(const Color&) const = default;
    bool isSet() const { return kind != None; }
    static Color rgb(uint32_t argb) { return Color{Rgb, 0, 0, argb}; }
};

// ST_UnderlineValues, "none" first.
enum class Underline : uint8_t { None, Single, Double, SingleAccounting, DoubleAccounting };

struct Font {
    uint32_t name = 0;       // index into StyleTable's font names
    uint32_t size100 = 1100; // points x 100
    Color color;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    Underline underline = Underline::None;
    bool operator==(const Font&) const = default;
};

struct Border {
    Line edge[kEdgeCount] = {Line::None, Line::None, Line::None, Line::None, Line::None};
    Color color[kEdgeCount];
    bool diagonalDown = false;
    bool diagonalUp = false;
    bool operator==(const Border&) const = default;
};

// Cell background: a pattern of ST_PatternType with its foreground and background colours.
enum class Pattern : uint8_t {
    None,
    Solid,
    MediumGray,
    DarkGray,
    LightGray,
    DarkHorizontal,
    DarkVertical,
    DarkDown,
    DarkUp,
    DarkGrid,
    DarkTrellis,
    LightHorizontal,
    LightVertical,
    LightDown,
    LightUp,
    LightGrid,
    LightTrellis,
    Gray125,
    Gray0625
};
constexpr int kPatternCount = 19;

struct Fill {
    Pattern pattern = Pattern::None;
    Color fg;
    Color bg;
    bool operator==(const Fill&) const = default;
};

// Number format ids below this are the spreadsheet's built-in formats; from it on, the
// workbook's own format codes (StyleTable::formatCode).
constexpr uint32_t kFirstCustomFormat = 164;

struct Xf {
    uint32_t numFmt = 0; // 0 General; built-in id or kFirstCustomFormat + code index
    uint32_t font = 0;
    uint32_t border = 0;
    uint32_t fill = 0;
    HAlign h = HAlign::General;
    VAlign v = VAlign::Bottom;
    bool wrap = false;
    bool shrink = false;
    bool quotePrefix = false;
    uint8_t rotation = 0; // degrees 0-180 (91-180: downwards), 255 vertical text
    uint8_t indent = 0;
    bool locked = true;  // cell protection, effective when the sheet is protected
    bool hidden = false; // formula hidden when the sheet is protected
    bool operator==(const Xf&) const = default;
    bool hasAlignment() const
    {
        return h != HAlign::General || v != VAlign::Bottom || wrap || shrink || rotation || indent;
    }
    bool hasProtection() const { return !locked || hidden; }
};

// One attribute change applied to a style; the derive cache is keyed on it.
enum class EditKind : uint8_t {
    FontName,
    FontSize,
    FontBold,
    FontColor,
    HAlign,
    VAlign,
    Wrap,
    Shrink,
    QuotePrefix,
    BorderLineStyle,
    BorderWeight,
    FillColor
};

struct StyleEdit {
    EditKind kind;
    uint32_t value; // for border edits: edge index << 8 | code
};

// Automation LineStyle/Weight pairs <-> ST_BorderStyle.
Line lineFromAutomation(int lineStyle, int weight);
int automationLineStyle(Line line);
int automationWeight(Line line);

} // namespace mirevo::sheet
