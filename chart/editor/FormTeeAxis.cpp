#include "chart/editor/FormTeeAxis.h"

#include "chart/editor/AxisIncrement.h"
#include "chart/editor/AxisMaxMin.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/FormatEditor.h"
#include "chart/editor/TeeFontEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/FormatSettings.h"

#include <cmath>
#include <memory>

ORVO_IMPLEMENT_CLASS(TFormTeeAxis, TForm)

ORVO_PUBLISHED(TFormTeeAxis) {
    using S = TFormTeeAxis;
#define F(name) P.Field(#name, &S::name)
    F(PanelLeft);
    F(LAxes);
    F(LBAxes);
    F(CBShow);
    F(CBAxisBeh);
    F(BAdd);
    F(BDelete);
    F(PageAxis);
    F(TabScales);
    F(TabTitle);
    F(TabLabels);
    F(TabTicks);
    F(TabGrid);
    F(TabPosition);
    F(GBOptions);
    F(CBAutomatic);
    F(CBLogarithmic);
    F(CBVisible);
    F(CBInverted);
    F(LLogBase);
    F(ELogBase);
    F(LogE);
    F(GBMinimum);
    F(LAxisMin);
    F(CBAutoMin);
    F(BAxisMin);
    F(LMinOff);
    F(EMinOff);
    F(UDMinOff);
    F(CBMinRound);
    F(GBMaximum);
    F(LAxisMax);
    F(CBAutoMax);
    F(BAxisMax);
    F(LMaxOff);
    F(EMaxOff);
    F(UDMaxOff);
    F(CBMaxRound);
    F(GBIncrement);
    F(LIncre);
    F(LAxisIncre);
    F(BIncre);
    F(CBShowAll);
    F(PageTitle);
    F(TabTitleStyle);
    F(TabTitleFormat);
    F(LTitle);
    F(ETitle);
    F(LTitleAngle);
    F(SETitleAngle);
    F(UDTitleAngle);
    F(LTitleSize);
    F(SETitleSize);
    F(UDTitleSize);
    F(CBTitleVisible);
    F(PageTitleFormat);
    F(PageLabels);
    F(TabLabelsStyle);
    F(TabLabelsFormat);
    F(TabLabelsFont);
    F(CBLabels);
    F(CBMultiline);
    F(CBOnAxis);
    F(CBRoundFirst);
    F(LLabelsSize);
    F(SELabelsSize);
    F(UDLabelsSize);
    F(LLabelsAngle);
    F(SELabelsAngle);
    F(UDLabelsAngle);
    F(LSepar);
    F(SESepar);
    F(UDSepar);
    F(LLabelStyle);
    F(CBLabelStyle);
    F(CBAlternate);
    F(LFormat);
    F(CBFormat);
    F(CBExpo);
    F(CBLabelAlign);
    F(Button1);
    F(BAxisPen);
    F(BTickPen);
    F(LTickLen);
    F(SEAxisTickLength);
    F(UDAxisTickLength);
    F(BTickInner);
    F(LInnerLen);
    F(SEInnerTicksLength);
    F(UDInnerTicksLength);
    F(BTickMinor);
    F(LMinorLen);
    F(SEAxisMinorTickLen);
    F(UDAxisMinorTickLen);
    F(LCount);
    F(Edit3);
    F(UDCount);
    F(CBTickOnLabels);
    F(BAxisGrid);
    F(BMinorGrid);
    F(LMinorCount);
    F(SEMinorCount);
    F(UDMinorCount);
    F(LGridZ);
    F(Edit2);
    F(UDGridZ);
    F(CBGridCentered);
    F(LMarksEvery);
    F(EMarksEvery);
    F(UDMarksEvery);
    F(LPos);
    F(EPos);
    F(UDPos);
    F(LStart);
    F(EStart);
    F(UDStart);
    F(LEnd);
    F(EEnd);
    F(UDEnd);
    F(LZPos);
    F(Edit1);
    F(UDZPos);
    F(LPosUnits);
    F(CBPosUnits);
    F(CBOtherSide);
    F(CBHorizAxis);
#undef F
#define M(name) P.Method(#name, &S::name)
    M(FormShow);
    M(PageAxisChange);
    M(PageAxisChanging);
    M(LBAxesClick);
    M(CBShowClick);
    M(CBAxisBehClick);
    M(BAddClick);
    M(BDeleteClick);
    M(CBAutomaticClick);
    M(CBLogarithmicClick);
    M(CBVisibleClick);
    M(CBInvertedClick);
    M(ELogBaseChange);
    M(LogEClick);
    M(CBAutoMaxMinClick);
    M(BAxisMinClick);
    M(BAxisMaxClick);
    M(EMinOffChange);
    M(EMaxOffChange);
    M(CBMinRoundClick);
    M(CBMaxRoundClick);
    M(BIncreClick);
    M(CBShowAllClick);
    M(ETitleChange);
    M(SETitleAngleChange);
    M(SETitleSizeChange);
    M(CBTitleVisibleClick);
    M(CBLabelsClick);
    M(CBMultilineClick);
    M(CBOnAxisClick);
    M(CBRoundFirstClick);
    M(SELabelsSizeChange);
    M(SELabelsAngleChange);
    M(SESeparChange);
    M(CBLabelStyleChange);
    M(CBAlternateClick);
    M(CBFormatChange);
    M(CBExpoClick);
    M(CBLabelAlignClick);
    M(SEAxisTickLengthChange);
    M(SEInnerTicksLengthChange);
    M(SEAxisMinorTickLenChange);
    M(Edit3Change);
    M(CBTickOnLabelsClick);
    M(SEMinorCountChange);
    M(Edit2Change);
    M(CBGridCenteredClick);
    M(EMarksEveryChange);
    M(EPosChange);
    M(EStartChange);
    M(EEndChange);
    M(Edit1Change);
    M(CBPosUnitsChange);
    M(CBOtherSideClick);
    M(CBHorizAxisClick);
    M(PageLabelsChange);
    M(PageTitleChange);
    M(PageTitleFormatChange);
    M(Button1Click);
#undef M
}

