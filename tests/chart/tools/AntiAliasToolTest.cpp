// The smoothing tool on a chart: who owns the canvas, the filters run on the finished
// picture in the image's own 32-bit rows, and the tool's stream form.
#include "chart/tools/AntiAliasTool.h"
#include "platform/classes/ClassRegistry.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "chart/engine/pictures/TeeFilters.h"
#include "chart/tools/AntiAliasCanvas.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

namespace {

using AntiAliasToolTest = ChartToolsFixture;

TEST_F(AntiAliasToolTest, ActiveToolInstallsItsCanvasAndOffLeavesItPlain) {
    auto* tool = new TAntiAliasTool(form);
    EXPECT_TRUE(tool->AntiAlias());
    tool->SetParentChart(chart);
    ASSERT_NE(tool->Canvas(), nullptr);
    EXPECT_EQ(chart->Canvas(), tool->Canvas());
    Frame();
    EXPECT_TRUE(tool->Canvas()->Smoothing());
    tool->SetAntiAlias(false);
    EXPECT_FALSE(tool->AntiAlias());
    EXPECT_EQ(chart->Canvas(), tool->Canvas()); // still installed, drawing plainly
    EXPECT_FALSE(tool->Canvas()->Smoothing());
    tool->SetActive(false);
    EXPECT_EQ(chart->Canvas(), tool->Canvas());
    tool->SetActive(true);
    EXPECT_TRUE(tool->AntiAlias());
    Frame();
}

TEST_F(AntiAliasToolTest, CanvasOwnership) {
    {
        SCOPED_TRACE("tool freed first");
        auto* tool = new TAntiAliasTool(form);
        tool->SetParentChart(chart);
        TCanvas3D* canvas = tool->Canvas();
        delete tool;
        EXPECT_EQ(chart->Canvas(), canvas);
        EXPECT_EQ(static_cast<TAntiAliasCanvas*>(canvas)->ITool, nullptr);
        Frame();
    }
    {
        SCOPED_TRACE("a second tool takes over");
        auto* first = new TAntiAliasTool(form);
        first->SetParentChart(chart);
        auto* second = new TAntiAliasTool(form);
        second->SetParentChart(chart);
        EXPECT_EQ(chart->Canvas(), second->Canvas());
        EXPECT_EQ(first->Canvas(), nullptr);
        EXPECT_FALSE(first->AntiAlias());
        Frame();
        delete first;
        delete second;
        Frame();
    }
    {
        SCOPED_TRACE("chart freed first");
        auto* other = new TChart(nullptr);
        other->SetBounds(0, 0, 200, 100);
        auto* tool = new TAntiAliasTool(nullptr);
        tool->SetParentChart(other);
        std::unique_ptr<TBitmap> image(other->TeeCreateBitmap(clWhite, TRect{0, 0, 200, 100}));
        tool->SetParentChart(nullptr); // the tool outlives the chart
        EXPECT_EQ(other->Canvas(), tool->Canvas());
        delete other;
        EXPECT_EQ(tool->Canvas(), nullptr);
        EXPECT_FALSE(tool->AntiAlias());
        delete tool;
    }
    {
        SCOPED_TRACE("chart freed with its tools");
        auto* other = new TChart(nullptr);
        auto* tool = new TAntiAliasTool(nullptr);
        tool->SetParentChart(other);
        delete other;
    }
    {
        SCOPED_TRACE("moved to another chart");
        auto* tool = new TAntiAliasTool(form);
        tool->SetParentChart(chart);
        TCanvas3D* first = chart->Canvas();
        auto* other = new TChart(form);
        tool->SetParentChart(other);
        EXPECT_EQ(chart->Canvas(), first); // stays with the chart that draws with it
        EXPECT_EQ(other->Canvas(), tool->Canvas());
        EXPECT_NE(first, other->Canvas());
        delete tool;
        delete other;
        Frame();
    }
}

TEST_F(AntiAliasToolTest, FiltersRunOnTheThirtyTwoBitImage) {
    chart->SetColor(TColor(0x203040));
    Frame();
    const TPoint probe{3, 3};
    const TColor plain = Screen(probe.X, probe.Y);
    auto* tool = new TAntiAliasTool(form);
    tool->SetParentChart(chart);
    tool->Filters()->Add(TInvertFilter::StaticClass());
    for (int frame = 0; frame < 2; ++frame) {
        SCOPED_TRACE(frame);
        Frame();
        auto* canvas = dynamic_cast<TTeeCanvas3D*>(chart->Canvas());
        ASSERT_NE(canvas, nullptr);
        ASSERT_NE(canvas->Bitmap(), nullptr);
        EXPECT_EQ(canvas->Bitmap()->Image().depth(), 32);
        EXPECT_NE(canvas->Bitmap()->PixelFormat(), pf24bit);
        EXPECT_EQ(Screen(probe.X, probe.Y), TColor(0xFFFFFF ^ ColorToRGB(plain)));
    }
}

TEST_F(AntiAliasToolTest, StreamsFilterItemsOnlyWhenThereAreAny) {
    auto* tool = new TAntiAliasTool(chart);
    tool->SetName(QStringLiteral("AntiAlias1"));
    tool->SetParentChart(chart);
    chart->SetName(QStringLiteral("Chart1"));
    QByteArray text = writeText(chart);
    EXPECT_TRUE(text.contains("TAntiAliasTool")) << text.toStdString();
    EXPECT_FALSE(text.contains("FilterItems")) << text.toStdString();
    EXPECT_FALSE(text.contains("AntiAlias =")) << text.toStdString();
    tool->SetAntiAlias(false);
    tool->Filters()->Add(TGrayScaleFilter::StaticClass());
    text = writeText(chart);
    EXPECT_TRUE(text.contains("FilterItems")) << text.toStdString();
    EXPECT_TRUE(text.contains("AntiAlias = False")) << text.toStdString();

    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    TAntiAliasTool* read = nullptr;
    for (int i = 0; i < copy->Tools()->Count(); ++i)
        if (auto* t = dynamic_cast<TAntiAliasTool*>(copy->Tools()->Get(i))) read = t;
    ASSERT_NE(read, nullptr);
    EXPECT_FALSE(read->AntiAlias());
    ASSERT_EQ(read->Filters()->Count(), 1);
    EXPECT_TRUE(dynamic_cast<TGrayScaleFilter*>(read->Filters()->Item(0)));
}

TEST(AntiAliasToolTexts, DescriptionsAndGallery) {
    TAntiAliasTool tool(nullptr);
    EXPECT_EQ(tool.Description(), "Anti-Alias");
    EXPECT_EQ(tool.LongDescription(), "Improves display of diagonal and curved lines, removing zig-zag.");
    EXPECT_EQ(tool.GetEditorClass(), "TAntiAliasEditor");
    // After the library's start-up: the gallery offers the tool, the engine knows the
    // canvas class, and chart files find every tool of the library by name.
    EXPECT_GE(TeeToolTypesList()->IndexOf(TAntiAliasTool::StaticClass()), 0);
    EXPECT_EQ(TeeAntiAliasCanvas, TAntiAliasCanvas::StaticClass());
    for (const char* name : {"TDragMarksTool", "TAxisArrowTool", "TDrawLineTool", "TNearestTool", "TAntiAliasTool",
                             "TColorLineTool", "TColorBandTool", "TRotateTool", "TMarksTipTool"})
        EXPECT_NE(GetClass(QString::fromLatin1(name)), nullptr) << name;
}

} // namespace
