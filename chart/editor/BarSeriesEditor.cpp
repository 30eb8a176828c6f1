#include "chart/editor/BarSeriesEditor.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/StackBarSeriesEditor.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/BarSeries.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

ORVO_IMPLEMENT_CLASS(TBarSeriesEditor, TForm)

ORVO_PUBLISHED(TBarSeriesEditor) {
    using S = TBarSeriesEditor;
    P.Field("PageControl1", &S::PageControl1);
    P.Field("TabFormat", &S::TabFormat);
    P.Field("LStyle", &S::LStyle);
    P.Field("CBBarStyle", &S::CBBarStyle);
    P.Field("BBarBrush", &S::BBarBrush);
    P.Field("CBColorEach", &S::CBColorEach);
    P.Field("BBarColor", &S::BBarColor);
    P.Field("BGradient", &S::BGradient);
    P.Field("BTickLines", &S::BTickLines);
    P.Field("CBDarkBar", &S::CBDarkBar);
    P.Field("LTransp", &S::LTransp);
    P.Field("TBTransp", &S::TBTransp);
    P.Field("TabSize", &S::TabSize);
    P.Field("LBarWidth", &S::LBarWidth);
    P.Field("SEBarwidth", &S::SEBarwidth);
    P.Field("UDBarWidth", &S::UDBarWidth);
    P.Field("LBarOffset", &S::LBarOffset);
    P.Field("SEBarOffset", &S::SEBarOffset);
    P.Field("UDBarOffset", &S::UDBarOffset);
    P.Field("LDepth", &S::LDepth);
    P.Field("Edit1", &S::Edit1);
    P.Field("UDDepth", &S::UDDepth);
    P.Field("CBBarSideMargins", &S::CBBarSideMargins);
    P.Field("CBMarksAutoPosition", &S::CBMarksAutoPosition);
    P.Field("TabShadow", &S::TabShadow);
    P.Field("TabBorder", &S::TabBorder);
    P.Field("BBarPen", &S::BBarPen);
    P.Field("LBevel", &S::LBevel);
    P.Field("EBevel", &S::EBevel);
    P.Field("UDBevel", &S::UDBevel);
    P.Field("LDarkPen", &S::LDarkPen);
    P.Field("Edit2", &S::Edit2);
    P.Field("UDDarkPen", &S::UDDarkPen);
    P.Method("FormShow", &S::FormShow);
    P.Method("CBBarStyleChange", &S::CBBarStyleChange);
    P.Method("BBarBrushClick", &S::BBarBrushClick);
    P.Method("CBColorEachClick", &S::CBColorEachClick);
    P.Method("BBarColorClick", &S::BBarColorClick);
    P.Method("BGradientClick", &S::BGradientClick);
    P.Method("CBDarkBarClick", &S::CBDarkBarClick);
    P.Method("TBTranspChange", &S::TBTranspChange);
    P.Method("SEBarwidthChange", &S::SEBarwidthChange);
    P.Method("SEBarOffsetChange", &S::SEBarOffsetChange);
    P.Method("Edit1Change", &S::Edit1Change);
    P.Method("CBBarSideMarginsClick", &S::CBBarSideMarginsClick);
    P.Method("CBMarksAutoPositionClick", &S::CBMarksAutoPositionClick);
    P.Method("EBevelChange", &S::EBevelChange);
    P.Method("Edit2Change", &S::Edit2Change);
}

namespace {
// The whole number an edit box holds; false while it holds none (a lone minus sign, an
// empty box).
bool EditNumber(TEdit* Edit, int& Value) {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    if (ok) Value = v;
    return ok;
}
} // namespace

TBarSeriesEditor::TBarSeriesEditor(TComponent* AOwner) : TForm(AOwner) {
    SetAlign(alClient);
}

TBarSeriesEditor::~TBarSeriesEditor() {
    // The "Stack" tab lives on the series page, outside this form: it goes with it.
    FreeObject(FStackEditor);
}

void TBarSeriesEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FStackEditor) FStackEditor = nullptr;
}

bool TBarSeriesEditor::CanEditNumbers() const {
    return Bar && !CreatingForm && Showing();
}

void TBarSeriesEditor::FormShow(TObject*) {
    Bar = dynamic_cast<TCustomBarSeries*>(reinterpret_cast<TObject*>(Tag()));
    if (!Bar) return;
    // The handlers stay quiet while the controls are filled, at every show.
    CreatingForm = true;
    CBBarStyle->SetItemIndex(int(Bar->BarStyle()));
    CBColorEach->SetChecked(Bar->ColorEachPoint());
    CBDarkBar->SetChecked(Bar->Dark3D());
    TBTransp->SetPosition(Bar->Transparency());
    BTickLines->LinkPen(Bar->TickLines());
    UDBarWidth->SetPosition(Bar->BarWidthPercent());
    UDBarOffset->SetPosition(Bar->OffsetPercent());
    UDDepth->SetPosition(Bar->DepthPercent());
    CBBarSideMargins->SetChecked(Bar->SideMargins());
    CBMarksAutoPosition->SetChecked(Bar->AutoMarkPosition());
    BBarPen->LinkPen(Bar->BarPen());
    UDBevel->SetPosition(Bar->BevelSize());
    UDDarkPen->SetPosition(Bar->DarkPen());
    // The shadow editor is made once: an embedded form's show runs at every visit of its
    // page, and a new editor each time would pile up in the tab.
    if (!FShadowEditor) FShadowEditor = InsertTeeShadowEditor(TabShadow);
    FShadowEditor->RefreshControls(Bar->Shadow());
    ApplyStyleRules();
    BBarColor->LinkProperty(Bar, QStringLiteral("SeriesColor"));
    EnableColorButton();
    InsertStackTab();
    CreatingForm = false;
}

