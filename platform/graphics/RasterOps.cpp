// Blits: BitBlt, StretchBlt and PatBlt with ternary raster operations, AlphaBlend with a
// constant alpha, GradientFill. A plain copy between colour surfaces of one size moves the
// source's scan lines straight to the destination; every other raster code is computed per
// pixel from the pattern (the DC's brush), the source and the destination, then copied
// back under the clip region.
//
// Monochrome conversions follow Windows: a 1-bit source on a colour destination takes the
// destination's text colour for 0-bits and its background colour for 1-bits; a colour
// source on a 1-bit destination gives white where it equals the source DC's background
// colour and black elsewhere.
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

using namespace platform::detail;

namespace {

bool usesSource(DWORD rop) {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}
bool usesPattern(DWORD rop) {
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}

// Applies the truth table of a ternary raster operation bitwise on 24-bit pixels.
inline quint32 ternary(unsigned table, quint32 P, quint32 S, quint32 D) {
    quint32 r = 0;
    for (unsigned k = 0; k < 8; ++k) {
        if (!((table >> k) & 1)) continue;
        r |= ((k & 4) ? P : ~P) & ((k & 2) ? S : ~S) & ((k & 1) ? D : ~D);
    }
    return r & 0x00FFFFFF;
}

// The device rectangle of a logical rectangle (extents may be negative: mirrored).
struct DevRect {
    QRect rect;
    bool mirrorX = false, mirrorY = false;
};
DevRect toDevice(HDC DC, int x, int y, int w, int h) {
    const QTransform& t = DC->Transform();
    const QPointF a = t.map(QPointF(x, y)), b = t.map(QPointF(x + w, y + h));
    DevRect d;
    d.mirrorX = b.x() < a.x();
    d.mirrorY = b.y() < a.y();
    const int l = int(std::lround(std::min(a.x(), b.x()))), r = int(std::lround(std::max(a.x(), b.x())));
    const int tp = int(std::lround(std::min(a.y(), b.y()))), bt = int(std::lround(std::max(a.y(), b.y())));
    d.rect = QRect(l, tp, r - l, bt - tp);
    return d;
}

// Pixels of a device rectangle of a DC as 32-bit RGB (outside the image: white).
QImage readPixels(HDC DC, const QRect& r) {
    QImage out(r.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QImage* img = DC->Image();
    if (!img || img->isNull()) return out;
    const QRect part = r.intersected(img->rect());
    if (part.isEmpty()) return out;
    const QImage src = img->copy(part).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < part.height(); ++y) {
        const quint32* s = reinterpret_cast<const quint32*>(src.constScanLine(y));
        quint32* d =
            reinterpret_cast<quint32*>(out.scanLine(part.top() - r.top() + y)) + (part.left() - r.left());
        std::copy(s, s + part.width(), d);
    }
    return out;
}

// Writes 32-bit RGB pixels at a device point of a DC under its clip region.
void writePixels(HDC DC, const QPoint& at, const QImage& pixels) {
    QImage* img = DC->Image();
    if (img && img->depth() == 1) {
        const QRegion area = DC->st.clip ? *DC->st.clip : QRegion(img->rect());
        for (int y = 0; y < pixels.height(); ++y) {
            const quint32* s = reinterpret_cast<const quint32*>(pixels.constScanLine(y));
            for (int x = 0; x < pixels.width(); ++x) {
                const QPoint p(at.x() + x, at.y() + y);
                if (!img->rect().contains(p) || !area.contains(p)) continue;
                img->setPixel(p, qGray(s[x]) >= 128 ? 1 : 0);
            }
        }
        return;
    }
    if (QPainter* p = DC->DevicePainter()) {
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->drawImage(at, pixels);
        DC->EndDevicePainting();
    }
}

// The source rectangle as colour pixels for the destination, with the monochrome rules.
QImage sourcePixels(HDC Dest, HDC Src, const QRect& srcDev) {
    QImage s = readPixels(Src, srcDev);
    const bool srcMono = Src->Image() && Src->Image()->depth() == 1;
    const bool dstMono = Dest->Image() && Dest->Image()->depth() == 1;
    if (srcMono && !dstMono) {
        const quint32 fg = ToQRgb(Dest->st.textColor), bg = ToQRgb(Dest->st.bkColor);
        for (int y = 0; y < s.height(); ++y) {
            quint32* p = reinterpret_cast<quint32*>(s.scanLine(y));
            for (int x = 0; x < s.width(); ++x)
                p[x] = (p[x] & 0xFFFFFF) ? bg : fg;
        }
    } else if (!srcMono && dstMono) {
        const quint32 key = ToQRgb(Src->st.bkColor) & 0xFFFFFF;
        for (int y = 0; y < s.height(); ++y) {
            quint32* p = reinterpret_cast<quint32*>(s.scanLine(y));
            for (int x = 0; x < s.width(); ++x)
                p[x] = (p[x] & 0xFFFFFF) == key ? 0xFFFFFFFF : 0xFF000000;
        }
    }
    return s;
}

// Fills r with the DC's brush; a hatch or pattern on an opaque background first gets the
// background colour under its gaps.
void fillWithBrush(HDC DC, QPainter* p, const QRect& r) {
    const QBrush b = DC->CurrentQBrush();
    if (b.style() == Qt::NoBrush) return;
    if (b.style() != Qt::SolidPattern && DC->st.bkMode == OPAQUE) p->fillRect(r, ToQColor(DC->st.bkColor));
    p->fillRect(r, b);
}

QImage patternPixels(HDC DC, const QRect& dev) {
    QImage pat(dev.size(), QImage::Format_RGB32);
    pat.fill(Qt::black);
    QPainter p(&pat);
    // The pattern keeps its phase with the DC's brush origin in device units.
    p.setBrushOrigin(DC->st.brushOrg - dev.topLeft());
    p.setBackgroundMode(DC->st.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    p.setBackground(ToQColor(DC->st.bkColor));
    fillWithBrush(DC, &p, pat.rect());
    return pat;
}

// Formats whose pixels pass through 32-bit RGB unchanged: copying them directly gives what
// reading, converting and writing back gives.
bool opaqueColourFormat(QImage::Format f) {
    return f == QImage::Format_RGB32 || f == QImage::Format_BGR888 || f == QImage::Format_RGB888;
}

// SRCCOPY of an unstretched, unmirrored colour source that lies wholly inside its image
// onto another surface: the source pixels go straight to the destination under its clip
// region, with no intermediate image. Answers false where the general path is needed
// (monochrome on either side, a source with alpha, the source outside its image, a copy
// within one image).
bool plainCopy(HDC Dest, const DevRect& dst, HDC Src, const DevRect& src) {
    if (dst.mirrorX != src.mirrorX || dst.mirrorY != src.mirrorY || src.rect.size() != dst.rect.size())
        return false;
    const QImage* from = Src->Image();
    if (!from || from->isNull() || !opaqueColourFormat(from->format()) || !from->rect().contains(src.rect))
        return false;
    QImage* to = Dest->Image();
    if (to == from || (to && (to->depth() == 1 || to->constBits() == from->constBits()))) return false;
    const QPoint shift = src.rect.topLeft() - dst.rect.topLeft();
    if (to && to->format() == from->format() && to->isDetached()) {
        // Same layout: copy the scan lines of every visible band of the clip region.
        const QRect area = dst.rect.intersected(to->rect());
        if (area.isEmpty()) return true;
        const QRegion visible = Dest->st.clip ? Dest->st.clip->intersected(area) : QRegion(area);
        const int bpp = from->depth() / 8;
        for (const QRect& r : visible) {
            const std::size_t bytes = std::size_t(r.width()) * std::size_t(bpp);
            for (int y = r.top(); y <= r.bottom(); ++y)
                std::memcpy(to->scanLine(y) + std::ptrdiff_t(r.left()) * bpp,
                            from->constScanLine(y + shift.y()) + std::ptrdiff_t(r.left() + shift.x()) * bpp,
                            bytes);
        }
        return true;
    }
    // Another layout or a device without pixels: the painter converts while it draws.
    if (QPainter* p = Dest->DevicePainter()) {
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->drawImage(dst.rect.topLeft(), *from, src.rect);
        Dest->EndDevicePainting();
    }
    return true;
}

BOOL blit(HDC Dest, int X, int Y, int W, int H, HDC Src, int XS, int YS, int WS, int HS, DWORD Rop) {
    if (!Dest) return FALSE;
    const bool needSrc = usesSource(Rop);
    if (needSrc && !Src) return FALSE;
    if (W == 0 || H == 0) return TRUE;
    const DevRect dst = toDevice(Dest, X, Y, W, H);
    if (dst.rect.isEmpty()) return TRUE;
    const QSize size = dst.rect.size();

    QImage S;
    if (needSrc) {
        const DevRect src = toDevice(Src, XS, YS, WS, HS);
        if (src.rect.isEmpty()) return TRUE;
        if (Rop == SRCCOPY && plainCopy(Dest, dst, Src, src)) return TRUE;
        S = sourcePixels(Dest, Src, src.rect);
        const bool mx = dst.mirrorX != src.mirrorX, my = dst.mirrorY != src.mirrorY;
        if (mx || my) S = S.mirrored(mx, my);
        if (S.size() != size) S = S.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        // A plain copy needs no per-pixel work.
        if (Rop == SRCCOPY) {
            writePixels(Dest, dst.rect.topLeft(), S);
            return TRUE;
        }
    }
    const unsigned table = (Rop >> 16) & 0xFF;
    const bool needPat = usesPattern(Rop);
    const QImage P = needPat ? patternPixels(Dest, dst.rect) : QImage();
    QImage D = readPixels(Dest, dst.rect);
    for (int y = 0; y < size.height(); ++y) {
        quint32* d = reinterpret_cast<quint32*>(D.scanLine(y));
        const quint32* s = needSrc ? reinterpret_cast<const quint32*>(S.constScanLine(y)) : nullptr;
        const quint32* p = needPat ? reinterpret_cast<const quint32*>(P.constScanLine(y)) : nullptr;
        for (int x = 0; x < size.width(); ++x)
            d[x] = 0xFF000000u | ternary(table, p ? p[x] : 0, s ? s[x] : 0, d[x]);
    }
    writePixels(Dest, dst.rect.topLeft(), D);
    return TRUE;
}

} // namespace

BOOL BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, DWORD Rop) {
    return blit(Dest, X, Y, Width, Height, Src, XSrc, YSrc, Width, Height, Rop);
}

