#include "FormFields.h"

#include "project/PrimeFields.h"
#include "spreadsheet/Spreadsheet.h"

namespace mirevo::documents {

using namespace mirevo::sheet;

QString Values::project(const char* field) const
{
    return run.site.field(field);
}

QString Values::company(int column) const
{
    if (row > 0)
        return run.site.contractor(row, column);
    const QString field = primeField(column);
    return field.isEmpty() ? QString() : run.site.field(field.toLatin1().constData());
}

QString Values::worker(int column) const
{
    return person ? person->value(column) : QString();
}

QString Values::contact(int column) const
{
    return run.options.noAddress ? QString() : worker(column);
}

QString Values::text(const Source& source) const
{
    switch (source.kind) {
    case Source::Kind::Project:
        return project(source.field);
    case Source::Kind::Company:
        return company(source.column);
    case Source::Kind::Worker:
        return worker(source.column);
    case Source::Kind::Contact:
        return contact(source.column);
    case Source::Kind::Empty:
        return QString();
    case Source::Kind::Computed:
        return source.compute ? source.compute(*this) : QString();
    }
    return {};
}

void drawFields(Worksheet& ws, std::span<const Field> fields, int rowOffset)
{
    for (const Field& f : fields)
        drawBox(ws, {f.cells, f.blank, f.codes}, rowOffset);
}

void writeField(Worksheet& ws, const Field& field, const QString& text, int rowOffset, int columnOffset)
{
    const Rect r = parseRect(field.cells);
    ws.Cells(r.r1 + rowOffset, r.c1 + columnOffset).setValue(text);
}

void fillFields(Worksheet& ws, std::span<const Field> fields, const Values& values, int rowOffset, int columnOffset)
{
    for (const Field& f : fields) {
        const QString text = values.text(f.source);
        if (!f.keepsBlank || !text.isEmpty())
            writeField(ws, f, text, rowOffset, columnOffset);
    }
}

} // namespace mirevo::documents
