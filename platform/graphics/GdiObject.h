// The objects behind the drawing handles: pens, brushes, fonts, regions and bitmaps,
// each holding its Windows description and the Qt value it draws with. Objects are
// immutable once made (as handles were), so a device context may cache what it built
// from one; stock objects are never deleted. A pen, brush or font counts the device
// contexts (current and saved states) that select it: DeleteObject on a selected one
// only marks it, and it is destroyed when the last of them lets it go, so that a DC
// never draws with a freed object.
#pragma once

#include "platform/graphics/GdiTypes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPen>
#include <QRegion>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct GdiObject {
    enum Kind { Pen, Brush, Font, Region, Bitmap };
    explicit GdiObject(Kind k) : kind(k) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    const Kind kind;
    bool stock = false;
    int selections = 0;         // DC states holding this object selected
    bool deletePending = false; // deleted while selected: destroyed on the last release
};

struct GdiPen : GdiObject {
    GdiPen() : GdiObject(Pen) {}
    DWORD style = PS_SOLID; // PS_ style, end cap, join and type bits
    int width = 1;
    COLORREF color = 0;
    bool dcPen = false;           // the DC_PEN stock object: colour from the DC
    std::vector<DWORD> userStyle; // dash and gap lengths of PS_USERSTYLE
    bool Null() const { return (style & PS_STYLE_MASK) == PS_NULL; }
    bool Geometric() const { return (style & PS_TYPE_MASK) == PS_GEOMETRIC; }
    // The Qt pen in the given colour (cosmetic pens are one device pixel wide).
    QPen MakeQPen(COLORREF c) const;
    // MakeQPen's pen, kept for the last colour asked (the object never changes): a chart
    // switches between a few pens hundreds of times per frame.
    const QPen& QPenIn(COLORREF c) const {
        if (!made || madeColor != c) {
            made = MakeQPen(c);
            madeColor = c;
        }
        return *made;
    }

private:
    mutable std::optional<QPen> made;
    mutable COLORREF madeColor = 0;
};

struct GdiBrush : GdiObject {
    GdiBrush() : GdiObject(Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0xFFFFFF;
    int hatch = 0;
    bool dcBrush = false;     // the DC_BRUSH stock object: colour from the DC
    bool monoPattern = false; // pattern is 1 bit per pixel: 0 -> text colour, 1 -> background
    QImage pattern;
    bool Null() const { return style == BS_NULL; }
};

// Advances of strings measured in one font, shared by the font objects made alike.
struct FontAdvances;

struct GdiFont : GdiObject {
    GdiFont() : GdiObject(Font) {}
    LOGFONTW lf;
    // Unique per font object ever made, so that a DC can tell a new font at a reused
    // address from the one it has set.
    std::uint64_t serial = 0;
    QFont qfont; // the mapped family at the pixel size of lf
    std::unique_ptr<QFontMetricsF> metrics;
    const QFontMetricsF& Metrics() {
        if (!metrics) metrics = std::make_unique<QFontMetricsF>(qfont);
        return *metrics;
    }
    // The advance of a string, measured once per font description: charts re-create their
    // fonts whenever one is assigned and measure the same labels every frame.
    qreal Advance(const QString& s);

private:
    std::shared_ptr<FontAdvances> advances;
};

struct GdiRegion : GdiObject {
    GdiRegion() : GdiObject(Region) {}
    QRegion rgn;
};

struct GdiBitmap : GdiObject {
    GdiBitmap() : GdiObject(Bitmap) {}
    ~GdiBitmap() override;
    QImage image;
    // The size asked for while one side is 0 (the image is then null): a bitmap given its
    // width first and its height next keeps both.
    QSize emptySize;
    DeviceContext* selectedInto = nullptr;
    // Ends the painting of the DC it is selected into, before the image is replaced.
    void ReleasePainter();
};

namespace platform::detail {
// A DC state starts or stops holding an object; the last release of an object deleted
// meanwhile destroys it. Null and stock objects are accepted and never destroyed.
inline void RetainSelection(GdiObject* obj) {
    if (obj) ++obj->selections;
}
void ReleaseSelection(GdiObject* obj);
// The Qt colour of a COLORREF (palette-relative bit ignored).
inline QColor ToQColor(COLORREF c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
inline QRgb ToQRgb(COLORREF c) {
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}
inline COLORREF FromQRgb(QRgb c) {
    return COLORREF(qRed(c)) | (COLORREF(qGreen(c)) << 8) | (COLORREF(qBlue(c)) << 16);
}
// The rectangle [l, r) x [t, b) of two corners given in any order.
inline QRect NormalRect(int l, int t, int r, int b) {
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    return QRect(l, t, r - l, b - t);
}
// Builds the font object of a LOGFONT (family alias, pixel height).
void BuildQFont(GdiFont& font);
} // namespace platform::detail
