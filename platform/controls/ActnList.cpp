#include "platform/controls/ActnList.h"

#include "platform/classes/TypInfo.h"
#include "platform/controls/Application.h"
#include "platform/controls/Control.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/ImageList.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TContainedAction, TBasicAction)
ORVO_IMPLEMENT_CLASS(TCustomAction, TContainedAction)
ORVO_IMPLEMENT_CLASS(TAction, TCustomAction)
ORVO_IMPLEMENT_CLASS(THintAction, TCustomAction)
ORVO_IMPLEMENT_CLASS(TCustomActionList, TComponent)
ORVO_IMPLEMENT_CLASS(TActionList, TCustomActionList)
ORVO_IMPLEMENT_CLASS(TActionLink, TBasicActionLink)
ORVO_IMPLEMENT_CLASS(TControlActionLink, TActionLink)

// ---- TContainedAction ----

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction() {
    SetActionList(nullptr);
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
    if (Value == FActionList) return;
    if (FActionList) FActionList->RemoveAction(this);
    if (Value) Value->AddAction(this);
}

void TContainedAction::SetCategory(const String& Value) {
    if (Value == FCategory) return;
    FCategory = Value;
    Change();
}

int TContainedAction::Index() const {
    if (!FActionList) return -1;
    const auto& list = FActionList->FActions;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

bool TContainedAction::Execute() {
    if (FActionList && FActionList->ExecuteAction(this)) return true;
    if (TBasicAction::Execute()) return true;
    return ExecuteActionOnActiveForm(this);
}

TComponent* TContainedAction::GetParentComponent() const {
    return FActionList ? static_cast<TComponent*>(FActionList) : TBasicAction::GetParentComponent();
}

void TContainedAction::SetParentComponent(TComponent* Value) {
    if (auto* list = dynamic_cast<TCustomActionList*>(Value)) SetActionList(list);
}

// ---- TCustomAction ----

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

// Tells every client link first (a link compares its client with the old value), then
// the caller stores the value and the action reports the change.
template <class V, class F> void TCustomAction::Propagate(F Setter, const V& Value) {
    for (int i = 0; i < ClientCount(); ++i)
        if (auto* link = dynamic_cast<TActionLink*>(Clients(i))) (link->*Setter)(Value);
}

void TCustomAction::SetCaption(const String& Value) {
    if (Value == FCaption) return;
    Propagate(&TActionLink::SetCaption, Value);
    FCaption = Value;
    Change();
}

void TCustomAction::SetChecked(bool Value) {
    if (Value == FChecked) return;
    Propagate(&TActionLink::SetChecked, Value);
    FChecked = Value;
    if (Value && FGroupIndex > 0 && ActionList()) {
        for (int i = 0; i < ActionList()->ActionCount(); ++i) {
            auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
            if (other && other != this && other->FGroupIndex == FGroupIndex) other->SetChecked(false);
        }
    }
    Change();
}

void TCustomAction::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    Propagate(&TActionLink::SetEnabled, Value);
    FEnabled = Value;
    Change();
}

void TCustomAction::SetGroupIndex(int Value) {
    if (Value == FGroupIndex) return;
    Propagate(&TActionLink::SetGroupIndex, Value);
    FGroupIndex = Value;
    Change();
}

void TCustomAction::SetHint(const String& Value) {
    if (Value == FHint) return;
    Propagate(&TActionLink::SetHint, Value);
    FHint = Value;
    Change();
}

void TCustomAction::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    Propagate(&TActionLink::SetImageIndex, Value);
    FImageIndex = Value;
    Change();
}

void TCustomAction::SetVisible(bool Value) {
    if (Value == FVisible) return;
    Propagate(&TActionLink::SetVisible, Value);
    FVisible = Value;
    Change();
}

void TCustomAction::SetAutoCheck(bool Value) {
    if (Value == FAutoCheck) return;
    FAutoCheck = Value;
    Change();
}

bool TCustomAction::Execute() {
    Update();
    if (!FEnabled) return false;
    if (FAutoCheck && (!FChecked || FGroupIndex == 0)) SetChecked(!FChecked);
    return TContainedAction::Execute();
}

THintAction::THintAction(TComponent* AOwner) : TCustomAction(AOwner) {
    SetDisableIfNoHandler(false);
}

// ---- TCustomActionList ----

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList() {
    while (!FActions.empty())
        FActions.back()->SetActionList(nullptr);
    SetImages(nullptr);
}

