#!/usr/bin/env python3
"""Round trip of real workbooks through the workbook engine: each file is loaded, every
sheet copied into a new workbook (as the document generator does with its templates) and
saved; openpyxl then reads the original and the copy, and the report says, per kind of
content, in how many files it was kept and in how many it was lost or changed.

    scripts/roundtrip_corpus.py --tool build/tests/spreadsheet/sheet_roundtrip \
        [--probe tests/spreadsheet/probe_with_openpyxl.py] [--strict] FILE_OR_FOLDER...

With --strict the exit status is 1 when any kind was lost in any file (the test runs it
so on a few files); a file openpyxl itself cannot read is skipped."""
import argparse
import collections
import json
import pathlib
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent


def probe(script, path):
    try:
        out = subprocess.run([sys.executable, str(script), str(path)], capture_output=True, text=True, timeout=300)
    except subprocess.TimeoutExpired:
        return None
    if out.returncode != 0:
        return None
    return json.loads(out.stdout)


def kinds(info):
    """(kind, value) pairs of one probe: workbook kinds, sheet kinds and cell attributes."""
    yield "workbook.date1904", info["epoch"]
    yield "workbook.theme", info["theme"]
    yield "workbook.sheet names", list(info["sheets"])
    for name, sheet in info["sheets"].items():
        for key, value in sheet.items():
            if key != "cells":
                yield f"sheet.{key}", (name, value)
        attributes = collections.defaultdict(dict)
        for ref, cell in sheet["cells"].items():
            for key, value in cell.items():
                attributes[key][ref] = value
        for key, values in attributes.items():
            yield f"cell.{key}", (name, values)


def contains(after, before):
    """Whether `after` keeps `before`: equal, or for a sheet's cells, every cell of the
    original as it was (the copy may list more cells, blank ones in the default look)."""
    if before == after:
        return True
    if isinstance(before, tuple) and isinstance(before[1], dict) and before[0] == after[0]:
        return all(after[1].get(ref) == value for ref, value in before[1].items())
    return False


def compare(before, after):
    """kind -> True (kept) / False (lost or changed), over every sheet of the file."""
    got = collections.defaultdict(list)
    for kind, value in kinds(after):
        got[kind].append(value)
    result = {}
    for kind, value in kinds(before):
        kept = any(contains(a, value) for a in got.get(kind, []))
        result[kind] = result.get(kind, True) and kept
    return result


def files(args):
    for arg in args:
        path = pathlib.Path(arg)
        yield from sorted(path.rglob("*.xlsx")) if path.is_dir() else [path]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--probe", default=str(HERE.parent / "tests/spreadsheet/probe_with_openpyxl.py"))
    parser.add_argument("--strict", action="store_true")
    parser.add_argument("paths", nargs="+")
    args = parser.parse_args()
    kept = collections.Counter()
    lost = collections.defaultdict(list)
    refused, unreadable = [], []
    with tempfile.TemporaryDirectory() as tmp:
        for path in files(args.paths):
            before = probe(args.probe, path)
            if before is None:
                unreadable.append(path.name)
                continue
            out = pathlib.Path(tmp) / path.name
            run = subprocess.run([args.tool, "--copy", str(path), str(out)], capture_output=True, text=True, timeout=300)
            if run.returncode != 0:
                refused.append(f"{path.name}: {run.stderr.strip()}")
                continue
            after = probe(args.probe, out)
            if after is None:
                refused.append(f"{path.name}: openpyxl cannot read the copy")
                continue
            for kind, ok in compare(before, after).items():
                if ok:
                    kept[kind] += 1
                else:
                    lost[kind].append(path.name)
    print(f"{'kind':28} {'kept':>5} {'lost':>5}  files where it was lost")
    for kind in sorted(set(kept) | set(lost)):
        names = ", ".join(lost[kind][:6]) + (" ..." if len(lost[kind]) > 6 else "")
        print(f"{kind:28} {kept[kind]:5} {len(lost[kind]):5}  {names}")
    for line in refused:
        print(f"refused: {line}")
    if unreadable:
        print(f"skipped (openpyxl cannot read the original): {', '.join(unreadable)}")
    return 1 if args.strict and (any(lost.values()) or refused) else 0


if __name__ == "__main__":
    sys.exit(main())
