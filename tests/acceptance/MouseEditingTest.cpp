// Editing a curve with the mouse on the left editor's chart, over each transport: a drag stops
// at the allowed correction, one send about a second later carries the last state of the
// curve, a right-click adds a point, a rubber band selects; a failed send is reported once and
// tried again; an edit made while the link fails is never lost nor written into another map.
#include "tests/acceptance/EditorHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameChart.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Grids.h"

#include <algorithm>

namespace acceptance {
namespace {

class MouseEditing : public TEditorOverLink {
protected:
    TChart* Chart() { return Left()->Chart1; }
    TChartSeries* Series() { return Left()->Series1; }
    double X(int point) { return Series()->XValues()->Value(point); }
    double Y(int point) { return Series()->YValues()->Value(point); }
    void DragPoint(int point, double to) {
        const int x = XPos(Left(), X(point));
        Drag(Chart(), x, YPos(Left(), Y(point)), x, YPos(Left(), to));
    }
    CurvePoints Shown() {
        CurvePoints shown;
        Left()->GetActiveChannelPoints(shown);
        return shown;
    }
    std::uint8_t WriteCommand() const { return GetParam() == Link::Usb ? 0x01 : 0x07; }
    static int Count(const CurvePoints& c) {
        return int(std::count_if(c.begin(), c.end(), [](std::uint16_t e) { return e != CurveNoPoint; }));
    }
};

TEST_P(MouseEditing, DragsStopAtTheLimitsAndOneSendCarriesTheLastState) {
    sim::Box& box = Box();
    box.SetMap(1, 1, ImageOf(CurveAt({{0, 0}, {102, 0}, {460, 0}, {511, 0}})));
    const sim::Bytes right = box.Map(2, 1);
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        box.ClearLog();
        const UInt64 start = clock.Milliseconds();
        // The point at 4.5 V dragged up by 1.5 V stops at an output of 5 V.
        DragPoint(2, 1.5);
        EXPECT_DOUBLE_EQ(Y(2), 5.0 - X(2));
        Ticks50(300);
        EXPECT_EQ(MapWrites(), 0u);
        // The point at 1 V dragged down by 1.9 V stops at an output of 0 V.
        DragPoint(1, -1.9);
        EXPECT_DOUBLE_EQ(Y(1), -X(1));
        // One send, about a second after the first edit, with both.
        ASSERT_GE(TicksUntilWrite(0), 0);
        const UInt64 waited = clock.Milliseconds() - start;
        EXPECT_GE(waited, 900u);
        EXPECT_LE(waited, 1400u);
        const CurvePoints sent = CurveOf(box.Map(1, 1));
        EXPECT_EQ(sent, CurveAt({{0, 0}, {102, -IndexToVolt(102)}, {460, 5.0 - IndexToVolt(460)}, {511, 0}}));
        EXPECT_EQ(sent[102], 0);
        EXPECT_EQ(sent[460], 4095);
        Ticks50(2000);
        EXPECT_EQ(MapWrites(), 1u);
        EXPECT_EQ(box.Map(2, 1), right);
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

TEST_P(MouseEditing, RightClickAddsAPointAndARubberBandSelects) {
    sim::Box& box = Box();
    const CurvePoints curve = CurveAt({{0, 0}, {100, 0.5}, {200, -0.5}, {300, 0.5}, {511, 0}});
    box.SetMap(1, 1, ImageOf(curve));
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        box.ClearLog();
        // At 3.9 V, 0.3 V above the line: a new point there, sent once.
        const double x = IndexToVolt(400);
        RightClick(Chart(), XPos(Left(), x), YPos(Left(), 0.3));
        ASSERT_EQ(Series()->Count(), 6);
        EXPECT_NEAR(X(4), x, 0.02);
        EXPECT_NEAR(Y(4), 0.3, 0.02);
        // A second click at the same input adds nothing; one outside the chart's range neither.
        RightClick(Chart(), XPos(Left(), x), YPos(Left(), 0.3));
        RightClick(Chart(), XPos(Left(), 2.0), YPos(Left(), -2.5));
        EXPECT_EQ(Series()->Count(), 6);
        ASSERT_GE(TicksUntilWrite(0), 0);
        const CurvePoints sent = CurveOf(box.Map(1, 1));
        EXPECT_EQ(Count(sent), 6);
        const int added = VoltToIndex(X(4));
        EXPECT_NEAR(added, 400, 2);
        EXPECT_NEAR(CodeToVolt(sent[std::size_t(added)]), X(4) + Y(4), 0.002);
        Ticks50(1500);
        EXPECT_EQ(MapWrites(), 1u);

        // A rubber band from above point 1 to below point 3 selects the three, and sends nothing.
        box.ClearLog();
        Drag(Chart(), XPos(Left(), IndexToVolt(90)), YPos(Left(), 1.2), XPos(Left(), IndexToVolt(310)),
             YPos(Left(), -1.2));
        EXPECT_EQ(Left()->channels[0]->selection, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(Left()->ChartGrid1->Selection(), (TGridRect{1, 2, 1, 4}));
        // Dragged up and to the left it selects nothing.
        Drag(Chart(), XPos(Left(), IndexToVolt(310)), YPos(Left(), -1.2), XPos(Left(), IndexToVolt(90)),
             YPos(Left(), 1.2));
        EXPECT_TRUE(Left()->channels[0]->selection.empty());
        Ticks50(1500);
        EXPECT_EQ(MapWrites(), 0u);
        EXPECT_EQ(Series()->Count(), 6);
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

TEST_P(MouseEditing, AFailedSendIsReportedOnceAndSentAgainOnTheNextTick) {
    sim::Box& box = Box();
    const CurvePoints curve = CurveAt({{0, 0}, {255, 0}, {511, 0}});
    box.SetMap(1, 1, ImageOf(curve));
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        box.ClearLog();
        sim::FaultRule refused;
        refused.command = WriteCommand();
        refused.action.status = sim::StatusInvalidParameter;
        box.AddFault(refused);
        DragPoint(1, 0.7);
        const CurvePoints edited = Shown();
        ASSERT_GE(TicksUntilWrite(0), 0);
        EXPECT_EQ(MessageTexts(), QStringList({"Send operation failed!"}));
        // Still refused: tried again on the following update ticks, reported no more.
        Ticks50(2500);
        EXPECT_GE(MapWrites(), 2u);
        EXPECT_EQ(MessageTexts(), QStringList({"Send operation failed!"}));
        EXPECT_EQ(Shown(), edited);
        EXPECT_EQ(State(), Connected);
        // The box takes it again: the next update tick sends the curve, once.
        box.ClearFaults();
        box.ClearLog();
        ASSERT_GE(TicksUntilWrite(0), 0);
        EXPECT_EQ(CurveOf(box.Map(1, 1)), edited);
        Ticks50(2000);
        EXPECT_EQ(MapWrites(), 1u);
        EXPECT_EQ(MessageTexts(), QStringList({"Send operation failed!"}));
    });
}

// The link fails while an edit of map 2 waits for its send: the edit ends up in map 2 of
// channel 1 or stays pending in the editor, and after the reconnect it is in the box's map 2.
// An edit made while disconnected goes the same way.
TEST_P(MouseEditing, AnEditMadeWhileTheLinkFailsIsNeverLostNorWrittenElsewhere) {
    sim::Box& box = Box();
    const CurvePoints map1 = CurveAt({{0, 0}, {200, 0.2}, {511, 0}});
    const CurvePoints map2 = CurveAt({{0, 0}, {300, -0.3}, {511, 0}});
    box.SetMap(1, 1, ImageOf(map1));
    box.SetMap(1, 2, ImageOf(map2));
    const sim::Bytes right1 = box.Map(2, 1), right2 = box.Map(2, 2), map3 = box.Map(1, 3);
    auto elsewhereUntouched = [&] {
        EXPECT_EQ(CurveOf(box.Map(1, 1)), map1);
        EXPECT_EQ(box.Map(1, 3), map3);
        EXPECT_EQ(box.Map(2, 1), right1);
        EXPECT_EQ(box.Map(2, 2), right2);
    };
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        ClickMapTab(Left(), 2);
        ASSERT_EQ(Shown(), map2);

        // The box falls silent right after the edit.
        DragPoint(1, 0.4);
        const CurvePoints edited = Shown();
        sim::FaultRule silent;
        silent.action.noReply = true;
        box.AddFault(silent);
        ASSERT_TRUE(TickUntil([&] { return State() == Disconnected; }, 30000));
        Ticks50(1500);
        const CurvePoints inBox = CurveOf(box.Map(1, 2));
        EXPECT_TRUE(inBox == edited || inBox == map2);
        EXPECT_EQ(Shown(), edited);
        elsewhereUntouched();
        EXPECT_LE(MessageTexts().count("Send operation failed!"), 1);

        // While disconnected a further edit waits as well; nothing goes to the box.
        box.ClearFaults();
        box.ClearLog();
        DragPoint(1, -0.5);
        const CurvePoints offline = Shown();
        Ticks50(2000);
        EXPECT_EQ(box.Requests().size(), 0u);

        // Connected again: the editor's curve is sent to map 2 before map 2 is read.
        ClickStatusPanel();
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() != ConnectRequested; }));
        ASSERT_TRUE(TickUntil([&] { return State() == Connected; }, 1000));
        Ticks50(2000);
        EXPECT_EQ(CurveOf(box.Map(1, 2)), offline);
        EXPECT_EQ(Shown(), offline);
        EXPECT_EQ(Left()->ActiveMap(), 2);
        elsewhereUntouched();
    });
}

INSTANTIATE_TEST_SUITE_P(Links, MouseEditing, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
