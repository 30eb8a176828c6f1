// TCustomAxisPanel: one chart frame in its fixed order, the axis layout and the drawing of
// the series (point by point for series that share a depth in 3-D).
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/SeriesMarks.h"

#include <algorithm>

namespace {
// The common part of two rectangles; false when they do not overlap.
bool IntersectRect(TRect& Result, const TRect& A, const TRect& B) {
    Result = TRect{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
                   std::min(A.Bottom, B.Bottom)};
    return Result.Left < Result.Right && Result.Top < Result.Bottom;
}

// Restores the panel's AutoRepaint on every exit of a frame, also when a step throws.
class TAutoRepaintGuard {
public:
    explicit TAutoRepaintGuard(TCustomTeePanel* APanel) : FPanel(APanel), FOld(APanel->AutoRepaint()) {
        FPanel->SetAutoRepaint(false);
    }
    ~TAutoRepaintGuard() { FPanel->SetAutoRepaint(FOld); }
    TAutoRepaintGuard(const TAutoRepaintGuard&) = delete;
    TAutoRepaintGuard& operator=(const TAutoRepaintGuard&) = delete;

private:
    TCustomTeePanel* FPanel;
    bool FOld;
};
} // namespace

void TCustomAxisPanel::InternalDraw(const TRect& UserRectangle) {
    TAutoRepaintGuard repaintGuard(this);
    TCanvas3D* canvas = Canvas();
    const bool fullRotation = canvas->SupportsFullRotation();
    CalcInvertedRotation();
    if (!fullRotation) PanelPaint(UserRectangle);
    BroadcastToolEvent(cteBeforeDraw);
    DoOnBeforeDrawChart();
    for (int i = 0; i < SeriesCount(); ++i)
        if (GetSeries(i)->Active()) GetSeries(i)->DoBeforeDrawChart();
    if (!fullRotation) DrawTitlesAndLegend(true);
    CalcSeriesZOrder();
    CalcWallsRect();
    const TRect wallsRect = ChartRect;
    CalcAxisRect();
    for (int i = 0; i < SeriesCount(); ++i)
        if (GetSeries(i)->Active()) GetSeries(i)->CalcDepthPositions();
    CalcSeriesRect();
    canvas->Projection(Width3D(), ChartBounds(), ChartRect);
    if (fullRotation) {
        const TRect kept = ChartRect;
        ChartRect = wallsRect;
        PanelPaint(UserRectangle);
        DrawTitlesAndLegend(true);
        ChartRect = kept;
    }
    DrawWalls();
    if (FAxisBehind) {
        BroadcastToolEvent(cteBeforeDrawAxes);
        DrawAllAxes();
    }
    BroadcastToolEvent(cteBeforeDrawSeries);
    DoOnBeforeDrawSeries();
    DrawAllSeries();
    BroadcastToolEvent(cteAfterDrawSeries);
    if (!FAxisBehind) {
        BroadcastToolEvent(cteBeforeDrawAxes);
        DrawAllAxes();
    }
    DrawTitlesAndLegend(false);
    if (Zoom()->Active()) DrawZoomRectangle();
    BroadcastToolEvent(cteAfterDraw);
    canvas->ResetState();
    DoOnAfterDraw();
}

void TCustomAxisPanel::CalcSeriesZOrder() {
    FMaxZOrder = 0;
    const bool apply = ApplyZOrder() && View3D();
    if (apply) {
        FMaxZOrder = -1;
        for (int i = 0; i < SeriesCount(); ++i)
            if (GetSeries(i)->Active()) GetSeries(i)->CalcZOrder();
    }
    if (FDepthAxis->Inverted()) return;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (s->Active()) s->SetCalculatedZOrder(apply ? FMaxZOrder - s->ZOrder() : 0);
    }
}

void TCustomAxisPanel::CalcAxisRect() {
    for (int i = 0; i < FAxes->Count(); ++i) {
        TChartAxis* axis = FAxes->Get(i);
        axis->IsVisible = CalcIsAxisVisible(axis);
        axis->AdjustMaxMin();
    }
    for (int i = 0; i < FAxes->Count(); ++i)
        FAxes->Get(i)->InternalCalcPositions();
    TRect r = ChartRect;
    for (int i = 0; i < FAxes->Count(); ++i) {
        TChartAxis* axis = FAxes->Get(i);
        if (axis->IsVisible) {
            TRect r2 = r;
            axis->CalcRect(r2, i < 5);
            TRect both;
            if (IntersectRect(both, r, r2)) r = both;
        } else if (FAxes->CalcPosLabels) {
            int amount = 0;
            FAxes->CalcPosLabels(axis, amount);
            axis->InflateAxisRect(r, amount);
        }
    }
    if (!CustomChartRect()) ChartRect = r;
    ReCalcWidthHeight();
    for (int i = 0; i < FAxes->Count(); ++i)
        FAxes->Get(i)->InternalCalcPositions();
}

