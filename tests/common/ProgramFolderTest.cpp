#include "common/ProgramFolder.h"
#include "support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::TempHome;

namespace {

TEST(ProgramFolder, HomeFirstThenTheBuildFolderAndResourcesInOrder)
{
    {
        TempHome home;
        EXPECT_EQ(programFolder(), QDir(home.path()).absolutePath());
        EXPECT_EQ(programFile("set.kss"), home.file("set.kss"));
        QStringList folders = resourceFolders();
        ASSERT_GE(folders.size(), 2);
        EXPECT_EQ(folders[0], programFolder());
        EXPECT_EQ(folders.removeDuplicates(), 0);

        // Not there anywhere: the program folder's path, for the message.
        EXPECT_EQ(findResource(QStringLiteral("nothing-here.pdf")), home.file("nothing-here.pdf"));
        TempHome::writeBytes(home.file("manual.pdf"), "%PDF");
        EXPECT_EQ(findResource(QStringLiteral("manual.pdf")), home.file("manual.pdf"));
    }
    // A test program runs from its build folder, which is writable: that
    // folder, as a development build keeps its files beside itself.
    if (QCoreApplication::instance()) {
        EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
    }
}

} // namespace
