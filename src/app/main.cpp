#include "Tmenu01.h"
#include "common/ui/ErrorHandler.h"
#include "common/ui/FormKit.h"
#include "common/ui/QtDialogs.h"
#include "common/ui/WindowSet.h"
#include "input/ui/TForm2.h"
#include "input/ui/Tdentakukun.h"
#include "project/Project.h"
#include "project/ui/TForm1.h"
#include "registry/Registry.h"
#include "registry/ui/Ttouroku.h"
#include "roster/ui/Tmeibo.h"

#include <QFont>

using namespace mirevo;

namespace {

// Opens the registration window modally in a mode, as every caller does:
// reload the registry, show, reset the mode afterwards.
void openRegistration(WindowSet& w, Registry& registry, int mode)
{
    registry.load();
    w.registration->mode = mode;
    w.registration->exec();
    w.registration->mode = 0;
}

} // namespace

int main(int argc, char** argv)
{
    MirevoApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    QtDialogs dialogs;
    Dialogs::install(&dialogs);

    Registry registry;
    Project project;
    WindowSet w;
    Tmenu01 menu;
    w.menu = &menu;
    TForm1 form1(project, registry, w, &menu);
    w.project = &form1;
    TForm2 form2(&menu);
    w.calendar = &form2;
    // The roster window holds the calculator, so the calculator exists first.
    Tdentakukun dentakukun(&menu);
    w.calculator = &dentakukun;
    Tmeibo meibo(registry, project, form2, dentakukun, &menu);
    w.roster = &meibo;
    Ttouroku touroku(registry, project, meibo, &menu);
    w.registration = &touroku;

    form1.setRegistrationOpener([&](int mode) { openRegistration(w, registry, mode); });
    QObject::connect(&form1, &TForm1::closedToStartMenu, &menu, &Tmenu01::showAgain);
    QObject::connect(&touroku, &Ttouroku::closedInStandAloneMode, &menu, &Tmenu01::showAgain);
    menu.setOpeners([&] { openRegistration(w, registry, 0); }, [&] { form1.exec(); });

    menu.showAgain();
    return app.exec();
}
