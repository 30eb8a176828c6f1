#include "GalleryTestSupport.h"

ORVO_IMPLEMENT_CLASS(TTestGallerySeries, TLineSeries)
ORVO_IMPLEMENT_CLASS(TTestRefusingSeries, TTestGallerySeries)
ORVO_PUBLISHED(TTestGallerySeries) {}
ORVO_PUBLISHED(TTestRefusingSeries) {}

namespace gallerytest {

TTestPage::TTestPage(const QString& Page, int Count, QList<int> Refusing, bool Main) : page_(Page) {
    texts_.reserve(size_t(Count));
    for (int i = 0; i < Count; ++i)
        texts_.push_back(QStringLiteral("Type %1").arg(i + 1));
    for (int i = 0; i < Count; ++i) {
        TClass cls =
            Refusing.contains(i) ? TTestRefusingSeries::StaticClass() : TTestGallerySeries::StaticClass();
        RegisterTeeSeriesFunction(cls, nullptr, &texts_[size_t(i)], &page_, 1, Main && i == 0 ? 0 : i + 1);
    }
}

TTestPage::~TTestPage() {
    TTeeSeriesTypes* types = TeeSeriesTypes();
    for (int i = types->Count() - 1; i >= 0; --i)
        if (types->Get(i)->GalleryPage == &page_) types->Delete(i);
}

} // namespace gallerytest
