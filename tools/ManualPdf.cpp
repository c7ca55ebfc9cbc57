// Makes the user manual's PDF from its HTML: A4 pages, the Japanese font,
// the pictures beside the HTML, page numbers at the foot.
//
//   mirevo_manual_pdf manual.html OUT.pdf

#include "render/PdfTextLayer.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return std::fprintf(stderr, "usage: mirevo_manual_pdf manual.html OUT.pdf\n"), 2;
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    QFile html(source);
    if (!html.open(QIODevice::ReadOnly))
        return std::fprintf(stderr, "cannot read %s\n", argv[1]), 1;

    QTextDocument document;
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    // Pictures by their whole path: the document does not resolve names
    // relative to a base for a paged device.
    const QString folder = QFileInfo(source).absolutePath() + u'/';
    document.setHtml(
        QString::fromUtf8(html.readAll())
            .replace(QStringLiteral("src=\"images/"), QStringLiteral("src=\"") + folder + QStringLiteral("images/")));

    // Written beside the target and renamed: no half-written manual.
    const QString partial = target + QStringLiteral(".part");
    {
        QPdfWriter pdf(partial);
        pdf.setTitle(QStringLiteral("Mirevo！ 取扱説明書"));
        pdf.setCreator(QStringLiteral("Mirevo"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16),
                                      QPageLayout::Millimeter));
        document.print(&pdf);
    }
    // The text layer as the words are written: the CJK fonts' radicals
    // become the ideographs they stand for, so the manual can be searched.
    QFile written(partial);
    if (!written.open(QIODevice::ReadWrite))
        return std::fprintf(stderr, "cannot read back %s\n", qPrintable(partial)), 1;
    QByteArray bytes = written.readAll();
    mirevo::render::mapGlyphsToCellCharacters(bytes);
    written.seek(0);
    written.write(bytes);
    written.close();
    QFile::remove(target);
    if (!QFile::rename(partial, target))
        return std::fprintf(stderr, "cannot write %s\n", argv[2]), 1;
    return 0;
}
