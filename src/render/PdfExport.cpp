#include "PdfExport.h"

#include "SheetError.h"
#include "Workbook.h"
#include "WorkbookPages.h"

#include "common/Error.h"
#include "common/OutputFile.h"

#include <QFileInfo>
#include <QPdfWriter>

namespace mirevo::render {

namespace {

int printTo(QIODevice &file, const sheet::Workbook &book, const WorkbookPages &pages)
{
    QPdfWriter writer(&file);
    writer.setResolution(1200);
    writer.setCreator(QStringLiteral("Mirevo"));
    writer.setTitle(QFileInfo(QString::fromStdString(book.FullName())).completeBaseName());
    return printPages(writer, pages, 0, pages.pageCount() - 1);
}

} // namespace

// Saved by the program's rule for replacing a file (OutputFile), as workbooks are.
int exportPdf(const sheet::Workbook &book, const QString &path, const std::vector<int> &sheets)
{
    const WorkbookPages pages(book, sheets);
    if (pages.pageCount() == 0)
        throw sheet::SheetError("印刷するページがありません");
    try {
        OutputFile file(path);
        file.begin();
        const int count = printTo(file, book, pages);
        file.commit();
        return count;
    } catch (const Error &e) {
        throw sheet::SheetError(e.what());
    }
}

} // namespace mirevo::render
