#include "controls/XcThreadDialogForm.h"

#include "controls/XcThread.h"
#include "platform/controls/Timer.h"
#include "storage/support/XcComponent.h"

ORVO_IMPLEMENT_CLASS(TXcCustomThreadDialogForm, TXcForm)

namespace {
TXcThread* RequireThread(TComponent* AOwner) {
    auto* thread = dynamic_cast<TXcThread*>(AOwner);
    if (!thread)
        throw EXCLException(QStringLiteral(
            "TXcCustomThreadDialogForm.SetConnectedThread: A thread must be a TXcThread-Component"));
    return thread;
}
} // namespace

TXcCustomThreadDialogForm::TXcCustomThreadDialogForm(TComponent* AOwner, int Dummy)
    : TXcForm(RequireThread(AOwner), Dummy), FConnectedThread(static_cast<TXcThread*>(AOwner)) {
    FInternalTimer = new TTimer(this);
    FInternalTimer->SetInterval(500);
    FInternalTimer->SetOnTimer(TNotifyEvent(this, &TXcCustomThreadDialogForm::InternalTimerTick));
    FInternalTimer->SetEnabled(true);
}

TXcCustomThreadDialogForm::~TXcCustomThreadDialogForm() {
    if (FInternalTimer) FInternalTimer->SetEnabled(false);
}

int TXcCustomThreadDialogForm::InternalTimerInterval() const {
    return int(FInternalTimer->Interval());
}

void TXcCustomThreadDialogForm::SetInternalTimerInterval(int Value) {
    FInternalTimer->SetInterval(Value <= 0 ? 1 : Value);
}

bool TXcCustomThreadDialogForm::ShowsModally() const {
    TXcCustomThreadDialog* dialog = FConnectedThread ? FConnectedThread->ThreadDialog() : nullptr;
    return dialog && dialog->DialogOptions()->ShowModal();
}

void TXcCustomThreadDialogForm::ShowDialog() {
    if (Visible() || !FConnectedThread) return;
    if (!FConnectedThread->ThreadDialogAllowed() || FConnectedThread->IsDialogShowDelayDisabled()) return;
    UpdateContents();
    if (ShowsModally()) {
        FModalShown = true;
        struct Reset {
            bool& Flag;
            ~Reset() { Flag = false; }
        } reset{FModalShown};
        ShowModal();
    } else {
        Show();
    }
}

void TXcCustomThreadDialogForm::CloseDialog() {
    if (!Visible()) return;
    if (FModalShown)
        SetModalResult(mrCancel);
    else
        Hide();
}

void TXcCustomThreadDialogForm::DefaultCancelBtnClick(TObject*) {
    TXcCustomThreadDialog* dialog = FConnectedThread ? FConnectedThread->ThreadDialog() : nullptr;
    if (dialog && dialog->OnPressCancel)
        dialog->OnPressCancel(FConnectedThread);
    else if (FConnectedThread)
        FConnectedThread->CancelExecute();
    SetModalResult(mrNone);
}

void TXcCustomThreadDialogForm::InternalTimerTick(TObject*) {
    if (ComponentState().Contains(csDestroying)) return;
    if (!FConnectedThread || FConnectedThread->Terminated() || !FConnectedThread->OneThreadIsRunning()) {
        CloseDialog();
        return;
    }
    if (Visible()) {
        UpdateContents();
        return;
    }
    FShowDelay -= InternalTimerInterval();
    if (FShowDelay <= 0) {
        FShowDelay = 0;
        ShowDialog();
    }
}

bool TXcCustomThreadDialogForm::CloseQuery() {
    if (FConnectedThread && FConnectedThread->OneThreadIsRunning()) return false;
    return TXcForm::CloseQuery();
}
