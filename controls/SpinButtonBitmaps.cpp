#include "controls/SpinButtonBitmaps.h"

#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Pen.h"
#include "storage/support/XcGraphUtils.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TSpinButtonBitmaps, TObject)
ORVO_IMPLEMENT_CLASS(TSpinButtonBitmapsManager, TObject)

namespace {
TSpinButtonBitmapsManager* gManager = nullptr;

// The built-in arrows of a style.
void LoadArrow(TBitmap* Bitmap, TXcSpinButtonStyle Style, bool Up) {
    if (Style == sbsClassic)
        Bitmap->LoadFromResourceName(nullptr,
                                     Up ? QStringLiteral("XcSpinUPPOLE") : QStringLiteral("XcSpinDOWNPOLE"));
    else
        Bitmap->LoadFromResourceName(nullptr, Up ? QStringLiteral("XcSpinUP") : QStringLiteral("XcSpinDOWN"));
}
} // namespace

// ---- TSpinButtonBitmaps ----

TSpinButtonBitmaps::TSpinButtonBitmaps(int Width, int Height, TXcSpinButtonStyle Style, bool CustomGlyphs)
    : FWidth(Width), FHeight(Height), FStyle(Style), FCustomGlyphs(CustomGlyphs) {}

int TSpinButtonBitmaps::CompareWith(int Width, int Height, bool CustomGlyphs,
                                    TXcSpinButtonStyle Style) const {
    if (FWidth != Width) return FWidth - Width;
    if (FHeight != Height) return FHeight - Height;
    if (FStyle != Style) return int(FStyle) - int(Style);
    return int(FCustomGlyphs) - int(CustomGlyphs);
}

void TSpinButtonBitmaps::RemoveClient() {
    if (--FClientCount > 0) return;
    if (gManager) gManager->Remove(this);
    delete this;
}

TBitmap* TSpinButtonBitmaps::Image(TImage Which) {
    if (FResetOnDraw) Render();
    return FImages[size_t(Which)].get();
}

void TSpinButtonBitmaps::Render() {
    FResetOnDraw = false;
    const struct {
        TImage which;
        TSpinButtonState down;
        bool enabled;
    } looks[] = {{TopDown, sbTopDown, true},  {BottomDown, sbBottomDown, true},
                 {NoneDown, sbNotDown, true}, {Disabled, sbNotDown, false},
                 {TopHot, sbNotDown, true},   {BottomHot, sbNotDown, true}};
    for (const auto& look : looks) {
        auto& image = FImages[size_t(look.which)];
        if (!image) image = std::make_unique<TBitmap>();
        image->SetSize(std::max(FWidth, 0), std::max(FHeight, 0));
        RenderImage(image.get(), look.down, look.enabled);
    }
}

void TSpinButtonBitmaps::DrawArrow(TCanvas* Canvas, TBitmap* Glyph, int CX, int CY, bool Enabled) {
    if (!Glyph || Glyph->Empty()) return;
    TBitmap* image = Glyph;
    std::unique_ptr<TBitmap> disabled;
    if (!Enabled) {
        disabled.reset(MakeDisabledBitmap(Glyph, Glyph->TransparentColor()));
        disabled->SetTransparentColor(clBtnFace);
        image = disabled.get();
    }
    image->SetTransparent(true);
    Canvas->Draw(CX - image->Width() / 2, CY - image->Height() / 2, image);
}

