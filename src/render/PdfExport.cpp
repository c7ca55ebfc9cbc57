#include "PdfExport.h"

#include "SheetError.h"
#include "Workbook.h"
#include "WorkbookPages.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace mirevo::render {

int exportPdf(const sheet::Workbook &book, const QString &path, const std::vector<int> &sheets)
{
    const WorkbookPages pages(book, sheets);
    if (pages.pageCount() == 0)
        throw sheet::SheetError("印刷するページがありません");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw sheet::SheetError("PDF ファイルを作成できません: " + path.toStdString() + " ("
                                + file.errorString().toStdString() + ")");
    int count = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Mirevo"));
        writer.setTitle(QFileInfo(QString::fromStdString(book.FullName())).completeBaseName());
        count = printPages(writer, pages, 0, pages.pageCount() - 1);
    }
    // A full disk may show only when the buffer is flushed; committing after
    // a failed flush would put a short file in place of the old one.
    if (!file.flush() || file.error() != QFileDevice::NoError || !file.commit())
        throw sheet::SheetError("PDF ファイルを書き込めません: " + path.toStdString() + " ("
                                + file.errorString().toStdString() + ")");
    return count;
}

} // namespace mirevo::render
