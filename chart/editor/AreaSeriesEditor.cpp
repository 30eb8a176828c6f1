#include "chart/editor/AreaSeriesEditor.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/AreaSeries.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TAreaSeriesEditor, TForm)

ORVO_PUBLISHED(TAreaSeriesEditor) {
    using S = TAreaSeriesEditor;
    P.Field("PageControl1", &S::PageControl1);
    P.Field("TabOptions", &S::TabOptions);
    P.Field("GBArea", &S::GBArea);
    P.Field("CBStairs", &S::CBStairs);
    P.Field("CBInvStairs", &S::CBInvStairs);
    P.Field("BAreaLinesPen", &S::BAreaLinesPen);
    P.Field("BAreaLinePen", &S::BAreaLinePen);
    P.Field("BPattern", &S::BPattern);
    P.Field("Button1", &S::Button1);
    P.Field("LTransp", &S::LTransp);
    P.Field("ETransp", &S::ETransp);
    P.Field("UDTransp", &S::UDTransp);
    P.Field("CBDark3D", &S::CBDark3D);
    P.Field("GBColor", &S::GBColor);
    P.Field("CBColorEach", &S::CBColorEach);
    P.Field("BAreaColor", &S::BAreaColor);
    P.Field("LNulls", &S::LNulls);
    P.Field("CBNulls", &S::CBNulls);
    P.Field("TabStack", &S::TabStack);
    P.Field("RGMultiArea", &S::RGMultiArea);
    P.Field("CBUseOrigin", &S::CBUseOrigin);
    P.Field("LOrigin", &S::LOrigin);
    P.Field("EOrigin", &S::EOrigin);
    P.Field("UDOrigin", &S::UDOrigin);
    P.Field("GBGroup", &S::GBGroup);
    P.Field("LGroup", &S::LGroup);
    P.Field("EGroup", &S::EGroup);
    P.Field("UDGroup", &S::UDGroup);
    P.Method("FormShow", &S::FormShow);
    P.Method("CBStairsClick", &S::CBStairsClick);
    P.Method("CBInvStairsClick", &S::CBInvStairsClick);
    P.Method("BPatternClick", &S::BPatternClick);
    P.Method("Button1Click", &S::Button1Click);
    P.Method("ETranspChange", &S::ETranspChange);
    P.Method("CBDark3DClick", &S::CBDark3DClick);
    P.Method("CBColorEachClick", &S::CBColorEachClick);
    P.Method("BAreaColorClick", &S::BAreaColorClick);
    P.Method("CBNullsChange", &S::CBNullsChange);
    P.Method("RGMultiAreaClick", &S::RGMultiAreaClick);
    P.Method("CBUseOriginClick", &S::CBUseOriginClick);
    P.Method("EOriginChange", &S::EOriginChange);
    P.Method("EGroupChange", &S::EGroupChange);
}

TAreaSeriesEditor::TAreaSeriesEditor(TComponent* AOwner) : TForm(AOwner) {
    SetAlign(alClient);
}

TAreaSeriesEditor::~TAreaSeriesEditor() {
    // The inserted tabs live on the series page, outside this form: they go with it.
    FreeObject(FGradientForm);
    FreeObject(PointerForm);
}

void TAreaSeriesEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == PointerForm) PointerForm = nullptr;
    if (AComponent == FGradientForm) FGradientForm = nullptr;
}

void TAreaSeriesEditor::FormShow(TObject*) {
    Area = dynamic_cast<TAreaSeries*>(reinterpret_cast<TObject*>(Tag()));
    if (!Area) return;
    FFilling = true;
    CBStairs->SetChecked(Area->Stairs());
    CBInvStairs->SetChecked(Area->InvertedStairs());
    CBInvStairs->SetEnabled(Area->Stairs());
    BAreaLinesPen->LinkPen(Area->AreaLinesPen());
    BAreaLinePen->LinkPen(Area->LinePen());
    UDTransp->SetPosition(Area->Transparency());
    CBDark3D->SetChecked(Area->Dark3D());
    CBColorEach->SetChecked(Area->ColorEachPoint());
    BAreaColor->SetEnabled(!Area->ColorEachPoint());
    CBNulls->SetItemIndex(int(Area->TreatNulls()));
    RGMultiArea->SetItemIndex(int(Area->MultiArea()));
    CBUseOrigin->SetChecked(Area->UseYOrigin());
    // The up-down steps whole numbers from the origin rounded; the box shows it exactly.
    UDOrigin->SetPosition(int(std::clamp(std::round(Area->YOrigin()), -30000.0, 30000.0)));
    EOrigin->SetText(FloatToStr(Area->YOrigin()));
    UDGroup->SetPosition(Area->StackGroup());
    EnableOrigin();
    EnableGroup();
    FFilling = false;
    // The button shows the area's own colour, or the series colour while the area takes it.
    BAreaColor->LinkProperty(Area, QStringLiteral("SeriesColor"));
    TAreaSeries* area = Area;
    BAreaColor->GetColorProc = [area] {
        return ColorToRGB(area->AreaColor() == clTeeColor ? area->SeriesColor() : area->AreaColor());
    };
    BAreaColor->Repaint();
    InsertTabs();
}

