#include "chart/engine/pictures/TeeFilters.h"

#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TFilterRegion, TPersistent)
ORVO_IMPLEMENT_CLASS(TTeeFilter, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TFilterItems, TOwnedCollection)
ORVO_IMPLEMENT_CLASS(TConvolveFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TBlurFilter, TConvolveFilter)
ORVO_IMPLEMENT_CLASS(TFloatXYZ, TPersistent)

TRect TeeClampFilterRect(const TRect& R, int Width, int Height) {
    return {std::max(R.Left, 0), std::max(R.Top, 0), std::min(R.Right, Width - 1),
            std::min(R.Bottom, Height - 1)};
}

// ---- region ---------------------------------------------------------------------------------

void TFilterRegion::Assign(TPersistent* Source) {
    if (auto* r = dynamic_cast<TFilterRegion*>(Source)) {
        FLeft = r->FLeft;
        FTop = r->FTop;
        FWidth = r->FWidth;
        FHeight = r->FHeight;
        return;
    }
    TPersistent::Assign(Source);
}

void TFilterRegion::SetRectangle(const TRect& R) {
    FLeft = R.Left;
    FTop = R.Top;
    FWidth = R.Right - R.Left;
    FHeight = R.Bottom - R.Top;
}

// ---- filter -----------------------------------------------------------------------------------

TTeeFilter::TTeeFilter(TCollection* Collection) : TCollectionItem(Collection) {}

TTeeFilter::~TTeeFilter() {
    delete FRegion;
}

void TTeeFilter::Assign(TPersistent* Source) {
    if (auto* f = dynamic_cast<TTeeFilter*>(Source)) {
        FEnabled = f->FEnabled;
        SetRegion(f->FRegion);
        return;
    }
    TCollectionItem::Assign(Source);
}

TFilterRegion* TTeeFilter::Region() {
    if (!FRegion) FRegion = new TFilterRegion();
    return FRegion;
}

void TTeeFilter::SetRegion(TFilterRegion* Value) {
    if (!Value) {
        delete FRegion;
        FRegion = nullptr;
    } else {
        Region()->Assign(Value);
    }
}

TRect TTeeFilter::RegionRectangle(int Width, int Height) {
    if (!FRegion) return {0, 0, Width - 1, Height - 1};
    const TFilterRegion& r = *FRegion;
    TRect R{r.Left(), r.Top(), 0, 0};
    R.Right = r.Width() != 0 ? std::min(Width - 1, R.Left + r.Width()) : std::max(R.Left, Width - 1);
    R.Bottom = r.Height() != 0 ? std::min(Height - 1, R.Top + r.Height()) : std::max(R.Top, Height - 1);
    return R;
}

void TTeeFilter::Apply(TBitmap* Bitmap) {
    if (!Bitmap) return;
    // A region reaching beyond the bitmap (or lying outside it) is held to the bitmap,
    // so that no filter writes past its rows.
    Apply(Bitmap, TeeClampFilterRect(RegionRectangle(Bitmap->Width(), Bitmap->Height()), Bitmap->Width(),
                                     Bitmap->Height()));
}

void TTeeFilter::Apply(TBitmap* Bitmap, const TRect&) {
    if (!ReuseLines) TeeCalcLines(Lines, Bitmap);
}

void TTeeFilter::CreateEditor(IFormCreator*, TNotifyEvent OnChange) {
    FChanged = OnChange;
}

String TTeeFilter::Description() {
    return ClassName();
}

void TTeeFilter::ApplyTo(TClass FilterClass, TBitmap* Bitmap) {
    if (!FilterClass || !FilterClass->CreateItem) return;
    TObject* o = FilterClass->CreateItem(nullptr);
    if (auto* f = dynamic_cast<TTeeFilter*>(o)) f->Apply(Bitmap);
    FreeObject(o);
}

// ---- list -------------------------------------------------------------------------------------

TFilterItems::TFilterItems(TPersistent* AOwner) : TOwnedCollection(AOwner, TTeeFilter::StaticClass()) {}

TTeeFilter* TFilterItems::Item(int Index) const {
    return static_cast<TTeeFilter*>(Items(Index));
}

TTeeFilter* TFilterItems::Add(TFilterClass FilterClass) {
    if (!FilterClass || !FilterClass->InheritsFrom(TTeeFilter::StaticClass()) || !FilterClass->CreateItem)
        throw EInvalidCast::CreateRes(&SInvalidCast);
    return static_cast<TTeeFilter*>(FilterClass->CreateItem(this));
}

void TFilterItems::ApplyTo(TBitmap* Bitmap) {
    for (int i = 0; i < Count(); ++i)
        if (TTeeFilter* f = Item(i); f->Enabled()) f->Apply(Bitmap);
}

