#include "NumberFormat.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

#include <array>
#include <cmath>
#include <vector>

namespace mirevo::render {

std::string builtinFormatCode(uint32_t id)
{
    switch (id) {
    case 1:
        return "0";
    case 2:
        return "0.00";
    case 3:
        return "#,##0";
    case 4:
        return "#,##0.00";
    case 5:
        return "\"¥\"#,##0;\"¥\"\\-#,##0";
    case 6:
        return "\"¥\"#,##0;[Red]\"¥\"\\-#,##0";
    case 7:
        return "\"¥\"#,##0.00;\"¥\"\\-#,##0.00";
    case 8:
        return "\"¥\"#,##0.00;[Red]\"¥\"\\-#,##0.00";
    case 9:
        return "0%";
    case 10:
        return "0.00%";
    case 11:
        return "0.00E+00";
    case 12:
        return "# ?/?";
    case 13:
        return "# ?\?/??";
    case 14:
        return "yyyy/m/d";
    case 15:
        return "d-mmm-yy";
    case 16:
        return "d-mmm";
    case 17:
        return "mmm-yy";
    case 18:
        return "h:mm AM/PM";
    case 19:
        return "h:mm:ss AM/PM";
    case 20:
        return "h:mm";
    case 21:
        return "h:mm:ss";
    case 22:
        return "yyyy/m/d h:mm";
    case 27:
    case 28:
    case 29:
    case 30:
    case 31:
    case 32:
    case 33:
    case 34:
    case 35:
    case 36:
    case 50:
    case 51:
    case 52:
    case 53:
    case 54:
    case 55:
    case 56:
    case 57:
    case 58:
        break;
    case 37:
        return "#,##0 ;-#,##0 ";
    case 38:
        return "#,##0 ;[Red]-#,##0 ";
    case 39:
        return "#,##0.00;-#,##0.00";
    case 40:
        return "#,##0.00;[Red]-#,##0.00";
    case 45:
        return "mm:ss";
    case 46:
        return "[h]:mm:ss";
    case 47:
        return "mm:ss.0";
    case 48:
        return "##0.0E+0";
    case 49:
        return "@";
    default:
        return {};
    }
    switch (id) {
    case 27:
    case 36:
    case 50:
    case 57:
        return "[$-411]ge.m.d";
    case 28:
    case 29:
    case 54:
    case 58:
        return "[$-411]ggge\"年\"m\"月\"d\"日\"";
    case 30:
        return "m/d/yy";
    case 31:
        return "yyyy\"年\"m\"月\"d\"日\"";
    case 32:
        return "h\"時\"mm\"分\"";
    case 33:
        return "h\"時\"mm\"分\"ss\"秒\"";
    case 55:
    case 56:
        return "yyyy\"年\"m\"月\"";
    default:
        return "m\"月\"d\"日\"";
    }
}

namespace {

// One section of a format code, split into literal text and format tokens.
struct Token {
    enum Kind { Literal, Digits, Date } kind;
    QString text; // literal text, the digit pattern, or the date token ("yyyy", "m", "AM/PM", ...)
};

struct Section {
    std::vector<Token> tokens;
    bool date = false;
    bool percent = false;
    bool elapsedHours = false;
    bool text = false; // holds "@"
};

bool isDateLetter(QChar c)
{
    const QChar l = c.toLower();
    return l == u'y' || l == u'm' || l == u'd' || l == u'h' || l == u's' || l == u'g' || l == u'e' || l == u'a';
}

Section parseSection(const QString& code)
{
    Section s;
    auto literal = [&](const QString& t) {
        if (!s.tokens.empty() && s.tokens.back().kind == Token::Literal)
            s.tokens.back().text += t;
        else
            s.tokens.push_back({Token::Literal, t});
    };
    for (int i = 0; i < code.size();) {
        const QChar c = code[i];
        if (c == u'"') {
            const int end = code.indexOf(u'"', i + 1);
            literal(code.mid(i + 1, (end < 0 ? code.size() : end) - i - 1));
            i = end < 0 ? int(code.size()) : end + 1;
        } else if (c == u'\\' && i + 1 < code.size()) {
            literal(code.mid(i + 1, 1));
            i += 2;
        } else if (c == u'[') {
            const int end = code.indexOf(u']', i);
            const QString inside = code.mid(i + 1, (end < 0 ? code.size() : end) - i - 1).toLower();
            if (inside == u"h" || inside == u"hh") {
                s.tokens.push_back({Token::Date, QStringLiteral("[h]")});
                s.date = s.elapsedHours = true;
            }
            i = end < 0 ? int(code.size()) : end + 1;
        } else if (c == u'_' || c == u'*') {
            if (c == u'_')
                literal(QStringLiteral(" "));
            i += 2;
        } else if (c == u'@') {
            s.text = true;
            s.tokens.push_back({Token::Date, QStringLiteral("@")});
            ++i;
        } else if (code.mid(i, 5).compare(u"AM/PM", Qt::CaseInsensitive) == 0) {
            s.tokens.push_back({Token::Date, QStringLiteral("AM/PM")});
            s.date = true;
            i += 5;
        } else if (isDateLetter(c)
                   && (c.toLower() != u'a' || code.mid(i, 3).compare(u"aaa", Qt::CaseInsensitive) == 0)) {
            int j = i;
            while (j < code.size() && code[j].toLower() == c.toLower())
                ++j;
            s.tokens.push_back({Token::Date, code.mid(i, j - i).toLower()});
            s.date = true;
            i = j;
        } else if (c == u'0' || c == u'#' || c == u'?' || c == u'.' || c == u',' || c == u'E' || c == u'e') {
            int j = i;
            while (
                j < code.size()
                && (QStringLiteral("0#?.,").contains(code[j])
                    || ((code[j] == u'E' || code[j] == u'e') && j + 1 < code.size()
                        && (code[j + 1] == u'+' || code[j + 1] == u'-'))
                    || ((code[j] == u'+' || code[j] == u'-') && j > i && (code[j - 1] == u'E' || code[j - 1] == u'e'))))
                ++j;
            if (j == i) {
                literal(QString(c));
                ++i;
                continue;
            }
            s.tokens.push_back({Token::Digits, code.mid(i, j - i)});
            i = j;
        } else {
            if (c == u'%')
                s.percent = true;
            literal(QString(c));
            ++i;
        }
    }
    return s;
}

std::vector<QString> splitSections(const QString& code)
{
    std::vector<QString> out(1);
    bool quoted = false;
    for (int i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"')
            quoted = !quoted;
        if (c == u'\\' && i + 1 < code.size()) {
            out.back() += c;
            out.back() += code[++i];
            continue;
        }
        if (c == u';' && !quoted)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

QString withThousands(const QString& digits)
{
    QString out;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += u',';
        out += digits[i];
    }
    return out;
}

// A non-negative number through a digit pattern such as "#,##0.00", "0", "0.00E+00".
QString digits(double v, const QString& pattern)
{
    const int e = pattern.indexOf(u'E', 0, Qt::CaseInsensitive);
    if (e >= 0) {
        const QString mantissa = pattern.left(e);
        const int dot = mantissa.indexOf(u'.');
        const int decimals = dot < 0 ? 0 : int(mantissa.size()) - dot - 1;
        const int exponent = v == 0 ? 0 : int(std::floor(std::log10(v)));
        const QString m = QString::number(v / std::pow(10.0, exponent), 'f', decimals);
        const QString sign
            = exponent < 0 ? QStringLiteral("-") : (pattern.mid(e + 1, 1) == u"+" ? QStringLiteral("+") : QString());
        return m + u'E' + sign + QString::number(std::abs(exponent)).rightJustified(2, u'0');
    }
    const int dot = pattern.indexOf(u'.');
    const QString whole = dot < 0 ? pattern : pattern.left(dot);
    const QString frac = dot < 0 ? QString() : pattern.mid(dot + 1);
    const int decimals = int(frac.size() - frac.count(u','));
    QString number = QString::number(v, 'f', decimals);
    QString intPart = number.section(u'.', 0, 0);
    QString fracPart = number.section(u'.', 1);
    // Trailing '#' decimals drop their zeros.
    for (int i = int(fracPart.size()) - 1; i >= 0 && i < frac.size() && frac[i] == u'#' && fracPart[i] == u'0'; --i)
        fracPart.chop(1);
    const int minWhole = int(whole.count(u'0'));
    if (intPart == u"0" && minWhole == 0)
        intPart.clear();
    intPart = intPart.rightJustified(minWhole, u'0');
    if (whole.contains(u','))
        intPart = withThousands(intPart);
    return fracPart.isEmpty() && !frac.contains(u'0') && !frac.contains(u'?') ? intPart : intPart + u'.' + fracPart;
}

struct Era {
    QDate start;
    const char16_t* name;
    const char16_t* letter;
};
const std::array<Era, 5> kEras{{
    {QDate(2019, 5, 1), u"令和", u"R"},
    {QDate(1989, 1, 8), u"平成", u"H"},
    {QDate(1926, 12, 25), u"昭和", u"S"},
    {QDate(1912, 7, 30), u"大正", u"T"},
    {QDate(1868, 1, 1), u"明治", u"M"},
}};

QString dateText(double serial, const Section& s)
{
    // The 1900 system counts a 29 February 1900 that never was.
    const long long days = (long long)std::floor(serial);
    const QDate date = days == 60 ? QDate(1900, 2, 28) : QDate(1899, 12, 31).addDays(days < 60 ? days : days - 1);
    long long ms = std::llround((serial - double(days)) * 86400000.0);
    const int seconds = int(ms / 1000);
    const QTime time = QTime(0, 0).addMSecs(int(ms % 86400000));
    const bool twelve = [&] {
        for (const Token& t : s.tokens)
            if (t.kind == Token::Date && t.text == u"AM/PM")
                return true;
        return false;
    }();
    const Era* era = nullptr;
    for (const Era& e : kEras)
        if (date >= e.start) {
            era = &e;
            break;
        }
    QString out;
    bool afterHour = false;
    for (size_t i = 0; i < s.tokens.size(); ++i) {
        const Token& t = s.tokens[i];
        if (t.kind != Token::Date) {
            out += t.text;
            continue;
        }
        const QString& k = t.text;
        // "m" after an hour or before a second is minutes.
        bool minute = false;
        if (k.startsWith(u'm') && k.size() <= 2) {
            minute = afterHour;
            for (size_t j = i + 1; j < s.tokens.size() && !minute; ++j)
                if (s.tokens[j].kind == Token::Date) {
                    minute = s.tokens[j].text.startsWith(u's');
                    break;
                }
        }
        if (k.startsWith(u'h') || k == u"[h]") {
            int h = k == u"[h]" ? int(days * 24 + time.hour()) : time.hour();
            if (twelve)
                h = h % 12 == 0 ? 12 : h % 12;
            out += QString::number(h).rightJustified(k == u"hh" ? 2 : 1, u'0');
            afterHour = true;
            continue;
        }
        if (k.startsWith(u's'))
            out += QString::number(seconds % 60).rightJustified(k.size() >= 2 ? 2 : 1, u'0');
        else if (minute)
            out += QString::number(time.minute()).rightJustified(k.size(), u'0');
        else if (k.startsWith(u'y'))
            out += k.size() <= 2 ? QString::number(date.year() % 100).rightJustified(2, u'0')
                                 : QString::number(date.year());
        else if (k == u"m" || k == u"mm")
            out += QString::number(date.month()).rightJustified(k.size(), u'0');
        else if (k == u"mmm" || k == u"mmmm" || k == u"mmmmm") {
            const QString name
                = QLocale::c().monthName(date.month(), k == u"mmmm" ? QLocale::LongFormat : QLocale::ShortFormat);
            out += k == u"mmmmm" ? name.left(1) : name;
        } else if (k == u"d" || k == u"dd")
            out += QString::number(date.day()).rightJustified(k.size(), u'0');
        else if (k == u"ddd" || k == u"dddd")
            out += QLocale::c().dayName(date.dayOfWeek(), k == u"dddd" ? QLocale::LongFormat : QLocale::ShortFormat);
        else if (k == u"aaa" || k == u"aaaa") {
            static const char16_t* const days[] = {u"月", u"火", u"水", u"木", u"金", u"土", u"日"};
            out += QString::fromUtf16(days[date.dayOfWeek() - 1]) + (k == u"aaaa" ? QStringLiteral("曜日") : QString());
        } else if (k.startsWith(u'g') && era)
            out += k.size() >= 3 ? QString::fromUtf16(era->name)
                : k.size() == 2  ? QString::fromUtf16(era->name).left(1)
                                 : QString::fromUtf16(era->letter);
        else if (k.startsWith(u'e'))
            out += era
                ? QString::number(date.year() - era->start.year() + 1).rightJustified(k.size() >= 2 ? 2 : 1, u'0')
                : QString::number(date.year());
        else if (k == u"AM/PM")
            out += time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
        else
            out += k;
    }
    return out;
}

// General: up to 11 significant digits, scientific for very large or small numbers.
QString general(double v)
{
    if (v == 0)
        return QStringLiteral("0");
    const double a = std::abs(v);
    if (a >= 1e11 || a < 1e-9) {
        QString s = QString::number(v, 'E', 5);
        const int e = s.indexOf(u'E');
        QString m = s.left(e);
        if (m.contains(u'.')) {
            while (m.endsWith(u'0'))
                m.chop(1);
            if (m.endsWith(u'.'))
                m.chop(1);
        }
        const int exp = s.mid(e + 1).toInt();
        return m + (exp < 0 ? QStringLiteral("E-") : QStringLiteral("E+"))
            + QString::number(std::abs(exp)).rightJustified(2, u'0');
    }
    const int whole = a >= 1 ? int(std::floor(std::log10(a))) + 1 : 0;
    QString s = QString::number(v, 'f', std::max(0, 10 - whole));
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    return s == u"-0" ? QStringLiteral("0") : s;
}

} // namespace

QString formatNumber(const QString& value, const std::string& code)
{
    bool ok = false;
    const double v = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return value;
    const QString all = QString::fromStdString(code);
    if (all.isEmpty() || all.compare(u"General", Qt::CaseInsensitive) == 0)
        return general(v);
    const std::vector<QString> sections = splitSections(all);
    size_t index = 0;
    bool ownSign = false; // a negative section writes its own sign
    if (v < 0 && sections.size() >= 2)
        index = 1, ownSign = true;
    else if (v == 0 && sections.size() >= 3)
        index = 2;
    const Section s = parseSection(sections[index]);
    if (s.date)
        return v < 0 ? QString(u'#').repeated(8) : dateText(v, s);
    double a = std::abs(v) * (s.percent ? 100 : 1);
    QString out;
    bool anyDigits = false;
    for (const Token& t : s.tokens) {
        if (t.kind == Token::Digits) {
            QString pattern = t.text;
            // Commas after the last digit divide by a thousand each.
            while (pattern.endsWith(u',')) {
                pattern.chop(1);
                a /= 1000;
            }
            out += anyDigits ? QString() : digits(a, pattern);
            anyDigits = true;
        } else if (t.kind == Token::Date && t.text == u"@") {
            out += general(v);
        } else {
            out += t.text;
        }
    }
    if (!anyDigits && s.tokens.empty())
        return general(v);
    const bool showsNonZero = out.contains(QRegularExpression(QStringLiteral("[1-9]")));
    if (v < 0 && !ownSign && showsNonZero)
        out.prepend(u'-');
    return out;
}

} // namespace mirevo::render
