#include "Dialogs.h"

#include <QDebug>

namespace mirevo {
namespace {

// Used when no door is installed (command line): messages go to stderr,
// questions are answered No, dialogs are cancelled, windows rejected.
class ConsoleDialogs final : public Dialogs {
public:
    void message(const QString& text, Kind, Button) override { qWarning().noquote() << text; }
    bool askYesNo(const QString& text, Kind) override
    {
        qWarning().noquote() << text;
        return false;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void beep() override { }
    bool openWithDesktop(const QString&) override { return false; }
    int exec(QDialog&) override { return 0; }
};

ConsoleDialogs consoleDoor;
Dialogs* installed = nullptr;

} // namespace

Dialogs& Dialogs::current()
{
    return installed ? *installed : consoleDoor;
}

void Dialogs::install(Dialogs* door)
{
    installed = door;
}

} // namespace mirevo
