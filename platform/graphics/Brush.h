// TBrush: colour and style of fills, or an 8 x 8 (or larger) pattern bitmap.
#pragma once

#include "platform/classes/TypInfo.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObject.h"

class TBitmap;

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
ORVO_DECLARE_ENUM_TYPE(TBrushStyle)

class TBrush : public TGraphicsObject {
    ORVO_CLASS(TBrush, TGraphicsObject)
public:
    TBrush();
    ~TBrush() override;
    void Assign(TPersistent* Source) override;

    TColor Color() const { return color_; }
    // A colour other than clNone makes a clear brush solid again.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle Value);
    // The pattern bitmap (not owned); null for a plain brush.
    TBitmap* Bitmap() const { return bitmap_; }
    void SetBitmap(TBitmap* Value);

    HBRUSH Handle();
    void SetHandle(HBRUSH Value);

private:
    void Change();
    void FreeHandle();
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    TBitmap* bitmap_ = nullptr;
    HBRUSH handle_ = nullptr;
};
