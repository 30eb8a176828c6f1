// Combo boxes: TCustomCombo (items with objects, the selection, the dropped list and its
// events), TCustomComboBox/TComboBox (the styles csDropDown, csSimple, csDropDownList,
// csOwnerDrawFixed and csOwnerDrawVariable, sorted items, owner drawing) and
// TCustomComboBoxEx/TComboBoxEx (csExDropDown, csExSimple, csExDropDownList).
//
// The items are kept by the control (they survive its window) but, as with the native
// control, changing them needs the window: a combo box without a parent window raises
// EInvalidOperation "Control '%s' has no parent window", except while it is loading.
// The same holds for CB_GETDROPPEDWIDTH and CB_SETDROPPEDWIDTH.
//
// Events: a selection made by the user (mouse in the dropped list, arrow keys, typed
// characters) fires OnClick and then OnSelect, or OnChange when OnSelect is not assigned;
// typing in the edit part fires OnChange. Setting ItemIndex or Text from code fires
// nothing. OnDropDown fires before the list shows, OnCloseUp after it closed.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/StdControlTypes.h"

#include <vector>

class TStrings;

namespace platform::detail {
class ComboPopup;
class TComboBoxStrings;
} // namespace platform::detail

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
ORVO_DECLARE_ENUM_TYPE(TComboBoxStyle)
enum TComboBoxExStyle { csExDropDown, csExSimple, csExDropDownList };
ORVO_DECLARE_ENUM_TYPE(TComboBoxExStyle)

class TCustomCombo : public TCustomControl {
    ORVO_CLASS(TCustomCombo, TCustomControl)
public:
    explicit TCustomCombo(TComponent* AOwner);
    ~TCustomCombo() override;

    // The items ("TComboBoxStrings"); assigning copies.
    TStrings* Items() const { return FItems; }
    void SetItems(TStrings* Value);
    // The selected item, -1 for none. Out of range selects none. No events.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    // Rows of the dropped list before it scrolls.
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = std::max(1, Value); }
    // Whether the list is dropped; setting it drops or closes it (closing by code keeps
    // the selection).
    bool DroppedDown() const { return FPopup != nullptr; }
    void SetDroppedDown(bool Value);
    // Height of a row of the list.
    virtual int ItemHeight() const;
    void SetItemHeight(int Value);

    // Empties the items and the text.
    virtual void Clear();
    void AddItem(const String& Item, TObject* AObject);
    // The text of the selected item (list styles) or of the edit part.
    String GetText() const override;

    void Dispatch(TMessage& Message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    // Whether the text part can be typed in.
    virtual bool Editable() const = 0;
    virtual bool OwnerDrawn() const { return false; }
    virtual bool IsSorted() const { return false; }
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    // Draws item Index (the edit part when State holds odComboBoxEdit) in Rect on Canvas,
    // whose brush and font the caller has set for State.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    // Sets the canvas up for State, draws the row and its focus rectangle.
    void DrawRow(int Index, const TRect& Rect, TOwnerDrawState State);

    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void SetTextValue(const String& Value) override;
    void Loaded() override;
    void DestroyWnd() override;

    // The button at the right edge and the text part left of it.
    TRect ButtonRect() const;
    TRect TextRect() const;
    // Re-sorts the items (a sorted style was switched on).
    void SortItems();

private:
    friend class platform::detail::ComboPopup;
    friend class platform::detail::TComboBoxStrings;
    struct Item {
        String Text;
        TObject* Object = nullptr;
    };

    // Raises EInvalidOperation when the combo has no parent window (not while loading).
    void RequireWindow();
    int InsertItem(int Index, const String& S, TObject* AObject, bool Sorted);
    void DeleteItem(int Index);
    void ClearItems();
    void ItemsChanged();
    // The user picked Index: the selection and its events.
    void UserSelect(int Index);
    // Ctrl+A, C, X and V in the edit part; false for any other key.
    bool EditShortcut(Word Key);
    // Closes the list; Accept picks its highlighted row.
    void CloseList(bool Accept);
    // The edit part's text as the user changed it.
    void UserEdit(const String& NewText, int Caret);
    void SetEditText(const String& Value);
    int CaretAt(int X);
    // Paints the dropped list's rows on Target.
    void PaintList(TCanvas* Target, platform::detail::ComboPopup* List);

    std::vector<Item> FItemList;
    TStrings* FItems;
    int FItemIndex = -1;
    int FDropDownCount = 8;
    int FItemHeight = 16;
    int FDroppedWidth = 0;
    String FEditText;
    int FCaret = 0;
    int FAnchor = 0;
    bool FUserPick = false;
    platform::detail::ComboPopup* FPopup = nullptr;
};

using TComboBoxDrawItemEvent = TDrawItemEvent;

class TCustomComboBox : public TCustomCombo {
    ORVO_CLASS(TCustomComboBox, TCustomCombo)
public:
    explicit TCustomComboBox(TComponent* AOwner);

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);

    TDrawItemEvent OnDrawItem;

protected:
    bool Editable() const override { return FStyle == csDropDown || FStyle == csSimple; }
    bool OwnerDrawn() const override { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
    bool IsSorted() const override { return FSorted; }
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;

private:
    TComboBoxStyle FStyle = csDropDown;
    bool FSorted = false;
};

class TComboBox : public TCustomComboBox {
    ORVO_CLASS(TComboBox, TCustomComboBox)
public:
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};

class TCustomComboBoxEx : public TCustomCombo {
    ORVO_CLASS(TCustomComboBoxEx, TCustomCombo)
public:
    explicit TCustomComboBoxEx(TComponent* AOwner);

    TComboBoxExStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxExStyle Value);

protected:
    bool Editable() const override { return FStyle != csExDropDownList; }

private:
    TComboBoxExStyle FStyle = csExDropDown;
};

class TComboBoxEx : public TCustomComboBoxEx {
    ORVO_CLASS(TComboBoxEx, TCustomComboBoxEx)
public:
    explicit TComboBoxEx(TComponent* AOwner) : TCustomComboBoxEx(AOwner) {}
};
