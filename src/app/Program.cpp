#include "Program.h"
#include "Tmenu01.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "documents/ui/GenerationPanel.h"
#include "input/ui/TForm2.h"
#include "input/ui/Tdentakukun.h"
#include "project/ui/TForm1.h"
#include "registry/ui/Ttouroku.h"
#include "roster/ui/Tmeibo.h"

#include <QApplication>
#include <QTimer>

namespace mirevo {

// Windows are destroyed in the reverse order of their creation; the start
// menu, created first, goes last.
struct Program::Owned {
    std::unique_ptr<Tmenu01> menu;
    std::unique_ptr<TForm1> project;
    std::unique_ptr<TForm2> calendar;
    std::unique_ptr<Tdentakukun> calculator;
    std::unique_ptr<Tmeibo> roster;
    std::unique_ptr<Ttouroku> registration;
};

Program::Program() : owned_(std::make_unique<Owned>())
{
    // The program ends when the start menu is closed, and only then: a
    // message box or dialog closing while the menu is out of sight must not
    // count as the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    Owned& o = *owned_;
    o.menu = std::make_unique<Tmenu01>();
    windows.menu = o.menu.get();
    o.project = std::make_unique<TForm1>(project, registry, windows, o.menu.get());
    windows.project = o.project.get();
    o.calendar = std::make_unique<TForm2>(o.menu.get());
    windows.calendar = o.calendar.get();
    // The roster window holds the calculator, so the calculator is made first.
    o.calculator = std::make_unique<Tdentakukun>(o.menu.get());
    windows.calculator = o.calculator.get();
    o.roster = std::make_unique<Tmeibo>(registry, project, *o.calendar, *o.calculator, o.menu.get());
    windows.roster = o.roster.get();
    o.registration = std::make_unique<Ttouroku>(registry, project, *o.roster, o.menu.get());
    windows.registration = o.registration.get();

    o.project->setRegistrationOpener([this](int mode) { openRegistration(mode); });
    QObject::connect(o.project.get(), &TForm1::closedToStartMenu, o.menu.get(), &Tmenu01::showAgain);
    QObject::connect(o.registration.get(), &Ttouroku::closedInStandAloneMode, o.menu.get(), &Tmenu01::showAgain);
    o.menu->setOpeners([this] { openRegistration(0); }, [this] { openProject(); });
}

Program::~Program()
{
    Owned& o = *owned_;
    o.registration.reset();
    o.roster.reset();
    o.calculator.reset();
    o.calendar.reset();
    o.project.reset();
    o.menu.reset();
}

void Program::start()
{
    owned_->menu->showAgain();
}

void Program::startWith(const QString& projectFile)
{
    start();
    pendingProject_ = projectFile;
    QTimer::singleShot(0, owned_->menu.get(), [menu = owned_->menu.get()] { menu->openProjectWindow(); });
}

void Program::openProject()
{
    TForm1& form = *owned_->project;
    if (!pendingProject_.isEmpty()) {
        // Once the window runs, as if the file had been chosen in it.
        QTimer::singleShot(0, &form, [&form, path = pendingProject_] { form.openProjectFile(path); });
        pendingProject_.clear();
    }
    form.exec();
    // After a conversion the project window steps aside for the sheet list
    // and comes back when the list is closed.
    for (QStringList names = form.takeSheetList(); !names.isEmpty(); names = form.takeSheetList()) {
        owned_->menu->runSheetList(names,
                                   [&form](const QString& name) { return form.generationPanel()->selectSheet(name); });
        form.exec();
    }
}

void Program::openRegistration(int mode)
{
    try {
        registry.load();
    } catch (const Error& e) {
        // A broken registry file is reported; the window still opens on
        // what was read, so nothing typed is lost.
        Dialogs::current().message(e.message(), Dialogs::Kind::Error);
    }
    Ttouroku& window = *owned_->registration;
    window.mode = mode;
    window.exec();
    window.mode = 0;
}

} // namespace mirevo
