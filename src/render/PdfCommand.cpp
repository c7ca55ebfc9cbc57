#include "PdfCommand.h"

#include "PdfExport.h"
#include "Spreadsheet.h"

#include <QTextStream>

namespace mirevo::render {

int pdfCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() != 2 || !arguments[0].endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        err << "使い方: mirevo pdf BOOK.xlsx OUT.pdf\n";
        err.flush();
        return 2;
    }
    try {
        sheet::Application app;
        sheet::Workbook &book = app.Workbooks().Open(arguments[0]);
        const int pages = exportPdf(book, arguments[1]);
        out << arguments[1] << ": " << pages << " ページ\n";
        out.flush();
        return 0;
    } catch (const std::exception &e) {
        err << "エラー: " << QString::fromUtf8(e.what()) << '\n';
        err.flush();
        return 1;
    }
}

} // namespace mirevo::render
