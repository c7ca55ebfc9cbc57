#pragma once
// Page headers and footers as the page set-up gives them ("&L...&C...&R..."): the left, centre
// and right texts with their fields &P (page), &N (pages), &D (date), &T (time), &A (sheet),
// &F (file) and && (an ampersand). Font codes (&"name,style", &nn, &B, &I, &U, &S, &K) are
// read and not applied: the texts print in the workbook's standard font, scaled with the sheet.
#include <QDateTime>
#include <QString>

#include <string>

class QPainter;

namespace mirevo::render {

class SheetPagination;

struct HeaderFooterFields {
    int page = 1;
    int pages = 1;
    QString sheet;
    QString file;
    QDateTime now;
};

struct HeaderFooterText {
    QString left, centre, right;
    bool empty() const { return left.isEmpty() && centre.isEmpty() && right.isEmpty(); }
};

HeaderFooterText headerFooterText(const std::string& code, const HeaderFooterFields& fields);

// Paints the sheet's header and footer on one of its pages (paper coordinates in points).
void paintHeaderFooter(QPainter& painter, const SheetPagination& sheet, int page, const QDateTime& now);

} // namespace mirevo::render
