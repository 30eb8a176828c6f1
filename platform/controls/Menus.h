// Menus: TMenuItem (a caption with a shortcut, check mark, radio group, enabling,
// visibility, OnClick and child items), TMainMenu and TPopupMenu. A popup menu shows at a
// screen point and clicks the item chosen before Popup returns; the showing goes through
// a replaceable hook so that tests choose the item.
#pragma once

#include "platform/classes/Component.h"
#include "platform/controls/ControlTypes.h"

#include <functional>
#include <vector>

class TControl;
class TMenu;

// A key with its modifiers: the virtual-key code in the low byte, scShift, scCtrl and
// scAlt above it.
using TShortCut = Word;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;
TShortCut ShortCut(Word Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift);
// "Ctrl+S", "Shift+F2", "Del"; "" for none.
String ShortCutToText(TShortCut ShortCut);
// The other way; 0 for a text that names no key.
TShortCut TextToShortCut(const String& Text);

class TMenuItem : public TComponent {
    ORVO_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* AOwner);
    // Frees the child items too.
    ~TMenuItem() override;

    String Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }
    // A caption of "-" makes the item a separator line.
    bool IsLine() const { return FCaption == QStringLiteral("-"); }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }
    // Checking a radio item unchecks the other radio items of its group (same parent,
    // same GroupIndex).
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    Byte GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Byte Value);
    // A click checks the item (a radio item) or toggles its check.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    String Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }

    // ---- children ----
    int Count() const { return int(FItems.size()); }
    // Raises EMenuError for an index outside the list.
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return FParent; }
    // Adds an item (raises EMenuError when it already has a parent).
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Removes and frees the item at Index.
    void Delete(int Index);
    // Takes an item out without freeing it.
    void Remove(TMenuItem* Item);
    // Frees every child item.
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    // The child of that caption ("&" ignored, letter case too), nullptr when none.
    TMenuItem* Find(const String& ACaption) const;
    int MenuIndex() const;
    void SetMenuIndex(int Value);
    // The menu whose tree holds the item.
    TMenu* GetParentMenu() const;

    // Runs the item's action: AutoCheck, then OnClick. A disabled item does nothing.
    virtual void Click();

    TNotifyEvent OnClick;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

private:
    void TurnSiblingsOff();
    String FCaption;
    TShortCut FShortCut = 0;
    bool FChecked = false;
    bool FRadioItem = false;
    Byte FGroupIndex = 0;
    bool FAutoCheck = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    String FHint;
    int FImageIndex = -1;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on a menu's root item
    std::vector<TMenuItem*> FItems;
    friend class TMenu;
};

class TMenu : public TComponent {
    ORVO_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    // The root item; its children are the menu's items.
    TMenuItem* Items() const { return FItems; }
    // Clicks the visible, enabled item (searched through the whole tree) whose ShortCut is
    // Key with Shift; false when there is none.
    bool IsShortCut(Word Key, TShiftState Shift);
    // The item of a shortcut, nullptr when none.
    TMenuItem* FindItem(TShortCut ShortCut) const;

    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

private:
    TMenuItem* FItems;
};

class TMainMenu : public TMenu {
    ORVO_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
};

enum TPopupAlignment { paLeft, paRight, paCenter };
ORVO_DECLARE_ENUM_TYPE(TPopupAlignment)

class TPopupMenu;
// Shows a popup menu at a screen point and answers the item the user chose (nullptr:
// none). The default shows a real menu.
using TPopupMenuHook = std::function<TMenuItem*(TPopupMenu* Menu, int X, int Y)>;
// Installs the hook (empty: the real menu); returns the previous one.
TPopupMenuHook SetPopupMenuHook(TPopupMenuHook Hook);

class TPopupMenu : public TMenu {
    ORVO_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* AOwner);

    // Runs OnPopup, shows the menu with its top-left corner (or the edge Alignment says)
    // at X, Y on the screen, and clicks the item chosen, before it returns.
    virtual void Popup(int X, int Y);
    // The control the menu was last shown for (set by whoever shows it).
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    TPoint PopupPoint() const { return FPopupPoint; }
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }

    TNotifyEvent OnPopup;

protected:
    virtual void DoPopup(TObject* Sender);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TComponent* FPopupComponent = nullptr;
    TPoint FPopupPoint{-1, -1};
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
};

// Shows a control's popup menu at a screen point as a right click does: the control
// becomes the menu's PopupComponent. False when the control has no menu or the menu does
// not pop up by itself.
bool ShowControlPopupMenu(TControl* Control, const TPoint& ScreenPos);

ORVO_DECLARE_EXCEPTION(EMenuError, Exception)
