#include "app/ChipTuning.h"

#include "app/AppStartup.h"
#include "app/ApplicationSettings.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FormSettings.h"
#include "device/Utils.h"
#include "device/bluetooth/FrmMultipleBtDevices.h"
#include "i18n/Gettext.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Messages.h"

#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <signal.h>
#include <unistd.h>

namespace {

int g_termPipe[2] = {-1, -1};

void OnTermSignal(int) {
    const char c = 1;
    const ssize_t written = ::write(g_termPipe[1], &c, 1);
    (void)written;
}

// While the message loop runs, SIGTERM (what a desktop sends at log-out) is the close request
// that a Windows program gets at log-off: the main window is asked to close, so it disconnects
// and the program ends as after a normal exit, its settings written.
class TTermSignalWatch {
public:
    TTermSignalWatch() {
        if (::pipe2(g_termPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
        notifier_ = std::make_unique<QSocketNotifier>(g_termPipe[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [] {
            char buffer[16];
            while (::read(g_termPipe[0], buffer, sizeof buffer) > 0) {
            }
            if (TCustomForm* form = Application->MainForm()) PostMessage(form->Handle(), WM_CLOSE, 0, 0);
        });
        struct sigaction action {};
        action.sa_handler = OnTermSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        installed_ = ::sigaction(SIGTERM, &action, &previous_) == 0;
    }
    ~TTermSignalWatch() {
        if (installed_) ::sigaction(SIGTERM, &previous_, nullptr);
        notifier_.reset();
        for (int& fd : g_termPipe) {
            if (fd >= 0) ::close(fd);
            fd = -1;
        }
    }
    TTermSignalWatch(const TTermSignalWatch&) = delete;
    TTermSignalWatch& operator=(const TTermSignalWatch&) = delete;

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_ {};
    bool installed_ = false;
};

} // namespace

int WinMain() {
    try {
        DebugTrace("ChipTuning");
        // Every library's classes are registered before a form resource is read.
        InitializeApp();
        // Made before the title is set: the settings file is named after the default title.
        ApplicationSettings = new TApplicationSettings();
        ApplicationSettings->LoadSettings();
        UseLanguage(ApplicationSettings->Language);
        DebugTrace("XcGettext::UseLanguage: " + ApplicationSettings->Language.toStdString());
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        Application->SetTitle(QStringLiteral("ORVO Tuning"));
        ApplicationSettings->ReportReadProblem();
        Application->CreateForm(ChipTuningForm);
        Application->CreateForm(FormSettings);
        // The Bluetooth open asks this dialog when several boxes answer.
        Application->CreateForm(frmMultipleBtDevices);
        ChipTuningForm->SetCaption(MainWindowCaption());
        {
            TTermSignalWatch closeOnTerm;
            Application->Run();
        }
        ApplicationSettings->SaveSettings();
        delete ApplicationSettings;
        ApplicationSettings = nullptr;
    } catch (Exception& E) {
        Application->ShowException(&E);
    } catch (...) {
        Exception E;
        Application->ShowException(&E);
    }
    return 0;
}

bool DisplayAvailable(const char* ProgramName, char* Problem, unsigned ProblemSize) {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    // A platform chosen by the user is the user's business; Qt's default needs X or Wayland.
    if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return true;
    std::snprintf(Problem, ProblemSize,
                  "%s: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); to run without one: "
                  "QT_QPA_PLATFORM=offscreen %s",
                  ProgramName, ProgramName);
    return false;
}
