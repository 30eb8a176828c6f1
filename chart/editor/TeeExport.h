// Picture formats of the export dialog: a format draws a panel into a picture of a chosen
// size and copies it to the clipboard or saves it; each format class is registered in one
// list (the order fixes the save dialog's filter entries) and brings a small options form.
// Also the e-mail of an exported file and the entries that save a panel in a format.
#pragma once

#include "platform/classes/Object.h"
#include "platform/graphics/GdiTypes.h"

#include <vector>

class TCustomForm;
class TCustomTeePanel;
class TGraphic;
class TOpenDialog;
class TStream;
class TStrings;

class TTeeExportFormat : public TObject {
    ORVO_CLASS(TTeeExportFormat, TObject)
public:
    TTeeExportFormat() = default;
    ~TTeeExportFormat() override;

    virtual void DoCopyToClipboard() = 0;
    virtual int FileFilterIndex() { return FFilterIndex; }
    // Takes the next index of a save dialog's filter (adds 1 to Index).
    virtual void IncFileFilterIndex(int& Index);
    virtual bool WantsFilterIndex(int Index) { return Index == FFilterIndex; }
    virtual String Description() = 0;
    virtual String FileExtension() = 0;
    virtual String FileFilter() = 0;
    // The picture class this format makes (none here).
    virtual TClass GraphicClass() { return nullptr; }
    virtual void SaveToStream(TStream* Stream) = 0;
    // The format's options form, made first when Check is true (none here).
    virtual TCustomForm* Options(bool Check = true);

    // A width or height of 0 takes the panel's.
    void CheckSize();
    // TeeMsg_ExportPanelNotSet without a panel.
    void CopyToClipboard();
    // Writes the picture to the file, replacing it whole.
    void SaveToFile(const String& FileName);

    TCustomTeePanel* Panel = nullptr;
    int Width = 0;
    int Height = 0;

protected:
    void Prepare();
    int FFilterIndex = 0;
    TCustomForm* FOptions = nullptr;
};

using TTeeExportFormatClass = TTeeExportFormat* (*)();

// A registered format class: its maker and its class (to find it again).
struct TTeeExportFormatEntry {
    TClass Class = nullptr;
    TTeeExportFormatClass Make = nullptr;
};

// The registered picture formats, in registration order.
const std::vector<TTeeExportFormatEntry>& TeeExportFormats();
void RegisterTeeExportFormat(TClass Class, TTeeExportFormatClass Make);
void UnRegisterTeeExportFormat(TClass Class);
template <class T> void RegisterTeeExportFormat() {
    RegisterTeeExportFormat(T::StaticClass(), [] { return static_cast<TTeeExportFormat*>(new T); });
}

// Saves APanel in one format of class Make's through a save dialog of its filter.
void TeeSavePanel(TTeeExportFormatClass Make, TCustomTeePanel* APanel);
// A bitmap of R's size of APanel saved to FileName.
void TeeSaveToBitmap(TCustomTeePanel* APanel, const String& FileName, const TRect& R);
// Sends the file by e-mail with the subject; a failure other than a cancelled message is
// TeeMsg_CanNotEmailChart with the error number.
void TeeEmailFile(const String& FileName, const String& Subject);
// Whether e-mail can be sent (found once per run).
bool TeeCanEmail();
// The folder registered for the help file HelpFile under the local machine's help key, a
// backslash and the name; empty when the key does not open or holds no such value.
String GetRegistryHelpPath(const String& HelpFile);
// Adds every registered format for APanel to the dialog's filter, each taking its filter
// index; with a list, the descriptions (without "&") with the formats as objects, which
// the list's owner then frees; without one, the formats are freed.
void TeeFillPictureDialog(TOpenDialog* Dialog, TCustomTeePanel* APanel, TStrings* Items);
// The picture of the first registered format whose extension is Extension (".emf", case
// ignored); none when no format has it. Installed as the chart engine's hook.
TGraphic* WithFileExtension(const String& Extension);
