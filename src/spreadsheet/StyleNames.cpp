#include "StyleNames.h"

namespace mirevo::sheet {

const char* const kLineNames[kLineCount]
    = {"none",         "thin",    "medium",        "dashed",     "dotted",           "thick",       "double", "hair",
       "mediumDashed", "dashDot", "mediumDashDot", "dashDotDot", "mediumDashDotDot", "slantDashDot"};
const char* const kHAlignNames[8]
    = {"general", "left", "center", "right", "fill", "justify", "centerContinuous", "distributed"};
const char* const kVAlignNames[5] = {"bottom", "top", "center", "justify", "distributed"};
const char* const kPatternNames[kPatternCount]
    = {"none",     "solid",     "mediumGray",   "darkGray",    "lightGray",       "darkHorizontal", "darkVertical",
       "darkDown", "darkUp",    "darkGrid",     "darkTrellis", "lightHorizontal", "lightVertical",  "lightDown",
       "lightUp",  "lightGrid", "lightTrellis", "gray125",     "gray0625"};
const char* const kUnderlineNames[5] = {"none", "single", "double", "singleAccounting", "doubleAccounting"};

} // namespace mirevo::sheet
