#include "SettingsPanel.h"
#include "common/ProgramFolder.h"
#include "common/ui/FormKit.h"

#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace mirevo {

SettingsPanel::SettingsPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName("Panel_settings");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setGeometry(8, 31, 620, 220);
    auto* title = form::label(this, QStringLiteral("設定"), 10, 8, 200, 26);
    title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 13pt;"));
    form::label(this, QStringLiteral("・会社情報登録リスト の１行目データーを自社の基本情報に設定する。"), 20, 50, 580);
    setPrime_ = new QRadioButton(QStringLiteral("元請負業者情報に設定する"), this);
    setPrime_->setObjectName("RadioButton1");
    setPrime_->setGeometry(40, 84, 260, 24);
    noSetting_ = new QRadioButton(QStringLiteral("特に設定しない"), this);
    noSetting_->setObjectName("RadioButton2");
    noSetting_->setGeometry(40, 114, 260, 24);
    group_ = new QButtonGroup(this);
    group_->addButton(setPrime_);
    group_->addButton(noSetting_);
    // Where the settings, the registry and the tax rate are kept.
    folder_ = form::label(this, QString(), 20, 146, 590);
    folder_->setObjectName("Label_programFolder");
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* save = form::button(this, QStringLiteral("保存"), 380, 170, 100, 30, "Button_settingsSave");
    auto* close = form::button(this, QStringLiteral("閉じる"), 490, 170, 100, 30, "Button_settingsClose");
    connect(save, &QPushButton::clicked, this, &SettingsPanel::saveRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void SettingsPanel::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    const QString folder = QDir::toNativeSeparators(programFolder());
    folder_->setText(QStringLiteral("保存先フォルダー: %1").arg(folder));
    folder_->setToolTip(folder);
}

PrimeChoice SettingsPanel::choice() const
{
    if (setPrime_->isChecked())
        return PrimeChoice::SetPrime;
    if (noSetting_->isChecked())
        return PrimeChoice::NoSetting;
    return PrimeChoice::Unset;
}

void SettingsPanel::setChoice(PrimeChoice choice)
{
    // Neither is selected before the settings file has been read; an
    // exclusive group can only be emptied with its exclusivity lifted.
    group_->setExclusive(false);
    setPrime_->setChecked(choice == PrimeChoice::SetPrime);
    noSetting_->setChecked(choice == PrimeChoice::NoSetting);
    group_->setExclusive(true);
}

} // namespace mirevo
