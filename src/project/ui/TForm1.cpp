#include "TForm1.h"
#include "ContractorPage.h"
#include "OrdererPage.h"
#include "PrimePage.h"
#include "RecordBinder.h"
#include "SettingsPanel.h"
#include "SiteTreeView.h"
#include "TreePanel.h"
#include "WorkerPage.h"
#include "check/SiteCheck.h"
#include "check/ui/Ttenken.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/EraDate.h"
#include "common/Error.h"
#include "common/WebAddresses.h"
#include "common/ui/EnterNavigation.h"
#include "common/ui/FormKit.h"
#include "common/ui/Manual.h"
#include "common/ui/WindowRules.h"
#include "documents/ui/GenerationPanel.h"
#include "input/ui/TForm2.h"
#include "project/ContractorEditor.h"
#include "project/Guide.h"
#include "project/Project.h"
#include "project/ProjectActions.h"
#include "project/ProjectFile.h"
#include "project/SiteTree.h"
#include "registry/CompanyRecord.h"
#include "registry/Registry.h"
#include "registry/ui/Ttouroku.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace mirevo {
namespace {

constexpr int kClientWidth = 1240;
constexpr int kClientHeight = 707;

const char* const kStripColours[] = {"#FEE6AB", "#123172", "#004040", "#004040"};

// Whether the editor's row (row 1 when none) holds a company: a pick from
// the registration window always leaves one there.
bool editorRowHoldsCompany(const Project& project)
{
    const int row = std::max(project.currentRow, 1);
    return row < project.contractors.rowCount() && !isBlank(project.contractors.cell(company::Name, row));
}

} // namespace

TForm1::TForm1(Project& project, Registry& registry, WindowSet& windows, QWidget* parent)
    : QDialog(parent), project_(project), registry_(registry), windows_(windows)
{
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Mirevo！ / Ver1.00"));
    form::keepOpenOnEscape(this);
    form::applyJapaneseFont(this);
    project_.guideState = 0;
    gengou_ = eraName(clock::today());
    initCreationDate();
    buildMenu();
    main_ = new QWidget(this);
    main_->setObjectName("Panel_main");
    main_->setFixedSize(kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu_);
    layout->addWidget(form::scrollWhenTooLarge(this, main_));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buildEmblem(main_);
    buildPages(main_);
    buildTopBar(main_);
    settings_ = new SettingsPanel(main_);
    connect(settings_, &SettingsPanel::saveRequested, this, &TForm1::saveSettings);
    generation_ = new GenerationPanel(project_, main_);
    generation_->setProjectFile([this] { return projectFile_; });
    connect(generation_, &GenerationPanel::findingChosen, this, &TForm1::goToFinding);
    connect(generation_, &GenerationPanel::sheetListWanted, this, [this](const QStringList& names) {
        // Hiding ends the window's modal run; its opener shows the list and
        // then this window again.
        sheetList_ = names;
        hide();
    });
    blink_ = new QTimer(this);
    blink_->setInterval(10);
    connect(blink_, &QTimer::timeout, this, &TForm1::blinkGuide);
    blink_->start();
    showPage(Orderer);
    readSettings(false);
    saved_.emplace(project_);
}

void TForm1::initCreationDate()
{
    if (project_.record.text("Edit41") == blankDateTemplate())
        project_.record.setText("Edit41", spacedEraDateText(clock::today()));
}

void TForm1::buildMenu()
{
    menu_ = new QMenuBar(this);
    QMenu* file = menu_->addMenu(QStringLiteral("ファイル(&F)"));
    file->addAction(QStringLiteral("開く(&O)"), QKeySequence::Open, this, &TForm1::openProject);
    file->addAction(QStringLiteral("上書き保存(&S)"), QKeySequence::Save, this, &TForm1::saveProject);
    file->addAction(QStringLiteral("名前を付けて保存(&A)..."), QKeySequence::SaveAs, this, &TForm1::saveProjectAs);
    file->addAction(QStringLiteral("閉じる(&C)"));
    QMenu* link = menu_->addMenu(QStringLiteral("リンク(&L)"));
    link->addAction(QStringLiteral("グリーンサイトリンク(&G)"), this,
                    [] { Dialogs::current().openWithDesktop(web::greenSite()); });
    QMenu* setup = menu_->addMenu(QStringLiteral("設定(&T)"));
    setup->addAction(QStringLiteral("基本設定(&B)"), this, &TForm1::openSettings);
    QMenu* checks = menu_->addMenu(QStringLiteral("チェック(&K)"));
    checks->addAction(QStringLiteral("提出前チェック(&C)"), this, &TForm1::checkBeforeSubmission);
}

