// TFont: a font by its Windows name, size or pixel height, style, colour and escapement.
// The name is kept as given ("Tahoma"); drawing uses the installed family it maps to.
#pragma once

#include "platform/classes/TypInfo.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/graphics/GraphicsObject.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = Byte;
ORVO_DECLARE_ENUM_TYPE(TFontStyle)
ORVO_DECLARE_SET_TYPE(TFontStyles)
ORVO_DECLARE_ENUM_TYPE(TFontPitch)
// TFontCharset as streams name it: "DEFAULT_CHARSET", "ANSI_CHARSET" ... or a number.
PTypeInfo TypeInfoTFontCharset();
bool CharsetToIdent(int Charset, String& Ident);
bool IdentToCharset(const String& Ident, int& Charset);

class TFont : public TGraphicsObject {
    ORVO_CLASS(TFont, TGraphicsObject)
public:
    TFont();
    ~TFont() override;
    void Assign(TPersistent* Source) override;

    String Name() const { return name_; }
    void SetName(const String& Value);
    // Points at PixelsPerInch: Height = -round(Size * PixelsPerInch / 72).
    int Size() const;
    void SetSize(int Value);
    // Negative: the character (em) height in pixels; positive: the cell height.
    int Height() const { return height_; }
    void SetHeight(int Value);
    int PixelsPerInch() const { return ppi_; }
    void SetPixelsPerInch(int Value) { ppi_ = Value > 0 ? Value : 96; }
    TColor Color() const { return color_; }
    void SetColor(TColor Value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles Value);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset Value);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch Value);
    // Escapement of the text in tenths of a degree, counter-clockwise.
    int Orientation() const { return orientation_; }
    void SetOrientation(int Value);
    Byte Quality() const { return quality_; }
    void SetQuality(Byte Value);

    // The font object (made on first use). Assigning a handle takes it over: the font's
    // properties are read from it and it is deleted with the font.
    HFONT Handle();
    void SetHandle(HFONT Value);

private:
    void Change();
    void FreeHandle();
    // The font object's description from the properties.
    void Describe(LOGFONTW& lf) const;
    String name_ = QStringLiteral("Tahoma");
    int height_ = -11;
    int ppi_ = 96;
    TColor color_ = clWindowText;
    TFontStyles style_;
    TFontCharset charset_ = DEFAULT_CHARSET;
    TFontPitch pitch_ = fpDefault;
    int orientation_ = 0;
    Byte quality_ = DEFAULT_QUALITY;
    HFONT handle_ = nullptr;
    // Font objects of the descriptions used just before, the latest first. Text drawn in turn
    // with two descriptions (a label turned or smoothed, then the font as it was) finds its
    // object again instead of making one, with its measurements, for every label.
    HFONT recent_[2] = {};
};