void TCustomAxisPanel::CalcSeriesRect() {
    for (int i = 0; i < FAxes->Count(); ++i) {
        TChartAxis* axis = FAxes->Get(i);
        int l = 0, t = 0, r = 0, b = 0;
        for (int k = 0; k < SeriesCount(); ++k) {
            TChartSeries* s = GetSeries(k);
            if (!s->Active() || !s->AssociatedToAxis(axis)) continue;
            if (axis->Horizontal()) {
                int a = 0, c = 0;
                s->CalcHorizMargins(a, c);
                if (axis->AutomaticMinimum()) l = std::max(l, a);
                if (axis->AutomaticMaximum()) r = std::max(r, c);
            } else {
                int a = 0, c = 0;
                s->CalcVerticalMargins(a, c);
                if (axis->AutomaticMaximum()) t = std::max(t, a);
                if (axis->AutomaticMinimum()) b = std::max(b, c);
            }
        }
        const int minOff = axis->MinimumOffset();
        const int maxOff = axis->MaximumOffset();
        const bool offsets = minOff != 0 || maxOff != 0;
        if (offsets) {
            if (axis->Horizontal()) {
                (axis->Inverted() ? r : l) += minOff;
                (axis->Inverted() ? l : r) += maxOff;
            } else {
                (axis->Inverted() ? t : b) += minOff;
                (axis->Inverted() ? b : t) += maxOff;
            }
        }
        axis->AdjustMaxMinRect(TRect{l, t, r, b});
        axis->CalcRoundScales();
        if (offsets && axis->Labels())
            axis->SetPosTitle(axis->InflateAxisPos(axis->PosLabels(), axis->SizeLabels()));
    }
}

void TCustomAxisPanel::DrawAllAxes() {
    if (!FAxisVisible) return;
    TCanvas3D* canvas = Canvas();
    canvas->BeginEntity(QStringLiteral("axes"));
    DoOnBeforeDrawAxes();
    const bool bottomLater = DrawBackWallAfter(0);
    for (int i = 0; i < FAxes->Count(); ++i) {
        TChartAxis* axis = FAxes->Get(i);
        if (!IsAxisVisible(axis)) continue;
        if (axis == FBottomAxis && bottomLater) continue;
        axis->Draw(true);
    }
    canvas->EndEntity();
}

namespace {
void ClipSeriesArea(TCustomAxisPanel* Panel, bool& Clipped) {
    if (Clipped || !Panel->CanClip()) return;
    TRect r = Panel->ChartRect;
    --r.Top;
    ++r.Bottom;
    Panel->Canvas()->ClipCube(r, 0, Panel->Width3D());
    Clipped = true;
}

void UnClipSeriesArea(TCustomAxisPanel* Panel, bool& Clipped) {
    if (!Clipped) return;
    Panel->Canvas()->UnClipRectangle();
    Clipped = false;
}
} // namespace

void TCustomAxisPanel::DrawMarksOf(TChartSeries* ASeries) {
    TSeriesMarks* marks = ASeries->Marks();
    if (ASeries->Count() == 0 || !marks || !marks->Visible()) return;
    bool clipped = false;
    if (marks->Clip()) ClipSeriesArea(this, clipped);
    ASeries->DrawMarks();
    UnClipSeriesArea(this, clipped);
}

void TCustomAxisPanel::DrawSeries(TChartSeries* ASeries) {
    if (View3D() && ASeries->MoreSameZOrder()) {
        if (ASeries->FirstInZOrder()) DrawSameZOrder(FSeriesList->IndexOf(ASeries));
        return;
    }
    ASeries->CalcFirstLastVisibleIndex();
    if (ASeries->FirstValueIndex() == -1) return;
    TCanvas3D* canvas = Canvas();
    const bool tagging = canvas->SupportsID;
    if (tagging) canvas->BeginEntity(TChartSeries::SeriesNameOrIndex(ASeries));
    ASeries->DoBeforeDrawValues();
    if (!ASeries->IHideWhenVisible) {
        bool clipped = false;
        if (ASeries->UseAxis() && FClipPoints) ClipSeriesArea(this, clipped);
        ASeries->DrawAllValues();
        UnClipSeriesArea(this, clipped);
        DrawMarksOf(ASeries);
    }
    ASeries->DoAfterDrawValues();
    if (tagging) canvas->EndEntity();
}

void TCustomAxisPanel::DrawSameZOrder(int First) {
    TChartSeries* head = GetSeries(First);
    const int z = head->ZOrder();
    auto member = [&](TChartSeries* s) { return s->Active() && s->ZOrder() == z; };
    int f = -1;
    int l = -1;
    bool clipped = false;
    for (int i = First; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (!member(s)) continue;
        s->CalcFirstLastVisibleIndex();
        if (s->FirstValueIndex() != -1) {
            f = f == -1 ? s->FirstValueIndex() : std::max(f, s->FirstValueIndex());
            l = l == -1 ? s->LastValueIndex() : std::max(l, s->LastValueIndex());
        }
        s->DoBeforeDrawValues();
        if (FClipPoints) ClipSeriesArea(this, clipped);
    }
    if (f != -1) {
        const bool forward = head->DrawValuesForward();
        for (int step = 0; step <= l - f; ++step) {
            const int index = forward ? f + step : l - step;
            const bool backwards = index < head->Count() && !head->DrawSeriesForward(index);
            for (int k = 0; k < SeriesCount() - First; ++k) {
                const int i = backwards ? SeriesCount() - 1 - k : First + k;
                TChartSeries* s = GetSeries(i);
                if (member(s) && s->Count() > index) s->DrawValue(index);
            }
        }
    }
    UnClipSeriesArea(this, clipped);
    for (int i = First; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (!member(s) || s->FirstValueIndex() == -1) continue;
        DrawMarksOf(s);
        s->DoAfterDrawValues();
    }
}

void TCustomAxisPanel::DrawAllSeries() {
    const bool backwards = FDepthAxis->Inverted() != DrawBackWallAfter(Width3D());
    const int n = SeriesCount();
    for (int k = 0; k < n && k < SeriesCount(); ++k) {
        TChartSeries* s = GetSeries(backwards ? SeriesCount() - 1 - k : k);
        if (s && s->Active()) DrawSeries(s);
    }
}
