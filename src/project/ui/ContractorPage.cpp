#include "ContractorPage.h"
#include "TreePanel.h"
#include "common/Dialogs.h"
#include "common/WebAddresses.h"
#include "common/ui/EnterNavigation.h"
#include "common/ui/FormKit.h"
#include "project/ContractorEditor.h"
#include "project/Project.h"
#include "project/SubcontractTree.h"
#include "project/TierOutline.h"
#include "registry/Choices.h"
#include "registry/CompanyFields.h"
#include "registry/CompanyRecord.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace mirevo {
namespace {

// Fields whose leaving does not write the editor back: the business ID and
// the upper-company fields.
bool writesBack(const QString& name)
{
    return name != QLatin1String("Edit83") && name != QLatin1String("Edit75") && name != QLatin1String("ComboBox20")
        && name != QLatin1String("ComboBox21");
}

// The tiers the tree holds: "1" … "9".
QStringList tierChoices()
{
    QStringList tiers;
    for (int tier = 1; tier <= SubcontractTree::kMaxTiers; ++tier)
        tiers << QString::number(tier);
    return tiers;
}

} // namespace

ContractorPage::ContractorPage(Project& project, Registry& registry, WindowSet& windows, QWidget* parent)
    : PageBase(project, windows, parent)
{
    auto* box = new QGroupBox(QStringLiteral("再下請負業者情報"), this);
    box->setGeometry(4, 4, 800, 626);
    buildCompany(box);
    buildLedger(box);
    buildInsurance(box);
    buildSite(box);
    bindDedication("RadioButton3", "RadioButton4", &ProjectRecord::editorNotDedicated,
                   &ProjectRecord::setEditorNotDedicated);
    bindFields();
    watchFocus();
    emptyOnDoubleClick();
    watchUpperCompany();
    tree_ = new TreePanel(project, registry, this);
    tree_->move(814, 35);
    connect(tree_, &TreePanel::treeButtonPressed, this, [this] { guide_->show(); });
    // A delete or a drag in the tree renumbers the rows: the label follows.
    connect(&project_, &Project::tablesChanged, this, &ContractorPage::showCurrentRow);
    connect(&project_, &Project::treeChanged, this, &ContractorPage::showCurrentRow);
}

void ContractorPage::buildCompany(QWidget* box)
{
    rowLabel_ = form::label(box, QString(), 700, 22, 90);
    rowLabel_->setObjectName("Label_currentRow");
    form::label(box, QStringLiteral("直近上位の業者"), 10, 24, 100);
    form::label(box, QStringLiteral("No."), 112, 6, 30, 16);
    form::combo(box, "ComboBox20", choices::upperCompanyNumbers(), 110, 24, 90);
    auto* upper = form::edit(box, "Edit75", 206, 24, 220);
    upper->setReadOnly(true);
    form::combo(box, "ComboBox21", tierChoices(), 432, 24, 50);
    form::label(box, QStringLiteral("次下請け"), 488, 25, 70);
    const int lw = 110;
    form::labelledEdit(box, "Edit42", QStringLiteral("会社名"), 10, 58, lw, 300);
    form::labelledEdit(box, "Edit43", QStringLiteral("支店・営業所名"), 10, 86, lw, 300);
    form::labelledEdit(box, "Edit44", QStringLiteral("代表者名"), 430, 58, 80, 200);
    form::labelledEdit(box, "Edit83", QStringLiteral("事業者ID"), 430, 86, 80, 200);
    form::labelledEdit(box, "Edit45", QStringLiteral("郵便番号"), 10, 114, lw, 50);
    form::label(box, QStringLiteral("-"), lw + 66, 115, 10);
    form::edit(box, "Edit46", lw + 80, 114, 60);
    auto* web = form::button(box, QStringLiteral("Web"), lw + 150, 113, 50);
    form::labelledEdit(box, "Edit47", QStringLiteral("住　　　所"), 10, 142, lw, 500);
    form::labelledEdit(box, "Edit73", QStringLiteral("電話番号"), 10, 170, lw, 200);
    auto* callUp
        = form::button(box, QStringLiteral("会社情報リスト【呼出】"), 560, 166, 220, 30, "Button_contractorCallUp");
    guide_ = guideFrameBehind(callUp);
    connect(web, &QPushButton::clicked, this, [] { Dialogs::current().openWithDesktop(web::postcodeSearch()); });
    connect(callUp, &QPushButton::clicked, this, &ContractorPage::callUpRequested);
}

