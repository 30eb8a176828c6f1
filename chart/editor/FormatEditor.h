// TFormatEditor: the "Numeric Format" dialog. It builds a number format (decimals, fixed
// digits, thousands, currency, percent), a date-time format, a geographic degrees format or a
// free text from the user's choices, and reads an existing format back into those choices.
// Separators and the currency string are the locale's current ones.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TRadioButton;
class TUpDown;

class TFormatEditor : public TForm {
    ORVO_CLASS(TFormatEditor, TForm)
public:
    explicit TFormatEditor(TComponent* AOwner);
    // Reads the form resource, then lists the locale's date and time formats.
    void AfterConstruction() override;

    // Opens the dialog on Format; Result is the built format after OK, else Format itself.
    // Without AllowDates the date-time choice is not offered. True after OK.
    static bool Change(TComponent* AOwner, const String& Format, String& Result, bool AllowDates);
    // The format the controls describe.
    String TheFormat() const;

    String Format;
    bool IsDate = false;
    bool IsGeo = false;

    // From the form resource.
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TRadioButton* RBInteger = nullptr;
    TCheckBox* CBPercent = nullptr;
    TCheckBox* CBThousands = nullptr;
    TCheckBox* CBCurrency = nullptr;
    TCheckBox* CBFixedDecimals = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UpDown1 = nullptr;
    TEdit* Edit2 = nullptr;
    TUpDown* UpDown2 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TRadioButton* RBDate = nullptr;
    TComboBox* CBDate = nullptr;
    TRadioButton* RBGeo = nullptr;
    TComboBox* CBGeo = nullptr;
    TRadioButton* RBCustom = nullptr;
    TComboBox* CBCustom = nullptr;
    TPanel* Panel2 = nullptr;
    TButton* BOK = nullptr;
    TButton* BCancel = nullptr;

    void FormShow(TObject* Sender);
    void RBIntegerClick(TObject* Sender);
    void CBPercentClick(TObject* Sender);
    void ChoiceClick(TObject* Sender);
    void CBDateChange(TObject* Sender);
    void CBGeoChange(TObject* Sender);
    void CBCustomChange(TObject* Sender);

private:
    // The number format of the "Number" controls.
    String NumberFormat() const;
    // Shows Text in Combo (listing it when missing) and checks Radio without running the
    // choice handler.
    void ChooseCombo(TRadioButton* Radio, TComboBox* Combo, const String& Text);
    void EnablePercent();
    bool tmpChanging = false;
};
