#include "platform/graphics/Brush.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/GdiObject.h"

ORVO_IMPLEMENT_CLASS(TBrush, TGraphicsObject)

ORVO_IMPLEMENT_ENUM_TYPE(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                         "bsBDiagonal", "bsCross", "bsDiagCross")

// Form resources and streams set a brush as "Brush.Color = clBtnFace", "Brush.Style = bsClear".
ORVO_PUBLISHED(TBrush) {
    P.Property("Color", &TBrush::Color, &TBrush::SetColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

TBrush::TBrush() = default;
TBrush::~TBrush() {
    FreeHandle();
}

void TBrush::FreeHandle() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

void TBrush::Change() {
    FreeHandle();
    Changed();
}

void TBrush::Assign(TPersistent* Source) {
    if (auto* b = dynamic_cast<TBrush*>(Source)) {
        color_ = b->color_;
        style_ = b->style_;
        bitmap_ = b->bitmap_;
        Change();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor Value) {
    if (Value == color_ && !(style_ == bsClear && Value != clNone)) return;
    color_ = Value;
    if (style_ == bsClear && Value != clNone) style_ = bsSolid;
    Change();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (Value == style_) return;
    style_ = Value;
    Change();
}

void TBrush::SetBitmap(TBitmap* Value) {
    bitmap_ = Value;
    Change();
}

HBRUSH TBrush::Handle() {
    if (!handle_) {
        const COLORREF c = COLORREF(ColorToRGB(color_));
        if (bitmap_ && !bitmap_->Empty()) {
            handle_ = CreatePatternBrush(bitmap_->Handle());
        } else if (style_ == bsClear) {
            handle_ = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
        } else if (style_ == bsSolid) {
            handle_ = CreateSolidBrush(c);
        } else {
            static constexpr int hatch[] = {
                0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
            handle_ = CreateHatchBrush(hatch[int(style_)], c);
        }
    }
    return handle_;
}

void TBrush::SetHandle(HBRUSH Value) {
    if (Value == handle_) return;
    FreeHandle();
    if (Value) {
        color_ = TColor(Value->color);
        style_ = Value->Null() ? bsClear : bsSolid;
        if (Value->style == BS_HATCHED) style_ = TBrushStyle(int(bsHorizontal) + Value->hatch);
    }
    handle_ = Value;
    Changed();
}
