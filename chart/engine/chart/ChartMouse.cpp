// TCustomChart: the mouse. Clicks find the part under the pointer (legend, series point,
// axis, title blocks, the plotting box) and call its event; a drag with the zoom button
// draws the zoom rectangle, a drag with the scroll button pans the axes, and the wheel
// scrolls the vertical axes. The tools see every mouse event first and may cancel the
// chart's own handling.
#include "chart/engine/chart/Chart.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/chart/ChartTitles.h"
#include "platform/controls/Mouse.h"

#include <cstdlib>
#include <utility>

ORVO_IMPLEMENT_EVENT_TYPE(TChartAllowScrollEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TChartClick)
ORVO_IMPLEMENT_EVENT_TYPE(TChartClickAxis)
ORVO_IMPLEMENT_EVENT_TYPE(TChartClickSeries)
ORVO_IMPLEMENT_EVENT_TYPE(TChartClickTitle)

double AnimatedZoomFactor = 3.0;
TShiftState TeeScrollKeyShift;
bool TeeUseMouseWheel = true;

namespace {
// The point lies in R, right and bottom edges included.
bool PointInRectEdges(const TRect& R, int X, int Y) {
    return X >= R.Left && X <= R.Right && Y >= R.Top && Y <= R.Bottom;
}
} // namespace

bool TCustomChart::ActiveSeriesUseAxis() const {
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (s->Active()) return s->UseAxis();
    }
    return true;
}

// ---- tools --------------------------------------------------------------------------------------

void TCustomChart::BroadcastMouseEvent(TChartMouseEvent Event, TMouseButton Button, TShiftState Shift, int X,
                                       int Y) {
    for (int i = 0; i < Tools()->Count(); ++i) {
        TTeeCustomTool* tool = Tools()->Get(i);
        if (!tool->Active()) continue;
        tool->ChartMouseEvent(Event, Button, Shift, X, Y);
        if (CancelMouse()) break;
    }
}

void TCustomChart::BroadcastWheelEvent(TWheelMouseEvent Event, int Delta, int X, int Y) {
    for (int i = 0; i < Tools()->Count(); ++i) {
        TTeeCustomTool* tool = Tools()->Get(i);
        if (!tool->Active()) continue;
        tool->WheelMouseEvent(Event, Delta, X, Y);
        if (CancelMouse()) break;
    }
}

// ---- the part under a point ---------------------------------------------------------------------

void TCustomChart::CalcClickedPart(TPoint Pos, TChartClickedPart& Part) {
    ClickedPartAt(Pos.X, Pos.Y, false, Part);
}

void TCustomChart::ClickedPartAt(int X, int Y, bool OnlyClickable, TChartClickedPart& Part) {
    Part = TChartClickedPart();
    TChartLegend* legend = Legend();
    auto legendHit = [&]() {
        const int index = legend->Clicked(X, Y);
        if (index == -1) return false;
        Part.Part = cpLegend;
        Part.PointIndex = index;
        return true;
    };
    if (legend && legend->Visible() && legend->CustomPosition() && legendHit()) return;

    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = GetSeries(i);
        if (!s->Active()) continue;
        if (OnlyClickable && !s->RaiseClicked() && !OnClickSeries) continue;
        const int index = s->Clicked(X, Y);
        if (index != -1) {
            Part.Part = cpSeries;
            Part.PointIndex = index;
            Part.ASeries = s;
            return;
        }
    }

    for (int i = 0; i < Axes()->Count(); ++i) {
        TChartAxis* axis = Axes()->Get(i);
        if (axis->Clicked(X, Y)) {
            Part.Part = cpAxis;
            Part.AAxis = axis;
            return;
        }
        TChartAxisTitle* title = axis->Title();
        if (title->Visible() && !title->Caption().isEmpty() && title->Clicked(X, Y)) {
            Part.Part = cpAxisTitle;
            Part.AAxis = axis;
            return;
        }
    }

    if (legend && legend->Visible() && !legend->CustomPosition() && legendHit()) return;

    const std::pair<TChartTitle*, TChartClickedPartStyle> blocks[] = {
        {Title(), cpTitle}, {SubTitle(), cpSubTitle}, {Foot(), cpFoot}, {SubFoot(), cpSubFoot}};
    for (const auto& [block, style] : blocks) {
        if (block && block->Clicked(X, Y)) {
            Part.Part = style;
            return;
        }
    }

    if (PointInRectEdges(ChartRect, X, Y) && CountActiveSeries() > 0) Part.Part = cpChartRect;
}

