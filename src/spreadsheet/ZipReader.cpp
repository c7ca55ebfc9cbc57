#include "ZipReader.h"

#include "SheetError.h"
#include "common/Error.h"
#include "common/InputFile.h"

#include <QString>

#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace mirevo::sheet {

namespace {

constexpr size_t kChunk = size_t(1) << 20;

std::string mebibytes(uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// An OLE compound file (its signature D0 CF 11 E0 A1 B1 1A E1), the container of an
// encrypted workbook.
bool isCompoundFile(const std::string &path)
{
    static const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    unsigned char head[8] = {};
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    const size_t n = std::fread(head, 1, sizeof head, f);
    std::fclose(f);
    return n == sizeof head && std::memcmp(head, signature, sizeof head) == 0;
}

} // namespace

namespace {

int openPackage(const std::string &path)
{
    try {
        return inputfile::openRegular(QString::fromStdString(path));
    } catch (const Error &e) {
        throw SheetError(e.what());
    }
}

} // namespace

ZipReader::ZipReader(const std::string &path, PackageLimits limits) : m_path(path), m_limits(limits)
{
    const int fd = openPackage(path);
    struct stat st;
    m_fileBytes = ::fstat(fd, &st) == 0 ? uint64_t(st.st_size) : 0;
    int err = 0;
    m_zip = zip_fdopen(fd, 0, &err);
    if (!m_zip) {
        ::close(fd);
        if (isCompoundFile(path)) // what the spreadsheet saves when the workbook has a password
            throw SheetError(path + ": パスワードで保護されたブックは開けません");
        zip_error_t ze;
        zip_error_init_with_code(&ze, err);
        const std::string why = zip_error_strerror(&ze);
        zip_error_fini(&ze);
        throw SheetError(path + ": ブックを開けません (" + why + ")");
    }
    try {
        checkDirectory();
    } catch (...) {
        zip_discard(m_zip);
        throw;
    }
}

ZipReader::~ZipReader()
{
    if (m_zip)
        zip_discard(m_zip);
}

// The claims of the central directory, before anything is inflated.
void ZipReader::checkDirectory()
{
    const zip_int64_t entries = zip_get_num_entries(m_zip, 0);
    uint64_t claimed = 0;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t st;
        if (zip_stat_index(m_zip, zip_uint64_t(i), 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE))
            continue;
        claimed += std::min<uint64_t>(st.size, m_limits.maxTotalBytes + 1);
        if (claimed > m_limits.maxTotalBytes)
            throw SheetError(m_path + ": 展開後の大きさが上限 (" + mebibytes(m_limits.maxTotalBytes)
                             + ") を超えています (目録の申告による)");
    }
    if (claimed > m_limits.ratioFloorBytes && claimed / std::max<uint64_t>(m_fileBytes, 1) > m_limits.maxRatio)
        throw SheetError(m_path + ": 圧縮率が異常です (" + mebibytes(claimed) + " に展開、上限は "
                         + std::to_string(m_limits.maxRatio) + " 倍)");
}

void ZipReader::count(uint64_t bytes, const std::string &name) const
{
    m_inflated += bytes;
    if (m_inflated > m_limits.maxTotalBytes)
        fail(name, "展開後の大きさが上限 (" + mebibytes(m_limits.maxTotalBytes) + ") を超えています");
    if (m_inflated > m_limits.ratioFloorBytes && m_inflated / std::max<uint64_t>(m_fileBytes, 1) > m_limits.maxRatio)
        fail(name, "圧縮率が異常です (上限は " + std::to_string(m_limits.maxRatio) + " 倍)");
}

void ZipReader::fail(const std::string &name, const std::string &why) const
{
    throw SheetError(m_path + ": パーツ " + name + ": " + why);
}

bool ZipReader::has(const std::string &name) const { return zip_name_locate(m_zip, name.c_str(), 0) >= 0; }

std::string ZipReader::read(const std::string &name, const ChunkObserver &inflated) const
{
    zip_stat_t st;
    if (zip_stat(m_zip, name.c_str(), 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE))
        throw SheetError(m_path + ": パーツ " + name + " がありません");
    std::unique_ptr<zip_file_t, int (*)(zip_file_t *)> file(zip_fopen(m_zip, name.c_str(), 0), zip_fclose);
    if (!file)
        fail(name, std::string("読めません (") + zip_strerror(m_zip) + ")");
    std::string data;
    data.reserve(size_t(std::min<uint64_t>(st.size, 16 * kChunk)));
    uLong crc = crc32(0, nullptr, 0);
    // One byte more than the directory claims, to notice data longer than claimed.
    while (data.size() <= st.size) {
        const size_t at = data.size();
        const size_t want = size_t(std::min<uint64_t>(kChunk, st.size + 1 - at));
        data.resize(at + want);
        const zip_int64_t n = zip_fread(file.get(), data.data() + at, want);
        if (n < 0)
            fail(name, std::string("読めません (データが壊れています: ") + zip_file_strerror(file.get()) + ")");
        data.resize(at + size_t(n));
        count(uint64_t(n), name);
        if (inflated)
            inflated(std::string_view(data).substr(at));
        crc = crc32(crc, reinterpret_cast<const Bytef *>(data.data() + at), uInt(n));
        if (n == 0)
            break;
    }
    if (data.size() != st.size)
        fail(name, "データの長さが目録と一致しません (データが壊れています)");
    if ((st.valid & ZIP_STAT_CRC) && crc != st.crc)
        fail(name, "CRC が一致しません (データが壊れています)");
    return data;
}

} // namespace mirevo::sheet
