// Bitmap rows and filtered resampling: the row table every bitmap filter works through,
// and SmoothStretch, a two-pass resampler with fixed-point weights (Lanczos-3 for the
// best quality, a triangle filter for speed).
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"

#include <vector>

class TBitmap;

// One pointer per bitmap row, to the row's first pixel.
using TRGBArray = std::vector<TRGB*>;

// Makes Bitmap 24-bit and fills Lines with the address of every pixel row (none for a
// bitmap without rows).
void TeeCalcLines(TRGBArray& Lines, TBitmap* Bitmap);

// Resamples Src into Dst's current size. Nothing happens unless both bitmaps exist and
// both sizes of each are above 1. Dst becomes 24-bit; Src is read as it is.
void SmoothStretch(TBitmap* Src, TBitmap* Dst);
void SmoothStretch(TBitmap* Src, TBitmap* Dst, TSmoothStretchOption Option);
