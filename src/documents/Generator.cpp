#include "Generator.h"

#include "Catalogue.h"
#include "FormDrawer.h"
#include "SheetNames.h"
#include "TemplateBook.h"
#include "WorkerRoster.h"
#include "common/Error.h"
#include "common/TextGrid.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <QSet>

#include <algorithm>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

// A count cell: blank, " " or "　" is 0; anything else must be a number.
int countCell(const SiteView& site, int row, int column)
{
    const QString text = site.contractor(row, column);
    if (isBlankName(text))
        return 0;
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 0)
        throw Error(QStringLiteral("再下請負業者一覧の %1 行目「%2」が数字ではありません: \"%3\"")
                        .arg(row)
                        .arg(company::headings().value(column), excerpt(text)));
    return n;
}

int tierOf(const SiteView& site, int row)
{
    bool ok = false;
    const int tier = site.contractor(row, company::Tier).trimmed().toInt(&ok);
    return ok ? tier : 0;
}

QStringList sheetNames(Workbook& book)
{
    QStringList names;
    for (const auto& ws : book.sheets())
        names << QString::fromStdString(ws->Name());
    return names;
}

// Workers whose "会社名" is neither the prime contractor nor a company of
// the table: no document that lists workers can place them, so the run
// names each of them with the chosen documents it is missing from ("用紙のみ"
// education pages list nobody).
QStringList unlistedWorkers(const SiteView& site, const QList<const Choice*>& chosen, const RunOptions& options)
{
    QStringList listing;
    for (const Choice* c : chosen)
        if (listsWorkers(*c, options.educationBlank))
            listing << c->caption.trimmed();
    if (listing.isEmpty())
        return {};
    QSet<QString> companies{site.primeName()};
    for (int r : site.companyRows())
        companies << site.contractor(r, company::Name);
    QStringList notes;
    for (const QStringList& w : site.workers) {
        const QString name = w.value(worker::Name).trimmed();
        const QString firm = w.value(worker::Company);
        if (isBlankName(name) || (!isBlankName(firm) && companies.contains(firm)))
            continue;
        const QString why = isBlankName(firm)
            ? QStringLiteral("会社名が空欄のため")
            : QStringLiteral("会社「%1」が元請にも再下請負業者一覧にもないため").arg(firm);
        notes << QStringLiteral("作業員 %1 は%2、%3に載りません").arg(name, why, listing.join(QStringLiteral("・")));
    }
    return notes;
}

bool byTier(Scope scope)
{
    return scope == Scope::FirstTier || scope == Scope::LowerTier;
}

int pagesFor(int items, int perPage)
{
    return (items + perPage - 1) / perPage;
}

// One run of the template conversion: each chosen document copies its
// template sheets for the targets its scope names.
class Conversion {
public:
    Conversion(const SiteView& site, const RunOptions& options, Workbook& templates, Workbook& out)
        : run_{site, countSheets(site), options, {}}, templates_(templates), out_(out)
    {
    }

    void document(const Choice& choice)
    {
        for (int position : choice.sheets)
            notes << formSheet(position).form->runNotes(run_);
        if (choice.scope == Scope::Once) {
            for (int position : choice.sheets)
                copy(choice, position, {});
            return;
        }
        QList<int> rows = run_.site.companyRows();
        if (choice.scope == Scope::PrimeAndSubs)
            rows.prepend(0);
        for (int r : rows)
            for (int position : choice.sheets)
                copy(choice, position, targetOf(r));
    }

    // The documents of the first and of the lower tiers interleave in table
    // order: each company gets the copy of the one its tier chooses.
    void tiers(const QList<const Choice*>& chosen)
    {
        const Choice* first = nullptr;
        const Choice* lower = nullptr;
        for (const Choice* c : chosen)
            (c->scope == Scope::FirstTier ? first : lower) = c;
        for (int r : run_.site.companyRows()) {
            if (isBlank(run_.site.contractor(r, company::Tier)))
                continue;
            const bool firstTier = run_.site.contractor(r, company::Tier) == QLatin1String("1");
            const Choice* c = firstTier ? first : lower;
            if (!c)
                continue;
            SheetTarget target = targetOf(r);
            if (!firstTier)
                target.upperRow = run_.site.upperRow(r);
            for (int position : c->sheets)
                copy(*c, position, target);
        }
    }

