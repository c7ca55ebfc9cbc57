#pragma once
#include "check/Finding.h"
#include "documents/Document.h"
#include "render/ui/WorkbookWindow.h"

#include <QFrame>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace mirevo {

class Project;

namespace sheet {
class Workbook;
}
namespace documents {
struct GenerationRun;
struct TemplateSource;
} // namespace documents

// The generation panel of the project window ("安全書類の作成"): the sixteen
// documents, their options and "Excel 変換". A conversion makes a new
// workbook, offers to save it beside the project file and shows it in a
// workbook window of its own; the window's owner then shows the sheet list.
class GenerationPanel : public QFrame {
    Q_OBJECT
public:
    GenerationPanel(const Project& project, QWidget* parent);

    // Where the project was last saved or opened from (empty: never); the
    // workbook is proposed beside it.
    void setProjectFile(std::function<QString()> projectFile);

    // Command-line keys of the ticked documents, in panel order.
    QStringList chosenKeys() const;
    documents::RunOptions options() const;

    // "全ON" / "全OFF".
    void toggleAll();
    // "Excel 変換": the pre-submission check first; with findings the user
    // makes the documents anyway or goes back to fix them.
    void convert();
    // "閉じる": hides the panel and lets go of the last workbook; its window stays.
    void closePanel();

    // The window of the last conversion's workbook, while it is open.
    render::WorkbookWindow* workbookWindow() const { return workbook_; }
    // Brings the named sheet of the last workbook to the front; false when
    // the window is closed or the workbook has no such sheet.
    bool selectSheet(const QString& name);

    // Where the workbook window goes on a screen whose available area is
    // `area`: the frame's top-left corner and the size inside the frame.
    static QRect workbookPlace(const QRect& area);

protected:
    // Says which template the next run will use.
    void showEvent(QShowEvent* event) override;

signals:
    // A conversion ended with a workbook: the names of its sheets.
    void sheetListWanted(const QStringList& names);
    // The user went back from the check's findings by choosing this one.
    void findingChosen(const check::Finding& finding);

private:
    void buildMenu();
    void buildOptions();
    void buildHiddenOptions();
    void buildActions();
    bool passCheck();
    void showProgress(int done, int total);
    void report(const documents::GenerationRun& run);
    void showTemplate(const documents::TemplateSource& source);
    bool offerSave(sheet::Workbook& book);
    void showWorkbook(documents::GenerationRun run);

    const Project& project_;
    std::function<QString()> projectFile_;
    std::vector<QCheckBox*> boxes_; // in panel order, as documents::choices()
    QRadioButton* educationAll_ = nullptr;
    QRadioButton* educationBlank_ = nullptr;
    QRadioButton* addressOn_ = nullptr;
    QRadioButton* addressOff_ = nullptr;
    QPushButton* toggle_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* template_ = nullptr; // the template in use, or the notice that none was found
    QString checkNote_;          // the check's counts when the user made the documents anyway
    QPointer<render::WorkbookWindow> workbook_;
};

} // namespace mirevo
