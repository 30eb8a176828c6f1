#include "platform/controls/Application.h"

#include "platform/classes/Thread.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExceptionGuard.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/win/MessageBox.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileInfo>
#include <QToolTip>

ORVO_IMPLEMENT_CLASS(TApplication, TComponent)
ORVO_IMPLEMENT_EVENT_TYPE(TExceptionEvent)

TApplication* Application = new TApplication(nullptr);

namespace {
// Forms owned by the application are destroyed when the program ends, after the main
// function returned, while Qt still runs.
void destroyApplicationComponents() {
    platform::detail::Guarded([] { Application->DestroyComponents(); });
}

void wakeLoop() {
    if (!QCoreApplication::instance()) return;
    if (auto* d = QAbstractEventDispatcher::instance(QCoreApplication::instance()->thread())) d->wakeUp();
}
} // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() = default;

void TApplication::Initialize() {
    InstallDialogMessageBox();
    static bool once = false;
    if (!once) {
        once = true;
        qAddPostRoutine(&destroyApplicationComponents);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);
    ApplicationHandleException = TNotifyEvent([](TObject* Sender) { Application->HandleException(Sender); });
    SetApplicationTitle(Title());
}

TComponent* TApplication::CreateForm(TClass InstanceClass) {
    if (!InstanceClass || !InstanceClass->CreateComponent)
        throw EInvalidOperation(QStringLiteral("Cannot create form"));
    // The class factory constructs and completes the instance.
    auto* instance = dynamic_cast<TComponent*>(InstanceClass->CreateComponent(this));
    if (!FMainForm)
        if (auto* f = dynamic_cast<TCustomForm*>(instance)) FMainForm = f;
    return instance;
}

void TApplication::FinishCreateForm(TComponent* Instance) {
    try {
        Instance->AfterConstruction();
    } catch (...) {
        FreeObject(Instance);
        throw;
    }
    if (!FMainForm)
        if (auto* f = dynamic_cast<TCustomForm*>(Instance)) FMainForm = f;
}

void TApplication::Run() {
    if (FMainForm && FShowMainForm) FMainForm->Show();
    while (!FTerminated) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this, std::current_exception());
        }
    }
}

void TApplication::ProcessMessages() {
    platform::detail::Guarded([] { CheckSynchronize(); });
    CheckTimers();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    CheckTimers();
}

void TApplication::HandleMessage() {
    CheckTimers();
    bool ran = false;
    platform::detail::Guarded([&] { ran = CheckSynchronize(); });
    if (ran || FTerminated) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    CheckTimers();
}

void TApplication::Terminate() {
    FTerminated = true;
    wakeLoop();
}

String TApplication::Title() const {
    if (FTitleSet) return FTitle;
    String name = QFileInfo(ExeName()).fileName();
    if (int dot = name.indexOf(u'.'); dot >= 0) name.truncate(dot);
    if (!name.isEmpty()) name = name.left(1) + name.mid(1).toLower();
    return name;
}

void TApplication::SetTitle(const String& Value) {
    FTitle = Value;
    FTitleSet = true;
    SetApplicationTitle(Value);
}

String TApplication::ExeName() const {
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : String();
}

int TApplication::MessageBox(const String& Text, const String& Caption, unsigned Flags) {
    HWND owner = nullptr;
    if (TCustomForm* f = Screen->ActiveForm(); f && f->HandleAllocated()) owner = f->Handle();
    ++FModalLevel;
    int r = IDCANCEL;
    try {
        r = ::MessageBox(owner, Text, Caption, Flags);
    } catch (...) {
        --FModalLevel;
        throw;
    }
    --FModalLevel;
    return r;
}

void TApplication::HandleException(TObject* Sender) {
    HandleException(Sender, std::current_exception());
}

void TApplication::HandleException(TObject* Sender, std::exception_ptr E) {
    if (!E) return;
    try {
        std::rethrow_exception(E);
    } catch (EAbort&) {
        return;
    } catch (Exception& e) {
        if (OnException)
            OnException(Sender, &e);
        else
            ShowException(&e);
    } catch (std::exception& e) {
        Exception wrapped(QString::fromLocal8Bit(e.what()));
        if (OnException)
            OnException(Sender, &wrapped);
        else
            ShowException(&wrapped);
    } catch (...) {
        Exception wrapped(QStringLiteral("Unknown exception"));
        if (OnException)
            OnException(Sender, &wrapped);
        else
            ShowException(&wrapped);
    }
}

void TApplication::ShowException(Exception* E) {
    String msg = E->Message;
    // The class library ends the text with a full stop unless it ends in punctuation.
    if (!msg.isEmpty() && msg.back() > QChar(u'.')) msg += u'.';
    MessageBox(msg, Title(), MB_OK | MB_ICONSTOP);
}

void TApplication::SetHint(const String& Value) {
    if (FHint == Value) return;
    FHint = Value;
    if (OnHint) OnHint(this);
}

void TApplication::ActivateHint(const TPoint& CursorPos) {
    if (!FShowHint || FHint.isEmpty()) return;
    QToolTip::showText(QPoint(CursorPos.X, CursorPos.Y), FHint, nullptr, QRect(), FHintHidePause);
}

void TApplication::CancelHint() {
    QToolTip::hideText();
}
