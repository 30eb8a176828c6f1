// TApplication: the message loop, the main form, the title, exception display and the
// message box of the program; one instance, Application.
#pragma once

#include "platform/classes/Component.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Color.h"

#include <exception>

class TControl;
class TCustomForm;
class TTimer;
class Exception;

using TExceptionEvent = TEvent<TObject*, Exception*>;
ORVO_DECLARE_EVENT_TYPE(TExceptionEvent)
using TMessageEvent = TEvent<TMsg&, bool&>;

class TApplication : public TComponent {
    ORVO_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Installs the real message box and the exception handler of threads' queued calls.
    void Initialize();
    // Creates a form owned by the application; the first one becomes MainForm. The
    // reference is set before the form reads its resource and runs OnCreate, and cleared
    // again when that fails.
    template <class T> void CreateForm(T*& Reference) {
        T* instance = new T(this);
        Reference = instance;
        try {
            FinishCreateForm(instance);
        } catch (...) {
            Reference = nullptr;
            throw;
        }
    }
    TComponent* CreateForm(TClass InstanceClass);
    // Shows the main form and runs the message loop until it closes or Terminate.
    void Run();
    // Handles every message and event that is waiting (timers due, posted messages,
    // synchronised calls, input), then returns.
    void ProcessMessages();
    // Handles one message; when there is none, waits until a message or a synchronised
    // call arrives (and runs it).
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Clears Terminated (a new run of the loop, in tests).
    void ResetTerminated() { FTerminated = false; }

    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* Value) { FMainForm = Value; }
    bool MainFormOnTaskBar() const { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool Value) { FMainFormOnTaskBar = Value; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool Value) { FShowMainForm = Value; }
    // Defaults to the program's file name without folder, cut at its first dot, every
    // letter after the first in lower case. Setting it sets the process-wide title too.
    String Title() const;
    void SetTitle(const String& Value);
    String ExeName() const;
    HWND Handle() const { return nullptr; }
    String HelpFile() const { return FHelpFile; }
    void SetHelpFile(const String& Value) { FHelpFile = Value; }
    // Shows help topic Context (of the active form's help file, else HelpFile) through the
    // help viewer (platform/controls/Help.h); false when there is none or it showed nothing.
    bool HelpContext(int Context);

    // A message box owned by the active form; answers the ID of the button.
    int MessageBox(const String& Text, const String& Caption, unsigned Flags = 0);
    // The exception that escaped an event handler: EAbort is silent, OnException when
    // assigned, else ShowException. Call inside a catch block or with the object.
    void HandleException(TObject* Sender);
    void HandleException(TObject* Sender, std::exception_ptr E);
    // An error box with the exception's message and the title.
    void ShowException(Exception* E);

    // Hints. A control's hint (the short part of its Hint, its own or the nearest
    // parent's) shows when the mouse rested HintPause milliseconds on a control whose
    // ShowHint is set, HintShortPause when a hint was just showing, and hides after
    // HintHidePause, or when the mouse leaves the control, a button or key is pressed.
    // The control sees CM_HINTSHOW first. The pauses run on the clock of the timers.
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    int HintPause() const { return FHintPause; }
    void SetHintPause(int Value) { FHintPause = Value; }
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int Value) { FHintHidePause = Value; }
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int Value) { FHintShortPause = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    // The long hint of the control under the mouse (OnHint tells each change).
    String Hint() const { return FHint; }
    void SetHint(const String& Value);
    // Shows the hint of the control at a screen point now.
    void ActivateHint(const TPoint& CursorPos);
    // Hides the hint and forgets its control: it shows again only after a new pause.
    void CancelHint();
    void HideHint();
    // Told by the window glue on every mouse move: Control is the control under the mouse
    // (nullptr: the mouse left it), CursorPos the screen position.
    void HintMouseMessage(TControl* Control, const TPoint& CursorPos);

    // Whether a modal loop runs (ShowModal, a message box).
    int ModalLevel() const { return FModalLevel; }
    void ModalStarted() { ++FModalLevel; }
    void ModalFinished() { --FModalLevel; }

    TExceptionEvent OnException;
    TNotifyEvent OnHint;
    TNotifyEvent OnIdle;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void SetHintControl(TControl* Value);
    void StartHintTimer(int Pause, bool Hiding);
    void HintTimerExpired(TObject* Sender);
    void ShowHintNow();
    TControl* FHintControl = nullptr;
    // The screen area over which the hint stays, and the last mouse position.
    TRect FHintCursorRect;
    TPoint FHintCursorPos;
    bool FHintActive = false;
    bool FHintShown = false;
    TTimer* FHintTimer = nullptr;
    bool FHintTimerHides = false;
    // Completes a form made by CreateForm (frees it when that fails).
    void FinishCreateForm(TComponent* Instance);
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FMainFormOnTaskBar = false;
    bool FShowMainForm = true;
    mutable String FTitle;
    mutable bool FTitleSet = false;
    String FHelpFile;
    TColor FHintColor = clInfoBk;
    int FHintPause = 500;
    int FHintHidePause = 2500;
    int FHintShortPause = 50;
    bool FShowHint = true;
    String FHint;
    int FModalLevel = 0;
    bool FHandlingException = false;
};

// The application object (made on first use by the controls unit; never null).
extern TApplication* Application;
