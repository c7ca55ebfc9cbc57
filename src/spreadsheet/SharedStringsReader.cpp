// xl/sharedStrings.xml: plain and rich-text items; phonetic runs (rPh) are not part of the text.
#include "ReaderCommon.h"
#include "StringTable.h"
#include "XmlWriter.h"

namespace mirevo::sheet {

namespace {

// Text of an <si> or <is>: its <t>, or the <t> of every <r> run.
std::string itemText(const pugi::xml_node& item)
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

// Inner XML of an item, elements by local name (a prefixed file's runs written back in the
// default namespace), attributes without a prefix, text escaped.
void appendXml(std::string& out, const pugi::xml_node& node)
{
    for (pugi::xml_node n : node.children()) {
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) {
            appendEscaped(out, n.value(), false);
            continue;
        }
        if (n.type() != pugi::node_element)
            continue;
        const std::string_view name = localName(n);
        out += '<';
        out += name;
        for (pugi::xml_attribute a : n.attributes()) {
            const std::string_view attr = a.name();
            if (attr.find(':') != std::string_view::npos && attr != "xml:space")
                continue;
            out += ' ';
            out += attr;
            out += "=\"";
            appendEscaped(out, a.value(), true);
            out += '"';
        }
        out += '>';
        appendXml(out, n);
        out += "</";
        out += name;
        out += '>';
    }
}

bool isRich(const pugi::xml_node& item)
{
    for (pugi::xml_node part : item.children()) {
        const std::string_view name = localName(part);
        if (name == "r" || name == "rPh")
            return true;
    }
    return false;
}

} // namespace

uint32_t internItem(const pugi::xml_node& item, StringTable& strings, const PartContext& ctx, const std::string& what)
{
    const std::string text = itemText(item);
    if (!isUtf8(text))
        ctx.fail(what + " の文字コードが正しくありません (UTF-8 ではありません)");
    if (!isRich(item))
        return strings.intern(text);
    std::string xml;
    appendXml(xml, item);
    if (!isUtf8(xml))
        ctx.fail(what + " の文字コードが正しくありません (UTF-8 ではありません)");
    return strings.internRich(text, xml);
}

std::string inlineText(const pugi::xml_node& item)
{
    return itemText(item);
}

std::vector<uint32_t> readSharedStringsPart(const pugi::xml_node& root, StringTable& strings, const PartContext& ctx)
{
    if (localName(root) != "sst")
        ctx.fail("sst 要素がありません");
    std::vector<uint32_t> map;
    for (pugi::xml_node si : root.children()) {
        if (localName(si) != "si")
            continue;
        map.push_back(internItem(si, strings, ctx, "文字列 " + std::to_string(map.size())));
    }
    return map;
}

} // namespace mirevo::sheet
