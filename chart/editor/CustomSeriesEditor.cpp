#include "chart/editor/CustomSeriesEditor.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/CustomSeries.h"
#include "chart/series/LineSeries.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TCustomSeriesEditor, TForm)

ORVO_PUBLISHED(TCustomSeriesEditor) {
    using S = TCustomSeriesEditor;
    P.Field("BLineColor", &S::BLineColor);
    P.Field("BLineBorder", &S::BLineBorder);
    P.Field("CBColorEach", &S::CBColorEach);
    P.Field("CheckBox1", &S::CheckBox1);
    P.Field("CBClick", &S::CBClick);
    P.Field("LStack", &S::LStack);
    P.Field("CBStack", &S::CBStack);
    P.Field("LNulls", &S::LNulls);
    P.Field("CBNulls", &S::CBNulls);
    P.Field("GBStair", &S::GBStair);
    P.Field("CBStairs", &S::CBStairs);
    P.Field("CBInvStairs", &S::CBInvStairs);
    P.Field("CBDark3D", &S::CBDark3D);
    P.Field("LHeight", &S::LHeight);
    P.Field("EHeight", &S::EHeight);
    P.Field("UDHeight", &S::UDHeight);
    P.Field("BBrush", &S::BBrush);
    P.Field("BOutline", &S::BOutline);
    P.Field("BGradient", &S::BGradient);
    P.Field("Button1", &S::Button1);
    P.Field("LTransp", &S::LTransp);
    P.Field("TBTransp", &S::TBTransp);
    P.Method("FormShow", &S::FormShow);
    P.Method("BLineColorClick", &S::BLineColorClick);
    P.Method("BLineBorderClick", &S::BLineBorderClick);
    P.Method("CBColorEachClick", &S::CBColorEachClick);
    P.Method("CheckBox1Click", &S::CheckBox1Click);
    P.Method("CBClickClick", &S::CBClickClick);
    P.Method("CBStackChange", &S::CBStackChange);
    P.Method("CBNullsChange", &S::CBNullsChange);
    P.Method("CBStairsClick", &S::CBStairsClick);
    P.Method("CBInvStairsClick", &S::CBInvStairsClick);
    P.Method("CBDark3DClick", &S::CBDark3DClick);
    P.Method("EHeightChange", &S::EHeightChange);
    P.Method("BBrushClick", &S::BBrushClick);
    P.Method("Button1Click", &S::Button1Click);
    P.Method("TBTranspChange", &S::TBTranspChange);
}

TCustomSeriesEditor::TCustomSeriesEditor(TComponent* AOwner) : TForm(AOwner) {
    SetAlign(alClient);
}

TCustomSeriesEditor::~TCustomSeriesEditor() {
    // The pointer tab's form goes with this form.
    if (PointerForm) {
        TSeriesPointerEditor* form = PointerForm;
        PointerForm = nullptr;
        delete form;
    }
}

void TCustomSeriesEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == PointerForm) PointerForm = nullptr;
}

