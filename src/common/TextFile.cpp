#include "TextFile.h"
#include "Error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace mirevo::textfile {
namespace {

// Owns one iconv descriptor for the duration of a conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == iconv_t(-1))
            throw Error(QStringLiteral("文字コード変換 %1 → %2 を使えません").arg(from, to));
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in` into UTF-8 or code page 932; stops with false at
    // the first unconvertible or invalid sequence unless `lenient`, in which
    // case it is replaced (only used towards UTF-8).
    bool run(const QByteArray& in, QByteArray& out, bool lenient, int skip) const
    {
        out.clear();
        out.reserve(in.size() * 2 + 16);
        char* src = const_cast<char*>(in.constData());
        size_t left = size_t(in.size());
        char buffer[4096];
        while (left > 0) {
            char* dst = buffer;
            size_t room = sizeof buffer;
            size_t rc = iconv(cd_, &src, &left, &dst, &room);
            out.append(buffer, qsizetype(dst - buffer));
            if (rc != size_t(-1) || errno == E2BIG)
                continue;
            if (!lenient)
                return false;
            // A byte that belongs to no character shows as U+FFFD.
            size_t step = std::min(left, size_t(skip));
            src += step;
            left -= step;
            out.append("\xEF\xBF\xBD");
        }
        return true;
    }

private:
    iconv_t cd_;
};

QByteArray joinCrLf(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

} // namespace

bool toCp932(const QString& text, QByteArray& out)
{
    Converter conv("CP932", "UTF-8");
    return conv.run(text.toUtf8(), out, false, 1);
}

QString fromCp932(const QByteArray& bytes)
{
    Converter conv("UTF-8", "CP932");
    QByteArray utf8;
    conv.run(bytes, utf8, true, 1);
    return QString::fromUtf8(utf8);
}

namespace {

// Text without a byte-order mark: code page 932 as the program writes it,
// unless the bytes are valid UTF-8 with characters beyond ASCII (as editors
// on this desktop save it). Japanese text in code page 932 is practically
// never valid UTF-8: its lead bytes 0x81-0x9F are UTF-8 continuation bytes.
QString decodeWithoutMark(const QByteArray& bytes)
{
    QStringDecoder strictUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = strictUtf8(bytes);
    const bool beyondAscii = std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return c & 0x80; });
    if (beyondAscii && !strictUtf8.hasError())
        return text;
    return fromCp932(bytes);
}

} // namespace

QByteArray encode(const QStringList& lines, Encoding* used)
{
    QByteArray utf8 = joinCrLf(lines);
    QByteArray cp932;
    Converter conv("CP932", "UTF-8");
    if (conv.run(utf8, cp932, false, 1)) {
        if (used)
            *used = Encoding::Cp932;
        return cp932;
    }
    if (used)
        *used = Encoding::Utf8Bom;
    return QByteArray("\xEF\xBB\xBF") + utf8;
}

QStringList decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return splitLines(QString::fromUtf8(bytes.mid(3)));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                            : QStringDecoder::Utf16BE);
        return splitLines(decoder(bytes.mid(2)));
    }
    return splitLines(decodeWithoutMark(bytes));
}

void writeLines(const QString& path, const QStringList& lines)
{
    // The temporary-file-and-rename save would silently replace a
    // read-only file; refuse like a direct write would.
    const QFileInfo target(path);
    if (target.exists() && !target.isWritable())
        throw Error(QStringLiteral("ファイル \"%1\" は書き込み禁止です").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("ファイル \"%1\" に書き込めません: %2").arg(path, file.errorString()));
    const QByteArray bytes = encode(lines);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Error(QStringLiteral("ファイル \"%1\" を保存できません: %2").arg(path, file.errorString()));
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("ファイル \"%1\" を開けません: %2").arg(path, file.errorString()));
    return file.readAll();
}

QStringList readLines(const QString& path)
{
    return decode(readBytes(path));
}

} // namespace mirevo::textfile
