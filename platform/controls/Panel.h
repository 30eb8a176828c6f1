// TCustomPanel/TPanel: a container with an outer and an inner bevel, an optional border
// and a centred caption. A panel whose Color is clNone is a transparent window
// (WS_EX_TRANSPARENT): it paints no background of its own.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/StdControlTypes.h"

class TCustomPanel : public TCustomControl {
    ORVO_CLASS(TCustomPanel, TCustomControl)
public:
    explicit TCustomPanel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    TBevelWidth BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(TBevelWidth Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool Value) { FFullRepaint = Value; }
    bool Locked() const { return FLocked; }
    void SetLocked(bool Value) { FLocked = Value; }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    // A panel with Color clNone is a transparent window.
    void SetPanelColor(TColor Value);
    TColor PanelColor() const { return Color(); }

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(TRect& Rect) override;
    void EraseBackground(HDC DC) override;
    void Paint() override;
    void SetTextValue(const String& Value) override;

private:
    void Changed();
    TAlignment FAlignment = taCenter;
    TVerticalAlignment FVerticalAlignment = taVerticalCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    TBevelWidth FBevelWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    bool FFullRepaint = true;
    bool FLocked = false;
    bool FShowCaption = true;
};

class TPanel : public TCustomPanel {
    ORVO_CLASS(TPanel, TCustomPanel)
public:
    explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};