void TAreaSeriesEditor::InsertTabs() {
    // Once each, on the series page: the area's points and its fill gradient. The gradient
    // editor's changes are kept at once, so its OK and Cancel are hidden.
    if (!Parent()) return;
    if (!PointerForm) {
        PointerForm = TeeInsertPointerForm(Parent(), Area->Pointer(), TeeMsg_GalleryPoint);
        if (PointerForm) PointerForm->FreeNotification(this);
    }
    if (!FGradientForm) {
        FGradientForm = static_cast<TTeeGradientEditor*>(TFormTeeSeries::InsertSeriesForm(
            Parent(), TTeeGradientEditor::StaticClass(), 2, TeeMsg_Gradient, Area->Gradient()));
        if (FGradientForm) {
            FGradientForm->PanelButtons->Hide();
            FGradientForm->FreeNotification(this);
        }
    }
}

void TAreaSeriesEditor::EnableOrigin() {
    const bool on = CBUseOrigin->Checked();
    LOrigin->SetEnabled(on);
    EOrigin->SetEnabled(on);
    UDOrigin->SetEnabled(on);
}

void TAreaSeriesEditor::EnableGroup() {
    const bool stacked = RGMultiArea->ItemIndex() > int(maNone);
    GBGroup->SetEnabled(stacked);
    LGroup->SetEnabled(stacked);
    EGroup->SetEnabled(stacked);
    UDGroup->SetEnabled(stacked);
}

void TAreaSeriesEditor::CBStairsClick(TObject*) {
    if (!CanEdit()) return;
    Area->SetStairs(CBStairs->Checked());
    CBInvStairs->SetEnabled(CBStairs->Checked());
}

void TAreaSeriesEditor::CBInvStairsClick(TObject*) {
    if (CanEdit()) Area->SetInvertedStairs(CBInvStairs->Checked());
}

void TAreaSeriesEditor::BPatternClick(TObject*) {
    if (Area) EditChartBrush(this, Area->AreaChartBrush());
}

void TAreaSeriesEditor::Button1Click(TObject*) {
    if (Area) EditChartBrush(this, Area->Brush());
}

void TAreaSeriesEditor::ETranspChange(TObject*) {
    if (!CanEditNumbers()) return;
    bool ok = false;
    const int v = ETransp->Text().trimmed().toInt(&ok);
    if (ok && v >= 0 && v <= 100) Area->SetTransparency(v);
}

void TAreaSeriesEditor::CBDark3DClick(TObject*) {
    if (CanEdit()) Area->SetDark3D(CBDark3D->Checked());
}

void TAreaSeriesEditor::CBColorEachClick(TObject*) {
    if (!CanEdit()) return;
    Area->SetColorEachPoint(CBColorEach->Checked());
    BAreaColor->SetEnabled(!CBColorEach->Checked());
    if (BAreaColor->Enabled()) BAreaColor->Repaint();
}

void TAreaSeriesEditor::BAreaColorClick(TObject*) {
    // The colour went into the series through the button's link.
}

void TAreaSeriesEditor::CBNullsChange(TObject*) {
    if (CanEdit() && CBNulls->ItemIndex() >= 0) Area->SetTreatNulls(TTreatNullsStyle(CBNulls->ItemIndex()));
}

void TAreaSeriesEditor::RGMultiAreaClick(TObject*) {
    if (!CanEdit() || RGMultiArea->ItemIndex() < 0) return;
    Area->SetMultiArea(TMultiArea(RGMultiArea->ItemIndex()));
    EnableGroup();
}

void TAreaSeriesEditor::CBUseOriginClick(TObject*) {
    if (!CanEdit()) return;
    Area->SetUseYOrigin(CBUseOrigin->Checked());
    EnableOrigin();
}

void TAreaSeriesEditor::EOriginChange(TObject*) {
    if (!CanEditNumbers()) return;
    double origin = 0;
    // A text that is no number (yet) leaves the origin as it is.
    if (!TryStrToFloat(EOrigin->Text().trimmed(), origin)) return;
    Area->SetYOrigin(origin);
}

void TAreaSeriesEditor::EGroupChange(TObject*) {
    if (!CanEditNumbers()) return;
    bool ok = false;
    const int group = EGroup->Text().trimmed().toInt(&ok);
    if (ok) Area->SetStackGroup(group);
}
