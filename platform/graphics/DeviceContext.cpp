#include "platform/graphics/DeviceContext.h"

#include "platform/graphics/Gdi.h"

#include <QGuiApplication>
#include <QPainterPathStroker>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace platform::detail;

// ---- The DC object -----------------------------------------------------------------------

DeviceContext::DeviceContext() {
    defaultBitmap_ = CreateBitmap(1, 1, 1, 1, nullptr);
    SelectStockObjects();
    SelectBitmap(defaultBitmap_);
}

DeviceContext::DeviceContext(QImage* image) : image_(image), device_(image) {
    SelectStockObjects();
}

DeviceContext::DeviceContext(QPaintDevice* device) : device_(device) {
    SelectStockObjects();
}

void DeviceContext::SelectStockObjects() {
    st.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    st.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    st.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    Hold(st);
}

DeviceContext::~DeviceContext() {
    ReleasePainter();
    // The DC lets go of its selected objects; those deleted meanwhile are destroyed now.
    Drop(st);
    for (const State& s : saved)
        Drop(s);
    if (bitmap_) bitmap_->selectedInto = nullptr;
    delete defaultBitmap_;
}

void DeviceContext::Hold(const State& s) {
    RetainSelection(s.pen);
    RetainSelection(s.brush);
    RetainSelection(s.font);
}

void DeviceContext::Drop(const State& s) {
    ReleaseSelection(s.pen);
    ReleaseSelection(s.brush);
    ReleaseSelection(s.font);
}

template <class T> T* DeviceContext::Reselect(T*& slot, T* object) {
    T* old = slot;
    RetainSelection(object);
    slot = object;
    ReleaseSelection(old);
    return old;
}

HPEN DeviceContext::SelectPen(HPEN pen) {
    return Reselect(st.pen, pen);
}
HBRUSH DeviceContext::SelectBrush(HBRUSH brush) {
    return Reselect(st.brush, brush);
}
HFONT DeviceContext::SelectFont(HFONT font) {
    return Reselect(st.font, font);
}

QSize DeviceContext::DeviceSize() const {
    if (image_) return image_->size();
    if (device_) return QSize(device_->width(), device_->height());
    return {};
}

HBITMAP DeviceContext::SelectBitmap(HBITMAP bitmap) {
    HBITMAP old = bitmap_;
    ReleasePainter();
    if (bitmap_) bitmap_->selectedInto = nullptr;
    if (!bitmap) bitmap = defaultBitmap_;
    // A bitmap lives in one memory DC at a time.
    if (bitmap && bitmap->selectedInto && bitmap->selectedInto != this)
        bitmap->selectedInto->SelectBitmap(nullptr);
    bitmap_ = bitmap;
    image_ = bitmap ? &bitmap->image : nullptr;
    device_ = image_;
    if (bitmap) bitmap->selectedInto = this;
    return old == defaultBitmap_ ? nullptr : old;
}

int DeviceContext::Save() {
    // The saved state holds its own selection of the objects.
    saved.push_back(st);
    Hold(saved.back());
    return int(saved.size());
}

bool DeviceContext::Restore(int level) {
    const int n = int(saved.size());
    if (level < 0) level = n + 1 + level;
    if (level < 1 || level > n) return false;
    // The restored state's holds pass to the current state; the current state's and those
    // of the levels above it are let go (which destroys objects deleted while selected).
    const State current = st;
    st = saved[std::size_t(level - 1)];
    Drop(current);
    for (int i = level; i < n; ++i)
        Drop(saved[std::size_t(i)]);
    saved.resize(std::size_t(level - 1));
    Invalidate(dAll);
    return true;
}

void DeviceContext::SetTarget(QImage* image) {
    ReleasePainter();
    image_ = image;
    device_ = image;
}

void DeviceContext::ReleasePainter() {
    if (painter_.isActive()) painter_.end();
    dirty_ = unsigned(dAll) | unsigned(dText);
    runTarget_.reset();
}

const RunTarget* DeviceContext::Runs(QPoint& offset) {
    // A scaled image (device pixel ratio) maps logical units to several pixels.
    if (!image_ || image_->devicePixelRatio() != 1.0) return nullptr;
    if (!painter_.isActive() && !Begin()) return nullptr;
    const QTransform& t = Transform();
    if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
        return nullptr;
    if (!runTarget_) {
        runTarget_ = RunTarget::For(image_, st.clip);
        if (!runTarget_) return nullptr;
    }
    offset = QPoint(int(t.dx()), int(t.dy()));
    return &*runTarget_;
}

bool DeviceContext::Begin() {
    if (!device_ || (image_ && image_->isNull())) return false;
    if (!painter_.begin(device_)) return false;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    dirty_ = unsigned(dAll) | unsigned(dText);
    runTarget_.reset();
    return true;
}

void DeviceContext::UpdateTransform() {
    if (st.mapMode == MM_ANISOTROPIC && st.windowExt.width() != 0 && st.windowExt.height() != 0) {
        const qreal sx = qreal(st.viewportExt.width()) / st.windowExt.width();
        const qreal sy = qreal(st.viewportExt.height()) / st.windowExt.height();
        xform_ = QTransform(sx, 0, 0, sy, st.viewportOrg.x() - st.windowOrg.x() * sx,
                            st.viewportOrg.y() - st.windowOrg.y() * sy);
    } else {
        xform_ = QTransform::fromTranslate(st.viewportOrg.x() - st.windowOrg.x(),
                                           st.viewportOrg.y() - st.windowOrg.y());
    }
}

QBrush DeviceContext::MakeQBrush(const GdiBrush* b) const {
    if (!b || b->Null()) return Qt::NoBrush;
    const COLORREF c = b->dcBrush ? st.dcBrushColor : b->color;
    switch (b->style) {
    case BS_HATCHED: {
        static constexpr Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(ToQColor(c), hatches[std::clamp(b->hatch, 0, 5)]);
    }
    case BS_PATTERN: {
        if (b->monoPattern) {
            // 0-bits take the text colour, 1-bits the background colour.
            QImage img = b->pattern.copy();
            img.setColorTable({ToQRgb(st.textColor), ToQRgb(st.bkColor)});
            return QBrush(img.convertToFormat(QImage::Format_RGB32));
        }
        return QBrush(b->pattern);
    }
    default:
        return QBrush(ToQColor(c));
    }
}

QBrush DeviceContext::CurrentQBrush() const {
    return MakeQBrush(st.brush);
}

int DeviceContext::PenWidth() const {
    return st.pen && !st.pen->Null() ? st.pen->width : 0;
}

