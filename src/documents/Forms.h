#pragma once
// The forms built so far, one source pair each. The catalogue places them at
// their positions in the template workbook.

namespace mirevo::documents {

class Document;

const Document& documentListForm();        // 書類一覧
const Document& safetyPledgeForm();        // 1.誓約書
const Document& systemLedgerForm();        // 2-1.施工体制台帳
const Document& resubcontractNoticeForm(); // 2-2.下請届出、再下請通知
const Document& workerRosterForm();        // 3.作業員名簿
const Document& constructionDiagramForm(); // 2-3.施工体系図
const Document& qualificationMountForm();  // 4.有資格証写し
const Document& qualificationTableForm();  // 5.有資格区分
const Document& newEntrantEducationForm(); // 6.新規入場者教育
const Document& machineryNoticeForm();     // 7.持込機械（ｸﾚｰﾝ・重機）
const Document& machineryChecklistForm();  // 7.持込機械点検表（ｸﾚｰﾝ・重機）
const Document& powerToolNoticeForm();     // 8.持込機械（電動工具）
const Document& powerToolChecklistForm();  // 8.持込機械点検表（電動工具）
const Document& vehicleNoticeForm();       // 9.工事用車輌届
const Document& hazardousMaterialsForm();  // 10.危険物持込届
const Document& fireUseForm();             // 11火気使用願
const Document& specialWorkerReportForm(); // 12年少者・高年齢者・高血圧者就労報告書
const Document& ownerOperatorNoticeForm(); // 13中小事業主・一人親方等就労届出

} // namespace mirevo::documents
