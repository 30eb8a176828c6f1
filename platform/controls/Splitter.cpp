#include "platform/controls/Splitter.h"

#include "platform/controls/StdControlTypes.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TSplitter, TGraphicControl)
ORVO_IMPLEMENT_ENUM_TYPE(TResizeStyle, "rsNone", "rsLine", "rsUpdate", "rsPattern")
ORVO_IMPLEMENT_EVENT_TYPE(TCanResizeEvent)

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

void TSplitter::SetBeveled(bool Value) {
    FBeveled = Value;
    Invalidate();
}

int TSplitter::SizeOf(TControl* C) const {
    return Horizontal() ? C->Height() : C->Width();
}

TControl* TSplitter::FindControl() const {
    TWinControl* p = Parent();
    if (!p) return nullptr;
    for (TControl* c : p->ControlList()) {
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        switch (Align()) {
        case alLeft:
            if (c->Left() + c->Width() == Left()) return c;
            break;
        case alRight:
            if (c->Left() == Left() + Width()) return c;
            break;
        case alTop:
            if (c->Top() + c->Height() == Top()) return c;
            break;
        case alBottom:
            if (c->Top() == Top() + Height()) return c;
            break;
        default:
            break;
        }
    }
    return nullptr;
}

bool TSplitter::CanResize(int& NewSize) {
    bool accept = true;
    if (OnCanResize) OnCanResize(this, NewSize, accept);
    return accept;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FControl = FindControl();
    FDownPos = Point(X, Y);
    if (!FControl) return;
    // The room left by every other control aligned across the same axis.
    TWinControl* p = Parent();
    const bool horizontal = Horizontal();
    FMaxSize = (horizontal ? p->ClientHeight() : p->ClientWidth()) - FMinSize;
    for (TControl* c : p->ControlList()) {
        if (!c->Visible()) continue;
        if (horizontal ? (c->Align() == alTop || c->Align() == alBottom)
                       : (c->Align() == alLeft || c->Align() == alRight))
            FMaxSize -= SizeOf(c);
    }
    FMaxSize += SizeOf(FControl);
    FOldSize = FNewSize = SizeOf(FControl);
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FControl) return;
    int delta = 0;
    switch (Align()) {
    case alLeft:
        delta = X - FDownPos.X;
        break;
    case alRight:
        delta = FDownPos.X - X;
        break;
    case alTop:
        delta = Y - FDownPos.Y;
        break;
    case alBottom:
        delta = FDownPos.Y - Y;
        break;
    default:
        return;
    }
    // The live size is the control's, so with rsUpdate each move counts from where the
    // splitter now is.
    const int base = FResizeStyle == rsUpdate ? SizeOf(FControl) : FOldSize;
    int size = base + delta;
    size = std::clamp(size, FMinSize, std::max(FMinSize, FMaxSize));
    if (!CanResize(size)) return;
    if (FAutoSnap && size <= FMinSize) size = 0;
    FNewSize = std::max(0, size);
    if (FResizeStyle == rsUpdate) ApplySize();
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FControl) {
        ApplySize();
        FControl = nullptr;
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSplitter::ApplySize() {
    if (!FControl || FNewSize == SizeOf(FControl)) return;
    TWinControl* p = Parent();
    p->DisableAlign();
    switch (Align()) {
    case alLeft:
        FControl->SetWidth(FNewSize);
        break;
    case alRight:
        FControl->SetBounds(FControl->Left() + FControl->Width() - FNewSize, FControl->Top(), FNewSize,
                            FControl->Height());
        break;
    case alTop:
        FControl->SetHeight(FNewSize);
        break;
    case alBottom:
        FControl->SetBounds(FControl->Left(), FControl->Top() + FControl->Height() - FNewSize,
                            FControl->Width(), FNewSize);
        break;
    default:
        break;
    }
    p->EnableAlign();
    p->Realign();
    p->Update();
    if (OnMoved) OnMoved(this);
}

void TSplitter::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    if (FBeveled && r.Width() > 1 && r.Height() > 1) Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
}

ORVO_PUBLISHED(TSplitter) {
    P.Property("Align", &TSplitter::Align, &TSplitter::SetAlign).Default(alLeft);
    P.Property("AutoSnap", &TSplitter::AutoSnap, &TSplitter::SetAutoSnap).Default(true);
    P.Property("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(false);
    P.Property("Color", &TSplitter::Color, &TSplitter::SetColor).Type(TypeInfoTColor());
    P.Property("Cursor", &TSplitter::Cursor, &TSplitter::SetCursor);
    P.Property("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
    P.Property("ParentColor", &TSplitter::ParentColor, &TSplitter::SetParentColor);
    P.Property("ResizeStyle", &TSplitter::ResizeStyle, &TSplitter::SetResizeStyle).Default(rsPattern);
    P.Property("Visible", &TSplitter::Visible, &TSplitter::SetVisible).Default(true);
    P.Property("OnCanResize", &TSplitter::OnCanResize);
    P.Property("OnMoved", &TSplitter::OnMoved);
}