void TeeAddAxes(TCustomAxisPanel* Chart, TStrings* Items, bool IncludeDepth) {
    Items->BeginUpdate();
    Items->Clear();
    Items->Add(TeeMsg_LeftAxis);
    Items->Add(TeeMsg_RightAxis);
    Items->Add(TeeMsg_TopAxis);
    Items->Add(TeeMsg_BottomAxis);
    if (IncludeDepth) {
        Items->Add(TeeMsg_DepthAxis);
        Items->Add(TeeMsg_DepthTopAxis);
    }
    if (Chart)
        for (int i = 0; i < Chart->CustomAxes()->Count(); ++i)
            Items->Add(TeeMsg_CustomAxesEditor + QString::number(i));
    Items->EndUpdate();
}

namespace {
constexpr int kFirstCustom = 6;

// Runs Action with Flag set, restoring it afterwards.
template <class F> void WithFlag(bool& Flag, F&& Action) {
    const bool old = Flag;
    Flag = true;
    try {
        Action();
    } catch (...) {
        Flag = old;
        throw;
    }
    Flag = old;
}
} // namespace

TFormTeeAxis::TFormTeeAxis(TComponent* AOwner) : TForm(AOwner) {}

TFormTeeAxis::TFormTeeAxis(TComponent* AOwner, TChartAxis* Axis) : TForm(AOwner), TheAxis(Axis) {}

TFormTeeAxis::~TFormTeeAxis() {
    // The font editor has no owner: it goes with the page.
    delete ILabelsFont;
    ILabelsFont = nullptr;
    // A host may have moved the page control elsewhere: it goes with this form.
    if (PageAxis && PageAxis->Parent() != this) PageAxis->SetParent(this);
}

bool TFormTeeAxis::IsDepth() const {
    return TheAxis && TheAxis->IsDepthAxis();
}

int TFormTeeAxis::EditValue(TEdit* Edit, TUpDown* UpDown) const {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    if (!ok) return UpDown->Position();
    return std::clamp(v, std::min(UpDown->Min(), UpDown->Max()), std::max(UpDown->Min(), UpDown->Max()));
}

