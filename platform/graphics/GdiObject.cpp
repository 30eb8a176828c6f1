#include "platform/graphics/GdiObject.h"

#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/FontFamilies.h"
#include "platform/graphics/Gdi.h"

#include <QFontMetricsF>
#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>

using namespace platform::detail;

GdiBitmap::~GdiBitmap() {
    if (selectedInto) selectedInto->SelectBitmap(nullptr);
}

void GdiBitmap::ReleasePainter() {
    if (selectedInto) selectedInto->ReleasePainter();
}

QPen GdiPen::MakeQPen(COLORREF c) const {
    const DWORD s = style & PS_STYLE_MASK;
    if (s == PS_NULL) return QPen(Qt::NoPen);
    QPen pen(ToQColor(c));
    // A pen no wider than a pixel, of either type, draws one device pixel wide.
    if (width <= 1) {
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        // Cosmetic dash patterns, in pixels.
        switch (s) {
        case PS_DASH:
            pen.setDashPattern({6, 2});
            break;
        case PS_DOT:
            pen.setDashPattern({1, 1});
            break;
        case PS_DASHDOT:
            pen.setDashPattern({6, 2, 1, 2});
            break;
        case PS_DASHDOTDOT:
            pen.setDashPattern({6, 2, 1, 2, 1, 2});
            break;
        case PS_ALTERNATE:
            pen.setDashPattern({1, 1});
            break;
        case PS_USERSTYLE: {
            // A zero-length dash is the dot its round cap paints: one pixel, taken from the gap.
            QList<qreal> pattern;
            for (std::size_t i = 0; i + 1 < userStyle.size(); i += 2) {
                qreal dash = userStyle[i], gap = userStyle[i + 1];
                if (dash < 1) {
                    dash = 1;
                    gap = std::max<qreal>(1, gap - 1);
                }
                pattern << dash << std::max<qreal>(1, gap);
            }
            if (!pattern.isEmpty()) pen.setDashPattern(pattern);
            break;
        }
        default:
            break;
        }
        return pen;
    }
    pen.setWidth(width);
    if (!Geometric()) {
        // A wide pen of CreatePen: round ends and joins, styles drawn solid.
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        return pen;
    }
    switch (style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case PS_ENDCAP_FLAT:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
        break;
    }
    switch (style & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case PS_JOIN_MITER:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
        break;
    }
    // Geometric dash lengths grow with the width (Qt's patterns are in pen widths).
    switch (s) {
    case PS_DASH:
        pen.setDashPattern({3, 1});
        break;
    case PS_DOT:
        pen.setDashPattern({1, 1});
        break;
    case PS_DASHDOT:
        pen.setDashPattern({3, 1, 1, 1});
        break;
    case PS_DASHDOTDOT:
        pen.setDashPattern({3, 1, 1, 1, 1, 1});
        break;
    case PS_USERSTYLE: {
        QList<qreal> pattern;
        for (std::size_t i = 0; i + 1 < userStyle.size(); i += 2)
            pattern << std::max(0.0, double(userStyle[i]) / width)
                    << std::max(0.01, double(userStyle[i + 1]) / width);
        if (!pattern.isEmpty()) pen.setDashPattern(pattern);
        break;
    }
    default:
        break;
    }
    return pen;
}

struct FontAdvances {
    std::mutex lock;
    QHash<QString, qreal> widths;
};

namespace {
constexpr qsizetype kAdvancesPerFont = 1024;
constexpr std::size_t kMeasuredFonts = 64;

std::shared_ptr<FontAdvances> sharedAdvances(const QFont& font) {
    static std::mutex lock;
    static std::map<QString, std::shared_ptr<FontAdvances>> fonts;
    const std::lock_guard<std::mutex> hold(lock);
    const QString key = font.toString();
    auto& slot = fonts[key];
    if (!slot) {
        // Forgetting the tables drops only measurements; fonts in use keep their own.
        if (fonts.size() > kMeasuredFonts) {
            fonts.clear();
            return fonts[key] = std::make_shared<FontAdvances>();
        }
        slot = std::make_shared<FontAdvances>();
    }
    return slot;
}
} // namespace

qreal GdiFont::Advance(const QString& s) {
    if (!advances) advances = sharedAdvances(qfont);
    const std::lock_guard<std::mutex> hold(advances->lock);
    if (const auto it = advances->widths.constFind(s); it != advances->widths.cend()) return *it;
    if (advances->widths.size() >= kAdvancesPerFont) advances->widths.clear();
    const qreal w = Metrics().horizontalAdvance(s);
    advances->widths.insert(s, w);
    return w;
}

