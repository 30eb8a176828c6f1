#include "tests/acceptance/AcceptanceHarness.h"
#include "tests/support/TestFiles.h"

#include "app/ApplicationSettings.h"
#include "app/ChipTuning.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameTools.h"
#include "controls/SBPro.h"
#include "controls/XcSpeedButton.h"
#include "device/usb/ChipTuningUsb.h"
#include "platform/controls/Application.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Messages.h"
#include "platform/win/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaObject>
#include <QPixmap>
#include <QWidget>

#include <chrono>
#include <thread>

namespace acceptance {

namespace {

// The hooks in place before a test, given back after it.
struct TSavedHooks {
    TMessageBoxHook messageBox;
    TShowModalHook modal;
    TCommonDialogHook fileDialog;
};
TSavedHooks& SavedHooks() {
    static TSavedHooks hooks;
    return hooks;
}

LPARAM At(int x, int y) {
    return LPARAM((x & 0xFFFF) | ((y & 0xFFFF) << 16));
}

} // namespace

void TAcceptanceClock::Sleep(DWORD ms) {
    if (ms == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::microseconds(ms * 100));
    Advance(ms == 0 ? SleepZeroStep : ms);
}

String TBtBox::Line(const char* label) const {
    return String::fromStdString(server.Path()) + QStringLiteral(": ") + NormalizeBluetoothAddress(address) +
           QStringLiteral(" ") + QString::fromUtf8(label);
}

std::vector<int> Commands(const sim::Box& box, sim::Transport transport) {
    // USB: length (2 bytes), command; Bluetooth: sync, length (2 bytes), command.
    const std::size_t at = transport == sim::Transport::Usb ? 2 : 3;
    std::vector<int> out;
    for (const sim::Bytes& r : box.Requests())
        out.push_back(r.size() > at ? int(r[at]) : -1);
    return out;
}

sim::Bytes MapOf(const std::function<std::uint16_t(int)>& code) {
    sim::Bytes image(sim::MapBytes);
    for (int i = 0; i < 512; ++i) {
        const std::uint16_t c = code(i);
        image[std::size_t(2 * i)] = std::uint8_t(c & 0xFF);
        image[std::size_t(2 * i + 1)] = std::uint8_t(c >> 8);
    }
    return image;
}

std::string LinkName(const ::testing::TestParamInfo<Link>& info) {
    return info.param == Link::Usb ? "Usb" : "Bluetooth";
}

void TTool::SetUp() {
    ASSERT_TRUE(config.isValid());
    hadConfig_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    previousConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    useClock_ = std::make_unique<TClockOverride>(&clock);
    previousLookup_ = SetBluetoothLookup(&lookup);
    UsbClose();
    sim::FakeUsb::SetBuses({});
    SavedHooks().messageBox = SetMessageBoxHook({});
    SavedHooks().modal = SetShowModalHook({});
    SavedHooks().fileDialog = SetCommonDialogHook({});
    InstallHooks();
    // A fresh application object: its title, main form and forms are the program's own.
    previousApplication_ = Application;
    Application = new TApplication(nullptr);
}

void TTool::TearDown() {
    // The forms go as they go after the program's main function has returned.
    Application->DestroyComponents();
    Application->ProcessMessages();
    delete Application;
    Application = previousApplication_;
    UsbClose();
    sim::FakeUsb::SetBuses({});
    SetMessageBoxHook(SavedHooks().messageBox);
    SetShowModalHook(SavedHooks().modal);
    SetCommonDialogHook(SavedHooks().fileDialog);
    SetBluetoothLookup(previousLookup_);
    btBoxes.clear();
    useClock_.reset();
    if (hadConfig_)
        qputenv("XDG_CONFIG_HOME", previousConfig_);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

void TTool::InstallHooks() {
    SetMessageBoxHook([this](void*, const String& text, const String& caption, unsigned) {
        messages.push_back({text, caption});
        if (onMessage) {
            onMessage(messages.back());
            Application->ProcessMessages();
        }
        return IDOK;
    });
    SetShowModalHook([this](TCustomForm* form) {
        modals << form->ClassName();
        return onModal ? onModal(form) : int(mrCancel);
    });
    SetCommonDialogHook([this](TCommonDialog* dialog) {
        const String name = onFileDialog ? onFileDialog(dialog) : String();
        if (name.isEmpty()) return false;
        static_cast<TOpenDialog*>(dialog)->SetFileName(name);
        return true;
    });
}

void TTool::RunProgram(const std::function<void()>& body) {
    ran_ = true;
    bool started = false;
    std::function<void()> start;
    start = [this, body, &start, &started] {
        // The application object installed its own message box at start-up.
        InstallHooks();
        if (QWidget* box = QApplication::activeModalWidget()) {
            // A box of the start-up: recorded and answered as the user would; the start-up
            // goes on (or ends, when the box told why it failed).
            const auto* shown = qobject_cast<QMessageBox*>(box);
            messages.push_back({shown ? shown->text() : String(), shown ? shown->windowTitle() : String()});
            box->close();
            QMetaObject::invokeMethod(qApp, start, Qt::QueuedConnection);
            return;
        }
        started = true;
        body();
        EndProgram();
    };
    QMetaObject::invokeMethod(qApp, start, Qt::QueuedConnection);
    EXPECT_EQ(WinMain(), 0);
    if (!started) {
        // Start-up failed and the program showed why.
        QCoreApplication::removePostedEvents(qApp, QEvent::MetaCall);
        ADD_FAILURE() << "start-up failed: " << MessageTexts().join(u'|').toStdString();
    }
}

void TTool::EndProgram() {
    if (Application->Terminated() || !ChipTuningForm) return;
    if (Window()->Visible()) {
        Window()->Close();
        TickUntil([] { return Application->Terminated(); }, 5000);
    }
    if (!Application->Terminated()) {
        ADD_FAILURE() << "the main window did not close";
        Application->Terminate();
    }
}

sim::Box& TTool::UsbBox() {
    if (!usbBox) {
        usbBox = std::make_unique<sim::Box>();
        sim::FakeUsb::SetSingleBox(*usbBox);
    }
    return *usbBox;
}

TBtBox& TTool::AddBtBox(sim::WirePacing pacing) {
    btBoxes.push_back(std::make_unique<TBtBox>(pacing));
    TBtBox& b = *btBoxes.back();
    b.address = QStringLiteral("00:11:22:AA:BB:%1").arg(btBoxes.size(), 2, 10, QLatin1Char('0'));
    lookup.AddDevice(QStringLiteral("ChipTuning"), b.address, String::fromStdString(b.server.Path()));
    return b;
}

void TTool::Tick(int ms) {
    clock.Advance(UInt64(ms));
    Application->ProcessMessages();
}

bool TTool::TickUntil(const std::function<bool()>& cond, int maxMs) {
    for (int passed = 0; passed <= maxMs; passed += 200) {
        if (cond()) return true;
        Tick();
    }
    return cond();
}

bool TTool::WaitUntil(const std::function<bool()>& cond, int realMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(realMs);
    while (!cond()) {
        if (std::chrono::steady_clock::now() > end) return false;
        Application->ProcessMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

bool TTool::ConnectAndPoll() {
    if (!WaitUntil([this] { return State() != ConnectRequested; }, 20000)) return false;
    if (!TickUntil([this] { return State() == Connected; }, 1000)) return false;
    // The tools column's poll has run once the message shows.
    return TickUntil([this] { return !MessagePanelText().isEmpty(); }, 2000);
}

TChipTuningForm* TTool::Window() {
    return ChipTuningForm;
}

TFrameTools* TTool::Tools() {
    return ChipTuningForm ? dynamic_cast<TFrameTools*>(ChipTuningForm->FrameTools) : nullptr;
}

int TTool::State() {
    return ChipTuningForm ? ChipTuningForm->ConnectionState : -1;
}

TStatusPanelPro* TTool::StatusPanel() {
    return Window()->StatusBarPro1->Panels()->GetByName(QStringLiteral("PanelStatus"));
}

String TTool::StatusText() {
    return StatusPanel()->Text();
}

String TTool::MessagePanelText() {
    return Window()->StatusBarPro1->Panels()->GetByName(QStringLiteral("PanelMsgs"))->Text();
}

void TTool::Click(TControl* control, int x, int y) {
    if (x < 0) x = control->Width() / 2;
    if (y < 0) y = control->Height() / 2;
    control->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    control->Perform(WM_LBUTTONUP, 0, At(x, y));
    Application->ProcessMessages();
}

void TTool::ClickStatusPanel() {
    // PanelStatus is the first panel, 200 pixels wide.
    Click(Window()->StatusBarPro1, 100, Window()->StatusBarPro1->Height() / 2);
}

QStringList TTool::DownButtons() {
    QStringList down;
    TFrameTools* t = Tools();
    for (TXcSpeedButton* b : {t->btnMap1, t->btnMap2, t->btnMap3, t->btnMap4})
        if (b->Down()) down << QString::number(b->Tag());
    if (t->btnTuningOn->Down()) down << QStringLiteral("T");
    return down;
}

String TTool::SettingsPath() {
    // Named after the application's default title: the program file's name up to its first
    // dot, lower case after the first letter.
    String title = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (const int dot = int(title.indexOf(u'.')); dot >= 0) title.truncate(dot);
    title = title.left(1) + title.mid(1).toLower();
    return config.filePath(title + QStringLiteral("/") + title + QStringLiteral(".ini"));
}

void TTool::WriteSettings(const QByteArray& text) {
    ASSERT_TRUE(PutFile(SettingsPath(), text));
}

QByteArray TTool::SettingsFile() {
    return FileBytes(SettingsPath());
}

void TTool::Screenshot(TCustomForm* form, const char* name) {
    const QString folder = qEnvironmentVariable("ORVO_SCREENSHOTS");
    if (folder.isEmpty() || !form) return;
    QDir().mkpath(folder);
    Application->ProcessMessages();
    const QPixmap shot = form->Widget()->grab();
    EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromUtf8(name) + QStringLiteral(".png")), "PNG"));
}

QStringList TTool::MessageTexts() const {
    QStringList out;
    for (const TShownMessage& m : messages)
        out << m.text;
    return out;
}

sim::Box& TToolOverLink::Box() {
    if (!box_) box_ = GetParam() == Link::Usb ? &UsbBox() : &AddBtBox().box;
    return *box_;
}

} // namespace acceptance
