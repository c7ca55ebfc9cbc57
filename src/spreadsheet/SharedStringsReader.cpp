// xl/sharedStrings.xml: plain and rich-text items; phonetic runs (rPh) are not part of the text.
#include "ReaderCommon.h"
#include "StringTable.h"

namespace mirevo::sheet {

namespace {

// Text of an <si> or <is>: its <t>, or the <t> of every <r> run.
std::string itemText(const pugi::xml_node &item)
{
    std::string text;
    for (pugi::xml_node part : item.children()) {
        const std::string_view name = localName(part);
        if (name == "t")
            text += part.text().get();
        else if (name == "r")
            text += child(part, "t").text().get();
    }
    return decodeText(text);
}

} // namespace

std::string inlineText(const pugi::xml_node &item) { return itemText(item); }

std::vector<uint32_t> readSharedStringsPart(const pugi::xml_node &root, StringTable &strings, const PartContext &ctx)
{
    if (localName(root) != "sst")
        ctx.fail("sst 要素がありません");
    std::vector<uint32_t> map;
    for (pugi::xml_node si : root.children()) {
        if (localName(si) != "si")
            continue;
        const std::string text = itemText(si);
        if (!isUtf8(text))
            ctx.fail("文字列 " + std::to_string(map.size()) + " の文字コードが正しくありません (UTF-8 ではありません)");
        map.push_back(strings.intern(text));
    }
    return map;
}

} // namespace mirevo::sheet
