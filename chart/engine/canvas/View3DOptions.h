// TView3DOptions: how a chart panel is seen in 3-D -- rotation, elevation, tilt,
// perspective, zoom, offsets and the oblique orthogonal mode. Every change repaints the
// panel that owns the options.
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"

using TTeeView3DScrolled = TEvent<bool>;
using TTeeView3DChangedZoom = TEvent<int>;

class TView3DOptions : public TPersistent {
    ORVO_CLASS(TView3DOptions, TPersistent)
public:
    TView3DOptions() : TView3DOptions(nullptr) {}
    explicit TView3DOptions(TObject* AParent);
    void Assign(TPersistent* Source) override;
    // Invalidates the owning panel (Parent, when it is a control), then raises OnRepaint.
    void Repaint();
    // The depth-to-width factor of the orthogonal view: 1 when not orthogonal.
    double CalcOrthoRatio() const;

    int Elevation() const;
    void SetElevationInteger(int Value) { SetElevation(double(Value)); }
    double ElevationFloat() const { return FElevation; }
    void SetElevation(double Value);
    int FontZoom() const { return FFontZoom; }
    void SetFontZoom(int Value);
    int HorizOffset() const { return FHorizOffset; }
    void SetHorizOffset(int Value);
    bool Orthogonal() const { return FOrthogonal; }
    void SetOrthogonal(bool Value);
    int OrthoAngle() const { return FOrthoAngle; }
    void SetOrthoAngle(int Value);
    int Perspective() const { return FPerspective; }
    // At most 100; no lower bound.
    void SetPerspective(int Value);
    int Rotation() const;
    void SetRotationInteger(int Value) { SetRotation(double(Value)); }
    double RotationFloat() const { return FRotation; }
    void SetRotation(double Value);
    int Tilt() const { return FTilt; }
    void SetTilt(int Value);
    int VertOffset() const { return FVertOffset; }
    void SetVertOffset(int Value);
    int Zoom() const;
    void SetZoomInteger(int Value) { SetZoom(double(Value)); }
    double ZoomFloat() const { return FZoom; }
    void SetZoom(double Value);
    bool ZoomText() const { return FZoomText; }
    void SetZoomText(bool Value);

    TObject* Parent() const { return FParent; }
    void SetParent(TObject* Value) { FParent = Value; }

    TTeeView3DScrolled OnScrolled;
    TTeeView3DChangedZoom OnChangedZoom;
    // Invalidates the parent panel (Parent is the sender); set by the panel.
    TNotifyEvent OnRepaint;

private:
    double FElevation = 345;
    int FFontZoom = 100;
    int FHorizOffset = 0;
    bool FOrthogonal = true;
    int FOrthoAngle = 45;
    int FPerspective = 15;
    double FRotation = 345;
    int FTilt = 0;
    int FVertOffset = 0;
    double FZoom = 100;
    bool FZoomText = true;
    TObject* FParent = nullptr;
};
