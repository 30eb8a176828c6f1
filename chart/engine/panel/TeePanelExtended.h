// What every interactive chart adds to the panel base: the zoom settings with the drag
// rectangle (drawn in not-xor so that drawing it twice removes it), the panning mode, the
// panel background (colour, gradient, back picture, shadow) and the frame; TDraw3D is a
// small drawing panel on which an application paints with the 3-D canvas.
#pragma once

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/pictures/TeePicture.h"

class TTeeGradient;

enum TTeeZoomDirection { tzdHorizontal, tzdVertical, tzdBoth };
ORVO_DECLARE_ENUM_TYPE(TTeeZoomDirection)
enum TTeeBackImageMode { pbmStretch, pbmTile, pbmCenter, pbmCustom };
ORVO_DECLARE_ENUM_TYPE(TTeeBackImageMode)
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };
ORVO_DECLARE_ENUM_TYPE(TPanningMode)

// The outline of the zoom rectangle: white; its colour is stored only when it differs
// from DefaultColor.
class TTeeZoomPen : public TChartPen {
    ORVO_CLASS(TTeeZoomPen, TChartPen)
public:
    TTeeZoomPen() : TTeeZoomPen(TNotifyEvent()) {}
    explicit TTeeZoomPen(TNotifyEvent OnChangeEvent);
    bool IsColorStored() const { return Color() != DefaultColor; }
    TColor DefaultColor = clWhite;
};

// The fill of the zoom rectangle: white and clear.
class TTeeZoomBrush : public TChartBrush {
    ORVO_CLASS(TTeeZoomBrush, TChartBrush)
public:
    TTeeZoomBrush() : TTeeZoomBrush(TNotifyEvent()) {}
    explicit TTeeZoomBrush(TNotifyEvent OnChangeEvent);
};

// The zoom settings; the drag state comes from TZoomPanning. Plain fields: changing them
// repaints nothing.
class TTeeZoom : public TZoomPanning {
    ORVO_CLASS(TTeeZoom, TZoomPanning)
public:
    TTeeZoom() = default;
    ~TTeeZoom() override;
    // Copies everything but MinimumPixels, UpLeftZooms and the drag state; other sources
    // are ignored.
    void Assign(TPersistent* Source) override;

    bool Allow() const { return FAllow; }
    void SetAllow(bool Value) { FAllow = Value; }
    bool Animated() const { return FAnimated; }
    void SetAnimated(bool Value) { FAnimated = Value; }
    int AnimatedSteps() const { return FAnimatedSteps; }
    void SetAnimatedSteps(int Value) { FAnimatedSteps = Value; }
    // Made on first read; null frees it, a value is copied into it.
    TTeeZoomBrush* Brush();
    void SetBrush(TTeeZoomBrush* Value);
    bool HasBrush() const { return FBrush != nullptr; }
    TTeeZoomDirection Direction() const { return FDirection; }
    void SetDirection(TTeeZoomDirection Value) { FDirection = Value; }
    TShiftState KeyShift() const { return FKeyShift; }
    void SetKeyShift(TShiftState Value) { FKeyShift = Value; }
    int MinimumPixels() const { return FMinimumPixels; }
    void SetMinimumPixels(int Value) { FMinimumPixels = Value; }
    TMouseButton MouseButton() const { return FMouseButton; }
    void SetMouseButton(TMouseButton Value) { FMouseButton = Value; }
    // Made on first read; null frees it, a value is copied into it.
    TTeeZoomPen* Pen();
    void SetPen(TTeeZoomPen* Value);
    bool HasPen() const { return FPen != nullptr; }
    bool UpLeftZooms() const { return FUpLeftZooms; }
    void SetUpLeftZooms(bool Value) { FUpLeftZooms = Value; }

private:
    bool FAllow = true;
    bool FAnimated = false;
    int FAnimatedSteps = 8;
    TTeeZoomBrush* FBrush = nullptr;
    TTeeZoomDirection FDirection = tzdBoth;
    TShiftState FKeyShift;
    int FMinimumPixels = 16;
    TMouseButton FMouseButton = mbLeft;
    TTeeZoomPen* FPen = nullptr;
    bool FUpLeftZooms = false;
};

class TCustomTeePanelExtended;

// The panel's back picture (also the picture of framed shapes): stretched, tiled, centred
// or at a custom position, over the whole panel or only inside the chart walls.
class TBackImage : public TTeePicture {
    ORVO_CLASS(TBackImage, TTeePicture)
public:
    TBackImage() = default;
    void Assign(TPersistent* Source) override;
    // Draws the filtered picture into Rect at depth Z on Panel's canvas.
    void Draw(TCustomTeePanelExtended* Panel, const TRect& Rect, int Z = 0);

