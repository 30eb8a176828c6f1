#include "chart/engine/canvas/View3DOptions.h"

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Control.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TView3DOptions, TPersistent)

TView3DOptions::TView3DOptions(TObject* AParent) : FParent(AParent) {}

void TView3DOptions::Repaint() {
    if (auto* control = dynamic_cast<TControl*>(FParent)) control->Invalidate();
    if (OnRepaint) OnRepaint(FParent);
}

void TView3DOptions::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TView3DOptions*>(Source);
    if (!s) return;
    FElevation = s->FElevation;
    FFontZoom = s->FFontZoom;
    FHorizOffset = s->FHorizOffset;
    FOrthoAngle = s->FOrthoAngle;
    FOrthogonal = s->FOrthogonal;
    FPerspective = s->FPerspective;
    FRotation = s->FRotation;
    FTilt = s->FTilt;
    FVertOffset = s->FVertOffset;
    FZoom = s->FZoom;
    FZoomText = s->FZoomText;
}

double TView3DOptions::CalcOrthoRatio() const {
    if (!FOrthogonal) return 1;
    const int a = FOrthoAngle > 90 ? 180 - FOrthoAngle : FOrthoAngle;
    return std::tan(a * TeePiStep);
}

int TView3DOptions::Elevation() const {
    return RoundPx(FElevation);
}
int TView3DOptions::Rotation() const {
    return RoundPx(FRotation);
}
int TView3DOptions::Zoom() const {
    return RoundPx(FZoom);
}

void TView3DOptions::SetElevation(double Value) {
    if (StoreIfChanged(FElevation, Value)) Repaint();
}
void TView3DOptions::SetRotation(double Value) {
    if (StoreIfChanged(FRotation, Value)) Repaint();
}
void TView3DOptions::SetFontZoom(int Value) {
    if (StoreIfChanged(FFontZoom, Value)) Repaint();
}
void TView3DOptions::SetTilt(int Value) {
    if (StoreIfChanged(FTilt, Value)) Repaint();
}
void TView3DOptions::SetOrthoAngle(int Value) {
    if (StoreIfChanged(FOrthoAngle, Value)) Repaint();
}
void TView3DOptions::SetOrthogonal(bool Value) {
    if (StoreIfChanged(FOrthogonal, Value)) Repaint();
}
void TView3DOptions::SetZoomText(bool Value) {
    if (StoreIfChanged(FZoomText, Value)) Repaint();
}
void TView3DOptions::SetPerspective(int Value) {
    if (StoreIfChanged(FPerspective, std::min(Value, 100))) Repaint();
}

void TView3DOptions::SetZoom(double Value) {
    if (FZoom == Value) return;
    if (OnChangedZoom) OnChangedZoom(RoundPx(Value));
    FZoom = Value;
    Repaint();
}

void TView3DOptions::SetHorizOffset(int Value) {
    if (!StoreIfChanged(FHorizOffset, Value)) return;
    Repaint();
    if (OnScrolled) OnScrolled(true);
}

void TView3DOptions::SetVertOffset(int Value) {
    if (!StoreIfChanged(FVertOffset, Value)) return;
    Repaint();
    if (OnScrolled) OnScrolled(false);
}

ORVO_PUBLISHED(TView3DOptions) {
    using V = TView3DOptions;
    P.Property("Elevation", &V::Elevation, &V::SetElevationInteger).Default(345);
    P.Property("FontZoom", &V::FontZoom, &V::SetFontZoom).Default(100);
    P.Property("HorizOffset", &V::HorizOffset, &V::SetHorizOffset).Default(0);
    P.Property("Orthogonal", &V::Orthogonal, &V::SetOrthogonal).Default(true);
    P.Property("OrthoAngle", &V::OrthoAngle, &V::SetOrthoAngle).Default(45);
    P.Property("Perspective", &V::Perspective, &V::SetPerspective).Default(15);
    P.Property("Rotation", &V::Rotation, &V::SetRotationInteger).Default(345);
    P.Property("Tilt", &V::Tilt, &V::SetTilt).Default(0);
    P.Property("VertOffset", &V::VertOffset, &V::SetVertOffset).Default(0);
    P.Property("Zoom", &V::Zoom, &V::SetZoomInteger).Default(100);
    P.Property("ZoomText", &V::ZoomText, &V::SetZoomText).Default(true);
}
