// Series types the gallery tests register on pages of their own: plain line series that take
// (or refuse) the data of other series and list a given number of sub-styles.
#pragma once

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/series/LineSeries.h"

#include <QStringList>

// A line series with SubStyles sub-styles, each remembered by SetSubGallery.
class TTestGallerySeries : public TLineSeries {
    ORVO_CLASS(TTestGallerySeries, TLineSeries)
public:
    explicit TTestGallerySeries(TComponent* AOwner) : TLineSeries(AOwner) {}
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override {
        for (int i = 0; i < SubStyles; ++i)
            AddSubChart(i == 0 ? QStringLiteral("Normal") : QStringLiteral("Style %1").arg(i));
    }
    void SetSubGallery(TChartSeries* ASeries, int Index) override {
        if (auto* s = dynamic_cast<TTestGallerySeries*>(ASeries)) s->SubStyle = Index;
    }
    int SubStyle = 0;
    static inline int SubStyles = 16;
};

// A type that takes the data of no series: greyed when retyping.
class TTestRefusingSeries : public TTestGallerySeries {
    ORVO_CLASS(TTestRefusingSeries, TTestGallerySeries)
public:
    explicit TTestRefusingSeries(TComponent* AOwner) : TTestGallerySeries(AOwner) {}
    bool IsValidSourceOf(TChartSeries*) override { return false; }
};

namespace gallerytest {

// Registers Count entries on Page (refusing ones at the given positions) and takes them away
// again at the end of the scope. Entries are told apart by sub-indexes 1, 2, ...; with Main
// the first is the type's main entry (sub-index 0).
class TTestPage {
public:
    TTestPage(const QString& Page, int Count, QList<int> Refusing = {}, bool Main = false);
    ~TTestPage();
    const String& Name() const { return page_; }

private:
    String page_;
    std::vector<String> texts_;
};

} // namespace gallerytest
