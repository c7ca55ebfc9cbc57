#pragma once
// Data boxes as data: one row of a form's field table says where a value is
// drawn and written (its box and format codes) and where the value comes
// from (a project field, a column of the block's company or worker, or a
// computed text). The same row serves the empty form and the filled copy.
#include "Document.h"
#include "FormDrawer.h"

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

namespace mirevo::documents {

struct Values;
using Compute = QString (*)(const Values&);

// Where a field's text comes from.
struct Source {
    enum class Kind { Project, Company, Worker, Contact, Empty, Computed };
    Kind kind = Kind::Computed;
    const char* field = nullptr; // Project: a field:: name
    int column = 0;              // Company: a company:: column; Worker, Contact: a worker:: column
    Compute compute = nullptr;   // Computed
};

constexpr Source projectField(const char* field)
{
    return {Source::Kind::Project, field, 0, nullptr};
}
constexpr Source companyColumn(int column)
{
    return {Source::Kind::Company, nullptr, column, nullptr};
}
constexpr Source workerColumn(int column)
{
    return {Source::Kind::Worker, nullptr, column, nullptr};
}
// A worker's address or telephone column: empty on a run made without
// addresses ("住所・TEL (無)").
constexpr Source contactColumn(int column)
{
    return {Source::Kind::Contact, nullptr, column, nullptr};
}
// An empty text: the box is cleared on every copy.
constexpr Source emptyText()
{
    return {Source::Kind::Empty, nullptr, 0, nullptr};
}
constexpr Source computed(Compute compute)
{
    return {Source::Kind::Computed, nullptr, 0, compute};
}

// One data box: its cells ("AC2:AH2" or "B4"), its format codes (those of
// Box), its text, and the text the empty form shows there (mostly none).
// A text is written into the box's first cell; where `keepsBlank` is set, an
// empty text leaves the form's own text in place.
struct Field {
    std::string_view cells;
    std::string_view codes;
    Source source;
    std::string_view blank = {};
    bool keepsBlank = false;
};

// What the fields of one block read: the run (site, counts, options,
// target), the site contractor table row of the block's company (0 is the
// prime contractor) and, for a worker line, the worker.
struct Values {
    const RunState& run;
    int row = 0;
    const QStringList* person = nullptr;
    int number = 0; // the line's number on its form (1 for the first worker)

    QString project(const char* field) const;
    // A column of the block's company; for the prime contractor, the
    // project field that holds the same item (empty when there is none).
    QString company(int column) const;
    QString worker(int column) const;
    // A worker's address or telephone column: empty on a run made without
    // addresses ("住所・TEL (無)").
    QString contact(int column) const;
    QString text(const Source& source) const;
};

// Draws the boxes of the fields (their formats and blank texts), shifted
// down by `rowOffset` rows.
void drawFields(sheet::Worksheet& ws, std::span<const Field> fields, int rowOffset = 0);
// Writes `text` into the field's box.
void writeField(sheet::Worksheet& ws, const Field& field, const QString& text, int rowOffset = 0, int columnOffset = 0);
// Writes each field's text into its box, shifted down by `rowOffset` rows
// and right by `columnOffset` columns.
void fillFields(sheet::Worksheet& ws, std::span<const Field> fields, const Values& values, int rowOffset = 0,
                int columnOffset = 0);

} // namespace mirevo::documents
