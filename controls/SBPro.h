// TStatusBarPro: a status bar whose panels (TStatusPanelPro) are found by name and each
// carry their own text, colour, font, image, hint, cursor, popup menu, click events and an
// optional embedded control, with widths fitted to the text (AutoWidth) or sharing what is
// left (AutoSize). It stands on the platform's status-bar common control (TStatusWindow),
// which lays out the parts; every part is owner-drawn by the bar.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/controls/StatusBar.h"

class TStatusBarPro;
class TStatusPanelsPro;
class TCustomImageList;
class TChangeLink;
class TFont;

class TStatusPanelPro : public TCollectionItem {
    ORVO_CLASS(TStatusPanelPro, TCollectionItem)
public:
    explicit TStatusPanelPro(TCollection* Collection);
    ~TStatusPanelPro() override;
    void Assign(TPersistent* Source) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool AutoWidth() const { return FAutoWidth; }
    void SetAutoWidth(bool Value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TControl* Control() const { return FControl; }
    void SetControl(TControl* Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TFont* Font() const { return FFont; }
    void SetFont(TFont* Value);
    String Hint() const { return FHint; }
    void SetHint(const String& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int Indent() const { return FIndent; }
    void SetIndent(int Value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    String Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TComponent* Value);
    TStatusPanelStyle Style() const { return FStyle; }
    void SetStyle(TStatusPanelStyle Value);
    String Text() const { return FText; }
    void SetText(const String& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TContextPopupEvent OnContextPopup;

    // The bar the panel belongs to, or null.
    TStatusBarPro* StatusBar() const;
    // Places the embedded control over the panel.
    virtual void UpdateControlBounds();

protected:
    String GetDisplayName() const override;
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);

private:
    friend class TStatusBarPro;
    void FontChanged(TObject* Sender);
    int ClampWidth(int Value) const;

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = false;
    bool FAutoWidth = false;
    TStatusPanelBevel FBevel = pbLowered;
    TBiDiMode FBiDiMode = bdLeftToRight;
    TColor FColor = clBtnFace;
    TControl* FControl = nullptr;
    TCursor FCursor = crDefault;
    TFont* FFont;
    String FHint;
    int FImageIndex = -1;
    int FIndent = 0;
    int FMaxWidth = 10000;
    int FMinWidth = 0;
    String FName;
    int FTag = 0;
    bool FParentBiDiMode = true;
    bool FParentColor = true;
    bool FParentFont = true;
    TComponent* FPopupMenu = nullptr;
    TStatusPanelStyle FStyle = psText;
    String FText;
    int FWidth = 50;
    bool FUpdateNeeded = false;
    bool FTakingParentFont = false;
};

class TStatusPanelsPro : public TCollection {
    ORVO_CLASS(TStatusPanelsPro, TCollection)
public:
    explicit TStatusPanelsPro(TStatusBarPro* AStatusBar = nullptr);
    TStatusPanelPro* Add() { return static_cast<TStatusPanelPro*>(TCollection::Add()); }
    TStatusPanelPro* Items(int Index) const {
        return static_cast<TStatusPanelPro*>(TCollection::Items(Index));
    }
    TStatusPanelPro* GetItem(int Index) const { return Items(Index); }
    void SetItem(int Index, TStatusPanelPro* Value) { SetItems(Index, Value); }
    // The first panel whose Name is Name (letter case counts); null when none.
    TStatusPanelPro* GetByName(const String& Name) const;
    TPersistent* GetOwner() const override;
    TStatusBarPro* StatusBar() const { return FStatusBar; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TStatusBarPro* FStatusBar;
};

using TDrawPanelProEvent = TEvent<TStatusBarPro*, TStatusPanelPro*, const TRect&>;
ORVO_DECLARE_EVENT_TYPE(TDrawPanelProEvent)

class TStatusBarPro : public TStatusWindow {
    ORVO_CLASS(TStatusBarPro, TStatusWindow)
public:
    // Most panels that get a part of their own.
    static constexpr int MaxPanels = 128;

    explicit TStatusBarPro(TComponent* AOwner);
    ~TStatusBarPro() override;

    TStatusPanelsPro* Panels() const { return FPanels; }
    void SetPanels(TStatusPanelsPro* Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    String SimpleText() const { return FSimpleText; }
    void SetSimpleText(const String& Value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool Value);
    bool AutoHint() const { return FAutoHint; }
    void SetAutoHint(bool Value) { FAutoHint = Value; }
    int AutoHintPanelIndex() const { return FAutoHintPanelIndex; }
    // Accepts only the index of an existing panel.
    void SetAutoHintPanelIndex(int Value);
    // The bar's own cursor (a panel's cursor shows over that panel).
    TCursor BarCursor() const { return FCursor; }
    void SetBarCursor(TCursor Value);

    // Sends the parts (UpdateRects) and the marked texts (UpdateText) to the control.
    void UpdatePanels(bool UpdateRects, bool UpdateText);
    void UpdatePanel(int Index, bool Repaint);
    // The widths of AutoWidth and AutoSize panels.
    void UpdatePanelsWidth();
    // The panel whose part contains the client point, or null.
    TStatusPanelPro* FindPanelAtPos(int X, int Y);
    void UpdateCursor();
    void SyncToSystemFont();
    // Shows an action's hint in the AutoHint panel (or as the simple text); false when
    // AutoHint is off or OnHint took it.
    bool ShowActionHint(const String& Hint);
    // Mirrors the panels for right-to-left reading: their order is reversed, the new last
    // panel keeps the width the first had and the new first one takes the width the last
    // one showed. (The bar has no child controls of its own to flip, so AllLevels changes
    // nothing.)
    void FlipChildren(bool AllLevels);
    // A hint action with AutoHint shows its hint (ShowActionHint); other actions as any
    // component takes them.
    bool ExecuteAction(TBasicAction* Action) override;
    // The panel under the mouse (the last press or move over the bar).
    TStatusPanelPro* MousePanel() const { return FMousePanel; }

    void Dispatch(TMessage& Message) override;

    TDrawPanelProEvent OnDrawPanel;
    TNotifyEvent OnHint;

    virtual bool DoHint();
    virtual void DrawPanel(TStatusPanelPro* Panel, const TRect& Rect);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateHandle() override;
    void PaintWindow(HDC DC) override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoContextPopup(TPoint MousePos, bool& Handled) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

public:
    void Click() override;
    void DblClick() override;

private:
    friend class TStatusPanelPro;
    friend class TStatusPanelsPro;
    void ImageListChange(TObject* Sender);
    void PanelFontOrColorFromBar();
    bool ImageShown(const TStatusPanelPro* Panel) const;

    TStatusPanelsPro* FPanels;
    TCustomImageList* FImages = nullptr;
    TChangeLink* FImageChangeLink;
    bool FSimplePanel = false;
    String FSimpleText;
    bool FSizeGrip = true;
    bool FUseSystemFont = true;
    bool FAutoHint = false;
    int FAutoHintPanelIndex = 0;
    TCursor FCursor = crDefault;
    TStatusPanelPro* FMousePanel = nullptr;
    bool FApplyingCursor = false;
};
