#include "StyleTable.h"

#include "SheetError.h"

#include <cctype>
#include <cstring>

namespace mirevo::sheet {

namespace {

constexpr size_t kMaxXfs = 64000; // the spreadsheet application's own limit

uint64_t mix(uint64_t h, uint64_t v)
{
    return (h ^ v) * 0x100000001b3ULL + (h >> 29);
}

uint64_t mix(uint64_t h, const Color& c)
{
    return mix(mix(h, uint64_t(c.kind) | uint64_t(c.index) << 8 | uint64_t(c.argb) << 16), uint64_t(c.tint * 1e6));
}

uint64_t hashOf(const Font& f)
{
    uint64_t h = 0xcbf29ce484222325ULL;
    h = mix(h, f.name);
    h = mix(h, f.size100);
    h = mix(h, f.color);
    return mix(h, uint64_t(f.bold) | uint64_t(f.italic) << 1 | uint64_t(f.strike) << 2 | uint64_t(f.underline) << 3);
}

uint64_t hashOf(const Border& b)
{
    uint64_t h = 0xcbf29ce484222325ULL;
    for (int e = 0; e < kEdgeCount; ++e)
        h = mix(mix(h, uint64_t(b.edge[e])), b.color[e]);
    return mix(h, uint64_t(b.diagonalDown) | uint64_t(b.diagonalUp) << 1);
}

uint64_t hashOf(const Fill& f)
{
    uint64_t h = 0xcbf29ce484222325ULL;
    h = mix(h, uint64_t(f.pattern));
    return mix(mix(h, f.fg), f.bg);
}

uint64_t hashOf(const Xf& x)
{
    uint64_t h = 0xcbf29ce484222325ULL;
    h = mix(h, x.font);
    h = mix(h, x.border);
    h = mix(h, x.fill);
    h = mix(h, x.numFmt);
    return mix(h,
               uint64_t(x.h) | uint64_t(x.v) << 8 | uint64_t(x.wrap) << 16 | uint64_t(x.shrink) << 17
                   | uint64_t(x.quotePrefix) << 18 | uint64_t(x.locked) << 19 | uint64_t(x.hidden) << 20
                   | uint64_t(x.rotation) << 24 | uint64_t(x.indent) << 32);
}

template <typename T>
uint32_t intern(std::vector<T>& items, std::unordered_map<uint64_t, std::vector<uint32_t>>& index, const T& value)
{
    auto& bucket = index[hashOf(value)];
    for (uint32_t i : bucket)
        if (items[i] == value)
            return i;
    const auto id = uint32_t(items.size());
    items.push_back(value);
    bucket.push_back(id);
    return id;
}

// Edge and automation code packed into a border edit's value.
int editEdge(uint32_t value)
{
    return int(value >> 16);
}
int editCode(uint32_t value)
{
    return int(int16_t(uint16_t(value & 0xFFFF)));
}

Line currentLine(const Border& b, int edge)
{
    if (edge >= EdgeDiagonal) {
        const bool on = edge == EdgeDiagonal ? b.diagonalDown : b.diagonalUp;
        return on ? b.edge[EdgeDiagonal] : Line::None;
    }
    return b.edge[edge];
}

void setLine(Border& b, int edge, Line line)
{
    if (edge < EdgeDiagonal) {
        b.edge[edge] = line;
        return;
    }
    (edge == EdgeDiagonal ? b.diagonalDown : b.diagonalUp) = line != Line::None;
    if (line != Line::None)
        b.edge[EdgeDiagonal] = line;
    else if (!b.diagonalDown && !b.diagonalUp)
        b.edge[EdgeDiagonal] = Line::None;
}

Border borderEdited(Border b, StyleEdit edit)
{
    const int edge = editEdge(edit.value);
    const int code = editCode(edit.value);
    const Line cur = currentLine(b, edge);
    if (edit.kind == EditKind::BorderLineStyle) {
        const int weight = cur == Line::None ? 2 : automationWeight(cur);
        setLine(b, edge, lineFromAutomation(code, weight));
    } else {
        const int style = cur == Line::None ? 1 : automationLineStyle(cur);
        setLine(b, edge, lineFromAutomation(style, code));
    }
    return b;
}

} // namespace

StyleTable::StyleTable()
{
    Font base;
    base.name = fontName(kDefaultFontName);
    internFont(base);
    internBorder(Border{});
    // Every styles part starts with these two fills.
    internFill(Fill{});
    internFill(Fill{Pattern::Gray125, Color{}, Color{}});
    internXf(Xf{});
}

uint32_t StyleTable::fontName(std::string_view name)
{
    auto it = fontNameIndex_.find(std::string(name));
    if (it != fontNameIndex_.end())
        return it->second;
    const auto id = uint32_t(fontNames_.size());
    fontNames_.emplace_back(name);
    fontNameIndex_.emplace(fontNames_.back(), id);
    return id;
}

uint32_t StyleTable::numberFormat(std::string_view code)
{
    auto it = formatIndex_.find(std::string(code));
    if (it != formatIndex_.end())
        return it->second;
    const auto id = uint32_t(kFirstCustomFormat + formatCodes_.size());
    formatCodes_.emplace_back(code);
    formatIndex_.emplace(formatCodes_.back(), id);
    return id;
}

uint32_t StyleTable::internFont(const Font& font)
{
    return intern(fonts_, fontIndex_, font);
}

uint32_t StyleTable::internBorder(const Border& border)
{
    return intern(borders_, borderIndex_, border);
}

uint32_t StyleTable::internFill(const Fill& fill)
{
    return intern(fills_, fillIndex_, fill);
}

uint32_t StyleTable::internXf(const Xf& xf)
{
    const uint32_t id = intern(xfs_, xfIndex_, xf);
    if (xfs_.size() > kMaxXfs)
        throw SheetError("書式の種類が多すぎます (上限 64000)");
    return id;
}

Xf StyleTable::applied(const Xf& xf, StyleEdit edit)
{
    Xf out = xf;
    Font f = fonts_[xf.font];
    switch (edit.kind) {
    case EditKind::FontName:
        f.name = edit.value;
        break;
    case EditKind::FontSize:
        f.size100 = edit.value;
        break;
    case EditKind::FontBold:
        f.bold = edit.value != 0;
        break;
    case EditKind::FontColor:
        f.color = Color::rgb(edit.value);
        break;
    case EditKind::HAlign:
        out.h = HAlign(edit.value);
        break;
    case EditKind::VAlign:
        out.v = VAlign(edit.value);
        break;
    case EditKind::Wrap:
        out.wrap = edit.value != 0;
        break;
    case EditKind::Shrink:
        out.shrink = edit.value != 0;
        break;
    case EditKind::QuotePrefix:
        out.quotePrefix = edit.value != 0;
        break;
    case EditKind::BorderLineStyle:
    case EditKind::BorderWeight:
        out.border = internBorder(borderEdited(borders_[xf.border], edit));
        break;
    case EditKind::FillColor:
        out.fill = internFill(Fill{Pattern::Solid, Color::rgb(edit.value), Color{}});
        break;
    }
    out.font = internFont(f);
    return out;
}

uint32_t StyleTable::derive(uint32_t xf, StyleEdit edit)
{
    const uint64_t key = uint64_t(xf) << 37 | uint64_t(edit.kind) << 32 | edit.value;
    auto it = derived_.find(key);
    if (it != derived_.end())
        return it->second;
    const uint32_t id = internXf(applied(xfs_[xf], edit));
    derived_.emplace(key, id);
    return id;
}

Color StyleTable::resolved(Color color) const
{
    if (color.kind != Color::Rgb && color.kind != Color::None)
        color.argb = theme_ ? theme_->resolve(color) : Theme::resolveDefault(color);
    return color;
}

bool StyleTable::isDateFormat(uint32_t id) const
{
    if (id < kFirstCustomFormat) // the built-in date and time formats, Japanese ones included
        return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58);
    const std::string& code = formatCode(id);
    bool inQuotes = false;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"')
            inQuotes = !inQuotes;
        else if (inQuotes)
            continue;
        else if (c == '\\' || c == '_' || c == '*')
            ++i;             // the next character is shown as it is
        else if (c == '[') { // a colour or a condition, unless elapsed time ([h], [mm], [ss])
            const size_t end = code.find(']', i);
            if (end == std::string::npos)
                return false;
            const char first = char(std::tolower(uint8_t(code[i + 1])));
            if (first == 'h' || first == 'm' || first == 's')
                return true;
            i = end;
        } else if ((c == 'G' || c == 'g') && code.compare(i, 7, "General") == 0) {
            i += 6;
        } else if ((c == 'E' || c == 'e') && i + 1 < code.size() && (code[i + 1] == '+' || code[i + 1] == '-')) {
            ++i; // scientific notation
        } else if (c != 0 && std::strchr("yYmMdDhHsSeEgG", c)) {
            return true;
        }
    }
    return false;
}

