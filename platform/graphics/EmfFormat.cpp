#include "platform/graphics/EmfFormat.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>

namespace platform::metafile {

namespace {

enum : quint32 {
    EMR_HEADER = 1,
    EMR_POLYGON = 3,
    EMR_POLYLINE = 4,
    EMR_EOF = 14,
    EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18,
    EMR_SETPOLYFILLMODE = 19,
    EMR_SETTEXTALIGN = 22,
    EMR_SETTEXTCOLOR = 24,
    EMR_INTERSECTCLIPRECT = 30,
    EMR_SAVEDC = 33,
    EMR_RESTOREDC = 34,
    EMR_SELECTOBJECT = 37,
    EMR_CREATEPEN = 38,
    EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40,
    EMR_ELLIPSE = 42,
    EMR_RECTANGLE = 43,
    EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84,
    EMR_EXTCREATEPEN = 95,
    EMR_POLYGON16 = 86,
    EMR_POLYLINE16 = 87,
};
constexpr quint32 kSignature = 0x464D4520; // " EMF"
constexpr quint32 kStockObject = 0x80000000;
constexpr quint32 kGeometric = 0x10000, kFlatEnds = 0x200, kMiterJoins = 0x2000;
// The reference device: 96 pixels per inch.
constexpr int kDeviceMm = 254, kDevicePx = 960;

class EmfWriter {
public:
    explicit EmfWriter(QSize Frame) : frame_(Frame) {}

    QByteArray Finish(const std::vector<MetaShape>& Shapes) {
        Record(EMR_SETBKMODE, {TRANSPARENT});
        Record(EMR_SETTEXTALIGN, {TA_BASELINE});
        for (const MetaShape& s : Shapes)
            Write(s);
        if (clipped_) Record(EMR_RESTOREDC, {quint32(-1)});
        {
            QByteArray eof;
            PutU32(eof, 0);
            PutU32(eof, 16);
            PutU32(eof, 20);
            Raw(EMR_EOF, eof);
        }
        QByteArray header;
        const int w = std::max(1, frame_.width()), h = std::max(1, frame_.height());
        // Bounds in pixels (inclusive), frame in hundredths of a millimetre (inclusive).
        for (qint32 v : {0, 0, w - 1, h - 1})
            PutU32(header, quint32(v));
        for (qint32 v : {0, 0, int(std::lround(w * 2540.0 / 96)) - 1, int(std::lround(h * 2540.0 / 96)) - 1})
            PutU32(header, quint32(v));
        PutU32(header, kSignature);
        PutU32(header, 0x10000);
        const quint32 headerSize = 108;
        PutU32(header, quint32(headerSize + body_.size()));
        PutU32(header, quint32(records_ + 1));
        PutU16(header, quint16(std::min<int>(0xFFFF, nextHandle_)));
        PutU16(header, 0);
        PutU32(header, 0); // description
        PutU32(header, 0);
        PutU32(header, 0); // palette entries
        for (qint32 v : {kDevicePx, kDevicePx, kDeviceMm, kDeviceMm})
            PutU32(header, quint32(v));
        PutU32(header, 0); // pixel format
        PutU32(header, 0);
        PutU32(header, 0); // OpenGL
        PutU32(header, kDeviceMm * 1000);
        PutU32(header, kDeviceMm * 1000);
        QByteArray out;
        PutU32(out, EMR_HEADER);
        PutU32(out, headerSize);
        out += header;
        out += body_;
        return out;
    }

private:
    void Raw(quint32 Type, const QByteArray& Payload) {
        PutU32(body_, Type);
        PutU32(body_, quint32(8 + Payload.size()));
        body_ += Payload;
        ++records_;
    }
    void Record(quint32 Type, std::initializer_list<quint32> Values) {
        QByteArray b;
        for (quint32 v : Values)
            PutU32(b, v);
        Raw(Type, b);
    }
    static void PutRect(QByteArray& B, const QRect& R) {
        PutU32(B, quint32(R.left()));
        PutU32(B, quint32(R.top()));
        PutU32(B, quint32(R.right()));
        PutU32(B, quint32(R.bottom()));
    }