void TFormTeeAxis::FormShow(TObject*) {
    if (!TheAxis) return;
    TCustomAxisPanel* chart = TheAxis->ParentChart();
    TeeAddAxes(chart, LBAxes->Items(), true);
    SetAxisIndex();
    WithFlag(CreatingForm, [&] {
        CBShow->SetChecked(chart->Axes()->Visible());
        CBAxisBeh->SetChecked(chart->Axes()->Behind());
    });
    PageAxis->SetActivePage(TabScales);
    PageLabels->SetActivePage(TabLabelsStyle);
    PageTitle->SetActivePage(TabTitleStyle);
    CreatingForm = true;
    PageAxisChange(this);
}

void TFormTeeAxis::SetAxisIndex() {
    if (!TheAxis) return;
    TChartAxes* axes = TheAxis->ParentChart()->Axes();
    const TChartAxis* fixed[] = {axes->LeftAxis(),   axes->RightAxis(), axes->TopAxis(),
                                 axes->BottomAxis(), axes->DepthAxis(), axes->DepthTopAxis()};
    for (int i = 0; i < 6; ++i)
        if (fixed[i] == TheAxis) {
            LBAxes->SetItemIndex(i);
            return;
        }
    LBAxes->SetItemIndex(axes->IndexOf(TheAxis));
}

void TFormTeeAxis::PageAxisChanging(TObject*, bool& AllowChange) {
    AllowChange = true;
    CreatingForm = true;
}

void TFormTeeAxis::PageAxisChange(TObject*) {
    if (!TheAxis) return;
    CreatingForm = true;
    TChartAxis* a = TheAxis;
    BAxisPen->LinkPen(a->Axis());
    BTickPen->LinkPen(a->Ticks());
    BTickInner->LinkPen(a->TicksInner());
    BTickMinor->LinkPen(a->MinorTicks());
    BAxisGrid->LinkPen(a->Grid());
    BMinorGrid->LinkPen(a->MinorGrid());
    const bool custom = LBAxes->ItemIndex() >= kFirstCustom;
    // Every tab is refreshed: a page shown later must not show another axis' values.
    SetAxisScales();
    ETitle->SetText(a->Title()->Caption());
    UDTitleAngle->SetPosition(a->Title()->Angle());
    UDTitleSize->SetPosition(a->TitleSize());
    CBTitleVisible->SetChecked(a->Title()->Visible());
    CBLabels->SetChecked(a->Labels());
    CBMultiline->SetChecked(a->LabelsMultiLine());
    CBOnAxis->SetChecked(a->LabelsOnAxis());
    CBRoundFirst->SetChecked(a->RoundFirstLabel());
    CBLabelStyle->SetItemIndex(int(a->LabelStyle()));
    CBAlternate->SetChecked(a->LabelsAlternate());
    CBExpo->SetChecked(a->LabelsExponent());
    UDLabelsAngle->SetPosition(a->LabelsAngle());
    UDSepar->SetPosition(a->LabelsSeparation());
    UDLabelsSize->SetPosition(a->LabelsSize());
    FillFormats();
    if (ILabelsFont) ILabelsFont->RefreshControls(a->LabelsFont());
    if (ITitleEditor) ITitleEditor->RefreshControls(a->Title());
    UDAxisTickLength->SetPosition(a->TickLength());
    UDInnerTicksLength->SetPosition(a->TickInnerLength());
    UDAxisMinorTickLen->SetPosition(a->MinorTickLength());
    CBTickOnLabels->SetChecked(a->TickOnLabelsOnly());
    UDCount->SetPosition(a->MinorTickCount());
    CBGridCentered->SetChecked(a->GridCentered());
    UDGridZ->SetPosition(int(std::lround(a->Grid()->ZPosition())));
    UDMarksEvery->SetPosition(a->Grid()->DrawEvery());
    UDMinorCount->SetPosition(a->MinorTickCount());
    UDPos->SetPosition(int(std::lround(a->PositionPercent())));
    UDStart->SetPosition(int(std::lround(a->StartPosition())));
    UDEnd->SetPosition(int(std::lround(a->EndPosition())));
    UDZPos->SetPosition(int(std::lround(a->ZPosition())));
    CBPosUnits->SetItemIndex(a->PosUnits() == muPercent ? 0 : 1);
    CBOtherSide->SetChecked(a->OtherSide());
    CBHorizAxis->SetChecked(a->Horizontal());
    CBOtherSide->SetEnabled(custom);
    CBHorizAxis->SetEnabled(custom);
    Edit1->SetEnabled(!IsDepth());
    UDZPos->SetEnabled(!IsDepth());
    BDelete->SetEnabled(custom);
    CBVisible->SetChecked(a->Visible());
    CBLabelAlign->SetChecked(a->LabelsAlign() == alDefault);
    CBLabelAlign->SetEnabled(!a->Horizontal() && !IsDepth());
    CreatingForm = false;
}

