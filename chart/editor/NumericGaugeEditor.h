// TNumericGaugeEditor: the editor form of a numeric gauge, and the base of the linear and
// circular gauge editors: the value with "+" and "-", the gauge palette, the digital font, the
// gauge's markers, the frame (visibility, width, pattern, gradient, its three rings and its
// shadow) and the face. Every control changes the gauge at once. The editor is embedded in a
// page and shown again on each visit: the pages it embeds are made on the first show and only
// refreshed after.
#pragma once

#include "platform/controls/CustomForm.h"

class TBrushDialog;
class TButton;
class TButtonGradient;
class TCheckBox;
class TComboFlat;
class TCustomGauge;
class TEdit;
class TFormTeeShape;
class TFrameBrush;
class TLabel;
class TMarkersEditor;
class TPageControl;
class TRadioGroup;
class TSpeedButton;
class TTabSheet;
class TTeeShadowEditor;
class TUpDown;

class TNumericGaugeEditor : public TForm {
    ORVO_CLASS(TNumericGaugeEditor, TForm)
public:
    explicit TNumericGaugeEditor(TComponent* AOwner);

    // The markers page (numeric gauges only) and the gauge edited (from Tag at show time).
    TMarkersEditor* Tools = nullptr;
    TCustomGauge* Gauge = nullptr;

    // The embedded editors of the frame's rings, its shadow and the face.
    TBrushDialog* OuterEditor() const { return FOuter; }
    TBrushDialog* MiddleEditor() const { return FMiddle; }
    TBrushDialog* InnerEditor() const { return FInner; }
    TTeeShadowEditor* ShadowEditor() const { return FShadow; }
    TFormTeeShape* FaceEditor() const { return FFace; }

    // Handlers named in the form resource.
    virtual void FormShow(TObject* Sender);
    void EValueChange(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void CBPaletteChange(TObject* Sender);
    void RGFontClick(TObject* Sender);
    void CBFrameVisibleClick(TObject* Sender);
    void EWidthChange(TObject* Sender);
    void BBrushClick(TObject* Sender);

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabOptions = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* EValue = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TLabel* Label2 = nullptr;
    TComboFlat* CBPalette = nullptr;
    TRadioGroup* RGFont = nullptr;
    TTabSheet* TabMarkers = nullptr;
    TTabSheet* TabFrame = nullptr;
    TPageControl* PageFrame = nullptr;
    TTabSheet* TabGeneral = nullptr;
    TCheckBox* CBFrameVisible = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* EWidth = nullptr;
    TUpDown* UDWidth = nullptr;
    TButton* BBrush = nullptr;
    TButtonGradient* BGradient = nullptr;
    TTabSheet* TabOuter = nullptr;
    TTabSheet* TabMiddle = nullptr;
    TTabSheet* TabInner = nullptr;
    TTabSheet* TabShadow = nullptr;
    TTabSheet* TabBack = nullptr;

protected:
    // True while the controls are being filled from the gauge: the handlers do nothing then.
    bool Filling = false;
    // The handlers act on what the user does while the form shows.
    bool CanEdit() const { return Gauge && !Filling && Showing(); }

private:
    void ShowValue();
    void AddToValue(double Delta);
    TBrushDialog* EmbedBrushDialog(TTabSheet* Tab, TFrameBrush* Brush);
    void RefreshBrushDialog(TBrushDialog* Dialog, TFrameBrush* Brush);

    TBrushDialog* FOuter = nullptr;
    TBrushDialog* FMiddle = nullptr;
    TBrushDialog* FInner = nullptr;
    TTeeShadowEditor* FShadow = nullptr;
    TFormTeeShape* FFace = nullptr;
    bool FPalettesAdded = false;
};
