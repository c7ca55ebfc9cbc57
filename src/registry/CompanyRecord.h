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
    // The people of the company on the site.
    Supervisor = 15, SupervisorAuthority = 16, SiteAgent = 17, SiteAgentAuthority = 18,
    ChiefEngineer = 19, ChiefEngineerQualification = 20,
    Specialist1 = 21, Specialist1Qualification = 22, Specialist1Work = 23,
    Specialist2 = 24, Specialist2Qualification = 25, Specialist2Work = 26,
    SafetyManager = 27, SafetyPromoter = 28, EmploymentManager = 29,
    // Social insurance: the office, then each insurance's number and state.
    InsuranceOffice = 30, HealthInsuranceNo = 31, HealthInsuranceState = 32,
    PensionNo = 33, PensionState = 34, EmploymentInsuranceNo = 35, EmploymentInsuranceState = 36,
    ForeignWorkers = 37, ForeignTrainees = 38,
    Phone = 39, UpperNo = 40, UpperName = 41, Tier = 42, PeriodFrom = 43, PeriodTo = 44,
    ContractDate = 45, Dedicated = 46, BusinessId = 47, SpecialtyWork = 48, WorkerCount = 49,
    // Columns of the site contractor table only, after the company's 50;
    // the table keeps 51 to 54 empty.
    FirstTierName = 50, TableSpare1 = 51, TableSpare2 = 52, TableSpare3 = 53, TableSpare4 = 54
};

QStringList headings();

} // namespace mirevo::company