void TFormTeeAxis::SetAxisScales() {
    TChartAxis* a = TheAxis;
    if (!a) return;
    WithFlag(CreatingForm, [&] {
        LAxisIncre->SetCaption(GetIncrementText(this, a->DesiredIncrement(), a->IsDateTime(),
                                                a->ExactDateTime(), a->ValuesFormat()));
        const auto show = [&](double v) {
            if (a->IsDateTime()) return v >= 1 ? DateTimeToStr(v) : TimeToStr(v);
            return FormatFloat(a->ValuesFormat(), v);
        };
        LAxisMin->SetCaption(show(a->Minimum()));
        LAxisMax->SetCaption(show(a->Maximum()));
        WithFlag(IChangingAuto, [&] {
            CBAutomatic->SetChecked(a->Automatic());
            CBAutoMax->SetChecked(a->AutomaticMaximum());
            CBAutoMin->SetChecked(a->AutomaticMinimum());
            UDMinOff->SetPosition(a->MinimumOffset());
            UDMaxOff->SetPosition(a->MaximumOffset());
            CBMaxRound->SetChecked(a->MaximumRound());
            CBMinRound->SetChecked(a->MinimumRound());
            CBMaxRound->SetEnabled(a->AutomaticMaximum());
            CBMinRound->SetEnabled(a->AutomaticMinimum());
        });
        CBLogarithmic->SetChecked(a->Logarithmic());
        CBLogarithmic->SetEnabled(!IsDepth());
        LogE->SetChecked(a->LogarithmicBase() == std::exp(1.0));
        ELogBase->SetText(FloatToStr(a->LogarithmicBase()));
        EnableLogBaseControls();
        CBInverted->SetChecked(a->Inverted());
        CBVisible->SetChecked(a->Visible());
        CBShowAll->SetChecked(a->LabelsSeparation() == 0);
    });
}

void TFormTeeAxis::EnableLogBaseControls() {
    const bool on = CBLogarithmic->Checked() && CBLogarithmic->Enabled();
    ELogBase->SetEnabled(on);
    LogE->SetEnabled(on);
}

void TFormTeeAxis::FillFormats() {
    TChartAxis* a = TheAxis;
    TStrings* items = CBFormat->Items();
    items->BeginUpdate();
    items->Clear();
    String current;
    if (a->IsDateTime()) {
        if (a->Maximum() - a->Minimum() > 1) {
            for (const String& f :
                 {FormatSettings.ShortDateFormat, FormatSettings.LongDateFormat, QStringLiteral("yyyy-mm-dd"),
                  QStringLiteral("mm-dd-yyyy"), QStringLiteral("dd-mm-yyyy"), QStringLiteral("ddd"),
                  QStringLiteral("dddd"), QStringLiteral("mmm"), QStringLiteral("mmmm")})
                items->Add(f);
        } else {
            for (const String& f :
                 {FormatSettings.ShortTimeFormat, FormatSettings.LongTimeFormat, QStringLiteral("hh:nn"),
                  QStringLiteral("hh:nn:ss"), QStringLiteral("hh:nn:ss.zzz")})
                items->Add(f);
        }
        LFormat->SetCaption(TeeMsg_DateTimeFormat);
        current = a->DateTimeFormat();
        if (current.isEmpty()) current = DateTimeDefaultFormat(a->Maximum() - a->Minimum());
    } else {
        AddDefaultValueFormats(items);
        LFormat->SetCaption(TeeMsg_ValuesFormat);
        current = a->ValuesFormat();
        if (current.isEmpty()) current = TeeMsg_DefValueFormat;
        current = VclToLocalFormat(current);
    }
    if (items->IndexOf(current) < 0) items->Add(current);
    items->EndUpdate();
    CBFormat->SetText(current);
}

