#pragma once
// Column widths: what a width in characters is in the file, and in points.

namespace mirevo::sheet {

// The file's width of a column `chars` characters wide: the characters plus
// 5 pixels of padding, counted in digits of the standard font (8 pixels),
// to 1/256 of a digit.
double fileColumnWidth(double chars);
// The characters of a file's width (the inverse, to 1/100).
double charsOfColumnWidth(double fileWidth);
// A file's width in points where the standard font's digit is `digitPoints` wide.
double columnWidthPoints(double fileWidth, double digitPoints);

} // namespace mirevo::sheet
