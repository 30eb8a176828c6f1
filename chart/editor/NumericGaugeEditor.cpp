#include "chart/editor/NumericGaugeEditor.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/MarkersEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/gauges/CustomGauge.h"
#include "chart/gauges/NumericGauge.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TNumericGaugeEditor, TForm)

ORVO_PUBLISHED(TNumericGaugeEditor) {
    using S = TNumericGaugeEditor;
    P.Field("PageControl1", &S::PageControl1);
    P.Field("TabOptions", &S::TabOptions);
    P.Field("Label1", &S::Label1);
    P.Field("EValue", &S::EValue);
    P.Field("SpeedButton1", &S::SpeedButton1);
    P.Field("SpeedButton2", &S::SpeedButton2);
    P.Field("Label2", &S::Label2);
    P.Field("CBPalette", &S::CBPalette);
    P.Field("RGFont", &S::RGFont);
    P.Field("TabMarkers", &S::TabMarkers);
    P.Field("TabFrame", &S::TabFrame);
    P.Field("PageFrame", &S::PageFrame);
    P.Field("TabGeneral", &S::TabGeneral);
    P.Field("CBFrameVisible", &S::CBFrameVisible);
    P.Field("Label3", &S::Label3);
    P.Field("EWidth", &S::EWidth);
    P.Field("UDWidth", &S::UDWidth);
    P.Field("BBrush", &S::BBrush);
    P.Field("BGradient", &S::BGradient);
    P.Field("TabOuter", &S::TabOuter);
    P.Field("TabMiddle", &S::TabMiddle);
    P.Field("TabInner", &S::TabInner);
    P.Field("TabShadow", &S::TabShadow);
    P.Field("TabBack", &S::TabBack);
    P.Method("FormShow", &S::FormShow);
    P.Method("EValueChange", &S::EValueChange);
    P.Method("SpeedButton1Click", &S::SpeedButton1Click);
    P.Method("SpeedButton2Click", &S::SpeedButton2Click);
    P.Method("CBPaletteChange", &S::CBPaletteChange);
    P.Method("RGFontClick", &S::RGFontClick);
    P.Method("CBFrameVisibleClick", &S::CBFrameVisibleClick);
    P.Method("EWidthChange", &S::EWidthChange);
    P.Method("BBrushClick", &S::BBrushClick);
}

TNumericGaugeEditor::TNumericGaugeEditor(TComponent* AOwner) : TForm(AOwner) {}

void TNumericGaugeEditor::FormShow(TObject*) {
    Gauge = reinterpret_cast<TCustomGauge*>(Tag());
    // The palette names are appended once; the form shows again on every visit of its page.
    if (!FPalettesAdded) {
        FPalettesAdded = true;
        TColorPalettes::AddTo(CBPalette->Items());
    }
    if (!Gauge) {
        TeeTranslateControl(this);
        return;
    }
    Filling = true;
    if (auto* numeric = dynamic_cast<TNumericGauge*>(Gauge)) {
        if (!Tools) {
            Tools = new TMarkersEditor(this);
            Tools->AfterConstruction();
            Tools->Tools = numeric->Markers();
            Tools->SetAlign(alClient);
            AddFormTo(Tools, TabMarkers, numeric->Markers());
        } else {
            Tools->Reload();
        }
        RGFont->SetItemIndex(int(numeric->DigitalFont()));
    } else {
        TabMarkers->SetTabVisible(false);
        RGFont->SetVisible(false);
    }
    ShowValue();

    TFramedBorder* frame = Gauge->Frame();
    if (!FOuter) {
        FOuter = EmbedBrushDialog(TabOuter, frame->OuterBrush());
        FMiddle = EmbedBrushDialog(TabMiddle, frame->MiddleBrush());
        FInner = EmbedBrushDialog(TabInner, frame->InnerBrush());
    } else {
        RefreshBrushDialog(FOuter, frame->OuterBrush());
        RefreshBrushDialog(FMiddle, frame->MiddleBrush());
        RefreshBrushDialog(FInner, frame->InnerBrush());
    }
    BGradient->LinkGradient(frame->Brush()->Gradient());
    if (!FFace)
        FFace = TFormTeeShape::CreateForm(this, Gauge->Face(), TabBack);
    else
        FFace->RefreshControls(Gauge->Face());
    if (!FShadow) FShadow = InsertTeeShadowEditor(TabShadow);
    FShadow->RefreshControls(frame->Shadow());
    CBFrameVisible->SetChecked(frame->Visible());
    UDWidth->SetPosition(frame->Width());
    Filling = false;
    TeeTranslateControl(this);
}

