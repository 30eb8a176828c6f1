// TFrameTools: the column of buttons between the two curve editors. It switches tuning on and
// off, chooses the box's active map, opens the triggered-input dialog, copies, swaps and
// clears the two channels' curves and saves and loads both curves as one map file; a one-second
// poll keeps its buttons and the status message in step with the box while connected.
#pragma once

#include "app/ChipTuningChannel.h"
#include "platform/controls/Frame.h"

class TButton;
class TImageList;
class TOpenDialog;
class TOrvoTuningDevice;
class TPanel;
class TSaveDialog;
class TTimer;
class TXcSpeedButton;

// What the tools column needs of a curve editor; the curve editor implements it beside the
// main window's editor interface.
class IToolsCurveEditor {
public:
    virtual ~IToolsCurveEditor() = default;
    // Pulls the editor's series into the channel shown and copies its codes into Points;
    // false (Points left alone) when the editor shows no channel.
    virtual bool GetActiveChannelPoints(CurvePoints& Points) = 0;
    // Shows the codes on the channel shown and sends them with the editor's send operation.
    virtual void SetActiveChannelPoints(const CurvePoints& Points) = 0;
    // Resets the curve of the channel shown to the neutral curve and sends it.
    virtual void btnClearClick(TObject* Sender) = 0;
};

// What the tools column needs of the main window. By default the main window ChipTuningForm
// answers; tests put their own in place.
class IToolsHost {
public:
    virtual ~IToolsHost() = default;
    virtual int ConnectionState() = 0;
    virtual TOrvoTuningDevice* CurrentDevice() = 0;
    // The left (channel 1) or right (channel 2) curve editor; null while there is none.
    virtual IToolsCurveEditor* FrameChartLeft() = 0;
    virtual IToolsCurveEditor* FrameChartRight() = 0;
    virtual void SetStatusMessage(const String& Text) = 0;
};

// Whether the device's last exchanges failed, as far as its transport keeps it: over USB no
// box is open; over Bluetooth the last exchange brought no valid reply or was refused. The
// device's getters fold failures into default values; this tells them from real answers.
bool DeviceExchangeFailed(TOrvoTuningDevice* Device);

class TFrameTools : public TFrame {
    ORVO_CLASS(TFrameTools, TFrame)
public:
    explicit TFrameTools(TComponent* AOwner);
    ~TFrameTools() override;
    // Reads the form resource, then translates the frame.
    void AfterConstruction() override;

    // The host the frame asks (null: the main window). The caller keeps ownership.
    void SetHost(IToolsHost* Host) { FHost = Host; }
    IToolsHost* Host();

    // From the form resource.
    TPanel* PanelTools = nullptr;
    TXcSpeedButton* btnMap1 = nullptr;
    TXcSpeedButton* btnMap2 = nullptr;
    TXcSpeedButton* btnMap3 = nullptr;
    TXcSpeedButton* btnMap4 = nullptr;
    TXcSpeedButton* btnTuningOn = nullptr;
    TButton* btnSettings = nullptr;
    TButton* btnLoad = nullptr;
    TButton* btnSave = nullptr;
    TButton* btnClear = nullptr;
    TButton* btnPressure = nullptr;
    TButton* btnMoveL2R2L = nullptr;
    TButton* btnMoveL2R = nullptr;
    TButton* btnMoveR2L = nullptr;
    TButton* btnEdit = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TTimer* BypassTimer = nullptr;
    TImageList* ImageList1 = nullptr;

    // Handlers bound by the form resource.
    void BypassTimerTimer(TObject* Sender);
    void btnTuningOnClick(TObject* Sender);
    void btnMapClick(TObject* Sender);
    void btnSettingsClick(TObject* Sender);
    void btnClearClick(TObject* Sender);
    void btnMoveL2RClick(TObject* Sender);
    void btnMoveR2LClick(TObject* Sender);
    void btnMoveL2R2LClick(TObject* Sender);
    void btnSaveClick(TObject* Sender);
    void btnLoadClick(TObject* Sender);

private:
    // The device while the link is Connected; null otherwise.
    TOrvoTuningDevice* ConnectedDevice();
    IToolsHost* FHost = nullptr;
    bool FTranslated = false;
};