void DeviceContext::Apply(unsigned mask) {
    const unsigned d = dirty_ & mask;
    dirty_ &= ~mask;
    if (d & (dPen | dRop | dBk)) dirty_ |= dText; // the painter's pen is no longer the text's
    if (d & dClip) {
        painter_.setTransform(QTransform());
        if (st.clip)
            painter_.setClipRegion(*st.clip);
        else
            painter_.setClipping(false);
    }
    if (d & (dTransform | dClip)) {
        UpdateTransform();
        painter_.setTransform(xform_);
    }
    if (d & (dPen | dRop)) {
        const GdiPen* pen = st.pen;
        COLORREF c = pen ? (pen->dcPen ? st.dcPenColor : pen->color) : 0;
        if (st.rop2 == R2_BLACK) c = 0;
        if (st.rop2 == R2_WHITE) c = 0xFFFFFF;
        penVisible_ = pen && !pen->Null();
        if (penVisible_)
            painter_.setPen(pen->QPenIn(c));
        else
            painter_.setPen(Qt::NoPen);
    }
    if (d & (dBrush | dRop)) {
        QBrush br = CurrentQBrush();
        if (br.style() != Qt::NoBrush && (st.rop2 == R2_BLACK || st.rop2 == R2_WHITE))
            br = QBrush(st.rop2 == R2_BLACK ? Qt::black : Qt::white);
        brushVisible_ = br.style() != Qt::NoBrush;
        painter_.setBrush(br);
        painter_.setBrushOrigin(st.brushOrg);
    }
    if (d & dRop) {
        QPainter::CompositionMode m = QPainter::CompositionMode_SourceOver;
        switch (st.rop2) {
        case R2_NOTMERGEPEN:
            m = QPainter::RasterOp_NotSourceAndNotDestination;
            break;
        case R2_MASKNOTPEN:
            m = QPainter::RasterOp_NotSourceAndDestination;
            break;
        case R2_NOTCOPYPEN:
            m = QPainter::RasterOp_NotSource;
            break;
        case R2_MASKPENNOT:
            m = QPainter::RasterOp_SourceAndNotDestination;
            break;
        case R2_NOT:
            m = QPainter::RasterOp_NotDestination;
            break;
        case R2_XORPEN:
            m = QPainter::RasterOp_SourceXorDestination;
            break;
        case R2_NOTMASKPEN:
            m = QPainter::RasterOp_NotSourceOrNotDestination;
            break;
        case R2_MASKPEN:
            m = QPainter::RasterOp_SourceAndDestination;
            break;
        case R2_NOTXORPEN:
            m = QPainter::RasterOp_NotSourceXorDestination;
            break;
        case R2_MERGENOTPEN:
            m = QPainter::RasterOp_NotSourceOrDestination;
            break;
        case R2_MERGEPENNOT:
            m = QPainter::RasterOp_SourceOrNotDestination;
            break;
        case R2_MERGEPEN:
            m = QPainter::RasterOp_SourceOrDestination;
            break;
        default:
            break;
        }
        painter_.setCompositionMode(m);
    }
    if (d & dBk) {
        painter_.setBackgroundMode(st.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
        painter_.setBackground(ToQColor(st.bkColor));
    }
}

QPainter* DeviceContext::TextPainter(GdiFont* font) {
    if (!painter_.isActive() && !Begin()) return nullptr;
    if (dirty_ & (dClip | dTransform)) Apply(dClip | dTransform);
    if (dirty_ & dText || textFont_ != font->serial || textExtra_ != st.charExtra ||
        textPen_ != st.textColor) {
        if (st.charExtra != 0) {
            QFont f = font->qfont;
            f.setLetterSpacing(QFont::AbsoluteSpacing, st.charExtra);
            painter_.setFont(f);
        } else {
            painter_.setFont(font->qfont);
        }
        painter_.setPen(ToQColor(st.textColor));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.setBackgroundMode(Qt::TransparentMode);
        textFont_ = font->serial;
        textExtra_ = st.charExtra;
        textPen_ = st.textColor;
        dirty_ = (dirty_ & ~unsigned(dText)) | dPen | dRop | dBk;
    }
    return &painter_;
}

QPainter* DeviceContext::DevicePainter() {
    QPainter* p = ShapePainter();
    if (!p) return nullptr;
    p->setTransform(QTransform());
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    dirty_ |= dTransform | dRop;
    return p;
}

// ---- Objects and state -------------------------------------------------------------------

namespace {

inline bool valid(HDC dc) {
    return dc != nullptr;
}

// Adds a figure to the DC's open path.
bool recordPath(HDC dc, const QPainterPath& figure) {
    if (!dc->pathOpen) return false;
    dc->path->addPath(figure);
    return true;
}

// Joins a figure that starts at the current position to the path being recorded.
bool connectToPath(HDC dc, const QPainterPath& figure) {
    if (!dc->pathOpen) return false;
    dc->path->connectPath(figure);
    return true;
}

// Draws an open figure (curves, arcs) with the pen alone: its inside is never filled.
void strokeFigure(HDC dc, const QPainterPath& figure) {
    QPainter* p = dc->ShapePainter();
    if (!p || !dc->PenVisible()) return;
    const QBrush keep = p->brush();
    p->setBrush(Qt::NoBrush);
    p->drawPath(figure);
    p->setBrush(keep);
}

} // namespace

HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object) {
    if (!valid(DC) || !Object) return nullptr;
    switch (Object->kind) {
    case GdiObject::Pen: {
        HGDIOBJ old = DC->SelectPen(static_cast<HPEN>(Object));
        // Always rebuilt: a new object may sit at the address of a deleted one.
        DC->Invalidate(DeviceContext::dPen);
        return old;
    }
    case GdiObject::Brush: {
        HGDIOBJ old = DC->SelectBrush(static_cast<HBRUSH>(Object));
        DC->Invalidate(DeviceContext::dBrush);
        return old;
    }
    case GdiObject::Font:
        return DC->SelectFont(static_cast<HFONT>(Object));
    case GdiObject::Bitmap:
        return DC->SelectBitmap(static_cast<HBITMAP>(Object));
    case GdiObject::Region: {
        SelectClipRgn(DC, static_cast<HRGN>(Object));
        return reinterpret_cast<HGDIOBJ>(std::intptr_t(SIMPLEREGION));
    }
    }
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC DC, UINT Type) {
    if (!valid(DC)) return nullptr;
    switch (Type) {
    case OBJ_PEN:
        return DC->st.pen;
    case OBJ_BRUSH:
        return DC->st.brush;
    case OBJ_FONT:
        return DC->st.font;
    case OBJ_BITMAP:
        return DC->SelectedBitmap();
    default:
        return nullptr;
    }
}

COLORREF SetDCBrushColor(HDC DC, COLORREF Color) {
    if (!valid(DC)) return CLR_INVALID;
    const COLORREF old = DC->st.dcBrushColor;
    DC->st.dcBrushColor = Color & 0xFFFFFF;
    DC->Invalidate(DeviceContext::dBrush);
    return old;
}

COLORREF SetDCPenColor(HDC DC, COLORREF Color) {
    if (!valid(DC)) return CLR_INVALID;
    const COLORREF old = DC->st.dcPenColor;
    DC->st.dcPenColor = Color & 0xFFFFFF;
    DC->Invalidate(DeviceContext::dPen);
    return old;
}

HPALETTE SelectPalette(HDC, HPALETTE, BOOL) {
    return nullptr;
}
UINT RealizePalette(HDC) {
    return 0;
}

HDC CreateCompatibleDC(HDC) {
    return new DeviceContext();
}

BOOL DeleteDC(HDC DC) {
    if (!DC) return FALSE;
    delete DC;
    return TRUE;
}

