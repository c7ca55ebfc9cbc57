#pragma once
#include "common/ui/WindowSet.h"
#include "project/BasicSettings.h"
#include "project/SavedState.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimer;

namespace mirevo {

namespace check {
struct Finding;
}
class ContractorPage;
class GenerationPanel;
class OrdererPage;
class PrimePage;
class Project;
class Registry;
class SettingsPanel;
class WorkerPage;

// The project window: the top bar with the works' name and creation date,
// four pages (orderer, prime contractor, subcontractors, workers), the
// settings panel and the blinking guide frame.
class TForm1 : public QDialog {
    Q_OBJECT
public:
    enum Page { Orderer, Prime, Subcontractors, Workers };

    TForm1(Project& project, Registry& registry, WindowSet& windows, QWidget* parent = nullptr);

    // Opens the company registration window in a mode (2 prime, 3
    // subcontractor); set by the program once that window exists.
    void setRegistrationOpener(std::function<void(int mode)> open);

    void showPage(Page page);
    Page currentPage() const { return page_; }
    int poji() const;
    QString gengou() const { return gengou_; }
    PrimeChoice primeChoice() const { return primeChoice_; }

    // Menu actions, also used by tests. saveProject() writes the project's
    // own file and asks for a name only when it has none yet.
    void saveProject();
    void saveProjectAs();
    void openProject();
    // Opens `path` without asking for a file (a project named on the
    // command line); a file that cannot be read is reported. False then.
    bool openProjectFile(const QString& path);
    void openSettings();
    void saveSettings();
    // "提出前チェック": the check's findings in a window of their own.
    void checkBeforeSubmission();
    // Brings the page, row or worker a finding concerns into view.
    void goToFinding(const check::Finding& finding);
    // One tick of the guide blink.
    void blinkGuide();
    void done(int result) override;
    // Whether the project differs from what was last saved or opened.
    bool unsavedChanges() const { return saved_->unsavedChanges(); }

    GenerationPanel* generationPanel() const { return generation_; }
    // After a conversion the window hides itself and leaves the sheet list to
    // its opener: the names of the workbook's sheets, once; empty otherwise.
    QStringList takeSheetList();

signals:
    void closedToStartMenu();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // With unsaved changes, asks before the window closes.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTopBar(QWidget* main);
    void buildMenu();
    void buildPages(QWidget* main);
    void buildEmblem(QWidget* main);
    void initCreationDate();
    void readSettings(bool showPanel);
    void writeProject(const QString& path);
    // Whether the project may be replaced or closed: no unsaved changes, or
    // the user agrees to lose them.
    bool mayDiscardChanges();
    void markSaved(const QString& path);
    void showStatus(const QString& text);
    // `text` as it fits the status label, shortened in the middle if need be.
    QString fittedStatus(const QString& text) const;
    void onActivated();
    void callUpPrime();
    void callUpContractor();
    void callUpWorkers(const QString& company);
    QFrame* guideFrame(int frame) const;

    Project& project_;
    Registry& registry_;
    WindowSet& windows_;
    std::function<void(int)> openRegistration_;
    QString gengou_;
    QString fileName_;
    PrimeChoice primeChoice_ = PrimeChoice::Unset;
    Page page_ = Orderer;
    QString lastActivationError_;
    std::optional<SavedState> saved_;

    QMenuBar* menu_ = nullptr;
    QWidget* main_ = nullptr;
    QFrame* strip_ = nullptr;
    QPushButton* pageButtons_[4] = {};
    QWidget* pages_[4] = {};
    OrdererPage* orderer_ = nullptr;
    PrimePage* prime_ = nullptr;
    ContractorPage* contractors_ = nullptr;
    WorkerPage* workers_ = nullptr;
    SettingsPanel* settings_ = nullptr;
    GenerationPanel* generation_ = nullptr;
    QString projectFile_;   // last saved or opened
    QStringList sheetList_; // asked for by the last conversion
    QTimer* blink_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace mirevo
