// The pie and circled series: slice angles, the other slice, explode, the multi-pie grid,
// drawing (flat, exploded, donut, 3-D, marks with legs), clicks on the slice outlines, and a
// circle kept round on a device whose pixels are not square.
#include "chart/series/PieSeries.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/series/SeriesMarks.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Gdi.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

double Deg(double Radians) {
    return Radians * 180 / std::numbers::pi;
}

// A flat chart of 400 x 300 with pies; Draw paints one frame into a bitmap.
struct PieChart {
    PieChart() {
        chart.SetBounds(0, 0, 400, 300);
        chart.SetView3D(false);
    }
    ~PieChart() {
        for (TPieSeries* p : pies)
            delete p;
    }
    TPieSeries* AddPie(std::vector<double> values) {
        auto* p = new TPieSeries(nullptr);
        p->Marks()->SetVisible(false);
        p->Shadow()->SetVisible(false);
        chart.AddSeries(p);
        TColor colors[] = {clRed, clBlue, clLime, clYellow, clFuchsia, clAqua};
        for (size_t i = 0; i < values.size(); ++i)
            p->Add(values[i], String(), colors[i % 6]);
        pies.push_back(p);
        return p;
    }
    void Draw() {
        target.SetSize(400, 300);
        chart.Draw(target.Canvas(), TRect{0, 0, 400, 300});
    }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    // The pixel at a fraction of the radius along an angle (degrees, counter-clockwise).
    TColor AtAngle(TPieSeries* p, double degrees, double fraction) {
        const double a = degrees * std::numbers::pi / 180;
        return At(p->CircleXCenter() + int(std::lround(std::cos(a) * p->XRadius() * fraction)),
                  p->CircleYCenter() - int(std::lround(std::sin(a) * p->YRadius() * fraction)));
    }
    TChart chart{nullptr};
    std::vector<TPieSeries*> pies;
    TBitmap target;
};

} // namespace

TEST(PieAngles, FollowAbsoluteValuesAngleSizeAndZeros) {
    struct Case {
        std::vector<double> values;
        int angleSize;
        std::vector<double> ends; // degrees
    };
    const Case cases[] = {
        {{10, -10, 20}, 360, {90, 180, 360}},
        {{1, 1}, 180, {90, 180}},
        {{0, 0, 0}, 360, {360, 360, 360}},
    };
    for (const Case& c : cases) {
        PieChart f;
        TPieSeries* p = f.AddPie(c.values);
        p->SetAngleSize(c.angleSize);
        f.Draw();
        ASSERT_EQ(p->Angles().size(), c.values.size());
        for (size_t i = 0; i < c.ends.size(); ++i)
            EXPECT_NEAR(Deg(p->Angles()[i].EndAngle), c.ends[i], 1e-9) << "slice " << i;
    }
}

TEST(PieOtherSlice, GroupsSmallSlicesAndKeepsPercentagesOfTheWholeTotal) {
    PieChart f;
    TPieSeries* p = f.AddPie({50, 45, 3, 2});
    p->OtherSlice()->SetStyle(poBelowPercent);
    p->OtherSlice()->SetValue(10);
    f.Draw();
    ASSERT_EQ(p->Count(), 5);
    EXPECT_EQ(p->XValues()->Value(2), -1);
    EXPECT_EQ(p->XValues()->Value(3), -1);
    EXPECT_EQ(p->XValues()->Value(4), TPieSeries::OtherSliceX);
    EXPECT_EQ(p->YValues()->Value(4), 5);
    EXPECT_EQ(p->XLabel(4), "Other");
    EXPECT_DOUBLE_EQ(p->YValues()->TotalABS(), 100);
    // The grouped slices span nothing; the other slice takes their share.
    EXPECT_NEAR(Deg(p->Angles()[4].EndAngle - p->Angles()[4].StartAngle), 18, 1e-9);
    EXPECT_EQ(p->Angles()[2].StartAngle, p->Angles()[2].EndAngle);

    // The main legend lists the slices drawn, the other slice's legend the grouped ones.
    EXPECT_EQ(p->CountLegendItems(), 3);
    EXPECT_EQ(p->LegendToValueIndex(2), 4);
    p->ILegend = p->OtherSlice()->Legend();
    EXPECT_EQ(p->CountLegendItems(), 2);
    EXPECT_EQ(p->LegendToValueIndex(1), 3);
    p->ILegend = nullptr;

    // A second frame rebuilds the slice once; turning grouping off removes it.
    f.Draw();
    EXPECT_EQ(p->Count(), 5);
    p->OtherSlice()->SetStyle(poNone);
    f.Draw();
    EXPECT_EQ(p->Count(), 4);
    EXPECT_EQ(p->XValues()->Value(3), 3);
}

