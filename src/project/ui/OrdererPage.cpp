#include "OrdererPage.h"
#include "common/Dialogs.h"
#include "common/WebAddresses.h"
#include "common/ui/EnterNavigation.h"
#include "common/ui/FormKit.h"
#include "project/ProjectActions.h"
#include "registry/Choices.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace mirevo {

OrdererPage::OrdererPage(Project& project, WindowSet& windows, QWidget* parent) : PageBase(project, windows, parent)
{
    setFixedSize(790, 345); // the emblem stays in view below
    auto* box = new QGroupBox(QStringLiteral("発注者情報"), this);
    box->setGeometry(16, 8, 760, 330);
    const int lw = 170;
    auto* e1 = form::labelledEdit(box, "Edit1", QStringLiteral("発注者名"), 16, 32, lw, 420);
    auto* e2 = form::labelledEdit(box, "Edit2", QStringLiteral("郵便番号"), 16, 66, lw, 50);
    form::label(box, QStringLiteral("-"), lw + 72, 67, 10);
    auto* e3 = form::edit(box, "Edit3", lw + 86, 66, 60);
    auto* web = form::button(box, QStringLiteral("Web"), lw + 156, 65, 50);
    auto* e4 = form::labelledEdit(box, "Edit4", QStringLiteral("住　　　所"), 16, 100, lw, 540);
    auto* e5 = form::labelledEdit(box, "Edit5", QStringLiteral("工　　　期"), 16, 134, lw, 190);
    form::label(box, QStringLiteral("～"), lw + 212, 135, 20);
    auto* e6 = form::edit(box, "Edit6", lw + 236, 134, 190);
    auto* e7 = form::labelledEdit(box, "Edit7", QStringLiteral("契　約　日"), 16, 168, lw, 190);
    auto* e8 = form::labelledEdit(box, "Edit8", QStringLiteral("発注者の監督員名"), 16, 202, lw, 240);
    form::label(box, QStringLiteral("権限及び意見申出方法"), 16, 237, lw - 4);
    auto* c1 = form::combo(box, "ComboBox1", choices::authorities(), 16 + lw, 236, 240);
    auto* clear
        = form::button(box, QStringLiteral("発注者情報　【消去】"), 16 + lw, 280, 200, 28, "Button_clearOrderer");

    FieldEvents* events = FieldEvents::of(this);
    events->setEnterChain({e1, e2, e3, e4, e5, e6, e7, e8, c1});
    for (QLineEdit* e : {e1, e2, e3, e4, e8})
        events->clearOnDoubleClick(e);
    for (QLineEdit* e : {e5, e6, e7})
        pickDateOnClick(e);
    connect(web, &QPushButton::clicked, this, [] { Dialogs::current().openWithDesktop(web::postcodeSearch()); });
    connect(clear, &QPushButton::clicked, this, [this] { project::clearOrderer(project_); });
    bindFields();
}

} // namespace mirevo
