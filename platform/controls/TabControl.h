// TCustomTabControl/TTabControl: a strip of tabs above one client area (DisplayRect).
// Setting TabIndex from code selects the tab without OnChanging or OnChange; a click on
// another tab asks OnChanging (through CanChange) and then fires OnChange.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/StdControlTypes.h"

class TStrings;
class TCustomTabControl;

// The type of TCloseQueryEvent, whose type information it shares.
using TTabChangingEvent = TCloseQueryEvent;
using TDrawTabEvent = TEvent<TCustomTabControl*, int, const TRect&, bool>;

class TCustomTabControl : public TCustomControl {
    ORVO_CLASS(TCustomTabControl, TCustomControl)
public:
    explicit TCustomTabControl(TComponent* AOwner);
    ~TCustomTabControl() override;

    TStrings* Tabs() const { return FTabs; }
    void SetTabs(TStrings* Value);
    int TabIndex() const { return FTabIndex; }
    // Selects a tab (-1: none) without the change events.
    void SetTabIndex(int Value);
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool Value);
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int Value);

    // The rectangle of a tab in client coordinates (empty for an index out of range).
    TRect TabRect(int Index);
    // The tab at a client point, -1 for none.
    int IndexOfTabAt(int X, int Y);
    // The client area below the tabs.
    TRect DisplayRect();

    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;
    TDrawTabEvent OnDrawTab;

protected:
    virtual bool CanChange();
    virtual void Change();
    // Draws one tab; the base calls OnDrawTab when owner-drawn, else draws the caption.
    virtual void DrawTab(int TabIndex, const TRect& Rect, bool Active);
    // The user picked a tab: CanChange, select, Change.
    void UserSelect(int Index);
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    // Told when the tab list changed (the page control keeps its pages in step).
    virtual void TabsChanged();
    void TabsListChanged(TObject* Sender);
    int FTabIndex = -1;

private:
    TStrings* FTabs = nullptr;
    bool FOwnerDraw = false;
    int FTabHeight = 0;
};

class TTabControl : public TCustomTabControl {
    ORVO_CLASS(TTabControl, TCustomTabControl)
public:
    explicit TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}
};
