#pragma once
// Read access to the entries of a zip package, with the limits that keep a hostile package
// (a zip bomb, a directory that lies about sizes, damaged data) from costing memory or time.
#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

struct zip;

namespace mirevo::sheet {

struct PackageLimits {
    // Sum of the uncompressed sizes of the entries a workbook may hold.
    uint64_t maxTotalBytes = uint64_t(1) << 30; // 1 GiB
    // Uncompressed bytes per byte of the package file, checked once the total passes
    // ratioFloorBytes (small files of very regular XML may compress far better).
    uint64_t maxRatio = 200;
    uint64_t ratioFloorBytes = uint64_t(64) << 20; // 64 MiB
};

class ZipReader {
public:
    // Reads the package file into memory and checks the sizes its central directory claims. A
    // path that is no regular file (a FIFO, a device) is refused before it is opened.
    explicit ZipReader(const std::string& path, PackageLimits limits = {});
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;
    // Another reader of the same bytes, for another thread (one reader is not to be shared by
    // two); what both inflate counts against the one package's limits.
    std::unique_ptr<ZipReader> another() const;
    const std::string& path() const { return path_; }

    bool has(const std::string& name) const;
    // Throws SheetError naming the entry when the package does not have it.
    void require(const std::string& name) const;
    // Whole entry, inflated in chunks while counting against the limits, its CRC verified.
    // Throws SheetError naming the entry when it is missing, damaged or over a limit.
    // `inflated` sees each chunk as it comes, and may stop the read by throwing.
    using ChunkObserver = std::function<void(std::string_view)>;
    std::string read(const std::string& name, const ChunkObserver& inflated = {}) const;

private:
    ZipReader(const ZipReader& first, bool); // another()
    void openArchive();
    void checkDirectory();
    void count(uint64_t bytes, const std::string& name) const;
    [[noreturn]] void fail(const std::string& name, const std::string& why) const;

    std::string path_;
    QByteArray bytes_; // the whole file
    struct zip* zip_ = nullptr;
    PackageLimits limits_;
    // Bytes inflated so far over all entries, by every reader of the package.
    std::shared_ptr<std::atomic<uint64_t>> inflated_ = std::make_shared<std::atomic<uint64_t>>(0);
};

} // namespace mirevo::sheet
