#pragma once
// A rectangle of one worksheet, with the automation members the document generator calls.
// Cheap to copy; it refers to its sheet and stays valid while the sheet exists.
#include "CellRef.h"

#include <string>
#include <string_view>

class QString;

namespace mirevo::sheet {

class Worksheet;
class CellRange;
class FontRef;
class BorderRef;
struct Clipboard;
class InteriorRef;

// Alignment codes as the documents pass them (1-8 and 1-5; the spreadsheet's named
// constants such as -4108 for centre are accepted as well).
enum HorizontalCode {
    hAlignGeneral = 1,
    hAlignLeft = 2,
    hAlignCenter = 3,
    hAlignRight = 4,
    hAlignFill = 5,
    hAlignJustify = 6,
    hAlignCenterAcross = 7,
    hAlignDistributed = 8
};
enum VerticalCode { vAlignTop = 1, vAlignCenter = 2, vAlignBottom = 3, vAlignJustify = 4, vAlignDistributed = 5 };
// Borders(i): an edge of every cell of the range, inner boundaries included.
enum BorderIndex {
    borderLeft = 1,
    borderRight = 2,
    borderTop = 3,
    borderBottom = 4,
    borderDiagonalDown = 5,
    borderDiagonalUp = 6
};
// LineStyle codes (the dash and dot codes -4115, 4, 5, -4118, -4119, 13 work too).
enum LineStyleCode { xlContinuous = 1, xlLineStyleNone = -4142 };
// Weight: 3 is the weight between thin and thick (the spreadsheet's -4138 is taken as 3).
enum WeightCode { xlHairline = 1, xlThin = 2, xlMedium = 3, xlThick = 4 };

class CellRange {
public:
    CellRange(Worksheet& sheet, Rect area, bool wholeRows = false, bool wholeColumns = false);

    Worksheet& sheet() const { return *sheet_; }
    const Rect& area() const { return area_; }
    bool isWholeRows() const { return wholeRows_; }
    bool isWholeColumns() const { return wholeColumns_; }
    std::string Address() const;

    // Sets every cell of the range; a leading apostrophe marks the text as "keep as text"
    // and is not part of the value. An empty text clears the value.
    void setValue(std::string_view utf8) const;
    void setValue(const QString& text) const;
    void setValue(const char* utf8) const { setValue(std::string_view(utf8)); }
    // Shown text of the top-left cell.
    std::string Value() const;
    // "'" when the top-left cell is marked "keep as text".
    std::string PrefixCharacter() const;

    void setMergeCells(bool merge) const;
    bool MergeCells() const;
    void setHorizontalAlignment(int code) const;
    void setVerticalAlignment(int code) const;
    int HorizontalAlignment() const;
    int VerticalAlignment() const;
    void setWrapText(bool wrap) const;
    void setShrinkToFit(bool shrink) const;
    bool WrapText() const;
    bool ShrinkToFit() const;
    const CellRange& Cells() const { return *this; }

    FontRef Font() const;
    BorderRef Borders(int index) const;
    InteriorRef Interior() const;

    // Width in characters of the standard font on every column the range touches; 0 hides.
    void setColumnWidth(double chars) const;
    double ColumnWidth() const;
    // Height in points on every row the range touches; 0 hides.
    void setRowHeight(double points) const;
    double RowHeight() const;

    CellRange EntireRow() const;
    CellRange EntireColumn() const;

    // Puts the range on the application's clipboard (a snapshot of its cells, merges and,
    // for whole rows, row heights).
    void Copy() const;
    // Pastes the clipboard with contents and formats at the range's top-left cell.
    void PasteSpecial() const;

private:
    friend class FontRef;
    friend class BorderRef;
    friend class InteriorRef;
    void edit(int kind, uint32_t value) const;
    void checkSize() const;
    void pasteRows(const Clipboard& clip, const Rect& target) const;
    uint32_t topLeftStyle() const;

    Worksheet* sheet_;
    Rect area_;
    bool wholeRows_;
    bool wholeColumns_;
};

class FontRef {
public:
    explicit FontRef(const CellRange& range) : range_(range) { }
    void setName(std::string_view name) const;
    void setName(const QString& name) const;
    void setName(const char* name) const { setName(std::string_view(name)); }
    void setSize(double points) const;
    void setBold(bool bold) const;
    // Blue-green-red integer as automation passes it: 255 is red, 0xFF0000 blue.
    void setColor(long bgr) const;

    std::string Name() const;
    double Size() const;
    bool Bold() const;
    long Color() const;

private:
    CellRange range_;
};

// Cell background: Color sets a solid fill (blue-green-red integer like Font.Color).
class InteriorRef {
public:
    explicit InteriorRef(const CellRange& range) : range_(range) { }
    void setColor(long bgr) const;
    long Color() const; // 0xFFFFFF (white) when the cell has no solid fill

private:
    CellRange range_;
};

class BorderRef {
public:
    BorderRef(const CellRange& range, int index);
    void setLineStyle(int lineStyle) const;
    void setWeight(int weight) const;
    int LineStyle() const;
    int Weight() const;

private:
    CellRange range_;
    int index_;
};

} // namespace mirevo::sheet
