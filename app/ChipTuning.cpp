#include "app/ChipTuning.h"

#include "app/ApplicationSettings.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FormSettings.h"
#include "device/Utils.h"
#include "device/bluetooth/FrmMultipleBtDevices.h"
#include "i18n/Gettext.h"
#include "platform/controls/Application.h"

#include <cstdio>
#include <cstdlib>

int WinMain() {
    try {
        DebugTrace("ChipTuning");
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
        Application->Run();
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
