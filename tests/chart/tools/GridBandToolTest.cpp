// Grid band tool: the stripes between an axis' ticks on the window's picture, band
// alternation, hatch background, transparency, and the axis' grid hook between tools.
#include "chart/tools/GridBandTool.h"

#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/ChartWalls.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

#include <set>
#include <vector>

namespace {

class GridBandTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        series->SetActive(false);
        // What shows where no band is drawn.
        back = Screen((chart->ChartRect.Left + chart->ChartRect.Right) / 2,
                      (chart->ChartRect.Top + chart->ChartRect.Bottom) / 2);
        tool = new TGridBandTool(form);
        tool->SetAxis(chart->BottomAxis());
        tool->Band1()->SetColor(clLime);
        tool->Band2()->SetColor(clBlue);
    }
    // Ticks of Axis at the values given, as the axis' labels place them.
    void Ticks(TChartAxis* Axis, const std::vector<double>& Values) {
        Axis->Items()->Clear();
        Axis->Items()->SetAuto(false);
        for (double v : Values)
            Axis->Items()->Add(v);
        Frame();
    }
    // The colour in the middle of the stripe A..B across the middle of the chart rectangle.
    TColor StripeColor(TChartAxis* Axis, int A, int B) {
        const int mid = (A + B) / 2;
        const TRect& r = chart->ChartRect;
        return Axis->Horizontal() ? Screen(mid, (r.Top + r.Bottom) / 2) : Screen((r.Left + r.Right) / 2, mid);
    }
    TGridBandTool* tool = nullptr;
    TColor back = clNone;
};

TEST_F(GridBandTest, StripesForEveryTickCountOnBothOrientations) {
    struct Case {
        std::vector<double> ticks;
        size_t stripes;
    };
    const Case cases[] = {{{}, 0}, {{5}, 0}, {{7, 3}, 3}, {{8, 5, 2}, 4}, {{9, 7, 5, 3, 1}, 6}};
    for (TChartAxis* axis : {chart->BottomAxis(), chart->LeftAxis()}) {
        tool->SetAxis(axis);
        for (const Case& c : cases) {
            Ticks(axis, c.ticks);
            SCOPED_TRACE(testing::Message()
                         << (axis->Horizontal() ? "horizontal " : "vertical ") << c.ticks.size() << " ticks");
            const std::vector<TGridBandTool::TStripe> stripes = TGridBandTool::Stripes(axis);
            ASSERT_EQ(stripes.size(), c.stripes);
            if (c.stripes == 0) {
                EXPECT_EQ(StripeColor(axis, axis->IStartPos, axis->IEndPos), back);
                continue;
            }
            // From the axis end (horizontal) or start (vertical) through every tick to the
            // other end, alternating the bands.
            std::vector<int> edges;
            edges.push_back(axis->Horizontal() ? axis->IEndPos - 1 : axis->IStartPos + 1);
            for (double v : c.ticks)
                edges.push_back(axis->CalcPosValue(v));
            edges.push_back(axis->Horizontal() ? axis->IStartPos : axis->IEndPos);
            for (size_t i = 0; i < stripes.size(); ++i) {
                EXPECT_EQ(stripes[i].A, std::min(edges[i], edges[i + 1])) << i;
                EXPECT_EQ(stripes[i].B, std::max(edges[i], edges[i + 1])) << i;
                EXPECT_EQ(stripes[i].Band, i % 2 ? 2 : 1) << i;
                EXPECT_EQ(StripeColor(axis, stripes[i].A, stripes[i].B), i % 2 ? clBlue : clLime) << i;
            }
        }
        axis->Items()->Clear();
        axis->Items()->SetAuto(true);
    }
}

TEST_F(GridBandTest, ClearBand1KeepsTheAlternation) {
    tool->Band1()->Clear();
    Ticks(chart->BottomAxis(), {8, 6, 4, 2});
    const auto stripes = TGridBandTool::Stripes(chart->BottomAxis());
    ASSERT_EQ(stripes.size(), 5u);
    for (size_t i = 0; i < stripes.size(); ++i)
        EXPECT_EQ(StripeColor(chart->BottomAxis(), stripes[i].A, stripes[i].B), i % 2 ? clBlue : back) << i;
    // Both clear: nothing at all.
    tool->Band2()->Clear();
    Frame();
    for (const auto& s : stripes)
        EXPECT_EQ(StripeColor(chart->BottomAxis(), s.A, s.B), back);
}

