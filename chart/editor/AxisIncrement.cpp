#include "chart/editor/AxisIncrement.h"

#include "chart/editor/AxisMaxMin.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/RadioGroup.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"

#include <cmath>
#include <memory>

ORVO_IMPLEMENT_CLASS(TAxisIncrement, TForm)

ORVO_PUBLISHED(TAxisIncrement) {
    using S = TAxisIncrement;
    P.Field("CBExact", &S::CBExact);
    P.Field("RadioGroup1", &S::RadioGroup1);
    P.Field("CBSteps", &S::CBSteps);
    P.Field("ECustom", &S::ECustom);
    P.Field("LCustom", &S::LCustom);
    P.Field("BOk", &S::BOk);
    P.Field("BCancel", &S::BCancel);
    P.Method("FormShow", &S::FormShow);
    P.Method("RadioGroup1Click", &S::RadioGroup1Click);
    P.Method("CBExactClick", &S::CBExactClick);
    P.Method("CBStepsChange", &S::CBStepsChange);
    P.Method("BOkClick", &S::BOkClick);
}

namespace {
constexpr int kStandard = 0;
constexpr int kCustom = 1;
} // namespace

TAxisIncrement::TAxisIncrement(TComponent* AOwner) : TForm(AOwner) {}

String DateTimeIncrementText(double Increment) {
    if (Increment <= 0) return TimeToStr(DateTimeStep[dtOneSecond]);
    if (Increment >= 1) {
        const double days = std::trunc(Increment);
        String s = FloatToStr(days);
        const double fraction = Increment - days;
        if (fraction != 0) s += QLatin1Char(' ') + TimeToStr(fraction);
        return s;
    }
    return TimeToStr(Increment);
}

String GetIncrementText(TComponent* AOwner, double Increment, bool IsDateTime, bool Exact,
                        const String& Format) {
    if (IsDateTime) {
        const TDateTimeStep step = FindDateTimeStep(Increment);
        if (Exact && step != dtNone) {
            // The step names are the dialog's: read from its form resource.
            std::unique_ptr<TAxisIncrement> dialog(new TAxisIncrement(AOwner));
            dialog->AfterConstruction();
            return dialog->CBSteps->Items()->Strings(int(step));
        }
        return DateTimeIncrementText(Increment);
    }
    const String text = FormatFloat(Format, Increment);
    // A format that rounds the step away would hide it: then the plain number.
    if (StrToFloatDef(text, 0) != Increment) return FloatToStr(Increment);
    return text;
}

void TAxisIncrement::SetEditText() {
    ECustom->SetText(DateTimeIncrementText(Increment));
}

void TAxisIncrement::FormShow(TObject*) {
    CBExact->SetVisible(IsDateTime);
    CBExact->SetChecked(IsExact);
    if (IsDateTime) {
        ECustom->SetHint(TeeMsg_EnterDateTime);
        SetEditText();
        if (IsExact && IStep != dtNone) {
            RadioGroup1->SetItemIndex(kStandard);
            CBSteps->SetItemIndex(int(IStep));
            ECustom->SetText(String());
            ECustom->SetEnabled(false);
            CBSteps->SetEnabled(true);
            if (CBSteps->CanFocus()) CBSteps->SetFocus();
        } else {
            RadioGroup1->SetItemIndex(kCustom);
            CBSteps->SetItemIndex(-1);
            CBSteps->SetEnabled(false);
        }
    } else {
        CBSteps->SetVisible(false);
        RadioGroup1->SetVisible(false);
        RadioGroup1->SetItemIndex(kCustom);
        ECustom->SetHint(String());
        ECustom->SetText(FloatToStr(Increment));
        const int labelGap = ECustom->Top() - LCustom->Top();
        ECustom->SetTop(40);
        LCustom->SetTop(40 - labelGap);
        ECustom->SelectAll();
        if (ECustom->CanFocus()) ECustom->SetFocus();
    }
    CBExact->SetEnabled(RadioGroup1->ItemIndex() == kStandard);
}

void TAxisIncrement::RadioGroup1Click(TObject*) {
    if (RadioGroup1->ItemIndex() == kStandard) {
        ECustom->SetEnabled(false);
        CBExact->SetChecked(true);
        CBExact->SetEnabled(true);
        IsExact = true;
        CBSteps->SetEnabled(true);
        CBSteps->SetItemIndex(IStep == dtNone ? 0 : int(IStep));
        if (IStep == dtNone) IStep = TDateTimeStep(0);
        if (CBSteps->CanFocus()) CBSteps->SetFocus();
    } else {
        ECustom->SetEnabled(true);
        CBExact->SetChecked(false);
        CBExact->SetEnabled(false);
        IsExact = false;
        CBSteps->SetEnabled(false);
        SetEditText();
        if (ECustom->CanFocus()) ECustom->SetFocus();
    }
}

void TAxisIncrement::CBExactClick(TObject*) {
    if (CBExact->Checked()) {
        IsExact = true;
        return;
    }
    IsExact = false;
    if (RadioGroup1->ItemIndex() != kCustom) RadioGroup1->SetItemIndex(kCustom);
    ECustom->SetEnabled(true);
    SetEditText();
    if (ECustom->CanFocus()) ECustom->SetFocus();
}

void TAxisIncrement::CBStepsChange(TObject*) {
    if (CBSteps->ItemIndex() >= 0) IStep = TDateTimeStep(CBSteps->ItemIndex());
}

void TAxisIncrement::BOkClick(TObject*) {
    try {
        if (!IsDateTime) {
            Increment = double(StrToFloat(ECustom->Text()));
        } else if (RadioGroup1->ItemIndex() == kCustom) {
            const String text = ECustom->Text().trimmed();
            const int blank = text.indexOf(QLatin1Char(' '));
            double number = 0;
            if (blank >= 0) {
                Increment = double(StrToFloat(text.left(blank))) + StrToTime(text.mid(blank + 1).trimmed());
            } else if (TryStrToFloat(text, number)) {
                Increment = number;
            } else {
                TDateTime time = 0;
                Increment = TryStrToTime(text, time) ? double(time) : double(StrToFloat(text));
            }
        } else {
            const int step = CBSteps->ItemIndex();
            Increment = DateTimeStep[std::size_t(step < 0 ? int(IStep == dtNone ? 0 : IStep) : step)];
        }
    } catch (const Exception& e) {
        TeeShowIncorrect(e.Message);
        return;
    }
    SetModalResult(mrOk);
}

bool TAxisIncrement::ChangeIncrement(TComponent* AOwner, TChartAxis* Axis) {
    std::unique_ptr<TAxisIncrement> dialog(new TAxisIncrement(AOwner));
    dialog->AfterConstruction();
    String name;
    if (auto* chart = dynamic_cast<TCustomChart*>(Axis->ParentChart())) name = chart->AxisTitleOrName(Axis);
    dialog->SetCaption(Format(TeeMsg_DesiredIncrement, {name}));
    dialog->IsDateTime = Axis->IsDateTime();
    dialog->IsExact = Axis->ExactDateTime();
    dialog->Increment = Axis->DesiredIncrement();
    dialog->IStep = FindDateTimeStep(Axis->DesiredIncrement());
    dialog->SetPosition(AOwner ? poOwnerFormCenter : poScreenCenter);
    TeeTranslateControl(dialog.get());
    if (dialog->ShowModal() != mrOk) return false;
    Axis->SetDesiredIncrement(dialog->Increment);
    Axis->SetExactDateTime(dialog->IsExact);
    return true;
}