void TForm1::checkBeforeSubmission()
{
    Ttenken window(check::checkSite(project_, clock::today()), Ttenken::Mode::OnItsOwn, this);
    Dialogs::current().exec(window);
    if (const std::optional<check::Finding> chosen = window.chosen())
        goToFinding(*chosen);
}

void TForm1::goToFinding(const check::Finding& f)
{
    generation_->hide();
    switch (f.place) {
    case check::Place::Site:
        if (f.control == QLatin1String("Edit1") || f.control == QLatin1String("Edit5")
            || f.control == QLatin1String("Edit6"))
            showPage(Orderer);
        break;
    case check::Place::Prime:
        showPage(Prime);
        break;
    case check::Place::Contractor: {
        showPage(Subcontractors);
        SiteTreeView* tree = contractors_->treePanel()->tree();
        for (int node = 0; node < project_.tree.size(); ++node)
            if (sitetree::rowOfNode(project_, node) == f.row) {
                tree->setCurrentItem(tree->itemOfIndex(node));
                sitetree::selectNode(project_, node);
                contractors_->showCurrentRow();
                break;
            }
        break;
    }
    case check::Place::Worker:
        showPage(Workers);
        workers_->showWorker(f.row);
        break;
    }
    if (auto* field = f.control.isEmpty() ? nullptr : findChild<QLineEdit*>(f.control))
        field->setFocus();
}

void TForm1::buildTopBar(QWidget* main)
{
    auto* bar = new QFrame(main);
    bar->setObjectName("Panel_top");
    bar->setGeometry(0, 0, kClientWidth, 64);
    auto* closeButton = form::button(bar, QStringLiteral("閉じる"), 6, 4, 60, 24, "Button_close");
    auto* title = form::label(bar, QStringLiteral("安全書類全建統一様式"), 74, 4, 200, 24);
    title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 12pt;"));
    form::label(bar, QStringLiteral("工事名称"), 280, 6, 60);
    form::edit(bar, "Edit9", 340, 4, 300);
    form::label(bar, QStringLiteral("作成日"), 650, 6, 50);
    auto* created = form::edit(bar, "Edit41", 700, 4, 180);
    auto* help = form::button(bar, QStringLiteral("HELP"), 890, 4, 60, 24, "Button_help");
    const QString captions[] = {QStringLiteral("発注者情報"), QStringLiteral("元請負業者情報"),
                                QStringLiteral("再下請負業者情報"), QStringLiteral("作 業 員 名 簿")};
    for (int i = 0; i < 4; ++i) {
        pageButtons_[i]
            = form::button(bar, captions[i], 280 + i * 135, 32, 127, 18, QStringLiteral("Button_page%1").arg(i + 1));
        connect(pageButtons_[i], &QPushButton::clicked, this, [this, i] { showPage(Page(i)); });
    }
    strip_ = new QFrame(main);
    strip_->setObjectName("Panel_strip");
    strip_->setAutoFillBackground(true);
    auto* documents = form::button(bar, QStringLiteral("安全書類の作成"), 830, 32, 130, 24, "Button_documents");
    auto* settingsButton = form::button(bar, QStringLiteral("基本設定"), 966, 32, 90, 24, "Button_settings");
    // Two lines beside the buttons; a longer text is shortened in the middle
    // and shown whole as its tip.
    status_ = form::label(bar, QString(), 1062, 28, 174, 40);
    status_->setObjectName("Label_status");
    status_->setWordWrap(true);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, &openManual);
    connect(settingsButton, &QPushButton::clicked, this, &TForm1::openSettings);
    connect(documents, &QPushButton::clicked, this, [this] {
        generation_->show();
        generation_->raise();
        form::scrollIntoView(generation_);
    });
    (new RecordBinder(project_.record, bar))->bindAll();
    FieldEvents::of(this)->onDoubleClick(created,
                                         [this, created] { created->setText(pickEraDate(*windows_.calendar, 2)); });
}

void TForm1::buildEmblem(QWidget* main)
{
    auto* emblem = new QFrame(main);
    emblem->setObjectName("Panel_emblem");
    emblem->setGeometry(272, 415, 700, 200);
    emblem->setStyleSheet(QStringLiteral("QFrame#Panel_emblem { background: white; border: 1px solid #c0c0c0; }"));
    auto* cross = form::label(emblem, QStringLiteral("✚"), 40, 40, 120, 120);
    cross->setStyleSheet(QStringLiteral("color: #1a8f3a; font-size: 72pt;"));
    auto* caption = form::label(emblem, QStringLiteral("安全第一"), 200, 50, 460, 100);
    caption->setStyleSheet(QStringLiteral("color: #1a8f3a; font-size: 54pt; font-weight: bold;"));
}

