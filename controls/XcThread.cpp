#include "controls/XcThread.h"

#include "controls/XcThreadDialogForm.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Application.h"
#include "platform/controls/CustomForm.h"
#include "platform/rtl/ResStrings.h"
#include "platform/win/MessageBox.h"

#include <chrono>
#include <thread>

ORVO_IMPLEMENT_CLASS(TXcPausableThread, TXcCustomThread)
ORVO_IMPLEMENT_CLASS(TXcBaseThread, TXcPausableThread)
ORVO_IMPLEMENT_CLASS(TXcCustomThreadDialogOptions, TPersistent)
ORVO_IMPLEMENT_CLASS(TXcCustomThreadDialog, TXcComponent)
ORVO_IMPLEMENT_CLASS(TXcThread, TXcComponent)
ORVO_IMPLEMENT_ENUM_TYPE(TThreadPriority, "tpIdle", "tpLowest", "tpLower", "tpNormal", "tpHigher",
                         "tpHighest", "tpTimeCritical")

// ---- TXcPausableThread ---------------------------------------------------------------------

TXcPausableThread::TXcPausableThread(bool CreateSuspended)
    : TXcCustomThread(CreateSuspended), FPauseSection(new TCriticalSection) {}

TXcPausableThread::~TXcPausableThread() {
    if (FPaused) {
        Terminate();
        SetPaused(false);
    }
    delete FPauseSection;
}

void TXcPausableThread::SetPaused(bool Value) {
    if (Value != FPaused) {
        FPaused = Value;
        if (Value)
            FPauseSection->Acquire();
        else
            FPauseSection->Release();
    }
    if (Suspended() && !FPaused) Resume();
}

// ---- TXcBaseThread -------------------------------------------------------------------------

TXcBaseThread::TXcBaseThread(TObject* Sender, TXcNotifyParamsEvent Event, void* Params)
    : TXcPausableThread(true), FExecuteEvent(std::move(Event)), FParams(Params), FContainer(Sender),
      FRun(std::make_shared<TXcThreadRun>()) {
    FRun->Thread = this;
}

void TXcBaseThread::ResumeThread() {
    if (!FOnResumeDone) {
        FOnResumeDone = true;
        if (auto* owner = dynamic_cast<TXcThread*>(FContainer); owner && owner->BeforeResume) {
            try {
                owner->BeforeResume(this);
            } catch (...) {
                FInternalTerminate = true;
            }
        }
        FExecuteIsActive = true;
    }
    TThread::Resume();
}

void TXcBaseThread::Execute() {
    FStarted = true;
    FExecuteIsActive = true;
    try {
        NameThread(ThreadName().toStdString(), 0xFFFFFFFFu);
        if (FInternalTerminate) Terminate();
        if (FExecuteEvent) FExecuteEvent(this, FParams);
    } catch (Exception& E) {
        if (OnException) {
            OnException(this, &E, nullptr);
        } else {
            FException = std::current_exception();
            FExceptionMessage = E.Message;
            Synchronize(TThreadMethod(this, &TXcBaseThread::ShowStoredException));
            FException = nullptr;
        }
    }
}

