#include "StringTable.h"

namespace mirevo::sheet {

uint32_t StringTable::intern(std::string_view text)
{
    auto it = index_.find(text);
    if (it != index_.end())
        return it->second;
    const auto id = uint32_t(texts_.size());
    texts_.emplace_back(text);
    index_.emplace(texts_.back(), id);
    return id;
}

uint32_t StringTable::internRich(std::string_view text, std::string_view itemXml)
{
    auto it = richIndex_.find(std::string(itemXml));
    if (it != richIndex_.end())
        return it->second;
    const auto id = uint32_t(texts_.size());
    texts_.emplace_back(text);
    rich_.emplace(id, std::string(itemXml));
    richIndex_.emplace(std::string(itemXml), id);
    return id;
}

} // namespace mirevo::sheet