void TForm1::buildPages(QWidget* main)
{
    orderer_ = new OrdererPage(project_, windows_, main);
    prime_ = new PrimePage(project_, windows_, main);
    contractors_ = new ContractorPage(project_, registry_, windows_, main);
    workers_ = new WorkerPage(project_, registry_, windows_, main);
    pages_[Orderer] = orderer_;
    pages_[Prime] = prime_;
    pages_[Subcontractors] = contractors_;
    pages_[Workers] = workers_;
    const char* names[] = {"Page_orderer", "Page_prime", "Page_contractors", "Page_workers"};
    for (int i = 0; i < 4; ++i) {
        pages_[i]->setObjectName(names[i]);
        pages_[i]->move(8, 65);
    }
    connect(prime_, &PrimePage::callUpRequested, this, &TForm1::callUpPrime);
    connect(contractors_, &ContractorPage::callUpRequested, this, &TForm1::callUpContractor);
    connect(workers_, &WorkerPage::registerRequested, this, &TForm1::callUpWorkers);
    connect(workers_, &WorkerPage::workerStored, this, &TForm1::showStatus);
}

void TForm1::showPage(Page page)
{
    page_ = page;
    for (int i = 0; i < 4; ++i) {
        pages_[i]->setVisible(i == page);
        pageButtons_[i]->setEnabled(i != page);
    }
    const QRect b = pageButtons_[page]->geometry();
    strip_->setGeometry(b.x(), 50, 127, 15);
    strip_->setStyleSheet(QStringLiteral("background-color: %1;").arg(QLatin1String(kStripColours[page])));
    strip_->raise();
    switch (page) {
    case Orderer:
        project_.guideState = 0;
        break;
    case Prime:
        project_.guideState = 1;
        prime_->guideFrame()->show();
        project::refreshPrimeDates(project_);
        break;
    case Subcontractors:
        project_.guideState = 2;
        contractors_->enter();
        break;
    case Workers:
        workers_->move(17, 65);
        workers_->enter();
        break;
    }
}

int TForm1::poji() const
{
    return project_.guideState;
}

QFrame* TForm1::guideFrame(int frame) const
{
    switch (frame) {
    case 1:
        return prime_->guideFrame();
    case 2:
        return contractors_->guideFrame();
    case 3:
        return contractors_->treePanel()->guideFrame();
    default:
        return nullptr;
    }
}

void TForm1::blinkGuide()
{
    const GuideLook look = guideLook(project_.guideState, clock::now().time().second(), project_.record.text("Edit10"),
                                     project_.nodeCount);
    QFrame* frame = guideFrame(look.frame);
    if (!frame)
        return;
    frame->setVisible(look.visible);
    // The timer runs a hundred times a second; restyle only on a change.
    const QString style = QStringLiteral("background-color: #%1;").arg(look.rgb, 6, 16, QLatin1Char('0'));
    if (frame->styleSheet() != style)
        frame->setStyleSheet(style);
}

void TForm1::setRegistrationOpener(std::function<void(int)> open)
{
    openRegistration_ = std::move(open);
}

void TForm1::callUpPrime()
{
    if (openRegistration_)
        openRegistration_(2);
}

void TForm1::callUpContractor()
{
    contractors_->guideFrame()->hide();
    // A company already on the site keeps its row; the pick gets its own.
    const int before = project_.currentRow;
    editor::beginCallUp(project_);
    if (openRegistration_)
        openRegistration_(3);
    if (!editorRowHoldsCompany(project_)) {
        // Closed without a pick: when the call-up had moved the editor to a
        // free row, it shows its own row (row 1 when none) again.
        if (project_.currentRow != before) {
            project_.currentRow = std::max(before, 1);
            editor::load(project_);
            project_.currentRow = before;
        }
        return;
    }
    contractors_->showCurrentRow();
    contractors_->treePanel()->guideFrame()->show();
    editor::finishCallUp(project_);
    contractors_->treePanel()->offerName(project_.record.text(QStringLiteral("Edit42")));
}

void TForm1::callUpWorkers(const QString& company)
{
    if (windows_.registration)
        windows_.registration->siteCompany = company;
    if (openRegistration_)
        openRegistration_(1);
    workers_->finishRegistration();
}

void TForm1::saveProject()
{
    if (projectFile_.isEmpty())
        saveProjectAs();
    else
        writeProject(projectFile_);
}

void TForm1::saveProjectAs()
{
    const QString chosen = Dialogs::current().saveFileName(
        QStringLiteral("anz|*.anz"), QFileInfo(fileName_).absolutePath(), project_.record.text("Edit9"));
    if (chosen.isEmpty())
        return;
    fileName_ = chosen;
    writeProject(projectfile::fileNameFor(chosen));
}

void TForm1::writeProject(const QString& path)
{
    try {
        project::save(path, project_);
    } catch (const Error& e) {
        Dialogs::current().message(e.message(), Dialogs::Kind::Error);
        return;
    }
    projectFile_ = path;
    markSaved(path);
    showStatus(QStringLiteral("保存しました（%1）").arg(QFileInfo(path).fileName()));
}

