#include "platform/controls/Control.h"

#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"
#include "platform/controls/SizeConstraints.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/WindowHandle.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/SysMath.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>

#include <algorithm>
#include <cstdlib>
#include <memory>

ORVO_IMPLEMENT_CLASS(TControl, TComponent)
ORVO_IMPLEMENT_ENUM_TYPE(TDragMode, "dmManual", "dmAutomatic")
ORVO_IMPLEMENT_ENUM_TYPE(TDragState, "dsDragEnter", "dsDragLeave", "dsDragMove")
ORVO_IMPLEMENT_EVENT_TYPE(TDragOverEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TDragDropEvent)

ORVO_PUBLISHED(TControl) {
    P.Property("Left", &TControl::Left, &TControl::SetLeft);
    P.Property("Top", &TControl::Top, &TControl::SetTop);
    P.Property("Width", &TControl::Width, &TControl::SetWidth);
    P.Property("Height", &TControl::Height, &TControl::SetHeight);
    P.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
    P.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors).Default(TAnchors{akLeft, akTop});
    P.Property("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode)
        .Default(bdLeftToRight)
        .Stored([](TControl* c) { return !c->ParentBiDiMode(); });
    P.Property("Color", &TControl::Color, &TControl::SetColor)
        .Type(TypeInfoTColor())
        .Default(clWindow)
        .Stored([](TControl* c) { return !c->ParentColor(); });
    P.Property("Constraints", &TControl::Constraints, &TControl::SetConstraints);
    P.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Type(TypeInfoTCursor()).Default(crDefault);
    P.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
    P.Property("Font", &TControl::Font, &TControl::SetFont).Stored([](TControl* c) {
        return !c->ParentFont();
    });
    P.Property("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext).Default(0);
    P.Property("Hint", &TControl::Hint, &TControl::SetHint);
    P.Property("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode).Default(true);
    P.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
    P.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
    P.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
    P.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .Default(false)
        .Stored([](TControl* c) { return !c->ParentShowHint(); });
    P.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
    P.Property("OnClick", &TControl::OnClick);
    P.Property("OnContextPopup", &TControl::OnContextPopup);
    P.Property("OnDblClick", &TControl::OnDblClick);
    P.Property("OnMouseDown", &TControl::OnMouseDown);
    P.Property("OnMouseEnter", &TControl::OnMouseEnter);
    P.Property("OnMouseLeave", &TControl::OnMouseLeave);
    P.Property("OnMouseMove", &TControl::OnMouseMove);
    P.Property("OnMouseUp", &TControl::OnMouseUp);
    P.Property("OnMouseWheel", &TControl::OnMouseWheel);
    P.Property("OnMouseWheelDown", &TControl::OnMouseWheelDown);
    P.Property("OnMouseWheelUp", &TControl::OnMouseWheelUp);
    P.Property("OnResize", &TControl::OnResize);
    P.Property("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor)
        .Type(TypeInfoTCursor())
        .Default(crDrag);
    P.Property("DragMode", &TControl::DragMode, &TControl::SetDragMode).Default(dmManual);
    P.Property("OnDragDrop", &TControl::OnDragDrop);
    P.Property("OnDragOver", &TControl::OnDragOver);
    P.Property("OnEndDrag", &TControl::OnEndDrag);
}

// ---- drag and drop ----------------------------------------------------------------------

namespace {
// The one drag of the program: the dragged control, where its button went down, whether
// the mouse has gone far enough for the drag to start, and the control under the mouse
// with its last answer.
struct DragState {
    TControl* Source = nullptr;
    TPoint Start;
    int Threshold = 0;
    bool Active = false;
    TControl* Target = nullptr;
    TPoint TargetPos;
    bool Accepted = false;
    TCursor SavedCursor = crDefault;
};
DragState g_drag;
// Where the left button last went down, in screen coordinates: a drag begun from a
// mouse-down handler measures its threshold from there.
TPoint g_lastPress;

// Escape anywhere cancels a drag that has started.
class DragKeyFilter : public QObject {
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Escape &&
            g_drag.Source && g_drag.Active) {
            g_drag.Source->EndDrag(false);
            return true;
        }
        return QObject::eventFilter(Watched, Event);
    }
};
std::unique_ptr<DragKeyFilter> g_keyFilter;

void StartDragging() {
    g_drag.Active = true;
    g_drag.SavedCursor = Screen->Cursor();
    Screen->SetCursor(crNoDrop);
    if (QCoreApplication* app = QCoreApplication::instance()) {
        g_keyFilter = std::make_unique<DragKeyFilter>();
        app->installEventFilter(g_keyFilter.get());
    }
}

// The drag over screen point P: started once far enough from the press, then the control
// under P asked whether it takes the source.
void DragTo(const TPoint& P) {
    if (!g_drag.Active) {
        if (std::abs(P.X - g_drag.Start.X) < g_drag.Threshold &&
            std::abs(P.Y - g_drag.Start.Y) < g_drag.Threshold)
            return;
        StartDragging();
    }
    TControl* source = g_drag.Source;
    TControl* target = FindDragTarget(P, false);
    TDragState state = dsDragMove;
    if (target != g_drag.Target) {
        if (TControl* old = g_drag.Target) {
            bool ignored = false;
            const TPoint q = old->ScreenToClient(P);
            old->DragOver(source, q.X, q.Y, dsDragLeave, ignored);
        }
        // The leave handler may have ended the drag.
        if (g_drag.Source != source) return;
        g_drag.Target = target;
        state = dsDragEnter;
    }
    bool accept = false;
    if (target) {
        g_drag.TargetPos = target->ScreenToClient(P);
        target->DragOver(source, g_drag.TargetPos.X, g_drag.TargetPos.Y, state, accept);
    }
    if (g_drag.Source != source) return;
    g_drag.Accepted = target && accept;
    Screen->SetCursor(g_drag.Accepted ? source->DragCursor() : crNoDrop);
}
} // namespace

bool platform::detail::DragActive() {
    return g_drag.Source && g_drag.Active;
}

void TControl::BeginDrag(bool Immediate, int Threshold) {
    if (g_drag.Source) return;
    g_drag = DragState{};
    g_drag.Source = this;
    g_drag.Start = g_lastPress;
    g_drag.Threshold = Threshold < 0 ? Mouse->DragThreshold() : Threshold;
    SetMouseCapture(true);
    if (Immediate) {
        StartDragging();
        DragTo(g_lastPress);
    }
}

bool TControl::Dragging() const {
    return g_drag.Source == this;
}

void TControl::EndDrag(bool Drop) {
    if (g_drag.Source != this) return;
    const DragState ended = g_drag;
    g_drag = DragState{};
    if (g_keyFilter) {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(g_keyFilter.get());
        g_keyFilter.reset();
    }
    if (ended.Active) Screen->SetCursor(ended.SavedCursor);
    if (MouseCapture()) SetMouseCapture(false);
    if (!ended.Active) return;
    // The release that follows a drag is no click.
    FControlState >> csClicked;
    TControl* taker = nullptr;
    if (TControl* target = ended.Target) {
        if (Drop && ended.Accepted) {
            taker = target;
            target->DragDrop(this, ended.TargetPos.X, ended.TargetPos.Y);
        } else {
            bool ignored = false;
            target->DragOver(this, ended.TargetPos.X, ended.TargetPos.Y, dsDragLeave, ignored);
        }
    }
    DoEndDrag(taker, ended.TargetPos.X, ended.TargetPos.Y);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    Accept = false;
    if (!OnDragOver) return;
    Accept = true;
    OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
    if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
    if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    WindowProc = TWndMethod(this, &TControl::WndProc);
    FConstraints = new TSizeConstraints(this);
    FConstraints->OnChange = TNotifyEvent(this, &TControl::ConstraintsChanged);
    FFont = new TFont();
    FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
}

TControl::~TControl() {
    delete FActionLink;
    FActionLink = nullptr;
    if (g_drag.Source == this) EndDrag(false);
    if (g_drag.Target == this) g_drag.Target = nullptr;
    if (Mouse && Mouse->Capture() == this) Mouse->SetCapture(nullptr);
    if (FParent) FParent->RemoveControl(this);
    delete FFont;
    delete FConstraints;
}

void TControl::BeforeDestruction() {
    // A control that goes while dragged ends its drag first, as a cancel.
    if (g_drag.Source == this) EndDrag(false);
    TComponent::BeforeDestruction();
}

// ---- tree --------------------------------------------------------------------------------

void TControl::SetParent(TWinControl* AParent) {
    if (FParent == AParent) return;
    if (AParent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    if (FParent) FParent->RemoveControl(this);
    if (AParent) {
        AParent->InsertControl(this);
        UpdateAnchorRules();
    }
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* w = dynamic_cast<TWinControl*>(Value)) SetParent(w);
}

TCustomForm* TControl::GetParentForm() const {
    return ::GetParentForm(const_cast<TControl*>(this));
}

TCustomForm* GetParentForm(TControl* Control, bool TopForm) {
    TCustomForm* found = nullptr;
    for (TControl* c = Control; c; c = c->Parent()) {
        if (auto* f = dynamic_cast<TCustomForm*>(c)) {
            found = f;
            if (!TopForm) return f;
        }
    }
    return found;
}

// ---- geometry ----------------------------------------------------------------------------

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    int w = std::max(0, AWidth), h = std::max(0, AHeight);
    if (!ComponentState().Contains(csLoading)) {
        CanAutoSize(w, h);
        FConstraints->Apply(w, h);
    }
    const bool moved = ALeft != FLeft || ATop != FTop;
    const bool sized = w != FWidth || h != FHeight;
    if (!moved && !sized) return;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = w;
    FHeight = h;
    if (FParent && !FParent->ControlState().Contains(csAligning)) UpdateAnchorRules();
    BoundsChanged();
    if (FParent) {
        if (FParent->ControlState().Contains(csAligning)) {
            // The parent's alignment placed this control: nothing to realign above.
        } else if (FAlign != alNone || !FAnchors.empty()) {
            RequestAlign();
        }
        if (!Is<TWinControl>(this)) FParent->Invalidate();
    }
    if (sized) {
        if (auto* w = dynamic_cast<TWinControl*>(this)) {
            w->Realign();
            // A window is drawn again whole after every change of its size, however the
            // change came, so what a control keeps of its last picture is made again.
            w->Invalidate();
        }
        if (!ComponentState().Contains(csLoading)) Resize();
    }
}

