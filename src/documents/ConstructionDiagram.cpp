#include "ConstructionDiagram.h"

#include "FormFields.h"
#include "Forms.h"
#include "common/Error.h"
#include "common/TextGrid.h"
#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <QSet>

#include <algorithm>
#include <string>

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr int kShownTiers = 4; // tiers the form itself draws
constexpr int kMaxTiers = 9;   // tiers the outline can hold
constexpr int kTrunkEnd = 43;  // the trunk beside the prime contractor ends here
constexpr int kStrip = ConstructionDiagram::kFirstStrip;

constexpr Size kHeights[] = {{"A1:A300", 11.95}};
constexpr Size kWidths[] = {{"B1:BT300", 2}, {"A1", 3}};
constexpr PageFormat kPage{Paper::A3Landscape, "A1:BR300", 0, kHeights, kWidths, "A1:BR71"};

// The left block: orderer, project, period and the prime contractor's staff.
constexpr Box kLeft[] = {
    {"U2:AY3", "施工体系図", "M B C 18"},
    {"B2:F4", "発注者名", "M C"},
    {"B6:F7", "工事名称", "M C"},
    {"BA2:BE3", "工　　期", "M C"},
    {"B10:F11", "元   請   名\n事 業 者 ID", "M C W 10"},
    {"B12:F13", "監 督 員 名", "M C"},
    {"B14:F14", "監理技術者名", "M C S 10"},
    {"B15:F15", "主任技術者名", "M C S 10"},
    {"B16:F17", "監理技術者補佐名", "M C S"},
    {"B18:F19", "専門技術者名", "M C 10"},
    {"B20:B21", "", "M"},
    {"C20:F21", "担当工事内容", "M C S"},
    {"B22:F23", "専門技術者名", "M C 10"},
    {"B24:B25", "", "M"},
    {"C24:F25", "担当工事内容", "M C S"},
    {"B28:F31", "会    長", "M C"},
    {"G28:O29", "統括安全衛生責任者", "M C S"},
    {"B34:F37", "副会長", "M C"},
    {"G34:O35", "", "M C"},
    {"G36:O37", "", "M C"},
    {"B40:F41", "元 方 安 全\n衛生管理者", "M C W 10"},
};

// A business ID keeps its leading zeros: it is written as text.
QString asText(const QString& id)
{
    return isBlank(id) ? QString() : QStringLiteral("'") + id;
}
QString primeId(const Values& v)
{
    return asText(v.project(field::PrimeBusinessId));
}
QString worksPeriod(const Values& v)
{
    return v.project(field::PeriodFrom) + QStringLiteral(" ～ ") + v.project(field::PeriodTo);
}
QString note(const Values&)
{
    return QStringLiteral("※ある程度の情報は書込みましたので自分で確認調整してください");
}

constexpr Field kNote{"B8:S8", "B", computed(&note)};

constexpr Field kLeftFields[] = {
    {"G2:S4", "M C S", projectField(field::OrdererName)},
    {"G6:S7", "M L W 10", projectField(field::WorksName)},
    {"BF2:BR3", "M C S", computed(&worksPeriod)},
    {"G10:O10", "M C S", projectField(field::PrimeName)},
    {"G11:O11", "M C S", computed(&primeId)},
    {"G12:O13", "M C S", projectField(field::PrimeSupervisor)},
    {"G14:O15", "M C S", projectField(field::PrimeChiefEngineer)},
    {"G16:O17", "M C S", projectField(field::PrimeAssistantEngineer)},
    {"G18:O19", "M C S", projectField(field::PrimeSpecialist1)},
    {"G20:O21", "M C S", projectField(field::PrimeSpecialist1Work)},
    {"G22:O23", "M C S", projectField(field::PrimeSpecialist2)},
    {"G24:O25", "M C S", projectField(field::PrimeSpecialist2Work)},
    {"G30:O31", "M C S", projectField(field::PrimeSiteAgent)},
    {"G40:O41", "M C S", projectField(field::PrimeSafetyManager)},
    kNote,
};

