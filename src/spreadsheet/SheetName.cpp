#include "SheetName.h"

#include "SheetError.h"

#include <QString>

#include <algorithm>

namespace mirevo::sheet {

namespace {

constexpr int kMaxNameLength = 31;

[[noreturn]] void refuse(const std::string& why, std::string_view name)
{
    throw SheetError(why + ": \"" + std::string(name) + "\"");
}

bool validUtf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size())).toUtf8() == QByteArray(s.data(), qsizetype(s.size()));
}

} // namespace

int sheetNameLength(std::string_view utf8)
{
    return int(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).size());
}

void checkSheetName(std::string_view name)
{
    if (name.empty())
        refuse("シート名が空です", name);
    if (!validUtf8(name))
        refuse("シート名の文字コードが正しくありません", name);
    if (sheetNameLength(name) > kMaxNameLength)
        refuse("シート名が31文字を超えています", name);
    const QString text = QString::fromUtf8(name.data(), qsizetype(name.size()));
    static const QString forbidden = QStringLiteral(":\\/?*[]：＼／？＊［］");
    for (QChar ch : text) {
        if (forbidden.contains(ch))
            refuse("シート名に使えない文字 " + QString(ch).toStdString() + " が含まれています", name);
        if (ch.unicode() < 0x20)
            refuse("シート名に制御文字が含まれています", name);
    }
    if (text.startsWith(u'\'') || text.endsWith(u'\''))
        refuse("シート名の先頭と末尾にはアポストロフィを使えません", name);
    if (text.compare(QStringLiteral("History"), Qt::CaseInsensitive) == 0)
        refuse("シート名 History は予約されています", name);
}

bool sameSheetName(std::string_view a, std::string_view b)
{
    return a == b || sheetNameKey(a) == sheetNameKey(b);
}

std::string sheetNameKey(std::string_view name)
{
    return QString::fromUtf8(name.data(), qsizetype(name.size())).toCaseFolded().toStdString();
}

std::string sheetPrefix(std::string_view name)
{
    std::string out = "'";
    for (char ch : name) {
        out += ch;
        if (ch == '\'')
            out += '\'';
    }
    return out + "'!";
}

std::string renameSheetReferences(std::string_view formula, std::string_view from, std::string_view to)
{
    static constexpr std::string_view kBreaks = " ,()+-*/&=<>:;!^%{}";
    std::string out;
    size_t i = 0;
    while (i < formula.size()) {
        const char ch = formula[i];
        if (ch == '"') { // string literal, "" escapes a quote
            size_t end = i + 1;
            while (end < formula.size()
                   && !(formula[end] == '"' && (end + 1 >= formula.size() || formula[end + 1] != '"')))
                end += formula[end] == '"' ? 2 : 1;
            out.append(formula.substr(i, end + 1 - i));
            i = end + 1;
            continue;
        }
        std::string name;
        size_t end = i;
        if (ch == '\'') {
            for (end = i + 1; end < formula.size(); ++end) {
                if (formula[end] != '\'')
                    name += formula[end];
                else if (end + 1 < formula.size() && formula[end + 1] == '\'')
                    name += formula[++end];
                else
                    break;
            }
            ++end;
        } else {
            while (end < formula.size() && kBreaks.find(formula[end]) == std::string_view::npos && formula[end] != '\'')
                ++end;
            name = std::string(formula.substr(i, end - i));
        }
        if (end < formula.size() && formula[end] == '!' && sameSheetName(name, from)) {
            out += sheetPrefix(to);
            i = end + 1;
        } else {
            const size_t stop = std::max(end, i + 1);
            out.append(formula.substr(i, std::min(stop, formula.size()) - i));
            i = stop;
        }
    }
    return out;
}

std::string fitSheetName(std::string_view base, std::string_view suffix)
{
    QString head = QString::fromUtf8(base.data(), qsizetype(base.size()));
    const int room = kMaxNameLength - sheetNameLength(suffix);
    if (head.size() > room) {
        head.truncate(room);
        if (!head.isEmpty() && head.back().isHighSurrogate())
            head.chop(1);
    }
    return head.toStdString() + std::string(suffix);
}

} // namespace mirevo::sheet
