#pragma once
// The forms built so far, one source pair each. The catalogue places them at
// their positions in the template workbook.

namespace mirevo::documents {

class Document;

const Document& documentListForm();  // 書類一覧
const Document& safetyPledgeForm();  // 1.誓約書
const Document& systemLedgerForm();  // 2-1.施工体制台帳

} // namespace mirevo::documents
