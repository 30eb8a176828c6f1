// TChipTuningForm: the main window. It owns the two device objects (USB and Bluetooth) and
// the frames of the window, chooses the transport (USB first, Bluetooth on a worker thread
// when USB fails) and runs the connection state machine on a 200 ms timer. Every other part
// of the tool reads ConnectionState and CurrentDevice before it talks to the box.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/graphics/Color.h"

#include <atomic>
#include <functional>

class TPanel;
class TStatusBarPro;
class TTimer;
class TXcThread;
class TOrvoTuningDevice;
class TControl;
class TChipTuningForm;

// Where the link stands (values of TChipTuningForm::ConnectionState).
enum : int {
    ConnectRequested = 0,    // open a link on the next tick
    Disconnected = 1,        // no link; nothing happens until the user asks
    Opened = 2,              // a transport is open, the maps are not read yet
    Connected = 3,           // maps read; the only state in which commands are sent
    ConnectionError = 4,     // a transport is open but reading the maps failed
    DisconnectRequested = 5, // close the link on the next tick
    CloseRequested = 6,      // close the link on the next tick, then the window
};

// A curve editor as the main window uses it.
class IChipTuningEditor {
public:
    virtual ~IChipTuningEditor() = default;
    // The editor's frame; the window places it in PanelChart.
    virtual TControl* Frame() = 0;
    // Reads map `map` of both channels from the current device; false when a read failed.
    virtual bool ReadMapAllChannels(int map) = 0;
    // The map number of the editor's selected map tab, which a new link reads.
    virtual int ActiveMap() { return 1; }
};

// What the window makes beside its form resource. The makers default to the real USB and
// Bluetooth devices, the curve editor and the tools column; without an editor maker the window
// has no editors (a new link has no maps to read and counts as connected). Tests replace the
// devices with scripted ones.
struct TChipTuningParts {
    std::function<TOrvoTuningDevice*()> CreateUsbDevice;
    std::function<TOrvoTuningDevice*()> CreateBtDevice;
    // The curve editor of channel 1 (left) or 2 (right); the window owns it.
    std::function<IChipTuningEditor*(TChipTuningForm* Form, int Channel)> CreateEditor;
    // The tools column; it has no owner and goes with PanelChart.
    std::function<TControl*(TChipTuningForm* Form)> CreateTools;
};
TChipTuningParts& ChipTuningParts();

class TChipTuningForm : public TForm {
    ORVO_CLASS(TChipTuningForm, TForm)
public:
    explicit TChipTuningForm(TComponent* AOwner);
    ~TChipTuningForm() override;

    // From the form resource.
    TPanel* PanelChart = nullptr;
    TStatusBarPro* StatusBarPro1 = nullptr;
    TTimer* TimerConnectionStatus = nullptr;
    TXcThread* BtOpenThread = nullptr;

    // Written on the user-interface thread only.
    int ConnectionState = Disconnected;
    TOrvoTuningDevice* UsbDevice = nullptr; // owned
    TOrvoTuningDevice* BtDevice = nullptr;  // owned
    TOrvoTuningDevice* CurrentDevice = nullptr;
    IChipTuningEditor* FrameChartLeft = nullptr;  // owned; channel 1
    TControl* FrameTools = nullptr;               // goes with PanelChart
    IChipTuningEditor* FrameChartRight = nullptr; // owned; channel 2

    void SetConnectionState(int State) { ConnectionState = State; }
    // Puts a text into the panel "PanelMsgs".
    void SetStatusMessage(const String& Text);

    // Handlers bound by the form resource.
    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormDestroy(TObject* Sender);
    void FormResize(TObject* Sender);
    void OnConnectionStatusTimer(TObject* Sender);
    void PanelStatusClick(TObject* Sender);
    // Runs on the worker thread: opens the Bluetooth device and keeps the result for the
    // user-interface thread, which applies it in BtOpenThreadFinish.
    void BtOpenThreadExecute(TObject* Sender, void* Params);
    // On the user-interface thread once the worker has ended: the result counts only while
    // the window still waits for it (ConnectRequested); otherwise a link it opened is closed.
    void BtOpenThreadFinish(TObject* Sender);

protected:
    // Builds the frames once the form resource has made PanelChart, then runs OnCreate.
    void DoCreate() override;

private:
    void SetStatusPanel(TColor Color, TColor FontColor, const char* Text, bool RepaintNow);
    // The state written by the worker: -1 none, 0 failed, 1 opened.
    std::atomic<int> FBtOpenResult{-1};
    // The device the worker opens, fixed before it starts.
    TOrvoTuningDevice* FBtOpenDevice = nullptr;
    bool FBtOpenPending = false;
};

extern TChipTuningForm* ChipTuningForm;

// "ORVO Tuning " followed by the FileVersion text of the running program (nothing after the
// blank when it has none).
String MainWindowCaption();
