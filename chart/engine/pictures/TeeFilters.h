// The bitmap filter framework: a filter with an optional region, the owned list of
// filters a picture carries, the 3 x 3 convolution with the blur built on it, the
// interface through which a filter describes its settings to a generic editor, and a
// small persistent 3-D point. Filters work on 24-bit bitmaps through a row table.
#pragma once

#include "chart/engine/pictures/SmoothStretch.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Event.h"

#include <array>

class TBitmap;
class TScrollBar;

// What a filter asks of the editor that shows its settings; PropName names one of the
// filter's published properties.
class IFormCreator {
public:
    virtual ~IFormCreator() = default;
    virtual void AddCheckBox(const String& PropName, const String& ACaption, TNotifyEvent OnChange) = 0;
    virtual void AddColor(const String& PropName, const String& ACaption) = 0;
    virtual void AddCombo(const String& PropName) = 0;
    virtual void AddInteger(const String& PropName, const String& ACaption, int AMin, int AMax) = 0;
    virtual TScrollBar* AddScroll(const String& PropName, int AMin, int AMax) = 0;
};

// The part of a bitmap a filter works on: Left, Top, Width, Height (0 = to the edge).
class TFilterRegion : public TPersistent {
    ORVO_CLASS(TFilterRegion, TPersistent)
public:
    TFilterRegion() = default;
    void Assign(TPersistent* Source) override;
    int Left() const { return FLeft; }
    void SetLeft(int Value) { FLeft = Value; }
    int Top() const { return FTop; }
    void SetTop(int Value) { FTop = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    TRect Rectangle() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    void SetRectangle(const TRect& R);

private:
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
};

class TTeeFilter : public TCollectionItem {
    ORVO_CLASS(TTeeFilter, TCollectionItem)
public:
    explicit TTeeFilter(TCollection* Collection);
    ~TTeeFilter() override;
    void Assign(TPersistent* Source) override;

    // Applies the filter to the part of Bitmap its region covers (all of it without a
    // region), held inside the bitmap.
    void Apply(TBitmap* Bitmap);
    // The filter itself over R (inclusive on all four sides). The base fills Lines
    // unless ReuseLines is set; every filter calls it first and does nothing when
    // Lines stays empty.
    virtual void Apply(TBitmap* Bitmap, const TRect& R);
    // Stores OnChange; descendants then add their controls.
    virtual void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange);
    // The name shown in lists.
    virtual String Description();

    // Creates a filter of FilterClass without a list, applies it to the whole bitmap
    // (its region rules apply) and frees it.
    static void ApplyTo(TClass FilterClass, TBitmap* Bitmap);
    // The rectangle Apply(Bitmap) gives the filter, before it is held to the bitmap.
    TRect RegionRectangle(int Width, int Height);

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    // Made on first read; null frees it, a value is copied in.
    TFilterRegion* Region();
    void SetRegion(TFilterRegion* Value);
    bool HasRegion() const { return FRegion != nullptr; }

    bool AllowRegion = true;
    TNotifyEvent FChanged;
    bool ReuseLines = false;
    TRGBArray Lines;

private:
    bool FEnabled = true;
    TFilterRegion* FRegion = nullptr;
};
using TFilterClass = TClass;

// The filters of a picture, applied in list order.
class TFilterItems : public TOwnedCollection {
    ORVO_CLASS(TFilterItems, TOwnedCollection)
public:
    explicit TFilterItems(TPersistent* AOwner);
    TTeeFilter* Item(int Index) const;
    void SetItem(int Index, TTeeFilter* Value) { SetItems(Index, Value); }
    // A new filter of that class at the end of the list.
    TTeeFilter* Add(TFilterClass FilterClass);
    // Every enabled filter, in list order.
    void ApplyTo(TBitmap* Bitmap);
    // From another filter list: a filter of the same class for each, with its settings.
    void Assign(TPersistent* Source) override;
};

// A 3 x 3 convolution; Weights run row by row from the top-left neighbour.
class TConvolveFilter : public TTeeFilter {
    ORVO_CLASS(TConvolveFilter, TTeeFilter)
public:
    explicit TConvolveFilter(TCollection* Collection) : TTeeFilter(Collection) {}
    using TTeeFilter::Apply;
    // Every pixel inside R's outermost rows and columns becomes the weighted sum of its
    // neighbourhood divided by the sum of the weights (a zero sum divides by 1).
    void Apply(TBitmap* Bitmap, const TRect& R) override;

    float InvTotalWeight = 1.0f / 9;
    std::array<float, 9> Weights{};

protected:
    void SetWeights(std::array<float, 9> W) { Weights = W; }
};

class TBlurFilter : public TConvolveFilter {
    ORVO_CLASS(TBlurFilter, TConvolveFilter)
public:
    explicit TBlurFilter(TCollection* Collection) : TConvolveFilter(Collection) {}
    using TTeeFilter::Apply;
    void Apply(TBitmap* Bitmap, const TRect& R) override;
    void CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) override;
    String Description() override;
    void Assign(TPersistent* Source) override;

    int Amount() const { return FAmount; }
    void SetAmount(int Value) { FAmount = Value; }
    int Steps() const { return FSteps; }
    void SetSteps(int Value) { FSteps = Value; }

private:
    int FAmount = 1;
    int FSteps = 1;
};

// A persistent 3-D point of doubles; a changed coordinate calls OnChange.
class TFloatXYZ : public TPersistent {
    ORVO_CLASS(TFloatXYZ, TPersistent)
public:
    TFloatXYZ() = default;
    void Assign(TPersistent* Source) override;
    double X() const { return FX; }
    void SetX(double Value);
    double Y() const { return FY; }
    void SetY(double Value);
    double Z() const { return FZ; }
    void SetZ(double Value);
    TPoint3DFloat Point() const { return {FX, FY, FZ}; }

    TNotifyEvent OnChange;

private:
    void Set(double& Field, double Value);
    double FX = 0, FY = 0, FZ = 0;
};

// Rows and columns of a filter's rectangle held inside a bitmap of Width x Height;
// Left > Right (or Top > Bottom) when nothing of it lies inside.
TRect TeeClampFilterRect(const TRect& R, int Width, int Height);
inline bool TeeFilterRectEmpty(const TRect& R) {
    return R.Left > R.Right || R.Top > R.Bottom;
}
