#include "platform/controls/WinControl.h"

#include "platform/classes/TypInfo.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/ExceptionGuard.h"
#include "platform/controls/Help.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WindowHandle.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Gdi.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

using platform::detail::WindowHandle;

ORVO_IMPLEMENT_CLASS(TWinControl, TControl)

ORVO_PUBLISHED(TWinControl) {
    P.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1);
    P.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
    P.Property("OnEnter", &TWinControl::OnEnter);
    P.Property("OnExit", &TWinControl::OnExit);
    P.Property("OnKeyDown", &TWinControl::OnKeyDown);
    P.Property("OnKeyPress", &TWinControl::OnKeyPress);
    P.Property("OnKeyUp", &TWinControl::OnKeyUp);
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    if (TCustomForm* f = ::GetParentForm(this)) f->DefocusControl(this, true);
    // Children go with their parent, whoever owns them.
    while (!FControls.empty()) {
        TControl* c = FControls.back();
        Remove(c);
        FreeObject(c);
    }
    DestroyHandle();
}

void TWinControl::BeforeDestruction() {
    TControl::BeforeDestruction();
}

TWinControl* TWinControl::CreateParented(TClass AClass, HWND ParentWindow) {
    TObject* made = AClass && AClass->CreateComponent ? AClass->CreateComponent(nullptr) : nullptr;
    auto* c = dynamic_cast<TWinControl*>(made);
    if (!c) {
        // Not a windowed control: nothing may leak.
        if (made) FreeObject(made);
        throw EInvalidOperation(
            QStringLiteral("Cannot create %1").arg(AClass ? AClass->ClassName() : String()));
    }
    c->SetParentWindow(ParentWindow);
    return c;
}

// ---- window ------------------------------------------------------------------------------

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded() {
    if (FHandle) return;
    if (FParent)
        FParent->HandleNeeded();
    else if (!FParentWindow && !IsTopLevel())
        throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(Name()));
    // Making the parent's window makes those of its visible children, this one among them:
    // a second window would replace (and lose) that one.
    if (FHandle) return;
    CreateWnd();
}

QWidget* TWinControl::Widget() const {
    return FHandle ? FHandle->Widget() : nullptr;
}

TPoint TWinControl::ClientOrigin() const {
    if (QWidget* w = Widget(); w && !FParent) {
        const QPoint g = w->mapToGlobal(QPoint(0, 0));
        return TPoint{g.x(), g.y()};
    }
    return TControl::ClientOrigin();
}

void TWinControl::CreateParams(TCreateParams& Params) {
    Params = TCreateParams{};
    Params.Caption = FText;
    Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (FControlStyle.Contains(csAcceptsControls)) Params.Style |= WS_CLIPCHILDREN;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    if (!FEnabled) Params.Style |= WS_DISABLED;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    Params.WndParent = FParent ? FParent->FHandle : FParentWindow;
    Params.WinClassName = ClassName();
    Params.WindowClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
}

QWidget* TWinControl::CreateWidget() {
    return nullptr;
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    FStyle = params.Style;
    FExStyle = params.ExStyle;
    QWidget* parentWidget = nullptr;
    if (FParent)
        parentWidget = FParent->Widget();
    else if (auto* pw = WindowHandle::FromHwnd(FParentWindow))
        parentWidget = pw->Widget();

    QWidget* own = CreateWidget();
    const bool paints = own == nullptr;
    FHandle = new WindowHandle(this, nullptr, paints);
    if (!own)
        own = new platform::detail::ControlWidget(FHandle, parentWidget);
    else if (parentWidget)
        own->setParent(parentWidget);
    FHandle->SetWidget(own);
    platform::detail::AttachInput(own, this);
    own->setFocusPolicy(Qt::ClickFocus);
    own->setGeometry(FLeft, FTop, std::max(0, FWidth), std::max(0, FHeight));
    own->setEnabled(FEnabled);
    FHandle->ApplyCursor(nullptr);
    CreateHandle();
    UpdateWidgetState();
    CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible() && !w->FHandle) w->CreateWnd();
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    if (!FHandle) return;
    FText = GetText();
    FControlState << csDestroyingHandle;
    WindowHandle* h = FHandle;
    FHandle = nullptr;
    delete h;
    FControlState >> csDestroyingHandle;
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    const bool showing = Showing();
    FControlState << csRecreating;
    DestroyHandle();
    if (showing || (FParent && FParent->FHandle)) HandleNeeded();
    FControlState >> csRecreating;
}

