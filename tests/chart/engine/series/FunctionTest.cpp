#include "SeriesTestSupport.h"
#include "chart/engine/series/TeeFunction.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Sums the Y values of a group.
template <class Base> class TSum : public Base {
public:
    TSum() : Base(nullptr) {}
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override {
        if (FirstIndex == -1) {
            FirstIndex = 0;
            LastIndex = Source->Count() - 1;
        }
        double s = 0;
        for (int i = FirstIndex; i <= LastIndex; ++i)
            s += Source->YValues()->Value(i);
        return s;
    }
};

struct Fixture {
    // Source points X = 0 .. Count-1, Y = 1 .. Count; Target computed by Function.
    Fixture(TTeeFunction* Function, int Count) {
        for (int i = 0; i < Count; ++i)
            Source.AddXY(i, i + 1);
        Target.SetFunction(Function);
        Target.SetDataSource(&Source);
        Target.AddValues(&Source);
    }
    TChartSeries Source{nullptr};
    TChartSeries Target{nullptr};
};

TEST(Function, PeriodZeroGivesOneResultAtTheMiddle) {
    auto* f = new TSum<TTeeFunction>();
    Fixture fx(f, 5);
    EXPECT_EQ(Values(fx.Target.XValues()), std::vector<double>{2});
    EXPECT_EQ(Values(fx.Target.YValues()), std::vector<double>{15});

    fx.Target.SetAllowSinglePoint(false);
    fx.Target.AddValues(&fx.Source);
    EXPECT_EQ(Values(fx.Target.XValues()), (std::vector<double>{0, 4}));
    EXPECT_EQ(Values(fx.Target.YValues()), (std::vector<double>{15, 15}));
}

TEST(Function, GroupsOfPointsDropAShortLastGroup) {
    auto* f = new TSum<TTeeFunction>();
    f->InternalSetPeriod(3);
    f->SetPeriodAlign(paFirst);
    Fixture fx(f, 10);
    EXPECT_EQ(Values(fx.Target.XValues()), (std::vector<double>{0, 3, 6}));
    EXPECT_EQ(Values(fx.Target.YValues()), (std::vector<double>{6, 15, 24}));
    f->SetPeriodAlign(paCenter);
    fx.Target.AddValues(&fx.Source);
    EXPECT_EQ(Values(fx.Target.XValues()), (std::vector<double>{1, 4, 7}));
}

TEST(Function, PeriodBelowOnePointStillMovesOn) {
    auto* f = new TSum<TTeeFunction>();
    f->InternalSetPeriod(0.4);
    Fixture fx(f, 3);
    EXPECT_EQ(Values(fx.Target.YValues()), (std::vector<double>{1, 2, 3}));

    auto* m = new TSum<TTeeMovingFunction>();
    m->InternalSetPeriod(0.5);
    Fixture moving(m, 3);
    EXPECT_EQ(Values(moving.Target.YValues()), (std::vector<double>{1, 2, 3}));
}

TEST(Function, RangesIncludeEmptyOnesAsZero) {
    auto* f = new TSum<TTeeFunction>();
    f->InternalSetPeriod(1);
    f->SetPeriodStyle(psRange);
    f->SetPeriodAlign(paFirst);
    TChartSeries source(nullptr);
    // Day 0 two points, day 1 none, day 2 one point.
    source.AddXY(0.1, 1);
    source.AddXY(0.5, 2);
    source.AddXY(2.2, 4);
    TChartSeries target(nullptr);
    target.SetFunction(f);
    target.SetDataSource(&source);
    target.AddValues(&source);
    EXPECT_EQ(Values(target.XValues()), (std::vector<double>{0.1, 1.1, 2.1}));
    EXPECT_EQ(Values(target.YValues()), (std::vector<double>{3, 0, 4}));

    // A period too small to move past a value still ends.
    f->InternalSetPeriod(1e-300);
    target.AddValues(&source);
    EXPECT_EQ(target.Count(), 3);
}

TEST(Function, MovingWindow) {
    auto* m = new TSum<TTeeMovingFunction>();
    m->InternalSetPeriod(3);
    Fixture fx(m, 5);
    EXPECT_EQ(Values(fx.Target.XValues()), (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(Values(fx.Target.YValues()), (std::vector<double>{6, 9, 12}));
    m->InternalSetPeriod(6);
    fx.Target.AddValues(&fx.Source);
    EXPECT_EQ(fx.Target.Count(), 0);
}

TEST(Function, NegativePeriodIsRefused) {
    TTeeFunction f(nullptr);
    EXPECT_THROW(f.SetPeriod(-1), ChartException);
    EXPECT_EQ(f.Period(), 0);
    EXPECT_EQ(f.GetEditorClass(), "TTeeFunctionEditor");
}

TEST(Function, MovesBetweenSeriesAndFollowsItsSource) {
    auto* f = new TSum<TTeeFunction>();
    Fixture fx(f, 2);
    EXPECT_EQ(fx.Target.FunctionType(), f);
    EXPECT_EQ(f->ParentSeries(), &fx.Target);
    TChartSeries other(nullptr);
    f->SetParentSeries(&other);
    EXPECT_EQ(fx.Target.FunctionType(), nullptr);
    EXPECT_EQ(other.FunctionType(), f);
    fx.Source.Add(10);
    EXPECT_EQ(fx.Target.Count(), 2);
}

} // namespace
