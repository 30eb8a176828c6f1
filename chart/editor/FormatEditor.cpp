#include "chart/editor/FormatEditor.h"

#include "chart/engine/panel/PanelFunctions.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FormatSettings.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TFormatEditor, TForm)

ORVO_PUBLISHED(TFormatEditor) {
    P.Field("Panel1", &TFormatEditor::Panel1);
    P.Field("Label1", &TFormatEditor::Label1);
    P.Field("Label2", &TFormatEditor::Label2);
    P.Field("RBInteger", &TFormatEditor::RBInteger);
    P.Field("CBPercent", &TFormatEditor::CBPercent);
    P.Field("CBThousands", &TFormatEditor::CBThousands);
    P.Field("CBCurrency", &TFormatEditor::CBCurrency);
    P.Field("CBFixedDecimals", &TFormatEditor::CBFixedDecimals);
    P.Field("Edit1", &TFormatEditor::Edit1);
    P.Field("UpDown1", &TFormatEditor::UpDown1);
    P.Field("Edit2", &TFormatEditor::Edit2);
    P.Field("UpDown2", &TFormatEditor::UpDown2);
    P.Field("GroupBox1", &TFormatEditor::GroupBox1);
    P.Field("RBDate", &TFormatEditor::RBDate);
    P.Field("CBDate", &TFormatEditor::CBDate);
    P.Field("RBGeo", &TFormatEditor::RBGeo);
    P.Field("CBGeo", &TFormatEditor::CBGeo);
    P.Field("RBCustom", &TFormatEditor::RBCustom);
    P.Field("CBCustom", &TFormatEditor::CBCustom);
    P.Field("Panel2", &TFormatEditor::Panel2);
    P.Field("BOK", &TFormatEditor::BOK);
    P.Field("BCancel", &TFormatEditor::BCancel);
    P.Method("FormShow", &TFormatEditor::FormShow);
    P.Method("RBIntegerClick", &TFormatEditor::RBIntegerClick);
    P.Method("CBPercentClick", &TFormatEditor::CBPercentClick);
    P.Method("ChoiceClick", &TFormatEditor::ChoiceClick);
    P.Method("CBDateChange", &TFormatEditor::CBDateChange);
    P.Method("CBGeoChange", &TFormatEditor::CBGeoChange);
    P.Method("CBCustomChange", &TFormatEditor::CBCustomChange);
}

namespace {

// The geographic formats offered; in the first four a double quote follows the seconds.
const char* const GeoFormats[] = {"ddd\u00B0 mm' ss\".zzz",
                                  "ddd mm' ss\".zzz",
                                  "ddd deg mm' ss\".zzz",
                                  "ddd mm' ss\".zzz",
                                  "ddd mm ss.zzz",
                                  "ddd mm ss",
                                  "ddd mm",
                                  "ddd\u00B0",
                                  "ddd"};

String Repeat(QChar C, int Count) {
    return Count > 0 ? String(Count, C) : String();
}

void AddMissing(TStrings* Items, const String& S) {
    if (!S.isEmpty() && Items->IndexOf(S) < 0) Items->Add(S);
}

} // namespace

TFormatEditor::TFormatEditor(TComponent* AOwner) : TForm(AOwner) {}

void TFormatEditor::AfterConstruction() {
    TForm::AfterConstruction();
    AddMissing(CBDate->Items(), FormatSettings.ShortDateFormat);
    AddMissing(CBDate->Items(), FormatSettings.ShortTimeFormat);
}

bool TFormatEditor::Change(TComponent* AOwner, const String& Format, String& Result, bool AllowDates) {
    std::unique_ptr<TFormatEditor> Dialog(new TFormatEditor(AOwner));
    Dialog->AfterConstruction();
    Dialog->Format = Format;
    Dialog->RBDate->SetVisible(AllowDates);
    Dialog->CBDate->SetVisible(AllowDates);
    const bool ok = Dialog->ShowModal() == mrOk;
    Result = ok ? Dialog->TheFormat() : Format;
    return ok;
}

String TFormatEditor::NumberFormat() const {
    String S = CBCurrency->Checked() ? FormatSettings.CurrencyString : String();
    const QChar Thousand = FormatSettings.ThousandSeparator;
    const int F = UpDown2->Position();
    if (F > 0) {
        if (CBThousands->Checked()) {
            if (F < 4)
                S += u'#' + String(Thousand) + Repeat(u'#', 3 - F) + Repeat(u'0', F);
            else
                S += Repeat(u'0', F - 3) + Thousand + QStringLiteral("000");
        } else {
            S += Repeat(u'0', F);
        }
    } else {
        S += CBThousands->Checked() ? QStringLiteral("#,###") : QStringLiteral("#");
    }
    const int D = UpDown1->Position();
    if (D > 0) S += FormatSettings.DecimalSeparator + Repeat(CBFixedDecimals->Checked() ? u'0' : u'#', D);
    if (CBPercent->Checked()) S += u'%';
    return S;
}

String TFormatEditor::TheFormat() const {
    if (CBCustom->Enabled()) return CBCustom->Text();
    if (RBInteger->Checked()) return NumberFormat();
    if (RBDate->Checked()) return CBDate->Text();
    if (RBGeo->Checked()) return CBGeo->Text();
    return {};
}

