#include "platform/classes/Component.h"

#include "platform/classes/Action.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TComponent, TPersistent)

namespace {
// A component name: a letter or underscore, then letters, digits and underscores.
bool isValidIdent(const String& s) {
    if (s.isEmpty()) return false;
    auto alpha = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_';
    };
    if (!alpha(s[0])) return false;
    return std::all_of(s.begin() + 1, s.end(),
                       [&](QChar c) { return alpha(c) || (c.unicode() >= u'0' && c.unicode() <= u'9'); });
}

void eraseOne(std::vector<TComponent*>& v, TComponent* c) {
    const auto it = std::find(v.begin(), v.end(), c);
    if (it != v.end()) v.erase(it);
}
} // namespace

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::BeforeDestruction() {
    if (!FComponentState.Contains(csDestroying)) Destroying();
}

void TComponent::Destroying() {
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState << csDestroying;
    for (TComponent* c : FComponents)
        c->Destroying();
}

TComponent* TComponent::Components(int Index) const {
    if (Index < 0 || Index >= ComponentCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FComponents[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    const auto& list = FOwner->FComponents;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetComponentIndex(int Value) {
    const int current = ComponentIndex();
    if (current < 0) return;
    auto& list = FOwner->FComponents;
    const int count = static_cast<int>(list.size());
    Value = std::clamp(Value, 0, count - 1);
    if (Value == current) return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + Value, this);
}

TComponent* TComponent::FindComponent(const String& AName) const {
    if (AName.isEmpty()) return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, AName)) return c;
    return nullptr;
}

void TComponent::SetName(const String& NewName) {
    if (FName == NewName) return;
    if (!NewName.isEmpty() && !isValidIdent(NewName))
        throw EComponentError::CreateResFmt(&SInvalidName, {NewName});
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    ChangeName(NewName);
}

void TComponent::ChangeName(const String& NewName) {
    FName = NewName;
}

// Asked of the owner (present or future) of AComponent; also checks a component that is
// about to be inserted here, so that no two owned components share a name.
void TComponent::ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName) {
    if (!AComponent || SameText(CurName, NewName)) return;
    const TComponent* found = FindComponent(NewName);
    if (found && found != AComponent) throw EComponentError::CreateResFmt(&SDuplicateName, {NewName});
}

void TComponent::ValidateContainer(TComponent* AComponent) {
    AComponent->ValidateInsert(this);
}

void TComponent::ValidateInsert(TComponent*) {}

void TComponent::InsertComponent(TComponent* AComponent) {
    AComponent->ValidateContainer(this);
    // The name must be free here before the component leaves its current owner, so a
    // refused insertion changes nothing.
    if (AComponent->FOwner != this) ValidateRename(AComponent, String(), AComponent->FName);
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    // Only an owned component can leave: clearing the owner of another owner's component
    // would leave it listed there, to be destroyed twice.
    if (!AComponent || AComponent->FOwner != this) return;
    ValidateRename(AComponent, AComponent->FName, String());
    Notification(AComponent, opRemove);
    ClearReference(AComponent);
    Remove(AComponent);
}

// A named component leaving its owner (freed or re-owned) is no longer reachable through
// the owner's published field of its name; a field pointing elsewhere is left alone.
void TComponent::ClearReference(TComponent* AComponent) {
    const String& name = AComponent->FName;
    if (name.isEmpty()) return;
    bool found = false;
    TObject* field = GetPublishedField(this, name, &found);
    if (found && field == AComponent) SetPublishedField(this, name, nullptr);
}

void TComponent::Insert(TComponent* AComponent) {
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
    AComponent->FOwner = nullptr;
    eraseOne(FComponents, AComponent);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* instance = FComponents.back();
        // A component that others watch leaves through RemoveComponent, so that the
        // components owned here hear of it; the others leave quietly.
        if (instance->FComponentState.Contains(csFreeNotification))
            RemoveComponent(instance);
        else
            Remove(instance);
        FreeObject(instance);
    }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    // Last first; a handler may remove components, so the position is re-checked.
    int i = ComponentCount() - 1;
    while (i >= 0) {
        FComponents[static_cast<size_t>(i)]->Notification(AComponent, Operation);
        --i;
        if (i >= ComponentCount()) i = ComponentCount() - 1;
    }
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    // Components of one owner hear of each other through the owner; others keep a link.
    if (!FOwner || AComponent->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(AComponent);
            AComponent->FreeNotification(this);
        }
    }
    FComponentState << csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    if (!AComponent) return;
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
    eraseOne(FFreeNotifies, AComponent);
}

void TComponent::RemoveFreeNotifications() {
    // Each link is dropped on both sides before the other component is told, so a
    // Notification that does not call the inherited one cannot make this loop forever.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->RemoveNotification(this);
        other->Notification(this, opRemove);
    }
}

void TComponent::SetSubComponent(bool IsSubComponent) {
    if (IsSubComponent)
        FComponentStyle << csSubComponent;
    else
        FComponentStyle >> csSubComponent;
}

String TComponent::GetNamePath() const {
    return FName;
}

void TComponent::Loaded() {
    FComponentState >> csLoading;
}

void TComponent::Updating() {
    FComponentState << csUpdating;
}

void TComponent::Updated() {
    FComponentState >> csUpdating;
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
    if (Value)
        FComponentState << csDesigning;
    else
        FComponentState >> csDesigning;
    if (SetChildren)
        for (TComponent* c : FComponents)
            c->SetDesigning(Value, true);
}

void TComponent::SetAncestor(bool Value) {
    if (Value)
        FComponentState << csAncestor;
    else
        FComponentState >> csAncestor;
    for (TComponent* c : FComponents)
        c->SetAncestor(Value);
}

void TComponent::SetInline(bool Value) {
    if (Value)
        FComponentState << csInline;
    else
        FComponentState >> csInline;
}

void TComponent::GetChildren(TGetChildProc, TComponent*) {}

TComponent* TComponent::GetChildOwner() {
    return nullptr;
}

TComponent* TComponent::GetChildParent() {
    return this;
}

bool TComponent::HasParent() const {
    return false;
}

TComponent* TComponent::GetParentComponent() const {
    return nullptr;
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::SetChildOrder(TComponent*, int) {}

// Reading and writing a component's own state belong to the component streaming, which
// provides the bodies; without it a component streams nothing of its own.
void TComponent::ReadState(TReader*) {}

void TComponent::WriteState(TWriter*) {}

bool TComponent::ExecuteAction(TBasicAction* Action) {
    if (!Action || !Action->HandlesTarget(this)) return false;
    Action->ExecuteTarget(this);
    return true;
}

bool TComponent::UpdateAction(TBasicAction* Action) {
    if (!Action || !Action->HandlesTarget(this)) return false;
    Action->UpdateTarget(this);
    return true;
}