void StyleTable::adoptTheme(const StyleTable& other)
{
    if (!theme_ && other.theme_)
        theme_ = other.theme_;
}

uint32_t StyleTable::importDxfs(const StyleTable& other)
{
    const auto it = dxfImports_.find(&other);
    if (it != dxfImports_.end())
        return it->second;
    const auto offset = uint32_t(dxfs_.size());
    dxfs_.insert(dxfs_.end(), other.dxfs_.begin(), other.dxfs_.end());
    dxfImports_.emplace(&other, offset);
    if (colors_.empty())
        colors_ = other.colors_;
    return offset;
}

Color StyleTable::imported(const StyleTable& other, const Color& color) const
{
    const bool sameTheme = theme_ == other.theme_ || (theme_ && other.theme_ && theme_->xml() == other.theme_->xml());
    if (color.kind != Color::Theme || sameTheme)
        return color;
    return Color::rgb(color.argb);
}

uint32_t StyleTable::import(const StyleTable& other, uint32_t xf)
{
    adoptTheme(other);
    Xf x = other.xf(xf);
    Font f = other.font(x.font);
    f.name = fontName(other.fontNameText(f.name));
    f.color = imported(other, f.color);
    x.font = internFont(f);
    Border b = other.border(x.border);
    for (Color& c : b.color)
        c = imported(other, c);
    x.border = internBorder(b);
    Fill fill = other.fill(x.fill);
    fill.fg = imported(other, fill.fg);
    fill.bg = imported(other, fill.bg);
    x.fill = internFill(fill);
    if (x.numFmt >= kFirstCustomFormat)
        x.numFmt = numberFormat(other.formatCode(x.numFmt));
    return internXf(x);
}

} // namespace mirevo::sheet
