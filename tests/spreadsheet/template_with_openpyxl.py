"""A template as a site office might edit it, made with openpyxl, and the check of a workbook
written from it.

  template_with_openpyxl.py make PATH
  template_with_openpyxl.py check PATH [--libreoffice]

check exits non-zero naming every property that did not survive. --libreoffice accepts what
LibreOffice changes on its own (a very hidden sheet saved as hidden, names it adds)."""
import datetime
import sys

import openpyxl
from openpyxl.workbook.defined_name import DefinedName


def make(path):
    book = openpyxl.Workbook()
    form = book.active
    form.title = "様式"
    form["A1"] = "作成日"
    form["B1"] = datetime.datetime(2024, 4, 1)
    form["B1"].number_format = "yyyy/m/d"
    form["B2"] = 1234.5
    form["B2"].number_format = "#,##0.0"
    form["B3"] = 42
    form["B4"] = "0012"
    form.print_area = "A1:D20"
    form.print_title_rows = "1:2"
    helper = book.create_sheet("補助")
    helper["A1"] = "職種"
    helper.sheet_state = "hidden"
    secret = book.create_sheet("設定")
    secret["A1"] = 7
    secret.sheet_state = "veryHidden"
    book.defined_names.append(DefinedName("職種一覧", attr_text="補助!$A$1:$A$10"))
    book.save(path)


def area(sheet):
    """Print area without the sheet name (openpyxl 3.0 gives a list, later versions a string)."""
    value = sheet.print_area
    text = ",".join(value) if isinstance(value, list) else str(value)
    return text.split("!")[-1]


def check(path, libreoffice):
    book = openpyxl.load_workbook(path)
    problems = []

    def expect(what, actual, expected):
        if actual != expected:
            problems.append(f"{what}: {actual!r}, expected {expected!r}")

    names = book.sheetnames
    for title in ("様式", "補助", "設定"):
        if title not in names:
            problems.append(f"sheet {title} missing from {names}")
    if problems:
        return problems
    form = book["様式"]
    expect("B1 value", form["B1"].value, datetime.datetime(2024, 4, 1))
    expect("B1 format", form["B1"].number_format, "yyyy/m/d")
    expect("B2 value", form["B2"].value, 1234.5)
    expect("B2 format", form["B2"].number_format, "#,##0.0")
    expect("B3 value", form["B3"].value, 42)
    expect("B4 value", form["B4"].value, "0012")
    expect("print area", area(form), "$A$1:$D$20")
    expect("print titles", str(form.print_title_rows).replace("$", ""), "1:2")
    expect("hidden sheet", book["補助"].sheet_state, "hidden")
    expect("very hidden sheet", book["設定"].sheet_state, "hidden" if libreoffice else "veryHidden")
    expect("hidden sheet value", book["補助"]["A1"].value, "職種")
    expect("very hidden value", book["設定"]["A1"].value, 7)
    name = book.defined_names.get("職種一覧")
    expect("global name", name.attr_text.replace("'", "") if name else None, "補助!$A$1:$A$10")
    if "様式 (2)" in names:  # the engine's test copies the form
        copy = book["様式 (2)"]
        expect("print area of the copy", area(copy), "$A$1:$D$20")
        expect("B1 of the copy", copy["B1"].value, datetime.datetime(2024, 4, 1))
    return problems


if __name__ == "__main__":
    if sys.argv[1] == "make":
        make(sys.argv[2])
    else:
        found = check(sys.argv[2], "--libreoffice" in sys.argv)
        for line in found:
            print(line)
        sys.exit(1 if found else 0)
