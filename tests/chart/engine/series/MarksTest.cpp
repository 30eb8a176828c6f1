// Series marks: size and place of a mark, stored positions, anti-overlap, the arrow
// length, text output, hit test, copying, and the stored "Items" block.
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/series/Margins.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/series/SeriesPointer.h"
#include "platform/classes/StringList.h"
#include "tests/chart/engine/CanvasTestSupport.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/engine/series/SeriesTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Publishes marks with no series, as a series does.
class TMarksHolder : public TComponent {
    ORVO_CLASS(TMarksHolder, TComponent)
public:
    explicit TMarksHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TSeriesMarks* Marks() { return &FMarks; }

private:
    TSeriesMarks FMarks;
};
ORVO_IMPLEMENT_CLASS(TMarksHolder, TComponent)
ORVO_PUBLISHED(TMarksHolder) {
    P.Property("Marks", &TMarksHolder::Marks);
}

// Records the texts handed to the canvas.
class TTextCanvas : public TRecordingCanvas {
public:
    struct Text {
        int x, y;
        String text;
        double angle;
        int align;
        bool operator==(const Text&) const = default;
    };
    void RotateLabel(int x, int y, const String& St, double RotDegree) override {
        texts.push_back({x, y, St, RotDegree, GetTextAlign()});
    }
    std::vector<Text> texts;
};

void At(TSeriesMarkPosition& p, int Left, int Top, int Width, int Height) {
    p.LeftTop = {Left, Top};
    p.Width = Width;
    p.Height = Height;
    p.ArrowTo = p.ArrowFrom = {Left + Width / 2, Top + Height};
}

struct ChartMarks : ::testing::Test {
    ChartMarks() {
        canvas = new TTextCanvas();
        DrawInto(canvas, target, 400, 300, &chart);
        chart.AddSeries(&series);
        marks = series.Marks();
        marks->Margins()->SetUnits(maPixels);
        marks->Margins()->SetLeft(4);
        marks->Margins()->SetRight(6);
        marks->Margins()->SetTop(1);
        marks->Margins()->SetBottom(1);
    }
    ~ChartMarks() override { chart.RemoveSeries(&series); }
    int FontHeight() { return chart.Canvas()->FontHeight(); }

    TBitmap target;
    TSeriesTestChart chart;
    TTextCanvas* canvas = nullptr;
    TChartSeries series{nullptr};
    TSeriesMarks* marks = nullptr;
};

TEST_F(ChartMarks, SizeAndPlaceFromTheTextMarginsAndFrame) {
    TSeriesMarkPosition p;
    series.CalculateMarkPosition(marks, "Hello", 100, 80, &p);
    const int w = chart.Canvas()->TextWidth("Hello");
    const int h = FontHeight();
    // Margins 4 + 6 and 1 + 1; a visible pen one pixel wide adds nothing.
    EXPECT_EQ(p.Width, w + 10);
    EXPECT_EQ(p.Height, h + 2);
    EXPECT_EQ(p.ArrowTo, (TPoint{100, 80}));
    EXPECT_EQ(p.ArrowFrom, (TPoint{100, 80}));
    EXPECT_EQ(p.LeftTop.X, 100 - p.Width / 2);
    EXPECT_EQ(p.LeftTop.Y, 80 - p.Height + 1);

    marks->Pen()->SetVisible(false);
    series.CalculateMarkPosition(marks, String("a") + QChar(TeeLineSeparator) + "Hello", 100, 80, &p);
    EXPECT_EQ(p.Width, w + 11);
    EXPECT_EQ(p.Height, 2 * h + 3);

    // A visible symbol adds the font height less 4.
    marks->Symbol()->SetVisible(true);
    series.CalculateMarkPosition(marks, "Hello", 100, 80, &p);
    EXPECT_EQ(p.Width, w + 11 + h - 4);
    EXPECT_EQ(marks->Symbol()->ShapeBounds.Left, p.LeftTop.X + 2);
    EXPECT_EQ(marks->Symbol()->ShapeBounds.Top, p.LeftTop.Y + 2);
}