// ---- mouse down ---------------------------------------------------------------------------------

void TCustomChart::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomAxisPanel::MouseDown(Button, Shift, X, Y);
    if (CancelMouse() || Zoom()->Active() || IPanning()->Active()) return;
    SetCancelMouse(false);
    BroadcastMouseEvent(cmeDown, Button, Shift, X, Y);
    if (CancelMouse()) {
        SetCancelMouse(false);
        return;
    }

    TChartClickedPart part;
    ClickedPartAt(X, Y, true, part);
    bool handled = false;
    bool backgroundCalled = false;
    // Calls a chart click event: the chart stops unless the handler clears CancelMouse.
    auto ask = [&](auto&& call) {
        SetCancelMouse(true);
        call();
        return CancelMouse();
    };
    auto background = [&]() {
        backgroundCalled = true;
        return ask([&] { OnClickBackground(this, Button, Shift, X, Y); });
    };

    switch (part.Part) {
    case cpLegend:
        handled = Legend()->DoMouseDown(X, Y, part.PointIndex);
        if (OnClickLegend) handled = ask([&] { OnClickLegend(this, Button, Shift, X, Y); });
        break;
    case cpAxis:
        if (OnClickAxis) handled = ask([&] { OnClickAxis(this, part.AAxis, Button, Shift, X, Y); });
        if (!handled) StartZoomOrPanning(Button, Shift, X, Y);
        break;
    case cpSeries: {
        SetCancelMouse(false);
        TChartSeries* s = part.ASeries;
        const TSeriesClick& click = Shift.Contains(ssDouble) ? s->OnDblClick : s->OnClick;
        if (click) click(s, part.PointIndex, Button, Shift, X, Y);
        handled = CancelMouse();
        if (OnClickSeries)
            handled = ask([&] { OnClickSeries(this, s, part.PointIndex, Button, Shift, X, Y); });
        if (!handled) StartZoomOrPanning(Button, Shift, X, Y);
        break;
    }
    case cpTitle:
    case cpSubTitle:
    case cpFoot:
    case cpSubFoot:
        if (OnClickTitle) {
            TChartTitle* block = part.Part == cpTitle      ? Title()
                                 : part.Part == cpSubTitle ? SubTitle()
                                 : part.Part == cpFoot     ? Foot()
                                                           : SubFoot();
            handled = ask([&] { OnClickTitle(this, block, Button, Shift, X, Y); });
        }
        if (!handled) StartZoomOrPanning(Button, Shift, X, Y);
        break;
    case cpChartRect:
        if (OnClickBackground) handled = background();
        if (!handled) StartZoomOrPanning(Button, Shift, X, Y);
        break;
    case cpNone:
    case cpSeriesMarks:
    case cpAxisTitle:
        break;
    }
    // A click no part took is a click on the background; a handler that already had this
    // click (and let the chart go on) is not called a second time.
    if (!handled && !backgroundCalled && OnClickBackground) background();
    SetCancelMouse(false);
}

void TCustomChart::StartZoomOrPanning(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!ActiveSeriesUseAxis()) return;
    bool started = false;
    TTeeZoom* zoom = Zoom();
    if (zoom->Allow() && Button == zoom->MouseButton() && zoom->KeyShift() <= Shift) {
        int x = X;
        int y = Y;
        if (zoom->Direction() == tzdVertical) x = ChartRect.Left;
        if (zoom->Direction() == tzdHorizontal) y = ChartRect.Top;
        zoom->Activate(x, y);
        if (zoom->Direction() == tzdVertical) zoom->X1 = ChartRect.Right;
        if (zoom->Direction() == tzdHorizontal) zoom->Y1 = ChartRect.Bottom;
        DrawZoomRectangle();
        started = true;
    }
    if (AllowPanning() != pmNone && Button == FScrollMouse && TeeScrollKeyShift <= Shift) {
        IPanning()->Activate(X, Y);
        started = true;
    }
    if (started) SetCursor(OriginalCursor());
}

