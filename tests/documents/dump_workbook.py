"""Prints a workbook as text for review: per sheet its page set-up, column widths, row
heights, page breaks, merges, the cell formats (as runs of equal cells in a row) and the
values. Formats are numbered in order of first use, so two dumps of workbooks that
differ only where they should show only those places.

    dump_workbook.py [--filled] BOOK.xlsx [OUT.txt]

--filled lists the formats of cells with a value only, each on the value's line (a
generated workbook's other cells carry the formats of its template).
"""
import sys

import openpyxl
from openpyxl.utils import get_column_letter


def colour(c):
    if c is None:
        return ""
    if c.type == "rgb":
        return str(c.rgb)
    if c.type == "theme":
        return "theme%d%+.2f" % (c.theme, c.tint or 0)
    if c.type == "indexed":
        return "indexed%d" % c.indexed
    return ""


def side(s):
    if s is None or s.style is None:
        return ""
    return s.style + ("/" + colour(s.color) if colour(s.color) not in ("", "FF000000") else "")


def describe(cell):
    f, a, b, p = cell.font, cell.alignment, cell.border, cell.fill
    parts = ["font=%s %s%s%s%s%s" % (f.name, f.sz, " B" if f.b else "", " I" if f.i else "",
                                     " U" if f.u else "", " S" if f.strike else "")]
    if colour(f.color) not in ("", "FF000000", "theme1+0.00"):
        parts.append("colour=" + colour(f.color))
    align = [x for x in (a.horizontal, a.vertical) if x]
    align += [n for n, on in (("wrap", a.wrap_text), ("shrink", a.shrink_to_fit)) if on]
    if a.text_rotation:
        align.append("rot%d" % a.text_rotation)
    if a.indent:
        align.append("indent%d" % a.indent)
    if align:
        parts.append("align=" + ",".join(align))
    edges = [(n, side(getattr(b, n))) for n in ("left", "right", "top", "bottom", "diagonal")]
    edges = ["%s:%s" % (n[0].upper(), s) for n, s in edges if s]
    if edges:
        parts.append("border=" + " ".join(edges))
    if p is not None and p.fill_type:
        parts.append("fill=%s %s" % (p.fill_type, colour(p.fgColor)))
    if cell.number_format not in ("General",):
        parts.append("format=" + cell.number_format)
    return " ".join(parts)


class Styles:
    def __init__(self):
        self.ids = {}
        self.order = []

    def id(self, text):
        if text not in self.ids:
            self.ids[text] = "F%d" % (len(self.order) + 1)
            self.order.append(text)
        return self.ids[text]


def runs(items):
    """[(column, key)] in column order into [(first, last, key)] of equal neighbours."""
    out = []
    for col, key in items:
        if out and out[-1][2] == key and out[-1][1] == col - 1:
            out[-1] = (out[-1][0], col, key)
        else:
            out.append((col, col, key))
    return out


def columns(first, last):
    a = get_column_letter(first)
    return a if first == last else a + ":" + get_column_letter(last)


def span(row, first, last):
    a = get_column_letter(first) + str(row)
    return a if first == last else a + ":" + get_column_letter(last) + str(row)


def dump_sheet(ws, styles, out, filled=False):
    out.append('== sheet "%s" %s' % (ws.title, ws.sheet_state))
    ps, pm = ws.page_setup, ws.page_margins
    out.append("page: paper=%s orientation=%s scale=%s fit=%s/%s margins=%.2f,%.2f,%.2f,%.2f,%.2f,%.2f"
               % (ps.paperSize, ps.orientation, ps.scale, ps.fitToWidth, ps.fitToHeight,
                  pm.left, pm.right, pm.top, pm.bottom, pm.header, pm.footer))
    if ws.print_area:
        out.append("print area: %s" % ws.print_area)
    if ws.print_title_rows or ws.print_title_cols:
        out.append("print titles: %s %s" % (ws.print_title_rows, ws.print_title_cols))
    breaks = [b.id for b in ws.row_breaks.brk]
    if breaks:
        out.append("row breaks: " + " ".join(map(str, breaks)))
    widths = sorted((openpyxl.utils.column_index_from_string(k), d.width, d.hidden)
                    for k, d in ws.column_dimensions.items())
    cols = []
    for index, width, hidden in widths:
        d = ws.column_dimensions[get_column_letter(index)]
        for c in range(d.min or index, (d.max or index) + 1):
            cols.append((c, "%.4g%s" % (width, " hidden" if hidden else "")))
    if cols:
        out.append("columns: " + " ".join("%s=%s" % (columns(a, b), w) for a, b, w in runs(cols)))
    heights = sorted((r, d.height) for r, d in ws.row_dimensions.items() if d.height is not None)
    if heights:
        out.append("rows: " + " ".join("%d-%d=%.4g" % (a, b, h) if a != b else "%d=%.4g" % (a, h)
                                        for a, b, h in runs(heights)))
    merges = sorted(ws.merged_cells.ranges, key=lambda r: (r.min_row, r.min_col))
    if merges:
        out.append("merges: " + " ".join(str(m) for m in merges))
    for row in ws.iter_rows():
        if filled:
            for cell in row:
                if cell.value is not None:
                    out.append("%s = %r %s" % (cell.coordinate, cell.value, styles.id(describe(cell))))
            continue
        formats = []
        for cell in row:
            if cell.has_style:
                formats.append((cell.column, styles.id(describe(cell))))
        for a, b, key in runs(formats):
            out.append("%s %s" % (span(row[0].row, a, b), key))
        for cell in row:
            if cell.value is not None:
                out.append("%s = %r" % (cell.coordinate, cell.value))


def dump(path, filled=False):
    book = openpyxl.load_workbook(path)
    styles = Styles()
    out = []
    for ws in book.worksheets:
        dump_sheet(ws, styles, out, filled)
    out.append("== formats")
    out += ["%s: %s" % (styles.ids[t], t) for t in styles.order]
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    args = [a for a in sys.argv[1:] if a != "--filled"]
    text = dump(args[0], "--filled" in sys.argv[1:])
    if len(args) > 1:
        with open(args[1], "w", encoding="utf-8") as f:
            f.write(text)
    else:
        sys.stdout.write(text)
