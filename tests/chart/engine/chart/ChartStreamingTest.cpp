// Every published property of a chart, its axes, titles, series and pages stored in a form
// and read back: a chart set away from every default comes back the same, a default chart
// writes none of them, and the pictures of a back image, a brush and a font come back.
#include "LayoutTestSupport.h"
#include "ToolTestSupport.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/pictures/TeePicture.h"
#include "chart/engine/series/SeriesGroups.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Bitmap.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>

// A form that holds one handler for each event type a chart, a series or an axis offers.
class TChartStoreForm : public TForm {
    ORVO_CLASS(TChartStoreForm, TForm)
public:
    explicit TChartStoreForm(TComponent* AOwner) : TForm(AOwner) {}
    // The chart and its series go while the form is still this form: their removal events call
    // its handlers.
    ~TChartStoreForm() override { DestroyComponents(); }
    void Notify(TObject*) {}
    void SeriesNotify(TCustomChartSeries*) {}
    void AllowScroll(TChartAxis*, double&, double&, bool&) {}
    void ClickAxis(TCustomChart*, TChartAxis*, TMouseButton, TShiftState, int, int) {}
    void ChartClick(TCustomChart*, TMouseButton, TShiftState, int, int) {}
    void ClickSeries(TCustomChart*, TChartSeries*, int, TMouseButton, TShiftState, int, int) {}
    void ClickTitle(TCustomChart*, TChartTitle*, TMouseButton, TShiftState, int, int) {}
    void GetAxisLabel(TChartAxis*, TChartSeries*, int, String&) {}
    void GetNextAxisLabel(TChartAxis*, int, double&, bool&) {}
    void GetLegendPos(TCustomChart*, int, int&, int&, int&) {}
    void GetLegendRect(TCustomChart*, TRect&) {}
    void GetLegendText(TCustomAxisPanel*, TLegendStyle, int, String&) {}
    void BeforePrint(TCustomTeePanel*, TCanvas*, const TRect&) {}
    void AfterAdd(TChartSeries*, int) {}
    void BeforeAdd(TChartSeries*, bool&) {}
    void ClearValues(TChartSeries*) {}
    void SeriesClick(TChartSeries*, int, TMouseButton, TShiftState, int, int) {}
    void MarkText(TChartSeries*, int, String&) {}
    void DrawLabel(TChartAxis*, int&, int&, int&, String&, bool&) {}
};

ORVO_IMPLEMENT_CLASS(TChartStoreForm, TForm)

ORVO_PUBLISHED(TChartStoreForm) {
    using F = TChartStoreForm;
    P.Method("Notify", &F::Notify);
    P.Method("SeriesNotify", &F::SeriesNotify);
    P.Method("AllowScroll", &F::AllowScroll);
    P.Method("ClickAxis", &F::ClickAxis);
    P.Method("ChartClick", &F::ChartClick);
    P.Method("ClickSeries", &F::ClickSeries);
    P.Method("ClickTitle", &F::ClickTitle);
    P.Method("GetAxisLabel", &F::GetAxisLabel);
    P.Method("GetNextAxisLabel", &F::GetNextAxisLabel);
    P.Method("GetLegendPos", &F::GetLegendPos);
    P.Method("GetLegendRect", &F::GetLegendRect);
    P.Method("GetLegendText", &F::GetLegendText);
    P.Method("BeforePrint", &F::BeforePrint);
    P.Method("AfterAdd", &F::AfterAdd);
    P.Method("BeforeAdd", &F::BeforeAdd);
    P.Method("ClearValues", &F::ClearValues);
    P.Method("SeriesClick", &F::SeriesClick);
    P.Method("MarkText", &F::MarkText);
    P.Method("DrawLabel", &F::DrawLabel);
}

