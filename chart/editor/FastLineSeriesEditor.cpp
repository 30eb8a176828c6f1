#include "chart/editor/FastLineSeriesEditor.h"

#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/FastLineSeries.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"

ORVO_IMPLEMENT_CLASS(TFastLineSeriesEditor, TPenDialog)

ORVO_PUBLISHED(TFastLineSeriesEditor) {
    using S = TFastLineSeriesEditor;
    P.Field("CBDrawAll", &S::CBDrawAll);
    P.Field("GBStair", &S::GBStair);
    P.Field("CBStairs", &S::CBStairs);
    P.Field("CBInvStairs", &S::CBInvStairs);
    P.Field("LNulls", &S::LNulls);
    P.Field("CBNulls", &S::CBNulls);
    P.Method("FormShow", &S::FormShow);
    P.Method("BColorClick", &S::BColorClick);
    P.Method("CBDrawAllClick", &S::CBDrawAllClick);
    P.Method("CBStairsClick", &S::CBStairsClick);
    P.Method("CBInvStairsClick", &S::CBInvStairsClick);
    P.Method("CBNullsChange", &S::CBNullsChange);
}

TFastLineSeriesEditor::TFastLineSeriesEditor(TComponent* AOwner) : TPenDialog(AOwner) {
    SetAlign(alClient);
}

void TFastLineSeriesEditor::FormShow(TObject* Sender) {
    FastLine = dynamic_cast<TFastLineSeries*>(reinterpret_cast<TObject*>(Tag()));
    // Embedded in the series page, every change stays: there is nothing to confirm or undo.
    BOk->Hide();
    BCancel->Hide();
    if (FastLine) {
        ThePen = FastLine->Pen();
        FFillingSeries = true;
        CBDrawAll->SetChecked(FastLine->DrawAllPoints());
        CBStairs->SetChecked(FastLine->Stairs());
        CBInvStairs->SetChecked(FastLine->InvertedStairs());
        CBInvStairs->SetEnabled(FastLine->Stairs());
        CBNulls->SetItemIndex(FastLine->IgnoreNulls() ? int(tnIgnore) : int(FastLine->TreatNulls()));
        FFillingSeries = false;
    }
    TPenDialog::FormShow(Sender);
}

void TFastLineSeriesEditor::BColorClick(TObject* Sender) {
    TPenDialog::BColorClick(Sender);
    // The fast line is drawn with its pen: the series colour (legend, marks) follows it.
    if (FastLine) FastLine->SetSeriesColor(FastLine->Pen()->Color());
}

void TFastLineSeriesEditor::CBDrawAllClick(TObject*) {
    if (FFillingSeries || !FastLine) return;
    FastLine->SetDrawAllPoints(CBDrawAll->Checked());
}

void TFastLineSeriesEditor::CBStairsClick(TObject*) {
    if (FFillingSeries || !FastLine) return;
    FastLine->SetStairs(CBStairs->Checked());
    CBInvStairs->SetEnabled(CBStairs->Checked());
}

void TFastLineSeriesEditor::CBInvStairsClick(TObject*) {
    if (FFillingSeries || !FastLine) return;
    FastLine->SetInvertedStairs(CBInvStairs->Checked());
}

void TFastLineSeriesEditor::CBNullsChange(TObject*) {
    if (FFillingSeries || !FastLine || CBNulls->ItemIndex() < 0) return;
    const auto treat = TTreatNullsStyle(CBNulls->ItemIndex());
    FastLine->SetIgnoreNulls(treat == tnIgnore);
    FastLine->SetTreatNulls(treat);
}
