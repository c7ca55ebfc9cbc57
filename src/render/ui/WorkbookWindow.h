#pragma once
// The program's own window onto a workbook: sheet tabs, zoom, a page view, Save as .xlsx,
// Print… and Export PDF…. It shows a workbook it is given (the generated one) or one it opens
// itself (File ▸ Open).
#include <QMainWindow>

#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QTabBar;

namespace mirevo::sheet {
class Application;
class Workbook;
} // namespace mirevo::sheet

namespace mirevo::render {

class SheetView;

class WorkbookWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit WorkbookWindow(QWidget* parent = nullptr);
    ~WorkbookWindow() override;

    // Shows `book`, which the caller keeps alive while the window shows it. A book that
    // has no file yet (a generated one) counts as unsaved until Save as has written it;
    // closing the window then asks first.
    void open(sheet::Workbook& book);
    bool unsaved() const { return unsaved_; }
    // Reads an .xlsx file and shows it; a file that cannot be read is reported and the
    // workbook shown so far stays.
    bool openFile(const QString& path);
    // Brings the named sheet to the front; false when the workbook has no such sheet.
    bool showSheet(const QString& name);
    QStringList sheetNames() const;
    sheet::Workbook* workbook() const { return book_; }
    SheetView* view() const { return view_; }

    enum class PrintScope { Workbook, CurrentSheet };
    // Prints on `printer` (any QPrinter: a printing device or PDF): the whole workbook or the
    // current sheet, and of those the pages first..last (1-based; 0, 0 for all).
    // Returns the number of pages printed.
    int print(QPrinter& printer, PrintScope scope, int first = 0, int last = 0);

    // The menu commands, also for tests.
    void openDialog();
    void saveAsDialog();
    void printDialog();
    void exportPdfDialog();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildZoom();
    void showWorkbook();
    void showCurrentSheet(int index);
    std::vector<int> scopeSheets(PrintScope scope) const;

    std::unique_ptr<sheet::Application> app_; // for workbooks the window opens itself
    sheet::Workbook* book_ = nullptr;
    SheetView* view_;
    QTabBar* tabs_;
    QComboBox* zoom_;
    QAction* pageView_;
    QLabel* pageLabel_;
    std::vector<QAction*> bookActions_; // enabled only while a workbook is shown
    bool unsaved_ = false;
};

} // namespace mirevo::render
