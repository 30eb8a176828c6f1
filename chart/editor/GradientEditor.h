// The gradient editor: colours, direction, balance, radial offset, angle and sub-gradient of
// a gradient, seventeen named presets and a live preview. Used modally (EditTeeGradient),
// embedded in another editor's tab, or behind TButtonGradient, which shows a sample of its
// gradient. Every change goes into the gradient at once; Cancel gives back the gradient as
// it was opened when anything was changed.
#pragma once

#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/controls/CustomForm.h"

class TButton;
class TCheckBox;
class TComboFlat;
class TCustomTeeGradient;
class TEdit;
class TGroupBox;
class TLabel;
class TListBox;
class TPageControl;
class TPanel;
class TScrollBar;
class TTabSheet;
class TTrackBar;
class TUpDown;
class TButtonGradient;
class TChartGalleryPanel;

// A panel that paints only its background, with its own gradient.
class TPreviewGradient : public TCustomTeePanelExtended {
    ORVO_CLASS(TPreviewGradient, TCustomTeePanelExtended)
public:
    explicit TPreviewGradient(TComponent* AOwner);
    void InternalDraw(const TRect& UserRectangle) override;
};

class TTeeGradientEditor : public TForm {
    ORVO_CLASS(TTeeGradientEditor, TForm)
public:
    explicit TTeeGradientEditor(TComponent* AOwner);
    // For embedding: edits Gradient, without the OK and Cancel buttons.
    TTeeGradientEditor(TComponent* AOwner, TCustomTeeGradient* Gradient);
    ~TTeeGradientEditor() override;
    // Reads the form resource, then makes the preview and fills the preset list.
    void AfterConstruction() override;

    static constexpr int PresetCount = 17;
    struct TPreset {
        const char* Name;
        TColor Start, Middle, End;
        int Balance;
        TGradientDirection Direction;
    };
    static const TPreset Presets[PresetCount];
    // Gives Gradient the colours, direction and balance of preset Index.
    static void ApplyPreset(TCustomTeeGradient* Gradient, int Index);

    virtual void RefreshControls();
    virtual void SetPreview();
    virtual void RefreshGradient(TCustomTeeGradient* Gradient);

    TCustomTeeGradient* TheGradient = nullptr;
    TCustomTeeGradient* Backup = nullptr;
    bool IModified = false;
    bool IOnlyStart = false;
    bool SettingProps = false;
    TPreviewGradient* Preview = nullptr;
    // The directions tab: one mini chart per gradient direction, in direction order.
    TChartGalleryPanel* Directions = nullptr;

    // From the form resource.
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TCheckBox* CBVisible = nullptr;
    TComboFlat* CBDirection = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabDefault = nullptr;
    TPanel* Panel3 = nullptr;
    TListBox* Gallery = nullptr;
    TPanel* Panel4 = nullptr;
    TTabSheet* TabColors = nullptr;
    TButtonColor* BStart = nullptr;
    TButtonColor* BMid = nullptr;
    TButtonColor* BEnd = nullptr;
    TButton* BSwap = nullptr;
    TCheckBox* CBMid = nullptr;
    TTabSheet* TabOptions = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* LabelBalance = nullptr;
    TLabel* Label3 = nullptr;
    TScrollBar* SBBalance = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* LRadialX = nullptr;
    TLabel* LRadialY = nullptr;
    TTrackBar* TrackBar1 = nullptr;
    TTrackBar* TrackBar2 = nullptr;
    TEdit* EAngle = nullptr;
    TUpDown* UDAngle = nullptr;
    TTabSheet* TabDirections = nullptr;
    TTabSheet* TabSubGradient = nullptr;
    TLabel* Label6 = nullptr;
    TCheckBox* CBSubVisible = nullptr;
    TScrollBar* SBTransp = nullptr;
    TButtonGradient* BSubEdit = nullptr;
    TPanel* PanelButtons = nullptr;
    TButton* BOK = nullptr;
    TButton* BCancel = nullptr;

    void FormShow(TObject* Sender);
    void CBVisibleClick(TObject* Sender);
    void CBDirectionChange(TObject* Sender);
    void GalleryClick(TObject* Sender);
    void BStartClick(TObject* Sender);
    void BMidClick(TObject* Sender);
    void BSwapClick(TObject* Sender);
    void CBMidClick(TObject* Sender);
    void SBBalanceChange(TObject* Sender);
    void TrackBar1Change(TObject* Sender);
    void TrackBar2Change(TObject* Sender);
    void EAngleChange(TObject* Sender);
    void CBSubVisibleClick(TObject* Sender);
    void SBTranspChange(TObject* Sender);
    void BCancelClick(TObject* Sender);
    // A mini chart of the directions gallery was chosen.
    void DirectionsChange(TObject* Sender);

private:
    void CreateDirections();
    void SetDirectionColors();
    void SelectDirectionChart();
    void EnableVisible();
    void EnableDirection();
    TCustomTeeGradient* FEmbedded = nullptr;
};

// A button that shows a sample of its gradient and opens the gradient editor on it.
class TButtonGradient : public TTeeButton {
    ORVO_CLASS(TButtonGradient, TTeeButton)
public:
    explicit TButtonGradient(TComponent* AOwner);
    void LinkGradient(TCustomTeeGradient* Gradient);
    TCustomTeeGradient* GetGradient() const;
    // Opens the editor on the linked gradient; after OK repaints and runs the click event.
    // Without a gradient only the click event runs.
    void Click() override;
    // The gradient over the symbol box, framed black (grey while the gradient is hidden).
    void DrawSymbol(TTeeCanvas* ACanvas) override;

    bool OnlyStart = false;
    // The editor while it is open.
    TTeeGradientEditor* FEditor = nullptr;

private:
    void EditorDestroyed(TObject* Sender);
    TNotifyEvent FOldDestroy;
};

bool EditTeeGradient(TComponent* AOwner, TCustomTeeGradient* Gradient, bool OnlyStart = false,
                     bool HideVisible = false);
