// TMarginsEditor: edits a margins object (left, top, right, bottom and their units), embedded
// in a page with the margins as its Tag. Changes go into the margins at once.
#pragma once

#include "platform/controls/CustomForm.h"

class TEdit;
class TLabel;
class TMargins;
class TRadioGroup;
class TUpDown;

class TMarginsEditor : public TForm {
    ORVO_CLASS(TMarginsEditor, TForm)
public:
    explicit TMarginsEditor(TComponent* AOwner);
    void RefreshControls(TMargins* AMargins);

    TMargins* Margins = nullptr;

    // From the form resource.
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TRadioGroup* RGUnits = nullptr;
    TEdit* ELeft = nullptr;
    TUpDown* UDLeft = nullptr;
    TEdit* ETop = nullptr;
    TUpDown* UDTop = nullptr;
    TEdit* ERight = nullptr;
    TUpDown* UDRight = nullptr;
    TEdit* EBottom = nullptr;
    TUpDown* UDBottom = nullptr;

    void FormShow(TObject* Sender);
    void RGUnitsClick(TObject* Sender);
    void ELeftChange(TObject* Sender);
    void ETopChange(TObject* Sender);
    void ERightChange(TObject* Sender);
    void EBottomChange(TObject* Sender);

private:
    // The value of a margin edit, when the form shows and the text reads as a number.
    bool EditValue(TEdit* Edit, int& Value) const;
};
