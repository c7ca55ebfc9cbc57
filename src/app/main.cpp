#include "Program.h"
#include "cli/Cli.h"
#include "common/ui/ErrorHandler.h"
#include "common/ui/QtDialogs.h"
#include "render/ui/WorkbookWindow.h"

#include <QGuiApplication>
#include <QFont>
#include <QTextStream>

namespace {

// `mirevo generate ...`, `mirevo template ...`, `mirevo pdf ...`, `mirevo --help`: no
// window, no display needed (pdf paints with fonts, on the offscreen platform).
int runCommandLine(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return mirevo::cli::run(QCoreApplication::arguments().mid(1), out, err);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && mirevo::cli::isCommand(QString::fromLocal8Bit(argv[1])))
        return runCommandLine(argc, argv);

    mirevo::MirevoApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    mirevo::QtDialogs dialogs;
    mirevo::Dialogs::install(&dialogs);

    // `mirevo BOOK.xlsx`: the workbook window alone, on that workbook.
    if (argc == 2 && QString::fromLocal8Bit(argv[1]).endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        mirevo::render::WorkbookWindow window;
        window.show();
        window.openFile(QString::fromLocal8Bit(argv[1]));
        return app.exec();
    }

    mirevo::Program program;
    program.start();
    return app.exec();
}
