#include "Program.h"
#include "common/ui/ErrorHandler.h"
#include "common/ui/QtDialogs.h"

#include <QFont>

int main(int argc, char** argv)
{
    mirevo::MirevoApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    mirevo::QtDialogs dialogs;
    mirevo::Dialogs::install(&dialogs);

    mirevo::Program program;
    program.start();
    return app.exec();
}