int SaveDC(HDC DC) {
    if (!valid(DC)) return 0;
    return DC->Save();
}

BOOL RestoreDC(HDC DC, int SavedDC) {
    if (!valid(DC) || SavedDC == 0) return FALSE;
    return DC->Restore(SavedDC) ? TRUE : FALSE;
}

int GetDeviceCaps(HDC DC, int Index) {
    const QSize size = DC ? DC->DeviceSize() : QSize();
    switch (Index) {
    case BITSPIXEL:
        return DC && DC->Image() && DC->Image()->depth() == 1 ? 1 : 32;
    case PLANES:
        return 1;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    case HORZRES:
        return size.width();
    case VERTRES:
        return size.height();
    case HORZSIZE:
    case VERTSIZE: {
        // The physical size of the device in millimetres. An image (a memory DC, a control's
        // backing image) is on the display, as a memory DC compatible with the screen is: it
        // answers the screen's size; a printer page or another device answers its own.
        QSizeF mm;
        if (DC && !DC->Image() && DC->Device())
            mm = QSizeF(DC->Device()->widthMM(), DC->Device()->heightMM());
        else if (const QScreen* screen = QGuiApplication::primaryScreen())
            mm = screen->physicalSize();
        if (mm.isEmpty()) mm = QSizeF(1024 * 25.4 / 96.0, 768 * 25.4 / 96.0);
        return int(std::lround(Index == HORZSIZE ? mm.width() : mm.height()));
    }
    default:
        return 0;
    }
}

// ---- Modes and colours -------------------------------------------------------------------

#define ORVO_DC_SETTER(Fn, field, type, dirtyBits)                                                           \
    type Fn(HDC DC, type Value) {                                                                            \
        if (!valid(DC)) return type{};                                                                       \
        const type old = DC->st.field;                                                                       \
        DC->st.field = Value;                                                                                \
        if (old != Value) DC->Invalidate(dirtyBits);                                                         \
        return old;                                                                                          \
    }

ORVO_DC_SETTER(SetBkMode, bkMode, int, DeviceContext::dBk)
ORVO_DC_SETTER(SetROP2, rop2, int, DeviceContext::dRop)
ORVO_DC_SETTER(SetStretchBltMode, stretchMode, int, 0)
ORVO_DC_SETTER(SetGraphicsMode, graphicsMode, int, 0)
ORVO_DC_SETTER(SetArcDirection, arcDirection, int, 0)
ORVO_DC_SETTER(SetPolyFillMode, polyFillMode, int, 0)
ORVO_DC_SETTER(SetTextAlign, textAlign, UINT, 0)
ORVO_DC_SETTER(SetTextCharacterExtra, charExtra, int, 0)
#undef ORVO_DC_SETTER

COLORREF SetBkColor(HDC DC, COLORREF Color) {
    if (!valid(DC)) return CLR_INVALID;
    const COLORREF old = DC->st.bkColor;
    DC->st.bkColor = Color & 0xFFFFFF;
    if (old != DC->st.bkColor) DC->Invalidate(DeviceContext::dBk | DeviceContext::dBrush);
    return old;
}

COLORREF SetTextColor(HDC DC, COLORREF Color) {
    if (!valid(DC)) return CLR_INVALID;
    const COLORREF old = DC->st.textColor;
    DC->st.textColor = Color & 0xFFFFFF;
    if (old != DC->st.textColor) DC->Invalidate(DeviceContext::dBrush);
    return old;
}

int GetBkMode(HDC DC) {
    return valid(DC) ? DC->st.bkMode : 0;
}
COLORREF GetBkColor(HDC DC) {
    return valid(DC) ? DC->st.bkColor : CLR_INVALID;
}
COLORREF GetTextColor(HDC DC) {
    return valid(DC) ? DC->st.textColor : CLR_INVALID;
}
int GetROP2(HDC DC) {
    return valid(DC) ? DC->st.rop2 : 0;
}
int GetGraphicsMode(HDC DC) {
    return valid(DC) ? DC->st.graphicsMode : 0;
}
int GetArcDirection(HDC DC) {
    return valid(DC) ? DC->st.arcDirection : 0;
}
int GetPolyFillMode(HDC DC) {
    return valid(DC) ? DC->st.polyFillMode : 0;
}
UINT GetTextAlign(HDC DC) {
    return valid(DC) ? DC->st.textAlign : 0;
}
int GetTextCharacterExtra(HDC DC) {
    return valid(DC) ? DC->st.charExtra : 0;
}

BOOL SetBrushOrgEx(HDC DC, int X, int Y, TPoint* Old) {
    if (!valid(DC)) return FALSE;
    if (Old) *Old = {DC->st.brushOrg.x(), DC->st.brushOrg.y()};
    DC->st.brushOrg = QPoint(X, Y);
    DC->Invalidate(DeviceContext::dBrush);
    return TRUE;
}

// ---- Coordinates -------------------------------------------------------------------------

namespace {
BOOL setPoint(HDC DC, QPoint DeviceContext::State::*field, int X, int Y, TPoint* Old) {
    if (!valid(DC)) return FALSE;
    QPoint& p = DC->st.*field;
    if (Old) *Old = {p.x(), p.y()};
    p = QPoint(X, Y);
    DC->Invalidate(DeviceContext::dTransform);
    return TRUE;
}
BOOL setSize(HDC DC, QSize DeviceContext::State::*field, int X, int Y, TSize* Old) {
    if (!valid(DC)) return FALSE;
    QSize& s = DC->st.*field;
    if (Old) *Old = {s.width(), s.height()};
    // Extents count only in the anisotropic mode, and never become zero.
    if (X == 0 || Y == 0) return FALSE;
    s = QSize(X, Y);
    DC->Invalidate(DeviceContext::dTransform);
    return TRUE;
}
} // namespace

BOOL SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old) {
    return setPoint(DC, &DeviceContext::State::windowOrg, X, Y, Old);
}
BOOL SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old) {
    return setPoint(DC, &DeviceContext::State::viewportOrg, X, Y, Old);
}
BOOL OffsetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old) {
    if (!valid(DC)) return FALSE;
    const QPoint p = DC->st.windowOrg;
    return SetWindowOrgEx(DC, p.x() + X, p.y() + Y, Old);
}
BOOL OffsetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old) {
    if (!valid(DC)) return FALSE;
    const QPoint p = DC->st.viewportOrg;
    return SetViewportOrgEx(DC, p.x() + X, p.y() + Y, Old);
}
BOOL GetWindowOrgEx(HDC DC, TPoint* Org) {
    if (!valid(DC) || !Org) return FALSE;
    *Org = {DC->st.windowOrg.x(), DC->st.windowOrg.y()};
    return TRUE;
}
BOOL GetViewportOrgEx(HDC DC, TPoint* Org) {
    if (!valid(DC) || !Org) return FALSE;
    *Org = {DC->st.viewportOrg.x(), DC->st.viewportOrg.y()};
    return TRUE;
}
BOOL SetWindowExtEx(HDC DC, int X, int Y, TSize* Old) {
    return setSize(DC, &DeviceContext::State::windowExt, X, Y, Old);
}
BOOL SetViewportExtEx(HDC DC, int X, int Y, TSize* Old) {
    return setSize(DC, &DeviceContext::State::viewportExt, X, Y, Old);
}
BOOL GetWindowExtEx(HDC DC, TSize* Ext) {
    if (!valid(DC) || !Ext) return FALSE;
    *Ext = {DC->st.windowExt.width(), DC->st.windowExt.height()};
    return TRUE;
}
BOOL GetViewportExtEx(HDC DC, TSize* Ext) {
    if (!valid(DC) || !Ext) return FALSE;
    *Ext = {DC->st.viewportExt.width(), DC->st.viewportExt.height()};
    return TRUE;
}
int SetMapMode(HDC DC, int Mode) {
    if (!valid(DC)) return 0;
    const int old = DC->st.mapMode;
    DC->st.mapMode = Mode == MM_ANISOTROPIC ? MM_ANISOTROPIC : MM_TEXT;
    DC->Invalidate(DeviceContext::dTransform);
    return old;
}
int GetMapMode(HDC DC) {
    return valid(DC) ? DC->st.mapMode : 0;
}

