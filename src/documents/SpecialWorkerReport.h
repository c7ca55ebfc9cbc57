#pragma once
#include "Document.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <optional>

namespace mirevo::documents {

// "12年少者・高年齢者・高血圧者就労報告書": the report by which a subcontractor
// applies for a minor, an elderly or a hypertensive worker to work under
// restrictions. One A4 form per subcontractor with the company block filled.
class SpecialWorkerReport : public Document {
public:
    void layout(sheet::Worksheet& ws) const override;
    // G10 工事名称, G12 現場代理人名, T22 "(2)次会社名", Y21 the first-tier
    // company, Y22 the company, Y23 its address, Y24 its representative,
    // Y25 its safety and health manager.
    void write(sheet::Worksheet& ws, const RunState& run) const override;
    // The creation date the workers are judged on must be readable.
    QStringList runNotes(const RunState& run) const override;
    // The reported workers (below) on the creation date.
    QList<QStringList> workerCopies(const RunState& run, QStringList& notes) const override;
    // Name (reading), birth date, age on the creation date, address, blood
    // pressure and the date of the health check into rows 15 to 17 of a copy
    // the company block is already written on. "住所・TEL (無)" leaves the
    // address empty.
    void writeWorker(sheet::Worksheet& ws, const RunState& run, const QStringList& worker) const override;

    // A worker the form is filled for: under 18 or 65 and over on the
    // creation date, or a low blood pressure of 95 or a high one of 160 and
    // more.
    struct Reported {
        QStringList worker; // the site worker list row
        int age = -1;       // -1 when neither the birth date nor the age column can be read
        bool ageFromColumn = false; // the birth date could not be read; the age column gave the age
    };
    // The workers of `company` the form is filled for, in list order. A
    // worker is judged by what can be read: the age by the birth date, else
    // by the age column. A birth date or blood pressure that is entered but
    // cannot be read, and an age taken from the age column for a report,
    // are named in `notes`; an empty birth date alone is not.
    static QList<Reported> reportedWorkers(const SiteView& site, const QString& company, const QDate& created,
                                           QStringList& notes);
    // "令和 8年12月 9日" or "2026/12/09"; an invalid date otherwise.
    static QDate readDate(const QString& text);
    // The age column: "17", "17歳", "１７才"; nothing when it holds no age.
    static std::optional<int> readAge(const QString& text);
};

} // namespace mirevo::documents
