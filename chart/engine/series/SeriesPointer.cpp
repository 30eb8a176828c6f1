#include "chart/engine/series/SeriesPointer.h"

#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"

#include <array>

ORVO_IMPLEMENT_ENUM_TYPE(TSeriesPointerStyle, "psRectangle", "psCircle", "psTriangle", "psDownTriangle",
                         "psCross", "psDiagCross", "psStar", "psDiamond", "psSmallDot", "psNothing",
                         "psLeftTriangle", "psRightTriangle", "psHexagon")
ORVO_IMPLEMENT_ENUM_TYPE(TArrowHeadStyle, "ahNone", "ahLine", "ahSolid")
ORVO_IMPLEMENT_CLASS(TSeriesPointer, TTeeCustomShapeBrushPen)
ORVO_IMPLEMENT_CLASS(TCallout, TSeriesPointer)
ORVO_IMPLEMENT_CLASS(TMarksCallout, TCallout)

bool TeeCheckMarkArrowColor = false;

namespace {

TCustomTeePanel* chartOf(TChartSeries* Series) {
    return Series ? Series->ParentChart() : nullptr;
}

// The corners of a hexagon of half sizes H and V centred at (PX, PY): top, the two right
// corners, bottom, the two left corners.
std::array<TPoint, 6> hexagonPoints(int PX, int PY, int H, int V) {
    const int L = PX - H, R = PX + H, T = PY - V, B = PY + V;
    return {Point(PX, T), Point(R, PY - V / 2), Point(R, PY + V / 2),
            Point(PX, B), Point(L, PY + V / 2), Point(L, PY - V / 2)};
}

// The flat polygon of a style drawn as one (triangles, diamond, hexagon); empty for others.
std::vector<TPoint> stylePolygon(TSeriesPointerStyle Style, int PX, int PY, int H, int V) {
    const int L = PX - H, R = PX + H, T = PY - V, B = PY + V;
    switch (Style) {
    case psTriangle:
        return {Point(L, PY + V), Point(R, PY + V), Point(PX, PY - V)};
    case psDownTriangle:
        return {Point(L, PY - V), Point(R, PY - V), Point(PX, PY + V)};
    case psDiamond:
        return {Point(L, PY), Point(PX, T), Point(R, PY), Point(PX, B)};
    case psLeftTriangle:
        return {Point(L, PY), Point(R, B), Point(R, T)};
    case psRightTriangle:
        return {Point(R, PY), Point(L, B), Point(L, T)};
    case psHexagon: {
        const auto h = hexagonPoints(PX, PY, H, V);
        return {h.begin(), h.end()};
    }
    default:
        return {};
    }
}

} // namespace

