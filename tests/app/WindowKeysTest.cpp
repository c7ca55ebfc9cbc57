#include "app/Program.h"
#include "project/ui/TForm1.h"
#include "registry/ui/Ttouroku.h"
#include "roster/ui/Tmeibo.h"
#include "support/ScriptedDialogs.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::ScriptedDialogs;
using mirevo::test::TempHome;

namespace {

class WindowKeys : public ::testing::Test {
protected:
    TempHome home;
    ScriptedDialogs dialogs;
    Program program;
};

// Escape, pressed in a field with something half typed, leaves the window
// open with the typing in place; the window still closes by its close box.
TEST_F(WindowKeys, EscapeClosesNoWindow)
{
    const struct {
        const char* window;
        QDialog* dialog;
        const char* field;
    } cases[] = {
        {"project", program.windows.project, "Edit1"},
        {"registration", program.windows.registration, "Edit42"},
        {"roster", program.windows.roster, "Edit2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        auto* field = c.dialog->findChild<QLineEdit*>(QString::fromLatin1(c.field));
        ASSERT_NE(field, nullptr);
        bool openAfterEscape = false;
        QString typed;
        QTimer::singleShot(0, c.dialog, [&] {
            field->setFocus();
            field->setText(QStringLiteral("途中まで"));
            QTest::keyClick(field, Qt::Key_Escape);
            QTest::keyClick(c.dialog, Qt::Key_Escape);
            QApplication::processEvents();
            openAfterEscape = c.dialog->isVisible();
            typed = field->text();
            dialogs.answers = {true}; // the project window asks before closing with changes
            c.dialog->close();
        });
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, c.dialog, &QDialog::reject);
        guard.start(3000);
        c.dialog->exec();
        EXPECT_TRUE(openAfterEscape);
        EXPECT_EQ(typed, QStringLiteral("途中まで"));
        EXPECT_FALSE(c.dialog->isVisible());
    }
}

} // namespace
