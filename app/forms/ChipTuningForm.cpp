#include "app/forms/ChipTuningForm.h"

#include "app/DLLVersion.h"
#include "app/forms/FrameChart.h"
#include "app/forms/FrameTools.h"
#include "controls/SBPro.h"
#include "controls/XcThread.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "device/usb/OrvoTuningUsbDevice.h"
#include "i18n/Gettext.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Font.h"
#include "platform/win/Process.h"

#include <QFileInfo>

TChipTuningForm* ChipTuningForm = nullptr;

TChipTuningParts& ChipTuningParts() {
    static TChipTuningParts parts{[] { return new TOrvoTuningUsbDevice(); },
                                  [] { return new TOrvoTuningBtDevice(); },
                                  [](TChipTuningForm*, int channel) -> IChipTuningEditor* {
                                      auto* editor = new TFrameChart(nullptr);
                                      editor->AfterConstruction();
                                      editor->ShowOnlyChannel(channel);
                                      return editor;
                                  },
                                  [](TChipTuningForm*) -> TControl* {
                                      auto* tools = new TFrameTools(nullptr);
                                      tools->AfterConstruction();
                                      return tools;
                                  }};
    return parts;
}

namespace {
// An editor that is a component goes as components go (BeforeDestruction first).
void FreeEditor(IChipTuningEditor*& Editor) {
    if (auto* object = dynamic_cast<TObject*>(Editor))
        FreeObject(object);
    else
        delete Editor;
    Editor = nullptr;
}
} // namespace

ORVO_IMPLEMENT_CLASS(TChipTuningForm, TForm)

ORVO_PUBLISHED(TChipTuningForm) {
    P.Field("PanelChart", &TChipTuningForm::PanelChart);
    P.Field("StatusBarPro1", &TChipTuningForm::StatusBarPro1);
    P.Field("TimerConnectionStatus", &TChipTuningForm::TimerConnectionStatus);
    P.Field("BtOpenThread", &TChipTuningForm::BtOpenThread);
    P.Method("FormCreate", &TChipTuningForm::FormCreate);
    P.Method("FormCloseQuery", &TChipTuningForm::FormCloseQuery);
    P.Method("FormDestroy", &TChipTuningForm::FormDestroy);
    P.Method("FormResize", &TChipTuningForm::FormResize);
    P.Method("OnConnectionStatusTimer", &TChipTuningForm::OnConnectionStatusTimer);
    P.Method("PanelStatusClick", &TChipTuningForm::PanelStatusClick);
    P.Method("BtOpenThreadExecute", &TChipTuningForm::BtOpenThreadExecute);
    P.Method("BtOpenThreadFinish", &TChipTuningForm::BtOpenThreadFinish);
}

TChipTuningForm::TChipTuningForm(TComponent* AOwner) : TForm(AOwner) {
    TChipTuningParts& parts = ChipTuningParts();
    UsbDevice = parts.CreateUsbDevice();
    BtDevice = parts.CreateBtDevice();
    CurrentDevice = UsbDevice;
}

TChipTuningForm::~TChipTuningForm() {
    // FormDestroy has normally run; a form whose creation failed still frees its devices.
    delete UsbDevice;
    delete BtDevice;
    FreeEditor(FrameChartLeft);
    FreeEditor(FrameChartRight);
    if (ChipTuningForm == this) ChipTuningForm = nullptr;
}

void TChipTuningForm::DoCreate() {
    TChipTuningParts& parts = ChipTuningParts();
    // The Left values order the left-aligned frames: left editor, tools column, right editor.
    auto place = [this](TControl* frame, int left) {
        if (!frame) return;
        frame->SetParent(PanelChart);
        frame->SetLeft(left);
        frame->SetAlign(alLeft);
    };
    if (parts.CreateEditor) {
        FrameChartLeft = parts.CreateEditor(this, 1);
        if (FrameChartLeft) place(FrameChartLeft->Frame(), 0);
    }
    if (parts.CreateTools) place(FrameTools = parts.CreateTools(this), 100);
    if (parts.CreateEditor) {
        FrameChartRight = parts.CreateEditor(this, 2);
        if (FrameChartRight) place(FrameChartRight->Frame(), 200);
    }
    // The frames came after the window last resized: share its width out now, or the first
    // editor keeps the whole width until the window happens to be resized.
    FormResize(this);
    ConnectionState = Disconnected;
    TForm::DoCreate();
}

void TChipTuningForm::FormCreate(TObject*) {
    TranslateComponent(this);
    ConnectionState = ConnectRequested;
}

void TChipTuningForm::SetStatusPanel(TColor Color, TColor FontColor, const char* Text, bool RepaintNow) {
    TStatusPanelPro* panel = StatusBarPro1->Panels()->GetByName(QStringLiteral("PanelStatus"));
    if (!panel) return;
    panel->SetColor(Color);
    panel->Font()->SetColor(FontColor);
    panel->SetText(gettext(QString::fromUtf8(Text)));
    if (RepaintNow) StatusBarPro1->Repaint();
}

void TChipTuningForm::SetStatusMessage(const String& Text) {
    if (TStatusPanelPro* panel = StatusBarPro1->Panels()->GetByName(QStringLiteral("PanelMsgs")))
        panel->SetText(Text);
}

