#pragma once
#include <QString>

namespace mirevo {

class Project;

// What the construction system diagram asks of one subcontractor.
struct CompanyLookup {
    QString name;               // column 1
    QString businessId;         // "'" + column 47
    QString representative;     // column 3
    QString licenceNo;          // column 9
    QString licenceKind;        // column 8
    QString safetyManager;      // column 27
    QString chiefEngineer;      // column 19
    QString specialistWork;     // "有"/"無" from column 48
    QString specialistEngineer; // column 21
    QString specialistContent;  // column 23
    QString period;             // column 43 "～" column 44
    QString trade;              // column 7
};

// Looks `name` up in rows 1 … shitaukeCount of the site contractor table
// (the last match wins) and sets `out` from it. When no row matches, `out`
// keeps its values; a column 48 other than "1", "0" or blank leaves
// `specialistWork` as it is.
void lookupCompany(const Project& project, const QString& name, CompanyLookup& out);

} // namespace mirevo