TRect TControl::ClientRect() const {
    return Rect(0, 0, FWidth, FHeight);
}

void TControl::SetClientWidth(int Value) {
    SetClientSize(Value, ClientHeight());
}

void TControl::SetClientHeight(int Value) {
    SetClientSize(ClientWidth(), Value);
}

void TControl::SetClientSize(int AWidth, int AHeight) {
    const TRect c = ClientRect();
    SetBounds(FLeft, FTop, FWidth - c.Width() + AWidth, FHeight - c.Height() + AHeight);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return TPoint{FLeft, FTop};
    const TPoint p = FParent->ClientOrigin();
    return TPoint{p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(const TPoint& P) const {
    const TPoint o = ClientOrigin();
    return TPoint{P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(const TPoint& P) const {
    const TPoint o = ClientOrigin();
    return TPoint{P.X - o.X, P.Y - o.Y};
}

TPoint TControl::ClientToParent(const TPoint& P, TWinControl* AParent) const {
    if (!AParent) AParent = FParent;
    if (!AParent) throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(Name()));
    TPoint r = P;
    for (const TControl* c = this; c && c != AParent; c = c->Parent()) {
        r.X += c->Left();
        r.Y += c->Top();
    }
    return r;
}

TPoint TControl::ParentToClient(const TPoint& P, TWinControl* AParent) const {
    const TPoint z = ClientToParent(TPoint{0, 0}, AParent);
    return TPoint{P.X - z.X, P.Y - z.Y};
}

void TControl::SetAlign(TAlign Value) {
    if (FAlign == Value) return;
    const TAlign old = FAlign;
    FAlign = Value;
    FAnchors = (Value == alNone)     ? TAnchors{akLeft, akTop}
               : (Value == alTop)    ? TAnchors{akLeft, akTop, akRight}
               : (Value == alBottom) ? TAnchors{akLeft, akRight, akBottom}
               : (Value == alLeft)   ? TAnchors{akLeft, akTop, akBottom}
               : (Value == alRight)  ? TAnchors{akRight, akTop, akBottom}
                                     : TAnchors{akLeft, akTop, akRight, akBottom};
    if (old != alNone || Value != alNone) RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
    if (FAnchors == Value) return;
    FAnchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (!FParent) return;
    const TRect pc = FParent->ClientRect();
    FOriginalParentSize = TPoint{pc.Width(), pc.Height()};
    FAnchorRect = BoundsRect();
}

void TControl::SetConstraints(TSizeConstraints* Value) {
    FConstraints->Assign(Value);
}

void TControl::ConstraintsChanged(TObject*) {
    if (ComponentState().Contains(csLoading)) return;
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    if (Value) AdjustSize();
}

bool TControl::CanAutoSize(int&, int&) {
    return false;
}

void TControl::AdjustSize() {
    if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::RequestAlign() {
    if (FParent) FParent->AlignControl(this);
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

// ---- appearance --------------------------------------------------------------------------

void TControl::SetVisible(bool Value) {
    if (FVisible == Value) return;
    VisibleChanging();
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, WPARAM(Value));
    RequestAlign();
    if (FParent) FParent->Invalidate();
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
    if (FColor == Value && !FParentColor) return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
    if (FParentColor == Value) return;
    FParentColor = Value;
    if (Value && FParent) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::ParentColorChanged() {
    if (FParentColor && FParent) {
        FColor = FParent->Color();
        FParentColor = true;
        Perform(CM_COLORCHANGED);
    }
}

void TControl::SetFont(TFont* Value) {
    FFont->Assign(Value);
}

void TControl::FontChanged(TObject*) {
    FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value) {
    if (FParentFont == Value) return;
    FParentFont = Value;
    if (Value && FParent) Perform(CM_PARENTFONTCHANGED);
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    const TNotifyEvent keep = FFont->OnChange;
    FFont->OnChange = nullptr;
    FFont->Assign(FParent->Font());
    FFont->OnChange = keep;
    Perform(CM_FONTCHANGED);
}

void TControl::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool Value) {
    FParentShowHint = false;
    if (FShowHint == Value) return;
    FShowHint = Value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
    if (FParentShowHint == Value) return;
    FParentShowHint = Value;
    if (Value && FParent) Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::ParentShowHintChanged() {
    if (FParentShowHint && FParent) {
        FShowHint = FParent->ShowHint();
        Perform(CM_SHOWHINTCHANGED);
    }
}

void TControl::SetPopupMenuComponent(TComponent* Value) {
    if (FPopupMenu == Value) return;
    if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
    FParentBiDiMode = false;
    if (FBiDiMode == Value) return;
    FBiDiMode = Value;
    Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool Value) {
    if (FParentBiDiMode == Value) return;
    FParentBiDiMode = Value;
    if (Value && FParent) Perform(CM_PARENTBIDIMODECHANGED);
}

void TControl::ParentBiDiModeChanged() {
    if (FParentBiDiMode && FParent) {
        FBiDiMode = FParent->BiDiMode();
        Perform(CM_BIDIMODECHANGED);
    }
}

bool TControl::UseRightToLeftAlignment() const {
    return FBiDiMode == bdRightToLeft;
}

bool TControl::UseRightToLeftReading() const {
    return FBiDiMode != bdLeftToRight;
}

bool TControl::UseRightToLeftScrollBar() const {
    return FBiDiMode == bdRightToLeft || FBiDiMode == bdRightToLeftNoAlign;
}

void TControl::SetText(const String& Value) {
    if (GetText() == Value) return;
    SetTextValue(Value);
    Perform(CM_TEXTCHANGED);
}

void TControl::SetName(const String& Value) {
    // A control whose text follows its name (csSetCaption) keeps doing so while the text
    // still equals the old name.
    const bool follow = FControlStyle.Contains(csSetCaption) && Name() == GetText() &&
                        !ComponentState().Contains(csLoading) && ComponentState().Contains(csDesigning);
    TComponent::SetName(Value);
    if (follow) SetText(Value);
}

// ---- painting ----------------------------------------------------------------------------

void TControl::Invalidate() {
    if (FParent && FVisible) {
        const TRect r = BoundsRect();
        FParent->InvalidateRect(&r, true);
    }
}

void TControl::Repaint() {
    if (FParent && FVisible) FParent->Repaint();
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::SetZOrder(bool TopMost) {
    if (!FParent) return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (TopMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    FParent->UpdateStacking();
    FParent->Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(this), 1);
    FParent->Realign();
    FParent->Invalidate();
}

void TControl::BringToFront() {
    SetZOrder(true);
}

void TControl::SendToBack() {
    SetZOrder(false);
}

// ---- messages ----------------------------------------------------------------------------

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    if (WindowProc)
        WindowProc(m);
    else
        WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& Message) {
    Dispatch(Message);
}

namespace {
int loWordSigned(LPARAM v) {
    return short(v & 0xFFFF);
}
int hiWordSigned(LPARAM v) {
    return short((v >> 16) & 0xFFFF);
}
TShiftState mouseKeys(WPARAM keys) {
    return KeysToShiftState(keys);
}
} // namespace

String GetShortHint(const String& Hint) {
    const qsizetype bar = Hint.indexOf(u'|');
    return bar < 0 ? Hint : Hint.left(bar);
}

String GetLongHint(const String& Hint) {
    const qsizetype bar = Hint.indexOf(u'|');
    return bar < 0 ? Hint : Hint.mid(bar + 1);
}

TShiftState KeysToShiftState(WPARAM Keys) {
    TShiftState s;
    if (Keys & MK_SHIFT) s << ssShift;
    if (Keys & MK_CONTROL) s << ssCtrl;
    if (Keys & MK_LBUTTON) s << ssLeft;
    if (Keys & MK_RBUTTON) s << ssRight;
    if (Keys & MK_MBUTTON) s << ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s << ssAlt;
    return s;
}

void TControl::Dispatch(TMessage& Message) {
    const int x = loWordSigned(Message.LParam), y = hiWordSigned(Message.LParam);
    // Another control took the mouse: a drag of this one cannot go on.
    if (Message.Msg == CM_CANCELMODE && Dragging()) EndDrag(false);
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        HandleMouseDown(mbLeft, mouseKeys(Message.WParam), x, y);
        return;
    case WM_RBUTTONDOWN:
        HandleMouseDown(mbRight, mouseKeys(Message.WParam), x, y);
        return;
    case WM_MBUTTONDOWN:
        HandleMouseDown(mbMiddle, mouseKeys(Message.WParam), x, y);
        return;
    case WM_LBUTTONDBLCLK:
        HandleMouseDown(mbLeft, mouseKeys(Message.WParam) + TShiftState{ssDouble}, x, y);
        return;
    case WM_RBUTTONDBLCLK:
        HandleMouseDown(mbRight, mouseKeys(Message.WParam) + TShiftState{ssDouble}, x, y);
        return;
    case WM_LBUTTONUP:
        HandleMouseUp(mbLeft, mouseKeys(Message.WParam), x, y);
        return;
    case WM_RBUTTONUP:
        HandleMouseUp(mbRight, mouseKeys(Message.WParam), x, y);
        return;
    case WM_MBUTTONUP:
        HandleMouseUp(mbMiddle, mouseKeys(Message.WParam), x, y);
        return;
    case WM_MOUSEMOVE:
        HandleMouseMove(mouseKeys(Message.WParam), x, y);
        return;
    case WM_MOUSEWHEEL:
        Message.Result =
            HandleMouseWheel(mouseKeys(Message.WParam & 0xFFFF), short(Message.WParam >> 16), TPoint{x, y})
                ? 1
                : 0;
        return;
    case CM_MOUSEENTER:
        if (reinterpret_cast<TControl*>(Message.LParam) == this || Message.LParam == 0) {
            FMouseInClient = true;
            if (OnMouseEnter) OnMouseEnter(this);
        }
        return;
    case CM_MOUSELEAVE:
        if (reinterpret_cast<TControl*>(Message.LParam) == this || Message.LParam == 0) {
            FMouseInClient = false;
            if (OnMouseLeave) OnMouseLeave(this);
        }
        return;
    case CM_HITTEST:
        Message.Result = HitTest(x, y) ? 1 : 0;
        return;
    case CM_PARENTFONTCHANGED:
        ParentFontChanged();
        return;
    case CM_PARENTCOLORCHANGED:
        ParentColorChanged();
        return;
    case CM_PARENTSHOWHINTCHANGED:
        ParentShowHintChanged();
        return;
    case CM_PARENTBIDIMODECHANGED:
        ParentBiDiModeChanged();
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_CURSORCHANGED:
        // A window-less control's cursor shows through its parent's window.
        if (FParent && FParent->FHandle && FParent->FHandle->Hover == this)
            FParent->FHandle->ApplyCursor(this);
        return;
    case CM_INTERFACEQUERY:
        Message.Result = 0;
        return;
    case WM_CONTEXTMENU:
        WMContextMenu(Message);
        return;
    default:
        DefaultHandler(Message);
    }
}

void TControl::DefaultHandler(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETTEXTLENGTH:
        Message.Result = GetText().size();
        break;
    default:
        break;
    }
}

TShowPopupMenuProc ShowPopupMenuProc = nullptr;

// LParam holds the screen position, (-1, -1) when the keyboard asked for the menu.
// OnContextPopup comes first (in client coordinates); when it leaves the message
// unhandled the control's own popup menu shows; when there is none, the default handling
// runs (a window passes the message on to its parent).
void TControl::WMContextMenu(TMessage& Message) {
    const TPoint screen{loWordSigned(Message.LParam), hiWordSigned(Message.LParam)};
    const bool fromKeys = screen.X == -1 && screen.Y == -1;
    const TPoint pos = fromKeys ? screen : ScreenToClient(screen);
    bool handled = false;
    DoContextPopup(pos, handled);
    if (handled) {
        Message.Result = 1;
        return;
    }
    if (ShowPopupMenuProc && ShowPopupMenuProc(this, ClientToScreen(fromKeys ? TPoint{0, 0} : pos))) {
        Message.Result = 1;
        return;
    }
    DefaultHandler(Message);
}

bool TControl::HitTest(int X, int Y) {
    return X >= 0 && Y >= 0 && X < FWidth && Y < FHeight;
}

// ---- mouse -------------------------------------------------------------------------------

bool TControl::MouseCapture() const {
    return Mouse->Capture() == this;
}

void TControl::SetMouseCapture(bool Value) {
    if (Value)
        Mouse->SetCapture(this);
    else if (Mouse->Capture() == this)
        Mouse->SetCapture(nullptr);
}

void TControl::HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!FEnabled) return;
    if (Button == mbLeft) g_lastPress = ClientToScreen(TPoint{X, Y});
    if (FDragMode == dmAutomatic && Button == mbLeft && !Shift.Contains(ssDouble) &&
        !ComponentState().Contains(csDesigning)) {
        BeginDrag(Mouse->DragImmediate());
        return;
    }
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    const bool dbl = Shift.Contains(ssDouble);
    if (dbl && !FControlStyle.Contains(csDoubleClicks)) Shift >> ssDouble;
    if (Button == mbLeft) {
        FControlState << csLButtonDown;
        // The press of a double click does not make a second click on release.
        if (FControlStyle.Contains(csClickEvents) && !Shift.Contains(ssDouble)) FControlState << csClicked;
    }
    MouseDown(Button, Shift, X, Y);
    if (Shift.Contains(ssDouble) && Button == mbLeft) DblClick();
}

void TControl::HandleMouseMove(TShiftState Shift, int X, int Y) {
    // While the control is dragged (or about to be), the mouse belongs to the drag.
    if (g_drag.Source == this) {
        DragTo(ClientToScreen(TPoint{X, Y}));
        return;
    }
    MouseMove(Shift, X, Y);
}

void TControl::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (g_drag.Source == this && Button == mbLeft) {
        const bool started = g_drag.Active;
        if (started) DragTo(ClientToScreen(TPoint{X, Y}));
        EndDrag(true);
        // A drag makes no click; one that never started leaves the release to the control as
        // a click.
        if (started) FControlState >> csClicked;
    }
    if (FControlStyle.Contains(csCaptureMouse) && Button == mbLeft)
        SetMouseCapture(false);
    else if (Button != mbLeft && !Shift.Contains(ssLeft))
        SetMouseCapture(false);
    if (Button == mbLeft) {
        FControlState >> csLButtonDown;
        if (FControlState.Contains(csClicked)) {
            FControlState >> csClicked;
            if (ClientRect().Contains(TPoint{X, Y})) Click();
        }
    }
    MouseUp(Button, Shift, X, Y);
}