BOOL LPtoDP(HDC DC, TPoint* Points, int Count) {
    if (!valid(DC) || (!Points && Count > 0)) return FALSE;
    DC->ShapePainter(); // brings the transform up to date
    for (int i = 0; i < Count; ++i) {
        const QPointF p = DC->Transform().map(QPointF(Points[i].X, Points[i].Y));
        Points[i] = {int(std::lround(p.x())), int(std::lround(p.y()))};
    }
    return TRUE;
}

BOOL DPtoLP(HDC DC, TPoint* Points, int Count) {
    if (!valid(DC) || (!Points && Count > 0)) return FALSE;
    DC->ShapePainter();
    const QTransform inv = DC->Transform().inverted();
    for (int i = 0; i < Count; ++i) {
        const QPointF p = inv.map(QPointF(Points[i].X, Points[i].Y));
        Points[i] = {int(std::lround(p.x())), int(std::lround(p.y()))};
    }
    return TRUE;
}

// ---- Lines -------------------------------------------------------------------------------

BOOL MoveToEx(HDC DC, int X, int Y, TPoint* Old) {
    if (!valid(DC)) return FALSE;
    if (Old) *Old = {DC->st.pos.x(), DC->st.pos.y()};
    DC->st.pos = QPoint(X, Y);
    if (DC->pathOpen) DC->path->moveTo(X, Y);
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC DC, TPoint* Pos) {
    if (!valid(DC) || !Pos) return FALSE;
    *Pos = {DC->st.pos.x(), DC->st.pos.y()};
    return TRUE;
}

namespace {
// A line written as pixel runs, when the pen and the raster operation allow and the line's
// pixels are known to be those Qt would set where it lies: on the image (Qt quantises
// coordinates left and above it otherwise) and, for a slanted one-pixel line, inside the
// clip's bounds (Qt shortens such lines to the clip, which may move their pixels).
bool lineByRuns(HDC DC, QPoint from, QPoint to) {
    const GdiPen* pen = DC->st.pen;
    // A line of no length is left to Qt, which draws it or not by what it drew before.
    if (!pen || pen->Null() || from == to) return false;
    const DWORD style = pen->style & PS_STYLE_MASK;
    if (style == PS_USERSTYLE) return false;
    // Qt draws wide square- and flat-ended lines by a path of its own that depends on the
    // clip; round ends (those of CreatePen) are filled outlines, cut by the clip pixel-wise.
    if (pen->width > 1 && pen->Geometric() && (pen->style & PS_ENDCAP_MASK) != PS_ENDCAP_ROUND) return false;
    const int rop = DC->st.rop2;
    const bool xorInk = rop == R2_XORPEN;
    if (!xorInk && rop != R2_COPYPEN && rop != R2_BLACK && rop != R2_WHITE) return false;
    const bool gaps = style != PS_SOLID && style != PS_INSIDEFRAME && DC->st.bkMode == OPAQUE;
    if (xorInk && gaps) return false;
    QPoint offset;
    const RunTarget* target = DC->Runs(offset);
    if (!target) return false;
    const LineShape* shape = LineRuns(*pen, to - from, gaps);
    if (!shape) return false;
    if (shape->runs.empty()) return true;
    const QPoint at = from + offset;
    const QRect box = shape->box.translated(at).adjusted(-1, -1, 1, 1);
    if (!DC->Image()->rect().contains(box)) return false;
    const bool slanted = from.x() != to.x() && from.y() != to.y();
    if (pen->width <= 1 && slanted && !target->Bounds().contains(box)) return false;
    const QRgb ink[2] = {ToQRgb(DC->InkUnderRop(pen->dcPen ? DC->st.dcPenColor : pen->color)),
                         ToQRgb(DC->st.bkColor)};
    target->Paint(at, shape->runs, ink, xorInk);
    return true;
}
} // namespace

BOOL LineTo(HDC DC, int X, int Y) {
    if (!valid(DC)) return FALSE;
    const QPoint from = DC->st.pos, to(X, Y);
    DC->st.pos = to;
    if (DC->pathOpen) {
        DC->path->lineTo(to);
        return TRUE;
    }
    if (DC->RopIsNop() || lineByRuns(DC, from, to)) return TRUE;
    if (QPainter* p = DC->ShapePainter(); p && DC->PenVisible() && !DC->RopIsNop()) p->drawLine(from, to);
    return TRUE;
}

namespace {
// A reused buffer of Qt points, so that long polylines do not allocate on every call.
QPoint* qtPoints(const TPoint* pts, int n) {
    thread_local std::vector<QPoint> buf;
    if (int(buf.size()) < n) buf.resize(std::size_t(n));
    for (int i = 0; i < n; ++i)
        buf[std::size_t(i)] = QPoint(pts[i].X, pts[i].Y);
    return buf.data();
}
} // namespace

BOOL Polyline(HDC DC, const TPoint* Points, int Count) {
    if (!valid(DC) || Count < 2 || !Points) return FALSE;
    QPoint* q = qtPoints(Points, Count);
    if (DC->pathOpen) {
        DC->path->moveTo(q[0]);
        for (int i = 1; i < Count; ++i)
            DC->path->lineTo(q[i]);
        return TRUE;
    }
    if (QPainter* p = DC->ShapePainter(); p && DC->PenVisible() && !DC->RopIsNop()) p->drawPolyline(q, Count);
    return TRUE;
}

BOOL PolylineTo(HDC DC, const TPoint* Points, int Count) {
    if (!valid(DC) || Count < 1 || !Points) return FALSE;
    for (int i = 0; i < Count; ++i)
        LineTo(DC, Points[i].X, Points[i].Y);
    return TRUE;
}

BOOL PolyPolyline(HDC DC, const TPoint* Points, const DWORD* Counts, int Polylines) {
    if (!valid(DC) || !Points || !Counts) return FALSE;
    for (int i = 0; i < Polylines; ++i) {
        Polyline(DC, Points, int(Counts[i]));
        Points += Counts[i];
    }
    return TRUE;
}

