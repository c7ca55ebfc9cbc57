#include "ZipReader.h"

#include "SheetError.h"
#include "common/Error.h"
#include "common/InputFile.h"

#include <QString>

#include <libdeflate.h>
#include <zip.h>

#include <algorithm>
#include <memory>

namespace mirevo::sheet {

namespace {

constexpr size_t kChunk = size_t(1) << 20;

std::string mebibytes(uint64_t bytes)
{
    return std::to_string(bytes >> 20) + " MiB";
}

// An OLE compound file (its signature D0 CF 11 E0 A1 B1 1A E1), the container of an
// encrypted workbook.
bool isCompoundFile(const QByteArray& bytes)
{
    static const char signature[8] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};
    return bytes.startsWith(QByteArray::fromRawData(signature, sizeof signature));
}

// The file's bytes; a package may be no larger than what it may hold inflated, with room for
// its directory.
QByteArray readPackage(const std::string& path, const PackageLimits& limits)
{
    try {
        return inputfile::readAll(QString::fromStdString(path), qint64(limits.maxTotalBytes + (uint64_t(64) << 20)));
    } catch (const Error& e) {
        throw SheetError(e.what());
    }
}

} // namespace

ZipReader::ZipReader(const std::string& path, PackageLimits limits)
    : path_(path), bytes_(readPackage(path, limits)), limits_(limits)
{
    openArchive();
    try {
        checkDirectory();
    } catch (...) {
        zip_discard(zip_);
        throw;
    }
}

ZipReader::ZipReader(const ZipReader& first, bool)
    : path_(first.path_), bytes_(first.bytes_), limits_(first.limits_), inflated_(first.inflated_)
{
    openArchive();
}

std::unique_ptr<ZipReader> ZipReader::another() const
{
    return std::unique_ptr<ZipReader>(new ZipReader(*this, true));
}

void ZipReader::openArchive()
{
    zip_error_t ze;
    zip_error_init(&ze);
    zip_source_t* source = zip_source_buffer_create(bytes_.constData(), zip_uint64_t(bytes_.size()), 0, &ze);
    if (source) {
        zip_ = zip_open_from_source(source, ZIP_RDONLY, &ze);
        if (!zip_)
            zip_source_free(source);
    }
    const std::string why = zip_error_strerror(&ze);
    zip_error_fini(&ze);
    if (zip_)
        return;
    if (isCompoundFile(bytes_)) // what the spreadsheet saves when the workbook has a password
        throw SheetError(path_ + ": パスワードで保護されたブックは開けません");
    throw SheetError(path_ + ": ブックを開けません (" + why + ")");
}

ZipReader::~ZipReader()
{
    if (zip_)
        zip_discard(zip_);
}

// The claims of the central directory, before anything is inflated.
void ZipReader::checkDirectory()
{
    const zip_int64_t entries = zip_get_num_entries(zip_, 0);
    uint64_t claimed = 0;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t st;
        if (zip_stat_index(zip_, zip_uint64_t(i), 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE))
            continue;
        claimed += std::min<uint64_t>(st.size, limits_.maxTotalBytes + 1);
        if (claimed > limits_.maxTotalBytes)
            throw SheetError(path_ + ": 展開後の大きさが上限 (" + mebibytes(limits_.maxTotalBytes)
                             + ") を超えています (目録の申告による)");
    }
    if (claimed > limits_.ratioFloorBytes
        && claimed / std::max<uint64_t>(uint64_t(bytes_.size()), 1) > limits_.maxRatio)
        throw SheetError(path_ + ": 圧縮率が異常です (" + mebibytes(claimed) + " に展開、上限は "
                         + std::to_string(limits_.maxRatio) + " 倍)");
}

void ZipReader::count(uint64_t bytes, const std::string& name) const
{
    const uint64_t inflated = *inflated_ += bytes;
    if (inflated > limits_.maxTotalBytes)
        fail(name, "展開後の大きさが上限 (" + mebibytes(limits_.maxTotalBytes) + ") を超えています");
    if (inflated > limits_.ratioFloorBytes
        && inflated / std::max<uint64_t>(uint64_t(bytes_.size()), 1) > limits_.maxRatio)
        fail(name, "圧縮率が異常です (上限は " + std::to_string(limits_.maxRatio) + " 倍)");
}

void ZipReader::fail(const std::string& name, const std::string& why) const
{
    throw SheetError(path_ + ": パーツ " + name + ": " + why);
}

bool ZipReader::has(const std::string& name) const
{
    return zip_name_locate(zip_, name.c_str(), 0) >= 0;
}

void ZipReader::require(const std::string& name) const
{
    zip_stat_t st;
    if (zip_stat(zip_, name.c_str(), 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE))
        throw SheetError(path_ + ": パーツ " + name + " がありません");
}

std::string ZipReader::read(const std::string& name, const ChunkObserver& inflated) const
{
    require(name);
    zip_stat_t st;
    zip_stat(zip_, name.c_str(), 0, &st);
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(zip_fopen(zip_, name.c_str(), 0), zip_fclose);
    if (!file)
        fail(name, std::string("読めません (") + zip_strerror(zip_) + ")");
    std::string data;
    data.reserve(size_t(std::min<uint64_t>(st.size, 16 * kChunk)));
    uint32_t crc = 0;
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
        crc = libdeflate_crc32(crc, data.data() + at, size_t(n));
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
