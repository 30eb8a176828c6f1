// TCursorTool: placing the cursor, snapping, the mouse, and the XOR drawing on top of the
// chart's picture.
#include "chart/tools/CursorTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Cursor.h"

#include <array>
#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TCursorToolStyle, "cssHorizontal", "cssVertical", "cssBoth", "cssScope",
                         "cssScopeOnly")
ORVO_IMPLEMENT_ENUM_TYPE(TScopeCursorStyle, "scsRectangle", "scsCircle", "scsDiamond", "scsEmpty",
                         "scsCamera")
ORVO_IMPLEMENT_ENUM_TYPE(TSnapStyle, "ssDefault", "ssHorizontal", "ssVertical")
ORVO_IMPLEMENT_EVENT_TYPE(TCursorToolChangeEvent)
ORVO_IMPLEMENT_CLASS(TCursorTool, TTeeCustomToolSeries)

ORVO_PUBLISHED(TCursorTool) {
    using S = TCursorTool;
    P.Property("ClickTolerance", &S::ClickTolerance, &S::SetClickTolerance).Default(3);
    P.Property("FollowMouse", &S::FollowMouse, &S::SetFollowMouse).Default(false);
    P.Property("HorizSize", &S::HorizSize, &S::SetHorizSize).Default(0);
    P.Property("Pen", &S::Pen, &S::SetPen);
    P.Property("ScopeSize", &S::ScopeSize, &S::SetScopeSize).Default(4);
    P.Property("ScopeStyle", &S::ScopeStyle, &S::SetScopeStyle).Default(scsRectangle);
    P.Property("Series", &S::Series, &S::SetSeries);
    P.Property("Snap", &S::Snap, &S::SetSnap).Default(false);
    P.Property("SnapStyle", &S::SnapStyle, &S::SetSnapStyle).Default(TSnapStyle::ssDefault);
    P.Property("Style", &S::Style, &S::SetStyle).Default(cssBoth);
    P.Property("UseSeriesZ", &S::UseSeriesZ, &S::SetUseSeriesZ).Default(false);
    P.Property("VertSize", &S::VertSize, &S::SetVertSize).Default(0);
    P.Property("OnChange", &S::OnChange);
    P.Property("OnSnapChange", &S::OnSnapChange);
}

TCursorTool::TCursorTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}

String TCursorTool::Description() {
    return TeeMsg_CursorTool;
}

String TCursorTool::LongDescription() {
    return TeeMsg_CursorToolDesc;
}

void TCursorTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCursorTool*>(Source)) {
        FUseChartRect = s->FUseChartRect;
        IXValue = s->IXValue;
        IYValue = s->IYValue;
        FValueGiven = s->FValueGiven;
        FClick = s->FClick;
        FFollowMouse = s->FFollowMouse;
        FHorizSize = s->FHorizSize;
        FScopeSize = s->FScopeSize;
        FScopeStyle = s->FScopeStyle;
        FSnap = s->FSnap;
        FSnapStyle = s->FSnapStyle;
        FStyle = s->FStyle;
        FUseSeriesZ = s->FUseSeriesZ;
        FVertSize = s->FVertSize;
    }
    TTeeCustomToolSeries::Assign(Source);
}

// ---- properties ------------------------------------------------------------------------------

void TCursorTool::SetXValue(double Value) {
    if (IXValue == Value) return;
    IXValue = Value;
    IOldSnap = -1;
    if (!FPlaced) FValueGiven = true;
    DoChange();
}

void TCursorTool::SetYValue(double Value) {
    if (IYValue == Value) return;
    IYValue = Value;
    IOldSnap = -1;
    if (!FPlaced) FValueGiven = true;
    DoChange();
}

void TCursorTool::DoChange() {
    // A value set by code repaints the chart, which draws the cursor at its new place: the
    // picture cannot hold a stale cursor whatever was drawn over it since.
    CalcScreenPositions();
    Changed(-1);
    FDrawn = false;
    Repaint();
}