BOOL Polygon(HDC DC, const TPoint* Points, int Count) {
    if (!valid(DC) || Count < 2 || !Points) return FALSE;
    QPoint* q = qtPoints(Points, Count);
    const Qt::FillRule rule = DC->st.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
    if (DC->pathOpen) {
        QPainterPath figure;
        figure.addPolygon(QPolygonF(QPolygon(QList<QPoint>(q, q + Count))));
        figure.closeSubpath();
        DC->path->addPath(figure);
        return TRUE;
    }
    if (QPainter* p = DC->ShapePainter(); p && !DC->RopIsNop()) p->drawPolygon(q, Count, rule);
    return TRUE;
}

BOOL PolyPolygon(HDC DC, const TPoint* Points, const int* Counts, int Polygons) {
    if (!valid(DC) || !Points || !Counts) return FALSE;
    QPainterPath path;
    path.setFillRule(DC->st.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    for (int i = 0; i < Polygons; ++i) {
        QPolygonF poly;
        for (int k = 0; k < Counts[i]; ++k)
            poly << QPointF(Points[k].X, Points[k].Y);
        path.addPolygon(poly);
        path.closeSubpath();
        Points += Counts[i];
    }
    if (recordPath(DC, path)) return TRUE;
    if (QPainter* p = DC->ShapePainter(); p && !DC->RopIsNop()) p->drawPath(path);
    return TRUE;
}

namespace {
QPainterPath bezierPath(const TPoint* Points, int Count, bool fromCurrent, QPoint current) {
    QPainterPath path;
    int i = 0;
    if (fromCurrent) {
        path.moveTo(current);
    } else {
        path.moveTo(Points[0].X, Points[0].Y);
        i = 1;
    }
    for (; i + 2 < Count; i += 3)
        path.cubicTo(Points[i].X, Points[i].Y, Points[i + 1].X, Points[i + 1].Y, Points[i + 2].X,
                     Points[i + 2].Y);
    return path;
}
} // namespace

BOOL PolyBezier(HDC DC, const TPoint* Points, int Count) {
    if (!valid(DC) || !Points || Count < 4 || (Count - 1) % 3 != 0) return FALSE;
    const QPainterPath path = bezierPath(Points, Count, false, {});
    if (recordPath(DC, path)) return TRUE;
    strokeFigure(DC, path);
    return TRUE;
}

BOOL PolyBezierTo(HDC DC, const TPoint* Points, int Count) {
    if (!valid(DC) || !Points || Count < 3 || Count % 3 != 0) return FALSE;
    const QPainterPath path = bezierPath(Points, Count, true, DC->st.pos);
    DC->st.pos = QPoint(Points[Count - 1].X, Points[Count - 1].Y);
    if (connectToPath(DC, path)) return TRUE;
    strokeFigure(DC, path);
    return TRUE;
}

// ---- Shapes ------------------------------------------------------------------------------
// A shape's box [Left, Right) x [Top, Bottom): the outline runs on Left..Right-1 and
// Top..Bottom-1; without a pen only the inside of that outline is filled, so the fill
// is one pixel narrower and lower, as Windows does.

namespace {

// The Qt rectangle whose outline Qt strokes on the pixels Left..Right-1, Top..Bottom-1.
QRect outlineRect(const QRect& box) {
    return QRect(box.left(), box.top(), box.width() - 1, box.height() - 1);
}

// The angle of a radial point as the parameter of the ellipse, so that Qt's arc ends where
// the ray from the centre through the point meets the ellipse.
qreal arcAngle(const QRectF& r, int x, int y) {
    const QPointF c = r.center();
    const qreal rx = std::max<qreal>(r.width() / 2, 0.5), ry = std::max<qreal>(r.height() / 2, 0.5);
    return std::atan2(-(y - c.y()) / ry, (x - c.x()) / rx) * 180.0 / std::numbers::pi;
}

struct ArcSpan {
    qreal start, sweep;
};
ArcSpan arcSpan(HDC DC, const QRectF& r, int xs, int ys, int xe, int ye) {
    const qreal a0 = arcAngle(r, xs, ys), a1 = arcAngle(r, xe, ye);
    qreal sweep = a1 - a0;
    if (DC->st.arcDirection == AD_CLOCKWISE) {
        while (sweep >= 0)
            sweep -= 360;
    } else {
        while (sweep <= 0)
            sweep += 360;
    }
    if (sweep > 360) sweep -= 360;
    if (sweep < -360) sweep += 360;
    return {a0, sweep};
}

} // namespace

BOOL Rectangle(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!valid(DC)) return FALSE;
    const QRect box = NormalRect(Left, Top, Right, Bottom);
    if (box.width() < 2 || box.height() < 2) return TRUE;
    if (DC->pathOpen) {
        QPainterPath f;
        f.addRect(outlineRect(box));
        return recordPath(DC, f);
    }
    QPainter* p = DC->ShapePainter();
    if (!p || DC->RopIsNop()) return TRUE;
    if (DC->PenVisible())
        p->drawRect(outlineRect(box));
    else if (DC->BrushVisible())
        p->fillRect(outlineRect(box), p->brush());
    return TRUE;
}

BOOL RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int Width, int Height) {
    if (!valid(DC)) return FALSE;
    const QRect box = NormalRect(Left, Top, Right, Bottom);
    if (box.width() < 2 || box.height() < 2) return TRUE;
    const qreal rx = std::min(std::abs(Width), box.width()) / 2.0,
                ry = std::min(std::abs(Height), box.height()) / 2.0;
    QPainterPath f;
    f.addRoundedRect(outlineRect(box), rx, ry);
    if (recordPath(DC, f)) return TRUE;
    if (QPainter* p = DC->ShapePainter(); p && !DC->RopIsNop()) p->drawRoundedRect(outlineRect(box), rx, ry);
    return TRUE;
}

