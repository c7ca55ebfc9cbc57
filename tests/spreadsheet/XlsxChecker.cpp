#include "XlsxChecker.h"

#include "ZipParts.h"

#include <QString>
#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <set>

namespace mirevo::sheet::test {

namespace {

const std::vector<std::string> kWorksheetOrder = {"sheetPr",
                                                  "dimension",
                                                  "sheetViews",
                                                  "sheetFormatPr",
                                                  "cols",
                                                  "sheetData",
                                                  "sheetCalcPr",
                                                  "sheetProtection",
                                                  "protectedRanges",
                                                  "scenarios",
                                                  "autoFilter",
                                                  "sortState",
                                                  "dataConsolidate",
                                                  "customSheetViews",
                                                  "mergeCells",
                                                  "phoneticPr",
                                                  "conditionalFormatting",
                                                  "dataValidations",
                                                  "hyperlinks",
                                                  "printOptions",
                                                  "pageMargins",
                                                  "pageSetup",
                                                  "headerFooter",
                                                  "rowBreaks",
                                                  "colBreaks",
                                                  "customProperties",
                                                  "cellWatches",
                                                  "ignoredErrors",
                                                  "smartTags",
                                                  "drawing",
                                                  "legacyDrawing",
                                                  "legacyDrawingHF",
                                                  "picture",
                                                  "oleObjects",
                                                  "controls",
                                                  "webPublishItems",
                                                  "tableParts",
                                                  "extLst"};
const std::vector<std::string> kStylesOrder
    = {"numFmts",    "fonts", "fills",       "borders", "cellStyleXfs", "cellXfs",
       "cellStyles", "dxfs",  "tableStyles", "colors",  "extLst"};
const std::vector<std::string> kWorkbookOrder = {"fileVersion",    "fileSharing",
                                                 "workbookPr",     "workbookProtection",
                                                 "bookViews",      "sheets",
                                                 "functionGroups", "externalReferences",
                                                 "definedNames",   "calcPr",
                                                 "oleSize",        "customWorkbookViews",
                                                 "pivotCaches",    "smartTagPr",
                                                 "smartTagTypes",  "webPublishing",
                                                 "fileRecoveryPr", "webPublishObjects",
                                                 "extLst"};

struct Rect {
    int r1, c1, r2, c2;
};

bool parseCell(std::string_view s, int& row, int& col)
{
    size_t i = 0;
    col = 0;
    while (i < s.size() && s[i] >= 'A' && s[i] <= 'Z')
        col = col * 26 + (s[i++] - 'A' + 1);
    row = 0;
    const size_t digits = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        row = row * 10 + (s[i++] - '0');
    return i == s.size() && digits > 0 && i > digits && row >= 1 && row <= 1048576 && col >= 1 && col <= 16384;
}

bool parseRect(std::string_view s, Rect& r)
{
    const size_t colon = s.find(':');
    if (colon == std::string_view::npos)
        return parseCell(s, r.r1, r.c1) && parseCell(s, r.r2, r.c2);
    return parseCell(s.substr(0, colon), r.r1, r.c1) && parseCell(s.substr(colon + 1), r.r2, r.c2) && r.r1 <= r.r2
        && r.c1 <= r.c2;
}

class Checker {
public:
    explicit Checker(const std::string& path) : path_(path) { }

    std::vector<std::string> run()
    {
        try {
            entries_ = zipEntries(path_);
        } catch (const std::exception& e) {
            return {e.what()};
        }
        checkContentTypes();
        checkAllRels();
        checkWorkbook();
        return problems_;
    }

private:
    void problem(const std::string& part, const std::string& what) { problems_.push_back(part + ": " + what); }

    bool exists(const std::string& name) const
    {
        return std::find(entries_.begin(), entries_.end(), name) != entries_.end();
    }

    bool load(pugi::xml_document& doc, const std::string& part)
    {
        bool found = false;
        const std::string data = zipEntry(path_, part, &found);
        if (!found) {
            problem(part, "missing");
            return false;
        }
        if (!doc.load_buffer(data.data(), data.size())) {
            problem(part, "not well-formed XML");
            return false;
        }
        return true;
    }

    void checkOrder(const pugi::xml_node& root, const std::vector<std::string>& order, const std::string& part)
    {
        int last = -1;
        for (pugi::xml_node c : root.children()) {
            auto it = std::find(order.begin(), order.end(), c.name());
            if (it == order.end()) {
                problem(part, std::string("unexpected element ") + c.name());
                continue;
            }
            const int pos = int(it - order.begin());
            if (pos <= last)
                problem(part, std::string("element out of order or repeated: ") + c.name());
            last = pos;
        }
    }