    bool Inside() const { return FInside; }
    void SetInside(bool Value);
    int Left() const { return FLeft; }
    void SetLeft(int Value);
    TTeeBackImageMode Mode() const { return FMode; }
    void SetMode(TTeeBackImageMode Value);
    int Top() const { return FTop; }
    void SetTop(int Value);

private:
    void Changed();
    bool FInside = false;
    int FLeft = 0;
    TTeeBackImageMode FMode = pbmStretch;
    int FTop = 0;
};

class TCustomTeePanelExtended : public TCustomTeePanel {
    ORVO_CLASS(TCustomTeePanelExtended, TCustomTeePanel)
public:
    explicit TCustomTeePanelExtended(TComponent* AOwner);
    ~TCustomTeePanelExtended() override;
    void Assign(TPersistent* Source) override;

    // ---- new operations, in slot order ----
    // The panel colour or gradient over Rect.
    virtual void FillPanelRect(const TRect& Rect);
    // The panel background: shadow, fill, back picture, frame.
    virtual void PanelPaint(const TRect& Rect);
    // Calls OnUndoZoom, repaints and clears Zoomed.
    virtual void UndoZoom();

    // Fills Rect in Color (a rounded rectangle with Round > 0) unless printing without
    // the panel background or Color is clNone.
    void PaintBack(const TRect& Rect, TColor AColor, int Round);
    // The back picture into Rect at depth Z, when there is one.
    void DrawBitmap(const TRect& Rect, int Z);
    // The zoom drag rectangle in not-xor.
    void DrawZoomRectangle();

    bool Zoomed() const { return FZoomed; }
    void SetZoomed(bool Value) { FZoomed = Value; }
    TPanningMode AllowPanning() const { return FAllowPanning; }
    void SetAllowPanning(TPanningMode Value) { FAllowPanning = Value; }
    bool AllowZoom() const { return FZoom->Allow(); }
    void SetAllowZoom(bool Value) { FZoom->SetAllow(Value); }
    bool AnimatedZoom() const { return FZoom->Animated(); }
    void SetAnimatedZoom(bool Value) { FZoom->SetAnimated(Value); }
    int AnimatedZoomSteps() const { return FZoom->AnimatedSteps(); }
    void SetAnimatedZoomSteps(int Value) { FZoom->SetAnimatedSteps(Value); }
    // Made on first read with CanvasChanged as its change handler.
    TBackImage* BackImage();
    // Null frees it and repaints; a value is copied into it.
    void SetBackImage(TBackImage* Value);
    // A back image exists and holds a graphic.
    bool HasBackImage() const;
    bool BackImageInside() const;
    void SetBackImageInside(bool Value);
    TTeeBackImageMode BackImageMode();
    void SetBackImageMode(TTeeBackImageMode Value);
    bool BackImageTransp() const;
    void SetBackImageTransp(bool Value);
    // Made on first read with CanvasChanged as its change handler.
    TTeeGradient* Gradient();
    // Null frees it; a value is copied into it.
    void SetGradient(TTeeGradient* Value);
    bool HasGradient() const { return FGradient != nullptr; }
    TTeeZoom* Zoom() const { return FZoom; }
    void SetZoom(TTeeZoom* Value) { FZoom->Assign(Value); }
    // The palette of a bitmap back image, else none.
    HPALETTE GetPalette();

    TNotifyEvent OnAfterDraw;
    TNotifyEvent OnScroll;
    TNotifyEvent OnUndoZoom;
    TNotifyEvent OnZoom;

protected:
    void DefineProperties(TFiler* Filer) override;

    TPanningMode FAllowPanning = pmBoth;
    TTeeGradient* FGradient = nullptr;
    TTeeZoom* FZoom = nullptr;
    bool FZoomed = false;
    TBackImage* FBackImage = nullptr;

private:
    void ReadAllowZoom(TReader* Reader);
    void ReadAnimatedZoom(TReader* Reader);
    void ReadAnimatedZoomSteps(TReader* Reader);
    void ReadPrintMargins(TReader* Reader);
    void WritePrintMargins(TWriter* Writer);
};

using TDraw3DPaintEvent = TEvent<TObject*, const TRect&>;
ORVO_DECLARE_EVENT_TYPE(TDraw3DPaintEvent)

// A drawing panel: the background, then OnPaint with the 3-D canvas set up.
class TDraw3D : public TCustomTeePanelExtended {
    ORVO_CLASS(TDraw3D, TCustomTeePanelExtended)
public:
    explicit TDraw3D(TComponent* AOwner) : TCustomTeePanelExtended(AOwner) {}
    void InternalDraw(const TRect& UserRectangle) override;

    TDraw3DPaintEvent OnPaint;
};
