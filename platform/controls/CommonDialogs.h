// The common dialogs: open and save file, colour, font, print and printer set-up. Each is a
// component whose Execute shows the dialog modally and answers true when the user
// confirmed it. Every Execute goes through one replaceable hook: by default it shows the Qt
// dialog; a test installs a function that looks at the dialog (its class, title, filter,
// options), fills in the answer (FileName, FilterIndex, Color, ...) and returns the choice.
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Color.h"

#include <functional>

class TStrings;
class TFont;
class TCommonDialog;

// Answers one dialog: true for OK. The dialog's properties are the question and take the
// answer.
using TCommonDialogHook = std::function<bool(TCommonDialog* Dialog)>;
// Installs the hook (an empty one restores the Qt dialogs); returns the previous hook.
TCommonDialogHook SetCommonDialogHook(TCommonDialogHook Hook);

class TCommonDialog : public TComponent {
    ORVO_CLASS(TCommonDialog, TComponent)
public:
    explicit TCommonDialog(TComponent* AOwner);

    // Runs the dialog (OnShow before, OnClose after) and answers whether it was confirmed.
    virtual bool Execute();
    // The window the dialog belongs to (its handle); null: the active window.
    bool Execute(void* ParentWnd);
    void* ParentWindow() const { return FParentWnd; }

    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value) { FCtl3D = Value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;
    TNotifyEvent GetOnShow() const { return OnShow; }
    void SetOnShow(TNotifyEvent Value) { OnShow = Value; }
    TNotifyEvent GetOnClose() const { return OnClose; }
    void SetOnClose(TNotifyEvent Value) { OnClose = Value; }

    // The dialog shown to the user, without the hook (the default hook calls it).
    virtual bool ExecuteQt() = 0;

protected:
    virtual void DoShow();
    virtual void DoClose();
    // After a confirmed answer (from the user or a hook): completes it (default extension).
    virtual void Confirmed() {}

private:
    bool FCtl3D = true;
    int FHelpContext = 0;
    void* FParentWnd = nullptr;
};

enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden
};
using TOpenOptions = Set<TOpenOption>;
ORVO_DECLARE_ENUM_TYPE(TOpenOption)
ORVO_DECLARE_SET_TYPE(TOpenOptions)

// The open dialog. Filter is "Description|mask;mask|Description|mask"; FilterIndex counts
// its pairs from 1. A confirmed file name without an extension gets DefaultExt.
class TOpenDialog : public TCommonDialog {
    ORVO_CLASS(TOpenDialog, TCommonDialog)
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;

    String FileName() const { return FFileName; }
    void SetFileName(const String& Value) { FFileName = Value; }
    // The chosen files with ofAllowMultiSelect (else the one FileName).
    TStrings* Files() const { return FFiles; }
    String Filter() const { return FFilter; }
    void SetFilter(const String& Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    String DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const String& Value);
    String InitialDir() const { return FInitialDir; }
    void SetInitialDir(const String& Value) { FInitialDir = Value; }
    // Empty: the dialog's own title ("Open", "Save As").
    String Title() const { return FTitle; }
    void SetTitle(const String& Value) { FTitle = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }

    // The description/mask pairs of Filter.
    struct TFilterItem {
        String Description;
        String Masks;
    };
    std::vector<TFilterItem> FilterItems() const;
    bool IsSaveDialog() const { return FSave; }

    bool ExecuteQt() override;

protected:
    void Confirmed() override;
    bool FSave = false;

private:
    String FFileName;
    TStrings* FFiles;
    String FFilter;
    int FFilterIndex = 1;
    String FDefaultExt;
    String FInitialDir;
    String FTitle;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
    ORVO_CLASS(TSaveDialog, TOpenDialog)
public:
    explicit TSaveDialog(TComponent* AOwner);
};

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
using TColorDialogOptions = Set<TColorDialogOption>;
ORVO_DECLARE_ENUM_TYPE(TColorDialogOption)
ORVO_DECLARE_SET_TYPE(TColorDialogOptions)

// The colour dialog. CustomColors holds up to sixteen lines "ColorA=BBGGRR" ... "ColorP=..."
// (the hexadecimal TColor value); the dialog reads them and writes the user's back.
class TColorDialog : public TCommonDialog {
    ORVO_CLASS(TColorDialog, TCommonDialog)
public:
    explicit TColorDialog(TComponent* AOwner);
    ~TColorDialog() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    TStrings* CustomColors() const { return FCustomColors; }
    void SetCustomColors(TStrings* Value);
    TColorDialogOptions Options() const { return FOptions; }
    void SetOptions(TColorDialogOptions Value) { FOptions = Value; }