constexpr Line kLeftLines[] = {
    {"B2:S4", "O"},
    {"F2:F4", "R"},
    {"B6:S7", "O"},
    {"F6:F7", "R"},
    {"BA2:BR3", "O"},
    {"BE2:BE3", "R"},
    {"B10:O25", "O"},
    {"F10:F25", "R"},
    {"G10:O10", "B H"},
    {"B13:O13", "B"},
    {"B14:F14", "B H"},
    {"B15:O15", "B"},
    {"B17:O17", "B"},
    {"C19:O19", "B"},
    {"B21:O21", "B"},
    {"C23:O23", "B"},
    {"B28:O31", "O"},
    {"F28:F31", "R"},
    {"G29:O29", "B"},
    {"B34:O37", "O"},
    {"F34:F37", "R"},
    {"G35:O35", "B"},
    {"B40:O41", "O"},
    {"F40:F41", "R"},
    // The trunk: ticks from the 会長, 副会長 and 元方 blocks, and the line
    // from the prime contractor down the side of the boxes.
    {"P29", "B K"},
    {"P35", "B K"},
    {"P40", "B K"},
    {"Q30:Q43", "L K"},
    {"Q43:R43", "B K"},
    {"R11:R43", "R K"},
    {"P10:R10", "B K"},
};

// One company box, strip column U, top row 5.
constexpr Box kBox[] = {
    {"U5:U22", "工事", "M C W 11"},
    {"V5:Y6", "会   社   名\n事 業 者 ID", "M C W 10"},
    {"V7:Y8", "代 表 者 名", "M C S 10"},
    {"V9:Y10", "許 可 番 号", "M C S 10"},
    {"V11:Y12", "一般/特定の別", "M C S 10"},
    {"V13:Y14", "安全衛生責任者", "M C S 10"},
    {"V15:Y16", "主 任 技 術 者", "M C S 10"},
    {"V17:V18", "", "M"},
    {"W17:Y18", "特定専門工事の該当", "M C W 8"},
    {"V19:Y20", "専 門 技 術 者", "M C S 10"},
    {"V21:V22", "", "M"},
    {"W21:Y22", "担当工事\n内　　容", "M C W 10"},
    {"U23:V24", "工期", "M C 10"},
};

QString companyId(const Values& v)
{
    return asText(v.company(company::BusinessId));
}
QString specialtyWork(const Values& v)
{
    const QString specified = v.company(company::SpecialtyWork).trimmed();
    if (specified == QLatin1String("1"))
        return QStringLiteral("有");
    return specified.isEmpty() || specified == QLatin1String("0") ? QStringLiteral("無") : QString();
}
QString companyPeriod(const Values& v)
{
    return v.company(company::PeriodFrom) + QStringLiteral("～") + v.company(company::PeriodTo);
}

// The values of a company box, as drawn in the first strip at row 5.
constexpr Field kBoxFields[] = {
    {"Z5:AE5", "M C S 10", companyColumn(company::Name)},
    {"Z6:AE6", "M C S 10", computed(&companyId)},
    {"Z7:AE8", "M C S 10", companyColumn(company::Representative)},
    {"Z9:AE10", "M C S 10", companyColumn(company::LicenceNo1)},
    {"Z11:AE12", "M C S 10", companyColumn(company::LicenceKind1)},
    {"Z13:AE14", "M C S 10", companyColumn(company::SafetyManager)},
    {"Z15:AE16", "M C S 10", companyColumn(company::ChiefEngineer)},
    {"Z17:AE18", "M C S 10", computed(&specialtyWork)},
    {"Z19:AE20", "M C S 10", companyColumn(company::Specialist1)},
    {"Z21:AE22", "M C S 10", companyColumn(company::Specialist1Work)},
    {"W23:AE24", "M C S 10", computed(&companyPeriod)},
};
constexpr int kBoxTop = 5;

