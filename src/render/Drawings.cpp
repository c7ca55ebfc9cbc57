#include "Drawings.h"

#include "SheetGeometry.h"
#include "spreadsheet/Workbook.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace mirevo::render {

namespace {

constexpr double kEmuPerPoint = 12700;
constexpr std::string_view kDrawingType = "/drawing";
constexpr std::string_view kImageType = "/image";

bool endsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

QImage decodePicture(const std::string& bytes)
{
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(256); // megabytes: a picture that would take more is not drawn
    return reader.read();
}

QColor hexColour(QStringView hex)
{
    bool ok = false;
    const uint rgb = hex.toUInt(&ok, 16);
    return ok && hex.size() == 6 ? QColor::fromRgb(QRgb(rgb | 0xFF000000u)) : QColor();
}

// EMU as points; what is no finite number, or lies beyond any sheet, is 0.
double points(double emu)
{
    return std::isfinite(emu) && std::abs(emu) < 1e15 ? emu / kEmuPerPoint : 0;
}

double emu(QXmlStreamReader& xml)
{
    return points(xml.readElementText().toDouble());
}

double emuAttribute(const QXmlStreamAttributes& attributes, QLatin1String name)
{
    return points(attributes.value(name).toDouble());
}

// Reads one drawing part into `out`.
class DrawingReader {
public:
    DrawingReader(const sheet::CarriedPart& part, std::vector<DrawingObject>& out)
        : part_(part), out_(out), xml_(QByteArray::fromStdString(part.data))
    {
    }

    void read()
    {
        while (!xml_.atEnd()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement)
                start();
            else if (token == QXmlStreamReader::EndElement)
                end();
        }
    }

private:
    void start()
    {
        const QStringView name = xml_.name();
        const QXmlStreamAttributes attributes = xml_.attributes();
        ++depth_;
        if (name == u"Fallback" || name == u"grpSp" || name == u"graphicFrame" || name == u"style") {
            // Fallback repeats what its Choice holds; style references colours of the theme.
            // Charts and groups (whose members are placed in a frame of their own) are not
            // drawn, but their anchors keep the pages the spreadsheet prints them on.
            if (anchorDepth_ > 0 && (name == u"grpSp" || name == u"graphicFrame") && !kindKnown_) {
                object_.kind = DrawingObject::Frame;
                object_.line = QColor();
                kindKnown_ = true;
            }
            xml_.skipCurrentElement();
            --depth_;
            return;
        }
        if (name == u"twoCellAnchor" || name == u"oneCellAnchor" || name == u"absoluteAnchor") {
            object_ = DrawingObject{};
            object_.twoCell = name == u"twoCellAnchor";
            anchorDepth_ = depth_;
            kindKnown_ = false;
            return;
        }
        if (anchorDepth_ == 0)
            return;
        if (name == u"from" || name == u"to")
            corner_ = name == u"from" ? &object_.from : &object_.to;
        else if (corner_ && name == u"col")
            corner_->col = xml_.readElementText().toInt(), --depth_;
        else if (corner_ && name == u"row")
            corner_->row = xml_.readElementText().toInt(), --depth_;
        else if (corner_ && name == u"colOff")
            corner_->dx = emu(xml_), --depth_;
        else if (corner_ && name == u"rowOff")
            corner_->dy = emu(xml_), --depth_;
        else if (name == u"ext" && depth_ == anchorDepth_ + 1)
            object_.size
                = QSizeF(emuAttribute(attributes, QLatin1String("cx")), emuAttribute(attributes, QLatin1String("cy")));
        else if (name == u"pos" && depth_ == anchorDepth_ + 1)
            object_.from = AnchorPoint{-1, -1, emuAttribute(attributes, QLatin1String("x")),
                                       emuAttribute(attributes, QLatin1String("y"))};
        else
            shapeElement(name, attributes);
    }

    void shapeElement(QStringView name, const QXmlStreamAttributes& attributes)
    {
        if (name == u"pic") {
            object_.kind = DrawingObject::Picture;
            object_.line = QColor();
            kindKnown_ = true;
        } else if (name == u"cxnSp") {
            object_.kind = DrawingObject::Line;
            kindKnown_ = true;
        } else if (name == u"blip") {
            for (const QXmlStreamAttribute& a : attributes)
                if (a.name() == u"embed")
                    object_.picture = picture(a.value().toString().toStdString());
        } else if (name == u"prstGeom") {
            const QStringView shape = attributes.value(QLatin1String("prst"));
            if (object_.kind != DrawingObject::Picture || !kindKnown_) {
                kindKnown_ = true;
                if (shape == u"line" || shape.startsWith(u"straightConnector"))
                    object_.kind = DrawingObject::Line;
                else if (shape == u"rect" || shape == u"roundRect")
                    object_.kind = DrawingObject::Rectangle;
                else if (shape == u"ellipse")
                    object_.kind = DrawingObject::Ellipse;
                else
                    kindKnown_ = false;
            }
        } else if (name == u"xfrm") {
            object_.flipH = attributes.value(QLatin1String("flipH")) == u"1";
            object_.flipV = attributes.value(QLatin1String("flipV")) == u"1";
        } else if (name == u"ln") {
            inLine_ = true;
            if (attributes.hasAttribute(QLatin1String("w")))
                object_.lineWidth = emuAttribute(attributes, QLatin1String("w"));
        } else if (name == u"noFill") {
            (inLine_ ? object_.line : object_.fill) = QColor();
        } else if (name == u"srgbClr" || name == u"sysClr") {
            const QColor c = hexColour(attributes.value(QLatin1String(name == u"srgbClr" ? "val" : "lastClr")));
            if (c.isValid())
                (inLine_ ? object_.line : object_.fill) = c;
        }
    }