BOOL StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                int HeightSrc, DWORD Rop) {
    return blit(Dest, X, Y, Width, Height, Src, XSrc, YSrc, WidthSrc, HeightSrc, Rop);
}

BOOL PatBlt(HDC DC, int X, int Y, int Width, int Height, DWORD Rop) {
    if (!DC) return FALSE;
    if (Rop == PATCOPY) {
        // Negative extents paint the mirrored rectangle.
        const DevRect d = toDevice(DC, X, Y, Width, Height);
        if (d.rect.isEmpty()) return TRUE;
        if (QPainter* p = DC->DevicePainter()) {
            fillWithBrush(DC, p, d.rect);
            DC->EndDevicePainting();
        }
        return TRUE;
    }
    return blit(DC, X, Y, Width, Height, nullptr, 0, 0, 0, 0, Rop);
}

BOOL AlphaBlend(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                int HeightSrc, BLENDFUNCTION Blend) {
    if (!Dest || !Src || Width <= 0 || Height <= 0 || WidthSrc <= 0 || HeightSrc <= 0) return FALSE;
    const DevRect src = toDevice(Src, XSrc, YSrc, WidthSrc, HeightSrc);
    const DevRect dst = toDevice(Dest, X, Y, Width, Height);
    QImage S = readPixels(Src, src.rect);
    if ((Blend.AlphaFormat & AC_SRC_ALPHA) && Src->Image() && Src->Image()->hasAlphaChannel())
        S = Src->Image()->copy(src.rect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (S.size() != dst.rect.size())
        S = S.scaled(dst.rect.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage D = readPixels(Dest, dst.rect);
    // out = src * a + dst * (1 - a), rounded, per channel: a fully opaque source copies
    // exactly and a fully transparent one leaves the destination exactly as it was.
    QImage out(D.size(), QImage::Format_RGB32);
    const int a = Blend.SourceConstantAlpha;
    const bool perPixel = S.hasAlphaChannel();
    for (int y = 0; y < out.height(); ++y) {
        const quint32* s = reinterpret_cast<const quint32*>(S.constScanLine(y));
        const quint32* d = reinterpret_cast<const quint32*>(D.constScanLine(y));
        quint32* o = reinterpret_cast<quint32*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (perPixel) {
                // Premultiplied source: out = src * a + dst * (1 - srcAlpha * a).
                const int sa = qAlpha(s[x]) * a / 255;
                o[x] = qRgb(std::min(255, (qRed(s[x]) * a + qRed(d[x]) * (255 - sa) + 127) / 255),
                            std::min(255, (qGreen(s[x]) * a + qGreen(d[x]) * (255 - sa) + 127) / 255),
                            std::min(255, (qBlue(s[x]) * a + qBlue(d[x]) * (255 - sa) + 127) / 255));
            } else {
                o[x] = qRgb((qRed(s[x]) * a + qRed(d[x]) * (255 - a) + 127) / 255,
                            (qGreen(s[x]) * a + qGreen(d[x]) * (255 - a) + 127) / 255,
                            (qBlue(s[x]) * a + qBlue(d[x]) * (255 - a) + 127) / 255);
            }
        }
    }
    writePixels(Dest, dst.rect.topLeft(), out);
    return TRUE;
}

BOOL GradientFill(HDC DC, const TRIVERTEX* Vertices, DWORD VertexCount, const void* Mesh, DWORD MeshCount,
                  DWORD Mode) {
    if (!DC || !Vertices || !Mesh || (Mode != GRADIENT_FILL_RECT_H && Mode != GRADIENT_FILL_RECT_V))
        return FALSE;
    const auto* rects = static_cast<const GRADIENT_RECT*>(Mesh);
    // Every rectangle is checked before anything is painted: a bad mesh draws nothing
    // and leaves the painter in the DC's own raster mode.
    for (DWORD i = 0; i < MeshCount; ++i)
        if (rects[i].UpperLeft >= VertexCount || rects[i].LowerRight >= VertexCount) return FALSE;
    QPainter* p = DC->ShapePainter();
    if (!p) return FALSE;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (DWORD i = 0; i < MeshCount; ++i) {
        const TRIVERTEX& a = Vertices[rects[i].UpperLeft];
        const TRIVERTEX& b = Vertices[rects[i].LowerRight];
        const QRect r = QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)),
                              QPoint(std::max(a.x, b.x), std::max(a.y, b.y)))
                            .adjusted(0, 0, -1, -1);
        const bool horiz = Mode == GRADIENT_FILL_RECT_H;
        const int steps = horiz ? r.width() : r.height();
        for (int k = 0; k < steps; ++k) {
            const double t = steps > 1 ? double(k) / (steps - 1) : 0.0;
            auto ch = [t](Word c0, Word c1) { return int(std::lround(((1 - t) * c0 + t * c1) / 256.0)); };
            const QColor c(std::clamp(ch(a.Red, b.Red), 0, 255), std::clamp(ch(a.Green, b.Green), 0, 255),
                           std::clamp(ch(a.Blue, b.Blue), 0, 255));
            if (horiz)
                p->fillRect(QRect(r.left() + k, r.top(), 1, r.height()), c);
            else
                p->fillRect(QRect(r.left(), r.top() + k, r.width(), 1), c);
        }
    }
    DC->Invalidate(DeviceContext::dRop);
    return TRUE;
}