// The head of a continuation page (block 1; later blocks 71 rows lower),
// left of the trunk: the title, the works and the period, so a loose page
// can be matched to its site.
constexpr Box kContinuationHead[] = {
    {"B73:Q74", "施工体系図", "M B C 16"},
    {"B76:F77", "工事名称", "M C"},
    {"B78:F79", "工　　期", "M C"},
};
constexpr Field kContinuationFields[] = {
    {"G76:Q77", "M L W 10", projectField(field::WorksName)},
    {"G78:Q79", "M C S", computed(&worksPeriod)},
};
constexpr Line kContinuationLines[] = {{"B76:Q79", "O"}, {"F76:F79", "R"}, {"B77:Q77", "B"}};

constexpr Line kBoxLines[] = {
    {"U5:AE15", "T"}, {"W17:AE17", "T"}, {"V19:AE19", "T"}, {"W20:AE20", "B"}, {"U22:AE24", "B"},
    {"U5:U24", "L"},  {"U5:U22", "R"},   {"V5:AE24", "R"},  {"Z6:AE6", "T H"},
};

std::string columnName(int c)
{
    std::string name;
    for (; c > 0; c = (c - 1) / 26)
        name.insert(name.begin(), char('A' + (c - 1) % 26));
    return name;
}

std::string at(int column, int row)
{
    return columnName(column) + std::to_string(row);
}

std::string span(int c1, int r1, int c2, int r2)
{
    return at(c1, r1) + ":" + at(c2, r2);
}

// Copies the first box (U5:AE24) to the box of `tier` at top row `top`.
void copyBox(Worksheet& ws, int tier, int top)
{
    ws.Range(span(kStrip, 5, kStrip + 10, 24)).Copy();
    ws.Range(at(ConstructionDiagram::stripColumn(tier), top)).PasteSpecial();
}

// The outline rows in use (their "No." is not blank), with their tier cells.
QList<QStringList> usedRows(const SiteView& site)
{
    QList<QStringList> rows;
    for (const QStringList& row : site.tierOutline)
        if (!isBlankName(row.value(0)))
            rows << row;
    return rows;
}

QString tierCell(const QStringList& row, int tier)
{
    const QString text = row.value(tier);
    return isBlankName(text) ? QString() : text;
}

// The table row a company hangs from: its "直近上位の会社No.", else the
// company its "直近上位の会社名" names; 0 for the prime contractor.
int upperOf(const SiteView& site, int row)
{
    int upper = -1;
    try {
        upper = site.upperRow(row);
    } catch (const Error&) {
    }
    const QList<int> companies = site.companyRows();
    if (upper == 0 || (upper > 0 && upper != row && companies.contains(upper)))
        return upper;
    for (int r : companies)
        if (r != row && site.contractor(r, company::Name) == site.contractor(row, company::UpperName))
            return r;
    return 0;
}

QStringList newRow(int tier, const QString& name)
{
    QStringList row(kMaxTiers + 1);
    row[0] = QStringLiteral("+");
    row[tier] = name;
    return row;
}

int firstTier(const QStringList& row)
{
    for (int t = 1; t <= kMaxTiers; ++t)
        if (!tierCell(row, t).isEmpty())
            return t;
    return kMaxTiers + 1;
}

// Places the companies of the table that the outline does not name (a tier
// text it does not take, an upper company of another tier) under their
// upper company, as the outline places a subcontractor; a company whose
// upper company is the prime contractor, or cannot be placed, becomes a
// first-tier box at the end.
struct Placement {
    const SiteView& site;
    QList<QStringList>& rows;
    QSet<int> placing; // against upper numbers that go round in a circle