    void SelectPen(const MetaPen& P) {
        if (sel_.HavePen && sel_.Pen == P) return;
        auto it = std::find_if(pens_.begin(), pens_.end(), [&](const auto& e) { return e.first == P; });
        quint32 handle;
        if (it == pens_.end()) {
            handle = quint32(nextHandle_++);
            pens_.push_back({P, handle});
            QByteArray b;
            PutU32(b, handle);
            if (P.Width <= 1 || P.Style == PS_NULL) {
                PutU32(b, quint32(P.Style));
                PutU32(b, quint32(P.Width));
                PutU32(b, 0);
                PutU32(b, ColorRef(P.Color));
                Raw(EMR_CREATEPEN, b);
            } else {
                // A wide pen: geometric, with flat ends and mitred joins as the canvas draws.
                PutU32(b, 0); // no pattern bitmap
                PutU32(b, 0);
                PutU32(b, 0);
                PutU32(b, 0);
                PutU32(b, quint32(kGeometric | kFlatEnds | kMiterJoins | P.Style));
                PutU32(b, quint32(P.Width));
                PutU32(b, BS_SOLID);
                PutU32(b, ColorRef(P.Color));
                PutU32(b, 0);
                PutU32(b, 0);
                Raw(EMR_EXTCREATEPEN, b);
            }
        } else {
            handle = it->second;
        }
        Record(EMR_SELECTOBJECT, {handle});
        sel_.Pen = P;
        sel_.HavePen = true;
    }
    void SelectBrush(const MetaBrush& B) {
        if (sel_.HaveBrush && sel_.Brush == B) return;
        auto it = std::find_if(brushes_.begin(), brushes_.end(), [&](const auto& e) { return e.first == B; });
        quint32 handle;
        if (it == brushes_.end()) {
            handle = quint32(nextHandle_++);
            brushes_.push_back({B, handle});
            QByteArray b;
            PutU32(b, handle);
            PutU32(b, quint32(B.Style));
            PutU32(b, ColorRef(B.Color));
            PutU32(b, quint32(B.Hatch));
            Raw(EMR_CREATEBRUSHINDIRECT, b);
        } else {
            handle = it->second;
        }
        Record(EMR_SELECTOBJECT, {handle});
        sel_.Brush = B;
        sel_.HaveBrush = true;
    }
    void SelectFont(const MetaFont& F) {
        if (sel_.HaveFont && sel_.Font == F) return;
        auto it = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& e) { return e.first == F; });
        quint32 handle;
        if (it == fonts_.end()) {
            handle = quint32(nextHandle_++);
            fonts_.push_back({F, handle});
            QByteArray b;
            PutU32(b, handle);
            PutU32(b, quint32(-F.Height));
            PutU32(b, 0);
            PutU32(b, quint32(F.Escapement));
            PutU32(b, quint32(F.Escapement));
            PutU32(b, quint32(F.Weight));
            b.append(char(F.Italic));
            b.append(char(F.Underline));
            b.append(char(F.StrikeOut));
            b.append(char(1)); // default character set
            b.append(char(0));
            b.append(char(0));
            b.append(char(0));
            b.append(char(0));
            const QString face = F.Face.left(31);
            for (int i = 0; i < 32; ++i)
                PutU16(b, i < face.size() ? face[i].unicode() : 0);
            Raw(EMR_EXTCREATEFONTINDIRECTW, b);
        } else {
            handle = it->second;
        }
        Record(EMR_SELECTOBJECT, {handle});
        sel_.Font = F;
        sel_.HaveFont = true;
    }
    void FillMode(int Mode) {
        if (sel_.FillMode == Mode) return;
        sel_.FillMode = Mode;
        Record(EMR_SETPOLYFILLMODE, {quint32(Mode)});
    }
    void TextColor(QRgb C) {
        if (sel_.HaveTextColor && sel_.TextColor == C) return;
        sel_.TextColor = C;
        sel_.HaveTextColor = true;
        Record(EMR_SETTEXTCOLOR, {ColorRef(C)});
    }

