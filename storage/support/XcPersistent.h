// Option blocks owned by another object (TXcPersistent) and option blocks that report
// their changes (TXcPersistentProperty).
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/Event.h"

// Sender and the name of the property that changes.
using TXcPropertyChangeEvent = TEvent<TObject*, const String&>;

// A component that lives as part of its owner: it is a sub-component of the owner when
// the owner is a component, and its name path is the owner's, a point and its own.
class TXcPersistent : public TComponent {
    ORVO_CLASS(TXcPersistent, TComponent)
public:
    explicit TXcPersistent(TPersistent* AOwner);

    TPersistent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }
    String GetNamePath() const override;

private:
    TPersistent* FOwner;
};

// Changing/Changed fire only outside update brackets; the property-level events always.
class TXcPersistentProperty : public TXcPersistent {
    ORVO_CLASS(TXcPersistentProperty, TXcPersistent)
public:
    explicit TXcPersistentProperty(TPersistent* AOwner) : TXcPersistent(AOwner) {}

    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TNotifyEvent OnChanging;
    TNotifyEvent OnChanged;
    TXcPropertyChangeEvent OnChangingProperty;
    TXcPropertyChangeEvent OnChangedProperty;

protected:
    virtual void NotifyChanged();
    virtual void NotifyChanging();
    virtual void NotifyPropertyChanged(const String& PropName);
    virtual void NotifyPropertyChanging(const String& PropName);
    virtual void UpdateStateChanged(bool Updating);

private:
    int FUpdateCount = 0;
};
