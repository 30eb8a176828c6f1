#include "storage/support/XcWinUtils.h"

#include "platform/classes/Thread.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/ImageList.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TThemeServices, TObject)

namespace {

TThemeServices* installedThemeServices = nullptr;

TControlStyle themingStyles() {
    return TControlStyle{csNeedsBorderPaint, csParentBackground};
}

} // namespace

HTHEME TThemeServices::Theme(TThemedElement Element) const {
    (void)Element;
    return nullptr;
}

void TThemeServices::DrawParentBackground(HWND Window, HDC DC, const void* Details, bool OnlyIfTransparent,
                                          const TRect* Bounds) {
    (void)Details;
    (void)OnlyIfTransparent;
    TWinControl* control = FindControl(Window);
    if (!control) return;
    EraseBackgroundByParentAtClipped(control, DC, TPoint{control->Left(), control->Top()},
                                     Bounds ? *Bounds : NoClipRect);
}

HRESULT TThemeServices::DrawThemeTextEx(HTHEME Theme, HDC DC, int PartId, int StateId, const String& Text,
                                        int Count, DWORD Flags, TRect* R, const DTTOPTS* Options) {
    (void)Theme, (void)DC, (void)PartId, (void)StateId, (void)Text, (void)Count, (void)Flags, (void)R,
        (void)Options;
    return E_NOTIMPL;
}

TThemeServices* GetThemeServices() {
    static TThemeServices own;
    return installedThemeServices ? installedThemeServices : &own;
}

TThemeServices* SetThemeServices(TThemeServices* Value) {
    TThemeServices* old = GetThemeServices();
    installedThemeServices = Value;
    return old;
}

void AddThemingStyles(TControl* Control, TControlStyle Style) {
    Control->SetControlStyle(Control->ControlStyle() + Style * themingStyles());
}

TControlStyle ThemingStylesOf(TControl* Control) {
    return Control->ControlStyle() * themingStyles();
}

void PaintControlBackground(TControl* Control, TCanvas* Canvas, const TRect& R, TColor Color,
                            bool OwnBackground) {
    TWinControl* parent = Control->Parent();
    const bool fill = !GetThemeServices()->ThemesEnabled() || !parent ||
                      (Color != parent->Color() && ColorToRGB(Color) != ColorToRGB(parent->Color())) ||
                      (OwnBackground && !Control->ControlStyle().Contains(csParentBackground));
    if (fill) {
        const TColor brush = Canvas->Brush()->Color();
        if (brush != Color) Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(R);
        if (brush != Color) Canvas->Brush()->SetColor(brush);
        return;
    }
    auto* windowed = dynamic_cast<TWinControl*>(Control);
    if (windowed && !windowed->DoubleBuffered())
        GetThemeServices()->DrawParentBackground(windowed->Handle(), Canvas->Handle(), nullptr, false, &R);
    else
        EraseBackgroundByParentClipped(Control, Canvas->Handle(), R);
}

void PaintControlBackgroundInBrushColor(TControl* Control, TCanvas* Canvas, const TRect& R,
                                        bool OwnBackground) {
    PaintControlBackground(Control, Canvas, R, Canvas->Brush()->Color(), OwnBackground);
}

