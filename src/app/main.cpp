#include "Program.h"
#include "Tmenu01.h"
#include "cli/Cli.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "common/ui/ErrorHandler.h"
#include "common/ui/QtDialogs.h"
#include "render/ui/WorkbookWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>
#include <optional>

namespace {

// `mirevo generate ...`, `mirevo template ...`, `mirevo pdf ...`, `mirevo --help`, and any
// other words, which get the usage: no window, no display needed (pdf paints with fonts,
// on the offscreen platform).
int runCommandLine(int argc, char** argv, const QStringList& arguments)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return mirevo::cli::run(arguments, out, err);
}

// The arguments without the program name, as given; nullopt (with the reason
// on stderr) when one of them is not a name the program can keep.
std::optional<QStringList> argumentsOf(int argc, char** argv)
{
    QList<QByteArray> raw;
    for (int i = 1; i < argc; ++i)
        raw << QByteArray(argv[i]);
    QString refused;
    const std::optional<QStringList> args = mirevo::cli::decodeArguments(raw, &refused);
    if (!args)
        QTextStream(stderr) << QStringLiteral("mirevo: ") << refused << Qt::endl;
    return args;
}

// Qt's own texts (the buttons of message boxes, the file dialogs) in
// Japanese. Without the translation files the program runs in English.
void installJapaneseQtTexts(QApplication& app, QTranslator& translator)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                        folder))
        app.installTranslator(&translator);
}

// The folder of the settings and registry files must exist before the
// first file is written there; a folder that cannot be made is reported,
// and the program runs on (each save then says what failed).
void prepareProgramFolder()
{
    const QString folder = mirevo::programFolder();
    if (!QDir().mkpath(folder))
        mirevo::Dialogs::current().message(
            QStringLiteral("フォルダー「%1」を作成できません。設定と会社情報は保存できません。")
                .arg(QDir::toNativeSeparators(folder)),
            mirevo::Dialogs::Kind::Error);
}

int runProgram(QApplication& app, mirevo::QtDialogs& dialogs, const QString& projectFile)
{
    prepareProgramFolder();
    mirevo::Program program;
    dialogs.setMainWindow(program.windows.menu);
    if (projectFile.isEmpty())
        program.start();
    else
        program.startWith(QFileInfo(projectFile).absoluteFilePath());
    return app.exec();
}

bool endsWith(const QString& argument, const char* extension)
{
    return argument.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

} // namespace

int main(int argc, char** argv)
{
    // The user's data folder (~/.local/share/Mirevo) is named after it.
    QCoreApplication::setApplicationName(QStringLiteral("Mirevo"));
    const std::optional<QStringList> arguments = argumentsOf(argc, argv);
    if (!arguments)
        return 1;
    if (!mirevo::cli::startsWindow(*arguments))
        return runCommandLine(argc, argv, *arguments);

    mirevo::MirevoApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    QTranslator qtTexts;
    installJapaneseQtTexts(app, qtTexts);
    mirevo::QtDialogs dialogs;
    mirevo::Dialogs::install(&dialogs);

    // `mirevo BOOK.xlsx`: the workbook window alone, on that workbook.
    const QString argument = arguments->value(0);
    if (endsWith(argument, ".xlsx")) {
        mirevo::render::WorkbookWindow window;
        dialogs.setMainWindow(&window);
        window.show();
        window.openFile(arguments->first());
        return app.exec();
    }

    try {
        // `mirevo SITE.anz`: the program with that project open.
        return runProgram(app, dialogs, endsWith(argument, ".anz") ? argument : QString());
    } catch (const mirevo::Error& e) {
        // Only a fault while the windows are made gets here; what happens
        // after start-up is caught per action by the application.
        mirevo::Dialogs::current().message(e.message(), mirevo::Dialogs::Kind::Error);
    } catch (const std::exception& e) {
        mirevo::Dialogs::current().message(QString::fromLocal8Bit(e.what()), mirevo::Dialogs::Kind::Error);
    }
    return 1;
}
