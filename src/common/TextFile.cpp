#include "TextFile.h"
#include "Error.h"
#include "LineBreaks.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
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

// A line break inside a line would shift every later line for the reader.
QString joinCrLf(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += withoutLineBreaks(line);
        text += QLatin1String("\r\n");
    }
    return text;
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

// Text without a byte-order mark: code page 932 whenever the bytes are valid
// code page 932, so that every file this program (or the Windows tools
// before it) wrote reads back exactly, even when its bytes happen to be
// valid UTF-8 too (half-width kana such as "ﾔｽ" are). Bytes that only UTF-8
// can read are UTF-8, as editors on this desktop save it; in practice
// Japanese UTF-8 text of any length holds sequences code page 932 rejects.
QString decodeWithoutMark(const QByteArray& bytes)
{
    QByteArray utf8;
    if (Converter("UTF-8", "CP932").run(bytes, utf8, false, 1))
        return QString::fromUtf8(utf8);
    QStringDecoder strictUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = strictUtf8(bytes);
    if (!strictUtf8.hasError())
        return text;
    return fromCp932(bytes);
}

// Code page 932 maps some characters to look-alikes ("〜" U+301C is written
// as the bytes of "～" U+FF5E): such a text is not kept in code page 932.
bool holdsExactly(const QString& text, QByteArray& cp932)
{
    return toCp932(text, cp932) && fromCp932(cp932) == text;
}

} // namespace

QByteArray encode(const QStringList& lines, Encoding* used)
{
    const QString text = joinCrLf(lines);
    QByteArray cp932;
    if (holdsExactly(text, cp932)) {
        if (used)
            *used = Encoding::Cp932;
        return cp932;
    }
    if (used)
        *used = Encoding::Utf8Bom;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
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

QString failureReason(int errnum, const QString& systemText)
{
    switch (errnum) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("ディスクの空き容量が足りません");
    case EACCES:
    case EPERM: return QStringLiteral("書き込む権限がありません");
    case EROFS: return QStringLiteral("読み取り専用のドライブです");
    case ENOENT: return QStringLiteral("保存先のフォルダーがありません");
    case ENOTDIR: return QStringLiteral("保存先のパスにフォルダーでないものがあります");
    case EISDIR: return QStringLiteral("同じ名前のフォルダーがあります");
    case ENAMETOOLONG: return QStringLiteral("ファイル名が長すぎます");
    case EIO: return QStringLiteral("書き込み中に装置のエラーが起きました");
    default: break;
    }
    if (errnum != 0)
        return QStringLiteral("%1 (%2)").arg(QString::fromLocal8Bit(std::strerror(errnum))).arg(errnum);
    return systemText;
}

namespace {

[[noreturn]] void saveFailed(const QString& path, int errnum, const QSaveFile& file)
{
    throw Error(QStringLiteral("ファイル \"%1\" を保存できません: %2").arg(path, failureReason(errnum, file.errorString())));
}

} // namespace

void writeLines(const QString& path, const QStringList& lines)
{
    // The temporary-file-and-rename save would silently replace a
    // read-only file; refuse like a direct write would.
    const QFileInfo target(path);
    if (target.exists() && !target.isWritable())
        throw Error(QStringLiteral("ファイル \"%1\" は書き込み禁止です").arg(path));
    const QByteArray bytes = encode(lines);
    QSaveFile file(path);
    // A writable file in a folder where no temporary file can be made is
    // written in place. A replaced file keeps its permissions.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        saveFailed(path, errno, file);
    // A full disk may show only when the buffer is flushed; committing then
    // would put a short file in place of the old one.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        saveFailed(path, errno, file);
    errno = 0;
    if (!file.commit())
        saveFailed(path, errno, file);
}

namespace {

QString readFailureReason(int errnum, const QString& systemText)
{
    switch (errnum) {
    case ENOENT: return QStringLiteral("ファイルがありません");
    case EACCES:
    case EPERM: return QStringLiteral("読み取る権限がありません");
    case EISDIR: return QStringLiteral("ファイルではなくフォルダーです");
    case ENOTDIR: return QStringLiteral("パスにフォルダーでないものがあります");
    default: return failureReason(errnum, systemText);
    }
}

} // namespace

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("ファイル \"%1\" を開けません: %2").arg(path, readFailureReason(errno, file.errorString())));
    return file.readAll();
}

QStringList readLines(const QString& path)
{
    return decode(readBytes(path));
}

} // namespace mirevo::textfile
