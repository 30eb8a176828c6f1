#include "chart/editor/GanttSeriesEditor.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/series/SeriesPointer.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/GanttSeries.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_CLASS(TGanttSeriesEditor, TForm)

ORVO_PUBLISHED(TGanttSeriesEditor) {
    using T = TGanttSeriesEditor;
    P.Field("Label1", &T::Label1);
    P.Field("SEPointVertSize", &T::SEPointVertSize);
    P.Field("UDPointVertSize", &T::UDPointVertSize);
    P.Field("BConnLines", &T::BConnLines);
    P.Field("CBColorEach", &T::CBColorEach);
    P.Field("BColor", &T::BColor);
    P.Field("Label2", &T::Label2);
    P.Field("Edit1", &T::Edit1);
    P.Field("UpDown1", &T::UpDown1);
    P.Method("FormShow", &T::FormShow);
    P.Method("SEPointVertSizeChange", &T::SEPointVertSizeChange);
    P.Method("CBColorEachClick", &T::CBColorEachClick);
    P.Method("Edit1Change", &T::Edit1Change);
}

TGanttSeriesEditor::TGanttSeriesEditor(TComponent* AOwner) : TForm(AOwner) {}

TGanttSeriesEditor::~TGanttSeriesEditor() {
    // The pointer tab's form goes with this form unless its tab went first.
    if (PointerForm) {
        PointerForm->RemoveFreeNotification(this);
        FreeObject(PointerForm);
        PointerForm = nullptr;
    }
}

void TGanttSeriesEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == PointerForm) PointerForm = nullptr;
}

void TGanttSeriesEditor::FormShow(TObject*) {
    TheSeries = dynamic_cast<TGanttSeries*>(TeeFormTagObject(this));
    if (!TheSeries) return;
    FFilling = true;
    UDPointVertSize->SetPosition(TheSeries->Pointer()->VertSize());
    BConnLines->LinkPen(TheSeries->ConnectingPen());
    CBColorEach->SetChecked(TheSeries->ColorEachPoint());
    BColor->LinkProperty(TheSeries, QStringLiteral("SeriesColor"));
    BColor->SetEnabled(!TheSeries->ColorEachPoint());
    UpDown1->SetPosition(TheSeries->Transparency());
    FFilling = false;
    // The pointer tab is inserted once; a later show leaves it as it is.
    if (!PointerForm && Parent()) {
        PointerForm = TeeInsertPointerForm(Parent(), TheSeries->Pointer(), TeeMsg_GalleryGantt);
        if (PointerForm) {
            PointerForm->FreeNotification(this);
            PointerForm->HideSizeOptions();
        }
    }
}

void TGanttSeriesEditor::SEPointVertSizeChange(TObject*) {
    int V = 0;
    if (CanEdit() && Showing() && TryStrToInt(SEPointVertSize->Text().trimmed(), V))
        TheSeries->Pointer()->SetVertSize(V);
}

void TGanttSeriesEditor::CBColorEachClick(TObject*) {
    if (!CanEdit()) return;
    TheSeries->SetColorEachPoint(CBColorEach->Checked());
    BColor->SetEnabled(!CBColorEach->Checked());
    BColor->Repaint();
}

void TGanttSeriesEditor::Edit1Change(TObject*) {
    int V = 0;
    if (CanEdit() && Showing() && TryStrToInt(Edit1->Text().trimmed(), V)) TheSeries->SetTransparency(V);
}
