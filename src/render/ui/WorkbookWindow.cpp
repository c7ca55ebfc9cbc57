#include "WorkbookWindow.h"

#include "PdfExport.h"
#include "SheetView.h"
#include "Spreadsheet.h"
#include "WorkbookPages.h"
#include "common/Dialogs.h"
#include "common/Error.h"

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

QString messageOf(const std::exception &e)
{
    return QString::fromUtf8(e.what());
}

} // namespace

WorkbookWindow::WorkbookWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("WorkbookWindow"));
    setWindowTitle(QStringLiteral("ブック"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_view = new SheetView(central);
    m_tabs = new QTabBar(central);
    m_tabs->setObjectName(QStringLiteral("SheetTabs"));
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_tabs);
    setCentralWidget(central);
    connect(m_tabs, &QTabBar::currentChanged, this, &WorkbookWindow::showCurrentSheet);
    buildMenus();
    buildZoom();
    resize(1200, 800);
}

WorkbookWindow::~WorkbookWindow() = default;

void WorkbookWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("FileMenu"));
    auto add = [&](QMenu *menu, const char *name, const QString &caption, QKeySequence key, auto slot, bool needsBook) {
        QAction *a = menu->addAction(caption, this, slot);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        if (needsBook)
            m_bookActions.push_back(a);
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

    QMenu *view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    m_pageView = view->addAction(QStringLiteral("ページ表示(&P)"));
    m_pageView->setObjectName(QStringLiteral("PageViewAction"));
    m_pageView->setCheckable(true);
    connect(m_pageView, &QAction::toggled, m_view, &SheetView::setPageView);
    add(view, "ZoomInAction", QStringLiteral("拡大(&I)"), QKeySequence::ZoomIn,
        [this] { m_zoom->setCurrentText(QString::number(std::min(400, m_view->zoom() + 25)) + u'%'); }, false);
    add(view, "ZoomOutAction", QStringLiteral("縮小(&O)"), QKeySequence::ZoomOut,
        [this] { m_zoom->setCurrentText(QString::number(std::max(10, m_view->zoom() - 25)) + u'%'); }, false);
    view->addSeparator();
    add(view, "NextSheetAction", QStringLiteral("次のシート(&N)"), QKeySequence(Qt::CTRL | Qt::Key_PageDown),
        [this] { m_tabs->setCurrentIndex(std::min(m_tabs->count() - 1, m_tabs->currentIndex() + 1)); }, true);
    add(view, "PreviousSheetAction", QStringLiteral("前のシート(&B)"), QKeySequence(Qt::CTRL | Qt::Key_PageUp),
        [this] { m_tabs->setCurrentIndex(std::max(0, m_tabs->currentIndex() - 1)); }, true);
    for (QAction *a : m_bookActions)
        a->setEnabled(false);
}

void WorkbookWindow::buildZoom()
{
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("ZoomBox"));
    m_zoom->setEditable(true);
    for (int z : {25, 50, 75, 100, 125, 150, 200, 300, 400})
        m_zoom->addItem(QString::number(z) + u'%');
    m_zoom->setCurrentText(QStringLiteral("100%"));
    connect(m_zoom, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        bool ok = false;
        const int z = QString(text).remove(u'%').trimmed().toInt(&ok);
        if (ok)
            m_view->setZoom(z);
    });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("PageLabel"));
    statusBar()->addWidget(m_pageLabel, 1);
    statusBar()->addPermanentWidget(new QLabel(QStringLiteral("倍率"), this));
    statusBar()->addPermanentWidget(m_zoom);
}

void WorkbookWindow::open(sheet::Workbook &book)
{
    m_book = &book;
    m_unsaved = book.FullName().empty();
    showWorkbook();
}

void WorkbookWindow::closeEvent(QCloseEvent *event)
{
    if (m_unsaved && isVisible()
        && !Dialogs::current().askYesNo(QStringLiteral("ブックは保存されていません。保存せずに閉じますか？"))) {
        event->ignore();
        return;
    }
    event->accept();
}

bool WorkbookWindow::openFile(const QString &path)
{
    auto app = std::make_unique<sheet::Application>();
    try {
        // The sheet in front is read at once, each other sheet when it is first shown.
        sheet::Workbook &book = app->Workbooks().Open(QFileInfo(path).absoluteFilePath(), sheet::SheetReading::OnDemand);
        m_view->setSheet(nullptr);
        m_app = std::move(app);
        m_book = &book;
        m_unsaved = false;
    } catch (const std::exception &e) {
        Dialogs::current().message(QStringLiteral("ブックを開けません: %1\n%2").arg(path, messageOf(e)),
                                   Dialogs::Kind::Error);
        return false;
    }
    showWorkbook();
    return true;
}

