#include "Tmeibo.h"
#include "BloodPressurePanel.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/ui/EnterNavigation.h"
#include "common/ui/WindowRules.h"
#include "input/ui/TForm2.h"
#include "input/ui/Tdentakukun.h"
#include "project/Project.h"
#include "registry/Registry.h"
#include "roster/RoleTags.h"
#include "roster/WorkerDates.h"
#include "roster/WorkerRecord.h"
#include "roster/WorkerStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace mirevo;
using namespace mirevo::worker;

namespace {

// Start modes of the calendar: today, or the date it showed last.
constexpr int kStartAtToday = 2;
constexpr int kStartAtLastDate = 1;

const QString kSameAsAbove = QStringLiteral("同上");

bool isEnter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

// The form is built at fixed positions on a 1152 × 650 page; the page sits
// in a scroll area so that the window fits a smaller screen.
void Tmeibo::placeFormInScrollArea()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Panel_form"));
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        const bool hidden = w->isHidden();
        w->setParent(page);
        w->setVisible(!hidden);
    }
    page->setFixedSize(1152, 650);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form::scrollWhenTooLarge(this, page));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Tmeibo::Tmeibo(Registry& registry, Project& project, TForm2& calendar, Tdentakukun& calculator, QWidget* parent)
    : QDialog(parent), registry_(registry), project_(project), calendar_(calendar), calculator_(calculator)
{
    setObjectName(QStringLiteral("Tmeibo"));
    setWindowTitle(QStringLiteral("作業員名簿"));
    form::keepOpenOnEscape(this);
    mirevo::form::centreWhenShown(this);
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    setFont(font);
    buildForm();
    placeFormInScrollArea();
    bloodType_->setCurrentText(QStringLiteral("Ａ"));
    bindEntryAids();
    bindPickers();
    connect(storeButton_, &QPushButton::clicked, this, &Tmeibo::store);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

Tmeibo::~Tmeibo() = default;

int Tmeibo::openWorker(int row)
{
    load(row);
    return exec();
}

int Tmeibo::viewWorker(const QStringList& record)
{
    targetRow_ = 0;
    storeNote_.clear();
    storeTarget_->clear();
    showRecord(record);
    storeButton_->setEnabled(false);
    return exec();
}

void Tmeibo::load(int row)
{
    storeNote_.clear();
    if (mode != 1 && mode != 2) {
        // No list to read or write: the fields stay as they are.
        targetRow_ = 0;
        storeTarget_->clear();
        storeButton_->setEnabled(false);
        return;
    }
    const TextGrid& list = mode == 1 ? registry_.workers : project_.workers;
    const RosterEntry entry = entryForRow(list, row, newWorkerRow(), company);
    showRecord(entry.record);
    targetRow_ = entry.targetRow;
    const bool existing = row >= 1 && row < list.rowCount();
    loadedName_ = existing ? entry.record[Name] : QString();
    loadedCompany_ = existing ? entry.record[Company] : QString();
    showStoreTarget();
    showSiteDates(mode == 2);
    storeButton_->setEnabled(true);
    pressurePanel_->hide();
}

int Tmeibo::newWorkerRow() const
{
    if (mode == 1)
        return freeRow(registry_.workers, countWorkers(registry_.workers) + 1);
    return freeRow(project_.workers, project_.st3Count + 1);
}

void Tmeibo::showRecord(const QStringList& record)
{
    auto cell = [&record](int column) { return column < record.size() ? record[column] : QString(); };
    for (auto& [column, field] : fields_)
        field->setText(cell(column));
    bloodType_->setCurrentText(cell(BloodType));
    setRoleBoxes(cell(Roles));
}

QStringList Tmeibo::record() const
{
    QStringList cells;
    for (int column = 0; column < kColumns; ++column)
        cells << QString();
    for (const auto& [column, field] : fields_)
        cells[column] = field->text();
    cells[BloodType] = bloodType_->currentText();
    return cells;
}

void Tmeibo::showSiteDates(bool shown)
{
    for (QWidget* widget :
         {static_cast<QWidget*>(fields_.at(SiteEntry)), static_cast<QWidget*>(fields_.at(SiteEducation)),
          static_cast<QWidget*>(siteDateLabels_[0]), static_cast<QWidget*>(siteDateLabels_[1])})
        widget->setVisible(shown);
    // Enter after the last licence goes on to the site dates, or to "登録" without them.
    FieldEvents::of(this)->setEnterNext(fields_.at(Licence1 + 2),
                                        shown ? static_cast<QWidget*>(fields_.at(SiteEntry)) : storeButton_);
}

void Tmeibo::setRoleBoxes(const QString& text)
{
    const RoleChecks checked = rolesFromText(text);
    for (int i = 0; i < kRoleCount; ++i)
        roleBoxes_[i]->setChecked(checked[i]);
}

void Tmeibo::rebuildRoleText()
{
    RoleChecks checked{};
    for (int i = 0; i < kRoleCount; ++i)
        checked[i] = roleBoxes_[i]->isChecked();
    fields_.at(Roles)->setText(roleText(checked));
}

void Tmeibo::store()
{
    if (mode != 1 && mode != 2)
        return; // nothing to store into; the window stays open
    if (targetRow_ < 1) {
        reject();
        return;
    }
    try {
        if (mode == 2 && !storeSiteWorker())
            return;
        if (mode == 1) {
            storeInto(registry_.workers);
            saveRegistry();
        }
    } catch (const Error& error) {
        Dialogs::current().message(error.message(), Dialogs::Kind::Error);
        return;
    }
    accept();
}

void Tmeibo::storeInto(TextGrid& list)
{
    storeWorker(list, targetRow_, record());
    emit workerStored(mode, targetRow_);
}

int Tmeibo::masterRowFor(const QStringList& edited) const
{
    const int row = findWorker(registry_.workers, edited[Name], edited[Company]);
    return row > 0 ? row : findWorker(registry_.workers, loadedName_, loadedCompany_);
}

// The site list is refreshed from the master list whenever it is shown, so
// a worker of the master list is edited there as well; a failed save puts
// the master list back and stores nothing.
bool Tmeibo::storeSiteWorker()
{
    const QStringList edited = record();
    const int masterRow = masterRowFor(edited);
    if (masterRow > 0) {
        if (registry_.readFailed()) {
            Dialogs::current().message(
                QStringLiteral("会社情報ファイルを読み込めなかったため、会社情報の作業員名簿を更新できません。\n"
                               "%1 を直してから登録してください。")
                    .arg(Registry::fileName()),
                Dialogs::Kind::Error);
            return false;
        }
        const TextGrid before = registry_.workers;
        storeSiteEdit(registry_.workers, masterRow, edited);
        try {
            registry_.save();
        } catch (const Error&) {
            registry_.workers = before;
            throw;
        }
        storeNote_ = QStringLiteral("会社情報の作業員名簿も更新しました");
    } else {
        storeNote_ = QStringLiteral("現場の作業員名簿に登録しました");
    }
    storeInto(project_.workers);
    return true;
}

void Tmeibo::showStoreTarget()
{
    if (mode == 1)
        storeTarget_->setText(QStringLiteral("登録先: 会社情報の作業員名簿"));
    else if (masterRowFor(record()) > 0)
        storeTarget_->setText(QStringLiteral("登録先: 現場の作業員名簿と会社情報の作業員名簿（両方を更新します）"));
    else
        storeTarget_->setText(QStringLiteral("登録先: 現場の作業員名簿だけ（会社情報の作業員名簿にはいません）"));
}

// The record is in the master list already; a file that cannot be written
// is reported and the list is written again by the registry's next save.
void Tmeibo::saveRegistry()
{
    try {
        registry_.save();
    } catch (const Error& error) {
        Dialogs::current().message(error.message(), Dialogs::Kind::Error);
    }
}

void Tmeibo::computeYears(QLineEdit* date, QLineEdit* result, QWidget* next)
{
    const auto years = yearsSince(date->text(), clock::today());
    if (!years)
        return;
    date->setText(years->normalised);
    result->setText(QString::number(years->years));
    next->setFocus(Qt::OtherFocusReason);
}

void Tmeibo::pickDate(QLineEdit* field, int startMode)
{
    field->setText(pickPlainDate(calendar_, startMode));
}

void Tmeibo::pickNumber(QLineEdit* field)
{
    field->setText(enterNumber(calculator_));
    storeButton_->setFocus(Qt::OtherFocusReason);
}

void Tmeibo::enterInPhone()
{
    QLineEdit* contact = fields_.at(FamilyContact);
    if (contact->text().isEmpty() && !fields_.at(Address)->text().isEmpty())
        contact->setText(kSameAsAbove);
    contact->setFocus(Qt::TabFocusReason);
}

void Tmeibo::enterInFamilyContact()
{
    if (fields_.at(FamilyContact)->text() == kSameAsAbove && !fields_.at(Phone)->text().isEmpty())
        fields_.at(FamilyPhone)->setText(kSameAsAbove);
    fields_.at(FamilyPhone)->setFocus(Qt::TabFocusReason);
}

void Tmeibo::toggleEraTable()
{
    const bool show = !eraTable_->isVisible();
    eraTable_->setVisible(show);
    if (show)
        eraTable_->raise();
    eraButton_->setText(show ? QStringLiteral("閉じる") : QStringLiteral("年号参照"));
}

void Tmeibo::takeEraRow(int row)
{
    QLineEdit* employed = fields_.at(Employed);
    employed->setText(eraTable_->item(row, 1)->text() + QStringLiteral("/"));
    toggleEraTable();
    employed->setFocus(Qt::OtherFocusReason);
    employed->end(false);
}

void Tmeibo::bindEntryAids()
{
    bindEnterOrder();
    bindDoubleClicks();
    // Keys with more to do than moving on: this window's own filter.
    for (int column : {Phone, FamilyContact, SiteEducation, Employed, Birth})
        fields_.at(column)->installEventFilter(this);
    personalGroup_->installEventFilter(this);

    for (int i = 0; i < kRoleCount; ++i)
        connect(roleBoxes_[i], &QCheckBox::clicked, this, &Tmeibo::rebuildRoleText);
    connect(fields_.at(Roles), &QLineEdit::textEdited, this, &Tmeibo::setRoleBoxes);
    connect(bloodType_, &QComboBox::activated, this,
            [this] { fields_.at(BloodPressure)->setFocus(Qt::OtherFocusReason); });
    connect(eraButton_, &QPushButton::clicked, this, &Tmeibo::toggleEraTable);
    connect(eraTable_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { takeEraRow(row); });
}

void Tmeibo::bindEnterOrder()
{
    FieldEvents* events = FieldEvents::of(this);
    auto f = [this](int column) -> QWidget* { return fields_.at(column); };
    const std::vector<std::vector<QWidget*>> chains{
        {f(Company), f(Reading), f(Name), f(Trade), f(Roles)},
        {f(Address), f(Phone)},
        {f(FamilyPhone), f(HealthCheck)},
        {bloodType_, f(BloodPressure)},
        {f(SpecialKind), f(HealthInsurance), f(PensionInsurance), f(EmploymentInsurance), f(Education1)},
        {f(SiteEntry), f(SiteEducation)},
    };
    for (const auto& chain : chains)
        for (size_t i = 0; i + 1 < chain.size(); ++i)
            events->setEnterNext(chain[i], chain[i + 1]);
    for (int column = Education1; column < Licence1 + 2; ++column)
        events->setEnterNext(f(column), f(column + 1));
    for (int column : {HealthDigits, PensionDigits, EmploymentDigits})
        events->setEnterNext(f(column), f(PensionInsurance));
    showSiteDates(true);
}

void Tmeibo::bindDoubleClicks()
{
    FieldEvents* events = FieldEvents::of(this);
    for (int column : {Reading, Name, Trade, Address, Phone, FamilyContact, FamilyPhone, Company})
        events->clearOnDoubleClick(fields_.at(column));
    events->onDoubleClick(familyContactLabel_, [this] { fields_.at(FamilyContact)->setText(kSameAsAbove); });
    events->onDoubleClick(familyPhoneLabel_, [this] { fields_.at(FamilyPhone)->setText(kSameAsAbove); });
}

void Tmeibo::bindPickers()
{
    FieldEvents* events = FieldEvents::of(this);
    auto f = [this](int column) { return fields_.at(column); };
    auto dateThenYears = [this, f](int column, int result, int next) {
        return [this, f, column, result, next] {
            pickDate(f(column), kStartAtLastDate);
            computeYears(f(column), f(result), f(next));
        };
    };
    events->onClick(f(Employed), dateThenYears(Employed, Experience, Birth));
    events->onClick(f(Birth), dateThenYears(Birth, Age, Address));

    auto dateThenFocus = [this, f](int column, QWidget* next) {
        return [this, f, column, next] {
            pickDate(f(column), kStartAtToday);
            next->setFocus(Qt::OtherFocusReason);
        };
    };
    events->onClick(f(HealthCheck), dateThenFocus(HealthCheck, bloodType_));
    events->onClick(f(SpecialCheck), dateThenFocus(SpecialCheck, f(SpecialKind)));
    events->onClick(f(SiteEntry), dateThenFocus(SiteEntry, f(SiteEducation)));
    events->onClick(f(SiteEducation), dateThenFocus(SiteEducation, storeButton_));

    events->onClick(f(Experience), [this, f] { pickNumber(f(Experience)); });
    events->onClick(f(Age), [this, f] { pickNumber(f(Age)); });
    events->onClick(f(BloodPressure), [this, f] {
        pressurePanel_->move(
            f(BloodPressure)->mapTo(pressurePanel_->parentWidget(), QPoint(0, f(BloodPressure)->height())));
        pressurePanel_->open();
    });
}

bool Tmeibo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == personalGroup_) {
        if (event->type() == QEvent::MouseMove)
            pressurePanel_->hide();
        return false;
    }
    if (watched == fields_.at(SiteEducation) && event->type() == QEvent::KeyPress) {
        storeButton_->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (!isEnter(event))
        return false;
    if (watched == fields_.at(Phone))
        enterInPhone();
    else if (watched == fields_.at(FamilyContact))
        enterInFamilyContact();
    else if (watched == fields_.at(Employed))
        computeYears(fields_.at(Employed), fields_.at(Experience), fields_.at(Birth));
    else if (watched == fields_.at(Birth))
        computeYears(fields_.at(Birth), fields_.at(Age), fields_.at(Address));
    else
        return false;
    return true;
}