void TCursorTool::Changed(int ValueIndex) {
    if (OnChange.Assigned()) OnChange(this, IPoint.X, IPoint.Y, IXValue, IYValue, FSeries, ValueIndex);
}

void TCursorTool::SetStyle(TCursorToolStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    SnapToPoint();
    FDrawn = false;
    Repaint();
}

void TCursorTool::SetScopeStyle(TScopeCursorStyle Value) {
    if (FScopeStyle == Value) return;
    FScopeStyle = Value;
    FDrawn = false;
    Repaint();
}

void TCursorTool::SetSeries(TChartSeries* Value) {
    TTeeCustomToolSeries::SetSeries(Value);
    IOldSnap = -1;
    if (Value && !ComponentState().Contains(csLoading)) {
        SnapToPoint();
        FDrawn = false;
        Repaint();
    }
}

void TCursorTool::SetParentChart(TCustomAxisPanel* Value) {
    TTeeCustomToolSeries::SetParentChart(Value);
    FDrawn = false;
    Repaint();
}

int TCursorTool::Z() {
    return FUseSeriesZ && FSeries ? FSeries->StartZ : 0;
}

// ---- geometry --------------------------------------------------------------------------------

TRect TCursorTool::GetAxisRect() {
    TRect r;
    if (FUseChartRect && FParent) {
        r = FParent->ChartRect;
    } else {
        TChartAxis* h = GetHorizAxis();
        TChartAxis* v = GetVertAxis();
        if (h && v) r = TRect{h->IStartPos, v->IStartPos, h->IEndPos, v->IEndPos};
    }
    if (OnGetAxisRect.Assigned()) OnGetAxisRect(this, r);
    return r;
}

TRect TCursorTool::MouseRectangle(int X, int Y, bool UseSizes) {
    TRect r = GetAxisRect();
    if (UseSizes) {
        if (FHorizSize != 0) {
            r.Left = X - FHorizSize;
            r.Right = X + FHorizSize;
        }
        if (FVertSize != 0) {
            r.Top = Y - FVertSize;
            r.Bottom = Y + FVertSize;
        }
    }
    return r;
}

bool TCursorTool::InMouseRectangle(int X, int Y, bool UseSizes) {
    if (FUseSeriesZ && FParent) FParent->Canvas()->Calculate2DPosition(X, Y, Z());
    const TRect r = MouseRectangle(X, Y, UseSizes);
    return X >= r.Left && X <= r.Right && Y >= r.Top && Y <= r.Bottom;
}

TCursorClicked TCursorTool::Clicked(int X, int Y) {
    if (!FPlaced || !InMouseRectangle(X, Y, true)) return ccNone;
    const TPoint p = IPoint;
    if (FUseSeriesZ && FParent) FParent->Canvas()->Calculate2DPosition(X, Y, Z());
    const bool onHoriz = std::abs(Y - p.Y) <= FClick;
    const bool onVert = std::abs(X - p.X) <= FClick;
    if (FStyle == cssBoth || FStyle == cssScope || FStyle == cssScopeOnly) {
        if (onHoriz && onVert) return ccBoth;
    }
    if (FStyle != cssVertical && onHoriz) return ccHorizontal;
    if (FStyle != cssHorizontal && onVert) return ccVertical;
    return ccNone;
}

// ---- positions -------------------------------------------------------------------------------

bool TCursorTool::AxesLaidOut() {
    TChartAxis* h = GetHorizAxis();
    TChartAxis* v = GetVertAxis();
    return FParent && h && v && h->IAxisSize > 0 && v->IAxisSize > 0;
}

bool TCursorTool::OnPicture() {
    return FDrawn && FPlaced && FParent && Active();
}

void TCursorTool::CalcValuePositions(int X, int Y) {
    if (FUseSeriesZ && FParent) FParent->Canvas()->Calculate2DPosition(X, Y, Z());
    if (IDragging != ccVertical) IYValue = GetVertAxis()->CalcPosPoint(Y);
    if (IDragging != ccHorizontal) IXValue = GetHorizAxis()->CalcPosPoint(X);
}

