#include "chart/editor/PieSeriesEditor.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/CircledSeriesEditor.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/PieSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_CLASS(TPieSeriesEditor, TForm)

ORVO_PUBLISHED(TPieSeriesEditor) {
    using T = TPieSeriesEditor;
    P.Field("PageControl1", &T::PageControl1);
    P.Field("TabOptions", &T::TabOptions);
    P.Field("TabGroup", &T::TabGroup);
    P.Field("TabColors", &T::TabColors);
    P.Field("TabMarks", &T::TabMarks);
    P.Field("CBDark3d", &T::CBDark3d);
    P.Field("Label1", &T::Label1);
    P.Field("SEExpBig", &T::SEExpBig);
    P.Field("UDExpBig", &T::UDExpBig);
    P.Field("CBPatterns", &T::CBPatterns);
    P.Field("BPen", &T::BPen);
    P.Field("Label2", &T::Label2);
    P.Field("Edit1", &T::Edit1);
    P.Field("UDAngleSize", &T::UDAngleSize);
    P.Field("BGradient", &T::BGradient);
    P.Field("Label3", &T::Label3);
    P.Field("Edit2", &T::Edit2);
    P.Field("UpDown1", &T::UpDown1);
    P.Field("Label4", &T::Label4);
    P.Field("CBMultiple", &T::CBMultiple);
    P.Field("Label5", &T::Label5);
    P.Field("TBBright", &T::TBBright);
    P.Field("LBright", &T::LBright);
    P.Field("Label6", &T::Label6);
    P.Field("CBOther", &T::CBOther);
    P.Field("Label7", &T::Label7);
    P.Field("EOtherValue", &T::EOtherValue);
    P.Field("Label8", &T::Label8);
    P.Field("EOtherLabel", &T::EOtherLabel);
    P.Field("Button2", &T::Button2);
    P.Field("CBColorEach", &T::CBColorEach);
    P.Field("BColor", &T::BColor);
    P.Field("Label9", &T::Label9);
    P.Field("CBPalette", &T::CBPalette);
    P.Field("CBMarksAutoPosition", &T::CBMarksAutoPosition);
    P.Field("CBVertCenter", &T::CBVertCenter);
    P.Field("Label10", &T::Label10);
    P.Field("SBLegSize", &T::SBLegSize);
    P.Method("FormShow", &T::FormShow);
    P.Method("CBDark3dClick", &T::CBDark3dClick);
    P.Method("SEExpBigChange", &T::SEExpBigChange);
    P.Method("CBPatternsClick", &T::CBPatternsClick);
    P.Method("Edit1Change", &T::Edit1Change);
    P.Method("Edit2Change", &T::Edit2Change);
    P.Method("CBMultipleChange", &T::CBMultipleChange);
    P.Method("TBBrightChange", &T::TBBrightChange);
    P.Method("CBOtherChange", &T::CBOtherChange);
    P.Method("EOtherValueChange", &T::EOtherValueChange);
    P.Method("EOtherLabelChange", &T::EOtherLabelChange);
    P.Method("Button2Click", &T::Button2Click);
    P.Method("CBColorEachClick", &T::CBColorEachClick);
    P.Method("CBPaletteChange", &T::CBPaletteChange);
    P.Method("CBMarksAutoPositionClick", &T::CBMarksAutoPositionClick);
    P.Method("CBVertCenterClick", &T::CBVertCenterClick);
    P.Method("SBLegSizeChange", &T::SBLegSizeChange);
}

TPieSeriesEditor::TPieSeriesEditor(TComponent* AOwner) : TForm(AOwner) {}

TPieSeriesEditor::~TPieSeriesEditor() {
    // The circled tab's form has no owner: it goes with this form unless its tab went first.
    if (tmpCircled) {
        tmpCircled->RemoveFreeNotification(this);
        FreeObject(tmpCircled);
        tmpCircled = nullptr;
    }
}

void TPieSeriesEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == tmpCircled) tmpCircled = nullptr;
}

