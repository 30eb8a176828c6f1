#include "platform/graphics/Font.h"

#include "platform/graphics/Gdi.h"
#include "platform/graphics/GdiObject.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TFont, TGraphicsObject)

TFont::TFont() = default;
TFont::~TFont() {
    FreeHandle();
}

void TFont::FreeHandle() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

void TFont::Change() {
    FreeHandle();
    Changed();
}

void TFont::Assign(TPersistent* Source) {
    if (auto* f = dynamic_cast<TFont*>(Source)) {
        name_ = f->name_;
        height_ = f->height_;
        ppi_ = f->ppi_;
        color_ = f->color_;
        style_ = f->style_;
        charset_ = f->charset_;
        pitch_ = f->pitch_;
        orientation_ = f->orientation_;
        quality_ = f->quality_;
        Change();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TFont::SetName(const String& Value) {
    if (Value.isEmpty() || Value == name_) return;
    name_ = Value;
    Change();
}

int TFont::Size() const {
    return -int(std::lround(double(height_) * 72.0 / ppi_));
}

void TFont::SetSize(int Value) {
    SetHeight(-int(std::lround(double(Value) * ppi_ / 72.0)));
}

void TFont::SetHeight(int Value) {
    if (Value == height_) return;
    height_ = Value;
    Change();
}

void TFont::SetColor(TColor Value) {
    if (Value == color_) return;
    color_ = Value;
    Changed(); // the colour is not part of the font object
}

void TFont::SetStyle(TFontStyles Value) {
    if (Value == style_) return;
    style_ = Value;
    Change();
}

void TFont::SetCharset(TFontCharset Value) {
    if (Value == charset_) return;
    charset_ = Value;
    Change();
}

void TFont::SetPitch(TFontPitch Value) {
    if (Value == pitch_) return;
    pitch_ = Value;
    Change();
}

void TFont::SetOrientation(int Value) {
    if (Value == orientation_) return;
    orientation_ = Value;
    Change();
}

void TFont::SetQuality(Byte Value) {
    if (Value == quality_) return;
    quality_ = Value;
    Change();
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTW lf;
        lf.lfHeight = height_;
        lf.lfEscapement = orientation_;
        lf.lfOrientation = orientation_;
        lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = style_.Contains(fsItalic);
        lf.lfUnderline = style_.Contains(fsUnderline);
        lf.lfStrikeOut = style_.Contains(fsStrikeOut);
        lf.lfCharSet = charset_;
        lf.lfQuality = quality_;
        lf.lfPitchAndFamily = Byte(pitch_);
        const int n = std::min<int>(int(name_.size()), LF_FACESIZE - 1);
        for (int i = 0; i < n; ++i)
            lf.lfFaceName[i] = name_[i].unicode();
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

void TFont::SetHandle(HFONT Value) {
    if (Value == handle_) return;
    FreeHandle();
    if (Value) {
        const LOGFONTW& lf = Value->lf;
        name_ = QString::fromUtf16(lf.lfFaceName);
        height_ = lf.lfHeight;
        orientation_ = lf.lfEscapement;
        style_ = {};
        if (lf.lfWeight >= FW_SEMIBOLD) style_ << fsBold;
        if (lf.lfItalic) style_ << fsItalic;
        if (lf.lfUnderline) style_ << fsUnderline;
        if (lf.lfStrikeOut) style_ << fsStrikeOut;
        charset_ = lf.lfCharSet;
        quality_ = lf.lfQuality;
    }
    handle_ = Value;
    Changed();
}
