#include "ErrorHandler.h"
#include "common/Dialogs.h"
#include "common/Error.h"

namespace mirevo {

MirevoApplication::MirevoApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool MirevoApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error& e) {
        Dialogs::current().message(e.message(), Dialogs::Kind::Error);
    } catch (const std::exception& e) {
        Dialogs::current().message(QString::fromLocal8Bit(e.what()), Dialogs::Kind::Error);
    }
    return false;
}

} // namespace mirevo
