#pragma once
// Small streaming XML writer appending to one growing buffer. No DOM, no per-element
// allocation; the caller writes elements in the order the schema wants.
#include <cstdint>
#include <string>
#include <string_view>

namespace mirevo::sheet {

class XmlWriter {
public:
    explicit XmlWriter(std::string &out) : m_out(out) {}

    // <?xml ...?> line every package part starts with.
    void declaration();
    // "<tag" (attributes follow, then close() or endEmpty()).
    void open(std::string_view tag) { m_out += '<'; m_out += tag; }
    void close() { m_out += '>'; }
    void endEmpty() { m_out += "/>"; }
    void end(std::string_view tag) { m_out += "</"; m_out += tag; m_out += '>'; }
    // <tag/> without attributes.
    void emptyElement(std::string_view tag) { open(tag); endEmpty(); }
    void attr(std::string_view name, std::string_view value);
    void attr(std::string_view name, int64_t value);
    void attrDouble(std::string_view name, double value);
    void text(std::string_view value);
    void raw(std::string_view value) { m_out += value; }
    std::string &buffer() { return m_out; }

private:
    std::string &m_out;
};

// Escapes text for element content or attributes, including the _xHHHH_ form for
// characters XML cannot carry.
void appendEscaped(std::string &out, std::string_view value, bool attribute);
void appendInt(std::string &out, int64_t value);
void appendDouble(std::string &out, double value);

} // namespace mirevo::sheet
