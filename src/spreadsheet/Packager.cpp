// Assembles the package parts into the .xlsx zip and saves it atomically.
#include "PartWriters.h"
#include "SheetError.h"
#include "Workbook.h"
#include "XlsxWriter.h"

#include "common/Error.h"
#include "common/OutputFile.h"

#include <libdeflate.h>
#include <zip.h>

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace mirevo::sheet {

namespace {

// Level 1 by default: fast; libzip's default (9) costs several times more.
const time_t kFixedMtime = 315532800 + 86400; // 1980-01-02, so identical content gives identical bytes

// A part already deflated (raw deflate, as zip stores it), handed to libzip to copy as is.
struct DeflatedPart {
    std::string data;
    uint64_t size = 0; // uncompressed
    uint32_t crc = 0;
    size_t offset = 0;
    zip_error_t error;
};

zip_int64_t deflatedCallback(void* userdata, void* data, zip_uint64_t len, zip_source_cmd_t cmd)
{
    auto* part = static_cast<DeflatedPart*>(userdata);
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        part->offset = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const size_t n = std::min<size_t>(len, part->data.size() - part->offset);
        std::memcpy(data, part->data.data() + part->offset, n);
        part->offset += n;
        return zip_int64_t(n);
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->mtime = kFixedMtime;
        st->size = part->size;
        st->comp_size = part->data.size();
        st->comp_method = ZIP_CM_DEFLATE;
        st->crc = part->crc;
        st->valid |= ZIP_STAT_MTIME | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&part->error, data, len);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&part->error);
        delete part;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&part->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

// A compressor of one thread, at one level.
class Deflater {
public:
    explicit Deflater(int level) : compressor_(libdeflate_alloc_compressor(level))
    {
        if (!compressor_)
            throw SheetError("圧縮を開始できません");
    }
    ~Deflater() { libdeflate_free_compressor(compressor_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // The XML as raw deflate, as zip stores it; the same bytes whichever thread deflates it.
    void deflate(DeflatedPart& part, const std::string& xml)
    {
        buffer_.resize(libdeflate_deflate_compress_bound(compressor_, xml.size()));
        const size_t n
            = libdeflate_deflate_compress(compressor_, xml.data(), xml.size(), buffer_.data(), buffer_.size());
        if (n == 0)
            throw SheetError("圧縮できません");
        part.data.assign(buffer_.data(), n);
        part.size = xml.size();
        part.crc = libdeflate_crc32(0, xml.data(), xml.size());
    }

private:
    libdeflate_compressor* compressor_;
    std::string buffer_;
};

// Produces and deflates every part, on all cores; each result lands in its own slot, so the
// package is the same whatever the order the parts were finished in.
void deflateAll(std::vector<std::function<void(std::string&)>>& produce,
                std::vector<std::unique_ptr<DeflatedPart>>& parts, int level)
{
    std::atomic<size_t> next{0};
    std::vector<std::exception_ptr> errors(produce.size());
    auto work = [&] {
        std::string xml;
        std::unique_ptr<Deflater> deflater;
        for (size_t i; (i = next++) < produce.size();) {
            try {
                if (!deflater)
                    deflater = std::make_unique<Deflater>(level);
                xml.clear();
                produce[i](xml);
                deflater->deflate(*parts[i], xml);
            } catch (...) {
                errors[i] = std::current_exception();
            }
            std::function<void(std::string&)>().swap(produce[i]);
        }
    };
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < workers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    for (const std::exception_ptr& e : errors)
        if (e)
            std::rethrow_exception(e);
}

// The package is built in memory and then saved by the program's rule for
// replacing a file: libzip's own saving would put a temporary file of a
// fixed pattern beside the target and replace a link, a FIFO or a read-only
// file with a new file.
class ZipOut {
public:
    ZipOut(const std::string& path, int level) : path_(path), level_(level)
    {
        zip_error_t ze;
        zip_error_init(&ze);
        buffer_ = zip_source_buffer_create(nullptr, 0, 0, &ze);
        if (buffer_) {
            zip_source_keep(buffer_); // read again once the archive is closed
            zip_ = zip_open_from_source(buffer_, ZIP_TRUNCATE, &ze);
        }
        const std::string why = zip_error_strerror(&ze);
        zip_error_fini(&ze);
        if (!zip_)
            throw SheetError("ファイルを作成できません: " + path + " (" + why + ")");
    }
    ~ZipOut()
    {
        if (zip_)
            zip_discard(zip_);
        if (buffer_)
            zip_source_free(buffer_);
    }
    ZipOut(const ZipOut&) = delete;
    ZipOut& operator=(const ZipOut&) = delete;

    // The part is produced and deflated at save().
    void add(const std::string& name, std::function<void(std::string&)> produce)
    {
        names_.push_back(name);
        produce_.push_back(std::move(produce));
    }

    // Compresses the parts and saves the package at the path.
    void save()
    {
        std::vector<std::unique_ptr<DeflatedPart>> parts;
        for (size_t i = 0; i < names_.size(); ++i)
            parts.push_back(std::make_unique<DeflatedPart>());
        deflateAll(produce_, parts, level_);
        for (size_t i = 0; i < names_.size(); ++i)
            addEntry(names_[i], std::move(parts[i]));
        if (zip_close(zip_) < 0)
            fail("zip_close");
        zip_ = nullptr;
        try {
            OutputFile file(QString::fromStdString(path_));
            file.begin();
            copyPackage(file);
            file.commit();
        } catch (const Error& e) {
            throw SheetError(e.what());
        }
    }

private:
    void copyPackage(OutputFile& file)
    {
        if (zip_source_open(buffer_) < 0)
            fail("zip_source_open");
        std::vector<char> chunk(size_t(1) << 20);
        zip_int64_t n = 0;
        while ((n = zip_source_read(buffer_, chunk.data(), chunk.size())) > 0)
            if (file.write(chunk.data(), n) != n)
                break; // the reason comes with commit()
        zip_source_close(buffer_);
        if (n < 0)
            fail("zip_source_read");
    }

    [[noreturn]] void fail(const std::string& what)
    {
        const std::string why = zip_ ? zip_strerror(zip_) : zip_error_strerror(zip_source_error(buffer_));
        throw SheetError("ファイルを書き込めません: " + path_ + " (" + what + ": " + why + ")");
    }

    // An entry whose data libzip copies from the part; the part then belongs to libzip.
    void addEntry(const std::string& name, std::unique_ptr<DeflatedPart> owned)
    {
        zip_error_init(&owned->error);
        zip_source_t* src = zip_source_function_create(deflatedCallback, owned.get(), nullptr);
        if (!src) {
            zip_error_fini(&owned->error);
            fail("zip_source_function_create");
        }
        owned.release();
        const zip_int64_t idx = zip_file_add(zip_, name.c_str(), src, ZIP_FL_ENC_UTF_8);
        if (idx < 0) {
            zip_source_free(src);
            fail(name);
        }
        if (zip_set_file_compression(zip_, zip_uint64_t(idx), ZIP_CM_DEFLATE, zip_uint32_t(level_)) < 0
            || zip_file_set_mtime(zip_, zip_uint64_t(idx), kFixedMtime, 0) < 0)
            fail(name);
    }

    std::string path_;
    int level_ = 1;
    zip_source_t* buffer_ = nullptr;
    zip_t* zip_ = nullptr;
    std::vector<std::string> names_;
    std::vector<std::function<void(std::string&)>> produce_;
};

// Names in the written package for the parts the sheets carry, and the relationships of the
// sheets and of those parts.
class CarriedPlan {
public:
    explicit CarriedPlan(const Workbook& book)
    {
        // The engine's own parts; a carried part never takes one of their names.
        for (const char* name : {"xl/workbook.xml", "xl/styles.xml", "xl/sharedStrings.xml", "xl/theme/theme1.xml",
                                 "docProps/app.xml", "docProps/core.xml"})
            taken_.insert(name);
        for (size_t i = 1; i <= book.sheets().size(); ++i)
            taken_.insert("xl/worksheets/sheet" + std::to_string(i) + ".xml");
        if (const auto& theme = book.tables().styles.theme())
            add("xl/theme/theme1.xml", "application/vnd.openxmlformats-officedocument.theme+xml", &theme->xml());
        for (const auto& sheet : book.sheets())
            sheetRels.push_back(relsOf(sheet->data().extras.rels, 0));
    }

    struct Body {
        std::string name;
        const std::string* data;
    };
    std::vector<PlainPart> plain;
    std::vector<Body> bodies;
    std::vector<std::pair<std::string, std::vector<PackageRel>>> relsParts; // rels part -> its rels
    std::vector<std::vector<PackageRel>> sheetRels;

private:
    static constexpr int kMaxDepth = 8; // parts referring to parts; deeper ones are left out

    void add(const std::string& name, const std::string& type, const std::string* data)
    {
        plain.push_back({name, type});
        bodies.push_back({name, data});
    }

    std::vector<PackageRel> relsOf(const std::vector<CarriedRel>& rels, int depth)
    {
        std::vector<PackageRel> out;
        for (const CarriedRel& r : rels) {
            if (r.external)
                out.push_back({r.id, r.type, r.target, true});
            else if (r.part && depth < kMaxDepth)
                out.push_back({r.id, r.type, "/" + place(*r.part, depth + 1), false});
        }
        return out;
    }

    // "xl/drawings/drawing3.xml" -> "xl/drawings/drawing" + a number of its own + ".xml".
    std::string freshName(const std::string& original)
    {
        const size_t slash = original.rfind('/');
        size_t dot = original.rfind('.');
        if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
            dot = original.size();
        size_t stemEnd = dot;
        while (stemEnd > (slash == std::string::npos ? 0 : slash + 1) && std::isdigit(uint8_t(original[stemEnd - 1])))
            --stemEnd;
        std::string stem = original.substr(0, stemEnd);
        std::string ext = original.substr(dot);
        // A name only relationship parts and the content types may have is not given away.
        if (stem.find("_rels") != std::string::npos || ext == ".rels"
            || stem.find("[Content_Types]") != std::string::npos || stem.empty() || stem.back() == '/') {
            stem = "xl/carried/part";
            ext = ".bin";
        }
        std::string name;
        do
            name = stem + std::to_string(++counters_[stem]) + ext;
        while (!taken_.insert(name).second);
        return name;
    }

    std::string place(const CarriedPart& part, int depth)
    {
        if (part.shared()) {
            const auto it = shared_.find(&part);
            if (it != shared_.end())
                return it->second;
        }
        const std::string name = freshName(part.name);
        if (part.shared())
            shared_.emplace(&part, name);
        add(name, part.contentType, &part.data);
        std::vector<PackageRel> rels = relsOf(part.rels, depth);
        if (!rels.empty()) {
            const size_t slash = name.rfind('/');
            const std::string folder = slash == std::string::npos ? "" : name.substr(0, slash + 1);
            relsParts.emplace_back(folder + "_rels/" + name.substr(folder.size()) + ".rels", std::move(rels));
        }
        return name;
    }

    std::map<const CarriedPart*, std::string> shared_;
    std::map<std::string, int> counters_;
    std::set<std::string> taken_;
};

void addParts(ZipOut& zip, const Workbook& book, const std::shared_ptr<StringOrder>& strings)
{
    const int count = int(book.sheets().size());
    auto plan = std::make_shared<CarriedPlan>(book);
    zip.add("[Content_Types].xml", [count, plan](std::string& out) { writeContentTypes(out, count, plan->plain); });
    zip.add("_rels/.rels", [](std::string& out) { writeRootRels(out); });
    zip.add("docProps/app.xml", [](std::string& out) { writeAppPart(out); });
    zip.add("docProps/core.xml", [](std::string& out) { writeCorePart(out); });
    zip.add("xl/workbook.xml", [&book](std::string& out) { writeWorkbookPart(out, book); });
    const bool theme = book.tables().styles.theme() != nullptr;
    zip.add("xl/_rels/workbook.xml.rels", [count, theme](std::string& out) { writeWorkbookRels(out, count, theme); });
    for (int i = 0; i < count; ++i) {
        const Worksheet* sheet = book.sheets()[size_t(i)].get();
        const bool selected = i == book.activeIndex();
        zip.add("xl/worksheets/sheet" + std::to_string(i + 1) + ".xml", [sheet, selected, strings](std::string& out) {
            out.reserve(1 << 20);
            writeWorksheetPart(out, *sheet, selected, *strings);
        });
        if (!plan->sheetRels[size_t(i)].empty())
            zip.add("xl/worksheets/_rels/sheet" + std::to_string(i + 1) + ".xml.rels",
                    [plan, i](std::string& out) { writeRels(out, plan->sheetRels[size_t(i)]); });
    }
    for (const CarriedPlan::Body& body : plan->bodies)
        zip.add(body.name, [plan, data = body.data](std::string& out) { out = *data; });
    for (size_t k = 0; k < plan->relsParts.size(); ++k)
        zip.add(plan->relsParts[k].first, [plan, k](std::string& out) { writeRels(out, plan->relsParts[k].second); });
    zip.add("xl/styles.xml", [&book](std::string& out) { writeStylesPart(out, book.tables().styles); });
    zip.add("xl/sharedStrings.xml",
            [&book, strings](std::string& out) { writeSharedStringsPart(out, book.tables().strings, *strings); });
}

} // namespace

void writeXlsx(const Workbook& book, const std::string& path, int deflateLevel)
{
    auto strings = std::make_shared<StringOrder>(orderStrings(book));
    ZipOut zip(path, deflateLevel);
    addParts(zip, book, strings);
    zip.save();
}

} // namespace mirevo::sheet