void platform::detail::BuildQFont(GdiFont& font) {
    const LOGFONTW& lf = font.lf;
    const QString face = QString::fromUtf16(lf.lfFaceName);
    const TFontMapping map = MapFontFamily(face);
    QFont f(map.Family);
    f.setStyleStrategy(lf.lfQuality == NONANTIALIASED_QUALITY ? QFont::NoAntialias : QFont::PreferDefault);
    f.setHintingPreference(QFont::PreferNoHinting);
    int weight = lf.lfWeight > 0 ? int(lf.lfWeight) : FW_NORMAL;
    if (map.Weight > weight) weight = map.Weight;
    f.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    f.setKerning(false);
    int px = 0;
    if (lf.lfHeight < 0) {
        px = -lf.lfHeight; // character (em) height
    } else {
        // A positive height is the cell height: ascent plus descent.
        const int cell = lf.lfHeight > 0 ? lf.lfHeight : 16;
        QFont probe(f);
        probe.setPixelSize(100);
        const QFontMetricsF m(probe);
        const qreal ratio = (m.ascent() + m.descent()) / 100.0;
        px = std::max(1, int(std::lround(cell / (ratio > 0 ? ratio : 1.0))));
    }
    f.setPixelSize(std::max(1, px));
    font.qfont = f;
    font.metrics.reset();
}

namespace {

GdiPen* newPen(DWORD style, int width, COLORREF color) {
    auto* p = new GdiPen;
    p->style = style;
    p->width = std::max(0, width);
    p->color = color & 0x00FFFFFF;
    return p;
}

template <class T> T* stock(T* obj) {
    obj->stock = true;
    return obj;
}

} // namespace

HPEN CreatePen(int Style, int Width, COLORREF Color) {
    return newPen(DWORD(Style) & PS_STYLE_MASK, Width, Color);
}

HPEN CreatePenIndirect(const LOGPEN* Pen) {
    return Pen ? CreatePen(int(Pen->lopnStyle), Pen->lopnWidth.X, Pen->lopnColor) : nullptr;
}

HPEN ExtCreatePen(DWORD Style, DWORD Width, const LOGBRUSH* Brush, DWORD StyleCount,
                  const DWORD* StyleEntries) {
    if (!Brush) return nullptr;
    const bool geometric = (Style & PS_TYPE_MASK) == PS_GEOMETRIC;
    // Cosmetic pens are one pixel wide whatever the width says.
    GdiPen* p = newPen(Style, geometric ? int(Width) : 1, Brush->lbColor);
    if ((Style & PS_STYLE_MASK) == PS_USERSTYLE && StyleEntries)
        p->userStyle.assign(StyleEntries, StyleEntries + std::min<DWORD>(StyleCount, 16));
    if (Brush->lbStyle == BS_NULL) p->style = (p->style & ~PS_STYLE_MASK) | PS_NULL;
    return p;
}

HBRUSH CreateSolidBrush(COLORREF Color) {
    auto* b = new GdiBrush;
    b->style = BS_SOLID;
    b->color = Color & 0x00FFFFFF;
    return b;
}

HBRUSH CreateHatchBrush(int Hatch, COLORREF Color) {
    auto* b = new GdiBrush;
    b->style = BS_HATCHED;
    b->hatch = std::clamp(Hatch, HS_HORIZONTAL, HS_DIAGCROSS);
    b->color = Color & 0x00FFFFFF;
    return b;
}

HBRUSH CreatePatternBrush(HBITMAP Bitmap) {
    if (!Bitmap || Bitmap->image.isNull()) return nullptr;
    auto* b = new GdiBrush;
    b->style = BS_PATTERN;
    const QImage& img = Bitmap->image;
    b->monoPattern = img.depth() == 1;
    // The brush keeps its own copy: the bitmap may be changed or deleted afterwards.
    b->pattern =
        b->monoPattern ? img.convertToFormat(QImage::Format_Mono) : img.convertToFormat(QImage::Format_RGB32);
    if (b->monoPattern) {
        // Index 1 is the white (background) bit whatever the colour table says.
        if (qGray(img.color(0)) > qGray(img.colorCount() > 1 ? img.color(1) : 0)) b->pattern.invertPixels();
        b->pattern.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    }
    return b;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* Brush) {
    if (!Brush) return nullptr;
    switch (Brush->lbStyle) {
    case BS_SOLID:
        return CreateSolidBrush(Brush->lbColor);
    case BS_HATCHED:
        return CreateHatchBrush(int(Brush->lbHatch), Brush->lbColor);
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(Brush->lbHatch));
    default: {
        auto* b = new GdiBrush;
        b->style = BS_NULL;
        return b;
    }
    }
}