ORVO_PUBLISHED(TSeriesPointer) {
    using S = TSeriesPointer;
    P.Property("Brush", &S::Brush, &S::SetBrush);
    P.Property("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    P.Property("Draw3D", &S::Draw3D, &S::SetDraw3D).Default(true);
    P.Property("Gradient", &S::Gradient, &S::SetGradient).Present(&S::HasGradient);
    P.Property("HorizSize", &S::HorizSize, &S::SetHorizSize).Default(4);
    P.Property("InflateMargins", &S::InflateMargins, &S::SetInflateMargins).Default(true);
    P.Property("Pen", &S::Pen, &S::SetPen);
    P.Property("Shadow", &S::Shadow, &S::SetShadow);
    P.Property("Style", &S::Style, &S::SetStyle).Default(psRectangle);
    P.Property("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    P.Property("VertSize", &S::VertSize, &S::SetVertSize).Default(4);
    P.Property("Visible", &S::Visible, &S::SetVisible).Default(true);
}

ORVO_PUBLISHED(TCallout) {
    using S = TCallout;
    P.Property("Arrow", &S::Arrow, &S::SetArrow);
    P.Property("ArrowHead", &S::ArrowHead, &S::SetArrowHead).Default(ahNone);
    P.Property("ArrowHeadSize", &S::ArrowHeadSize, &S::SetArrowHeadSize).Default(8);
    P.Property("Distance", &S::Distance, &S::SetDistance).Default(0);
    P.Property("Draw3D", &S::Draw3D, &S::SetDraw3D).Default(false);
}

ORVO_PUBLISHED(TMarksCallout) {
    using S = TMarksCallout;
    P.Property("Length", &S::Length, &S::SetLength).Stored(&S::IsLengthStored);
    P.Property("Visible", &S::Visible, &S::SetVisible).Default(false);
}

// ---- TSeriesPointer ------------------------------------------------------------------------

TSeriesPointer::TSeriesPointer(TChartSeries* AOwner)
    : TTeeCustomShapeBrushPen(chartOf(AOwner)), FSeries(AOwner) {
    // Automatic colour: the point's colour.
    FBrush->SetColor(clTeeColor);
    FShadow = new TTeeShadow(changedEvent());
    FShadow->InitValues(FShadow->Color(), 3);
    FShadow->DefaultVisible = false;
    FShadow->SetVisible(false);
}

TSeriesPointer::~TSeriesPointer() {
    delete FShadow;
    delete FGradient;
}

void TSeriesPointer::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TSeriesPointer*>(Source);
    if (!s) {
        TTeeCustomShapeBrushPen::Assign(Source);
        return;
    }
    FDark3D = s->FDark3D;
    FDraw3D = s->FDraw3D;
    SetGradient(s->FGradient);
    FHorizSize = s->FHorizSize;
    FInflateMargins = s->FInflateMargins;
    FShadow->Assign(s->FShadow);
    FStyle = s->FStyle;
    FTransparency = s->FTransparency;
    FVertSize = s->FVertSize;
    TTeeCustomShapeBrushPen::Assign(Source);
}

void TSeriesPointer::SetParentSeries(TChartSeries* Value) {
    FSeries = Value;
    if (TCustomTeePanel* chart = chartOf(Value)) SetParent(chart);
}

void TSeriesPointer::CheckPointerSize(int Value) const {
    if (Value <= 0) throw ChartException(TeeMsg_CheckPointerSize);
}

void TSeriesPointer::SetHorizSize(int Value) {
    CheckPointerSize(Value);
    SetAndRepaint(FHorizSize, Value);
}

void TSeriesPointer::SetVertSize(int Value) {
    CheckPointerSize(Value);
    SetAndRepaint(FVertSize, Value);
}

void TSeriesPointer::SetSize(int Value) {
    CheckPointerSize(Value);
    SetHorizSize(Value);
    SetVertSize(Value);
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle Value) {
    SetAndRepaint(FStyle, Value);
}
void TSeriesPointer::SetDark3D(bool Value) {
    SetAndRepaint(FDark3D, Value);
}
void TSeriesPointer::SetDraw3D(bool Value) {
    SetAndRepaint(FDraw3D, Value);
}
void TSeriesPointer::SetInflateMargins(bool Value) {
    SetAndRepaint(FInflateMargins, Value);
}
void TSeriesPointer::SetTransparency(TTeeTransparency Value) {
    SetAndRepaint(FTransparency, Value);
}

TColor TSeriesPointer::Color() const {
    return FBrush->Color();
}
void TSeriesPointer::SetColor(TColor Value) {
    FBrush->SetColor(Value);
}

TTeeGradient* TSeriesPointer::Gradient() {
    if (!FGradient) {
        FGradient = new TTeeGradient();
        FGradient->Changed = changedEvent();
    }
    return FGradient;
}

void TSeriesPointer::SetGradient(TTeeGradient* Value) {
    if (!Value) {
        delete FGradient;
        FGradient = nullptr;
    } else if (Value != FGradient) {
        Gradient()->Assign(Value);
    }
}

void TSeriesPointer::SetShadow(TTeeShadow* Value) {
    if (Value && Value != FShadow) FShadow->Assign(Value);
}

int TSeriesPointer::StartZ() const {
    return FSeries ? FSeries->StartZ : 0;
}
int TSeriesPointer::MiddleZ() const {
    return FSeries ? FSeries->MiddleZ : 0;
}
int TSeriesPointer::EndZ() const {
    return FSeries ? FSeries->EndZ : 0;
}

void TSeriesPointer::CalcHorizMargins(int& LeftMargin, int& RightMargin) const {
    if (FVisible && FInflateMargins) {
        LeftMargin = std::max(LeftMargin, FHorizSize + 1);
        RightMargin = std::max(RightMargin, FHorizSize + 1);
    }
}

void TSeriesPointer::CalcVerticalMargins(int& TopMargin, int& BottomMargin) const {
    if (FVisible && FInflateMargins) {
        TopMargin = std::max(TopMargin, FVertSize + 1);
        BottomMargin = std::max(BottomMargin, FVertSize + 1);
    }
}

void TSeriesPointer::PrepareCanvas(TCanvas3D* ACanvas, TColor AColor) {
    if (FPen->Visible())
        ACanvas->AssignVisiblePenColor(FPen, FPen->Color() == clTeeColor ? AColor : FPen->Color());
    else
        ACanvas->Pen()->SetStyle(psClear);

    TColor c = FBrush->Color();
    if (c == clTeeColor) c = FBrush->Style() != bsSolid ? FBrush->BackColor() : AColor;
    ACanvas->AssignBrush(FBrush, c, AColor);
}

void TSeriesPointer::Prepare() {
    if (FParent && FParent->Canvas()) PrepareCanvas(FParent->Canvas(), FBrush->Color());
}

void TSeriesPointer::Draw(int PX, int PY) {
    Draw(PX, PY, FBrush->Color(), FStyle);
}

void TSeriesPointer::Draw(int PX, int PY, TColor AColor, TSeriesPointerStyle AStyle) {
    if (!FParent || !FParent->Canvas()) return;
    DrawPointer(FParent->Canvas(), FParent->View3D(), PX, PY, FHorizSize, FVertSize, AColor, AStyle);
}

void TSeriesPointer::DrawShadow(TCanvas3D* ACanvas, bool Is3D, int PX, int PY, int H, int V,
                                TSeriesPointerStyle AStyle) {
    if (AStyle != psRectangle && AStyle != psCircle && AStyle != psHexagon) return;
    // The shadow draws in its own colour: keep what the pointer prepared.
    TBrush* brush = ACanvas->Brush();
    const TColor oldColor = brush->Color();
    const TBrushStyle oldStyle = brush->Style();
    const TPenStyle oldPen = ACanvas->Pen()->Style();
    const int z = Is3D ? StartZ() : 0;
    const int L = PX - H, R = PX + H, T = PY - V, B = PY + V;
    if (AStyle == psRectangle)
        FShadow->Draw(ACanvas, TRect{L, T, R + 1, B + 1}, z, 0);
    else if (AStyle == psCircle)
        FShadow->DrawEllipse(ACanvas, TRect{L, T, R, B}, z);
    else {
        const auto hex = hexagonPoints(PX, PY, H, V);
        if (Is3D) {
            TPointArray p;
            ACanvas->Calc3DPoints(hex, z, p);
            FShadow->Draw(ACanvas, p);
        } else {
            FShadow->Draw(ACanvas, hex);
        }
    }
    brush->SetColor(oldColor);
    brush->SetStyle(oldStyle);
    ACanvas->Pen()->SetStyle(oldPen);
}

void TSeriesPointer::DrawGradient(TCanvas3D* ACanvas, bool Is3D, int PX, int PY, int H, int V, TColor AColor,
                                  TSeriesPointerStyle AStyle, bool AsPyramid) {
    const int pw = FPen->Visible() ? FPen->Width() : 0;
    TRect r{PX - H + pw, PY - V + pw, PX + H, PY + V};

    if (!FFullGradient && FGradient->EndColor() != AColor) {
        // The point's colour, without a repaint.
        const TNotifyEvent changed = FGradient->Changed;
        FGradient->Changed = TNotifyEvent();
        FGradient->SetEndColor(AColor);
        FGradient->Changed = changed;
    }

    const bool orthogonal = !ACanvas->View3DOptions() || ACanvas->View3DOptions()->Orthogonal();
    if (AStyle == psRectangle && Is3D && !orthogonal) {
        r.Right -= pw;
        r.Bottom -= pw;
        TFourPoints p;
        ACanvas->FourPointsFromRect(r, StartZ(), p);
        FGradient->Draw(static_cast<TTeeCanvas*>(ACanvas), p);
        return;
    }

    const int z = StartZ();
    if (Is3D) r = ACanvas->CalcRect3D(r, z);
    auto clipToPolygon = [&] {
        std::vector<TPoint> poly = stylePolygon(AStyle, PX, PY, H, V);
        if (Is3D) {
            TPointArray p;
            ACanvas->Calc3DPoints(poly, z, p);
            poly.assign(p.begin(), p.end());
        }
        ACanvas->ClipPolygon(poly, static_cast<int>(poly.size()), false);
    };

    switch (AStyle) {
    case psRectangle:
        ACanvas->ClipRectangle(r);
        break;
    case psCircle:
        ACanvas->ClipEllipse(r, false);
        break;
    case psTriangle:
    case psDownTriangle:
        if (AsPyramid) return;
        clipToPolygon();
        break;
    case psLeftTriangle:
    case psRightTriangle:
    case psHexagon:
        clipToPolygon();
        break;
    case psDiamond: {
        const std::vector<TPoint> d = stylePolygon(psDiamond, PX, PY, H, V);
        TFourPoints p{d[0], d[1], d[2], d[3]};
        if (Is3D)
            FGradient->Draw(ACanvas, p, z);
        else
            FGradient->Draw(static_cast<TTeeCanvas*>(ACanvas), p);
        return;
    }
    default:
        return;
    }
    FGradient->Draw(static_cast<TTeeCanvas*>(ACanvas), r);
    ACanvas->UnClipRectangle();
}

void TSeriesPointer::DrawPointer(TCanvas3D* ACanvas, bool Is3D, int PX, int PY, int AHorizSize, int AVertSize,
                                 TColor AColor, TSeriesPointerStyle AStyle) {
    const int h = AHorizSize, v = AVertSize;
    const int L = PX - h, R = PX + h, T = PY - v, B = PY + v;
    const int z0 = StartZ(), z1 = EndZ();

    if (FShadow->Visible() && FShadow->Size() != 0) DrawShadow(ACanvas, Is3D, PX, PY, h, v, AStyle);

    const bool orthogonal = !ACanvas->View3DOptions() || ACanvas->View3DOptions()->Orthogonal();
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) {
        TRect r{L, T, R + 1, B + 1};
        if (Is3D) {
            if (AStyle == psRectangle && FDraw3D && orthogonal) {
                r.Right += z1 - z0;
                r.Top -= z1 - z0;
            }
            r = ACanvas->CalcRect3D(r, z0);
        }
        blend = ACanvas->BeginBlending(r, FTransparency);
    }

    bool asPyramid = false;
    auto polygon = [&](TSeriesPointerStyle S) {
        const std::vector<TPoint> p = stylePolygon(S, PX, PY, h, v);
        if (Is3D)
            ACanvas->PolygonWithZ(p, z0);
        else
            ACanvas->Polygon(p);
    };
    auto line = [&](int X0, int Y0, int X1, int Y1) {
        if (Is3D)
            ACanvas->LineWithZ(X0, Y0, X1, Y1, z0);
        else
            ACanvas->Line(X0, Y0, X1, Y1);
    };
    auto cross = [&] {
        line(PX, T, PX, B + 1);
        line(L, PY, R + 1, PY);
    };
    auto diagCross = [&] {
        line(L, T, R + 1, B + 1);
        line(R, T, L - 1, B + 1);
    };

    switch (AStyle) {
    case psRectangle:
        if (!Is3D)
            ACanvas->Rectangle(L, T, R + 1, B + 1);
        else if (FDraw3D)
            ACanvas->Cube(L, R, T, B, z0, z1, FDark3D);
        else
            ACanvas->RectangleWithZ(TRect{L, T, R + 1, B + 1}, z0);
        break;
    case psCircle:
        if (!Is3D)
            ACanvas->Ellipse(L, T, R, B);
        else if (FDraw3D && ACanvas->SupportsFullRotation())
            ACanvas->Sphere(PX, PY, MiddleZ(), h);
        else
            ACanvas->EllipseWithZ(L, T, R, B, z0);
        break;
    case psTriangle:
    case psDownTriangle:
        if (Is3D && FDraw3D) {
            asPyramid = true;
            if (AStyle == psTriangle)
                ACanvas->Pyramid(true, L, PY - v, R, PY + v, z0, z1, FDark3D);
            else
                ACanvas->Pyramid(true, L, PY + v, R, PY - v, z0, z1, FDark3D);
        } else {
            polygon(AStyle);
        }
        break;
    case psCross:
        cross();
        break;
    case psDiagCross:
        diagCross();
        break;
    case psStar:
        cross();
        diagCross();
        break;
    case psDiamond:
    case psLeftTriangle:
    case psRightTriangle:
    case psHexagon:
        polygon(AStyle);
        break;
    case psSmallDot:
        if (Is3D)
            ACanvas->SetPixel3D(PX, PY, MiddleZ(), ACanvas->Brush()->Color());
        else
            ACanvas->SetPixel(PX, PY, ACanvas->Brush()->Color());
        break;
    case psNothing:
        break;
    }

    if (FGradient && FGradient->Visible())
        DrawGradient(ACanvas, Is3D, PX, PY, h, v, AColor, AStyle, asPyramid);

    if (blend) ACanvas->EndBlending(blend);
}

