// Chart image, clip series and full-screen tools on a shown chart.
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/pictures/TeePicture.h"
#include "chart/tools/ChartImageTool.h"
#include "chart/tools/FullScreenTool.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/tools/ToolsFixture.h"

#include <QKeyEvent>

namespace {

// ---- image ---------------------------------------------------------------------------------

class ChartImageTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        chart->LeftAxis()->SetMinMax(0, 60);
        series->Clear();
        series->Pointer()->SetVisible(false);
        series->AddXY(0, 5);
        series->AddXY(10, 50);
        TBitmap picture(4, 4);
        picture.Canvas()->Brush()->SetColor(clFuchsia);
        picture.Canvas()->FillRect(TRect{0, 0, 4, 4});
        tool = new TChartImageTool(form);
        tool->SetParentChart(chart);
        tool->SetSeries(series);
        tool->Picture()->SetGraphic(&picture);
        Frame();
    }
    TChartImageTool* tool = nullptr;
};

TEST_F(ChartImageTest, PictureCoversTheSeriesDataAreaAndFollowsAZoom) {
    EXPECT_EQ(tool->ImageRect(), (TRect{X(0), Y(50), X(10), Y(5)}));
    // Inside the data area (away from the line), and just outside it.
    EXPECT_EQ(Screen(X(8), Y(10)), clFuchsia);
    EXPECT_EQ(Screen(X(2), Y(45)), clFuchsia);
    EXPECT_NE(Screen(X(5), Y(50) - 3), clFuchsia);
    EXPECT_NE(Screen(X(5), Y(5) + 3), clFuchsia);
    // Zoomed into x 0..5, y 0..30: the picture stretches with the axes and is clipped to the
    // chart rectangle.
    chart->BottomAxis()->SetMinMax(0, 5);
    chart->LeftAxis()->SetMinMax(0, 30);
    Frame();
    EXPECT_EQ(tool->ImageRect().Left, X(0));
    EXPECT_EQ(Screen(X(4), Y(20)), clFuchsia);
    EXPECT_NE(Screen(X(4), Y(5) + 3), clFuchsia);
    EXPECT_NE(Screen(chart->ChartRect.Right + 3, Y(20)), clFuchsia);
    EXPECT_NE(Screen(X(3), chart->ChartRect.Top - 3), clFuchsia);
}

