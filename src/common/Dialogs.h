#pragma once
#include <QString>

namespace mirevo {

// The one door to the user's desktop: message boxes, questions, file
// dialogs, the beep and "open this with the desktop". Windows call
// Dialogs::current(); tests install a scripted door that answers and records.
class Dialogs {
public:
    enum class Kind { Hint, Information, Warning, Error };

    virtual ~Dialogs() = default;
    // An OK box.
    virtual void message(const QString& text, Kind kind = Kind::Hint) = 0;
    // A warning box with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // Empty text when the user cancels.
    virtual QString openFileName(const QString& filter, const QString& folder) = 0;
    virtual QString saveFileName(const QString& filter, const QString& folder,
                                 const QString& proposedName) = 0;
    virtual void beep() = 0;
    // A file path or a web address, opened by the desktop's default program.
    virtual void openWithDesktop(const QString& pathOrAddress) = 0;

    static Dialogs& current();
    // Takes no ownership; nullptr restores the default door.
    static void install(Dialogs* door);
};

} // namespace mirevo