    std::pair<int, int> find(const QString& name) const
    {
        for (int i = 0; i < rows.size(); ++i)
            for (int t = 1; t <= kMaxTiers; ++t)
                if (tierCell(rows[i], t) == name)
                    return {i, t};
        return {-1, 0};
    }

    void place(int row)
    {
        const QString name = site.contractor(row, company::Name);
        if (find(name).first >= 0 || placing.contains(row))
            return;
        placing.insert(row);
        const int upper = upperOf(site, row);
        if (upper > 0)
            place(upper);
        const auto [i, t] = upper > 0 ? find(site.contractor(upper, company::Name)) : std::pair{-1, 0};
        if (i < 0 || t >= kMaxTiers)
            rows << newRow(1, name);
        else
            under(i, t, name);
    }

    // The first subcontractor stands on its upper company's row, a further
    // one on a new row below the upper company's last descendant.
    void under(int i, int t, const QString& name)
    {
        QStringList& row = rows[i];
        while (row.size() <= t + 1)
            row << QString();
        if (tierCell(row, t + 1).isEmpty()) {
            row[t + 1] = name;
            return;
        }
        int j = i + 1;
        while (j < rows.size() && firstTier(rows[j]) > t)
            ++j;
        rows.insert(j, newRow(t + 1, name));
    }
};

// The rows the diagram draws: the outline's, and every other company of
// the table, so no company is left off whatever its tier text.
QList<QStringList> diagramRows(const SiteView& site)
{
    QList<QStringList> rows = usedRows(site);
    Placement placement{site, rows, {}};
    for (int r : site.companyRows())
        placement.place(r);
    return rows;
}

int deepestTier(const QList<QStringList>& rows)
{
    int deepest = 1;
    for (const QStringList& row : rows)
        for (int t = 1; t <= kMaxTiers; ++t)
            if (!tierCell(row, t).isEmpty())
                deepest = std::max(deepest, t);
    return deepest;
}

// Three rows of boxes to a block (a printed page).
int blockCount(int rows)
{
    return std::max(1, (rows + 2) / 3);
}

// Continuation blocks with their heads, the boxes of tiers beyond the
// fourth, the page breaks between blocks and the zoom that fits the
// widened page.

void extend(Worksheet& ws, int rows, int tiers)
{
    const int blocks = blockCount(rows);
    const int lastColumn = ConstructionDiagram::stripColumn(std::max(tiers, kShownTiers)) + 10;
    if (tiers > kShownTiers)
        ws.Range(span(ConstructionDiagram::stripColumn(kShownTiers) + 11, 1, lastColumn + 2, 1)).setColumnWidth(2);
    for (int b = 0; b < blocks; ++b)
        for (int slot = 0; slot < 3; ++slot) {
            const int top = ConstructionDiagram::boxTop(3 * b + slot);
            for (int t = 1; t <= std::max(tiers, kShownTiers); ++t)
                if (b > 0 || t > kShownTiers)
                    copyBox(ws, t, top);
        }
    for (int b = 1; b < blocks; ++b) {
        ws.HPageBreaks().Add(ws.Range(at(1, 1 + ConstructionDiagram::kBlockRows * b)));
        drawBoxes(ws, kContinuationHead, ConstructionDiagram::kBlockRows * (b - 1));
        drawFields(ws, kContinuationFields, ConstructionDiagram::kBlockRows * (b - 1));
        drawLines(ws, kContinuationLines, ConstructionDiagram::kBlockRows * (b - 1));
    }
    if (tiers > kShownTiers)
        ws.PageSetup().setZoom(
            fittingZoom(ws, span(1, 1, lastColumn, ConstructionDiagram::kBlockRows), Paper::A3Landscape));
}

