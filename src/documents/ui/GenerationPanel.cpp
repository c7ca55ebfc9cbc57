#include "GenerationPanel.h"

#include "check/SiteCheck.h"
#include "check/ui/Ttenken.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/ui/FormKit.h"
#include "common/ui/WindowRules.h"
#include "documents/Catalogue.h"
#include "documents/GenerationRun.h"
#include "documents/SiteView.h"
#include "project/Project.h"
#include "render/ui/WorkbookWindow.h"
#include "spreadsheet/Spreadsheet.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextStream>

#include <algorithm>
#include <tuple>

namespace mirevo {
namespace {

const QString kHeading = QStringLiteral("　　　　　　安全書類 (Excel) を作成できます。　　　　　");
const QString kAllOn = QStringLiteral("全ON");
const QString kAllOff = QStringLiteral("全OFF");
// The check boxes of "4.有資格証写し" and "5.有資格区分".
// "6.新規入場者教育", whose two options stand beside it.
constexpr size_t kEducation = 8;
constexpr int kBoxTop = 28;
constexpr int kBoxStep = 26;

// Keeps a run's workbook alive as long as the window that shows it.
class WorkbookKeeper : public QObject {
public:
    WorkbookKeeper(documents::GenerationRun run, QObject* window) : QObject(window), run_(std::move(run)) { }

private:
    documents::GenerationRun run_;
};

// The wait cursor while a conversion runs.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

QRadioButton* radio(QWidget* parent, const QString& caption, const char* name, int x, int y, int w, QButtonGroup* group)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(QString::fromLatin1(name));
    r->setGeometry(x, y, w, 22);
    group->addButton(r);
    return r;
}

// A pair of exclusive choices, the first one chosen.
std::pair<QRadioButton*, QRadioButton*> radioPair(QWidget* parent, const QString& first, const char* firstName,
                                                  const QString& second, const char* secondName, int x, int y)
{
    auto* group = new QButtonGroup(parent);
    QRadioButton* a = radio(parent, first, firstName, x, y, 120, group);
    QRadioButton* b = radio(parent, second, secondName, x + 124, y, 120, group);
    a->setChecked(true);
    return {a, b};
}

} // namespace

GenerationPanel::GenerationPanel(const Project& project, QWidget* parent) : QFrame(parent), project_(project)
{
    setObjectName("Panel_documents");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setGeometry(8, 30, 760, 660);
    auto* heading = form::label(this, kHeading, 1, 1, 758, 40);
    heading->setObjectName("Label_heading");
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("background: #123172; color: white; font-weight: bold; font-size: 14pt;"));
    buildMenu();
    buildOptions();
    buildHiddenOptions();
    buildActions();
    hide();
}

void GenerationPanel::buildMenu()
{
    auto* group = new QGroupBox(QStringLiteral("安全書類 MENU"), this);
    group->setObjectName("GroupBox_menu");
    group->setGeometry(16, 54, 500, kBoxTop + 16 * kBoxStep + 10);
    for (size_t i = 0; i < documents::choices().size(); ++i) {
        const documents::Choice& choice = documents::choices()[i];
        auto* box = new QCheckBox(choice.caption, group);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setGeometry(16, kBoxTop + int(i) * kBoxStep, 300, 22);
        boxes_.push_back(box);
    }
    boxes_.front()->setChecked(true);
    // A document that needs another ticks it along.
    for (size_t i = 0; i < documents::choices().size(); ++i)
        connect(boxes_[i], &QCheckBox::toggled, this, [this, i](bool on) {
            if (!on)
                return;
            for (const QString& key : documents::choices()[i].brings)
                boxes_[size_t(documents::choiceByKey(key) - documents::choices().data())]->setChecked(true);
        });
}

void GenerationPanel::buildOptions()
{
    QWidget* group = boxes_.front()->parentWidget();
    const int y = kBoxTop + int(kEducation) * kBoxStep;
    std::tie(educationAll_, educationBlank_) = radioPair(group, QStringLiteral("全員書き込む"), "RadioButton10",
                                                         QStringLiteral("用紙のみ"), "RadioButton9", 200, y);
}

