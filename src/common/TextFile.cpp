#include "TextFile.h"
#include "Error.h"
#include "FileReasons.h"
#include "InputFile.h"
#include "LineBreaks.h"
#include "OutputFile.h"

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

[[noreturn]] void unreadableLine(const QString& fileName, int line, const QString& reason)
{
    throw Error(QStringLiteral("ファイル \"%1\" の %2 行目を読めません: %3").arg(fileName).arg(line).arg(reason));
}

bool isCp932(const QByteArray& bytes)
{
    QByteArray utf8;
    return Converter("UTF-8", "CP932").run(bytes, utf8, false, 1);
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = strict(bytes); // the decoder works when its result is taken
    Q_UNUSED(decoded);
    return !strict.hasError();
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

// Whether `bytes` are EUC-JP text with kana in it. Such bytes are often
// valid code page 932 as well, where they read as half-width kana and odd
// kanji; the other way round, code page 932's kana and most of its kanji
// (lead bytes 0x81-0x9F) are not EUC-JP, so a real code page 932 file can
// pass only when it holds neither, and then hardly shows EUC-JP kana.
bool isEucJpKana(const QByteArray& bytes)
{
    constexpr int kEnoughKana = 4;
    if (isAscii(bytes))
        return false;
    QByteArray utf8;
    if (!Converter("UTF-8", "EUC-JP").run(bytes, utf8, false, 1))
        return false;
    const QString text = QString::fromUtf8(utf8);
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c >= u'\u3041' && c <= u'\u30FE'; })
        >= kEnoughKana;
}

// The number (from 1) of the first line of `bytes` that `readable` refuses;
// line ends are the same bytes in code page 932 and UTF-8.
template <typename Readable> int firstUnreadableLine(const QByteArray& bytes, Readable readable)
{
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (!readable(bytes.mid(start, i - start)))
            break;
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
        ++line;
    }
    return line;
}

// A line that neither encoding reads; in a file of lines each readable one
// way or the other, the first line that is not code page 932.
int firstUndecodableLine(const QByteArray& bytes)
{
    const int pastTheEnd = firstUnreadableLine(bytes, [](const QByteArray&) { return true; });
    const int neither
        = firstUnreadableLine(bytes, [](const QByteArray& line) { return isCp932(line) || isUtf8(line); });
    return neither < pastTheEnd ? neither : firstUnreadableLine(bytes, isCp932);
}

QString readUtf8AfterMark(const QByteArray& bytes, const QString& fileName)
{
    QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = strict(bytes);
    if (strict.hasError())
        unreadableLine(fileName, firstUnreadableLine(bytes, isUtf8),
                       QStringLiteral("UTF-8 の印 (BOM) がありますが、UTF-8 として読めないバイトがあります"
                                      " (シフトJIS の文字が混ざっていませんか)"));
    return text;
}

// The position of the first unit of `text` that is no character: a
// replacement or a surrogate without its pair; -1 when there is none.
qsizetype firstBrokenUnit(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar::ReplacementCharacter || c.isLowSurrogate())
            return i;
        if (c.isHighSurrogate() && !(i + 1 < text.size() && text[i + 1].isLowSurrogate()))
            return i;
        if (c.isHighSurrogate())
            ++i;
    }
    return -1;
}

QString readUtf16AfterMark(const QByteArray& bytes, bool littleEndian, const QString& fileName)
{
    QStringDecoder decoder(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                           QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (bytes.size() % 2 != 0)
        text += QChar::ReplacementCharacter; // half a unit at the end
    const qsizetype broken = firstBrokenUnit(text);
    if (broken >= 0)
        unreadableLine(fileName, int(splitLines(text.left(broken) + u'x').size()),
                       QStringLiteral("UTF-16 の印 (BOM) がありますが、UTF-16 として読めないバイトがあります"));
    return text;
}

// Text without a byte-order mark: code page 932 whenever the bytes are valid
// code page 932, so that every file this program (or the Windows tools
// before it) wrote reads back exactly, even when its bytes happen to be
// valid UTF-8 too (half-width kana such as "ﾔｽ" are). Bytes that only UTF-8
// can read are UTF-8, as editors on this desktop save it; in practice
// Japanese UTF-8 text of any length holds sequences code page 932 rejects.
// Anything else (EUC-JP, a damaged file) would only read as garbage.
QString decodeWithoutMark(const QByteArray& bytes, const QString& fileName)
{
    QByteArray utf8;
    if (Converter("UTF-8", "CP932").run(bytes, utf8, false, 1)) {
        if (isEucJpKana(bytes))
            unreadableLine(fileName, firstUnreadableLine(bytes, isAscii),
                           QStringLiteral("EUC-JP のファイルのようです (シフトJIS として読むと文字化けします)。"
                                          "シフトJIS か UTF-8 で保存し直してください"));
        return QString::fromUtf8(utf8);
    }
    QStringDecoder strictUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = strictUtf8(bytes);
    if (!strictUtf8.hasError())
        return text;
    unreadableLine(
        fileName, firstUndecodableLine(bytes),
        QStringLiteral("文字コードを判別できません: シフトJIS (コードページ 932) としても UTF-8 としても"
                       "読めないバイトがあります (EUC-JP などのファイルはシフトJIS か UTF-8 で保存し直してください)"));
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

QStringList decode(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return splitLines(readUtf8AfterMark(bytes.mid(3), fileName));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return splitLines(readUtf16AfterMark(bytes.mid(2), bytes.startsWith("\xFF\xFE"), fileName));
    return splitLines(decodeWithoutMark(bytes, fileName));
}

QString failureReason(int errnum, const QString& systemText)
{
    return fileFailureReason(errnum, systemText);
}

void writeLines(const QString& path, const QStringList& lines)
{
    const QByteArray bytes = encode(lines);
    OutputFile file(path);
    file.setDirectWriteFallback(true);
    file.begin();
    file.write(bytes);
    file.commit();
}

QByteArray readBytes(const QString& path)
{
    return inputfile::readAll(path, kMaxBytes);
}

QStringList readLines(const QString& path)
{
    return decode(readBytes(path), path);
}

} // namespace mirevo::textfile
