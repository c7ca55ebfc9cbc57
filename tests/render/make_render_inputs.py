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
    grid(sheet, rows=12, cols=10, height=15, width=6)
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
    # Shrunk to fit: seven characters turned upright, and stacked, in boxes three rows high.
    for cell, turn in (("H2", 90), ("J2", 255)):
        sheet.merge_cells("%s:%s4" % (cell, cell[0]))
        sheet[cell] = "安全装置の点検"
        sheet[cell].alignment = Alignment(horizontal="center", vertical="center", text_rotation=turn, shrink_to_fit=True)


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


TEXT_BOXES = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<xdr:wsDr xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing" xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main">
<xdr:twoCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>1</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:to><xdr:col>6</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>6</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to>
<xdr:sp macro="" textlink=""><xdr:nvSpPr><xdr:cNvPr id="2" name="TextBox 1"/><xdr:cNvSpPr txBox="1"/></xdr:nvSpPr>
<xdr:spPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="0" cy="0"/></a:xfrm><a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:solidFill><a:schemeClr val="lt1"/></a:solidFill><a:ln w="9525" cmpd="sng"><a:solidFill><a:schemeClr val="lt1"><a:shade val="50000"/></a:schemeClr></a:solidFill></a:ln></xdr:spPr>
<xdr:style><a:lnRef idx="0"><a:scrgbClr r="0" g="0" b="0"/></a:lnRef><a:fillRef idx="0"><a:scrgbClr r="0" g="0" b="0"/></a:fillRef><a:effectRef idx="0"><a:scrgbClr r="0" g="0" b="0"/></a:effectRef><a:fontRef idx="minor"><a:schemeClr val="dk1"/></a:fontRef></xdr:style>
<xdr:txBody><a:bodyPr vertOverflow="clip" horzOverflow="clip" wrap="square" rtlCol="0" anchor="ctr"/><a:lstStyle/>
<a:p><a:pPr algn="ctr"/><a:r><a:rPr kumimoji="1" lang="ja-JP" altLang="en-US" sz="1400" b="1"><a:solidFill><a:srgbClr val="FF0000"/></a:solidFill><a:latin typeface="+mn-lt"/><a:ea typeface="ＭＳ Ｐゴシック"/></a:rPr><a:t>記入例</a:t></a:r></a:p>
<a:p><a:pPr algn="ctr"/><a:r><a:rPr kumimoji="1" lang="ja-JP" altLang="en-US" sz="1100"/><a:t>二行目</a:t></a:r><a:endParaRPr kumimoji="1" lang="ja-JP" altLang="en-US" sz="1100"/></a:p>
</xdr:txBody></xdr:sp><xdr:clientData/></xdr:twoCellAnchor>
<xdr:twoCellAnchor><xdr:from><xdr:col>7</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>1</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:to><xdr:col>10</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>6</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to>
<xdr:sp macro="" textlink=""><xdr:nvSpPr><xdr:cNvPr id="3" name="Callout 2"/><xdr:cNvSpPr/></xdr:nvSpPr>
<xdr:spPr><a:prstGeom prst="wedgeRectCallout"><a:avLst/></a:prstGeom></xdr:spPr>
<xdr:txBody><a:bodyPr anchor="b"/><a:lstStyle/><a:p><a:pPr algn="r"/><a:r><a:rPr lang="ja-JP" sz="1100"/><a:t>吹出</a:t></a:r></a:p></xdr:txBody></xdr:sp><xdr:clientData/></xdr:twoCellAnchor>
</xdr:wsDr>
"""


def member(kind, name, off, ext, geometry, colour):
    spPr = ('<xdr:spPr><a:xfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/></a:xfrm><a:prstGeom prst="%s"><a:avLst/></a:prstGeom>'
            '%s</xdr:spPr>') % (off + ext + (geometry, colour))
    if kind == "cxnSp":
        return ('<xdr:cxnSp macro=""><xdr:nvCxnSpPr><xdr:cNvPr id="9" name="%s"/><xdr:cNvCxnSpPr/></xdr:nvCxnSpPr>%s</xdr:cxnSp>'
                % (name, spPr))
    return '<xdr:sp macro="" textlink=""><xdr:nvSpPr><xdr:cNvPr id="9" name="%s"/><xdr:cNvSpPr/></xdr:nvSpPr>%s</xdr:sp>' % (name, spPr)


def group(off, ext, child_off, child_ext, members):
    return ('<xdr:grpSp><xdr:nvGrpSpPr><xdr:cNvPr id="8" name="Group"/><xdr:cNvGrpSpPr/></xdr:nvGrpSpPr>'
            '<xdr:grpSpPr><a:xfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/><a:chOff x="%d" y="%d"/><a:chExt cx="%d" cy="%d"/>'
            '</a:xfrm></xdr:grpSpPr>%s</xdr:grpSp>') % (off + ext + child_off + child_ext + ("".join(members),))


RED = '<a:solidFill><a:srgbClr val="FF0000"/></a:solidFill><a:ln><a:noFill/></a:ln>'
BLUE = '<a:solidFill><a:srgbClr val="0000FF"/></a:solidFill><a:ln><a:noFill/></a:ln>'
GREEN_LINE = '<a:ln w="25400"><a:solidFill><a:srgbClr val="00FF00"/></a:solidFill></a:ln>'
# One group over B2:F6 (child coordinates 200 x 100): a red rectangle on its left half, a blue
# ellipse on its right half, and a group in its lower half (child coordinates 20 x 10) holding
# a green line across it at three quarters of the height.
GROUPS = ("""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<xdr:wsDr xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing" xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main">
<xdr:twoCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>1</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from><xdr:to><xdr:col>6</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>6</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to>"""
          + group((640000, 254000), (3200000, 1270000), (0, 0), (200, 100), [
              member("sp", "red", (0, 0), (100, 100), "rect", RED),
              member("sp", "blue", (100, 0), (100, 100), "ellipse", BLUE),
              group((0, 50), (200, 50), (0, 0), (20, 10), [member("cxnSp", "green", (0, 5), (20, 0), "line", GREEN_LINE)]),
          ])
          + """<xdr:clientData/></xdr:twoCellAnchor></xdr:wsDr>""")


def add_drawing(path, drawing, media):
    """Adds `drawing` as the first sheet's drawing part, with `media` (name -> bytes) as the
    pictures its relationships rId1, rId2, ... point to."""
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
    members["xl/drawings/drawing1.xml"] = drawing.encode()
    members["xl/drawings/_rels/drawing1.xml.rels"] = (
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        + "".join('<Relationship Id="rId%d" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" '
                  'Target="../media/%s"/>' % (i + 1, name) for i, name in enumerate(media))
        + '</Relationships>').encode()
    for name, data in media.items():
        members["xl/media/" + name] = data
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


def add_pictures(path, png, jpg):
    with open(png, "rb") as f, open(jpg, "rb") as g:
        add_drawing(path, DRAWING, {"image1.png": f.read(), "image2.jpeg": g.read()})


def textboxes(book):
    grid(book.active, rows=10, cols=12, height=20, width=10)


def main():
    kind, out = sys.argv[1], sys.argv[2]
    book = openpyxl.Workbook()
    # The standard font of the Japanese forms (openpyxl's own is Calibri).
    book._fonts = openpyxl.utils.indexed_list.IndexedList([Font(name=GOTHIC, size=11)])
    {"fonts": fonts, "rotation": rotation, "heights": heights, "colbreaks": colbreaks, "pictures": pictures,
     "chart": chart, "textboxes": textboxes, "groups": textboxes}[kind](book)
    book.save(out)
    if kind == "heights":
        # Heights the spreadsheet fitted itself, as LibreOffice writes them: no customHeight.
        rewrite_sheet(out, lambda xml: xml.replace(' customHeight="1"', ''))
    if kind == "pictures":
        add_pictures(out, sys.argv[3], sys.argv[4])
    if kind == "textboxes":
        add_drawing(out, TEXT_BOXES, {})
    if kind == "groups":
        add_drawing(out, GROUPS, {})


if __name__ == "__main__":
    main()
