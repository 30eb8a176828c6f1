// The linear gauge editor: its pages from the inherited form, the scale, ticks, labels and
// title of the gauge's axis, the two range bands, and the axis page made once however often
// the editor's page is visited.
#include "NumericGaugeEditorTestSupport.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/FormTeeAxis.h"
#include "chart/editor/LinearGaugeEditor.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/gauges/LinearGauge.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"

using LinearGaugeEditor = GaugeEditorFixture<TLinearGauge, TLinearGaugeEditor>;

TEST_F(LinearGaugeEditor, FormInheritsTheNumericEditorWithoutFontOrMarkers) {
    ShowEditor();
    EXPECT_FALSE(editor->RGFont->Visible());
    EXPECT_FALSE(editor->TabMarkers->TabVisible());
    EXPECT_EQ(editor->Tools, nullptr);
    EXPECT_EQ(editor->Label1->Caption(), QStringLiteral("&Value:"));
    const char* tabs[] = {"Options", "Markers", "Frame", "Back", "Axis", "Green Line", "Red Line"};
    ASSERT_EQ(editor->PageControl1->PageCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(editor->PageControl1->Pages(i)->Caption(), QLatin1String(tabs[i]));
    const char* axisTabs[] = {"Ticks", "Labels", "Title"};
    ASSERT_EQ(editor->PageAxis->PageCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(editor->PageAxis->Pages(i)->Caption(), QLatin1String(axisTabs[i]));
    struct Caption {
        TControl* control;
        const char* text;
    };
    const Caption captions[] = {
        {editor->BValueArea, "&Value area..."},
        {editor->BMaxIndicator, "&Max. Indicator..."},
        {editor->BLinearHand, "&Hand..."},
        {editor->Label4, "M&aximum:"},
        {editor->Label5, "M&inimum:"},
        {editor->Button1, "&Ticks..."},
        {editor->Button2, "&Minor Ticks..."},
        {editor->BAxis, "&Axis..."},
        {editor->Label9, "&Format:"},
        {editor->Button6, "&Font..."},
        {editor->CBLabels, "&Visible"},
        {editor->Label10, "St&art value:"},
        {editor->Label11, "&End value:"},
        {editor->BGreen, "&Style..."},
        {editor->CBGreenVisible, "&Visible"},
        {editor->Label12, "St&art value:"},
        {editor->BRed, "&Style..."},
        {editor->CBRedVisible, "&Visible"},
    };
    for (const Caption& c : captions)
        EXPECT_EQ(c.control->Caption(), QLatin1String(c.text)) << c.text;
    for (TUpDown* ud : {editor->UDStartGreen, editor->UDEndGreen, editor->UDStartRed, editor->UDEndRed}) {
        EXPECT_EQ(ud->Min(), -32000);
        EXPECT_EQ(ud->Max(), 32000);
    }
}

TEST_F(LinearGaugeEditor, ShowFillsTheControlsFromTheGauge) {
    gauge->SetMaximum(250);
    gauge->SetMinimum(-10);
    gauge->GreenLine()->SetStartValue(10.4);
    gauge->GreenLine()->SetEndValue(60.6);
    gauge->RedLine()->SetVisible(false);
    gauge->SetValueFormat(QStringLiteral("0.0"));
    ShowEditor();
    TChartAxis* axis = gauge->Axis();
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(editor->EMax->Text(), FloatToStr(250));
    EXPECT_EQ(editor->EMin->Text(), FloatToStr(-10));
    EXPECT_EQ(editor->UDStartGreen->Position(), 10);
    EXPECT_EQ(editor->UDEndGreen->Position(), 61);
    EXPECT_TRUE(editor->CBGreenVisible->Checked());
    EXPECT_FALSE(editor->CBRedVisible->Checked());
    EXPECT_EQ(editor->EFormat->Text(), QStringLiteral("0.0"));
    EXPECT_EQ(editor->CBLabels->Checked(), axis->Labels());
    EXPECT_EQ(editor->UDTicks->Position(), gauge->Ticks()->VertSize());
    EXPECT_EQ(editor->UDMinorCount->Position(), axis->MinorTickCount());
    EXPECT_EQ(editor->UDMinorSize->Position(), gauge->MinorTicks()->Size());
    EXPECT_EQ(editor->UDTicksDist->Position(), gauge->MinorTickDistance());
    EXPECT_EQ(editor->BAxis->Pen(), axis->Axis());
}

TEST_F(LinearGaugeEditor, EditsChangeTheGaugeAndIgnoreWhatIsNoNumber) {
    ShowEditor();
    TChartAxis* axis = gauge->Axis();
    struct Case {
        const char* name;
        TEdit* edit;
        const char* text;
        std::function<double()> value;
        double expected;
    };
    const Case cases[] = {
        {"maximum", editor->EMax, "250", [&] { return gauge->Maximum(); }, 250},
        {"maximum kept", editor->EMax, "abc", [&] { return gauge->Maximum(); }, 250},
        {"minimum", editor->EMin, "-20", [&] { return gauge->Minimum(); }, -20},
        {"minimum kept", editor->EMin, "-", [&] { return gauge->Minimum(); }, -20},
        {"tick length", editor->ETicks, "14", [&] { return gauge->Ticks()->VertSize(); }, 14},
        // A pointer is at least a pixel: 0 is not taken (nor raised).
        {"tick length 0", editor->ETicks, "0", [&] { return gauge->Ticks()->VertSize(); }, 14},
        {"minor distance", editor->ETicksDist, "6", [&] { return gauge->MinorTickDistance(); }, 6},
        {"minor count", editor->EMinor, "7", [&] { return axis->MinorTickCount(); }, 7},
        {"minor size", editor->Edit2, "3", [&] { return gauge->MinorTicks()->Size(); }, 3},
        {"minor size 0", editor->Edit2, "0", [&] { return gauge->MinorTicks()->Size(); }, 3},
        {"green start", editor->EStartGreen, "12", [&] { return gauge->GreenLine()->StartValue(); }, 12},
        {"green end", editor->EEndGreen, "70", [&] { return gauge->GreenLine()->EndValue(); }, 70},
        {"green end kept", editor->EEndGreen, "x", [&] { return gauge->GreenLine()->EndValue(); }, 70},
        {"red start", editor->EStartRed, "80", [&] { return gauge->RedLine()->StartValue(); }, 80},
        {"red end", editor->EEndRed, "95", [&] { return gauge->RedLine()->EndValue(); }, 95},
    };
    for (const Case& c : cases) {
        EXPECT_NO_THROW(c.edit->SetText(QLatin1String(c.text))) << c.name;
        EXPECT_DOUBLE_EQ(c.value(), c.expected) << c.name;
    }
    editor->EFormat->SetText(QStringLiteral("#.00"));
    EXPECT_EQ(gauge->ValueFormat(), QStringLiteral("#.00"));
    editor->CBLabels->SetChecked(!axis->Labels());
    EXPECT_EQ(editor->CBLabels->Checked(), axis->Labels());
    editor->CBGreenVisible->SetChecked(false);
    EXPECT_FALSE(gauge->GreenLine()->Visible());
    editor->CBRedVisible->SetChecked(false);
    EXPECT_FALSE(gauge->RedLine()->Visible());
}

TEST_F(LinearGaugeEditor, TitlePagesOfTheAxisPageEditTheGaugeAxis) {
    ShowEditor();
    TFormTeeAxis* page = editor->AxisPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->TheAxis, gauge->Axis());
    EXPECT_EQ(page->PageTitle->Parent(), editor->TabTitle);
    EXPECT_EQ(page->PageAxis->ActivePage(), page->TabTitle);
    EXPECT_EQ(page->ETitle->Text(), gauge->Axis()->Title()->Caption());
    page->ETitle->SetText(QStringLiteral("Boost"));
    EXPECT_EQ(gauge->Axis()->Title()->Caption(), QStringLiteral("Boost"));
}

// Each visit of the editor's page shows the form again: the axis page is made once.
TEST_F(LinearGaugeEditor, ShowingAgainKeepsOneAxisPage) {
    ShowEditor();
    TFormTeeAxis* page = editor->AxisPage();
    const int components = editor->ComponentCount();
    gauge->SetMaximum(300);
    gauge->Axis()->Title()->SetCaption(QStringLiteral("Again"));
    ShowAgain();
    ShowAgain();
    EXPECT_EQ(editor->AxisPage(), page);
    EXPECT_EQ(editor->TabTitle->ControlCount(), 1);
    EXPECT_EQ(editor->ComponentCount(), components);
    EXPECT_EQ(editor->EMax->Text(), FloatToStr(300));
    EXPECT_EQ(page->ETitle->Text(), QStringLiteral("Again"));
}

TEST_F(LinearGaugeEditor, ValueAreaButtonOpensTheShapeEditor) {
    ShowEditor();
    TDialogsAnswered dialogs;
    TTeeCustomShape* edited = nullptr;
    dialogs.OnModal = [&](TCustomForm* f) {
        if (auto* d = dynamic_cast<TFormTeeShape*>(f)) edited = d->TheShape;
        return int(mrOk);
    };
    editor->BValueArea->Click();
    EXPECT_EQ(edited, gauge->ValueArea());
}

TEST_F(LinearGaugeEditor, Screenshots) {
    ShowEditor();
    editor->PageControl1->SetActivePage(editor->TabOptions);
    EditorScreenshot(form, "LinearGaugeEditor-Options");
    editor->PageControl1->SetActivePage(editor->TabAxis);
    const char* names[] = {"LinearGaugeEditor-AxisTicks", "LinearGaugeEditor-AxisLabels",
                           "LinearGaugeEditor-AxisTitle"};
    for (int i = 0; i < 3; ++i) {
        editor->PageAxis->SetActivePageIndex(i);
        EditorScreenshot(form, names[i]);
    }
    editor->PageControl1->SetActivePage(editor->TabGreen);
    EditorScreenshot(form, "LinearGaugeEditor-GreenLine");
}
