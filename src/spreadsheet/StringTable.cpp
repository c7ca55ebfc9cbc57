#include "StringTable.h"

namespace mirevo::sheet {

uint32_t StringTable::intern(std::string_view text)
{
    auto it = m_index.find(text);
    if (it != m_index.end())
        return it->second;
    const auto id = uint32_t(m_texts.size());
    m_texts.emplace_back(text);
    m_index.emplace(m_texts.back(), id);
    return id;
}

uint32_t StringTable::internRich(std::string_view text, std::string_view itemXml)
{
    auto it = m_richIndex.find(std::string(itemXml));
    if (it != m_richIndex.end())
        return it->second;
    const auto id = uint32_t(m_texts.size());
    m_texts.emplace_back(text);
    m_rich.emplace(id, std::string(itemXml));
    m_richIndex.emplace(std::string(itemXml), id);
    return id;
}

} // namespace mirevo::sheet
