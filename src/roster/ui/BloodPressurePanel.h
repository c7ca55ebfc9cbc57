#pragma once
#include <QFrame>

class QComboBox;
class QLineEdit;

namespace mirevo {

// The small blood pressure picker beside the field: a high and a low value
// with "～" between them. Choosing a high value writes the field; choosing a
// low value writes it and closes the panel.
class BloodPressurePanel : public QFrame {
    Q_OBJECT
public:
    BloodPressurePanel(QLineEdit& field, QWidget* parent);

    // Presets both lists from the field's text and shows the panel.
    void open();

    QComboBox* highList() const { return high_; }
    QComboBox* lowList() const { return low_; }

private:
    void presetFromField();
    void writeField();

    QLineEdit& field_;
    QComboBox* high_ = nullptr;
    QComboBox* low_ = nullptr;
};

} // namespace mirevo
