// The curve editors inside the real main window: one channel each, a new link reads the map of
// each editor's selected tab, the tools column reaches them, the window's state and device are
// the editors', and at every size of the window each chart fills its page and is drawn at it.
#include "FrameChartTestSupport.h"
#include "app/ApplicationSettings.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameChart.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "controls/XcComCtrls.h"
#include "platform/controls/Application.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/win/Clock.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>

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

// The share of the pixels of Shown (the chart's place in the window's picture) that equal a
// drawing of the chart made afresh at its size.
double SameAsFreshDrawing(TChart* chart, const QImage& shown) {
    std::unique_ptr<TBitmap> fresh(chart->TeeCreateBitmap());
    const QImage& f = fresh->Image();
    if (f.size() != shown.size() || f.isNull()) return 0;
    long same = 0;
    for (int y = 0; y < f.height(); ++y)
        for (int x = 0; x < f.width(); ++x)
            if ((f.pixel(x, y) & 0xFFFFFF) == (shown.pixel(x, y) & 0xFFFFFF)) ++same;
    return double(same) / (double(f.width()) * f.height());
}

// A window that is not maximised (a desktop without a window manager) keeps its own size
// first, then is resized by the user or a window manager and by code: each time the editors
// share the width beside the tools column, each chart fills its page and the window shows it
// drawn again at that size, with the whole 0..5 V scale.
TEST(FrameChartInMainWindow, ChartsFillTheirPagesAtEverySizeOfTheWindow) {
    TFakeClock clock(1000);
    TClockOverride useClock(&clock);
    auto settings = std::make_unique<TApplicationSettings>();
    ApplicationSettings = settings.get();
    const TChipTuningParts saved = ChipTuningParts();
    ChipTuningParts().CreateUsbDevice = [] { return new TEditorBox; };
    ChipTuningParts().CreateBtDevice = [] { return new TEditorBox; };
    ChipTuningForm = new TChipTuningForm(nullptr);
    ChipTuningForm->AfterConstruction();
    ChipTuningForm->SetWindowState(wsNormal);
    ChipTuningForm->Show();
    auto* left = dynamic_cast<TFrameChart*>(ChipTuningForm->FrameChartLeft);
    auto* right = dynamic_cast<TFrameChart*>(ChipTuningForm->FrameChartRight);
    ASSERT_TRUE(left && right);
    struct Editor {
        const char* name;
        TFrameChart* frame;
        TChart* chart;
        TXcTabControl* tabs;
    };
    const Editor editors[] = {{"left", left, left->Chart1, left->XcTabControl1},
                              {"right", right, right->Chart2, right->XcTabControl2}};
    QWidget* window = ChipTuningForm->Widget();
    auto check = [&](const std::string& when) {
        Application->ProcessMessages();
        const QImage shot = window->grab().toImage();
        const int tools = ChipTuningForm->FrameTools ? ChipTuningForm->FrameTools->Width() : 0;
        const int share = (ChipTuningForm->ClientWidth() - tools) / 2;
        for (const Editor& e : editors) {
            const std::string at = std::string(e.name) + " " + when;
            EXPECT_EQ(e.frame->Width(), share) << at;
            // The chart fills its map tabs' page, which fills the editor's page.
            EXPECT_EQ(e.chart->BoundsRect(), e.tabs->DisplayRect()) << at;
            const TRect sheet = e.frame->PageControl1->DisplayRect();
            EXPECT_EQ(e.tabs->Width(), sheet.Width()) << at;
            EXPECT_EQ(e.tabs->Height(), sheet.Height()) << at;
            // The window shows the chart drawn at its size, the whole 0..5 V scale inside.
            const QPoint origin = e.chart->Widget()->mapTo(window, QPoint(0, 0));
            const QImage shown = shot.copy(origin.x(), origin.y(), e.chart->Width(), e.chart->Height());
            EXPECT_GE(SameAsFreshDrawing(e.chart, shown), 0.99) << at;
            TChartAxis* bottom = e.chart->BottomAxis();
            EXPECT_EQ(bottom->Minimum(), 0) << at;
            EXPECT_EQ(bottom->Maximum(), 5) << at;
            EXPECT_GT(bottom->CalcXPosValue(5), e.chart->Width() / 2) << at;
            EXPECT_LT(bottom->CalcXPosValue(5), e.chart->Width()) << at;
        }
    };
    check("at its own size");
    // As a user or a window manager resizes it.
    for (QSize size : {QSize(1100, 720), QSize(900, 600), QSize(700, 500), QSize(827, 428)}) {
        window->resize(size);
        check("at " + std::to_string(size.width()) + " x " + std::to_string(size.height()));
    }
    // As code resizes it.
    ChipTuningForm->SetClientSize(1000, 650);
    check("at 1000 x 650 set by code");

    FreeObject(ChipTuningForm);
    ChipTuningForm = nullptr;
    ChipTuningParts() = saved;
    ApplicationSettings = nullptr;
}

} // namespace
