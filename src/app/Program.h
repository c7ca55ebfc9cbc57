#pragma once
#include "common/ui/WindowSet.h"
#include "project/Project.h"
#include "registry/Registry.h"

#include <memory>

namespace mirevo {

// The running program: its data and its six windows, created once in the
// program's fixed order and wired to one another.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the start menu.
    void start();
    // Shows the start menu and opens the project window on `projectFile`
    // (`mirevo SITE.anz`, a project file opened from the desktop).
    void startWith(const QString& projectFile);

    Registry registry;
    Project project;
    WindowSet windows;

    // Opens the registration window modally in a mode, as every caller
    // does: reload the registry, show, reset the mode afterwards.
    void openRegistration(int mode);
    // Opens the project window modally from the start menu, with the sheet
    // list between its showings after a conversion.
    void openProject();

private:
    struct Owned;
    std::unique_ptr<Owned> owned_;
    QString pendingProject_; // opened when the project window shows next
};

} // namespace mirevo
