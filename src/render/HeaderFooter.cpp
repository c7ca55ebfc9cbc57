#include "HeaderFooter.h"

#include "FontTable.h"
#include "Pagination.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/Worksheet.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <tuple>

namespace mirevo::render {

namespace {

// &"name,style": the family ("-" keeps it) and the weight and slant the style words give.
void applyFontCode(const QString& code, SectionStyle& style)
{
    const int comma = code.indexOf(u',');
    const QString family = code.left(comma < 0 ? code.size() : comma).trimmed();
    if (!family.isEmpty() && family != u"-")
        style.family = family;
    if (comma < 0)
        return;
    const QString words = code.mid(comma + 1);
    style.bold = words.contains(QLatin1String("Bold"), Qt::CaseInsensitive) || words.contains(u"太字");
    style.italic = words.contains(QLatin1String("Italic"), Qt::CaseInsensitive)
        || words.contains(QLatin1String("Oblique"), Qt::CaseInsensitive) || words.contains(u"斜体");
}

} // namespace

HeaderFooterText headerFooterText(const std::string& code, const HeaderFooterFields& fields)
{
    HeaderFooterText out;
    QString* section = &out.centre;
    SectionStyle* style = &out.centreStyle;
    const QString s = QString::fromStdString(code);
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] != u'&' || i + 1 >= s.size()) {
            *section += s[i];
            continue;
        }
        const QChar c = s[++i];
        switch (c.toUpper().unicode()) {
        case u'L':
            section = &out.left, style = &out.leftStyle;
            break;
        case u'C':
            section = &out.centre, style = &out.centreStyle;
            break;
        case u'R':
            section = &out.right, style = &out.rightStyle;
            break;
        case u'B':
            style->bold = !style->bold;
            break;
        case u'I':
            style->italic = !style->italic;
            break;
        case u'U':
        case u'E':
            style->underline = !style->underline;
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
            applyFontCode(s.mid(i + 1, (end < 0 ? s.size() : end) - i - 1), *style);
            i = end < 0 ? int(s.size()) : end;
            break;
        }
        case u'K':
            i += 6;
            break; // a colour: six hexadecimal digits
        default:
            // A font size: &nn.
            if (c.isDigit()) {
                int size = c.digitValue();
                while (i + 1 < s.size() && s[i + 1].isDigit())
                    size = std::min(size * 10 + s[++i].digitValue(), 999);
                style->size = std::clamp(size, 1, 409);
            }
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
    const double dpi = painter.device()->logicalDpiY();
    // Scaled with the sheet unless the page set-up says otherwise, as the spreadsheet does.
    const double scale = setup.scaleWithDoc ? sheet.scale() : 1.0;
    const QFont standard = cellFont(styles, styles.font(0), dpi);
    const auto fontOf = [&](const SectionStyle& style) {
        QFont f = standard;
        if (!style.family.isEmpty())
            f.setFamily(installedFamily(style.family));
        f.setPointSizeF((style.size > 0 ? style.size * 72.0 / dpi : standard.pointSizeF()) * scale);
        f.setBold(style.bold);
        f.setItalic(style.italic);
        f.setUnderline(style.underline);
        return f;
    };
    const QSizeF paper = sheet.paperPoints();
    const double left = setup.left * 72, right = paper.width() - setup.right * 72;
    painter.save();
    painter.setPen(Qt::black);
    // Each section in its own font, its top at the header margin or its bottom at the footer's.
    const auto line = [&](const HeaderFooterText& t, bool header) {
        const std::tuple<const QString&, const SectionStyle&, int> sections[]
            = {{t.left, t.leftStyle, -1}, {t.centre, t.centreStyle, 0}, {t.right, t.rightStyle, 1}};
        for (const auto& [text, style, side] : sections) {
            if (text.isEmpty())
                continue;
            const QFont f = fontOf(style);
            const QFontMetricsF m(f, painter.device());
            const QStringList lines = text.split(u'\n');
            // A header's lines go down from its margin, a footer's end at its margin.
            double y = header ? setup.header * 72 + m.ascent()
                              : paper.height() - setup.footer * 72 - m.descent() - m.lineSpacing() * (lines.size() - 1);
            painter.setFont(f);
            for (const QString& l : lines) {
                const double w = m.horizontalAdvance(l);
                const double x = side < 0 ? left : side == 0 ? (left + right - w) / 2 : right - w;
                painter.drawText(QPointF(x, y), l);
                y += m.lineSpacing();
            }
        }
    };
    line(headerFooterText(codes.header, fields), true);
    line(headerFooterText(codes.footer, fields), false);
    painter.restore();
}

} // namespace mirevo::render
