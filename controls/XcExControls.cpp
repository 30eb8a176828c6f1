#include "controls/XcExControls.h"

#include "platform/controls/Application.h"

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