TEST(PieExplode, OnlyTheCurrentBiggestSliceIsExploded) {
    PieChart f;
    TPieSeries* p = f.AddPie({10, 50, 20});
    p->SetExplodeBiggest(30);
    f.Draw();
    EXPECT_EQ(p->ExplodedSlice()->Value(1), 30);
    p->SetYValue(2, 80);
    f.Draw();
    EXPECT_EQ(p->ExplodedSlice()->Value(1), 0);
    EXPECT_EQ(p->ExplodedSlice()->Value(2), 30);
    // A slice exploded by hand stays as it is.
    p->ExplodedSlice()->SetValue(0, 15);
    p->SetYValue(1, 90);
    f.Draw();
    EXPECT_EQ(p->ExplodedSlice()->Value(0), 15);
    EXPECT_EQ(p->ExplodedSlice()->Value(1), 30);
    EXPECT_EQ(p->ExplodedSlice()->Value(2), 0);
    p->SetExplodeBiggest(0);
    EXPECT_EQ(p->ExplodedSlice()->Value(1), 0);
}

TEST(PieLayout, SeveralPiesShareTheChartInAGrid) {
    struct Case {
        int pies;
        int cols;
        int rows;
    };
    for (const Case c : {Case{4, 2, 2}, Case{9, 3, 4}, Case{5, 2, 3}}) {
        PieChart f;
        for (int i = 0; i < c.pies; ++i)
            f.AddPie({1, 2});
        f.Draw();
        const TRect r = f.chart.ChartRect;
        const int w = (r.Right - r.Left) / c.cols;
        const int h = (r.Bottom - r.Top) / c.rows;
        for (int k = 0; k < c.pies; ++k) {
            TPieSeries* p = f.pies[size_t(k)];
            EXPECT_NEAR(p->CircleXCenter(), r.Left + (k % c.cols) * w + w / 2, 2)
                << c.pies << " pies, #" << k;
            EXPECT_NEAR(p->CircleYCenter(), r.Top + (k / c.cols) * h + h / 2, 2) << c.pies << " pies, #" << k;
        }
    }
    // Disabled, every pie takes the whole rectangle.
    PieChart f;
    f.AddPie({1})->SetMultiPie(mpDisabled);
    f.AddPie({1})->SetMultiPie(mpDisabled);
    f.Draw();
    EXPECT_EQ(f.pies[0]->CircleRect(), f.pies[1]->CircleRect());
}

TEST(PieDrawing, FlatSlicesExplodeAndDonut) {
    PieChart f;
    TPieSeries* p = f.AddPie({1, 1});
    f.Draw();
    // Slice 0 is the upper half (angles run counter-clockwise from three o'clock).
    EXPECT_EQ(f.AtAngle(p, 90, 0.5), clRed);
    EXPECT_EQ(f.AtAngle(p, 270, 0.5), clBlue);
    const TColor back = f.At(f.chart.ChartRect.Left + 2, f.chart.ChartRect.Top + 2);
    EXPECT_EQ(f.AtAngle(p, 45, 1.2), back);

    // Exploded, the upper slice leaves a gap above the centre.
    p->ExplodedSlice()->SetValue(0, 40);
    f.Draw();
    EXPECT_EQ(f.AtAngle(p, 90, 0.1), back);
    EXPECT_EQ(f.AtAngle(p, 90, 0.7), clRed);
    EXPECT_EQ(f.AtAngle(p, 270, 0.5), clBlue);

    // A donut has a hole.
    p->ExplodedSlice()->SetValue(0, 0);
    p->SetDonutPercent(50);
    f.Draw();
    EXPECT_EQ(f.AtAngle(p, 90, 0.2), back);
    EXPECT_EQ(f.AtAngle(p, 90, 0.8), clRed);
    EXPECT_EQ(f.AtAngle(p, 270, 0.8), clBlue);

    // A pie smaller than 5 pixels draws no slices.
    p->SetDonutPercent(0);
    p->SetCustomXRadius(2);
    p->SetCustomYRadius(2);
    f.Draw();
    EXPECT_EQ(f.At(p->CircleXCenter(), p->CircleYCenter() - 1), back);
}

TEST(PieDrawing, ThreeDimensionalSlicesTakeTheChartViewAndGiveItBack) {
    PieChart f;
    f.chart.SetView3D(true);
    f.chart.View3DOptions()->SetElevation(345);
    TPieSeries* p = f.AddPie({1, 1});
    // The pie sets the chart's 3-D options while it is on the chart.
    EXPECT_EQ(f.chart.View3DOptions()->Elevation(), 315);
    p->ExplodedSlice()->SetValue(1, 20);
    f.Draw();
    int red = 0;
    int blue = 0;
    for (int y = 0; y < 300; y += 2)
        for (int x = 0; x < 400; x += 2) {
            const TColor c = f.At(x, y);
            red += c == clRed;
            blue += c == clBlue;
        }
    EXPECT_GT(red, 500);
    EXPECT_GT(blue, 500);
    f.chart.RemoveSeries(p);
    EXPECT_EQ(f.chart.View3DOptions()->Elevation(), 345);
    f.chart.AddSeries(p);
    EXPECT_EQ(f.chart.View3DOptions()->Elevation(), 315);
}