void TFormatEditor::ChooseCombo(TRadioButton* Radio, TComboBox* Combo, const String& Text) {
    Combo->SetEnabled(true);
    AddMissing(Combo->Items(), Text);
    Combo->SetText(Text);
    const bool Was = tmpChanging;
    tmpChanging = true;
    Radio->SetChecked(true);
    RBInteger->SetChecked(false);
    tmpChanging = Was;
    if (Combo->CanFocus()) Combo->SetFocus();
}

void TFormatEditor::FormShow(TObject*) {
    const String Given = Format;
    CBCustom->Items()->Clear();
    CBCustom->Items()->Add(QStringLiteral("#.#"));
    CBCustom->Items()->Add(QStringLiteral("0.0%"));
    CBGeo->Items()->Clear();
    for (const char* G : GeoFormats)
        CBGeo->Items()->Add(QString::fromUtf8(G));

    if (IsDate || CBDate->Items()->IndexOf(Given) >= 0) {
        ChooseCombo(RBDate, CBDate, Given);
        IsDate = true;
    } else if (IsGeo || CBGeo->Items()->IndexOf(Given) >= 0) {
        ChooseCombo(RBGeo, CBGeo, Given);
        IsGeo = true;
    } else {
        // Checking the boxes while reading the format is no choice of the user's.
        tmpChanging = true;
        String S = Given;
        if (S.contains(u'%')) {
            CBPercent->SetChecked(true);
            S.remove(u'%');
        }
        // An empty currency string is no currency: every text would seem to contain it.
        const String Currency = FormatSettings.CurrencyString;
        if (!Currency.isEmpty() && S.contains(Currency)) {
            CBCurrency->SetChecked(true);
            S.remove(Currency);
        }
        const int ThousandAt = S.indexOf(FormatSettings.ThousandSeparator);
        if (ThousandAt >= 0) {
            CBThousands->SetChecked(true);
            S.remove(ThousandAt, 1);
        }
        const int DecimalAt = S.indexOf(FormatSettings.DecimalSeparator);
        if (DecimalAt >= 0) {
            RBInteger->SetChecked(true);
            int D = 0;
            while (DecimalAt + 1 + D < S.size() &&
                   (S[DecimalAt + 1 + D] == u'#' || S[DecimalAt + 1 + D] == u'0'))
                ++D;
            UpDown1->SetPosition(D);
            CBFixedDecimals->SetChecked(D >= 1 && S[DecimalAt + 1] == u'0');
            S.remove(DecimalAt, D + 1);
        }
        bool Custom = false;
        for (QChar C : S)
            if (C != u'#' && C != u'0') Custom = true;
        if (Custom) {
            ChooseCombo(RBCustom, CBCustom, Given);
        } else {
            RBInteger->SetChecked(true);
            UpDown2->SetPosition(int(S.count(u'0')));
        }
        EnablePercent();
        tmpChanging = false;
        Format = Given;
    }
    TeeTranslateControl(this);
}

void TFormatEditor::EnablePercent() {
    const bool Percent = CBPercent->Checked();
    if (Percent) {
        CBThousands->SetChecked(false);
        CBCurrency->SetChecked(false);
    }
    CBThousands->SetEnabled(!Percent);
    CBCurrency->SetEnabled(!Percent);
}

void TFormatEditor::CBPercentClick(TObject*) {
    const bool Was = tmpChanging;
    tmpChanging = true; // unchecking the two boxes is no choice of the user's
    EnablePercent();
    tmpChanging = Was;
}

void TFormatEditor::RBIntegerClick(TObject* Sender) {
    if (tmpChanging || !RBInteger->Checked()) return;
    tmpChanging = true;
    RBDate->SetChecked(false);
    RBGeo->SetChecked(false);
    RBCustom->SetChecked(false);
    tmpChanging = false;
    ChoiceClick(Sender);
}

void TFormatEditor::ChoiceClick(TObject*) {
    if (tmpChanging) return;
    IsDate = RBDate->Checked();
    IsGeo = RBGeo->Checked();
    if (RBDate->Checked() || RBGeo->Checked() || RBCustom->Checked()) {
        tmpChanging = true;
        RBInteger->SetChecked(false);
        tmpChanging = false;
    }
    CBDate->SetEnabled(RBDate->Checked());
    CBGeo->SetEnabled(RBGeo->Checked());
    CBCustom->SetEnabled(RBCustom->Checked());
    TComboBox* Focus = nullptr;
    if (RBDate->Checked()) {
        if (CBDate->Text().isEmpty()) CBDate->SetText(FormatSettings.ShortDateFormat);
        Focus = CBDate;
    } else if (RBGeo->Checked()) {
        if (CBGeo->Text().isEmpty())
            CBGeo->SetText(CBGeo->Items()->Count() > 0 ? CBGeo->Items()->Strings(0) : String());
        Focus = CBGeo;
    } else {
        CBPercent->SetEnabled(!CBCustom->Enabled());
        // A custom text starts from the number format the controls give.
        if (CBCustom->Enabled() && CBCustom->Text().isEmpty()) CBCustom->SetText(NumberFormat());
        Focus = CBCustom;
    }
    if (Focus->Enabled() && Focus->CanFocus()) Focus->SetFocus();
}

void TFormatEditor::CBDateChange(TObject*) {
    Format = CBDate->Text();
}

void TFormatEditor::CBGeoChange(TObject*) {
    Format = CBGeo->Text();
}

void TFormatEditor::CBCustomChange(TObject*) {
    Format = CBCustom->Text();
}