void GenerationPanel::buildHiddenOptions()
{
    // Address and telephone are printed unless "住所・TEL (無)" is chosen;
    // the choice is not offered on screen.
    auto* address = new QGroupBox(this);
    address->setObjectName("GroupBox_address");
    address->setGeometry(530, 330, 220, 60);
    std::tie(addressOn_, addressOff_) = radioPair(address, QStringLiteral("住所・TEL (有)"), "RadioButton7",
                                                  QStringLiteral("住所・TEL (無)"), "RadioButton8", 8, 8);
    addressOn_->resize(100, 22);
    addressOff_->setGeometry(110, 8, 100, 22);
    address->hide();
    // Sheet modes of 2-1, 2-2 and 3: every company gets a sheet of its own,
    // which is how the conversion always works; the choice is not offered.
    auto* modes = new QGroupBox(this);
    modes->setObjectName("GroupBox_sheetMode");
    modes->setGeometry(530, 400, 220, 100);
    const char* names[3][2] = {{"RadioButton_separate21", "RadioButton_same21"},
                               {"RadioButton_separate22", "RadioButton_same22"},
                               {"RadioButton_separate3", "RadioButton_same3"}};
    for (int i = 0; i < 3; ++i)
        radioPair(modes, QStringLiteral("別シート書込"), names[i][0], QStringLiteral("同一シート書込"), names[i][1], 0,
                  4 + i * 30);
    modes->hide();
}

void GenerationPanel::buildActions()
{
    toggle_ = form::button(this, kAllOn, 540, 70, 110, 30, "Button_allOn");
    auto* convertButton = form::button(this, QStringLiteral("Excel 変換"), 540, 120, 200, 48, "Button_convert");
    convertButton->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 12pt;"));
    auto* close = form::button(this, QStringLiteral("閉じる"), 540, 184, 110, 30, "Button_documentsClose");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("ProgressBar1");
    progress_->setGeometry(16, 580, 728, 22);
    progress_->setRange(0, documents::kRunSteps);
    progress_->hide();
    // Beside the buttons, where it is seen before a run: which template the
    // run copies from, or in red that none was found.
    template_ = form::label(this, QString(), 540, 226, 210, 180);
    template_->setObjectName("Label_template");
    template_->setWordWrap(true);
    template_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_ = form::label(this, QString(), 16, 608, 728, 44);
    status_->setObjectName("Label_documentsStatus");
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText); // names from the project are never markup
    connect(toggle_, &QPushButton::clicked, this, &GenerationPanel::toggleAll);
    connect(convertButton, &QPushButton::clicked, this, &GenerationPanel::convert);
    connect(close, &QPushButton::clicked, this, &GenerationPanel::closePanel);
}

void GenerationPanel::setProjectFile(std::function<QString()> projectFile)
{
    projectFile_ = std::move(projectFile);
}

QStringList GenerationPanel::chosenKeys() const
{
    QStringList keys;
    for (size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i]->isChecked())
            keys << documents::choices()[i].key;
    return keys;
}

documents::RunOptions GenerationPanel::options() const
{
    return {.educationBlank = educationBlank_->isChecked(), .noAddress = addressOff_->isChecked()};
}

void GenerationPanel::toggleAll()
{
    // "書類一覧" keeps its tick either way; a document that cannot be made
    // yet is not ticked.
    const bool on = toggle_->text() == kAllOn;
    for (size_t i = 1; i < boxes_.size(); ++i)
        if (!on || boxes_[i]->isEnabled())
            boxes_[i]->setChecked(on);
    toggle_->setText(on ? kAllOff : kAllOn);
}

namespace {

// The built-in forms replace a template only when the user says so.
bool askBuiltIn(const QStringList& problems)
{
    return Dialogs::current().askYesNo(
        QStringLiteral("テンプレートは次のシートが様式と合わないため使えません。\n\n%1\n\n"
                       "内蔵の様式で作成しますか？ (「いいえ」で中止します)")
            .arg(problems.join(u'\n')),
        Dialogs::Kind::Warning);
}

} // namespace

void GenerationPanel::convert()
{
    const QStringList keys = chosenKeys();
    if (keys.isEmpty()) {
        Dialogs::current().message(QStringLiteral("安全MENUにCHeckを入れて下さい。"), Dialogs::Kind::Information);
        return;
    }
    if (!passCheck())
        return;
    status_->clear();
    documents::GenerationRun run;
    {
        const BusyCursor busy;
        progress_->setValue(0);
        progress_->show();
        run = documents::generate(
            documents::siteOf(project_), keys, options(), [this](int done, int total) { showProgress(done, total); },
            askBuiltIn);
        progress_->hide();
    }
    report(run);
    if (!run.book)
        return;
    if (run.complete())
        offerSave(*run.book);
    showWorkbook(std::move(run));
    emit sheetListWanted(workbook_->sheetNames());
}

bool GenerationPanel::passCheck()
{
    check::Report report = check::checkSite(project_, clock::today());
    checkNote_.clear();
    if (report.findings.isEmpty())
        return true;
    checkNote_ = QStringLiteral("提出前チェック (%1) のまま作成しました。").arg(check::summary(report));
    Ttenken review(std::move(report), Ttenken::Mode::BeforeConversion, window());
    if (Dialogs::current().exec(review) == QDialog::Accepted)
        return true;
    checkNote_.clear();
    if (const std::optional<check::Finding> chosen = review.chosen())
        emit findingChosen(*chosen);
    return false;
}

