#include "platform/graphics/Canvas.h"

#include "platform/graphics/Graphic.h"

ORVO_IMPLEMENT_CLASS(TCanvas, TPersistent)

TCanvas::TCanvas() : pen_(new TPen), brush_(new TBrush), font_(new TFont) {
    pen_->OnChange = Method(this, &TCanvas::ObjectChanged);
    brush_->OnChange = Method(this, &TCanvas::ObjectChanged);
    font_->OnChange = Method(this, &TCanvas::ObjectChanged);
}

TCanvas::~TCanvas() {
    SetHandle(nullptr);
    delete pen_;
    delete brush_;
    delete font_;
}

void TCanvas::ObjectChanged(TObject* Sender) {
    if (Sender == pen_)
        state_ >> csPenValid;
    else if (Sender == brush_)
        state_ >> csBrushValid;
    else if (Sender == font_)
        state_ >> csFontValid;
}

HDC TCanvas::Handle() {
    // Code that draws on the handle itself finds the canvas's pen, brush and font selected.
    RequiredState({csHandleValid, csPenValid, csBrushValid, csFontValid});
    return dc_;
}

void TCanvas::SetHandle(HDC Value) {
    if (Value == dc_) return;
    if (dc_) DeselectHandles();
    dc_ = Value;
    state_ = dc_ ? TCanvasState{csHandleValid} : TCanvasState{};
}

void TCanvas::DeselectHandles() {
    if (!dc_) return;
    // Stock objects take the places of ours, so that ours may be deleted.
    if (state_.Contains(csPenValid)) SelectObject(dc_, GetStockObject(BLACK_PEN));
    if (state_.Contains(csBrushValid)) SelectObject(dc_, GetStockObject(WHITE_BRUSH));
    if (state_.Contains(csFontValid)) SelectObject(dc_, GetStockObject(SYSTEM_FONT));
    state_ -= TCanvasState{csPenValid, csBrushValid, csFontValid};
}

void TCanvas::CompleteState(TCanvasState ReqState) {
    if (!dc_) {
        CreateHandle();
        if (!dc_) throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
        state_ << csHandleValid;
    }
    const TCanvasState need = ReqState - state_;
    if (need.Contains(csPenValid)) {
        SelectObject(dc_, pen_->Handle());
        SetROP2(dc_, PenModeToROP2(pen_->Mode()));
        state_ << csPenValid;
    }
    if (need.Contains(csBrushValid)) {
        SelectObject(dc_, brush_->Handle());
        // A solid brush makes text cells and styled-line gaps opaque in its colour.
        if (brush_->Style() == bsSolid) {
            SetBkColor(dc_, COLORREF(ColorToRGB(brush_->Color())));
            SetBkMode(dc_, OPAQUE);
        } else {
            SetBkColor(dc_, ~COLORREF(ColorToRGB(brush_->Color())) & 0xFFFFFF);
            SetBkMode(dc_, TRANSPARENT);
        }
        state_ << csBrushValid;
    }
    if (need.Contains(csFontValid)) {
        SelectObject(dc_, font_->Handle());
        SetTextColor(dc_, COLORREF(ColorToRGB(font_->Color())));
        state_ << csFontValid;
    }
}

void TCanvas::Refresh() {
    DeselectHandles();
}

void TCanvas::Changing() {
    if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TPoint TCanvas::PenPos() {
    RequiredState({csHandleValid});
    TPoint p;
    GetCurrentPositionEx(dc_, &p);
    return p;
}

TRect TCanvas::ClipRect() {
    RequiredState({csHandleValid});
    TRect r;
    GetClipBox(dc_, &r);
    return r;
}

void TCanvas::MoveTo(int X, int Y) {
    RequiredState({csHandleValid});
    MoveToEx(dc_, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::LineTo(dc_, X, Y);
    Changed();
}

void TCanvas::Polyline(const TPoint* Points, int Count) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polyline(dc_, Points, Count);
    Changed();
}

void TCanvas::Polygon(const TPoint* Points, int Count) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Polygon(dc_, Points, Count);
    Changed();
}

void TCanvas::PolyBezier(const TPoint* Points, int Count) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::PolyBezier(dc_, Points, Count);
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Rectangle(dc_, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::RoundRect(dc_, X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Ellipse(dc_, X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Arc(dc_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Pie(dc_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    Changing();
    RequiredState({csHandleValid, csPenValid, csBrushValid});
    ::Chord(dc_, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::FillRect(const TRect& R) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FillRect(dc_, &R, brush_->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& R) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::FrameRect(dc_, &R, brush_->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& R) {
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    ::DrawFocusRect(dc_, &R);
    Changed();
}

void TCanvas::TextOut(int X, int Y, const String& Text) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    ::ExtTextOutW(dc_, X, Y, UINT(textFlags_), nullptr, Text, nullptr);
    Changed();
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const String& Text) {
    Changing();
    RequiredState({csHandleValid, csFontValid, csBrushValid});
    UINT options = ETO_CLIPPED | UINT(textFlags_);
    if (brush_->Style() != bsClear) options |= ETO_OPAQUE;
    ::ExtTextOutW(dc_, X, Y, options, &R, Text, nullptr);
    Changed();
}

TSize TCanvas::TextExtent(const String& Text) {
    RequiredState({csHandleValid, csFontValid});
    TSize s;
    GetTextExtentPoint32W(dc_, Text, &s);
    return s;
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    RequiredState({csHandleValid});
    Graphic->Draw(this, Rect(X, Y, X + Graphic->Width(), Y + Graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Changing();
    RequiredState({csHandleValid});
    Graphic->Draw(this, R);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
    if (!Canvas) return;
    Changing();
    RequiredState({csHandleValid, csBrushValid});
    Canvas->RequiredState({csHandleValid, csBrushValid});
    StretchBlt(dc_, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->dc_, Source.Left, Source.Top,
               Source.Width(), Source.Height(), copyMode_);
    Changed();
}

TColor TCanvas::Pixels(int X, int Y) {
    RequiredState({csHandleValid});
    return TColor(GetPixel(dc_, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
    Changing();
    RequiredState({csHandleValid, csPenValid});
    SetPixel(dc_, X, Y, COLORREF(ColorToRGB(Value)));
    Changed();
}

void TCanvas::Lock() {
    lock_.lock();
    ++lockCount_;
}

bool TCanvas::TryLock() {
    if (!lock_.try_lock()) return false;
    ++lockCount_;
    return true;
}

void TCanvas::Unlock() {
    if (lockCount_ <= 0) return;
    --lockCount_;
    lock_.unlock();
}

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    if (!Canvas) return;
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    --Rect.Bottom;
    --Rect.Right;
    for (int i = 0; i < Width; ++i) {
        const TPoint topRight{Rect.Right, Rect.Top}, bottomLeft{Rect.Left, Rect.Bottom};
        Canvas->Pen()->SetColor(TopColor);
        const TPoint a[] = {bottomLeft, {Rect.Left, Rect.Top}, topRight};
        Canvas->Polyline(a, 3);
        Canvas->Pen()->SetColor(BottomColor);
        const TPoint b[] = {topRight, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
        Canvas->Polyline(b, 3);
        ++Rect.Left;
        ++Rect.Top;
        --Rect.Right;
        --Rect.Bottom;
    }
    ++Rect.Bottom;
    ++Rect.Right;
}
