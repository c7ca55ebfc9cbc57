#pragma once
// Shared strings of one workbook, interned by hash. Entries are never removed.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

namespace mirevo::sheet {

constexpr uint32_t kNoString = 0xFFFFFFFFu;

class StringTable {
public:
    uint32_t intern(std::string_view text);
    // A string with formatted runs (and phonetic guides): `text` is its plain text, `itemXml`
    // the inner XML of its <si> item as written back. Distinct from the plain string.
    uint32_t internRich(std::string_view text, std::string_view itemXml);
    const std::string& text(uint32_t id) const { return texts_[id]; }
    // Inner XML of a rich string's item, or null for a plain string.
    const std::string* richXml(uint32_t id) const
    {
        const auto it = rich_.find(id);
        return it == rich_.end() ? nullptr : &it->second;
    }
    size_t size() const { return texts_.size(); }

private:
    std::deque<std::string> texts_; // deque: views into it stay valid as it grows
    std::unordered_map<std::string_view, uint32_t> index_;
    std::unordered_map<uint32_t, std::string> rich_;      // id -> item XML
    std::unordered_map<std::string, uint32_t> richIndex_; // item XML -> id
};

} // namespace mirevo::sheet
