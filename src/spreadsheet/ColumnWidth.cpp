#include "ColumnWidth.h"

#include <algorithm>
#include <cmath>

namespace mirevo::sheet {

namespace {
constexpr double kDigitPixels = 8.0;
}

double fileColumnWidth(double chars)
{
    return std::trunc((chars * kDigitPixels + 5) / kDigitPixels * 256) / 256;
}

double charsOfColumnWidth(double fileWidth)
{
    return std::max(0.0, std::round((fileWidth * kDigitPixels - 5) / kDigitPixels * 100) / 100);
}

double columnWidthPoints(double fileWidth, double digitPoints)
{
    return fileWidth * digitPoints;
}

} // namespace mirevo::sheet
