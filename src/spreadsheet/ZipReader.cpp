#include "ZipReader.h"

#include "SheetError.h"

#include <zip.h>

#include <memory>

namespace mirevo::sheet {

namespace {

constexpr zip_uint64_t kMaxEntrySize = zip_uint64_t(2) << 30; // refuse zip bombs beyond 2 GiB

} // namespace

ZipReader::ZipReader(const std::string &path) : m_path(path)
{
    int err = 0;
    m_zip = zip_open(path.c_str(), ZIP_RDONLY, &err);
    if (!m_zip) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, err);
        const std::string why = zip_error_strerror(&ze);
        zip_error_fini(&ze);
        throw SheetError(path + ": ブックを開けません (" + why + ")");
    }
}

ZipReader::~ZipReader()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool ZipReader::has(const std::string &name) const { return zip_name_locate(m_zip, name.c_str(), 0) >= 0; }

std::string ZipReader::read(const std::string &name) const
{
    zip_stat_t st;
    if (zip_stat(m_zip, name.c_str(), 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE))
        throw SheetError(m_path + ": パーツ " + name + " がありません");
    if (st.size > kMaxEntrySize)
        throw SheetError(m_path + ": パーツ " + name + " が大きすぎます");
    std::unique_ptr<zip_file_t, int (*)(zip_file_t *)> file(zip_fopen(m_zip, name.c_str(), 0), zip_fclose);
    if (!file)
        throw SheetError(m_path + ": パーツ " + name + " を読めません (" + zip_strerror(m_zip) + ")");
    std::string data(size_t(st.size), '\0');
    const zip_int64_t n = zip_fread(file.get(), data.data(), st.size);
    if (n < 0 || zip_uint64_t(n) != st.size)
        throw SheetError(m_path + ": パーツ " + name + " を読めません (データが壊れています)");
    return data;
}

} // namespace mirevo::sheet
