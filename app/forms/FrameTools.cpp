#include "app/forms/FrameTools.h"

#include "app/MapFile.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FormSettings.h"
#include "controls/XcControls.h"
#include "controls/XcSpeedButton.h"
#include "device/AppMessage.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "device/usb/ChipTuningUsb.h"
#include "device/usb/OrvoTuningUsbDevice.h"
#include "i18n/Gettext.h"
#include "platform/classes/SyncObjs.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/ImageList.h"

#include <exception>

ORVO_IMPLEMENT_CLASS(TFrameTools, TFrame)

ORVO_PUBLISHED(TFrameTools) {
    P.Field("PanelTools", &TFrameTools::PanelTools);
    P.Field("btnMap1", &TFrameTools::btnMap1);
    P.Field("btnMap2", &TFrameTools::btnMap2);
    P.Field("btnMap3", &TFrameTools::btnMap3);
    P.Field("btnMap4", &TFrameTools::btnMap4);
    P.Field("btnTuningOn", &TFrameTools::btnTuningOn);
    P.Field("btnSettings", &TFrameTools::btnSettings);
    P.Field("btnLoad", &TFrameTools::btnLoad);
    P.Field("btnSave", &TFrameTools::btnSave);
    P.Field("btnClear", &TFrameTools::btnClear);
    P.Field("btnPressure", &TFrameTools::btnPressure);
    P.Field("btnMoveL2R2L", &TFrameTools::btnMoveL2R2L);
    P.Field("btnMoveL2R", &TFrameTools::btnMoveL2R);
    P.Field("btnMoveR2L", &TFrameTools::btnMoveR2L);
    P.Field("btnEdit", &TFrameTools::btnEdit);
    P.Field("OpenDialog1", &TFrameTools::OpenDialog1);
    P.Field("SaveDialog1", &TFrameTools::SaveDialog1);
    P.Field("BypassTimer", &TFrameTools::BypassTimer);
    P.Field("ImageList1", &TFrameTools::ImageList1);
    P.Method("BypassTimerTimer", &TFrameTools::BypassTimerTimer);
    P.Method("btnTuningOnClick", &TFrameTools::btnTuningOnClick);
    P.Method("btnMapClick", &TFrameTools::btnMapClick);
    P.Method("btnSettingsClick", &TFrameTools::btnSettingsClick);
    P.Method("btnClearClick", &TFrameTools::btnClearClick);
    P.Method("btnMoveL2RClick", &TFrameTools::btnMoveL2RClick);
    P.Method("btnMoveR2LClick", &TFrameTools::btnMoveR2LClick);
    P.Method("btnMoveL2R2LClick", &TFrameTools::btnMoveL2R2LClick);
    P.Method("btnSaveClick", &TFrameTools::btnSaveClick);
    P.Method("btnLoadClick", &TFrameTools::btnLoadClick);
}

namespace {

// The main window as the tools column's host. Its curve editors are asked for the tools
// column's operations; an editor that lacks them counts as none.
class TMainWindowToolsHost : public IToolsHost {
public:
    int ConnectionState() override { return ChipTuningForm ? ChipTuningForm->ConnectionState : Disconnected; }
    TOrvoTuningDevice* CurrentDevice() override {
        return ChipTuningForm ? ChipTuningForm->CurrentDevice : nullptr;
    }
    IToolsCurveEditor* FrameChartLeft() override {
        return ChipTuningForm ? dynamic_cast<IToolsCurveEditor*>(ChipTuningForm->FrameChartLeft) : nullptr;
    }
    IToolsCurveEditor* FrameChartRight() override {
        return ChipTuningForm ? dynamic_cast<IToolsCurveEditor*>(ChipTuningForm->FrameChartRight) : nullptr;
    }
    void SetStatusMessage(const String& Text) override {
        if (ChipTuningForm) ChipTuningForm->SetStatusMessage(Text);
    }
};

TMainWindowToolsHost& MainWindowHost() {
    static TMainWindowToolsHost host;
    return host;
}

// The curve shown by one editor onto the channel shown by the other, which sends it.
void CopyActiveCurve(IToolsCurveEditor* From, IToolsCurveEditor* To) {
    CurvePoints curve;
    if (From && To && From->GetActiveChannelPoints(curve)) To->SetActiveChannelPoints(curve);
}

} // namespace

bool DeviceExchangeFailed(TOrvoTuningDevice* Device) {
    if (dynamic_cast<TOrvoTuningUsbDevice*>(Device))
        return UsbDeviceHandle == nullptr || UsbLastTransactResult() != 0;
    if (auto* bt = dynamic_cast<TOrvoTuningBtDevice*>(Device)) {
        // A good reply clears the count, so a count left after an exchange means that the
        // exchange got no valid reply or was refused.
        TCriticalSectionLock guard(BtTransactLock());
        return bt->readFailures > 0;
    }
    return false;
}

TFrameTools::TFrameTools(TComponent* AOwner) : TFrame(AOwner) {}

TFrameTools::~TFrameTools() = default;

void TFrameTools::AfterConstruction() {
    TFrame::AfterConstruction();
    // The column is as wide as its panel of buttons (frames publish no AutoSize to set it in
    // the form resource).
    SetAutoSize(true);
    // Once: a second translation would look the translated texts up again.
    if (FTranslated) return;
    FTranslated = true;
    TranslateComponent(this);
}

IToolsHost* TFrameTools::Host() {
    return FHost ? FHost : &MainWindowHost();
}

