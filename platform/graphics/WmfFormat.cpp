#include "platform/graphics/WmfFormat.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform::metafile {

namespace {

enum : quint16 {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETPOLYFILLMODE = 0x0106,
    META_RESTOREDC = 0x0127,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DELETEOBJECT = 0x01F0,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_EXTTEXTOUT = 0x0A32,
    META_STRETCHDIB = 0x0F43,
};
constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kInch = 96;

qint16 Clamp16(int V) {
    return qint16(std::clamp(V, -32768, 32767));
}

class WmfWriter {
public:
    QByteArray Finish(const std::vector<MetaShape>& Shapes, QSize Frame) {
        const int w = std::max(1, Frame.width()), h = std::max(1, Frame.height());
        Record(META_SETWINDOWORG, {0, 0});
        Record(META_SETWINDOWEXT, {Clamp16(h), Clamp16(w)});
        Record(META_SETTEXTALIGN, {TA_BASELINE});
        for (const MetaShape& s : Shapes)
            Write(s);
        if (clipped_) Record(META_RESTOREDC, {-1});
        Record(META_EOF, {});
        QByteArray out;
        PutU32(out, kPlaceableKey);
        PutU16(out, 0);
        for (int v : {0, 0, w, h})
            PutU16(out, quint16(Clamp16(v)));
        PutU16(out, kInch);
        PutU32(out, 0);
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= quint16(uchar(out[2 * i]) | (uchar(out[2 * i + 1]) << 8));
        PutU16(out, sum);
        PutU16(out, 1);      // in memory
        PutU16(out, 9);      // header words
        PutU16(out, 0x0300); // version
        PutU32(out, quint32(9 + body_.size() / 2));
        PutU16(out, quint16(std::min(0xFFFF, objects_)));
        PutU32(out, maxRecord_);
        PutU16(out, 0);
        out += body_;
        return out;
    }

private:
    void Raw(quint16 Function, const QByteArray& Params) {
        QByteArray p = Params;
        if (p.size() % 2) p.append('\0');
        const quint32 words = quint32(3 + p.size() / 2);
        PutU32(body_, words);
        PutU16(body_, Function);
        body_ += p;
        maxRecord_ = std::max(maxRecord_, words);
    }
    void Record(quint16 Function, std::initializer_list<int> Words) {
        QByteArray b;
        for (int v : Words)
            PutU16(b, quint16(Clamp16(v)));
        Raw(Function, b);
    }
    // Objects are never deleted, so each takes the next index of the table.
    template <class T> int Find(std::vector<std::pair<T, int>>& Table, const T& Value, bool& Created) {
        auto it = std::find_if(Table.begin(), Table.end(), [&](const auto& e) { return e.first == Value; });
        Created = it == Table.end();
        if (!Created) return it->second;
        Table.push_back({Value, objects_++});
        return Table.back().second;
    }
    void SelectPen(const MetaPen& P) {
        if (sel_.HavePen && sel_.Pen == P) return;
        bool created = false;
        const int index = Find(pens_, P, created);
        if (created) {
            QByteArray b;
            PutU16(b, quint16(P.Style));
            PutU16(b, quint16(Clamp16(P.Width)));
            PutU16(b, 0);
            PutU32(b, ColorRef(P.Color));
            Raw(META_CREATEPENINDIRECT, b);
        }
        Record(META_SELECTOBJECT, {index});
        sel_.Pen = P;
        sel_.HavePen = true;
    }
    void SelectBrush(const MetaBrush& B) {
        if (sel_.HaveBrush && sel_.Brush == B) return;
        bool created = false;
        const int index = Find(brushes_, B, created);
        if (created) {
            QByteArray b;
            PutU16(b, quint16(B.Style));
            PutU32(b, ColorRef(B.Color));
            PutU16(b, quint16(B.Hatch));
            Raw(META_CREATEBRUSHINDIRECT, b);
        }
        Record(META_SELECTOBJECT, {index});
        sel_.Brush = B;
        sel_.HaveBrush = true;
    }
    void SelectFont(const MetaFont& F) {
        if (sel_.HaveFont && sel_.Font == F) return;
        bool created = false;
        const int index = Find(fonts_, F, created);
        if (created) {
            QByteArray b;
            PutU16(b, quint16(Clamp16(-F.Height)));
            PutU16(b, 0);
            PutU16(b, quint16(Clamp16(F.Escapement)));
            PutU16(b, quint16(Clamp16(F.Escapement)));
            PutU16(b, quint16(Clamp16(F.Weight)));
            b.append(char(F.Italic));
            b.append(char(F.Underline));
            b.append(char(F.StrikeOut));
            b.append(char(0)); // ANSI character set
            b.append(char(0));
            b.append(char(0));
            b.append(char(0));
            b.append(char(0));
            QByteArray face = F.Face.toLatin1().left(31);
            face.resize(32, '\0');
            b += face;
            Raw(META_CREATEFONTINDIRECT, b);
        }
        Record(META_SELECTOBJECT, {index});
        sel_.Font = F;
        sel_.HaveFont = true;
    }
    // Text goes on a transparent background; shapes are drawn with an opaque one, which
    // readers take as fully opaque fills (some draw fills half transparent otherwise).
    void BkMode(int Mode) {
        if (bkMode_ == Mode) return;
        bkMode_ = Mode;
        Record(META_SETBKMODE, {Mode});
    }
    void PutPoints(QByteArray& B, const QVector<QPoint>& Points) {
        PutU16(B, quint16(Points.size()));
        for (const QPoint& p : Points) {
            PutU16(B, quint16(Clamp16(p.x())));
            PutU16(B, quint16(Clamp16(p.y())));
        }
    }
    void Write(const MetaShape& S) {
        if (S.Kind != ShapeKind::Clip && S.Kind != ShapeKind::Unclip)
            BkMode(S.Kind == ShapeKind::Text ? TRANSPARENT : OPAQUE);
        switch (S.Kind) {
        case ShapeKind::Polyline:
        case ShapeKind::Polygon: {
            SelectPen(S.Pen);
            if (S.Kind == ShapeKind::Polygon) {
                SelectBrush(S.Brush);
                if (sel_.FillMode != S.FillMode) Record(META_SETPOLYFILLMODE, {S.FillMode});
                sel_.FillMode = S.FillMode;
            }
            // A record holds at most 32767 points: longer lines go in pieces.
            for (qsizetype from = 0; from < S.Points.size(); from += 32000) {
                QByteArray b;
                PutPoints(b, S.Points.mid(from, 32001));
                Raw(S.Kind == ShapeKind::Polygon ? META_POLYGON : META_POLYLINE, b);
                if (S.Kind == ShapeKind::Polygon) break;
            }
            break;
        }
        case ShapeKind::Rectangle:
        case ShapeKind::Ellipse:
            SelectPen(S.Pen);
            SelectBrush(S.Brush);
            Record(S.Kind == ShapeKind::Rectangle ? META_RECTANGLE : META_ELLIPSE,
                   {S.Rect.bottom(), S.Rect.right(), S.Rect.top(), S.Rect.left()});
            break;
        case ShapeKind::Text: {
            SelectFont(S.Font);
            if (!sel_.HaveTextColor || sel_.TextColor != S.TextColor) {
                QByteArray b;
                PutU32(b, ColorRef(S.TextColor));
                Raw(META_SETTEXTCOLOR, b);
                sel_.TextColor = S.TextColor;
                sel_.HaveTextColor = true;
            }
            const QString text = S.Text.left(8000);
            QByteArray chars;
            for (QChar c : text)
                chars.append(c.unicode() < 256 ? char(c.unicode()) : '?');
            QByteArray b;
            PutU16(b, quint16(Clamp16(S.At.y())));
            PutU16(b, quint16(Clamp16(S.At.x())));
            PutU16(b, quint16(chars.size()));
            PutU16(b, 0); // options
            b += chars;
            if (b.size() % 2) b.append('\0');
            for (int i = 0; i < chars.size(); ++i)
                PutU16(b, quint16(Clamp16(i < S.Dx.size() ? S.Dx[i] : 0)));
            Raw(META_EXTTEXTOUT, b);
            break;
        }
        case ShapeKind::Bitmap: {
            QByteArray b;
            PutU32(b, 0x00CC0020);
            PutU16(b, 0); // colours as RGB
            PutU16(b, quint16(Clamp16(S.Image.height())));
            PutU16(b, quint16(Clamp16(S.Image.width())));
            PutU16(b, 0);
            PutU16(b, 0);
            PutU16(b, quint16(Clamp16(S.Rect.bottom() - S.Rect.top())));
            PutU16(b, quint16(Clamp16(S.Rect.right() - S.Rect.left())));
            PutU16(b, quint16(Clamp16(S.Rect.top())));
            PutU16(b, quint16(Clamp16(S.Rect.left())));
            b += WriteDib(S.Image);
            Raw(META_STRETCHDIB, b);
            break;
        }
        case ShapeKind::Clip:
            if (!clipped_) {
                Record(META_SAVEDC, {});
                saved_ = sel_;
                savedBkMode_ = bkMode_;
            }
            clipped_ = true;
            Record(META_INTERSECTCLIPRECT, {S.Rect.bottom(), S.Rect.right(), S.Rect.top(), S.Rect.left()});
            break;
        case ShapeKind::Unclip:
            if (clipped_) {
                Record(META_RESTOREDC, {-1});
                clipped_ = false;
                sel_ = saved_;
                bkMode_ = savedBkMode_;
            }
            break;
        }
    }