void TPieSeriesEditor::FormShow(TObject*) {
    PageControl1->SetActivePage(TabOptions);
    TeeTranslateControl(this);
    Pie = dynamic_cast<TPieSeries*>(TeeFormTagObject(this));
    if (!Pie) return;
    FFilling = true;
    TCustomAxisPanel* Chart = Pie->ParentChart();
    CBDark3d->SetChecked(Pie->Dark3D());
    CBDark3d->SetEnabled(Chart && Chart->View3D());
    UDExpBig->SetPosition(Pie->ExplodeBiggest());
    CBPatterns->SetChecked(Pie->UsePatterns());
    BPen->LinkPen(Pie->PiePen());
    UDAngleSize->SetPosition(Pie->AngleSize());
    BGradient->OnlyStart = true;
    BGradient->LinkGradient(Pie->Gradient());
    UpDown1->SetPosition(Pie->DarkPen());
    CBMultiple->SetItemIndex(int(Pie->MultiPie()));
    TBBright->SetPosition(Pie->GradientBright());
    LBright->SetCaption(IntToStr(Pie->GradientBright()));

    TPieOtherSlice* Other = Pie->OtherSlice();
    CBOther->SetItemIndex(int(Other->Style()));
    EOtherValue->SetText(FloatToStr(Other->Value()));
    EOtherLabel->SetText(Other->Text());
    EnableOther();

    CBColorEach->SetChecked(Pie->ColorEachPoint());
    BColor->LinkProperty(Pie, QStringLiteral("SeriesColor"));
    CBPalette->Items()->Clear();
    TColorPalettes::AddTo(CBPalette->Items(), true);
    auto* TheChart = dynamic_cast<TCustomChart*>(Chart);
    CBPalette->SetItemIndex(TheChart ? TheChart->ColorPaletteIndex() + 1 : 0);
    EnableColors();
    // Without a chart there is no palette to choose.
    CBPalette->SetEnabled(Chart && Pie->ColorEachPoint());

    CBMarksAutoPosition->SetChecked(Pie->AutoMarkPosition());
    CBVertCenter->SetChecked(Pie->PieMarks()->VertCenter());
    SBLegSize->SetPosition(Pie->PieMarks()->LegSize());
    FFilling = false;

    // The circled options are inserted once; a later show leaves their tab as it is.
    if (!tmpCircled) {
        tmpCircled = TCircledSeriesEditor::CreateForm(this, Pie);
        if (tmpCircled) {
            tmpCircled->FreeNotification(this);
            tmpCircled->BBack->SetVisible(false);
            tmpCircled->CBTransp->SetVisible(false);
            tmpCircled->BGradient->SetVisible(false);
        }
    }
}

void TPieSeriesEditor::EnableOther() {
    const bool On = CBOther->ItemIndex() > 0;
    EOtherValue->SetEnabled(On);
    EOtherLabel->SetEnabled(On);
}

void TPieSeriesEditor::EnableColors() {
    const bool Each = CBColorEach->Checked();
    BColor->SetEnabled(!Each);
    CBPalette->SetEnabled(Each && Pie && Pie->ParentChart());
}

void TPieSeriesEditor::CBDark3dClick(TObject*) {
    if (CanEditShowing()) Pie->SetDark3D(CBDark3d->Checked());
}

void TPieSeriesEditor::SEExpBigChange(TObject*) {
    int V = 0;
    if (CanEditShowing() && TryStrToInt(SEExpBig->Text().trimmed(), V)) Pie->SetExplodeBiggest(V);
}

void TPieSeriesEditor::CBPatternsClick(TObject*) {
    if (CanEdit()) Pie->SetUsePatterns(CBPatterns->Checked());
}

void TPieSeriesEditor::Edit1Change(TObject*) {
    int V = 0;
    if (CanEditShowing() && TryStrToInt(Edit1->Text().trimmed(), V)) Pie->SetAngleSize(V);
}

void TPieSeriesEditor::Edit2Change(TObject*) {
    int V = 0;
    if (CanEditShowing() && TryStrToInt(Edit2->Text().trimmed(), V)) Pie->SetDarkPen(V);
}

void TPieSeriesEditor::CBMultipleChange(TObject*) {
    if (CanEdit()) Pie->SetMultiPie(CBMultiple->ItemIndex() == 1 ? mpDisabled : mpAutomatic);
}

void TPieSeriesEditor::TBBrightChange(TObject*) {
    LBright->SetCaption(IntToStr(TBBright->Position()));
    if (CanEdit()) Pie->SetGradientBright(TBBright->Position());
}

void TPieSeriesEditor::CBOtherChange(TObject*) {
    if (CanEdit()) {
        const int i = CBOther->ItemIndex();
        Pie->OtherSlice()->SetStyle(i == 1 ? poBelowPercent : i == 2 ? poBelowValue : poNone);
    }
    EnableOther();
}

void TPieSeriesEditor::EOtherValueChange(TObject*) {
    // Every keystroke arrives here: an empty box, a lone sign or anything else that is no
    // number yet keeps the value it had.
    double V = 0;
    if (CanEdit() && TryStrToFloat(EOtherValue->Text().trimmed(), V)) Pie->OtherSlice()->SetValue(V);
}

void TPieSeriesEditor::EOtherLabelChange(TObject*) {
    if (CanEdit()) Pie->OtherSlice()->SetText(EOtherLabel->Text());
}

void TPieSeriesEditor::Button2Click(TObject*) {
    // The other slice's legend dialog comes with the legend page.
}

void TPieSeriesEditor::CBColorEachClick(TObject*) {
    if (CanEdit()) Pie->SetColorEachPoint(CBColorEach->Checked());
    EnableColors();
    if (BColor->Enabled()) BColor->Repaint();
}

void TPieSeriesEditor::CBPaletteChange(TObject*) {
    if (CanEdit() && Pie->ParentChart())
        TColorPalettes::ApplyPalette(Pie->ParentChart(), CBPalette->ItemIndex() - 1);
}

void TPieSeriesEditor::CBMarksAutoPositionClick(TObject*) {
    if (CanEdit()) Pie->SetAutoMarkPosition(CBMarksAutoPosition->Checked());
}

void TPieSeriesEditor::CBVertCenterClick(TObject*) {
    if (CanEdit()) Pie->PieMarks()->SetVertCenter(CBVertCenter->Checked());
}

void TPieSeriesEditor::SBLegSizeChange(TObject*) {
    if (CanEdit()) Pie->PieMarks()->SetLegSize(SBLegSize->Position());
}
