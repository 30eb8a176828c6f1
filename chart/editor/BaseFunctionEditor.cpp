#include "chart/editor/BaseFunctionEditor.h"

#include "chart/editor/AxisIncrement.h"
#include "chart/editor/TeeFuncEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/BasicFunctions.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/IntText.h"

#include <cmath>
#include <memory>

ORVO_IMPLEMENT_CLASS(TBaseFunctionEditor, TForm)
ORVO_IMPLEMENT_CLASS(TTeeFunctionEditor, TBaseFunctionEditor)
ORVO_IMPLEMENT_CLASS(TAverageFuncEditor, TTeeFunctionEditor)
ORVO_IMPLEMENT_CLASS(TCustomFunctionEditor, TBaseFunctionEditor)

ORVO_PUBLISHED(TBaseFunctionEditor) {
    using S = TBaseFunctionEditor;
    P.Method("FormCreate", &S::FormCreate);
    P.Method("FormShow", &S::FormShow);
    P.Method("FormCloseQuery", &S::FormCloseQuery);
}

ORVO_PUBLISHED(TTeeFunctionEditor) {
    using S = TTeeFunctionEditor;
    P.Field("LStyle", &S::LStyle);
    P.Field("CBStyle", &S::CBStyle);
    P.Field("LNum", &S::LNum);
    P.Field("ENum", &S::ENum);
    P.Field("BChange", &S::BChange);
    P.Field("LAlign", &S::LAlign);
    P.Field("CBAlign", &S::CBAlign);
    P.Method("CBStyleChange", &S::CBStyleChange);
    P.Method("ENumChange", &S::ENumChange);
    P.Method("BChangeClick", &S::BChangeClick);
    P.Method("CBAlignChange", &S::CBAlignChange);
}

ORVO_PUBLISHED(TAverageFuncEditor) {
    using S = TAverageFuncEditor;
    P.Field("CBNulls", &S::CBNulls);
    P.Method("CBNullsClick", &S::CBNullsClick);
}

ORVO_PUBLISHED(TCustomFunctionEditor) {
    using S = TCustomFunctionEditor;
    P.Field("LStart", &S::LStart);
    P.Field("EStart", &S::EStart);
    P.Field("LStep", &S::LStep);
    P.Field("EStep", &S::EStep);
    P.Field("LNum", &S::LNum);
    P.Field("ENum", &S::ENum);
    P.Method("EditChange", &S::EditChange);
}

namespace {
struct FreeComponent {
    void operator()(TObject* o) const { FreeObject(o); }
};
} // namespace

// ---- base ------------------------------------------------------------------------------------

TBaseFunctionEditor::TBaseFunctionEditor(TComponent* AOwner) : TForm(AOwner) {}

void TBaseFunctionEditor::FormCreate(TObject*) {
    SetAlign(alClient);
}

bool TBaseFunctionEditor::TakeFunction() {
    if (!CreatingForm) return false;
    CreatingForm = false;
    IFunction = dynamic_cast<TTeeFunction*>(TeeFormTagObject(this));
    if (!IFunction) return false;
    IFunction->FreeNotification(this);
    SetFunction();
    return true;
}

void TBaseFunctionEditor::FormShow(TObject*) {
    // An embedded form is shown again on every visit of its page: the function is taken,
    // and the controls filled, on the first show only.
    if (TakeFunction())
        if (auto* owner = dynamic_cast<TBaseSourceEditor*>(Owner())) owner->BApply->SetEnabled(false);
}

void TBaseFunctionEditor::Changed() {
    if (auto* owner = dynamic_cast<TBaseSourceEditor*>(Owner())) owner->BApply->SetEnabled(true);
}

void TBaseFunctionEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == IFunction) IFunction = nullptr;
}

void TBaseFunctionEditor::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = true;
    // A form whose page was never visited takes its function now, so its untouched
    // controls store the function's own settings.
    TakeFunction();
    // Without a function (the owner's choice is not yet the series'), one of the chosen
    // class is made from the options and becomes the series' function only once they are
    // stored: a failure leaves the series with the function it had.
    std::unique_ptr<TTeeFunction, FreeComponent> made;
    TChartSeries* series = nullptr;
    if (!IFunction) {
        auto* owner = dynamic_cast<TTeeFuncEditor*>(Owner());
        TClass functionClass = owner ? owner->FunctionClass() : nullptr;
        series = owner ? owner->TheSeries : nullptr;
        if (!series || !functionClass) return;
        made.reset(dynamic_cast<TTeeFunction*>(functionClass->CreateComponent(series->Owner())));
        if (!made) return;
        IFunction = made.get();
    }
    TTeeFunction* function = IFunction;
    // The update ends however the options are stored, a failure included.
    function->BeginUpdate();
    try {
        ApplyFormChanges();
    } catch (...) {
        if (made) IFunction = nullptr;
        function->EndUpdate();
        throw;
    }
    function->EndUpdate();
    if (made) {
        made.release();
        function->SetName(TeeGetUniqueName(series->Owner(), QStringLiteral("TeeFunction")));
        function->FreeNotification(this);
        function->SetParentSeries(series);
    }
}