HFONT CreateFontIndirectW(const LOGFONTW* Font) {
    if (!Font) return nullptr;
    static std::uint64_t serials = 0;
    auto* f = new GdiFont;
    f->serial = ++serials;
    f->lf = *Font;
    BuildQFont(*f);
    return f;
}

HBITMAP CreateBitmap(int Width, int Height, UINT, UINT BitsPerPixel, const void* Data) {
    auto* b = new GdiBitmap;
    const int w = std::max(0, Width), h = std::max(0, Height);
    if (BitsPerPixel == 1) {
        b->image = QImage(w, h, QImage::Format_Mono);
        b->image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        if (!b->image.isNull()) {
            b->image.fill(0);
            if (Data) {
                // Rows of the original are padded to 16 bits.
                const int stride = ((w + 15) / 16) * 2;
                const auto* src = static_cast<const uchar*>(Data);
                for (int y = 0; y < h; ++y)
                    std::memcpy(b->image.scanLine(y), src + y * stride, (w + 7) / 8);
            }
        }
    } else {
        b->image = QImage(w, h, QImage::Format_RGB32);
        if (!b->image.isNull()) {
            if (Data && BitsPerPixel == 32) {
                const auto* src = static_cast<const uchar*>(Data);
                for (int y = 0; y < h; ++y)
                    std::memcpy(b->image.scanLine(y), src + y * w * 4, std::size_t(w) * 4);
            } else {
                b->image.fill(Qt::black);
            }
        }
    }
    return b;
}

HBITMAP CreateCompatibleBitmap(HDC DC, int Width, int Height) {
    // A memory DC without a colour bitmap is monochrome, as on the original platform.
    if (DC && DC->Image() && DC->Image()->depth() == 1) return CreateBitmap(Width, Height, 1, 1, nullptr);
    return CreateBitmap(Width, Height, 1, 32, nullptr);
}

HGDIOBJ GetStockObject(int Index) {
    static GdiBrush* brushes[] = {
        stock(CreateSolidBrush(0xFFFFFF)), stock(CreateSolidBrush(0xC0C0C0)),
        stock(CreateSolidBrush(0x808080)), stock(CreateSolidBrush(0x404040)),
        stock(CreateSolidBrush(0x000000)),
    };
    static GdiBrush* nullBrush = [] {
        LOGBRUSH lb;
        lb.lbStyle = BS_NULL;
        return stock(CreateBrushIndirect(&lb));
    }();
    static GdiPen* whitePen = stock(CreatePen(PS_SOLID, 1, 0xFFFFFF));
    static GdiPen* blackPen = stock(CreatePen(PS_SOLID, 1, 0));
    static GdiPen* nullPen = stock(CreatePen(PS_NULL, 1, 0));
    static GdiBrush* dcBrush = [] {
        GdiBrush* b = stock(CreateSolidBrush(0xFFFFFF));
        b->dcBrush = true;
        return b;
    }();
    static GdiPen* dcPen = [] {
        GdiPen* p = stock(CreatePen(PS_SOLID, 1, 0));
        p->dcPen = true;
        return p;
    }();
    static GdiFont* guiFont = [] {
        LOGFONTW lf;
        lf.lfHeight = -11;
        const char16_t name[] = u"Tahoma";
        std::copy(std::begin(name), std::end(name), lf.lfFaceName);
        return stock(CreateFontIndirectW(&lf));
    }();
    switch (Index) {
    case WHITE_BRUSH:
    case LTGRAY_BRUSH:
    case GRAY_BRUSH:
    case DKGRAY_BRUSH:
    case BLACK_BRUSH:
        return brushes[Index];
    case NULL_BRUSH:
        return nullBrush;
    case WHITE_PEN:
        return whitePen;
    case BLACK_PEN:
        return blackPen;
    case NULL_PEN:
        return nullPen;
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        return guiFont;
    case DC_BRUSH:
        return dcBrush;
    case DC_PEN:
        return dcPen;
    default:
        return nullptr;
    }
}

void platform::detail::ReleaseSelection(GdiObject* obj) {
    if (!obj || obj->selections <= 0) return;
    if (--obj->selections == 0 && obj->deletePending && !obj->stock) delete obj;
}

