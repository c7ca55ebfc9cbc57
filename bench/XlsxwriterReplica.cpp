#include "XlsxwriterReplica.h"

#include "spreadsheet/Spreadsheet.h"

#include <xlsxwriter.h>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace mirevo::bench {

using namespace mirevo::sheet;

namespace {

// libxlsxwriter turns characters into file widths with a 7-pixel digit; passing it the width
// in those characters gives the same file width the engine wrote.
constexpr double kDigitWidth = 7.0;

// One lxw_format per engine style, made on first use.
class Formats {
public:
    Formats(lxw_workbook* wb, const StyleTable& styles) : wb_(wb), styles_(styles), formats_(styles.xfCount(), nullptr)
    {
    }

    lxw_format* get(uint32_t xf)
    {
        if (xf == 0)
            return nullptr;
        if (!formats_[xf])
            formats_[xf] = make(styles_.xf(xf));
        return formats_[xf];
    }

private:
    lxw_format* make(const Xf& x)
    {
        lxw_format* f = workbook_add_format(wb_);
        const Font& font = styles_.font(x.font);
        format_set_font_name(f, styles_.fontNameText(font.name).c_str());
        format_set_font_size(f, font.size100 / 100.0);
        if (font.bold)
            format_set_bold(f);
        if (font.color.kind == Color::Rgb)
            format_set_font_color(f, font.color.argb & 0xFFFFFF);
        static const uint8_t h[] = {LXW_ALIGN_NONE, LXW_ALIGN_LEFT,    LXW_ALIGN_CENTER,        LXW_ALIGN_RIGHT,
                                    LXW_ALIGN_FILL, LXW_ALIGN_JUSTIFY, LXW_ALIGN_CENTER_ACROSS, LXW_ALIGN_DISTRIBUTED};
        static const uint8_t v[] = {LXW_ALIGN_NONE, LXW_ALIGN_VERTICAL_TOP, LXW_ALIGN_VERTICAL_CENTER,
                                    LXW_ALIGN_VERTICAL_JUSTIFY, LXW_ALIGN_VERTICAL_DISTRIBUTED};
        if (h[int(x.h)])
            format_set_align(f, h[int(x.h)]);
        if (v[int(x.v)])
            format_set_align(f, v[int(x.v)]);
        if (x.wrap)
            format_set_text_wrap(f);
        if (x.shrink)
            format_set_shrink(f);
        setBorder(f, styles_.border(x.border));
        const Fill& fill = styles_.fill(x.fill);
        if (fill.pattern == Pattern::Solid && fill.fg.kind == Color::Rgb) {
            format_set_pattern(f, LXW_PATTERN_SOLID);
            format_set_bg_color(f, fill.fg.argb & 0xFFFFFF);
        }
        return f;
    }

    // ST_BorderStyle order equals libxlsxwriter's border constants.
    static void setBorder(lxw_format* f, const Border& b)
    {
        format_set_left(f, uint8_t(b.edge[EdgeLeft]));
        format_set_right(f, uint8_t(b.edge[EdgeRight]));
        format_set_top(f, uint8_t(b.edge[EdgeTop]));
        format_set_bottom(f, uint8_t(b.edge[EdgeBottom]));
        if (b.diagonalDown || b.diagonalUp) {
            format_set_diag_type(f,
                                 b.diagonalDown && b.diagonalUp ? LXW_DIAGONAL_BORDER_UP_DOWN
                                     : b.diagonalDown           ? LXW_DIAGONAL_BORDER_DOWN
                                                                : LXW_DIAGONAL_BORDER_UP);
            format_set_diag_border(f, uint8_t(b.edge[EdgeDiagonal]));
        }
    }

    lxw_workbook* wb_;
    const StyleTable& styles_;
    std::vector<lxw_format*> formats_;
};

void writeLayout(lxw_worksheet* ws, const SheetData& data)
{
    for (size_t c = 0; c < data.cols.size(); ++c) {
        const ColInfo& info = data.cols[c];
        if (!info.custom)
            continue;
        lxw_row_col_options opt{uint8_t(info.hidden), 0, 0};
        const double chars = info.hidden ? 0 : std::round((info.width * kDigitWidth - 5) / kDigitWidth * 100) / 100;
        worksheet_set_column_opt(ws, lxw_col_t(c), lxw_col_t(c), chars, nullptr, &opt);
    }
    const PageSetupData& p = data.page;
    worksheet_set_margins(ws, p.left, p.right, p.top, p.bottom);
    if (p.paperSize)
        worksheet_set_paper(ws, uint8_t(p.paperSize));
    if (p.scale)
        worksheet_set_print_scale(ws, uint16_t(p.scale));
    if (p.orientation == 2)
        worksheet_set_landscape(ws);
}

void writeBreaks(lxw_worksheet* ws, const SheetData& data)
{
    if (data.rowBreaks.empty())
        return;
    std::vector<lxw_row_t> breaks(data.rowBreaks.begin(), data.rowBreaks.end());
    breaks.push_back(0);
    worksheet_set_h_pagebreaks(ws, breaks.data());
}

void writeMerges(lxw_worksheet* ws, const SheetData& data, Formats& formats)
{
    for (const Rect& m : data.merges.list())
        worksheet_merge_range(ws, lxw_row_t(m.r1 - 1), lxw_col_t(m.c1 - 1), lxw_row_t(m.r2 - 1), lxw_col_t(m.c2 - 1),
                              "", formats.get(0));
}

// In constant_memory mode rows must come in order, so the merges (whose cells the rows
// already wrote) follow the cells there; otherwise they come first.
void writeCells(lxw_worksheet* ws, const Workbook& book, const SheetData& data, Formats& formats, bool constantMemory)
{
    if (!constantMemory)
        writeMerges(ws, data, formats);
    const StringTable& strings = book.tables().strings;
    data.rows.forEach([&](int rowNumber, const Row& row) {
        const int r = rowNumber - 1;
        if (row.customHeight) {
            lxw_row_col_options opt{uint8_t(row.hidden), 0, 0};
            worksheet_set_row_opt(ws, lxw_row_t(r), row.height, nullptr, &opt);
        }
        for (const Cell& c : row.cells) {
            lxw_format* f = formats.get(c.style);
            if (c.str != kNoString)
                worksheet_write_string(ws, lxw_row_t(r), lxw_col_t(c.col - 1), strings.text(c.str).c_str(), f);
            else if (f)
                worksheet_write_blank(ws, lxw_row_t(r), lxw_col_t(c.col - 1), f);
        }
    });
    if (constantMemory)
        writeMerges(ws, data, formats);
}

} // namespace

void writeWithXlsxwriter(const Workbook& book, const std::string& path, bool constantMemory)
{
    lxw_workbook_options options{};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* wb = workbook_new_opt(path.c_str(), &options);
    if (!wb)
        throw std::runtime_error("libxlsxwriter cannot create " + path);
    Formats formats(wb, book.tables().styles);
    for (const auto& sheet : book.sheets()) {
        lxw_worksheet* ws = workbook_add_worksheet(wb, sheet->Name().c_str());
        if (!ws)
            throw std::runtime_error("libxlsxwriter refused sheet " + sheet->Name());
        writeLayout(ws, sheet->data());
        writeCells(ws, book, sheet->data(), formats, constantMemory);
        writeBreaks(ws, sheet->data());
    }
    if (workbook_close(wb) != LXW_NO_ERROR)
        throw std::runtime_error("libxlsxwriter failed to save " + path);
}

} // namespace mirevo::bench
