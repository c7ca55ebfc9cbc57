#pragma once
// Forms as data: a form is a table of boxes (cells, text, format codes) and a
// table of ruled lines, read by the one drawer below.
#include <span>
#include <string_view>

namespace mirevo::sheet {
class Worksheet;
}

namespace mirevo::documents {

// One labelled box or data box. `cells` is "C8:D13" or "B4"; `codes` are the
// format codes separated by blanks:
//   M merged   C centred   L left   R right   T top   S shrink to fit   W wrap
//   B bold     red, blue  font colour     a number: font size in points
// A merged box is centred vertically. An empty text draws the format only.
struct Box {
    std::string_view cells;
    std::string_view text;
    std::string_view codes;
};

// Ruled lines on a range; `codes` name the edges, separated by blanks:
//   L R T B  that edge of every cell (inner boundaries included)
//   O        the outline of the range      G  every edge of every cell
//   D        the diagonal from top-left to bottom-right of every cell
//   H        hairline instead of thin     K  thick (heavier than thin)
struct Line {
    std::string_view cells;
    std::string_view codes;
};

enum class Paper { A4Portrait, A3Landscape };

// A width (characters) or height (points) for a range of columns or rows.
struct Size {
    std::string_view range;
    double value;
};

// Page set-up of a form: the sheet preparation every layout routine begins with.
struct PageFormat {
    Paper paper;
    std::string_view fontArea;     // "ＭＳ Ｐ明朝" on this range
    double fontSize;               // 0 keeps the standard size
    std::span<const Size> heights; // row heights, in order
    std::span<const Size> widths;  // column widths, in order
    std::string_view page;         // one printed page of the form ("A1:Y50")
};

constexpr std::string_view kFormFont = "ＭＳ Ｐ明朝";

// Font, heights, widths, zero margins, paper and orientation; the zoom is the
// largest (at most 100 %) at which `page` fits on one sheet of the paper.
void preparePage(sheet::Worksheet& ws, const PageFormat& format);
// Zoom in percent at which the page range fits the paper.
int fittingZoom(sheet::Worksheet& ws, std::string_view page, Paper paper);

// Draws the boxes and lines, shifted down by `rowOffset` rows.
void drawBox(sheet::Worksheet& ws, const Box& box, int rowOffset = 0);
void drawBoxes(sheet::Worksheet& ws, std::span<const Box> boxes, int rowOffset = 0);
void drawLine(sheet::Worksheet& ws, const Line& line, int rowOffset = 0);
void drawLines(sheet::Worksheet& ws, std::span<const Line> lines, int rowOffset = 0);

// Repeats rows first..first+height-1 `extraPages` times below themselves,
// each copy after a manual page break, with a last break after the last copy.
void repeatPageBlock(sheet::Worksheet& ws, int first, int height, int extraPages);

} // namespace mirevo::documents
