#pragma once
#include <QWidget>
#include <functional>

class QLabel;
class QEventLoop;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace mirevo {

// The start menu, the program's main window: "会社情報の事前登録" and
// "安全書類の作成". Closing it ends the program. Once a workbook has been
// made it can also show the workbook's sheet list.
class Tmenu01 : public QWidget {
    Q_OBJECT
public:
    explicit Tmenu01(QWidget* parent = nullptr);

    // What the two buttons open (modally); set by the program.
    void setOpeners(std::function<void()> registration, std::function<void()> project);

    // "安全書類の作成": the menu out of sight, the project window opened.
    void openProjectWindow();
    // Shows the menu again at 328 × 47, centred on the screen.
    void showAgain();
    // Shows the sheet list modally at the screen's top-left corner until it
    // is closed; a click on a name calls `select`, and a name that can no
    // longer be selected closes the list. Afterwards the menu is small again
    // and out of sight.
    void runSheetList(const QStringList& names, std::function<bool(const QString&)> select);
    bool sheetListShown() const;

protected:
    bool event(QEvent* event) override;
    // Closing the menu ends the program; closing the sheet list only ends
    // the list.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void hideOutOfSight();
    void placeForContent();
    void selectSheet(QListWidgetItem* item);

    QPushButton* registration_;
    QPushButton* documents_;
    QWidget* sheetPanel_;
    QListWidget* sheetList_;
    std::function<void()> openRegistration_;
    std::function<void()> openProject_;
    std::function<bool(const QString&)> selectSheet_;
    QEventLoop* listLoop_ = nullptr; // while the sheet list runs
    bool placing_ = false;
    bool outOfSight_ = false;
};

} // namespace mirevo
