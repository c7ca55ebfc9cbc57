#pragma once
#include <QStringList>

namespace mirevo::worker {

// One worker: 42 text cells. The column numbers below are the ones every
// list, file and document addresses.
constexpr int kColumns = 42;

enum Column {
    No = 0, Reading = 1, Name = 2, Trade = 3, Roles = 4, Employed = 5, Experience = 6,
    Birth = 7, Age = 8, Address = 9, Phone = 10, FamilyContact = 11, FamilyPhone = 12,
    HealthCheck = 13, BloodType = 14, BloodPressure = 15, SpecialCheck = 16, SpecialKind = 17,
    HealthInsurance = 18, PensionInsurance = 19, EmploymentInsurance = 20,
    Education1 = 21, Education2 = 22, Education3 = 23, Skill1 = 24, Skill2 = 25, Skill3 = 26,
    Licence1 = 27, Licence2 = 28, Licence3 = 29, SiteEntry = 30, SiteEducation = 31,
    Company = 32, HealthDigits = 33, PensionDigits = 34, EmploymentDigits = 35,
    Spare1 = 36, Spare2 = 37, Spare3 = 38, Spare4 = 39, SortKey = 40, SourceRow = 41
};

// The columns the roster window edits and stores; 36–40 are not used by
// the record and are written empty.
constexpr int FirstField = Reading;
constexpr int LastField = EmploymentDigits;

// Headings of the site worker list.
QStringList siteHeadings();
// Headings of the registry's lists: "※担当役割" in column 4, none in 33–35.
QStringList registryHeadings();

} // namespace mirevo::worker
