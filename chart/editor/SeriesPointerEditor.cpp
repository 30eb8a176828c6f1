#include "chart/editor/SeriesPointerEditor.h"

#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesPointer.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/CustomSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Canvas.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TSeriesPointerEditor, TForm)

ORVO_PUBLISHED(TSeriesPointerEditor) {
    using S = TSeriesPointerEditor;
    P.Field("CBDrawPoint", &S::CBDrawPoint);
    P.Field("CB3dPoint", &S::CB3dPoint);
    P.Field("CBPoDark", &S::CBPoDark);
    P.Field("CBInflate", &S::CBInflate);
    P.Field("LWidth", &S::LWidth);
    P.Field("SEPointHorizSize", &S::SEPointHorizSize);
    P.Field("UDPointHorizSize", &S::UDPointHorizSize);
    P.Field("LHeight", &S::LHeight);
    P.Field("SEPointVertSize", &S::SEPointVertSize);
    P.Field("UDPointVertSize", &S::UDPointVertSize);
    P.Field("LStyle", &S::LStyle);
    P.Field("CBStyle", &S::CBStyle);
    P.Field("BPointFillColor", &S::BPointFillColor);
    P.Field("CBDefBrushColor", &S::CBDefBrushColor);
    P.Field("BPoinPenCol", &S::BPoinPenCol);
    P.Field("Button2", &S::Button2);
    P.Field("LTransp", &S::LTransp);
    P.Field("TBTransp", &S::TBTransp);
    P.Field("BGradient", &S::BGradient);
    P.Field("CBColorEach", &S::CBColorEach);
    P.Field("CBIgnoreNulls", &S::CBIgnoreNulls);
    P.Field("PanelBottom", &S::PanelBottom);
    P.Field("Button1", &S::Button1);
    P.Method("FormShow", &S::FormShow);
    P.Method("CBDrawPointClick", &S::CBDrawPointClick);
    P.Method("CB3dPointClick", &S::CB3dPointClick);
    P.Method("CBPoDarkClick", &S::CBPoDarkClick);
    P.Method("CBInflateClick", &S::CBInflateClick);
    P.Method("SEPointHorizSizeChange", &S::SEPointHorizSizeChange);
    P.Method("SEPointVertSizeChange", &S::SEPointVertSizeChange);
    P.Method("CBStyleChange", &S::CBStyleChange);
    P.Method("CBStyleDrawItem", &S::CBStyleDrawItem);
    P.Method("BPointFillColorClick", &S::BPointFillColorClick);
    P.Method("CBDefBrushColorClick", &S::CBDefBrushColorClick);
    P.Method("BPoinPenColClick", &S::BPoinPenColClick);
    P.Method("Button2Click", &S::Button2Click);
    P.Method("TBTranspChange", &S::TBTranspChange);
    P.Method("BGradientClick", &S::BGradientClick);
    P.Method("CBColorEachClick", &S::CBColorEachClick);
    P.Method("CBIgnoreNullsClick", &S::CBIgnoreNullsClick);
    P.Method("Button1Click", &S::Button1Click);
}

namespace {
// Sets a check box without running its click handler's effect (the editor is filling).
void SetCheck(TCheckBox* Box, bool Value) {
    Box->SetChecked(Value);
}

int TextToInt(const String& Text, bool& Ok) {
    return Text.trimmed().toInt(&Ok);
}
} // namespace

TSeriesPointerEditor::TSeriesPointerEditor(TComponent* AOwner) : TForm(AOwner) {
    SetAlign(alClient);
}

void TSeriesPointerEditor::HideSizeOptions() {
    for (TControl* c : {static_cast<TControl*>(LWidth), static_cast<TControl*>(SEPointHorizSize),
                        static_cast<TControl*>(UDPointHorizSize), static_cast<TControl*>(LHeight),
                        static_cast<TControl*>(SEPointVertSize), static_cast<TControl*>(UDPointVertSize)})
        c->Hide();
}

