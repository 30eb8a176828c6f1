#include "controls/XcExControls.h"

#include "platform/controls/Application.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/graphics/Brush.h"

ORVO_IMPLEMENT_CLASS(TStructPtrMessage, TObject)
ORVO_IMPLEMENT_CLASS(TXcExGraphicControl, TGraphicControl)
ORVO_IMPLEMENT_CLASS(TXcExCustomControl, TCustomControl)

void ResolveHintColor(THintInfo& HintInfo, TControl* Control, TColor HintColor) {
    if (HintColor == clNone) {
        HintInfo.HintColor = Application->HintColor();
        return;
    }
    if (HintColor != clDefault) {
        HintInfo.HintColor = HintColor;
        return;
    }
    TWinControl* parent = Control ? Control->Parent() : nullptr;
    if (!parent) return;
    THintInfo copy = HintInfo;
    parent->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&copy));
    HintInfo.HintColor = copy.HintColor;
}

LPARAM ShiftStateToKeyFlags(TShiftState Shift) {
    LPARAM flags = 0;
    if (Shift.Contains(ssAlt)) flags |= AltMask;
    if (Shift.Contains(ssCtrl)) flags |= CtrlMask;
    if (Shift.Contains(ssShift)) flags |= ShiftMask;
    return flags;
}

namespace {
struct CodeBit {
    TXcDialogCode Code;
    LRESULT Bit;
};
constexpr CodeBit kCodeBits[] = {{dcWantAllKeys, DLGC_WANTALLKEYS}, {dcWantArrows, DLGC_WANTARROWS},
                                 {dcWantChars, DLGC_WANTCHARS},     {dcButton, DLGC_BUTTON},
                                 {dcHasSetSel, DLGC_HASSETSEL},     {dcWantTab, DLGC_WANTTAB}};
} // namespace

TXcDialogCodes DialogCodesFromWindows(LRESULT Codes) {
    TXcDialogCodes result;
    for (const CodeBit& b : kCodeBits)
        if (Codes & b.Bit) result << b.Code;
    return result;
}

LRESULT DialogCodesToWindows(TXcDialogCodes Codes) {
    LRESULT result = 0;
    for (const CodeBit& b : kCodeBits)
        if (Codes.Contains(b.Code)) result |= b.Bit;
    return result;
}

bool IsDesignerMessage(TControl*, const TMessage&) {
    return false;
}

void DrawHighlightFrame(HDC DC, const TRect& R, TColor Color, bool InControl) {
    TCanvas canvas;
    canvas.SetHandle(DC);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(InControl ? HighlightFrameColor : TColor(0x808080));
    TRect r = R;
    canvas.FrameRect(r);
    r = TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    canvas.Brush()->SetColor(InControl ? HighlightFrameColor : Color);
    canvas.FrameRect(r);
    canvas.SetHandle(nullptr);
}

void DrawHighlightFrame(TWinControl* Control, TColor Color, bool InControl) {
    if (!Control || !Control->HandleAllocated()) return;
    TControlCanvas canvas;
    canvas.SetControl(Control);
    DrawHighlightFrame(canvas.Handle(), TRect{0, 0, Control->Width(), Control->Height()}, Color, InControl);
}

void HandleHighlightMessage(TWinControl* Control, const TMessage& Message, bool InControl) {
    if (!Control || !Control->HandleAllocated()) return;
    DrawHighlightFrame(Control, Control->Color(), InControl);
    if (Message.Msg != CM_MOUSELEAVE) return;
    // The ring between the outer rectangle and the one two pixels in.
    const int w = Control->Width(), h = Control->Height();
    const TRect strips[] = {TRect{0, 0, w - 1, 2}, TRect{0, h - 3, w - 1, h - 1}, TRect{0, 2, 2, h - 3},
                            TRect{w - 3, 2, w - 1, h - 3}};
    for (const TRect& r : strips)
        Control->InvalidateRect(&r, false);
}
