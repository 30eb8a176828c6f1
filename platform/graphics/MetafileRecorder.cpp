#include "platform/graphics/MetafileRecorder.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform::metafile {

namespace {

constexpr int kDpi = 96;

// Takes every drawing call apart into shapes in device pixels.
class ShapeEngine : public QPaintEngine {
public:
    explicit ShapeEngine(std::vector<MetaShape>& Out) : QPaintEngine(AllFeatures), out_(Out) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& S) override {
        const QPaintEngine::DirtyFlags f = S.state();
        if (f & DirtyPen) pen_ = S.pen();
        if (f & DirtyBrush) brush_ = S.brush();
        if (f & DirtyFont) font_ = S.font();
        if (f & DirtyTransform) transform_ = S.transform();
        if (f & (DirtyClipEnabled | DirtyClipRegion | DirtyClipPath)) UpdateClip(S);
    }

    void drawRects(const QRectF* Rects, int Count) override {
        for (int i = 0; i < Count; ++i) {
            if (transform_.type() <= QTransform::TxScale) {
                MetaShape s = Shape(ShapeKind::Rectangle);
                s.Rect = Box(Rects[i]);
                out_.push_back(s);
            } else {
                AddPolygon(transform_.map(QPolygonF(Rects[i])), true, Qt::OddEvenFill);
            }
        }
    }
    void drawEllipse(const QRectF& R) override {
        if (transform_.type() <= QTransform::TxScale) {
            MetaShape s = Shape(ShapeKind::Ellipse);
            s.Rect = Box(R);
            out_.push_back(s);
        } else {
            QPainterPath p;
            p.addEllipse(R);
            drawPath(p);
        }
    }
    void drawLines(const QLineF* Lines, int Count) override {
        for (int i = 0; i < Count; ++i) {
            QPolygonF poly;
            poly << Lines[i].p1() << Lines[i].p2();
            AddPolygon(transform_.map(poly), false, Qt::OddEvenFill);
        }
    }
    void drawPolygon(const QPointF* Points, int Count, PolygonDrawMode Mode) override {
        QPolygonF poly;
        for (int i = 0; i < Count; ++i)
            poly << Points[i];
        poly = transform_.map(poly);
        if (Mode == PolylineMode)
            AddPolygon(poly, false, Qt::OddEvenFill);
        else
            AddPolygon(poly, true, Mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    void drawPath(const QPainterPath& Path) override {
        // Each closed part is a polygon; open parts only have an outline.
        const QList<QPolygonF> parts = Path.toSubpathPolygons(transform_);
        for (const QPolygonF& part : parts) {
            const bool closed = part.size() > 2 && part.isClosed();
            AddPolygon(part, closed || brush_.style() != Qt::NoBrush, Path.fillRule());
        }
    }
    void drawPoints(const QPointF* Points, int Count) override {
        for (int i = 0; i < Count; ++i) {
            QPolygonF poly;
            poly << Points[i] << Points[i] + QPointF(1, 0);
            AddPolygon(transform_.map(poly), false, Qt::OddEvenFill);
        }
    }
    void drawTextItem(const QPointF& P, const QTextItem& Item) override {
        const QString text = Item.text();
        if (text.isEmpty()) return;
        MetaShape s = Shape(ShapeKind::Text);
        s.At = transform_.map(P).toPoint();
        const QFont f = Item.font();
        const qreal scale = std::sqrt(std::abs(transform_.determinant()));
        const qreal px = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * kDpi / 72.0;
        s.Font.Height = std::max(1, int(std::lround(px * scale)));
        s.Font.Weight = int(f.weight());
        s.Font.Italic = f.italic();
        s.Font.Underline = f.underline();
        s.Font.StrikeOut = f.strikeOut();
        s.Font.Face = f.family();
        const qreal angle = std::atan2(-transform_.m12(), transform_.m11()) * 1800.0 / M_PI;
        s.Font.Escapement = int(std::lround(angle));
        s.TextColor = pen_.color().rgb();
        s.Text = text;
        QFont sized = f;
        sized.setPixelSize(s.Font.Height);
        const QFontMetricsF m(sized);
        for (const QChar c : text)
            s.Dx << int(std::lround(m.horizontalAdvance(c)));
        out_.push_back(s);
    }
    void drawPixmap(const QRectF& R, const QPixmap& Pm, const QRectF& Sr) override {
        drawImage(R, Pm.toImage(), Sr, Qt::AutoColor);
    }
    void drawImage(const QRectF& R, const QImage& Image, const QRectF& Sr,
                   Qt::ImageConversionFlags) override {
        MetaShape s = Shape(ShapeKind::Bitmap);
        s.Image = Image.copy(Sr.toAlignedRect());
        s.Rect = Box(R);
        if (!s.Image.isNull() && s.Rect.right() > s.Rect.left() && s.Rect.bottom() > s.Rect.top())
            out_.push_back(s);
    }
    void drawTiledPixmap(const QRectF& R, const QPixmap& Pm, const QPointF& Offset) override {
        QImage tiled(R.size().toSize(), QImage::Format_ARGB32_Premultiplied);
        tiled.fill(Qt::transparent);
        QPainter p(&tiled);
        p.drawTiledPixmap(QRectF(QPointF(0, 0), R.size()), Pm, Offset);
        p.end();
        drawImage(R, tiled, QRectF(tiled.rect()), Qt::AutoColor);
    }

private:
    MetaShape Shape(ShapeKind Kind) const {
        MetaShape s;
        s.Kind = Kind;
        s.Pen = Pen();
        s.Brush = Brush();
        return s;
    }
    QRect Box(const QRectF& R) const {
        const QRectF m = transform_.mapRect(R);
        const QPoint tl(int(std::lround(m.left())), int(std::lround(m.top())));
        const QPoint br(int(std::lround(m.right())), int(std::lround(m.bottom())));
        // Held as the formats' left, top, right, bottom (right and bottom left out).
        QRect r;
        r.setCoords(tl.x(), tl.y(), br.x(), br.y());
        return r;
    }
    MetaPen Pen() const {
        MetaPen p;
        p.Color = pen_.color().rgb();
        p.Width = std::max(
            1, int(std::lround(pen_.widthF() *
                               (pen_.isCosmetic() ? 1.0 : std::sqrt(std::abs(transform_.determinant()))))));
        switch (pen_.style()) {
        case Qt::NoPen:
            p.Style = PS_NULL;
            break;
        case Qt::DashLine:
            p.Style = PS_DASH;
            break;
        case Qt::DotLine:
            p.Style = PS_DOT;
            break;
        case Qt::DashDotLine:
            p.Style = PS_DASHDOT;
            break;
        case Qt::DashDotDotLine:
            p.Style = PS_DASHDOTDOT;
            break;
        default:
            p.Style = PS_SOLID;
            break;
        }
        if (pen_.brush().style() == Qt::NoBrush) p.Style = PS_NULL;
        return p;
    }
    MetaBrush Brush() const {
        MetaBrush b;
        switch (brush_.style()) {
        case Qt::NoBrush:
            b.Style = BS_NULL;
            break;
        case Qt::LinearGradientPattern:
        case Qt::RadialGradientPattern:
        case Qt::ConicalGradientPattern:
            // A gradient becomes its middle colour.
            if (const QGradient* g = brush_.gradient(); g && !g->stops().isEmpty()) {
                const QColor a = g->stops().first().second, z = g->stops().last().second;
                b.Color =
                    qRgb((a.red() + z.red()) / 2, (a.green() + z.green()) / 2, (a.blue() + z.blue()) / 2);
            }
            break;
        case Qt::HorPattern:
        case Qt::VerPattern:
        case Qt::FDiagPattern:
        case Qt::BDiagPattern:
        case Qt::CrossPattern:
        case Qt::DiagCrossPattern: {
            b.Style = BS_HATCHED;
            b.Color = brush_.color().rgb();
            static const int hatch[] = {0, 1, 3, 2, 4, 5};
            b.Hatch = hatch[brush_.style() - Qt::HorPattern];
            break;
        }
        default:
            b.Color = brush_.color().rgb();
            if (brush_.color().alpha() == 0) b.Style = BS_NULL;
            break;
        }
        return b;
    }
    void AddPolygon(const QPolygonF& Poly, bool Filled, Qt::FillRule Rule) {
        if (Poly.size() < 2) return;
        MetaShape s = Shape(Filled ? ShapeKind::Polygon : ShapeKind::Polyline);
        if (!Filled) s.Brush.Style = BS_NULL;
        s.FillMode = Rule == Qt::WindingFill ? WINDING : ALTERNATE;
        for (const QPointF& p : Poly)
            s.Points << p.toPoint();
        if (Filled && s.Points.size() > 1 && s.Points.first() == s.Points.last()) s.Points.removeLast();
        out_.push_back(s);
    }
    void UpdateClip(const QPaintEngineState& S) {
        // Only a rectangle is kept: the bounds of the clip region or path.
        MetaShape reset;
        reset.Kind = ShapeKind::Unclip;
        out_.push_back(reset);
        const bool enabled = (S.state() & DirtyClipEnabled) ? S.isClipEnabled() : painter()->hasClipping();
        if (!enabled || S.clipOperation() == Qt::NoClip) return;
        QRectF r;
        if (S.state() & DirtyClipPath)
            r = S.clipPath().boundingRect();
        else if (S.state() & DirtyClipRegion)
            r = S.clipRegion().boundingRect();
        else
            return;
        MetaShape s;
        s.Kind = ShapeKind::Clip;
        s.Rect = Box(r);
        out_.push_back(s);
    }

    std::vector<MetaShape>& out_;
    QPen pen_;
    QBrush brush_;
    QFont font_;
    QTransform transform_;
};

class ShapeDevice : public QPaintDevice {
public:
    ShapeDevice(std::vector<MetaShape>& Out, QSize Size) : engine_(Out), size_(Size) {}
    ~ShapeDevice() override = default;
    QPaintEngine* paintEngine() const override { return const_cast<ShapeEngine*>(&engine_); }

protected:
    int metric(PaintDeviceMetric M) const override {
        switch (M) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return size_.width() * 254 / (kDpi * 10);
        case PdmHeightMM:
            return size_.height() * 254 / (kDpi * 10);
        case PdmNumColors:
            return 0x7FFFFFFF;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDpi;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    ShapeEngine engine_;
    QSize size_;
};

} // namespace

std::vector<MetaShape> MetafileShapes(const QPicture& Picture, QSize Frame) {
    std::vector<MetaShape> out;
    ShapeDevice device(out, Frame.isEmpty() ? QSize(1, 1) : Frame);
    QPainter p(&device);
    p.drawPicture(0, 0, Picture);
    p.end();
    // Clip changes with nothing drawn between them collapse.
    std::vector<MetaShape> shapes;
    for (MetaShape& s : out) {
        if (s.Kind == ShapeKind::Unclip && !shapes.empty() &&
            (shapes.back().Kind == ShapeKind::Unclip || shapes.back().Kind == ShapeKind::Clip))
            shapes.pop_back();
        shapes.push_back(std::move(s));
    }
    while (!shapes.empty() &&
           (shapes.back().Kind == ShapeKind::Unclip || shapes.back().Kind == ShapeKind::Clip))
        shapes.pop_back();
    return shapes;
}

// ---- playing --------------------------------------------------------------------------------

void ShapePlayer::SetPen(const MetaPen& Pen) {
    pen_ = Pen;
}
void ShapePlayer::SetBrush(const MetaBrush& Brush) {
    brush_ = Brush;
}
void ShapePlayer::SetFont(const MetaFont& Font) {
    font_ = Font;
}

namespace {
QPen ToPen(const MetaPen& P) {
    if (P.Style == PS_NULL) return QPen(Qt::NoPen);
    QPen pen(QColor::fromRgb(P.Color));
    pen.setWidth(std::max(1, P.Width));
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                          Qt::DashDotDotLine};
    pen.setStyle(P.Style >= 0 && P.Style <= 4 ? styles[P.Style] : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}
QBrush ToBrush(const MetaBrush& B) {
    if (B.Style == BS_NULL) return QBrush(Qt::NoBrush);
    if (B.Style == BS_HATCHED) {
        static const Qt::BrushStyle hatch[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                               Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(QColor::fromRgb(B.Color),
                      B.Hatch >= 0 && B.Hatch <= 5 ? hatch[B.Hatch] : Qt::CrossPattern);
    }
    return QBrush(QColor::fromRgb(B.Color));
}
} // namespace

void ShapePlayer::Polyline(const QVector<QPointF>& Points) {
    painter_->setPen(ToPen(pen_));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPolyline(Points.constData(), int(Points.size()));
}

void ShapePlayer::Polygon(const QVector<QPointF>& Points) {
    painter_->setPen(ToPen(pen_));
    painter_->setBrush(ToBrush(brush_));
    painter_->drawPolygon(Points.constData(), int(Points.size()),
                          fillMode_ == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
}

void ShapePlayer::Rectangle(const QRectF& R) {
    painter_->setPen(ToPen(pen_));
    painter_->setBrush(ToBrush(brush_));
    // The outline runs on the rectangle's inner edge pixels.
    const qreal inset = pen_.Style == PS_NULL ? 0 : 0.5;
    painter_->drawRect(R.adjusted(inset, inset, -inset, -inset));
}

void ShapePlayer::Ellipse(const QRectF& R) {
    painter_->setPen(ToPen(pen_));
    painter_->setBrush(ToBrush(brush_));
    painter_->drawEllipse(R.adjusted(0.5, 0.5, -0.5, -0.5));
}

void ShapePlayer::Text(QPointF At, const QString& Text, const QVector<qreal>& Dx, qreal Scale) {
    QFont f(font_.Face);
    f.setPixelSize(std::max(1, int(std::lround(std::abs(font_.Height) * Scale))));
    f.setWeight(QFont::Weight(std::clamp(font_.Weight, 100, 900)));
    f.setItalic(font_.Italic);
    f.setUnderline(font_.Underline);
    f.setStrikeOut(font_.StrikeOut);
    painter_->save();
    painter_->setFont(f);
    painter_->setPen(QColor::fromRgb(textColor_));
    painter_->translate(At);
    if (font_.Escapement != 0) painter_->rotate(-font_.Escapement / 10.0);
    const QFontMetricsF m(f);
    // The reference point is the baseline unless the alignment says top (0) or bottom (8).
    qreal y = 0;
    if ((textAlign_ & TA_BASELINE) == TA_BASELINE)
        y = 0;
    else if (textAlign_ & 8)
        y = -m.descent();
    else
        y = m.ascent();
    if (Dx.size() == Text.size()) {
        qreal x = 0;
        for (int i = 0; i < Text.size(); ++i) {
            painter_->drawText(QPointF(x, y), QString(Text[i]));
            x += Dx[i];
        }
    } else {
        painter_->drawText(QPointF(0, y), Text);
    }
    painter_->restore();
}

void ShapePlayer::Bitmap(const QRectF& Dest, const QImage& Image) {
    if (Image.isNull()) return;
    painter_->drawImage(Dest, Image);
}

void ShapePlayer::IntersectClip(const QRectF& R) {
    painter_->setClipRect(R, painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void ShapePlayer::Save() {
    if (saved_.size() > 1000) return;
    saved_.push_back({pen_, brush_, font_, textColor_, textAlign_, bkMode_, fillMode_});
    painter_->save();
}

void ShapePlayer::Restore() {
    if (saved_.empty()) return;
    const State& s = saved_.back();
    pen_ = s.pen;
    brush_ = s.brush;
    font_ = s.font;
    textColor_ = s.textColor;
    textAlign_ = s.textAlign;
    bkMode_ = s.bkMode;
    fillMode_ = s.fillMode;
    saved_.pop_back();
    painter_->restore();
}

// ---- bitmaps --------------------------------------------------------------------------------

QImage ReadDib(const uchar* D, qint64 Size) {
    const auto u32 = [&](qint64 at) {
        return quint32(D[at]) | (quint32(D[at + 1]) << 8) | (quint32(D[at + 2]) << 16) |
               (quint32(D[at + 3]) << 24);
    };
    const auto u16 = [&](qint64 at) { return quint16(D[at] | (D[at + 1] << 8)); };
    if (!D || Size < 40) return QImage();
    const quint32 headerSize = u32(0);
    if (headerSize < 40 || headerSize > Size) return QImage();
    const qint32 width = qint32(u32(4)), rawHeight = qint32(u32(8));
    const int bits = u16(14);
    const quint32 compression = u32(16);
    quint32 used = u32(32);
    if (width <= 0 || width > 30000 || rawHeight == 0 || rawHeight < -30000 || rawHeight > 30000)
        return QImage();
    if (compression != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return QImage();
    const int height = std::abs(rawHeight);
    const bool bottomUp = rawHeight > 0;
    const int colors = bits <= 8 ? int(used ? std::min<quint32>(used, 1u << bits) : (1u << bits)) : 0;
    const qint64 paletteAt = headerSize;
    const qint64 bitsAt = paletteAt + qint64(colors) * 4;
    const qint64 stride = ((qint64(width) * bits + 31) / 32) * 4;
    if (bitsAt + stride * height > Size) return QImage();
    QImage img(width, height, QImage::Format_RGB32);
    if (img.isNull()) return QImage();
    for (int y = 0; y < height; ++y) {
        const uchar* row = D + bitsAt + stride * (bottomUp ? height - 1 - y : y);
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            } else if (bits == 32) {
                out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
            } else {
                int index = 0;
                if (bits == 8)
                    index = row[x];
                else if (bits == 4)
                    index = (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
                else
                    index = (row[x / 8] >> (7 - x % 8)) & 1;
                if (index >= colors) index = 0;
                const uchar* c = D + paletteAt + 4 * index;
                out[x] = qRgb(c[2], c[1], c[0]);
            }
        }
    }
    return img;
}

QByteArray WriteDib(const QImage& Image) {
    QImage src = Image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    const int stride = ((w * 24 + 31) / 32) * 4;
    QByteArray out;
    PutU32(out, 40);
    PutU32(out, quint32(w));
    PutU32(out, quint32(h));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, 0);
    PutU32(out, quint32(stride * h));
    PutU32(out, 3780);
    PutU32(out, 3780);
    PutU32(out, 0);
    PutU32(out, 0);
    const qsizetype header = out.size();
    out.resize(header + qsizetype(stride) * h, '\0');
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* row = reinterpret_cast<uchar*>(out.data()) + header + qsizetype(stride) * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = in[x];
            const int a = qAlpha(c);
            // Transparent parts show white, as on paper.
            row[3 * x] = uchar((qBlue(c) * a + 255 * (255 - a)) / 255);
            row[3 * x + 1] = uchar((qGreen(c) * a + 255 * (255 - a)) / 255);
            row[3 * x + 2] = uchar((qRed(c) * a + 255 * (255 - a)) / 255);
        }
    }
    return out;
}

// ---- reading bytes --------------------------------------------------------------------------

quint32 ByteReader::U32(qint64 At) {
    if (!Has(At, 4)) {
        failed_ = true;
        return 0;
    }
    const uchar* p = Bytes(At);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

quint16 ByteReader::U16(qint64 At) {
    if (!Has(At, 2)) {
        failed_ = true;
        return 0;
    }
    const uchar* p = Bytes(At);
    return quint16(p[0] | (p[1] << 8));
}

float ByteReader::F32(qint64 At) {
    const quint32 v = U32(At);
    float f;
    std::memcpy(&f, &v, 4);
    return f;
}

} // namespace platform::metafile
