#include "ZipParts.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

namespace mirevo::sheet::test {

namespace {

using ZipPtr = std::unique_ptr<zip_t, void (*)(zip_t*)>;

ZipPtr openZip(const std::string& path)
{
    int err = 0;
    ZipPtr z(zip_open(path.c_str(), ZIP_RDONLY, &err), zip_discard);
    if (!z)
        throw std::runtime_error("cannot open zip " + path);
    return z;
}

} // namespace

std::vector<std::string> zipEntries(const std::string& path)
{
    ZipPtr z = openZip(path);
    std::vector<std::string> names;
    const zip_int64_t n = zip_get_num_entries(z.get(), 0);
    for (zip_int64_t i = 0; i < n; ++i)
        names.emplace_back(zip_get_name(z.get(), zip_uint64_t(i), 0));
    return names;
}

std::string zipEntry(const std::string& path, const std::string& name, bool* found)
{
    ZipPtr z = openZip(path);
    zip_stat_t st;
    if (zip_stat(z.get(), name.c_str(), 0, &st) < 0) {
        if (found)
            *found = false;
        return {};
    }
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> f(zip_fopen(z.get(), name.c_str(), 0), zip_fclose);
    std::string data(size_t(st.size), '\0');
    if (!f || zip_fread(f.get(), data.data(), st.size) != zip_int64_t(st.size))
        throw std::runtime_error("cannot read " + name + " of " + path);
    if (found)
        *found = true;
    return data;
}

void writeZip(const std::string& path, const std::map<std::string, std::string>& entries, bool stored)
{
    int err = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    if (!z)
        throw std::runtime_error("cannot create zip " + path);
    for (const auto& [name, data] : entries) {
        zip_source_t* src = zip_source_buffer(z, data.data(), data.size(), 0);
        const zip_int64_t index = src ? zip_file_add(z, name.c_str(), src, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0 || (stored && zip_set_file_compression(z, zip_uint64_t(index), ZIP_CM_STORE, 0) < 0)) {
            zip_discard(z);
            throw std::runtime_error("cannot add " + name);
        }
    }
    if (zip_close(z) < 0)
        throw std::runtime_error("cannot write zip " + path);
}

} // namespace mirevo::sheet::test
