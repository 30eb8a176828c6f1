// Series animation: the values of each step on a fake clock, groups, loops, stopping, and
// runs that end because the chart's form, the series or the tool goes away.
#include "chart/tools/SeriesAnimationTool.h"

#include "chart/engine/series/ChartValueList.h"
#include "platform/controls/Application.h"
#include "platform/win/Clock.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

#include <vector>

namespace {

class SeriesAnimationTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        series->Clear();
        for (double v : {5.0, 10.0, 15.0})
            series->Add(v);
        tool = new TSeriesAnimationTool(form);
        tool->SetParentChart(chart);
        tool->SetSeries(series);
        tool->OnStep = [this](TSeriesAnimationTool*, int Step) {
            steps.push_back(Step);
            values.push_back(Values());
            if (onStep) onStep(Step);
        };
    }
    std::vector<double> Values() {
        std::vector<double> v;
        TChartValueList* list = series->MandatoryValueList();
        for (int i = 0; i < list->Count(); ++i)
            v.push_back(list->Value(i));
        return v;
    }
    TFakeClock clock;
    TClockOverride useClock{&clock};
    TSeriesAnimationTool* tool = nullptr;
    std::vector<int> steps;
    std::vector<std::vector<double>> values;
    std::function<void(int)> onStep;
};

TEST_F(SeriesAnimationTest, StepsGoFromTheStartToTheTargetsAndTheValuesComeBack) {
    int starts = 0, stops = 0;
    tool->OnStart = [&](TObject*) { ++starts; };
    tool->OnStop = [&](TObject*) { ++stops; };
    tool->SetSteps(4);
    tool->SetStartAtMin(false);
    tool->SetStartValue(0);
    tool->Execute();
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 4}));
    ASSERT_EQ(values.size(), 5u);
    EXPECT_EQ(values[0], (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(values[1], (std::vector<double>{1.25, 2.5, 3.75}));
    EXPECT_EQ(values[4], (std::vector<double>{5, 10, 15}));
    EXPECT_EQ(Values(), (std::vector<double>{5, 10, 15}));
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(tool->Running());
}

TEST_F(SeriesAnimationTest, StartAtMinStartsEveryPointAtTheSmallestValue) {
    tool->SetSteps(5);
    tool->Execute();
    // S = 5: F x T + S - S x F.
    EXPECT_EQ(values[0], (std::vector<double>{5, 5, 5}));
    EXPECT_EQ(values[1], (std::vector<double>{5, 6, 7}));
    EXPECT_EQ(values[5], (std::vector<double>{5, 10, 15}));
}

TEST_F(SeriesAnimationTest, GroupsOfDrawEveryPointsRunOneAfterTheOther) {
    series->Clear();
    for (int i = 1; i <= 7; ++i)
        series->Add(10 * i);
    tool->SetStartAtMin(false);
    tool->SetSteps(2);
    tool->SetDrawEvery(3);
    tool->Execute();
    // Three groups (0-2, 3-5, 6) of three steps each.
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 0, 1, 2, 0, 1, 2}));
    // Halfway through the first group the later groups still stand at the start.
    EXPECT_EQ(values[1], (std::vector<double>{5, 10, 15, 0, 0, 0, 0}));
    // Halfway through the second group the first keeps its last value.
    EXPECT_EQ(values[4], (std::vector<double>{10, 20, 30, 20, 25, 30, 0}));
    EXPECT_EQ(values[7], (std::vector<double>{10, 20, 30, 40, 50, 60, 35}));
}

TEST_F(SeriesAnimationTest, ZeroStepsAndNegativeGroupSizesMakeOneStepOfAllPoints) {
    tool->SetStartAtMin(false);
    tool->SetSteps(0);
    tool->SetDrawEvery(-2);
    tool->Execute();
    EXPECT_EQ(steps, (std::vector<int>{0, 1}));
    EXPECT_EQ(values[1], (std::vector<double>{5, 10, 15}));
    EXPECT_EQ(Values(), (std::vector<double>{5, 10, 15}));
}