void TWinControl::SetParentWindow(HWND Value) {
    if (FParentWindow == Value) return;
    DestroyHandle();
    FParentWindow = Value;
}

void TWinControl::SetWindowStyle(DWORD Value) {
    FStyle = Value;
}

void TWinControl::SetWindowExStyle(DWORD Value) {
    FExStyle = Value;
    Invalidate();
}

void TWinControl::UpdateWidgetGeometry() {
    QWidget* w = Widget();
    if (!w) return;
    const QRect g(FLeft, FTop, std::max(0, FWidth), std::max(0, FHeight));
    if (w->geometry() != g) {
        if (w->isWindow()) {
            w->move(FLeft, FTop);
            w->resize(g.size());
        } else {
            w->setGeometry(g);
        }
    }
}

void TWinControl::UpdateStacking() {
    // Windowed children stack in z-order.
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (QWidget* qw = w->Widget(); qw && !qw->isWindow()) qw->raise();
}

void TWinControl::UpdateWidgetState() {
    QWidget* w = Widget();
    if (!w) return;
    w->setEnabled(FEnabled);
    if (!IsTopLevel()) w->setVisible(FVisible);
    UpdateShowing();
}

void TWinControl::BoundsChanged() {
    UpdateWidgetGeometry();
}

bool TWinControl::Showing() const {
    if (IsTopLevel()) return FVisible && FHandle && FHandle->Widget() && FHandle->Widget()->isVisible();
    return TControl::Showing() && FHandle != nullptr;
}

void TWinControl::UpdateShowing() {
    const bool now = Showing();
    if (now != FShowingState) {
        FShowingState = now;
        ShowingChanged();
    }
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            if (now && w->FVisible && !w->FHandle)
                w->CreateWnd();
            else
                w->UpdateShowing();
        }
}

void TWinControl::ShowingChanged() {
    Perform(CM_SHOWINGCHANGED);
}

void TWinControl::SetVisible(bool Value) {
    if (Visible() == Value) return;
    TControl::SetVisible(Value);
    if (Value && FParent && FParent->FHandle && !FHandle) {
        CreateWnd();
        return;
    }
    if (QWidget* w = Widget(); w && !IsTopLevel()) w->setVisible(Value);
    UpdateShowing();
    if (!Value)
        if (TCustomForm* f = ::GetParentForm(this); f && f != this && ContainsControl(f->ActiveControl()))
            f->DefocusControl(this, false);
}

void TWinControl::SetEnabled(bool Value) {
    if (Enabled() == Value) return;
    TControl::SetEnabled(Value);
    if (QWidget* w = Widget()) w->setEnabled(Value);
    if (!Value)
        if (TCustomForm* f = ::GetParentForm(this); f && f != this && ContainsControl(f->ActiveControl()))
            f->DefocusControl(this, false);
}

String TWinControl::GetText() const {
    return TControl::GetText();
}

void TWinControl::SetTextValue(const String& Value) {
    TControl::SetTextValue(Value);
    WidgetTextChanged(Value);
}

// ---- children ----------------------------------------------------------------------------

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FControls[std::size_t(Index)];
}

void TWinControl::Insert(TControl* AControl) {
    FControls.push_back(AControl);
    if (auto* w = dynamic_cast<TWinControl*>(AControl))
        if (std::find(FTabList.begin(), FTabList.end(), w) == FTabList.end()) FTabList.push_back(w);
    AControl->FParent = this;
}

