#include "chart/editor/ChartShapeEditor.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/StringsEditor.h"
#include "chart/editor/TeeFontEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/ChartShape.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_CLASS(TChartShapeEditor, TForm)

ORVO_PUBLISHED(TChartShapeEditor) {
    using T = TChartShapeEditor;
    P.Field("PageControl1", &T::PageControl1);
    P.Field("TabStyle", &T::TabStyle);
    P.Field("TabText", &T::TabText);
    P.Field("TabPosition", &T::TabPosition);
    P.Field("TabFont", &T::TabFont);
    P.Field("Label1", &T::Label1);
    P.Field("CBStyle", &T::CBStyle);
    P.Field("BShapeColor", &T::BShapeColor);
    P.Field("BShapePen", &T::BShapePen);
    P.Field("BShapeBrush", &T::BShapeBrush);
    P.Field("CBTrans", &T::CBTrans);
    P.Field("CBRound", &T::CBRound);
    P.Field("BGradient", &T::BGradient);
    P.Field("Label2", &T::Label2);
    P.Field("Edit1", &T::Edit1);
    P.Field("UDTransp", &T::UDTransp);
    P.Field("Label3", &T::Label3);
    P.Field("MemoText", &T::MemoText);
    P.Field("RGVertAlign", &T::RGVertAlign);
    P.Field("RGAlign", &T::RGAlign);
    P.Field("Button1", &T::Button1);
    P.Field("Label4", &T::Label4);
    P.Field("SEX0", &T::SEX0);
    P.Field("Label5", &T::Label5);
    P.Field("SEX1", &T::SEX1);
    P.Field("Label6", &T::Label6);
    P.Field("SEY0", &T::SEY0);
    P.Field("Label7", &T::Label7);
    P.Field("SEY1", &T::SEY1);
    P.Field("Label8", &T::Label8);
    P.Field("CBUnits", &T::CBUnits);
    P.Method("FormShow", &T::FormShow);
    P.Method("CBStyleChange", &T::CBStyleChange);
    P.Method("BShapeBrushClick", &T::BShapeBrushClick);
    P.Method("CBTransClick", &T::CBTransClick);
    P.Method("CBRoundClick", &T::CBRoundClick);
    P.Method("Edit1Change", &T::Edit1Change);
    P.Method("MemoTextChange", &T::MemoTextChange);
    P.Method("RGVertAlignClick", &T::RGVertAlignClick);
    P.Method("RGAlignClick", &T::RGAlignClick);
    P.Method("Button1Click", &T::Button1Click);
    P.Method("SEX0Change", &T::SEX0Change);
    P.Method("SEX1Change", &T::SEX1Change);
    P.Method("SEY0Change", &T::SEY0Change);
    P.Method("SEY1Change", &T::SEY1Change);
    P.Method("CBUnitsChange", &T::CBUnitsChange);
}

TChartShapeEditor::TChartShapeEditor(TComponent* AOwner) : TForm(AOwner) {}

TChartShapeEditor::~TChartShapeEditor() {
    // The font editor has no owner: it goes with this form unless its tab went first.
    if (FEditFont) {
        FEditFont->RemoveFreeNotification(this);
        FreeObject(FEditFont);
        FEditFont = nullptr;
    }
}

void TChartShapeEditor::AfterConstruction() {
    TForm::AfterConstruction();
    FEditFont = InsertTeeFontEditor(TabFont);
    FEditFont->FreeNotification(this);
}

void TChartShapeEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FEditFont) FEditFont = nullptr;
}

void TChartShapeEditor::FormShow(TObject*) {
    TheSeries = dynamic_cast<TChartShape*>(TeeFormTagObject(this));
    if (!TheSeries) return;
    FFilling = true;
    CBStyle->SetItemIndex(int(TheSeries->Style()));
    CBTrans->SetChecked(TheSeries->Transparent());
    // Reading a corner of a shape that lacks it would add points: only a shape with its two
    // points shows them.
    if (TheSeries->Count() == 2) {
        SEX0->SetText(FloatToStr(TheSeries->X0()));
        SEX1->SetText(FloatToStr(TheSeries->X1()));
        SEY0->SetText(FloatToStr(TheSeries->Y0()));
        SEY1->SetText(FloatToStr(TheSeries->Y1()));
    } else {
        for (TEdit* E : {SEX0, SEX1, SEY0, SEY1})
            E->SetText(String());
    }
    MemoText->Font()->Assign(TheSeries->Font());
    MemoText->Lines()->Assign(TheSeries->Text());
    switch (TheSeries->Alignment()) {
    case taLeftJustify:
        RGAlign->SetItemIndex(0);
        break;
    case taRightJustify:
        RGAlign->SetItemIndex(2);
        break;
    default:
        RGAlign->SetItemIndex(1);
        break;
    }
    RGVertAlign->SetItemIndex(int(TheSeries->VertAlign()));
    CBRound->SetChecked(TheSeries->RoundRectangle());
    EnableRound();
    CBUnits->SetItemIndex(int(TheSeries->XYStyle()));
    BShapePen->LinkPen(TheSeries->Pen());
    if (FEditFont) FEditFont->RefreshControls(TheSeries->Font());
    BGradient->LinkGradient(TheSeries->Gradient());
    UDTransp->SetPosition(TheSeries->Transparency());
    BShapeColor->LinkProperty(TheSeries, QStringLiteral("SeriesColor"));
    FFilling = false;
    CreatingForm = false;
}

