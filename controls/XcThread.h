// The worker-thread component: TXcThread runs its OnExecute handler on a new worker
// thread (a TXcBaseThread) each time Execute is called, keeps the threads it started in a
// locked list and reports the end of each one on the user-interface thread (OnFinish,
// then OnFinishAll when none is left).
//
// Execute hands back a TXcThreadHandle rather than the thread object: a thread that frees
// itself when it ends is gone right after its finish handler, while the handle stays valid
// and tells that the thread has finished.
#pragma once

#include "platform/classes/SyncObjs.h"
#include "platform/controls/Dialogs.h"
#include "storage/support/XcComponent.h"
#include "storage/support/XcCustomThread.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

class TXcThread;
class TXcBaseThread;
class TXcCustomThreadDialogForm;

// Sender (the worker thread) and the pointer given to Execute.
using TXcNotifyParamsEvent = TEvent<TObject*, void*>;
using TXcThreadEvent = TEvent<TXcThread*>;
using TXcDialogFormEvent = TEvent<TXcCustomThreadDialogForm*>;
using TXcShowMessageDlgEvent = TEvent<const String&, TMsgDlgType, TMsgDlgButtons, int, Word&>;
using TXcThreadExceptionEvent = TEvent<TObject*, Exception*, void*>;

// A thread whose Paused property holds (True) or releases (False) a pause section; a job
// that honours pauses enters and leaves the section itself.
class TXcPausableThread : public TXcCustomThread {
    ORVO_CLASS(TXcPausableThread, TXcCustomThread)
public:
    explicit TXcPausableThread(bool CreateSuspended);
    ~TXcPausableThread() override;

    bool Paused() const { return FPaused; }
    void SetPaused(bool Value);
    TCriticalSection* PauseSection() const { return FPauseSection; }

private:
    TCriticalSection* FPauseSection;
    bool FPaused = false;
};

// What the handle of one execution shares with its thread: the thread while it exists and
// whether its finish handler has run.
struct TXcThreadRun {
    std::atomic<bool> Finished{false};
    // Cleared (on the user-interface thread) when a thread that frees itself has ended.
    std::atomic<TXcBaseThread*> Thread{nullptr};
};

class TXcThreadHandle {
public:
    TXcThreadHandle() = default;
    explicit TXcThreadHandle(std::shared_ptr<TXcThreadRun> Run) : FRun(std::move(Run)) {}
    // Whether Execute started a thread.
    explicit operator bool() const { return bool(FRun); }
    // Whether that thread's finish handler has run (false when none was started).
    bool Finished() const { return FRun && FRun->Finished; }
    // The thread object, or null once a thread that frees itself has ended.
    TXcBaseThread* Thread() const { return FRun ? FRun->Thread.load() : nullptr; }

private:
    std::shared_ptr<TXcThreadRun> FRun;
};

class TXcBaseThread : public TXcPausableThread {
    ORVO_CLASS(TXcBaseThread, TXcPausableThread)
public:
    // Created suspended; Sender is the component that made it.
    TXcBaseThread(TObject* Sender, TXcNotifyParamsEvent Event, void* Params);

    // The first time: BeforeResume of the component (an exception from it makes the thread
    // terminate as soon as it starts); then the thread class's Resume.
    void ResumeThread();
    // Runs Method on the user-interface thread and waits for it.
    void Synchronize(TThreadMethod Method) { TThread::Synchronize(std::move(Method)); }
    // A message box on the user-interface thread (OnShowMessageDlgEvent when assigned).
    Word SynchMessageDlg(const String& Msg, TMsgDlgType AType, TMsgDlgButtons AButtons, int HelpCtx);

    bool ExecuteIsActive() const { return FExecuteIsActive; }
    // Set by the component's finish handler only.
    bool Finished() const { return FFinished; }
    void* Params() const { return FParams; }
    TObject* Container() const { return FContainer; }
    const std::shared_ptr<TXcThreadRun>& Run() const { return FRun; }

    TXcShowMessageDlgEvent OnShowMessageDlgEvent;
    TXcThreadExceptionEvent OnException;

protected:
    void Execute() override;

private:
    friend class TXcThread;
    void SynchMessageDlgStep();
    void ShowStoredException();

