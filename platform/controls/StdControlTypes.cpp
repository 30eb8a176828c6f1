#include "platform/controls/StdControlTypes.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"

ORVO_IMPLEMENT_ENUM_TYPE(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")
ORVO_IMPLEMENT_ENUM_TYPE(TVerticalAlignment, "taAlignTop", "taAlignBottom", "taVerticalCenter")
ORVO_IMPLEMENT_ENUM_TYPE(TTextLayout, "tlTop", "tlCenter", "tlBottom")
ORVO_IMPLEMENT_ENUM_TYPE(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")
ORVO_IMPLEMENT_ENUM_TYPE(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")

void DrawBevel(TCanvas* Canvas, TRect& R, TBevelCut Cut, int Width) {
    if (Cut == bvNone) return;
    if (Cut == bvSpace) {
        R = Rect(R.Left + Width, R.Top + Width, R.Right - Width, R.Bottom - Width);
        return;
    }
    const TColor light = Cut == bvRaised ? clBtnHighlight : clBtnShadow;
    const TColor dark = Cut == bvRaised ? clBtnShadow : clBtnHighlight;
    Frame3D(Canvas, R, light, dark, Width);
}

bool IsAccelChar(QChar Key, const String& Text) {
    for (int i = 0; i + 1 < Text.size(); ++i) {
        if (Text[i] != QLatin1Char('&')) continue;
        if (Text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return Text[i + 1].toUpper() == Key.toUpper();
    }
    return false;
}

void DrawPushButtonFrame(TCanvas* Canvas, TRect& R, bool Framed, bool Pressed) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(R);
    if (Framed) {
        Canvas->Brush()->SetColor(clWindowFrame);
        Canvas->FrameRect(R);
        R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    }
    if (Pressed) {
        Frame3D(Canvas, R, clBtnShadow, clBtnShadow, 1);
    } else {
        Frame3D(Canvas, R, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(Canvas, R, clBtnFace, clBtnShadow, 1);
    }
}

void DrawPushButtonFocus(TCanvas* Canvas, const TRect& R) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->DrawFocusRect(Rect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2));
}

int DrawControlText(TCanvas* Canvas, const TRect& R, const String& Text, TAlignment Alignment,
                    TTextLayout Layout, bool WordWrap, bool NoPrefix) {
    UINT flags = DT_EXPANDTABS;
    if (WordWrap) flags |= DT_WORDBREAK;
    if (NoPrefix) flags |= DT_NOPREFIX;
    switch (Alignment) {
    case taRightJustify:
        flags |= DT_RIGHT;
        break;
    case taCenter:
        flags |= DT_CENTER;
        break;
    default:
        flags |= DT_LEFT;
        break;
    }
    // Measuring selects the canvas's font and text colour into its DC.
    Canvas->TextHeight(QStringLiteral("Wg"));
    HDC dc = Canvas->Handle();
    TRect calc = R;
    const int h = DrawTextW(dc, Text, -1, &calc, flags | DT_CALCRECT);
    TRect box = R;
    if (Layout == tlCenter)
        box.Top = R.Top + (R.Height() - h) / 2;
    else if (Layout == tlBottom)
        box.Top = R.Bottom - h;
    box.Bottom = box.Top + h;
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, Text, -1, &box, flags);
    return h;
}