void TCustomActionList::SetImages(TCustomImageList* Value) {
    if (Value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
    bool handled = false;
    if (OnExecute) OnExecute(Action, handled);
    return handled;
}

void TCustomActionList::GetChildren(TGetChildProc Proc, TComponent* Root) {
    for (TContainedAction* a : FActions)
        if (a->Owner() == Root) Proc(a);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) FImages = nullptr;
    if (auto* a = dynamic_cast<TContainedAction*>(AComponent)) RemoveAction(a);
}

void TCustomActionList::AddAction(TContainedAction* Action) {
    FActions.push_back(Action);
    Action->FActionList = this;
    Action->FreeNotification(this);
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
    const auto it = std::find(FActions.begin(), FActions.end(), Action);
    if (it == FActions.end()) return;
    FActions.erase(it);
    Action->FActionList = nullptr;
    Action->RemoveFreeNotification(this);
}

// ---- links ----

TCustomAction* TActionLink::CustomAction() const {
    return dynamic_cast<TCustomAction*>(FAction);
}

TControlActionLink::TControlActionLink(TObject* AClient)
    : TActionLink(AClient), FClient(dynamic_cast<TControl*>(AClient)) {}

bool TControlActionLink::IsCaptionLinked() {
    return TActionLink::IsCaptionLinked() && FClient && FClient->Caption() == CustomAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() {
    return TActionLink::IsEnabledLinked() && FClient && FClient->Enabled() == CustomAction()->Enabled();
}

bool TControlActionLink::IsHintLinked() {
    return TActionLink::IsHintLinked() && FClient && FClient->Hint() == CustomAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() {
    return TActionLink::IsVisibleLinked() && FClient && FClient->Visible() == CustomAction()->Visible();
}

bool TControlActionLink::IsOnExecuteLinked() {
    return FAction && FClient && FClient->OnClick == FAction->OnExecute;
}

void TControlActionLink::SetCaption(const String& Value) {
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TControlActionLink::SetHint(const String& Value) {
    if (IsHintLinked()) FClient->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked()) FClient->SetVisible(Value);
}

void TControlActionLink::SetOnExecute(const TNotifyEvent& Value) {
    if (IsOnExecuteLinked()) FClient->OnClick = Value;
}

// ---- routing ----

namespace {
bool TraverseClients(TWinControl* Container, TBasicAction* Action) {
    for (int i = 0; i < Container->ControlCount(); ++i) {
        TControl* c = Container->Controls(i);
        if (!c->Visible()) continue;
        if (c->ExecuteAction(Action)) return true;
        if (auto* w = dynamic_cast<TWinControl*>(c); w && TraverseClients(w, Action)) return true;
    }
    return false;
}
} // namespace

bool ExecuteActionOnForm(TCustomForm* Form, TBasicAction* Action) {
    if (!Form || !Action) return false;
    if (TWinControl* active = Form->ActiveControl(); active && active->ExecuteAction(Action)) return true;
    if (Form->ExecuteAction(Action)) return true;
    return TraverseClients(Form, Action);
}

bool ExecuteActionOnActiveForm(TBasicAction* Action) {
    TCustomForm* form = Screen ? Screen->ActiveCustomForm() : nullptr;
    if (!form && Application) form = Application->MainForm();
    return ExecuteActionOnForm(form, Action);
}

ORVO_PUBLISHED(TAction) {
    P.Property("Category", &TAction::Category, &TAction::SetCategory);
    P.Property("AutoCheck", &TAction::AutoCheck, &TAction::SetAutoCheck).Default(false);
    P.Property("Caption", &TAction::Caption, &TAction::SetCaption);
    P.Property("Checked", &TAction::Checked, &TAction::SetChecked).Default(false);
    P.Property("Enabled", &TAction::Enabled, &TAction::SetEnabled).Default(true);
    P.Property("GroupIndex", &TAction::GroupIndex, &TAction::SetGroupIndex).Default(0);
    P.Property("Hint", &TAction::Hint, &TAction::SetHint);
    P.Property("ImageIndex", &TAction::ImageIndex, &TAction::SetImageIndex).Default(-1);
    P.Property("Visible", &TAction::Visible, &TAction::SetVisible).Default(true);
    P.Property("OnExecute", &TAction::OnExecute);
    P.Property("OnUpdate", &TAction::OnUpdate);
}

ORVO_PUBLISHED(TActionList) {
    P.Property(
        "Images", [](TActionList* l) -> TComponent* { return l->Images(); },
        [](TActionList* l, TComponent* c) { l->SetImages(dynamic_cast<TCustomImageList*>(c)); });
}