TEST_F(ChartImageTest, WithoutASeriesTheAxesRangeAndAPenFrame) {
    tool->Pen()->SetVisible(true);
    tool->Pen()->SetColor(clBlue);
    Frame();
    EXPECT_EQ(Screen(X(3), Y(50)), clBlue);
    tool->SetSeries(nullptr);
    series->SetActive(false);
    Frame();
    const TRect r = chart->ChartRect;
    EXPECT_EQ(tool->ImageRect(), (TRect{X(0), Y(60), X(10), Y(0)}));
    EXPECT_EQ(Screen((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), clFuchsia);
}

TEST(ChartImageStreaming, PictureOnlyWhenItHoldsOne) {
    TForm form(nullptr, 0);
    auto* chart = new TChart(&form);
    chart->SetName(QStringLiteral("Chart1"));
    auto* tool = new TChartImageTool(chart);
    tool->SetName(QStringLiteral("Image1"));
    tool->SetParentChart(chart);
    QByteArray text = writeText(chart);
    EXPECT_FALSE(text.contains("Picture")) << text.toStdString();
    TBitmap picture(3, 2);
    picture.Canvas()->SetPixels(1, 1, clRed);
    tool->Picture()->SetGraphic(&picture);
    text = writeText(chart);
    EXPECT_TRUE(text.contains("Picture.Data")) << text.toStdString();
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    ASSERT_EQ(copy->Tools()->Count(), 1);
    auto* read = dynamic_cast<TChartImageTool*>(copy->Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    ASSERT_TRUE(read->HasGraphic());
    EXPECT_EQ(read->Picture()->Graphic()->Width(), 3);
    EXPECT_FALSE(read->Pen()->Visible());
}

// ---- clip series ---------------------------------------------------------------------------

TEST_F(ChartToolsFixture, ClipSeriesEndsASeriesAtItsAxes) {
    chart->SetClipPoints(false);
    series->Clear();
    series->Pointer()->SetVisible(false);
    series->SetSeriesColor(clBlue);
    series->AddXY(-20, 5);
    series->AddXY(30, 5);
    Frame();
    const int y = Y(5);
    const int outside = chart->ChartRect.Right + 5;
    // Unclipped the line runs over the right margin.
    EXPECT_EQ(Screen(outside, y), clBlue);
    auto* clip = new TClipSeriesTool(form);
    clip->SetParentChart(chart);
    Frame();
    EXPECT_EQ(Screen(outside, y), clBlue) << "a clip tool without a series clips nothing";
    clip->SetSeries(series);
    chart->Invalidate();
    Frame();
    EXPECT_NE(Screen(outside, y), clBlue);
    EXPECT_EQ(Screen((chart->ChartRect.Left + chart->ChartRect.Right) / 2, y), clBlue);
    EXPECT_EQ(clip->Description(), "Clip Series");
}

// ---- full screen ---------------------------------------------------------------------------

class FullScreenTest : public ChartToolsFixture {
protected:
    void SetUp() override {
        ChartToolsFixture::SetUp();
        chart->SetBounds(10, 20, 300, 200);
        chart->SetAlign(alNone);
        tool = new TFullScreenTool(form);
        tool->SetParentChart(chart);
        forms = ::Screen->FormCount();
    }
    void Settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    void ExpectRestored() {
        EXPECT_EQ(chart->Parent(), form);
        EXPECT_EQ(chart->BoundsRect(), (TRect{10, 20, 310, 220}));
        EXPECT_EQ(chart->Align(), alNone);
        EXPECT_EQ(tool->FullScreenForm(), nullptr);
        EXPECT_FALSE(tool->Active());
        Settle();
        EXPECT_EQ(::Screen->FormCount(), forms) << "the full-screen form is freed";
    }
    TFullScreenTool* tool = nullptr;
    int forms = 0;
};

TEST_F(FullScreenTest, OnPutsTheChartOnAFullScreenFormAndEscapeBringsItBack) {
    EXPECT_FALSE(tool->Active());
    tool->SetActive(true);
    TCustomForm* full = tool->FullScreenForm();
    ASSERT_NE(full, nullptr);
    Settle();
    EXPECT_EQ(chart->Parent(), full);
    EXPECT_TRUE(full->FullScreen());
    EXPECT_EQ(full->BorderStyle(), bsNone);
    EXPECT_EQ(chart->BoundsRect(), (TRect{0, 0, full->ClientWidth(), full->ClientHeight()}));
    EXPECT_EQ(::Screen->FormCount(), forms + 1);
    // Another key does nothing; the release key ends full screen.
    QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(full->Widget(), &other);
    EXPECT_TRUE(tool->Active());
    QKeyEvent escape(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(full->Widget(), &escape);
    ExpectRestored();
}

TEST_F(FullScreenTest, ClosingTheFormRestoresTheChartAndFreesTheForm) {
    chart->SetAlign(alClient);
    const TRect clientBounds = chart->BoundsRect();
    tool->SetActive(true);
    ASSERT_NE(tool->FullScreenForm(), nullptr);
    EXPECT_EQ(chart->Align(), alNone);
    tool->FullScreenForm()->Close();
    EXPECT_EQ(chart->Parent(), form);
    EXPECT_EQ(chart->Align(), alClient);
    EXPECT_EQ(chart->BoundsRect(), clientBounds);
    EXPECT_FALSE(tool->Active());
    Settle();
    EXPECT_EQ(::Screen->FormCount(), forms);
    // Again, and switched off by the program this time.
    tool->SetActive(true);
    EXPECT_EQ(::Screen->FormCount(), forms + 1);
    tool->SetActive(false);
    EXPECT_EQ(chart->Parent(), form);
    Settle();
    EXPECT_EQ(::Screen->FormCount(), forms);
}

TEST_F(FullScreenTest, DestroyingTheToolWhileFullScreenRestoresTheChart) {
    tool->SetActive(true);
    ASSERT_NE(tool->FullScreenForm(), nullptr);
    delete tool;
    tool = nullptr;
    EXPECT_EQ(chart->Parent(), form);
    EXPECT_EQ(chart->BoundsRect(), (TRect{10, 20, 310, 220}));
    Settle();
    EXPECT_EQ(::Screen->FormCount(), forms);
}

TEST(FullScreenStreaming, ActiveOffAndEscapeAreDefaults) {
    TForm form(nullptr, 0);
    auto* chart = new TChart(&form);
    chart->SetName(QStringLiteral("Chart1"));
    auto* tool = new TFullScreenTool(chart);
    tool->SetName(QStringLiteral("Full1"));
    tool->SetParentChart(chart);
    QByteArray text = writeText(chart);
    EXPECT_FALSE(text.contains("Active")) << text.toStdString();
    EXPECT_FALSE(text.contains("ReleaseKey")) << text.toStdString();
    tool->SetReleaseKey(122);
    text = writeText(chart);
    EXPECT_TRUE(text.contains("ReleaseKey = 122")) << text.toStdString();
    TForm other(nullptr, 0);
    auto* copy = new TChart(&other);
    readText(text, copy);
    ASSERT_EQ(copy->Tools()->Count(), 1);
    auto* read = dynamic_cast<TFullScreenTool*>(copy->Tools()->Get(0));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->ReleaseKey(), 122);
    EXPECT_FALSE(read->Active());
    EXPECT_EQ(read->GetEditorClass(), String());
}

} // namespace
