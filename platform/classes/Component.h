// TComponent: named objects owned by other components. An owner destroys what it owns;
// a component being destroyed tells every component that asked for it (free
// notification), and its owner passes the news on to everything it owns.
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"

#include <vector>

class TReader;
class TWriter;
class TFiler;
class TBasicAction;

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = Set<TComponentStateItem>;

enum TComponentStyleItem { csInheritable, csCheckPropAvail, csSubComponent, csTransient };
using TComponentStyle = Set<TComponentStyleItem>;

// Called by GetChildren for each child to be streamed.
using TGetChildProc = TEvent<TComponent*>;

class TComponent : public TPersistent {
    ORVO_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* AOwner);
    // Marks the component and everything it owns as destroying, tells the components
    // that asked for a free notification, destroys the owned components (last first)
    // and leaves the owner.
    ~TComponent() override;
    // Run by FreeObject before the destructors: sets csDestroying early, so that the
    // destructors of derived classes can see it.
    void BeforeDestruction() override;

    TComponent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // The owned component at Index (EListError outside 0..ComponentCount-1).
    TComponent* Components(int Index) const;
    // Position in the owner's list, -1 without owner. Setting it moves the component
    // (the value is clamped to the list).
    int ComponentIndex() const;
    void SetComponentIndex(int Value);
    // The owned component named AName, compared case-insensitively; nullptr if none.
    TComponent* FindComponent(const String& AName) const;

    const String& Name() const { return FName; }
    // Renames after checking the syntax (an identifier, or empty) and, through the
    // owner's ValidateRename, the uniqueness among the owner's components.
    virtual void SetName(const String& NewName);

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();
    // Sets csDestroying on this component and the ones it owns.
    void Destroying();

    TComponentState ComponentState() const { return FComponentState; }
    TComponentStyle ComponentStyle() const { return FComponentStyle; }
    // A sub-component is streamed as part of its owner.
    void SetSubComponent(bool IsSubComponent);

    // Asks AComponent to be told (Notification(this, opRemove)) when this component is
    // destroyed; the link is kept both ways.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    NativeInt Tag() const { return FTag; }
    void SetTag(NativeInt Value) { FTag = Value; }

    String GetNamePath() const override;

    // Streaming hooks.
    virtual void GetChildren(TGetChildProc Proc, TComponent* Root);
    virtual TComponent* GetChildOwner();
    virtual TComponent* GetChildParent();
    virtual bool HasParent() const;
    virtual TComponent* GetParentComponent() const;
    virtual void SetParentComponent(TComponent* Value);

    // Registration of a component server with the system: there is none on this platform,
    // so the base does nothing; classes that override it keep their place in the chain.
    virtual void UpdateRegistry(bool Register, const String& ClassID, const String& ProgID) {
        (void)Register;
        (void)ClassID;
        (void)ProgID;
    }

    // Runs Action on this component when the action handles it (HandlesTarget); true when
    // it did. Controls and forms override it to take actions of their own.
    virtual bool ExecuteAction(TBasicAction* Action);
    // Updates Action for this component when the action handles it; true when it did.
    virtual bool UpdateAction(TBasicAction* Action);

protected:
    // Called after the component and its whole root were read from a stream.
    virtual void Loaded();
    // Told of a component inserted into or removed from the owner, or of the
    // destruction of a component this one asked to watch. The base drops the free
    // notification link and passes the news to every owned component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    virtual void ChangeName(const String& NewName);
    // Raises EComponentError when AComponent (owned here) cannot be renamed to NewName.
    virtual void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName);
    // Called on a component about to be inserted into AComponent; asks
    // AComponent->ValidateInsert(this).
    virtual void ValidateContainer(TComponent* AComponent);
    virtual void ValidateInsert(TComponent* AComponent);
    virtual void SetChildOrder(TComponent* Child, int Order);
    virtual void ReadState(TReader* Reader);
    virtual void WriteState(TWriter* Writer);
    void Updating();
    void Updated();
    void SetDesigning(bool Value, bool SetChildren = true);
    void SetAncestor(bool Value);
    void SetInline(bool Value);

    friend class TFiler;
    friend class TReader;
    friend class TWriter;

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void ClearReference(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);
    void RemoveFreeNotifications();

    TComponent* FOwner = nullptr;
    String FName;
    NativeInt FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
    TComponentStyle FComponentStyle{csInheritable};
};
