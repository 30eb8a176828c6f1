#include "chart/engine/canvas/TeeBlend.h"

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TTeeBlend, TObject)

TTeeBlend::TTeeBlend(TTeeCanvas* ACanvas, const TRect& R) : FCanvas(ACanvas) {
    SetRectangle(R);
}

TTeeBlend::~TTeeBlend() = default;

namespace {
TBitmap* offscreen(TTeeCanvas* c) {
    auto* c3 = dynamic_cast<TTeeCanvas3D*>(c);
    return c3 && c3->UseBuffer() ? c3->Bitmap() : nullptr;
}
} // namespace

void TTeeBlend::SetRectangle(const TRect& R) {
    FRect = OrientRectangle(R);
    FRect.Left = std::max(0, FRect.Left);
    FRect.Top = std::max(0, FRect.Top);
    FRect.Right = std::max(0, FRect.Right);
    FRect.Bottom = std::max(0, FRect.Bottom);
    if (FRect.Right <= FRect.Left) FRect.Right = FRect.Left + 1;
    if (FRect.Bottom <= FRect.Top) FRect.Bottom = FRect.Top + 1;
    const TRect& b = FCanvas->Bounds();
    if (b.Right > b.Left) FRect.Right = std::min(FRect.Right, b.Right);
    if (b.Bottom > b.Top) FRect.Bottom = std::min(FRect.Bottom, b.Bottom);
    IValidSize = FRect.Right > FRect.Left && FRect.Bottom > FRect.Top;
    if (!IValidSize) return;
    FBitmap = std::make_unique<TBitmap>();
    FBitmap->SetIgnorePalette(true);
    FBitmap->SetPixelFormat(pf24bit);
    FBitmap->SetSize(FRect.Width(), FRect.Height());
    TCanvas* source = offscreen(FCanvas) ? offscreen(FCanvas)->Canvas() : FCanvas->ReferenceCanvas();
    BitBlt(FBitmap->Canvas()->Handle(), 0, 0, FRect.Width(), FRect.Height(), source->Handle(), FRect.Left,
           FRect.Top, SRCCOPY);
}

void TTeeBlend::DoBlend(TTeeTransparency Transparency) {
    if (FCanvas->Metafiling() || !IValidSize) return;
    TBitmap* target = offscreen(FCanvas);
    std::unique_ptr<TBitmap> temp;
    TPoint at = FRect.TopLeft();
    if (!target) {
        temp = std::make_unique<TBitmap>();
        temp->SetPixelFormat(pf24bit);
        temp->SetSize(FRect.Width(), FRect.Height());
        BitBlt(temp->Canvas()->Handle(), 0, 0, FRect.Width(), FRect.Height(),
               FCanvas->ReferenceCanvas()->Handle(), FRect.Left, FRect.Top, SRCCOPY);
        target = temp.get();
        at = {0, 0};
    }
    const int align = FCanvas->TextAlign();
    TeeBlendBitmaps(100 - Transparency, FBitmap.get(), target, at);
    if (FCanvas->TextAlign() != align) {
        if (FCanvas->ChartFont()) FCanvas->AssignFont(FCanvas->ChartFont());
        FCanvas->SetTextAlign(align);
    }
    if (temp) FCanvas->ReferenceCanvas()->Draw(FRect.Left, FRect.Top, temp.get());
}

void TeeBlendBitmaps(double Percent, TBitmap* Bitmap, TBitmap* Back, TPoint Point) {
    const int x = std::max(0, Point.X), y = std::max(0, Point.Y);
    const int w = std::min(Bitmap->Width(), Back->Width() - x);
    const int h = std::min(Bitmap->Height(), Back->Height() - y);
    if (w <= 0 || h <= 0) return;
    if (TeeAlphaBlendAvailable) {
        BLENDFUNCTION bf;
        bf.SourceConstantAlpha = Byte(std::clamp(255 - RoundPx(Percent * 2.55), 0, 255));
        AlphaBlend(Back->Canvas()->Handle(), x, y, w, h, Bitmap->Canvas()->Handle(), 0, 0, w, h, bf);
        return;
    }
    // Component by component: back + (100 - Percent)% of (bitmap - back).
    const int keep = 100 - RoundPx(Percent);
    const int sb = Bitmap->PixelFormat() == pf24bit ? 3 : 4;
    const int db = Back->PixelFormat() == pf24bit ? 3 : 4;
    for (int row = 0; row < h; ++row) {
        const auto* s = static_cast<const Byte*>(Bitmap->ScanLine(row));
        auto* d = static_cast<Byte*>(Back->ScanLine(row + y)) + x * db;
        for (int col = 0; col < w; ++col, s += sb, d += db)
            for (int k = 0; k < 3; ++k)
                d[k] = Byte(d[k] + (keep * (s[k] - d[k])) / 100);
    }
}