    void checkContentTypes()
    {
        pugi::xml_document doc;
        if (!load(doc, "[Content_Types].xml"))
            return;
        std::set<std::string> defaults;
        for (pugi::xml_node d : doc.child("Types").children("Default"))
            defaults.insert(d.attribute("Extension").value());
        for (pugi::xml_node o : doc.child("Types").children("Override")) {
            const std::string part = std::string(o.attribute("PartName").value()).substr(1);
            types_[part] = o.attribute("ContentType").value();
            if (!exists(part))
                problem("[Content_Types].xml", "override for missing part " + part);
        }
        for (const std::string& e : entries_) {
            const std::string ext = e.substr(e.rfind('.') + 1);
            if (e != "[Content_Types].xml" && !types_.count(e) && !defaults.count(ext))
                problem("[Content_Types].xml", "no content type for " + e);
        }
    }

    void checkAllRels()
    {
        for (const std::string& e : entries_)
            if (e.size() > 5 && e.substr(e.size() - 5) == ".rels")
                checkRels(e);
    }

    void checkRels(const std::string& relsPart)
    {
        pugi::xml_document doc;
        if (!load(doc, relsPart))
            return;
        const size_t relsDir = relsPart.rfind("_rels/");
        const std::string base = relsPart.substr(0, relsDir);
        std::set<std::string> ids;
        for (pugi::xml_node r : doc.child("Relationships").children("Relationship")) {
            const std::string id = r.attribute("Id").value();
            if (!ids.insert(id).second)
                problem(relsPart, "duplicate Id " + id);
            std::string target = r.attribute("Target").value();
            if (std::string_view(r.attribute("TargetMode").value()) == "External")
                continue;
            target = target.front() == '/' ? target.substr(1) : base + target;
            if (!exists(target))
                problem(relsPart, "target missing: " + target);
            rels_[relsPart][id] = target;
        }
    }

    void checkWorkbook()
    {
        pugi::xml_document doc;
        if (!load(doc, "xl/workbook.xml"))
            return;
        const pugi::xml_node wb = doc.child("workbook");
        checkOrder(wb, kWorkbookOrder, "xl/workbook.xml");
        const int sst = checkSharedStrings();
        const int xfs = checkStyles();
        const int activeTab = wb.child("bookViews").child("workbookView").attribute("activeTab").as_int(0);
        std::vector<QString> names;
        int index = 0;
        for (pugi::xml_node s : wb.child("sheets").children("sheet")) {
            checkSheetName(s.attribute("name").value(), names);
            const std::string target = rels_["xl/_rels/workbook.xml.rels"][s.attribute("r:id").value()];
            if (target.empty()
                || types_[target] != "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml")
                problem("xl/workbook.xml",
                        "sheet without a worksheet part: " + std::string(s.attribute("name").value()));
            else
                checkWorksheet(target, xfs, sst, index == activeTab);
            ++index;
        }
        if (activeTab < 0 || activeTab >= index)
            problem("xl/workbook.xml", "activeTab out of range");
    }

    void checkSheetName(const std::string& utf8, std::vector<QString>& names)
    {
        const QString name = QString::fromStdString(utf8);
        static const QString forbidden = QStringLiteral(":\\/?*[]：＼／？＊［］");
        bool bad = name.isEmpty() || name.size() > 31 || name.startsWith(u'\'') || name.endsWith(u'\'');
        for (QChar ch : name)
            bad = bad || forbidden.contains(ch);
        if (bad)
            problem("xl/workbook.xml", "invalid sheet name " + utf8);
        for (const QString& other : names)
            if (other.compare(name, Qt::CaseInsensitive) == 0)
                problem("xl/workbook.xml", "duplicate sheet name " + utf8);
        names.push_back(name);
    }

    int checkSharedStrings()
    {
        pugi::xml_document doc;
        if (!load(doc, "xl/sharedStrings.xml"))
            return 0;
        const pugi::xml_node sst = doc.child("sst");
        const int count = int(std::distance(sst.children("si").begin(), sst.children("si").end()));
        if (sst.attribute("uniqueCount").as_int(-1) != count)
            problem("xl/sharedStrings.xml", "uniqueCount does not match the items");
        return count;
    }

    int countChecked(const pugi::xml_node& list, const char* item, const std::string& part)
    {
        const int count = int(std::distance(list.children(item).begin(), list.children(item).end()));
        if (list.attribute("count").as_int(-1) != count)
            problem(part, std::string(list.name()) + " count does not match");
        return count;
    }

