"""Makes the documents of every reference case and compares their dump with the case's
expected dump, so that a change of a form shows as a reviewed change of that file.

A case is a folder holding site.anz, documents (the options of `mirevo generate`, one
line, such as "--documents 3,6 --no-address", or "template" for the template workbook
itself) and expected.dump. A generated workbook is dumped with the formats of its
filled cells; the template case with every format.

    check_reference_forms.py MIREVO REFERENCE_FOLDER [--update]

--update writes the dumps made now as the expected ones.
"""
import datetime
import difflib
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dump_workbook  # noqa: E402


def receipt_today():
    """The new-entrant form's receipt line carries today's era year."""
    today = datetime.date.today()
    era, year = ("令和", today.year - 2018) if today >= datetime.date(2019, 5, 1) else ("平成", today.year - 1988)
    return "%s  %d  年　　月　　日" % (era, year)


def made_dump(mirevo, case, work):
    with open(os.path.join(case, "documents"), encoding="utf-8") as f:
        options = f.read().split()
    out = os.path.join(work, os.path.basename(case) + ".xlsx")
    home = os.path.join(work, "home")
    os.makedirs(home, exist_ok=True)
    env = dict(os.environ, MIREVO_HOME=home, QT_QPA_PLATFORM="offscreen")
    template = options == ["template"]
    command = ["template", out] if template else ["generate"] + options + [os.path.join(case, "site.anz"), out]
    run = subprocess.run([mirevo] + command, env=env, capture_output=True, text=True)
    if run.returncode != 0:
        raise RuntimeError("mirevo %s failed for %s:\n%s%s" % (command[0], case, run.stdout, run.stderr))
    # The dump shows texts as Python writes them (an ideographic space as \u3000).
    return dump_workbook.dump(out, filled=not template).replace(repr(receipt_today())[1:-1], "<今日の受付日>")


def main():
    mirevo, folder = sys.argv[1], sys.argv[2]
    update = "--update" in sys.argv[3:]
    cases = sorted(os.path.join(folder, c) for c in os.listdir(folder) if os.path.isdir(os.path.join(folder, c)))
    failed = []
    with tempfile.TemporaryDirectory() as work:
        for case in cases:
            text = made_dump(mirevo, case, work)
            path = os.path.join(case, "expected.dump")
            if update:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text)
                print("written:", path)
                continue
            with open(path, encoding="utf-8") as f:
                expected = f.read()
            if text == expected:
                print("same:", os.path.basename(case))
                continue
            failed.append(case)
            diff = difflib.unified_diff(expected.splitlines(), text.splitlines(), "expected", "made", lineterm="", n=1)
            print("DIFFERENT: %s" % case)
            for i, line in enumerate(diff):
                if i == 80:
                    print("...")
                    break
                print(line)
    if not cases:
        print("no reference cases in", folder)
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