    void Write(const MetaShape& S) {
        switch (S.Kind) {
        case ShapeKind::Polyline:
        case ShapeKind::Polygon: {
            SelectPen(S.Pen);
            if (S.Kind == ShapeKind::Polygon) {
                SelectBrush(S.Brush);
                FillMode(S.FillMode);
            }
            QByteArray b;
            const QRect bounds = QPolygon(S.Points).boundingRect();
            PutU32(b, quint32(bounds.left()));
            PutU32(b, quint32(bounds.top()));
            PutU32(b, quint32(bounds.right()));
            PutU32(b, quint32(bounds.bottom()));
            PutU32(b, quint32(S.Points.size()));
            for (const QPoint& p : S.Points) {
                PutU32(b, quint32(p.x()));
                PutU32(b, quint32(p.y()));
            }
            Raw(S.Kind == ShapeKind::Polygon ? EMR_POLYGON : EMR_POLYLINE, b);
            break;
        }
        case ShapeKind::Rectangle:
        case ShapeKind::Ellipse: {
            SelectPen(S.Pen);
            SelectBrush(S.Brush);
            QByteArray b;
            PutRect(b, S.Rect);
            Raw(S.Kind == ShapeKind::Rectangle ? EMR_RECTANGLE : EMR_ELLIPSE, b);
            break;
        }
        case ShapeKind::Text: {
            SelectFont(S.Font);
            TextColor(S.TextColor);
            const int n = int(S.Text.size());
            const int textBytes = ((n * 2 + 3) / 4) * 4;
            const quint32 offString = 76, offDx = offString + quint32(textBytes);
            QByteArray b;
            int width = 0;
            for (int d : S.Dx)
                width += d;
            PutU32(b, quint32(S.At.x()));
            PutU32(b, quint32(S.At.y() - S.Font.Height));
            PutU32(b, quint32(S.At.x() + width));
            PutU32(b, quint32(S.At.y() + S.Font.Height / 3));
            PutU32(b, 1); // compatible graphics mode
            PutU32(b, 0x3F800000);
            PutU32(b, 0x3F800000);
            PutU32(b, quint32(S.At.x()));
            PutU32(b, quint32(S.At.y()));
            PutU32(b, quint32(n));
            PutU32(b, offString);
            PutU32(b, 0); // options
            PutU32(b, 0);
            PutU32(b, 0);
            PutU32(b, 0);
            PutU32(b, 0);
            PutU32(b, offDx);
            for (QChar c : S.Text)
                PutU16(b, c.unicode());
            while (b.size() < int(offDx) - 8)
                b.append('\0');
            for (int i = 0; i < n; ++i)
                PutU32(b, quint32(i < S.Dx.size() ? S.Dx[i] : 0));
            Raw(EMR_EXTTEXTOUTW, b);
            break;
        }
        case ShapeKind::Bitmap: {
            const QByteArray dib = WriteDib(S.Image);
            QByteArray b;
            PutRect(b, S.Rect);
            PutU32(b, quint32(S.Rect.left()));
            PutU32(b, quint32(S.Rect.top()));
            PutU32(b, 0);
            PutU32(b, 0);
            PutU32(b, quint32(S.Image.width()));
            PutU32(b, quint32(S.Image.height()));
            const quint32 offBmi = 80;
            PutU32(b, offBmi);
            PutU32(b, 40);
            PutU32(b, offBmi + 40);
            PutU32(b, quint32(dib.size() - 40));
            PutU32(b, 0);          // colours as RGB
            PutU32(b, 0x00CC0020); // copy
            PutU32(b, quint32(S.Rect.right() - S.Rect.left()));
            PutU32(b, quint32(S.Rect.bottom() - S.Rect.top()));
            b += dib;
            Raw(EMR_STRETCHDIBITS, b);
            break;
        }
        case ShapeKind::Clip:
            if (!clipped_) {
                Record(EMR_SAVEDC, {});
                saved_ = sel_;
            }
            clipped_ = true;
            {
                QByteArray b;
                PutRect(b, S.Rect);
                Raw(EMR_INTERSECTCLIPRECT, b);
            }
            break;
        case ShapeKind::Unclip:
            if (clipped_) {
                Record(EMR_RESTOREDC, {quint32(-1)});
                clipped_ = false;
                // The saved state comes back: what was selected when the clip began.
                sel_ = saved_;
            }
            break;
        }
    }

    QSize frame_;
    QByteArray body_;
    int records_ = 1;
    int nextHandle_ = 1;
    std::vector<std::pair<MetaPen, quint32>> pens_;
    std::vector<std::pair<MetaBrush, quint32>> brushes_;
    std::vector<std::pair<MetaFont, quint32>> fonts_;
    MetaSelection sel_;
    bool clipped_ = false;
    MetaSelection saved_;
};

} // namespace

bool IsEmf(const QByteArray& Data) {
    ByteReader r(Data);
    return Data.size() >= 88 && r.U32(0) == EMR_HEADER && r.U32(40) == kSignature;
}

QByteArray WriteEmf(const std::vector<MetaShape>& Shapes, QSize Frame) {
    EmfWriter writer(Frame);
    return writer.Finish(Shapes);
}

