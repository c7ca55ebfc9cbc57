// What the text readers refuse: files that are not regular files, files too
// large to be real, bytes that would only read as garbage; and how messages
// show what came from a file.
#include "common/Error.h"
#include "common/TextFile.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace mirevo;
using mirevo::test::TempHome;

namespace {

// The message of the Error that reading `path` throws ("" when it reads).
QString readError(const QString& path)
{
    try {
        textfile::readLines(path);
    } catch (const Error& e) {
        return e.message();
    }
    return {};
}

QString decodeError(const QByteArray& bytes)
{
    try {
        textfile::decode(bytes, QStringLiteral("x.anz"));
    } catch (const Error& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST(InputRules, SpecialFilesAreRefusedBeforeTheyAreOpened)
{
    TempHome home;
    const QString fifo = home.file("f.anz");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Opening a FIFO for reading would wait for a writer for ever.
    const QString message = readError(fifo);
    EXPECT_TRUE(message.contains(fifo)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("名前付きパイプ"))) << message.toStdString();

    EXPECT_TRUE(readError(home.path()).contains(QStringLiteral("フォルダー")));

    const QString zero = home.file("zero.anz");
    if (::mknod(QFile::encodeName(zero).constData(), S_IFCHR | 0600, makedev(1, 5)) != 0)
        GTEST_SKIP() << "no rights to make a device node";
    EXPECT_TRUE(readError(zero).contains(QStringLiteral("デバイス"))) << readError(zero).toStdString();
}

TEST(InputRules, AFileLargerThanAnyRealOneIsRefusedUnread)
{
    TempHome home;
    const QString path = home.file("huge.anz");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(textfile::kMaxBytes + 1)); // sparse: costs no disk
    file.close();
    const QString message = readError(path);
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("大きすぎます"))) << message.toStdString();

    ASSERT_TRUE(QFile::resize(path, 0));
    EXPECT_EQ(readError(path), QString());
}

TEST(InputRules, BytesThatReadOnlyAsGarbageAreRefusedWithTheirLine)
{
    const QByteArray cp932Name("\x8E\x52\x93\x63\x8C\x9A\x90\xDD");               // 山田建設
    const QByteArray eucName("\xB9\xA9\xBB\xF6");                                 // 工事
    const QByteArray eucKana("\xA4\xE4\xA4\xDE\xA4\xC0\xA4\xBF\xA4\xED\xA4\xA6"); // やまだたろう
    const struct {
        const char* what;
        QByteArray bytes;
        QString line;
    } cases[]{
        {"code page 932 behind a UTF-8 mark",
         "\xEF\xBB\xBF"
         "abc\r\n"
             + cp932Name + "\r\n",
         QStringLiteral("2 行目")},
        {"EUC-JP that code page 932 rejects", "a\r\nb\r\n" + eucName + "\r\n", QStringLiteral("3 行目")},
        {"EUC-JP that is valid code page 932", "1\r\n" + eucKana + "\r\n", QStringLiteral("2 行目")},
        {"broken bytes", "a\r\nb\x81\r\n", QStringLiteral("2 行目")},
        {"UTF-8 above code page 932", QStringLiteral("あ\r\n").toUtf8() + cp932Name + "\r\n", QStringLiteral("1 行目")},
        {"broken UTF-16",
         QByteArray("\xFF\xFE"
                    "a\0\r\0\n\0\x00\xD8",
                    10),
         QStringLiteral("2 行目")},
    };
    for (const auto& c : cases) {
        const QString message = decodeError(c.bytes);
        EXPECT_TRUE(message.contains("x.anz")) << c.what << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(c.line)) << c.what << ": " << message.toStdString();
    }
    // Half-width kana and level-2 kanji are EUC-JP bytes too, but no kana.
    EXPECT_EQ(textfile::decode("\xD4\xCF\xC0\xDE\r\n"), QStringList{QStringLiteral("ﾔﾏﾀﾞ")});
    EXPECT_EQ(textfile::decode(cp932Name), QStringList{QStringLiteral("山田建設")});
}

TEST(InputRules, ControlCharactersInMessagesAreShownNotObeyed)
{
    const Error title(QStringLiteral("会社名 \"\x1b]0;owned\x07\" を読めません"));
    EXPECT_EQ(title.message(), QStringLiteral("会社名 \"\\x1b]0;owned\\x07\" を読めません"));
    EXPECT_STREQ(title.what(), "会社名 \"\\x1b]0;owned\\x07\" を読めません");
    EXPECT_EQ(visibleText(QStringLiteral("a\x1b[2Jb\rc\u009bd\x7f")), QStringLiteral("a\\x1b[2Jb\\x0dc\\x9bd\\x7f"));
    EXPECT_EQ(visibleText(QStringLiteral("行1\n\t行2")), QStringLiteral("行1\n\t行2"));
}
