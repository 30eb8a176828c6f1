// The bitmap filters pictures and image controls apply, their registration in the list
// of filter classes, the conversion between RGB and hue-luminance-saturation (0..240),
// gray-scaling a bitmap and rotating a gradient's bitmap (the canvas's hook).
#pragma once

#include "chart/engine/pictures/TeeFilters.h"

#include <span>

struct TTypeInfo;

// ---- registration -------------------------------------------------------------------------------

using TFilterClasses = std::vector<TFilterClass>;
// The registered filter classes in registration order; null before the first one.
extern TFilterClasses* FilterClasses;
// Adds each class not yet in the list and registers it for streaming by class name.
void TeeRegisterFilters(std::span<const TFilterClass> Classes);
void TeeUnRegisterFilters(std::span<const TFilterClass> Classes);
// Registers the standard filters and installs the gradient-rotation hook, once; the
// unit does this when the program starts.
void TeeRegisterStandardFilters();

// ---- colour spaces ------------------------------------------------------------------------------

// Hue, luminance and saturation on the scale 0..240; components outside it are held to it.
void RGBToHLS(TColor RGB, Word& H, Word& L, Word& S);
TColor HLSToRGB(int H, int L, int S);
void HLSToRGB(int H, int L, int S, TColor& RGB);
void ColorToHLS(TColor Color, Word& Hue, Word& Luminance, Word& Saturation);
TColor HLSToColor(int Hue, int Luminance, int Saturation);

// ---- filters ------------------------------------------------------------------------------------

class TInvertFilter : public TTeeFilter {
    ORVO_CLASS(TInvertFilter, TTeeFilter)
public:
    explicit TInvertFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    String Description() override;
};

enum TGrayMethod { gmSimple, gmEye, gmEye2 };
const TTypeInfo* TypeInfoOf(TGrayMethod*);

class TGrayScaleFilter : public TTeeFilter {
    ORVO_CLASS(TGrayScaleFilter, TTeeFilter)
public:
    explicit TGrayScaleFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    TGrayMethod Method() const { return FMethod; }
    void SetMethod(TGrayMethod Value) { FMethod = Value; }

private:
    TGrayMethod FMethod = gmSimple;
};

// A filter with one amount, in percent or absolute.
class TAmountFilter : public TTeeFilter {
    ORVO_CLASS(TAmountFilter, TTeeFilter)
public:
    explicit TAmountFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    void Assign(TPersistent* Source) override;
    int Amount() const { return FAmount; }
    void SetAmount(int Value) { FAmount = Value; }
    bool Percent() const { return FPercent; }
    void SetPercent(bool Value);
    // The editor's scroll range for the present settings.
    int ScrollMin() const { return IOnlyPositive ? 0 : FPercent ? -100 : -255; }
    int ScrollMax() const { return FPercent ? 100 : 255; }

protected:
    TScrollBar* FScrollBar = nullptr;
    bool IOnlyPositive = false;
    int FAmount = 5;

private:
    void PercentChanged(TObject* Sender);
    bool FPercent = true;
};

class TMosaicFilter : public TAmountFilter {
    ORVO_CLASS(TMosaicFilter, TAmountFilter)
public:
    explicit TMosaicFilter(TCollection* Collection);
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    String Description() override;
};

class TFlipFilter : public TTeeFilter {
    ORVO_CLASS(TFlipFilter, TTeeFilter)
public:
    explicit TFlipFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    String Description() override;
};

class TReverseFilter : public TTeeFilter {
    ORVO_CLASS(TReverseFilter, TTeeFilter)
public:
    explicit TReverseFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    String Description() override;
};

class TBrightnessFilter : public TAmountFilter {
    ORVO_CLASS(TBrightnessFilter, TAmountFilter)
public:
    explicit TBrightnessFilter(TCollection* Collection) : TAmountFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    String Description() override;
};

class TContrastFilter : public TAmountFilter {
    ORVO_CLASS(TContrastFilter, TAmountFilter)
public:
    explicit TContrastFilter(TCollection* Collection) : TAmountFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    String Description() override;
};

class TColorFilter : public TTeeFilter {
    ORVO_CLASS(TColorFilter, TTeeFilter)
public:
    explicit TColorFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    int Red() const { return FRed; }
    void SetRed(int Value) { FRed = Value; }
    int Green() const { return FGreen; }
    void SetGreen(int Value) { FGreen = Value; }
    int Blue() const { return FBlue; }
    void SetBlue(int Value) { FBlue = Value; }

private:
    int FRed = 0, FGreen = 0, FBlue = 0;
};