void TBarSeriesEditor::InsertStackTab() {
    // Once, beside "Format" on the series page; a later show keeps the tab there.
    if (!Parent() || FStackEditor) return;
    FStackEditor = static_cast<TStackBarSeriesEditor*>(TFormTeeSeries::InsertSeriesForm(
        Parent(), TStackBarSeriesEditor::StaticClass(), 1, TeeMsg_Stack, Bar));
    if (FStackEditor) FStackEditor->FreeNotification(this);
}

void TBarSeriesEditor::ApplyStyleRules() {
    const int style = CBBarStyle->ItemIndex();
    BGradient->SetEnabled(style == bsRectangle || style == bsRectGradient);
    const bool bevel = style == bsBevel;
    LBevel->SetEnabled(bevel);
    EBevel->SetEnabled(bevel);
    UDBevel->SetEnabled(bevel);
}

void TBarSeriesEditor::EnableColorButton() {
    const bool enabled = Bar && !Bar->ColorEachPoint();
    BBarColor->SetEnabled(enabled);
    if (enabled) BBarColor->Repaint();
}

void TBarSeriesEditor::CBBarStyleChange(TObject*) {
    if (CreatingForm || !Bar || CBBarStyle->ItemIndex() < 0) return;
    Bar->SetBarStyle(TBarStyle(CBBarStyle->ItemIndex()));
    ApplyStyleRules();
}

void TBarSeriesEditor::BBarBrushClick(TObject*) {
    if (Bar) EditChartBrush(this, Bar->BarBrush());
}

void TBarSeriesEditor::CBColorEachClick(TObject*) {
    if (CreatingForm || !Bar) return;
    Bar->SetColorEachPoint(CBColorEach->Checked());
    EnableColorButton();
}

void TBarSeriesEditor::BBarColorClick(TObject*) {
    // The colour went into the series through the button's link; the list of styles shows
    // no colour, so nothing else repaints.
}

void TBarSeriesEditor::BGradientClick(TObject*) {
    if (!Bar) return;
    // The gradient is drawn by the "Rect. Gradient" style: a bar of another style is
    // switched to it before the gradient is edited.
    if (Bar->BarStyle() != bsRectGradient) {
        Bar->SetBarStyle(bsRectGradient);
        CreatingForm = true;
        CBBarStyle->SetItemIndex(int(bsRectGradient));
        CreatingForm = false;
        ApplyStyleRules();
    }
    EditTeeGradient(this, Bar->Gradient(), true, true);
}

void TBarSeriesEditor::CBDarkBarClick(TObject*) {
    if (CreatingForm || !Bar) return;
    Bar->SetDark3D(CBDarkBar->Checked());
}

void TBarSeriesEditor::TBTranspChange(TObject*) {
    if (CreatingForm || !Bar) return;
    Bar->SetTransparency(TBTransp->Position());
}

void TBarSeriesEditor::SEBarwidthChange(TObject*) {
    int v = 0;
    if (CanEditNumbers() && EditNumber(SEBarwidth, v) && v >= UDBarWidth->Min()) Bar->SetBarWidthPercent(v);
}

void TBarSeriesEditor::SEBarOffsetChange(TObject*) {
    int v = 0;
    if (CanEditNumbers() && EditNumber(SEBarOffset, v)) Bar->SetOffsetPercent(v);
}

void TBarSeriesEditor::Edit1Change(TObject*) {
    int v = 0;
    if (CanEditNumbers() && EditNumber(Edit1, v) && v >= UDDepth->Min()) Bar->SetDepthPercent(v);
}

void TBarSeriesEditor::CBBarSideMarginsClick(TObject*) {
    if (CreatingForm || !Bar) return;
    Bar->SetSideMargins(CBBarSideMargins->Checked());
}

void TBarSeriesEditor::CBMarksAutoPositionClick(TObject*) {
    if (CreatingForm || !Bar) return;
    Bar->SetAutoMarkPosition(CBMarksAutoPosition->Checked());
}

void TBarSeriesEditor::EBevelChange(TObject*) {
    int v = 0;
    if (CanEditNumbers() && EditNumber(EBevel, v)) Bar->SetBevelSize(v);
}

void TBarSeriesEditor::Edit2Change(TObject*) {
    int v = 0;
    if (CanEditNumbers() && EditNumber(Edit2, v) && v >= 0 && v <= 255) Bar->SetDarkPen(v);
}