// ---- mouse move ---------------------------------------------------------------------------------

void TCustomChart::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomAxisPanel::MouseMove(Shift, X, Y);
    if (!ComponentState().Contains(csDesigning)) BroadcastMouseEvent(cmeMove, mbLeft, Shift, X, Y);
    if (CancelMouse()) return;

    TTeeZoom* zoom = Zoom();
    TZoomPanning* panning = IPanning();
    if (zoom->Active()) {
        if (zoom->Direction() == tzdVertical) X = ChartRect.Right;
        if (zoom->Direction() == tzdHorizontal) Y = ChartRect.Bottom;
        if (X != zoom->X1 || Y != zoom->Y1) {
            DrawZoomRectangle();
            zoom->X1 = X;
            zoom->Y1 = Y;
            DrawZoomRectangle();
        }
    } else if (panning->Active()) {
        if (!PointInRectEdges(ChartRect, X, Y)) {
            panning->SetActive(false);
            return;
        }
        if (X == panning->X1 && Y == panning->Y1) return;
        if (RestoredAxisScales) {
            SaveScales();
            RestoredAxisScales = false;
        }
        const bool h = PanningStep(true, X, panning->X1);
        const bool v = PanningStep(false, Y, panning->Y1);
        panning->X1 = X;
        panning->Y1 = Y;
        if (h || v) {
            if (OnScroll) OnScroll(this);
            Invalidate();
        }
    } else if (!CheckMouseSeries(X, Y)) {
        SetCursor(OriginalCursor());
    }
}

bool TCustomChart::PanningStep(bool Horizontal, int P, int P0) {
    if (P == P0) return false;
    const TPanningMode mode = AllowPanning();
    if (mode != pmBoth && mode != (Horizontal ? pmHorizontal : pmVertical)) return false;
    for (int i = 0; i < Axes()->Count(); ++i) {
        TChartAxis* axis = Axes()->Get(i);
        if (axis->IsDepthAxis() || axis->Horizontal() != Horizontal) continue;
        // The data follows the pointer: the range moves against the drag.
        const double delta = axis->CalcPosPoint(P0) - axis->CalcPosPoint(P);
        double minimum = axis->Minimum() + delta;
        double maximum = axis->Maximum() + delta;
        bool allowed = true;
        if (OnAllowScroll) OnAllowScroll(axis, minimum, maximum, allowed);
        if (allowed) axis->SetMinMax(minimum, maximum);
    }
    return true;
}

// ---- mouse up -----------------------------------------------------------------------------------

void TCustomChart::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    SetCancelMouse(false);
    TCustomAxisPanel::MouseUp(Button, Shift, X, Y);
    TTeeZoom* zoom = Zoom();
    if (zoom->Active() && Button == zoom->MouseButton()) {
        zoom->SetActive(false);
        DrawZoomRectangle();
        Canvas()->Pen()->SetMode(pmCopy);
        const TTeeZoomDirection dir = zoom->Direction();
        if (dir != tzdVertical) zoom->X1 = X;
        if (dir != tzdHorizontal) zoom->Y1 = Y;
        const int min = zoom->MinimumPixels();
        const bool counts = (dir == tzdVertical || std::abs(zoom->X1 - zoom->X0) > min) &&
                            (dir == tzdHorizontal || std::abs(zoom->Y1 - zoom->Y0) > min);
        if (counts) {
            const bool zoomIn =
                zoom->UpLeftZooms() || (dir == tzdVertical ? zoom->Y1 > zoom->Y0 : zoom->X1 > zoom->X0);
            if (zoomIn)
                CalcZoomPoints();
            else
                UndoZoom();
            Invalidate();
        }
    }
    IPanning()->SetActive(false);
    BroadcastMouseEvent(cmeUp, Button, Shift, X, Y);
}

// ---- zoom ---------------------------------------------------------------------------------------

