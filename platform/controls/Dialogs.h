// Message dialogs and the modal-form hook: MessageDlg, ShowMessage, InputQuery and
// ShowModal go through replaceable hooks, so tests answer and observe them. The message-box hook
// itself lives with MessageBox in the Windows services.
#pragma once

#include "platform/controls/ControlTypes.h"

#include <functional>

class TCustomForm;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
ORVO_DECLARE_ENUM_TYPE(TMsgDlgType)
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};
ORVO_DECLARE_ENUM_TYPE(TMsgDlgBtn)
using TMsgDlgButtons = Set<TMsgDlgBtn>;
inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// What a message dialog shows; X, Y are -1 for a centred dialog.
struct TMessageDlgRequest {
    String Msg;
    TMsgDlgType DlgType = mtCustom;
    TMsgDlgButtons Buttons;
    int HelpCtx = 0;
    int X = -1;
    int Y = -1;
};
using TMessageDlgHook = std::function<int(const TMessageDlgRequest& Request)>;
// Installs the hook every message dialog goes through (empty: the real dialog); returns
// the previous one.
TMessageDlgHook SetMessageDlgHook(TMessageDlgHook Hook);

// Shows a message dialog and returns the modal result of the button chosen (mrYes ...).
int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
int MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
// An information box with the application's title and an OK button.
void ShowMessage(const String& Msg);
void ShowMessagePos(const String& Msg, int X, int Y);

// The hook InputQuery goes through: it gets the caption and the prompt, may change
// Value and answers whether the user confirmed. Empty: the real dialog.
using TInputQueryHook = std::function<bool(const String& Caption, const String& Prompt, String& Value)>;
TInputQueryHook SetInputQueryHook(TInputQueryHook Hook);

// Asks for one line of text in a modal dialog with OK and Cancel, starting from Value.
// OK stores the text in Value and answers true; Cancel leaves Value as it was.
bool InputQuery(const String& ACaption, const String& APrompt, String& Value);

// The hook ShowModal goes through: it gets the form (created and ready to show) and
// answers its modal result instead of running the modal loop. Empty: the real loop.
using TShowModalHook = std::function<int(TCustomForm* Form)>;
TShowModalHook SetShowModalHook(TShowModalHook Hook);
TShowModalHook ShowModalHook();

// The message-box hook that shows real dialogs (installed by Application->Initialize).
void InstallDialogMessageBox();