    int checkStyles()
    {
        const std::string part = "xl/styles.xml";
        pugi::xml_document doc;
        if (!load(doc, part))
            return 0;
        const pugi::xml_node ss = doc.child("styleSheet");
        checkOrder(ss, kStylesOrder, part);
        const int fonts = countChecked(ss.child("fonts"), "font", part);
        const int fills = countChecked(ss.child("fills"), "fill", part);
        const int borders = countChecked(ss.child("borders"), "border", part);
        const int styleXfs = countChecked(ss.child("cellStyleXfs"), "xf", part);
        const int xfs = countChecked(ss.child("cellXfs"), "xf", part);
        for (pugi::xml_node xf : ss.child("cellXfs").children("xf"))
            if (xf.attribute("fontId").as_int() >= fonts || xf.attribute("fillId").as_int() >= fills
                || xf.attribute("borderId").as_int() >= borders || xf.attribute("xfId").as_int() >= styleXfs)
                problem(part, "xf index out of range");
        return xfs;
    }

    void checkWorksheet(const std::string& part, int xfs, int sst, bool active)
    {
        pugi::xml_document doc;
        if (!load(doc, part))
            return;
        const pugi::xml_node ws = doc.child("worksheet");
        checkOrder(ws, kWorksheetOrder, part);
        if (ws.child("sheetViews").child("sheetView").attribute("tabSelected").as_bool() != active)
            problem(part, "tabSelected does not match activeTab");
        checkRows(ws.child("sheetData"), xfs, sst, part);
        checkMerges(ws.child("mergeCells"), part);
        checkBreaks(ws.child("rowBreaks"), part);
        checkCols(ws.child("cols"), part);
    }

    void checkRows(const pugi::xml_node& sheetData, int xfs, int sst, const std::string& part)
    {
        int lastRow = 0;
        for (pugi::xml_node row : sheetData.children("row")) {
            const int r = row.attribute("r").as_int();
            if (r <= lastRow)
                problem(part, "rows not ascending at " + std::to_string(r));
            lastRow = r;
            int lastCol = 0;
            for (pugi::xml_node c : row.children("c")) {
                int cr = 0, cc = 0;
                const std::string ref = c.attribute("r").value();
                if (!parseCell(ref, cr, cc) || cr != r || cc <= lastCol)
                    problem(part, "cell out of place: " + ref);
                lastCol = cc;
                if (c.attribute("s").as_int() >= xfs)
                    problem(part, "style index out of range in " + ref);
                if (std::string_view(c.attribute("t").value()) == "s" && c.child("v").text().as_int(-1) >= sst)
                    problem(part, "string index out of range in " + ref);
            }
        }
    }

    void checkMerges(const pugi::xml_node& merges, const std::string& part)
    {
        std::vector<Rect> seen;
        if (merges && countChecked(merges, "mergeCell", part) == 0)
            problem(part, "empty mergeCells");
        for (pugi::xml_node m : merges.children("mergeCell")) {
            Rect r{};
            if (!parseRect(m.attribute("ref").value(), r) || (r.r1 == r.r2 && r.c1 == r.c2)) {
                problem(part, std::string("bad merge ") + m.attribute("ref").value());
                continue;
            }
            for (const Rect& o : seen)
                if (r.r1 <= o.r2 && o.r1 <= r.r2 && r.c1 <= o.c2 && o.c1 <= r.c2)
                    problem(part, std::string("overlapping merge ") + m.attribute("ref").value());
            seen.push_back(r);
        }
    }

    void checkBreaks(const pugi::xml_node& breaks, const std::string& part)
    {
        if (!breaks)
            return;
        countChecked(breaks, "brk", part);
        int last = 0;
        for (pugi::xml_node b : breaks.children("brk")) {
            if (b.attribute("id").as_int() <= last || b.attribute("max").as_int() != 16383
                || !b.attribute("man").as_bool())
                problem(part, "bad brk " + std::string(b.attribute("id").value()));
            last = b.attribute("id").as_int();
        }
        if (breaks.attribute("manualBreakCount").as_int()
            != int(std::distance(breaks.children("brk").begin(), breaks.children("brk").end())))
            problem(part, "manualBreakCount does not match");
    }

    void checkCols(const pugi::xml_node& cols, const std::string& part)
    {
        int last = 0;
        for (pugi::xml_node c : cols.children("col")) {
            const int min = c.attribute("min").as_int(), max = c.attribute("max").as_int();
            if (min <= last || max < min || max > 16384)
                problem(part, "bad col span " + std::to_string(min) + "-" + std::to_string(max));
            last = max;
        }
    }

    std::string path_;
    std::vector<std::string> entries_;
    std::map<std::string, std::string> types_;
    std::map<std::string, std::map<std::string, std::string>> rels_;
    std::vector<std::string> problems_;
};

} // namespace

std::vector<std::string> checkXlsx(const std::string& path)
{
    return Checker(path).run();
}

} // namespace mirevo::sheet::test
