#include "BloodPressurePanel.h"
#include "roster/BloodPressure.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace mirevo {

BloodPressurePanel::BloodPressurePanel(QLineEdit& field, QWidget* parent) : QFrame(parent), field_(field)
{
    setObjectName(QStringLiteral("Panel1"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    resize(150, 58);

    auto* heading = new QLabel(QStringLiteral("高 　     　　　低"), this);
    heading->setGeometry(8, 2, 140, 18);
    high_ = new QComboBox(this);
    high_->setObjectName(QStringLiteral("ComboBox2"));
    high_->addItems(worker::highValues());
    high_->setCurrentText(QStringLiteral("200"));
    high_->setGeometry(6, 24, 60, 26);
    auto* wave = new QLabel(QStringLiteral("～"), this);
    wave->setGeometry(68, 24, 16, 26);
    low_ = new QComboBox(this);
    low_->setObjectName(QStringLiteral("ComboBox3"));
    low_->addItems(worker::lowValues());
    low_->setCurrentText(QStringLiteral("78"));
    low_->setGeometry(84, 24, 60, 26);

    connect(high_, &QComboBox::activated, this, [this] { writeField(); });
    connect(low_, &QComboBox::activated, this, [this] {
        writeField();
        hide();
    });
    hide();
}

void BloodPressurePanel::open()
{
    presetFromField();
    raise();
    show();
}

// A value that is not among the choices leaves that list as it was.
void BloodPressurePanel::presetFromField()
{
    const auto value = worker::readBloodPressure(field_.text());
    if (!value)
        return;
    if (const int i = high_->findText(value->high); i >= 0)
        high_->setCurrentIndex(i);
    if (const int i = low_->findText(value->low); i >= 0)
        low_->setCurrentIndex(i);
}

void BloodPressurePanel::writeField()
{
    field_.setText(worker::bloodPressureText({high_->currentText(), low_->currentText()}));
}

} // namespace mirevo
