#include "PdfExport.h"

#include "PdfOutline.h"
#include "PdfTextLayer.h"
#include "WorkbookPages.h"
#include "spreadsheet/SheetError.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

#include "common/Error.h"
#include "common/OutputFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>

namespace mirevo::render {

namespace {

// The PDF as Qt writes it, in memory: the text layer and the bookmarks are put right before
// the file is written.
QByteArray printToMemory(const sheet::Workbook& book, const WorkbookPages& pages)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Mirevo"));
        writer.setTitle(QFileInfo(QString::fromStdString(book.FullName())).completeBaseName());
        printPages(writer, pages, 0, pages.pageCount() - 1);
    }
    return pdf;
}

// One bookmark per sheet, at its first page.
std::vector<PdfBookmark> sheetBookmarks(const WorkbookPages& pages)
{
    std::vector<PdfBookmark> out;
    const SheetPagination* current = nullptr;
    for (int i = 0; i < pages.pageCount(); ++i)
        if (pages.page(i).sheet != current) {
            current = pages.page(i).sheet;
            out.push_back({QString::fromStdString(current->sheet().Name()), i});
        }
    return out;
}

} // namespace

// Saved by the program's rule for replacing a file (OutputFile), as workbooks are.
int exportPdf(const sheet::Workbook& book, const QString& path, const std::vector<int>& sheets)
{
    const WorkbookPages pages(book, sheets);
    if (pages.pageCount() == 0)
        throw sheet::SheetError("印刷するページがありません");
    try {
        OutputFile file(path);
        file.begin();
        QByteArray pdf = printToMemory(book, pages);
        mapGlyphsToCellCharacters(pdf);
        appendOutline(pdf, sheetBookmarks(pages));
        file.write(pdf);
        file.commit();
        return pages.pageCount();
    } catch (const Error& e) {
        throw sheet::SheetError(e.what());
    }
}

} // namespace mirevo::render