void GenerationPanel::showProgress(int done, int total)
{
    progress_->setMaximum(total);
    progress_->setValue(done);
    // The run holds the event loop: let the bar paint, take no input.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GenerationPanel::showEvent(QShowEvent* event)
{
    showTemplate(documents::findTemplate());
    QFrame::showEvent(event);
}

void GenerationPanel::showTemplate(const documents::TemplateSource& source)
{
    // A path has no blanks to wrap at: let it wrap after each folder.
    QString shown = source.description();
    shown.replace(u'/', QStringLiteral("/\u200B"));
    shown.replace(u'\\', QStringLiteral("\\\u200B"));
    template_->setText(shown);
    template_->setToolTip(source.description());
    template_->setStyleSheet(source.builtIn() ? QStringLiteral("color: #c00000; font-weight: bold;") : QString());
}

void GenerationPanel::report(const documents::GenerationRun& run)
{
    QStringList notes;
    showTemplate(run.templateSource);
    if (!run.error.isEmpty()) {
        QTextStream(stdout) << QStringLiteral("エラー: ") << run.error << Qt::endl;
        QString text = QStringLiteral("安全書類の作成を途中で中止しました。\n\n%1").arg(run.error);
        if (run.book)
            text += QStringLiteral("\n\nここまでに作成したシートをブックの画面に表示します。");
        Dialogs::current().message(text, Dialogs::Kind::Error);
        notes.prepend(QStringLiteral("作成を中止しました: ") + run.error);
    } else {
        notes.prepend(QStringLiteral("%1 シートを作成しました。").arg(run.report.sheets));
        notes << run.report.notes;
        if (!checkNote_.isEmpty())
            notes << checkNote_;
    }
    status_->setText(visibleText(notes.join(u' ')));
}

bool GenerationPanel::offerSave(sheet::Workbook& book)
{
    const QString projectFile = projectFile_ ? projectFile_() : QString();
    const QString folder = projectFile.isEmpty() ? QDir::homePath() : QFileInfo(projectFile).absolutePath();
    const QString proposed = documents::workbookFileName(project_.record.text(QStringLiteral("Edit9")));
    QString path = Dialogs::current().saveFileName(QStringLiteral("Excel ブック|*.xlsx"), folder, proposed);
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        path += QStringLiteral(".xlsx");
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo::exists(path)
        && !Dialogs::current().askYesNo(QStringLiteral("%1 は既にあります。上書きしますか？").arg(shown)))
        return false;
    try {
        book.SaveAs(QFileInfo(path).absoluteFilePath());
    } catch (const std::exception& e) {
        Dialogs::current().message(
            QStringLiteral("ブックを保存できません: %1\n%2").arg(shown, QString::fromUtf8(e.what())),
            Dialogs::Kind::Error);
        return false;
    }
    status_->setText(status_->text() + QStringLiteral(" 保存先: ") + shown);
    return true;
}

QRect GenerationPanel::workbookPlace(const QRect& area)
{
    constexpr int kFrameWidth = form::kFrameAllowance.width();
    constexpr int kFrameHeight = form::kFrameAllowance.height();
    constexpr int kBesideList = 362;
    const int width = std::min(std::max(600, area.width() - 380), area.width() - kFrameWidth);
    const int height = std::min(std::max(400, area.height() - 60), area.height() - kFrameHeight);
    const int x = std::clamp(area.width() - kFrameWidth - width, 0, kBesideList);
    return QRect(area.left() + x, area.top(), width, height);
}

void GenerationPanel::showWorkbook(documents::GenerationRun run)
{
    auto* window = new render::WorkbookWindow(this->window());
    window->setWindowFlag(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    sheet::Workbook& book = *run.book;
    new WorkbookKeeper(std::move(run), window);
    window->open(book);
    // Beside the sheet list, which stands at the screen's top-left corner,
    // where the screen has room for both; over it where it has not, so the
    // whole window, frame and status bar included, stays on the screen.
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect place = workbookPlace(screen->availableGeometry());
        window->resize(place.size());
        window->move(place.topLeft());
    }
    window->show();
    workbook_ = window;
}

void GenerationPanel::closePanel()
{
    hide();
    workbook_ = nullptr;
}

bool GenerationPanel::selectSheet(const QString& name)
{
    return workbook_ && workbook_->showSheet(name);
}

} // namespace mirevo
