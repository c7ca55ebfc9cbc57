#pragma once
#include "SiteView.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace mirevo::sheet {
class Worksheet;
}

namespace mirevo::documents {

// Results of the sheet count calculation.
struct SheetCounts {
    int firstTier = 0;      // table rows whose "〇次下請け" is "1"
    int lowerTier = 0;      // the other companies of the table
    int subcontractors = 0; // firstTier + lowerTier
    int rosterPages = 0;    // roster pages, summed over the table
};

// Choices of a run that the writers read.
struct RunOptions {
    bool educationBlank = false; // "用紙のみ": new-entrant sheets are not filled
    bool noAddress = false;      // "住所・TEL (無)"
};

// The company (or the whole site) one copy of a form is for.
struct SheetTarget {
    int row = 0;        // site contractor table row; 0 = the prime contractor
    int upperRow = 0;   // "直近上位の会社No." of the row; 0 = the prime contractor
    int blockTop = 0;   // first sheet row of the data block (4 for 2-1, 2 for 2-2)
    QString company;    // company whose workers a roster or education sheet lists
    int tier = 0;       // 0 = the prime contractor, else the row's tier
    int workerCount = 0;
};

// Everything a writer reads: the site, the counts, the options and its target.
struct RunState {
    const SiteView& site;
    SheetCounts counts;
    RunOptions options;
    SheetTarget target;
};

// One form of the template workbook. Its layout routine draws the empty form
// on a blank sheet (this is how the template workbook is made); its writer
// fills a copy of the form with the site's values. Writers write values
// only: the form, as the template holds it, keeps its formats.
class Document {
public:
    virtual ~Document() = default;
    // Draws the empty form; the sheet is already named by the caller.
    virtual void layout(sheet::Worksheet& ws) const = 0;
    // Fills a copy of the form.
    virtual void write(sheet::Worksheet& ws, const RunState& run) const = 0;

    // What a run of this form must say once, before its first copy (none by
    // default).
    virtual QStringList runNotes(const RunState& run) const;
    // Workers of the target company who get a filled copy of their own after
    // the company's copy (none by default); `notes` names what could not be
    // read on the way.
    virtual QList<QStringList> workerCopies(const RunState& run, QStringList& notes) const;
    // Fills a worker's copy, already written for the company.
    virtual void writeWorker(sheet::Worksheet& ws, const RunState& run, const QStringList& worker) const;
};

} // namespace mirevo::documents
