#pragma once
#include <QApplication>

namespace mirevo {

// Stops the action whose handler threw, shows the error as a message box
// and leaves the window usable.
class MirevoApplication : public QApplication {
public:
    MirevoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace mirevo
