#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace mirevo::documents {

class Document;

// One of the 18 sheets of the template workbook, in workbook order.
struct FormSheet {
    int position;          // 1-based place in the template workbook
    QString name;          // the template sheet's own name
    QString copyPrefix;    // per-company copies: prefix + "【" + company + "】"
    const Document* form;
};

// Who gets copies of a chosen document's sheets.
enum class Scope {
    Once,            // one copy keeping the template sheet's name
    FirstTier,       // each first-tier subcontractor (2-1)
    LowerTier,       // each subcontractor of a lower tier (2-2)
    PrimeAndSubs,    // the prime contractor, then every company of the table
    EachSub,         // every company of the table
};

// Pages the driver adds to a copy before its form is written: the first
// `rows` rows once more for every `items` the company has beyond the first
// page's (the company's counted workers).
struct PageRepeat {
    int rows = 0;
    int items = 0;
};

// Whether a document places the site's workers (and so names those it
// cannot place).
enum class WorkerListing {
    None,
    Always,
    UnlessBlankForms, // not when the run makes the forms only ("用紙のみ")
};

// One document of the generation panel: its check box and its sheets.
struct Choice {
    QString key;        // command-line name: "list", "1", "2-1", ... "13"
    QString caption;    // the panel's check box caption
    QList<int> sheets;  // template positions, copied in this order
    Scope scope;
    PageRepeat pages = {};
    WorkerListing workers = WorkerListing::None;
    QStringList brings = {}; // documents ticked with this one
};

// The 18 template sheets.
const std::vector<FormSheet>& formSheets();
const FormSheet& formSheet(int position);
// The 16 documents in panel order.
const std::vector<Choice>& choices();
const Choice* choiceByKey(const QString& key);
// Whether the document places workers on a run with these options.
bool listsWorkers(const Choice& choice, bool blankForms);

// "list,1,2-1" or "all" into keys in panel order; throws Error naming an
// unknown key.
QStringList parseDocumentList(const QString& text);

} // namespace mirevo::documents