    QByteArray body_;
    quint32 maxRecord_ = 3;
    int objects_ = 0;
    std::vector<std::pair<MetaPen, int>> pens_;
    std::vector<std::pair<MetaBrush, int>> brushes_;
    std::vector<std::pair<MetaFont, int>> fonts_;
    MetaSelection sel_;
    bool clipped_ = false;
    int bkMode_ = 0;
    MetaSelection saved_;
    int savedBkMode_ = 0;
};

} // namespace

bool IsWmf(const QByteArray& Data) {
    ByteReader r(Data);
    return Data.size() >= 22 + 18 && r.U32(0) == kPlaceableKey;
}

QByteArray WriteWmf(const std::vector<MetaShape>& Shapes, QSize Frame) {
    WmfWriter writer;
    return writer.Finish(Shapes, Frame);
}

bool ReadWmf(const QByteArray& Data, QPicture& Picture, QSize& Frame) {
    if (!IsWmf(Data)) return false;
    ByteReader r(Data);
    const int left = r.I16(6), top = r.I16(8), right = r.I16(10), bottom = r.I16(12);
    const int inch = r.U16(14);
    if (inch <= 0 || right <= left || bottom <= top) return false;
    const double toPx = 96.0 / inch;
    const int w = int(std::lround((right - left) * toPx)), h = int(std::lround((bottom - top) * toPx));
    if (w <= 0 || h <= 0 || w > 30000 || h > 30000) return false;
    Frame = QSize(w, h);
    const qint64 headerAt = 22;
    const int headerWords = r.U16(headerAt + 2);
    if (headerWords < 9) return false;
    const quint16 tableSize = r.U16(headerAt + 10);

    QPainter painter(&Picture);
    ShapePlayer player(&painter);
    std::vector<MetaObject> table(tableSize);
    // Logical coordinates map from the window onto the bounds.
    QPointF org(left, top);
    QSizeF ext(right - left, bottom - top);
    const auto map = [&](qreal x, qreal y) {
        return QPointF((x - org.x()) * (right - left) / ext.width() * toPx,
                       (y - org.y()) * (bottom - top) / ext.height() * toPx);
    };
    const auto scale = [&] { return std::abs((bottom - top) / ext.height() * toPx); };
    // A new object takes the lowest free index; firstFree is never above it.
    size_t firstFree = 0;
    const auto addObject = [&](const MetaObject& o) {
        while (firstFree < table.size() && table[firstFree].Kind != MetaObject::None)
            ++firstFree;
        if (firstFree < table.size()) table[firstFree++] = o;
    };
    bool ended = false;
    qint64 at = headerAt + qint64(headerWords) * 2;
    int count = 0;
    while (!ended && at + 6 <= Data.size()) {
        const quint32 words = r.U32(at);
        const quint16 fn = r.U16(at + 4);
        if (words < 3 || qint64(words) * 2 > Data.size() - at) return false;
        if (++count > 10000000) return false;
        const qint64 p = at + 6, end = at + qint64(words) * 2;
        const auto need = [&](qint64 bytes) { return p + bytes <= end; };
        const auto box = [&](qint64 q) {
            // bottom, right, top, left
            return QRectF(map(r.I16(q + 6), r.I16(q + 4)), map(r.I16(q + 2), r.I16(q)));
        };
        switch (fn) {
        case META_EOF:
            ended = true;
            break;
        case META_SETWINDOWORG:
            if (need(4)) org = QPointF(r.I16(p + 2), r.I16(p));
            break;
        case META_SETWINDOWEXT:
            if (need(4) && r.I16(p) != 0 && r.I16(p + 2) != 0) ext = QSizeF(r.I16(p + 2), r.I16(p));
            break;
        case META_SETBKMODE:
            if (need(2)) player.SetBkMode(r.I16(p));
            break;
        case META_SETTEXTALIGN:
            if (need(2)) player.SetTextAlign(r.U16(p));
            break;
        case META_SETPOLYFILLMODE:
            if (need(2)) player.SetFillMode(r.I16(p));
            break;
        case META_SETTEXTCOLOR:
            if (need(4)) player.SetTextColor(FromColorRef(r.U32(p)));
            break;
        case META_SAVEDC:
            player.Save();
            break;
        case META_RESTOREDC:
            player.Restore();
            break;
        case META_INTERSECTCLIPRECT:
            if (need(8)) player.IntersectClip(box(p));
            break;
        case META_CREATEPENINDIRECT:
            if (need(10)) {
                MetaObject o;
                o.Kind = MetaObject::Pen;
                o.P.Style = r.U16(p) & 0xF;
                o.P.Width = std::clamp(int(r.I16(p + 2)), 0, 1000);
                o.P.Color = FromColorRef(r.U32(p + 6));
                addObject(o);
            }
            break;
        case META_CREATEBRUSHINDIRECT:
            if (need(8)) {
                MetaObject o;
                o.Kind = MetaObject::Brush;
                o.B.Style = r.U16(p);
                o.B.Color = FromColorRef(r.U32(p + 2));
                o.B.Hatch = r.U16(p + 6);
                addObject(o);
            }
            break;
        case META_CREATEFONTINDIRECT:
            if (need(18)) {
                MetaObject o;
                o.Kind = MetaObject::Font;
                o.F.Height = std::clamp(std::abs(int(r.I16(p))), 1, 5000);
                o.F.Escapement = r.I16(p + 4) % 3600;
                o.F.Weight = r.I16(p + 8);
                o.F.Italic = *r.Bytes(p + 10) != 0;
                o.F.Underline = *r.Bytes(p + 11) != 0;
                o.F.StrikeOut = *r.Bytes(p + 12) != 0;
                QString face;
                for (qint64 q = p + 18; q < end && q < p + 18 + 32 && *r.Bytes(q); ++q)
                    face += QChar(*r.Bytes(q));
                o.F.Face = face;
                addObject(o);
            }
            break;
        case 0x00F7: // palette
        case 0x01F9: // pattern brush
        case 0x0142: // device-independent pattern brush
        case 0x06FF: // region
            addObject({MetaObject::Other, {}, {}, {}});
            break;
        case META_SELECTOBJECT:
            if (need(2)) {
                const int i = r.U16(p);
                if (i < int(table.size())) {
                    const MetaObject& o = table[size_t(i)];
                    if (o.Kind == MetaObject::Pen) player.SetPen(o.P);
                    if (o.Kind == MetaObject::Brush) player.SetBrush(o.B);
                    if (o.Kind == MetaObject::Font) player.SetFont(o.F);
                }
            }
            break;
        case META_DELETEOBJECT:
            if (need(2) && r.U16(p) < table.size()) {
                table[r.U16(p)] = MetaObject{};
                firstFree = std::min<size_t>(firstFree, r.U16(p));
            }
            break;
        case META_POLYGON:
        case META_POLYLINE:
            if (need(2)) {
                const int n = r.I16(p);
                if (n < 0 || !need(2 + qint64(n) * 4)) return false;
                QVector<QPointF> pts;
                pts.reserve(n);
                for (int i = 0; i < n; ++i)
                    pts << map(r.I16(p + 2 + 4 * i), r.I16(p + 4 + 4 * i));
                if (fn == META_POLYGON) {
                    // Scaling moved the outline by half a pixel less than the fill: none here.
                    player.Polygon(pts);
                } else {
                    player.Polyline(pts);
                }
            }
            break;
        case META_RECTANGLE:
            if (need(8)) player.Rectangle(box(p));
            break;
        case META_ELLIPSE:
            if (need(8)) player.Ellipse(box(p));
            break;
        case META_EXTTEXTOUT:
            if (need(8)) {
                const QPointF ref = map(r.I16(p + 2), r.I16(p));
                const int n = r.I16(p + 4);
                const quint16 options = r.U16(p + 6);
                qint64 q = p + 8 + ((options & 0x0006) ? 8 : 0);
                if (n < 0 || q + n > end) return false;
                QString text;
                for (int i = 0; i < n; ++i)
                    text += QChar(*r.Bytes(q + i));
                q += n + (n % 2);
                QVector<qreal> dx;
                if (q + qint64(n) * 2 <= end)
                    for (int i = 0; i < n; ++i)
                        dx << r.I16(q + 2 * i) * (right - left) / ext.width() * toPx;
                player.Text(ref, text, dx, scale());
            }
            break;
        case META_STRETCHDIB:
            if (need(22)) {
                const QPointF tl = map(r.I16(p + 20), r.I16(p + 18));
                const QPointF br = map(r.I16(p + 20) + r.I16(p + 16), r.I16(p + 18) + r.I16(p + 14));
                player.Bitmap(QRectF(tl, br), ReadDib(r.Bytes(p + 22), end - (p + 22)));
            }
            break;
        default:
            break;
        }
        if (r.Failed()) return false;
        at = end;
    }
    painter.end();
    return ended;
}

} // namespace platform::metafile
