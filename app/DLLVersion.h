// The version of a module or program file, looked up by name: through the module's own
// version export, else through the version block of the file. Start-up uses it on the
// program's own file name for the main window's caption.
#pragma once

#include "platform/rtl/Types.h"

class CDLLVersion {
public:
    CDLLVersion() = default;
    virtual ~CDLLVersion() = default;

    // 1 when the first three version numbers were found (and stored in major, minor and
    // build), else 0. Sets VersionText when a version block with a FileVersion was read, even
    // when its text does not parse. The file is looked for in the running program's folder
    // first (so the program finds its own version whatever the current folder), then in the
    // Windows folder, the current folder and the root folder.
    int GetVersionInfo(const AnsiString& name, int& major, int& minor, int& build);

    // Splits a FileVersion text into three numbers: on ".", else on ","; a part without
    // digits counts as 0; consecutive separators count as one. False when there are fewer
    // than three parts.
    static bool ParseVersionText(const AnsiString& text, int& major, int& minor, int& build);

    int major = 0;
    int minor = 0;
    int build = 0;
    int found = 0;
    AnsiString VersionText;

private:
    bool FromModuleExport(const AnsiString& name, int& major, int& minor, int& build);
    bool FromFile(const AnsiString& path, int& major, int& minor, int& build);
};