namespace {

struct FreeForm {
    void operator()(TForm* F) const { delete F; }
};
using FormPtr = std::unique_ptr<TChartStoreForm, FreeForm>;

FormPtr newForm() {
    RegisterClasses({TChartStoreForm::StaticClass(), TTestBoxSeries::StaticClass()});
    auto* form = new TChartStoreForm(nullptr);
    form->SetName(QStringLiteral("StoreForm"));
    return FormPtr(form);
}

TChart* addChart(TChartStoreForm* Form) {
    auto* chart = new TChart(Form);
    chart->SetName(QStringLiteral("Chart1"));
    chart->SetParent(Form);
    return chart;
}

// A 4 x 3 bitmap with a distinct colour in each corner.
void fillPicture(TPicture* Picture, TColor Corner) {
    TBitmap* b = Picture->Bitmap();
    b->SetSize(4, 3);
    b->Canvas()->Brush()->SetColor(clWhite);
    b->Canvas()->FillRect(TRect{0, 0, 4, 3});
    b->Canvas()->SetPixels(0, 0, Corner);
    b->Canvas()->SetPixels(3, 2, clBlue);
}

// Sets a framed shape of the axis family away from each of its defaults.
template <class Shape> void setShape(Shape* S, TColor Colour) {
    S->SetBevel(bvRaised);
    S->SetBevelWidth(4);
    S->SetColor(Colour);
    S->Font()->SetColor(clRed);
    S->Gradient()->SetVisible(true);
    fillPicture(S->Picture(), Colour);
    S->Shadow()->SetSize(5);
    S->SetShapeStyle(fosRoundRectangle);
    S->SetTransparency(30);
    S->SetTransparent(false);
}

// Every published property of the chart, its parts, a custom axis on the other side, two
// series (one fed by the other), a group and the events, each away from its default.
void setEverything(TChartStoreForm* F, TChart* C) {
    C->SetAllowPanning(pmVertical);
    C->SetAxisBehind(false);
    C->SetAxisVisible(false);
    fillPicture(C->BackImage(), clRed);
    C->BackImage()->SetInside(true);
    C->BackImage()->SetMode(pbmTile);
    C->BackImage()->SetLeft(7);
    C->BackImage()->SetTop(9);
    C->SetBackImageTransp(true);
    C->BackWall()->SetColor(clYellow);
    C->BackWall()->Brush()->SetStyle(bsCross);
    fillPicture(C->BackWall()->Brush()->Image(), clLime);
    C->SetBevelInner(bvLowered);
    C->SetBevelOuter(bvNone);
    C->SetBevelWidth(3);
    C->Border()->SetVisible(true);
    C->SetBorderRound(6);
    C->SetBufferedDisplay(false);
    C->SetChart3DPercent(33);
    C->SetClipPoints(false);
    C->SetPanelColor(clWhite);
    C->Foot()->SetCaption(QStringLiteral("foot"));
    C->Gradient()->SetVisible(true);
    C->LeftAxis()->SetInverted(true);
    C->LeftAxis()->OnDrawLabel = TAxisDrawLabelEvent(F, &TChartStoreForm::DrawLabel);
    C->LeftAxis()->Title()->SetCaption(QStringLiteral("Volts"));
    C->LeftAxis()->Title()->SetAngle(45);
    setShape(C->LeftAxis()->Title(), clAqua);
    C->LeftAxis()->Title()->Brush()->SetStyle(bsBDiagonal);
    C->LeftAxis()->Title()->Pen()->SetWidth(3);
    C->LeftAxis()->Title()->SetRoundSize(9);
    C->LeftAxis()->Title()->Font()->SetName(QStringLiteral("Courier New"));
    fillPicture(C->LeftAxis()->Title()->Font()->Picture(), clFuchsia);
    C->Legend()->SetAlignment(laLeft);
    C->SetMarginBottom(1);
    C->SetMarginLeft(2);
    C->SetMarginRight(5);
    C->SetMarginTop(6);
    C->SetMarginUnits(muPixels);
    C->SetMonochrome(true);
    C->Pages()->SetAutoScale(true);
    C->Pages()->SetScaleLastPage(false);
    C->SetMaxPointsPerPage(4);
    C->SetPrintProportional(false);
    C->SetPrintResolution(-40);
    C->SetScrollMouseButton(mbMiddle);
    C->Shadow()->SetSize(4);
    C->SubFoot()->SetCaption(QStringLiteral("sub foot"));
    C->SubTitle()->SetCaption(QStringLiteral("sub title"));
    C->Title()->SetCaption(QStringLiteral("title"));
    C->SetView3D(false);
    C->SetView3DWalls(false);
    C->Zoom()->SetAllow(false);

    auto* custom = new TChartAxis(C->CustomAxes());
    custom->SetHorizontal(true);
    custom->SetOtherSide(true);
    custom->Title()->SetCaption(QStringLiteral("rpm"));
    setShape(custom->Title(), clSilver);

    auto* source = new TTestBoxSeries(F);
    source->SetName(QStringLiteral("Source"));
    C->AddSeries(source);
    auto* fed = new TTestBoxSeries(F);
    fed->SetName(QStringLiteral("Fed"));
    C->AddSeries(fed);
    fed->SetDataSource(source);
    source->SetTitle(QStringLiteral("Map"));
    const TNotifyEvent notify(F, &TChartStoreForm::Notify);
    source->AfterDrawValues = notify;
    source->BeforeDrawValues = notify;
    source->OnMouseEnter = notify;
    source->OnMouseLeave = notify;
    source->OnClearValues = TSeriesOnClear(F, &TChartStoreForm::ClearValues);
    source->OnAfterAdd = TSeriesOnAfterAdd(F, &TChartStoreForm::AfterAdd);
    source->OnBeforeAdd = TSeriesOnBeforeAdd(F, &TChartStoreForm::BeforeAdd);
    source->OnClick = TSeriesClick(F, &TChartStoreForm::SeriesClick);
    source->OnGetMarkText = TSeriesOnGetMarkText(F, &TChartStoreForm::MarkText);
    C->SeriesList()->AddGroup(QStringLiteral("Maps"))->Series()->Add(source);

    C->OnAddSeries = TSeriesNotifyEvent(F, &TChartStoreForm::SeriesNotify);
    C->OnRemoveSeries = TSeriesNotifyEvent(F, &TChartStoreForm::SeriesNotify);
    C->OnAfterDraw = notify;
    C->OnBeforeDrawAxes = notify;
    C->OnBeforeDrawChart = notify;
    C->OnBeforeDrawSeries = notify;
    C->OnPageChange = notify;
    C->OnScroll = notify;
    C->OnUndoZoom = notify;
    C->OnZoom = notify;
    C->OnAllowScroll = TChartAllowScrollEvent(F, &TChartStoreForm::AllowScroll);
    C->OnBeforePrint = TTeePrintEvent(F, &TChartStoreForm::BeforePrint);
    C->OnClickAxis = TChartClickAxis(F, &TChartStoreForm::ClickAxis);
    C->OnClickBackground = TChartClick(F, &TChartStoreForm::ChartClick);
    C->OnClickLegend = TChartClick(F, &TChartStoreForm::ChartClick);
    C->OnClickSeries = TChartClickSeries(F, &TChartStoreForm::ClickSeries);
    C->OnClickTitle = TChartClickTitle(F, &TChartStoreForm::ClickTitle);
    C->OnGetAxisLabel = TAxisOnGetLabel(F, &TChartStoreForm::GetAxisLabel);
    C->OnGetNextAxisLabel = TAxisOnGetNextLabel(F, &TChartStoreForm::GetNextAxisLabel);
    C->OnGetLegendPos = TOnGetLegendPos(F, &TChartStoreForm::GetLegendPos);
    C->OnGetLegendRect = TOnGetLegendRect(F, &TChartStoreForm::GetLegendRect);
    C->OnGetLegendText = TOnGetLegendText(F, &TChartStoreForm::GetLegendText);
}

FormPtr readBack(const QByteArray& Text) {
    FormPtr form = newForm();
    ComponentFromText(Text, form.get());
    return form;
}

TChart* chartOf(TChartStoreForm* F) {
    return dynamic_cast<TChart*>(F->FindComponent(QStringLiteral("Chart1")));
}

TEST(ChartStreaming, DefaultChartWritesNoneOfItsProperties) {
    FormPtr form = newForm();
    addChart(form.get());
    const QByteArray text = ComponentToText(form.get());
    const int start = text.indexOf("object Chart1: TChart");
    ASSERT_GE(start, 0) << text.toStdString();
    const QByteArray chart = text.mid(start);
    // Only the control's place and the tab order: no chart property, no picture.
    for (const char* name : {"AllowPanning",    "BackImage", "BackColor",  "Bevel",      "Border",
                             "BufferedDisplay", "Margin",    "Monochrome", "Pages",      "MaxPointsPerPage",
                             "Print",           "Shadow",    "Gradient",   "CustomAxes", "SeriesGroups",
                             "Frame",           "Title",     "Axis",       "Wall",       "Legend",
                             "View3D",          "Zoom",      "On",         "Data"})
        EXPECT_FALSE(chart.contains(name)) << name << " in\n" << chart.toStdString();
}

TEST(ChartStreaming, EveryPropertySetAwayFromItsDefaultRoundTrips) {
    FormPtr form = newForm();
    TChart* chart = addChart(form.get());
    setEverything(form.get(), chart);
    const QByteArray text = ComponentToText(form.get());

    FormPtr copy = readBack(text);
    // The chart's own part, from its first chart property on (the form and the control
    // basics above it are the class library's).
    auto chartPart = [](const QByteArray& Text) {
        return Text.mid(Text.indexOf("    AllowPanning")).toStdString();
    };
    ASSERT_GE(text.indexOf("    AllowPanning"), 0);
    EXPECT_EQ(chartPart(ComponentToText(copy.get())), chartPart(text));

    // Each of them is in the text, so each went through the streams.
    for (const char* line : {"AllowPanning = pmVertical",
                             "BackImage.Inside = True",
                             "BackImage.Mode = pbmTile",
                             "BackImage.Data = {",
                             "BackImageTransp = True",
                             "BevelInner = bvLowered",
                             "BevelWidth = 3",
                             "Border.Visible = True",
                             "BorderRound = 6",
                             "BufferedDisplay = False",
                             "CustomAxes = <",
                             "Horizontal = True",
                             "OtherSide = True",
                             "MarginBottom = 1",
                             "MarginUnits = muPixels",
                             "Monochrome = True",
                             "Pages.AutoScale = True",
                             "Pages.MaxPointsPerPage = 4",
                             "Pages.ScaleLastPage = False",
                             "PrintProportional = False",
                             "PrintResolution = -40",
                             "SeriesGroups = <",
                             "Shadow.",
                             "LeftAxis.Title.Brush.Style = bsBDiagonal",
                             "LeftAxis.Title.Pen.Width = 3",
                             "LeftAxis.Title.RoundSize = 9",
                             "LeftAxis.Title.Transparency = 30",
                             "LeftAxis.Title.Font.Picture.Data = {",
                             "LeftAxis.OnDrawLabel = DrawLabel",
                             "DataSource = Source",
                             "OnClearValues = ClearValues",
                             "AfterDrawValues = Notify",
                             "OnMouseLeave = Notify",
                             "OnBeforePrint = BeforePrint",
                             "OnGetNextAxisLabel = GetNextAxisLabel",
                             "OnPageChange = Notify",
                             "OnRemoveSeries = SeriesNotify",
                             "OnScroll = Notify",
                             "BackWall.Brush.Image.Data = {"})
        EXPECT_TRUE(text.contains(line)) << line << " not in\n" << text.toStdString();

    TChart* back = chartOf(copy.get());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->AllowPanning(), pmVertical);
    EXPECT_EQ(back->MaxPointsPerPage(), 4);
    ASSERT_EQ(back->CustomAxes()->Count(), 1);
    EXPECT_TRUE(back->CustomAxes()->Get(0)->OtherSide());
    EXPECT_EQ(back->CustomAxes()->Get(0)->Title()->Caption(), QStringLiteral("rpm"));
    ASSERT_EQ(back->SeriesCount(), 2);
    EXPECT_EQ(back->GetSeries(1)->DataSource(), back->GetSeries(0));
    EXPECT_EQ(back->SeriesGroups()->Count(), 1);
    EXPECT_TRUE(back->OnBeforePrint.Assigned());
    EXPECT_TRUE(back->LeftAxis()->OnDrawLabel.Assigned());
}