namespace {

// The rows of an ellipse inscribed in the pixels of box, as spans [x0, x1] mirrored about
// the box's centre, so that odd and even sizes come out symmetric as on Windows.
struct Span {
    int x0, x1;
    bool Empty() const { return x1 < x0; }
};
std::vector<Span> ellipseSpans(const QRect& box) {
    std::vector<Span> rows(std::size_t(box.height()));
    const double a = (box.width() - 1) / 2.0, b = (box.height() - 1) / 2.0;
    const double cx = box.left() + a, cy = box.top() + b;
    for (int i = 0; i < box.height(); ++i) {
        const double dy = box.top() + i - cy;
        const double t = b > 0 ? 1.0 - (dy * dy) / (b * b) : 1.0;
        const double dx = a * std::sqrt(std::max(0.0, t)) + 0.5;
        rows[std::size_t(i)] = {int(std::ceil(cx - dx - 1e-9)), int(std::floor(cx + dx + 1e-9))};
    }
    return rows;
}

// The runs of an ellipse filling a box of the given size: with a one-pixel pen its outline
// (ink 0) and the inside (ink 1) if there is a brush, without a pen the brush alone.
PixelRuns ellipseRuns(QSize size, bool pen, bool brushVisible) {
    const std::vector<Span> rows = ellipseSpans(QRect(QPoint(0, 0), size));
    const int n = int(rows.size());
    PixelRuns runs;
    auto add = [&](int y, int x0, int x1, std::uint8_t ink) {
        runs.push_back({std::int16_t(y), std::int16_t(x0), std::int16_t(x1), ink});
    };
    for (int i = 0; i < n; ++i) {
        const Span row = rows[std::size_t(i)];
        if (row.Empty()) continue;
        if (!pen) {
            if (brushVisible) add(i, row.x0, row.x1, 1);
            continue;
        }
        Span inner{row.x1 + 1, row.x0 - 1};
        if (i > 0 && i < n - 1) {
            const Span up = rows[std::size_t(i - 1)], down = rows[std::size_t(i + 1)];
            inner = {std::max({row.x0 + 1, up.x0, down.x0}), std::min({row.x1 - 1, up.x1, down.x1})};
        }
        if (inner.Empty()) {
            add(i, row.x0, row.x1, 0);
            continue;
        }
        add(i, row.x0, inner.x0 - 1, 0);
        add(i, inner.x1 + 1, row.x1, 0);
        if (brushVisible) add(i, inner.x0, inner.x1, 1);
    }
    return runs;
}

// Paints the runs of an ellipse filling area with the painter.
void paintEllipseSpans(QPainter* p, const QRect& area, bool pen, bool brushVisible, const QBrush& brush,
                       const QColor& penColor) {
    for (const PixelRun& r : ellipseRuns(area.size(), pen, brushVisible)) {
        const QRect span(area.left() + r.x0, area.top() + r.y, r.x1 - r.x0 + 1, 1);
        if (r.ink == 0)
            p->fillRect(span, penColor);
        else
            p->fillRect(span, brush);
    }
}

// Small ellipses in plain colours (series pointers: hundreds per frame, all alike) are
// painted once into a transparent image and then copied. Copying with SourceOver under an
// integral translation gives the very pixels of the spans, and the clip still applies.
constexpr int kCachedEllipseMax = 32;
constexpr std::size_t kEllipseCacheSize = 16;

struct CachedEllipse {
    QSize size;
    bool pen = false;
    bool brush = false;
    QRgb penColor = 0;
    QRgb brushColor = 0;
    QImage image;
};

bool integralTranslation(const QTransform& t) {
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

const QImage* cachedEllipse(QPainter* p, const QRect& area, bool pen, bool brushVisible, const QBrush& brush,
                            const QColor& penColor) {
    if (area.width() > kCachedEllipseMax || area.height() > kCachedEllipseMax) return nullptr;
    if (p->compositionMode() != QPainter::CompositionMode_SourceOver || !integralTranslation(p->transform()))
        return nullptr;
    if (brushVisible && (brush.style() != Qt::SolidPattern || brush.color().alpha() != 255)) return nullptr;
    if (pen && penColor.alpha() != 255) return nullptr;
    const QRgb pc = pen ? penColor.rgba() : 0, bc = brushVisible ? brush.color().rgba() : 0;
    thread_local std::vector<CachedEllipse> cache;
    for (const CachedEllipse& e : cache)
        if (e.size == area.size() && e.pen == pen && e.brush == brushVisible && e.penColor == pc &&
            e.brushColor == bc)
            return &e.image;
    if (cache.size() >= kEllipseCacheSize) cache.erase(cache.begin());
    CachedEllipse e{area.size(), pen, brushVisible,
                    pc,          bc,  QImage(area.size(), QImage::Format_ARGB32_Premultiplied)};
    e.image.fill(Qt::transparent);
    {
        QPainter ip(&e.image);
        paintEllipseSpans(&ip, QRect(QPoint(0, 0), area.size()), pen, brushVisible, brush, penColor);
    }
    cache.push_back(std::move(e));
    return &cache.back().image;
}

void drawEllipse(HDC DC, QPainter* p, const QRect& box) {
    const bool pen = DC->PenVisible() && DC->PenWidth() <= 1;
    if (DC->PenVisible() && !pen) {
        p->drawEllipse(outlineRect(box));
        return;
    }
    // Without a pen the fill covers the box less its right and bottom edge.
    const QRect area = pen ? box : QRect(box.left(), box.top(), box.width() - 1, box.height() - 1);
    if (area.width() < 1 || area.height() < 1) return;
    const bool brushVisible = DC->BrushVisible();
    if (!pen && !brushVisible) return;
    const QBrush& brush = p->brush();
    const QColor penColor = p->pen().color();
    if (const QImage* image = cachedEllipse(p, area, pen, brushVisible, brush, penColor)) {
        p->drawImage(area.topLeft(), *image);
        return;
    }
    paintEllipseSpans(p, area, pen, brushVisible, brush, penColor);
}

// A small ellipse in plain colours (a series pointer) written as pixel runs, kept per size.
// The same runs as paintEllipseSpans, so the same pixels; false where they do not apply.
bool ellipseByRuns(HDC DC, const QRect& box) {
    const GdiPen* pen = DC->st.pen;
    const bool penVisible = pen && !pen->Null();
    if (penVisible && pen->width > 1) return false;
    const int rop = DC->st.rop2;
    if (rop != R2_COPYPEN && rop != R2_BLACK && rop != R2_WHITE) return false;
    const GdiBrush* brush = DC->st.brush;
    const bool brushVisible = brush && !brush->Null();
    if (brushVisible && (brush->style == BS_HATCHED || brush->style == BS_PATTERN)) return false;
    const QRect area = penVisible ? box : QRect(box.left(), box.top(), box.width() - 1, box.height() - 1);
    if (area.width() > kCachedEllipseMax || area.height() > kCachedEllipseMax) return false;
    QPoint offset;
    const RunTarget* target = DC->Runs(offset);
    if (!target) return false;
    if (area.width() < 1 || area.height() < 1 || (!penVisible && !brushVisible)) return true;
    struct Shape {
        QSize size;
        bool pen, brush;
        PixelRuns runs;
    };
    thread_local std::vector<Shape> shapes;
    const PixelRuns* runs = nullptr;
    for (const Shape& s : shapes)
        if (s.size == area.size() && s.pen == penVisible && s.brush == brushVisible) runs = &s.runs;
    if (!runs) {
        if (shapes.size() >= kEllipseCacheSize) shapes.erase(shapes.begin());
        shapes.push_back(
            {area.size(), penVisible, brushVisible, ellipseRuns(area.size(), penVisible, brushVisible)});
        runs = &shapes.back().runs;
    }
    const QRgb ink[2] = {
        ToQRgb(DC->InkUnderRop(penVisible ? (pen->dcPen ? DC->st.dcPenColor : pen->color) : 0)),
        ToQRgb(DC->InkUnderRop(brushVisible ? (brush->dcBrush ? DC->st.dcBrushColor : brush->color) : 0))};
    target->Paint(area.topLeft() + offset, *runs, ink, false);
    return true;
}

} // namespace

BOOL Ellipse(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!valid(DC)) return FALSE;
    const QRect box = NormalRect(Left, Top, Right, Bottom);
    if (box.width() < 2 || box.height() < 2) return TRUE;
    if (DC->pathOpen) {
        QPainterPath f;
        f.addEllipse(outlineRect(box));
        return recordPath(DC, f);
    }
    if (DC->RopIsNop() || ellipseByRuns(DC, box)) return TRUE;
    if (QPainter* p = DC->ShapePainter()) drawEllipse(DC, p, box);
    return TRUE;
}

