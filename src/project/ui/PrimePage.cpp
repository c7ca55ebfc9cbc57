#include "PrimePage.h"
#include "common/Dialogs.h"
#include "common/WebAddresses.h"
#include "common/ui/EnterNavigation.h"
#include "common/ui/FormKit.h"
#include "project/Project.h"
#include "registry/Choices.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace mirevo {
PrimePage::PrimePage(Project& project, WindowSet& windows, QWidget* parent) : PageBase(project, windows, parent)
{
    buildCompany();
    buildLedger();
    buildInsurance();
    bindDedication("RadioButton5", "RadioButton6", &ProjectRecord::primeNotDedicated,
                   &ProjectRecord::setPrimeNotDedicated);
    bindFields();
}

void PrimePage::buildCompany()
{
    auto* box = new QGroupBox(QStringLiteral("元請負業者情報"), this);
    box->setGeometry(8, 4, 470, 420);
    const int lw = 110;
    form::labelledEdit(box, "Edit10", QStringLiteral("会社名"), 10, 28, lw, 330);
    form::labelledEdit(box, "Edit11", QStringLiteral("支店・営業所名"), 10, 58, lw, 330);
    form::labelledEdit(box, "Edit84", QStringLiteral("事業者ID"), 10, 88, lw, 200);
    form::labelledEdit(box, "Edit12", QStringLiteral("代表者名"), 10, 118, lw, 200);
    auto* phone = form::labelledEdit(box, "Edit74", QStringLiteral("電話番号"), 10, 148, lw, 200);
    auto* from = form::labelledEdit(box, "Edit78", QStringLiteral("工期"), 10, 178, lw, 150);
    form::label(box, QStringLiteral("～"), lw + 166, 179, 18);
    auto* to = form::edit(box, "Edit80", lw + 186, 178, 150);
    form::labelledEdit(box, "Edit81", QStringLiteral("契約日"), 10, 208, lw, 150);
    form::labelledEdit(box, "Edit24", QStringLiteral("郵便番号"), 10, 238, lw, 50);
    form::label(box, QStringLiteral("-"), lw + 66, 239, 10);
    form::edit(box, "Edit25", lw + 80, 238, 60);
    auto* web = form::button(box, QStringLiteral("Web"), lw + 150, 237, 50);
    form::labelledEdit(box, "Edit26", QStringLiteral("住　　　所"), 10, 268, lw, 340);
    auto* callUp
        = form::button(box, QStringLiteral("会社情報リスト【呼出】"), 10 + lw, 310, 220, 34, "Button_primeCallUp");
    guide_ = guideFrameBehind(callUp);
    auto* note = form::label(
        box, QStringLiteral("※元請負業者も先に会社【登録設定】で保存しておくと会社情報リストとして利用出来ます。"), 10,
        355, 450, 50);
    note->setWordWrap(true);

    FieldEvents::of(this)->clearOnDoubleClick(phone);
    pickDateOnClick(from);
    pickDateOnClick(to);
    connect(web, &QPushButton::clicked, this, [] { Dialogs::current().openWithDesktop(web::postcodeSearch()); });
    connect(callUp, &QPushButton::clicked, this, &PrimePage::callUpRequested);
}

