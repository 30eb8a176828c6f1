#include "platform/controls/ListBox.h"

#include "platform/classes/StringList.h"
#include "platform/controls/ItemListOrder.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"

ORVO_IMPLEMENT_CLASS(TCustomListBox, TCustomControl)
ORVO_IMPLEMENT_CLASS(TListBox, TCustomListBox)
ORVO_IMPLEMENT_EVENT_TYPE(TDrawItemEvent)
ORVO_IMPLEMENT_ENUM_TYPE(TListBoxStyle, "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable", "lbVirtual",
                         "lbVirtualOwnerDraw")

namespace platform::detail {

// The items of a list box: a view of the control's own list.
class TListBoxStrings : public TStrings {
    ORVO_CLASS(TListBoxStrings, TStrings)
public:
    explicit TListBoxStrings(TCustomListBox* AList = nullptr) : FList(AList) {}
    int Add(const String& S) override { return AddObject(S, nullptr); }
    int AddObject(const String& S, TObject* AObject) override {
        return FList->InsertItem(-1, S, AObject, FList->Sorted());
    }
    void Clear() override { FList->ClearItems(); }
    void Delete(int Index) override { FList->DeleteItem(Index); }
    void Insert(int Index, const String& S) override { InsertObject(Index, S, nullptr); }
    void InsertObject(int Index, const String& S, TObject* AObject) override {
        FList->InsertItem(Index, S, AObject, false);
    }
    void Exchange(int Index1, int Index2) override {
        FList->CheckIndex(Index1);
        FList->CheckIndex(Index2);
        FList->RequireWindow();
        std::swap(FList->FItemList[std::size_t(Index1)], FList->FItemList[std::size_t(Index2)]);
        if (FList->FItemIndex == Index1)
            FList->FItemIndex = Index2;
        else if (FList->FItemIndex == Index2)
            FList->FItemIndex = Index1;
        FList->ItemsChanged();
    }

protected:
    String Get(int Index) const override {
        FList->CheckIndex(Index);
        return FList->FItemList[std::size_t(Index)].Text;
    }
    int GetCount() const override { return FList->Count(); }
    TObject* GetObject(int Index) const override {
        FList->CheckIndex(Index);
        return FList->FItemList[std::size_t(Index)].Object;
    }
    // Replaces the text in place: the item keeps its object, selection and state.
    void Put(int Index, const String& S) override {
        FList->CheckIndex(Index);
        FList->RequireWindow();
        FList->FItemList[std::size_t(Index)].Text = S;
        FList->ItemsChanged();
    }
    void PutObject(int Index, TObject* AObject) override {
        FList->CheckIndex(Index);
        FList->RequireWindow();
        FList->FItemList[std::size_t(Index)].Object = AObject;
    }
    void SetUpdateState(bool Updating) override {
        if (!Updating) FList->ItemsChanged();
    }

private:
    TCustomListBox* FList;
};
ORVO_IMPLEMENT_CLASS(TListBoxStrings, TStrings)

} // namespace platform::detail

// ---- TCustomListBox ----------------------------------------------------------------------

TCustomListBox::TCustomListBox(TComponent* AOwner) : TCustomControl(AOwner) {
    // OnClick comes from selection changes, not from every click.
    FControlStyle = {csCaptureMouse, csDoubleClicks, csSetCaption};
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    FItems = new platform::detail::TListBoxStrings(this);
}

TCustomListBox::~TCustomListBox() {
    delete FItems;
}

void TCustomListBox::SetItems(TStrings* Value) {
    FItems->Assign(Value);
}

void TCustomListBox::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TCustomListBox::RequireWindow() {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    HandleNeeded();
}

int TCustomListBox::InsertItem(int Index, const String& S, TObject* AObject, bool Sorted) {
    RequireWindow();
    if (Index == -1) {
        Index = Count();
        if (Sorted) Index = platform::detail::SortedInsertIndex(FItemList, S);
    } else if (Index < 0 || Index > Count()) {
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    }
    Item item;
    item.Text = S;
    item.Object = AObject;
    FItemList.insert(FItemList.begin() + Index, item);
    // While loading, ItemIndex is the stored value and refers to the final list.
    const bool loading = ComponentState().Contains(csLoading);
    if (FItemIndex >= Index && !loading) ++FItemIndex;
    if (FCaret > Index || (FCaret == Index && Count() > 1)) ++FCaret;
    ItemsChanged();
    return Index;
}

