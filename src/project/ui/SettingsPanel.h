#pragma once
#include "project/BasicSettings.h"

#include <QFrame>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace mirevo {

// The panel "設定": the basic setting of set.kss.
class SettingsPanel : public QFrame {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget* parent);

    PrimeChoice choice() const;
    void setChoice(PrimeChoice choice);

signals:
    void saveRequested();

protected:
    // Shows the folder the program keeps its files in.
    void showEvent(QShowEvent* event) override;

private:
    QRadioButton* setPrime_;
    QRadioButton* noSetting_;
    QLabel* folder_ = nullptr;
    QButtonGroup* group_;
};

} // namespace mirevo
