// Our own forms as they print: what one page shows of the next.
#include "documents/Generator.h"
#include "documents/SiteView.h"
#include "documents/TemplateBook.h"
#include "documents/WorkerRoster.h"
#include "project/ProjectRecord.h"
#include "render/CellPainter.h"
#include "render/Pagination.h"
#include "render/WorkbookPages.h"
#include "roster/WorkerRecord.h"
#include "spreadsheet/Spreadsheet.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace mirevo;

namespace {

// A roster of two pages: the first page ends with its footer notes (rows 86-93); nothing of
// the second page's first rows ("全建統一様式第5号" in row 94) shows under them.
TEST(FormPages, RosterPageShowsNothingOfTheNextPage)
{
    ProjectRecord record;
    record.setText("Edit10", QStringLiteral("元請建設株式会社"));
    documents::SiteView site;
    site.record = &record;
    site.primeWorkers = 13;
    for (int i = 1; i <= 13; ++i) {
        QStringList w(worker::kColumns);
        for (int c = worker::Reading; c <= worker::EmploymentDigits; ++c)
            w[c] = QStringLiteral("w%1").arg(i);
        w[worker::Company] = site.primeName();
        site.workers << w;
    }
    sheet::Application app;
    sheet::Workbook& forms = documents::buildTemplate(app);
    sheet::Workbook& out = app.Workbooks().Add();
    documents::convert(site, {"3"}, {}, forms, out);
    const sheet::Worksheet& ws = out.Sheets(1);
    const render::SheetPagination pages(ws);
    ASSERT_EQ(pages.pages().size(), 2u);
    ASSERT_EQ(pages.pages()[0].cells.r2, documents::WorkerRoster::kPageRows);

    const double dpi = 100;
    QImage image(int(pages.paperPoints().width() * dpi / 72), int(pages.paperPoints().height() * dpi / 72),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dpi / 0.0254));
    image.setDotsPerMeterY(int(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(dpi / 72, dpi / 72);
    render::CellPainter cells(ws, pages.geometry(), image.logicalDpiY());
    render::paintPage(p, pages, 0, cells);
    p.end();
    // From just below the page's last row to the bottom of the paper.
    const double last
        = pages.pages()[0].origin.y() + pages.geometry().rowBottom(documents::WorkerRoster::kPageRows) * pages.scale();
    int ink = 0;
    for (int y = int((last + 1.5) * dpi / 72); y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 160;
    EXPECT_EQ(ink, 0) << "the next page shows below the footer notes";
}

} // namespace
