// Sample values, series copying and data-source links: where generated points start and
// step (inside the chart's other points when there are any), a function moving with
// Assign, and a source component told when its series dies.
#include "chart/engine/series/TeeFunction.h"
#include "platform/rtl/DateTime.h"
#include "tests/chart/engine/series/SeriesTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(SampleValues, BoundsWithoutOtherPoints) {
    TChartSeries s(nullptr);
    const TSeriesRandomBounds b = s.RandomBounds(11);
    EXPECT_EQ(b.tmpX, 0);
    EXPECT_EQ(b.StepX, 1);
    EXPECT_EQ(b.MinY, 0);
    EXPECT_EQ(b.DifY, 1000);
    EXPECT_GE(b.tmpY, 0);
    EXPECT_LT(b.tmpY, 1000);

    // One point: no step division.
    EXPECT_EQ(s.RandomBounds(1).StepX, 0);

    s.XValues()->SetDateTime(true);
    const TSeriesRandomBounds d = s.RandomBounds(3);
    EXPECT_EQ(d.tmpX, Date());
    EXPECT_EQ(d.StepX, 1);
}

TEST(SampleValues, BoundsInsideTheChartsOtherPoints) {
    TSeriesTestChart chart;
    TChartSeries other(nullptr), s(nullptr);
    chart.AddSeries(&other);
    chart.AddSeries(&s);
    other.AddXY(0, 100);
    other.AddXY(10, 200);
    TSeriesRandomBounds b = s.RandomBounds(5);
    EXPECT_EQ(b.tmpX, 0);
    EXPECT_EQ(b.StepX, 2.5);
    EXPECT_EQ(b.MinY, 100);
    EXPECT_EQ(b.DifY, 100);
    EXPECT_GE(b.tmpY, 100);
    EXPECT_LT(b.tmpY, 200);

    // Equal ends: the maximum doubles the minimum, or a zero range becomes the defaults.
    other.Clear();
    other.AddXY(4, 50);
    b = s.RandomBounds(5);
    EXPECT_EQ(b.DifY, 50);
    EXPECT_EQ(b.StepX, 1);
    other.Clear();
    other.AddXY(0, 0);
    b = s.RandomBounds(5);
    EXPECT_EQ(b.DifY, 1000);
    EXPECT_EQ(b.StepX, 1);

    s.FillSampleValues(5);
    EXPECT_EQ(s.Count(), 5);
    chart.RemoveSeries(&other);
    chart.RemoveSeries(&s);
}

TEST(SampleValues, RandomPointsAtRunTimeOnlyWhenAllowed) {
    TChartSeries s(nullptr);
    EXPECT_FALSE(s.CanAddRandomPoints());
    TeeRandomAtRunTime = true;
    EXPECT_TRUE(s.CanAddRandomPoints());
    TeeRandomAtRunTime = false;
}

TEST(SampleValues, AssignMovesTheFunctionToASeriesWithout) {
    TChartSeries source(nullptr), copy(nullptr);
    auto* f = new TTeeMovingFunction();
    source.SetFunction(f);
    copy.Assign(&source);
    EXPECT_EQ(copy.FunctionType(), f);
    EXPECT_EQ(source.FunctionType(), nullptr);
    EXPECT_EQ(f->ParentSeries(), &copy);
}

// A data-source component that forgets its series when told it is gone.
class TWatchingSource : public TComponent {
public:
    using TComponent::TComponent;
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == Series) Series = nullptr;
    }
    TComponent* Series = nullptr;
};

TEST(DataSources, ASourceComponentHearsThatItsSeriesDied) {
    TComponent formA(nullptr), formB(nullptr);
    auto* source = new TWatchingSource(&formA);
    auto* s = new TChartSeries(&formB);
    s->InternalAddDataSource(source);
    source->Series = s;
    delete s;
    EXPECT_EQ(source->Series, nullptr);
}

} // namespace