bool TControl::HandleMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    for (TControl* c = this; c; c = c->Parent())
        if (c->FEnabled && c->DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    return false;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (!handled) {
        if (WheelDelta < 0)
            handled = DoMouseWheelDown(Shift, MousePos);
        else
            handled = DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    bool handled = false;
    if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled) {
    if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

void TControl::Click() {
    // OnClick of its own runs; a click of a control that follows an action executes it.
    TBasicAction* action = Action();
    if (OnClick && action && OnClick != action->OnExecute)
        OnClick(this);
    else if (FActionLink && action && !ComponentState().Contains(csDesigning))
        FActionLink->Execute(this);
    else if (OnClick)
        OnClick(this);
}

TBasicAction* TControl::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* Value) {
    if (!Value) {
        delete FActionLink;
        FActionLink = nullptr;
        FControlStyle >> csActionClient;
        return;
    }
    FControlStyle << csActionClient;
    if (!FActionLink) FActionLink = CreateActionLink();
    if (FActionLink->Action() == Value) return;
    FActionLink->SetAction(Value);
    FActionLink->OnChange = TNotifyEvent(this, &TControl::DoActionChange);
    ActionChange(Value, ComponentState().Contains(csLoading));
    Value->FreeNotification(this);
}

TControlActionLink* TControl::CreateActionLink() {
    return new TControlActionLink(this);
}

void TControl::DoActionChange(TObject* Sender) {
    if (Sender == Action()) ActionChange(Sender, false);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || Caption().isEmpty() || Caption() == Name()) SetCaption(action->Caption());
    if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
    if (!CheckDefaults || Hint().isEmpty()) SetHint(action->Hint());
    if (!CheckDefaults || Visible()) SetVisible(action->Visible());
    if (!CheckDefaults || !OnClick) OnClick = action->OnExecute;
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::ChangeScale(int M, int D) {
    if (M == D || D == 0) return;
    SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
    if (!FParentFont) FFont->SetSize(MulDiv(FFont->Size(), M, D));
}

// ---- streaming ---------------------------------------------------------------------------

void TControl::Loaded() {
    TComponent::Loaded();
    if (TBasicAction* action = Action()) ActionChange(action, true);
    UpdateAnchorRules();
    if (FAutoSize) AdjustSize();
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
    if (Operation == opRemove && FActionLink && AComponent == FActionLink->Action()) SetAction(nullptr);
}

void TControl::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    // Newer designers store the bounds a control had before alignment moved it; they
    // mean nothing at run time.
    for (const char* name : {"ExplicitLeft", "ExplicitTop", "ExplicitWidth", "ExplicitHeight"})
        Filer->DefineProperty(QLatin1String(name), TReaderProc([](TReader* r) { r->ReadInteger(); }),
                              TWriterProc(), false);
}