TEST(PieMarks, MarksSitOutsideTheCircleWithLegs) {
    PieChart f;
    TPieSeries* p = f.AddPie({1, 1, 1, 1});
    p->Marks()->SetVisible(true);
    p->PieMarks()->SetLegSize(12);
    f.Draw();
    for (int i = 0; i < 4; ++i) {
        TSeriesMarkPosition* m = p->Marks()->Positions()->Get(i);
        ASSERT_NE(m, nullptr);
        EXPECT_TRUE(m->HasMid);
        // The leg is horizontal and the mark stands clear of the circle.
        EXPECT_EQ(m->MidPoint.Y, m->ArrowTo.Y);
        const double dx = (m->ArrowTo.X - p->CircleXCenter()) / double(p->XRadius());
        const double dy = (m->ArrowTo.Y - p->CircleYCenter()) / double(p->YRadius());
        EXPECT_GT(dx * dx + dy * dy, 1.0) << "mark " << i;
        const bool right = m->ArrowTo.X > p->CircleXCenter();
        EXPECT_EQ(m->LeftTop.X, right ? m->ArrowTo.X : m->ArrowTo.X - m->Width);
        EXPECT_EQ(std::abs(m->ArrowTo.X - m->MidPoint.X) >= 12, true);
    }
    // The circle leaves room for the marks.
    EXPECT_GT(p->CircleRect().Top, f.chart.ChartRect.Top);
}

TEST(PieClicks, ThePolygonOfEachSliceAnswers) {
    PieChart f;
    TPieSeries* p = f.AddPie({1, 1, 2});
    f.Draw();
    const int cx = p->CircleXCenter();
    const int cy = p->CircleYCenter();
    const int r = p->XRadius();
    struct Case {
        double degrees;
        double fraction;
        int expected;
    };
    const Case cases[] = {
        {45, 0.5, 0}, {135, 0.5, 1}, {270, 0.5, 2}, {45, 1.3, -1}, {300, 0.95, 2},
    };
    for (const Case& c : cases) {
        const double a = c.degrees * std::numbers::pi / 180;
        const int x = cx + int(std::lround(std::cos(a) * r * c.fraction));
        const int y = cy - int(std::lround(std::sin(a) * p->YRadius() * c.fraction));
        EXPECT_EQ(p->Clicked(x, y), c.expected) << c.degrees << " degrees";
    }
    // On the edge between slices 0 and 1 the click belongs to one of them, never to none.
    const int edge = p->Clicked(cx, cy - r / 2);
    EXPECT_TRUE(edge == 0 || edge == 1);
    // An exploded slice is found where it is drawn.
    p->ExplodedSlice()->SetValue(2, 50);
    f.Draw();
    const int far = p->CircleYCenter() + int(p->YRadius() * 1.3);
    EXPECT_EQ(p->Clicked(p->CircleXCenter(), far), 2);
}

TEST(CircledSeries, SettingsReachEverySeriesOfTheClassAndAnglesConvert) {
    PieChart f;
    TPieSeries* a = f.AddPie({1});
    TPieSeries* b = f.AddPie({1});
    a->SetCustomXRadius(40);
    EXPECT_EQ(b->CustomXRadius(), 40);
    a->SetCircled(true);
    EXPECT_TRUE(b->Circled());
    EXPECT_EQ(b->CustomXRadius(), 0);
    a->SetRotationAngle(370);
    EXPECT_EQ(a->RotationAngle(), 10);
    a->Rotate(-20);
    EXPECT_EQ(a->RotationAngle(), 350);
    a->SetRotationAngle(0);
    f.Draw();
    int x = 0;
    int y = 0;
    a->AngleToPos(std::numbers::pi / 2, 10, 10, x, y);
    EXPECT_EQ(x, a->CircleXCenter());
    EXPECT_EQ(y, a->CircleYCenter() - 10);
    EXPECT_NEAR(a->PointToAngle(a->CircleXCenter() + 10, a->CircleYCenter() + 10), 7 * std::numbers::pi / 4,
                1e-9);
}

namespace {

// An image whose pixels are twice as wide as they are tall (the chart draws straight onto it).
class TWidePixelImage : public QImage {
public:
    TWidePixelImage(int w, int h) : QImage(w, h, QImage::Format_RGB32) { fill(Qt::white); }

protected:
    int metric(PaintDeviceMetric m) const override {
        if (m == PdmWidthMM) return width() * 2;
        if (m == PdmHeightMM) return height();
        return QImage::metric(m);
    }
};

} // namespace