void TSeriesPointerEditor::FormShow(TObject*) {
    TObject* tag = TeeFormTagObject(this);
    if (!tag) return;
    FFilling = true;
    if (auto* pointer = dynamic_cast<TSeriesPointer*>(tag)) {
        ThePointer = pointer;
        CBColorEach->SetEnabled(false);
        CBColorEach->Hide();
        CBIgnoreNulls->SetEnabled(false);
        CBIgnoreNulls->Hide();
    } else if (auto* series = dynamic_cast<TCustomSeries*>(tag)) {
        ThePointer = series->Pointer();
        SetCheck(CBColorEach, series->ColorEachPoint());
        SetCheck(CBIgnoreNulls, series->TreatNulls() == tnIgnore);
    } else {
        FFilling = false;
        return;
    }
    SetCheck(CBDrawPoint, ThePointer->Visible());
    SetPointerVisible(ThePointer->Visible());
    SetCheck(CB3dPoint, ThePointer->Draw3D());
    SetCheck(CBPoDark, ThePointer->Dark3D());
    SetCheck(CBInflate, ThePointer->InflateMargins());
    UDPointHorizSize->SetPosition(ThePointer->HorizSize());
    UDPointVertSize->SetPosition(ThePointer->VertSize());
    CBStyle->SetItemIndex(int(ThePointer->Style()));
    BPoinPenCol->LinkPen(ThePointer->Pen());
    TBTransp->SetPosition(ThePointer->Transparency());
    CheckDefaultColors();
    Check3DEnabled();
    if (!ThePointer->AllowChangeSize()) HideSizeOptions();
    TeeTranslateControl(this);
    FFilling = false;
}

void TSeriesPointerEditor::SetPointerVisible(bool Value) {
    ThePointer->SetVisible(Value);
    if (Value)
        Check3DEnabled();
    else {
        CB3dPoint->SetEnabled(false);
        CBPoDark->SetEnabled(false);
    }
    for (TControl* c : {static_cast<TControl*>(CBInflate), static_cast<TControl*>(SEPointHorizSize),
                        static_cast<TControl*>(UDPointHorizSize), static_cast<TControl*>(SEPointVertSize),
                        static_cast<TControl*>(UDPointVertSize), static_cast<TControl*>(BPointFillColor),
                        static_cast<TControl*>(CBStyle), static_cast<TControl*>(BPoinPenCol),
                        static_cast<TControl*>(CBDefBrushColor)})
        c->SetEnabled(Value);
}

void TSeriesPointerEditor::Check3DEnabled() {
    if (!ThePointer || !ThePointer->Visible()) return;
    TCustomTeePanel* chart = ThePointer->ParentChart();
    const TSeriesPointerStyle style = ThePointer->Style();
    bool enable = false;
    if (chart && chart->View3D()) {
        if (style == psRectangle || style == psTriangle || style == psDownTriangle)
            enable = true;
        else if (style == psCircle)
            enable = chart->Canvas() && chart->Canvas()->SupportsFullRotation();
    }
    CB3dPoint->SetEnabled(enable);
    CBPoDark->SetEnabled(enable && CB3dPoint->Checked());
}

void TSeriesPointerEditor::CheckDefaultColors() {
    const bool wasFilling = FFilling;
    FFilling = true;
    SetCheck(CBDefBrushColor,
             ThePointer->Brush()->Color() == clTeeColor && ThePointer->Pen()->Color() == clTeeColor);
    FFilling = wasFilling;
}

void TSeriesPointerEditor::RepaintColors() {
    BPoinPenCol->Invalidate();
    CBStyle->Invalidate();
}

void TSeriesPointerEditor::CBDrawPointClick(TObject*) {
    if (Filling()) return;
    SetPointerVisible(CBDrawPoint->Checked());
}

void TSeriesPointerEditor::CB3dPointClick(TObject*) {
    if (Filling()) return;
    ThePointer->SetDraw3D(CB3dPoint->Checked());
    Check3DEnabled();
}

void TSeriesPointerEditor::CBPoDarkClick(TObject*) {
    if (Filling()) return;
    ThePointer->SetDark3D(CBPoDark->Checked());
}

void TSeriesPointerEditor::CBInflateClick(TObject*) {
    if (Filling()) return;
    ThePointer->SetInflateMargins(CBInflate->Checked());
}

void TSeriesPointerEditor::SEPointHorizSizeChange(TObject*) {
    if (Filling() || !Showing()) return;
    bool ok = false;
    const int v = TextToInt(SEPointHorizSize->Text(), ok);
    // Sizes below 1 are refused by the pointer; half-typed text waits for more.
    if (ok && v >= 1) ThePointer->SetHorizSize(v);
}

void TSeriesPointerEditor::SEPointVertSizeChange(TObject*) {
    if (Filling() || !Showing()) return;
    bool ok = false;
    const int v = TextToInt(SEPointVertSize->Text(), ok);
    if (ok && v >= 1) ThePointer->SetVertSize(v);
}

