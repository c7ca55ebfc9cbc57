#pragma once
#include <QString>
#include <vector>

namespace mirevo {

// The entry field of each company record column 1–42: its component name,
// shared by the registration window's entry panel and the project window's
// contractor editor (Edit42 …, ComboBox11 …), and the initial text it shows
// until a record is loaded.
struct CompanyField {
    int column;
    QString editor;
    QString initial;
};

// Columns 1–42 in column order.
const std::vector<CompanyField>& companyFields();
// The field for one column, or nullptr.
const CompanyField* companyField(int column);

} // namespace mirevo
