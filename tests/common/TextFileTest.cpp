#include "common/TextFile.h"
#include "common/Error.h"
#include "common/LineBreaks.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
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

TEST(TextFile, FilesWithoutMarkAreCodePage932UnlessOnlyUtf8CanReadThem)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        QString text;
    };
    const std::vector<Case> cases{
        // Code page 932 that happens to be valid UTF-8 as well.
        {"half-width kana", QByteArray("\xD4\xBD \xD0\xB6\r\n"), QStringLiteral("ﾔｽ ﾐｶ")},
        {"kanji pairs", QByteArray("\xE3\x81\x82\xE3\x81\x84\r\n"), QStringLiteral("縺ゅ＞")},
        // NEC and IBM extensions, and the NEC-selected IBM rows.
        {"NEC/IBM extensions", QByteArray("\x87\x40\x87\x8A\xFB\xFC\xFA\xB1\xED\x40\xEE\xF9\r\n"),
         QStringLiteral("①㈱髙﨑纊￢")},
        // UTF-8 without a mark, as editors of this desktop save it.
        {"UTF-8 names", QStringLiteral("山田太郎,株式会社 髙橋工務店\r\n").toUtf8(),
         QStringLiteral("山田太郎,株式会社 髙橋工務店")},
        {"UTF-8 headings", QStringLiteral("No.,会社名,支店・営業所名,代表者名\n").toUtf8(),
         QStringLiteral("No.,会社名,支店・営業所名,代表者名")},
        {"plain ASCII", QByteArray("abc,\"d e\"\r\n"), QStringLiteral("abc,\"d e\"")},
        {"hiragana", QByteArray("\x82\xA0\r\n"), QStringLiteral("あ")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textfile::decode(c.bytes), QStringList{c.text}) << c.what;
}

TEST(TextFile, EveryCodePage932TextReadsBackExactly)
{
    // Texts whose code page 932 bytes are also valid UTF-8.
    const QStringList texts{QStringLiteral("ﾔｽ ﾐｶ"), QStringLiteral("ｱｲｳ"), QStringLiteral("縺ゅ＞"),
                            QStringLiteral("①㈱髙﨑"), QStringLiteral("ｶﾞｽ工事")};
    for (const QString& text : texts) {
        textfile::Encoding used{};
        const QByteArray bytes = textfile::encode({text, "x"}, &used);
        EXPECT_EQ(used, textfile::Encoding::Cp932) << text.toStdString();
        EXPECT_EQ(textfile::decode(bytes), (QStringList{text, "x"})) << text.toStdString();
    }
}

TEST(TextFile, TextThatCodePage932WouldChangeIsWrittenAsUtf8)
{
    // Code page 932 has these only as their full-width look-alikes.
    for (const QString& c : {QStringLiteral("〜"), QStringLiteral("−"), QStringLiteral("—"), QStringLiteral("‖"),
                             QStringLiteral("¢"), QStringLiteral("£"), QStringLiteral("¬")}) {
        const QStringList lines{QStringLiteral("工期 4/1") + c + QStringLiteral("9/30")};
        textfile::Encoding used{};
        const QByteArray bytes = textfile::encode(lines, &used);
        EXPECT_EQ(used, textfile::Encoding::Utf8Bom) << c.toStdString();
        EXPECT_EQ(textfile::decode(bytes), lines) << c.toStdString();
    }
    textfile::Encoding used{};
    textfile::encode({QStringLiteral("～－∥￠￡￢―")}, &used);
    EXPECT_EQ(used, textfile::Encoding::Cp932);
}

TEST(TextFile, ALineBreakInsideALineIsWrittenAsOneBlank)
{
    const QStringList lines{QStringLiteral("a\r\nb"), QStringLiteral("c\nd\re"), "f"};
    const QStringList back = textfile::decode(textfile::encode(lines));
    EXPECT_EQ(back, (QStringList{"a b", "c d e", "f"}));
    EXPECT_EQ(withoutLineBreaks(QStringLiteral("\r\n\n\t x")), QStringLiteral("  \t x"));
}

TEST(TextFile, MissingFileAndReadOnlyTargetAreReported)
{
    TempHome home;
    try {
        textfile::readLines(home.file("none.kss"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("none.kss"));
        EXPECT_TRUE(e.message().contains(QStringLiteral("ファイルがありません"))) << e.message().toStdString();
    }
    const QString path = home.file("ro.anz");
    textfile::writeLines(path, {"old"});
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_THROW(textfile::writeLines(path, {"new"}), Error);
    EXPECT_EQ(textfile::readLines(path), QStringList{"old"});
}

TEST(TextFile, AFailedSaveSaysWhy)
{
    TempHome home;
    const QString notAFolder = home.file("plain");
    textfile::writeLines(notAFolder, {"x"});
    try {
        textfile::writeLines(notAFolder + "/p.anz", {"new"});
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("p.anz"));
        EXPECT_TRUE(e.message().contains(QStringLiteral("フォルダーでないもの"))) << e.message().toStdString();
    }
    const struct {
        int errnum;
        QString reason;
    } reasons[]{
        {ENOSPC, QStringLiteral("ディスクの空き容量が足りません")},
        {EACCES, QStringLiteral("書き込む権限がありません")},
        {EROFS, QStringLiteral("読み取り専用のドライブです")},
        {0, QStringLiteral("device said no")},
    };
    for (const auto& r : reasons)
        EXPECT_EQ(textfile::failureReason(r.errnum, "device said no"), r.reason);
}

TEST(TextFile, AReplacedFileKeepsItsPermissions)
{
    TempHome home;
    const QString path = home.file("p.anz");
    textfile::writeLines(path, {"old"});
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(path, permissions);
    const auto before = QFile::permissions(path);
    textfile::writeLines(path, {"new"});
    EXPECT_EQ(QFile::permissions(path), before);
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::ReadGroup);
    EXPECT_EQ(textfile::readLines(path), QStringList{"new"});
}

TEST(TextFile, AWritableFileInAReadOnlyFolderIsSaved)
{
    TempHome home;
    QDir(home.path()).mkdir("ro");
    const QString folder = home.file("ro");
    const QString path = folder + "/p.anz";
    textfile::writeLines(path, {"old"});
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // With rights that ignore permissions the folder takes the temporary
    // file anyway; the outcome is the same.
    textfile::writeLines(path, {QStringLiteral("新しい内容")});
    EXPECT_EQ(textfile::readLines(path), QStringList{QStringLiteral("新しい内容")});
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