void WorkbookWindow::showWorkbook()
{
    const QSignalBlocker block(m_tabs);
    while (m_tabs->count())
        m_tabs->removeTab(0);
    for (const QString &name : sheetNames())
        m_tabs->addTab(name);
    const QString file = QString::fromStdString(m_book->FullName());
    setWindowTitle(file.isEmpty() ? QStringLiteral("ブック") : QStringLiteral("ブック - ") + QFileInfo(file).fileName());
    for (QAction *a : m_bookActions)
        a->setEnabled(true);
    const int active = std::clamp(m_book->activeIndex(), 0, std::max(0, m_tabs->count() - 1));
    m_tabs->setCurrentIndex(active);
    showCurrentSheet(active);
}

QStringList WorkbookWindow::sheetNames() const
{
    QStringList names;
    if (m_book)
        for (const auto &s : m_book->sheets())
            names << QString::fromStdString(s->Name());
    return names;
}

bool WorkbookWindow::showSheet(const QString &name)
{
    const int index = sheetNames().indexOf(name);
    if (index < 0)
        return false;
    if (m_tabs->currentIndex() != index)
        m_tabs->setCurrentIndex(index); // shows the sheet, once
    else
        showCurrentSheet(index);
    show();
    raise();
    activateWindow();
    return true;
}

void WorkbookWindow::showCurrentSheet(int index)
{
    if (!m_book || index < 0 || index >= int(m_book->sheets().size())) {
        m_view->setSheet(nullptr);
        m_pageLabel->clear();
        return;
    }
    const sheet::Worksheet *sheet = m_book->sheets()[size_t(index)].get();
    try {
        sheet->data(); // a sheet opened on demand is read here; its part may be malformed
    } catch (const sheet::SheetError &e) {
        m_view->setSheet(nullptr);
        m_pageLabel->clear();
        Dialogs::current().message(QStringLiteral("シートを読めません: %1").arg(messageOf(e)), Dialogs::Kind::Error);
        return;
    }
    m_view->setSheet(sheet);
    m_pageLabel->setText(QStringLiteral("%1 ページ").arg(m_view->pageCount()));
}

std::vector<int> WorkbookWindow::scopeSheets(PrintScope scope) const
{
    if (scope == PrintScope::CurrentSheet)
        return {std::max(0, m_tabs->currentIndex())};
    return {};
}

int WorkbookWindow::print(QPrinter &printer, PrintScope scope, int first, int last)
{
    if (!m_book)
        throw Error(QStringLiteral("印刷するブックがありません"));
    try {
        const WorkbookPages pages(*m_book, scopeSheets(scope));
        printer.setFullPage(true);
        const int from = first > 0 ? first - 1 : 0;
        const int to = last > 0 ? last - 1 : pages.pageCount() - 1;
        return printPages(printer, pages, from, to);
    } catch (const sheet::SheetError &e) {
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
    if (!m_book)
        return;
    const QString path = Dialogs::current().saveFileName(kXlsxFilter, QString(), QStringLiteral("安全書類.xlsx"));
    if (path.isEmpty())
        return;
    try {
        m_book->SaveAs(QFileInfo(path).absoluteFilePath());
    } catch (const std::exception &e) {
        throw Error(QStringLiteral("%1 を保存できません: %2").arg(path, messageOf(e)));
    }
    m_unsaved = false;
    setWindowTitle(QStringLiteral("ブック - ") + QFileInfo(path).fileName());
    Dialogs::current().message(QStringLiteral("保存しました"), Dialogs::Kind::Information);
}

void WorkbookWindow::exportPdfDialog()
{
    if (!m_book)
        return;
    const QString base = QFileInfo(QString::fromStdString(m_book->FullName())).completeBaseName();
    const QString path = Dialogs::current().saveFileName(kPdfFilter, QString(),
                                                         (base.isEmpty() ? QStringLiteral("安全書類") : base) + ".pdf");
    if (path.isEmpty())
        return;
    try {
        const int pages = exportPdf(*m_book, QFileInfo(path).absoluteFilePath());
        Dialogs::current().message(QStringLiteral("PDF に出力しました (%1 ページ)").arg(pages), Dialogs::Kind::Information);
    } catch (const std::exception &e) {
        throw Error(messageOf(e));
    }
}

void WorkbookWindow::printDialog()
{
    if (!m_book)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    // "Selection" stands for the sheet in front; a page range counts the whole workbook's pages.
    dialog.setOptions(QAbstractPrintDialog::PrintSelection | QAbstractPrintDialog::PrintPageRange
                      | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(1, WorkbookPages(*m_book).pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PrintScope scope = printer.printRange() == QPrinter::Selection ? PrintScope::CurrentSheet : PrintScope::Workbook;
    const bool range = printer.printRange() == QPrinter::PageRange;
    print(printer, scope, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}

} // namespace mirevo::render
