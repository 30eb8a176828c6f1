// The numeric gauge editor: its form, the value with "+" and "-", the palettes, the digital
// font, the frame and its embedded ring, shadow and face editors, the markers page, and the
// pages it embeds made once however often the editor's page is visited.
#include "NumericGaugeEditorTestSupport.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/MarkersEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/gauges/NumericGauge.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"

using NumericGaugeEditor = GaugeEditorFixture<TNumericGauge, TNumericGaugeEditor>;

TEST_F(NumericGaugeEditor, FormComesFromItsResource) {
    ShowEditor();
    EXPECT_EQ(editor->Label1->Caption(), QStringLiteral("&Value:"));
    EXPECT_EQ(editor->SpeedButton1->Caption(), QStringLiteral("+"));
    EXPECT_EQ(editor->SpeedButton2->Caption(), QStringLiteral("-"));
    EXPECT_EQ(editor->RGFont->Caption(), QStringLiteral("Digital &font:"));
    ASSERT_EQ(editor->RGFont->Items()->Count(), 3);
    EXPECT_EQ(editor->RGFont->Items()->Strings(2), QStringLiteral("&Custom"));
    TStrings* palettes = editor->CBPalette->Items();
    ASSERT_EQ(palettes->Count(), 3 + ColorPalettes()->Count());
    EXPECT_EQ(palettes->Strings(0), QStringLiteral("Current"));
    EXPECT_EQ(palettes->Strings(1), QStringLiteral("LCD"));
    EXPECT_EQ(palettes->Strings(2), QStringLiteral("LED"));
    EXPECT_EQ(palettes->Strings(3), ColorPalettes()->Strings(0));
    const char* tabs[] = {"Options", "Markers", "Frame", "Back"};
    ASSERT_EQ(editor->PageControl1->PageCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(editor->PageControl1->Pages(i)->Caption(), QLatin1String(tabs[i]));
    const char* frameTabs[] = {"General", "Outer", "Middle", "Inner", "Shadow"};
    ASSERT_EQ(editor->PageFrame->PageCount(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(editor->PageFrame->Pages(i)->Caption(), QLatin1String(frameTabs[i]));
    EXPECT_EQ(editor->BBrush->Caption(), QStringLiteral("&Pattern..."));
    EXPECT_EQ(editor->BGradient->Caption(), QStringLiteral("&Gradient..."));
    EXPECT_EQ(editor->Gauge, gauge);
    EXPECT_TRUE(editor->TabMarkers->TabVisible());
    EXPECT_TRUE(editor->RGFont->Visible());
}

TEST_F(NumericGaugeEditor, ValueButtonsAndTypedValue) {
    gauge->SetValue(0.5);
    ShowEditor();
    EXPECT_EQ(editor->EValue->Text(), FloatToStr(0.5));
    for (int i = 0; i < 3; ++i)
        editor->SpeedButton1->Click();
    EXPECT_EQ(editor->EValue->Text(), FloatToStr(3.5));
    EXPECT_DOUBLE_EQ(gauge->Value(), 3.5);
    editor->SpeedButton2->Click();
    EXPECT_DOUBLE_EQ(gauge->Value(), 2.5);
    EXPECT_EQ(editor->EValue->Text(), FloatToStr(2.5));

    editor->EValue->SetText(QStringLiteral("42"));
    EXPECT_DOUBLE_EQ(gauge->Value(), 42);
    // Text that is not a number keeps the value.
    for (const char* text : {"", "-", "abc", "4x"}) {
        editor->EValue->SetText(QLatin1String(text));
        EXPECT_DOUBLE_EQ(gauge->Value(), 42) << text;
    }
}

TEST_F(NumericGaugeEditor, PaletteChoices) {
    ShowEditor();
    struct Case {
        int index;
        std::vector<TColor> expected;
    };
    const Case cases[] = {
        {2, LedGaugePalette()},
        {1, NumericGaugePalette()},
        {4, PaletteColors(1)},
        {0, {}},
    };
    for (const Case& c : cases) {
        editor->CBPalette->SetItemIndex(c.index);
        editor->CBPaletteChange(editor->CBPalette);
        EXPECT_EQ(gauge->GaugeColorPalette(), c.expected) << c.index;
    }
    EXPECT_EQ(LedGaugePalette().size(), 24u);
}

TEST_F(NumericGaugeEditor, DigitalFontAndFrame) {
    ShowEditor();
    EXPECT_EQ(editor->RGFont->ItemIndex(), int(gauge->DigitalFont()));
    editor->RGFont->SetItemIndex(1);
    EXPECT_EQ(gauge->DigitalFont(), dfDot);
    editor->RGFont->SetItemIndex(2);
    EXPECT_EQ(gauge->DigitalFont(), dfCustom);

    TFramedBorder* frame = gauge->Frame();
    EXPECT_EQ(editor->CBFrameVisible->Checked(), frame->Visible());
    EXPECT_EQ(editor->UDWidth->Position(), frame->Width());
    editor->CBFrameVisible->SetChecked(!frame->Visible());
    EXPECT_EQ(editor->CBFrameVisible->Checked(), frame->Visible());
    editor->EWidth->SetText(QStringLiteral("17"));
    EXPECT_EQ(frame->Width(), 17);
    editor->EWidth->SetText(QStringLiteral("x"));
    EXPECT_EQ(frame->Width(), 17);
    EXPECT_EQ(editor->BGradient->GetGradient(), frame->Brush()->Gradient());

    // "&Pattern..." opens the brush dialog on the frame's brush.
    TDialogsAnswered dialogs;
    TChartBrush* edited = nullptr;
    dialogs.OnModal = [&](TCustomForm* f) {
        if (auto* d = dynamic_cast<TBrushDialog*>(f)) edited = d->TheBrush;
        return int(mrOk);
    };
    editor->BBrush->Click();
    EXPECT_EQ(edited, frame->Brush());
}

TEST_F(NumericGaugeEditor, RingShadowAndFaceEditorsAreBoundAndChangeTheGauge) {
    ShowEditor();
    TFramedBorder* frame = gauge->Frame();
    struct Ring {
        TBrushDialog* dialog;
        TFrameBrush* brush;
    };
    const Ring rings[] = {{editor->OuterEditor(), frame->OuterBrush()},
                          {editor->MiddleEditor(), frame->MiddleBrush()},
                          {editor->InnerEditor(), frame->InnerBrush()}};
    for (const Ring& r : rings) {
        ASSERT_NE(r.dialog, nullptr);
        EXPECT_EQ(r.dialog->TheBrush, r.brush);
        EXPECT_FALSE(r.dialog->BOK->Visible());
        EXPECT_FALSE(r.dialog->BCancel->Visible());
        TButtonGradient* gradient = nullptr;
        for (int i = 0; i < r.dialog->Panel1->ControlCount(); ++i)
            if (auto* g = dynamic_cast<TButtonGradient*>(r.dialog->Panel1->Controls(i))) gradient = g;
        ASSERT_NE(gradient, nullptr);
        EXPECT_EQ(gradient->GetGradient(), r.brush->Gradient());
        EXPECT_EQ(gradient->Width(), 105);
        EXPECT_EQ(gradient->Caption(), QStringLiteral("Gradient"));
        // A style chosen in the ring's list goes into the ring's brush.
        r.dialog->LStyle->SetItemIndex(int(bsCross));
        r.dialog->LStyleClick(r.dialog->LStyle);
        EXPECT_EQ(r.brush->Style(), bsCross);
    }
    ASSERT_NE(editor->ShadowEditor(), nullptr);
    EXPECT_EQ(editor->ShadowEditor()->Shadow, frame->Shadow());
    ASSERT_NE(editor->FaceEditor(), nullptr);
    EXPECT_EQ(editor->FaceEditor()->TheShape, gauge->Face());
}

TEST_F(NumericGaugeEditor, MarkersPageAddsAndClonesMarkers) {
    ShowEditor();
    TMarkersEditor* markers = editor->Tools;
    ASSERT_NE(markers, nullptr);
    EXPECT_EQ(markers->Parent(), editor->TabMarkers);
    EXPECT_EQ(markers->Tools, gauge->Markers());
    const int before = gauge->Markers()->Count();
    EXPECT_EQ(markers->LBTools->Items()->Count(), before);

    markers->BAdd->Click();
    ASSERT_EQ(gauge->Markers()->Count(), before + 1);
    TNumericMarker* added = gauge->Markers()->Marker(before);
    EXPECT_EQ(added->Text(), QStringLiteral("Marker"));
    EXPECT_EQ(added->Gauge(), gauge);
    EXPECT_EQ(markers->LBTools->Items()->Count(), before + 1);

    markers->LBTools->SetItemIndex(0);
    markers->LBToolsClick(markers->LBTools);
    markers->BClone->Click();
    ASSERT_EQ(gauge->Markers()->Count(), before + 2);
    TNumericMarker* clone = gauge->Markers()->Marker(before + 1);
    EXPECT_EQ(clone->Gauge(), gauge);
    EXPECT_EQ(clone->Text(), gauge->Markers()->Marker(0)->Text());
    // The gauge's markers never join the chart's own tools.
    EXPECT_EQ(chart->Tools()->IndexOf(clone), -1);
}

// Each visit of the editor's page shows the form again: what it embeds is made once and
// refreshed from the gauge, and the palette names are not appended a second time.
TEST_F(NumericGaugeEditor, ShowingAgainRefreshesWithoutMakingPagesAgain) {
    ShowEditor();
    TMarkersEditor* markers = editor->Tools;
    TBrushDialog* outer = editor->OuterEditor();
    TTeeShadowEditor* shadow = editor->ShadowEditor();
    TFormTeeShape* face = editor->FaceEditor();
    const int paletteLines = editor->CBPalette->Items()->Count();
    const int components = editor->ComponentCount();

    gauge->SetValue(8);
    gauge->Frame()->SetWidth(23);
    gauge->Markers()->Add(QStringLiteral("extra"));
    ShowAgain();
    ShowAgain();

    EXPECT_EQ(editor->Tools, markers);
    EXPECT_EQ(editor->OuterEditor(), outer);
    EXPECT_EQ(editor->ShadowEditor(), shadow);
    EXPECT_EQ(editor->FaceEditor(), face);
    for (TTabSheet* tab : {editor->TabMarkers, editor->TabOuter, editor->TabMiddle, editor->TabInner,
                           editor->TabShadow, editor->TabBack})
        EXPECT_EQ(tab->ControlCount(), 1) << tab->Caption().toStdString();
    EXPECT_EQ(editor->CBPalette->Items()->Count(), paletteLines);
    EXPECT_EQ(editor->ComponentCount(), components);
    EXPECT_EQ(editor->EValue->Text(), FloatToStr(8));
    EXPECT_EQ(editor->UDWidth->Position(), 23);
    EXPECT_EQ(markers->LBTools->Items()->Count(), gauge->Markers()->Count());
}

TEST_F(NumericGaugeEditor, Screenshots) {
    host->SetBounds(300, 0, 400, 300);
    ShowEditor();
    const char* names[] = {"NumericGaugeEditor-Options", "NumericGaugeEditor-Markers",
                           "NumericGaugeEditor-Frame", "NumericGaugeEditor-Back"};
    for (int i = 0; i < 4; ++i) {
        editor->PageControl1->SetActivePageIndex(i);
        EditorScreenshot(form, names[i]);
    }
    editor->PageControl1->SetActivePage(editor->TabFrame);
    editor->PageFrame->SetActivePage(editor->TabOuter);
    EditorScreenshot(form, "NumericGaugeEditor-FrameOuter");
    editor->PageFrame->SetActivePage(editor->TabShadow);
    EditorScreenshot(form, "NumericGaugeEditor-FrameShadow");
}
