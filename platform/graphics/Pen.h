// TPen: colour, width, style and raster mode of lines. Its handle is made on demand; a
// handle made elsewhere (a geometric pen with caps and joins) may replace it.
#pragma once

#include "platform/classes/TypInfo.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObject.h"

enum TPenStyle {
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame,
    psUserStyle,
    psAlternate
};
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
ORVO_DECLARE_ENUM_TYPE(TPenStyle)
ORVO_DECLARE_ENUM_TYPE(TPenMode)
// The SetROP2 code of a pen mode.
int PenModeToROP2(TPenMode Mode);

class TPen : public TGraphicsObject {
    ORVO_CLASS(TPen, TGraphicsObject)
public:
    TPen();
    ~TPen() override;
    void Assign(TPersistent* Source) override;

    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    int Width() const { return width_; }
    void SetWidth(int Value);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle Value);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode Value);

    HPEN Handle();
    // Takes over Value (deleted with the pen or when the pen changes); colour, width and
    // style are read back from it.
    void SetHandle(HPEN Value);

private:
    void Change();
    void FreeHandle();
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    HPEN handle_ = nullptr;
};