TBrushDialog* TNumericGaugeEditor::EmbedBrushDialog(TTabSheet* Tab, TFrameBrush* Brush) {
    auto* dialog = new TBrushDialog(Tab->Owner());
    dialog->AfterConstruction();
    dialog->SetAlign(alClient);
    dialog->TheBrush = Brush;
    // Embedded, every choice is kept: there is no OK or Cancel to press.
    dialog->BOK->SetVisible(false);
    dialog->BCancel->SetVisible(false);
    auto* gradient = new TButtonGradient(dialog);
    gradient->SetParent(dialog->Panel1);
    gradient->SetWidth(105);
    // Beside "Transparent" the button would leave the dialog's narrow panel: it takes the row
    // below it, and the picture group moves down by a row.
    gradient->SetLeft(dialog->CBTransp->Left());
    gradient->SetTop(100);
    dialog->GroupBox1->SetTop(dialog->GroupBox1->Top() + 32);
    gradient->SetCaption(TeeMsg_Gradient);
    gradient->LinkGradient(Brush->Gradient());
    AddFormTo(dialog, Tab);
    TeeTranslateControl(dialog);
    return dialog;
}

void TNumericGaugeEditor::RefreshBrushDialog(TBrushDialog* Dialog, TFrameBrush* Brush) {
    Dialog->TheBrush = Brush;
    Dialog->FormShow(Dialog);
    for (int i = 0; i < Dialog->Panel1->ControlCount(); ++i)
        if (auto* gradient = dynamic_cast<TButtonGradient*>(Dialog->Panel1->Controls(i)))
            gradient->LinkGradient(Brush->Gradient());
}

void TNumericGaugeEditor::ShowValue() {
    EValue->SetText(FloatToStr(Gauge->Value()));
}

void TNumericGaugeEditor::EValueChange(TObject*) {
    if (!CanEdit()) return;
    double value = 0;
    // Text that is not a number keeps the old value.
    if (TryStrToFloat(EValue->Text().trimmed(), value)) Gauge->SetValue(value);
}

void TNumericGaugeEditor::AddToValue(double Delta) {
    if (!Gauge) return;
    Gauge->SetValue(Gauge->Value() + Delta);
    const bool old = Filling;
    Filling = true;
    ShowValue();
    Filling = old;
    Gauge->Repaint();
}

void TNumericGaugeEditor::SpeedButton1Click(TObject*) {
    AddToValue(1);
}

void TNumericGaugeEditor::SpeedButton2Click(TObject*) {
    AddToValue(-1);
}

void TNumericGaugeEditor::CBPaletteChange(TObject*) {
    if (!Gauge) return;
    const int index = CBPalette->ItemIndex();
    if (index < 0) return;
    if (index == 1) {
        Gauge->SetGaugePalette(NumericGaugePalette(), int(NumericGaugePalette().size()) - 1);
    } else if (index == 2) {
        Gauge->SetGaugePalette(LedGaugePalette(), int(LedGaugePalette().size()) - 1);
    } else {
        // The palette tables come through a chart: "Current" (before the first table) leaves it
        // empty, and so does the gauge's own palette then.
        std::unique_ptr<TChart> chart(new TChart(nullptr));
        TColorPalettes::ApplyPalette(chart.get(), index - 3);
        Gauge->SetGaugePalette(chart->ColorPalette, int(chart->ColorPalette.size()) - 1);
    }
    Gauge->Repaint();
}

void TNumericGaugeEditor::RGFontClick(TObject*) {
    if (Filling) return;
    if (auto* numeric = dynamic_cast<TNumericGauge*>(Gauge))
        numeric->SetDigitalFont(TDigitalFont(RGFont->ItemIndex()));
}

void TNumericGaugeEditor::CBFrameVisibleClick(TObject*) {
    if (Gauge && !Filling) Gauge->Frame()->SetVisible(CBFrameVisible->Checked());
}

void TNumericGaugeEditor::EWidthChange(TObject*) {
    if (!CanEdit()) return;
    bool ok = false;
    const int width = EWidth->Text().trimmed().toInt(&ok);
    if (ok) Gauge->Frame()->SetWidth(width);
}

void TNumericGaugeEditor::BBrushClick(TObject*) {
    if (Gauge) EditChartBrush(this, Gauge->Frame()->Brush());
}
