"""Loads every .xlsx named on the command line with openpyxl; exits non-zero on the first
file it refuses. Used by the spreadsheet tests to show that other programs accept our files."""
import sys

import openpyxl

failed = 0
for path in sys.argv[1:]:
    try:
        book = openpyxl.load_workbook(path)
        for sheet in book.worksheets:
            for row in sheet.iter_rows():
                for cell in row:
                    _ = cell.value
    except Exception as error:  # report every refused file, not just the first
        print(f"openpyxl cannot load {path}: {error!r}", file=sys.stderr)
        failed += 1
sys.exit(1 if failed else 0)
