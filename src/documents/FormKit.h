#pragma once
// Pieces several forms share: the column widths of the A4 portrait notices,
// their confirmation box and company block, and the tier labels.
#include "FormFields.h"

namespace mirevo::documents {

// Column widths of the A4 portrait forms 9 to 13.
inline constexpr Size kPortraitWidths[] = {{"B1:BT1", 2}, {"B1", 1}, {"G1", 1}, {"AI1", 1}, {"A1", 5}};

// The "元請け確認欄" box and the date line (Z2:AG6) of the notices 9 to 11,
// in 10-point text, and of the reports 12 and 13, in the form's size.
void drawNoticeConfirmation(sheet::Worksheet& ws);
void drawReportConfirmation(sheet::Worksheet& ws);
// The lines of the confirmation box; a form draws them last.
void drawConfirmationLines(sheet::Worksheet& ws);

// The addressee and the bringing company of the notices 9 to 11 (rows 9 to
// 16): 工事名称 in G9, 現場代理人名 in G11, the tier label in U11 and the
// company's first-tier company, name, representative and telephone in Y9,
// Y11, Y13, Y15.
void drawCompanyBlock(sheet::Worksheet& ws);
void fillCompanyBlock(sheet::Worksheet& ws, const RunState& run);

// A whole notice 9 to 11: the page, the confirmation box and the company
// block around the notice's own boxes and lines.
void drawNotice(sheet::Worksheet& ws, const PageFormat& page, std::span<const Box> boxes,
                std::span<const Line> lines);

// The labels that name the company's tier, the tier text as entered:
// "持込会社名　　　　　　　(　　　2　次　）" (notices 9 to 11),
// "持込会社名\n(　　　2　次　）" (the brought-in machinery notices) and
// "(2)次会社名" (reports 12 and 13).
QString bringingCompanyLabel(const QString& tier);
QString bringingCompanyLines(const QString& tier);
QString tierCompanyLabel(const QString& tier);

} // namespace mirevo::documents
