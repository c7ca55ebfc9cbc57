#pragma once
// Small workbooks built through the engine for the renderer's tests.
#include "spreadsheet/Spreadsheet.h"

#include <QByteArray>
#include <QString>

namespace mirevo::render::test {

// A3 landscape, 60 rows of ruled values with a manual break above row 31.
sheet::Worksheet& fillA3WithBreak(sheet::Worksheet& ws);
// A4 portrait, a small bordered table.
sheet::Worksheet& fillA4Table(sheet::Worksheet& ws);

// Bytes of a file (empty when it cannot be read).
QByteArray fileBytes(const QString& path);
// Page count and each page's size in points, read from a PDF's page objects.
struct PdfPage {
    double width;
    double height;
};
std::vector<PdfPage> pdfPages(const QByteArray& pdf);

} // namespace mirevo::render::test
