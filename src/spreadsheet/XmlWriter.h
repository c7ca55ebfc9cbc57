#pragma once
// Small streaming XML writer appending to one growing buffer. No DOM, no per-element
// allocation; the caller writes elements in the order the schema wants.
#include <cstdint>
#include <string>
#include <string_view>

namespace mirevo::sheet {

class XmlWriter {
public:
    explicit XmlWriter(std::string& out) : out_(out) { }

    // <?xml ...?> line every package part starts with.
    void declaration();
    // "<tag" (attributes follow, then close() or endEmpty()).
    void open(std::string_view tag)
    {
        out_ += '<';
        out_ += tag;
    }
    void close() { out_ += '>'; }
    void endEmpty() { out_ += "/>"; }
    void end(std::string_view tag)
    {
        out_ += "</";
        out_ += tag;
        out_ += '>';
    }
    // <tag/> without attributes.
    void emptyElement(std::string_view tag)
    {
        open(tag);
        endEmpty();
    }
    void attr(std::string_view name, std::string_view value);
    void attr(std::string_view name, int64_t value);
    void attrDouble(std::string_view name, double value);
    void text(std::string_view value);
    void raw(std::string_view value) { out_ += value; }
    std::string& buffer() { return out_; }

private:
    std::string& out_;
};

// Escapes text for element content or attributes, including the _xHHHH_ form for
// characters XML cannot carry.
void appendEscaped(std::string& out, std::string_view value, bool attribute);
void appendInt(std::string& out, int64_t value);
void appendDouble(std::string& out, double value);

} // namespace mirevo::sheet