void TCustomListBox::DeleteItem(int Index) {
    CheckIndex(Index);
    RequireWindow();
    FItemList.erase(FItemList.begin() + Index);
    if (!ComponentState().Contains(csLoading)) {
        if (FItemIndex == Index)
            FItemIndex = -1;
        else if (FItemIndex > Index)
            --FItemIndex;
    }
    if (FCaret > Index) --FCaret;
    ItemsChanged();
}

void TCustomListBox::ClearItems() {
    RequireWindow();
    FItemList.clear();
    if (!ComponentState().Contains(csLoading)) FItemIndex = -1;
    FCaret = FAnchor = FTopIndex = 0;
    ItemsChanged();
}

void TCustomListBox::ItemsChanged() {
    FCaret = std::clamp(FCaret, 0, std::max(0, Count() - 1));
    FTopIndex = std::clamp(FTopIndex, 0, std::max(0, Count() - 1));
    Invalidate();
}

void TCustomListBox::SortItems() {
    const std::vector<int> order = platform::detail::SortItemList(FItemList);
    // While loading, ItemIndex already refers to the sorted list.
    if (!ComponentState().Contains(csLoading))
        FItemIndex = platform::detail::SortedPosition(order, FItemIndex);
    FCaret = std::max(0, platform::detail::SortedPosition(order, FCaret));
    ItemsChanged();
}

void TCustomListBox::Clear() {
    FItems->Clear();
}

void TCustomListBox::AddItem(const String& Item, TObject* AObject) {
    FItems->AddObject(Item, AObject);
}

void TCustomListBox::Loaded() {
    TCustomControl::Loaded();
    if (FSorted) SortItems();
    if (FItemIndex < -1 || FItemIndex >= Count()) FItemIndex = -1;
    if (!FMultiSelect && FItemIndex >= 0) SelectOnly(FItemIndex);
}

// ---- selection ---------------------------------------------------------------------------

int TCustomListBox::ItemIndex() const {
    if (FMultiSelect) return Count() > 0 ? FCaret : -1;
    return FItemIndex;
}

void TCustomListBox::SelectOnly(int Index) {
    for (int i = 0; i < Count(); ++i)
        FItemList[std::size_t(i)].Selected = i == Index;
}

void TCustomListBox::SetItemIndex(int Value) {
    if (ComponentState().Contains(csLoading)) {
        FItemIndex = Value;
        return;
    }
    if (Value < -1 || Value >= Count()) Value = -1;
    if (FMultiSelect) {
        if (Value >= 0) {
            FCaret = FAnchor = Value;
            MakeVisible(Value);
        }
    } else {
        FItemIndex = Value;
        SelectOnly(Value);
        if (Value >= 0) {
            FCaret = FAnchor = Value;
            MakeVisible(Value);
        }
    }
    Invalidate();
}

void TCustomListBox::SetMultiSelect(bool Value) {
    if (Value == FMultiSelect) return;
    FMultiSelect = Value;
    if (!Value) {
        // Back to a single selection: the focused item stays selected when it was.
        const int keep = FCaret < Count() && FItemList[std::size_t(FCaret)].Selected ? FCaret : -1;
        FItemIndex = keep;
        SelectOnly(keep);
    }
    Invalidate();
}

bool TCustomListBox::Selected(int Index) const {
    CheckIndex(Index);
    return FItemList[std::size_t(Index)].Selected;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
    CheckIndex(Index);
    if (FMultiSelect) {
        FItemList[std::size_t(Index)].Selected = Value;
    } else if (Value) {
        FItemIndex = Index;
        SelectOnly(Index);
        FCaret = Index;
    } else if (FItemIndex == Index) {
        FItemIndex = -1;
        SelectOnly(-1);
    }
    Invalidate();
}

int TCustomListBox::SelCount() const {
    if (!FMultiSelect) return -1;
    return int(std::count_if(FItemList.begin(), FItemList.end(), [](const Item& i) { return i.Selected; }));
}

void TCustomListBox::ClearSelection() {
    SelectOnly(-1);
    if (!FMultiSelect) FItemIndex = -1;
    Invalidate();
}

void TCustomListBox::SelectAll() {
    if (!FMultiSelect) return;
    for (Item& i : FItemList)
        i.Selected = true;
    Invalidate();
}

