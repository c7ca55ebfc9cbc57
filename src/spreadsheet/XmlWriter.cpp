#include "XmlWriter.h"

#include <charconv>

namespace mirevo::sheet {

namespace {

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "_x0041_" in the text would be read back as an escape, so its underscore is escaped too.
bool looksLikeEscape(std::string_view v, size_t i)
{
    return i + 6 < v.size() && v[i + 1] == 'x' && isHex(v[i + 2]) && isHex(v[i + 3]) && isHex(v[i + 4])
        && isHex(v[i + 5]) && v[i + 6] == '_';
}

void appendHexEscape(std::string& out, unsigned char c)
{
    static const char digits[] = "0123456789ABCDEF";
    out += "_x00";
    out += digits[c >> 4];
    out += digits[c & 15];
    out += '_';
}

} // namespace

void appendEscaped(std::string& out, std::string_view value, bool attribute)
{
    size_t plain = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        const bool special
            = c == '&' || c == '<' || c == '>' || c == '_' || c < 0x20 || c == 0xEF || (attribute && c == '"');
        if (!special)
            continue;
        out.append(value.data() + plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '_':
            out += !attribute && looksLikeEscape(value, i) ? "_x005F_" : "_";
            break;
        case 0xEF:
            // U+FFFE and U+FFFF are not XML characters; everything else from EF passes.
            if (!attribute && i + 2 < value.size() && value[i + 1] == '\xBF'
                && (value[i + 2] == '\xBE' || value[i + 2] == '\xBF')) {
                out += value[i + 2] == '\xBE' ? "_xFFFE_" : "_xFFFF_";
                i += 2;
                plain = i + 1;
            } else {
                out += char(c);
            }
            break;
        case '\r':
            // A parser turns a literal CR into LF, so it travels escaped.
            out += attribute ? "&#13;" : "_x000D_";
            break;
        case '\t':
        case '\n':
            if (attribute) {
                out += "&#";
                appendInt(out, c);
                out += ';';
            } else {
                out += char(c);
            }
            break;
        default:
            if (!attribute) // attributes cannot carry these characters at all
                appendHexEscape(out, c);
            break;
        }
    }
    out.append(value.data() + plain, value.size() - plain);
}

void appendInt(std::string& out, int64_t value)
{
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, size_t(res.ptr - buf));
}

void appendDouble(std::string& out, double value)
{
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, size_t(res.ptr - buf));
}

void XmlWriter::declaration()
{
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
}

void XmlWriter::attr(std::string_view name, std::string_view value)
{
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    appendEscaped(out_, value, true);
    out_ += '"';
}

void XmlWriter::attr(std::string_view name, int64_t value)
{
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    appendInt(out_, value);
    out_ += '"';
}

void XmlWriter::attrDouble(std::string_view name, double value)
{
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
    appendDouble(out_, value);
    out_ += '"';
}

void XmlWriter::text(std::string_view value)
{
    appendEscaped(out_, value, false);
}

} // namespace mirevo::sheet