void TXcBaseThread::ShowStoredException() {
    // The runtime's standard display of an exception: a task-modal error box.
    Application->MessageBox(FExceptionMessage, LoadResString(&SApplicationError),
                            MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void TXcBaseThread::SynchMessageDlgStep() {
    if (OnShowMessageDlgEvent) {
        Word result = 0;
        OnShowMessageDlgEvent(FSynchMsg, FSynchAType, FSynchAButtons, FSynchHelpCtx, result);
        FSynchMessageDlgResult = result;
    } else {
        FSynchMessageDlgResult = Word(MessageDlg(FSynchMsg, FSynchAType, FSynchAButtons, FSynchHelpCtx));
    }
}

Word TXcBaseThread::SynchMessageDlg(const String& Msg, TMsgDlgType AType, TMsgDlgButtons AButtons,
                                    int HelpCtx) {
    FSynchMsg = Msg;
    FSynchAType = AType;
    FSynchAButtons = AButtons;
    FSynchHelpCtx = HelpCtx;
    Synchronize(TThreadMethod(this, &TXcBaseThread::SynchMessageDlgStep));
    return FSynchMessageDlgResult;
}

// ---- dialog hook ---------------------------------------------------------------------------

void TXcCustomThreadDialogOptions::Assign(TPersistent* Source) {
    if (auto* o = dynamic_cast<TXcCustomThreadDialogOptions*>(Source)) {
        FShowDelay = o->FShowDelay;
        FShowDialog = o->FShowDialog;
        FShowModal = o->FShowModal;
        return;
    }
    TPersistent::Assign(Source);
}

TXcCustomThreadDialog::TXcCustomThreadDialog(TComponent* AOwner) : TXcComponent(AOwner) {
    FDialogOptions = CreateDialogOptions();
}

TXcCustomThreadDialog::~TXcCustomThreadDialog() {
    delete FDialogOptions;
}

TXcCustomThreadDialogOptions* TXcCustomThreadDialog::CreateDialogOptions() {
    return new TXcCustomThreadDialogOptions;
}

TXcCustomThreadDialogForm* TXcCustomThreadDialog::CreateThreadDialogForm(TXcThread*) {
    return nullptr;
}

// ---- TXcThread -----------------------------------------------------------------------------

TXcThread::TXcThread(TComponent* AOwner) : TXcComponent(AOwner) {}

TXcThread::~TXcThread() {
    Terminate();
    while (OneThreadIsRunning()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        CheckSynchronize(0);
    }
    // Finished threads that do not free themselves go with the component.
    std::vector<TXcBaseThread*> rest;
    {
        std::lock_guard lock(FListLock);
        rest.swap(FThreads);
    }
    for (TXcBaseThread* t : rest)
        delete t;
}

bool TXcThread::IsListed(const TXcBaseThread* Thread) const {
    std::lock_guard lock(FListLock);
    return std::find(FThreads.begin(), FThreads.end(), Thread) != FThreads.end();
}

int TXcThread::Count() const {
    std::lock_guard lock(FListLock);
    return int(FThreads.size());
}

TXcBaseThread* TXcThread::Threads(int Index) const {
    std::lock_guard lock(FListLock);
    return Index >= 0 && Index < int(FThreads.size()) ? FThreads[std::size_t(Index)] : nullptr;
}

TXcBaseThread* TXcThread::LastThread() const {
    const TThreadID me = GetCurrentThreadId();
    std::lock_guard lock(FListLock);
    for (TXcBaseThread* t : FThreads)
        if (t->ThreadID() == me) return t;
    return nullptr;
}

bool TXcThread::OneThreadIsRunning() const {
    std::lock_guard lock(FListLock);
    for (TXcBaseThread* t : FThreads)
        if (!t->Finished()) return true;
    return false;
}

bool TXcThread::Terminated() const {
    std::lock_guard lock(FListLock);
    if (FThreads.empty()) return true;
    if (TXcBaseThread* own = LastThread()) return own->Terminated();
    for (TXcBaseThread* t : FThreads)
        if (!t->Terminated()) return false;
    return true;
}

int TXcThread::ReturnValue() const {
    TXcBaseThread* t = LastThread();
    return t ? t->ReturnValue() : 0;
}

void TXcThread::SetReturnValue(int Value) {
    if (TXcBaseThread* t = LastThread()) t->SetReturnValue(Value);
}

String TXcThread::CalcThreadName(int ThreadPos) const {
    String name = FThreadName;
    if (name.isEmpty()) name = Name();
    if (name.isEmpty()) name = ClassName();
    if (ThreadPos > 0) name += QStringLiteral(" [") + String::number(ThreadPos) + u']';
    return name;
}

TXcThreadHandle TXcThread::Execute(void* P) {
    if (FExclusive && OneThreadIsRunning()) return {};
    if (FMaxCount > 0 && Count() >= FMaxCount) return {};
    if (!OnExecute) return {};
    TXcBaseThread* thread = nullptr;
    try {
        thread = new TXcBaseThread(this, OnExecute, P);
        thread->AfterConstruction();
        thread->SetFreeOnTerminate(FFreeOnTerminate);
        thread->OnShowMessageDlgEvent = OnShowMessageDlgEvent;
        thread->OnException = OnException;
        thread->SetPriority(FPriority);
        thread->OnTerminate = TNotifyEvent(this, &TXcThread::ThreadTerminated);
        thread->SetThreadName(CalcThreadName(Count()));
        {
            std::lock_guard lock(FListLock);
            FThreads.push_back(thread);
        }
        if (OnBegin) OnBegin(this);
    } catch (...) {
        if (thread) thread->FInternalTerminate = true;
    }
    if (!thread) return {};
    TXcThreadHandle handle(thread->Run());
    if (!IsListed(thread)) {
        // It failed before it was listed: nothing will ever finish it, so it goes now.
        delete thread;
        return {};
    }
    if (FRunOnCreate) Resume(thread);
    return handle;
}

void TXcThread::Resume(TXcBaseThread* BaseThread) {
    if (!BaseThread) {
        Resume();
        return;
    }
    PrepareDialogForm();
    const bool firstResume = !BaseThread->FOnResumeDone;
    BaseThread->ResumeThread();
    // The thread may have ended and gone already; only the flags read before are used.
    if (firstResume && !BaseThread->FInternalTerminate && IsListed(BaseThread) && !BaseThread->Finished())
        ShowDialogForm();
}

void TXcThread::Resume(const TXcThreadHandle& Handle) {
    if (TXcBaseThread* t = Handle.Thread(); t && !Handle.Finished()) Resume(t);
}

void TXcThread::Resume() {
    std::lock_guard lock(FListLock);
    const std::vector<TXcBaseThread*> threads = FThreads;
    for (TXcBaseThread* t : threads)
        while (IsListed(t) && t->Suspended())
            Resume(t);
}

void TXcThread::ThreadTerminated(TObject* Sender) {
    auto* thread = static_cast<TXcBaseThread*>(Sender);
    thread->FExecuteIsActive = false;
    try {
        if (OnFinish) OnFinish(thread);
    } catch (...) {
    }
    const std::shared_ptr<TXcThreadRun> run = thread->Run();
    if (thread->FreeOnTerminate()) {
        std::lock_guard lock(FListLock);
        FThreads.erase(std::remove(FThreads.begin(), FThreads.end(), thread), FThreads.end());
        // The thread class deletes the object right after this handler.
        run->Thread = nullptr;
    }
    thread->FFinished = true;
    run->Finished = true;
    if (Count() == 0) {
        CloseDialogForm();
        try {
            if (OnFinishAll) OnFinishAll(this);
        } catch (...) {
        }
    }
}

void TXcThread::WaitFor() {
    while (OneThreadIsRunning())
        Application->HandleMessage();
}

TXcThreadHandle TXcThread::ExecuteRunning(void* P) {
    const bool saved = FRunOnCreate;
    FRunOnCreate = true;
    TXcThreadHandle handle;
    try {
        handle = Execute(P);
    } catch (...) {
        FRunOnCreate = saved;
        throw;
    }
    FRunOnCreate = saved;
    return handle;
}

TXcThreadHandle TXcThread::ExecuteAndWait(void* P) {
    TXcThreadHandle handle = ExecuteRunning(P);
    if (handle) WaitFor();
    return handle;
}

TXcThreadHandle TXcThread::ExecuteThreadAndWait(void* P) {
    TXcThreadHandle handle = ExecuteRunning(P);
    // Waits on the flag the handle shares with the thread, never on the thread object,
    // which may already be gone.
    while (handle && !handle.Finished())
        Application->HandleMessage();
    return handle;
}

TXcThreadHandle TXcThread::ExecuteWithDialog(void* P) {
    if (FThreadDialog && FThreadDialog->DialogOptions()->ShowDialog() &&
        FThreadDialog->DialogOptions()->ShowModal())
        return ExecuteAndWait(P);
    return Execute(P);
}

void TXcThread::TerminateWaitFor(bool iRemoveZombies) {
    Terminate();
    WaitFor();
    if (iRemoveZombies) RemoveZombie();
}

void TXcThread::Terminate() {
    {
        std::lock_guard lock(FListLock);
        // A thread whose Execute has not begun is told through its own flag (it terminates
        // itself as it starts): the thread class would skip Execute for it, and the job is
        // meant to run and see the flag.
        for (TXcBaseThread* t : FThreads) {
            t->FInternalTerminate = true;
            if (t->FStarted) t->Terminate();
        }
    }
    Resume();
}

void TXcThread::Suspend() {
    if (TXcBaseThread* own = LastThread()) {
        own->Suspend();
        return;
    }
    std::lock_guard lock(FListLock);
    for (TXcBaseThread* t : FThreads)
        if (!t->Finished()) try {
                t->Suspend();
            } catch (...) {
            }
}

void TXcThread::CancelExecute() {
    if (OnCancelExecute)
        OnCancelExecute(this);
    else
        Terminate();
}

void TXcThread::RemoveZombie(TXcBaseThread* BaseThread) {
    std::vector<TXcBaseThread*> doomed;
    {
        std::lock_guard lock(FListLock);
        for (auto i = int(FThreads.size()) - 1; i >= 0; --i) {
            TXcBaseThread* t = FThreads[std::size_t(i)];
            if (BaseThread && t != BaseThread) continue;
            if (t->Finished() && !t->FreeOnTerminate()) {
                FThreads.erase(FThreads.begin() + i);
                doomed.push_back(t);
            }
        }
    }
    for (TXcBaseThread* t : doomed)
        delete t;
}

void TXcThread::SetPriority(TThreadPriority NewPriority) {
    std::lock_guard lock(FListLock);
    if (TXcBaseThread* own = LastThread()) {
        own->SetPriority(NewPriority);
        return;
    }
    for (TXcBaseThread* t : FThreads)
        t->SetPriority(NewPriority);
    FPriority = NewPriority;
}

void TXcThread::Synchronize(TThreadMethod Method) {
    DisableDialogShowDelay();
    try {
        if (TXcBaseThread* own = LastThread())
            own->Synchronize(std::move(Method));
        else
            Method();
    } catch (...) {
        EnableDialogShowDelay();
        throw;
    }
    EnableDialogShowDelay();
}

Word TXcThread::SynchMessageDlg(const String& Msg, TMsgDlgType AType, TMsgDlgButtons AButtons, int HelpCtx) {
    DisableDialogShowDelay();
    Word result = 0;
    try {
        if (TXcBaseThread* own = LastThread()) {
            result = own->SynchMessageDlg(Msg, AType, AButtons, HelpCtx);
        } else if (OnShowMessageDlgEvent) {
            OnShowMessageDlgEvent(Msg, AType, AButtons, HelpCtx, result);
        } else {
            result = Word(MessageDlg(Msg, AType, AButtons, HelpCtx));
        }
    } catch (...) {
        EnableDialogShowDelay();
        throw;
    }
    EnableDialogShowDelay();
    return result;
}

void TXcThread::Lock() {
    FListLocker.lock();
    if (!FListHeld) {
        try {
            FListLock.lock();
        } catch (...) {
            FListLocker.unlock();
            throw;
        }
        FListHeld = true;
    }
}

void TXcThread::Unlock() {
    if (FListHeld) {
        FListHeld = false;
        FListLock.unlock();
    }
    FListLocker.unlock();
}

void TXcThread::SetThreadName(const String& Value) {
    FThreadName = Value;
    Lock();
    try {
        if (FListHeld)
            for (int i = 0; i < int(FThreads.size()); ++i)
                FThreads[std::size_t(i)]->SetThreadName(CalcThreadName(i));
    } catch (...) {
        Unlock();
        throw;
    }
    Unlock();
}

void TXcThread::SetThreadDialog(TXcCustomThreadDialog* Value) {
    ChangeComponentReference(this, Value, FThreadDialog);
}

void TXcThread::SetConnectedDataObject(TObject* Value) {
    if (auto* old = dynamic_cast<TComponent*>(FConnectedDataObject)) old->RemoveFreeNotification(this);
    FConnectedDataObject = Value;
    if (auto* c = dynamic_cast<TComponent*>(Value)) c->FreeNotification(this);
}

void TXcThread::Notification(TComponent* AComponent, TOperation Operation) {
    TXcComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FThreadDialog) FThreadDialog = nullptr;
    if (AComponent == FThreadDialogForm) FThreadDialogForm = nullptr;
    if (AComponent == FConnectedDataObject) FConnectedDataObject = nullptr;
}

void TXcThread::NotifyDialogFormCreated(TXcCustomThreadDialogForm* DialogForm) {
    if (AfterCreateDialogForm) AfterCreateDialogForm(DialogForm);
}

void TXcThread::PrepareDialogForm() {
    if (!FThreadDialog || FThreadDialogForm) return;
    FThreadDialogForm = FThreadDialog->CreateThreadDialogForm(this);
    if (!FThreadDialogForm) return;
    FThreadDialogForm->FreeNotification(this);
    FThreadDialogForm->CreateControls();
    FThreadDialogForm->SetConnectedDataObject(FConnectedDataObject);
    FThreadDialogForm->SetShowDelay(FThreadDialog->DialogOptions()->ShowDelay());
    FThreadDialogForm->TransferOptions(FThreadDialog->DialogOptions());
    NotifyDialogFormCreated(FThreadDialogForm);
}

void TXcThread::ShowDialogForm() {
    if (!FThreadDialogForm || !FThreadDialog || !FThreadDialogAllowed) return;
    if (FThreadDialog->DialogOptions()->ShowDelay() == 0) FThreadDialogForm->ShowDialog();
}

// A modal dialog ends its own loop once this handler has returned (its modal result is
// set here); waiting here until it is hidden would never end, since that loop is below
// this call on the stack.
void TXcThread::CloseDialogForm() {
    if (FThreadDialogForm) FThreadDialogForm->CloseDialog();
}

// ---- published -----------------------------------------------------------------------------

ORVO_PUBLISHED(TXcCustomThreadDialogOptions) {
    P.Property("ShowDelay", &TXcCustomThreadDialogOptions::ShowDelay,
               &TXcCustomThreadDialogOptions::SetShowDelay)
        .Default(0);
    P.Property("ShowDialog", &TXcCustomThreadDialogOptions::ShowDialog,
               &TXcCustomThreadDialogOptions::SetShowDialog)
        .Default(false);
    P.Property("ShowModal", &TXcCustomThreadDialogOptions::ShowModal,
               &TXcCustomThreadDialogOptions::SetShowModal)
        .Default(true);
}

ORVO_PUBLISHED(TXcCustomThreadDialog) {
    P.Property("AboutXCL", &TXcCustomThreadDialog::AboutXCL, &TXcCustomThreadDialog::SetAboutXCL)
        .Stored(false);
    P.Property("DialogOptions", &TXcCustomThreadDialog::DialogOptions,
               &TXcCustomThreadDialog::SetDialogOptions);
    P.Property("OnPressCancel", &TXcCustomThreadDialog::OnPressCancel);
}

// Every property is written: the constructor's values apply only when a form names none.
ORVO_PUBLISHED(TXcThread) {
    P.Property("AboutXCL", &TXcThread::AboutXCL, &TXcThread::SetAboutXCL).Stored(false);
    P.Property("Exclusive", &TXcThread::Exclusive, &TXcThread::SetExclusive);
    P.Property("MaxCount", &TXcThread::MaxCount, &TXcThread::SetMaxCount);
    P.Property("RunOnCreate", &TXcThread::RunOnCreate, &TXcThread::SetRunOnCreate);
    P.Property("FreeOnTerminate", &TXcThread::FreeOnTerminate, &TXcThread::SetFreeOnTerminate);
    P.Property("Priority", &TXcThread::Priority, &TXcThread::SetPriorityProp).Default(tpNormal);
    P.Property("ThreadDialog", &TXcThread::ThreadDialog, &TXcThread::SetThreadDialog);
    P.Property("ThreadName", &TXcThread::ThreadName, &TXcThread::SetThreadName);
    P.Property("AfterCreateDialogForm", &TXcThread::AfterCreateDialogForm);
    P.Property("BeforeResume", &TXcThread::BeforeResume);
    P.Property("OnBegin", &TXcThread::OnBegin);
    P.Property("OnCancelExecute", &TXcThread::OnCancelExecute);
    P.Property("OnExecute", &TXcThread::OnExecute);
    P.Property("OnFinish", &TXcThread::OnFinish);
    P.Property("OnFinishAll", &TXcThread::OnFinishAll);
    P.Property("OnShowMessageDlgEvent", &TXcThread::OnShowMessageDlgEvent);
    P.Property("OnException", &TXcThread::OnException);
}
