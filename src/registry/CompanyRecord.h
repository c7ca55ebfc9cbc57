#pragma once
#include <QStringList>

namespace mirevo::company {

// One company: 50 text cells, the layout of the company list and of the
// first 50 columns of the site contractor table.
constexpr int kColumns = 50;

enum Column {
    No = 0, Name = 1, Branch = 2, Representative = 3, PostcodeA = 4, PostcodeB = 5, Address = 6,
    Trade1 = 7, LicenceKind1 = 8, LicenceNo1 = 9, LicenceDate1 = 10,
    Trade2 = 11, LicenceKind2 = 12, LicenceNo2 = 13, LicenceDate2 = 14,
    Phone = 39, UpperNo = 40, UpperName = 41, Tier = 42, PeriodFrom = 43, PeriodTo = 44,
    ContractDate = 45, Dedicated = 46, BusinessId = 47, Specialist = 48, WorkerCount = 49
};

QStringList headings();

} // namespace mirevo::company