void TSpinButtonBitmaps::RenderImage(TBitmap* Image, TSpinButtonState Down, bool Enabled) {
    TCanvas* c = Image->Canvas();
    const int w = FWidth, h = FHeight;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, w, h));
    TBitmap up, down;
    if (!FCustomGlyphs) {
        LoadArrow(&up, FStyle, true);
        LoadArrow(&down, FStyle, false);
    }
    if (FStyle == sbsClassic) {
        TRect top = Rect(0, 0, w, h / 2), bottom = Rect(0, h / 2, w, h);
        TRect t = top, b = bottom;
        Frame3D(c, t, Down == sbTopDown ? clBtnShadow : clBtnHighlight,
                Down == sbTopDown ? clBtnHighlight : clBtnShadow, 1);
        Frame3D(c, b, Down == sbBottomDown ? clBtnShadow : clBtnHighlight,
                Down == sbBottomDown ? clBtnHighlight : clBtnShadow, 1);
        if (!FCustomGlyphs) DrawGlyphs(c, Down, &down, &up, Enabled);
        return;
    }
    // Raised (or sunken) edges on the outside, three lines along the diagonal.
    TRect all = Rect(0, 0, w, h);
    Frame3D(c, all, Down == sbTopDown ? clBtnShadow : clBtnHighlight,
            Down == sbBottomDown ? clBtnHighlight : cl3DDkShadow, 1);
    TColor upper = clBtnShadow, middle = cl3DDkShadow, lower = clBtnHighlight;
    if (Down == sbTopDown) {
        upper = clBtnFace;
        middle = clBtnHighlight;
    } else if (Down == sbBottomDown) {
        middle = clBtnShadow;
        lower = clWindowFrame;
    }
    const TColor lines[3] = {upper, middle, lower};
    for (int k = 0; k < 3; ++k) {
        c->Pen()->SetColor(lines[k]);
        c->MoveTo(k - 1, h);
        c->LineTo(w + k - 1, 0);
    }
    if (!FCustomGlyphs) DrawGlyphs(c, Down, &down, &up, Enabled);
}

void TSpinButtonBitmaps::DrawGlyphs(TCanvas* Canvas, TSpinButtonState State, TBitmap* DownArrow,
                                    TBitmap* UpArrow, bool Enabled) {
    const int w = FWidth, h = FHeight;
    if (FStyle == sbsClassic) {
        DrawArrow(Canvas, UpArrow, w / 2, h / 4, Enabled);
        DrawArrow(Canvas, DownArrow, w / 2, h / 2 + (h - h / 2) / 2, Enabled);
        return;
    }
    const int push = State == sbTopDown ? 2 : 1;
    DrawArrow(Canvas, UpArrow, w / 4 + push, h / 4 + push, Enabled);
    DrawArrow(Canvas, DownArrow, 3 * w / 4 - 1, 3 * h / 4 - 1, Enabled);
}

void TSpinButtonBitmaps::Draw(TCanvas* Canvas, TSpinButtonState Down, bool InBottom, bool InTop,
                              bool Enabled) {
    TImage which = NoneDown;
    if (!Enabled)
        which = Disabled;
    else if (Down == sbTopDown)
        which = TopDown;
    else if (Down == sbBottomDown)
        which = BottomDown;
    else if (FThemed && InTop)
        which = TopHot;
    else if (FThemed && InBottom)
        which = BottomHot;
    Canvas->Draw(0, 0, Image(which));
}

// ---- TSpinButtonBitmapsManager ----

TSpinButtonBitmapsManager* TSpinButtonBitmapsManager::Instance() {
    return gManager;
}

TSpinButtonBitmapsManager* TSpinButtonBitmapsManager::NeedInstance() {
    if (!gManager) gManager = new TSpinButtonBitmapsManager;
    return gManager;
}

TSpinButtonBitmapsManager::~TSpinButtonBitmapsManager() {
    // Sets still listed here lose their manager; their clients free them.
    if (gManager == this) gManager = nullptr;
}

TSpinButtonBitmaps* TSpinButtonBitmapsManager::WantButtons(int Width, int Height, bool CustomGlyphs,
                                                           TXcSpinButtonStyle Style) {
    const auto it = std::lower_bound(FList.begin(), FList.end(), 0, [&](TSpinButtonBitmaps* b, int) {
        return b->CompareWith(Width, Height, CustomGlyphs, Style) < 0;
    });
    if (it != FList.end() && (*it)->CompareWith(Width, Height, CustomGlyphs, Style) == 0) return *it;
    auto* bitmaps = new TSpinButtonBitmaps(Width, Height, Style, CustomGlyphs);
    FList.insert(it, bitmaps);
    return bitmaps;
}

void TSpinButtonBitmapsManager::RemoveClient() {
    if (--FClientCount > 0) return;
    delete this;
}

void TSpinButtonBitmapsManager::Remove(TSpinButtonBitmaps* Bitmaps) {
    FList.erase(std::remove(FList.begin(), FList.end(), Bitmaps), FList.end());
}