void EraseBackgroundByParentAtClipped(TControl* Control, HDC DC, TPoint Offset, const TRect& R) {
    if (!Control || !Control->Parent()) return;
    const bool clip = !(R == NoClipRect);
    // The clip rectangle is in the caller's coordinates: its device position is taken
    // before the origin moves.
    TPoint clipCorners[2] = {{R.Left, R.Top}, {R.Right, R.Bottom}};
    if (clip) LPtoDP(DC, clipCorners, 2);

    // The parent paints in its own coordinates: the window origin moves by the control's
    // offset whenever either part of it is non-zero.
    TPoint savedOrg;
    const bool moved = Offset.X != 0 || Offset.Y != 0;
    if (moved) {
        GetWindowOrgEx(DC, &savedOrg);
        SetWindowOrgEx(DC, savedOrg.X + Offset.X, savedOrg.Y + Offset.Y, nullptr);
    }
    HRGN savedClip = nullptr;
    if (clip) {
        HRGN current = CreateRectRgn(0, 0, 0, 0);
        if (GetClipRgn(DC, current) == 1)
            savedClip = current;
        else
            DeleteObject(current);
        HRGN area = CreateRectRgn(clipCorners[0].X, clipCorners[0].Y, clipCorners[1].X, clipCorners[1].Y);
        SelectClipRgn(DC, area);
        DeleteObject(area);
    }
    auto restore = [&] {
        if (moved) SetWindowOrgEx(DC, savedOrg.X, savedOrg.Y, nullptr);
        if (clip) {
            // A DC that had no clip region gets none back.
            SelectClipRgn(DC, savedClip);
            if (savedClip) DeleteObject(savedClip);
        }
    };
    try {
        Control->Parent()->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void EraseBackgroundByParentAt(TControl* Control, HDC DC, TPoint Offset) {
    EraseBackgroundByParentAtClipped(Control, DC, Offset, NoClipRect);
}

void EraseBackgroundByParentClipped(TControl* Control, HDC DC, const TRect& R) {
    EraseBackgroundByParentAtClipped(Control, DC, TPoint{Control->Left(), Control->Top()}, R);
}

void EraseBackgroundByParent(TControl* Control, HDC DC) {
    EraseBackgroundByParentAtClipped(Control, DC, TPoint{Control->Left(), Control->Top()}, NoClipRect);
}

bool HasGlassPaintState(TControl* Control) {
    return Control->ControlState().Contains(csGlassPaint);
}

bool IsPaintingOnGlass(TControl* Control) {
    if (!HasGlassPaintState(Control)) return false;
    TWinControl* p = Control->Parent();
    while (p && !p->DoubleBuffered() && !Is<TCustomForm>(p))
        p = p->Parent();
    return !(p && p->DoubleBuffered() && !Is<TCustomForm>(p));
}

void DrawTextGlassAware(HDC DC, const String& Text, TRect& R, bool Composited, UINT Format) {
    TThemeServices* themes = GetThemeServices();
    if (themes->ThemesEnabled() && themes->CompositionAvailable()) {
        DTTOPTS options;
        options.dwSize = DTTOPTS_RECORD_SIZE;
        options.dwFlags = DTT_TEXTCOLOR;
        options.crText = GetTextColor(DC);
        if (Format & DT_CALCRECT) options.dwFlags |= DTT_CALCRECT;
        if (Composited) options.dwFlags |= DTT_COMPOSITED;
        if (themes->DrawThemeTextEx(themes->Theme(teToolBar), DC, 1, 1, Text, -1, Format, &R, &options) !=
            E_NOTIMPL)
            return;
    }
    DrawTextW(DC, Text, int(Text.size()), &R, Format);
}

void DrawImageListGlassAware(HIMAGELIST ImageList, int Index, HDC DC, int X, int Y, UINT Style, bool Glass) {
    if (!Glass || !GetThemeServices()->CompositionAvailable()) {
        ImageList_Draw(ImageList, Index, DC, X, Y, Style);
        return;
    }
    int w = 0, h = 0;
    ImageList_GetIconSize(ImageList, &w, &h);
    if (w <= 0 || h <= 0) return;
    // The buffer: the image drawn opaque, then its transparent pixels made see-through.
    TBitmap buffer;
    buffer.SetPixelFormat(pf32bit);
    buffer.SetSize(w, h);
    auto endPaint = [&] {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        AlphaBlend(DC, X, Y, w, h, buffer.Canvas()->Handle(), 0, 0, w, h, blend);
    };
    try {
        ImageList_Draw(ImageList, Index, buffer.Canvas()->Handle(), 0, 0, Style);
        for (int y = 0; y < h; ++y) {
            Byte* row = static_cast<Byte*>(buffer.ScanLine(y));
            for (int x = 0; x < w; ++x)
                row[x * 4 + 3] = 255;
        }
        TBitmap mask;
        mask.SetPixelFormat(pf24bit);
        mask.SetSize(w, h);
        ImageList_Draw(ImageList, Index, mask.Canvas()->Handle(), 0, 0, ILD_MASK);
        for (int y = 0; y < h; ++y) {
            const Byte* m = static_cast<const Byte*>(mask.ScanLine(y));
            Byte* row = static_cast<Byte*>(buffer.ScanLine(y));
            for (int x = 0; x < w; ++x)
                if (m[x * 3] || m[x * 3 + 1] || m[x * 3 + 2]) row[x * 4 + 3] = 0;
        }
    } catch (...) {
        endPaint();
        throw;
    }
    endPaint();
}

bool ActiveWindowInThisThread() {
    HWND active = GetActiveWindow();
    if (!active) return false;
    // Every window of this platform belongs to the user-interface thread; its top-level
    // windows are the screen's forms.
    if (GetCurrentThreadId() != MainThreadID) return false;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        if (form->HandleAllocated() && form->Handle() == active) return true;
    }
    return false;
}

void SyncTrackFont(TFont* HotTrackFont, TFont* Font, TXcTrackFontOptions Options) {
    if (!Options.Contains(hoFollowFont)) return;
    if (!Options.Contains(hoPreserveCharSet)) HotTrackFont->SetCharset(Font->Charset());
    if (!Options.Contains(hoPreserveColor)) HotTrackFont->SetColor(Font->Color());
    if (!Options.Contains(hoPreserveHeight)) HotTrackFont->SetHeight(Font->Height());
    if (!Options.Contains(hoPreserveName)) HotTrackFont->SetName(Font->Name());
    if (!Options.Contains(hoPreservePitch)) HotTrackFont->SetPitch(Font->Pitch());
    if (!Options.Contains(hoPreserveStyle)) HotTrackFont->SetStyle(Font->Style());
}

void RegisterDragCursors() {
    try {
        if (!Screen) return;
        Screen->SetCursors(368, Screen->Cursors(crMultiDrag));
        Screen->SetCursors(369, Screen->Cursors(crDrag));
        Screen->SetCursors(370, Screen->Cursors(crMultiDrag));
        Screen->SetCursors(371, Screen->Cursors(crMultiDrag));
    } catch (...) {
        // The cursors are a convenience; start-up goes on without them.
    }
}

