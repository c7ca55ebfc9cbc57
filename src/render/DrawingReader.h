#pragma once
// Reads a worksheet's drawing parts (as the engine carries them) into the objects the renderer
// draws: pictures, lines, rectangles and ellipses with their outline and fill, the text of
// shapes and text boxes, the members of groups in their places, and the anchors of charts.
#include "Drawings.h"

#include <vector>

namespace mirevo::sheet {
struct SheetExtras;
}

namespace mirevo::render {

std::vector<DrawingObject> readDrawings(const sheet::SheetExtras& extras);

} // namespace mirevo::render