void ContractorPage::buildLedger(QWidget* box)
{
    const int lw = 150;
    for (int line = 0; line < 2; ++line) {
        const int y = 206 + line * 28;
        const QString trade = QStringLiteral("Edit%1").arg(line == 0 ? 51 : 54);
        form::labelledEdit(box, trade, QStringLiteral("施工に必要な許可業種"), 10, y, lw, 110);
        auto* fixed = form::edit(box, QStringLiteral("Edit%1").arg(line == 0 ? 52 : 55), lw + 122, y, 56);
        fixed->setReadOnly(true);
        auto* kind = form::combo(box, QStringLiteral("ComboBox%1").arg(line == 0 ? 11 : 12), choices::licenceKinds(),
                                 lw + 184, y, 100);
        FieldEvents::of(this)->onDoubleClick(kind, [kind] {
            const QString t = kind->currentText();
            if (t == QStringLiteral("知事") || t == QStringLiteral("大臣"))
                kind->setCurrentText(t == QStringLiteral("知事") ? QStringLiteral("大臣") : QStringLiteral("知事"));
        });
        form::edit(box, QStringLiteral("Edit%1").arg(line == 0 ? 53 : 56), lw + 290, y, 120);
        auto* date = form::edit(box, QStringLiteral("Edit%1").arg(line == 0 ? 57 : 58), lw + 416, y, 170);
        pickDateOnClick(date, true);
    }
    int y = 266;
    auto row = [&](const char* a, const QString& ca, const char* b = nullptr, const QString& cb = {}, int bw = 200) {
        form::labelledEdit(box, a, ca, 10, y, lw, 160);
        if (b)
            form::labelledEdit(box, b, cb, lw + 190, y, 90, bw);
        y += 28;
    };
    row("Edit59", QStringLiteral("監督員名"));
    form::combo(box, "ComboBox13", choices::authorities(), lw + 190, y - 28, 170);
    row("Edit60", QStringLiteral("現場代理人名"));
    form::combo(box, "ComboBox14", choices::authorities(), lw + 190, y - 28, 170);
    row("Edit61", QStringLiteral("主任技術者名"), "Edit62", QStringLiteral("資格内容"));
    row("Edit63", QStringLiteral("専門技術者名"), "Edit64", QStringLiteral("資格内容"), 150);
    form::labelledEdit(box, "Edit65", QStringLiteral("担当工事内容"), lw + 440, y - 28, 90, 90);
    for (const char* hidden : {"Edit66", "Edit67", "Edit68"})
        form::edit(box, hidden, 0, 0, 10)->hide();
    row("Edit48", QStringLiteral("安全衛生管理者名"));
    row("Edit49", QStringLiteral("安全衛生推進者名"));
    row("Edit50", QStringLiteral("雇用管理責任者名"));
    auto* r3 = new QRadioButton(QStringLiteral("選任"), box);
    r3->setObjectName("RadioButton3");
    r3->setGeometry(lw + 480, 322, 60, 24);
    auto* r4 = new QRadioButton(QStringLiteral("非選任"), box);
    r4->setObjectName("RadioButton4");
    r4->setGeometry(lw + 540, 322, 70, 24);
    form::label(box, QStringLiteral("外国人建設就労者の従事の状況(有無)"), 10, y + 1, 250);
    form::combo(box, "ComboBox15", choices::presence(), 262, y, 70);
    form::label(box, QStringLiteral("外国人技能実習生の従事の状況(有無)"), 350, y + 1, 250);
    form::combo(box, "ComboBox16", choices::presence(), 600, y, 70);
}

