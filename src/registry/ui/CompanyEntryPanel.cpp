#include "CompanyEntryPanel.h"
#include "common/TextGrid.h"
#include "common/ui/EnterNavigation.h"
#include "common/ui/SingleLine.h"
#include "registry/Choices.h"
#include "registry/CompanyFields.h"
#include "registry/CompanyRecord.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mirevo {
namespace {

const QString kInitialBusinessId = QStringLiteral("00000000000000");

QString fieldName(int column)
{
    return column == company::BusinessId ? QStringLiteral("Edit1") : companyField(column)->editor;
}

QString initialText(int column)
{
    return column == company::BusinessId ? kInitialBusinessId : companyField(column)->initial;
}

QLabel* addLabel(QGridLayout* grid, const QString& text, int row, int column, int span = 1)
{
    auto* label = new QLabel(text);
    grid->addWidget(label, row, column, 1, span);
    return label;
}

QRadioButton* radio(const QString& name, const QString& caption, QButtonGroup* group)
{
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    group->addButton(button);
    return button;
}

QWidget* row(std::initializer_list<QWidget*> widgets)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return box;
}

} // namespace

CompanyEntryPanel::CompanyEntryPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("entryPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildTitleStrip());
    layout->addWidget(buildNameGroup());
    layout->addWidget(buildLedgerGroup());
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildInsuranceGroup());
    bottom->addWidget(buildUpperGroup(), 0, Qt::AlignTop);
    layout->addLayout(bottom);
    layout->addStretch();
    // The second specialist engineer is kept in the record but not shown.
    for (int column : {24, 25, 26})
        edit(column, nullptr, 0, 0, 0)->hide();
    bindEntryAids();
}

