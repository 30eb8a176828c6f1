// The curve editors inside the real main window: one channel each, a new link reads the map of
// each editor's selected tab, the tools column reaches them, and the window's state and device
// are the editors'.
#include "FrameChartTestSupport.h"
#include "app/ApplicationSettings.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameChart.h"
#include "controls/XcComCtrls.h"
#include "platform/controls/Application.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Timer.h"
#include "platform/win/Clock.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace charttest;

TEST(FrameChartInMainWindow, EachEditorShowsItsChannelAndReadsItsSelectedMap) {
    TFakeClock clock(1000);
    TClockOverride useClock(&clock);
    auto settings = std::make_unique<TApplicationSettings>();
    ApplicationSettings = settings.get();
    const TChipTuningParts saved = ChipTuningParts();
    TEditorBox* box = nullptr;
    ChipTuningParts().CreateUsbDevice = [&] { return box = new TEditorBox; };
    ChipTuningParts().CreateBtDevice = [] { return new TEditorBox; };
    ChipTuningParts().CreateTools = nullptr;
    ChipTuningForm = new TChipTuningForm(nullptr);
    ChipTuningForm->AfterConstruction();
    auto* left = dynamic_cast<TFrameChart*>(ChipTuningForm->FrameChartLeft);
    auto* right = dynamic_cast<TFrameChart*>(ChipTuningForm->FrameChartRight);
    ASSERT_TRUE(left && right && box);
    EXPECT_EQ(left->ActiveChannel(), left->channels[0]);
    EXPECT_EQ(right->ActiveChannel(), right->channels[1]);
    EXPECT_EQ(right->ChartGrid1->Series(), right->Series2);
    EXPECT_FALSE(left->TabSheet2->TabVisible());
    EXPECT_FALSE(right->TabSheet1->TabVisible());

    // The left editor shows map 2 when the link opens: it reads map 2, the right one map 1.
    left->XcTabControl1->SetTabIndex(1);
    ChipTuningForm->CurrentDevice = box;
    ChipTuningForm->ConnectionState = Opened;
    clock.Advance(200);
    CheckTimers();
    EXPECT_EQ(ChipTuningForm->ConnectionState, Connected);
    EXPECT_EQ(box->Log, QStringList({"ReadMap 1 2", "ReadMap 2 2", "ReadMap 1 1", "ReadMap 2 1"}));

    // The tools column's operations reach the editors.
    auto* tools = dynamic_cast<IToolsCurveEditor*>(ChipTuningForm->FrameChartRight);
    ASSERT_TRUE(tools);
    box->Log.clear();
    tools->SetActiveChannelPoints(Curve({{0, 0.5}, {511, -0.5}}));
    EXPECT_EQ(box->Log, QStringList({"SendMap 2 1"}));

    FreeObject(ChipTuningForm);
    ChipTuningForm = nullptr;
    ChipTuningParts() = saved;
    ApplicationSettings = nullptr;
}

} // namespace
