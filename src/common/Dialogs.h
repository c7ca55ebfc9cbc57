#pragma once
#include <QString>

class QDialog;

namespace mirevo {

// The one door to the user's desktop: message boxes, questions, file
// dialogs, the beep and "open this with the desktop". Windows call
// Dialogs::current(); tests install a scripted door that answers and records.
class Dialogs {
public:
    enum class Kind { Hint, Information, Warning, Error };
    // The one button of a message box.
    enum class Button { Ok, Yes };

    virtual ~Dialogs() = default;
    // A box with one button, OK unless told.
    virtual void message(const QString& text, Kind kind = Kind::Hint, Button button = Button::Ok) = 0;
    // A box with Yes and No, a warning unless told; true for Yes.
    virtual bool askYesNo(const QString& text, Kind kind = Kind::Warning) = 0;
    // Empty text when the user cancels.
    virtual QString openFileName(const QString& filter, const QString& folder) = 0;
    virtual QString saveFileName(const QString& filter, const QString& folder, const QString& proposedName) = 0;
    virtual void beep() = 0;
    // A file path or a web address, opened by the desktop's default program;
    // false when no program took it.
    virtual bool openWithDesktop(const QString& pathOrAddress) = 0;
    // A modal window of the program's own (a list for the user to review),
    // shown and left to the user; its result code.
    virtual int exec(QDialog& dialog) = 0;

    static Dialogs& current();
    // Takes no ownership; nullptr restores the default door.
    static void install(Dialogs* door);
};

} // namespace mirevo
