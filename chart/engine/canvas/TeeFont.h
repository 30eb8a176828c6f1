// TTeeFont: a chart font with extra spacing between characters, an outline pen, a
// gradient or picture fill of the letters and a drop shadow.
#pragma once

#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "platform/graphics/Font.h"

class TTeeCanvas;
class TPicture;

class TTeeFont : public TFont {
    ORVO_CLASS(TTeeFont, TFont)
public:
    TTeeFont() : TTeeFont(TNotifyEvent()) {}
    explicit TTeeFont(TNotifyEvent ChangedEvent);
    ~TTeeFont() override;
    void Assign(TPersistent* Source) override;

    int InterCharSize() const { return FInterCharSize; }
    void SetInterCharSize(int Value);
    // The effect objects are made on first read; the setters copy into them (null frees).
    TTeeFontGradient* Gradient();
    void SetGradient(TTeeFontGradient* Value);
    TChartHiddenPen* OutLine();
    void SetOutLine(TChartHiddenPen* Value);
    TPicture* Picture();
    void SetPicture(TPicture* Value);
    TTeeShadow* Shadow();
    void SetShadow(TTeeShadow* Value);
    bool HasGradient() const { return FGradient != nullptr; }
    bool HasOutLine() const { return FOutLine != nullptr; }
    bool HasPicture() const { return FPicture != nullptr; }
    bool HasShadow() const { return FShadow != nullptr; }

    bool IsColorStored() const { return Color() != IDefColor; }
    bool IsHeightStored() const { return Size() != GetDefaultFontSize; }
    bool IsNameStored() const { return Name() != GetDefaultFontName; }
    bool IsStyleStored() const { return Style() != IDefStyle; }

    // The canvas the font was last assigned to.
    TTeeCanvas* ICanvas = nullptr;
    TColor IDefColor = clBlack;
    TFontStyles IDefStyle;

private:
    void GradientChanged(TObject* Sender);
    TTeeFontGradient* FGradient = nullptr;
    int FInterCharSize = 0;
    TChartHiddenPen* FOutLine = nullptr;
    TPicture* FPicture = nullptr;
    TTeeShadow* FShadow = nullptr;
};
