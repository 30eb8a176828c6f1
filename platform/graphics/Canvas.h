// TCanvas: drawing with a pen, a brush and a font on a device context. The objects are
// selected into the DC lazily, only after they changed, so that a run of lines with the
// same pen costs no more than the lines themselves.
#pragma once

#include "platform/graphics/Brush.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/Pen.h"

#include <mutex>
#include <vector>

class TGraphic;

using TCopyMode = DWORD;
inline constexpr TCopyMode cmSrcCopy = SRCCOPY;
inline constexpr TCopyMode cmSrcAnd = SRCAND;
inline constexpr TCopyMode cmSrcPaint = SRCPAINT;
inline constexpr TCopyMode cmSrcInvert = SRCINVERT;
inline constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
inline constexpr TCopyMode cmPatCopy = PATCOPY;
inline constexpr TCopyMode cmBlackness = BLACKNESS;
inline constexpr TCopyMode cmWhiteness = WHITENESS;
inline constexpr TCopyMode cmDstInvert = DSTINVERT;

enum TCanvasStates { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = Set<TCanvasStates>;

class TCanvas : public TPersistent {
    ORVO_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // The DC (made by CreateHandle when there is none) with the canvas's objects selected;
    // assigning one attaches the canvas to a DC that belongs to someone else.
    HDC Handle();
    void SetHandle(HDC Value);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TPen* Pen() const { return pen_; }
    TBrush* Brush() const { return brush_; }
    TFont* Font() const { return font_; }
    void SetPen(TPen* Value) { pen_->Assign(Value); }
    void SetBrush(TBrush* Value) { brush_->Assign(Value); }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    TPoint PenPos();
    void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
    int TextFlags() const { return textFlags_; }
    void SetTextFlags(int Value) { textFlags_ = Value; }
    // The clip box in logical units.
    TRect ClipRect();

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(const TPoint* Points, int Count);
    void Polyline(const std::vector<TPoint>& Points) { Polyline(Points.data(), int(Points.size())); }
    void Polygon(const TPoint* Points, int Count);
    void Polygon(const std::vector<TPoint>& Points) { Polygon(Points.data(), int(Points.size())); }
    void PolyBezier(const TPoint* Points, int Count);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void DrawFocusRect(const TRect& R);

    void TextOut(int X, int Y, const String& Text);
    void TextRect(const TRect& R, int X, int Y, const String& Text);
    int TextWidth(const String& Text) { return TextExtent(Text).cx; }
    int TextHeight(const String& Text) { return TextExtent(Text).cy; }
    TSize TextExtent(const String& Text);

    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& R, TGraphic* Graphic);
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);

    TColor Pixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Value);

    void Lock();
    bool TryLock();
    void Unlock();
    int LockCount() const { return lockCount_; }
    // Deselects the canvas's objects from the DC, so that they are selected again.
    void Refresh();

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    virtual void CreateHandle() {}
    virtual void Changing();
    virtual void Changed();
    // Makes the DC and selects what the next call needs.
    void RequiredState(TCanvasState ReqState) {
        if (!(ReqState <= state_)) CompleteState(ReqState);
    }
    void DeselectHandles();
    TCanvasState state_;

private:
    void CompleteState(TCanvasState ReqState);
    void ObjectChanged(TObject* Sender);
    HDC dc_ = nullptr;
    TPen* pen_;
    TBrush* brush_;
    TFont* font_;
    TCopyMode copyMode_ = cmSrcCopy;
    int textFlags_ = 0;
    std::recursive_mutex lock_;
    int lockCount_ = 0;
};

// Width times a one-pixel frame: top and left in TopColor, bottom and right in
// BottomColor; Rect comes back shrunk by Width on every side.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
