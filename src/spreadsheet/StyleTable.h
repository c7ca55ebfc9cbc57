#pragma once
// Interned fonts, borders and cell formats of one workbook. Entries are never removed, so an
// index stays valid for the life of the table.
#include "Style.h"
#include "Theme.h"

#include <memory>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mirevo::sheet {

class StyleTable {
public:
    StyleTable();

    uint32_t fontName(std::string_view name);
    const std::string &fontNameText(uint32_t id) const { return m_fontNames[id]; }

    uint32_t internFont(const Font &font);
    uint32_t internBorder(const Border &border);
    uint32_t internFill(const Fill &fill);
    uint32_t internXf(const Xf &xf);
    // Number format id of a format code (interned; kFirstCustomFormat + index).
    uint32_t numberFormat(std::string_view code);
    const std::string &formatCode(uint32_t id) const { return m_formatCodes[id - kFirstCustomFormat]; }
    // Whether number format `id` shows a date or a time (its value counts days).
    bool isDateFormat(uint32_t id) const;
    size_t customFormatCount() const { return m_formatCodes.size(); }

    const Font &font(uint32_t i) const { return m_fonts[i]; }
    const Border &border(uint32_t i) const { return m_borders[i]; }
    const Fill &fill(uint32_t i) const { return m_fills[i]; }
    const Xf &xf(uint32_t i) const { return m_xfs[i]; }
    size_t fillCount() const { return m_fills.size(); }
    size_t fontCount() const { return m_fonts.size(); }
    size_t borderCount() const { return m_borders.size(); }
    size_t xfCount() const { return m_xfs.size(); }

    // Index of the style that equals style `xf` with `edit` applied (cached).
    uint32_t derive(uint32_t xf, StyleEdit edit);
    // Index in this table of style `xf` of table `other`.
    uint32_t import(const StyleTable &other, uint32_t xf);

    // Differential formats of conditional formats (<dxf> elements as read), and the
    // workbook's own palette (<colors>, empty: the standard one).
    std::vector<std::string> &dxfs() { return m_dxfs; }
    const std::vector<std::string> &dxfs() const { return m_dxfs; }
    std::string &colorsXml() { return m_colors; }
    const std::string &colorsXml() const { return m_colors; }
    // Appends the differential formats of `other` (once); returns where they start.
    uint32_t importDxfs(const StyleTable &other);

    // The workbook's theme (null: none, the default office colours apply).
    const std::shared_ptr<const Theme> &theme() const { return m_theme; }
    void setTheme(std::shared_ptr<const Theme> theme) { m_theme = std::move(theme); }
    // A workbook without a theme of its own (a new one) takes the theme of the first
    // workbook it copies from, so that theme colours stay theme colours.
    void adoptTheme(const StyleTable &other);
    // The colour with its painted value resolved against this table's theme.
    Color resolved(Color color) const;

    static constexpr const char *kDefaultFontName = "ＭＳ Ｐゴシック";

private:
    Xf applied(const Xf &xf, StyleEdit edit);
    // A colour of `other` as this table must hold it: theme colours become rgb when the two
    // themes differ.
    Color imported(const StyleTable &other, const Color &color) const;

    std::shared_ptr<const Theme> m_theme;
    std::vector<std::string> m_dxfs;
    std::string m_colors;
    std::unordered_map<const StyleTable *, uint32_t> m_dxfImports;

    std::vector<std::string> m_fontNames;
    std::unordered_map<std::string, uint32_t> m_fontNameIndex;
    std::vector<Font> m_fonts;
    std::unordered_map<uint64_t, std::vector<uint32_t>> m_fontIndex;
    std::vector<Border> m_borders;
    std::unordered_map<uint64_t, std::vector<uint32_t>> m_borderIndex;
    std::vector<Fill> m_fills;
    std::unordered_map<uint64_t, std::vector<uint32_t>> m_fillIndex;
    std::vector<std::string> m_formatCodes;
    std::unordered_map<std::string, uint32_t> m_formatIndex;
    std::vector<Xf> m_xfs;
    std::unordered_map<uint64_t, std::vector<uint32_t>> m_xfIndex;
    std::unordered_map<uint64_t, uint32_t> m_derived;
};

} // namespace mirevo::sheet