    std::exception_ptr FException;
    String FExceptionMessage;
    std::atomic<bool> FInternalTerminate{false};
    std::atomic<bool> FStarted{false};
    TXcNotifyParamsEvent FExecuteEvent;
    bool FOnResumeDone = false;
    std::atomic<bool> FExecuteIsActive{false};
    std::atomic<bool> FFinished{false};
    void* FParams;
    TObject* FContainer;
    std::shared_ptr<TXcThreadRun> FRun;
    String FSynchMsg;
    TMsgDlgType FSynchAType = mtCustom;
    TMsgDlgButtons FSynchAButtons;
    int FSynchHelpCtx = 0;
    Word FSynchMessageDlgResult = 0;
};

// The options of a progress dialog.
class TXcCustomThreadDialogOptions : public TPersistent {
    ORVO_CLASS(TXcCustomThreadDialogOptions, TPersistent)
public:
    TXcCustomThreadDialogOptions() = default;
    int ShowDelay() const { return FShowDelay; }
    // Milliseconds; a negative value is stored as 0.
    void SetShowDelay(int Value) { FShowDelay = Value < 0 ? 0 : Value; }
    bool ShowDialog() const { return FShowDialog; }
    void SetShowDialog(bool Value) { FShowDialog = Value; }
    bool ShowModal() const { return FShowModal; }
    void SetShowModal(bool Value) { FShowModal = Value; }
    void Assign(TPersistent* Source) override;

private:
    int FShowDelay = 0;
    bool FShowDialog = false;
    bool FShowModal = true;
};

// The progress-dialog hook. No concrete dialog exists in this program; a subclass supplies
// the form through CreateThreadDialogForm.
class TXcCustomThreadDialog : public TXcComponent {
    ORVO_CLASS(TXcCustomThreadDialog, TXcComponent)
public:
    explicit TXcCustomThreadDialog(TComponent* AOwner);
    ~TXcCustomThreadDialog() override;

    TXcCustomThreadDialogOptions* DialogOptions() const { return FDialogOptions; }
    void SetDialogOptions(TXcCustomThreadDialogOptions* Value) { FDialogOptions->Assign(Value); }
    // The form that shows the progress of ConnectedThread (owned by it); a concrete dialog
    // supplies it, the base makes none.
    virtual TXcCustomThreadDialogForm* CreateThreadDialogForm(TXcThread* ConnectedThread);

    TXcThreadEvent OnPressCancel;

protected:
    virtual TXcCustomThreadDialogOptions* CreateDialogOptions();

private:
    TXcCustomThreadDialogOptions* FDialogOptions = nullptr;
};

class TXcThread : public TXcComponent {
    ORVO_CLASS(TXcThread, TXcComponent)
public:
    explicit TXcThread(TComponent* AOwner);
    // Terminates the threads and returns once every finish handler has run.
    ~TXcThread() override;

    // Starts a new worker for OnExecute with P; an empty handle when refused (Exclusive and
    // a thread still running, MaxCount reached, no OnExecute). Raises nothing.
    TXcThreadHandle Execute(void* P);
    // Resumes one listed thread (null: every suspended listed thread).
    void Resume(TXcBaseThread* BaseThread);
    void Resume(const TXcThreadHandle& Handle);
    void Resume();
    // Handles the application's messages until no listed thread runs.
    void WaitFor();
    // Execute with RunOnCreate for the call, then WaitFor when a thread was made.
    TXcThreadHandle ExecuteAndWait(void* P);
    // The same, waiting only until the thread this call started has finished.
    TXcThreadHandle ExecuteThreadAndWait(void* P);
    TXcThreadHandle ExecuteWithDialog(void* P);
    void TerminateWaitFor(bool iRemoveZombies);
    void Terminate();
    void Suspend();
    virtual void CancelExecute();
    // Unlists and deletes a finished thread that does not free itself (null: all of them).
    void RemoveZombie(TXcBaseThread* BaseThread);
    void RemoveZombie() { RemoveZombie(nullptr); }
    void SetPriority(TThreadPriority NewPriority);
    void Synchronize(TThreadMethod Method);
    Word SynchMessageDlg(const String& Msg, TMsgDlgType AType, TMsgDlgButtons AButtons, int HelpCtx);
    // Holds the thread list from Lock to Unlock.
    void Lock();
    void Unlock();
    String CalcThreadName(int ThreadPos) const;
    void DisableDialogShowDelay() { ++FDisableDialogShowDelayCounter; }
    void EnableDialogShowDelay() { --FDisableDialogShowDelayCounter; }
    bool IsDialogShowDelayDisabled() const { return FDisableDialogShowDelayCounter > 0; }

