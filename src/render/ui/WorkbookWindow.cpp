#include "WorkbookWindow.h"

#include "SheetView.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/ui/WindowRules.h"
#include "render/PdfExport.h"
#include "render/WorkbookPages.h"
#include "spreadsheet/Spreadsheet.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace mirevo::render {

namespace {

const QString kXlsxFilter = QStringLiteral("Excel ブック (*.xlsx)");
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");

QString messageOf(const std::exception& e)
{
    return QString::fromUtf8(e.what());
}

} // namespace

WorkbookWindow::WorkbookWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("WorkbookWindow"));
    setWindowTitle(QStringLiteral("ブック"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view_ = new SheetView(central);
    tabs_ = new QTabBar(central);
    tabs_->setObjectName(QStringLiteral("SheetTabs"));
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(true);
    layout->addWidget(view_, 1);
    layout->addWidget(tabs_);
    setCentralWidget(central);
    connect(tabs_, &QTabBar::currentChanged, this, &WorkbookWindow::showCurrentSheet);
    buildMenus();
    buildZoom();
    resize(form::sizeOnScreen(this, QSize(1200, 800)));
}

WorkbookWindow::~WorkbookWindow() = default;

void WorkbookWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    auto add = [&](QMenu* menu, const char* name, const QString& caption, QKeySequence key, auto slot, bool needsBook) {
        QAction* a = menu->addAction(caption, this, slot);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        if (needsBook)
            bookActions_.push_back(a);
        return a;
    };
    add(file, "OpenAction", QStringLiteral("開く(&O)..."), QKeySequence::Open, &WorkbookWindow::openDialog, false);
    add(file, "SaveAsAction", QStringLiteral("名前を付けて保存(&A)..."), QKeySequence::SaveAs,
        &WorkbookWindow::saveAsDialog, true);
    file->addSeparator();
    add(file, "PrintAction", QStringLiteral("印刷(&P)..."), QKeySequence::Print, &WorkbookWindow::printDialog, true);
    add(file, "ExportPdfAction", QStringLiteral("PDF に出力(&E)..."), QKeySequence(), &WorkbookWindow::exportPdfDialog,
        true);
    file->addSeparator();
    add(file, "CloseAction", QStringLiteral("閉じる(&C)"), QKeySequence::Close, &QWidget::close, false);

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    pageView_ = view->addAction(QStringLiteral("ページ表示(&P)"));
    pageView_->setObjectName(QStringLiteral("PageViewAction"));
    pageView_->setCheckable(true);
    connect(pageView_, &QAction::toggled, view_, &SheetView::setPageView);
    add(
        view, "ZoomInAction", QStringLiteral("拡大(&I)"), QKeySequence::ZoomIn,
        [this] { zoom_->setCurrentText(QString::number(std::min(400, view_->zoom() + 25)) + u'%'); }, false);
    add(
        view, "ZoomOutAction", QStringLiteral("縮小(&O)"), QKeySequence::ZoomOut,
        [this] { zoom_->setCurrentText(QString::number(std::max(10, view_->zoom() - 25)) + u'%'); }, false);
    view->addSeparator();
    add(
        view, "NextSheetAction", QStringLiteral("次のシート(&N)"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
        [this] { tabs_->setCurrentIndex(std::min(tabs_->count() - 1, tabs_->currentIndex() + 1)); }, true);
    add(
        view, "PreviousSheetAction", QStringLiteral("前のシート(&B)"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
        [this] { tabs_->setCurrentIndex(std::max(0, tabs_->currentIndex() - 1)); }, true);
    for (QAction* a : bookActions_)
        a->setEnabled(false);
}

void WorkbookWindow::buildZoom()
{
    zoom_ = new QComboBox(this);
    zoom_->setObjectName(QStringLiteral("ZoomBox"));
    zoom_->setEditable(true);
    for (int z : {25, 50, 75, 100, 125, 150, 200, 300, 400})
        zoom_->addItem(QString::number(z) + u'%');
    zoom_->setCurrentText(QStringLiteral("100%"));
    connect(zoom_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        bool ok = false;
        const int z = QString(text).remove(u'%').trimmed().toInt(&ok);
        if (ok)
            view_->setZoom(z);
    });
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("PageLabel"));
    statusBar()->addWidget(pageLabel_, 1);
    statusBar()->addPermanentWidget(new QLabel(QStringLiteral("倍率"), this));
    statusBar()->addPermanentWidget(zoom_);
}

void WorkbookWindow::open(sheet::Workbook& book)
{
    book_ = &book;
    unsaved_ = book.FullName().empty();
    showWorkbook();
}

void WorkbookWindow::closeEvent(QCloseEvent* event)
{
    if (unsaved_ && isVisible()
        && !Dialogs::current().askYesNo(QStringLiteral("ブックは保存されていません。保存せずに閉じますか？"))) {
        event->ignore();
        return;
    }
    event->accept();
}

bool WorkbookWindow::openFile(const QString& path)
{
    auto app = std::make_unique<sheet::Application>();
    try {
        // The sheet in front is read at once, each other sheet when it is first shown.
        sheet::Workbook& book
            = app->Workbooks().Open(QFileInfo(path).absoluteFilePath(), sheet::SheetReading::OnDemand);
        view_->setSheet(nullptr);
        app_ = std::move(app);
        book_ = &book;
        unsaved_ = false;
    } catch (const std::exception& e) {
        Dialogs::current().message(QStringLiteral("ブックを開けません: %1\n%2").arg(path, messageOf(e)),
                                   Dialogs::Kind::Error);
        return false;
    }
    showWorkbook();
    return true;
}

