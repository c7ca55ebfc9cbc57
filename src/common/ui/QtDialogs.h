#pragma once
#include "common/Dialogs.h"

class QWidget;

namespace mirevo {

// The production door: Qt message boxes and file dialogs, the desktop's
// default programs through QDesktopServices.
//
// Every box and file dialog gets an owner: the modal window that asked (the
// top of Qt's modal stack, known at once) or, when no modal window is open,
// the program's main window. The window system's notion of the active window
// is not used: it changes asynchronously, and right after another dialog has
// closed it is often empty, which would make the box a window of its own.
class QtDialogs final : public Dialogs {
public:
    // `mainWindow` owns the dialogs shown while no modal window is open.
    void setMainWindow(QWidget* mainWindow) { mainWindow_ = mainWindow; }
    // The owner the next dialog gets.
    QWidget* owner() const;

    void message(const QString& text, Kind kind, Button button) override;
    bool askYesNo(const QString& text, Kind kind) override;
    QString openFileName(const QString& filter, const QString& folder) override;
    QString saveFileName(const QString& filter, const QString& folder, const QString& proposedName) override;
    void beep() override;
    bool openWithDesktop(const QString& pathOrAddress) override;
    int exec(QDialog& dialog) override;

private:
    QWidget* mainWindow_ = nullptr;
};

} // namespace mirevo
