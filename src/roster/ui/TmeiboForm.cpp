// Building the controls of the worker roster window. Positions are fixed,
// as in the form the users know; each control carries its component name.
#include "BloodPressurePanel.h"
#include "Tmeibo.h"
#include "common/ui/SingleLine.h"
#include "roster/EraReference.h"
#include "roster/RoleTags.h"
#include "roster/WorkerRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace mirevo;
using namespace mirevo::worker;

namespace {

constexpr int kRowHeight = 26;

QString legendLine(int line)
{
    static const char16_t* lines[] = {
        u"[現]･･･現場代理人　　[作]･･･作業主任者（正副２名専任すること)　　[女]･･･女子社員　　[未]･･･18歳未満の男子従業員",
        u"[主]･･･主任技術者　　[職]･･･職長　　[安]･･･安全衛生責任者　　　　[能]･･･能力向上教育　　[再]･･･危険有害業務・再発防止教育",
        u"[習]･･･外国人技能実習生　　[就]･･･外国人建設就労者　　[1特]･･･１号特定技能外国人",
    };
    return QString::fromUtf16(lines[line]);
}

QFont smallFont(const QFont& base)
{
    QFont font = base;
    font.setPixelSize(11);
    return font;
}

} // namespace

QLabel* Tmeibo::addLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    const int serial = int(findChildren<QLabel*>().size()) + 1;
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label%1").arg(serial));
    label->setGeometry(geometry);
    return label;
}

QLineEdit* Tmeibo::addEdit(QWidget* parent, int column, const QString& name, const QRect& geometry,
                           const QString& designText)
{
    auto* edit = new QLineEdit(designText, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    keepSingleLine(edit);
    if (column > 0)
        fields_[column] = edit;
    return edit;
}

void Tmeibo::buildForm()
{
    buildTopStrip();
    buildNameGroup()->setGeometry(8, 46, 728, 60);
    buildRoleGroup()->setGeometry(8, 110, 728, 188);
    personalGroup_ = buildPersonalGroup();
    personalGroup_->setGeometry(8, 302, 728, 290);
    buildInsuranceGroup()->setGeometry(744, 46, 400, 546);
    buildButtons();
    buildEraTable();
    pressurePanel_ = new BloodPressurePanel(*fields_.at(BloodPressure), this);
}

QWidget* Tmeibo::buildTopStrip()
{
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Panel2"));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(QStringLiteral("#Panel2 { background: #1f4e9c; } QLabel { color: white; }"));
    strip->setGeometry(0, 0, 1152, 40);
    addLabel(strip, QStringLiteral("所属会社名"), {16, 7, 90, kRowHeight});
    addEdit(strip, Company, QStringLiteral("Edit27"), {110, 7, 420, kRowHeight});
    storeTarget_ = addLabel(strip, QString(), {548, 7, 596, kRowHeight});
    storeTarget_->setObjectName(QStringLiteral("Label_storeTarget"));
    return strip;
}

QGroupBox* Tmeibo::buildNameGroup()
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    struct Item {
        const char16_t* label;
        int column;
        const char* name;
        int x, labelWidth, editWidth;
    };
    const Item items[] = {
        {u"ふりがな", Reading, "Edit42", 10, 60, 180},
        {u"氏　名", Name, "Edit1", 262, 50, 190},
        {u"職　種", Trade, "Edit2", 514, 50, 154},
    };
    for (const Item& item : items) {
        addLabel(group, QString::fromUtf16(item.label), {item.x, 18, item.labelWidth, kRowHeight});
        addEdit(group, item.column, QString::fromLatin1(item.name),
                {item.x + item.labelWidth, 18, item.editWidth, kRowHeight});
    }
    return group;
}

QGroupBox* Tmeibo::buildRoleGroup()
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox2"));
    for (int i = 0; i < kRoleCount; ++i) {
        auto* box = new QCheckBox(roles()[i].caption, group);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setGeometry(12 + (i % 4) * 178, 10 + (i / 4) * 24, 176, 22);
        roleBoxes_[i] = box;
    }
    for (int line = 0; line < 3; ++line) {
        QLabel* legend = addLabel(group, legendLine(line), {12, 86 + line * 18, 708, 18});
        legend->setFont(smallFont(font()));
    }
    addLabel(group, QStringLiteral("※担当役割"), {12, 148, 80, kRowHeight});
    addEdit(group, Roles, QStringLiteral("Edit43"), {96, 148, 620, kRowHeight});
    return group;
}