void TWinControl::Remove(TControl* AControl) {
    FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
    // Compared as controls, not cast: a windowed child that is being destroyed is no longer a
    // TWinControl by the time its TControl part leaves the parent, and must still leave the
    // tab order.
    FTabList.erase(
        std::remove_if(FTabList.begin(), FTabList.end(),
                       [AControl](TWinControl* w) { return static_cast<TControl*>(w) == AControl; }),
        FTabList.end());
    if (FHandle && FHandle->Hover == AControl) FHandle->Hover = nullptr;
    AControl->FParent = nullptr;
}

void TWinControl::InsertControl(TControl* AControl) {
    Insert(AControl);
    AControl->Perform(CM_PARENTCOLORCHANGED);
    AControl->Perform(CM_PARENTFONTCHANGED);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED);
    AControl->Perform(CM_PARENTBIDIMODECHANGED);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
        if (FHandle && w->FVisible) {
            if (w->FHandle && w->Widget()) {
                w->DestroyHandle();
            }
            w->CreateWnd();
            UpdateStacking();
        } else if (w->FHandle) {
            w->DestroyHandle();
        }
    }
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    if (AControl->Align() != alNone || AControl->Anchors() != TAnchors{akLeft, akTop}) AlignControl(AControl);
    if (!Is<TWinControl>(AControl)) Invalidate();
}

void TWinControl::RemoveControl(TControl* AControl) {
    if (Mouse->Capture() == AControl) Mouse->SetCapture(nullptr);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
        if (TCustomForm* f = ::GetParentForm(this)) f->DefocusControl(w, true);
        w->DestroyHandle();
    }
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    Remove(AControl);
    if (!ComponentState().Contains(csDestroying)) {
        Realign();
        Invalidate();
    }
}

bool TWinControl::ContainsControl(TControl* Control) const {
    for (TControl* c = Control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!AllowWinControls && Is<TWinControl>(c)) continue;
        if (!c->Visible() || (!c->Enabled() && !AllowDisabled)) continue;
        const TPoint p{Pos.X - c->Left(), Pos.Y - c->Top()};
        if (p.X < 0 || p.Y < 0 || p.X >= c->Width() || p.Y >= c->Height()) continue;
        if (c->Perform(CM_HITTEST, 0, LPARAM((p.X & 0xFFFF) | ((p.Y & 0xFFFF) << 16))) != 0) return c;
    }
    return nullptr;
}

TWinControl* TWinControl::FindChildControl(const String& ControlName) const {
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c);
            w && w->Name().compare(ControlName, Qt::CaseInsensitive) == 0)
            return w;
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
    const std::vector<TControl*> list = FControls;
    for (TControl* c : list) {
        if (std::find(FControls.begin(), FControls.end(), c) == FControls.end()) continue;
        c->WindowProc ? c->WindowProc(Message) : c->WndProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(UINT Msg) {
    TMessage m{Msg, 0, 0, 0};
    Broadcast(m);
}

void TWinControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
    for (TControl* c : FControls)
        if (c->Owner() == Root) Proc(c);
}

void TWinControl::SetChildOrder(TComponent* Child, int Order) {
    if (auto* c = dynamic_cast<TControl*>(Child); c && c->Parent() == this) {
        auto it = std::find(FControls.begin(), FControls.end(), c);
        FControls.erase(it);
        Order = std::clamp(Order, 0, int(FControls.size()));
        FControls.insert(FControls.begin() + Order, c);
    }
}

// ---- layout ------------------------------------------------------------------------------

void TWinControl::DisableAlign() {
    ++FAlignLevel;
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* AControl) {
    if (ComponentState().Contains(csDestroying)) return;
    if (FAlignLevel > 0) {
        FControlState << csAlignmentNeeded;
        return;
    }
    DisableAlign();
    FControlState >> csAlignmentNeeded;
    TRect r = ClientRect();
    FControlState << csAligning;
    try {
        AlignControls(AControl, r);
    } catch (...) {
        FControlState >> csAligning;
        --FAlignLevel;
        throw;
    }
    FControlState >> csAligning;
    --FAlignLevel;
    if (FControlState.Contains(csAlignmentNeeded)) {
        FControlState >> csAlignmentNeeded;
        AlignControl(nullptr);
    }
    if (AutoSize()) AdjustSize();
}

