#pragma once
#include "Finding.h"

#include <QStringList>

namespace mirevo {
class ProjectRecord;
class TextGrid;
} // namespace mirevo

namespace mirevo::check {

// One company as the check reads it: the prime contractor from the project
// record, or a row of the site contractor table, in the 50 columns of a
// company record with the initial text of each column's field.
struct CompanyRow {
    QString name;
    Place place = Place::Contractor;
    int row = 0;          // the contractor table row; 0 for the prime contractor
    QStringList cells;    // company record columns 0–49
    QStringList initials; // the initial text of each column's field
    QStringList controls; // the prime contractor's field of each column
};

CompanyRow primeCompany(const ProjectRecord& record);
CompanyRow tableCompany(const TextGrid& table, int row);

// A contract period; either end may be invalid when it was not entered.
struct Period {
    QDate from;
    QDate to;
};

// What the prime contractor and every subcontractor must have: names of
// the responsible persons, business ID, licences, insurance enrolment.
void checkCompany(const CompanyRow& company, const QDate& day, QList<Finding>& out);
// A subcontractor's period on this site, read and compared with the
// project's (`project` ends invalid when they could not be read).
void checkCompanyPeriod(const CompanyRow& company, const Period& project, QList<Finding>& out);
// "直近上位の会社No." of a table row names a company of the table.
void checkUpper(const TextGrid& table, const CompanyRow& company, QList<Finding>& out);

// A finding about `company`, placed where the project window shows it.
Finding companyFinding(const CompanyRow& company, Level level, const char* code, int column, const QString& field,
                       const QString& message);

} // namespace mirevo::check
