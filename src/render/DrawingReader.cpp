#include "DrawingReader.h"

#include "spreadsheet/CarriedParts.h"

#include <QBuffer>
#include <QImageReader>
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

// A drawing element's <a:xfrm>: its offset and size, and a group's child coordinates (EMU).
struct Xfrm {
    QPointF offset, childOffset;
    QSizeF size, childSize;
};

// A group being read: its place within the anchor's box (as fractions of it) and the child
// coordinates its members are placed in.
struct GroupLevel {
    QRectF place;
    QPointF childOffset;
    QSizeF childSize;
};

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
        if (name == u"Fallback" || name == u"graphicFrame" || name == u"style") {
            // Fallback repeats what its Choice holds; style references colours of the theme.
            // Charts are not drawn, but their anchors keep the pages the spreadsheet prints
            // them on (a chart inside a group is left out).
            if (anchorDepth_ > 0 && name == u"graphicFrame" && !kindKnown_ && groups_.empty()) {
                object_.kind = DrawingObject::Frame;
                object_.line = QColor();
                kindKnown_ = true;
            }
            xml_.skipCurrentElement();
            --depth_;
            return;
        }
        if (anchorDepth_ > 0 && !inText_ && groupElement(name))
            return;
        if (name == u"twoCellAnchor" || name == u"oneCellAnchor" || name == u"absoluteAnchor") {
            object_ = DrawingObject{};
            object_.twoCell = name == u"twoCellAnchor";
            anchorDepth_ = depth_;
            kindKnown_ = false;
            return;
        }
        if (anchorDepth_ == 0)
            return;
        if (name == u"txBody") {
            inText_ = true;
            return;
        }
        if (inText_) {
            textElement(name, attributes);
            return;
        }
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

    // Groups: each member becomes an object of its own, placed within the group's anchor as
    // the group's child coordinates say (groups in groups too).
    bool groupElement(QStringView name)
    {
        if (name == u"grpSp") {
            if (groups_.empty())
                anchorObject_ = object_; // the anchor, which every member shares
            grouped_ = true;
            GroupLevel level;
            level.place = groups_.empty() ? QRectF(0, 0, 1, 1) : groups_.back().place;
            groups_.push_back(level);
            return true;
        }
        if (name == u"grpSpPr") {
            inGroupProperties_ = true;
            return true;
        }
        if (!groups_.empty() && memberDepth_ == 0 && (name == u"sp" || name == u"pic" || name == u"cxnSp")) {
            memberDepth_ = depth_;
            object_ = anchorObject_;
            kindKnown_ = false;
            memberPlace_ = groups_.back().place; // the whole group, unless the member's xfrm says
            shapeElement(name, xml_.attributes());
            return true;
        }
        return false;
    }

    // Where a group member lies within the anchor, as fractions of the anchor's box.
    QRectF placeInGroup(const Xfrm& member) const
    {
        const GroupLevel& g = groups_.back();
        if (g.childSize.width() <= 0 || g.childSize.height() <= 0)
            return g.place;
        const double sx = g.place.width() / g.childSize.width(), sy = g.place.height() / g.childSize.height();
        return QRectF(g.place.left() + (member.offset.x() - g.childOffset.x()) * sx,
                      g.place.top() + (member.offset.y() - g.childOffset.y()) * sy, member.size.width() * sx,
                      member.size.height() * sy);
    }

    void xfrmElement(QStringView name, const QXmlStreamAttributes& attributes)
    {
        const auto number = [&](const char* a) {
            const double v = attributes.value(QLatin1String(a)).toDouble();
            return std::isfinite(v) ? v : 0.0;
        };
        if (name == u"off")
            xfrm_.offset = QPointF(number("x"), number("y"));
        else if (name == u"ext")
            xfrm_.size = QSizeF(number("cx"), number("cy"));
        else if (name == u"chOff")
            xfrm_.childOffset = QPointF(number("x"), number("y"));
        else if (name == u"chExt")
            xfrm_.childSize = QSizeF(number("cx"), number("cy"));
    }

    // The end of a group's own xfrm: its place within its parent and its child coordinates.
    void groupPlaced()
    {
        if (groups_.size() > 1) {
            // Placed in its parent's child coordinates.
            const GroupLevel self = groups_.back();
            groups_.pop_back();
            const QRectF place = placeInGroup(xfrm_);
            groups_.push_back(self);
            groups_.back().place = place;
        }
        groups_.back().childOffset = xfrm_.childOffset;
        groups_.back().childSize = xfrm_.childSize;
    }

    void shapeElement(QStringView name, const QXmlStreamAttributes& attributes)
    {
        if (inXfrm_) {
            xfrmElement(name, attributes);
            return;
        }
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
            inXfrm_ = true;
            xfrm_ = Xfrm{};
            if (!inGroupProperties_) {
                object_.flipH = attributes.value(QLatin1String("flipH")) == u"1";
                object_.flipV = attributes.value(QLatin1String("flipV")) == u"1";
            }
        } else if (name == u"ln") {
            inLine_ = true;
            if (attributes.hasAttribute(QLatin1String("w")))
                object_.lineWidth = emuAttribute(attributes, QLatin1String("w"));
        } else if (name == u"noFill") {
            (inLine_ ? object_.line : object_.fill) = QColor();
        } else if (const QColor c = colourElement(name, attributes); c.isValid()) {
            (inLine_ ? object_.line : object_.fill) = c;
        } else if (name == u"shade" || name == u"lumMod") {
            // A darker shade of the colour just given (Excel's text box outline: light 1 at 50 %).
            QColor& c = inLine_ ? object_.line : object_.fill;
            const double f = std::clamp(attributes.value(QLatin1String("val")).toDouble() / 100000, 0.0, 1.0);
            if (c.isValid())
                c = QColor::fromRgbF(c.redF() * f, c.greenF() * f, c.blueF() * f);
        }
    }

    // An rgb or system colour, or the theme's text and background colours (dark 1 black,
    // light 1 white, as the office theme has them); invalid for anything else.
    static QColor colourElement(QStringView name, const QXmlStreamAttributes& attributes)
    {
        if (name == u"srgbClr" || name == u"sysClr")
            return hexColour(attributes.value(QLatin1String(name == u"srgbClr" ? "val" : "lastClr")));
        if (name != u"schemeClr")
            return {};
        const QStringView scheme = attributes.value(QLatin1String("val"));
        if (scheme == u"dk1" || scheme == u"tx1")
            return Qt::black;
        if (scheme == u"lt1" || scheme == u"bg1")
            return Qt::white;
        return {};
    }

    // Paragraphs, runs and their properties inside <txBody>.
    void textElement(QStringView name, const QXmlStreamAttributes& attributes)
    {
        ShapeText& text = object_.text;
        if (name == u"bodyPr") {
            bodyProperties(attributes);
        } else if (name == u"lstStyle" || name == u"endParaRPr" || name == u"defRPr") {
            xml_.skipCurrentElement(), --depth_;
        } else if (name == u"p") {
            text.paragraphs.emplace_back();
        } else if (name == u"pPr" && !text.paragraphs.empty()) {
            text.paragraphs.back().align = paragraphAlignment(attributes.value(QLatin1String("algn")));
        } else if (name == u"r" || name == u"fld") {
            run_ = TextRun{};
        } else if (name == u"rPr") {
            runProperties(attributes);
        } else if (name == u"latin" || name == u"ea") {
            const QString face = attributes.value(QLatin1String("typeface")).toString();
            if (!face.isEmpty() && !face.startsWith(u'+') && (name == u"ea" || run_.typeface.isEmpty()))
                run_.typeface = face; // +mn-ea and the like: the theme's font, the standard one here
        } else if (const QColor c = colourElement(name, attributes); c.isValid() && inRunProperties_) {
            run_.colour = c;
        } else if (name == u"t") {
            run_.text += xml_.readElementText(QXmlStreamReader::IncludeChildElements), --depth_;
        } else if (name == u"br" && !text.paragraphs.empty()) {
            TextRun lineBreak;
            lineBreak.text = QString(QChar::LineSeparator);
            text.paragraphs.back().runs.push_back(lineBreak);
        }
    }

    void bodyProperties(const QXmlStreamAttributes& attributes)
    {
        ShapeText& text = object_.text;
        const std::pair<const char*, double*> insets[]
            = {{"lIns", &text.left}, {"tIns", &text.top}, {"rIns", &text.right}, {"bIns", &text.bottom}};
        for (const auto& [attribute, inset] : insets)
            if (attributes.hasAttribute(QLatin1String(attribute)))
                *inset = std::max(0.0, emuAttribute(attributes, QLatin1String(attribute)));
        const QStringView anchor = attributes.value(QLatin1String("anchor"));
        text.anchor = anchor == u"ctr" ? Qt::AlignVCenter : anchor == u"b" ? Qt::AlignBottom : Qt::AlignTop;
        text.wrap = attributes.value(QLatin1String("wrap")) != u"none";
    }

    void runProperties(const QXmlStreamAttributes& attributes)
    {
        inRunProperties_ = true;
        if (attributes.hasAttribute(QLatin1String("sz")))
            run_.size = attributes.value(QLatin1String("sz")).toDouble() / 100;
        run_.bold = attributes.value(QLatin1String("b")) == u"1";
        run_.italic = attributes.value(QLatin1String("i")) == u"1";
        const QStringView underline = attributes.value(QLatin1String("u"));
        run_.underline = !underline.isEmpty() && underline != u"none";
    }

    static Qt::Alignment paragraphAlignment(QStringView algn)
    {
        if (algn == u"ctr")
            return Qt::AlignHCenter;
        if (algn == u"r")
            return Qt::AlignRight;
        if (algn == u"just" || algn == u"dist")
            return Qt::AlignJustify;
        return Qt::AlignLeft;
    }

    void end()
    {
        const QStringView name = xml_.name();
        if (name == u"from" || name == u"to")
            corner_ = nullptr;
        else if (name == u"ln")
            inLine_ = false;
        else if (name == u"txBody")
            inText_ = false;
        else if (inText_ && name == u"rPr")
            inRunProperties_ = false;
        else if (inText_ && (name == u"r" || name == u"fld") && !object_.text.paragraphs.empty())
            object_.text.paragraphs.back().runs.push_back(run_);
        else if (name == u"xfrm" && inXfrm_)
            xfrmEnded();
        else if (name == u"grpSpPr")
            inGroupProperties_ = false;
        else if (name == u"grpSp" && !groups_.empty())
            groups_.pop_back();
        if (memberDepth_ > 0 && depth_ == memberDepth_) {
            object_.within = memberPlace_;
            keep();
            memberDepth_ = 0;
        } else if (depth_ == anchorDepth_ && anchorDepth_ > 0) {
            if (!grouped_)
                keep();
            anchorDepth_ = 0;
            inText_ = false;
            grouped_ = false;
            groups_.clear();
        }
        --depth_;
    }

    void xfrmEnded()
    {
        inXfrm_ = false;
        if (groups_.empty())
            return;
        if (inGroupProperties_) {
            groupPlaced();
        } else {
            memberPlace_ = placeInGroup(xfrm_);
        }
    }

    // Keeps the object read when it is something to draw.
    void keep()
    {
        if (!kindKnown_ && !object_.text.empty()) {
            object_.kind = DrawingObject::Frame; // an outline not drawn, with its text
            object_.line = QColor();
            object_.fill = QColor();
            kindKnown_ = true;
        }
        const bool drawn = object_.kind == DrawingObject::Picture ? !object_.picture.isNull() : kindKnown_;
        if (drawn)
            out_.push_back(object_);
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
    bool inText_ = false;
    bool inRunProperties_ = false;
    TextRun run_;

    std::vector<GroupLevel> groups_; // the groups the reader is in, outermost first
    DrawingObject anchorObject_;     // the anchor of the group being read
    Xfrm xfrm_;
    QRectF memberPlace_{0, 0, 1, 1}; // the group member's place within the anchor's box
    int memberDepth_ = 0;            // depth of the group member being read; 0: none
    bool inGroupProperties_ = false;
    bool inXfrm_ = false;
    bool grouped_ = false; // the anchor holds a group: its members were kept one by one
};

} // namespace

std::vector<DrawingObject> readDrawings(const sheet::SheetExtras& extras)
{
    std::vector<DrawingObject> objects;
    for (const sheet::CarriedRel& rel : extras.rels)
        if (rel.part && endsWith(rel.type, kDrawingType))
            DrawingReader(*rel.part, objects).read();
    return objects;
}

} // namespace mirevo::render
