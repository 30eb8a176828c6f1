#include "chart/engine/canvas/TeeFont.h"

#include "platform/classes/TypInfo.h"
#include "platform/graphics/Graphic.h"

ORVO_IMPLEMENT_CLASS(TTeeFont, TFont)

TTeeFont::TTeeFont(TNotifyEvent ChangedEvent) {
    SetColor(clBlack);
    SetCharset(DEFAULT_CHARSET);
    SetName(GetDefaultFontName);
    SetSize(GetDefaultFontSize);
    OnChange = ChangedEvent;
}

TTeeFont::~TTeeFont() {
    delete FPicture;
    delete FOutLine;
    delete FShadow;
    delete FGradient;
}

namespace {
// Copies an optional effect object: a copy of the source's, or none.
template <class T, class Make> void copyEffect(T*& mine, T* theirs, Make make) {
    if (theirs) {
        if (!mine) mine = make();
        mine->Assign(theirs);
    } else {
        delete mine;
        mine = nullptr;
    }
}
} // namespace

void TTeeFont::Assign(TPersistent* Source) {
    if (auto* f = dynamic_cast<TTeeFont*>(Source)) {
        copyEffect(FGradient, f->FGradient,
                   [this] { return new TTeeFontGradient(Method(this, &TTeeFont::GradientChanged)); });
        FInterCharSize = f->FInterCharSize;
        copyEffect(FOutLine, f->FOutLine, [this] { return new TChartHiddenPen(OnChange); });
        copyEffect(FShadow, f->FShadow, [this] { return new TTeeShadow(OnChange); });
        copyEffect(FPicture, f->FPicture, [] { return new TPicture; });
    }
    TFont::Assign(Source);
}

void TTeeFont::SetInterCharSize(int Value) {
    if (FInterCharSize == Value) return;
    FInterCharSize = Value;
    if (OnChange) OnChange(this);
}

void TTeeFont::GradientChanged(TObject*) {
    Changed();
}

TTeeFontGradient* TTeeFont::Gradient() {
    if (!FGradient) FGradient = new TTeeFontGradient(Method(this, &TTeeFont::GradientChanged));
    return FGradient;
}
void TTeeFont::SetGradient(TTeeFontGradient* Value) {
    copyEffect(FGradient, Value,
               [this] { return new TTeeFontGradient(Method(this, &TTeeFont::GradientChanged)); });
}

TChartHiddenPen* TTeeFont::OutLine() {
    if (!FOutLine) FOutLine = new TChartHiddenPen(OnChange);
    return FOutLine;
}
void TTeeFont::SetOutLine(TChartHiddenPen* Value) {
    copyEffect(FOutLine, Value, [this] { return new TChartHiddenPen(OnChange); });
}

TPicture* TTeeFont::Picture() {
    if (!FPicture) FPicture = new TPicture;
    return FPicture;
}
void TTeeFont::SetPicture(TPicture* Value) {
    copyEffect(FPicture, Value, [] { return new TPicture; });
}

TTeeShadow* TTeeFont::Shadow() {
    if (!FShadow) FShadow = new TTeeShadow(OnChange);
    return FShadow;
}
void TTeeFont::SetShadow(TTeeShadow* Value) {
    copyEffect(FShadow, Value, [this] { return new TTeeShadow(OnChange); });
}

ORVO_PUBLISHED(TTeeFont) {
    using F = TTeeFont;
    P.Property("Charset", &F::Charset, &F::SetCharset).Type(TypeInfoTFontCharset()).Default(DEFAULT_CHARSET);
    P.Property("Color", &F::Color, &F::SetColor).Type(TypeInfoTColor()).Stored(&F::IsColorStored);
    P.Property("Height", &F::Height, &F::SetHeight).Stored(&F::IsHeightStored);
    P.Property("Name", &F::Name, &F::SetName).Stored(&F::IsNameStored);
    P.Property("Style", &F::Style, &F::SetStyle).Stored(&F::IsStyleStored);
    P.Property("Gradient", &F::Gradient, &F::SetGradient).Present(&F::HasGradient);
    P.Property("InterCharSize", &F::InterCharSize, &F::SetInterCharSize).Default(0);
    P.Property("OutLine", &F::OutLine, &F::SetOutLine).Present(&F::HasOutLine);
    P.Property("Picture", &F::Picture, &F::SetPicture).Present(&F::HasPicture);
    P.Property("Shadow", &F::Shadow, &F::SetShadow).Present(&F::HasShadow);
}
