#pragma once
#include "PageBase.h"
#include "common/ui/WindowSet.h"

class QFrame;
class QPushButton;

namespace mirevo {

// The page "元請負業者情報": the prime contractor, its licences, responsible
// persons and insurance enrolment.
class PrimePage : public PageBase {
    Q_OBJECT
public:
    PrimePage(Project& project, WindowSet& windows, QWidget* parent);

    QFrame* guideFrame() const { return guide_; }

signals:
    void callUpRequested();

private:
    void buildCompany();
    void buildLedger();
    void buildInsurance();

    QFrame* guide_ = nullptr;
};

} // namespace mirevo