void WorkbookWindow::showWorkbook()
{
    const QSignalBlocker block(tabs_);
    while (tabs_->count())
        tabs_->removeTab(0);
    for (const QString& name : sheetNames())
        tabs_->addTab(name);
    const QString file = QString::fromStdString(book_->FullName());
    setWindowTitle(file.isEmpty() ? QStringLiteral("ブック")
                                  : QStringLiteral("ブック - ") + QFileInfo(file).fileName());
    for (QAction* a : bookActions_)
        a->setEnabled(true);
    const int active = std::clamp(book_->activeIndex(), 0, std::max(0, tabs_->count() - 1));
    tabs_->setCurrentIndex(active);
    showCurrentSheet(active);
}

QStringList WorkbookWindow::sheetNames() const
{
    QStringList names;
    if (book_)
        for (const auto& s : book_->sheets())
            names << QString::fromStdString(s->Name());
    return names;
}

bool WorkbookWindow::showSheet(const QString& name)
{
    const int index = sheetNames().indexOf(name);
    if (index < 0)
        return false;
    if (tabs_->currentIndex() != index)
        tabs_->setCurrentIndex(index); // shows the sheet, once
    else
        showCurrentSheet(index);
    show();
    raise();
    activateWindow();
    return true;
}

void WorkbookWindow::showCurrentSheet(int index)
{
    if (!book_ || index < 0 || index >= int(book_->sheets().size())) {
        view_->setSheet(nullptr);
        pageLabel_->clear();
        return;
    }
    const sheet::Worksheet* sheet = book_->sheets()[size_t(index)].get();
    try {
        sheet->data(); // a sheet opened on demand is read here; its part may be malformed
    } catch (const sheet::SheetError& e) {
        view_->setSheet(nullptr);
        pageLabel_->clear();
        Dialogs::current().message(QStringLiteral("シートを読めません: %1").arg(messageOf(e)), Dialogs::Kind::Error);
        return;
    }
    view_->setSheet(sheet);
    pageLabel_->setText(QStringLiteral("%1 ページ").arg(view_->pageCount()));
}

std::vector<int> WorkbookWindow::scopeSheets(PrintScope scope) const
{
    if (scope == PrintScope::CurrentSheet)
        return {std::max(0, tabs_->currentIndex())};
    return {};
}

int WorkbookWindow::print(QPrinter& printer, PrintScope scope, int first, int last)
{
    if (!book_)
        throw Error(QStringLiteral("印刷するブックがありません"));
    try {
        const WorkbookPages pages(*book_, scopeSheets(scope));
        printer.setFullPage(true);
        const int from = first > 0 ? first - 1 : 0;
        const int to = last > 0 ? last - 1 : pages.pageCount() - 1;
        return printPages(printer, pages, from, to);
    } catch (const sheet::SheetError& e) {
        throw Error(messageOf(e));
    }
}

void WorkbookWindow::openDialog()
{
    const QString path = Dialogs::current().openFileName(kXlsxFilter, QString());
    if (!path.isEmpty())
        openFile(path);
}

void WorkbookWindow::saveAsDialog()
{
    if (!book_)
        return;
    const QString path = Dialogs::current().saveFileName(kXlsxFilter, QString(), QStringLiteral("安全書類.xlsx"));
    if (path.isEmpty())
        return;
    try {
        book_->SaveAs(QFileInfo(path).absoluteFilePath());
    } catch (const std::exception& e) {
        throw Error(QStringLiteral("%1 を保存できません: %2").arg(path, messageOf(e)));
    }
    unsaved_ = false;
    setWindowTitle(QStringLiteral("ブック - ") + QFileInfo(path).fileName());
    Dialogs::current().message(QStringLiteral("保存しました"), Dialogs::Kind::Information);
}

void WorkbookWindow::exportPdfDialog()
{
    if (!book_)
        return;
    const QString base = QFileInfo(QString::fromStdString(book_->FullName())).completeBaseName();
    const QString path = Dialogs::current().saveFileName(kPdfFilter, QString(),
                                                         (base.isEmpty() ? QStringLiteral("安全書類") : base) + ".pdf");
    if (path.isEmpty())
        return;
    try {
        const int pages = exportPdf(*book_, QFileInfo(path).absoluteFilePath());
        Dialogs::current().message(QStringLiteral("PDF に出力しました (%1 ページ)").arg(pages),
                                   Dialogs::Kind::Information);
    } catch (const std::exception& e) {
        throw Error(messageOf(e));
    }
}

void WorkbookWindow::printDialog()
{
    if (!book_)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    // "Selection" stands for the sheet in front; a page range counts the whole workbook's pages.
    dialog.setOptions(QAbstractPrintDialog::PrintSelection | QAbstractPrintDialog::PrintPageRange
                      | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(1, WorkbookPages(*book_).pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PrintScope scope
        = printer.printRange() == QPrinter::Selection ? PrintScope::CurrentSheet : PrintScope::Workbook;
    const bool range = printer.printRange() == QPrinter::PageRange;
    print(printer, scope, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}

} // namespace mirevo::render