class THueLumSatFilter : public TTeeFilter {
    ORVO_CLASS(THueLumSatFilter, TTeeFilter)
public:
    explicit THueLumSatFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    int Hue() const { return FHue; }
    void SetHue(int Value) { FHue = Value; }
    int Luminance() const { return FLuminance; }
    void SetLuminance(int Value) { FLuminance = Value; }
    int Saturation() const { return FSaturation; }
    void SetSaturation(int Value) { FSaturation = Value; }

private:
    int FHue = 0, FLuminance = 0, FSaturation = 0;
};

class TSharpenFilter : public TConvolveFilter {
    ORVO_CLASS(TSharpenFilter, TConvolveFilter)
public:
    explicit TSharpenFilter(TCollection* Collection);
    String Description() override;
};

class TGammaCorrectionFilter : public TAmountFilter {
    ORVO_CLASS(TGammaCorrectionFilter, TAmountFilter)
public:
    explicit TGammaCorrectionFilter(TCollection* Collection);
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    String Description() override;
};

class TEmbossFilter : public TConvolveFilter {
    ORVO_CLASS(TEmbossFilter, TConvolveFilter)
public:
    explicit TEmbossFilter(TCollection* Collection);
    String Description() override;
};

class TSoftenFilter : public TConvolveFilter {
    ORVO_CLASS(TSoftenFilter, TConvolveFilter)
public:
    explicit TSoftenFilter(TCollection* Collection);
    String Description() override;
};

class TResizeFilter : public TTeeFilter {
    ORVO_CLASS(TResizeFilter, TTeeFilter)
public:
    explicit TResizeFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }

protected:
    int FWidth = 0, FHeight = 0;
};

class TCropFilter : public TResizeFilter {
    ORVO_CLASS(TCropFilter, TResizeFilter)
public:
    explicit TCropFilter(TCollection* Collection) : TResizeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    int Left() const { return FLeft; }
    void SetLeft(int Value) { FLeft = Value; }
    int Top() const { return FTop; }
    void SetTop(int Value) { FTop = Value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value) { FSmooth = Value; }

private:
    int FLeft = 0, FTop = 0;
    bool FSmooth = false;
};

class TRotateFilter : public TTeeFilter {
    ORVO_CLASS(TRotateFilter, TTeeFilter)
public:
    explicit TRotateFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    double Angle() const { return FAngle; }
    void SetAngle(double Value) { FAngle = Value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { FAutoSize = Value; }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor Value) { FBackColor = Value; }

private:
    double FAngle = 0;
    bool FAutoSize = true;
    TColor FBackColor = clWhite;
};

enum TMirrorDirection { mdDown, mdUp, mdRight, mdLeft };
const TTypeInfo* TypeInfoOf(TMirrorDirection*);

class TMirrorFilter : public TTeeFilter {
    ORVO_CLASS(TMirrorFilter, TTeeFilter)
public:
    explicit TMirrorFilter(TCollection* Collection);
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    TMirrorDirection Direction() const { return FDirection; }
    void SetDirection(TMirrorDirection Value) { FDirection = Value; }

private:
    TMirrorDirection FDirection = mdDown;
};

class TTileFilter : public TTeeFilter {
    ORVO_CLASS(TTileFilter, TTeeFilter)
public:
    explicit TTileFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    int NumCols() const { return FNumCols; }
    void SetNumCols(int Value) { FNumCols = Value; }
    int NumRows() const { return FNumRows; }
    void SetNumRows(int Value) { FNumRows = Value; }

private:
    int FNumCols = 3, FNumRows = 3;
};

class TBevelFilter : public TTeeFilter {
    ORVO_CLASS(TBevelFilter, TTeeFilter)
public:
    explicit TBevelFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    int Bright() const { return FBright; }
    void SetBright(int Value) { FBright = Value; }
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }

private:
    int FBright = 64, FSize = 15;
};

class TZoomFilter : public TTeeFilter {
    ORVO_CLASS(TZoomFilter, TTeeFilter)
public:
    explicit TZoomFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;
    double Percent() const { return FPercent; }
    void SetPercent(double Value) { FPercent = Value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value) { FSmooth = Value; }

private:
    double FPercent = 10;
    bool FSmooth = false;
};

// ---- services -----------------------------------------------------------------------------------

// Gray-scales the whole bitmap (gmSimple for Mode 0, else gmEye), then inverts it when
// Inverted.
void TeeGrayScale(TBitmap* Bitmap, bool Inverted, int Mode);
