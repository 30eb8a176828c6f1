#include "platform/graphics/Pen.h"

#include "platform/graphics/Gdi.h"
#include "platform/graphics/GdiObject.h"

ORVO_IMPLEMENT_CLASS(TPen, TGraphicsObject)

ORVO_IMPLEMENT_ENUM_TYPE(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear",
                         "psInsideFrame", "psUserStyle", "psAlternate")
ORVO_IMPLEMENT_ENUM_TYPE(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                         "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge",
                         "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor")

// Form resources and streams set a pen as "Pen.Color = clRed", "Pen.Style = psDot".
ORVO_PUBLISHED(TPen) {
    P.Property("Color", &TPen::Color, &TPen::SetColor).Type(TypeInfoTColor()).Default(clBlack);
    P.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
    P.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
    P.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

int PenModeToROP2(TPenMode Mode) {
    static constexpr int rop[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                  R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                  R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                  R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    return rop[int(Mode)];
}

TPen::TPen() = default;
TPen::~TPen() {
    FreeHandle();
}

void TPen::FreeHandle() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

void TPen::Change() {
    FreeHandle();
    Changed();
}

void TPen::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TPen*>(Source)) {
        color_ = p->color_;
        width_ = p->width_;
        style_ = p->style_;
        mode_ = p->mode_;
        Change();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TPen::SetColor(TColor Value) {
    if (Value == color_) return;
    color_ = Value;
    Change();
}

void TPen::SetWidth(int Value) {
    if (Value < 0 || Value == width_) return;
    width_ = Value;
    Change();
}

void TPen::SetStyle(TPenStyle Value) {
    if (Value == style_) return;
    style_ = Value;
    Change();
}

void TPen::SetMode(TPenMode Value) {
    if (Value == mode_) return;
    mode_ = Value;
    Changed(); // the mode is the DC's raster operation, not part of the pen object
}

HPEN TPen::Handle() {
    if (!handle_) {
        static constexpr DWORD styles[] = {PS_SOLID, PS_DASH,        PS_DOT,       PS_DASHDOT,  PS_DASHDOTDOT,
                                           PS_NULL,  PS_INSIDEFRAME, PS_USERSTYLE, PS_ALTERNATE};
        const DWORD s = styles[int(style_)];
        if (s == PS_ALTERNATE || s == PS_USERSTYLE) {
            LOGBRUSH lb;
            lb.lbColor = COLORREF(ColorToRGB(color_));
            handle_ = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
        } else {
            handle_ = CreatePen(int(s), width_, COLORREF(ColorToRGB(color_)));
        }
    }
    return handle_;
}

void TPen::SetHandle(HPEN Value) {
    if (Value == handle_) return;
    FreeHandle();
    if (Value) {
        color_ = TColor(Value->color);
        width_ = Value->width;
        switch (Value->style & PS_STYLE_MASK) {
        case PS_DASH:
            style_ = psDash;
            break;
        case PS_DOT:
            style_ = psDot;
            break;
        case PS_DASHDOT:
            style_ = psDashDot;
            break;
        case PS_DASHDOTDOT:
            style_ = psDashDotDot;
            break;
        case PS_NULL:
            style_ = psClear;
            break;
        case PS_INSIDEFRAME:
            style_ = psInsideFrame;
            break;
        case PS_USERSTYLE:
            style_ = psUserStyle;
            break;
        case PS_ALTERNATE:
            style_ = psAlternate;
            break;
        default:
            style_ = psSolid;
            break;
        }
    }
    handle_ = Value;
    Changed();
}
