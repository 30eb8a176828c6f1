// The class library's action base: an action is a component with OnExecute and OnUpdate
// that clients (controls, menu items) reach through an action link; the link tells its
// client when the action changes and executes the action for it.
//
// Executing routes the action to its targets: TComponent::ExecuteAction answers for a
// component that the action handles (HandlesTarget), and the action lists, the application
// and the forms pass an action on until one component takes it.
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/Event.h"

#include <vector>

class TBasicActionLink;

class TBasicAction : public TComponent {
    ORVO_CLASS(TBasicAction, TComponent)
public:
    explicit TBasicAction(TComponent* AOwner);
    // Lets every link go first, so no client keeps a dangling action.
    ~TBasicAction() override;

    // Whether Target is a component this action acts on (the base: none).
    virtual bool HandlesTarget(TObject* Target);
    virtual void UpdateTarget(TObject* Target);
    virtual void ExecuteTarget(TObject* Target);
    // Fires OnExecute; true when it was assigned.
    virtual bool Execute();
    // Fires OnUpdate; true when it was assigned.
    virtual bool Update();
    // The component (usually a control) that executes the action right now.
    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* Value);

    void RegisterChanges(TBasicActionLink* Value);
    void UnRegisterChanges(TBasicActionLink* Value);
    int ClientCount() const { return static_cast<int>(FClients.size()); }
    TBasicActionLink* Clients(int Index) const { return FClients[size_t(Index)]; }

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

protected:
    // Tells the links (and OnChange) that something of the action changed.
    virtual void Change();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    TNotifyEvent OnChange;

private:
    std::vector<TBasicActionLink*> FClients;
    TComponent* FActionComponent = nullptr;
};

// The tie between one client and its action.
class TBasicActionLink : public TObject {
    ORVO_CLASS(TBasicActionLink, TObject)
public:
    explicit TBasicActionLink(TObject* AClient);
    ~TBasicActionLink() override;

    TBasicAction* Action() const { return FAction; }
    virtual void SetAction(TBasicAction* Value);
    // Executes the action with AComponent as its ActionComponent for the call.
    virtual bool Execute(TComponent* AComponent = nullptr);
    virtual bool Update();
    // Whether the client's OnExecute is the action's (the link fires the action instead).
    virtual bool IsOnExecuteLinked() { return true; }
    virtual void SetOnExecute(const TNotifyEvent& Value) { (void)Value; }

    TNotifyEvent OnChange;

protected:
    friend class TBasicAction;
    virtual void Change();
    TBasicAction* FAction = nullptr;
};
