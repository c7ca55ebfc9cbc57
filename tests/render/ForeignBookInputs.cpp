#include "ForeignBookInputs.h"

#include "render/CellPainter.h"
#include "render/Drawings.h"
#include "render/FontTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace mirevo::render::test {

namespace {

// A picture of one colour, w x h pixels, saved in `format`.
QString solidPicture(const QString& path, QColor colour, int w, int h, const char* format)
{
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(colour);
    EXPECT_TRUE(picture.save(path, format, 95)) << path.toStdString();
    return path;
}

} // namespace

QString foreignBook(const char* kind)
{
    const QString dir = QStringLiteral(MIREVO_RENDER_INPUT_DIR);
    QDir().mkpath(dir);
    const QString path = dir + u'/' + QString::fromLatin1(kind) + QStringLiteral(".xlsx");
    if (QFile::exists(path))
        return path;
    // Written under a name of this process's own and renamed, so that tests running side by
    // side never read a half-written file nor write into each other's.
    const QString own = QStringLiteral(".%1").arg(QCoreApplication::applicationPid());
    const QString temporary = path + own + QStringLiteral(".tmp");
    QString command = QStringLiteral("%1 %2 %3 '%4'")
                          .arg(QStringLiteral(MIREVO_RENDER_PYTHON), QStringLiteral(MIREVO_RENDER_INPUTS),
                               QString::fromLatin1(kind), temporary);
    if (QByteArray(kind) == "pictures")
        command += u' '
            + solidPicture(dir + QStringLiteral("/red") + own + QStringLiteral(".png"), Qt::red, 20, 10, "PNG") + u' '
            + solidPicture(dir + QStringLiteral("/blue") + own + QStringLiteral(".jpg"), Qt::blue, 30, 20, "JPEG");
    EXPECT_EQ(std::system(command.toLocal8Bit().constData()), 0) << command.toStdString();
    QFile::rename(temporary, path);
    return path;
}

SheetImage::SheetImage(const sheet::Worksheet& ws, int rows, int cols, double s)
    : scale(s),
      geometry(std::make_unique<SheetGeometry>(ws.data(), rows, cols, digitPoints(ws.Parent().tables().styles)))
{
    image = QImage(int(geometry->width() * scale), int(geometry->height() * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(scale, scale);
    CellPainter cells(ws, *geometry, image.logicalDpiY());
    cells.paint(p, sheet::Rect{1, 1, rows, cols});
    SheetDrawings(ws).paint(p, *geometry);
}

QRectF SheetImage::cells(const char* range) const
{
    const sheet::Rect r = sheet::parseRect(range);
    return QRectF(QPointF(geometry->colLeft(r.c1), geometry->rowTop(r.r1)),
                  QPointF(geometry->colRight(r.c2), geometry->rowBottom(r.r2)));
}

QColor SheetImage::at(QPointF point) const
{
    return image.pixelColor(int(point.x() * scale), int(point.y() * scale));
}

QRectF SheetImage::ink(const char* range) const
{
    const QRectF area = cells(range).adjusted(1, 1, -1, -1);
    int x1 = INT_MAX, y1 = INT_MAX, x2 = -1, y2 = -1;
    for (int y = int(area.top() * scale); y < int(area.bottom() * scale); ++y)
        for (int x = int(area.left() * scale); x < int(area.right() * scale); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                x1 = std::min(x1, x), x2 = std::max(x2, x);
                y1 = std::min(y1, y), y2 = std::max(y2, y);
            }
    if (x2 < 0)
        return {};
    return QRectF(QPointF(x1 / scale, y1 / scale), QPointF((x2 + 1) / scale, (y2 + 1) / scale));
}

int SheetImage::dark(const QRectF& area) const
{
    int n = 0;
    for (int y = std::max(0, int(area.top() * scale)); y < std::min(image.height(), int(area.bottom() * scale)); ++y)
        for (int x = std::max(0, int(area.left() * scale)); x < std::min(image.width(), int(area.right() * scale)); ++x)
            n += qGray(image.pixel(x, y)) < 128;
    return n;
}

std::pair<double, double> SheetImage::longestRun(const char* range) const
{
    const QRectF area = cells(range).adjusted(1, 1, -1, -1);
    int best = 0, bestY = -1;
    for (int y = int(area.top() * scale); y < int(area.bottom() * scale); ++y) {
        int run = 0;
        for (int x = int(area.left() * scale); x < int(area.right() * scale); ++x) {
            run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
            if (run > best)
                best = run, bestY = y;
        }
    }
    return {best / scale, bestY / scale};
}

} // namespace mirevo::render::test