void TFormTeeAxis::StoreFormat(const String& Text) {
    if (TheAxis->IsDateTime())
        TheAxis->SetDateTimeFormat(Text);
    else
        TheAxis->SetValuesFormat(LocalToVclFormat(Text));
}

void TFormTeeAxis::PageLabelsChange(TObject*) {
    if (!TheAxis || PageLabels->ActivePage() != TabLabelsFont || ILabelsFont) return;
    ILabelsFont = InsertTeeFontEditor(TabLabelsFont);
    ILabelsFont->RefreshControls(TheAxis->LabelsFont());
}

void TFormTeeAxis::PageTitleChange(TObject*) {
    if (!TheAxis || PageTitle->ActivePage() != TabTitleFormat || PageTitleFormat->PageCount() > 0) return;
    ITitleEditor = InsertTeeObjectForm(PageTitleFormat, TheAxis->Title());
}

void TFormTeeAxis::PageTitleFormatChange(TObject*) {
    if (ITitleEditor) ITitleEditor->PC1Change(PageTitleFormat);
}

void TFormTeeAxis::Button1Click(TObject*) {
    if (!TheAxis) return;
    String result;
    if (!TFormatEditor::Change(this, CBFormat->Text(), result, TheAxis->IsDateTime())) return;
    CBFormat->SetText(result);
    StoreFormat(result);
}

// ---- axis list ----------------------------------------------------------------------------

void TFormTeeAxis::LBAxesClick(TObject*) {
    if (!TheAxis) return;
    TChartAxes* axes = TheAxis->ParentChart()->Axes();
    const int i = LBAxes->ItemIndex();
    TChartAxis* picked = nullptr;
    switch (i) {
    case 0:
        picked = axes->LeftAxis();
        break;
    case 1:
        picked = axes->RightAxis();
        break;
    case 2:
        picked = axes->TopAxis();
        break;
    case 3:
        picked = axes->BottomAxis();
        break;
    case 4:
        picked = axes->DepthAxis();
        break;
    case 5:
        picked = axes->DepthTopAxis();
        break;
    default:
        picked = axes->Get(i);
        break;
    }
    if (!picked) return;
    TheAxis = picked;
    CreatingForm = true;
    PageAxisChange(this);
}

void TFormTeeAxis::CBShowClick(TObject*) {
    if (Acting()) TheAxis->ParentChart()->Axes()->SetVisible(CBShow->Checked());
}

void TFormTeeAxis::CBAxisBehClick(TObject*) {
    if (Acting()) TheAxis->ParentChart()->Axes()->SetBehind(CBAxisBeh->Checked());
}

void TFormTeeAxis::BAddClick(TObject*) {
    if (!TheAxis) return;
    TCustomAxisPanel* chart = TheAxis->ParentChart();
    auto* axis = static_cast<TChartAxis*>(chart->CustomAxes()->Add());
    TheAxis = axis;
    TeeAddAxes(chart, LBAxes->Items(), true);
    SetAxisIndex();
    CreatingForm = true;
    PageAxisChange(this);
    if (NotifyCustom) NotifyCustom(axis);
}

void TFormTeeAxis::BDeleteClick(TObject*) {
    const int i = LBAxes->ItemIndex();
    if (!TheAxis || i < kFirstCustom) return;
    TCustomAxisPanel* chart = TheAxis->ParentChart();
    delete TheAxis;
    TheAxis = chart->Axes()->LeftAxis();
    // The lines after the deleted one are numbered again.
    TeeAddAxes(chart, LBAxes->Items(), true);
    LBAxes->SetItemIndex(i - 1);
    LBAxesClick(this);
    if (NotifyCustom) NotifyCustom(nullptr);
}