void TWinControl::AdjustClientRect(TRect& Rect) {
    Rect.Left += FBorderWidth;
    Rect.Top += FBorderWidth;
    Rect.Right -= FBorderWidth;
    Rect.Bottom -= FBorderWidth;
}

namespace {
// Whether C1 goes before C2 among controls of the same alignment: by position, ties keep
// the z-order.
bool alignsBefore(const TControl* c1, const TControl* c2, TAlign a) {
    switch (a) {
    case alTop:
        return c1->Top() < c2->Top();
    case alBottom:
        return c1->Top() + c1->Height() > c2->Top() + c2->Height();
    case alLeft:
        return c1->Left() < c2->Left();
    case alRight:
        return c1->Left() + c1->Width() > c2->Left() + c2->Width();
    default:
        return false;
    }
}
} // namespace

void TWinControl::DoAlign(TAlign AAlign, TRect& Rect, TControl*) {
    std::vector<TControl*> list;
    for (TControl* c : FControls) {
        if (c->Align() != AAlign || !c->Visible()) continue;
        auto pos = list.begin();
        while (pos != list.end() && !alignsBefore(c, *pos, AAlign))
            ++pos;
        list.insert(pos, c);
    }
    for (TControl* c : list) {
        int w = c->Width(), h = c->Height();
        switch (AAlign) {
        case alTop:
            c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
            Rect.Top += c->Height();
            break;
        case alBottom:
            c->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
            if (c->Height() != h)
                c->SetBounds(Rect.Left, Rect.Bottom - c->Height(), Rect.Width(), c->Height());
            Rect.Bottom -= c->Height();
            break;
        case alLeft:
            c->SetBounds(Rect.Left, Rect.Top, w, std::max(0, Rect.Height()));
            Rect.Left += c->Width();
            break;
        case alRight:
            c->SetBounds(Rect.Right - w, Rect.Top, w, std::max(0, Rect.Height()));
            if (c->Width() != w) c->SetBounds(Rect.Right - c->Width(), Rect.Top, c->Width(), Rect.Height());
            Rect.Right -= c->Width();
            break;
        case alClient:
            c->SetBounds(Rect.Left, Rect.Top, std::max(0, Rect.Width()), std::max(0, Rect.Height()));
            break;
        default:
            break;
        }
    }
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    AdjustClientRect(Rect);
    DoAlign(alTop, Rect, AControl);
    DoAlign(alBottom, Rect, AControl);
    DoAlign(alLeft, Rect, AControl);
    DoAlign(alRight, Rect, AControl);
    DoAlign(alClient, Rect, AControl);
    // Anchored controls keep their distances to the anchored edges of the client area.
    const TRect client = ClientRect();
    for (TControl* c : FControls) {
        if (c->Align() != alNone || c->ComponentState().Contains(csLoading)) continue;
        const TAnchors a = c->Anchors();
        if (a.Contains(akLeft) && a.Contains(akTop) && !a.Contains(akRight) && !a.Contains(akBottom))
            continue;
        const int dx = client.Width() - c->FOriginalParentSize.X;
        const int dy = client.Height() - c->FOriginalParentSize.Y;
        const TRect o = c->FAnchorRect;
        int l = o.Left, t = o.Top, w = o.Width(), h = o.Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                w += dx;
            else
                l += dx;
        } else if (!a.Contains(akLeft)) {
            l += dx / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                h += dy;
            else
                t += dy;
        } else if (!a.Contains(akTop)) {
            t += dy / 2;
        }
        c->SetBounds(l, t, w, h);
    }
    ControlsAligned();
}

void TWinControl::SetBorderWidth(int Value) {
    if (FBorderWidth == Value) return;
    FBorderWidth = Value;
    Realign();
    Invalidate();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (FReadingAlign) {
        FReadingAlign = false;
        --FAlignLevel;
    }
    Realign();
}

void TWinControl::ReadState(TReader* Reader) {
    // The children are placed once everything was read (Loaded): aligning them while
    // they are read would order them by half-read positions.
    TControl::ReadState(Reader);
    if (!FReadingAlign) {
        FReadingAlign = true;
        DisableAlign();
    }
}