TEST_F(ChartMarks, TextLinesAlignedInsideTheMargins) {
    const TRect r{10, 20, 110, 60};
    const String text = String("a") + QChar(TeeLineSeparator) + "b";
    const int h = FontHeight();
    marks->Margins()->Calculate(0, 0, h);
    marks->Pen()->SetWidth(3); // lines move down by (3 - 1) div 2

    struct Case {
        TAlignment align;
        int x;
        int flag;
    };
    for (const Case& k : {Case{taLeftJustify, 14, int(TA_LEFT)}, Case{taCenter, 59, int(TA_CENTER)},
                          Case{taRightJustify, 104, int(TA_RIGHT)}}) {
        canvas->texts.clear();
        marks->SetTextAlign(k.align);
        marks->DrawText(r, text);
        const std::vector<TTextCanvas::Text> expected = {{k.x, 22, "a", 0, k.flag},
                                                         {k.x, 22 + h, "b", 0, k.flag}};
        EXPECT_EQ(canvas->texts, expected) << int(k.align);
    }

    // Turned by 90 degrees, lines move along the turned axis from the centre.
    canvas->texts.clear();
    marks->SetTextAlign(taCenter);
    marks->SetAngle(90);
    marks->DrawText(r, text);
    const int cx = 59, cy = 40;
    ASSERT_EQ(canvas->texts.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        const int c = k * h + cy - r.Bottom - 1 + 1;
        EXPECT_EQ(canvas->texts[k].x, cx + c + 1);
        EXPECT_EQ(canvas->texts[k].y, cy);
        EXPECT_EQ(canvas->texts[k].angle, 90);
    }
}

TEST_F(ChartMarks, DrawnMarkRecordsItsPlaceAndHitsThere) {
    series.Add(5);
    series.Add(7);
    marks->SetVisible(true);
    marks->SetStyle(smsValue);
    marks->SetDrawEvery(2);
    TSeriesMarkPosition p;
    series.CalculateMarkPosition(marks, series.GetMarkText(0), 100, 80, &p);
    series.DrawMark(0, series.GetMarkText(0), &p);
    ASSERT_FALSE(canvas->texts.empty());
    EXPECT_EQ(canvas->texts[0].text, "5");
    const TSeriesMarkPosition* stored = marks->Positions()->Get(0);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->LeftTop, p.LeftTop);
    EXPECT_FALSE(stored->Custom);
    EXPECT_EQ(marks->Clicked(100, 80), 0);
    EXPECT_EQ(marks->Clicked(100, 82), -1);
}

TEST_F(ChartMarks, TextWidthIsTheWidestLine) {
    series.Add(1, String("ab") + QChar(TeeLineSeparator) + "abcdef");
    EXPECT_EQ(marks->TextWidth(0), chart.Canvas()->TextWidth("abcdef"));
}

TEST(Marks, TextsOfItemsAndOfTheMultiLinePercentOfTotal) {
    TChartSeries s(nullptr);
    s.Add(1);
    s.Add(1);
    s.Marks()->SetStyle(smsPercentTotal);
    s.Marks()->SetMultiLine(true);
    EXPECT_EQ(s.GetMarkText(0), "50 %\rof 2");
    // An item's own text wins over the style, less its last line break.
    s.Marks()->Items()->Item(1)->Text()->SetText("abc\r\n");
    EXPECT_EQ(s.GetMarkText(1), "abc");
}

TEST(Marks, StoredPositionsRecordUnlessCustom) {
    TSeriesMarks marks;
    TSeriesMarkPosition drawn;
    At(drawn, 10, 10, 20, 8);
    marks.UsePosition(2, &drawn);
    ASSERT_NE(marks.Positions()->Get(2), nullptr);
    EXPECT_EQ(marks.Positions()->Get(2)->LeftTop, (TPoint{10, 10}));
    EXPECT_FALSE(marks.Positions()->Get(2)->Custom);

    // The user placed the mark: the stored place wins, the arrow start too unless fixed.
    TSeriesMarkPosition user;
    At(user, 50, 60, 20, 8);
    user.ArrowFrom = {1, 1};
    marks.Positions()->Put(2, &user);
    TSeriesMarkPosition again;
    At(again, 10, 10, 20, 8);
    marks.UsePosition(2, &again);
    EXPECT_EQ(again.LeftTop, (TPoint{50, 60}));
    EXPECT_EQ(again.ArrowFrom, (TPoint{1, 1}));
    EXPECT_TRUE(again.Custom);

    marks.Positions()->Get(2)->ArrowFix = true;
    TSeriesMarkPosition fixed;
    At(fixed, 10, 10, 20, 8);
    marks.UsePosition(2, &fixed);
    EXPECT_EQ(fixed.LeftTop, (TPoint{50, 60}));
    EXPECT_EQ(fixed.ArrowFrom, (TPoint{20, 18}));

    marks.ResetPositions();
    EXPECT_FALSE(marks.Positions()->ExistCustom());
}

