#include "storage/support/XcPersistent.h"

ORVO_IMPLEMENT_CLASS(TXcPersistent, TComponent)
ORVO_IMPLEMENT_CLASS(TXcPersistentProperty, TXcPersistent)

TXcPersistent::TXcPersistent(TPersistent* AOwner)
    : TComponent(dynamic_cast<TComponent*>(AOwner)), FOwner(AOwner) {
    SetSubComponent(true);
}

String TXcPersistent::GetNamePath() const {
    String result = TComponent::GetNamePath();
    if (!FOwner) return result;
    bool ownerCounts = FOwner->GetOwner() != nullptr;
    if (auto* c = dynamic_cast<TComponent*>(FOwner))
        ownerCounts = ownerCounts || c->ComponentStyle().Contains(csSubComponent);
    if (!ownerCounts) return result;
    const String ownerPath = FOwner->GetNamePath();
    if (ownerPath.isEmpty()) return result;
    return ownerPath + u'.' + result;
}

void TXcPersistentProperty::BeginUpdate() {
    if (FUpdateCount == 0) UpdateStateChanged(true);
    ++FUpdateCount;
}

void TXcPersistentProperty::EndUpdate() {
    if (FUpdateCount == 0) return;
    --FUpdateCount;
    if (FUpdateCount == 0) UpdateStateChanged(false);
}

void TXcPersistentProperty::NotifyChanged() {
    if (FUpdateCount == 0 && OnChanged) OnChanged(this);
}

void TXcPersistentProperty::NotifyChanging() {
    if (FUpdateCount == 0 && OnChanging) OnChanging(this);
}

void TXcPersistentProperty::NotifyPropertyChanged(const String& PropName) {
    if (OnChangedProperty) OnChangedProperty(this, PropName);
}

void TXcPersistentProperty::NotifyPropertyChanging(const String& PropName) {
    if (OnChangingProperty) OnChangingProperty(this, PropName);
}

void TXcPersistentProperty::UpdateStateChanged(bool Updating) {
    if (Updating)
        NotifyChanging();
    else
        NotifyChanged();
}
