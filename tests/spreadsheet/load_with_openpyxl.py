"""Loads every .xlsx named on the command line (or found in a folder named there) with
openpyxl, reading every cell; exits non-zero when any file is refused. The spreadsheet tests
use it to show that other programs accept the files the engine writes."""
import pathlib
import sys

import openpyxl


def files(args):
    for arg in args:
        path = pathlib.Path(arg)
        if path.is_dir():
            yield from sorted(path.glob("*.xlsx"))
        else:
            yield path


failed = 0
loaded = 0
for path in files(sys.argv[1:]):
    try:
        book = openpyxl.load_workbook(path)
        for sheet in book.worksheets:
            for row in sheet.iter_rows():
                for cell in row:
                    _ = cell.value
        loaded += 1
    except Exception as error:  # report every refused file, not just the first
        print(f"openpyxl cannot load {path}: {error!r}", file=sys.stderr)
        failed += 1
print(f"openpyxl loaded {loaded} file(s), refused {failed}")
sys.exit(1 if failed or not loaded else 0)