namespace {
enum class ArcKind { Arc, Pie, Chord };
BOOL arcShape(HDC DC, ArcKind kind, int Left, int Top, int Right, int Bottom, int xs, int ys, int xe,
              int ye) {
    if (!valid(DC)) return FALSE;
    const QRect box = NormalRect(Left, Top, Right, Bottom);
    if (box.width() < 2 || box.height() < 2) return TRUE;
    const QRectF r = outlineRect(box);
    const ArcSpan span = arcSpan(DC, r, xs, ys, xe, ye);
    if (DC->pathOpen) {
        QPainterPath f;
        if (kind == ArcKind::Pie)
            f.moveTo(r.center());
        else
            f.arcMoveTo(r, span.start);
        f.arcTo(r, span.start, span.sweep);
        if (kind != ArcKind::Arc) f.closeSubpath();
        return recordPath(DC, f);
    }
    QPainter* p = DC->ShapePainter();
    if (!p || DC->RopIsNop()) return TRUE;
    const int a = int(std::lround(span.start * 16)), s = int(std::lround(span.sweep * 16));
    switch (kind) {
    case ArcKind::Arc:
        if (DC->PenVisible()) p->drawArc(r, a, s);
        break;
    case ArcKind::Pie:
        p->drawPie(r, a, s);
        break;
    case ArcKind::Chord:
        p->drawChord(r, a, s);
        break;
    }
    return TRUE;
}
} // namespace

BOOL Arc(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd) {
    return arcShape(DC, ArcKind::Arc, Left, Top, Right, Bottom, XStart, YStart, XEnd, YEnd);
}
BOOL Pie(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd) {
    return arcShape(DC, ArcKind::Pie, Left, Top, Right, Bottom, XStart, YStart, XEnd, YEnd);
}
BOOL Chord(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd) {
    return arcShape(DC, ArcKind::Chord, Left, Top, Right, Bottom, XStart, YStart, XEnd, YEnd);
}

BOOL ArcTo(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd) {
    if (!valid(DC)) return FALSE;
    const QRect box = NormalRect(Left, Top, Right, Bottom);
    const QRectF r = outlineRect(box);
    const ArcSpan span = arcSpan(DC, r, XStart, YStart, XEnd, YEnd);
    QPainterPath f;
    f.moveTo(DC->st.pos);
    f.arcTo(r, span.start, span.sweep); // the line to the arc's start joins the current point
    const QPointF end = f.currentPosition();
    DC->st.pos = QPoint(int(std::lround(end.x())), int(std::lround(end.y())));
    if (connectToPath(DC, f)) return TRUE;
    strokeFigure(DC, f);
    return TRUE;
}

int FillRect(HDC DC, const TRect* R, HBRUSH Brush) {
    if (!valid(DC) || !R || !Brush) return FALSE;
    QPainter* p = DC->ShapePainter();
    if (!p) return FALSE;
    const QRect box = NormalRect(R->Left, R->Top, R->Right, R->Bottom);
    if (box.isEmpty()) return TRUE;
    // Filling copies the brush whatever the pen's raster operation.
    if (GetROP2(DC) != R2_COPYPEN) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        DC->Invalidate(DeviceContext::dRop);
    }
    p->fillRect(box, DC->MakeQBrush(Brush));
    return TRUE;
}

int FrameRect(HDC DC, const TRect* R, HBRUSH Brush) {
    if (!valid(DC) || !R || !Brush) return FALSE;
    const TRect& r = *R;
    if (r.Right <= r.Left || r.Bottom <= r.Top) return TRUE;
    const TRect sides[] = {{r.Left, r.Top, r.Right, r.Top + 1},
                           {r.Left, r.Bottom - 1, r.Right, r.Bottom},
                           {r.Left, r.Top, r.Left + 1, r.Bottom},
                           {r.Right - 1, r.Top, r.Right, r.Bottom}};
    for (const TRect& s : sides)
        FillRect(DC, &s, Brush);
    return TRUE;
}

BOOL InvertRect(HDC DC, const TRect* R) {
    if (!valid(DC) || !R) return FALSE;
    QPainter* p = DC->ShapePainter();
    if (!p) return FALSE;
    p->setCompositionMode(QPainter::RasterOp_NotDestination);
    p->fillRect(NormalRect(R->Left, R->Top, R->Right, R->Bottom), Qt::black);
    DC->Invalidate(DeviceContext::dRop);
    return TRUE;
}

BOOL DrawFocusRect(HDC DC, const TRect* R) {
    if (!valid(DC) || !R) return FALSE;
    // Every other pixel of the frame inverted: drawing the same rectangle again erases it.
    const QRect box = NormalRect(R->Left, R->Top, R->Right, R->Bottom);
    if (box.width() < 1 || box.height() < 1) return TRUE;
    QPainterPath dots;
    for (int x = box.left(); x <= box.right(); x += 2) {
        dots.addRect(x, box.top(), 1, 1);
        if (box.height() > 1) dots.addRect(x, box.bottom(), 1, 1);
    }
    for (int y = box.top() + 2; y < box.bottom(); y += 2) {
        dots.addRect(box.left(), y, 1, 1);
        if (box.width() > 1) dots.addRect(box.right(), y, 1, 1);
    }
    QPainter* p = DC->ShapePainter();
    if (!p) return FALSE;
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->fillPath(dots, Qt::white);
    DC->Invalidate(DeviceContext::dRop);
    return TRUE;
}

