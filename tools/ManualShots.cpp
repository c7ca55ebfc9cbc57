// Pictures of the program's windows for the user manual, on the sample site
// and its registry: every window as the user sees it, grabbed after it has
// been shown and laid out.
//
//   mirevo_manual_shots EXAMPLES_FOLDER OUT_FOLDER
//
// Run it under a display (scripts/manual-shots.sh uses Xvfb); it writes one
// PNG per picture into OUT_FOLDER.

#include "app/Program.h"
#include "app/Tmenu01.h"
#include "check/SiteCheck.h"
#include "check/ui/Ttenken.h"
#include "cli/Cli.h"
#include "common/Clock.h"
#include "common/Dialogs.h"
#include "common/ui/QtDialogs.h"
#include "documents/ui/GenerationPanel.h"
#include "project/ProjectActions.h"
#include "project/ui/TForm1.h"
#include "registry/WorkerImport.h"
#include "registry/ui/Ttouroku.h"
#include "registry/ui/WorkerImportDialog.h"
#include "render/ui/WorkbookWindow.h"
#include "roster/ui/Tmeibo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <cstdio>

using namespace mirevo;

namespace {

QString out;

void save(QWidget* window, const char* name)
{
    window->show();
    window->raise();
    QTest::qWait(300); // shown, framed and painted
    const QString path = QDir(out).filePath(QString::fromLatin1(name) + ".png");
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QString generateSample(const QString& site, const QString& folder)
{
    const QString book = QDir(folder).filePath(QStringLiteral("安全書類_サンプル.xlsx"));
    QString text;
    QTextStream sink(&text);
    cli::run({QStringLiteral("generate"), site, book}, sink, sink);
    return book;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return std::fprintf(stderr, "usage: mirevo_manual_shots EXAMPLES_FOLDER OUT_FOLDER\n"), 2;
    const QString examples = QString::fromLocal8Bit(argv[1]);
    out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    QTemporaryDir home;
    qputenv("MIREVO_HOME", home.path().toUtf8());
    QFile::copy(QDir(examples).filePath("kaisya_set.kss"), QDir(home.path()).filePath("kaisya_set.kss"));
    QtDialogs dialogs;
    Dialogs::install(&dialogs);
    clock::setFixed(QDateTime(QDate(2026, 12, 1), QTime(9, 0)));

    Program program;
    program.start();
    save(program.windows.menu, "menu");
    program.windows.menu->hide();

    program.registry.load();
    Ttouroku& registration = *program.windows.registration;
    registration.mode = 0;
    save(&registration, "registration");
    registration.openWorkerPanel();
    save(&registration, "worker-panel");
    Tmeibo& roster = *program.windows.roster;
    roster.mode = 1;
    roster.company = QStringLiteral("瀬戸建設株式会社");
    roster.load(1);
    save(&roster, "roster");
    roster.hide();
    roster.mode = 0;
    const QString list = QDir(examples).filePath(QStringLiteral("作業員一覧.csv"));
    WorkerImportDialog preview(program.registry, workerimport::readFile(list), QStringLiteral("屋島電気株式会社"));
    save(&preview, "import-preview");
    preview.hide();
    registration.hide();

    const QString site = QDir(examples).filePath(QStringLiteral("青空ビル新築工事.anz"));
    TForm1& form = *program.windows.project;
    form.openProjectFile(site);
    const std::pair<TForm1::Page, const char*> pages[] = {{TForm1::Orderer, "project-orderer"},
                                                          {TForm1::Prime, "project-prime"},
                                                          {TForm1::Subcontractors, "project-subcontractors"},
                                                          {TForm1::Workers, "project-workers"}};
    for (const auto& [page, name] : pages) {
        form.showPage(page);
        save(&form, name);
    }
    form.showPage(TForm1::Orderer);
    form.openSettings();
    save(&form, "settings");
    form.findChild<QWidget*>("Panel_settings")->hide();
    form.generationPanel()->show();
    save(&form, "generation");
    form.generationPanel()->hide();
    // The check as it reads a month after the sample's health checks are a
    // year old: a few warnings to show.
    const QString created = program.project.record.text(QStringLiteral("Edit41"));
    program.project.record.setText(QStringLiteral("Edit41"), QStringLiteral("令和 9年 2月 1日"));
    Ttenken findings(check::checkSite(program.project, clock::today()), Ttenken::Mode::BeforeConversion);
    program.project.record.setText(QStringLiteral("Edit41"), created);
    save(&findings, "check");
    findings.hide();
    form.hide();

    render::WorkbookWindow workbook;
    workbook.openFile(generateSample(site, home.path()));
    workbook.resize(1100, 720);
    save(&workbook, "workbook");
    workbook.showSheet(QStringLiteral("作業員名簿【瀬戸建設株式会社】"));
    save(&workbook, "workbook-roster");
    return 0;
}
