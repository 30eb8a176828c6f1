// TXcCustomThreadDialogForm: the progress dialog form of a worker-thread component. It
// belongs to its TXcThread, cannot be closed while a thread of the component runs, shows
// itself when the show delay has run out (modally when the options say so) and closes
// itself once no thread runs. A concrete dialog adds its controls (CreateControls), fills
// them (UpdateContents) and takes its options (TransferOptions).
#pragma once

#include "controls/XcForm.h"

class TTimer;
class TXcThread;
class TXcCustomThreadDialogOptions;

class TXcCustomThreadDialogForm : public TXcForm {
    ORVO_CLASS(TXcCustomThreadDialogForm, TXcForm)
public:
    // CreateNew: AOwner must be the TXcThread the form reports on; anything else raises
    // EXCLException "TXcCustomThreadDialogForm.SetConnectedThread: A thread must be a
    // TXcThread-Component".
    TXcCustomThreadDialogForm(TComponent* AOwner, int Dummy = 0);
    ~TXcCustomThreadDialogForm() override;

    TXcThread* ConnectedThread() const { return FConnectedThread; }
    TObject* ConnectedDataObject() const { return FConnectedDataObject; }
    void SetConnectedDataObject(TObject* Value) { FConnectedDataObject = Value; }
    // Milliseconds between two looks at the threads; 0 or less is stored as 1.
    int InternalTimerInterval() const;
    void SetInternalTimerInterval(int Value);
    // Milliseconds left before the form shows.
    int ShowDelay() const { return FShowDelay; }
    void SetShowDelay(int Value) { FShowDelay = Value; }

    virtual void CreateControls() {}
    virtual void UpdateContents() {}
    virtual void TransferOptions(TXcCustomThreadDialogOptions* Options) { (void)Options; }

    // Shows the form (modally when the options say so) unless the component does not
    // allow the dialog now.
    void ShowDialog();
    // Hides the form; a modal one ends with mrCancel.
    void CloseDialog();
    // The Cancel button: OnPressCancel of the dialog component, else the thread
    // component's CancelExecute; the form stays open.
    void DefaultCancelBtnClick(TObject* Sender);
    // One look at the threads (the internal timer's tick).
    void InternalTimerTick(TObject* Sender);
    // Closable only when no thread of the component runs, then as OnCloseQuery says.
    bool CloseQuery() override;

private:
    bool ShowsModally() const;

    TXcThread* FConnectedThread = nullptr;
    TObject* FConnectedDataObject = nullptr;
    TTimer* FInternalTimer = nullptr;
    int FShowDelay = 0;
    bool FModalShown = false;
};
