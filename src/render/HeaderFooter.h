#pragma once
// Page headers and footers as the page set-up gives them ("&L...&C...&R..."; a first page's
// and the even pages' own where it has them): the left, centre and right texts with their
// fields &P (page), &N (pages), &D (date), &T (time), &A (sheet), &F (file) and && (an
// ampersand), and each section's font codes (&"name,style", &nn, &B, &I, &U; &S and &K are
// read and not applied); the sizes scale with the sheet unless the set-up says not.
#include <QDateTime>
#include <QString>

#include <string>

class QPainter;

namespace mirevo::sheet {
struct PageSetupData;
}

namespace mirevo::render {

class SheetPagination;

struct HeaderFooterFields {
    int page = 1;
    int pages = 1;
    QString sheet;
    QString file;
    QDateTime now;
};

// The font codes of one section (&"name,style", &nn, &B, &I, &U); unset: the standard font's.
struct SectionStyle {
    QString family;  // as the code names it
    double size = 0; // points; 0: the standard size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const SectionStyle&) const = default;
};

struct HeaderFooterText {
    QString left, centre, right;
    SectionStyle leftStyle, centreStyle, rightStyle;
    bool empty() const { return left.isEmpty() && centre.isEmpty() && right.isEmpty(); }
};

HeaderFooterText headerFooterText(const std::string& code, const HeaderFooterFields& fields);

// The header and footer codes of a sheet's page (0-based): the first page's or the even
// pages' when the page set-up has them, else those of every page.
struct HeaderFooterCodes {
    const std::string& header;
    const std::string& footer;
};
HeaderFooterCodes headerFooterCodes(const sheet::PageSetupData& setup, int page);

// The number &P prints on a sheet's page (0-based): from the set-up's first page number.
int pageNumber(const sheet::PageSetupData& setup, int page);

// Paints the sheet's header and footer on one of its pages (paper coordinates in points).
void paintHeaderFooter(QPainter& painter, const SheetPagination& sheet, int page, const QDateTime& now);

} // namespace mirevo::render
