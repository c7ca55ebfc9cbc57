#include "HeaderFooter.h"

#include "FontTable.h"
#include "Pagination.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>

namespace mirevo::render {

HeaderFooterText headerFooterText(const std::string& code, const HeaderFooterFields& fields)
{
    HeaderFooterText out;
    QString* section = &out.centre;
    const QString s = QString::fromStdString(code);
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] != u'&' || i + 1 >= s.size()) {
            *section += s[i];
            continue;
        }
        const QChar c = s[++i];
        switch (c.toUpper().unicode()) {
        case u'L':
            section = &out.left;
            break;
        case u'C':
            section = &out.centre;
            break;
        case u'R':
            section = &out.right;
            break;
        case u'P':
            *section += QString::number(fields.page);
            break;
        case u'N':
            *section += QString::number(fields.pages);
            break;
        case u'D':
            *section += fields.now.date().toString(QStringLiteral("yyyy/MM/dd"));
            break;
        case u'T':
            *section += fields.now.time().toString(QStringLiteral("H:mm"));
            break;
        case u'A':
            *section += fields.sheet;
            break;
        case u'F':
            *section += fields.file;
            break;
        case u'Z':
            break; // the file's folder: not shown
        case u'&':
            *section += u'&';
            break;
        case u'"': {
            const int end = s.indexOf(u'"', i + 1);
            i = end < 0 ? int(s.size()) : end;
            break;
        }
        case u'K':
            i += 6;
            break; // a colour: six hexadecimal digits
        default:
            // A font size: &nn.
            while (c.isDigit() && i + 1 < s.size() && s[i + 1].isDigit())
                ++i;
            break;
        }
    }
    return out;
}

HeaderFooterCodes headerFooterCodes(const sheet::PageSetupData& setup, int page)
{
    if (setup.differentFirst && page == 0)
        return {setup.firstHeader, setup.firstFooter};
    if (setup.differentOddEven && pageNumber(setup, page) % 2 == 0)
        return {setup.evenHeader, setup.evenFooter};
    return {setup.oddHeader, setup.oddFooter};
}

int pageNumber(const sheet::PageSetupData& setup, int page)
{
    return (setup.firstPageNumber != 0 ? setup.firstPageNumber : 1) + page;
}

void paintHeaderFooter(QPainter& painter, const SheetPagination& sheet, int page, const QDateTime& now)
{
    const sheet::PageSetupData& setup = sheet.sheet().data().page;
    const HeaderFooterCodes codes = headerFooterCodes(setup, page);
    if (codes.header.empty() && codes.footer.empty())
        return;
    const sheet::Workbook& book = sheet.sheet().Parent();
    const HeaderFooterFields fields{pageNumber(setup, page), int(sheet.pages().size()),
                                    QString::fromStdString(sheet.sheet().Name()),
                                    QFileInfo(QString::fromStdString(book.FullName())).fileName(), now};
    const sheet::StyleTable& styles = book.tables().styles;
    // Scaled with the sheet unless the page set-up says otherwise, as the spreadsheet does.
    QFont font = cellFont(styles, styles.font(0), painter.device()->logicalDpiY());
    if (setup.scaleWithDoc)
        font.setPointSizeF(font.pointSizeF() * sheet.scale());
    const QFontMetricsF metrics(font, painter.device());
    const QSizeF paper = sheet.paperPoints();
    const double left = setup.left * 72, right = paper.width() - setup.right * 72;
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    auto line = [&](const HeaderFooterText& t, double baseline) {
        painter.drawText(QPointF(left, baseline), t.left);
        painter.drawText(QPointF((left + right - metrics.horizontalAdvance(t.centre)) / 2, baseline), t.centre);
        painter.drawText(QPointF(right - metrics.horizontalAdvance(t.right), baseline), t.right);
    };
    line(headerFooterText(codes.header, fields), setup.header * 72 + metrics.ascent());
    line(headerFooterText(codes.footer, fields), paper.height() - setup.footer * 72 - metrics.descent());
    painter.restore();
}

} // namespace mirevo::render
