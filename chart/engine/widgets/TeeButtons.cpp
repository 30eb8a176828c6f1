#include "chart/engine/widgets/TeeButtons.h"

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/widgets/EditColor.h"
#include "platform/controls/Messages.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Canvas.h"

ORVO_IMPLEMENT_CLASS(TTeeButton, TButton)
ORVO_IMPLEMENT_CLASS(TButtonColor, TTeeButton)

TTeeButton::TTeeButton(TComponent* AOwner) : TButton(AOwner) {}

void TTeeButton::LinkProperty(TObject* AInstance, const String& PropName) {
    Instance = AInstance;
    if (!AInstance) return;
    Info = PropName.isEmpty() ? nullptr : GetPropInfo(AInstance, PropName);
    Invalidate();
}

TRect TTeeButton::SymbolRectangle() const {
    const int h = Height();
    return TRect{Width() - 19, h - (h / 4) * 3, Width() - 6, h - h / 4};
}

void TTeeButton::DrawSymbol(TTeeCanvas* ACanvas) {
    (void)ACanvas;
}

void TTeeButton::Paint() {
    TButton::Paint();
    TTeeCanvas3D symbolCanvas;
    symbolCanvas.SetUseBuffer(false);
    symbolCanvas.SetCanvas(Canvas());
    DrawSymbol(&symbolCanvas);
}

void TTeeButton::Dispatch(TMessage& Message) {
    TButton::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_ENABLEDCHANGED) Invalidate();
}

TButtonColor::TButtonColor(TComponent* AOwner) : TTeeButton(AOwner) {}

TColor TButtonColor::SymbolColor() const {
    if (GetColorProc) return GetColorProc();
    if (Instance && Info) return ColorToRGB(TColor(GetOrdProp(Instance, Info)));
    return FSymbolColor;
}

void TButtonColor::SetSymbolColor(TColor Value) {
    if (Instance && Info)
        SetOrdProp(Instance, Info, Int64(Value));
    else
        FSymbolColor = Value;
}

void TButtonColor::DrawSymbol(TTeeCanvas* ACanvas) {
    const TColor color = SymbolColor();
    ACanvas->Brush()->SetColor(color);
    if (color == clNone) return;
    if (!Enabled()) ACanvas->Pen()->SetStyle(psClear);
    ACanvas->Rectangle(SymbolRectangle());
}

void TButtonColor::Click() {
    TColor color = SymbolColor();
    if (!EditColorDialog(this, color)) return;
    SetSymbolColor(color);
    Invalidate();
    TTeeButton::Click();
}

ORVO_PUBLISHED(TTeeButton) {}
ORVO_PUBLISHED(TButtonColor) {}
