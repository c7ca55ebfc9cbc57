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
    const std::string &text(uint32_t id) const { return m_texts[id]; }
    // Inner XML of a rich string's item, or null for a plain string.
    const std::string *richXml(uint32_t id) const
    {
        const auto it = m_rich.find(id);
        return it == m_rich.end() ? nullptr : &it->second;
    }
    size_t size() const { return m_texts.size(); }

private:
    std::deque<std::string> m_texts; // deque: views into it stay valid as it grows
    std::unordered_map<std::string_view, uint32_t> m_index;
    std::unordered_map<uint32_t, std::string> m_rich;         // id -> item XML
    std::unordered_map<std::string, uint32_t> m_richIndex;    // item XML -> id
};

} // namespace mirevo::sheet
