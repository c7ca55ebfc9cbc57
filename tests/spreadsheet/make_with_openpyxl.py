"""Writes a small formatted workbook with openpyxl at the path given, for the reader test."""
import sys

import openpyxl
from openpyxl.styles import Alignment, Border, Font, PatternFill, Side
from openpyxl.worksheet.pagebreak import Break

book = openpyxl.Workbook()
sheet = book.active
sheet.title = "作業員名簿"
sheet["A1"] = "氏名"
sheet["B1"] = "0012"
sheet["C1"] = 42
sheet["D1"] = 1.5
sheet["A1"].font = Font(name="ＭＳ Ｐ明朝", size=14, bold=True, color="FFFF0000")
sheet["A1"].alignment = Alignment(horizontal="center", vertical="center", wrap_text=True)
sheet["B2"].border = Border(left=Side(style="thin"), bottom=Side(style="hair"),
                            diagonal=Side(style="hair"), diagonalDown=True)
sheet["C2"].fill = PatternFill(fill_type="solid", fgColor="FF00FF00")
sheet.merge_cells("A3:C4")
sheet["A3"] = "結合"
sheet.column_dimensions["B"].width = 4.5
sheet.row_dimensions[2].height = 11.95
sheet.page_margins.left = 0.25
sheet.page_setup.paperSize = 8
sheet.page_setup.orientation = "landscape"
sheet.page_setup.scale = 90
sheet.row_breaks.append(Break(id=10))
second = book.create_sheet("二枚目")
second["A1"] = "x"
book.active = 1
book.save(sys.argv[1])
