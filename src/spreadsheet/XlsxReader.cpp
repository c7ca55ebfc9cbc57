// Reads the package: relationships, workbook.xml, then styles, shared strings and sheets.
// Parts the engine does not model (drawings, comments, themes, defined names...) are left
// out, and so are the relationships pointing to them.
#include "XlsxReader.h"

#include "ReaderCommon.h"
#include "SheetError.h"
#include "SheetSource.h"
#include "Theme.h"
#include "Workbook.h"
#include "ZipReader.h"

#include <QString>

#include <QtGlobal>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <map>
#include <set>
#include <unordered_map>

namespace mirevo::sheet {

namespace {

struct Relationship {
    std::string id;
    std::string type;   // last path segment of the type URI, e.g. "worksheet"
    std::string target; // package path without leading slash; an external target as given
    std::string typeUri;
    bool external = false;
};

std::string folderOf(const std::string& part)
{
    const size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// Resolves "../x", "./x", "/x" against the folder of the source part.
std::string resolve(const std::string& base, const std::string& target)
{
    if (!target.empty() && target.front() == '/')
        return target.substr(1);
    std::string folder = base;
    std::string rest = target;
    while (rest.rfind("../", 0) == 0 || rest.rfind("./", 0) == 0) {
        if (rest[1] == '.') {
            folder = folderOf(folder.empty() ? folder : folder.substr(0, folder.size() - 1));
            rest.erase(0, 3);
        } else {
            rest.erase(0, 2);
        }
    }
    return folder + rest;
}

std::string relsPathOf(const std::string& part)
{
    const std::string folder = folderOf(part);
    return folder + "_rels/" + part.substr(folder.size()) + ".rels";
}

std::vector<Relationship> readRels(const ZipReader& zip, const std::string& file, const std::string& part)
{
    const std::string relsPath = relsPathOf(part);
    std::vector<Relationship> rels;
    if (!zip.has(relsPath))
        return rels;
    const PartContext ctx{file, relsPath};
    std::string data = zip.read(relsPath);
    pugi::xml_document doc;
    loadXml(doc, data, ctx);
    for (pugi::xml_node rel : child(doc, "Relationships").children()) {
        if (localName(rel) != "Relationship")
            continue;
        const std::string type = rel.attribute("Type").value();
        const bool external = std::string_view(rel.attribute("TargetMode").value()) == "External";
        const std::string target = rel.attribute("Target").value();
        if (!isUtf8(target) || !isUtf8(type))
            PartContext{file, relsPath}.fail("参照先の文字コードが正しくありません");
        rels.push_back({rel.attribute("Id").value(), type.substr(type.rfind('/') + 1),
                        external ? target : resolve(folderOf(part), target), type, external});
    }
    return rels;
}

const Relationship* findType(const std::vector<Relationship>& rels, std::string_view type)
{
    for (const Relationship& r : rels)
        if (r.type == type && !r.external)
            return &r;
    return nullptr;
}

// Relationships by id (a workbook may have many thousands of sheets).
std::unordered_map<std::string_view, const Relationship*> byId(const std::vector<Relationship>& rels)
{
    std::unordered_map<std::string_view, const Relationship*> map;
    map.reserve(rels.size());
    for (const Relationship& r : rels)
        map.emplace(r.id, &r);
    return map;
}

// r:id whatever the prefix of the relationships namespace.
std::string_view relId(const pugi::xml_node& sheet)
{
    for (pugi::xml_attribute a : sheet.attributes()) {
        const std::string_view name = a.name();
        if (name.size() > 3 && name.substr(name.size() - 3) == ":id")
            return a.value();
    }
    return {};
}

class PackageLoader {
public:
    PackageLoader(Workbook& book, const std::string& path, const ReadLimits& limits)
        : book_(book), path_(path), package_(std::make_shared<SheetPackage>()),
          zip_(*(package_->zip = std::make_unique<ZipReader>(path, limits.package))), limits_(limits)
    {
        package_->cellsLeft = limits.maxCells;
    }

    void load(SheetReading reading)
    {
        const std::vector<Relationship> rootRels = readRels(zip_, path_, "");
        const Relationship* office = findType(rootRels, "officeDocument");
        if (!office)
            throw SheetError(path_ + ": _rels/.rels にブック本体への参照がありません");
        workbookPart_ = office->target;
        rels_ = readRels(zip_, path_, workbookPart_);
        relsById_ = byId(rels_);
        loadContentTypes();
        loadTheme();
        loadStyles();
        loadStrings();
        loadWorkbook();
        noteDroppedParts(rels_, "");
        if (reading == SheetReading::AtOpen)
            readSheets(book_);
        else
            book_.ActiveSheet().data();
        reportDropped(book_, path_, package_->dropped.lines(), package_->dropped);
        package_->reported = true;
    }

private:
    pugi::xml_node loadPart(pugi::xml_document& doc, const std::string& part)
    {
        std::string data = zip_.read(part);
        loadXml(doc, data, PartContext{path_, part});
        return doc.first_child();
    }

    void loadContentTypes()
    {
        if (!zip_.has("[Content_Types].xml"))
            return;
        pugi::xml_document doc;
        const pugi::xml_node root = loadPart(doc, "[Content_Types].xml");
        for (pugi::xml_node n : root.children()) {
            if (localName(n) == "Default")
                defaultTypes_[lower(n.attribute("Extension").value())] = n.attribute("ContentType").value();
            else if (localName(n) == "Override")
                overrideTypes_[resolve("", n.attribute("PartName").value())] = n.attribute("ContentType").value();
        }
    }

    static std::string lower(std::string text)
    {
        std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        return text;
    }

    std::string contentTypeOf(const std::string& part) const
    {
        if (const auto it = overrideTypes_.find(part); it != overrideTypes_.end())
            return it->second;
        const size_t dot = part.rfind('.');
        const std::string ext = dot == std::string::npos ? "" : lower(part.substr(dot + 1));
        if (const auto it = defaultTypes_.find(ext); it != defaultTypes_.end())
            return it->second;
        static const std::map<std::string, std::string> known
            = {{"png", "image/png"},   {"jpeg", "image/jpeg"},
               {"jpg", "image/jpeg"},  {"gif", "image/gif"},
               {"emf", "image/x-emf"}, {"wmf", "image/x-wmf"},
               {"bmp", "image/bmp"},   {"tif", "image/tiff"},
               {"tiff", "image/tiff"}, {"vml", "application/vnd.openxmlformats-officedocument.vmlDrawing"}};
        if (const auto it = known.find(ext); it != known.end())
            return it->second;
        return "application/xml";
    }

    // The part and, recursively, the parts it refers to; each part is read once.
    std::shared_ptr<const CarriedPart> carriedPart(const std::string& name, int depth)
    {
        if (const auto it = carried_.find(name); it != carried_.end())
            return it->second;
        auto part = std::make_shared<CarriedPart>();
        carried_.emplace(name, part); // before its relationships: a cycle ends here
        part->name = name;
        part->contentType = contentTypeOf(name);
        part->data = zip_.read(name);
        if (depth < 8)
            part->rels = carriedRels(readRels(zip_, path_, name), depth + 1);
        return part;
    }

    std::vector<CarriedRel> carriedRels(const std::vector<Relationship>& rels, int depth)
    {
        std::vector<CarriedRel> out;
        for (const Relationship& r : rels) {
            if (r.external)
                out.push_back({r.id, r.typeUri, r.target, true, nullptr});
            else if (zip_.has(r.target))
                out.push_back({r.id, r.typeUri, {}, false, carriedPart(r.target, depth)});
        }
        return out;
    }

    // The sheet's relationships to what it carries; the rest is named as dropped.
    std::vector<CarriedRel> carrySheetRels(const std::vector<Relationship>& rels, const std::string& sheetName)
    {
        static const std::set<std::string_view> carried = {"drawing", "vmlDrawing", "comments", "hyperlink", "image"};
        std::vector<Relationship> kept;
        for (const Relationship& r : rels)
            if (carried.count(r.type))
                kept.push_back(r);
        noteDroppedParts(rels, sheetName);
        return carriedRels(kept, 1);
    }

    // Kept as read; its colour scheme resolves the theme colours of the styles.
    void loadTheme()
    {
        if (const Relationship* rel = findType(rels_, "theme"); rel && zip_.has(rel->target))
            book_.tables().styles.setTheme(std::make_shared<Theme>(zip_.read(rel->target)));
    }

    void loadStyles()
    {
        package_->styles = {0};
        if (const Relationship* rel = findType(rels_, "styles")) {
            pugi::xml_document doc;
            package_->styles
                = readStylesPart(loadPart(doc, rel->target), book_.tables().styles, PartContext{path_, rel->target});
        }
    }

    void loadStrings()
    {
        if (const Relationship* rel = findType(rels_, "sharedStrings")) {
            pugi::xml_document doc;
            package_->strings = readSharedStringsPart(loadPart(doc, rel->target), book_.tables().strings,
                                                      PartContext{path_, rel->target});
            for (uint32_t& id : package_->strings)
                id |= kWorkbookString;
        }
    }

    void loadWorkbook()
    {
        pugi::xml_document doc;
        const pugi::xml_node root = loadPart(doc, workbookPart_);
        const PartContext ctx{path_, workbookPart_};
        if (localName(root) != "workbook")
            ctx.fail("workbook 要素がありません");
        book_.setDate1904(boolAttr(child(root, "workbookPr"), "date1904", false));
        const pugi::xml_node sheets = child(root, "sheets");
        long count = 0;
        for (pugi::xml_node sheet : sheets.children())
            count += localName(sheet) == "sheet";
        if (count > limits_.maxSheets)
            ctx.fail("シートの数 (" + std::to_string(count) + ") がブックの上限 (" + std::to_string(limits_.maxSheets)
                     + ") を超えています");
        for (pugi::xml_node sheet : sheets.children())
            if (localName(sheet) == "sheet")
                loadSheet(sheet, ctx);
        if (book_.sheets().empty())
            ctx.fail("ワークシートがありません");
        const long active = intAttr(child(child(root, "bookViews"), "workbookView"), "activeTab", 0, ctx);
        book_.setActiveIndex(active >= 0 && active < long(book_.sheets().size()) ? int(active) : 0);
        applyVisibility(sheets);
        loadDefinedNames(child(root, "definedNames"), ctx);
    }

    // Hidden and very hidden sheets; a file whose every sheet is hidden keeps one shown.
    void applyVisibility(const pugi::xml_node& sheets)
    {
        size_t i = 0;
        for (pugi::xml_node sheet : sheets.children()) {
            if (localName(sheet) != "sheet")
                continue;
            Worksheet* ws = fileSheets_[i++];
            const std::string_view state = sheet.attribute("state").value();
            if (!ws || state.empty() || state == "visible")
                continue;
            try {
                ws->setVisible(state == "veryHidden" ? xlSheetVeryHidden : xlSheetHidden);
            } catch (const SheetError&) {
                package_->dropped.add("非表示の指定 (すべてのシートが非表示のため表示にしました)", ws->Name());
            }
        }
    }

    // Defined names; localSheetId counts every <sheet> of the file, chart sheets included.
    void loadDefinedNames(const pugi::xml_node& names, const PartContext& ctx)
    {
        for (pugi::xml_node n : names.children()) {
            if (localName(n) != "definedName")
                continue;
            DefinedName name{n.attribute("name").value(), nullptr, n.text().get(), boolAttr(n, "hidden", false)};
            if (name.name.empty() || !isUtf8(name.name) || !isUtf8(name.formula))
                ctx.fail("名前の定義が正しくありません: " + std::string(isUtf8(name.name) ? name.name : ""));
            if (n.attribute("localSheetId")) {
                const long local = intAttr(n, "localSheetId", -1, ctx);
                if (local < 0 || size_t(local) >= fileSheets_.size() || !fileSheets_[size_t(local)]) {
                    package_->dropped.add("名前の定義", name.name);
                    continue;
                }
                name.sheet = fileSheets_[size_t(local)];
            }
            book_.definedNames().push_back(std::move(name));
        }
    }

    // Parts the engine does not model, by what a user would call them.
    void noteDroppedParts(const std::vector<Relationship>& rels, const std::string& sheetName)
    {
        static const std::map<std::string_view, const char*> kinds
            = {{"table", "テーブル"},
               {"pivotTable", "ピボットテーブル"},
               {"threadedComment", "スレッド形式のコメント"},
               {"oleObject", "埋め込みオブジェクト"},
               {"vbaProject", "マクロ"},
               {"externalLink", "外部参照"},
               {"control", "コントロール"},
               {"ctrlProp", "コントロール"},
               {"slicer", "スライサー"},
               {"timeline", "タイムライン"},
               {"customProperty", "シートのユーザー設定プロパティ"}};
        for (const Relationship& r : rels) {
            const auto it = kinds.find(r.type);
            if (it != kinds.end())
                note(it->second, sheetName);
        }
    }

    void note(const std::string& what, const std::string& where) { package_->dropped.note(what, where); }

    void loadSheet(const pugi::xml_node& sheet, const PartContext& ctx)
    {
        const auto found = relsById_.find(relId(sheet));
        const Relationship* rel = found == relsById_.end() ? nullptr : found->second;
        if (!rel && relId(sheet).empty()) { // no part at all: read as an empty sheet
            fileSheets_.push_back(addSheet(sheet, ctx));
            note("内容のないシート (空のシートとして読みました)", sheet.attribute("name").value());
            return;
        }
        if (!rel)
            ctx.fail(std::string("シートの参照先がありません: ") + sheet.attribute("name").value());
        fileSheets_.push_back(nullptr);
        if (rel->type != "worksheet") { // chart sheets and dialog sheets are not modelled
            note("グラフシート・ダイアログシート", sheet.attribute("name").value());
            return;
        }
        Worksheet* ws = addSheet(sheet, ctx);
        fileSheets_.back() = ws;
        zip_.require(rel->target);
        ws->setSource(std::make_shared<SheetSource>(package_, rel->target,
                                                    carrySheetRels(readRels(zip_, path_, rel->target), ws->Name())));
    }

    Worksheet* addSheet(const pugi::xml_node& sheet, const PartContext& ctx)
    {
        try {
            return &book_.insertSheet(int(book_.sheets().size()), sheet.attribute("name").value());
        } catch (const SheetError& e) {
            ctx.fail(e.what());
        }
    }

    Workbook& book_;
    std::string path_;
    std::shared_ptr<SheetPackage> package_; // what the sheets' parts are read with
    ZipReader& zip_;
    ReadLimits limits_;
    std::string workbookPart_;
    std::vector<Relationship> rels_;
    std::unordered_map<std::string_view, const Relationship*> relsById_;
    std::vector<Worksheet*> fileSheets_;               // by position in <sheets>; null: not loaded
    std::map<std::string, std::string> defaultTypes_;  // extension -> content type
    std::map<std::string, std::string> overrideTypes_; // part -> content type
    std::map<std::string, std::shared_ptr<const CarriedPart>> carried_;
};

} // namespace

void PartContext::fail(const std::string& why) const
{
    throw SheetError(file + ": " + part + ": " + why);
}

std::string_view localName(const pugi::xml_node& node)
{
    const std::string_view name = node.name();
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child(const pugi::xml_node& node, std::string_view name)
{
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (localName(c) == name)
            return c;
    return {};
}

void loadXml(pugi::xml_document& doc, std::string& data, const PartContext& ctx)
{
    const auto result = doc.load_buffer(data.data(), data.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (!result)
        ctx.fail(std::string("XML が正しくありません (位置 ") + std::to_string(result.offset) + ": "
                 + result.description() + ")");
}

bool boolAttr(const pugi::xml_node& node, const char* name, bool fallback)
{
    const pugi::xml_attribute a = node.attribute(name);
    if (!a)
        return fallback;
    const std::string_view v = a.value();
    return v == "1" || v == "true" || v == "on";
}

double doubleAttr(const pugi::xml_node& node, const char* name, double fallback, const PartContext& ctx)
{
    const pugi::xml_attribute a = node.attribute(name);
    if (!a)
        return fallback;
    const std::string_view v = a.value();
    double out = 0;
    const auto res = std::from_chars(v.data(), v.data() + v.size(), out);
    if (res.ec != std::errc() || res.ptr != v.data() + v.size() || !std::isfinite(out))
        ctx.fail(std::string("数値が正しくありません: ") + name + "=\"" + std::string(v) + "\"");
    return out;
}

double rangedAttr(const pugi::xml_node& node, const char* name, double fallback, double lo, double hi,
                  const PartContext& ctx)
{
    const double v = doubleAttr(node, name, fallback, ctx);
    return v >= lo && v <= hi ? v : fallback;
}

long intAttr(const pugi::xml_node& node, const char* name, long fallback, const PartContext& ctx)
{
    return intValue(node.attribute(name), fallback, ctx);
}

long intValue(const pugi::xml_attribute& a, long fallback, const PartContext& ctx)
{
    if (!a)
        return fallback;
    const std::string_view v = a.value();
    long out = 0;
    const auto res = std::from_chars(v.data(), v.data() + v.size(), out);
    if (res.ec != std::errc() || res.ptr != v.data() + v.size())
        ctx.fail(std::string("整数が正しくありません: ") + a.name() + "=\"" + std::string(v) + "\"");
    return out;
}

bool isUtf8(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    auto cont = [](unsigned char c) { return (c & 0xC0) == 0x80; };
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        // Lead byte: length and the allowed range of the second byte (no overlongs, no
        // surrogates, nothing above U+10FFFF).
        int len = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF)
            len = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            lo = c == 0xE0 ? 0xA0 : 0x80;
            hi = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            lo = c == 0xF0 ? 0x90 : 0x80;
            hi = c == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (end - p < len || p[1] < lo || p[1] > hi)
            return false;
        for (int k = 2; k < len; ++k)
            if (!cont(p[k]))
                return false;
        p += len;
    }
    return true;
}

std::string decodeText(std::string_view text)
{
    if (text.find("_x") == std::string_view::npos)
        return std::string(text);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned code = 0;
        if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_'
            && std::from_chars(text.data() + i + 2, text.data() + i + 6, code, 16).ptr == text.data() + i + 6) {
            out += QString(QChar(char16_t(code))).toStdString();
            i += 6;
            continue;
        }
        out += text[i];
    }
    return out;
}

void readXlsx(Workbook& book, const std::string& path, const ReadLimits& limits, SheetReading reading)
{
    PackageLoader(book, path, limits).load(reading);
}

} // namespace mirevo::sheet