// ---- scales -------------------------------------------------------------------------------

void TFormTeeAxis::CBAutomaticClick(TObject*) {
    if (IChangingAuto || !Acting()) return;
    TheAxis->SetAutomatic(CBAutomatic->Checked());
    if (TheAxis->Automatic()) {
        TheAxis->AdjustMaxMin();
    } else {
        TheAxis->SetAutomaticMaximum(false);
        TheAxis->SetAutomaticMinimum(false);
    }
    SetAxisScales();
}

void TFormTeeAxis::CBAutoMaxMinClick(TObject* Sender) {
    if (IChangingAuto || !Acting()) return;
    if (Sender == CBAutoMin) {
        TheAxis->SetAutomaticMinimum(CBAutoMin->Checked());
        CBMinRound->SetEnabled(CBAutoMin->Checked());
    } else {
        TheAxis->SetAutomaticMaximum(CBAutoMax->Checked());
        CBMaxRound->SetEnabled(CBAutoMax->Checked());
    }
    TheAxis->AdjustMaxMin();
    SetAxisScales();
}

void TFormTeeAxis::CBLogarithmicClick(TObject*) {
    if (!Acting()) return;
    try {
        TheAxis->SetLogarithmic(CBLogarithmic->Checked());
    } catch (const AxisException&) {
        TheAxis->SetLogarithmic(false);
        WithFlag(CreatingForm, [&] { CBLogarithmic->SetChecked(false); });
        EnableLogBaseControls();
        throw;
    }
    EnableLogBaseControls();
}

void TFormTeeAxis::CBVisibleClick(TObject*) {
    if (Acting()) TheAxis->SetVisible(CBVisible->Checked());
}

void TFormTeeAxis::CBInvertedClick(TObject*) {
    if (Acting()) TheAxis->SetInverted(CBInverted->Checked());
}

void TFormTeeAxis::ELogBaseChange(TObject*) {
    if (!Acting()) return;
    const double base = StrToFloatDef(ELogBase->Text(), TheAxis->LogarithmicBase());
    if (base == 0 || base == 1) return;
    TheAxis->SetLogarithmicBase(base);
    WithFlag(CreatingForm, [&] { LogE->SetChecked(base == std::exp(1.0)); });
    LogE->SetEnabled(!LogE->Checked());
}

void TFormTeeAxis::LogEClick(TObject*) {
    if (!Acting() || !LogE->Checked()) return;
    ELogBase->SetText(FloatToStr(std::exp(1.0)));
    LogE->SetEnabled(false);
}

void TFormTeeAxis::EditAxisMaxMin(const String& Word, TCheckBox* AutoBox, bool IsMaximum) {
    std::unique_ptr<TAxisMaxMin> dialog(new TAxisMaxMin(this));
    dialog->AfterConstruction();
    String name;
    if (auto* chart = dynamic_cast<TCustomChart*>(TheAxis->ParentChart()))
        name = chart->AxisTitleOrName(TheAxis);
    dialog->SetCaption(Word + QLatin1Char(' ') + name);
    dialog->IsDateTime = TheAxis->IsDateTime();
    dialog->MaxMin = IsMaximum ? TheAxis->Maximum() : TheAxis->Minimum();
    TeeTranslateControl(dialog.get());
    if (dialog->ShowModal() != mrOk) return;
    if (IsMaximum)
        TheAxis->SetMaximum(dialog->MaxMin);
    else
        TheAxis->SetMinimum(dialog->MaxMin);
    AutoBox->SetChecked(false);
    SetAxisScales();
}

void TFormTeeAxis::BAxisMinClick(TObject*) {
    if (TheAxis) EditAxisMaxMin(TeeMsg_Minimum, CBAutoMin, false);
}

void TFormTeeAxis::BAxisMaxClick(TObject*) {
    if (TheAxis) EditAxisMaxMin(TeeMsg_Maximum, CBAutoMax, true);
}

