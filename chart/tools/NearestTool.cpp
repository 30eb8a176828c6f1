// TNearestTool: finding the nearest point and drawing its mark.
#include "chart/tools/NearestTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"

#include <array>
#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TNearestToolStyle, "hsNone", "hsCircle", "hsRectangle", "hsDiamond", "hsSeries")
ORVO_IMPLEMENT_CLASS(TNearestTool, TTeeCustomToolSeries)

ORVO_PUBLISHED(TNearestTool) {
    using S = TNearestTool;
    P.Property("Brush", &S::Brush, &S::SetBrush);
    P.Property("DrawLine", &S::DrawLine, &S::SetDrawLine).Default(true);
    P.Property("FullRepaint", &S::FullRepaint, &S::SetFullRepaint).Default(true);
    P.Property("LinePen", &S::LinePen, &S::SetLinePen);
    P.Property("Pen", &S::Pen, &S::SetPen);
    P.Property("Series", &S::Series, &S::SetSeries);
    P.Property("Size", &S::Size, &S::SetSize).Default(20);
    P.Property("Style", &S::Style, &S::SetStyle).Default(hsCircle);
    P.Property("OnChange", &S::OnChange);
}

TNearestTool::TNearestTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {
    FLinePen = CreateChartPen();
    FBrush->SetStyle(bsClear);
    FPen->SetStyle(psDot);
    FPen->SetColor(clWhite);
}

TNearestTool::~TNearestTool() {
    delete FLinePen;
}

String TNearestTool::Description() {
    return TeeMsg_NearestTool;
}

String TNearestTool::LongDescription() {
    return TeeMsg_NearestToolDesc;
}

void TNearestTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TNearestTool*>(Source)) {
        FFullRepaint = s->FFullRepaint;
        FLinePen->Assign(s->FLinePen);
        FSize = s->FSize;
        FStyle = s->FStyle;
    }
    TTeeCustomToolSeries::Assign(Source);
}

void TNearestTool::SetLinePen(TChartPen* Value) {
    FLinePen->Assign(Value);
}

void TNearestTool::SetStyle(TNearestToolStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Repaint();
}

int TNearestTool::GetNearestPoint(TChartSeries* Series, int X, int Y, bool IncludeNulls) {
    if (!Series || Series->Count() == 0) return -1;
    const int clicked = Series->Clicked(X, Y);
    if (clicked != -1) return clicked;
    const int count = Series->Count();
    int first = std::max(0, Series->FirstVisibleIndex());
    int last = Series->LastVisibleIndex();
    if (last < 0 || last >= count) last = count - 1;
    TCustomAxisPanel* chart = Series->ParentChart();
    int result = -1;
    int minDist = 10000;
    for (int i = first; i <= last; ++i) {
        if (!IncludeNulls && Series->IsNull(i)) continue;
        int px = 0, py = 0;
        Series->CalcSelectionPos(i, px, py);
        if (Series->HasZValues() && chart) {
            const TPoint p = chart->Canvas()->Calculate3DPosition(px, py, Series->StartZ);
            px = p.X;
            py = p.Y;
        } else if (chart) {
            const TRect& r = chart->ChartRect;
            if (px < r.Left || px > r.Right || py < r.Top || py > r.Bottom) continue;
        }
        const int d = int(std::lround(std::sqrt(double(X - px) * (X - px) + double(Y - py) * (Y - py))));
        if (d < minDist) {
            minDist = d;
            result = i;
        }
    }
    return result;
}

void TNearestTool::PaintHint() {
    if (!FParent || !FSeries || !FSeries->Active() || FPoint == -1 || FPoint >= FSeries->Count()) return;
    TCanvas3D* c = FParent->Canvas();
    TColor back = FParent->Color();
    if (back == clTeeColor) back = clBtnFace;
    const TColor inverse = TColor(0xFFFFFF - ColorToRGB(back));
    if (FFullRepaint) {
        c->AssignVisiblePen(FPen);
    } else {
        c->AssignVisiblePenColor(FPen, TColor(ColorToRGB(FPen->Color()) ^ inverse));
        c->Pen()->SetMode(pmNotXor);
    }
    int x = 0, y = 0;
    FSeries->CalcSelectionPos(FPoint, x, y);
    const int z = FSeries->StartZ;
    const bool is3D = FParent->View3D();
    c->AssignBrush(FBrush);
    c->SetBackMode(cbmTransparent);
    const TRect r{x - FSize, y - FSize, x + FSize, y + FSize};
    try {
        switch (FStyle) {
        case hsCircle:
            if (is3D)
                c->EllipseWithZ(r.Left, r.Top, r.Right, r.Bottom, z);
            else
                c->Ellipse(r.Left, r.Top, r.Right, r.Bottom);
            break;
        case hsRectangle:
            if (is3D)
                c->RectangleWithZ(r, z);
            else
                c->Rectangle(r);
            break;
        case hsDiamond: {
            const std::array<TPoint, 4> p{TPoint{x, y - FSize}, TPoint{x + FSize, y}, TPoint{x, y + FSize},
                                          TPoint{x - FSize, y}};
            if (is3D)
                c->PolygonWithZ(p, z);
            else
                c->Polygon(p);
            break;
        }
        case hsSeries: {
            TChartPen old;
            old.Assign(FSeries->Pen());
            FSeries->Pen()->Assign(FPen);
            try {
                FSeries->DrawValue(FPoint);
            } catch (...) {
                FSeries->Pen()->Assign(&old);
                throw;
            }
            FSeries->Pen()->Assign(&old);
            break;
        }
        case hsNone:
            break;
        }
        if (DrawLine()) {
            if (FFullRepaint) {
                c->AssignVisiblePen(FLinePen);
            } else {
                c->AssignVisiblePenColor(FLinePen, TColor(ColorToRGB(FLinePen->Color()) ^ inverse));
                c->Pen()->SetMode(pmNotXor);
            }
            if (is3D) {
                c->MoveTo(IMouse.X, IMouse.Y);
                c->LineTo3D(x, y, z);
            } else {
                c->MoveTo(IMouse.X, IMouse.Y);
                c->LineTo(x, y);
            }
        }
    } catch (...) {
        if (!FFullRepaint) c->Pen()->SetMode(pmCopy);
        throw;
    }
    if (!FFullRepaint) c->Pen()->SetMode(pmCopy);
    c->Invalidate();
}

void TNearestTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomToolSeries::ChartEvent(AEvent);
    if (AEvent == cteAfterDraw) {
        PaintHint();
    } else if (AEvent == cteMouseLeave) {
        if (!FFullRepaint) PaintHint();
        FPoint = -1;
        if (FFullRepaint) Repaint();
    }
}

void TNearestTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                   int Y) {
    (void)Button;
    (void)Shift;
    if (AEvent != cmeMove || !FSeries || !FParent) return;
    if (!FFullRepaint) PaintHint();
    FPoint = GetNearestPoint(FSeries, X, Y);
    IMouse = TPoint{X, Y};
    if (!FFullRepaint) PaintHint();
    if (OnChange.Assigned()) OnChange(this);
    if (FFullRepaint) Repaint();
}
