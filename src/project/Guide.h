#pragma once
#include <QString>

namespace mirevo {

// What the guide blink shows at a moment: which frame, whether it is
// visible (odd seconds) and its colour.
struct GuideLook {
    int frame = 0; // 0 none, 1 prime call-up, 2 subcontractor call-up, 3 tree buttons
    bool visible = false;
    unsigned rgb = 0; // 0xRRGGBB
};

// `primeName` is the prime contractor's "会社名", `nodeCount` the text of
// the tree's node count label.
GuideLook guideLook(int guideState, int second, const QString& primeName, const QString& nodeCount);

} // namespace mirevo
