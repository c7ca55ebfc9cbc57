#pragma once
// The project record fields by what they hold. A field is stored and shown
// under the name of the control that edits it; code outside the project
// window and the project file uses these names instead.

namespace mirevo::field {

// The site header.
inline constexpr const char* WorksName = "Edit9";
inline constexpr const char* CreatedOn = "Edit41";

// The orderer.
inline constexpr const char* OrdererName = "Edit1";
inline constexpr const char* OrdererPostcodeA = "Edit2";
inline constexpr const char* OrdererPostcodeB = "Edit3";
inline constexpr const char* OrdererAddress = "Edit4";
inline constexpr const char* PeriodFrom = "Edit5";
inline constexpr const char* PeriodTo = "Edit6";
inline constexpr const char* ContractDate = "Edit7";
inline constexpr const char* OrdererSupervisor = "Edit8";
inline constexpr const char* OrdererSupervisorAuthority = "ComboBox1";

// The prime contractor.
inline constexpr const char* PrimeName = "Edit10";
inline constexpr const char* PrimeBranch = "Edit11";
inline constexpr const char* PrimeRepresentative = "Edit12";
inline constexpr const char* PrimeBusinessId = "Edit84";
inline constexpr const char* PrimePhone = "Edit74";
inline constexpr const char* PrimePostcodeA = "Edit24";
inline constexpr const char* PrimePostcodeB = "Edit25";
inline constexpr const char* PrimeAddress = "Edit26";
inline constexpr const char* PrimeTrade1 = "Edit27";
inline constexpr const char* PrimeTrade1Suffix = "Edit28"; // "工事業"
inline constexpr const char* PrimeLicenceKind1 = "ComboBox7";
inline constexpr const char* PrimeLicenceNo1 = "Edit29";
inline constexpr const char* PrimeLicenceDate1 = "Edit30";
inline constexpr const char* PrimeTrade2 = "Edit31";
inline constexpr const char* PrimeTrade2Suffix = "Edit32";
inline constexpr const char* PrimeLicenceKind2 = "ComboBox8";
inline constexpr const char* PrimeLicenceNo2 = "Edit33";
inline constexpr const char* PrimeLicenceDate2 = "Edit34";
inline constexpr const char* PrimeSupervisor = "Edit13";
inline constexpr const char* PrimeSupervisorAuthority = "ComboBox2";
inline constexpr const char* PrimeSiteAgent = "Edit14";
inline constexpr const char* PrimeSiteAgentAuthority = "ComboBox3";
inline constexpr const char* PrimeChiefEngineer = "Edit15";
inline constexpr const char* PrimeChiefEngineerQualification = "Edit16";
inline constexpr const char* PrimeAssistantEngineer = "Edit85"; // 監理技術者補佐名
inline constexpr const char* PrimeSpecialist1 = "Edit35";
inline constexpr const char* PrimeSpecialist1Qualification = "Edit36";
inline constexpr const char* PrimeSpecialist1Work = "Edit37";
inline constexpr const char* PrimeSpecialist2 = "Edit38";
inline constexpr const char* PrimeSpecialist2Qualification = "Edit39";
inline constexpr const char* PrimeSpecialist2Work = "Edit40";
inline constexpr const char* PrimeSafetyManager = "Edit17";
inline constexpr const char* PrimeSafetyPromoter = "Edit18";
inline constexpr const char* PrimeEmploymentManager = "Edit19";
inline constexpr const char* PrimeInsuranceOffice = "Edit20";
inline constexpr const char* PrimeHealthInsuranceNo = "Edit21";
inline constexpr const char* PrimeHealthInsuranceState = "ComboBox4";
inline constexpr const char* PrimePensionNo = "Edit22";
inline constexpr const char* PrimePensionState = "ComboBox5";
inline constexpr const char* PrimeEmploymentInsuranceNo = "Edit23";
inline constexpr const char* PrimeEmploymentInsuranceState = "ComboBox6";
inline constexpr const char* PrimeForeignWorkers = "ComboBox9";
inline constexpr const char* PrimeForeignTrainees = "ComboBox10";

} // namespace mirevo::field
