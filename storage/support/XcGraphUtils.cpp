#include "storage/support/XcGraphUtils.h"

#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/ImageList.h"

#include <memory>

namespace {

// Lets the drawing functions ask a parent for its own window painting (background and
// children excluded), as the parent's paint pass does.
struct PaintWindowAccess : TWinControl {
    using TWinControl::PaintWindow;
};

void CallPaintWindow(TWinControl* Control, HDC DC) {
    (Control->*(&PaintWindowAccess::PaintWindow))(DC);
}

void AddState(TControl* Control, TControlStateItem Item) {
    TControlState s = Control->ControlState();
    s << Item;
    Control->SetControlState(s);
}

void RemoveState(TControl* Control, TControlStateItem Item) {
    TControlState s = Control->ControlState();
    s >> Item;
    Control->SetControlState(s);
}

// Sets a state flag for the lifetime of the guard, clearing it also when an exception
// passes.
class StateFlag {
public:
    StateFlag(TControl* Control, TControlStateItem Item) : control_(Control), item_(Item) {
        AddState(control_, item_);
    }
    ~StateFlag() { RemoveState(control_, item_); }
    StateFlag(const StateFlag&) = delete;
    StateFlag& operator=(const StateFlag&) = delete;

private:
    TControl* control_;
    TControlStateItem item_;
};

// Restores a saved DC state when it goes out of scope.
class SavedDC {
public:
    explicit SavedDC(HDC DC) : dc_(DC), level_(SaveDC(DC)) {}
    ~SavedDC() { RestoreDC(dc_, level_); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int level_;
};

bool Intersects(const TRect& A, const TRect& B) {
    return std::max(A.Left, B.Left) < std::min(A.Right, B.Right) &&
           std::max(A.Top, B.Top) < std::min(A.Bottom, B.Bottom);
}

// Embosses a monochrome mask onto a canvas in the brush colour: where the mask is black
// the brush shows, where it is white the canvas keeps its pixels (a monochrome source
// takes the text colour for black and the background colour for white; DSPDxax copies
// the brush where the source is white).
void BlitMask(TCanvas* Canvas, TColor BrushColor, int X, int Y, int Width, int Height, HDC MaskDC) {
    Canvas->Brush()->SetColor(BrushColor);
    HDC dc = Canvas->Handle();
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    BitBlt(dc, X, Y, Width, Height, MaskDC, 0, 0, DSPDxax);
}

// The embossed look on Canvas: Highlight one pixel right and down (when wanted), Shadow in
// place. The canvas's objects are selected afresh afterwards, since the text and
// background colours were changed behind its back.
void Emboss(TCanvas* Canvas, HDC MaskDC, int X, int Y, int Width, int Height, bool Highlight,
            TColor HighlightColor, TColor ShadowColor) {
    if (Highlight) BlitMask(Canvas, HighlightColor, X + 1, Y + 1, Width, Height, MaskDC);
    BlitMask(Canvas, ShadowColor, X, Y, Width, Height, MaskDC);
    Canvas->Refresh();
}

void FillWhole(TBitmap* Bitmap, TColor Color) {
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(Rect(0, 0, Bitmap->Width(), Bitmap->Height()));
}

} // namespace

void PaintParentUnderControl(TControl* Control, TCanvas* Canvas) {
    if (!Control || !Control->Parent() || !Canvas) return;
    TWinControl* parent = Control->Parent();
    StateFlag parentCopy(parent, csPaintCopy);
    HDC dc = Canvas->Handle();
    TPoint org;
    GetViewportOrgEx(dc, &org);
    org.X -= Control->Left();
    org.Y -= Control->Top();
    {
        SavedDC saved(dc);
        SetViewportOrgEx(dc, org.X, org.Y, nullptr);
        IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
        parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        CallPaintWindow(parent, dc);
    }
    const TRect bounds = Control->BoundsRect();
    for (TControl* child : parent->ControlList()) {
        if (child == Control) break;
        if (!child->Visible() || !Intersects(child->BoundsRect(), bounds)) continue;
        StateFlag childCopy(child, csPaintCopy);
        SavedDC saved(dc);
        SetViewportOrgEx(dc, child->Left() + org.X, child->Top() + org.Y, nullptr);
        IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void StretchBltWithoutColor(HDC DstDC, int DstX, int DstY, int DstW, int DstH, HDC SrcDC, int SrcX, int SrcY,
                            int SrcW, int SrcH, HPALETTE Palette, COLORREF TransparentColor) {
    HDC maskDC = CreateCompatibleDC(DstDC);
    HDC invDC = CreateCompatibleDC(DstDC);
    HDC workDC = CreateCompatibleDC(DstDC);
    HDC copyDC = CreateCompatibleDC(DstDC);
    HBITMAP maskBmp = CreateBitmap(SrcW, SrcH, 1, 1, nullptr);
    HBITMAP invBmp = CreateBitmap(SrcW, SrcH, 1, 1, nullptr);
    HBITMAP workBmp = CreateCompatibleBitmap(DstDC, DstW, DstH);
    HBITMAP copyBmp = CreateCompatibleBitmap(DstDC, SrcW, SrcH);
    HGDIOBJ oldMask = SelectObject(maskDC, maskBmp);
    HGDIOBJ oldInv = SelectObject(invDC, invBmp);
    HGDIOBJ oldWork = SelectObject(workDC, workBmp);
    HGDIOBJ oldCopy = SelectObject(copyDC, copyBmp);

    HPALETTE oldPalette = nullptr;
    if (Palette) {
        oldPalette = SelectPalette(DstDC, Palette, TRUE);
        RealizePalette(DstDC);
        SelectPalette(copyDC, Palette, FALSE);
        RealizePalette(copyDC);
        SelectPalette(maskDC, Palette, FALSE);
        RealizePalette(maskDC);
        SelectPalette(workDC, Palette, TRUE);
        RealizePalette(workDC);
    }
    const int mapMode = GetMapMode(DstDC);
    SetMapMode(SrcDC, mapMode);
    SetMapMode(copyDC, mapMode);

    BitBlt(copyDC, 0, 0, SrcW, SrcH, SrcDC, SrcX, SrcY, SRCCOPY);
    // Pixels of the background colour become white in a monochrome copy, all others black.
    const COLORREF oldBk = SetBkColor(copyDC, PaletteRelativeColor(TColor(TransparentColor)));
    BitBlt(maskDC, 0, 0, SrcW, SrcH, copyDC, 0, 0, SRCCOPY);
    SetBkColor(copyDC, oldBk);
    BitBlt(invDC, 0, 0, SrcW, SrcH, maskDC, 0, 0, NOTSRCCOPY);

    // The destination keeps its pixels under the transparent ones; the source fills the rest.
    BitBlt(workDC, 0, 0, DstW, DstH, DstDC, DstX, DstY, SRCCOPY);
    StretchBlt(workDC, 0, 0, DstW, DstH, maskDC, 0, 0, SrcW, SrcH, SRCAND);
    BitBlt(copyDC, 0, 0, SrcW, SrcH, invDC, 0, 0, SRCAND);
    StretchBlt(workDC, 0, 0, DstW, DstH, copyDC, 0, 0, SrcW, SrcH, SRCPAINT);
    BitBlt(DstDC, DstX, DstY, DstW, DstH, workDC, 0, 0, SRCCOPY);

    if (Palette) SelectPalette(DstDC, oldPalette, TRUE);
    SelectObject(maskDC, oldMask);
    SelectObject(invDC, oldInv);
    SelectObject(workDC, oldWork);
    SelectObject(copyDC, oldCopy);
    DeleteObject(maskBmp);
    DeleteObject(invBmp);
    DeleteObject(workBmp);
    DeleteObject(copyBmp);
    DeleteDC(maskDC);
    DeleteDC(invDC);
    DeleteDC(workDC);
    DeleteDC(copyDC);
}

void StretchBitmapWithTransparency(TCanvas* Canvas, TBitmap* Bitmap, TColor TransparentColor, int DstX,
                                   int DstY, int DstW, int DstH, int SrcX, int SrcY, int SrcW, int SrcH) {
    if (DstW < 1) DstW = Bitmap->Width();
    if (DstH < 1) DstH = Bitmap->Height();
    if (SrcW < 1 || SrcH < 1) {
        SrcX = 0;
        SrcY = 0;
        SrcW = Bitmap->Width();
        SrcH = Bitmap->Height();
    }
    HDC dst = Canvas->Handle();
    if (!Bitmap->Monochrome()) SetStretchBltMode(dst, STRETCH_DELETESCANS);
    TCanvas* bitmapCanvas = Bitmap->Canvas();
    // Reading the bitmap through its canvas must not report the bitmap as changed.
    const TNotifyEvent savedOnChange = Bitmap->OnChange;
    Bitmap->OnChange = TNotifyEvent();
    bitmapCanvas->Lock();
    try {
        HDC src = bitmapCanvas->Handle();
        if (TransparentColor == clNone) {
            StretchBlt(dst, DstX, DstY, DstW, DstH, src, SrcX, SrcY, SrcW, SrcH, Canvas->CopyMode());
        } else {
            TColor key = TransparentColor;
            if (key == clDefault) key = bitmapCanvas->Pixels(0, Bitmap->Height() - 1);
            const COLORREF rgb = Bitmap->Monochrome() ? RGB(255, 255, 255) : COLORREF(ColorToRGB(key));
            StretchBltWithoutColor(dst, DstX, DstY, DstW, DstH, src, SrcX, SrcY, SrcW, SrcH,
                                   Bitmap->Palette(), rgb);
        }
    } catch (...) {
        bitmapCanvas->Unlock();
        Bitmap->OnChange = savedOnChange;
        throw;
    }
    bitmapCanvas->Unlock();
    Bitmap->OnChange = savedOnChange;
}

void DrawBitmapWithTransparency(TCanvas* Canvas, int DstX, int DstY, TBitmap* Bitmap,
                                TColor TransparentColor) {
    StretchBitmapWithTransparency(Canvas, Bitmap, TransparentColor, DstX, DstY, Bitmap->Width(),
                                  Bitmap->Height(), 0, 0, Bitmap->Width(), Bitmap->Height());
}

TBitmap* MakeDisabledBitmapColored(TBitmap* Bitmap, TColor TransparentColor, TColor BackColor, bool Highlight,
                                   TColor ShadowColor, TColor HighlightColor) {
    const int w = Bitmap->Width(), h = Bitmap->Height();
    // A colour copy first, so that a monochrome bitmap compares as black and white.
    TBitmap colour;
    colour.SetPixelFormat(pf24bit);
    colour.SetSize(w, h);
    BitBlt(colour.Canvas()->Handle(), 0, 0, w, h, Bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
    // The mask: white where the bitmap has the transparent colour, black elsewhere.
    TBitmap mask;
    mask.SetMonochrome(true);
    mask.SetSize(w, h);
    HDC colourDC = colour.Canvas()->Handle();
    SetBkColor(colourDC, COLORREF(ColorToRGB(TransparentColor)));
    BitBlt(mask.Canvas()->Handle(), 0, 0, w, h, colourDC, 0, 0, SRCCOPY);
    colour.Canvas()->Refresh();

    auto result = std::make_unique<TBitmap>();
    result->SetSize(w, h);
    FillWhole(result.get(), BackColor);
    Emboss(result->Canvas(), mask.Canvas()->Handle(), 0, 0, w, h, Highlight, HighlightColor, ShadowColor);
    return result.release();
}

TBitmap* MakeDisabledBitmap(TBitmap* Bitmap, TColor TransparentColor) {
    return MakeDisabledBitmapColored(Bitmap, TransparentColor, clBtnFace, true, clBtnShadow, clBtnHighlight);
}

TBitmap* MakeDisabledBitmapNewStyle(TBitmap* Bitmap, TColor Color) {
    const int w = Bitmap->Width(), h = Bitmap->Height();
    auto result = std::make_unique<TBitmap>();
    result->SetSize(w, h);
    FillWhole(result.get(), Color);
    // The mask: the bitmap drawn on white without its pixels of Color, then every pixel
    // that is not white turned black.
    TBitmap mask;
    mask.SetSize(w, h);
    FillWhole(&mask, clWhite);
    DrawBitmapWithTransparency(mask.Canvas(), 0, 0, Bitmap, Color);
    mask.SetMonochrome(true);
    Emboss(result->Canvas(), mask.Canvas()->Handle(), 0, 0, w, h, true, clBtnHighlight, clBtnShadow);
    return result.release();
}

void DrawImageListItemDisabled(TCustomImageList* ImageList, TCanvas* Canvas, int X, int Y, int Index,
                               TColor HighlightColor, TColor ShadowColor, bool Highlight) {
    const TColor savedBrush = Canvas->Brush()->Color();
    const int w = ImageList->Width(), h = ImageList->Height();
    TBitmap mask;
    mask.SetSize(w, h);
    FillWhole(&mask, clWhite);
    ImageList_Draw(ImageList->Handle(), Index, mask.Canvas()->Handle(), 0, 0, ILD_MASK);
    mask.SetMonochrome(true);
    Emboss(Canvas, mask.Canvas()->Handle(), X, Y, w, h, Highlight, HighlightColor, ShadowColor);
    Canvas->Brush()->SetColor(savedBrush);
}

TBitmap* MakeCheckerBitmap(TColor Color1, TColor Color2) {
    auto result = std::make_unique<TBitmap>();
    result->SetSize(8, 8);
    FillWhole(result.get(), Color1);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (x % 2 == y % 2) result->Canvas()->SetPixels(x, y, Color2);
    return result.release();
}

COLORREF PaletteRelativeColor(TColor Color) {
    return 0x02000000u | COLORREF(ColorToRGB(Color));
}
