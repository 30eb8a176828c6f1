// TRotateTool: rotates and tilts the chart's 3-D view while a mouse button drags over it.
// With its pen visible the drag shows an inverted wireframe of the chart box instead of
// repainting; with Inertia the view keeps turning after the release at a decaying speed.
#pragma once

#include "chart/engine/chart/TeeTools.h"

class TTimer;

enum TRotateToolStyles { rsAll, rsRotation, rsElevation };
ORVO_DECLARE_ENUM_TYPE(TRotateToolStyles)

class TRotateTool : public TTeeCustomTool {
    ORVO_CLASS(TRotateTool, TTeeCustomTool)
public:
    explicit TRotateTool(TComponent* AOwner);
    ~TRotateTool() override;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TRotateToolEditor"); }
    void ChartEvent(TChartToolEvent AEvent) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    // Adds A to the chart's rotation and B to its elevation.
    void Rotate(double A, double B);
    // One step of the view: rotation by DX and elevation by DY, as the style allows.
    void DoRotation(double DX, double DY);

    TMouseButton Button() const { return FButton; }
    void SetButton(TMouseButton Value) { FButton = Value; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }
    int Inertia() const { return FInertia; }
    void SetInertia(int Value);
    bool Inverted() const { return FInverted; }
    void SetInverted(bool Value) { FInverted = Value; }
    int Speed() const { return FSpeed; }
    void SetSpeed(int Value) { FSpeed = Value; }
    TRotateToolStyles Style() const { return FStyle; }
    void SetStyle(TRotateToolStyles Value) { FStyle = Value; }
    bool Dragging() const { return IDragging; }
    // Whether the view is coasting after a release.
    bool Coasting() const;
    double StepX() const { return IDifX; }
    double StepY() const { return IDifY; }

    TNotifyEvent OnRotate;

private:
    void TimerTick(TObject* Sender);
    void DrawWireframe();
    void StopTimer();

    TMouseButton FButton = mbLeft;
    TCursor FCursor = 2020;
    int FInertia = 0;
    bool FInverted = false;
    int FSpeed = 50;
    TRotateToolStyles FStyle = rsAll;
    bool IDragging = false;
    bool IFirstTime = false;
    bool IOldRepaint = true;
    int IOldX = 0;
    int IOldY = 0;
    TTimer* ITimer = nullptr;
    double IDifX = 0;
    double IDifY = 0;
    TCursor IOldCursor = 0;
};
