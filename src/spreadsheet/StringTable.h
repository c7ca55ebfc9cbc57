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
    const std::string &text(uint32_t id) const { return m_texts[id]; }
    size_t size() const { return m_texts.size(); }

private:
    std::deque<std::string> m_texts; // deque: views into it stay valid as it grows
    std::unordered_map<std::string_view, uint32_t> m_index;
};

} // namespace mirevo::sheet