void PrimePage::buildLedger()
{
    auto* box = new QGroupBox(QStringLiteral("施工体制台帳"), this);
    box->setGeometry(486, 4, 730, 470);
    const int lw = 150;
    for (int line = 0; line < 2; ++line) {
        const int y = 26 + line * 58;
        const int base = line == 0 ? 27 : 31;
        form::labelledEdit(box, QStringLiteral("Edit%1").arg(base), QStringLiteral("施工に必要な許可業種"), 8, y, lw,
                           130);
        auto* fixed = form::edit(box, QStringLiteral("Edit%1").arg(base + 1), lw + 142, y, 60);
        fixed->setReadOnly(true);
        form::combo(box, QStringLiteral("ComboBox%1").arg(line == 0 ? 7 : 8), choices::licenceKinds(), lw + 210, y,
                    110);
        form::labelledEdit(box, QStringLiteral("Edit%1").arg(base + 2), QStringLiteral("許　可　番　号"), 8, y + 28, lw,
                           130);
        auto* date = form::labelledEdit(box, QStringLiteral("Edit%1").arg(base + 3),
                                        QStringLiteral("許可（更新）年月日"), lw + 150, y + 28, 130, 170);
        pickDateOnClick(date);
    }
    int y = 146;
    auto person = [&](const char* name, const QString& caption, const char* comboName = nullptr) {
        form::labelledEdit(box, name, caption, 8, y, lw, 160);
        if (comboName) {
            form::label(box, QStringLiteral("権限及び意見申出方法"), lw + 180, y + 1, 140);
            form::combo(box, comboName, choices::authorities(), lw + 320, y, 170);
        }
        y += 28;
    };
    person("Edit13", QStringLiteral("監督員名"), "ComboBox2");
    person("Edit14", QStringLiteral("現場代理人名"), "ComboBox3");
    person("Edit85", QStringLiteral("監理技術者補佐名"));
    form::labelledEdit(box, "Edit15", QStringLiteral("監理/主任技術者名"), 8, y, lw, 160);
    form::labelledEdit(box, "Edit16", QStringLiteral("資格内容"), lw + 176, y, 70, 200);
    auto* r5 = new QRadioButton(QStringLiteral("選任"), box);
    r5->setObjectName("RadioButton5");
    r5->setGeometry(lw + 450, y, 55, 24);
    auto* r6 = new QRadioButton(QStringLiteral("非選任"), box);
    r6->setObjectName("RadioButton6");
    r6->setGeometry(lw + 505, y, 70, 24);
    y += 30;
    for (int s = 0; s < 2; ++s, y += 28) {
        const int base = s == 0 ? 35 : 38;
        form::labelledEdit(box, QStringLiteral("Edit%1").arg(base), QStringLiteral("専門技術者名"), 8, y, lw, 130);
        form::labelledEdit(box, QStringLiteral("Edit%1").arg(base + 1), QStringLiteral("資格内容"), lw + 150, y, 70,
                           150);
        form::labelledEdit(box, QStringLiteral("Edit%1").arg(base + 2), QStringLiteral("担当工事内容"), lw + 380, y, 90,
                           100);
    }
    person("Edit17", QStringLiteral("安全衛生管理者名"));
    person("Edit18", QStringLiteral("安全衛生推進者名"));
    person("Edit19", QStringLiteral("雇用管理責任者名"));
    form::label(box, QStringLiteral("外国人建設就労者の従事の状況(有無)"), 8, y + 1, 260);
    form::combo(box, "ComboBox9", choices::presence(), 270, y, 80);
    form::label(box, QStringLiteral("外国人技能実習生の従事の状況(有無)"), 8, y + 29, 260);
    form::combo(box, "ComboBox10", choices::presence(), 270, y + 28, 80);
}

void PrimePage::buildInsurance()
{
    auto* box = new QGroupBox(QStringLiteral("健康保険等の加入状況"), this);
    box->setGeometry(486, 480, 730, 150);
    form::labelledEdit(box, "Edit20", QStringLiteral("営業所の名称"), 8, 24, 110, 220);
    const char* edits[] = {"Edit21", "Edit22", "Edit23"};
    const char* combos[] = {"ComboBox4", "ComboBox5", "ComboBox6"};
    const QString captions[] = {QStringLiteral("健康保険"), QStringLiteral("厚生年金保険"), QStringLiteral("雇用保険")};
    for (int i = 0; i < 3; ++i) {
        form::labelledEdit(box, edits[i], captions[i], 8, 54 + i * 30, 110, 220);
        form::combo(box, combos[i], choices::enrolments(), 350, 54 + i * 30, 110);
    }
}

} // namespace mirevo
