// TFormTeeTitle: the chart editor's Titles page: the chart's four titles (title, subtitle,
// subfoot, foot), one at a time: visibility, frame, alignment, text and position. Frame,
// fill, font, gradient, shadow and picture of the title are edited on the shape editor's
// tabs, inserted into the page control.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TChartTitle;
class TCheckBox;
class TComboFlat;
class TCustomChart;
class TEdit;
class TFormTeeShape;
class TLabel;
class TMemo;
class TPageControl;
class TPanel;
class TTabSheet;
class TUpDown;

class TFormTeeTitle : public TForm {
    ORVO_CLASS(TFormTeeTitle, TForm)
public:
    explicit TFormTeeTitle(TComponent* AOwner);
    TFormTeeTitle(TComponent* AOwner, TChartTitle* Title, TCustomChart* Chart);
    ~TFormTeeTitle() override;
    // Reads the form resource, then inserts the shape editor for the title.
    void AfterConstruction() override;

    // Fills the controls from TheTitle.
    void RefreshControls();

    TCustomChart* TheChart = nullptr;
    TChartTitle* TheTitle = nullptr;
    bool AssigningText = false;
    bool CreatingForm = true;
    TFormTeeShape* ITeeObject = nullptr;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void CBTitlesChange(TObject* Sender);
    void PageControl1Change(TObject* Sender);
    void CBVisibleClick(TObject* Sender);
    void CBAdjustClick(TObject* Sender);
    void CBAlignChange(TObject* Sender);
    void MTextChange(TObject* Sender);
    void Button1Click(TObject* Sender);
    void CBCustPosClick(TObject* Sender);
    void ECustLeftChange(TObject* Sender);
    void ECustTopChange(TObject* Sender);
    void Edit1Change(TObject* Sender);

    // From the form resource.
    TPanel* Panel1 = nullptr;
    TComboFlat* CBTitles = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabStyle = nullptr;
    TCheckBox* CBVisible = nullptr;
    TCheckBox* CBAdjust = nullptr;
    TLabel* LAlign = nullptr;
    TComboFlat* CBAlign = nullptr;
    TLabel* LText = nullptr;
    TMemo* MText = nullptr;
    TButton* Button1 = nullptr;
    TTabSheet* TabPosition = nullptr;
    TCheckBox* CBCustPos = nullptr;
    TLabel* LCustLeft = nullptr;
    TEdit* ECustLeft = nullptr;
    TUpDown* UDCustLeft = nullptr;
    TLabel* LCustTop = nullptr;
    TEdit* ECustTop = nullptr;
    TUpDown* UDCustTop = nullptr;
    TLabel* LVertMargin = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDVertMargin = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void EnableCustomPosition();
    int EditValue(TEdit* Edit, TUpDown* UpDown) const;
};