QWidget* CompanyEntryPanel::buildTitleStrip()
{
    auto* strip = new QWidget;
    strip->setObjectName(QStringLiteral("titleStrip"));
    strip->setAutoFillBackground(true);
    strip->setStyleSheet(QStringLiteral("#titleStrip { background: #004080; } #titleStrip QLabel { color: white; }"));
    auto* layout = new QHBoxLayout(strip);
    auto* title = new QLabel(QStringLiteral("再下請負業者情報　会社情報　【登録設定】"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    rowLabel_ = new QLabel;
    rowLabel_->setObjectName(QStringLiteral("selectedRowLabel"));
    rowLabel_->setMinimumWidth(60);
    registerButton_ = new QPushButton(QStringLiteral("会社情報リストへの登録"));
    registerButton_->setObjectName(QStringLiteral("registerButton"));
    workersButton_ = new QPushButton(QStringLiteral("作業員名簿の登録・編集"));
    workersButton_->setObjectName(QStringLiteral("workersButton"));
    layout->addWidget(title);
    layout->addWidget(rowLabel_);
    layout->addStretch();
    layout->addWidget(registerButton_);
    layout->addWidget(workersButton_);
    return strip;
}

QGroupBox* CompanyEntryPanel::buildNameGroup()
{
    auto* group = new QGroupBox;
    auto* grid = new QGridLayout(group);
    addLabel(grid, QStringLiteral("会社名"), 0, 0);
    edit(company::Name, grid, 0, 1, 260);
    addLabel(grid, QStringLiteral("支店・営業所名"), 0, 2);
    edit(company::Branch, grid, 0, 3, 160);
    addLabel(grid, QStringLiteral("代表者名"), 1, 0);
    edit(company::Representative, grid, 1, 1, 160);
    addLabel(grid, QStringLiteral("電話番号"), 1, 2);
    edit(company::Phone, grid, 1, 3, 160);
    addLabel(grid, QStringLiteral("郵便番号"), 2, 0);
    webButton_ = new QPushButton(QStringLiteral("Web"));
    webButton_->setObjectName(QStringLiteral("webButton"));
    QLineEdit* postcodeA = edit(company::PostcodeA, nullptr, 0, 0, 45);
    QLineEdit* postcodeB = edit(company::PostcodeB, nullptr, 0, 0, 55);
    postcodeA->setMaximumWidth(45);
    postcodeB->setMaximumWidth(55);
    grid->addWidget(row({postcodeA, new QLabel(QStringLiteral("-")), postcodeB, webButton_}), 2, 1);
    addLabel(grid, QStringLiteral("事業者ID"), 2, 2);
    edit(company::BusinessId, grid, 2, 3, 160);
    addLabel(grid, QStringLiteral("住　　　所"), 3, 0);
    edit(company::Address, grid, 3, 1, 480, 3);
    return group;
}

QGroupBox* CompanyEntryPanel::buildLedgerGroup()
{
    auto* group = new QGroupBox(QStringLiteral("施工体制台帳"));
    auto* outer = new QVBoxLayout(group);
    auto* licences = new QGridLayout;
    addLabel(licences, QStringLiteral("施工に必要な許可業種"), 0, 0, 2);
    addLabel(licences, QStringLiteral("許可番号"), 0, 2, 2);
    addLabel(licences, QStringLiteral("許可（更新）年月日"), 0, 4);
    for (int line = 0; line < 2; ++line) {
        const int first = line == 0 ? company::Trade1 : company::Trade2;
        edit(first, licences, line + 1, 0, 120);
        addLabel(licences, QStringLiteral("工事業"), line + 1, 1);
        combo(first + 1, choices::licenceKinds(), licences, line + 1, 2, 95);
        edit(first + 2, licences, line + 1, 3, 120);
        edit(first + 3, licences, line + 1, 4, 170);
    }
    outer->addLayout(licences);

    auto* people = new QGridLayout;
    addLabel(people, QStringLiteral("監督員名"), 0, 0);
    edit(company::Supervisor, people, 0, 1, 120);
    addLabel(people, QStringLiteral("権限及び意見申出方法"), 0, 2);
    combo(company::SupervisorAuthority, choices::authorities(), people, 0, 3, 150);
    addLabel(people, QStringLiteral("現場代理人名"), 1, 0);
    edit(company::SiteAgent, people, 1, 1, 120);
    addLabel(people, QStringLiteral("権限及び意見申出方法"), 1, 2);
    combo(company::SiteAgentAuthority, choices::authorities(), people, 1, 3, 150);
    addLabel(people, QStringLiteral("主任技術者名"), 2, 0);
    edit(company::ChiefEngineer, people, 2, 1, 120);
    addLabel(people, QStringLiteral("資格内容"), 2, 2);
    edit(company::ChiefEngineerQualification, people, 2, 3, 150);
    auto* dedication = new QButtonGroup(this);
    dedicated_ = radio(QStringLiteral("RadioButton3"), QStringLiteral("選任"), dedication);
    notDedicated_ = radio(QStringLiteral("RadioButton4"), QStringLiteral("非選任"), dedication);
    dedicated_->setChecked(true);
    people->addWidget(row({dedicated_, notDedicated_}), 2, 4, 1, 2);
    addLabel(people, QStringLiteral("専門技術者名"), 3, 0);
    edit(company::Specialist1, people, 3, 1, 120);
    addLabel(people, QStringLiteral("資格内容"), 3, 2);
    edit(company::Specialist1Qualification, people, 3, 3, 150);
    addLabel(people, QStringLiteral("担当工事内容"), 3, 4);
    edit(company::Specialist1Work, people, 3, 5, 120);
    addLabel(people, QStringLiteral("安全衛生管理者名"), 4, 0);
    edit(company::SafetyManager, people, 4, 1, 120);
    addLabel(people, QStringLiteral("安全衛生推進者名"), 4, 2);
    edit(company::SafetyPromoter, people, 4, 3, 150);
    addLabel(people, QStringLiteral("雇用管理責任者名"), 4, 4);
    edit(company::EmploymentManager, people, 4, 5, 120);
    outer->addLayout(people);

    auto* foreign = new QGridLayout;
    addLabel(foreign, QStringLiteral("外国人建設就労者の従事の状況(有無)"), 0, 0);
    combo(company::ForeignWorkers, choices::presence(), foreign, 0, 1, 70);
    addLabel(foreign, QStringLiteral("外国人技能実習生の従事の状況(有無)"), 1, 0);
    combo(company::ForeignTrainees, choices::presence(), foreign, 1, 1, 70);
    auto* specialist = new QButtonGroup(this);
    specialistYes_ = radio(QStringLiteral("RadioButton17"), QStringLiteral("有"), specialist);
    specialistNo_ = radio(QStringLiteral("RadioButton18"), QStringLiteral("無"), specialist);
    specialistNo_->setChecked(true);
    addLabel(foreign, QStringLiteral("特定専門工事の該当"), 0, 2);
    foreign->addWidget(row({specialistYes_, specialistNo_}), 0, 3);
    foreign->setColumnStretch(4, 1);
    outer->addLayout(foreign);
    return group;
}

QGroupBox* CompanyEntryPanel::buildInsuranceGroup()
{
    auto* group = new QGroupBox(QStringLiteral("健康保険等の加入状況"));
    auto* grid = new QGridLayout(group);
    addLabel(grid, QStringLiteral("営業所の名称"), 0, 0);
    edit(company::InsuranceOffice, grid, 0, 1, 150, 2);
    const QString labels[] = {QStringLiteral("健康保険"), QStringLiteral("厚生年金保険"), QStringLiteral("雇用保険")};
    for (int i = 0; i < 3; ++i) {
        addLabel(grid, labels[i], i + 1, 0);
        edit(company::HealthInsuranceNo + 2 * i, grid, i + 1, 1, 150);
        combo(company::HealthInsuranceState + 2 * i, choices::enrolments(), grid, i + 1, 2, 90);
    }
    return group;
}

QGroupBox* CompanyEntryPanel::buildUpperGroup()
{
    auto* group = new QGroupBox(QStringLiteral("直近上位の業者"));
    auto* grid = new QGridLayout(group);
    addLabel(grid, QStringLiteral("No."), 0, 0);
    addLabel(grid, QStringLiteral("会社名"), 0, 1);
    combo(company::UpperNo, choices::upperCompanyNumbers(), grid, 1, 0, 80);
    auto* upperName = edit(company::UpperName, grid, 1, 1, 150);
    upperName->setReadOnly(true);
    combo(company::Tier, choices::numbers(1, 20), grid, 2, 0, 80);
    addLabel(grid, QStringLiteral("次下請け"), 2, 1);
    return group;
}

QLineEdit* CompanyEntryPanel::edit(int companyColumn, QGridLayout* grid, int row, int column, int width, int span)
{
    auto* field = new QLineEdit(initialText(companyColumn), this);
    field->setObjectName(fieldName(companyColumn));
    field->setMinimumWidth(width);
    keepSingleLine(field);
    fields_[companyColumn] = field;
    if (grid)
        grid->addWidget(field, row, column, 1, span);
    return field;
}

QComboBox* CompanyEntryPanel::combo(int companyColumn, const QStringList& items, QGridLayout* grid, int row,
                                    int column, int width)
{
    auto* box = new QComboBox(this);
    box->setObjectName(fieldName(companyColumn));
    // Editable, so that any stored text shows, not only the offered values.
    box->setEditable(true);
    box->addItems(items);
    box->setCurrentText(initialText(companyColumn));
    box->setMinimumWidth(width);
    keepSingleLine(box);
    fields_[companyColumn] = box;
    grid->addWidget(box, row, column);
    return box;
}

void CompanyEntryPanel::bindEntryAids()
{
    FieldEvents* events = FieldEvents::of(this);
    const int order[] = {1, 2, 3, 39, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                         27, 28, 29, 21, 22, 23, 30, 31, 32, 33, 34, 35, 36, 37, 38};
    std::vector<QWidget*> chain;
    for (int column : order)
        chain.push_back(field(column));
    events->setEnterChain(chain);
    for (auto& [column, widget] : fields_)
        if (auto* line = qobject_cast<QLineEdit*>(widget); line && !line->isReadOnly())
            events->clearOnDoubleClick(line);
}

QWidget* CompanyEntryPanel::field(int companyColumn) const
{
    return fields_.at(companyColumn);
}

void CompanyEntryPanel::setField(int companyColumn, const QString& text)
{
    QWidget* widget = field(companyColumn);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(text);
    else if (auto* box = qobject_cast<QComboBox*>(widget))
        box->setCurrentText(text);
}

QString CompanyEntryPanel::fieldText(int companyColumn) const
{
    QWidget* widget = field(companyColumn);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    return static_cast<QComboBox*>(widget)->currentText();
}

void CompanyEntryPanel::showRow(const TextGrid& list, int row, bool withDedication)
{
    for (int column = company::Name; column <= company::Tier; ++column)
        setField(column, list.cell(column, row));
    if (withDedication) {
        const QString dedication = list.cell(company::Dedicated, row);
        if (dedication == QLatin1String("1"))
            notDedicated_->setChecked(true);
        else if (isBlank(dedication) || dedication == QLatin1String("0"))
            dedicated_->setChecked(true);
    }
    setField(company::BusinessId, list.cell(company::BusinessId, row));
    (list.cell(company::SpecialtyWork, row) == QLatin1String("1") ? specialistYes_ : specialistNo_)->setChecked(true);
}

QStringList CompanyEntryPanel::record() const
{
    QStringList cells;
    for (int column = 0; column < company::kColumns; ++column)
        cells << QString();
    for (int column = company::Name; column <= company::Tier; ++column)
        cells[column] = fieldText(column);
    cells[company::Dedicated] = notDedicated() ? QStringLiteral("1") : QStringLiteral("0");
    cells[company::BusinessId] = businessId();
    cells[company::SpecialtyWork] = specialistYes_->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return cells;
}

bool CompanyEntryPanel::notDedicated() const
{
    return notDedicated_->isChecked();
}

QString CompanyEntryPanel::companyName() const
{
    return fieldText(company::Name);
}

QString CompanyEntryPanel::businessId() const
{
    return fieldText(company::BusinessId);
}

} // namespace mirevo
