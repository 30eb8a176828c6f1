// Gradients: start, optional middle and end colours, direction, angle, balance and radial
// centre, with an optional translucent sub-gradient drawn over the first.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"

class TBitmap;
class TTeeCanvas;
class TCanvas3D;
class TSubGradient;

class TCustomTeeGradient : public TPersistent {
    ORVO_CLASS(TCustomTeeGradient, TPersistent)
public:
    TCustomTeeGradient() : TCustomTeeGradient(TNotifyEvent()) {}
    explicit TCustomTeeGradient(TNotifyEvent ChangedEvent);
    ~TCustomTeeGradient() override;
    void Assign(TPersistent* Source) override;

    // Fills Rect (clipped to a rounded rectangle when RoundRectSize > 0).
    void Draw(TTeeCanvas* Canvas, const TRect& Rect, int RoundRectSize = 0);
    // Fills the polygon P, projected at Z first when Is3D.
    void Draw(TCanvas3D* Canvas, std::span<const TPoint> P, int Z, bool Is3D);
    void Draw(TTeeCanvas* Canvas, const TFourPoints& P);
    void Draw(TCanvas3D* Canvas, const TFourPoints& P, int Z);
    void DrawRadial(TTeeCanvas* Canvas, const TRect& Rect);
    void DrawRotated(TTeeCanvas* Canvas, const TRect& Rect, int RoundRectSize = 0);
    void DrawSubGradient(TTeeCanvas* Canvas, const TRect& Rect, int RoundRectSize);

    int Angle() const { return FAngle; }
    void SetAngle(int Value);
    int Balance() const { return FBalance; }
    void SetBalance(int Value);
    TGradientDirection Direction() const { return FDirection; }
    void SetDirection(TGradientDirection Value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor Value);
    // The middle colour while one is in use, else clNone.
    TColor MidColor() const { return IHasMiddle ? FMidColor : clNone; }
    void SetMidColor(TColor Value);
    void UseMiddleColor();
    bool HasMiddle() const { return IHasMiddle; }
    int RadialX() const { return FRadialX; }
    void SetRadialX(int Value);
    int RadialY() const { return FRadialY; }
    void SetRadialY(int Value);
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Made on first read.
    TSubGradient* SubGradient();
    void SetSubGradient(TSubGradient* Value);
    bool HasSubGradient() const { return FSub != nullptr; }

    TNotifyEvent Changed;

protected:
    void DoChanged();

private:
    // The settings an angled gradient's picture was made from: a redraw with the same
    // settings and size copies the kept picture instead of drawing and rotating it again.
    struct RotatedKey {
        int Width, Height, Angle, Balance, RadialX, RadialY;
        TGradientDirection Direction;
        TColor StartColor, MidColor, EndColor;
        bool HasMiddle;
        void (*Rotate)(TCustomTeeGradient*, TBitmap*);
        bool operator==(const RotatedKey&) const = default;
    };
    TBitmap* FRotated = nullptr;
    RotatedKey FRotatedKey{};

    int FAngle = 0;
    int FBalance = 50;
    TGradientDirection FDirection = gdTopBottom;
    TColor FEndColor = clYellow;
    TColor FMidColor = clNone;
    int FRadialX = 0;
    int FRadialY = 0;
    TColor FStartColor = clWhite;
    TSubGradient* FSub = nullptr;
    bool FVisible = false;
    bool IHasMiddle = false;
};

class TTeeGradient : public TCustomTeeGradient {
    ORVO_CLASS(TTeeGradient, TCustomTeeGradient)
public:
    TTeeGradient() : TTeeGradient(TNotifyEvent()) {}
    explicit TTeeGradient(TNotifyEvent ChangedEvent) : TCustomTeeGradient(ChangedEvent) {}
};

class TSubGradient : public TCustomTeeGradient {
    ORVO_CLASS(TSubGradient, TCustomTeeGradient)
public:
    TSubGradient() : TSubGradient(TNotifyEvent()) {}
    explicit TSubGradient(TNotifyEvent ChangedEvent) : TCustomTeeGradient(ChangedEvent) {}
    void Assign(TPersistent* Source) override;
    TTeeTransparency Transparency() const { return FTransparency; }
    void SetTransparency(TTeeTransparency Value);

private:
    TTeeTransparency FTransparency = 50;
};

class TTeeFontGradient : public TTeeGradient {
    ORVO_CLASS(TTeeFontGradient, TTeeGradient)
public:
    TTeeFontGradient() : TTeeFontGradient(TNotifyEvent()) {}
    explicit TTeeFontGradient(TNotifyEvent ChangedEvent) : TTeeGradient(ChangedEvent) {}
    void Assign(TPersistent* Source) override;
    // Fill only the widened outline of the letters.
    bool Outline() const { return FOutline; }
    void SetOutline(bool Value);

private:
    bool FOutline = false;
};
