#include "SheetSource.h"

#include "ReaderCommon.h"
#include "SheetError.h"
#include "Workbook.h"

#include <QtGlobal>

#include <algorithm>
#include <exception>
#include <thread>

namespace mirevo::sheet {

namespace {

// Elements of a worksheet part the engine neither models nor carries, by what a user would
// call them.
std::vector<std::string> droppedElements(const pugi::xml_node& root)
{
    static const std::pair<std::string_view, const char*> kinds[]
        = {{"customSheetViews", "ユーザー設定のビュー"},
           {"oleObjects", "埋め込みオブジェクト"},
           {"controls", "コントロール"},
           {"AlternateContent", "埋め込みオブジェクト・コントロール"},
           {"smartTags", "スマートタグ"},
           {"webPublishItems", "Web 発行の設定"}};
    std::vector<std::string> dropped;
    for (pugi::xml_node c = root.first_child(); c; c = c.next_sibling())
        for (const auto& [element, what] : kinds)
            if (localName(c) == element)
                dropped.push_back(what);
    return dropped;
}

std::unique_ptr<ParsedSheet> parsePart(SheetPackage& package, ZipReader& zip, const std::string& part)
{
    const PartContext ctx{zip.path(), part};
    CellCounter counter(package.cellsLeft, ctx);
    std::string xml = zip.read(part, [&counter](std::string_view chunk) { counter.feed(chunk); });
    pugi::xml_document doc;
    loadXml(doc, xml, ctx);
    const pugi::xml_node root = doc.first_child();
    auto parsed = std::make_unique<ParsedSheet>();
    long cellsLeft = counter.counted();
    readWorksheetPart(root, parsed->data, package.styles, package.strings, parsed->strings, cellsLeft, ctx);
    parsed->dropped = droppedElements(root);
    return parsed;
}

// The parsed sheet's strings moved into the workbook's table, in the order the part gave them.
void joinStrings(ParsedSheet& parsed, StringTable& table)
{
    std::vector<uint32_t> to(parsed.strings.size());
    for (uint32_t i = 0; i < to.size(); ++i) {
        const std::string* rich = parsed.strings.richXml(i);
        to[i] = rich ? table.internRich(parsed.strings.text(i), *rich) : table.intern(parsed.strings.text(i));
    }
    auto map = [&](uint32_t id) {
        return id == kNoString ? id : (id & kWorkbookString) ? id & ~kWorkbookString : to[id];
    };
    parsed.data.rows.forEach([&](int, Row& row) {
        for (Cell& cell : row.cells) {
            cell.str = map(cell.str);
            cell.formula = map(cell.formula);
        }
    });
}

// Parses every source on every core; each source is parsed by one thread.
void parseAll(const std::vector<SheetSource*>& sources)
{
    std::atomic<size_t> next{0};
    auto work = [&](bool own) {
        std::map<const SheetPackage*, std::unique_ptr<ZipReader>> readers; // a thread's own
        try {
            for (size_t i; (i = next++) < sources.size();) {
                SheetSource& source = *sources[i];
                ZipReader* zip = source.package().zip.get();
                if (!own) {
                    std::unique_ptr<ZipReader>& mine = readers[&source.package()];
                    if (!mine)
                        mine = zip->another();
                    zip = mine.get();
                }
                source.parse(*zip);
            }
        } catch (...) {
            // No reader of its own: the sources it leaves are parsed by the others or by read().
        }
    };
    const unsigned workers = sources.size() < 2 ? 1u : std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < workers; ++t)
        threads.emplace_back(work, false);
    work(true);
    for (std::thread& t : threads)
        t.join();
}

} // namespace

void DroppedContent::note(const std::string& what, const std::string& where)
{
    std::vector<std::string>& places = places_[what];
    if (std::find(places.begin(), places.end(), where) == places.end())
        places.push_back(where);
}

std::vector<std::string> DroppedContent::lines() const
{
    std::vector<std::string> lines;
    for (const auto& [what, places] : places_) {
        std::string joined;
        for (const std::string& p : places)
            if (!p.empty())
                joined += (joined.empty() ? "" : ", ") + p;
        lines.push_back(joined.empty() ? what : what + ": " + joined);
    }
    return lines;
}

void reportDropped(Workbook& book, const std::string& path, const std::vector<std::string>& logged,
                   const DroppedContent& dropped)
{
    if (logged.empty())
        return;
    std::string all;
    for (const std::string& l : logged)
        all += "\n  " + l;
    qWarning("%s", (path + ": 読み込めない内容を省きました (保存すると失われます):" + all).c_str());
    book.setDroppedOnRead(dropped.lines());
}

SheetSource::SheetSource(std::shared_ptr<SheetPackage> package, std::string part, std::vector<CarriedRel> rels)
    : package_(std::move(package)), part_(std::move(part)), rels_(std::move(rels))
{
}

void SheetSource::parse(ZipReader& zip)
{
    if (parsed_ || failure_)
        return;
    try {
        parsed_ = parsePart(*package_, zip, part_);
    } catch (...) {
        failure_ = std::current_exception();
    }
}

SheetData SheetSource::read(const Worksheet& sheet)
{
    parse(*package_->zip);
    if (failure_)
        std::rethrow_exception(failure_);
    const std::unique_ptr<ParsedSheet> parsed = std::move(parsed_);
    Workbook& book = sheet.Parent();
    joinStrings(*parsed, book.tables().strings);
    parsed->data.extras.rels = std::move(rels_);
    DroppedContent mine;
    for (const std::string& what : parsed->dropped) {
        package_->dropped.note(what, sheet.Name());
        mine.note(what, sheet.Name());
    }
    if (package_->reported) // the workbook has been opened: it learns of this sheet's now
        reportDropped(book, package_->zip->path(), mine.lines(), package_->dropped);
    return std::move(parsed->data);
}

void readSheets(const Workbook& book)
{
    std::vector<const Worksheet*> waiting;
    std::vector<SheetSource*> sources;
    for (const auto& sheet : book.sheets())
        if (SheetSource* source = sheet->source()) {
            waiting.push_back(sheet.get());
            sources.push_back(source);
        }
    parseAll(sources);
    std::exception_ptr first;
    for (const Worksheet* sheet : waiting) {
        try {
            sheet->data();
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}

} // namespace mirevo::sheet
