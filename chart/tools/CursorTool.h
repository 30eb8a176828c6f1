// TCursorTool: a horizontal line, a vertical line, both, or a small scope figure over a
// chart, placed by a pair of axis values. It can follow the mouse, be dragged by its lines
// and snap to the nearest point of a series. It is drawn in XOR mode on top of the finished
// chart picture: moving it costs two XOR draws and no repaint of the chart, and every full
// repaint ends with the cursor drawn once on the new picture.
#pragma once

#include "chart/engine/chart/TeeTools.h"

enum TCursorToolStyle { cssHorizontal, cssVertical, cssBoth, cssScope, cssScopeOnly };
ORVO_DECLARE_ENUM_TYPE(TCursorToolStyle)
enum TScopeCursorStyle { scsRectangle, scsCircle, scsDiamond, scsEmpty, scsCamera };
ORVO_DECLARE_ENUM_TYPE(TScopeCursorStyle)
enum class TSnapStyle { ssDefault, ssHorizontal, ssVertical };
ORVO_DECLARE_ENUM_TYPE(TSnapStyle)
enum TCursorClicked { ccNone, ccHorizontal, ccVertical, ccBoth };

class TCursorTool;
// The tool, the screen position, the two values, the series and the snapped point (or -1).
using TCursorToolChangeEvent = TEvent<TCursorTool*, int, int, double, double, TChartSeries*, int>;
ORVO_DECLARE_EVENT_TYPE(TCursorToolChangeEvent)
using TCursorToolGetAxisRect = TEvent<TCursorTool*, TRect&>;

class TCursorTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TCursorTool, TTeeCustomToolSeries)
public:
    explicit TCursorTool(TComponent* AOwner);

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TCursorToolEditor"); }
    void SetParentChart(TCustomAxisPanel* Value) override;
    void ChartEvent(TChartToolEvent AEvent) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;
    void SetSeries(TChartSeries* Value) override;

    // ---- new operation ----
    // Tells OnChange about the current position (ValueIndex: the snapped point or -1).
    virtual void Changed(int ValueIndex);

    // Which line of the cursor lies under (X, Y).
    TCursorClicked Clicked(int X, int Y);
    // The series point nearest to the cursor values (lowest index on ties), or -1; Difference
    // is its distance in axis values.
    int NearestPoint(TCursorToolStyle AStyle, double& Difference);
    // Moves the cursor values onto the nearest point when Snap is on; its index or -1.
    int SnapToPoint();
    // The values under the screen point, on the axes the dragged line allows.
    void CalcValuePositions(int X, int Y);
    // The screen position of the values; an unplaced cursor is placed first (nothing is
    // placed while the chart has not laid out its axes).
    void CalcScreenPositions();
    // Draws the cursor in XOR mode: drawing it twice at one place restores the picture.
    void RedrawCursor();
    TRect GetAxisRect();
    TRect MouseRectangle(int X, int Y, bool UseSizes);
    bool InMouseRectangle(int X, int Y, bool UseSizes);
    int Z();

    // ---- properties ----
    int ClickTolerance() const { return FClick; }
    void SetClickTolerance(int Value) { FClick = Value; }
    bool FollowMouse() const { return FFollowMouse; }
    void SetFollowMouse(bool Value) { FFollowMouse = Value; }
    int HorizSize() const { return FHorizSize; }
    void SetHorizSize(int Value) { SetIntegerProperty(FHorizSize, Value); }
    int ScopeSize() const { return FScopeSize; }
    void SetScopeSize(int Value) { SetIntegerProperty(FScopeSize, Value); }
    TScopeCursorStyle ScopeStyle() const { return FScopeStyle; }
    void SetScopeStyle(TScopeCursorStyle Value);
    bool Snap() const { return FSnap; }
    void SetSnap(bool Value) { FSnap = Value; }
    TSnapStyle SnapStyle() const { return FSnapStyle; }
    void SetSnapStyle(TSnapStyle Value) { FSnapStyle = Value; }
    TCursorToolStyle Style() const { return FStyle; }
    void SetStyle(TCursorToolStyle Value);
    bool UseChartRect() const { return FUseChartRect; }
    void SetUseChartRect(bool Value) { SetBooleanProperty(FUseChartRect, Value); }
    bool UseSeriesZ() const { return FUseSeriesZ; }
    void SetUseSeriesZ(bool Value) { SetBooleanProperty(FUseSeriesZ, Value); }
    int VertSize() const { return FVertSize; }
    void SetVertSize(int Value) { SetIntegerProperty(FVertSize, Value); }
    double XValue() const { return IXValue; }
    void SetXValue(double Value);
    double YValue() const { return IYValue; }
    void SetYValue(double Value);
    // The cursor's screen position; valid once Placed.
    TPoint Position() const { return IPoint; }
    bool Placed() const { return FPlaced; }
    TCursorClicked Dragging() const { return IDragging; }

    TCursorToolChangeEvent OnChange;
    TCursorToolGetAxisRect OnGetAxisRect;
    TCursorToolChangeEvent OnSnapChange;

private:
    void DoChange();
    // The chart has laid out the cursor's axes (drawn at least once).
    bool AxesLaidOut();
    // The cursor is on the chart's current picture and can be moved by XOR pairs.
    bool OnPicture();
    void DrawScope(TCanvas3D* Canvas, int X, int Y, int Zpos);

    int FClick = 3;
    bool FFollowMouse = false;
    int FHorizSize = 0;
    int FScopeSize = 4;
    TScopeCursorStyle FScopeStyle = scsRectangle;
    bool FSnap = false;
    TSnapStyle FSnapStyle = TSnapStyle::ssDefault;
    TCursorToolStyle FStyle = cssBoth;
    bool FUseChartRect = false;
    bool FUseSeriesZ = false;
    int FVertSize = 0;
    TCursorClicked IDragging = ccNone;
    int IOldSnap = -1;
    double IXValue = 0;
    double IYValue = 0;
    TPoint IPoint{-1, -1};
    // The screen position has been computed on laid-out axes.
    bool FPlaced = false;
    // A value was given by code before the cursor was placed: it is placed there, not in
    // the middle of the axes.
    bool FValueGiven = false;
    // The cursor was drawn on the picture that the chart shows now.
    bool FDrawn = false;
};
