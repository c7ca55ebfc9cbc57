#pragma once
// The colours cells paint with. The engine resolves theme and indexed colours and their tints
// when it reads a file, indexed ones through the standard palette; a workbook may carry a
// palette of its own (<colors><indexedColors>), which the spreadsheet programs use instead.
#include "spreadsheet/Style.h"

#include <QColor>

#include <cstdint>
#include <string>
#include <vector>

namespace mirevo::sheet {
class StyleTable;
}

namespace mirevo::render {

// The rgb values of the indexed colours a <colors> element gives (empty when it gives none).
std::vector<uint32_t> indexedPalette(const std::string& colorsXml);

class CellColours {
public:
    explicit CellColours(const sheet::StyleTable& styles);

    // The colour to paint `colour` with; `automatic` where it is unset, automatic or one of the
    // system colours (indexed 64 and up), whose meaning depends on what is painted.
    QColor paint(const sheet::Color& colour, QColor automatic) const;

private:
    std::vector<uint32_t> palette_;
};

} // namespace mirevo::render