    bool ExecuteQt() override;

private:
    TColor FColor = clBlack;
    TStrings* FCustomColors;
    TColorDialogOptions FOptions;
};

enum TFontDialogOption {
    fdAnsiOnly,
    fdTrueTypeOnly,
    fdEffects,
    fdFixedPitchOnly,
    fdForceFontExist,
    fdNoFaceSel,
    fdNoOEMFonts,
    fdNoSimulations,
    fdNoSizeSel,
    fdNoStyleSel,
    fdNoVectorFonts,
    fdShowHelp,
    fdWysiwyg,
    fdLimitSize,
    fdScalableOnly,
    fdApplyButton
};
using TFontDialogOptions = Set<TFontDialogOption>;
ORVO_DECLARE_ENUM_TYPE(TFontDialogOption)
ORVO_DECLARE_SET_TYPE(TFontDialogOptions)

class TFontDialog : public TCommonDialog {
    ORVO_CLASS(TFontDialog, TCommonDialog)
public:
    explicit TFontDialog(TComponent* AOwner);
    ~TFontDialog() override;

    TFont* Font() const { return FFont; }
    void SetFont(TFont* Value);
    TFontDialogOptions Options() const { return FOptions; }
    void SetOptions(TFontDialogOptions Value) { FOptions = Value; }
    int MinFontSize() const { return FMinFontSize; }
    void SetMinFontSize(int Value) { FMinFontSize = Value; }
    int MaxFontSize() const { return FMaxFontSize; }
    void SetMaxFontSize(int Value) { FMaxFontSize = Value; }

    bool ExecuteQt() override;

private:
    TFont* FFont;
    TFontDialogOptions FOptions{fdEffects};
    int FMinFontSize = 0;
    int FMaxFontSize = 0;
};

enum TPrintRange { prAllPages, prSelection, prPageNums };
enum TPrintDialogOption { poPrintToFile, poPageNums, poSelection, poWarning, poHelp, poDisablePrintToFile };
using TPrintDialogOptions = Set<TPrintDialogOption>;
ORVO_DECLARE_ENUM_TYPE(TPrintRange)
ORVO_DECLARE_ENUM_TYPE(TPrintDialogOption)
ORVO_DECLARE_SET_TYPE(TPrintDialogOptions)

// The print dialog, on the process-wide printer: a confirmed dialog leaves the chosen
// printer, orientation and copies there.
class TPrintDialog : public TCommonDialog {
    ORVO_CLASS(TPrintDialog, TCommonDialog)
public:
    explicit TPrintDialog(TComponent* AOwner);

    TPrintDialogOptions Options() const { return FOptions; }
    void SetOptions(TPrintDialogOptions Value) { FOptions = Value; }
    TPrintRange PrintRange() const { return FPrintRange; }
    void SetPrintRange(TPrintRange Value) { FPrintRange = Value; }
    int FromPage() const { return FFromPage; }
    void SetFromPage(int Value) { FFromPage = Value; }
    int ToPage() const { return FToPage; }
    void SetToPage(int Value) { FToPage = Value; }
    int MinPage() const { return FMinPage; }
    void SetMinPage(int Value) { FMinPage = Value; }
    int MaxPage() const { return FMaxPage; }
    void SetMaxPage(int Value) { FMaxPage = Value; }
    int Copies() const { return FCopies; }
    void SetCopies(int Value) { FCopies = Value; }
    bool Collate() const { return FCollate; }
    void SetCollate(bool Value) { FCollate = Value; }
    bool PrintToFile() const { return FPrintToFile; }
    void SetPrintToFile(bool Value) { FPrintToFile = Value; }

    bool ExecuteQt() override;

private:
    TPrintDialogOptions FOptions;
    TPrintRange FPrintRange = prAllPages;
    int FFromPage = 0;
    int FToPage = 0;
    int FMinPage = 0;
    int FMaxPage = 0;
    int FCopies = 1;
    bool FCollate = false;
    bool FPrintToFile = false;
};

// The printer set-up dialog (printer, paper, orientation) on the process-wide printer.
class TPrinterSetupDialog : public TCommonDialog {
    ORVO_CLASS(TPrinterSetupDialog, TCommonDialog)
public:
    explicit TPrinterSetupDialog(TComponent* AOwner);
    bool ExecuteQt() override;
};

// Registers the dialog classes with the class registry (form resources name them).
void RegisterCommonDialogs();
