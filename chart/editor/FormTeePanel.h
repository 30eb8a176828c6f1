// TFormTeePanel: the chart editor's Panel page: the chart panel's colour, borders and
// bevels, margins, and on further tabs its gradient, shadow and back image (their editors
// made when a tab is first shown).
#pragma once

#include "platform/controls/CustomForm.h"

class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TCustomTeePanelExtended;
class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TTeeGradientEditor;
class TUpDown;
class TWinControl;

class TFormTeePanel : public TForm {
    ORVO_CLASS(TFormTeePanel, TForm)
public:
    explicit TFormTeePanel(TComponent* AOwner);
    TFormTeePanel(TComponent* AOwner, TCustomTeePanelExtended* Panel);
    // Reads the form resource and opens the first tab.
    void AfterConstruction() override;

    // Makes the page for Panel, aligned to its client area, translated and placed in Parent.
    static TFormTeePanel* InsertAt(TComponent* AOwner, TWinControl* Parent, TCustomTeePanelExtended* Panel);

    // Checks "&Default" exactly when the panel has the button-face colour; it can be
    // unchecked only by choosing another colour.
    void RefreshColorDefault();
    // The gradient editor of the Gradient tab (null before the tab was first shown). The
    // page owns it: it goes with the page.
    TTeeGradientEditor* GradientEditor() const { return FGradientEditor; }

    TCustomTeePanelExtended* ThePanel = nullptr;
    bool Changing = false;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void PageControl1Change(TObject* Sender);
    void BPanelColorClick(TObject* Sender);
    void CBColorDefClick(TObject* Sender);
    void CBImageInsideClick(TObject* Sender);
    void SEPanelBorChange(TObject* Sender);
    void SEPanelWiChange(TObject* Sender);
    void ERoundChange(TObject* Sender);
    void CBInnerChange(TObject* Sender);
    void CBOuterChange(TObject* Sender);
    void SETopMaChange(TObject* Sender);
    void SELeftMaChange(TObject* Sender);
    void SEBotMaChange(TObject* Sender);
    void SERightMaChange(TObject* Sender);
    void CBMarUnitsChange(TObject* Sender);

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabColor = nullptr;
    TButtonColor* BPanelColor = nullptr;
    TCheckBox* CBColorDef = nullptr;
    TCheckBox* CBImageInside = nullptr;
    TTabSheet* TabBorders = nullptr;
    TLabel* LPanelBor = nullptr;
    TEdit* SEPanelBor = nullptr;
    TUpDown* UDPanelBor = nullptr;
    TLabel* LPanelWi = nullptr;
    TEdit* SEPanelWi = nullptr;
    TUpDown* UDPanelWi = nullptr;
    TLabel* LRound = nullptr;
    TEdit* ERound = nullptr;
    TUpDown* UDRound = nullptr;
    TLabel* LInner = nullptr;
    TComboFlat* CBInner = nullptr;
    TLabel* LOuter = nullptr;
    TComboFlat* CBOuter = nullptr;
    TButtonPen* BBorder = nullptr;
    TTabSheet* TabMargins = nullptr;
    TEdit* SETopMa = nullptr;
    TUpDown* UDTopMa = nullptr;
    TEdit* SELeftMa = nullptr;
    TUpDown* UDLeftMa = nullptr;
    TEdit* SEBotMa = nullptr;
    TUpDown* UDBotMa = nullptr;
    TEdit* SERightMa = nullptr;
    TUpDown* UDRightMa = nullptr;
    TLabel* LMarUnits = nullptr;
    TComboFlat* CBMarUnits = nullptr;
    TTabSheet* TabGradient = nullptr;
    TTabSheet* TabShadow = nullptr;
    TTabSheet* TabImage = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SetMarginRanges();
    void ChangeMargin(int Index, TEdit* Edit, TUpDown* UpDown);
    int EditValue(TEdit* Edit, TUpDown* UpDown) const;
    TUpDown* MarginUpDown(int Index) const;
    TTeeGradientEditor* FGradientEditor = nullptr;
    bool FFilling = false;
};
