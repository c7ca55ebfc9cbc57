"""Writes the small workbooks the renderer's paint and pagination tests read.

    make_render_inputs.py KIND OUT.xlsx [IMAGE.png IMAGE.jpg]

KIND is one of: fonts, rotation, pictures, heights, colbreaks. Pictures are added to the
package after openpyxl has written it (openpyxl needs PIL for images): one drawing part with a
two-cell, a one-cell and an absolute anchor.
"""
import sys
import zipfile

import openpyxl
from openpyxl.styles import Alignment, Border, Color, Font, PatternFill, Side
from openpyxl.styles.colors import COLOR_INDEX
from openpyxl.worksheet.pagebreak import Break


GOTHIC = "ＭＳ Ｐゴシック"


def grid(sheet, rows=12, cols=8, height=30, width=10):
    for r in range(1, rows + 1):
        sheet.row_dimensions[r].height = height
    for c in range(1, cols + 1):
        sheet.column_dimensions[openpyxl.utils.get_column_letter(c)].width = width


def fonts(book):
    sheet = book.active
    grid(sheet)
    sheet["B2"] = "ＷＷＷＷ"
    sheet["B2"].font = Font(name=GOTHIC, underline="single")
    sheet["B3"] = "ＷＷＷＷ"
    sheet["B3"].font = Font(name=GOTHIC, underline="double")
    sheet["B4"] = "ＷＷＷＷ"
    sheet["B4"].font = Font(name=GOTHIC, strike=True)
    sheet["B5"] = "ＷＷ"
    sheet["B5"].alignment = Alignment(indent=2)
    sheet["B6"] = "ＷＷ"
    sheet["B6"].alignment = Alignment(horizontal="right", indent=2)
    sheet["B7"] = "ＷＷ"
    sheet["B7"].alignment = Alignment(horizontal="left")
    sheet["B8"] = "ＷＷ"
    sheet["B8"].alignment = Alignment(horizontal="left", indent=2)
    sheet["D2"].fill = PatternFill("solid", fgColor=Color(theme=4))
    sheet["D3"].fill = PatternFill("solid", fgColor=Color(theme=4, tint=0.5999938962981048))
    sheet["D4"].fill = PatternFill("solid", fgColor=Color(indexed=10))
    sheet["D5"].fill = PatternFill("solid", fgColor=Color(indexed=30))
    sheet["D6"].fill = PatternFill("solid", fgColor=Color(theme=0, tint=-0.1499984740745262))
    sheet["D7"].fill = PatternFill("solid", fgColor="FFFFC000", bgColor=Color(indexed=64))
    sheet["F2"] = "■■"
    sheet["F2"].font = Font(name=GOTHIC, color=Color(theme=5))
    sheet["F4"].border = Border(bottom=Side(style="thick", color=Color(indexed=12)))
    # The workbook's own palette: entry 30 is green here (standard: 0066CC).
    palette = list(COLOR_INDEX)
    palette[30] = "0000FF00"
    book._colors = palette


def rotation(book):
    sheet = book.active
    grid(sheet, rows=12, cols=8, height=15, width=6)
    sheet.merge_cells("B2:B8")
    sheet["B2"] = "安全装置"
    sheet["B2"].alignment = Alignment(horizontal="center", vertical="center", text_rotation=255)
    sheet.merge_cells("D2:D8")
    sheet["D2"] = "■□□□"
    sheet["D2"].alignment = Alignment(horizontal="center", vertical="center", text_rotation=90)
    sheet.merge_cells("F2:F8")
    sheet["F2"] = "■□□□"
    sheet["F2"].alignment = Alignment(horizontal="center", vertical="center", text_rotation=180)
    sheet.merge_cells("B10:H12")
    sheet["B10"] = "ＡＢＣＤ"
    sheet["B10"].alignment = Alignment(horizontal="center", vertical="center", text_rotation=45)


def heights(book):
    sheet = book.active
    for r in range(1, 41):
        sheet.cell(r, 1, "行%d" % r)
        sheet.row_dimensions[r].height = 40
    # No heights at all: the sheet's default, 15 points as openpyxl writes it.
    plain = book.create_sheet("default")
    for r in range(1, 101):
        plain.cell(r, 1, r)


def colbreaks(book):
    sheet = book.active
    for c in range(1, 9):
        sheet.cell(1, c, "列%d" % c)
    sheet.col_breaks.append(Break(id=3))


def chart(book):
    # Values in A1:A5 and a bar chart at L60, on the page right of and below the first one.
    from openpyxl.chart import BarChart, Reference
    sheet = book.active
    for r in range(1, 6):
        sheet.cell(r, 1, r)
    bars = BarChart()
    bars.width, bars.height = 8, 5  # centimetres: within one page
    bars.add_data(Reference(sheet, min_col=1, min_row=1, max_row=5))
    sheet.add_chart(bars, "L60")


def pictures(book):
    sheet = book.active
    grid(sheet, rows=30, cols=10, height=20, width=10)
    sheet["A1"] = "絵"


