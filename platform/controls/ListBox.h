// List boxes: TCustomListBox/TListBox, a list of strings with objects, single or multiple
// selection, sorted items, owner drawing. The check list (CheckLst.h) builds on it.
//
// The items are kept by the control but, as with the native control, changing them needs
// the window: a list box without a parent window raises EInvalidOperation "Control '%s'
// has no parent window", except while it is loading.
//
// A selection made by the user (mouse, keys) fires OnClick; setting ItemIndex or
// Selected[] from code fires nothing.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/StdControlTypes.h"

#include <algorithm>
#include <vector>

class TStrings;

namespace platform::detail {
class TListBoxStrings;
}

enum TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odHotLight,
    odInactive,
    odNoAccel,
    odNoFocusRect,
    odReserved1,
    odReserved2,
    odComboBoxEdit
};
using TOwnerDrawState = Set<TOwnerDrawStateItem>;
// Draws item Index of Control in Rect on the control's Canvas.
using TDrawItemEvent = TEvent<TWinControl*, int, TRect, TOwnerDrawState>;
ORVO_DECLARE_EVENT_TYPE(TDrawItemEvent)

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
ORVO_DECLARE_ENUM_TYPE(TListBoxStyle)

class TCustomListBox : public TCustomControl {
    ORVO_CLASS(TCustomListBox, TCustomControl)
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    // The items ("TListBoxStrings"); assigning copies.
    TStrings* Items() const { return FItems; }
    void SetItems(TStrings* Value);
    int Count() const { return int(FItemList.size()); }
    // Single selection: the selected item (-1 for none; out of range selects none).
    // Multiple selection: the item with the focus rectangle, which setting moves without
    // changing the selection.
    int ItemIndex() const;
    void SetItemIndex(int Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    int SelCount() const;
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    // Height of a row: the font's for lbStandard, else the one set.
    int ItemHeight() const;
    void SetItemHeight(int Value);
    // The first row shown.
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    // The item at a client point; with Existing -1 past the last item, else Count.
    int ItemAtPos(const TPoint& Pos, bool Existing);
    // The rectangle of a row in client coordinates (empty for an index out of range).
    TRect ItemRect(int Index);

    void Clear();
    void AddItem(const String& Item, TObject* AObject);
    void ClearSelection();
    void SelectAll();
    void DeleteSelected();

    void Dispatch(TMessage& Message) override;

    TDrawItemEvent OnDrawItem;

protected:
    // Draws item Index on Canvas: OnDrawItem for an owner-drawn list, else the text on
    // the selection colours.
    virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
    // The rows' rectangle inside the border.
    TRect RowsRect() const;
    int VisibleRows() const;

    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void DoEnter() override;
    void DoExit() override;
    void Loaded() override;

    // Per-item state a descendant keeps (the check list's states).
    struct Item {
        String Text;
        TObject* Object = nullptr;
        bool Selected = false;
        TCheckBoxState State = cbUnchecked;
        bool Enabled = true;
    };
    std::vector<Item> FItemList;
    void CheckIndex(int Index) const;

private:
    friend class platform::detail::TListBoxStrings;

    void RequireWindow();
    int InsertItem(int Index, const String& S, TObject* AObject, bool Sorted);
    void DeleteItem(int Index);
    void ClearItems();
    void ItemsChanged();
    void SortItems();
    // Moves the focus to Index as the user did: selects it (single) or, in a multiple
    // selection, what Shift and Ctrl ask; fires OnClick when the selection changed.
    void UserMoveTo(int Index, TShiftState Shift);
    void MakeVisible(int Index);
    void SelectOnly(int Index);

    TStrings* FItems;
    int FItemIndex = -1;
    int FCaret = 0;
    int FAnchor = 0;
    bool FMultiSelect = false;
    bool FSorted = false;
    TListBoxStyle FStyle = lbStandard;
    int FItemHeight = 16;
    int FTopIndex = 0;
    TBorderStyle FBorderStyle = bsSingle;
    bool FTracking = false;
};

class TListBox : public TCustomListBox {
    ORVO_CLASS(TListBox, TCustomListBox)
public:
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};