BOOL DeleteObject(HGDIOBJ Object) {
    if (!Object) return FALSE;
    if (Object->stock) return TRUE;
    if (Object->selections > 0) {
        // Still selected into a DC: destroyed when the last DC deselects it.
        Object->deletePending = true;
        return TRUE;
    }
    delete Object;
    return TRUE;
}

int GetObject(HGDIOBJ Object, int Size, void* Buffer) {
    if (!Object) return 0;
    switch (Object->kind) {
    case GdiObject::Font: {
        if (!Buffer) return int(sizeof(LOGFONTW));
        if (Size < int(sizeof(LOGFONTW))) return 0;
        std::memcpy(Buffer, &static_cast<GdiFont*>(Object)->lf, sizeof(LOGFONTW));
        return int(sizeof(LOGFONTW));
    }
    case GdiObject::Pen: {
        auto* p = static_cast<GdiPen*>(Object);
        if (Size >= int(sizeof(EXTLOGPEN))) {
            EXTLOGPEN e;
            e.elpPenStyle = p->style;
            e.elpWidth = DWORD(p->width);
            e.elpColor = p->color;
            e.elpBrushStyle = p->Null() ? BS_NULL : BS_SOLID;
            e.elpNumEntries = DWORD(p->userStyle.size());
            std::copy(p->userStyle.begin(), p->userStyle.end(), e.elpStyleEntry);
            std::memcpy(Buffer, &e, sizeof e);
            return int(sizeof e);
        }
        if (!Buffer) return int(sizeof(LOGPEN));
        if (Size < int(sizeof(LOGPEN))) return 0;
        LOGPEN lp;
        lp.lopnStyle = p->style & PS_STYLE_MASK;
        lp.lopnWidth = {p->width, 0};
        lp.lopnColor = p->color;
        std::memcpy(Buffer, &lp, sizeof lp);
        return int(sizeof lp);
    }
    case GdiObject::Brush: {
        if (!Buffer) return int(sizeof(LOGBRUSH));
        if (Size < int(sizeof(LOGBRUSH))) return 0;
        auto* b = static_cast<GdiBrush*>(Object);
        LOGBRUSH lb;
        lb.lbStyle = b->style;
        lb.lbColor = b->color;
        lb.lbHatch = std::uintptr_t(b->hatch);
        std::memcpy(Buffer, &lb, sizeof lb);
        return int(sizeof lb);
    }
    case GdiObject::Bitmap: {
        if (!Buffer) return int(sizeof(BITMAP));
        if (Size < int(sizeof(BITMAP))) return 0;
        auto* b = static_cast<GdiBitmap*>(Object);
        BITMAP bm;
        bm.bmWidth = b->image.width();
        bm.bmHeight = b->image.height();
        bm.bmBitsPixel = Word(b->image.depth());
        bm.bmWidthBytes = LONG(b->image.bytesPerLine());
        bm.bmBits = b->image.isNull() ? nullptr : b->image.bits();
        std::memcpy(Buffer, &bm, sizeof bm);
        return int(sizeof bm);
    }
    case GdiObject::Region:
        return 0;
    }
    return 0;
}

HGDIOBJ SelectObject(HDC DC, HPEN Object) {
    return SelectObject(DC, static_cast<HGDIOBJ>(Object));
}
HGDIOBJ SelectObject(HDC DC, HBRUSH Object) {
    return SelectObject(DC, static_cast<HGDIOBJ>(Object));
}
HGDIOBJ SelectObject(HDC DC, HFONT Object) {
    return SelectObject(DC, static_cast<HGDIOBJ>(Object));
}
HGDIOBJ SelectObject(HDC DC, HBITMAP Object) {
    return SelectObject(DC, static_cast<HGDIOBJ>(Object));
}
HGDIOBJ SelectObject(HDC DC, HRGN Object) {
    return SelectObject(DC, static_cast<HGDIOBJ>(Object));
}
BOOL DeleteObject(HPEN Object) {
    return DeleteObject(static_cast<HGDIOBJ>(Object));
}
BOOL DeleteObject(HBRUSH Object) {
    return DeleteObject(static_cast<HGDIOBJ>(Object));
}
BOOL DeleteObject(HFONT Object) {
    return DeleteObject(static_cast<HGDIOBJ>(Object));
}
BOOL DeleteObject(HBITMAP Object) {
    return DeleteObject(static_cast<HGDIOBJ>(Object));
}
BOOL DeleteObject(HRGN Object) {
    return DeleteObject(static_cast<HGDIOBJ>(Object));
}
int GetObject(HFONT Object, int Size, void* Buffer) {
    return GetObject(static_cast<HGDIOBJ>(Object), Size, Buffer);
}