DRAWING = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<xdr:wsDr xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing" xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<xdr:twoCellAnchor editAs="oneCell"><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>1</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:to><xdr:col>3</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>4</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to>
<xdr:pic><xdr:nvPicPr><xdr:cNvPr id="2" name="red"/><xdr:cNvPicPr/></xdr:nvPicPr><xdr:blipFill><a:blip r:embed="rId1"/><a:stretch><a:fillRect/></a:stretch></xdr:blipFill><xdr:spPr><a:prstGeom prst="rect"><a:avLst/></a:prstGeom></xdr:spPr></xdr:pic><xdr:clientData/></xdr:twoCellAnchor>
<xdr:oneCellAnchor><xdr:from><xdr:col>5</xdr:col><xdr:colOff>127000</xdr:colOff><xdr:row>1</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:ext cx="762000" cy="508000"/>
<xdr:pic><xdr:nvPicPr><xdr:cNvPr id="3" name="blue"/><xdr:cNvPicPr/></xdr:nvPicPr><xdr:blipFill><a:blip r:embed="rId2"/><a:stretch><a:fillRect/></a:stretch></xdr:blipFill><xdr:spPr><a:prstGeom prst="rect"><a:avLst/></a:prstGeom></xdr:spPr></xdr:pic><xdr:clientData/></xdr:oneCellAnchor>
<xdr:absoluteAnchor><xdr:pos x="127000" y="4064000"/><xdr:ext cx="1270000" cy="635000"/>
<xdr:pic><xdr:nvPicPr><xdr:cNvPr id="4" name="again"/><xdr:cNvPicPr/></xdr:nvPicPr><xdr:blipFill><a:blip r:embed="rId1"/><a:stretch><a:fillRect/></a:stretch></xdr:blipFill><xdr:spPr><a:prstGeom prst="rect"><a:avLst/></a:prstGeom></xdr:spPr></xdr:pic><xdr:clientData/></xdr:absoluteAnchor>
<xdr:twoCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>25</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:to><xdr:col>6</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>25</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to>
<xdr:cxnSp macro=""><xdr:nvCxnSpPr><xdr:cNvPr id="5" name="line"/><xdr:cNvCxnSpPr/></xdr:nvCxnSpPr><xdr:spPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="0" cy="0"/></a:xfrm><a:prstGeom prst="line"><a:avLst/></a:prstGeom><a:ln w="38100"><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln></xdr:spPr></xdr:cxnSp><xdr:clientData/></xdr:twoCellAnchor>
</xdr:wsDr>
"""


def rewrite_sheet(path, change):
    with zipfile.ZipFile(path) as z:
        members = {name: z.read(name) for name in z.namelist()}
    members["xl/worksheets/sheet1.xml"] = change(members["xl/worksheets/sheet1.xml"].decode()).encode()
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in members.items():
            z.writestr(name, data)


def add_pictures(path, png, jpg):
    with zipfile.ZipFile(path) as z:
        members = {name: z.read(name) for name in z.namelist()}
    sheet = members["xl/worksheets/sheet1.xml"].decode()
    if 'xmlns:r=' not in sheet.split('>', 2)[1]:
        sheet = sheet.replace('<worksheet ', '<worksheet xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" ', 1)
    sheet = sheet.replace('</worksheet>', '<drawing r:id="rIdDr1"/></worksheet>')
    members["xl/worksheets/sheet1.xml"] = sheet.encode()
    members["xl/worksheets/_rels/sheet1.xml.rels"] = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rIdDr1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing" Target="../drawings/drawing1.xml"/>'
        '</Relationships>').encode()
    members["xl/drawings/drawing1.xml"] = DRAWING.encode()
    members["xl/drawings/_rels/drawing1.xml.rels"] = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="../media/image1.png"/>'
        '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="../media/image2.jpeg"/>'
        '</Relationships>').encode()
    with open(png, "rb") as f:
        members["xl/media/image1.png"] = f.read()
    with open(jpg, "rb") as f:
        members["xl/media/image2.jpeg"] = f.read()
    types = members["[Content_Types].xml"].decode()
    types = types.replace('</Types>',
                          '<Default Extension="png" ContentType="image/png"/>'
                          '<Default Extension="jpeg" ContentType="image/jpeg"/>'
                          '<Override PartName="/xl/drawings/drawing1.xml" ContentType="application/vnd.openxmlformats-officedocument.drawing+xml"/>'
                          '</Types>')
    members["[Content_Types].xml"] = types.encode()
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in members.items():
            z.writestr(name, data)


def main():
    kind, out = sys.argv[1], sys.argv[2]
    book = openpyxl.Workbook()
    # The standard font of the Japanese forms (openpyxl's own is Calibri).
    book._fonts = openpyxl.utils.indexed_list.IndexedList([Font(name=GOTHIC, size=11)])
    {"fonts": fonts, "rotation": rotation, "heights": heights, "colbreaks": colbreaks, "pictures": pictures,
     "chart": chart}[kind](book)
    book.save(out)
    if kind == "heights":
        # Heights the spreadsheet fitted itself, as LibreOffice writes them: no customHeight.
        rewrite_sheet(out, lambda xml: xml.replace(' customHeight="1"', ''))
    if kind == "pictures":
        add_pictures(out, sys.argv[3], sys.argv[4])


if __name__ == "__main__":
    main()
