// The drawing of a metafile as Windows metafile formats see it: lines, shapes, text and
// bitmaps in pixels, each with the pen, brush and font it is drawn with. A recording is
// turned into such a list by playing it on a paint device whose engine takes each call
// apart (MetafileShapes); the enhanced and the placeable Windows metafile writers then
// write the list, and their readers play records back on a painter.
#pragma once

#include <QImage>
#include <QPicture>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <tuple>
#include <vector>

namespace platform::metafile {

// Pen styles, brush styles and other values of the Windows metafile formats.
enum : int { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5 };
enum : int { BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2 };
enum : int { ALTERNATE = 1, WINDING = 2 };
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int { TA_BASELINE = 24 };

struct MetaPen {
    int Style = PS_SOLID;
    int Width = 1;
    QRgb Color = 0;
    auto Key() const { return std::tie(Style, Width, Color); }
    bool operator==(const MetaPen& O) const { return Key() == O.Key(); }
};

struct MetaBrush {
    int Style = BS_SOLID;
    QRgb Color = 0;
    int Hatch = 0;
    auto Key() const { return std::tie(Style, Color, Hatch); }
    bool operator==(const MetaBrush& O) const { return Key() == O.Key(); }
};

struct MetaFont {
    // Character height in pixels (the em size).
    int Height = 12;
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    // Tenths of a degree, anticlockwise.
    int Escapement = 0;
    QString Face;
    auto Key() const { return std::tie(Height, Weight, Italic, Underline, StrikeOut, Escapement, Face); }
    bool operator==(const MetaFont& O) const { return Key() == O.Key(); }
};

// What a format writer has selected into the device context: it writes a selection only
// when it changes, and a clip saves the selection and puts it back when the clip ends.
struct MetaSelection {
    MetaPen Pen;
    MetaBrush Brush;
    MetaFont Font;
    bool HavePen = false, HaveBrush = false, HaveFont = false;
    int FillMode = ALTERNATE;
    QRgb TextColor = 0;
    bool HaveTextColor = false;
};

// An object a format reader keeps in its table (Other: one it holds a place for but does
// not draw with).
struct MetaObject {
    enum { None, Pen, Brush, Font, Other } Kind = None;
    MetaPen P;
    MetaBrush B;
    MetaFont F;
};

enum class ShapeKind { Polyline, Polygon, Rectangle, Ellipse, Text, Bitmap, Clip, Unclip };

// One drawing call. Rectangles, ellipses, clips and bitmaps hold the formats' left, top,
// right and bottom in Rect's coordinates (Rect.right() is the right edge, left out of a
// rectangle as the formats' own calls do).
struct MetaShape {
    ShapeKind Kind = ShapeKind::Polyline;
    MetaPen Pen;
    MetaBrush Brush;
    MetaFont Font;
    QRgb TextColor = 0;
    int FillMode = ALTERNATE;
    QVector<QPoint> Points;
    QRect Rect;
    // Text: baseline start and the advance of each character.
    QPoint At;
    QString Text;
    QVector<int> Dx;
    // Bitmap: drawn stretched into Rect.
    QImage Image;
};

// The shapes a recording draws.
std::vector<MetaShape> MetafileShapes(const QPicture& Picture, QSize Frame);

// Plays shapes on a painter (pen, brush, font and clip as given); used by the readers.
class ShapePlayer {
public:
    explicit ShapePlayer(class QPainter* Painter) : painter_(Painter) {}
    void SetPen(const MetaPen& Pen);
    void SetBrush(const MetaBrush& Brush);
    void SetFont(const MetaFont& Font);
    void SetTextColor(QRgb Color) { textColor_ = Color; }
    void SetTextAlign(int Align) { textAlign_ = Align; }
    void SetBkMode(int Mode) { bkMode_ = Mode; }
    void SetFillMode(int Mode) { fillMode_ = Mode; }
    void Polyline(const QVector<QPointF>& Points);
    void Polygon(const QVector<QPointF>& Points);
    void Rectangle(const QRectF& R);
    void Ellipse(const QRectF& R);
    void Text(QPointF At, const QString& Text, const QVector<qreal>& Dx, qreal Scale);
    void Bitmap(const QRectF& Dest, const QImage& Image);
    void IntersectClip(const QRectF& R);
    void Save();
    void Restore();

private:
    QPainter* painter_;
    MetaPen pen_;
    MetaBrush brush_;
    MetaFont font_;
    QRgb textColor_ = 0;
    int textAlign_ = 0;
    int bkMode_ = OPAQUE;
    int fillMode_ = ALTERNATE;
    struct State {
        MetaPen pen;
        MetaBrush brush;
        MetaFont font;
        QRgb textColor;
        int textAlign, bkMode, fillMode;
    };
    std::vector<State> saved_;
};

// Reads a device-independent bitmap (BITMAPINFOHEADER, 1, 4, 8, 24 or 32 bits, no
// compression) at Data; a null image when it is malformed.
QImage ReadDib(const uchar* Data, qint64 Size);
// A 24-bit bottom-up device-independent bitmap of Image (alpha blended onto white).
QByteArray WriteDib(const QImage& Image);

// Little-endian reading with bounds: every read past the end sets Failed and yields 0.
class ByteReader {
public:
    ByteReader(const QByteArray& Data) : data_(Data) {}
    qint64 Size() const { return data_.size(); }
    bool Failed() const { return failed_; }
    void Fail() { failed_ = true; }
    quint32 U32(qint64 At);
    qint32 I32(qint64 At) { return qint32(U32(At)); }
    quint16 U16(qint64 At);
    qint16 I16(qint64 At) { return qint16(U16(At)); }
    float F32(qint64 At);
    bool Has(qint64 At, qint64 Count) const { return At >= 0 && Count >= 0 && At <= data_.size() - Count; }
    const uchar* Bytes(qint64 At) const { return reinterpret_cast<const uchar*>(data_.constData()) + At; }

private:
    const QByteArray& data_;
    bool failed_ = false;
};

// Little-endian writing.
inline void PutU32(QByteArray& B, quint32 V) {
    for (int i = 0; i < 4; ++i)
        B.append(char((V >> (8 * i)) & 0xFF));
}
inline void PutU16(QByteArray& B, quint16 V) {
    B.append(char(V & 0xFF));
    B.append(char(V >> 8));
}
inline quint32 ColorRef(QRgb C) {
    return quint32(qRed(C)) | (quint32(qGreen(C)) << 8) | (quint32(qBlue(C)) << 16);
}
inline QRgb FromColorRef(quint32 C) {
    return qRgb(int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF));
}

} // namespace platform::metafile
