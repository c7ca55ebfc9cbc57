#pragma once
// Read access to the entries of a zip package.
#include <string>

struct zip;

namespace mirevo::sheet {

class ZipReader {
public:
    explicit ZipReader(const std::string &path);
    ~ZipReader();
    ZipReader(const ZipReader &) = delete;
    ZipReader &operator=(const ZipReader &) = delete;

    bool has(const std::string &name) const;
    // Whole entry; throws SheetError naming the entry when it is missing or unreadable.
    std::string read(const std::string &name) const;

private:
    std::string m_path;
    struct zip *m_zip = nullptr;
};

} // namespace mirevo::sheet
