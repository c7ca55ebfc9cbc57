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
    const std::string& fontNameText(uint32_t id) const { return fontNames_[id]; }

    uint32_t internFont(const Font& font);
    uint32_t internBorder(const Border& border);
    uint32_t internFill(const Fill& fill);
    uint32_t internXf(const Xf& xf);
    // Number format id of a format code (interned; kFirstCustomFormat + index).
    uint32_t numberFormat(std::string_view code);
    const std::string& formatCode(uint32_t id) const { return formatCodes_[id - kFirstCustomFormat]; }
    // Whether number format `id` shows a date or a time (its value counts days).
    bool isDateFormat(uint32_t id) const;
    size_t customFormatCount() const { return formatCodes_.size(); }

    const Font& font(uint32_t i) const { return fonts_[i]; }
    const Border& border(uint32_t i) const { return borders_[i]; }
    const Fill& fill(uint32_t i) const { return fills_[i]; }
    const Xf& xf(uint32_t i) const { return xfs_[i]; }
    size_t fillCount() const { return fills_.size(); }
    size_t fontCount() const { return fonts_.size(); }
    size_t borderCount() const { return borders_.size(); }
    size_t xfCount() const { return xfs_.size(); }

    // Index of the style that equals style `xf` with `edit` applied (cached).
    uint32_t derive(uint32_t xf, StyleEdit edit);
    // Index in this table of style `xf` of table `other`.
    uint32_t import(const StyleTable& other, uint32_t xf);

    // Differential formats of conditional formats (<dxf> elements as read), and the
    // workbook's own palette (<colors>, empty: the standard one).
    std::vector<std::string>& dxfs() { return dxfs_; }
    const std::vector<std::string>& dxfs() const { return dxfs_; }
    std::string& colorsXml() { return colors_; }
    const std::string& colorsXml() const { return colors_; }
    // Appends the differential formats of `other` (once); returns where they start.
    uint32_t importDxfs(const StyleTable& other);

    // The workbook's theme (null: none, the default office colours apply).
    const std::shared_ptr<const Theme>& theme() const { return theme_; }
    void setTheme(std::shared_ptr<const Theme> theme) { theme_ = std::move(theme); }
    // A workbook without a theme of its own (a new one) takes the theme of the first
    // workbook it copies from, so that theme colours stay theme colours.
    void adoptTheme(const StyleTable& other);
    // The colour with its painted value resolved against this table's theme.
    Color resolved(Color color) const;

    static constexpr const char* kDefaultFontName = "ＭＳ Ｐゴシック";

private:
    Xf applied(const Xf& xf, StyleEdit edit);
    // A colour of `other` as this table must hold it: theme colours become rgb when the two
    // themes differ.
    Color imported(const StyleTable& other, const Color& color) const;

    std::shared_ptr<const Theme> theme_;
    std::vector<std::string> dxfs_;
    std::string colors_;
    std::unordered_map<const StyleTable*, uint32_t> dxfImports_;

    std::vector<std::string> fontNames_;
    std::unordered_map<std::string, uint32_t> fontNameIndex_;
    std::vector<Font> fonts_;
    std::unordered_map<uint64_t, std::vector<uint32_t>> fontIndex_;
    std::vector<Border> borders_;
    std::unordered_map<uint64_t, std::vector<uint32_t>> borderIndex_;
    std::vector<Fill> fills_;
    std::unordered_map<uint64_t, std::vector<uint32_t>> fillIndex_;
    std::vector<std::string> formatCodes_;
    std::unordered_map<std::string, uint32_t> formatIndex_;
    std::vector<Xf> xfs_;
    std::unordered_map<uint64_t, std::vector<uint32_t>> xfIndex_;
    std::unordered_map<uint64_t, uint32_t> derived_;
};

} // namespace mirevo::sheet
