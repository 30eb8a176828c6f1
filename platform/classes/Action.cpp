#include "platform/classes/Action.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TBasicAction, TComponent)
ORVO_IMPLEMENT_CLASS(TBasicActionLink, TObject)

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
    while (!FClients.empty())
        FClients.back()->SetAction(nullptr);
    SetActionComponent(nullptr);
}

bool TBasicAction::HandlesTarget(TObject*) {
    return false;
}

void TBasicAction::UpdateTarget(TObject*) {}

void TBasicAction::ExecuteTarget(TObject*) {}

bool TBasicAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::SetActionComponent(TComponent* Value) {
    if (FActionComponent == Value) return;
    if (FActionComponent) FActionComponent->RemoveFreeNotification(this);
    FActionComponent = Value;
    if (FActionComponent) FActionComponent->FreeNotification(this);
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
    if (!Value || std::find(FClients.begin(), FClients.end(), Value) != FClients.end()) return;
    Value->FAction = this;
    FClients.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) {
    const auto it = std::find(FClients.begin(), FClients.end(), Value);
    if (it == FClients.end()) return;
    FClients.erase(it);
    Value->FAction = nullptr;
}

void TBasicAction::Change() {
    if (OnChange) OnChange(this);
    // A client may drop its link while it follows the change: walk a copy.
    const std::vector<TBasicActionLink*> clients = FClients;
    for (TBasicActionLink* link : clients)
        if (std::find(FClients.begin(), FClients.end(), link) != FClients.end()) link->Change();
}

void TBasicAction::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FActionComponent) FActionComponent = nullptr;
}

TBasicActionLink::TBasicActionLink(TObject*) {}

TBasicActionLink::~TBasicActionLink() {
    if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
    if (Value == FAction) return;
    if (FAction) FAction->UnRegisterChanges(this);
    FAction = Value;
    if (Value) Value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
    if (!FAction) return false;
    TBasicAction* action = FAction;
    action->SetActionComponent(AComponent);
    struct Reset {
        TBasicAction* A;
        ~Reset() { A->SetActionComponent(nullptr); }
    } reset{action};
    return action->Execute();
}

bool TBasicActionLink::Update() {
    return FAction && FAction->Update();
}

void TBasicActionLink::Change() {
    if (OnChange) OnChange(FAction);
}