void TSeriesPointerEditor::CBStyleChange(TObject*) {
    if (Filling()) return;
    const int i = CBStyle->ItemIndex();
    if (i < int(psRectangle) || i > int(psHexagon)) return;
    ThePointer->SetStyle(TSeriesPointerStyle(i));
    Check3DEnabled();
}

void TSeriesPointerEditor::CBStyleDrawItem(TWinControl*, int Index, TRect Rect, TOwnerDrawState) {
    TCanvas* canvas = CBStyle->Canvas();
    canvas->FillRect(Rect);
    if (!ThePointer || Index < 0 || Index >= CBStyle->Items()->Count()) return;
    TTeeCanvas3D temp;
    temp.SetUseBuffer(false);
    temp.SetCanvas(canvas);
    TColor color = ThePointer->Brush()->Color();
    if (color == clTeeColor && ThePointer->Series()) color = ThePointer->Series()->SeriesColor();
    ThePointer->PrepareCanvas(&temp, color);
    const auto style = TSeriesPointerStyle(Index);
    if ((style == psCross || style == psDiagCross || style == psStar || style == psSmallDot) &&
        !ThePointer->Pen()->Visible()) {
        temp.Pen()->SetStyle(psSolid);
        temp.Pen()->SetWidth(1);
        temp.Pen()->SetColor(color);
    }
    ThePointer->DrawPointer(&temp, false, Rect.Left + 6, Rect.Top + 8, 4, 4, color, style);
    const TColor old = canvas->Brush()->Color();
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(Rect.Left + 14, Rect.Top + 2, CBStyle->Items()->Strings(Index));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(old);
}

void TSeriesPointerEditor::BPointFillColorClick(TObject*) {
    if (!ThePointer) return;
    EditChartBrush(this, ThePointer->Brush());
    CheckDefaultColors();
    RepaintColors();
}

void TSeriesPointerEditor::CBDefBrushColorClick(TObject*) {
    if (Filling()) return;
    if (CBDefBrushColor->Checked()) {
        ThePointer->Brush()->SetColor(clTeeColor);
        ThePointer->Pen()->SetColor(clTeeColor);
    } else if (ThePointer->Pen()->Color() == clTeeColor)
        ThePointer->Pen()->SetColor(clBlack);
    RepaintColors();
}

void TSeriesPointerEditor::BPoinPenColClick(TObject*) {
    if (!ThePointer) return;
    CheckDefaultColors();
    RepaintColors();
}

void TSeriesPointerEditor::Button2Click(TObject*) {
    if (ThePointer) EditTeeShadow(this, ThePointer->Shadow());
}

void TSeriesPointerEditor::TBTranspChange(TObject*) {
    if (Filling()) return;
    ThePointer->SetTransparency(TTeeTransparency(TBTransp->Position()));
}

void TSeriesPointerEditor::BGradientClick(TObject*) {
    if (ThePointer) EditTeeGradient(this, ThePointer->Gradient(), !ThePointer->FullGradient(), false);
}

void TSeriesPointerEditor::CBColorEachClick(TObject*) {
    if (Filling()) return;
    if (auto* series = dynamic_cast<TChartSeries*>(TeeFormTagObject(this)))
        series->SetColorEachPoint(CBColorEach->Checked());
}

void TSeriesPointerEditor::CBIgnoreNullsClick(TObject*) {
    if (Filling()) return;
    if (auto* series = dynamic_cast<TCustomSeries*>(TeeFormTagObject(this)))
        series->SetTreatNulls(CBIgnoreNulls->Checked() ? tnIgnore : tnDontPaint);
}

void TSeriesPointerEditor::Button1Click(TObject*) {
    SetModalResult(mrOk);
}

bool EditSeriesPointer(TComponent* AOwner, TSeriesPointer* Pointer) {
    std::unique_ptr<TSeriesPointerEditor> form(TeeCreateForm<TSeriesPointerEditor>(AOwner));
    PositionToCenter(form.get());
    form->SetCaption(QStringLiteral("Pointer"));
    form->SetTag(reinterpret_cast<NativeInt>(static_cast<TObject*>(Pointer)));
    form->CBInflate->Hide();
    form->CBColorEach->Hide();
    form->PanelBottom->Show();
    TeeTranslateControl(form.get());
    form->ShowModal();
    return true;
}

TSeriesPointerEditor* TeeInsertPointerForm(TWinControl* AParent, TSeriesPointer* Pointer,
                                           const String& TabName) {
    return static_cast<TSeriesPointerEditor*>(
        TFormTeeSeries::InsertSeriesForm(AParent, TSeriesPointerEditor::StaticClass(), 1, TabName, Pointer));
}