void TCursorTool::CalcScreenPositions() {
    if (!AxesLaidOut()) return;
    TChartAxis* h = GetHorizAxis();
    TChartAxis* v = GetVertAxis();
    if (!FPlaced) {
        FPlaced = true;
        if (!FValueGiven) {
            // Nobody placed the cursor: it starts in the middle of the axes.
            IPoint = TPoint{(h->IStartPos + h->IEndPos) / 2, (v->IStartPos + v->IEndPos) / 2};
            CalcValuePositions(IPoint.X, IPoint.Y);
            const int index = SnapToPoint();
            IPoint = TPoint{h->CalcXPosValue(IXValue), v->CalcYPosValue(IYValue)};
            Changed(index);
            return;
        }
    }
    IPoint = TPoint{h->CalcXPosValue(IXValue), v->CalcYPosValue(IYValue)};
}

// ---- snapping --------------------------------------------------------------------------------

int TCursorTool::NearestPoint(TCursorToolStyle AStyle, double& Difference) {
    Difference = -1;
    int result = -1;
    if (!FSeries || FSeries->Count() == 0) return -1;
    const int count = FSeries->Count();
    const int first = std::max(0, FSeries->FirstVisibleIndex());
    int last = FSeries->LastVisibleIndex();
    if (last < 0 || last >= count) last = count - 1;
    TChartValueList* xs = FSeries->XValues();
    TChartValueList* ys = FSeries->YValues();
    for (int i = first; i <= last; ++i) {
        const double dx = std::abs(IXValue - xs->Value(i));
        const double dy = std::abs(IYValue - ys->Value(i));
        double d;
        if (FSnapStyle == TSnapStyle::ssHorizontal)
            d = dy;
        else if (FSnapStyle == TSnapStyle::ssVertical)
            d = dx;
        else if (AStyle == cssHorizontal)
            d = dy;
        else if (AStyle == cssVertical)
            d = dx;
        else
            d = std::sqrt(dx * dx + dy * dy);
        if (Difference == -1 || d < Difference) {
            result = i;
            Difference = d;
        }
    }
    return result;
}

int TCursorTool::SnapToPoint() {
    if (!FSeries || !FSnap) return -1;
    double difference;
    const int result = NearestPoint(FStyle, difference);
    if (result != -1) {
        if (FStyle != cssVertical) IYValue = FSeries->YValues()->Value(result);
        if (FStyle != cssHorizontal) IXValue = FSeries->XValues()->Value(result);
    }
    return result;
}

// ---- chart events ----------------------------------------------------------------------------

void TCursorTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomToolSeries::ChartEvent(AEvent);
    if (AEvent != cteAfterDraw) return;
    CalcScreenPositions();
    RedrawCursor();
    FDrawn = FPlaced;
}

void TCursorTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                  int Y) {
    (void)Button;
    (void)Shift;
    if (!FParent) return;
    switch (AEvent) {
    case cmeDown:
        if (!FFollowMouse) {
            IDragging = Clicked(X, Y);
            if (IDragging != ccNone) FParent->SetCancelMouse(true);
        }
        break;
    case cmeMove:
        if ((IDragging != ccNone || FFollowMouse) && InMouseRectangle(X, Y, false)) {
            const bool onPicture = OnPicture();
            if (onPicture) RedrawCursor();
            CalcValuePositions(X, Y);
            FValueGiven = true;
            const int index = SnapToPoint();
            CalcScreenPositions();
            if (onPicture) RedrawCursor();
            if (!onPicture) {
                FDrawn = false;
                Repaint();
            }
            Changed(index);
            if (OnSnapChange.Assigned() && index != IOldSnap)
                OnSnapChange(this, IPoint.X, IPoint.Y, IXValue, IYValue, FSeries, index);
            IOldSnap = index;
        } else {
            const TCursorClicked hit = Clicked(X, Y);
            switch (hit) {
            case ccHorizontal:
                FParent->SetCursor(crVSplit);
                break;
            case ccVertical:
                FParent->SetCursor(crHSplit);
                break;
            case ccBoth:
                FParent->SetCursor(crSizeAll);
                break;
            case ccNone:
                break;
            }
            FParent->SetCancelMouse(hit != ccNone);
        }
        break;
    case cmeUp:
        IDragging = ccNone;
        break;
    }
}