    void end()
    {
        const QStringView name = xml_.name();
        if (name == u"from" || name == u"to")
            corner_ = nullptr;
        else if (name == u"ln")
            inLine_ = false;
        if (depth_ == anchorDepth_ && anchorDepth_ > 0) {
            const bool drawn = object_.kind == DrawingObject::Picture ? !object_.picture.isNull() : kindKnown_;
            if (drawn)
                out_.push_back(object_);
            anchorDepth_ = 0;
        }
        --depth_;
    }

    QImage picture(const std::string& id) const
    {
        for (const sheet::CarriedRel& rel : part_.rels)
            if (rel.id == id && rel.part && endsWith(rel.type, kImageType))
                return decodePicture(rel.part->data);
        return {};
    }

    const sheet::CarriedPart& part_;
    std::vector<DrawingObject>& out_;
    QXmlStreamReader xml_;
    DrawingObject object_;
    AnchorPoint* corner_ = nullptr;
    int depth_ = 0;
    int anchorDepth_ = 0;
    bool kindKnown_ = false;
    bool inLine_ = false;
};

// Left or top of 0-based column or row `index` plus `offset`, within the geometry.
double along(const SheetGeometry& geo, bool columns, int index, double offset)
{
    const int count = columns ? geo.colCount() : geo.rowCount();
    if (count == 0)
        return offset;
    const int i = std::clamp(index + 1, 1, count + 1);
    const double start
        = i > count ? (columns ? geo.width() : geo.height()) : (columns ? geo.colLeft(i) : geo.rowTop(i));
    const double size = i > count ? 0 : (columns ? geo.colRight(i) - geo.colLeft(i) : geo.rowBottom(i) - geo.rowTop(i));
    // An offset past its cell (a row hidden since) stays in the cell, as the spreadsheet shows it.
    return start + std::min(offset, std::max(size, 0.0));
}

} // namespace

SheetDrawings::SheetDrawings(const sheet::Worksheet& sheet)
{
    for (const sheet::CarriedRel& rel : sheet.data().extras.rels)
        if (rel.part && endsWith(rel.type, kDrawingType))
            DrawingReader(*rel.part, objects_).read();
}

QRectF SheetDrawings::rect(const DrawingObject& o, const SheetGeometry& geo) const
{
    QPointF from(o.from.dx, o.from.dy);
    if (o.from.col >= 0)
        from = QPointF(along(geo, true, o.from.col, o.from.dx), along(geo, false, o.from.row, o.from.dy));
    if (!o.twoCell || o.to.col < 0)
        return QRectF(from, o.size);
    return QRectF(from, QPointF(along(geo, true, o.to.col, o.to.dx), along(geo, false, o.to.row, o.to.dy)))
        .normalized();
}

sheet::Rect SheetDrawings::cells(const DrawingObject& o, const SheetGeometry& geo) const
{
    if (o.twoCell && o.from.col >= 0 && o.to.col >= 0)
        return sheet::Rect{o.from.row + 1, o.from.col + 1, std::max(o.from.row, o.to.row) + 1,
                           std::max(o.from.col, o.to.col) + 1};
    const QRectF r = rect(o, geo);
    return sheet::Rect{geo.rowAt(r.top()), geo.colAt(r.left()), geo.rowAt(r.bottom()), geo.colAt(r.right())};
}

void SheetDrawings::paint(QPainter& painter, const SheetGeometry& geo, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const DrawingObject& o : objects_) {
        const QRectF r = rect(o, geo);
        if (!area.isNull() && !r.adjusted(-o.lineWidth, -o.lineWidth, o.lineWidth, o.lineWidth).intersects(area))
            continue;
        QPen pen(o.line.isValid() ? o.line : Qt::transparent);
        pen.setWidthF(o.line.isValid() ? o.lineWidth : 0);
        painter.setPen(o.line.isValid() ? pen : QPen(Qt::NoPen));
        painter.setBrush(o.fill.isValid() ? QBrush(o.fill) : QBrush(Qt::NoBrush));
        switch (o.kind) {
        case DrawingObject::Picture:
            painter.drawImage(r, o.picture);
            break;
        case DrawingObject::Rectangle:
            painter.drawRect(r);
            break;
        case DrawingObject::Ellipse:
            painter.drawEllipse(r);
            break;
        case DrawingObject::Line:
            painter.drawLine(o.flipH != o.flipV ? QLineF(r.topRight(), r.bottomLeft())
                                                : QLineF(r.topLeft(), r.bottomRight()));
            break;
        case DrawingObject::Frame:
            break;
        }
    }
    painter.restore();
}

} // namespace mirevo::render