QGroupBox* Tmeibo::buildPersonalGroup()
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox3"));
    group->setMouseTracking(true); // moving over the group closes the blood pressure picker
    auto rowY = [](int row) { return 16 + row * 46; };
    const QString employedHint = QStringLiteral("例 : 1958/04/01");
    const QString birthHint = QStringLiteral("例 : 1968/10/01");

    addLabel(group, QStringLiteral("雇用年月日"), {10, rowY(0), 100, kRowHeight});
    addEdit(group, Employed, QStringLiteral("Edit3"), {118, rowY(0), 110, kRowHeight});
    addLabel(group, employedHint, {234, rowY(0), 110, kRowHeight})->setFont(smallFont(font()));
    addLabel(group, QStringLiteral("経験年数"), {352, rowY(0), 60, kRowHeight});
    addEdit(group, Experience, QStringLiteral("Edit4"), {416, rowY(0), 48, kRowHeight});
    addLabel(group, QStringLiteral("年"), {468, rowY(0), 20, kRowHeight});
    eraButton_ = new QPushButton(QStringLiteral("年号参照"), group);
    eraButton_->setObjectName(QStringLiteral("Button3"));
    eraButton_->setGeometry(540, rowY(0), 110, kRowHeight + 2);

    addLabel(group, QStringLiteral("生年月日"), {10, rowY(1), 100, kRowHeight});
    addEdit(group, Birth, QStringLiteral("Edit5"), {118, rowY(1), 110, kRowHeight});
    addLabel(group, birthHint, {234, rowY(1), 110, kRowHeight})->setFont(smallFont(font()));
    addLabel(group, QStringLiteral("年　齢"), {352, rowY(1), 60, kRowHeight});
    addEdit(group, Age, QStringLiteral("Edit6"), {416, rowY(1), 48, kRowHeight});
    addLabel(group, QStringLiteral("歳"), {468, rowY(1), 20, kRowHeight});

    const QString phoneDesign = QStringLiteral("000-00-0000");
    addLabel(group, QStringLiteral("現住所"), {10, rowY(2), 100, kRowHeight});
    addEdit(group, Address, QStringLiteral("Edit7"), {118, rowY(2), 396, kRowHeight});
    addLabel(group, QStringLiteral("TEL"), {524, rowY(2), 36, kRowHeight});
    addEdit(group, Phone, QStringLiteral("Edit8"), {560, rowY(2), 156, kRowHeight}, phoneDesign);

    familyContactLabel_ = addLabel(group, QStringLiteral("家族連絡先"), {10, rowY(3), 100, kRowHeight});
    addEdit(group, FamilyContact, QStringLiteral("Edit9"), {118, rowY(3), 396, kRowHeight});
    familyPhoneLabel_ = addLabel(group, QStringLiteral("TEL"), {524, rowY(3), 36, kRowHeight});
    addEdit(group, FamilyPhone, QStringLiteral("Edit10"), {560, rowY(3), 156, kRowHeight}, phoneDesign);

    addLabel(group, QStringLiteral("最近の健康診断日"), {10, rowY(4), 100, kRowHeight});
    addEdit(group, HealthCheck, QStringLiteral("Edit11"), {118, rowY(4), 110, kRowHeight});
    addLabel(group, birthHint, {234, rowY(4), 110, kRowHeight})->setFont(smallFont(font()));
    addLabel(group, QStringLiteral("血液型"), {352, rowY(4), 50, kRowHeight});
    bloodType_ = new QComboBox(group);
    bloodType_->setObjectName(QStringLiteral("ComboBox1"));
    bloodType_->setEditable(true); // free text allowed beside the offered types
    bloodType_->addItems({QStringLiteral("Ａ"), QStringLiteral("ＡＢ"), QStringLiteral("Ｂ"), QStringLiteral("Ｏ")});
    bloodType_->setGeometry(404, rowY(4), 70, kRowHeight);
    keepSingleLine(bloodType_);
    addLabel(group, QStringLiteral("血圧"), {524, rowY(4), 36, kRowHeight});
    addEdit(group, BloodPressure, QStringLiteral("Edit26"), {560, rowY(4), 100, kRowHeight});

    addLabel(group, QStringLiteral("特殊健康診断日"), {10, rowY(5), 100, kRowHeight});
    addEdit(group, SpecialCheck, QStringLiteral("Edit12"), {118, rowY(5), 110, kRowHeight});
    addLabel(group, QStringLiteral("種　類"), {352, rowY(5), 50, kRowHeight});
    addEdit(group, SpecialKind, QStringLiteral("Edit13"), {404, rowY(5), 312, kRowHeight});

    for (auto [column, buddy] : {std::pair{FamilyContact, familyContactLabel_}, {FamilyPhone, familyPhoneLabel_}})
        buddy->setBuddy(fields_.at(column));
    return group;
}