TEST(Marks, AntiOverlapStacksMarksWithTouchingEdges) {
    TSeriesMarks marks;
    marks.Pen()->SetVisible(false);
    marks.Shadow()->SetSize(0);
    TSeriesMarkPosition first;
    At(first, 10, 50, 30, 12);
    marks.UsePosition(0, &first);

    // Same place: the later mark goes below the earlier one.
    TSeriesMarkPosition same;
    At(same, 10, 50, 30, 12);
    marks.AntiOverlap(0, 1, &same);
    EXPECT_EQ(same.LeftTop.Y, 62);
    EXPECT_EQ(same.ArrowTo.Y, 50 + 12 + 12);

    // Starting above the earlier one: it rises until it sits on top.
    TSeriesMarkPosition above;
    At(above, 20, 45, 30, 12);
    above.HasMid = true;
    above.MidPoint = {0, 100};
    marks.AntiOverlap(0, 1, &above);
    EXPECT_EQ(above.LeftTop.Y, 38);
    EXPECT_EQ(above.MidPoint.Y, 93);

    // Apart: unchanged.
    TSeriesMarkPosition apart;
    At(apart, 100, 50, 30, 12);
    marks.AntiOverlap(0, 1, &apart);
    EXPECT_EQ(apart.LeftTop.Y, 50);

    // The shadow widens the bounds on the side it falls.
    marks.Shadow()->SetSize(3);
    TSeriesMarkPosition shadowed;
    At(shadowed, 10, 62, 30, 12);
    marks.AntiOverlap(0, 1, &shadowed);
    EXPECT_EQ(shadowed.LeftTop.Y, 65);
}

TEST(Marks, ArrowLengthRaisesTheMark) {
    TSeriesMarks marks;
    EXPECT_EQ(marks.ArrowLength(), 8);
    EXPECT_FALSE(marks.HasCallout());
    marks.SetArrowLength(10);
    marks.Callout()->SetDistance(3);
    TSeriesMarkPosition p;
    At(p, 10, 50, 30, 12);
    marks.ApplyArrowLength(&p);
    EXPECT_EQ(p.LeftTop.Y, 37);
    EXPECT_EQ(p.ArrowTo.Y, 62 - 13);
    EXPECT_EQ(p.ArrowFrom.Y, 62 - 3);
}

// Margins, pen width, arrow length and distance can be any int a chart file holds: the mark's
// size and place stay within the pixel limit instead of overflowing.
TEST_F(ChartMarks, ExtremeSizesAndOffsetsStayWithinThePixelLimit) {
    marks->Margins()->SetLeft(INT_MAX);
    marks->Margins()->SetRight(INT_MAX);
    marks->Margins()->SetTop(INT_MIN);
    marks->Margins()->SetBottom(INT_MIN);
    marks->Pen()->SetWidth(INT_MAX);
    TSeriesMarkPosition p;
    series.CalculateMarkPosition(marks, "Hello", TeePixelLimit, -TeePixelLimit, &p);
    EXPECT_EQ(p.Width, TeePixelLimit);
    EXPECT_GE(p.Height, 0);
    EXPECT_LE(p.Height, TeePixelLimit);
    for (int length : {INT_MAX, INT_MIN}) {
        marks->SetArrowLength(length);
        marks->Callout()->SetDistance(length);
        TSeriesMarkPosition q;
        q.Assign(&p);
        marks->ApplyArrowLength(&q);
        for (int y : {q.LeftTop.Y, q.ArrowTo.Y, q.ArrowFrom.Y}) {
            EXPECT_LE(y, TeePixelLimit) << length;
            EXPECT_GE(y, -TeePixelLimit) << length;
        }
    }
}

TEST(Marks, ClickedHonoursDrawEveryAndTheDrawingAngle) {
    TSeriesMarks marks;
    for (int i = 0; i < 4; ++i) {
        TSeriesMarkPosition p;
        At(p, 0, 100 * i, 40, 10);
        marks.UsePosition(i, &p);
    }
    EXPECT_EQ(marks.Clicked(0, 100), 1);
    EXPECT_EQ(marks.Clicked(40, 110), 1); // edges included
    EXPECT_EQ(marks.Clicked(41, 110), -1);
    marks.SetDrawEvery(2);
    EXPECT_EQ(marks.Clicked(5, 105), -1);
    EXPECT_EQ(marks.Clicked(5, 205), 2);

    // A wide mark turned upright: hit where it is drawn, whatever the sign of the angle.
    struct Case {
        int angle;
        int hitOnTheSide, hitAbove;
    };
    for (const Case& k : {Case{0, 2, -1}, Case{90, -1, 2}, Case{-90, -1, 2}, Case{450, -1, 2}}) {
        marks.SetAngle(k.angle);
        EXPECT_EQ(marks.Clicked(2, 205), k.hitOnTheSide) << k.angle;
        EXPECT_EQ(marks.Clicked(20, 191), k.hitAbove) << k.angle;
    }
}