void TCustomListBox::DeleteSelected() {
    if (FMultiSelect) {
        for (int i = Count() - 1; i >= 0; --i)
            if (FItemList[std::size_t(i)].Selected) FItems->Delete(i);
    } else if (FItemIndex >= 0) {
        FItems->Delete(FItemIndex);
    }
}

void TCustomListBox::SetSorted(bool Value) {
    if (Value == FSorted) return;
    FSorted = Value;
    if (Value && !ComponentState().Contains(csLoading)) SortItems();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
    FStyle = Value;
    Invalidate();
}

int TCustomListBox::ItemHeight() const {
    if (FStyle != lbStandard) return FItemHeight;
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    return measure.Canvas()->TextHeight(QStringLiteral("Wg"));
}

void TCustomListBox::SetItemHeight(int Value) {
    if (Value <= 0) return;
    FItemHeight = Value;
    Invalidate();
}

void TCustomListBox::SetTopIndex(int Value) {
    Value = std::clamp(Value, 0, std::max(0, Count() - 1));
    if (Value == FTopIndex) return;
    FTopIndex = Value;
    Invalidate();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
    FBorderStyle = Value == bsNone ? bsNone : bsSingle;
    Invalidate();
}

// ---- geometry ----------------------------------------------------------------------------

TRect TCustomListBox::RowsRect() const {
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    return r;
}

int TCustomListBox::VisibleRows() const {
    return std::max(1, RowsRect().Height() / std::max(1, ItemHeight()));
}

TRect TCustomListBox::ItemRect(int Index) {
    if (Index < 0 || Index >= Count()) return {};
    const TRect rows = RowsRect();
    const int h = ItemHeight();
    const int top = rows.Top + (Index - FTopIndex) * h;
    return Rect(rows.Left, top, rows.Right, top + h);
}

int TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) {
    const TRect rows = RowsRect();
    if (Pos.X >= rows.Left && Pos.X < rows.Right && Pos.Y >= rows.Top && Pos.Y < rows.Bottom) {
        const int index = FTopIndex + (Pos.Y - rows.Top) / std::max(1, ItemHeight());
        if (index < Count()) return index;
    }
    return Existing ? -1 : Count();
}

void TCustomListBox::MakeVisible(int Index) {
    if (Index < 0) return;
    if (Index < FTopIndex)
        FTopIndex = Index;
    else if (Index >= FTopIndex + VisibleRows())
        FTopIndex = Index - VisibleRows() + 1;
}

// ---- painting ----------------------------------------------------------------------------

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    if (FStyle != lbStandard && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    TCanvas* c = Canvas();
    c->FillRect(Rect);
    if (Index >= 0 && Index < Count())
        c->TextOut(Rect.Left + 2, Rect.Top, FItemList[std::size_t(Index)].Text);
}

void TCustomListBox::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    if (FBorderStyle == bsSingle) {
        Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
        Frame3D(c, r, cl3DDkShadow, cl3DLight, 1);
    }
    const TRect rows = RowsRect();
    const bool focused = Focused();
    const int save = SaveDC(c->Handle());
    IntersectClipRect(c->Handle(), rows.Left, rows.Top, rows.Right, rows.Bottom);
    for (int i = FTopIndex; i < Count(); ++i) {
        const TRect ir = ItemRect(i);
        if (ir.Top >= rows.Bottom) break;
        const Item& item = FItemList[std::size_t(i)];
        TOwnerDrawState state;
        if (item.Selected) state << odSelected;
        if (focused && i == (FMultiSelect ? FCaret : FItemIndex)) state << odFocused;
        if (!Enabled() || !item.Enabled) state << odDisabled;
        c->SetFont(Font());
        c->Brush()->SetStyle(bsSolid);
        if (state.Contains(odSelected)) {
            c->Brush()->SetColor(clHighlight);
            c->Font()->SetColor(clHighlightText);
        } else {
            c->Brush()->SetColor(Color());
            if (state.Contains(odDisabled)) c->Font()->SetColor(clGrayText);
        }
        DrawItem(i, ir, state);
        if (state.Contains(odFocused)) c->DrawFocusRect(ir);
    }
    RestoreDC(c->Handle(), save);
}

// ---- input -------------------------------------------------------------------------------