// ---- period-based functions ------------------------------------------------------------------

TTeeFunctionEditor::TTeeFunctionEditor(TComponent* AOwner) : TBaseFunctionEditor(AOwner) {}

void TTeeFunctionEditor::SetFunction() {
    const bool range =
        IFunction->PeriodStyle() == psRange && !IFunction->InheritsFrom(TTeeMovingFunction::StaticClass());
    if (range)
        CBStyle->SetItemIndex(2);
    else if (std::nearbyint(IFunction->Period()) != 0)
        CBStyle->SetItemIndex(1);
    else
        CBStyle->SetItemIndex(0);
    CBAlign->SetItemIndex(int(IFunction->PeriodAlign()));
    StyleChanged();
}

void TTeeFunctionEditor::StyleChanged() {
    const int style = CBStyle->ItemIndex();
    ENum->SetEnabled(style > 0);
    BChange->SetEnabled(style == 2);
    const double period = IFunction ? IFunction->Period() : StrToFloatDef(ENum->Text(), 0);
    if (style == 1)
        ENum->SetText(IntToStr(std::max<Int64>(0, Int64(std::nearbyint(period)))));
    else if (style == 2)
        ENum->SetText(FloatToStr(period));
    else
        ENum->SetText(String());
    if (ENum->Enabled() && ENum->CanFocus()) ENum->SetFocus();
}

void TTeeFunctionEditor::CBStyleChange(TObject*) {
    StyleChanged();
    Changed();
}

void TTeeFunctionEditor::ENumChange(TObject*) {
    Changed();
}

void TTeeFunctionEditor::CBAlignChange(TObject*) {
    Changed();
}

void TTeeFunctionEditor::ApplyFormChanges() {
    IFunction->SetPeriodAlign(TFunctionPeriodAlign(std::max(0, CBAlign->ItemIndex())));
    IFunction->SetPeriodStyle(CBStyle->ItemIndex() == 2 ? psRange : psNumPoints);
    double period = 0;
    if (!TryStrToFloat(ENum->Text(), period)) period = 0;
    IFunction->SetPeriod(period);
}

void TTeeFunctionEditor::BChangeClick(TObject*) {
    std::unique_ptr<TAxisIncrement> dialog(new TAxisIncrement(this));
    dialog->AfterConstruction();
    dialog->SetCaption(TeeMsg_PeriodRange);
    TChartSeries* series = IFunction ? IFunction->ParentSeries() : nullptr;
    if (!series)
        if (auto* owner = dynamic_cast<TBaseSourceEditor*>(Owner())) series = owner->TheSeries;
    auto* source = series ? dynamic_cast<TChartSeries*>(series->DataSource()) : nullptr;
    dialog->IsDateTime = source && source->XValues()->DateTime();
    dialog->IsExact = true;
    dialog->Increment = StrToFloatDef(ENum->Text(), IFunction ? IFunction->Period() : 0);
    dialog->IStep = FindDateTimeStep(dialog->Increment);
    PositionToCenter(dialog.get());
    TeeTranslateControl(dialog.get());
    if (dialog->ShowModal() != mrOk) return;
    ENum->SetText(FloatToStr(dialog->Increment));
    Changed();
}

// ---- average -------------------------------------------------------------------------------

TAverageFuncEditor::TAverageFuncEditor(TComponent* AOwner) : TTeeFunctionEditor(AOwner) {}

void TAverageFuncEditor::SetFunction() {
    TTeeFunctionEditor::SetFunction();
    if (auto* average = dynamic_cast<TAverageTeeFunction*>(IFunction))
        CBNulls->SetChecked(average->IncludeNulls());
}

void TAverageFuncEditor::ApplyFormChanges() {
    TTeeFunctionEditor::ApplyFormChanges();
    if (auto* average = dynamic_cast<TAverageTeeFunction*>(IFunction))
        average->SetIncludeNulls(CBNulls->Checked());
}

void TAverageFuncEditor::CBNullsClick(TObject*) {
    Changed();
}

// ---- custom function -----------------------------------------------------------------------

TCustomFunctionEditor::TCustomFunctionEditor(TComponent* AOwner) : TBaseFunctionEditor(AOwner) {}

void TCustomFunctionEditor::SetFunction() {
    auto* custom = dynamic_cast<TCustomTeeFunction*>(IFunction);
    if (!custom) return;
    EStart->SetText(FloatToStr(custom->StartX()));
    EStep->SetText(FloatToStr(custom->Period()));
    ENum->SetText(IntToStr(custom->NumPoints()));
}

void TCustomFunctionEditor::ApplyFormChanges() {
    auto* custom = dynamic_cast<TCustomTeeFunction*>(IFunction);
    if (!custom) return;
    // Every box is read before any is stored: a bad one changes nothing.
    const double start = StrToFloat(EStart->Text());
    const double step = StrToFloat(EStep->Text());
    const int count = StrToInt(ENum->Text());
    custom->SetStartX(start);
    custom->SetPeriod(step);
    custom->SetNumPoints(count);
}

void TCustomFunctionEditor::EditChange(TObject*) {
    Changed();
}
