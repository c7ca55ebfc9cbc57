#pragma once
// Test helpers that read and write zip packages directly with libzip, independent of the
// engine's own reader and writer.
#include <map>
#include <string>
#include <vector>

namespace mirevo::sheet::test {

std::vector<std::string> zipEntries(const std::string& path);
// Whole entry; empty optional-like result ("" and found=false) when missing.
std::string zipEntry(const std::string& path, const std::string& name, bool* found = nullptr);
// Writes a package with the given entries (deflated, or stored uncompressed, in map order).
void writeZip(const std::string& path, const std::map<std::string, std::string>& entries, bool stored = false);

} // namespace mirevo::sheet::test
