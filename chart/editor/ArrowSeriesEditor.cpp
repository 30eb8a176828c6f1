#include "chart/editor/ArrowSeriesEditor.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/SeriesPointer.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/ArrowSeries.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_CLASS(TArrowSeriesEditor, TForm)

ORVO_PUBLISHED(TArrowSeriesEditor) {
    using T = TArrowSeriesEditor;
    P.Field("CBColorEach", &T::CBColorEach);
    P.Field("BArrowColor", &T::BArrowColor);
    P.Field("BPen", &T::BPen);
    P.Field("BBrush", &T::BBrush);
    P.Field("Label1", &T::Label1);
    P.Field("SEArrowWidth", &T::SEArrowWidth);
    P.Field("UDArrowWidth", &T::UDArrowWidth);
    P.Field("Label2", &T::Label2);
    P.Field("SEArrowHeight", &T::SEArrowHeight);
    P.Field("UDArrowHeight", &T::UDArrowHeight);
    P.Field("Label3", &T::Label3);
    P.Field("SBPercent", &T::SBPercent);
    P.Field("LPercent", &T::LPercent);
    P.Method("FormShow", &T::FormShow);
    P.Method("CBColorEachClick", &T::CBColorEachClick);
    P.Method("BBrushClick", &T::BBrushClick);
    P.Method("SEArrowWidthChange", &T::SEArrowWidthChange);
    P.Method("SEArrowHeightChange", &T::SEArrowHeightChange);
    P.Method("SBPercentChange", &T::SBPercentChange);
}

TArrowSeriesEditor::TArrowSeriesEditor(TComponent* AOwner) : TForm(AOwner) {}

void TArrowSeriesEditor::FormShow(TObject*) {
    Arrow = dynamic_cast<TArrowSeries*>(TeeFormTagObject(this));
    if (!Arrow) return;
    FFilling = true;
    CBColorEach->SetChecked(Arrow->ColorEachPoint());
    BArrowColor->LinkProperty(Arrow, QStringLiteral("SeriesColor"));
    BArrowColor->SetEnabled(!Arrow->ColorEachPoint());
    BPen->LinkPen(Arrow->Pointer()->Pen());
    UDArrowWidth->SetPosition(Arrow->ArrowWidth());
    UDArrowHeight->SetPosition(Arrow->ArrowHeight());
    SBPercent->SetPosition(Arrow->Percent());
    ShowPercent();
    FFilling = false;
}

void TArrowSeriesEditor::ShowPercent() {
    LPercent->SetCaption(IntToStr(SBPercent->Position()) + QStringLiteral("%"));
}

void TArrowSeriesEditor::CBColorEachClick(TObject*) {
    if (!CanEdit()) return;
    Arrow->SetColorEachPoint(CBColorEach->Checked());
    if (CBColorEach->Checked()) Arrow->Pointer()->SetColor(clTeeColor);
    BArrowColor->SetEnabled(!CBColorEach->Checked());
    BArrowColor->Repaint();
}

void TArrowSeriesEditor::BBrushClick(TObject*) {
    if (Arrow) EditChartBrush(this, Arrow->Pointer()->Brush());
}

void TArrowSeriesEditor::SEArrowWidthChange(TObject*) {
    int V = 0;
    if (CanEdit() && Showing() && TryStrToInt(SEArrowWidth->Text().trimmed(), V)) Arrow->SetArrowWidth(V);
}

void TArrowSeriesEditor::SEArrowHeightChange(TObject*) {
    int V = 0;
    if (CanEdit() && Showing() && TryStrToInt(SEArrowHeight->Text().trimmed(), V)) Arrow->SetArrowHeight(V);
}

void TArrowSeriesEditor::SBPercentChange(TObject*) {
    ShowPercent();
    if (CanEdit()) Arrow->SetPercent(SBPercent->Position());
}