// ---- XOR drawing -----------------------------------------------------------------------------

void TCursorTool::DrawScope(TCanvas3D* Canvas, int X, int Y, int Zpos) {
    const int s = FScopeSize;
    const bool is3D = FParent->View3D();
    auto hline = [&](int x0, int x1, int y) {
        if (is3D)
            Canvas->HorizLine3D(x0, x1, y, Zpos);
        else
            Canvas->DoHorizLine(x0, x1, y);
    };
    auto vline = [&](int x, int y0, int y1) {
        if (is3D)
            Canvas->VertLine3D(x, y0, y1, Zpos);
        else
            Canvas->DoVertLine(x, y0, y1);
    };
    auto rectangle = [&](const TRect& r) {
        if (is3D)
            Canvas->RectangleWithZ(r, Zpos);
        else
            Canvas->Rectangle(r);
    };
    if (FScopeStyle == scsCamera) {
        rectangle(TRect{X - FHorizSize - s, Y - FVertSize - s, X + FHorizSize + s, Y + FVertSize + s});
        hline(X - s, X + s, Y);
        vline(X, Y - s, Y + s);
        return;
    }
    hline(X - FHorizSize - s, X - s, Y);
    hline(X + s, X + FHorizSize + s, Y);
    vline(X, Y - FVertSize - s, Y - s);
    vline(X, Y + s, Y + FVertSize + s);
    const TRect square{X - s, Y - s, X + s, Y + s};
    switch (FScopeStyle) {
    case scsRectangle:
        rectangle(square);
        break;
    case scsCircle:
        if (is3D)
            Canvas->EllipseWithZ(square, Zpos);
        else
            Canvas->Ellipse(square);
        break;
    case scsDiamond: {
        const std::array<TPoint, 4> p{TPoint{X - s, Y}, TPoint{X, Y - s}, TPoint{X + s, Y}, TPoint{X, Y + s}};
        if (is3D)
            Canvas->PolygonWithZ(p, Zpos);
        else
            Canvas->Polygon(p);
        break;
    }
    default:
        break;
    }
}

void TCursorTool::RedrawCursor() {
    if (!FParent || !FPlaced) return;
    TCanvas3D* canvas = FParent->Canvas();
    TColor back = FParent->Color();
    if (back == clTeeColor) back = clBtnFace;
    canvas->AssignVisiblePenColor(FPen, TColor(ColorToRGB(FPen->Color()) ^ ColorToRGB(back)));
    canvas->Brush()->SetStyle(bsClear);
    canvas->Pen()->SetMode(pmXor);
    const TRect r = MouseRectangle(IPoint.X, IPoint.Y, true);
    const int x = IPoint.X, y = IPoint.Y;
    const bool is3D = FParent->View3D();
    const int z = Z();
    auto horizontal = [&] {
        if (is3D)
            canvas->HorizLine3D(r.Left, r.Right, y, z);
        else
            canvas->DoHorizLine(r.Left, r.Right, y);
    };
    auto vertical = [&] {
        if (is3D)
            canvas->VertLine3D(x, r.Top, r.Bottom, z);
        else
            canvas->DoVertLine(x, r.Top, r.Bottom);
    };
    switch (FStyle) {
    case cssHorizontal:
        horizontal();
        break;
    case cssVertical:
        vertical();
        break;
    case cssBoth:
        horizontal();
        vertical();
        break;
    case cssScope:
        DrawScope(canvas, x, y, z);
        horizontal();
        vertical();
        break;
    case cssScopeOnly:
        DrawScope(canvas, x, y, z);
        break;
    }
    canvas->Pen()->SetMode(pmCopy);
    canvas->Invalidate();
}
