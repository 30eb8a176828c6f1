// TPenDialog: the editor of a pen (width, style, end style, spacing of small dots, colour
// and, for the pens of chart elements, visibility). Every control changes the pen at once;
// Cancel puts the pen back as it was when the dialog opened. EditChartPen runs it modally.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/controls/ListBox.h"

class TButton;
class TButtonColor;
class TChartPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TLabel;
class TPen;
class TUpDown;

class TPenDialog : public TForm {
    ORVO_CLASS(TPenDialog, TForm)
public:
    explicit TPenDialog(TComponent* AOwner);
    ~TPenDialog() override;

    // The pen edited: a plain pen or a chart pen.
    TPen* ThePen = nullptr;

    // From the form resource.
    TCheckBox* CBVisible = nullptr;
    TLabel* LWidth = nullptr;
    TEdit* SEWidth = nullptr;
    TUpDown* UDWidth = nullptr;
    TLabel* LStyle = nullptr;
    TComboFlat* CBStyle = nullptr;
    TComboFlat* CBEndStyle = nullptr;
    TLabel* LSpace = nullptr;
    TEdit* ESpace = nullptr;
    TUpDown* UDSpace = nullptr;
    TButtonColor* BColor = nullptr;
    TButton* BOk = nullptr;
    TButton* BCancel = nullptr;

    // Handlers bound by the form resource.
    void FormShow(TObject* Sender);
    void SEWidthChange(TObject* Sender);
    void CBStyleChange(TObject* Sender);
    void CBStyleDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
    void CBEndStyleChange(TObject* Sender);
    void CBVisibleClick(TObject* Sender);
    void ESpaceChange(TObject* Sender);
    void BColorClick(TObject* Sender);
    void BCancelClick(TObject* Sender);

protected:
    void DoClose(TCloseAction& Action) override;

private:
    TChartPen* ChartPen() const;
    // Whether the style list ends with "Small Dots" (chart pens with styled wide pens).
    bool HasSmallDotsEntry() const;
    void EnableWidthControls(bool Value);
    void EnableSpaceControls(bool Value);
    // The pen as it was at the show; the change handler told when there is one.
    void RestorePen();

    TChartPen* BackupPen = nullptr;
    bool ModifiedPen = false;
    bool FFilling = false;
    bool FTranslated = false;
};

// Shows a pen dialog on APen modally; true when closed with OK.
bool EditChartPen(TComponent* AOwner, TPen* APen, bool HideColor = false);
