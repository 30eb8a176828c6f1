// TTeeShadow: the drop shadow of panels, legends, titles, shapes, marks and fonts -- the
// outline moved by a horizontal and a vertical size, filled with the shadow colour,
// optionally translucent and optionally blurred into the off-screen image.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"

class TCanvas3D;
class TTeeBlend;

class TTeeShadow : public TPersistent {
    ORVO_CLASS(TTeeShadow, TPersistent)
public:
    TTeeShadow() : TTeeShadow(TNotifyEvent()) {}
    explicit TTeeShadow(TNotifyEvent AOnChange);
    void Assign(TPersistent* Source) override;
    // The owner's own defaults: colour and both sizes.
    void InitValues(TColor AColor, int ASize);

    void Draw(TCanvas3D* ACanvas, std::span<const TPoint> Points);
    void Draw(TCanvas3D* ACanvas, const TRect& Rect) { Draw(ACanvas, Rect, 0, 0); }
    void Draw(TCanvas3D* ACanvas, const TRect& Rect, int Z, int RoundSize);
    void DrawEllipse(TCanvas3D* ACanvas, const TRect& Rect, int Z);
    void DrawSmooth(TCanvas3D* ACanvas, const TRect& Rect, bool IsEllipse, bool IsPolygon, int RoundSize,
                    std::span<const TPoint> Points);
    // False when there is nothing to draw; otherwise sets the canvas up and begins the blend.
    bool PrepareCanvas(TCanvas3D* ACanvas, const TRect& Rect, int Z);
    void FinishBlending(TCanvas3D* ACanvas);
    // The canvas has an off-screen image to blur into.
    static bool ValidCanvas(TCanvas3D* ACanvas);

    bool Clip() const { return FClip; }
    void SetClip(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int HorizSize() const { return FHorizSize; }
    void SetHorizSize(int Value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value);
    int SmoothBlur() const { return FSmoothBlur; }
    void SetSmoothBlur(int Value);
    TTeeTransparency Transparency() const { return FTransparency; }
    void SetTransparency(TTeeTransparency Value);
    int VertSize() const { return FVertSize; }
    void SetVertSize(int Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    int Size() const { return std::max(std::abs(FHorizSize), std::abs(FVertSize)); }
    void SetSize(int Value);

    bool IsColorStored() const { return FColor != DefaultColor; }
    bool IsHorizStored() const { return FHorizSize != DefaultSize; }
    bool IsVertStored() const { return FVertSize != DefaultSize; }
    bool IsVisibleStored() const { return FVisible != DefaultVisible; }

    TColor DefaultColor = clSilver;
    int DefaultSize = 0;
    bool DefaultVisible = true;
    bool FullDraw = false;

private:
    void Changed();
    void SolidShadow(TCanvas3D* ACanvas, const TRect& Rect, int Z, int RoundSize);
    void GradedShadow(TCanvas3D* ACanvas, const TRect& Rect, int Z, int RoundSize);

    bool FClip = false;
    TColor FColor = clSilver;
    int FHorizSize = 0;
    bool FSmooth = true;
    int FSmoothBlur = 0;
    TTeeTransparency FTransparency = 0;
    int FVertSize = 0;
    bool FVisible = true;
    TNotifyEvent IOnChange;
    TTeeBlend* IBlend = nullptr;
};

// Blurs the shadow shape in Bitmap and darkens Back with it at (Left, Top); without Back
// the blurred shape replaces Bitmap's pixels. Full blurs the whole area, otherwise only
// the right and bottom margins, where a rectangle's shadow changes.
void TeeShadowSmooth(TBitmap* Bitmap, TBitmap* Back, int Left, int Top, int Width, int Height, int BlurX,
                     int BlurY, double Intensity, bool Full, TCanvas3D* ACanvas, bool Clip);
