#include "PdfExport.h"

#include "PdfOutline.h"
#include "PdfTextLayer.h"
#include "SheetError.h"
#include "Workbook.h"
#include "Worksheet.h"
#include "WorkbookPages.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace mirevo::render {

namespace {

// One bookmark per sheet, at its first page.
std::vector<PdfBookmark> sheetBookmarks(const WorkbookPages &pages)
{
    std::vector<PdfBookmark> out;
    const SheetPagination *current = nullptr;
    for (int i = 0; i < pages.pageCount(); ++i)
        if (pages.page(i).sheet != current) {
            current = pages.page(i).sheet;
            out.push_back({QString::fromStdString(current->sheet().Name()), i});
        }
    return out;
}

} // namespace

int exportPdf(const sheet::Workbook &book, const QString &path, const std::vector<int> &sheets)
{
    const WorkbookPages pages(book, sheets);
    if (pages.pageCount() == 0)
        throw sheet::SheetError("印刷するページがありません");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw sheet::SheetError("PDF ファイルを作成できません: " + path.toStdString() + " ("
                                + file.errorString().toStdString() + ")");
    QByteArray pdf;
    int count = 0;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Mirevo"));
        writer.setTitle(QFileInfo(QString::fromStdString(book.FullName())).completeBaseName());
        count = printPages(writer, pages, 0, pages.pageCount() - 1);
    }
    mapRadicalsToIdeographs(pdf);
    appendOutline(pdf, sheetBookmarks(pages));
    // A full disk may show only when the buffer is flushed; committing after
    // a failed flush would put a short file in place of the old one.
    if (file.write(pdf) != pdf.size() || !file.flush() || file.error() != QFileDevice::NoError || !file.commit())
        throw sheet::SheetError("PDF ファイルを書き込めません: " + path.toStdString() + " ("
                                + file.errorString().toStdString() + ")");
    return count;
}

} // namespace mirevo::render
