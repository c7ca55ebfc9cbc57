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
    const Document* form;  // nullptr while the form is not built yet
};

// Who gets copies of a chosen document's sheets.
enum class Scope {
    Once,            // one copy keeping the template sheet's name
    FirstTier,       // each first-tier subcontractor (2-1)
    LowerTier,       // each subcontractor of a lower tier (2-2)
    PrimeAndSubs,    // the prime contractor, then every company of the table
    EachSub,         // every company of the table
};

// One document of the generation panel: its check box and its sheets.
struct Choice {
    QString key;        // command-line name: "list", "1", "2-1", ... "13"
    QString caption;    // the panel's check box caption
    QList<int> sheets;  // template positions, copied in this order
    Scope scope;
};

// The 18 template sheets.
const std::vector<FormSheet>& formSheets();
const FormSheet& formSheet(int position);
// The 16 documents in panel order.
const std::vector<Choice>& choices();
const Choice* choiceByKey(const QString& key);
// A document can be produced when every one of its sheets has a form.
bool isAvailable(const Choice& choice);
// Captions of the documents that cannot be produced yet.
QStringList unavailableCaptions();

// "list,1,2-1" or "all" into keys in panel order; throws Error naming an
// unknown key.
QStringList parseDocumentList(const QString& text);

} // namespace mirevo::documents