TEST(CircledSeries, StaysRoundOnADeviceWithNonSquarePixels) {
    PieChart f;
    TPieSeries* p = f.AddPie({1, 1});
    p->SetCircled(true);
    f.chart.SetBufferedDisplay(false);
    TWidePixelImage image(400, 300);
    TCanvas canvas;
    HDC dc = new DeviceContext(static_cast<QPaintDevice*>(&image));
    canvas.SetHandle(dc);
    f.chart.Draw(&canvas, TRect{0, 0, 400, 300});
    canvas.SetHandle(nullptr);
    DeleteDC(dc);
    // The device is 800 x 300 mm over 400 x 300 pixels. Its pixels are taken to be the
    // screen's in number, so the circle's width over its height in pixels is the screen's
    // pixel ratio over the device's physical ratio.
    const double expected = (double(Screen->Width()) / Screen->Height()) / (800.0 / 300.0);
    ASSERT_GT(p->YRadius(), 10);
    EXPECT_NEAR(double(p->XRadius()) / p->YRadius(), expected, 0.03);

    // On the screen's own images the pixels are square: the circle is round in pixels.
    f.chart.SetBufferedDisplay(true);
    f.Draw();
    EXPECT_NEAR(p->XRadius(), p->YRadius(), 1);
}

// Counts the pixels of a colour inside a rectangle of the drawn frame.
int CountIn(PieChart& f, const TRect& R, TColor Colour) {
    int n = 0;
    for (int y = std::max(0, R.Top); y < std::min(300, R.Bottom); ++y)
        for (int x = std::max(0, R.Left); x < std::min(400, R.Right); ++x)
            if (f.At(x, y) == Colour) ++n;
    return n;
}

TEST(PieOtherSlice, OwnLegendListsTheGroupedPointsAfterTheSlices) {
    PieChart f;
    TPieSeries* p = f.AddPie({50, 30, 15, 3, 2});
    p->OtherSlice()->SetStyle(poBelowPercent);
    p->OtherSlice()->SetValue(10);
    const TColor otherColour = TColor(0x2080C0); // a colour nothing else draws
    p->OtherSlice()->SetColor(otherColour);
    // A small pie in the middle leaves the corners to the legends.
    p->SetCustomXRadius(50);
    p->SetCustomYRadius(50);
    EXPECT_FALSE(p->OtherSlice()->HasLegend()) << "made on first use only";
    TChartLegend* own = p->OtherSlice()->Legend();
    EXPECT_FALSE(own->Visible()) << "created hidden";
    EXPECT_EQ(own->Series(), p);
    f.Draw();
    const TRect mainRect = f.chart.Legend()->RectLegend();
    EXPECT_EQ(f.chart.Legend()->TotalLegendItems(), 4) << "three slices and the other slice";
    EXPECT_EQ(CountIn(f, mainRect, clYellow), 0);

    // Shown in the top left corner: its items are the two grouped points, with their
    // colours, and the main legend is unchanged.
    own->SetVisible(true);
    own->SetLeft(10);
    own->SetTop(10);
    f.Draw();
    EXPECT_EQ(p->ILegend, nullptr) << "the series answers for the chart's legend again";
    EXPECT_EQ(own->TotalLegendItems(), 2);
    const TRect ownRect = own->RectLegend();
    EXPECT_LT(ownRect.Right, p->CircleXCenter()) << "on the left of the pie's centre";
    EXPECT_GT(CountIn(f, ownRect, clYellow), 10);
    EXPECT_GT(CountIn(f, ownRect, clFuchsia), 10);
    for (TColor c : {clRed, clBlue, clLime, otherColour})
        EXPECT_EQ(CountIn(f, ownRect, c), 0) << std::hex << c;
    EXPECT_EQ(f.chart.Legend()->TotalLegendItems(), 4);
    EXPECT_GT(CountIn(f, f.chart.Legend()->RectLegend(), otherColour), 10);
    EXPECT_EQ(CountIn(f, f.chart.Legend()->RectLegend(), clYellow), 0);

    // Copied with the pie; a pie without one frees its own.
    TPieSeries copy(nullptr);
    copy.Assign(p);
    ASSERT_TRUE(copy.OtherSlice()->HasLegend());
    EXPECT_TRUE(copy.OtherSlice()->Legend()->Visible());
    EXPECT_EQ(copy.OtherSlice()->Legend()->Series(), &copy);
    TPieSeries plain(nullptr);
    copy.Assign(&plain);
    EXPECT_FALSE(copy.OtherSlice()->HasLegend());
}
