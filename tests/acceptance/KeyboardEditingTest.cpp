// Editing a curve with the keys and the point grid of the left editor, over each transport:
// Up and Down move the selection by 0.01 V (Shift: 0.1 V), Left and Right move the current
// point within its neighbours, Delete removes a selection without an end point, typed values
// are held to the allowed correction; each edit reaches the box in one send, a refused one in
// none.
#include "tests/acceptance/EditorHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameChart.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Grids.h"
#include "platform/controls/Messages.h"

namespace acceptance {
namespace {

class KeyboardEditing : public TEditorOverLink {
protected:
    TChipTuningChartGrid* Grid() { return Left()->ChartGrid1; }
    TChartSeries* Series() { return Left()->Series1; }
    double X(int point) { return Series()->XValues()->Value(point); }
    double Y(int point) { return Series()->YValues()->Value(point); }
    // The code the box holds for the series point, as the editor converts it.
    std::uint16_t CodeOf(int point) { return std::uint16_t(VoltToCode(X(point) + Y(point))); }
    // An edit was made: exactly one send follows, about a second later, and no other.
    void ExpectOneSend(const char* what) {
        SCOPED_TRACE(what);
        Box().ClearLog();
        const int waited = TicksUntilWrite(0);
        EXPECT_GE(waited, 0);
        EXPECT_LE(waited, 1200);
        Ticks50(1200);
        EXPECT_EQ(MapWrites(), 1u);
    }
    // No edit was made: nothing is sent.
    void ExpectNoSend(const char* what) {
        SCOPED_TRACE(what);
        Box().ClearLog();
        Ticks50(1500);
        EXPECT_EQ(MapWrites(), 0u);
    }
    CurvePoints InBox() { return CurveOf(Box().Map(1, 1)); }
};

TEST_P(KeyboardEditing, KeysAndTypedValuesEditTheCurveAndEachEditIsSentOnce) {
    sim::Box& box = Box();
    box.SetMap(1, 1, ImageOf(CurveAt({{0, 0}, {10, 0}, {20, 0}, {30, 0}, {300, 0.2}, {460, 0}, {511, 0}})));
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());

        // No selection yet: the keys do nothing.
        Key(Grid(), VK_UP);
        ExpectNoSend("Up without a selection");

        // Point 2 (index 20) selected in the grid: up and down by 0.01 V, with Shift 0.1 V.
        ClickCell(Left(), 1, 3);
        ASSERT_EQ(Left()->channels[0]->selection, std::vector<int>{2});
        const struct {
            Word key;
            bool shift;
            double step;
        } moves[] = {
            {VK_UP, false, 0.01}, {VK_UP, true, 0.1}, {VK_DOWN, true, -0.1}, {VK_DOWN, false, -0.01}};
        for (const auto& m : moves) {
            SCOPED_TRACE(m.step);
            const double y = Y(2);
            Key(Grid(), m.key, m.shift);
            EXPECT_NEAR(Y(2), y + m.step, 1e-9);
            ExpectOneSend("Up/Down");
            EXPECT_EQ(InBox()[20], CodeOf(2));
        }

        // Sideways: +0.1 V would reach the next point's input (index 30) and is refused;
        // +0.01 V moves the point to index 21.
        const double x = X(2);
        Key(Grid(), VK_RIGHT, true);
        EXPECT_DOUBLE_EQ(X(2), x);
        ExpectNoSend("Shift+Right onto the neighbour");
        Key(Grid(), VK_RIGHT);
        EXPECT_DOUBLE_EQ(X(2), x + 0.01);
        ExpectOneSend("Right");
        EXPECT_EQ(InBox()[20], CurveNoPoint);
        EXPECT_EQ(InBox()[21], CodeOf(2));

        // Delete: refused while the point at 0 V is selected, else the selected points go.
        ClickCell(Left(), 1, 1);
        ClickCell(Left(), 1, 2, true);
        ASSERT_EQ(Left()->channels[0]->selection, (std::vector<int>{0, 1}));
        Key(Grid(), VK_DELETE);
        EXPECT_EQ(Series()->Count(), 7);
        ExpectNoSend("Delete with the point at 0 V");
        ClickCell(Left(), 1, 3);
        ClickCell(Left(), 1, 2, true);
        ASSERT_EQ(Left()->channels[0]->selection, (std::vector<int>{1, 2}));
        Key(Grid(), VK_DELETE);
        EXPECT_EQ(Series()->Count(), 5);
        ExpectOneSend("Delete");
        EXPECT_EQ(InBox()[10], CurveNoPoint);
        EXPECT_EQ(InBox()[21], CurveNoPoint);
        EXPECT_EQ(InBox()[30], CodeOf(1));

        // Typed values: held within the allowed correction and the output range.
        const struct {
            int point;
            const char* typed;
            double expected;
        } typed[] = {{3, "3", 5.0 - IndexToVolt(460)}, {2, "-3", -2.0}, {1, "0.25", 0.25}};
        for (const auto& t : typed) {
            SCOPED_TRACE(t.typed);
            ClickCell(Left(), 1, t.point + 1);
            Type(Grid(), QString::fromUtf8(t.typed));
            Key(Grid()->InplaceEditor() ? static_cast<TWinControl*>(Grid()->InplaceEditor()) : Grid(),
                VK_RETURN);
            EXPECT_NEAR(Y(t.point), t.expected, 1e-9);
            ExpectOneSend("typed");
            EXPECT_EQ(InBox()[std::size_t(VoltToIndex(X(t.point)))], CodeOf(t.point));
        }
        EXPECT_EQ(InBox()[460], 4095);
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

INSTANTIATE_TEST_SUITE_P(Links, KeyboardEditing, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