void TChartShapeEditor::EnableRound() {
    TCustomAxisPanel* Chart = TheSeries ? TheSeries->ParentChart() : nullptr;
    CBRound->SetEnabled(CBStyle->ItemIndex() == int(chasRectangle) && !(Chart && Chart->View3D()));
}

void TChartShapeEditor::CBStyleChange(TObject*) {
    if (CanEdit() && CBStyle->ItemIndex() >= 0) TheSeries->SetStyle(TChartShapeStyle(CBStyle->ItemIndex()));
    EnableRound();
}

void TChartShapeEditor::BShapeBrushClick(TObject*) {
    if (!TheSeries) return;
    EditChartBrush(this, TheSeries->Brush());
    BShapeColor->Repaint();
}

void TChartShapeEditor::CBTransClick(TObject*) {
    if (CanEdit()) TheSeries->SetTransparent(CBTrans->Checked());
}

void TChartShapeEditor::CBRoundClick(TObject*) {
    if (CanEdit()) TheSeries->SetRoundRectangle(CBRound->Checked());
}

void TChartShapeEditor::Edit1Change(TObject*) {
    int V = 0;
    if (CanEdit() && Showing() && TryStrToInt(Edit1->Text().trimmed(), V)) TheSeries->SetTransparency(V);
}

void TChartShapeEditor::MemoTextChange(TObject*) {
    if (CanEdit() && !CreatingForm) TheSeries->SetText(MemoText->Lines());
}

void TChartShapeEditor::RGVertAlignClick(TObject*) {
    if (CanEdit() && RGVertAlign->ItemIndex() >= 0)
        TheSeries->SetVertAlign(TTeeVertAlign(RGVertAlign->ItemIndex()));
}

void TChartShapeEditor::RGAlignClick(TObject*) {
    if (!CanEdit()) return;
    switch (RGAlign->ItemIndex()) {
    case 0:
        TheSeries->SetAlignment(taLeftJustify);
        break;
    case 1:
        TheSeries->SetAlignment(taCenter);
        break;
    case 2:
        TheSeries->SetAlignment(taRightJustify);
        break;
    default:
        break;
    }
}

void TChartShapeEditor::Button1Click(TObject*) {
    // The dialog edits the text box; its change handler passes the lines on.
    if (TeeEditStrings(this, MemoText->Lines())) MemoTextChange(MemoText);
}

void TChartShapeEditor::CoordinateChange(TEdit* Edit, int Corner) {
    const String Text = Edit->Text().trimmed();
    double V = 0;
    if (!CanEdit() || !Showing() || Text.isEmpty() || !TryStrToFloat(Text, V)) return;
    switch (Corner) {
    case 0:
        TheSeries->SetX0(V);
        break;
    case 1:
        TheSeries->SetX1(V);
        break;
    case 2:
        TheSeries->SetY0(V);
        break;
    default:
        TheSeries->SetY1(V);
        break;
    }
}

void TChartShapeEditor::SEX0Change(TObject*) {
    CoordinateChange(SEX0, 0);
}

void TChartShapeEditor::SEX1Change(TObject*) {
    CoordinateChange(SEX1, 1);
}

void TChartShapeEditor::SEY0Change(TObject*) {
    CoordinateChange(SEY0, 2);
}

void TChartShapeEditor::SEY1Change(TObject*) {
    CoordinateChange(SEY1, 3);
}

void TChartShapeEditor::CBUnitsChange(TObject*) {
    if (CanEdit() && CBUnits->ItemIndex() >= 0)
        TheSeries->SetXYStyle(TChartShapeXYStyle(CBUnits->ItemIndex()));
}