void TFilterItems::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TFilterItems*>(Source);
    if (!source) {
        TOwnedCollection::Assign(Source);
        return;
    }
    if (source == this) return;
    Clear();
    BeginUpdate();
    try {
        for (int i = 0; i < source->Count(); ++i)
            Add(source->Item(i)->ClassType())->Assign(source->Item(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- convolution ------------------------------------------------------------------------------

void TConvolveFilter::Apply(TBitmap* Bitmap, const TRect& Rect) {
    TTeeFilter::Apply(Bitmap, Rect);
    if (Lines.empty()) return;
    float sum = 0;
    for (float w : Weights)
        sum += w;
    // A kernel whose weights cancel out (a blur of Amount -8) is applied unscaled.
    InvTotalWeight = sum == 0 ? 1.0f : 1 / sum;
    const TRect R = TeeClampFilterRect(Rect, Bitmap->Width(), int(Lines.size()));
    const int w = R.Right - R.Left - 1, h = R.Bottom - R.Top - 1;
    if (w < 1 || h < 1) return;
    std::vector<TRGB> out(std::size_t(w) * std::size_t(h));
    auto channel = [](const TRGB& p, int c) { return c == 0 ? p.Blue : c == 1 ? p.Green : p.Red; };
    for (int y = R.Top + 1; y < R.Bottom; ++y) {
        const TRGB* rows[3] = {Lines[std::size_t(y - 1)], Lines[std::size_t(y)], Lines[std::size_t(y + 1)]};
        for (int x = R.Left + 1; x < R.Right; ++x) {
            Byte v[3];
            for (int c = 0; c < 3; ++c) {
                double s = 0;
                for (int k = 0; k < 9; ++k)
                    s += double(Weights[std::size_t(k)]) * channel(rows[k / 3][x - 1 + k % 3], c);
                v[c] = Byte(std::clamp(RoundPx(s * double(InvTotalWeight)), 0, 255));
            }
            out[std::size_t(y - R.Top - 1) * std::size_t(w) + std::size_t(x - R.Left - 1)] = {v[0], v[1],
                                                                                              v[2]};
        }
    }
    for (int y = 0; y < h; ++y)
        std::copy_n(out.begin() + std::ptrdiff_t(y) * w, w, Lines[std::size_t(R.Top + 1 + y)] + R.Left + 1);
}

void TBlurFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    Weights.fill(1);
    Weights[4] = float(FAmount);
    TeeCalcLines(Lines, Bitmap);
    ReuseLines = true;
    try {
        for (int i = 0; i < FSteps; ++i)
            TConvolveFilter::Apply(Bitmap, R);
    } catch (...) {
        ReuseLines = false;
        throw;
    }
    ReuseLines = false;
}

void TBlurFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TConvolveFilter::CreateEditor(Creator, OnChange);
    Creator->AddScroll(QStringLiteral("Steps"), 1, 20);
    Creator->AddScroll(QStringLiteral("Amount"), 0, 50);
}

String TBlurFilter::Description() {
    return TeeMsg_Blur;
}

void TBlurFilter::Assign(TPersistent* Source) {
    if (auto* b = dynamic_cast<TBlurFilter*>(Source)) {
        FAmount = b->FAmount;
        FSteps = b->FSteps;
    }
    TConvolveFilter::Assign(Source);
}

// ---- point ------------------------------------------------------------------------------------

void TFloatXYZ::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TFloatXYZ*>(Source)) {
        FX = p->FX;
        FY = p->FY;
        FZ = p->FZ;
        return;
    }
    TPersistent::Assign(Source);
}

void TFloatXYZ::Set(double& Field, double Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}
void TFloatXYZ::SetX(double Value) {
    Set(FX, Value);
}
void TFloatXYZ::SetY(double Value) {
    Set(FY, Value);
}
void TFloatXYZ::SetZ(double Value) {
    Set(FZ, Value);
}

// ---- published ----------------------------------------------------------------------------------

ORVO_PUBLISHED(TFilterRegion) {
    using R = TFilterRegion;
    P.Property("Height", &R::Height, &R::SetHeight).Default(0);
    P.Property("Left", &R::Left, &R::SetLeft).Default(0);
    P.Property("Top", &R::Top, &R::SetTop).Default(0);
    P.Property("Width", &R::Width, &R::SetWidth).Default(0);
}

ORVO_PUBLISHED(TTeeFilter) {
    using F = TTeeFilter;
    P.Property("Enabled", &F::Enabled, &F::SetEnabled).Default(true);
    P.Property("Region", &F::Region, &F::SetRegion).Stored(&F::HasRegion);
}

ORVO_PUBLISHED(TBlurFilter) {
    using F = TBlurFilter;
    P.Property("Amount", &F::Amount, &F::SetAmount).Default(1);
    P.Property("Steps", &F::Steps, &F::SetSteps).Default(1);
}

ORVO_PUBLISHED(TFloatXYZ) {
    using F = TFloatXYZ;
    P.Property("X", &F::X, &F::SetX);
    P.Property("Y", &F::Y, &F::SetY);
    P.Property("Z", &F::Z, &F::SetZ);
}