void TWinControl::Notification(TComponent* AComponent, TOperation Operation) {
    TControl::Notification(AComponent, Operation);
}

// ---- focus -------------------------------------------------------------------------------

void TWinControl::SetTabStop(bool Value) {
    if (FTabStop == Value) return;
    FTabStop = Value;
    if (Value)
        FStyle |= WS_TABSTOP;
    else
        FStyle &= ~WS_TABSTOP;
    Perform(CM_TABSTOPCHANGED);
}

int TWinControl::TabOrder() const {
    if (!FParent) return -1;
    const auto& l = FParent->FTabList;
    auto it = std::find(l.begin(), l.end(), this);
    return it == l.end() ? -1 : int(it - l.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (!FParent) return;
    auto& l = FParent->FTabList;
    auto it = std::find(l.begin(), l.end(), this);
    if (it == l.end()) return;
    l.erase(it);
    if (Value < 0 || Value > int(l.size())) Value = int(l.size());
    l.insert(l.begin() + Value, this);
}

bool TWinControl::CanFocus() const {
    TCustomForm* form = ::GetParentForm(const_cast<TWinControl*>(this));
    if (!form) return false;
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
        if (c == form) break;
    }
    return true;
}

void TWinControl::SetFocus() {
    if (TCustomForm* f = ::GetParentForm(this)) {
        f->FocusControl(this);
    } else if (QWidget* w = Widget()) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

bool TWinControl::Focused() const {
    TCustomForm* f = ::GetParentForm(const_cast<TWinControl*>(this));
    return f && f->ActiveControl() == this && Screen->ActiveControl() == this;
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* w : FTabList) {
        List.push_back(w);
        w->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int n = int(list.size());
    int start = -1;
    if (auto it = std::find(list.begin(), list.end(), CurControl); it != list.end())
        start = int(it - list.begin());
    else
        start = GoForward ? n - 1 : 0;
    int i = start;
    for (int k = 0; k < n; ++k) {
        i = GoForward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[std::size_t(i)];
        if (c == CurControl && k > 0) break;
        if ((!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        next->SetFocus();
}

void TWinControl::SetParentBackground(bool Value) {
    if (Value)
        FControlStyle << csParentBackground;
    else
        FControlStyle >> csParentBackground;
    Invalidate();
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

// ---- painting ----------------------------------------------------------------------------

void TWinControl::Invalidate() {
    if (FHandle) FHandle->Invalidate(nullptr);
}

void TWinControl::InvalidateRect(const TRect* R, bool) {
    if (FHandle) FHandle->Invalidate(R);
}

void TWinControl::Repaint() {
    if (FHandle && Showing())
        FHandle->PaintNow();
    else
        Invalidate();
}

void TWinControl::Update() {
    if (QWidget* w = Widget(); w && w->isVisible()) w->repaint();
}

void TWinControl::EraseBackground(HDC DC) {
    if (FExStyle & WS_EX_TRANSPARENT) return;
    HBRUSH b = CreateSolidBrush(COLORREF(ColorToRGB(Color())));
    const TRect r = ClientRect();
    FillRect(DC, &r, b);
    DeleteObject(b);
}

void TWinControl::PaintHandler(HDC DC) {
    TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0, 0};
    WindowProc ? WindowProc(erase) : WndProc(erase);
    PaintWindow(DC);
    PaintControls(DC, nullptr);
}

void TWinControl::PaintWindow(HDC DC) {
    (void)DC;
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
    bool started = First == nullptr;
    for (TControl* c : FControls) {
        if (!started) {
            if (c == First)
                started = true;
            else
                continue;
        }
        if (Is<TWinControl>(c) || !c->Visible()) continue;
        const int saved = SaveDC(DC);
        TPoint old;
        OffsetViewportOrgEx(DC, c->Left(), c->Top(), &old);
        IntersectClipRect(DC, 0, 0, c->Width(), c->Height());
        c->PaintOn(DC);
        RestoreDC(DC, saved);
    }
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
    const int saved = SaveDC(DC);
    TPoint old;
    OffsetViewportOrgEx(DC, X, Y, &old);
    IntersectClipRect(DC, 0, 0, FWidth, FHeight);
    PaintHandler(DC);
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible()) w->PaintTo(DC, w->Left(), w->Top());
    RestoreDC(DC, saved);
}

void TWinControl::PaintTo(TCanvas* Canvas, int X, int Y) {
    Canvas->Lock();
    PaintTo(Canvas->Handle(), X, Y);
    Canvas->Unlock();
}

// ---- messages ----------------------------------------------------------------------------

void TWinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT:
        if (Message.WParam)
            PaintHandler(reinterpret_cast<HDC>(Message.WParam));
        else
            Repaint();
        return;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        Broadcast(Message);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_PARENTFONTCHANGED:
    case CM_PARENTCOLORCHANGED:
    case CM_PARENTSHOWHINTCHANGED:
    case CM_PARENTBIDIMODECHANGED:
        TControl::Dispatch(Message);
        return;
    case CM_FONTCHANGED:
        TControl::Dispatch(Message);
        NotifyControls(CM_PARENTFONTCHANGED);
        return;
    case CM_COLORCHANGED:
        TControl::Dispatch(Message);
        NotifyControls(CM_PARENTCOLORCHANGED);
        return;
    case CM_SHOWHINTCHANGED:
        TControl::Dispatch(Message);
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        return;
    case CM_BIDIMODECHANGED:
        TControl::Dispatch(Message);
        NotifyControls(CM_PARENTBIDIMODECHANGED);
        return;
    case WM_GETDLGCODE:
        Message.Result = 0;
        return;
    case CM_CURSORCHANGED:
        if (FHandle) FHandle->ApplyCursor(FHandle->Hover);
        return;
    case WM_SETFOCUS:
        SetFocus();
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        Word k = Word(Message.WParam);
        HandleKeyDown(k, KeyDataToShiftState(Message.LParam));
        return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        Word k = Word(Message.WParam);
        HandleKeyUp(k, KeyDataToShiftState(Message.LParam));
        return;
    }
    case WM_CHAR: {
        QChar c(char16_t(Message.WParam));
        HandleKeyPress(c);
        return;
    }
    case WM_CONTEXTMENU: {
        // The window-less child under the mouse has the first say.
        const TPoint screen{short(Message.LParam & 0xFFFF), short((Message.LParam >> 16) & 0xFFFF)};
        if (screen.X != -1 || screen.Y != -1)
            if (TControl* c = ControlAtPos(ScreenToClient(screen), false, false)) {
                Message.Result = c->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
                if (Message.Result != 0) return;
            }
        TControl::Dispatch(Message);
        return;
    }
    default:
        TControl::Dispatch(Message);
    }
}

