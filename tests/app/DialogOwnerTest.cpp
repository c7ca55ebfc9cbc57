#include "app/Program.h"
#include "app/Tmenu01.h"
#include "common/ui/QtDialogs.h"
#include "project/ui/TForm1.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::TempHome;

namespace {

// The production dialog door with the program's real windows. Message
// boxes are closed by a timer, as a user pressing OK would.
class DialogOwners : public ::testing::Test {
protected:
    DialogOwners()
    {
        door.setMainWindow(program.windows.menu);
        Dialogs::install(&door);
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &context, [this] { ++lastWindowClosed; });
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, &context, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                owners << box->parentWidget();
                box->done(QMessageBox::Ok);
            }
        });
        closer.start();
    }
    ~DialogOwners() override { Dialogs::install(nullptr); }

    // What a window manager leaves right after a dialog has closed: no
    // active window yet (activation follows asynchronously).
    static void loseActivation() { QApplication::setActiveWindow(nullptr); }

    // Runs the application's own event loop around `scenario`; returns what
    // exec() returned: 7 when the scenario ran to its end, 0 when the
    // application quit on its own.
    int runApplication(const std::function<void()>& scenario)
    {
        QTimer::singleShot(0, &context, [&] {
            scenario();
            QTimer::singleShot(60, &context, [] { QCoreApplication::exit(7); });
        });
        QTimer::singleShot(5000, &context, [] { QCoreApplication::exit(9); });
        return QApplication::exec();
    }

    TempHome home;
    Program program;
    QtDialogs door;
    QObject context;
    QTimer closer;
    QList<QWidget*> owners;
    int lastWindowClosed = 0;
};

TEST_F(DialogOwners, MessageBoxesWhileNoWindowIsActiveDoNotEndTheProgram)
{
    program.start();
    TForm1* project = program.windows.project;
    const int rc = runApplication([&] {
        // Inside the project window's modal loop: a box, then a question,
        // each while the window system reports no active window, as right
        // after a file dialog has closed under a window manager. The loop
        // runs between them, as it does while the user reads.
        QTimer::singleShot(0, &context, [&] {
            loseActivation();
            door.message(QStringLiteral("一つ目"), Dialogs::Kind::Error, Dialogs::Button::Ok);
            QTimer::singleShot(20, &context, [&] {
                loseActivation();
                door.askYesNo(QStringLiteral("二つ目"), Dialogs::Kind::Warning);
                QTimer::singleShot(20, &context, [&] { project->close(); });
            });
        });
        program.windows.menu->findChild<QPushButton*>("Button2")->click();
    });
    EXPECT_EQ(rc, 7);
    EXPECT_EQ(lastWindowClosed, 0);
    EXPECT_EQ(owners, (QList<QWidget*>{project, project}));
    EXPECT_TRUE(program.windows.menu->isVisible());
}

TEST_F(DialogOwners, ABoxWithNoModalWindowBelongsToTheStartMenuAndEndsNothing)
{
    program.start();
    const int rc = runApplication([&] {
        loseActivation();
        program.windows.menu->hide();
        door.message(QStringLiteral("会社情報を読めません。"), Dialogs::Kind::Error, Dialogs::Button::Ok);
        QTimer::singleShot(20, &context, [&] { program.windows.menu->show(); });
    });
    EXPECT_EQ(rc, 7);
    EXPECT_EQ(owners, (QList<QWidget*>{program.windows.menu}));
}

TEST_F(DialogOwners, ClosingTheStartMenuEndsTheProgram)
{
    program.start();
    const int rc = runApplication([&] { program.windows.menu->close(); });
    EXPECT_EQ(rc, 0);
}

} // namespace
