#pragma once
// Style values as they appear in styles.xml: fonts, borders and cell formats (xf).
// All are plain values; StyleTable interns them and hands out indices.
#include <cstdint>

namespace mirevo::sheet {

// Border line styles in the order of ST_BorderStyle.
enum class Line : uint8_t {
    None, Thin, Medium, Dashed, Dotted, Thick, Double, Hair, MediumDashed, DashDot,
    MediumDashDot, DashDotDot, MediumDashDotDot, SlantDashDot
};
constexpr int kLineCount = 14;

enum class HAlign : uint8_t { General, Left, Center, Right, Fill, Justify, CenterContinuous, Distributed };
enum class VAlign : uint8_t { Bottom, Top, Center, Justify, Distributed };

// Edges of one cell's border, indexed like the automation Borders(i): 1 left, 2 right,
// 3 top, 4 bottom, 5 diagonal down (top-left to bottom-right), 6 diagonal up.
enum Edge : uint8_t { EdgeLeft, EdgeRight, EdgeTop, EdgeBottom, EdgeDiagonal };
constexpr int kEdgeCount = 5;

struct Font {
    uint32_t name = 0;     // index into StyleTable's font names
    uint32_t size100 = 1100; // points x 100
    uint32_t argb = 0;     // used when hasColor
    bool bold = false;
    bool italic = false;
    bool hasColor = false;
    bool operator==(const Font &) const = default;
};

struct Border {
    Line edge[kEdgeCount] = {Line::None, Line::None, Line::None, Line::None, Line::None};
    bool diagonalDown = false;
    bool diagonalUp = false;
    bool operator==(const Border &) const = default;
};

// Cell background: a pattern of ST_PatternType with its foreground and background colours.
enum class Pattern : uint8_t {
    None, Solid, MediumGray, DarkGray, LightGray, DarkHorizontal, DarkVertical, DarkDown, DarkUp,
    DarkGrid, DarkTrellis, LightHorizontal, LightVertical, LightDown, LightUp, LightGrid,
    LightTrellis, Gray125, Gray0625
};
constexpr int kPatternCount = 19;

struct Fill {
    Pattern pattern = Pattern::None;
    bool hasFg = false;
    bool hasBg = false;
    uint32_t fg = 0; // ARGB
    uint32_t bg = 0; // ARGB
    bool operator==(const Fill &) const = default;
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
    bool operator==(const Xf &) const = default;
    bool hasAlignment() const { return h != HAlign::General || v != VAlign::Bottom || wrap || shrink; }
};

// One attribute change applied to a style; the derive cache is keyed on it.
enum class EditKind : uint8_t {
    FontName, FontSize, FontBold, FontColor, HAlign, VAlign, Wrap, Shrink, QuotePrefix,
    BorderLineStyle, BorderWeight, FillColor
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
