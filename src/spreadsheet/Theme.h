#pragma once
// The workbook's theme part (xl/theme/theme1.xml), kept as read and written back; its colour
// scheme resolves theme colours, the spreadsheet's standard palette indexed ones.
#include "Style.h"

#include <array>
#include <memory>
#include <string>

namespace mirevo::sheet {

class Theme {
public:
    // Parses the colour scheme of the part; a part without one keeps the default colours.
    explicit Theme(std::string xml);
    const std::string& xml() const { return xml_; }
    // The colour to paint: theme, indexed and rgb colours with their tint applied.
    uint32_t resolve(const Color& color) const;
    // Resolution without a theme part (the default office colours).
    static uint32_t resolveDefault(const Color& color);

private:
    std::string xml_;
    std::array<uint32_t, 12> colors_; // by theme index: lt1, dk1, lt2, dk2, accent1-6, hlink, folHlink
};

} // namespace mirevo::sheet
