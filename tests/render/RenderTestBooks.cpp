#include "RenderTestBooks.h"

#include <QFile>
#include <QRegularExpression>

namespace mirevo::render::test {

using namespace sheet;

Worksheet& fillA3WithBreak(Worksheet& ws)
{
    for (int r = 1; r <= 60; ++r)
        ws.Cells(r, 1).setValue(QStringLiteral("行 %1").arg(r));
    ws.Range("A1:H60").Borders(borderBottom).setWeight(xlThin);
    ws.PageSetup().setPaperSize(8);
    ws.PageSetup().setOrientation(2);
    ws.HPageBreaks().Add(ws.Range("A31"));
    return ws;
}

Worksheet& fillA4Table(Worksheet& ws)
{
    ws.Range("B2").setValue(QStringLiteral("作業員名簿"));
    ws.Range("B2:E2").setMergeCells(true);
    ws.Range("B2").setHorizontalAlignment(hAlignCenter);
    for (int i = 1; i <= 4; ++i)
        ws.Range("B3:E8").Borders(i).setWeight(xlThin);
    ws.PageSetup().setPaperSize(9);
    ws.PageSetup().setOrientation(1);
    return ws;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<PdfPage> pdfPages(const QByteArray& pdf)
{
    // Qt writes each page object uncompressed: "/Type /Page" ... "/MediaBox [0 0 w h]".
    static const QRegularExpression page(QStringLiteral(
        R"(/Type\s*/Page\b(?!s)[^>]*?/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])"));
    std::vector<PdfPage> out;
    const QString text = QString::fromLatin1(pdf);
    for (auto it = page.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out.push_back(
            {m.captured(3).toDouble() - m.captured(1).toDouble(), m.captured(4).toDouble() - m.captured(2).toDouble()});
    }
    return out;
}

} // namespace mirevo::render::test