TOrvoTuningDevice* TFrameTools::ConnectedDevice() {
    IToolsHost* host = Host();
    return host->ConnectionState() == Connected ? host->CurrentDevice() : nullptr;
}

void TFrameTools::BypassTimerTimer(TObject*) {
    BypassTimer->SetEnabled(false);
    // The poll runs again a second after this one is over, whatever happens in it.
    struct TReenable {
        TTimer* Timer;
        ~TReenable() { Timer->SetEnabled(true); }
    } reenable{BypassTimer};

    TOrvoTuningDevice* device = ConnectedDevice();
    if (!device) return;
    // The device answers "tuning on" and "map 1" also when it could not ask the box: a failed
    // read leaves the buttons and the message showing the last state the box reported.
    const bool tuningOff = device->GetTuning();
    if (DeviceExchangeFailed(device)) return;
    const int map = device->GetActiveMap();
    if (DeviceExchangeFailed(device)) return;

    btnTuningOn->SetDown(!tuningOff);
    for (TXcSpeedButton* button : {btnMap1, btnMap2, btnMap3, btnMap4})
        button->SetDown(map == button->Tag());
    const String text =
        gettext(btnTuningOn->Down() ? QStringLiteral("Tuning is ON") : QStringLiteral("Tuning is OFF")) +
        QStringLiteral(" --- ") + gettext(QStringLiteral("Active")) + QStringLiteral(": ") +
        gettext(QStringLiteral("Map")) + QStringLiteral(" ") + QString::number(map);
    Host()->SetStatusMessage(text);
}

void TFrameTools::btnTuningOnClick(TObject*) {
    // The button has toggled already: down means tuning on, which the box calls "not off".
    if (TOrvoTuningDevice* device = ConnectedDevice()) device->SetTuning(!btnTuningOn->Down());
}

void TFrameTools::btnMapClick(TObject* Sender) {
    auto* button = dynamic_cast<TXcSpeedButton*>(Sender);
    if (!button) return;
    if (TOrvoTuningDevice* device = ConnectedDevice()) device->ActivateMap(int(button->Tag()));
}

void TFrameTools::btnSettingsClick(TObject*) {
    if (!FormSettings) return;
    TCheckBox* check = FormSettings->chbTriggeredInputActive;
    if (TOrvoTuningDevice* device = ConnectedDevice()) {
        // A failed read keeps the last state rather than showing "off" as the box's.
        const bool on = device->GetTriggeredInput() != 0;
        if (!DeviceExchangeFailed(device)) check->SetChecked(on);
    }
    if (FormSettings->ShowModal() != mrOk) return;
    // The link may have gone while the dialog was open: then the choice is dropped.
    if (TOrvoTuningDevice* device = ConnectedDevice()) device->SetTriggeredInput(check->Checked());
}

void TFrameTools::btnClearClick(TObject* Sender) {
    if (IToolsCurveEditor* left = Host()->FrameChartLeft()) left->btnClearClick(Sender);
    if (IToolsCurveEditor* right = Host()->FrameChartRight()) right->btnClearClick(Sender);
}

void TFrameTools::btnMoveL2RClick(TObject*) {
    CopyActiveCurve(Host()->FrameChartLeft(), Host()->FrameChartRight());
}

void TFrameTools::btnMoveR2LClick(TObject*) {
    CopyActiveCurve(Host()->FrameChartRight(), Host()->FrameChartLeft());
}

void TFrameTools::btnMoveL2R2LClick(TObject*) {
    IToolsCurveEditor* left = Host()->FrameChartLeft();
    IToolsCurveEditor* right = Host()->FrameChartRight();
    if (!left || !right) return;
    CurvePoints a, b;
    if (!left->GetActiveChannelPoints(a) || !right->GetActiveChannelPoints(b)) return;
    right->SetActiveChannelPoints(a);
    left->SetActiveChannelPoints(b);
}

void TFrameTools::btnSaveClick(TObject*) {
    // The curves are taken before the dialog opens, as the charts show them now.
    CurvePoints left, right;
    if (IToolsCurveEditor* editor = Host()->FrameChartLeft()) editor->GetActiveChannelPoints(left);
    if (IToolsCurveEditor* editor = Host()->FrameChartRight()) editor->GetActiveChannelPoints(right);
    if (!SaveDialog1->Execute()) return;
    // Only whole curves are written: a file that no reader accepts would lose the tuning.
    bool saved = false;
    if (int(left.size()) == CurveLength && int(right.size()) == CurveLength) {
        try {
            saved = SaveMapFile(SaveDialog1->FileName(), {left, right});
        } catch (const std::exception&) {
            saved = false;
        }
    }
    if (!saved) ShowAppMessage(gettext(QStringLiteral("Save operation failed!")), 0);
}

void TFrameTools::btnLoadClick(TObject*) {
    if (!OpenDialog1->Execute()) return;
    // The whole file is read and checked before any editor changes: a bad file changes and
    // sends nothing.
    std::vector<CurvePoints> curves;
    bool loaded = false;
    try {
        loaded = LoadMapFile(OpenDialog1->FileName(), TMapFileScope::AllCurves, curves);
    } catch (const std::exception&) {
        loaded = false;
    }
    if (!loaded || curves.empty()) {
        ShowAppMessage(gettext(QStringLiteral("Unsupported file format!")), 0);
        return;
    }
    if (IToolsCurveEditor* left = Host()->FrameChartLeft()) left->SetActiveChannelPoints(curves[0]);
    if (curves.size() > 1)
        if (IToolsCurveEditor* right = Host()->FrameChartRight()) right->SetActiveChannelPoints(curves[1]);
}