void TWinControl::DefaultHandler(TMessage& Message) {
    // A context menu nobody here took is the parent window's to show.
    if (Message.Msg == WM_CONTEXTMENU) {
        if (FParent) Message.Result = FParent->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
        return;
    }
    TControl::DefaultHandler(Message);
}

// ---- keys --------------------------------------------------------------------------------

namespace {
LPARAM keyDataOf(TShiftState s) {
    LPARAM d = 0;
    if (s.Contains(ssAlt)) d |= AltMask;
    if (s.Contains(ssCtrl)) d |= CtrlMask;
    if (s.Contains(ssShift)) d |= ShiftMask;
    return d;
}
} // namespace

bool TWinControl::WantsKey(Word Key) {
    LRESULT mask = 0;
    switch (Key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    default:
        return true;
    }
    if (Perform(CM_WANTSPECIALKEY, Key, 0) != 0) return true;
    return (Perform(WM_GETDLGCODE, 0, 0) & mask) != 0;
}

bool TWinControl::HandleKeyDown(Word& Key, TShiftState Shift) {
    if (Perform(CM_CHILDKEY, Key, reinterpret_cast<LPARAM>(this)) != 0) return true;
    if (!WantsKey(Key)) {
        // A dialog key the control does not want goes up its parents, the form last (Tab,
        // arrows, default and cancel buttons).
        const LPARAM data = keyDataOf(Shift);
        TCustomForm* form = ::GetParentForm(this, false);
        for (TWinControl* p = (form == this) ? this : FParent; p; p = p->FParent) {
            if (p->Perform(CM_DIALOGKEY, Key, data) != 0) return true;
            if (p == form) break;
        }
    }
    if (DoKeyDown(Key, Shift)) return true;
    // F1 that nothing took asks for the help of the control or its nearest parent.
    if (Key == VK_F1 && Shift.empty()) {
        ControlHelpRequest(this);
        return true;
    }
    return Key == 0;
}

