#include "platform/controls/CustomForm.h"

#include "platform/classes/FormResource.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Application.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExceptionGuard.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WindowHandle.h"
#include "platform/rtl/SysMath.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

ORVO_IMPLEMENT_ENUM_TYPE(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                         "bsSizeToolWin")
ORVO_IMPLEMENT_ENUM_TYPE(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
ORVO_IMPLEMENT_SET_TYPE(TBorderIcons, TBorderIcon)
ORVO_IMPLEMENT_ENUM_TYPE(TWindowState, "wsNormal", "wsMinimized", "wsMaximized")
ORVO_IMPLEMENT_ENUM_TYPE(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop")
ORVO_IMPLEMENT_ENUM_TYPE(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                         "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter")
ORVO_IMPLEMENT_ENUM_TYPE(TCloseAction, "caNone", "caHide", "caFree", "caMinimize")
ORVO_IMPLEMENT_EVENT_TYPE(TCloseEvent)

ORVO_IMPLEMENT_CLASS(TCustomForm, TScrollingWinControl)
ORVO_IMPLEMENT_CLASS(TForm, TCustomForm)

ORVO_PUBLISHED(TCustomForm) {
    P.Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    P.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
    P.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
    P.Property("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption);
    P.Property("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight).Stored(false);
    P.Property("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth).Stored(false);
    P.Property("Color", &TCustomForm::Color, &TCustomForm::SetColor)
        .Type(TypeInfoTColor())
        .Default(clBtnFace);
    P.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
    P.Property("HelpFile", &TCustomForm::HelpFile, &TCustomForm::SetHelpFile);
    P.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
    P.Property("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder)
        .Default(false);
    P.Property("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
    P.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDefaultPosOnly);
    P.Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
    P.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal);
    // A form is shown by code, not by its stored Visible.
    P.Property("Visible", &TCustomForm::Visible, [](TCustomForm* f, bool v) {
         if (f->ComponentState().Contains(csLoading)) return;
         f->SetVisible(v);
     }).Default(false);
    P.Property("OnActivate", &TCustomForm::OnActivate);
    P.Property("OnClose", &TCustomForm::OnClose);
    P.Property("OnCloseQuery", &TCustomForm::OnCloseQuery);
    P.Property("OnCreate", &TCustomForm::OnCreate);
    P.Property("OnDeactivate", &TCustomForm::OnDeactivate);
    P.Property("OnDestroy", &TCustomForm::OnDestroy);
    P.Property("OnHide", &TCustomForm::OnHide);
    P.Property("OnPaint", &TCustomForm::OnPaint);
    P.Property("OnShow", &TCustomForm::OnShow);
}

namespace {
void initForm(TCustomForm* f) {
    TControlStyle s = f->ControlStyle();
    s << csAcceptsControls << csCaptureMouse << csClickEvents << csSetCaption << csDoubleClicks;
    f->SetControlStyle(s);
    f->SetColor(clBtnFace);
    f->SetParentColor(false);
    f->SetParentFont(false);
    f->SetBounds(0, 0, 320, 240);
    Screen->AddForm(f);
}
} // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    TControl::SetVisible(false);
    initForm(this);
}

TCustomForm::TCustomForm(TComponent* AOwner, int) : TScrollingWinControl(AOwner), FCreateNew(true) {
    TControl::SetVisible(false);
    initForm(this);
}

TCustomForm::~TCustomForm() {
    if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
    if (FConstructed) return;
    FConstructed = true;
    if (!FCreateNew) {
        FFormState << fsCreating;
        try {
            const bool read = InitInheritedComponent(this, TCustomForm::StaticClass());
            if (!read && ClassType() != TForm::StaticClass() && ClassType() != TCustomForm::StaticClass())
                throw EResNotFound(QStringLiteral("Resource %1 not found").arg(ClassName()));
        } catch (...) {
            FFormState >> fsCreating;
            throw;
        }
        FFormState >> fsCreating;
    }
    DoCreate();
}

void TCustomForm::BeforeDestruction() {
    Destroying();
    if (Showing() || Visible()) {
        if (QWidget* w = Widget()) w->hide();
    }
    DoDestroy();
    TScrollingWinControl::BeforeDestruction();
}

void TCustomForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
    if (OnDestroy) OnDestroy(this);
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
    if (OnClose) OnClose(this, Action);
}

// ---- window ------------------------------------------------------------------------------

void TCustomForm::CreateParams(TCreateParams& Params) {
    TScrollingWinControl::CreateParams(Params);
    if (!Parent()) {
        Params.Style &= ~WS_CHILD;
        Params.Style |= WS_POPUP | WS_CLIPCHILDREN;
        switch (FBorderStyle) {
        case bsNone:
            break;
        case bsDialog:
            Params.Style |= WS_CAPTION | WS_SYSMENU;
            Params.ExStyle |= WS_EX_DLGMODALFRAME;
            break;
        case bsSizeable:
        case bsSizeToolWin:
            Params.Style |= WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;
            break;
        default:
            Params.Style |= WS_CAPTION | WS_SYSMENU;
            break;
        }
        if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
        if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
    }
}

void TCustomForm::CreateWnd() {
    TScrollingWinControl::CreateWnd();
    QWidget* w = Widget();
    if (!w || Parent()) return;
    Qt::WindowFlags flags = Qt::Window;
    switch (FBorderStyle) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    default:
        flags |= Qt::WindowTitleHint;
        if (FBorderIcons.Contains(biSystemMenu))
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (FBorderIcons.Contains(biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
        if (FBorderIcons.Contains(biMaximize)) flags |= Qt::WindowMaximizeButtonHint;
        break;
    }
    if (FFormStyle == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    w->setWindowFlags(flags);
    w->setWindowTitle(Caption());
    if (FBorderStyle == bsDialog || FBorderStyle == bsSingle || FBorderStyle == bsToolWindow)
        w->setFixedSize(Width(), Height());
    w->setGeometry(Left(), Top(), Width(), Height());
}

void TCustomForm::ApplyPosition() {
    if (FPositioned || Parent()) return;
    FPositioned = true;
    TRect area;
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        area = Screen->WorkAreaRect();
        break;
    case poMainFormCenter:
        if (TCustomForm* m = Application->MainForm(); m && m != this)
            area = m->BoundsRect();
        else
            area = Screen->WorkAreaRect();
        break;
    case poOwnerFormCenter:
        if (auto* o = dynamic_cast<TCustomForm*>(Owner()); o && o != this)
            area = o->BoundsRect();
        else if (TCustomForm* m = Application->MainForm(); m && m != this)
            area = m->BoundsRect();
        else
            area = Screen->WorkAreaRect();
        break;
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(),
              Height());
}

void TCustomForm::SetVisible(bool Value) {
    if (Parent()) {
        TScrollingWinControl::SetVisible(Value);
        return;
    }
    if (Value) {
        AfterConstruction();
        if (Visible() && Showing()) return;
        TControl::SetVisible(true);
        HandleNeeded();
        ApplyPosition();
        QWidget* w = Widget();
        if (FFullScreen)
            w->showFullScreen();
        else if (FWindowState == wsMaximized)
            w->showMaximized();
        else if (FWindowState == wsMinimized)
            w->showMinimized();
        else
            w->show();
        UpdateShowing();
        ActivateWindow(true);
        if (!FActiveControl)
            if (TWinControl* first = FindNextControl(nullptr, true, true, false)) FocusControl(first);
    } else {
        if (!Visible()) return;
        FFullScreen = false;
        TControl::SetVisible(false);
        if (QWidget* w = Widget()) w->hide();
        UpdateShowing();
        ActivateWindow(false);
    }
}

bool TCustomForm::Showing() const {
    return TScrollingWinControl::Showing();
}

void TCustomForm::ShowingChanged() {
    TScrollingWinControl::ShowingChanged();
    if (TScrollingWinControl::Showing())
        DoShow();
    else
        DoHide();
}

void TCustomForm::ActivateWindow(bool Value) {
    if (Value) {
        if (QWidget* w = Widget()) w->activateWindow();
        if (Screen->ActiveForm() != this) {
            TCustomForm* old = Screen->ActiveForm();
            if (old) old->ActivateWindow(false);
            Screen->SetActiveForm(this);
            FActive = true;
            Screen->SetActiveControl(FActiveControl);
            Activate();
        }
    } else if (FActive) {
        FActive = false;
        if (Screen->ActiveForm() == this) {
            Screen->SetActiveForm(nullptr);
            Screen->SetActiveControl(nullptr);
        }
        Deactivate();
    }
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFrontWindow();
}

void TCustomForm::Hide() {
    SetVisible(false);
}

void TCustomForm::BringToFrontWindow() {
    if (QWidget* w = Widget(); w && w->isWindow()) w->raise();
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

void TCustomForm::Release() {
    PostMessage(Handle(), CM_RELEASE, 0, 0);
}

int TCustomForm::ShowModal() {
    AfterConstruction();
    if (TShowModalHook hook = ShowModalHook()) {
        FModalResult = mrNone;
        const int r = hook(this);
        FModalResult = r;
        return r;
    }
    if (Visible() || !Enabled() || FFormState.Contains(fsModal))
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    // The other windows take no input while the modal form runs.
    std::vector<QWidget*> disabled;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f == this || f->Parent()) continue;
        if (QWidget* w = f->Widget(); w && w->isVisible() && w->isEnabled()) {
            w->setEnabled(false);
            disabled.push_back(w);
        }
    }
    FModalResult = mrNone;
    FFormState << fsModal;
    Application->ModalStarted();
    auto restore = [&] {
        for (QWidget* w : disabled)
            w->setEnabled(true);
        FFormState >> fsModal;
        Application->ModalFinished();
    };
    try {
        Show();
        while (true) {
            Application->HandleMessage();
            if (Application->Terminated()) FModalResult = mrCancel;
            if (FModalResult == mrNone) continue;
            if (Application->Terminated()) break;
            // A modal result closes the form when the close is allowed.
            TCloseAction action = caNone;
            if (CloseQuery()) {
                action = caHide;
                DoClose(action);
            }
            if (action == caNone) {
                FModalResult = mrNone;
                continue;
            }
            if (action == caFree) Release();
            break;
        }
        Hide();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return FModalResult;
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (FBorderIcons == Value) return;
    FBorderIcons = Value;
    RecreateWnd();
}

TWindowState TCustomForm::WindowState() const {
    if (QWidget* w = Widget(); w && w->isWindow()) {
        if (w->isMinimized()) return wsMinimized;
        if (w->isMaximized()) return wsMaximized;
        if (w->isVisible()) return wsNormal;
    }
    return FWindowState;
}

void TCustomForm::ShowFullScreen(TControl* Control) {
    AfterConstruction();
    if (Parent()) {
        Show();
        return;
    }
    HandleNeeded();
    QWidget* w = Widget();
    // The monitor of the control's window, else the primary one.
    QScreen* screen = nullptr;
    for (TControl* c = Control; c && !screen; c = c->Parent())
        if (auto* wc = dynamic_cast<TWinControl*>(c); wc && wc->HandleAllocated())
            if (QWidget* cw = wc->Widget(); cw && cw->window() && cw->window()->isVisible())
                screen = cw->window()->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
        w->setScreen(screen);
        // Placed on that monitor first, so that window managers that ignore the screen
        // hint still go full screen there.
        if (!w->isVisible()) w->setGeometry(screen->geometry());
    }
    FFullScreen = true;
    FPositioned = true;
    if (Visible() && Showing())
        w->showFullScreen();
    else
        SetVisible(true);
    BringToFrontWindow();
}

bool TCustomForm::FullScreen() const {
    QWidget* w = Widget();
    return w && w->isWindow() && w->isVisible() && w->isFullScreen();
}

void TCustomForm::SetWindowState(TWindowState Value) {
    FFullScreen = false;
    FWindowState = Value;
    QWidget* w = Widget();
    if (!w || !w->isVisible() || Parent()) return;
    if (Value == wsMaximized)
        w->showMaximized();
    else if (Value == wsMinimized)
        w->showMinimized();
    else
        w->showNormal();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
    if (FFormStyle == Value) return;
    FFormStyle = Value;
    RecreateWnd();
}

void TCustomForm::ScaleBy(int M, int D) {
    DisableAlign();
    for (TControl* c : FControls)
        c->ChangeScale(M, D);
    SetClientSize(MulDiv(ClientWidth(), M, D), MulDiv(ClientHeight(), M, D));
    EnableAlign();
    Realign();
}

// ---- focus -------------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (FActiveControl == Control) return;
    if (Control && (Control == this || !ContainsControl(Control)))
        throw EInvalidOperation(QStringLiteral("Invalid ActiveControl value"));
    if (ComponentState().Contains(csLoading) || !Showing()) {
        FActiveControl = Control;
        return;
    }
    if (Control && !Control->CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    FocusControl(Control);
}

void TCustomForm::FocusControl(TWinControl* Control) {
    if (!Control) {
        SetFocusedControl(nullptr);
        return;
    }
    if (!SetFocusedControl(Control)) return;
    if (QWidget* w = Control->Widget()) w->setFocus(Qt::OtherFocusReason);
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
    if (Control == this) Control = nullptr;
    if (Control == FFocusedControl) {
        if (FActive) Screen->SetActiveControl(Control);
        return true;
    }
    if (Control && !ContainsControl(Control)) return false;
    TWinControl* old = FFocusedControl;
    FFocusedControl = Control;
    FActiveControl = Control;
    if (old) old->Perform(CM_EXIT);
    // The exit handler may have moved the focus on.
    if (FFocusedControl != Control) return false;
    if (Screen->ActiveForm() == this || FActive) Screen->SetActiveControl(Control);
    if (Control) Control->Perform(CM_ENTER);
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
    return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
    if (!Control || !FFocusedControl) return;
    if (!Control->ContainsControl(FFocusedControl)) return;
    if (Removing) {
        FFocusedControl = nullptr;
        FActiveControl = nullptr;
        if (Screen->ActiveControl() && Control->ContainsControl(Screen->ActiveControl()))
            Screen->SetActiveControl(nullptr);
        return;
    }
    TWinControl* next = FindNextControl(FFocusedControl, true, true, false);
    if (next && Control->ContainsControl(next)) next = nullptr;
    SetFocusedControl(next);
}

bool TCustomForm::Focused() const {
    return FActive && FFocusedControl == nullptr;
}

void TCustomForm::SetFocus() {
    if (Parent()) {
        TScrollingWinControl::SetFocus();
        return;
    }
    if (!Showing()) throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    ActivateWindow(true);
}

// ---- messages ----------------------------------------------------------------------------

void TCustomForm::CMDialogKey(TMessage& Message) {
    const TShiftState shift = KeyDataToShiftState(Message.LParam);
    if (!shift.Contains(ssAlt)) {
        switch (Message.WParam) {
        case VK_TAB:
            if (!shift.Contains(ssCtrl)) {
                SelectNext(FActiveControl, !shift.Contains(ssShift), true);
                Message.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl && FActiveControl->Parent()) {
                FActiveControl->Parent()->SelectNext(
                    FActiveControl, Message.WParam == WPARAM(VK_RIGHT) || Message.WParam == WPARAM(VK_DOWN),
                    false);
                Message.Result = 1;
            }
            return;
        default:
            break;
        }
    }
    Broadcast(Message);
}

void TCustomForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case CM_RELEASE:
        FreeObject(this);
        return;
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        return;
    case CM_TEXTCHANGED:
        if (QWidget* w = Widget(); w && w->isWindow()) w->setWindowTitle(Caption());
        TScrollingWinControl::Dispatch(Message);
        return;
    case CM_ACTIVATE:
        ActivateWindow(true);
        return;
    case CM_DEACTIVATE:
        ActivateWindow(false);
        return;
    default:
        TScrollingWinControl::Dispatch(Message);
    }
}

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

void TCustomForm::PaintWindow(HDC DC) {
    (void)DC;
    Paint();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    TScrollingWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove) {
        if (AComponent == FActiveControl) FActiveControl = nullptr;
        if (AComponent == FFocusedControl) FFocusedControl = nullptr;
    }
}

void TCustomForm::ReadState(TReader* Reader) {
    TScrollingWinControl::ReadState(Reader);
}

void TCustomForm::Loaded() {
    TScrollingWinControl::Loaded();
    FPixelsPerInch = 96;
}

void TCustomForm::GetChildren(TGetChildProc Proc, TComponent* Root) {
    TScrollingWinControl::GetChildren(Proc, Root);
    // Components without a parent control (timers, dialogs) are stored too.
    if (Root == this)
        for (int i = 0; i < ComponentCount(); ++i)
            if (TComponent* c = Components(i); !c->HasParent()) Proc(c);
}

void TCustomForm::ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName) {
    TScrollingWinControl::ValidateRename(AComponent, CurName, NewName);
}