    QStringList notes;

private:
    QString companyOf(int row) const { return run_.site.contractor(row, company::Name); }

    SheetTarget targetOf(int row) const
    {
        if (row == 0)
            return {.company = run_.site.primeName(), .workerCount = run_.site.primeWorkers};
        return {.row = row,
                .company = companyOf(row),
                .tier = tierOf(run_.site, row),
                .workerCount = countCell(run_.site, row, company::WorkerCount)};
    }

    Worksheet& place(int position, const QString& name)
    {
        const FormSheet& form = formSheet(position);
        Worksheet& ws = templateSheet(templates_, form).Copy(After{out_.Sheets(out_.Sheets().Count())});
        if (!form.copyPrefix.isEmpty())
            ws.setName(companySheetName(form.copyPrefix, name, names_));
        names_ << QString::fromStdString(ws.Name());
        ws.Select();
        return ws;
    }

    // The copy for the target, its added pages, then the copies of the
    // target's workers the form asks for, each named after the worker.
    void copy(const Choice& choice, int position, const SheetTarget& target)
    {
        const Document& form = *formSheet(position).form;
        Worksheet& ws = place(position, target.company);
        run_.target = target;
        if (choice.pages.rows > 0)
            repeatPageBlock(ws, 1, choice.pages.rows, extraPages(target.workerCount, choice.pages.items));
        form.write(ws, run_);
        for (const QStringList& w : form.workerCopies(run_, notes)) {
            Worksheet& named = place(position, w.value(worker::Name).trimmed() + QStringLiteral("・") + target.company);
            run_.target = target;
            form.write(named, run_);
            form.writeWorker(named, run_, w);
        }
    }

    RunState run_;
    Workbook& templates_;
    Workbook& out_;
    QStringList names_ = sheetNames(out_); // the output's sheet names so far
};

} // namespace

SheetCounts countSheets(const SiteView& site)
{
    SheetCounts counts;
    for (int r : site.companyRows()) {
        if (site.contractor(r, company::Tier) == QLatin1String("1"))
            ++counts.firstTier;
        else
            ++counts.lowerTier;
        counts.rosterPages += pagesFor(countCell(site, r, company::WorkerCount), WorkerRoster::kSlots);
    }
    counts.subcontractors = counts.firstTier + counts.lowerTier;
    return counts;
}

int extraPages(int items, int perPage)
{
    return std::max(0, pagesFor(items, perPage) - 1);
}

ConversionReport convert(const SiteView& site, const QStringList& keys, const RunOptions& options, Workbook& templates,
                         Workbook& out, const Progress& progress)
{
    QList<const Choice*> chosen;
    for (const Choice& c : choices())
        if (keys.contains(c.key))
            chosen << &c;
    if (chosen.isEmpty())
        throw Error(QStringLiteral("書類が選ばれていません"));

    Worksheet& initial = out.Sheets(1);
    Conversion run(site, options, templates, out);
    const int total = int(choices().size()) + 1;
    int done = 0;
    auto step = [&] {
        if (progress)
            progress(++done, total);
    };
    bool tiersDone = false;
    for (const Choice& c : choices()) {
        if (byTier(c.scope) && !tiersDone) {
            QList<const Choice*> tiered;
            for (const Choice* t : chosen)
                if (byTier(t->scope))
                    tiered << t;
            run.tiers(tiered);
            tiersDone = true;
        } else if (chosen.contains(&c) && !byTier(c.scope)) {
            run.document(c);
        }
        step();
    }
    initial.Delete();
    out.Sheets(1).Select();
    ConversionReport report;
    report.notes = unlistedWorkers(site, chosen, options) + run.notes;
    step();
    report.sheets = out.Sheets().Count();
    return report;
}

} // namespace mirevo::documents