namespace {
void fillSolid(HDC DC, const TRect& r, TColor c) {
    HBRUSH b = CreateSolidBrush(COLORREF(ColorToRGB(c)));
    FillRect(DC, &r, b);
    DeleteObject(b);
}
void edgeLines(HDC DC, TRect& r, UINT flags, TColor topLeft, TColor bottomRight) {
    if (flags & BF_LEFT) fillSolid(DC, {r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
    if (flags & BF_TOP) fillSolid(DC, {r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
    if (flags & BF_RIGHT) fillSolid(DC, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
    if (flags & BF_BOTTOM) fillSolid(DC, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    if (flags & BF_LEFT) ++r.Left;
    if (flags & BF_TOP) ++r.Top;
    if (flags & BF_RIGHT) --r.Right;
    if (flags & BF_BOTTOM) --r.Bottom;
}
} // namespace

BOOL DrawEdge(HDC DC, TRect* R, UINT Edge, UINT Flags) {
    if (!valid(DC) || !R) return FALSE;
    TRect r = *R;
    if (Edge & BDR_RAISEDOUTER)
        edgeLines(DC, r, Flags, cl3DLight, cl3DDkShadow);
    else if (Edge & BDR_SUNKENOUTER)
        edgeLines(DC, r, Flags, clBtnShadow, clBtnHighlight);
    if (Edge & BDR_RAISEDINNER)
        edgeLines(DC, r, Flags, clBtnHighlight, clBtnShadow);
    else if (Edge & BDR_SUNKENINNER)
        edgeLines(DC, r, Flags, cl3DDkShadow, cl3DLight);
    constexpr UINT BF_MIDDLE = 0x800;
    if (Flags & BF_MIDDLE) fillSolid(DC, r, clBtnFace);
    if (Flags & BF_ADJUST) *R = r;
    return TRUE;
}

BOOL DrawFrameControl(HDC DC, TRect* R, UINT Type, UINT State) {
    if (!valid(DC) || !R || Type != DFC_BUTTON) return FALSE;
    // A 13 x 13 classic box: sunken frame, white (or face when inactive) inside, a tick or dot.
    const int size = std::min({13, R->Width(), R->Height()});
    TRect box = Bounds(R->Left + (R->Width() - size) / 2, R->Top + (R->Height() - size) / 2, size, size);
    const bool radio = (State & 0xF) == DFCS_BUTTONRADIO;
    const TColor face = (State & (DFCS_INACTIVE | DFCS_PUSHED)) ? clBtnFace : clWindow;
    if (!radio) {
        TRect inner = box;
        DrawEdge(DC, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        fillSolid(DC, inner, face);
        if (State & DFCS_CHECKED) {
            const TColor mark = (State & DFCS_INACTIVE) ? clGrayText : clWindowText;
            HPEN pen = CreatePen(PS_SOLID, 1, COLORREF(ColorToRGB(mark)));
            HGDIOBJ old = SelectObject(DC, pen);
            const TPoint o = box.TopLeft();
            for (int i = 0; i < 3; ++i) {
                MoveToEx(DC, o.X + 3, o.Y + 5 + i, nullptr);
                LineTo(DC, o.X + 5, o.Y + 7 + i);
                LineTo(DC, o.X + 10, o.Y + 2 + i);
            }
            SelectObject(DC, old);
            DeleteObject(pen);
        }
        return TRUE;
    }
    QPainter* p = DC->ShapePainter();
    if (!p) return FALSE;
    p->save();
    p->setPen(QPen(ToQColor(COLORREF(ColorToRGB(clBtnShadow))), 0));
    p->setBrush(ToQColor(COLORREF(ColorToRGB(face))));
    p->drawEllipse(QRect(box.Left, box.Top, size - 1, size - 1));
    if (State & DFCS_CHECKED) {
        p->setPen(Qt::NoPen);
        p->setBrush(ToQColor(COLORREF(ColorToRGB(clWindowText))));
        p->drawEllipse(QRect(box.Left + 4, box.Top + 4, 4, 4));
    }
    p->restore();
    return TRUE;
}

// ---- Pixels ------------------------------------------------------------------------------

namespace {
bool devicePixel(HDC DC, int X, int Y, QPoint& d) {
    QImage* img = DC->Image();
    if (!img || img->isNull()) return false;
    DC->ShapePainter();
    d = DC->Transform().map(QPoint(X, Y));
    if (!img->rect().contains(d)) return false;
    return !DC->st.clip || DC->st.clip->contains(d);
}
} // namespace

COLORREF GetPixel(HDC DC, int X, int Y) {
    QPoint d;
    if (!valid(DC) || !devicePixel(DC, X, Y, d)) return CLR_INVALID;
    return FromQRgb(DC->Image()->pixel(d));
}

COLORREF SetPixel(HDC DC, int X, int Y, COLORREF Color) {
    QPoint d;
    if (!valid(DC) || !devicePixel(DC, X, Y, d)) return CLR_INVALID;
    QImage* img = DC->Image();
    const QRgb c = ToQRgb(Color);
    if (img->depth() == 1) {
        img->setPixel(d, qGray(c) >= 128 ? 1 : 0);
    } else {
        img->setPixelColor(d, QColor(c));
    }
    return FromQRgb(img->pixel(d));
}

BOOL SetPixelV(HDC DC, int X, int Y, COLORREF Color) {
    return SetPixel(DC, X, Y, Color) != CLR_INVALID;
}

// ---- Paths -------------------------------------------------------------------------------

BOOL BeginPath(HDC DC) {
    if (!valid(DC)) return FALSE;
    DC->pathOpen = true;
    DC->path.emplace();
    DC->path->setFillRule(DC->st.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    DC->path->moveTo(DC->st.pos);
    return TRUE;
}

BOOL EndPath(HDC DC) {
    if (!valid(DC) || !DC->pathOpen) return FALSE;
    DC->pathOpen = false;
    return TRUE;
}

BOOL AbortPath(HDC DC) {
    if (!valid(DC)) return FALSE;
    DC->pathOpen = false;
    DC->path.reset();
    return TRUE;
}

BOOL CloseFigure(HDC DC) {
    if (!valid(DC) || !DC->pathOpen) return FALSE;
    DC->path->closeSubpath();
    return TRUE;
}

namespace {
bool closedPath(HDC DC) {
    return valid(DC) && !DC->pathOpen && DC->path;
}
BOOL paintPath(HDC DC, bool stroke, bool fill) {
    if (!closedPath(DC)) return FALSE;
    QPainter* p = DC->ShapePainter();
    if (p) {
        if (fill && DC->BrushVisible()) p->fillPath(*DC->path, p->brush());
        if (stroke && DC->PenVisible()) p->strokePath(*DC->path, p->pen());
    }
    DC->path.reset(); // drawing a path uses it up
    return TRUE;
}
} // namespace

BOOL StrokePath(HDC DC) {
    return paintPath(DC, true, false);
}
BOOL FillPath(HDC DC) {
    return paintPath(DC, false, true);
}
BOOL StrokeAndFillPath(HDC DC) {
    return paintPath(DC, true, true);
}

BOOL WidenPath(HDC DC) {
    if (!closedPath(DC) || !DC->st.pen) return FALSE;
    QPainterPathStroker stroker(DC->st.pen->MakeQPen(0));
    stroker.setWidth(std::max(1, DC->st.pen->width));
    QPainterPath wide = stroker.createStroke(*DC->path);
    wide.setFillRule(Qt::WindingFill);
    *DC->path = wide;
    return TRUE;
}

BOOL FlattenPath(HDC DC) {
    if (!closedPath(DC)) return FALSE;
    QPainterPath flat;
    for (const QPolygonF& poly : DC->path->toSubpathPolygons())
        flat.addPolygon(poly);
    flat.setFillRule(DC->path->fillRule());
    *DC->path = flat;
    return TRUE;
}

HRGN PathToRegion(HDC DC) {
    if (!closedPath(DC)) return nullptr;
    DC->ShapePainter();
    auto* r = new GdiRegion;
    const QPainterPath dev = DC->Transform().map(*DC->path);
    r->rgn = QRegion(dev.toFillPolygon().toPolygon(), dev.fillRule());
    DC->path.reset();
    return r;
}

BOOL SelectClipPath(HDC DC, int Mode) {
    HRGN r = PathToRegion(DC);
    if (!r) return FALSE;
    const int result = ExtSelectClipRgn(DC, r, Mode);
    DeleteObject(r);
    return result != ERROR;
}
