#include "PrintNames.h"

#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

#include <cctype>
#include <string>

namespace mirevo::render {

namespace {

// "A" -> column 1, "12" -> row 12; 0 when the text is neither.
int columnOf(std::string_view s)
{
    int c = 0;
    for (char ch : s) {
        if (!std::isalpha(static_cast<unsigned char>(ch)) || c > sheet::kMaxCols)
            return 0;
        c = c * 26 + (std::toupper(static_cast<unsigned char>(ch)) - 'A' + 1);
    }
    return c <= sheet::kMaxCols ? c : 0;
}

int rowOf(std::string_view s)
{
    int r = 0;
    for (char ch : s) {
        if (!std::isdigit(static_cast<unsigned char>(ch)) || r > sheet::kMaxRows)
            return 0;
        r = r * 10 + (ch - '0');
    }
    return r <= sheet::kMaxRows ? r : 0;
}

// One end of a range: "B5", "B" (a column) or "5" (a row); false when unreadable.
bool readEnd(std::string_view s, int& row, int& col)
{
    size_t letters = 0;
    while (letters < s.size() && std::isalpha(static_cast<unsigned char>(s[letters])))
        ++letters;
    col = letters ? columnOf(s.substr(0, letters)) : 0;
    row = letters < s.size() ? rowOf(s.substr(letters)) : 0;
    return (letters == 0 || col > 0) && (letters == s.size() || row > 0) && !s.empty();
}

bool readRange(std::string_view part, sheet::Rect& out)
{
    std::string s;
    for (char ch : part.substr(part.rfind('!') == std::string_view::npos ? 0 : part.rfind('!') + 1))
        if (ch != '$' && ch != ' ')
            s += ch;
    const size_t colon = s.find(':');
    int r1, c1, r2, c2;
    if (!readEnd(std::string_view(s).substr(0, colon), r1, c1))
        return false;
    if (colon == std::string::npos)
        r2 = r1, c2 = c1;
    else if (!readEnd(std::string_view(s).substr(colon + 1), r2, c2))
        return false;
    if ((r1 == 0) != (r2 == 0) || (c1 == 0) != (c2 == 0))
        return false;
    out = sheet::Rect{r1 ? r1 : 1, c1 ? c1 : 1, r2 ? r2 : sheet::kMaxRows, c2 ? c2 : sheet::kMaxCols};
    return out.r1 <= out.r2 && out.c1 <= out.c2;
}

const sheet::DefinedName* localName(const sheet::Worksheet& ws, std::string_view name)
{
    for (const sheet::DefinedName& n : ws.Parent().definedNames())
        if (n.sheet == &ws && n.name == name)
            return &n;
    return nullptr;
}

} // namespace

std::vector<sheet::Rect> referenceList(std::string_view formula)
{
    std::vector<sheet::Rect> out;
    bool quoted = false;
    size_t start = 0;
    for (size_t i = 0; i <= formula.size(); ++i) {
        if (i < formula.size() && formula[i] == '\'')
            quoted = !quoted;
        if (i == formula.size() || (formula[i] == ',' && !quoted)) {
            sheet::Rect r;
            if (readRange(formula.substr(start, i - start), r))
                out.push_back(r);
            start = i + 1;
        }
    }
    return out;
}

std::vector<sheet::Rect> printAreas(const sheet::Worksheet& ws)
{
    const sheet::DefinedName* n = localName(ws, "_xlnm.Print_Area");
    return n ? referenceList(n->formula) : std::vector<sheet::Rect>{};
}

PrintTitles printTitles(const sheet::Worksheet& ws)
{
    PrintTitles t;
    const sheet::DefinedName* n = localName(ws, "_xlnm.Print_Titles");
    if (!n)
        return t;
    for (const sheet::Rect& r : referenceList(n->formula)) {
        if (r.c1 == 1 && r.c2 == sheet::kMaxCols)
            t.r1 = r.r1, t.r2 = r.r2;
        else if (r.r1 == 1 && r.r2 == sheet::kMaxRows)
            t.c1 = r.c1, t.c2 = r.c2;
    }
    return t;
}

} // namespace mirevo::render
