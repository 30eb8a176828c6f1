// Small 24-bit bitmaps filled and read pixel by pixel through their rows.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/graphics/Bitmap.h"

#include <functional>
#include <memory>

inline std::unique_ptr<TBitmap> MakeBitmap(int w, int h, const std::function<TRGB(int x, int y)>& fill) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf24bit);
    b->SetSize(w, h);
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<TRGB*>(b->ScanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = fill(x, y);
    }
    return b;
}

inline std::unique_ptr<TBitmap> SolidBitmap(int w, int h, TRGB c) {
    return MakeBitmap(w, h, [c](int, int) { return c; });
}

inline TRGB Px(TBitmap* b, int x, int y) {
    if (b->PixelFormat() != pf24bit) b->SetPixelFormat(pf24bit);
    return static_cast<const TRGB*>(b->ScanLine(y))[x];
}

inline TRGB Gray(Byte v) {
    return {v, v, v};
}

inline bool operator==(const TRGB& a, const TRGB& b) {
    return a.Blue == b.Blue && a.Green == b.Green && a.Red == b.Red;
}

inline std::ostream& operator<<(std::ostream& o, const TRGB& p) {
    return o << "(B" << int(p.Blue) << " G" << int(p.Green) << " R" << int(p.Red) << ")";
}

// A distinct value for every pixel of a small bitmap, so that moved pixels show where
// they came from: blue = x, green = y, red = 7.
inline TRGB Coord(int x, int y) {
    return {Byte(x), Byte(y), 7};
}
