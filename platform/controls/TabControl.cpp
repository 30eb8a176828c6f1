#include "platform/controls/TabControl.h"

#include "platform/classes/StringList.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TCustomTabControl, TCustomControl)
ORVO_IMPLEMENT_CLASS(TTabControl, TCustomTabControl)

namespace {
constexpr int DefaultTabHeight = 20;
constexpr int TabPadding = 12;
} // namespace

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
    // The tab list exists before the first layout, which measures the tabs.
    auto* tabs = new TStringList;
    tabs->OnChange = TNotifyEvent(this, &TCustomTabControl::TabsListChanged);
    FTabs = tabs;
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TCustomTabControl::~TCustomTabControl() {
    static_cast<TStringList*>(FTabs)->OnChange = nullptr;
    delete FTabs;
}

void TCustomTabControl::SetTabs(TStrings* Value) {
    FTabs->Assign(Value);
}

void TCustomTabControl::TabsListChanged(TObject*) {
    TabsChanged();
}

void TCustomTabControl::TabsChanged() {
    // Deleting tabs keeps the index on a tab that exists.
    if (FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
    Realign();
    Invalidate();
}

void TCustomTabControl::SetTabIndex(int Value) {
    if (Value < -1 || Value >= FTabs->Count()) return;
    if (Value == FTabIndex) return;
    FTabIndex = Value;
    Invalidate();
}

void TCustomTabControl::SetOwnerDraw(bool Value) {
    FOwnerDraw = Value;
    Invalidate();
}

void TCustomTabControl::SetTabHeight(int Value) {
    FTabHeight = std::max(0, Value);
    Realign();
    Invalidate();
}

TRect TCustomTabControl::TabRect(int Index) {
    if (Index < 0 || Index >= FTabs->Count()) return {};
    const int h = FTabHeight > 0 ? FTabHeight : DefaultTabHeight;
    Canvas()->SetFont(Font());
    int x = 2;
    for (int i = 0; i < Index; ++i)
        x += Canvas()->TextWidth(FTabs->Strings(i)) + TabPadding;
    return Rect(x, 2, x + Canvas()->TextWidth(FTabs->Strings(Index)) + TabPadding, 2 + h);
}

int TCustomTabControl::IndexOfTabAt(int X, int Y) {
    for (int i = 0; i < FTabs->Count(); ++i)
        if (TabRect(i).Contains(Point(X, Y))) return i;
    return -1;
}

TRect TCustomTabControl::DisplayRect() {
    TRect r = ClientRect();
    AdjustClientRect(r);
    return r;
}

void TCustomTabControl::AdjustClientRect(TRect& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    const int h = FTabs->Count() > 0 ? (FTabHeight > 0 ? FTabHeight : DefaultTabHeight) + 2 : 0;
    Rect = ::Rect(Rect.Left + 4, Rect.Top + h + 4, Rect.Right - 4, Rect.Bottom - 4);
}

bool TCustomTabControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change() {
    if (OnChange) OnChange(this);
}

void TCustomTabControl::UserSelect(int Index) {
    if (Index < 0 || Index == FTabIndex || !CanChange()) return;
    SetTabIndex(Index);
    Change();
}

void TCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        const int index = IndexOfTabAt(X, Y);
        if (index >= 0) {
            if (CanFocus() && !Focused()) SetFocus();
            UserSelect(index);
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTabControl::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_LEFT && FTabIndex > 0)
        UserSelect(FTabIndex - 1);
    else if (Key == VK_RIGHT && FTabIndex + 1 < FTabs->Count())
        UserSelect(FTabIndex + 1);
}

void TCustomTabControl::DrawTab(int TabIndex, const TRect& Rect, bool Active) {
    if (FOwnerDraw) {
        if (OnDrawTab) OnDrawTab(this, TabIndex, Rect, Active);
        return;
    }
    TCanvas* c = Canvas();
    c->SetFont(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(bsClear);
    DrawControlText(c, Rect, FTabs->Strings(TabIndex), taCenter, tlCenter, false, true);
}

void TCustomTabControl::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    TRect display = DisplayRect();
    TRect frame = Rect(display.Left - 2, display.Top - 2, display.Right + 2, display.Bottom + 2);
    Frame3D(c, frame, clBtnHighlight, clBtnShadow, 1);
    for (int i = 0; i < FTabs->Count(); ++i) {
        TRect r = TabRect(i);
        const bool active = i == FTabIndex;
        if (active) r = Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(active ? Color() : clBtnFace);
        c->FillRect(r);
        TRect edge = r;
        Frame3D(c, edge, clBtnHighlight, clBtnShadow, 1);
        DrawTab(i, r, active);
    }
}

ORVO_PUBLISHED(TTabControl) {
    PublishWinControlBasics(P);
    P.Property("OwnerDraw", &TTabControl::OwnerDraw, &TTabControl::SetOwnerDraw).Default(false);
    P.Property("TabHeight", &TTabControl::TabHeight, &TTabControl::SetTabHeight).Default(0);
    P.Property("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs);
    P.Property("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex).Default(-1);
    P.Property("OnChange", &TTabControl::OnChange);
    P.Property("OnChanging", &TTabControl::OnChanging);
}