bool TForm1::mayDiscardChanges()
{
    return !saved_->unsavedChanges()
        || Dialogs::current().askYesNo(QStringLiteral("保存していない変更があります。保存せずに閉じますか？"));
}

void TForm1::openProject()
{
    if (!mayDiscardChanges())
        return;
    const QString folder = fileName_.isEmpty() ? QString() : QFileInfo(fileName_).absolutePath();
    const QString chosen = Dialogs::current().openFileName(QStringLiteral("anz|*.anz"), folder);
    if (!chosen.isEmpty())
        openProjectFile(chosen);
}

bool TForm1::openProjectFile(const QString& chosen)
{
    try {
        project::open(chosen, project_);
    } catch (const Error& e) {
        // Nothing of the file was taken: the open project, its file and its
        // unsaved state stay as they were.
        Dialogs::current().message(e.message(), Dialogs::Kind::Error);
        return false;
    }
    fileName_ = chosen;
    projectFile_ = chosen;
    contractors_->showCurrentRow();
    if (page_ == Workers)
        workers_->enter(); // the companies of the project just read
    markSaved(chosen);
    return true;
}

void TForm1::markSaved(const QString& path)
{
    saved_->markSaved(path);
    setWindowTitle(QStringLiteral("Mirevo！ / Ver1.00 - %1").arg(saved_->fileName()));
}

void TForm1::showStatus(const QString& text)
{
    const QString shown = fittedStatus(text);
    status_->setText(shown);
    status_->setToolTip(shown == text ? QString() : text);
    QTimer::singleShot(5000, status_, [label = status_, shown] {
        if (label->text() == shown) {
            label->clear();
            label->setToolTip(QString());
        }
    });
}

QString TForm1::fittedStatus(const QString& text) const
{
    const QFontMetrics metrics(status_->font());
    const QRect room = status_->contentsRect();
    if (metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= room.height())
        return text;
    const int lines = std::max(1, room.height() / metrics.lineSpacing());
    return metrics.elidedText(text, Qt::ElideMiddle, lines * room.width() - 2 * metrics.maxWidth());
}

void TForm1::readSettings(bool showPanel)
{
    const QString path = settings::fileName();
    fileName_ = path;
    if (!QFileInfo::exists(path)) {
        // First start: nothing is chosen, so nothing is taken over until the
        // user saves a choice. A file that was there and is gone is
        // reported; the choice made in this run stays.
        if (showPanel && primeChoice_ != PrimeChoice::Unset)
            Dialogs::current().message(QStringLiteral("基本設定ファイル「set.kss」が見つかりません。"
                                                      "現在の設定を表示します。「保存」で作り直せます。"),
                                       Dialogs::Kind::Error);
    } else {
        try {
            primeChoice_ = settings::read(path, primeChoice_);
        } catch (const Error& e) {
            Dialogs::current().message(e.message(), Dialogs::Kind::Error);
            return;
        }
    }
    settings_->setChoice(primeChoice_);
    if (showPanel) {
        settings_->show();
        form::scrollIntoView(settings_);
        settings_->raise();
    }
}

void TForm1::openSettings()
{
    readSettings(true);
}

void TForm1::saveSettings()
{
    primeChoice_ = settings_->choice();
    fileName_ = settings::fileName();
    settings::write(fileName_, primeChoice_);
    Dialogs::current().message(QStringLiteral("保存しました。"), Dialogs::Kind::Information);
    settings_->hide();
}

bool TForm1::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        onActivated();
    return QDialog::event(e);
}

void TForm1::onActivated()
{
    form::centreOnScreen(this);
    try {
        registry_.load();
        settings::takeOverPrime(primeChoice_, registry_.companies, project_);
        lastActivationError_.clear();
    } catch (const Error& e) {
        // The message box's closing activates the window again; report a
        // broken registry once, not in a loop.
        if (e.message() != lastActivationError_) {
            lastActivationError_ = e.message();
            Dialogs::current().message(e.message(), Dialogs::Kind::Error);
        }
    }
    if (primeChoice_ == PrimeChoice::NoSetting && project_.currentRow == 1)
        contractors_->showCurrentRow();
}

void TForm1::closeEvent(QCloseEvent* e)
{
    if (isVisible() && !mayDiscardChanges()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void TForm1::done(int result)
{
    // Every way of closing (button, close box) ends here; the
    // project stays in the window for the next opening.
    settings_->hide();
    generation_->closePanel();
    QDialog::done(result);
    emit closedToStartMenu();
}

QStringList TForm1::takeSheetList()
{
    return std::exchange(sheetList_, {});
}

void TForm1::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    main_->setFixedSize(kClientWidth, kClientHeight);
}

} // namespace mirevo