bool TWinControl::HandleKeyPress(QChar& Key) {
    if (Key.unicode() >= 32 || Key == QChar(u'\r') || Key == QChar(u'\x1b')) {
        // Accelerators of the form's controls.
        TCustomForm* form = ::GetParentForm(this);
        if (form && KeyboardStateToShiftState().Contains(ssAlt) &&
            form->Perform(CM_DIALOGCHAR, Key.unicode(), 0) != 0)
            return true;
    }
    if (DoKeyPress(Key)) return true;
    return Key.isNull();
}

bool TWinControl::HandleKeyUp(Word& Key, TShiftState Shift) {
    if (DoKeyUp(Key, Shift)) return true;
    return Key == 0;
}

bool TWinControl::DoKeyDown(Word& Key, TShiftState Shift) {
    TCustomForm* form = ::GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(Key, Shift)) return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        KeyDown(Key, Shift);
        if (Key == 0) return true;
    }
    return false;
}

bool TWinControl::DoKeyPress(QChar& Key) {
    TCustomForm* form = ::GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(Key)) return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        KeyPress(Key);
        if (Key.isNull()) return true;
    }
    return false;
}

bool TWinControl::DoKeyUp(Word& Key, TShiftState Shift) {
    TCustomForm* form = ::GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(Key, Shift)) return true;
    if (!FControlStyle.Contains(csNoStdEvents)) {
        KeyUp(Key, Shift);
        if (Key == 0) return true;
    }
    return false;
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

// ---- window functions --------------------------------------------------------------------

namespace {
TWinControl* controlOf(HWND h) {
    auto* w = WindowHandle::FromHwnd(h);
    return w ? w->Control() : nullptr;
}
} // namespace

TWinControl* FindControl(HWND hWnd) {
    return controlOf(hWnd);
}

LONG GetWindowLong(HWND hWnd, int Index) {
    TWinControl* c = controlOf(hWnd);
    if (!c) return 0;
    DWORD v = Index == GWL_STYLE ? c->WindowStyle() : Index == GWL_EXSTYLE ? c->WindowExStyle() : 0;
    if (Index == GWL_STYLE) {
        if (c->Visible())
            v |= WS_VISIBLE;
        else
            v &= ~WS_VISIBLE;
        if (!c->Enabled())
            v |= WS_DISABLED;
        else
            v &= ~WS_DISABLED;
    }
    return LONG(v);
}

LONG SetWindowLong(HWND hWnd, int Index, LONG NewLong) {
    TWinControl* c = controlOf(hWnd);
    if (!c) return 0;
    const LONG old = GetWindowLong(hWnd, Index);
    if (Index == GWL_STYLE)
        c->SetWindowStyle(DWORD(NewLong));
    else if (Index == GWL_EXSTYLE)
        c->SetWindowExStyle(DWORD(NewLong));
    return old;
}

BOOL IsWindow(HWND hWnd) {
    return WindowHandle::IsLive(hWnd) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hWnd) {
    TWinControl* c = controlOf(hWnd);
    return c && c->Showing() ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd) {
    TWinControl* c = controlOf(hWnd);
    return c && c->Enabled() ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hWnd, BOOL Enable) {
    TWinControl* c = controlOf(hWnd);
    if (!c) return FALSE;
    const bool was = !c->Enabled();
    if (QWidget* w = c->Widget()) w->setEnabled(Enable != 0);
    return was ? TRUE : FALSE;
}

BOOL IsChild(HWND Parent, HWND hWnd) {
    TWinControl* p = controlOf(Parent);
    TWinControl* c = controlOf(hWnd);
    return p && c && c != p && p->ContainsControl(c) ? TRUE : FALSE;
}

