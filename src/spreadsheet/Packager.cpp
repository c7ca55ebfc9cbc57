// Assembles the package parts into the .xlsx zip and saves it atomically.
#include "PartWriters.h"
#include "SheetError.h"
#include "Workbook.h"
#include "XlsxWriter.h"

#include "common/Error.h"
#include "common/OutputFile.h"

#include <zip.h>

#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace mirevo::sheet {

namespace {

// Level 1 by default: fast; libzip's default (9) costs several times more.
const time_t kFixedMtime = 315532800 + 86400; // 1980-01-02, so identical content gives identical bytes

// A part whose XML is produced only when libzip reads it, so that at most one part is in
// memory at a time.
struct LazyPart {
    std::function<void(std::string &)> produce;
    std::string xml;
    size_t offset = 0;
    zip_error_t error;
};

zip_int64_t lazyCallback(void *userdata, void *data, zip_uint64_t len, zip_source_cmd_t cmd)
{
    auto *part = static_cast<LazyPart *>(userdata);
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        part->xml.clear();
        part->offset = 0;
        try { // no exception may cross libzip's C frames
            part->produce(part->xml);
        } catch (...) {
            zip_error_set(&part->error, ZIP_ER_MEMORY, 0);
            return -1;
        }
        return 0;
    case ZIP_SOURCE_READ: {
        const size_t n = std::min<size_t>(len, part->xml.size() - part->offset);
        std::memcpy(data, part->xml.data() + part->offset, n);
        part->offset += n;
        return zip_int64_t(n);
    }
    case ZIP_SOURCE_CLOSE:
        std::string().swap(part->xml);
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *st = static_cast<zip_stat_t *>(data);
        zip_stat_init(st);
        st->mtime = kFixedMtime;
        st->valid |= ZIP_STAT_MTIME;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&part->error, data, len);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&part->error);
        delete part;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&part->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

// The package is built in memory and then saved by the program's rule for
// replacing a file: libzip's own saving would put a temporary file of a
// fixed pattern beside the target and replace a link, a FIFO or a read-only
// file with a new file.
class ZipOut {
public:
    ZipOut(const std::string &path, int level) : m_path(path), m_level(level)
    {
        zip_error_t ze;
        zip_error_init(&ze);
        m_buffer = zip_source_buffer_create(nullptr, 0, 0, &ze);
        if (m_buffer) {
            zip_source_keep(m_buffer); // read again once the archive is closed
            m_zip = zip_open_from_source(m_buffer, ZIP_TRUNCATE, &ze);
        }
        const std::string why = zip_error_strerror(&ze);
        zip_error_fini(&ze);
        if (!m_zip)
            throw SheetError("ファイルを作成できません: " + path + " (" + why + ")");
    }
    ~ZipOut()
    {
        if (m_zip)
            zip_discard(m_zip);
        if (m_buffer)
            zip_source_free(m_buffer);
    }
    ZipOut(const ZipOut &) = delete;
    ZipOut &operator=(const ZipOut &) = delete;

    void add(const std::string &name, std::function<void(std::string &)> produce)
    {
        auto *part = new LazyPart{std::move(produce), {}, 0, {}};
        zip_error_init(&part->error);
        zip_source_t *src = zip_source_function_create(lazyCallback, part, nullptr);
        if (!src) {
            delete part;
            fail("zip_source_function_create");
        }
        const zip_int64_t idx = zip_file_add(m_zip, name.c_str(), src, ZIP_FL_ENC_UTF_8);
        if (idx < 0) {
            zip_source_free(src);
            fail(name);
        }
        if (zip_set_file_compression(m_zip, zip_uint64_t(idx), ZIP_CM_DEFLATE, zip_uint32_t(m_level)) < 0
            || zip_file_set_mtime(m_zip, zip_uint64_t(idx), kFixedMtime, 0) < 0)
            fail(name);
    }

    // Compresses the parts and saves the package at the path.
    void save()
    {
        if (zip_close(m_zip) < 0)
            fail("zip_close");
        m_zip = nullptr;
        try {
            OutputFile file(QString::fromStdString(m_path));
            file.begin();
            copyPackage(file);
            file.commit();
        } catch (const Error &e) {
            throw SheetError(e.what());
        }
    }

private:
    void copyPackage(OutputFile &file)
    {
        if (zip_source_open(m_buffer) < 0)
            fail("zip_source_open");
        std::vector<char> chunk(size_t(1) << 20);
        zip_int64_t n = 0;
        while ((n = zip_source_read(m_buffer, chunk.data(), chunk.size())) > 0)
            if (file.write(chunk.data(), n) != n)
                break; // the reason comes with commit()
        zip_source_close(m_buffer);
        if (n < 0)
            fail("zip_source_read");
    }

    [[noreturn]] void fail(const std::string &what)
    {
        const std::string why = m_zip ? zip_strerror(m_zip) : zip_error_strerror(zip_source_error(m_buffer));
        throw SheetError("ファイルを書き込めません: " + m_path + " (" + what + ": " + why + ")");
    }

    std::string m_path;
    int m_level = 1;
    zip_source_t *m_buffer = nullptr;
    zip_t *m_zip = nullptr;
};

void addParts(ZipOut &zip, const Workbook &book, const std::shared_ptr<StringOrder> &strings)
{
    const int count = int(book.sheets().size());
    zip.add("[Content_Types].xml", [count](std::string &out) { writeContentTypes(out, count); });
    zip.add("_rels/.rels", [](std::string &out) { writeRootRels(out); });
    zip.add("docProps/app.xml", [](std::string &out) { writeAppPart(out); });
    zip.add("docProps/core.xml", [](std::string &out) { writeCorePart(out); });
    zip.add("xl/workbook.xml", [&book](std::string &out) { writeWorkbookPart(out, book); });
    zip.add("xl/_rels/workbook.xml.rels", [count](std::string &out) { writeWorkbookRels(out, count); });
    for (int i = 0; i < count; ++i) {
        const Worksheet *sheet = book.sheets()[size_t(i)].get();
        const bool selected = i == book.activeIndex();
        zip.add("xl/worksheets/sheet" + std::to_string(i + 1) + ".xml",
                [sheet, selected, strings](std::string &out) {
                    out.reserve(1 << 20);
                    writeWorksheetPart(out, *sheet, selected, *strings);
                });
    }
    zip.add("xl/styles.xml", [&book](std::string &out) { writeStylesPart(out, book.tables().styles); });
    zip.add("xl/sharedStrings.xml", [&book, strings](std::string &out) {
        writeSharedStringsPart(out, book.tables().strings, *strings);
    });
}

} // namespace

void writeXlsx(const Workbook &book, const std::string &path, int deflateLevel)
{
    auto strings = std::make_shared<StringOrder>(orderStrings(book));
    ZipOut zip(path, deflateLevel);
    addParts(zip, book, strings);
    zip.save();
}

} // namespace mirevo::sheet