// The values of one company box.
void fillBox(Worksheet& ws, const RunState& run, const QString& name, int tier, int top)
{
    const SiteView& site = run.site;
    const int x = ConstructionDiagram::stripColumn(tier);
    int row = 0;
    if (!name.isEmpty())
        for (int r : site.companyRows())
            if (site.contractor(r, company::Name) == name)
                row = r;
    if (row == 0)
        return;
    const QString trade = site.contractor(row, company::Trade1);
    if (!isBlank(trade)) {
        ws.Range(at(x, top)).setValue(trade + QStringLiteral("工事"));
        ws.Range(at(x, top)).setVerticalAlignment(vAlignCenter);
    }
    fillFields(ws, kBoxFields, {run, row}, top - kBoxTop, x - kStrip);
}

void heavy(Worksheet& ws, const std::string& cells, const char* codes)
{
    drawLine(ws, Line{cells, codes});
}

// The connectors of one outline row. `last[t]` is the connector row of the
// last row that had a company of tier t; a company whose parent stands on
// an earlier row hangs from a vertical that starts just below the parent's
// connector.
void connect(Worksheet& ws, const QStringList& row, int index, int top, int (&last)[kMaxTiers + 1])
{
    const int c = top + 5;
    for (int t = 1; t <= kMaxTiers; ++t) {
        if (tierCell(row, t).isEmpty())
            continue;
        const int x = ConstructionDiagram::stripColumn(t);
        if (t == 1) {
            heavy(ws, span(x - 2, c, x - 1, c), "B K");
            if (index > 0)
                heavy(ws, span(x - 2, std::min(c, kTrunkEnd), x - 2, std::max(c, kTrunkEnd)), "L K");
        } else if (!tierCell(row, t - 1).isEmpty()) {
            heavy(ws, span(x - 2, c, x - 1, c), "B K");
        } else {
            heavy(ws, at(x - 1, c), "B K");
            if (last[t - 1] > 0 && last[t - 1] < c)
                heavy(ws, span(x - 1, last[t - 1] + 1, x - 1, c), "L K");
        }
    }
    for (int t = 1; t <= kMaxTiers; ++t)
        if (!tierCell(row, t).isEmpty())
            last[t] = c;
}

void fillLeft(Worksheet& ws, const RunState& run)
{
    fillFields(ws, kLeftFields, {run});
    const Rect note = parseRect(kNote.cells);
    ws.Cells(note.r1, note.c1).Font().setColor(255);
}

// The works and the period in the head of every continuation page.
void fillHeads(Worksheet& ws, const RunState& run, int blocks)
{
    for (int b = 1; b < blocks; ++b)
        fillFields(ws, kContinuationFields, {run}, ConstructionDiagram::kBlockRows * (b - 1));
}

} // namespace

void ConstructionDiagram::layout(Worksheet& ws) const
{
    preparePage(ws, kPage);
    drawBoxes(ws, kLeft);
    drawFields(ws, kLeftFields);
    drawLines(ws, kLeftLines);
    drawBoxes(ws, kBox);
    drawFields(ws, kBoxFields);
    drawLines(ws, kBoxLines);
    for (int t = 2; t <= kShownTiers; ++t)
        copyBox(ws, t, kFirstBox);
    ws.Range("U5:BR24").Copy();
    ws.Range("U27").PasteSpecial();
    ws.Range("U49").PasteSpecial();
}

void ConstructionDiagram::write(Worksheet& ws, const RunState& run) const
{
    const QList<QStringList> rows = diagramRows(run.site);
    const int tiers = deepestTier(rows);
    extend(ws, int(rows.size()), tiers);
    int last[kMaxTiers + 1] = {};
    for (int i = 0; i < rows.size(); ++i) {
        const int top = boxTop(i);
        for (int t = 1; t <= tiers; ++t)
            fillBox(ws, run, tierCell(rows[i], t), t, top);
        connect(ws, rows[i], i, top, last);
    }
    fillLeft(ws, run);
    fillHeads(ws, run, blockCount(int(rows.size())));
}

const Document& constructionDiagramForm()
{
    static const ConstructionDiagram form;
    return form;
}

} // namespace mirevo::documents
