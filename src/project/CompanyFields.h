#pragma once
#include <QString>
#include <vector>

namespace mirevo {

// Where each column of a company record is shown: in the prime contractor
// fields of the project window, and in the contractor editor (whose fields
// carry the same names as the registration window's entry fields).
struct CompanyField {
    int column;
    QString prime;   // empty when the prime contractor has no such field
    QString editor;
    QString initial; // the editor's (and registration window's) initial text
};

// Columns 1–42 in column order.
const std::vector<CompanyField>& companyFields();
// The field for one column, or nullptr.
const CompanyField* companyField(int column);

} // namespace mirevo
