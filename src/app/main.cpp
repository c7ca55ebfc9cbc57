#include "Program.h"
#include "Tmenu01.h"
#include "common/Dialogs.h"
#include "common/Error.h"
#include "common/ProgramFolder.h"
#include "common/ui/ErrorHandler.h"
#include "common/ui/QtDialogs.h"

#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's own texts (the buttons of message boxes, the file dialogs) in
// Japanese. Without the translation files the program runs in English.
void installJapaneseQtTexts(QApplication& app, QTranslator& translator)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                        QStringLiteral("_"), folder))
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

} // namespace

int main(int argc, char** argv)
{
    mirevo::MirevoApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 9));
    QTranslator qtTexts;
    installJapaneseQtTexts(app, qtTexts);
    mirevo::QtDialogs dialogs;
    mirevo::Dialogs::install(&dialogs);
    try {
        prepareProgramFolder();
        mirevo::Program program;
        dialogs.setMainWindow(program.windows.menu);
        program.start();
        return app.exec();
    } catch (const mirevo::Error& e) {
        // Only a fault while the windows are made gets here; what happens
        // after start-up is caught per action by the application.
        mirevo::Dialogs::current().message(e.message(), mirevo::Dialogs::Kind::Error);
        return 1;
    } catch (const std::exception& e) {
        mirevo::Dialogs::current().message(QString::fromLocal8Bit(e.what()), mirevo::Dialogs::Kind::Error);
        return 1;
    }
}