void TCustomSeriesEditor::FormShow(TObject*) {
    auto* series = dynamic_cast<TCustomSeries*>(TeeFormTagObject(this));
    if (!series) return;
    TheSeries = series;
    FFilling = true;
    CBColorEach->SetChecked(TheSeries->ColorEachPoint());
    BLineBorder->LinkPen(TheSeries->LinePen());
    CBStack->SetItemIndex(int(TheSeries->Stacked()));
    CBClick->SetChecked(TheSeries->ClickableLine());
    CheckBox1->SetChecked(TheSeries->ColorEachLine());
    if (dynamic_cast<TLineSeries*>(TheSeries)) {
        CBStairs->SetChecked(TheSeries->Stairs());
        CBInvStairs->SetChecked(TheSeries->InvertedStairs());
        CBInvStairs->SetEnabled(TheSeries->Stairs());
        CBDark3D->SetChecked(TheSeries->Dark3D());
        UDHeight->SetPosition(TheSeries->LineHeight());
        BOutline->LinkPen(TheSeries->OutLine());
        BGradient->LinkGradient(TheSeries->Gradient());
        CBNulls->SetItemIndex(int(TheSeries->TreatNulls()));
        TBTransp->SetPosition(TheSeries->Transparency());
    } else {
        for (TControl* c : {static_cast<TControl*>(BBrush), static_cast<TControl*>(BOutline),
                            static_cast<TControl*>(GBStair), static_cast<TControl*>(CBDark3D),
                            static_cast<TControl*>(LHeight), static_cast<TControl*>(EHeight),
                            static_cast<TControl*>(UDHeight), static_cast<TControl*>(BGradient),
                            static_cast<TControl*>(LTransp), static_cast<TControl*>(TBTransp)})
            c->Hide();
    }
    BLineColor->LinkProperty(TheSeries, QStringLiteral("SeriesColor"));
    if (Parent() && !PointerForm) {
        PointerForm = TeeInsertPointerForm(Parent(), TheSeries->Pointer(), TeeMsg_GalleryPoint);
        if (PointerForm) PointerForm->FreeNotification(this);
    }
    FFilling = false;
}

void TCustomSeriesEditor::BLineColorClick(TObject*) {
    BLineBorder->Invalidate();
}

void TCustomSeriesEditor::BLineBorderClick(TObject*) {
    BLineColor->Invalidate();
}

void TCustomSeriesEditor::CBColorEachClick(TObject*) {
    if (!Filling()) TheSeries->SetColorEachPoint(CBColorEach->Checked());
}

void TCustomSeriesEditor::CheckBox1Click(TObject*) {
    if (!Filling()) TheSeries->SetColorEachLine(CheckBox1->Checked());
}

void TCustomSeriesEditor::CBClickClick(TObject*) {
    if (!Filling()) TheSeries->SetClickableLine(CBClick->Checked());
}

void TCustomSeriesEditor::CBStackChange(TObject*) {
    const int i = CBStack->ItemIndex();
    if (!Filling() && i >= int(cssNone) && i <= int(cssStack100))
        TheSeries->SetStacked(TCustomSeriesStack(i));
}

void TCustomSeriesEditor::CBNullsChange(TObject*) {
    const int i = CBNulls->ItemIndex();
    if (!Filling() && i >= int(tnDontPaint) && i <= int(tnIgnore))
        TheSeries->SetTreatNulls(TTreatNullsStyle(i));
}

void TCustomSeriesEditor::CBStairsClick(TObject*) {
    CBInvStairs->SetEnabled(CBStairs->Checked());
    if (!Filling()) TheSeries->SetStairs(CBStairs->Checked());
}

void TCustomSeriesEditor::CBInvStairsClick(TObject*) {
    if (!Filling()) TheSeries->SetInvertedStairs(CBInvStairs->Checked());
}

void TCustomSeriesEditor::CBDark3DClick(TObject*) {
    if (!Filling()) TheSeries->SetDark3D(CBDark3D->Checked());
}

void TCustomSeriesEditor::EHeightChange(TObject*) {
    if (Filling() || !Showing()) return;
    bool ok = false;
    const int v = EHeight->Text().trimmed().toInt(&ok);
    if (ok) TheSeries->SetLineHeight(v);
}

void TCustomSeriesEditor::BBrushClick(TObject*) {
    if (TheSeries) EditChartBrush(this, TheSeries->Brush());
}

void TCustomSeriesEditor::Button1Click(TObject*) {
    if (!TheSeries) return;
    std::unique_ptr<TTeeShadowEditor> editor(TeeCreateForm<TTeeShadowEditor>(this));
    editor->Shadow = TheSeries->Shadow();
    editor->BOK->SetVisible(true);
    editor->CBSmooth->Hide();
    editor->Label3->Hide();
    editor->EShadowTransp->Hide();
    editor->UDTransp->Hide();
    editor->ShowModal();
}

void TCustomSeriesEditor::TBTranspChange(TObject*) {
    if (!Filling()) TheSeries->SetTransparency(TBTransp->Position());
}
