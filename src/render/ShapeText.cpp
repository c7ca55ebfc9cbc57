#include "ShapeText.h"

#include "FontTable.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace mirevo::render {

namespace {

// Fonts are sized for the device as the cells' are: the painter's unit is one point.
QTextCharFormat runFormat(const TextRun& run, const QString& family, double deviceDpi)
{
    QFont font(run.typeface.isEmpty() ? family : installedFamily(run.typeface));
    font.setPointSizeF(std::clamp(run.size, 1.0, 400.0) * 72.0 / deviceDpi);
    font.setBold(run.bold);
    font.setItalic(run.italic);
    font.setUnderline(run.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    QTextCharFormat format;
    format.setFont(font);
    format.setForeground(run.colour);
    return format;
}

void fill(QTextDocument& doc, const ShapeText& text, const QString& family, double deviceDpi)
{
    QTextCursor cursor(&doc);
    bool first = true;
    for (const TextParagraph& paragraph : text.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(paragraph.align);
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const TextRun& run : paragraph.runs)
            cursor.insertText(run.text, runFormat(run, family, deviceDpi));
    }
}

} // namespace

bool ShapeText::empty() const
{
    return std::all_of(paragraphs.begin(), paragraphs.end(), [](const TextParagraph& p) {
        return std::all_of(p.runs.begin(), p.runs.end(), [](const TextRun& r) { return r.text.trimmed().isEmpty(); });
    });
}

void paintShapeText(QPainter& painter, const ShapeText& text, const QRectF& shape, const QString& family)
{
    if (text.empty() || !painter.device())
        return;
    const QRectF inner = shape.adjusted(text.left, text.top, -text.right, -text.bottom);
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(painter.device());
    doc.setDocumentMargin(0);
    QTextOption option;
    option.setWrapMode(text.wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    doc.setDefaultTextOption(option);
    doc.setTextWidth(std::max(1.0, inner.width()));
    fill(doc, text, family, painter.device()->logicalDpiY());
    const double height = doc.size().height();
    double top = inner.top();
    if (text.anchor & Qt::AlignVCenter)
        top += (inner.height() - height) / 2;
    else if (text.anchor & Qt::AlignBottom)
        top = inner.bottom() - height;
    painter.save();
    painter.translate(inner.left(), top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace mirevo::render
