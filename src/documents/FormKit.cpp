#include "FormKit.h"

#include "project/RecordFields.h"
#include "registry/CompanyRecord.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

namespace {

constexpr Box kNoticeConfirmation[] = {
    {"Z2:AB4", "元請け     確認欄", "M C 10 W"},
    {"AC2:AG4", "", "M 10"},
    {"Z6:AG6", "令和     年     月     日", "M R 10"},
};

constexpr Box kReportConfirmation[] = {
    {"Z2:AB4", "元請け     確認欄", "M C W"},
    {"AC2:AG4", "", "M"},
    {"Z6:AG6", "令和     年     月     日", "M R"},
};

constexpr Line kConfirmationLines[] = {{"Z2:AG5", "T"}, {"Y2:AG4", "R"}};

constexpr Box kCompanyLabels[] = {
    {"B9:F10", "事業所の名称", "M C 10"}, {"B11:F12", "所　　長　　名", "M C"}, {"N11:O12", "殿", "M C 10"},
    {"U9:X10", "一次会社名", "M C 10"},   {"U13:X14", "代表者名", "M C 10"},    {"U15:X16", "電　　話", "M C 10"},
};

QString tierLabel(const Values& v)
{
    return bringingCompanyLabel(v.company(company::Tier));
}

constexpr Field kCompanyFields[] = {
    {"G9:O10", "M C S 10", projectField(field::WorksName)},
    {"G11:M12", "M C S 10", projectField(field::PrimeSiteAgent)},
    {"U11:X12", "M C 7 W", computed(&tierLabel), "持込会社名　　　　　　　(　　　　　次　）"},
    {"Y9:AG10", "M C S", companyColumn(company::FirstTierName)},
    {"Y11:AG12", "M C S", companyColumn(company::Name)},
    {"Y13:AG14", "M C S", companyColumn(company::Representative)},
    {"Y15:AG16", "M C S", companyColumn(company::Phone)},
};

constexpr Line kCompanyLines[] = {
    {"G9:O10", "B"}, {"G11:O12", "B"}, {"Y9:AG10", "B"}, {"Y11:AG12", "B"}, {"Y13:AG14", "B"}, {"Y15:AG16", "B"},
};

} // namespace

void drawNoticeConfirmation(Worksheet& ws)
{
    drawBoxes(ws, kNoticeConfirmation);
}

void drawReportConfirmation(Worksheet& ws)
{
    drawBoxes(ws, kReportConfirmation);
}

void drawConfirmationLines(Worksheet& ws)
{
    drawLines(ws, kConfirmationLines);
}

void drawCompanyBlock(Worksheet& ws)
{
    drawBoxes(ws, kCompanyLabels);
    drawFields(ws, kCompanyFields);
    drawLines(ws, kCompanyLines);
}

void drawNotice(Worksheet& ws, const PageFormat& page, std::span<const Box> boxes, std::span<const Line> lines)
{
    preparePage(ws, page);
    drawNoticeConfirmation(ws);
    drawCompanyBlock(ws);
    drawBoxes(ws, boxes);
    drawLines(ws, lines);
    drawConfirmationLines(ws);
}

void fillCompanyBlock(Worksheet& ws, const RunState& run)
{
    fillFields(ws, kCompanyFields, {run, run.target.row});
}

QString bringingCompanyLabel(const QString& tier)
{
    return QStringLiteral("持込会社名　　　　　　　(　　　") + tier + QStringLiteral("　次　）");
}

QString bringingCompanyLines(const QString& tier)
{
    return QStringLiteral("持込会社名\n(　　　") + tier + QStringLiteral("　次　）");
}

QString tierCompanyLabel(const QString& tier)
{
    return u'(' + tier + QStringLiteral(")次会社名");
}

} // namespace mirevo::documents