void TFormTeeAxis::EMinOffChange(TObject*) {
    if (Acting()) TheAxis->SetMinimumOffset(EditValue(EMinOff, UDMinOff));
}

void TFormTeeAxis::EMaxOffChange(TObject*) {
    if (Acting()) TheAxis->SetMaximumOffset(EditValue(EMaxOff, UDMaxOff));
}

void TFormTeeAxis::CBMinRoundClick(TObject*) {
    if (Acting() && !IChangingAuto) TheAxis->SetMinimumRound(CBMinRound->Checked());
}

void TFormTeeAxis::CBMaxRoundClick(TObject*) {
    if (Acting() && !IChangingAuto) TheAxis->SetMaximumRound(CBMaxRound->Checked());
}

void TFormTeeAxis::BIncreClick(TObject*) {
    if (TheAxis && TAxisIncrement::ChangeIncrement(this, TheAxis)) SetAxisScales();
}

void TFormTeeAxis::CBShowAllClick(TObject*) {
    if (Acting()) TheAxis->SetLabelsSeparation(CBShowAll->Checked() ? 0 : 10);
}

// ---- title --------------------------------------------------------------------------------

void TFormTeeAxis::ETitleChange(TObject*) {
    if (Acting()) TheAxis->Title()->SetCaption(ETitle->Text());
}

void TFormTeeAxis::SETitleAngleChange(TObject*) {
    if (Acting()) TheAxis->Title()->SetAngle(EditValue(SETitleAngle, UDTitleAngle));
}

void TFormTeeAxis::SETitleSizeChange(TObject*) {
    if (Acting()) TheAxis->SetTitleSize(EditValue(SETitleSize, UDTitleSize));
}

void TFormTeeAxis::CBTitleVisibleClick(TObject*) {
    if (Acting()) TheAxis->Title()->SetVisible(CBTitleVisible->Checked());
}

// ---- labels -------------------------------------------------------------------------------

void TFormTeeAxis::CBLabelsClick(TObject*) {
    if (Acting()) TheAxis->SetLabels(CBLabels->Checked());
}

void TFormTeeAxis::CBMultilineClick(TObject*) {
    if (Acting()) TheAxis->SetLabelsMultiLine(CBMultiline->Checked());
}

void TFormTeeAxis::CBOnAxisClick(TObject*) {
    if (Acting()) TheAxis->SetLabelsOnAxis(CBOnAxis->Checked());
}

void TFormTeeAxis::CBRoundFirstClick(TObject*) {
    if (Acting()) TheAxis->SetRoundFirstLabel(CBRoundFirst->Checked());
}

void TFormTeeAxis::SELabelsSizeChange(TObject*) {
    if (Acting()) TheAxis->SetLabelsSize(EditValue(SELabelsSize, UDLabelsSize));
}

void TFormTeeAxis::SELabelsAngleChange(TObject*) {
    if (Acting()) TheAxis->SetLabelsAngle(EditValue(SELabelsAngle, UDLabelsAngle));
}

void TFormTeeAxis::SESeparChange(TObject*) {
    if (!Acting()) return;
    TheAxis->SetLabelsSeparation(EditValue(SESepar, UDSepar));
    WithFlag(CreatingForm, [&] { CBShowAll->SetChecked(TheAxis->LabelsSeparation() == 0); });
}

void TFormTeeAxis::CBLabelStyleChange(TObject*) {
    if (Acting() && CBLabelStyle->ItemIndex() >= 0)
        TheAxis->SetLabelStyle(TAxisLabelStyle(CBLabelStyle->ItemIndex()));
}

void TFormTeeAxis::CBAlternateClick(TObject*) {
    if (Acting()) TheAxis->SetLabelsAlternate(CBAlternate->Checked());
}

void TFormTeeAxis::CBFormatChange(TObject*) {
    if (Acting()) StoreFormat(CBFormat->Text());
}

void TFormTeeAxis::CBExpoClick(TObject*) {
    if (Acting()) TheAxis->SetLabelsExponent(CBExpo->Checked());
}

