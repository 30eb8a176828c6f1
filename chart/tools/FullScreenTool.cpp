// TFullScreenTool: moving the chart into its full-screen form and back.
#include "chart/tools/FullScreenTool.h"

#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/CustomForm.h"

ORVO_IMPLEMENT_CLASS(TFullScreenTool, TTeeCustomTool)

ORVO_PUBLISHED(TFullScreenTool) {
    using T = TFullScreenTool;
    P.Property("Active", &T::Active, &T::SetActive).Default(false);
    P.Property("ReleaseKey", &T::ReleaseKey, &T::SetReleaseKey).Default(Word(27));
}

TFullScreenTool::TFullScreenTool(TComponent* AOwner) : TTeeCustomTool(AOwner) {
    FActive = false;
}

TFullScreenTool::~TFullScreenTool() {
    if (FForm) LeaveFullScreen();
    if (OldParent) OldParent->RemoveFreeNotification(this);
}

String TFullScreenTool::Description() {
    return TeeMsg_FullScreen;
}

String TFullScreenTool::LongDescription() {
    return TeeMsg_FullScreenDesc;
}

void TFullScreenTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TFullScreenTool*>(Source)) FKey = s->FKey;
    TTeeCustomTool::Assign(Source);
}

TCustomForm* TFullScreenTool::FullScreenForm() const {
    return FForm;
}

void TFullScreenTool::SetActive(bool Value) {
    TTeeCustomTool::SetActive(Value);
    if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading)) return;
    if (Value) {
        if (FParent && !FForm) GoFullScreen();
    } else if (FForm) {
        LeaveFullScreen();
    }
}

void TFullScreenTool::Notification(TComponent* AComponent, TOperation Operation) {
    TTeeCustomTool::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == OldParent) OldParent = nullptr;
    if (AComponent == FForm) {
        // The form went away under the chart (the chart went with it).
        FForm = nullptr;
        FActive = false;
    }
}

void TFullScreenTool::GoFullScreen() {
    TCustomAxisPanel* chart = FParent;
    if (OldParent) OldParent->RemoveFreeNotification(this);
    OldParent = chart->Parent();
    if (OldParent) OldParent->FreeNotification(this);
    auto* form = new TForm(nullptr, 0);
    FForm = form;
    form->FreeNotification(this);
    form->SetTag(NativeInt(reinterpret_cast<intptr_t>(this)));
    form->SetKeyPreview(true);
    form->SetBorderStyle(bsNone);
    OldAlign = chart->Align();
    OldRChart = chart->BoundsRect();
    chart->SetAlign(alNone);
    chart->SetParent(form);
    form->OnKeyUp = TKeyEvent(this, &TFullScreenTool::FormKeyUp);
    form->OnCloseQuery = TCloseQueryEvent(this, &TFullScreenTool::FormCloseQuery);
    form->OnResize = TNotifyEvent(this, &TFullScreenTool::FormResize);
    // The window manager puts the form over the whole monitor the chart was shown on; the
    // chart fills the form's client area, then and whenever the manager resizes it.
    form->ShowFullScreen(OldParent);
    FormResize(form);
}

void TFullScreenTool::FormResize(TObject*) {
    if (FForm && FParent && FParent->Parent() == FForm)
        FParent->SetBounds(0, 0, FForm->ClientWidth(), FForm->ClientHeight());
}

void TFullScreenTool::LeaveFullScreen() {
    TCustomForm* form = FForm;
    FForm = nullptr;
    if (!form) return;
    form->RemoveFreeNotification(this);
    form->OnKeyUp = TKeyEvent();
    form->OnCloseQuery = TCloseQueryEvent();
    form->OnResize = TNotifyEvent();
    TCustomAxisPanel* chart = FParent;
    if (form->Tag() == NativeInt(reinterpret_cast<intptr_t>(this))) {
        form->SetTag(0);
        if (chart && chart->Parent() == form && !chart->ComponentState().Contains(csDestroying)) {
            TWinControl* parent = OldParent;
            if (parent && parent->ComponentState().Contains(csDestroying)) parent = nullptr;
            chart->SetParent(parent);
            chart->SetBoundsRect(OldRChart);
            chart->SetAlign(OldAlign);
        }
    }
    if (OldParent) OldParent->RemoveFreeNotification(this);
    OldParent = nullptr;
    // The form is freed once the messages already queued for it are handled: it may be in
    // the middle of its own key or close handling now. A form closing by itself hides first.
    if (IFreeForm) form->Hide();
    form->Release();
}

void TFullScreenTool::FormKeyUp(TObject*, Word& Key, TShiftState) {
    if (Active() && Key == FKey) {
        SetActive(false);
        Key = 0;
    }
}

void TFullScreenTool::FormCloseQuery(TObject* Sender, bool& CanClose) {
    if (auto* form = dynamic_cast<TCustomForm*>(Sender);
        form && form->Tag() == NativeInt(reinterpret_cast<intptr_t>(this))) {
        IFreeForm = false;
        SetActive(false);
        IFreeForm = true;
    }
    CanClose = true;
}