TEST_F(SeriesAnimationTest, CircularLoopGrowsThenShrinksUntilStopped) {
    tool->SetStartAtMin(false);
    tool->SetSteps(2);
    tool->SetLoop(salCircular);
    onStep = [this](int) {
        if (steps.size() == 6) tool->Stop();
    };
    tool->Execute();
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[1], (std::vector<double>{2.5, 5, 7.5})); // growing
    EXPECT_EQ(values[3], (std::vector<double>{5, 10, 15}));   // shrinking from the targets
    EXPECT_EQ(values[4], (std::vector<double>{2.5, 5, 7.5}));
    EXPECT_EQ(values[5], (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(Values(), (std::vector<double>{5, 10, 15}));
}

TEST_F(SeriesAnimationTest, StopFromOnStepRestoresAndEndsAndExecuteWhileRunningDoesNothing) {
    onStep = [this](int Step) {
        tool->Execute(nullptr); // ignored while running
        if (Step == 2) tool->Stop();
    };
    tool->Execute();
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Values(), (std::vector<double>{5, 10, 15}));
    EXPECT_FALSE(tool->Running());
}

TEST_F(SeriesAnimationTest, DelayWaitsOnTheClockBetweenSteps) {
    tool->SetSteps(3);
    tool->SetDelay(40);
    std::vector<UInt64> at;
    onStep = [&](int) { at.push_back(clock.Milliseconds()); };
    tool->Execute();
    ASSERT_EQ(at.size(), 4u);
    for (size_t i = 1; i < at.size(); ++i)
        EXPECT_GE(at[i] - at[i - 1], 40u) << i;
}

TEST_F(SeriesAnimationTest, ClosingTheChartsFormFromOnStepEndsTheRun) {
    // The form frees itself when closed: the chart, the series and the tool go with it in
    // the message processing of the next repaint step.
    form->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    onStep = [this](int Step) {
        if (Step == 3) form->Close();
    };
    tool->Execute();
    EXPECT_EQ(steps.back(), 3);
    form = nullptr; // freed
}

TEST_F(SeriesAnimationTest, DeletingTheSeriesOrTheToolEndsTheRun) {
    int stops = 0;
    tool->OnStop = [&](TObject*) { ++stops; };
    onStep = [this](int Step) {
        if (Step == 1) delete series;
    };
    tool->Execute();
    EXPECT_EQ(steps.back(), 1);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(tool->Series(), nullptr);
    series = nullptr;

    // A tool freed during its run: the series gets its values back.
    auto* other = new TLineSeries(form);
    other->SetParentChart(chart);
    other->Add(4);
    other->Add(8);
    auto* doomed = new TSeriesAnimationTool(nullptr);
    doomed->SetSeries(other);
    doomed->SetStartAtMin(false);
    int seen = 0;
    doomed->OnStep = [&](TSeriesAnimationTool* Sender, int Step) {
        ++seen;
        if (Step == 2) delete Sender;
    };
    doomed->Execute();
    EXPECT_EQ(seen, 3);
    EXPECT_DOUBLE_EQ(other->MandatoryValueList()->Value(0), 4);
    EXPECT_DOUBLE_EQ(other->MandatoryValueList()->Value(1), 8);
}

TEST_F(SeriesAnimationTest, QuittingTheApplicationEndsTheRun) {
    onStep = [](int Step) {
        if (Step == 1) Application->Terminate();
    };
    tool->Execute();
    Application->ResetTerminated();
    EXPECT_EQ(steps.back(), 1);
    EXPECT_EQ(Values(), (std::vector<double>{5, 10, 15}));
    EXPECT_FALSE(tool->Running());
}

TEST(SeriesAnimationStreaming, DefaultsLeftOutAndValuesReadBack) {
    TForm form(nullptr, 0);
    auto* chart = new TChart(&form);
    chart->SetName(QStringLiteral("Chart1"));
    auto* tool = new TSeriesAnimationTool(chart);
    tool->SetName(QStringLiteral("Anim1"));
    tool->SetParentChart(chart);
    QByteArray text = writeText(chart);
    for (const char* absent : {"Delay", "DrawEvery", "Loop", "StartAtMin", "StartValue", "Steps"})
        EXPECT_FALSE(text.contains(absent)) << absent << "\n" << text.toStdString();
    tool->SetDelay(30);
    tool->SetDrawEvery(2);
    tool->SetLoop(salOneWay);
    tool->SetStartAtMin(false);
    tool->SetStartValue(1.5);
    tool->SetSteps(20);
    text = writeText(chart);
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    ASSERT_EQ(copy->Tools()->Count(), 1);
    auto* read = dynamic_cast<TSeriesAnimationTool*>(copy->Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Delay(), 30);
    EXPECT_EQ(read->DrawEvery(), 2);
    EXPECT_EQ(read->Loop(), salOneWay);
    EXPECT_FALSE(read->StartAtMin());
    EXPECT_DOUBLE_EQ(read->StartValue(), 1.5);
    EXPECT_EQ(read->Steps(), 20);
}

} // namespace
