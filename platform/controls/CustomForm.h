// TCustomForm and TForm: top-level windows read from their form resource. Constructing a
// form reads the resource named after its class in upper case (and those of its ancestor
// forms), which creates the controls and binds the published fields and handlers; OnCreate
// runs after the constructor body. A form can also be embedded in another control by
// giving it a Parent.
#pragma once

#include "platform/controls/ScrollingWinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
ORVO_DECLARE_ENUM_TYPE(TFormBorderStyle)
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
ORVO_DECLARE_ENUM_TYPE(TBorderIcon)
using TBorderIcons = Set<TBorderIcon>;
ORVO_DECLARE_SET_TYPE(TBorderIcons)
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
ORVO_DECLARE_ENUM_TYPE(TWindowState)
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
ORVO_DECLARE_ENUM_TYPE(TFormStyle)
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
ORVO_DECLARE_ENUM_TYPE(TPosition)
enum TCloseAction { caNone, caHide, caFree, caMinimize };
ORVO_DECLARE_ENUM_TYPE(TCloseAction)
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = Set<TFormStateItem>;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
ORVO_DECLARE_EVENT_TYPE(TCloseEvent)

class TCustomForm : public TScrollingWinControl {
    ORVO_CLASS(TCustomForm, TScrollingWinControl)
public:
    // Creates the form; its resource is read when the object is complete (see
    // AfterConstruction), and a form class other than TForm without a resource raises
    // EResNotFound.
    explicit TCustomForm(TComponent* AOwner);
    // CreateNew: a form without resource.
    TCustomForm(TComponent* AOwner, int Dummy);
    ~TCustomForm() override;
    // Reads the form resource, then runs OnCreate.
    void AfterConstruction() override;
    // Runs OnDestroy.
    void BeforeDestruction() override;

    bool IsTopLevel() const override { return Parent() == nullptr; }
    TFormState FormState() const { return FFormState; }

    // ---- window ----
    void Show();
    void Hide();
    void SetVisible(bool Value) override;
    bool Showing() const override;
    // Runs OnCloseQuery, then OnClose; hides or frees the form as the close action says.
    // Closing the main form ends the application.
    void Close();
    // Whether the form may close: OnCloseQuery and those of its child forms.
    virtual bool CloseQuery();
    // Frees the form once the messages already queued were handled.
    void Release();
    // Shows the form modally: runs a nested message loop until ModalResult is set (a
    // button with a ModalResult sets it on click; closing gives mrCancel), with the other
    // windows disabled; timers and posted messages keep running. Goes through the modal
    // hook of the dialog unit when one is installed.
    virtual int ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    void BringToFrontWindow();
    // Shows the form in the window manager's full-screen state on the monitor that holds
    // Control (the primary monitor when Control is null or not on a monitor yet). Hiding
    // the form or setting WindowState leaves the state.
    void ShowFullScreen(TControl* Control = nullptr);
    // The window is in the full-screen state.
    bool FullScreen() const;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons Value);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState Value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle Value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool Value) { FKeyPreview = Value; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value) { FScaled = Value; }
    void ScaleBy(int M, int D);
    String HelpFile() const { return FHelpFile; }
    void SetHelpFile(const String& Value) { FHelpFile = Value; }
    bool Active() const { return FActive; }

    // ---- focus ----
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* Control);
    // Moves the focus to Control (when it can take it), running OnExit/OnEnter.
    void FocusControl(TWinControl* Control);
    // Records Control as focused (told by the window glue); false when refused.
    bool SetFocusedControl(TWinControl* Control);
    void DefocusControl(TWinControl* Control, bool Removing);
    bool Focused() const override;
    void SetFocus() override;

    // Events.
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;

    void Dispatch(TMessage& Message) override;

protected:
    virtual void DoCreate();
    virtual void DoDestroy();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();
    virtual void Paint();
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void PaintWindow(HDC DC) override;
    void ShowingChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ReadState(TReader* Reader) override;
    void Loaded() override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void ValidateRename(TComponent* AComponent, const String& CurName, const String& NewName) override;
    // The dialog keys the form handles itself: Tab and arrows move the focus, then the
    // key is broadcast to the controls (default and cancel buttons).
    virtual void CMDialogKey(TMessage& Message);
    // Places the window as Position says when it is first shown.
    void ApplyPosition();

    friend class TApplication;

private:
    void ActivateWindow(bool Value);
    TFormState FFormState;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TWindowState FWindowState = wsNormal;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDefaultPosOnly;
    TModalResult FModalResult = mrNone;
    bool FKeyPreview = false;
    bool FOldCreateOrder = false;
    int FPixelsPerInch = 96;
    bool FScaled = true;
    bool FActive = false;
    bool FCreateNew = false;
    bool FConstructed = false;
    bool FPositioned = false;
    bool FFullScreen = false;
    String FHelpFile;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
};

class TForm : public TCustomForm {
    ORVO_CLASS(TForm, TCustomForm)
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
    TForm(TComponent* AOwner, int Dummy) : TCustomForm(AOwner, Dummy) {}
};
