#pragma once
#include "check/Finding.h"

#include <QDialog>

#include <optional>

class QLabel;
class QTreeWidget;

namespace mirevo {

// "提出前チェック": the findings of a check as a list (区分, 会社名, 作業員,
// 内容), each with its field and code as a tip; the chosen finding in full
// below the list. Before a conversion it asks
// "このまま作成" (accept) or "戻って直す" (reject); on its own it only has
// "閉じる". A double-click on a finding closes the window as "戻って直す"
// and leaves the finding as chosen, for the project window to go to it.
class Ttenken : public QDialog {
    Q_OBJECT
public:
    enum class Mode { BeforeConversion, OnItsOwn };

    Ttenken(check::Report report, Mode mode, QWidget* parent = nullptr);

    const check::Report& report() const { return report_; }
    // The finding a double-click chose, if any.
    std::optional<check::Finding> chosen() const { return chosen_; }
    // What a double-click on list row `row` does.
    void goTo(int row);

private:
    void buildList();
    void buildDetail();
    void buildButtons(Mode mode);

    check::Report report_;
    QTreeWidget* list_ = nullptr;
    QLabel* detail_ = nullptr;
    std::optional<check::Finding> chosen_;
};

} // namespace mirevo
