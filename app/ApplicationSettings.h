// The values the tool remembers between runs: the pressure scaling of each channel and the
// user-interface language, kept in an INI file in the user's configuration folder. The file
// is read when the object is made and written when it is deleted; nothing is written while
// the program runs.
#pragma once

#include "platform/rtl/Types.h"

#include <vector>

class TXcAppIniFileStorage;

class TApplicationSettings {
public:
    // One channel's pressure scaling: pressure = CoeffA x input volts + CoeffB.
    struct COEFFS {
        double CoeffA = 1.0; // gain, bar per volt
        double CoeffB = 0.0; // offset, bar at 0 V
        int Type = 0;        // 0 boost pressure (0 to 4 bar), 1 common-rail pressure (0 to 2000 bar)
    };

    // Fixes the file's path (<configuration folder>/<title>/<title>.ini, the title being the
    // application's title now), reads the file into memory and sets the defaults; reads no
    // value yet. A file that cannot be read, or a folder that cannot be made, leaves the
    // settings in memory for this run: nothing is written at exit (ReadProblem says why).
    TApplicationSettings();
    // Deletes the storage, which writes the file.
    virtual ~TApplicationSettings();
    TApplicationSettings(const TApplicationSettings&) = delete;
    TApplicationSettings& operator=(const TApplicationSettings&) = delete;

    // Reads every key into the fields; a missing, empty or unconvertible value gives the
    // default (the current Language for "Language").
    virtual void LoadSettings();
    // Writes every key into the in-memory INI; floats always with "." as decimal separator.
    virtual void SaveSettings();

    // The full path of the settings file; empty when the settings stay in memory.
    const String& IniFilePath() const { return FIniFilePath; }
    // Entry c - 1 is channel c's scaling. Always two entries, at fixed addresses.
    std::vector<COEFFS>& Coeffs() { return FCoeffs; }
    const std::vector<COEFFS>& Coeffs() const { return FCoeffs; }

    // Why the settings are not kept in a file in this run (translated), or empty.
    String ReadProblem() const;
    // Tells the user ReadProblem in a message box, the first time only; false when there is
    // nothing to tell or it was told. Called once the application can show message boxes.
    bool ReportReadProblem();

    String Language = QStringLiteral("en");

private:
    String FIniFilePath;
    TXcAppIniFileStorage* FStorage = nullptr;
    std::vector<COEFFS> FCoeffs;
    // The untranslated problem text and its argument; empty when the file is in use.
    String FProblemFormat;
    String FProblemArgument;
    bool FProblemReported = false;
};

// The settings object of the program: created first at start-up, deleted after the message
// loop.
extern TApplicationSettings* ApplicationSettings;