bool ReadEmf(const QByteArray& Data, QPicture& Picture, QSize& Frame) {
    if (!IsEmf(Data)) return false;
    ByteReader r(Data);
    const quint32 headerSize = r.U32(4);
    if (headerSize < 88 || headerSize > quint32(Data.size())) return false;
    // The picture's frame (hundredths of a millimetre) through the reference device.
    const qint32 fl = r.I32(24), ft = r.I32(28), fr = r.I32(32), fb = r.I32(36);
    const qint32 devX = r.I32(72), devY = r.I32(76), mmX = r.I32(80), mmY = r.I32(84);
    const qint32 bl = r.I32(8), bt = r.I32(12), br = r.I32(16), bb = r.I32(20);
    double pxPerMmX = devX > 0 && mmX > 0 ? double(devX) / mmX : 96 / 25.4;
    double pxPerMmY = devY > 0 && mmY > 0 ? double(devY) / mmY : 96 / 25.4;
    QRectF frame;
    if (fr > fl && fb > ft)
        frame = QRectF(fl * pxPerMmX / 100, ft * pxPerMmY / 100, (double(fr) - fl) * pxPerMmX / 100,
                       (double(fb) - ft) * pxPerMmY / 100);
    else
        frame = QRectF(bl, bt, double(br) - bl + 1, double(bb) - bt + 1);
    const int w = int(std::lround(frame.width())), h = int(std::lround(frame.height()));
    if (w <= 0 || h <= 0 || w > 30000 || h > 30000) return false;
    Frame = QSize(w, h);

    QPainter painter(&Picture);
    painter.translate(-frame.left(), -frame.top());
    ShapePlayer player(&painter);
    std::map<quint32, MetaObject> objects;
    QPointF windowOrg(0, 0), viewportOrg(0, 0);
    bool ended = false;
    const auto point = [&](qint64 at) { return QPointF(r.I32(at), r.I32(at + 4)); };
    const auto rect = [&](qint64 at) {
        return QRectF(QPointF(r.I32(at), r.I32(at + 4)), QPointF(r.I32(at + 8), r.I32(at + 12)));
    };
    qint64 at = headerSize;
    int count = 0;
    while (!ended && at + 8 <= Data.size()) {
        const quint32 type = r.U32(at), size = r.U32(at + 4);
        if (size < 8 || size % 4 != 0 || qint64(size) > Data.size() - at) return false;
        if (++count > 10000000) return false;
        const qint64 p = at + 8, end = at + size;
        const auto need = [&](qint64 bytes) { return p + bytes <= end; };
        switch (type) {
        case EMR_EOF:
            ended = true;
            break;
        case EMR_SETBKMODE:
            if (need(4)) player.SetBkMode(r.I32(p));
            break;
        case EMR_SETTEXTALIGN:
            if (need(4)) player.SetTextAlign(r.I32(p));
            break;
        case EMR_SETPOLYFILLMODE:
            if (need(4)) player.SetFillMode(r.I32(p));
            break;
        case EMR_SETTEXTCOLOR:
            if (need(4)) player.SetTextColor(FromColorRef(r.U32(p)));
            break;
        case EMR_SAVEDC:
            player.Save();
            break;
        case EMR_RESTOREDC:
            player.Restore();
            break;
        case EMR_INTERSECTCLIPRECT:
            if (need(16)) player.IntersectClip(rect(p).translated(-windowOrg + viewportOrg));
            break;
        case EMR_CREATEPEN:
            if (need(20)) {
                MetaObject o;
                o.Kind = MetaObject::Pen;
                o.P.Style = r.I32(p + 4) & 0xF;
                o.P.Width = std::clamp(r.I32(p + 8), 0, 1000);
                o.P.Color = FromColorRef(r.U32(p + 16));
                objects[r.U32(p)] = o;
            }
            break;
        case EMR_EXTCREATEPEN:
            if (need(44)) {
                MetaObject o;
                o.Kind = MetaObject::Pen;
                o.P.Style = r.I32(p + 20) & 0xF;
                o.P.Width = std::clamp(r.I32(p + 24), 0, 1000);
                o.P.Color = FromColorRef(r.U32(p + 32));
                if (r.U32(p + 28) == BS_NULL) o.P.Style = PS_NULL;
                objects[r.U32(p)] = o;
            }
            break;
        case EMR_CREATEBRUSHINDIRECT:
            if (need(16)) {
                MetaObject o;
                o.Kind = MetaObject::Brush;
                o.B.Style = r.I32(p + 4);
                o.B.Color = FromColorRef(r.U32(p + 8));
                o.B.Hatch = r.I32(p + 12);
                objects[r.U32(p)] = o;
            }
            break;
        case EMR_EXTCREATEFONTINDIRECTW:
            if (need(4 + 92)) {
                MetaObject o;
                o.Kind = MetaObject::Font;
                o.F.Height = std::clamp(std::abs(r.I32(p + 4)), 1, 5000);
                o.F.Escapement = r.I32(p + 12) % 3600;
                o.F.Weight = r.I32(p + 20);
                o.F.Italic = *r.Bytes(p + 24) != 0;
                o.F.Underline = *r.Bytes(p + 25) != 0;
                o.F.StrikeOut = *r.Bytes(p + 26) != 0;
                QString face;
                for (int i = 0; i < 32; ++i) {
                    const quint16 c = r.U16(p + 32 + 2 * i);
                    if (!c) break;
                    face += QChar(c);
                }
                o.F.Face = face;
                objects[r.U32(p)] = o;
            }
            break;
        case EMR_SELECTOBJECT:
            if (need(4)) {
                const quint32 h = r.U32(p);
                if (h & kStockObject) {
                    const quint32 stock = h & 0x7FFFFFFF;
                    if (stock <= 4)
                        player.SetBrush({BS_SOLID,
                                         qRgb(255 - int(stock) * 255 / 4, 255 - int(stock) * 255 / 4,
                                              255 - int(stock) * 255 / 4),
                                         0});
                    if (stock == 5) player.SetBrush({BS_NULL, 0, 0});
                    if (stock == 6) player.SetPen({PS_SOLID, 1, qRgb(255, 255, 255)});
                    if (stock == 7) player.SetPen({PS_SOLID, 1, 0});
                    if (stock == 8) player.SetPen({PS_NULL, 1, 0});
                } else if (auto it = objects.find(h); it != objects.end()) {
                    if (it->second.Kind == MetaObject::Pen) player.SetPen(it->second.P);
                    if (it->second.Kind == MetaObject::Brush) player.SetBrush(it->second.B);
                    if (it->second.Kind == MetaObject::Font) player.SetFont(it->second.F);
                }
            }
            break;
        case EMR_DELETEOBJECT:
            if (need(4)) objects.erase(r.U32(p));
            break;
        case EMR_POLYGON:
        case EMR_POLYLINE:
        case EMR_POLYGON16:
        case EMR_POLYLINE16:
            if (need(20)) {
                const quint32 n = r.U32(p + 16);
                const bool small = type == EMR_POLYGON16 || type == EMR_POLYLINE16;
                const qint64 each = small ? 4 : 8;
                if (n > 10000000 || !need(20 + qint64(n) * each)) return false;
                QVector<QPointF> pts;
                pts.reserve(int(n));
                for (quint32 i = 0; i < n; ++i) {
                    const qint64 q = p + 20 + qint64(i) * each;
                    pts << (small ? QPointF(r.I16(q), r.I16(q + 2)) : point(q));
                }
                if (type == EMR_POLYGON || type == EMR_POLYGON16)
                    player.Polygon(pts);
                else
                    player.Polyline(pts);
            }
            break;
        case EMR_RECTANGLE:
            if (need(16)) player.Rectangle(rect(p));
            break;
        case EMR_ELLIPSE:
            if (need(16)) player.Ellipse(rect(p));
            break;
        case EMR_EXTTEXTOUTW:
            if (need(68)) {
                const QPointF ref = point(p + 28);
                const quint32 n = r.U32(p + 36), offString = r.U32(p + 40), offDx = r.U32(p + 64);
                if (n > 32767 || !r.Has(at + offString, qint64(n) * 2) ||
                    at + offString + qint64(n) * 2 > end)
                    return false;
                QString text;
                for (quint32 i = 0; i < n; ++i)
                    text += QChar(r.U16(at + offString + 2 * i));
                QVector<qreal> dx;
                if (offDx != 0 && at + offDx + qint64(n) * 4 <= end)
                    for (quint32 i = 0; i < n; ++i)
                        dx << r.I32(at + offDx + 4 * i);
                player.Text(ref, text, dx, 1.0);
            }
            break;
        case EMR_STRETCHDIBITS:
            if (need(72)) {
                const QRectF dest(r.I32(p + 16), r.I32(p + 20), r.I32(p + 64), r.I32(p + 68));
                const quint32 offBmi = r.U32(p + 40), cbBmi = r.U32(p + 44), offBits = r.U32(p + 48),
                              cbBits = r.U32(p + 52);
                if (offBmi < 8 || qint64(offBmi) + cbBmi > size || qint64(offBits) + cbBits > size)
                    return false;
                // The header and the bits are read as one bitmap when they follow each other.
                if (offBits == offBmi + cbBmi || cbBmi >= 40) {
                    QByteArray dib = Data.mid(at + offBmi, cbBmi);
                    dib += Data.mid(at + offBits, cbBits);
                    player.Bitmap(dest, ReadDib(reinterpret_cast<const uchar*>(dib.constData()), dib.size()));
                }
            }
            break;
        default:
            // Records that change nothing of what is drawn here are passed over.
            break;
        }
        if (r.Failed()) return false;
        at = end;
    }
    painter.end();
    return ended;
}

} // namespace platform::metafile
