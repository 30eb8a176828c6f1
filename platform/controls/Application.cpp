#include "platform/controls/Application.h"

#include "platform/classes/Thread.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExceptionGuard.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/win/MessageBox.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileInfo>
#include <QPalette>
#include <QToolTip>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TApplication, TComponent)
ORVO_IMPLEMENT_EVENT_TYPE(TExceptionEvent)

namespace {
// The controls work in device pixels at 96 DPI, as form resources give them: Qt's own
// scaling (from the screen's DPI or from the environment) would draw every window larger
// than its pixel geometry. Set before the program makes its QApplication, which reads
// these once.
const bool kNoQtScaling = [] {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_FONT_DPI");
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    return true;
}();
} // namespace

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

TApplication::~TApplication() {
    SetHintControl(nullptr);
    delete FHintTimer;
}

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
    // Timers already due are the message: handled without waiting for another one.
    if (CheckTimers() > 0) return;
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
    if (OnHint) {
        OnHint(this);
        return;
    }
    // Without OnHint the hint travels as an action to the control that shows hints (a
    // status bar with AutoHint on the active form).
    THintAction action(nullptr);
    action.SetHint(Value);
    action.Execute();
}

void TApplication::SetShowHint(bool Value) {
    if (FShowHint == Value) return;
    FShowHint = Value;
    if (!Value) CancelHint();
}

namespace {
// The control whose hint shows: the first up the chain with ShowHint.
TControl* hintControlOf(TControl* c) {
    while (c && !c->ShowHint())
        c = c->Parent();
    return c;
}
// A control's hint text: its own, else the nearest parent's.
String hintTextOf(TControl* c) {
    while (c && c->Hint().isEmpty())
        c = c->Parent();
    return c ? c->Hint() : String();
}
TRect screenRectOf(TControl* c, const TRect& client) {
    const TPoint o = c->ClientToScreen(TPoint{client.Left, client.Top});
    return Bounds(o.X, o.Y, client.Width(), client.Height());
}
} // namespace

void TApplication::SetHintControl(TControl* Value) {
    if (FHintControl == Value) return;
    if (FHintControl) FHintControl->RemoveFreeNotification(this);
    FHintControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FHintControl) CancelHint();
}

void TApplication::StartHintTimer(int Pause, bool Hiding) {
    if (!FHintTimer) {
        FHintTimer = new TTimer(nullptr);
        FHintTimer->SetEnabled(false);
        FHintTimer->SetOnTimer(TNotifyEvent(this, &TApplication::HintTimerExpired));
    }
    FHintTimer->SetEnabled(false);
    FHintTimerHides = Hiding;
    FHintTimer->SetInterval(Cardinal(std::max(1, Pause)));
    FHintTimer->SetEnabled(true);
}

void TApplication::HintTimerExpired(TObject*) {
    FHintTimer->SetEnabled(false);
    if (FHintTimerHides) {
        // The hint stays hidden until the mouse goes to another control.
        HideHint();
        FHintActive = false;
        return;
    }
    ShowHintNow();
}

void TApplication::HintMouseMessage(TControl* Control, const TPoint& CursorPos) {
    FHintCursorPos = CursorPos;
    if (Control) SetHint(GetLongHint(hintTextOf(Control)));
    TControl* now = FShowHint ? hintControlOf(Control) : nullptr;
    if (!now) {
        CancelHint();
        return;
    }
    if (now == FHintControl && FHintCursorRect.Contains(CursorPos)) return;
    const bool wasActive = FHintActive;
    CancelHint();
    SetHintControl(now);
    FHintCursorRect = screenRectOf(now, now->ClientRect());
    FHintActive = wasActive;
    StartHintTimer(wasActive ? FHintShortPause : FHintPause, false);
}

void TApplication::ActivateHint(const TPoint& CursorPos) {
    TControl* now = FShowHint ? hintControlOf(FindDragTarget(CursorPos, true)) : nullptr;
    CancelHint();
    if (!now) return;
    SetHintControl(now);
    FHintCursorRect = screenRectOf(now, now->ClientRect());
    FHintCursorPos = CursorPos;
    ShowHintNow();
}

void TApplication::ShowHintNow() {
    TControl* c = FHintControl;
    if (!c) return;
    THintInfo info;
    info.HintControl = c;
    // Below the cursor's hot spot, as the desktop places tooltips.
    info.HintPos = TPoint{FHintCursorPos.X, FHintCursorPos.Y + 20};
    info.HintMaxWidth = Screen->Width();
    info.HintColor = FHintColor;
    info.CursorRect = c->ClientRect();
    info.CursorPos = c->ScreenToClient(FHintCursorPos);
    info.HideTimeout = FHintHidePause;
    info.HintStr = GetShortHint(hintTextOf(c));
    const TPoint defaultPos = info.HintPos;
    const bool canShow = c->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
    // The handler may have freed the control (the free notification cancelled the hint).
    if (FHintControl != c) return;
    if (!canShow || info.HintStr.isEmpty()) {
        HideHint();
        FHintActive = false;
        return;
    }
    FHintCursorRect = screenRectOf(c, info.CursorRect);
    TColor color = info.HintColor;
    if (color == clNone || color == clDefault) color = FHintColor;
    FHintActive = true;
    FHintShown = true;
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const TColor rgb = ColorToRGB(color);
        QPalette pal = QToolTip::palette();
        pal.setColor(QPalette::ToolTipBase,
                     QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)));
        QToolTip::setPalette(pal);
        // Qt places the tip below the point it gets; a position moved by the control
        // moves the tip by as much.
        const QPoint at(FHintCursorPos.X + info.HintPos.X - defaultPos.X,
                        FHintCursorPos.Y + info.HintPos.Y - defaultPos.Y);
        QToolTip::showText(at, info.HintStr, nullptr, QRect(), -1);
    }
    if (info.HideTimeout > 0)
        StartHintTimer(info.HideTimeout, true);
    else if (FHintTimer)
        FHintTimer->SetEnabled(false);
}

void TApplication::HideHint() {
    if (!FHintShown) return;
    FHintShown = false;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    // Qt lets a tooltip linger a moment after hideText; a hint goes at once.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowType() == Qt::ToolTip && w->inherits("QTipLabel")) w->hide();
    QToolTip::hideText();
}

void TApplication::CancelHint() {
    if (FHintTimer) FHintTimer->SetEnabled(false);
    HideHint();
    FHintActive = false;
    SetHintControl(nullptr);
}
