// The map tabs of a curve editor, over each transport: "Map 2" reads map 2 of both channels
// and shows it, the edits that follow go to map 2, and after a reconnect the editor reads,
// shows and sends the map its tab shows.
#include "tests/acceptance/EditorHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameChart.h"
#include "chart/engine/chart/Chart.h"
#include "platform/controls/Application.h"

namespace acceptance {
namespace {

using Reads = std::vector<std::pair<int, int>>;

class MapTabs : public TEditorOverLink {
protected:
    CurvePoints Shown(TFrameChart* editor) {
        CurvePoints shown;
        editor->GetActiveChannelPoints(shown);
        return shown;
    }
    // Drags the left editor's point at a curve index from one correction to another.
    void DragLeftPoint(int index, double from, double to) {
        TFrameChart* f = Left();
        const int x = XPos(f, IndexToVolt(index));
        Drag(ChartOf(f), x, YPos(f, from), x, YPos(f, to));
    }
};

TEST_P(MapTabs, Map2IsReadShownAndSentToAlsoAfterAReconnect) {
    sim::Box& box = Box();
    const CurvePoints map1 = CurveAt({{0, 0}, {200, 0.3}, {511, 0}});
    const CurvePoints map2 = CurveAt({{0, 0}, {300, -0.4}, {511, 0}});
    const CurvePoints right1 = CurveAt({{0, 0}, {100, 0.2}, {511, 0}});
    const CurvePoints right2 = CurveAt({{0, 0}, {400, -0.2}, {511, 0}});
    box.SetMap(1, 1, ImageOf(map1));
    box.SetMap(1, 2, ImageOf(map2));
    box.SetMap(2, 1, ImageOf(right1));
    box.SetMap(2, 2, ImageOf(right2));
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        ASSERT_EQ(Shown(Left()), map1);
        ASSERT_EQ(Shown(Right()), right1);

        // "Map 2" on the left editor reads map 2 of both channels; the right editor stays.
        box.ClearLog();
        ClickMapTab(Left(), 2);
        EXPECT_EQ(Left()->ActiveMap(), 2);
        EXPECT_EQ(MapReads(), (Reads{{2, 1}, {2, 2}}));
        EXPECT_EQ(Shown(Left()), map2);
        EXPECT_EQ(Shown(Right()), right1);
        EXPECT_EQ(MapWrites(), 0u);

        // An edit goes to map 2 of channel 1, once.
        box.ClearLog();
        DragLeftPoint(300, -0.4, 0.1);
        const CurvePoints edited = Shown(Left());
        ASSERT_NE(edited, map2);
        ASSERT_GE(TicksUntilWrite(0), 0);
        EXPECT_EQ(CurveOf(box.Map(1, 2)), edited);
        EXPECT_EQ(CurveOf(box.Map(1, 1)), map1);
        EXPECT_EQ(CurveOf(box.Map(2, 2)), right2);
        Ticks50(1500);
        EXPECT_EQ(MapWrites(), 1u);

        // Map 2 changes in the box while the tool is away; after the reconnect the left editor
        // reads map 2 (its tab) and the right one map 1.
        const CurvePoints changed = CurveAt({{0, 0}, {250, 0.5}, {511, 0}});
        ClickStatusPanel();
        Tick();
        ASSERT_EQ(State(), Disconnected);
        box.SetMap(1, 2, ImageOf(changed));
        box.ClearLog();
        ClickStatusPanel();
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() != ConnectRequested; }));
        ASSERT_TRUE(TickUntil([&] { return State() == Connected; }, 1000));
        EXPECT_EQ(MapReads(), (Reads{{2, 1}, {2, 2}, {1, 1}, {1, 2}}));
        EXPECT_EQ(Left()->ActiveMap(), 2);
        EXPECT_EQ(Shown(Left()), changed);
        EXPECT_EQ(MapWrites(), 0u);

        // And the next edit goes to map 2 again.
        DragLeftPoint(250, 0.5, -0.3);
        const CurvePoints again = Shown(Left());
        ASSERT_NE(again, changed);
        ASSERT_GE(TicksUntilWrite(0), 0);
        EXPECT_EQ(CurveOf(box.Map(1, 2)), again);
        EXPECT_EQ(CurveOf(box.Map(1, 1)), map1);
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

INSTANTIATE_TEST_SUITE_P(Links, MapTabs, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