TEST_F(GridBandTest, HatchWithoutBackColourShowsTheBackWallColour) {
    chart->BackWall()->SetColor(clYellow);
    chart->BackWall()->SetTransparent(true);
    tool->Band1()->SetStyle(bsCross);
    tool->Band1()->SetColor(clBlack);
    EXPECT_EQ(tool->BandBackColor(tool->Band1()), clYellow);
    Ticks(chart->BottomAxis(), {8, 2});
    const auto stripes = TGridBandTool::Stripes(chart->BottomAxis());
    ASSERT_EQ(stripes.size(), 3u);
    // The middle stripe is Band2; the outer ones are the hatch on the wall's colour.
    std::set<TColor> seen;
    const int y = (chart->ChartRect.Top + chart->ChartRect.Bottom) / 2;
    for (int x = stripes[0].A + 2; x < stripes[0].B - 2; ++x)
        for (int dy = 0; dy < 10; ++dy)
            seen.insert(Screen(x, y + dy));
    EXPECT_EQ(seen, (std::set<TColor>{clBlack, clYellow}));
    tool->Band1()->SetBackColor(clRed);
    EXPECT_EQ(tool->BandBackColor(tool->Band1()), clRed);
}

TEST_F(GridBandTest, TransparencyBlendsTheBandWithWhatIsUnder) {
    tool->Band2()->SetTransparency(50);
    Ticks(chart->BottomAxis(), {8, 2});
    const auto stripes = TGridBandTool::Stripes(chart->BottomAxis());
    const TColor c = StripeColor(chart->BottomAxis(), stripes[1].A, stripes[1].B);
    // Half blue over what is under it.
    EXPECT_NEAR(GetRValue(c), GetRValue(back) / 2, 2);
    EXPECT_NEAR(GetGValue(c), GetGValue(back) / 2, 2);
    EXPECT_NEAR(GetBValue(c), (GetBValue(back) + 255) / 2, 2);
    // A band gradient fills the stripe instead of the colour.
    tool->Band2()->SetTransparency(0);
    tool->Band2()->Gradient()->SetStartColor(clRed);
    tool->Band2()->Gradient()->SetEndColor(clRed);
    tool->Band2()->Gradient()->SetVisible(true);
    Frame();
    EXPECT_EQ(StripeColor(chart->BottomAxis(), stripes[1].A, stripes[1].B), clRed);
}

TEST_F(GridBandTest, AToolLeavesTheGridHookOfAnotherToolAlone) {
    auto* second = new TGridBandTool(form);
    second->Band1()->SetColor(clRed);
    second->Band2()->SetColor(clRed);
    second->SetAxis(chart->BottomAxis());
    Ticks(chart->BottomAxis(), {8, 2});
    const auto stripes = TGridBandTool::Stripes(chart->BottomAxis());
    EXPECT_EQ(StripeColor(chart->BottomAxis(), stripes[1].A, stripes[1].B), clRed);
    // The first tool moves to the left axis and then goes: the bottom axis keeps the
    // second tool's bands.
    tool->SetAxis(chart->LeftAxis());
    chart->Invalidate();
    Frame();
    EXPECT_EQ(StripeColor(chart->BottomAxis(), stripes[1].A, stripes[1].B), clRed);
    delete tool;
    tool = nullptr;
    chart->Invalidate();
    Frame();
    EXPECT_EQ(StripeColor(chart->BottomAxis(), stripes[1].A, stripes[1].B), clRed);
    // Its own hook goes with it.
    delete second;
    chart->Invalidate();
    Frame();
    EXPECT_EQ(StripeColor(chart->BottomAxis(), stripes[1].A, stripes[1].B), back);
    EXPECT_FALSE(chart->BottomAxis()->OnDrawGrids.Assigned());
}

TEST(GridBandStreaming, BothBandsAndTheAxisReadBack) {
    TForm form(nullptr, 0);
    auto* chart = new TChart(&form);
    chart->SetName(QStringLiteral("Chart1"));
    auto* tool = new TGridBandTool(chart);
    tool->SetName(QStringLiteral("Bands"));
    tool->SetAxis(chart->LeftAxis());
    QByteArray text = writeText(chart);
    EXPECT_TRUE(text.contains("AxisID = 2")) << text.toStdString();
    EXPECT_FALSE(text.contains("Transparency")) << text.toStdString();
    tool->Band1()->SetColor(clLime);
    tool->Band1()->SetTransparency(30);
    tool->Band2()->SetStyle(bsCross);
    tool->Band2()->SetBackColor(clYellow);
    text = writeText(chart);
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    ASSERT_EQ(copy->Tools()->Count(), 1);
    auto* read = dynamic_cast<TGridBandTool*>(copy->Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Axis(), copy->LeftAxis());
    EXPECT_EQ(read->Band1()->Color(), clLime);
    EXPECT_EQ(read->Band1()->Transparency(), 30);
    EXPECT_EQ(read->Band2()->Style(), bsCross);
    EXPECT_EQ(read->Band2()->BackColor(), clYellow);
    EXPECT_EQ(read->Band2()->Color(), clWhite);
    EXPECT_TRUE(copy->LeftAxis()->OnDrawGrids.Assigned());
}

} // namespace
