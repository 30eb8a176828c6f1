#include "app/ApplicationSettings.h"

#include "device/AppMessage.h"
#include "i18n/Gettext.h"
#include "platform/classes/MemIniFile.h"
#include "platform/controls/Application.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Folders.h"
#include "storage/XcAppIniFileStorage.h"

#include <QDebug>
#include <cmath>

TApplicationSettings* ApplicationSettings = nullptr;

namespace {

const String kPressure = QStringLiteral("Pressure");
const String kGui = QStringLiteral("GUI");

String KeyOf(const char* name, int index) {
    return QString::fromLatin1(name) + QString::number(index);
}

// A float as the file holds it: "." or "," as decimal separator (files written under a
// locale that used "," still read), no thousands separators; anything else, infinities and
// NaN give Default.
double ReadSettingsFloat(TMemIniFile* ini, const String& key, double Default) {
    String text = ini->ReadString(kPressure, key, String()).trimmed();
    text.replace(u',', u'.');
    double value = 0;
    if (text.isEmpty() || !TryStrToFloat(text, value, TFormatSettings::Invariant()) || !std::isfinite(value))
        return Default;
    return value;
}

} // namespace

TApplicationSettings::TApplicationSettings() : FCoeffs(2) {
    // Before the program sets its own title this is the program file's name, so the folder
    // and the file are named after the program.
    const String title = Application->Title();
    const String base = LocalAppDataFolder();
    if (base.isEmpty()) {
        FProblemFormat = QStringLiteral(
            "No configuration folder could be found or made. Settings changed now are not kept.");
    } else {
        const String folder = IncludeTrailingPathDelimiter(base) + title;
        if (!DirectoryExists(folder)) CreateDir(folder);
        if (DirectoryExists(folder)) {
            FIniFilePath = IncludeTrailingPathDelimiter(folder) + title + QStringLiteral(".ini");
        } else {
            FProblemFormat = QStringLiteral(
                "The settings folder %1 could not be made. Settings changed now are not kept.");
            FProblemArgument = folder;
        }
    }

    FStorage = new TXcAppIniFileStorage(nullptr);
    FStorage->SetLocation(flCustom);
    bool keepFile = !FIniFilePath.isEmpty();
    if (keepFile) {
        try {
            FStorage->SetFileName(FIniFilePath);
        } catch (const Exception& e) {
            // An unreadable file must neither stop the program nor be replaced by defaults.
            FStorage->IniFile()->Clear();
            keepFile = false;
            FProblemFormat = QStringLiteral("The settings could not be read from %1. The program starts with "
                                            "the default settings and leaves that file as it is.");
            FProblemArgument = FIniFilePath;
            qWarning().noquote()
                << QStringLiteral("Settings file %1 not read: %2").arg(FIniFilePath, e.Message);
        }
    }
    FStorage->SetFlushOnDestroy(keepFile);
    if (!keepFile) FIniFilePath.clear();
}

TApplicationSettings::~TApplicationSettings() {
    delete FStorage;
}

void TApplicationSettings::LoadSettings() {
    TMemIniFile* ini = FStorage->IniFile();
    for (int i = 0; i < int(FCoeffs.size()); ++i) {
        COEFFS& c = FCoeffs[i];
        c.CoeffA = ReadSettingsFloat(ini, KeyOf("CoeffA", i), 1.0);
        c.CoeffB = ReadSettingsFloat(ini, KeyOf("CoeffB", i), 0.0);
        c.Type = ini->ReadInteger(kPressure, KeyOf("Type", i), 0);
    }
    Language = ini->ReadString(kGui, QStringLiteral("Language"), Language);
}

void TApplicationSettings::SaveSettings() {
    TMemIniFile* ini = FStorage->IniFile();
    // Written with "." whatever the user's locale, so that a file reads the same everywhere.
    const TFormatSettings invariant = TFormatSettings::Invariant();
    for (int i = 0; i < int(FCoeffs.size()); ++i) {
        const COEFFS& c = FCoeffs[i];
        ini->WriteString(kPressure, KeyOf("CoeffA", i), FloatToStr(c.CoeffA, invariant));
        ini->WriteString(kPressure, KeyOf("CoeffB", i), FloatToStr(c.CoeffB, invariant));
        ini->WriteInteger(kPressure, KeyOf("Type", i), c.Type);
    }
    ini->WriteString(kGui, QStringLiteral("Language"), Language);
}

String TApplicationSettings::ReadProblem() const {
    if (FProblemFormat.isEmpty()) return String();
    const String text = gettext(FProblemFormat);
    return FProblemArgument.isEmpty() ? text : text.arg(FProblemArgument);
}

bool TApplicationSettings::ReportReadProblem() {
    if (FProblemFormat.isEmpty() || FProblemReported) return false;
    FProblemReported = true;
    ShowAppMessage(ReadProblem(), 0);
    return true;
}
