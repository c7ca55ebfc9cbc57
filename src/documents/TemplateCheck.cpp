#include "TemplateCheck.h"

#include "Catalogue.h"
#include "Document.h"
#include "TemplateBook.h"
#include "common/Error.h"
#include "spreadsheet/Spreadsheet.h"

#include <set>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

// Shares below which a sheet is not the form: three quarters of its texts
// and boxes, and at most a third of its empty boxes filled (a template may
// hold the prime contractor's own entries, which are the same on every
// site); a handful of filled boxes never counts.
constexpr int kQuarters = 3;
constexpr int kMinFilled = 3;

QString textAt(const Worksheet& ws, int r, int c)
{
    const Cell* cell = ws.data().findCell(r, c);
    if (!cell || cell->str == kNoString)
        return {};
    return QString::fromStdString(ws.Parent().tables().strings.text(cell->str)).trimmed();
}

QString cellAt(int r, int c)
{
    return QString::fromStdString(cellName(r, c));
}

// Calls f(r, c, text) for every cell of `ws` with a text.
template <class F> void forEachText(const Worksheet& ws, F&& f)
{
    ws.data().rows.forEach([&](int r, const Row& row) {
        for (const Cell& cell : row.cells)
            if (cell.str != kNoString)
                if (const QString text = textAt(ws, r, cell.col); !text.isEmpty())
                    f(r, int(cell.col), text);
    });
}

bool tooFew(int found, int total)
{
    return total > 0 && found * 4 < total * kQuarters;
}

QString missingTexts(const Worksheet& sheet, const Worksheet& drawn)
{
    int total = 0, found = 0;
    QString example;
    forEachText(drawn, [&](int r, int c, const QString& text) {
        ++total;
        if (textAt(sheet, r, c) == text)
            ++found;
        else if (example.isEmpty())
            example = QStringLiteral("%1 に「%2」がありません").arg(cellAt(r, c), excerpt(text));
    });
    if (!tooFew(found, total))
        return {};
    return QStringLiteral("様式の文字が %1 か所のうち %2 か所しかありません (%3)").arg(total).arg(found).arg(example);
}

QString missingBoxes(const Worksheet& sheet, const Worksheet& drawn)
{
    int total = 0, found = 0;
    QString example;
    for (const Rect& box : drawn.data().merges.list()) {
        ++total;
        const Rect* there = sheet.data().mergeAt(box.r1, box.c1);
        if (there && there->r2 == box.r2 && there->c2 == box.c2)
            ++found;
        else if (example.isEmpty())
            example = QStringLiteral("%1 が結合されていません").arg(QString::fromStdString(rectName(box)));
    }
    if (!tooFew(found, total))
        return {};
    return QStringLiteral("枠 (結合セル) が %1 か所のうち %2 か所しかありません (%3)")
        .arg(total)
        .arg(found)
        .arg(example);
}

QString filledBoxes(const Worksheet& sheet, const Worksheet& drawn)
{
    int empty = 0, filled = 0;
    QString example;
    for (const Rect& box : drawn.data().merges.list()) {
        if (!textAt(drawn, box.r1, box.c1).isEmpty())
            continue;
        ++empty;
        if (const QString value = textAt(sheet, box.r1, box.c1); !value.isEmpty()) {
            ++filled;
            if (example.isEmpty())
                example = QStringLiteral("%1 に「%2」").arg(cellAt(box.r1, box.c1), excerpt(value));
        }
    }
    if (filled < kMinFilled || filled * 3 <= empty)
        return {};
    return QStringLiteral("記入欄 %1 か所のうち %2 か所に値があります (%3)。作成済みのブックではありませんか")
        .arg(empty)
        .arg(filled)
        .arg(example);
}

// The positions of the template sheets the documents `keys` copy.
std::set<int> positionsOf(const QStringList& keys)
{
    std::set<int> positions;
    for (const QString& key : keys)
        if (const Choice* choice = choiceByKey(key))
            for (int position : choice->sheets)
                positions.insert(position);
    return positions;
}

QString sheetProblem(Workbook& templates, const FormSheet& form, const Worksheet& drawn)
{
    Worksheet* sheet = nullptr;
    try {
        sheet = &templateSheet(templates, form);
    } catch (const Error& e) {
        return e.message();
    }
    const QStringList reasons = formSheetProblems(*sheet, drawn);
    if (reasons.isEmpty())
        return {};
    return QStringLiteral("シート「%1」は様式「%2」として使えません: %3")
        .arg(QString::fromStdString(sheet->Name()), form.name, reasons.join(QStringLiteral("。")));
}

} // namespace

QStringList formSheetProblems(const Worksheet& sheet, const Worksheet& drawn)
{
    QStringList reasons;
    for (const QString& reason : {missingTexts(sheet, drawn), missingBoxes(sheet, drawn), filledBoxes(sheet, drawn)})
        if (!reason.isEmpty())
            reasons << reason;
    return reasons;
}

QStringList templateProblems(Workbook& templates, const QStringList& keys)
{
    Application scratch;
    Workbook& drawnForms = buildTemplate(scratch);
    QStringList problems;
    for (int position : positionsOf(keys)) {
        const FormSheet& form = formSheet(position);
        if (!form.form)
            continue;
        const QString problem = sheetProblem(templates, form, templateSheet(drawnForms, form));
        if (!problem.isEmpty())
            problems << problem;
    }
    return problems;
}

} // namespace mirevo::documents