TEST(Marks, AssignCopiesCalloutSymbolItemsAndAlignment) {
    TSeriesMarks a;
    a.SetAngle(30);
    a.SetTextAlign(taLeftJustify);
    a.SetArrowLength(14);
    a.Symbol()->SetVisible(true);
    a.Items()->Item(2)->SetColor(clRed);
    a.Items()->Item(2)->Text()->SetText("x");
    TSeriesMarks b;
    b.Assign(&a);
    EXPECT_EQ(b.Angle(), 30);
    EXPECT_EQ(b.TextAlign(), taLeftJustify);
    EXPECT_EQ(b.ArrowLength(), 14);
    ASSERT_TRUE(b.HasSymbol());
    EXPECT_TRUE(b.Symbol()->Visible());
    ASSERT_EQ(b.Items()->Count(), 3);
    EXPECT_EQ(b.Items()->Get(2)->Color(), clRed);
    EXPECT_EQ(b.Items()->Get(2)->Text()->Strings(0), "x");

    TSeriesMarks plain;
    b.Assign(&plain);
    EXPECT_FALSE(b.HasSymbol());
    EXPECT_FALSE(b.HasCallout());
}

TEST(Marks, DefaultsOfTheMarksTheirGradientAndSymbol) {
    TSeriesMarks m;
    EXPECT_FALSE(m.Visible());
    EXPECT_EQ(m.Color(), TSeriesMarks::DefaultColor);
    EXPECT_EQ(m.BackColor(), TSeriesMarks::DefaultColor);
    EXPECT_EQ(m.TextAlign(), taCenter);
    EXPECT_EQ(m.Shadow()->Color(), TColor(0x808080));
    EXPECT_EQ(m.Shadow()->Size(), 3);
    EXPECT_EQ(m.Gradient()->Direction(), gdRightLeft);
    EXPECT_EQ(m.Gradient()->StartColor(), clSilver);
    EXPECT_EQ(m.Gradient()->EndColor(), clWhite);
    EXPECT_FALSE(m.Symbol()->Visible());
    EXPECT_FALSE(m.Symbol()->ShouldDraw());
    EXPECT_EQ(m.Symbol()->Shadow()->Size(), 1);
    EXPECT_EQ(m.Items()->Item(0)->Color(), TSeriesMarks::DefaultColor);
    EXPECT_THROW(m.Items()->Item(-1), EListError);
}

TEST(Marks, ItemsAndCalloutRoundTripThroughTheStream) {
    TMarksHolder a(nullptr);
    a.SetName("Holder");
    EXPECT_FALSE(writeText(&a).contains("Items"));
    a.Marks()->Items()->Item(1)->Text()->SetText("abc");
    a.Marks()->Items()->Item(1)->SetColor(clRed);
    a.Marks()->Items()->Item(3)->Font()->SetSize(14);
    a.Marks()->SetArrowLength(20);
    a.Marks()->SetTextAlign(taRightJustify);
    const QByteArray text = writeText(&a);
    EXPECT_TRUE(text.contains("Items")) << text.toStdString();

    TMarksHolder b(nullptr);
    readText(text, &b);
    TMarksItems* items = b.Marks()->Items();
    ASSERT_EQ(items->Count(), 4);
    EXPECT_TRUE(items->ILoadingCustom);
    ASSERT_NE(items->Get(0), nullptr);
    EXPECT_FALSE(items->Get(0)->HasText());
    EXPECT_EQ(items->Get(1)->Text()->Strings(0), "abc");
    EXPECT_EQ(items->Get(1)->Color(), clRed);
    EXPECT_EQ(items->Get(3)->Font()->Size(), 14);
    EXPECT_EQ(b.Marks()->ArrowLength(), 20);
    EXPECT_EQ(b.Marks()->TextAlign(), taRightJustify);
    // Written again, the same text.
    EXPECT_EQ(writeText(&b), text);
}

TEST(Marks, DamagedItemsBlocksRaiseTheReadError) {
    const char* blocks[] = {
        "",                           // no count
        "010000",                     // a short count
        "FFFFFFFF",                   // negative
        "FFFFFF7F",                   // far more items than bytes
        "02000000",                   // items promised, none there
        "020000000100",               // the second item missing
        "0100000001",                 // a list without its end
        "01000000010643006F6C6F7202", // a property cut short
    };
    for (const char* hex : blocks) {
        TMarksHolder h(nullptr);
        const QByteArray text =
            QByteArray("object Holder: TMarksHolder\n  Marks.Items = {") + hex + "}\nend\n";
        EXPECT_THROW(readText(text, &h), EReadError) << hex;
        EXPECT_LE(h.Marks()->Items()->Count(), 2) << hex;
    }
}

} // namespace
