#pragma once
#include <QString>
#include <vector>

namespace mirevo::worker {

// One row of the era reference table: "令和7年" / "2025".
struct EraReferenceRow {
    QString eraYear;
    QString westernYear;
};

// Western years 2037 down to 1897. A year in which an era began has two
// rows: the new era's first year, then the old era's last year.
std::vector<EraReferenceRow> eraReferenceTable();

} // namespace mirevo::worker
