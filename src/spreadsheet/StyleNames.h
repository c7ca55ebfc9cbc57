// The names styles.xml gives to line styles, alignments and fill patterns,
// indexed by the engine's own codes; shared by the writer and the reader.
#pragma once
#include "StyleTable.h"

namespace mirevo::sheet {

extern const char* const kLineNames[kLineCount];
extern const char* const kHAlignNames[8];
extern const char* const kVAlignNames[5];
extern const char* const kPatternNames[kPatternCount];
extern const char* const kUnderlineNames[5];

} // namespace mirevo::sheet