void TCustomChart::ZoomRect(const TRect& Rect) {
    TTeeZoom* zoom = Zoom();
    zoom->X0 = Rect.Left;
    zoom->Y0 = Rect.Top;
    zoom->X1 = Rect.Right;
    zoom->Y1 = Rect.Bottom;
    CalcZoomPoints();
}

void TCustomChart::CalcZoomPoints() {
    TTeeZoom* zoom = Zoom();
    zoom->Check();
    // Vertical axes grow upwards: the lower screen edge gives the minimum.
    DoZoom(TopAxis()->CalcPosPoint(zoom->X0), TopAxis()->CalcPosPoint(zoom->X1),
           BottomAxis()->CalcPosPoint(zoom->X0), BottomAxis()->CalcPosPoint(zoom->X1),
           LeftAxis()->CalcPosPoint(zoom->Y1), LeftAxis()->CalcPosPoint(zoom->Y0),
           RightAxis()->CalcPosPoint(zoom->Y1), RightAxis()->CalcPosPoint(zoom->Y0));
}

void TCustomChart::ZoomPercent(double PercentZoom) {
    const TTeeZoomDirection dir = Zoom()->Direction();
    auto range = [&](TChartAxis* Axis, double& A, double& B) {
        if (Axis->Horizontal()) {
            A = Axis->CalcPosPoint(Axis->IStartPos);
            B = Axis->CalcPosPoint(Axis->IEndPos);
        } else {
            A = Axis->CalcPosPoint(Axis->IEndPos);
            B = Axis->CalcPosPoint(Axis->IStartPos);
        }
        const bool zooms = Axis->Horizontal() ? dir != tzdVertical : dir != tzdHorizontal;
        if (!zooms) return;
        const double d = (B - A) * (PercentZoom - 100) * 0.01;
        A += d;
        B -= d;
    };
    double leftMin, leftMax, rightMin, rightMax, topMin, topMax, bottomMin, bottomMax;
    range(LeftAxis(), leftMin, leftMax);
    range(RightAxis(), rightMin, rightMax);
    range(TopAxis(), topMin, topMax);
    range(BottomAxis(), bottomMin, bottomMax);
    DoZoom(topMin, topMax, bottomMin, bottomMax, leftMin, leftMax, rightMin, rightMax);
    Invalidate();
}

// ---- wheel --------------------------------------------------------------------------------------

bool TCustomChart::CanWheelScroll() const {
    return TeeUseMouseWheel && (AllowPanning() == pmVertical || AllowPanning() == pmBoth);
}

void TCustomChart::ScrollVerticalAxes(bool Up) {
    for (int i = 0; i < Axes()->Count(); ++i) {
        TChartAxis* axis = Axes()->Get(i);
        if (axis->Horizontal()) continue;
        double delta = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
        if (!Up) delta = -delta;
        bool allowed = true;
        if (OnAllowScroll) {
            double minimum = axis->Minimum() + delta;
            double maximum = axis->Maximum() + delta;
            OnAllowScroll(axis, minimum, maximum, allowed);
        }
        if (allowed) axis->Scroll(delta, false);
    }
}

namespace {
TPoint ClientMousePos(TControl* Control) {
    return Control->ScreenToClient(Mouse->CursorPos());
}
} // namespace

bool TCustomChart::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    const bool result = TCustomAxisPanel::DoMouseWheel(Shift, WheelDelta, MousePos);
    const TPoint p = ClientMousePos(this);
    BroadcastWheelEvent(wmeMove, WheelDelta, p.X, p.Y);
    return result;
}

bool TCustomChart::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    const bool result = TCustomAxisPanel::DoMouseWheelDown(Shift, MousePos);
    WheelStep(true);
    return result;
}

bool TCustomChart::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    const bool result = TCustomAxisPanel::DoMouseWheelUp(Shift, MousePos);
    WheelStep(false);
    return result;
}

void TCustomChart::WheelStep(bool Down) {
    if (CanWheelScroll()) ScrollVerticalAxes(Down);
    const TPoint p = ClientMousePos(this);
    BroadcastWheelEvent(Down ? wmeDown : wmeUp, 0, p.X, p.Y);
}
