#pragma once
// Where the rows and columns of a worksheet lie, in points from the sheet's top-left corner,
// and how far the sheet's printed content reaches.
#include "spreadsheet/CellRef.h"

#include <vector>

namespace mirevo::sheet {
class SheetData;
class StyleTable;
} // namespace mirevo::sheet

namespace mirevo::render {

// A column width as the file stores it counts digits of the workbook's standard font, padding
// included: width x digit width gives points (LibreOffice's reading; the spreadsheet rounds
// the digit to whole pixels first). A column without a width is 8 digits and 5 pixels wide,
// a row without a height the sheet's default height (13.5 points when it gives none).
constexpr double kPixelDigitPoints = 6.0; // the 8-pixel digit of ＭＳ Ｐゴシック 11
double columnPoints(double fileWidth, double digitPoints);
double defaultColumnPoints(double digitPoints);
constexpr double kDefaultRowPoints = 13.5;

class SheetGeometry {
public:
    // Geometry of rows 1..rows and columns 1..cols (hidden ones have no extent), columns
    // measured in digits of `digitPoints` (see digitPoints()).
    SheetGeometry(const sheet::SheetData& data, int rows, int cols, double digitPoints = kPixelDigitPoints);

    int rowCount() const { return int(rowY_.size()) - 1; }
    int colCount() const { return int(colX_.size()) - 1; }
    double rowTop(int r) const { return rowY_[size_t(r - 1)]; }
    double rowBottom(int r) const { return rowY_[size_t(r)]; }
    double colLeft(int c) const { return colX_[size_t(c - 1)]; }
    double colRight(int c) const { return colX_[size_t(c)]; }
    double height() const { return rowY_.back(); }
    double width() const { return colX_.back(); }
    // The row or column under a position (clamped to the geometry).
    int rowAt(double y) const;
    int colAt(double x) const;

private:
    std::vector<double> rowY_; // rowY_[r - 1] = top of row r; one more for the bottom
    std::vector<double> colX_;
};

// Bottom-right corner of what a sheet prints: cells with a value, a border or a fill, and
// merges. {0, 0} for a sheet with nothing to print.
sheet::CellPos usedExtent(const sheet::SheetData& data, const sheet::StyleTable& styles);

// Whether a merged range shows anything: a value in its top-left cell, or a border or fill
// there (an empty merge with no style prints nothing and makes no page).
bool mergeShows(const sheet::SheetData& data, const sheet::StyleTable& styles, const sheet::Rect& merge);

// Whether a cell style shows anything without a value (a border or a fill).
bool styleIsVisible(const sheet::StyleTable& styles, uint32_t xf);

} // namespace mirevo::render
