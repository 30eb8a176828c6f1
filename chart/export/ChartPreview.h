// TChartPreview: the print preview dialog. The preview control fills the client area; the
// top row chooses the printer, sets it up and prints; the left column sets orientation,
// the chart's print margins in percent, detail, proportional margins and smoothing.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TCheckBox;
class TComboBox;
class TCustomTeeNavigator;
class TCustomTeePanel;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TPrinterSetupDialog;
class TRadioGroup;
class TTeePreviewPanel;
class TTrackBar;
class TUpDown;

using TCustomTeeNavigatorClass = TCustomTeeNavigator* (*)(TComponent* AOwner);

// Whether showing the dialog turns the printer to landscape.
extern bool TeeChangePaperOrientation;

class TChartPreview : public TForm {
    ORVO_CLASS(TChartPreview, TForm)
public:
    explicit TChartPreview(TComponent* AOwner);
    ~TChartPreview() override;
    void AfterConstruction() override;

    // Hides the Close button's panel (the chart editor embeds the dialog as a page).
    void HideCloseButton();
    TTeePreviewPanel* PreviewPanel() const { return TeePreviewPanel1; }
    // The maker of the page navigator shown below the left column; none by default.
    TCustomTeeNavigatorClass PageNavigatorClass = nullptr;
    TCustomTeeNavigator* PageNavigator() const { return PageNavigator1; }

    // From the form resource.
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TComboBox* CBPrinters = nullptr;
    TButton* BSetupPrinter = nullptr;
    TButton* BPrint = nullptr;
    TPanel* PanelClose = nullptr;
    TButton* BClose = nullptr;
    TPanel* Panel2 = nullptr;
    TRadioGroup* Orientation = nullptr;
    TGroupBox* GBMargins = nullptr;
    TEdit* SETopMa = nullptr;
    TEdit* SELeftMa = nullptr;
    TEdit* SEBotMa = nullptr;
    TEdit* SERightMa = nullptr;
    TUpDown* UDTopMa = nullptr;
    TUpDown* UDLeftMa = nullptr;
    TUpDown* UDBotMa = nullptr;
    TUpDown* UDRightMa = nullptr;
    TGroupBox* GBResolution = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TTrackBar* Resolution = nullptr;
    TButton* BReset = nullptr;
    TCheckBox* ShowMargins = nullptr;
    TCheckBox* CBProp = nullptr;
    TCheckBox* CBBitmap = nullptr;
    TTeePreviewPanel* TeePreviewPanel1 = nullptr;

    // Handlers named by the form resource.
    void FormShow(TObject* Sender);
    void CBPrintersChange(TObject* Sender);
    void BSetupPrinterClick(TObject* Sender);
    void BPrintClick(TObject* Sender);
    void OrientationClick(TObject* Sender);
    void SETopMaChange(TObject* Sender);
    void SELeftMaChange(TObject* Sender);
    void SEBotMaChange(TObject* Sender);
    void SERightMaChange(TObject* Sender);
    void ResolutionChange(TObject* Sender);
    void BResetClick(TObject* Sender);
    void ShowMarginsClick(TObject* Sender);
    void CBPropClick(TObject* Sender);
    void CBBitmapClick(TObject* Sender);
    void Panel1Resize(TObject* Sender);
    void TeePreviewPanel1ChangeMargins(TObject* Sender, bool DisableProportional, const TRect& NewMargins);

private:
    void ChangeMargin(TEdit* Box, int Index);
    void ResetMargins();
    void FillPrinters();
    void ShowOrientation();
    void ChangeOrientation();
    void EnableReset();
    TCustomTeePanel* ThePanel() const;

    bool ChangingMargins = true;
    bool ChangingProp = false;
    bool Showing = false;
    TRect OldMargins;
    TCustomTeeNavigator* PageNavigator1 = nullptr;
    TPrinterSetupDialog* PrinterSetupDialog1 = nullptr;
};

// Shows the print preview of APanel modally, then repaints the panel (also when an error
// ends it).
void TeePreview(TComponent* AOwner, TCustomTeePanel* APanel);
