#include "controls/XcComCtrls.h"

#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/StdControlTypes.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TXcTabControlPainter, TXcComponent)
ORVO_IMPLEMENT_CLASS(TXcTabControl, TXcExTabControl)

// ---- TXcTabControlPainter ------------------------------------------------------------------

TXcTabControlPainter::~TXcTabControlPainter() {
    while (!FClients.empty())
        FClients.back()->SetTabPainter(nullptr);
}

void TXcTabControlPainter::PaintTab(TCustomTabControl*, TCanvas*, bool, bool, const TRect&, const String&,
                                    int, TCustomImageList*) {}

void TXcTabControlPainter::RepaintClients() {
    for (TXcTabControl* c : FClients)
        c->Invalidate();
}

void TXcTabControlPainter::RegisterClient(TXcTabControl* Client) {
    if (std::find(FClients.begin(), FClients.end(), Client) != FClients.end()) return;
    FClients.push_back(Client);
    Client->Invalidate();
}

void TXcTabControlPainter::UnregisterClient(TXcTabControl* Client) {
    FClients.erase(std::remove(FClients.begin(), FClients.end(), Client), FClients.end());
    if (!Client->ComponentState().Contains(csDestroying)) Client->Invalidate();
}

void TXcTabControlPainter::Notification(TComponent* AComponent, TOperation Operation) {
    TXcComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        FClients.erase(std::remove(FClients.begin(), FClients.end(), AComponent), FClients.end());
}

// ---- TXcTabControl -------------------------------------------------------------------------

TXcTabControl::TXcTabControl(TComponent* AOwner) : TXcExTabControl(AOwner) {
    SetColor(clWindow);
}

TXcTabControl::~TXcTabControl() {
    SetTabPainter(nullptr);
}

void TXcTabControl::SetTabPainter(TXcTabControlPainter* Value) {
    if (Value == FTabPainter) return;
    if (FTabPainter) {
        FTabPainter->RemoveFreeNotification(this);
        FTabPainter->UnregisterClient(this);
    }
    FTabPainter = Value;
    if (Value) {
        Value->FreeNotification(this);
        Value->RegisterClient(this);
        SetOwnerDraw(true);
    } else {
        SetOwnerDraw(false);
    }
    Invalidate();
}

void TXcTabControl::Notification(TComponent* AComponent, TOperation Operation) {
    TXcExTabControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FTabPainter) {
        FTabPainter = nullptr;
        SetOwnerDraw(false);
    }
}

void TXcTabControl::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGKEY && Message.WParam == WPARAM(VK_TAB) &&
        KeyDataToShiftState(Message.LParam).Contains(ssCtrl)) {
        // Only while the focus is in a control inside the tab strip, not on the strip.
        TWinControl* focused = FindControl(GetFocus());
        const int count = Tabs()->Count();
        if (focused && focused != this && ContainsControl(focused) && count > 0) {
            if (KeyDataToShiftState(Message.LParam).Contains(ssShift))
                SetTabIndex(TabIndex() <= 0 ? count - 1 : TabIndex() - 1);
            else
                SetTabIndex((TabIndex() + 1) % count);
            Message.Result = 1;
            return;
        }
    }
    TXcExTabControl::Dispatch(Message);
}

void TXcTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbRight && FRightClickSelect) {
        const int index = IndexOfTabAt(X, Y);
        if (index >= 0 && index != TabIndex() && CanChange()) {
            SetTabIndex(index);
            Change();
        }
    }
    TXcExTabControl::MouseDown(Button, Shift, X, Y);
}

void TXcTabControl::DrawTab(int Index, const TRect& Rect, bool Active) {
    if (FTabPainter) {
        FTabPainter->PaintTab(this, Canvas(), Enabled(), Active, Rect, (*Tabs())[Index], Index, nullptr);
        return;
    }
    TXcExTabControl::DrawTab(Index, Rect, Active);
}

ORVO_PUBLISHED(TXcTabControlPainter) {
    P.Property("AboutXCL", &TXcTabControlPainter::AboutXCL, &TXcTabControlPainter::SetAboutXCL).Stored(false);
}

ORVO_PUBLISHED(TXcTabControl) {
    PublishWinControlBasics(P);
    P.Property("DotNetHighlighting", &TXcTabControl::DotNetHighlighting,
               &TXcTabControl::SetDotNetHighlighting)
        .Default(false);
    P.Property("AboutXCL", &TXcTabControl::AboutXCL, &TXcTabControl::SetAboutXCL).Stored(false);
    P.Property("Tabs", &TXcTabControl::Tabs, &TXcTabControl::SetTabs);
    P.Property("TabIndex", &TXcTabControl::TabIndex, &TXcTabControl::SetTabIndex).Default(-1);
    P.Property("OwnerDraw", &TXcTabControl::OwnerDraw, &TXcTabControl::SetOwnerDraw).Default(false);
    P.Property("TabHeight", &TXcTabControl::TabHeight, &TXcTabControl::SetTabHeight).Default(0);
    P.Property("RightClickSelect", &TXcTabControl::RightClickSelect, &TXcTabControl::SetRightClickSelect)
        .Default(false);
    P.Property("TabPainter", &TXcTabControl::TabPainter, &TXcTabControl::SetTabPainter);
    P.Property("HintColor", &TXcTabControl::HintColor, &TXcTabControl::SetHintColor)
        .Type(TypeInfoTColor())
        .Default(clDefault);
    P.Property("Color", &TXcTabControl::Color, &TXcTabControl::SetColor)
        .Type(TypeInfoTColor())
        .Default(clWindow);
    P.Property("OnChange", &TXcTabControl::OnChange);
    P.Property("OnChanging", &TXcTabControl::OnChanging);
    P.Property("OnDrawTab", &TXcTabControl::OnDrawTab);
    P.Property("OnMouseEnter", &TXcTabControl::OnMouseEnter);
    P.Property("OnMouseLeave", &TXcTabControl::OnMouseLeave);
    P.Property("OnParentColorChange", &TXcTabControl::OnParentColorChanged);
}
