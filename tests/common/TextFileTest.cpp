#include "common/Error.h"
#include "common/TextFile.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace mirevo;
using mirevo::test::TempHome;

TEST(TextFile, WritesCp932WithCrLfAfterEveryLine)
{
    TempHome home;
    const QString path = home.file("t.txt");
    textfile::writeLines(path, {QStringLiteral("～－①㈱髙﨑"), "abc", ""});
    const QByteArray bytes = TempHome::readBytes(path);
    EXPECT_EQ(bytes, QByteArray("\x81\x60\x81\x7C\x87\x40\x87\x8A\xFB\xFC\xFA\xB1\r\nabc\r\n\r\n"));
    EXPECT_EQ(textfile::readLines(path), (QStringList{QStringLiteral("～－①㈱髙﨑"), "abc", ""}));
}

TEST(TextFile, UnencodableTextSwitchesTheFileToUtf8WithBom)
{
    TempHome home;
    const QString path = home.file("t.txt");
    const QStringList lines{QStringLiteral("𠮷野家"), QStringLiteral("😀"), QStringLiteral("〇〇")};
    textfile::Encoding used{};
    textfile::encode(lines, &used);
    EXPECT_EQ(used, textfile::Encoding::Utf8Bom);
    textfile::writeLines(path, lines);
    const QByteArray bytes = TempHome::readBytes(path);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(textfile::readLines(path), lines);
}

TEST(TextFile, ReadsByByteOrderMarkAndAnyLineEnd)
{
    EXPECT_EQ(textfile::decode(QByteArray("\xEF\xBB\xBF") + QStringLiteral("髙\r\nb").toUtf8()),
              (QStringList{QStringLiteral("髙"), "b"}));
    QByteArray le("\xFF\xFE");
    const QString text = QStringLiteral("①\nx\r");
    le.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_EQ(textfile::decode(le), (QStringList{QStringLiteral("①"), "x"}));
    EXPECT_EQ(textfile::decode("a\r\n\r\nb\n"), (QStringList{"a", "", "b"}));
    EXPECT_TRUE(textfile::decode("").isEmpty());
}

TEST(TextFile, FilesWithoutMarkFallBackToUtf8AndMarkBrokenBytes)
{
    // Saved by an editor of this desktop: UTF-8 without a mark.
    EXPECT_EQ(textfile::decode(QStringLiteral("髙﨑建設,㈱\r\n").toUtf8()),
              QStringList{QStringLiteral("髙﨑建設,㈱")});
    // Neither code page 932 nor UTF-8: nothing silently dropped.
    EXPECT_EQ(textfile::decode(QByteArray("a\x81\r\nb\r\n")), (QStringList{QStringLiteral("a\uFFFD"), "b"}));
    EXPECT_EQ(textfile::decode(QByteArray("\x82\xA0\r\n")), QStringList{QStringLiteral("あ")});
}

TEST(TextFile, MissingFileAndReadOnlyTargetAreReported)
{
    TempHome home;
    try {
        textfile::readLines(home.file("none.kss"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("none.kss"));
    }
    const QString path = home.file("ro.anz");
    textfile::writeLines(path, {"old"});
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_THROW(textfile::writeLines(path, {"new"}), Error);
    EXPECT_EQ(textfile::readLines(path), QStringList{"old"});
}
