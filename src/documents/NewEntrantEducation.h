#pragma once
#include "Document.h"

#include <QDate>

namespace mirevo::documents {

// "6.新規入場者教育": the new-entrant education record, one A4 portrait page
// of 56 rows per worker of one company.
class NewEntrantEducation : public Document {
public:
    static constexpr int kPageRows = 56;

    void layout(sheet::Worksheet& ws) const override;
    // One page per worker of `target.company` in the site worker list (one
    // blank page when there is none, or with "用紙のみ"); the receipt date and
    // the site name on every page, the worker's values on his page.
    void write(sheet::Worksheet& ws, const RunState& run) const override;

    // The tier mark of a company: 0 the prime contractor, 1 … 10 its tier,
    // -1 no mark (a tier cell that is blank, "0" or no number).
    static int tierMark(const RunState& run);
    // "令和  8  年　　月　　日": the era and era year of `today`, month and day
    // left for the hand.
    static QString receiptDate(const QDate& today);
    // "1968年　　10月　　01日  （ 57才）" from a "1968/10/01" date.
    static QString birthLine(const QString& birth, const QString& age);
};

} // namespace mirevo::documents
