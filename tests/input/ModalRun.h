#pragma once
#include <QDialog>
#include <QTimer>
#include <functional>

namespace mirevo::test {

// Runs `open` (which calls exec() on `dialog`) and performs `act` once the
// dialog's event loop runs. A dialog that `act` fails to close is rejected
// after two seconds, so a fault never hangs the suite; `closedInTime`
// tells whether that was needed.
struct ModalRun {
    bool closedInTime = true;

    void operator()(QDialog& dialog, const std::function<void()>& open, const std::function<void()>& act)
    {
        QTimer::singleShot(0, &dialog, act);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
            closedInTime = false;
            dialog.reject();
        });
        guard.start(2000);
        open();
        guard.stop();
    }
};

} // namespace mirevo::test