TEST(ChartStreaming, PicturesComeBackPixelForPixel) {
    FormPtr form = newForm();
    TChart* chart = addChart(form.get());
    fillPicture(chart->BackImage(), clRed);
    fillPicture(chart->BackWall()->Brush()->Image(), clLime);
    fillPicture(chart->Title()->Font()->Picture(), clFuchsia);
    FormPtr copy = readBack(ComponentToText(form.get()));
    TChart* back = chartOf(copy.get());
    ASSERT_NE(back, nullptr);
    struct Case {
        const char* what;
        TPicture* picture;
        TColor corner;
    };
    const Case cases[] = {{"back image", back->BackImage(), clRed},
                          {"brush picture", back->BackWall()->Brush()->Image(), clLime},
                          {"font picture", back->Title()->Font()->Picture(), clFuchsia}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto* b = dynamic_cast<TBitmap*>(c.picture->Graphic());
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->Width(), 4);
        EXPECT_EQ(b->Height(), 3);
        EXPECT_EQ(b->Canvas()->Pixels(0, 0), c.corner);
        EXPECT_EQ(b->Canvas()->Pixels(3, 2), clBlue);
        EXPECT_EQ(b->Canvas()->Pixels(1, 1), clWhite);
    }
}

TEST(ChartStreaming, CurrentPageIsKeptThroughTheRead) {
    FormPtr form = newForm();
    TChart* chart = addChart(form.get());
    auto* series = new TTestBoxSeries(form.get());
    series->SetName(QStringLiteral("Points"));
    chart->AddSeries(series);
    for (int i = 0; i < 10; ++i)
        series->Add(i);
    chart->SetMaxPointsPerPage(3);
    chart->SetPage(3);
    ASSERT_EQ(chart->Page(), 3);
    FormPtr copy = readBack(ComponentToText(form.get()));
    EXPECT_EQ(chartOf(copy.get())->Page(), 3);
}

} // namespace
