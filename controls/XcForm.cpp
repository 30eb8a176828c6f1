#include "controls/XcForm.h"

#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exception.h"

#include <QWidget>

ORVO_IMPLEMENT_CLASS(TXcForm, TXcExForm)

TXcForm::TXcForm(TComponent* AOwner) : TXcExForm(AOwner) {}

TXcForm::TXcForm(TComponent* AOwner, int Dummy) : TXcExForm(AOwner, Dummy) {}

void TXcForm::AfterConstruction() {
    if (ClassType() != TXcForm::StaticClass()) {
        TXcExForm::AfterConstruction();
        return;
    }
    // TXcForm itself has no resource: it is made as a form without one.
    try {
        TXcExForm::AfterConstruction();
    } catch (const EResNotFound&) {
        DoCreate();
    }
}

int TXcForm::ShowModal() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, WM_ENABLE, WM_ENABLE, PM_REMOVE))
        ::DispatchMessage(&msg);
    return TXcExForm::ShowModal();
}

void TXcForm::ShowNoActivate(bool CallActivate) {
    if (CallActivate) Activate();
    HandleNeeded();
    QWidget* w = Widget();
    const bool had = w->testAttribute(Qt::WA_ShowWithoutActivating);
    w->setAttribute(Qt::WA_ShowWithoutActivating, true);
    TControl::SetVisible(true);
    w->show();
    w->setAttribute(Qt::WA_ShowWithoutActivating, had);
    UpdateShowing();
}

void TXcForm::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_MOUSEACTIVATE && !FIsFocusable) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TXcExForm::Dispatch(Message);
}

ORVO_PUBLISHED(TXcForm) {
    P.Property("DotNetHighlighting", &TXcForm::DotNetHighlighting, &TXcForm::SetDotNetHighlighting)
        .Default(false);
    P.Property("IsFocusable", &TXcForm::IsFocusable, &TXcForm::SetIsFocusable).Default(true);
}
