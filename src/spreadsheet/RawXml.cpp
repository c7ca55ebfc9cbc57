#include "RawXml.h"

#include "CellRef.h"
#include "SheetError.h"
#include "XmlWriter.h"

#include <cctype>
#include <vector>

namespace mirevo::sheet {

namespace {

constexpr std::string_view kMainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view kRelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kCompatNs = "http://schemas.openxmlformats.org/markup-compatibility/2006";

std::string_view prefixOf(std::string_view name)
{
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

std::string_view localOf(std::string_view name)
{
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The namespace bound to `prefix` where `node` is ("" for the default namespace).
std::string_view namespaceOf(pugi::xml_node node, std::string_view prefix)
{
    const std::string decl = prefix.empty() ? "xmlns" : "xmlns:" + std::string(prefix);
    for (; node; node = node.parent())
        if (pugi::xml_attribute a = node.attribute(decl.c_str()))
            return a.value();
    return prefix.empty() ? kMainNs : std::string_view();
}

class Serialiser {
public:
    explicit Serialiser(std::string& out) : out_(out) { }

    void element(const pugi::xml_node& node, std::vector<std::string> declared, int depth = 0)
    {
        if (depth > kMaxDepth)
            throw SheetError("XML の入れ子が深すぎます (" + std::to_string(kMaxDepth) + " 段まで)");
        std::string decls;
        const std::string name = mapped(node, node.name(), true, declared, decls);
        std::string attrs;
        for (pugi::xml_attribute a : node.attributes()) {
            const std::string_view an = a.name();
            if (an == "xmlns" || an.rfind("xmlns:", 0) == 0)
                continue;
            const std::string mappedName = mapped(node, an, false, declared, decls);
            if (mappedName.empty())
                continue;
            if (localOf(an) == "Ignorable" && namespaceOf(node, prefixOf(an)) == kCompatNs)
                declareList(node, a.value(), declared, decls);
            attrs += ' ' + mappedName + "=\"";
            appendEscaped(attrs, a.value(), true);
            attrs += '"';
        }
        out_ += '<' + name + decls + attrs;
        if (!node.first_child()) {
            out_ += "/>";
            return;
        }
        out_ += '>';
        for (pugi::xml_node c : node.children()) {
            if (c.type() == pugi::node_element)
                element(c, declared, depth + 1);
            else if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
                appendEscaped(out_, c.value(), false);
        }
        out_ += "</" + name + '>';
    }

private:
    static constexpr int kMaxDepth = 256; // no kept element nests deeper; a hostile one might

    // The name as written; declares its prefix on this element when no ancestor written did.
    std::string mapped(const pugi::xml_node& node, std::string_view name, bool isElement,
                       std::vector<std::string>& declared, std::string& decls)
    {
        const std::string_view prefix = prefixOf(name);
        if (prefix == "xml")
            return std::string(name);
        if (prefix.empty() && !isElement)
            return std::string(name);
        const std::string_view uri = namespaceOf(node, prefix);
        if (uri == kMainNs)
            return std::string(localOf(name));
        if (uri == kRelNs)
            return "r:" + std::string(localOf(name));
        if (uri.empty())
            return isElement ? std::string(localOf(name)) : std::string();
        if (prefix.empty()) { // an element in another default namespace
            decls += " xmlns=\"";
            appendEscaped(decls, uri, true);
            decls += '"';
            return std::string(name);
        }
        declare(prefix, uri, declared, decls);
        return std::string(name);
    }

    void declare(std::string_view prefix, std::string_view uri, std::vector<std::string>& declared, std::string& decls)
    {
        for (const std::string& d : declared)
            if (d == prefix)
                return;
        declared.emplace_back(prefix);
        decls += " xmlns:" + std::string(prefix) + "=\"";
        appendEscaped(decls, uri, true);
        decls += '"';
    }

    void declareList(const pugi::xml_node& node, std::string_view list, std::vector<std::string>& declared,
                     std::string& decls)
    {
        size_t i = 0;
        while (i < list.size()) {
            const size_t end = std::min(list.find(' ', i), list.size());
            const std::string_view prefix = list.substr(i, end - i);
            const std::string_view uri = prefix.empty() ? std::string_view() : namespaceOf(node, prefix);
            if (!uri.empty())
                declare(prefix, uri, declared, decls);
            i = end + 1;
        }
    }

    std::string& out_;
};

bool refChar(char c)
{
    return std::isalnum(uint8_t(c)) || c == '_' || c == '.' || c == '$';
}

// Reads [$]COL[$]ROW at `i`; on success sets the parts and the end position.
bool cellRefAt(std::string_view f, size_t i, size_t& end, bool& absCol, int& col, bool& absRow, int& row)
{
    size_t p = i;
    absCol = p < f.size() && f[p] == '$';
    p += absCol;
    const size_t letters = p;
    col = 0;
    while (p < f.size() && f[p] >= 'A' && f[p] <= 'Z' && p - letters < 3)
        col = col * 26 + (f[p++] - 'A' + 1);
    if (p == letters)
        return false;
    absRow = p < f.size() && f[p] == '$';
    p += absRow;
    const size_t digits = p;
    long r = 0;
    while (p < f.size() && std::isdigit(uint8_t(f[p])) && p - digits < 8)
        r = r * 10 + (f[p++] - '0');
    if (p == digits || r < 1)
        return false;
    // Not a reference when glued to a name or a call: LOG10(, Sheet1!, A1B.
    if (p < f.size() && (refChar(f[p]) || f[p] == '(' || f[p] == '!'))
        return false;
    row = int(r);
    end = p;
    return col <= kMaxCols && row <= kMaxRows;
}

} // namespace

std::string outerXml(const pugi::xml_node& node)
{
    std::string out;
    Serialiser(out).element(node, {});
    return out;
}

std::string shiftFormula(std::string_view f, int rows, int cols)
{
    std::string out;
    out.reserve(f.size());
    for (size_t i = 0; i < f.size();) {
        const char c = f[i];
        if (c == '"' || c == '\'') { // a text, or a quoted sheet name, as it is
            size_t j = i + 1;
            while (j < f.size() && !(f[j] == c && (j + 1 >= f.size() || f[j + 1] != c)))
                j += f[j] == c ? 2 : 1;
            out.append(f.substr(i, j + 1 - i));
            i = j + 1;
            continue;
        }
        size_t end = 0;
        bool absCol = false, absRow = false;
        int col = 0, row = 0;
        if ((i == 0 || !refChar(f[i - 1])) && cellRefAt(f, i, end, absCol, col, absRow, row)) {
            const int nc = absCol ? col : col + cols;
            const int nr = absRow ? row : row + rows;
            if (nc < 1 || nc > kMaxCols || nr < 1 || nr > kMaxRows) {
                out += "#REF!";
            } else {
                char letters[4];
                out += absCol ? "$" : "";
                out.append(letters, size_t(columnLetters(nc, letters)));
                out += absRow ? "$" : "";
                out += std::to_string(nr);
            }
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace mirevo::sheet
