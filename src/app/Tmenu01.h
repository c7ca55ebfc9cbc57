#pragma once
#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;
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

    // Shows the menu again at 328 × 47, centred on the screen.
    void showAgain();
    // Fills and shows the sheet list; a click on a name calls `select`.
    void showSheetList(const QStringList& names, std::function<bool(const QString&)> select);
    bool sheetListShown() const;

protected:
    bool event(QEvent* event) override;
    // Closing the menu ends the program, unless it is showing the sheet
    // list over the project window: then it only goes away.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void hideOutOfSight();
    void placeForContent();

    QPushButton* registration_;
    QPushButton* documents_;
    QWidget* sheetPanel_;
    QListWidget* sheetList_;
    std::function<void()> openRegistration_;
    std::function<void()> openProject_;
    std::function<bool(const QString&)> selectSheet_;
    bool placing_ = false;
};

} // namespace mirevo