void TCustomListBox::UserMoveTo(int Index, TShiftState Shift) {
    if (Count() == 0) return;
    Index = std::clamp(Index, 0, Count() - 1);
    std::vector<bool> before;
    before.reserve(FItemList.size());
    for (const Item& i : FItemList)
        before.push_back(i.Selected);
    const int oldIndex = FItemIndex;
    if (!FMultiSelect) {
        FItemIndex = Index;
        SelectOnly(Index);
        FAnchor = Index;
    } else if (Shift.Contains(ssShift)) {
        const int lo = std::min(FAnchor, Index), hi = std::max(FAnchor, Index);
        for (int i = 0; i < Count(); ++i)
            if (i >= lo && i <= hi)
                FItemList[std::size_t(i)].Selected = true;
            else if (!Shift.Contains(ssCtrl))
                FItemList[std::size_t(i)].Selected = false;
    } else if (Shift.Contains(ssCtrl)) {
        FAnchor = Index;
    } else {
        SelectOnly(Index);
        FAnchor = Index;
    }
    FCaret = Index;
    MakeVisible(Index);
    Invalidate();
    bool changed = oldIndex != FItemIndex;
    for (std::size_t i = 0; i < FItemList.size() && !changed; ++i)
        changed = before[i] != FItemList[i].Selected;
    if (changed) Click();
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const int index = ItemAtPos(Point(X, Y), true);
        if (index >= 0) {
            FTracking = true;
            if (FMultiSelect && Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
                // Ctrl+click toggles the item.
                FItemList[std::size_t(index)].Selected = !FItemList[std::size_t(index)].Selected;
                FCaret = FAnchor = index;
                Invalidate();
                Click();
            } else {
                UserMoveTo(index, Shift);
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
    if (FTracking) {
        const TRect rows = RowsRect();
        const int h = std::max(1, ItemHeight());
        const int index = Y < rows.Top ? FTopIndex - 1 : FTopIndex + (Y - rows.Top) / h;
        if (Count() > 0) {
            const int target = std::clamp(index, 0, Count() - 1);
            if (target != FCaret) UserMoveTo(target, FMultiSelect ? TShiftState{ssShift} : TShiftState{});
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) FTracking = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomListBox::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0 || Count() == 0) return;
    const int from = FMultiSelect ? FCaret : (FItemIndex < 0 ? -1 : FItemIndex);
    const int page = std::max(1, VisibleRows() - 1);
    int target;
    switch (Key) {
    case VK_UP:
        target = from < 0 ? 0 : from - 1;
        break;
    case VK_DOWN:
        target = from + 1;
        break;
    case VK_PRIOR:
        target = from - page;
        break;
    case VK_NEXT:
        target = std::max(0, from) + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = Count() - 1;
        break;
    default:
        return;
    }
    UserMoveTo(target, Shift);
    Key = 0;
}

void TCustomListBox::KeyPress(QChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key.isNull() || Count() == 0) return;
    if (FMultiSelect && Key == QLatin1Char(' ')) {
        Item& item = FItemList[std::size_t(FCaret)];
        item.Selected = !item.Selected;
        Invalidate();
        Click();
        return;
    }
    if (Key.unicode() < 32) return;
    // A typed character moves to the next item starting with it.
    const int from = FMultiSelect ? FCaret : FItemIndex;
    const int i = platform::detail::FindItemPrefix(FItemList, String(Key), from);
    if (i >= 0) UserMoveTo(i, {});
}

bool TCustomListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    // Three rows per notch, as the system scrolls lists.
    SetTopIndex(
        std::clamp(FTopIndex - WheelDelta / WHEEL_DELTA * 3, 0, std::max(0, Count() - VisibleRows())));
    return true;
}

void TCustomListBox::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TCustomListBox::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

void TCustomListBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

// ---- published ---------------------------------------------------------------------------

ORVO_PUBLISHED(TListBox) {
    using T = TListBox;
    PublishWinControlBasics(P);
    P.Property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(bsSingle);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor());
    P.Property("ItemHeight", &T::ItemHeight, &T::SetItemHeight);
    P.Property("ItemIndex", &T::ItemIndex, &T::SetItemIndex).Default(-1);
    P.Property("Items", &T::Items, &T::SetItems);
    P.Property("MultiSelect", &T::MultiSelect, &T::SetMultiSelect).Default(false);
    P.Property("Sorted", &T::Sorted, &T::SetSorted).Default(false);
    P.Property("Style", &T::Style, &T::SetStyle).Default(lbStandard);
    P.Property("OnDrawItem", &T::OnDrawItem);
}
