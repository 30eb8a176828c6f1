// TSymbolEditor: the "Legend Symbol Editor" of the legend's item symbol: width and its units,
// position, continuous, squared, visible, border, gradient and shadow. Embedded in a page
// with the symbol as its Tag; changes go into the symbol at once.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TButtonGradient;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TLabel;
class TLegendSymbol;
class TUpDown;

class TSymbolEditor : public TForm {
    ORVO_CLASS(TSymbolEditor, TForm)
public:
    explicit TSymbolEditor(TComponent* AOwner);
    void RefreshSymbol(TLegendSymbol* ASymbol);

    TLegendSymbol* Symbol = nullptr;
    bool CreatingForm = true;

    // From the form resource.
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* SEColWi = nullptr;
    TUpDown* UDColWi = nullptr;
    TComboFlat* CBColWUnits = nullptr;
    TComboFlat* CBSymbolPos = nullptr;
    TCheckBox* CBContinuous = nullptr;
    TCheckBox* CBVisible = nullptr;
    TCheckBox* CBSquared = nullptr;
    TCheckBox* CBSymPen = nullptr;
    TButtonPen* BSymPen = nullptr;
    TButtonGradient* BSymGradient = nullptr;
    TButton* Button1 = nullptr;

    void FormShow(TObject* Sender);
    void SEColWiChange(TObject* Sender);
    void CBColWUnitsChange(TObject* Sender);
    void CBSymbolPosChange(TObject* Sender);
    void CBContinuousClick(TObject* Sender);
    void CBVisibleClick(TObject* Sender);
    void CBSquaredClick(TObject* Sender);
    void CBSymPenClick(TObject* Sender);
    void Button1Click(TObject* Sender);

private:
    void EnableWidth();
    bool FRefreshing = false;
};
