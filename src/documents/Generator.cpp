#include "Generator.h"

#include "Catalogue.h"
#include "FormDrawer.h"
#include "SheetNames.h"
#include "SpecialWorkerReport.h"
#include "Spreadsheet.h"
#include "TemplateBook.h"
#include "common/Error.h"
#include "common/TextGrid.h"
#include "registry/CompanyRecord.h"
#include "roster/WorkerRecord.h"

#include <QSet>

#include <cmath>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr int kRosterPageRows = 93;
constexpr int kRosterWorkersPerPage = 12;

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
                        .arg(row).arg(company::headings().value(column), excerpt(text)));
    return n;
}

int tierOf(const SiteView& site, int row)
{
    bool ok = false;
    const int tier = site.contractor(row, company::Tier).trimmed().toInt(&ok);
    return ok ? tier : 0;
}

QStringList sheetNames(Workbook& book, const Worksheet* except)
{
    QStringList names;
    for (const auto& ws : book.sheets())
        if (ws.get() != except)
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
        if (c->key == QLatin1String("3") || c->key == QLatin1String("12")
            || (c->key == QLatin1String("6") && !options.educationBlank))
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
        const QString why = isBlankName(firm) ? QStringLiteral("会社名が空欄のため")
                                              : QStringLiteral("会社「%1」が元請にも再下請負業者一覧にもないため").arg(firm);
        notes << QStringLiteral("作業員 %1 は%2、%3に載りません").arg(name, why, listing.join(QStringLiteral("・")));
    }
    return notes;
}

// One run of the template conversion.
class Conversion {
public:
    Conversion(const SiteView& site, const RunOptions& options, Workbook& templates, Workbook& out)
        : run_{site, countSheets(site), options, {}}, templates_(templates), out_(out)
    {
    }

    void document(const Choice& choice)
    {
        if (choice.key == QLatin1String("3"))
            perCompany(choice, true, [this](Worksheet& ws) { rosterPages(ws); });
        else if (choice.key == QLatin1String("6"))
            perCompany(choice, true, {});
        else if (choice.key == QLatin1String("12"))
            specialWorkers(choice);
        else if (choice.scope == Scope::EachSub)
            perCompany(choice, false, {});
        else
            copy(choice.sheets.front(), {});
    }

    // 2-1 and 2-2 interleave in table order.
    void ledgers(bool ledger, bool notice)
    {
        for (int r : run_.site.companyRows()) {
            if (isBlank(run_.site.contractor(r, company::Tier)))
                continue;
            const bool firstTier = run_.site.contractor(r, company::Tier) == QLatin1String("1");
            if (firstTier && ledger)
                copy(3, {.row = r, .blockTop = 4, .company = companyOf(r), .tier = 1});
            else if (!firstTier && notice)
                copy(4, {.row = r, .upperRow = run_.site.upperRow(r), .blockTop = 2,
                         .company = companyOf(r), .tier = tierOf(run_.site, r)});
        }
    }

    QStringList notes;

private:
    // 12: the company's blank form, then one filled form per worker who
    // meets the form's criteria on the creation date.
    void specialWorkers(const Choice& choice)
    {
        const int position = choice.sheets.front();
        const QDate created = SpecialWorkerReport::readDate(run_.site.field("Edit41"));
        if (!created.isValid())
            notes << QStringLiteral("12: 作成日が読めないため、該当作業員の報告書は作りませんでした: \"%1\"")
                         .arg(run_.site.field("Edit41"));
        for (int r : run_.site.companyRows()) {
            const SheetTarget target = targetOf(r);
            copy(position, target);
            if (!created.isValid())
                continue;
            for (const auto& w : SpecialWorkerReport::reportedWorkers(run_.site, target.company, created, notes)) {
                SheetTarget named = target;
                named.company = w.worker.value(worker::Name).trimmed() + QStringLiteral("・") + target.company;
                Worksheet& ws = place(position, named);
                run_.target = target;
                formSheet(position).form->write(ws, run_);
                SpecialWorkerReport::writeWorker(ws, w, run_.options);
            }
        }
    }

    QString companyOf(int row) const { return run_.site.contractor(row, company::Name); }

    SheetTarget targetOf(int row) const
    {
        if (row == 0)
            return {.company = run_.site.primeName(), .workerCount = run_.site.primeWorkers};
        return {.row = row, .upperRow = 0, .blockTop = 0, .company = companyOf(row),
                .tier = tierOf(run_.site, row), .workerCount = countCell(run_.site, row, company::WorkerCount)};
    }

    using Prepare = std::function<void(Worksheet&)>;

    void perCompany(const Choice& choice, bool withPrime, const Prepare& prepare)
    {
        QList<int> rows = run_.site.companyRows();
        if (withPrime)
            rows.prepend(0);
        for (int r : rows)
            for (int position : choice.sheets)
                copy(position, targetOf(r), prepare);
    }

    Worksheet& place(int position, const SheetTarget& target)
    {
        const FormSheet& form = formSheet(position);
        Worksheet& ws = templateSheet(templates_, form).Copy(After{out_.Sheets(out_.Sheets().Count())});
        if (!form.copyPrefix.isEmpty())
            ws.setName(companySheetName(form.copyPrefix, target.company, sheetNames(out_, &ws)));
        ws.Select();
        return ws;
    }

    void copy(int position, const SheetTarget& target, const Prepare& prepare = {})
    {
        Worksheet& ws = place(position, target);
        run_.target = target;
        if (prepare)
            prepare(ws);
        formSheet(position).form->write(ws, run_);
    }

    void rosterPages(Worksheet& ws)
    {
        repeatPageBlock(ws, 1, kRosterPageRows, extraRosterPages(run_.target.workerCount));
    }

    RunState run_;
    Workbook& templates_;
    Workbook& out_;
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
        counts.rosterPages += int(std::lround(countCell(site, r, company::WorkerCount) / 12.0 + 0.43));
    }
    counts.subcontractors = counts.firstTier + counts.lowerTier;
    return counts;
}

int extraRosterPages(int workers)
{
    if (workers <= kRosterWorkersPerPage)
        return 0;
    return (workers + kRosterWorkersPerPage - 1) / kRosterWorkersPerPage - 1;
}

ConversionReport convert(const SiteView& site, const QStringList& keys, const RunOptions& options,
                         Workbook& templates, Workbook& out, const Progress& progress)
{
    ConversionReport report;
    QList<const Choice*> chosen;
    for (const Choice& c : choices()) {
        if (!keys.contains(c.key))
            continue;
        if (isAvailable(c))
            chosen << &c;
        else
            report.skipped << c.caption.trimmed();
    }
    if (chosen.isEmpty())
        throw Error(QStringLiteral("選んだ書類はまだ作成できません: %1").arg(report.skipped.join(QStringLiteral("、"))));

    Worksheet& initial = out.Sheets(1);
    Conversion run(site, options, templates, out);
    const int total = int(choices().size()) + 1;
    int done = 0;
    auto step = [&] { if (progress) progress(++done, total); };
    for (const Choice& c : choices()) {
        const bool wanted = chosen.contains(&c);
        if (c.key == QLatin1String("2-1")) {
            const Choice* notice = choiceByKey(QStringLiteral("2-2"));
            run.ledgers(wanted, chosen.contains(notice));
        } else if (wanted && c.key != QLatin1String("2-2")) {
            run.document(c);
        }
        step();
    }
    initial.Delete();
    out.Sheets(1).Select();
    report.notes = unlistedWorkers(site, chosen, options) + run.notes;
    step();
    report.sheets = out.Sheets().Count();
    return report;
}

} // namespace mirevo::documents
