#include "PdfOutline.h"

#include <QRegularExpression>

namespace mirevo::render {

namespace {

struct Layout {
    int catalog = 0;
    int pageTree = 0;
    int info = 0;
    int size = 0;
    qsizetype startXref = -1;
    std::vector<int> pages; // object numbers of the page tree's kids, in order
};

int capturedInt(const QRegularExpressionMatch& m)
{
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

bool readLayout(const QByteArray& pdf, Layout& out)
{
    const QString text = QString::fromLatin1(pdf.right(std::min<qsizetype>(pdf.size(), 4096)));
    const qsizetype trailer = text.lastIndexOf(QStringLiteral("trailer"));
    if (trailer < 0)
        return false;
    const QString tail = text.mid(trailer);
    out.size = capturedInt(QRegularExpression(QStringLiteral(R"(/Size\s+(\d+))")).match(tail));
    out.catalog = capturedInt(QRegularExpression(QStringLiteral(R"(/Root\s+(\d+)\s+0\s+R)")).match(tail));
    out.info = capturedInt(QRegularExpression(QStringLiteral(R"(/Info\s+(\d+)\s+0\s+R)")).match(tail));
    const auto xref = QRegularExpression(QStringLiteral(R"(startxref\s+(\d+))")).match(tail);
    if (!xref.hasMatch() || out.size <= 0 || out.catalog <= 0)
        return false;
    out.startXref = xref.captured(1).toLongLong();
    const QByteArray catalogHead = QByteArray::number(out.catalog) + " 0 obj";
    const qsizetype catalog = pdf.indexOf("\n" + catalogHead);
    if (catalog < 0)
        return false;
    const QString catalogText = QString::fromLatin1(pdf.mid(catalog, pdf.indexOf("endobj", catalog) - catalog));
    out.pageTree = capturedInt(QRegularExpression(QStringLiteral(R"(/Pages\s+(\d+)\s+0\s+R)")).match(catalogText));
    const qsizetype tree = pdf.indexOf("\n" + QByteArray::number(out.pageTree) + " 0 obj");
    if (out.pageTree <= 0 || tree < 0)
        return false;
    const qsizetype kidsFrom = pdf.indexOf("/Kids", tree);
    const qsizetype kidsTo = pdf.indexOf("]", kidsFrom);
    if (kidsFrom < 0 || kidsTo < 0)
        return false;
    const QString kids = QString::fromLatin1(pdf.mid(kidsFrom, kidsTo - kidsFrom));
    static const QRegularExpression ref(QStringLiteral(R"((\d+)\s+0\s+R)"));
    for (auto it = ref.globalMatch(kids); it.hasNext();)
        out.pages.push_back(it.next().captured(1).toInt());
    return !out.pages.empty();
}

// A text string in UTF-16 with its byte-order mark, written in hexadecimal.
QByteArray textString(const QString& s)
{
    QByteArray bytes("FEFF");
    for (QChar c : s)
        bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return "<" + bytes + ">";
}

QByteArray objRef(int n)
{
    return QByteArray::number(n) + " 0 R";
}

} // namespace

bool appendOutline(QByteArray& pdf, const std::vector<PdfBookmark>& bookmarks)
{
    Layout layout;
    if (bookmarks.empty() || !readLayout(pdf, layout))
        return false;
    for (const PdfBookmark& b : bookmarks)
        if (b.page < 0 || b.page >= int(layout.pages.size()))
            return false;
    const int root = layout.size;
    const int first = root + 1;
    const int last = first + int(bookmarks.size()) - 1;
    QByteArray update;
    std::vector<qsizetype> offsets; // of the catalogue, the outline and its items
    auto object = [&](int number, const QByteArray& body) {
        if (!update.endsWith('\n'))
            update += '\n';
        offsets.push_back(pdf.size() + update.size());
        update += QByteArray::number(number) + " 0 obj\n<<\n" + body + ">>\nendobj\n";
    };
    object(layout.catalog,
           "/Type /Catalog\n/Pages " + objRef(layout.pageTree) + "\n/Outlines " + objRef(root)
               + "\n/PageMode /UseOutlines\n");
    object(root,
           "/Type /Outlines\n/First " + objRef(first) + "\n/Last " + objRef(last) + "\n/Count "
               + QByteArray::number(bookmarks.size()) + "\n");
    for (int i = 0; i < int(bookmarks.size()); ++i) {
        const int n = first + i;
        QByteArray body = "/Title " + textString(bookmarks[size_t(i)].title) + "\n/Parent " + objRef(root) + "\n";
        if (n > first)
            body += "/Prev " + objRef(n - 1) + "\n";
        if (n < last)
            body += "/Next " + objRef(n + 1) + "\n";
        body += "/Dest [" + objRef(layout.pages[size_t(bookmarks[size_t(i)].page)]) + " /XYZ null null null]\n";
        object(n, body);
    }
    const qsizetype xref = pdf.size() + update.size();
    auto entry = [](qsizetype offset) { return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n"; };
    update += "xref\n0 1\n0000000000 65535 f \n" + QByteArray::number(layout.catalog) + " 1\n" + entry(offsets[0]);
    update += QByteArray::number(root) + " " + QByteArray::number(offsets.size() - 1) + "\n";
    for (size_t i = 1; i < offsets.size(); ++i)
        update += entry(offsets[i]);
    update += "trailer\n<<\n/Size " + QByteArray::number(last + 1) + "\n/Root " + objRef(layout.catalog);
    if (layout.info > 0)
        update += "\n/Info " + objRef(layout.info);
    update += "\n/Prev " + QByteArray::number(layout.startXref) + "\n>>\nstartxref\n" + QByteArray::number(xref)
        + "\n%%EOF\n";
    pdf += update;
    return true;
}

} // namespace mirevo::render
