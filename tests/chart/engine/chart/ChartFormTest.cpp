// A chart read from a text form resource: it draws the same pixels as the same chart built
// in code, and its published properties go back to the same text, defaults left out.
#include "LayoutTestSupport.h"
#include "ToolTestSupport.h"

#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/classes/Writer.h"
#include "platform/controls/CustomForm.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <memory>

class TChartTestForm : public TForm {
    ORVO_CLASS(TChartTestForm, TForm)
public:
    explicit TChartTestForm(TComponent* AOwner) : TForm(AOwner) {}
    TChart* Chart1 = nullptr;
    TTestBoxSeries* Series1 = nullptr;
};

ORVO_IMPLEMENT_CLASS(TChartTestForm, TForm)

ORVO_PUBLISHED(TChartTestForm) {
    P.Field("Chart1", &TChartTestForm::Chart1);
    P.Field("Series1", &TChartTestForm::Series1);
}

namespace {

QByteArray toText(TComponent* Root) {
    return ComponentToText(Root);
}

void fromText(const QByteArray& Text, TComponent* Root) {
    ComponentFromText(Text, Root);
}

struct FreeForm {
    void operator()(TForm* F) const { delete F; }
};

std::unique_ptr<TChartTestForm, FreeForm> loadForm() {
    RegisterClass(TChartTestForm::StaticClass());
    auto* form = new TChartTestForm(nullptr);
    form->AfterConstruction();
    return std::unique_ptr<TChartTestForm, FreeForm>(form);
}

// The chart of the resource, built in code.
void buildInCode(TChart* Chart, TTestBoxSeries* Series) {
    Chart->SetBounds(0, 0, 400, 300);
    Chart->SetView3D(false);
    Chart->SetBevelOuter(bvNone);
    Chart->SetPanelColor(clWhite);
    Chart->BottomAxis()->SetMinMax(0, 5);
    Chart->BottomAxis()->SetIncrement(1);
    Chart->LeftAxis()->SetMinMax(-2, 2);
    Chart->LeftAxis()->Grid()->SetSmallDots(true);
    Chart->LeftAxis()->Title()->SetCaption(QStringLiteral("Volts"));
    Chart->BackWall()->SetTransparent(false);
    TTeeGradient* g = Chart->BackWall()->Gradient();
    g->SetVisible(true);
    g->SetStartColor(TColor(0xF0F0F0));
    g->SetEndColor(TColor(0xC08040));
    Chart->Title()->Text()->Add(QStringLiteral("Map 1"));
    Chart->Legend()->SetAlignment(laBottom);
    Chart->SetScrollMouseButton(mbMiddle);
    Series->SetTitle(QStringLiteral("Curve"));
    Series->SetSeriesColor(clRed);
}

void addPoints(TTestBoxSeries* Series) {
    const double y[] = {-1.5, -0.5, 0, 0.5, 1.5, 2};
    for (int i = 0; i < 6; ++i)
        Series->AddXY(i, y[i]);
}

// One frame of Chart into a new bitmap.
std::unique_ptr<TBitmap> paint(TChart* Chart) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(400, 300);
    Chart->Draw(bitmap->Canvas(), TRect{0, 0, 400, 300});
    return bitmap;
}

TEST(ChartForm, LoadedChartDrawsLikeTheChartBuiltInCode) {
    auto form = loadForm();
    ASSERT_NE(form->Chart1, nullptr);
    ASSERT_NE(form->Series1, nullptr);
    EXPECT_EQ(form->Series1->ParentChart(), form->Chart1);
    EXPECT_EQ(form->Chart1->Title()->Caption(), QStringLiteral("Map 1"));
    EXPECT_EQ(form->Chart1->ScrollMouseButton(), mbMiddle);
    EXPECT_TRUE(form->Chart1->BackWall()->Gradient()->Visible());
    addPoints(form->Series1);

    TChart chart(nullptr);
    auto* series = new TTestBoxSeries(nullptr);
    chart.AddSeries(series);
    buildInCode(&chart, series);
    addPoints(series);

    auto loaded = paint(form->Chart1);
    auto built = paint(&chart);
    int differing = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (loaded->Canvas()->Pixels(x, y) != built->Canvas()->Pixels(x, y)) ++differing;
    EXPECT_EQ(differing, 0);
    // Something was drawn: the series' red boxes.
    int red = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            if (built->Canvas()->Pixels(x, y) == clRed) ++red;
    EXPECT_GT(red, 6 * 20);
}

TEST(ChartForm, PublishedPropertiesRoundTripWithoutDefaults) {
    TChart plain(nullptr);
    plain.SetName(QStringLiteral("Plain"));
    const QByteArray defaults = toText(&plain);
    for (const char* name :
         {"BackWall", "Legend", "Title.", "Foot", "LeftWall", "Walls", "ColorPaletteIndex"})
        EXPECT_FALSE(defaults.contains(name)) << name << " in\n" << defaults.toStdString();

    auto form = loadForm();
    TChartTestForm* copy = new TChartTestForm(nullptr);
    std::unique_ptr<TChartTestForm, FreeForm> owner(copy);
    fromText(toText(form.get()), copy);
    const QByteArray text = toText(copy);
    TChartTestForm* second = new TChartTestForm(nullptr);
    std::unique_ptr<TChartTestForm, FreeForm> owner1(second);
    fromText(text, second);
    EXPECT_EQ(toText(second).toStdString(), text.toStdString());
    EXPECT_TRUE(text.contains("Gradient.Visible = True")) << text.toStdString();
    EXPECT_TRUE(text.contains("Legend.Alignment = laBottom")) << text.toStdString();

    // Settings of the walls, legend and titles that the form does not hold also go round.
    copy->Chart1->LeftWall()->SetSize(3);
    copy->Chart1->RightWall()->SetVisible(true);
    copy->Chart1->Legend()->SetCheckBoxes(true);
    copy->Chart1->Legend()->Symbol()->SetWidth(30);
    copy->Chart1->Legend()->Title()->SetCaption(QStringLiteral("Maps"));
    copy->Chart1->Foot()->SetCaption(QStringLiteral("bottom"));
    copy->Chart1->SubTitle()->SetAlignment(taLeftJustify);
    copy->Chart1->SetColorPaletteIndex(3);
    const QByteArray changed = toText(copy);
    TChartTestForm* again = new TChartTestForm(nullptr);
    std::unique_ptr<TChartTestForm, FreeForm> owner2(again);
    fromText(changed, again);
    EXPECT_EQ(toText(again).toStdString(), changed.toStdString());
    EXPECT_EQ(again->Chart1->LeftWall()->Size(), 3);
    EXPECT_EQ(again->Chart1->Legend()->Title()->Caption(), QStringLiteral("Maps"));
    EXPECT_EQ(again->Chart1->ColorPaletteIndex(), 3);
}

} // namespace