void TChipTuningForm::OnConnectionStatusTimer(TObject*) {
    TimerConnectionStatus->SetEnabled(false);
    // Ticks never overlap: the timer runs again only when this one is over, whatever happens.
    struct TReenable {
        TTimer* Timer;
        ~TReenable() { Timer->SetEnabled(true); }
    } reenable{TimerConnectionStatus};

    const int state = ConnectionState;
    switch (state) {
    case ConnectRequested:
        SetStatusPanel(clYellow, clBlack, "Connecting...", true);
        // While a Bluetooth open runs, USB is tried again on each tick; should USB win, the
        // worker's result is dropped when it arrives and its link closed.
        CurrentDevice = UsbDevice;
        if (UsbDevice->Open()) {
            ConnectionState = Opened;
            FBtOpenPending = false;
        } else {
            CurrentDevice = BtDevice;
            if (!BtOpenThread->OneThreadIsRunning()) {
                FBtOpenDevice = BtDevice;
                FBtOpenResult = -1;
                const TXcThreadHandle handle = BtOpenThread->Execute(this);
                if (handle) {
                    FBtOpenPending = true;
                    BtOpenThread->Resume(handle);
                }
            }
        }
        break;
    case Disconnected:
        SetStatusPanel(clRed, clBlack, "No connection", false);
        break;
    case Opened: {
        // Without curve editors there are no maps to read. Each editor reads the map of its
        // selected tab, the one its sends go to.
        const bool read =
            (!FrameChartLeft || FrameChartLeft->ReadMapAllChannels(FrameChartLeft->ActiveMap())) &&
            (!FrameChartRight || FrameChartRight->ReadMapAllChannels(FrameChartRight->ActiveMap()));
        // A failed read's message box handles the application's messages: a close or a
        // disconnect asked meanwhile stays, and the next tick carries it out.
        if (ConnectionState == Opened) ConnectionState = read ? Connected : ConnectionError;
        break;
    }
    case Connected:
        SetStatusPanel(clGreen, clYellow, "Connected", false);
        break;
    case ConnectionError:
        SetStatusPanel(clRed, clYellow, "Connection error", false);
        break;
    case DisconnectRequested:
    case CloseRequested: {
        SetStatusPanel(clYellow, clBlack, "Disconnecting...", true);
        // The wait handles the application's messages: the worker's result arrives, and the
        // user may ask to close the window meanwhile.
        BtOpenThread->WaitFor();
        CurrentDevice->Close();
        const bool closeWindow = state == CloseRequested || ConnectionState == CloseRequested;
        ConnectionState = Disconnected;
        if (closeWindow) PostMessage(Handle(), WM_CLOSE, 0, 0);
        break;
    }
    default:
        break;
    }
}

void TChipTuningForm::BtOpenThreadExecute(TObject*, void*) {
    FBtOpenResult = FBtOpenDevice->Open() ? 1 : 0;
}

void TChipTuningForm::BtOpenThreadFinish(TObject*) {
    const int result = FBtOpenResult.exchange(-1);
    const bool pending = FBtOpenPending;
    FBtOpenPending = false;
    if (pending && ConnectionState == ConnectRequested) {
        if (result == 1) {
            CurrentDevice = BtDevice;
            ConnectionState = Opened;
        } else {
            ConnectionState = Disconnected;
        }
    } else if (result == 1) {
        // The window moved on (USB opened, a disconnect or close was asked): nothing uses
        // this link.
        BtDevice->Close();
    }
}

void TChipTuningForm::PanelStatusClick(TObject*) {
    switch (ConnectionState) {
    case Disconnected:
        ConnectionState = ConnectRequested;
        break;
    case Opened:
    case Connected:
    case ConnectionError:
        ConnectionState = DisconnectRequested;
        break;
    default:
        break;
    }
}

void TChipTuningForm::FormCloseQuery(TObject*, bool& CanClose) {
    if (ConnectionState == Disconnected) {
        CanClose = true;
        return;
    }
    ConnectionState = CloseRequested;
    CanClose = false;
}

void TChipTuningForm::FormResize(TObject*) {
    const int w = ClientWidth() - (FrameTools ? FrameTools->Width() : 0);
    if (FrameChartLeft) FrameChartLeft->Frame()->SetWidth(w / 2);
    if (FrameChartRight) FrameChartRight->Frame()->SetWidth(w / 2);
}

void TChipTuningForm::FormDestroy(TObject*) {
    // A worker still opening the Bluetooth device must end before the device goes; its
    // result is of no use now.
    if (BtOpenThread) {
        BtOpenThread->OnFinish = TNotifyEvent();
        BtOpenThread->WaitFor();
    }
    if (FBtOpenResult.exchange(-1) == 1 && BtDevice) BtDevice->Close();
    delete UsbDevice;
    UsbDevice = nullptr;
    delete BtDevice;
    BtDevice = nullptr;
    CurrentDevice = nullptr;
    FreeEditor(FrameChartLeft);
    FreeEditor(FrameChartRight);
}

String MainWindowCaption() {
    const AnsiString name = QFileInfo(ProgramFileName()).fileName().toStdString();
    CDLLVersion version;
    int major = 0, minor = 0, build = 0;
    version.found = version.GetVersionInfo(name, major, minor, build);
    return QStringLiteral("ORVO Tuning ") + QString::fromStdString(version.VersionText);
}
