#include "chart/engine/pictures/ImageFiltered.h"

#include "chart/engine/pictures/TeePicture.h"
#include "platform/classes/Component.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Bitmap.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TImageFiltered, TImage)

TImageFiltered::TImageFiltered(TComponent* AOwner) : TImage(AOwner), FFilters(new TFilterItems(this)) {}

TImageFiltered::~TImageFiltered() {
    delete FFilters;
}

void TImageFiltered::SetFilters(TFilterItems* Value) {
    if (Value != FFilters) FFilters->Assign(Value);
}

TBitmap* TImageFiltered::Filtered() {
    TGraphic* g = Picture()->Graphic();
    if (!g || g->Empty()) return nullptr;
    auto result = std::make_unique<TBitmap>();
    result->Assign(g);
    const TRect d = DestRect();
    const int w = d.Right - d.Left, h = d.Bottom - d.Top;
    if (w > 0 && h > 0 && (w != result->Width() || h != result->Height())) {
        TBitmap sized;
        sized.SetPixelFormat(pf24bit);
        sized.SetSize(w, h);
        if (w > 1 && h > 1 && result->Width() > 1 && result->Height() > 1)
            SmoothStretch(result.get(), &sized);
        else
            sized.Canvas()->StretchDraw(TRect{0, 0, w, h}, result.get());
        result->Assign(&sized);
    }
    FFilters->ApplyTo(result.get());
    return result.release();
}

void TImageFiltered::Paint() {
    TCanvas* c = TGraphicControl::Canvas();
    if (std::unique_ptr<TBitmap> b{Filtered()}) c->Draw(0, 0, b.get());
    if (ComponentState().Contains(csDesigning)) {
        c->Pen()->SetStyle(psDash);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(0, 0, Width(), Height());
    }
    if (OnPaint) OnPaint(this);
}

void TImageFiltered::DefineProperties(TFiler* Filer) {
    TImage::DefineProperties(Filer);
    Filer->DefineProperty(QStringLiteral("FilterItems"), Method(this, &TImageFiltered::ReadFilterItems),
                          Method(this, &TImageFiltered::WriteFilterItems), FFilters->Count() > 0);
}

void TImageFiltered::ReadFilterItems(TReader* Reader) {
    TTeePicture::ReadFilters(Reader, FFilters);
}

void TImageFiltered::WriteFilterItems(TWriter* Writer) {
    TTeePicture::WriteFilters(Writer, FFilters);
}

ORVO_PUBLISHED(TImageFiltered) {
    P.Property("Filters", &TImageFiltered::Filters, &TImageFiltered::SetFilters).Stored(false);
}