    int Count() const;
    // The listed thread that is the calling thread, or null.
    TXcBaseThread* LastThread() const;
    // The listed thread at Index (under the list lock), or null.
    TXcBaseThread* Threads(int Index) const;
    bool Terminated() const;
    int ReturnValue() const;
    void SetReturnValue(int Value);
    bool OneThreadIsRunning() const;

    bool Exclusive() const { return FExclusive; }
    void SetExclusive(bool Value) { FExclusive = Value; }
    int MaxCount() const { return FMaxCount; }
    void SetMaxCount(int Value) { FMaxCount = Value; }
    bool RunOnCreate() const { return FRunOnCreate; }
    void SetRunOnCreate(bool Value) { FRunOnCreate = Value; }
    bool FreeOnTerminate() const { return FFreeOnTerminate; }
    void SetFreeOnTerminate(bool Value) { FFreeOnTerminate = Value; }
    TThreadPriority Priority() const { return FPriority; }
    void SetPriorityProp(TThreadPriority Value) { FPriority = Value; }
    TXcCustomThreadDialog* ThreadDialog() const { return FThreadDialog; }
    void SetThreadDialog(TXcCustomThreadDialog* Value);
    String ThreadName() const { return FThreadName; }
    void SetThreadName(const String& Value);
    bool ThreadDialogAllowed() const { return FThreadDialogAllowed; }
    void SetThreadDialogAllowed(bool Value) { FThreadDialogAllowed = Value; }
    TXcCustomThreadDialogForm* ThreadDialogForm() const { return FThreadDialogForm; }
    TObject* ConnectedDataObject() const { return FConnectedDataObject; }
    void SetConnectedDataObject(TObject* Value);
    TComponent* ConnectedDataComponent() const { return dynamic_cast<TComponent*>(FConnectedDataObject); }
    void SetConnectedDataComponent(TComponent* Value) { SetConnectedDataObject(Value); }

    TXcDialogFormEvent AfterCreateDialogForm;
    TNotifyEvent BeforeResume;
    TNotifyEvent OnBegin;
    TXcThreadEvent OnCancelExecute;
    TXcNotifyParamsEvent OnExecute;
    TNotifyEvent OnFinish;
    TNotifyEvent OnFinishAll;
    TXcShowMessageDlgEvent OnShowMessageDlgEvent;
    TXcThreadExceptionEvent OnException;

protected:
    virtual void NotifyDialogFormCreated(TXcCustomThreadDialogForm* DialogForm);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TXcBaseThread;
    // The finish handler: OnTerminate of every thread, on the user-interface thread.
    void ThreadTerminated(TObject* Sender);
    // Execute with RunOnCreate set for the call.
    TXcThreadHandle ExecuteRunning(void* P);
    void PrepareDialogForm();
    void ShowDialogForm();
    void CloseDialogForm();
    bool IsListed(const TXcBaseThread* Thread) const;

    mutable std::recursive_mutex FListLock;
    std::vector<TXcBaseThread*> FThreads;
    std::recursive_mutex FListLocker;
    bool FListHeld = false;
    int FDisableDialogShowDelayCounter = 0;

    bool FExclusive = true;
    int FMaxCount = 0;
    bool FRunOnCreate = true;
    bool FFreeOnTerminate = true;
    TThreadPriority FPriority = tpNormal;
    TXcCustomThreadDialog* FThreadDialog = nullptr;
    String FThreadName;
    bool FThreadDialogAllowed = true;
    TXcCustomThreadDialogForm* FThreadDialogForm = nullptr;
    TObject* FConnectedDataObject = nullptr;
};

ORVO_DECLARE_ENUM_TYPE(TThreadPriority)
