// Regions and the clip region of a DC. Regions are in device units; a DC without a clip
// region draws on its whole surface.
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Gdi.h"

#include <QPainterPath>

#include <algorithm>

using namespace platform::detail;

namespace {

HRGN newRegion(const QRegion& r) {
    auto* g = new GdiRegion;
    g->rgn = r;
    return g;
}

int complexity(const QRegion& r) {
    if (r.isEmpty()) return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRegion combine(const QRegion& a, const QRegion& b, int mode) {
    switch (mode) {
    case RGN_AND:
        return a.intersected(b);
    case RGN_OR:
        return a.united(b);
    case RGN_XOR:
        return a.xored(b);
    case RGN_DIFF:
        return a.subtracted(b);
    default:
        return a;
    }
}

void setClip(HDC DC, std::optional<QRegion> clip) {
    DC->st.clip = std::move(clip);
    DC->Invalidate(DeviceContext::dClip);
}

// The region the DC may draw on now: its clip region, or its whole surface.
QRegion currentArea(HDC DC) {
    if (DC->st.clip) return *DC->st.clip;
    const QSize s = DC->DeviceSize();
    return QRegion(0, 0, std::max(0, s.width()), std::max(0, s.height()));
}

QRect logicalToDevice(HDC DC, const QRect& r) {
    DC->ShapePainter();
    return DC->Transform().mapRect(r);
}

} // namespace

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom) {
    return newRegion(QRegion(NormalRect(Left, Top, Right, Bottom)));
}

HRGN CreateRectRgnIndirect(const TRect* R) {
    return R ? CreateRectRgn(R->Left, R->Top, R->Right, R->Bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int WidthEllipse, int HeightEllipse) {
    const QRect r = NormalRect(Left, Top, Right, Bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(r), std::abs(WidthEllipse) / 2.0, std::abs(HeightEllipse) / 2.0);
    return newRegion(QRegion(path.toFillPolygon().toPolygon()));
}

HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom) {
    return newRegion(QRegion(NormalRect(Left, Top, Right, Bottom), QRegion::Ellipse));
}

HRGN CreateEllipticRgnIndirect(const TRect* R) {
    return R ? CreateEllipticRgn(R->Left, R->Top, R->Right, R->Bottom) : nullptr;
}

HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode) {
    QPolygon poly;
    for (int i = 0; Points && i < Count; ++i)
        poly << QPoint(Points[i].X, Points[i].Y);
    return newRegion(QRegion(poly, FillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode) {
    if (!Dest || !Src1 || (Mode != RGN_COPY && !Src2)) return ERROR;
    Dest->rgn = Mode == RGN_COPY ? Src1->rgn : combine(Src1->rgn, Src2->rgn, Mode);
    return complexity(Dest->rgn);
}

int OffsetRgn(HRGN Rgn, int X, int Y) {
    if (!Rgn) return ERROR;
    Rgn->rgn.translate(X, Y);
    return complexity(Rgn->rgn);
}

BOOL PtInRegion(HRGN Rgn, int X, int Y) {
    return Rgn && Rgn->rgn.contains(QPoint(X, Y));
}

BOOL EqualRgn(HRGN Rgn1, HRGN Rgn2) {
    return Rgn1 && Rgn2 && Rgn1->rgn == Rgn2->rgn;
}

int GetRgnBox(HRGN Rgn, TRect* R) {
    if (!Rgn || !R) return ERROR;
    const QRect b = Rgn->rgn.boundingRect();
    *R = {b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    return complexity(Rgn->rgn);
}

BOOL FillRgn(HDC DC, HRGN Rgn, HBRUSH Brush) {
    if (!DC || !Rgn || !Brush) return FALSE;
    QPainter* p = DC->DevicePainter();
    if (!p) return FALSE;
    for (const QRect& r : Rgn->rgn)
        p->fillRect(r, DC->MakeQBrush(Brush));
    DC->EndDevicePainting();
    return TRUE;
}

int SelectClipRgn(HDC DC, HRGN Rgn) {
    if (!DC) return ERROR;
    if (!Rgn) {
        setClip(DC, std::nullopt);
        return SIMPLEREGION;
    }
    setClip(DC, Rgn->rgn);
    return complexity(Rgn->rgn);
}

int ExtSelectClipRgn(HDC DC, HRGN Rgn, int Mode) {
    if (!DC) return ERROR;
    if (Mode == RGN_COPY) return SelectClipRgn(DC, Rgn);
    if (!Rgn) return ERROR;
    const QRegion r = combine(currentArea(DC), Rgn->rgn, Mode);
    setClip(DC, r);
    return complexity(r);
}

int GetClipRgn(HDC DC, HRGN Rgn) {
    if (!DC || !Rgn) return -1;
    if (!DC->st.clip) return 0;
    Rgn->rgn = *DC->st.clip;
    return 1;
}

int GetClipBox(HDC DC, TRect* R) {
    if (!DC || !R) return ERROR;
    const QRegion area = currentArea(DC);
    DC->ShapePainter();
    const QRect b = DC->Transform().inverted().mapRect(area.boundingRect());
    *R = {b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    return complexity(area);
}

int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!DC) return ERROR;
    const QRegion r = currentArea(DC).intersected(logicalToDevice(DC, NormalRect(Left, Top, Right, Bottom)));
    setClip(DC, r);
    return complexity(r);
}

int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!DC) return ERROR;
    const QRegion r = currentArea(DC).subtracted(logicalToDevice(DC, NormalRect(Left, Top, Right, Bottom)));
    setClip(DC, r);
    return complexity(r);
}

int OffsetClipRgn(HDC DC, int X, int Y) {
    if (!DC) return ERROR;
    if (!DC->st.clip) return SIMPLEREGION;
    QRegion r = *DC->st.clip;
    r.translate(X, Y);
    setClip(DC, r);
    return complexity(r);
}

BOOL PtVisible(HDC DC, int X, int Y) {
    if (!DC) return FALSE;
    DC->ShapePainter();
    return currentArea(DC).contains(DC->Transform().map(QPoint(X, Y)));
}

BOOL RectVisible(HDC DC, const TRect* R) {
    if (!DC || !R) return FALSE;
    return currentArea(DC).intersects(logicalToDevice(DC, NormalRect(R->Left, R->Top, R->Right, R->Bottom)));
}
