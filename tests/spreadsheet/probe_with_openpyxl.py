"""Prints, as JSON, what openpyxl reads from a workbook: per sheet its cells (value,
formula, colours, font and alignment), rows, columns, view, print settings, and what it
carries (images, comments, hyperlinks, input rules, conditional formats, protection).
The spreadsheet tests compare it before and after the engine's round trip."""
import json
import posixpath
import sys
import xml.etree.ElementTree as ET
import zipfile

import openpyxl
from openpyxl.cell import Cell

REL = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}id"
PKG = "{http://schemas.openxmlformats.org/package/2006/relationships}"
XDR = "{http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing}"


def targets(zf, part):
    """Relationship id -> (type, part) of a part (openpyxl reads pictures only with PIL)."""
    folder, name = posixpath.split(part)
    rels = posixpath.join(folder, "_rels", name + ".rels")
    if rels not in zf.namelist():
        return {}
    out = {}
    for r in ET.fromstring(zf.read(rels)).iter(PKG + "Relationship"):
        target = r.get("Target")
        if r.get("TargetMode") != "External":
            target = target[1:] if target.startswith("/") else posixpath.normpath(posixpath.join(folder, target))
        out[r.get("Id")] = (r.get("Type").rsplit("/", 1)[-1], target)
    return out


def drawings(path):
    """Sheet name -> {"pictures": n, "shapes": n} of its drawing."""
    with zipfile.ZipFile(path) as zf:
        book = targets(zf, "xl/workbook.xml")
        result = {}
        for sheet in ET.fromstring(zf.read("xl/workbook.xml")).iter():
            if sheet.tag.endswith("}sheet") and sheet.get(REL) in book:
                part = book[sheet.get(REL)][1]
                counts = {"pictures": 0, "shapes": 0}
                for kind, target in targets(zf, part).values():
                    if kind == "drawing" and target in zf.namelist():
                        tree = ET.fromstring(zf.read(target))
                        counts["pictures"] += len(list(tree.iter(XDR + "pic")))
                        counts["shapes"] += len(list(tree.iter(XDR + "sp"))) + len(list(tree.iter(XDR + "cxnSp")))
                result[sheet.get("name")] = counts
        return result


def colour(c):
    if c is None:
        return None
    if c.type == "theme":
        return {"theme": c.theme, "tint": round(c.tint, 6)}
    if c.type == "indexed":
        return {"indexed": c.indexed, "tint": round(c.tint, 6)}
    return {"rgb": c.rgb} if c.type == "rgb" else None


def cell_info(cell, cached):
    f, a, p = cell.font, cell.alignment, cell.protection
    return {
        "value": str(cell.value) if cell.value is not None else None,
        "cached": str(cached.value) if cached.value is not None else None,
        "type": cell.data_type,
        "fill": colour(cell.fill.fgColor) if cell.fill.fill_type else None,
        "fillType": cell.fill.fill_type,
        "font": colour(f.color),
        "underline": f.underline,
        "strike": bool(f.strike),
        "rotation": a.textRotation,
        "indent": a.indent,
        "locked": p.locked,
        "hidden": p.hidden,
        "border": colour(cell.border.left.color) if cell.border.left.style else None,
        "format": cell.number_format,
    }


def shown(ws, cached_ws):
    """Cells with a value or a look other than the workbook's default one."""
    plain = cell_info(Cell(ws), Cell(cached_ws))
    cells = {}
    for c in ws._cells.values():
        info = cell_info(c, cached_ws[c.coordinate])
        if c.value is not None or any(info[k] != plain[k] for k in info if k not in ("value", "cached", "type")):
            cells[c.coordinate] = info
    return cells


def header_footer(hf):
    # A flag the file leaves out has its default, as one written out does.
    defaults = {"differentOddEven": False, "differentFirst": False, "scaleWithDoc": True, "alignWithMargins": True}
    out = {flag: bool(getattr(hf, flag)) if getattr(hf, flag) is not None else default
           for flag, default in defaults.items()}
    for part in ("oddHeader", "oddFooter", "evenHeader", "evenFooter", "firstHeader", "firstFooter"):
        item = getattr(hf, part)
        out[part] = "|".join(s.text or "" for s in (item.left, item.center, item.right))
    return out


def sheet_info(ws, cached_ws):
    return {
        "cells": shown(ws, cached_ws),
        "rows": {str(r): {"ht": d.ht, "custom": bool(d.customHeight)} for r, d in ws.row_dimensions.items() if d.ht},
        "cols": {k: {"width": d.width, "hidden": bool(d.hidden)} for k, d in ws.column_dimensions.items()
                 if d.customWidth or d.hidden},
        "defaultRowHeight": ws.sheet_format.defaultRowHeight,
        "colBreaks": [b.id for b in ws.col_breaks.brk],
        "freeze": ws.freeze_panes,
        "zoom": ws.sheet_view.zoomScale,
        "gridLines": ws.sheet_view.showGridLines,
        "tabColor": ws.sheet_properties.tabColor.rgb if ws.sheet_properties.tabColor else None,
        "printGridLines": bool(ws.print_options.gridLines),
        "printHeadings": bool(ws.print_options.headings),
        "firstPageNumber": ws.page_setup.firstPageNumber if ws.page_setup.useFirstPageNumber else None,
        "paperSize": ws.page_setup.paperSize,
        "headerFooter": header_footer(ws.HeaderFooter),
        "images": pictures.get(ws.title, {}).get("pictures", 0),
        "shapes": pictures.get(ws.title, {}).get("shapes", 0),
        "comments": sorted(c.coordinate for c in ws._cells.values() if c.comment),
        "hyperlinks": sorted(f"{c.coordinate} {c.hyperlink.target or c.hyperlink.location}"
                             for c in ws._cells.values() if c.hyperlink),
        "validations": sorted(f"{v.sqref} {v.type} {v.formula1}" for v in ws.data_validations.dataValidation),
        "conditional": sorted(str(r.sqref) for r in ws.conditional_formatting),
        "protected": bool(ws.protection.sheet),
        "autoFilter": ws.auto_filter.ref,
    }


path = sys.argv[1]
pictures = drawings(path)
book = openpyxl.load_workbook(path)
cached = openpyxl.load_workbook(path, data_only=True)
print(json.dumps({
    "epoch": book.epoch.year,
    "theme": book.loaded_theme is not None,
    "sheets": {ws.title: sheet_info(ws, cached[ws.title]) for ws in book.worksheets},
}, ensure_ascii=False, sort_keys=True))
