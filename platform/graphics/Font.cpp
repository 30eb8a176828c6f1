#include "platform/graphics/Font.h"

#include "platform/graphics/Gdi.h"
#include "platform/graphics/GdiObject.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TFont, TGraphicsObject)

ORVO_IMPLEMENT_ENUM_TYPE(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
ORVO_IMPLEMENT_SET_TYPE(TFontStyles, TFontStyle)
ORVO_IMPLEMENT_ENUM_TYPE(TFontPitch, "fpDefault", "fpVariable", "fpFixed")

namespace {

constexpr TIdentMapEntry kCharsetIdents[] = {
    {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};

// Streams and editors show charset properties by these names.
const bool kCharsetIdentsRegistered = [] {
    RegisterIntegerConsts(TypeInfoTFontCharset(), IdentToCharset, CharsetToIdent);
    return true;
}();

} // namespace

PTypeInfo TypeInfoTFontCharset() {
    static const PTypeInfo info =
        platform::detail::MakeOrdinalType("TFontCharset", tkInteger, otUByte, 0, 255);
    return info;
}

bool CharsetToIdent(int Charset, String& Ident) {
    return IntToIdent(Charset, Ident, kCharsetIdents);
}

bool IdentToCharset(const String& Ident, int& Charset) {
    return IdentToInt(Ident, Charset, kCharsetIdents);
}

// Form resources write a font as "Font.Charset = DEFAULT_CHARSET", "Font.Color =
// clWindowText", "Font.Height = -11", "Font.Name = 'Tahoma'", "Font.Style = []": those
// five are always stored. Size follows from Height and is never stored.
ORVO_PUBLISHED(TFont) {
    P.Property("Charset", &TFont::Charset, &TFont::SetCharset).Type(TypeInfoTFontCharset());
    P.Property("Color", &TFont::Color, &TFont::SetColor).Type(TypeInfoTColor());
    P.Property("Height", &TFont::Height, &TFont::SetHeight);
    P.Property("Name", &TFont::Name, &TFont::SetName);
    P.Property("Orientation", &TFont::Orientation, &TFont::SetOrientation).Default(0);
    P.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
    P.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
    P.Property("Style", &TFont::Style, &TFont::SetStyle);
}

TFont::TFont() = default;
TFont::~TFont() {
    FreeHandle();
    for (HFONT& f : recent_) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
}

void TFont::FreeHandle() {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

void TFont::Change() {
    // The object in use goes to the front of the recent ones; the oldest is deleted.
    if (handle_) {
        if (recent_[1]) DeleteObject(recent_[1]);
        recent_[1] = recent_[0];
        recent_[0] = handle_;
        handle_ = nullptr;
    }
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

namespace {
bool SameDescription(const LOGFONTW& a, const LOGFONTW& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
           a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
           std::equal(std::begin(a.lfFaceName), std::end(a.lfFaceName), std::begin(b.lfFaceName));
}
} // namespace

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTW lf;
        Describe(lf);
        for (HFONT& f : recent_) {
            if (f && SameDescription(f->lf, lf)) {
                handle_ = f;
                f = nullptr;
                if (!recent_[0]) std::swap(recent_[0], recent_[1]);
                return handle_;
            }
        }
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

void TFont::Describe(LOGFONTW& lf) const {
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
}

void TFont::SetHandle(HFONT Value) {
    if (Value == handle_) return;
    FreeHandle();
    // A recent object given back is owned once.
    for (HFONT& f : recent_)
        if (f == Value) f = nullptr;
    if (!recent_[0]) std::swap(recent_[0], recent_[1]);
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
