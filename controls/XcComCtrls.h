// TXcTabControl: the platform's tab strip with the extended-control layer, Ctrl+Tab and
// Ctrl+Shift+Tab cycling through the tabs, optional selection with the right mouse button
// and drawing of the tabs by a separate painter component.
#pragma once

#include "controls/XcExComCtrls.h"
#include "storage/support/XcComponent.h"

#include <vector>

class TCustomImageList;
class TXcTabControl;

// Draws the tabs of the tab controls registered with it; a concrete painter supplies
// PaintTab.
class TXcTabControlPainter : public TXcComponent {
    ORVO_CLASS(TXcTabControlPainter, TXcComponent)
public:
    explicit TXcTabControlPainter(TComponent* AOwner) : TXcComponent(AOwner) {}
    // Unregisters every client, last first.
    ~TXcTabControlPainter() override;

    virtual void PaintTab(TCustomTabControl* AControl, TCanvas* Canvas, bool Enabled, bool Active,
                          const TRect& Rect, const String& Caption, int ImageIndex, TCustomImageList* Images);
    // Invalidates every client.
    virtual void RepaintClients();
    void RegisterClient(TXcTabControl* Client);
    void UnregisterClient(TXcTabControl* Client);
    int ClientCount() const { return int(FClients.size()); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TXcTabControl*> FClients;
};

class TXcTabControl : public TXcExTabControl {
    ORVO_CLASS(TXcTabControl, TXcExTabControl)
public:
    explicit TXcTabControl(TComponent* AOwner);
    ~TXcTabControl() override;

    bool RightClickSelect() const { return FRightClickSelect; }
    void SetRightClickSelect(bool Value) { FRightClickSelect = Value; }
    TXcTabControlPainter* TabPainter() const { return FTabPainter; }
    void SetTabPainter(TXcTabControlPainter* Value);

    void Dispatch(TMessage& Message) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DrawTab(int TabIndex, const TRect& Rect, bool Active) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    friend class TXcTabControlPainter;
    bool FRightClickSelect = false;
    TXcTabControlPainter* FTabPainter = nullptr;
};
