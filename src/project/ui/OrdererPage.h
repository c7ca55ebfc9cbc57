#pragma once
#include "PageBase.h"
#include "common/ui/WindowSet.h"

namespace mirevo {

// The page "発注者情報": the orderer of the works.
class OrdererPage : public PageBase {
    Q_OBJECT
public:
    OrdererPage(Project& project, WindowSet& windows, QWidget* parent);
};

} // namespace mirevo