void ContractorPage::buildInsurance(QWidget* box)
{
    form::labelledEdit(box, "Edit69", QStringLiteral("営業所の名称"), 10, 498, 110, 200);
    const char* edits[] = {"Edit70", "Edit71", "Edit72"};
    const char* combos[] = {"ComboBox17", "ComboBox18", "ComboBox19"};
    const QString captions[] = {QStringLiteral("健康保険"), QStringLiteral("厚生年金保険"), QStringLiteral("雇用保険")};
    for (int i = 0; i < 3; ++i) {
        form::labelledEdit(box, edits[i], captions[i], 10, 526 + i * 28, 110, 200);
        form::combo(box, combos[i], choices::enrolments(), 326, 526 + i * 28, 100);
    }
    form::label(box, QStringLiteral("特定専門工事の該当"), 450, 498, 130);
    auto* yes = new QRadioButton(QStringLiteral("有"), box);
    yes->setObjectName("RadioButton17");
    yes->setGeometry(580, 498, 50, 24);
    auto* no = new QRadioButton(QStringLiteral("無"), box);
    no->setObjectName("RadioButton18");
    no->setGeometry(630, 498, 50, 24);
    no->setChecked(true);
    // A pair of its own, apart from "選任"/"非選任" in the same box.
    auto* pair = new QButtonGroup(box);
    pair->addButton(yes);
    pair->addButton(no);
}

void ContractorPage::buildSite(QWidget* box)
{
    auto* samePeriod = form::button(box, QStringLiteral("元請負に同じ"), 450, 528, 110, 24, "Button_samePeriod");
    auto* sameAll = form::button(box, QStringLiteral("元請負に同じ"), 620, 528, 110, 24, "Button_sameContract");
    auto* from = form::labelledEdit(box, "Edit76", QStringLiteral("工期"), 450, 558, 40, 150);
    form::label(box, QStringLiteral("～"), 645, 559, 18);
    auto* to = form::edit(box, "Edit77", 640 + 24, 558, 130);
    auto* contract = form::labelledEdit(box, "Edit79", QStringLiteral("契約日"), 450, 588, 60, 150);
    for (QLineEdit* e : {from, to, contract})
        pickDateOnClick(e);
    connect(samePeriod, &QPushButton::clicked, this, [this] { editor::copyOrdererPeriod(project_); });
    connect(sameAll, &QPushButton::clicked, this, [this] { editor::copyPrimeDates(project_); });
}

// Double-clicking a company field empties it; the licence dates open the
// calendar instead.
void ContractorPage::emptyOnDoubleClick()
{
    for (const CompanyField& f : companyFields()) {
        if (f.column > company::Phone || f.editor == QLatin1String("Edit57") || f.editor == QLatin1String("Edit58"))
            continue;
        if (auto* field = findChild<QLineEdit*>(f.editor))
            FieldEvents::of(this)->clearOnDoubleClick(field);
    }
}

void ContractorPage::watchFocus()
{
    for (QWidget* child : findChildren<QWidget*>()) {
        const QString name = child->objectName();
        const bool field = ProjectRecord::isField(name) || name.startsWith(QLatin1String("RadioButton"));
        if (field && writesBack(name) && name != QLatin1String("RadioButton17")
            && name != QLatin1String("RadioButton18"))
            child->installEventFilter(this);
    }
}

// "直近上位の会社No." and the tier box: a choice refreshes the upper company,
// leaving them writes it into the current row.
void ContractorPage::watchUpperCompany()
{
    for (const char* name : {"ComboBox20", "ComboBox21"}) {
        auto* box = findChild<QComboBox*>(QLatin1String(name));
        connect(box, &QComboBox::activated, this, [this] { editor::refreshUpper(project_); });
        box->installEventFilter(this);
    }
}

bool ContractorPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const QString name = watched->objectName();
        if (name == QLatin1String("ComboBox20") || name == QLatin1String("ComboBox21")) {
            editor::writeUpper(project_);
            if (name == QLatin1String("ComboBox20"))
                outline::build(project_);
        } else {
            editor::writeBack(project_);
        }
    }
    return PageBase::eventFilter(watched, event);
}

void ContractorPage::enter()
{
    guide_->show();
    editor::refreshOnPageEntry(project_);
}

void ContractorPage::showCurrentRow()
{
    rowLabel_->setText(QStringLiteral("No. %1").arg(project_.currentRow));
}

} // namespace mirevo
