// TTeeBlend: translucent drawing. It captures the background of a rectangle before the
// drawing and mixes it back in afterwards by a transparency percent.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/Object.h"

#include <memory>

class TTeeCanvas;

class TTeeBlend : public TObject {
    ORVO_CLASS(TTeeBlend, TObject)
public:
    TTeeBlend(TTeeCanvas* ACanvas, const TRect& R);
    ~TTeeBlend() override;
    // Captures the background of R (clamped to the canvas bounds).
    void SetRectangle(const TRect& R);
    // Mixes the captured background over what was drawn since: Transparency percent of it.
    void DoBlend(TTeeTransparency Transparency);
    TBitmap* Bitmap() const { return FBitmap.get(); }
    const TRect& Rect() const { return FRect; }

private:
    std::unique_ptr<TBitmap> FBitmap;
    TTeeCanvas* FCanvas;
    TRect FRect;
    bool IValidSize = false;
};

// Draws Bitmap over Back at Point, Percent % transparent (0: Bitmap replaces Back;
// 100: Back unchanged).
void TeeBlendBitmaps(double Percent, TBitmap* Bitmap, TBitmap* Back, TPoint Point);