void TFormTeeAxis::CBLabelAlignClick(TObject*) {
    if (Acting()) TheAxis->SetLabelsAlign(CBLabelAlign->Checked() ? alDefault : alOpposite);
}

// ---- ticks and grid -----------------------------------------------------------------------

void TFormTeeAxis::SEAxisTickLengthChange(TObject*) {
    if (Acting()) TheAxis->SetTickLength(EditValue(SEAxisTickLength, UDAxisTickLength));
}

void TFormTeeAxis::SEInnerTicksLengthChange(TObject*) {
    if (Acting()) TheAxis->SetTickInnerLength(EditValue(SEInnerTicksLength, UDInnerTicksLength));
}

void TFormTeeAxis::SEAxisMinorTickLenChange(TObject*) {
    if (Acting()) TheAxis->SetMinorTickLength(EditValue(SEAxisMinorTickLen, UDAxisMinorTickLen));
}

void TFormTeeAxis::Edit3Change(TObject*) {
    if (!Acting()) return;
    TheAxis->SetMinorTickCount(EditValue(Edit3, UDCount));
    WithFlag(CreatingForm, [&] { UDMinorCount->SetPosition(TheAxis->MinorTickCount()); });
}

void TFormTeeAxis::CBTickOnLabelsClick(TObject*) {
    if (Acting()) TheAxis->SetTickOnLabelsOnly(CBTickOnLabels->Checked());
}

void TFormTeeAxis::SEMinorCountChange(TObject*) {
    if (!Acting()) return;
    TheAxis->SetMinorTickCount(EditValue(SEMinorCount, UDMinorCount));
    WithFlag(CreatingForm, [&] { UDCount->SetPosition(TheAxis->MinorTickCount()); });
}

void TFormTeeAxis::Edit2Change(TObject*) {
    if (Acting()) TheAxis->Grid()->SetZPosition(EditValue(Edit2, UDGridZ));
}

void TFormTeeAxis::CBGridCenteredClick(TObject*) {
    if (Acting()) TheAxis->SetGridCentered(CBGridCentered->Checked());
}

void TFormTeeAxis::EMarksEveryChange(TObject*) {
    if (Acting()) TheAxis->Grid()->SetDrawEvery(EditValue(EMarksEvery, UDMarksEvery));
}

// ---- position -----------------------------------------------------------------------------

void TFormTeeAxis::EPosChange(TObject*) {
    if (Acting()) TheAxis->SetPositionPercent(EditValue(EPos, UDPos));
}

void TFormTeeAxis::EStartChange(TObject*) {
    if (!Acting()) return;
    const int v = EditValue(EStart, UDStart);
    if (v >= TheAxis->EndPosition()) {
        WithFlag(CreatingForm, [&] { UDStart->SetPosition(int(std::lround(TheAxis->StartPosition()))); });
        return;
    }
    TheAxis->SetStartPosition(v);
}

void TFormTeeAxis::EEndChange(TObject*) {
    if (!Acting()) return;
    const int v = EditValue(EEnd, UDEnd);
    if (v <= TheAxis->StartPosition()) {
        WithFlag(CreatingForm, [&] { UDEnd->SetPosition(int(std::lround(TheAxis->EndPosition()))); });
        return;
    }
    TheAxis->SetEndPosition(v);
}

void TFormTeeAxis::Edit1Change(TObject*) {
    if (Acting()) TheAxis->SetZPosition(double(EditValue(Edit1, UDZPos)));
}

void TFormTeeAxis::CBPosUnitsChange(TObject*) {
    if (Acting()) TheAxis->SetPosUnits(CBPosUnits->ItemIndex() == 1 ? muPixels : muPercent);
}

void TFormTeeAxis::CBOtherSideClick(TObject*) {
    if (Acting()) TheAxis->SetOtherSide(CBOtherSide->Checked());
}

void TFormTeeAxis::CBHorizAxisClick(TObject*) {
    if (!Acting() || TheAxis->ParentChart()->Axes()->IndexOf(TheAxis) < kFirstCustom) return;
    TheAxis->SetHorizontal(CBHorizAxis->Checked());
    if (NotifyCustom) NotifyCustom(TheAxis);
}