// ---- TCallout ------------------------------------------------------------------------------

TCallout::TCallout(TChartSeries* AOwner) : TSeriesPointer(AOwner) {
    FArrow = new TWhitePen(changedEvent());
    FArrow->SetColor(clBlack);
    FDraw3D = false;
    FInflateMargins = true;
    FStyle = psRectangle;
    FBrush->SetColor(clBlack);
    FFullGradient = true;
    FVisible = true;
}

TCallout::~TCallout() {
    delete FArrow;
}

void TCallout::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCallout*>(Source)) {
        FDistance = s->FDistance;
        FArrow->Assign(s->FArrow);
        FArrowHead = s->FArrowHead;
        FArrowHeadSize = s->FArrowHeadSize;
    }
    TSeriesPointer::Assign(Source);
}

void TCallout::SetArrow(TWhitePen* Value) {
    if (Value && Value != FArrow) FArrow->Assign(Value);
}
void TCallout::SetArrowHead(TArrowHeadStyle Value) {
    SetAndRepaint(FArrowHead, Value);
}
void TCallout::SetArrowHeadSize(int Value) {
    SetAndRepaint(FArrowHeadSize, Value);
}
void TCallout::SetDistance(int Value) {
    SetAndRepaint(FDistance, Value);
}

void TCallout::Draw(TColor AColor, TPoint AFrom, TPoint ATo, TPoint AMid, int Z, bool HasMid) {
    if (!FParent || !FParent->Canvas()) return;
    TCanvas3D* canvas = FParent->Canvas();
    const bool is3D = FParent->View3D();

    const TRect& bounds = FParent->ChartBounds();
    if (bounds.Left != 0 || bounds.Top != 0) {
        const TPoint d = Point(bounds.Left, bounds.Top);
        AFrom = Point(AFrom.X + d.X, AFrom.Y + d.Y);
        ATo = Point(ATo.X + d.X, ATo.Y + d.Y);
        AMid = Point(AMid.X + d.X, AMid.Y + d.Y);
    }

    if (FArrow->Visible()) {
        Prepare();
        if (FArrowHead != ahSolid) canvas->Brush()->SetStyle(bsClear);
        TColor arrowColor = FArrow->Color();
        if (TeeCheckMarkArrowColor && (arrowColor == AColor || arrowColor == FParent->Color()))
            arrowColor = FParent->Color() == clBlack ? clWhite : clBlack;
        canvas->AssignVisiblePenColor(FArrow, arrowColor);

        if (FArrowHead != ahNone) {
            canvas->Arrow(FArrowHead == ahSolid, ATo, AFrom, FArrowHeadSize, FArrowHeadSize, Z);
        } else if (is3D) {
            canvas->MoveTo3D(AFrom.X, AFrom.Y, Z);
            if (HasMid) canvas->LineTo3D(AMid.X, AMid.Y, Z);
            canvas->LineTo3D(ATo.X, ATo.Y, Z);
        } else {
            canvas->MoveTo(AFrom);
            if (HasMid) canvas->LineTo(AMid);
            canvas->LineTo(ATo);
        }
    }

    if (FArrowHead == ahNone && FVisible) {
        Prepare();
        TPoint p = AFrom;
        if (is3D) p = canvas->Calculate3DPosition(AFrom, Z);
        DrawPointer(canvas, false, p.X, p.Y, FHorizSize, FVertSize, FBrush->Color(), FStyle);
    }
}

// ---- TMarksCallout -------------------------------------------------------------------------

TMarksCallout::TMarksCallout(TChartSeries* AOwner) : TCallout(AOwner) {
    FVisible = false;
    FArrow->SetColor(clWhite);
}

void TMarksCallout::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TMarksCallout*>(Source)) FLength = s->FLength;
    TCallout::Assign(Source);
}

void TMarksCallout::SetLength(int Value) {
    if (FSeries)
        FSeries->SetIntegerProperty(FLength, Value);
    else
        FLength = Value;
}

void TMarksCallout::ApplyArrowLength(TSeriesMarkPosition* P) const {
    // Length and distance can be any int a chart file holds: the moved points stay within the
    // pixel limit.
    const Int64 d = Int64(FLength) + FDistance;
    P->LeftTop.Y = ClampPx(P->LeftTop.Y - d);
    P->ArrowTo.Y = ClampPx(P->ArrowTo.Y - d);
    P->ArrowFrom.Y = ClampPx(P->ArrowFrom.Y - Int64(FDistance));
}