QGroupBox* Tmeibo::buildInsuranceGroup()
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox4"));
    addLabel(group, QStringLiteral("※保険番号の下4桁"), {282, 8, 110, 18})->setFont(smallFont(font()));
    struct Insurance {
        const char16_t* label;
        int column;
        const char* name;
        const char16_t* design;
        int digitsColumn;
        const char* digitsName;
        const char16_t* digitsDesign;
    };
    const Insurance insurances[] = {
        {u"国民健康保険", HealthInsurance, "Edit14", u"00000-00-0000", HealthDigits, "Edit39", u"※※※※"},
        {u"厚生年金", PensionInsurance, "Edit71", u"0000-000000", PensionDigits, "Edit40", u"※※※※"},
        {u"雇用保険", EmploymentInsurance, "Edit72", u"0000-000000-0", EmploymentDigits, "Edit41", u"0000"},
    };
    for (int i = 0; i < 3; ++i) {
        const Insurance& in = insurances[i];
        const int y = 28 + i * 32;
        addLabel(group, QString::fromUtf16(in.label), {10, y, 96, kRowHeight});
        addEdit(group, in.column, QString::fromLatin1(in.name), {108, y, 168, kRowHeight},
                QString::fromUtf16(in.design));
        addEdit(group, in.digitsColumn, QString::fromLatin1(in.digitsName), {282, y, 108, kRowHeight},
                QString::fromUtf16(in.digitsDesign));
    }
    fields_.at(HealthDigits)->setReadOnly(true);
    fields_.at(PensionDigits)->setReadOnly(true);

    const char16_t* captions[] = {u"雇入・職長\n特別教育", u"技能講習", u"免　　許"};
    for (int block = 0; block < 3; ++block) {
        const int top = 134 + block * 104;
        addLabel(group, QString::fromUtf16(captions[block]), {10, top, 96, 2 * kRowHeight});
        for (int i = 0; i < 3; ++i) {
            const int column = Education1 + block * 3 + i;
            addEdit(group, column, QStringLiteral("Edit%1").arg(15 + block * 3 + i),
                    {108, top + i * 32, 282, kRowHeight});
        }
    }

    siteDateLabels_[0] = addLabel(group, QStringLiteral("入場年月日"), {10, 460, 96, kRowHeight});
    addEdit(group, SiteEntry, QStringLiteral("Edit24"), {108, 460, 130, kRowHeight});
    siteDateLabels_[1] = addLabel(group, QStringLiteral("受入年月日"), {10, 496, 96, kRowHeight});
    addEdit(group, SiteEducation, QStringLiteral("Edit25"), {108, 496, 130, kRowHeight});
    return group;
}

void Tmeibo::buildButtons()
{
    storeButton_ = new QPushButton(QStringLiteral("登録"), this);
    storeButton_->setObjectName(QStringLiteral("Button1"));
    storeButton_->setGeometry(884, 602, 124, 38);
    cancelButton_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton_->setObjectName(QStringLiteral("Button2"));
    cancelButton_->setGeometry(1020, 602, 124, 38);
    // Enter belongs to the field order; it never presses a button by itself.
    for (QPushButton* button : {storeButton_, cancelButton_, eraButton_})
        button->setAutoDefault(false);
}

void Tmeibo::buildEraTable()
{
    const auto rows = eraReferenceTable();
    eraTable_ = new QTableWidget(int(rows.size()), 2, this);
    eraTable_->setObjectName(QStringLiteral("StringGrid1"));
    eraTable_->setHorizontalHeaderLabels({QStringLiteral("和暦"), QStringLiteral("西暦")});
    eraTable_->verticalHeader()->hide();
    eraTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    eraTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    eraTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int row = 0; row < int(rows.size()); ++row) {
        eraTable_->setItem(row, 0, new QTableWidgetItem(rows[row].eraYear));
        eraTable_->setItem(row, 1, new QTableWidgetItem(rows[row].westernYear));
        eraTable_->setRowHeight(row, 22);
    }
    eraTable_->setColumnWidth(0, 110);
    eraTable_->setColumnWidth(1, 80);
    // Beside its button, which stays free to close it again.
    eraTable_->setGeometry(666, 64, 214, 470);
    eraTable_->hide();
}