HWND GetParent(HWND hWnd) {
    TWinControl* c = controlOf(hWnd);
    if (!c) return nullptr;
    if (c->Parent()) return c->Parent()->HandleAllocated() ? c->Parent()->Handle() : nullptr;
    return c->ParentWindow();
}

HWND GetFocus() {
    TWinControl* c = Screen->ActiveControl();
    if (!c) c = Screen->ActiveForm();
    return c && c->HandleAllocated() ? c->Handle() : nullptr;
}

HWND SetFocus(HWND hWnd) {
    HWND old = GetFocus();
    if (TWinControl* c = controlOf(hWnd)) c->SetFocus();
    return old;
}

HWND GetActiveWindow() {
    TCustomForm* f = Screen->ActiveForm();
    return f && f->HandleAllocated() ? f->Handle() : nullptr;
}

HWND GetCapture() {
    for (TControl* c = Mouse->Capture(); c; c = c->Parent())
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->HandleAllocated()) return w->Handle();
    return nullptr;
}

BOOL ReleaseCapture() {
    Mouse->SetCapture(nullptr);
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, TRect* Rect) {
    TWinControl* c = controlOf(hWnd);
    if (!c || !Rect) return FALSE;
    *Rect = c->ClientRect();
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, TRect* Rect) {
    TWinControl* c = controlOf(hWnd);
    if (!c || !Rect) return FALSE;
    const TPoint o =
        c->Parent() ? c->Parent()->ClientToScreen(TPoint{c->Left(), c->Top()}) : TPoint{c->Left(), c->Top()};
    *Rect = Bounds(o.X, o.Y, c->Width(), c->Height());
    return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const TRect* Rect, BOOL Erase) {
    TWinControl* c = controlOf(hWnd);
    if (!c) return FALSE;
    c->InvalidateRect(Rect, Erase != 0);
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    TWinControl* c = controlOf(hWnd);
    if (!c) return FALSE;
    c->Update();
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, TPoint* Point) {
    TWinControl* c = controlOf(hWnd);
    if (!c || !Point) return FALSE;
    *Point = c->ClientToScreen(*Point);
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, TPoint* Point) {
    TWinControl* c = controlOf(hWnd);
    if (!c || !Point) return FALSE;
    *Point = c->ScreenToClient(*Point);
    return TRUE;
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
    // The shown forms, later ones above earlier ones, down to the deepest control.
    TControl* found = nullptr;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (!f->Showing() || f->Parent()) continue;
        TPoint p = f->ScreenToClient(Pos);
        if (!f->ClientRect().Contains(p)) continue;
        found = f;
        TWinControl* parent = f;
        while (parent) {
            TControl* c = parent->ControlAtPos(p, AllowDisabled, true);
            if (!c) break;
            found = c;
            p = TPoint{p.X - c->Left(), p.Y - c->Top()};
            parent = dynamic_cast<TWinControl*>(c);
        }
    }
    return found;
}

bool TWinControl::CanAutoSize(int& NewWidth, int& NewHeight) {
    if (!AutoSize() || FControls.empty()) return false;
    // The size that holds every visible child that is not stretched over the client area
    // in that direction.
    int right = 0, bottom = 0;
    bool anyW = false, anyH = false;
    for (TControl* c : FControls) {
        if (!c->Visible()) continue;
        const TAlign a = c->Align();
        if (a != alTop && a != alBottom && a != alClient) {
            right = std::max(right, c->Left() + c->Width());
            anyW = true;
        }
        if (a != alLeft && a != alRight && a != alClient) {
            bottom = std::max(bottom, c->Top() + c->Height());
            anyH = true;
        }
    }
    const TAlign own = Align();
    const TRect cr = ClientRect();
    if (anyW && own != alTop && own != alBottom && own != alClient)
        NewWidth = right + FBorderWidth + (FWidth - cr.Width());
    if (anyH && own != alLeft && own != alRight && own != alClient)
        NewHeight = bottom + FBorderWidth + (FHeight - cr.Height());
    return true;
}
