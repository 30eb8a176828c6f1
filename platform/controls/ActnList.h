// Actions of the user interface: TCustomAction carries what its clients show (caption,
// checked state, enabling, group, hint, image, visibility) and tells every linked client
// of a change; an action list groups actions and their images; THintAction carries the
// application's hint to whichever control shows hints (a status bar with AutoHint).
//
// Executing a contained action asks, in turn, its action list, the action's own
// OnExecute, and the active form (its active control, the form, then every control on it
// through ExecuteAction) until one takes it.
#pragma once

#include "platform/classes/Action.h"

#include <vector>

class TCustomActionList;
class TCustomImageList;
class TControl;
class TCustomForm;

using TActionEvent = TEvent<TBasicAction*, bool&>;

class TContainedAction : public TBasicAction {
    ORVO_CLASS(TContainedAction, TBasicAction)
public:
    explicit TContainedAction(TComponent* AOwner);
    ~TContainedAction() override;

    TCustomActionList* ActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* Value);
    String Category() const { return FCategory; }
    void SetCategory(const String& Value);
    int Index() const;

    // The action list, then OnExecute, then the active form's controls.
    bool Execute() override;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

private:
    friend class TCustomActionList;
    TCustomActionList* FActionList = nullptr;
    String FCategory;
};

class TCustomAction : public TContainedAction {
    ORVO_CLASS(TCustomAction, TContainedAction)
public:
    explicit TCustomAction(TComponent* AOwner);

    String Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    bool Checked() const { return FChecked; }
    // Checking an action of a group (GroupIndex > 0) unchecks the others of its list.
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    String Hint() const { return FHint; }
    void SetHint(const String& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value);
    bool DisableIfNoHandler() const { return FDisableIfNoHandler; }
    void SetDisableIfNoHandler(bool Value) { FDisableIfNoHandler = Value; }

    // Nothing when disabled; AutoCheck toggles Checked (a checked group action stays).
    bool Execute() override;

private:
    template <class V, class F> void Propagate(F Setter, const V& Value);
    String FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    int FGroupIndex = 0;
    String FHint;
    int FImageIndex = -1;
    bool FVisible = true;
    bool FAutoCheck = false;
    bool FDisableIfNoHandler = true;
};

class TAction : public TCustomAction {
    ORVO_CLASS(TAction, TCustomAction)
public:
    explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};

// Carries a hint text to the control that shows hints; the application executes one when
// its hint changes and no OnHint takes it.
class THintAction : public TCustomAction {
    ORVO_CLASS(THintAction, TCustomAction)
public:
    explicit THintAction(TComponent* AOwner);
};

class TCustomActionList : public TComponent {
    ORVO_CLASS(TCustomActionList, TComponent)
public:
    explicit TCustomActionList(TComponent* AOwner);
    ~TCustomActionList() override;

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    TContainedAction* Actions(int Index) const { return FActions[size_t(Index)]; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // OnExecute of the list; true when it set Handled.
    bool ExecuteAction(TBasicAction* Action) override;

    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

    TActionEvent OnExecute;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TContainedAction;
    void AddAction(TContainedAction* Action);
    void RemoveAction(TContainedAction* Action);
    std::vector<TContainedAction*> FActions;
    TCustomImageList* FImages = nullptr;
};

class TActionList : public TCustomActionList {
    ORVO_CLASS(TActionList, TCustomActionList)
public:
    explicit TActionList(TComponent* AOwner) : TCustomActionList(AOwner) {}
};

// A link that passes each change of a TCustomAction on to its client.
class TActionLink : public TBasicActionLink {
    ORVO_CLASS(TActionLink, TBasicActionLink)
public:
    explicit TActionLink(TObject* AClient) : TBasicActionLink(AClient) {}

    TCustomAction* CustomAction() const;
    virtual bool IsCaptionLinked() { return CustomAction(); }
    virtual bool IsCheckedLinked() { return CustomAction(); }
    virtual bool IsEnabledLinked() { return CustomAction(); }
    virtual bool IsGroupIndexLinked() { return CustomAction(); }
    virtual bool IsHintLinked() { return CustomAction(); }
    virtual bool IsImageIndexLinked() { return CustomAction(); }
    virtual bool IsVisibleLinked() { return CustomAction(); }
    virtual void SetCaption(const String& Value) { (void)Value; }
    virtual void SetChecked(bool Value) { (void)Value; }
    virtual void SetEnabled(bool Value) { (void)Value; }
    virtual void SetGroupIndex(int Value) { (void)Value; }
    virtual void SetHint(const String& Value) { (void)Value; }
    virtual void SetImageIndex(int Value) { (void)Value; }
    virtual void SetVisible(bool Value) { (void)Value; }
};

// The link of a control: the control's caption, enabling, hint, visibility and OnClick
// follow the action while they still equal the action's.
class TControlActionLink : public TActionLink {
    ORVO_CLASS(TControlActionLink, TActionLink)
public:
    explicit TControlActionLink(TObject* AClient);

    bool IsCaptionLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const String& Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(const TNotifyEvent& Value) override;

protected:
    TControl* FClient;
};

// Offers Action to the active form (else the main form): its active control, the form
// itself, then every visible control on it, depth first; true when one took it.
bool ExecuteActionOnActiveForm(TBasicAction* Action);
bool ExecuteActionOnForm(TCustomForm* Form, TBasicAction* Action);
