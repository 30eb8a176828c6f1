#include "platform/controls/ComboBox.h"

#include "platform/classes/StringList.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/ExceptionGuard.h"
#include "platform/controls/ItemListOrder.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

ORVO_IMPLEMENT_CLASS(TCustomCombo, TCustomControl)
ORVO_IMPLEMENT_CLASS(TCustomComboBox, TCustomCombo)
ORVO_IMPLEMENT_CLASS(TComboBox, TCustomComboBox)
ORVO_IMPLEMENT_CLASS(TCustomComboBoxEx, TCustomCombo)
ORVO_IMPLEMENT_CLASS(TComboBoxEx, TCustomComboBoxEx)
ORVO_IMPLEMENT_ENUM_TYPE(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
                         "csOwnerDrawVariable")
ORVO_IMPLEMENT_ENUM_TYPE(TComboBoxExStyle, "csExDropDown", "csExSimple", "csExDropDownList")

namespace {
constexpr int kBorder = 2;

int fontRowHeight(TFont* Font) {
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font);
    return measure.Canvas()->TextHeight(QStringLiteral("Wg"));
}

} // namespace

namespace platform::detail {

// The items of a combo box: a view of the control's own list.
class TComboBoxStrings : public TStrings {
    ORVO_CLASS(TComboBoxStrings, TStrings)
public:
    explicit TComboBoxStrings(TCustomCombo* ACombo = nullptr) : FCombo(ACombo) {}
    int Add(const String& S) override { return AddObject(S, nullptr); }
    int AddObject(const String& S, TObject* AObject) override {
        return FCombo->InsertItem(-1, S, AObject, FCombo->IsSorted());
    }
    void Clear() override { FCombo->ClearItems(); }
    void Delete(int Index) override { FCombo->DeleteItem(Index); }
    void Insert(int Index, const String& S) override { InsertObject(Index, S, nullptr); }
    void InsertObject(int Index, const String& S, TObject* AObject) override {
        FCombo->InsertItem(Index, S, AObject, false);
    }

protected:
    String Get(int Index) const override { return at(Index).Text; }
    int GetCount() const override { return int(FCombo->FItemList.size()); }
    TObject* GetObject(int Index) const override { return at(Index).Object; }
    // Replaces the text in place: the item keeps its object and its selection.
    void Put(int Index, const String& S) override {
        at(Index);
        FCombo->RequireWindow();
        FCombo->FItemList[std::size_t(Index)].Text = S;
        if (Index == FCombo->FItemIndex && FCombo->Editable()) FCombo->FEditText = S;
        FCombo->ItemsChanged();
    }
    void PutObject(int Index, TObject* AObject) override {
        at(Index);
        FCombo->RequireWindow();
        FCombo->FItemList[std::size_t(Index)].Object = AObject;
    }
    void SetUpdateState(bool Updating) override {
        if (!Updating) FCombo->ItemsChanged();
    }

private:
    const TCustomCombo::Item& at(int Index) const {
        if (Index < 0 || Index >= GetCount()) Error(QStringLiteral("List index out of bounds (%d)"), Index);
        return FCombo->FItemList[std::size_t(Index)];
    }
    TCustomCombo* FCombo;
};
ORVO_IMPLEMENT_CLASS(TComboBoxStrings, TStrings)

// The dropped list: a popup window below the combo box whose rows the combo draws.
class ComboPopup : public QWidget {
public:
    ComboPopup(TCustomCombo* Combo, QWidget* Parent)
        : QWidget(Parent, Qt::Popup | Qt::FramelessWindowHint), combo_(Combo) {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void Detach() { combo_ = nullptr; }

    int Highlight = -1;
    int Top = 0;

    int Rows() const { return std::max(1, (height() - 2) / std::max(1, combo_->ItemHeight())); }
    int Count() const { return int(combo_->FItemList.size()); }
    int RowAt(int Y) const {
        if (Y < 1 || Y >= height() - 1) return -1;
        const int row = Top + (Y - 1) / std::max(1, combo_->ItemHeight());
        return row < Count() ? row : -1;
    }
    void MakeVisible(int Row) {
        if (Row < 0) return;
        if (Row < Top) Top = Row;
        if (Row >= Top + Rows()) Top = Row - Rows() + 1;
        Top = std::clamp(Top, 0, std::max(0, Count() - Rows()));
    }
    void MoveHighlight(int Row) {
        if (Count() == 0) return;
        Highlight = std::clamp(Row, 0, Count() - 1);
        MakeVisible(Highlight);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!combo_) return;
        TBitmap image(width(), height());
        Guarded([&] { combo_->PaintList(image.Canvas(), this); });
        QPainter p(this);
        p.drawImage(0, 0, image.Image());
    }
    void mousePressEvent(QMouseEvent* Event) override {
        Event->accept();
        if (combo_ && !rect().contains(Event->position().toPoint()))
            Guarded([&] { combo_->CloseList(false); });
    }
    void mouseMoveEvent(QMouseEvent* Event) override {
        Event->accept();
        if (!combo_) return;
        const int row = RowAt(int(Event->position().y()));
        if (row >= 0 && row != Highlight) {
            Highlight = row;
            update();
        }
    }
    void mouseReleaseEvent(QMouseEvent* Event) override {
        Event->accept();
        if (!combo_) return;
        const int row = RowAt(int(Event->position().y()));
        if (row < 0 || !rect().contains(Event->position().toPoint())) return;
        Highlight = row;
        Guarded([&] { combo_->CloseList(true); });
    }
    void wheelEvent(QWheelEvent* Event) override {
        Event->accept();
        if (!combo_) return;
        Top = std::clamp(Top - Event->angleDelta().y() / 120 * 3, 0, std::max(0, Count() - Rows()));
        update();
    }
    void keyPressEvent(QKeyEvent* Event) override {
        Event->accept();
        if (!combo_) return;
        const bool alt = Event->modifiers() & Qt::AltModifier;
        switch (Event->key()) {
        case Qt::Key_Up:
            if (alt)
                Guarded([&] { combo_->CloseList(true); });
            else
                MoveHighlight(Highlight < 0 ? 0 : Highlight - 1);
            break;
        case Qt::Key_Down:
            MoveHighlight(Highlight < 0 ? 0 : Highlight + 1);
            break;
        case Qt::Key_PageUp:
            MoveHighlight(Highlight - (Rows() - 1));
            break;
        case Qt::Key_PageDown:
            MoveHighlight(Highlight + (Rows() - 1));
            break;
        case Qt::Key_Home:
            MoveHighlight(0);
            break;
        case Qt::Key_End:
            MoveHighlight(Count() - 1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F4:
            Guarded([&] { combo_->CloseList(true); });
            break;
        case Qt::Key_Escape:
            Guarded([&] { combo_->CloseList(false); });
            break;
        default:
            break;
        }
    }
    // Qt hides a popup on a click outside it: the list closes without a pick.
    void hideEvent(QHideEvent*) override {
        if (combo_) Guarded([&] { combo_->CloseList(false); });
    }

private:
    TCustomCombo* combo_;
};

} // namespace platform::detail

using platform::detail::ComboPopup;

// ---- TCustomCombo ------------------------------------------------------------------------

TCustomCombo::TCustomCombo(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    FItems = new platform::detail::TComboBoxStrings(this);
}

TCustomCombo::~TCustomCombo() {
    if (FPopup) {
        FPopup->Detach();
        delete FPopup;
        FPopup = nullptr;
    }
    delete FItems;
}

void TCustomCombo::DestroyWnd() {
    // The list is a child window of ours: it goes first.
    if (FPopup) {
        FPopup->Detach();
        delete FPopup;
        FPopup = nullptr;
    }
    TCustomControl::DestroyWnd();
}

void TCustomCombo::SetItems(TStrings* Value) {
    FItems->Assign(Value);
}

void TCustomCombo::RequireWindow() {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    HandleNeeded();
}

int TCustomCombo::InsertItem(int Index, const String& S, TObject* AObject, bool Sorted) {
    RequireWindow();
    const int count = int(FItemList.size());
    if (Index == -1) {
        Index = count;
        if (Sorted) Index = platform::detail::SortedInsertIndex(FItemList, S);
    } else if (Index < 0 || Index > count) {
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    }
    FItemList.insert(FItemList.begin() + Index, Item{S, AObject});
    // While loading, ItemIndex is the stored value and refers to the final list.
    const bool loading = ComponentState().Contains(csLoading);
    if (FItemIndex >= Index && !loading) ++FItemIndex;
    ItemsChanged();
    return Index;
}

void TCustomCombo::DeleteItem(int Index) {
    if (Index < 0 || Index >= int(FItemList.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    RequireWindow();
    FItemList.erase(FItemList.begin() + Index);
    if (!ComponentState().Contains(csLoading)) {
        if (FItemIndex == Index)
            FItemIndex = -1;
        else if (FItemIndex > Index)
            --FItemIndex;
    }
    ItemsChanged();
}

void TCustomCombo::ClearItems() {
    RequireWindow();
    FItemList.clear();
    if (!ComponentState().Contains(csLoading)) FItemIndex = -1;
    // Emptying the list empties the edit part too.
    FEditText.clear();
    FCaret = FAnchor = 0;
    ItemsChanged();
}

void TCustomCombo::ItemsChanged() {
    if (FPopup) {
        FPopup->Highlight = std::min(FPopup->Highlight, int(FItemList.size()) - 1);
        FPopup->MakeVisible(FPopup->Highlight);
        FPopup->update();
    }
    Invalidate();
}

void TCustomCombo::Clear() {
    SetText(String());
    FItems->Clear();
}

void TCustomCombo::AddItem(const String& Item, TObject* AObject) {
    FItems->AddObject(Item, AObject);
}

void TCustomCombo::SortItems() {
    const std::vector<int> order = platform::detail::SortItemList(FItemList);
    // While loading, ItemIndex already refers to the sorted list.
    if (!ComponentState().Contains(csLoading))
        FItemIndex = platform::detail::SortedPosition(order, FItemIndex);
    ItemsChanged();
}

int TCustomCombo::ItemIndex() const {
    return FItemIndex;
}

void TCustomCombo::SetItemIndex(int Value) {
    if (ComponentState().Contains(csLoading)) {
        FItemIndex = Value;
        return;
    }
    if (Value < -1 || Value >= int(FItemList.size())) Value = -1;
    if (Value == FItemIndex) return;
    FItemIndex = Value;
    if (Editable()) SetEditText(Value >= 0 ? FItemList[std::size_t(Value)].Text : String());
    Invalidate();
}

String TCustomCombo::GetText() const {
    if (Editable()) return FEditText;
    if (FItemIndex >= 0 && FItemIndex < int(FItemList.size())) return FItemList[std::size_t(FItemIndex)].Text;
    return String();
}

void TCustomCombo::SetEditText(const String& Value) {
    FEditText = Value;
    FCaret = FAnchor = int(Value.size());
    if (Focused()) FAnchor = 0;
}

void TCustomCombo::SetTextValue(const String& Value) {
    if (ComponentState().Contains(csLoading)) {
        FEditText = Value;
        return;
    }
    const int match = FItems->IndexOf(Value);
    if (Editable()) {
        SetEditText(Value);
        FItemIndex = match;
    } else if (match >= 0) {
        // A list shows only its items: a text that is none of them changes nothing.
        FItemIndex = match;
    }
    Invalidate();
}

void TCustomCombo::Loaded() {
    TCustomControl::Loaded();
    if (IsSorted()) SortItems();
    if (FItemIndex < -1 || FItemIndex >= int(FItemList.size())) FItemIndex = -1;
    if (Editable() && FItemIndex >= 0) FEditText = FItemList[std::size_t(FItemIndex)].Text;
}

int TCustomCombo::ItemHeight() const {
    if (OwnerDrawn()) return FItemHeight;
    return fontRowHeight(Font());
}

void TCustomCombo::SetItemHeight(int Value) {
    if (Value <= 0) return;
    FItemHeight = Value;
    Invalidate();
}

// ---- events ------------------------------------------------------------------------------

void TCustomCombo::Change() {
    if (OnChange) OnChange(this);
}

void TCustomCombo::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomCombo::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TCustomCombo::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

void TCustomCombo::UserSelect(int Index) {
    if (Index < 0 || Index >= int(FItemList.size()) || Index == FItemIndex) return;
    FItemIndex = Index;
    if (Editable()) {
        FEditText = FItemList[std::size_t(Index)].Text;
        FAnchor = 0;
        FCaret = int(FEditText.size());
    }
    Invalidate();
    Click();
    Select();
}

void TCustomCombo::UserEdit(const String& NewText, int Caret) {
    FEditText = NewText;
    FCaret = FAnchor = std::clamp(Caret, 0, int(NewText.size()));
    FItemIndex = FItems->IndexOf(NewText);
    Invalidate();
    Change();
}

// ---- the dropped list --------------------------------------------------------------------

void TCustomCombo::SetDroppedDown(bool Value) {
    if (Value == DroppedDown()) return;
    if (!Value) {
        CloseList(false);
        return;
    }
    if (!Enabled()) return;
    HandleNeeded();
    DropDown();
    const int h = ItemHeight();
    const int rows = std::clamp(int(FItemList.size()), 1, FDropDownCount);
    auto* popup = new ComboPopup(this, Widget());
    const QPoint origin = Widget()->mapToGlobal(QPoint(0, Height()));
    popup->setGeometry(origin.x(), origin.y(), std::max(FDroppedWidth, Width()), rows * h + 2);
    popup->Highlight = FItemIndex;
    popup->MakeVisible(FItemIndex);
    FPopup = popup;
    popup->show();
    Invalidate();
}

void TCustomCombo::CloseList(bool Accept) {
    if (!FPopup) return;
    ComboPopup* popup = FPopup;
    FPopup = nullptr;
    const int pick = popup->Highlight;
    popup->Detach();
    popup->hide();
    popup->deleteLater();
    Invalidate();
    if (Accept) UserSelect(pick);
    CloseUp();
}

void TCustomCombo::PaintList(TCanvas* Target, ComboPopup* popup) {
    auto* canvas = static_cast<TControlCanvas*>(Canvas());
    canvas->FreeHandle();
    canvas->Lock();
    canvas->SetHandle(Target->Handle());
    try {
        const TRect all = Rect(0, 0, popup->width(), popup->height());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(all);
        canvas->Brush()->SetColor(clWindowFrame);
        canvas->FrameRect(all);
        const int h = ItemHeight();
        for (int row = popup->Top; row < int(FItemList.size()) && row < popup->Top + popup->Rows(); ++row) {
            const int y = 1 + (row - popup->Top) * h;
            TOwnerDrawState state;
            if (row == popup->Highlight) state << odSelected << odFocused;
            DrawRow(row, Rect(1, y, popup->width() - 1, y + h), state);
        }
    } catch (...) {
        canvas->SetHandle(nullptr);
        canvas->Unlock();
        throw;
    }
    canvas->SetHandle(nullptr);
    canvas->Unlock();
}

// ---- painting ----------------------------------------------------------------------------

TRect TCustomCombo::ButtonRect() const {
    const int w = std::min(GetSystemMetrics(SM_CXVSCROLL), Width() - 2 * kBorder);
    return Rect(Width() - kBorder - w, kBorder, Width() - kBorder, Height() - kBorder);
}

TRect TCustomCombo::TextRect() const {
    return Rect(kBorder, kBorder, ButtonRect().Left, Height() - kBorder);
}

void TCustomCombo::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    (void)State;
    TCanvas* c = Canvas();
    c->FillRect(Rect);
    if (Index < 0 || Index >= int(FItemList.size())) return;
    const String& text = FItemList[std::size_t(Index)].Text;
    c->TextRect(Rect, Rect.Left + 2, Rect.Top + (Rect.Height() - c->TextHeight(text)) / 2, text);
}

void TCustomCombo::DrawRow(int Index, const TRect& Rect, TOwnerDrawState State) {
    TCanvas* c = Canvas();
    c->SetFont(Font());
    c->Brush()->SetStyle(bsSolid);
    if (State.Contains(odSelected)) {
        c->Brush()->SetColor(clHighlight);
        c->Font()->SetColor(clHighlightText);
    } else {
        c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
        if (!Enabled()) c->Font()->SetColor(clGrayText);
    }
    if (!Enabled()) State << odDisabled;
    DrawItem(Index, Rect, State);
    if (State.Contains(odFocused)) {
        c->Brush()->SetColor(clHighlight);
        c->DrawFocusRect(Rect);
    }
}

void TCustomCombo::Paint() {
    TCanvas* c = Canvas();
    const bool focused = Focused() && !FPopup;
    TRect r = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    c->FillRect(r);
    Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
    Frame3D(c, r, cl3DDkShadow, cl3DLight, 1);

    const TRect text = TextRect();
    if (Editable()) {
        c->SetFont(Font());
        if (!Enabled()) c->Font()->SetColor(clGrayText);
        c->Brush()->SetStyle(bsClear);
        const int x = text.Left + 2;
        const int y = text.Top + (text.Height() - c->TextHeight(QStringLiteral("Wg"))) / 2;
        c->TextRect(text, x, y, FEditText);
        if (focused) {
            const int s = std::min(FCaret, FAnchor), e = std::max(FCaret, FAnchor);
            if (e > s) {
                const int sx = x + c->TextWidth(FEditText.left(s));
                const int ex = x + c->TextWidth(FEditText.left(e));
                const TRect sel = Rect(sx, text.Top + 1, std::min(ex, text.Right), text.Bottom - 1);
                c->Brush()->SetStyle(bsSolid);
                c->Brush()->SetColor(clHighlight);
                c->Font()->SetColor(clHighlightText);
                c->TextRect(sel, sx, y, FEditText.mid(s, e - s));
            }
            const int cx = x + c->TextWidth(FEditText.left(FCaret));
            c->Pen()->SetColor(clWindowText);
            c->MoveTo(cx, text.Top + 2);
            c->LineTo(cx, text.Bottom - 2);
        }
    } else {
        TOwnerDrawState state{odComboBoxEdit};
        if (focused) state << odSelected << odFocused;
        DrawRow(FItemIndex, Rect(text.Left + 1, text.Top + 1, text.Right - 1, text.Bottom - 1), state);
    }

    TRect button = ButtonRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(button);
    if (FPopup)
        Frame3D(c, button, clBtnShadow, clBtnShadow, 1);
    else
        Frame3D(c, button, clBtnHighlight, cl3DDkShadow, 1);
    const int cx = (button.Left + button.Right) / 2 + (FPopup ? 1 : 0);
    const int cy = (button.Top + button.Bottom) / 2 - 1 + (FPopup ? 1 : 0);
    const TColor arrow = Enabled() ? clBtnText : clGrayText;
    c->Pen()->SetColor(arrow);
    c->Brush()->SetColor(arrow);
    const TPoint tri[3] = {Point(cx - 3, cy - 1), Point(cx + 3, cy - 1), Point(cx, cy + 2)};
    c->Polygon(tri, 3);
}

// ---- input -------------------------------------------------------------------------------

int TCustomCombo::CaretAt(int X) {
    TCanvas* c = Canvas();
    c->SetFont(Font());
    const int x0 = TextRect().Left + 2;
    for (int i = 0; i < int(FEditText.size()); ++i) {
        const int mid = x0 + (c->TextWidth(FEditText.left(i)) + c->TextWidth(FEditText.left(i + 1))) / 2;
        if (X < mid) return i;
    }
    return int(FEditText.size());
}

void TCustomCombo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (Editable() && !ButtonRect().Contains(Point(X, Y))) {
            FCaret = CaretAt(X);
            if (!Shift.Contains(ssShift)) FAnchor = FCaret;
            Invalidate();
        } else {
            SetDroppedDown(!DroppedDown());
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomCombo::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const int count = int(FItemList.size());
    auto move = [&](int Target) {
        if (count == 0) return;
        UserSelect(FItemIndex < 0 ? 0 : std::clamp(Target, 0, count - 1));
    };
    if (Key == VK_F4 || ((Key == VK_DOWN || Key == VK_UP) && Shift.Contains(ssAlt))) {
        SetDroppedDown(!DroppedDown());
        Key = 0;
        return;
    }
    const bool editable = Editable();
    const bool extend = Shift.Contains(ssShift);
    switch (Key) {
    case VK_UP:
        move(FItemIndex - 1);
        break;
    case VK_DOWN:
        move(FItemIndex + 1);
        break;
    case VK_PRIOR:
        move(FItemIndex - (FDropDownCount - 1));
        break;
    case VK_NEXT:
        move(FItemIndex + (FDropDownCount - 1));
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!editable) {
            move(FItemIndex + (Key == VK_LEFT ? -1 : 1));
        } else {
            FCaret = std::clamp(FCaret + (Key == VK_LEFT ? -1 : 1), 0, int(FEditText.size()));
            if (!extend) FAnchor = FCaret;
            Invalidate();
        }
        break;
    case VK_HOME:
    case VK_END:
        if (!editable) {
            move(Key == VK_HOME ? 0 : count - 1);
        } else {
            FCaret = Key == VK_HOME ? 0 : int(FEditText.size());
            if (!extend) FAnchor = FCaret;
            Invalidate();
        }
        break;
    case VK_DELETE:
        if (editable) {
            const int s = std::min(FCaret, FAnchor), e = std::max(FCaret, FAnchor);
            if (e > s)
                UserEdit(FEditText.left(s) + FEditText.mid(e), s);
            else if (FCaret < int(FEditText.size()))
                UserEdit(FEditText.left(FCaret) + FEditText.mid(FCaret + 1), FCaret);
        }
        break;
    default:
        if (!editable || !Shift.Contains(ssCtrl) || Shift.Contains(ssAlt) || !EditShortcut(Key)) return;
    }
    Key = 0;
}

bool TCustomCombo::EditShortcut(Word Key) {
    const int s = std::min(FCaret, FAnchor), e = std::max(FCaret, FAnchor);
    switch (Key) {
    case 'A':
        FAnchor = 0;
        FCaret = int(FEditText.size());
        Invalidate();
        return true;
    case 'C':
    case 'X':
        if (e > s) {
            Clipboard()->SetAsText(FEditText.mid(s, e - s));
            if (Key == 'X') UserEdit(FEditText.left(s) + FEditText.mid(e), s);
        }
        return true;
    case 'V': {
        // The edit part holds one line.
        const String text = Clipboard()->AsTextLine();
        UserEdit(FEditText.left(s) + text + FEditText.mid(e), s + int(text.size()));
        return true;
    }
    default:
        return false;
    }
}

void TCustomCombo::KeyPress(QChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key.isNull()) return;
    const ushort ch = Key.unicode();
    if (!Editable()) {
        if (ch >= 32) {
            const int i = platform::detail::FindItemPrefix(FItemList, String(Key), FItemIndex);
            if (i >= 0) UserSelect(i);
        }
        return;
    }
    const int s = std::min(FCaret, FAnchor), e = std::max(FCaret, FAnchor);
    if (ch == 8) {
        if (e > s)
            UserEdit(FEditText.left(s) + FEditText.mid(e), s);
        else if (s > 0)
            UserEdit(FEditText.left(s - 1) + FEditText.mid(s), s - 1);
    } else if (ch >= 32) {
        UserEdit(FEditText.left(s) + String(Key) + FEditText.mid(e), s + 1);
    }
}

bool TCustomCombo::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    // A focused, closed combo box steps its selection with the wheel.
    if (!Focused() || FPopup || FItemList.empty()) return false;
    const int step = WheelDelta > 0 ? -1 : 1;
    UserSelect(FItemIndex < 0 ? 0 : std::clamp(FItemIndex + step, 0, int(FItemList.size()) - 1));
    return true;
}

void TCustomCombo::DoEnter() {
    if (Editable()) {
        FAnchor = 0;
        FCaret = int(FEditText.size());
    }
    Invalidate();
    TCustomControl::DoEnter();
}

void TCustomCombo::DoExit() {
    CloseList(false);
    FAnchor = FCaret;
    Invalidate();
    TCustomControl::DoExit();
}

void TCustomCombo::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case CB_SETDROPPEDWIDTH:
        RequireWindow();
        FDroppedWidth = std::max(0, int(Message.WParam));
        Message.Result = std::max(FDroppedWidth, Width());
        return;
    case CB_GETDROPPEDWIDTH:
        RequireWindow();
        Message.Result = std::max(FDroppedWidth, Width());
        return;
    case CM_ENABLEDCHANGED:
        if (!Enabled()) CloseList(false);
        Invalidate();
        break;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

// ---- TCustomComboBox ---------------------------------------------------------------------

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomCombo(AOwner) {}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
    if (Value == FStyle) return;
    const String text = GetText();
    FStyle = Value;
    if (Editable()) SetTextValue(text);
    Invalidate();
}

void TCustomComboBox::SetSorted(bool Value) {
    if (Value == FSorted) return;
    FSorted = Value;
    if (Value && !ComponentState().Contains(csLoading)) SortItems();
}

void TCustomComboBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    if (OwnerDrawn() && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    TCustomCombo::DrawItem(Index, Rect, State);
}

// ---- TCustomComboBoxEx -------------------------------------------------------------------

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* AOwner) : TCustomCombo(AOwner) {}

void TCustomComboBoxEx::SetStyle(TComboBoxExStyle Value) {
    if (Value == FStyle) return;
    const String text = GetText();
    FStyle = Value;
    if (Editable()) SetTextValue(text);
    Invalidate();
}

// ---- published ---------------------------------------------------------------------------

ORVO_PUBLISHED(TComboBox) {
    PublishWinControlBasics(P);
    P.Property("Color", &TComboBox::Color, &TComboBox::SetColor).Type(TypeInfoTColor());
    P.Property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8);
    P.Property("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight);
    P.Property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).Default(-1);
    P.Property("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(false);
    P.Property("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown);
    P.Property("Text", &TComboBox::Text, &TComboBox::SetText);
    P.Property("Items", &TComboBox::Items, &TComboBox::SetItems);
    P.Property("OnChange", &TComboBox::OnChange);
    P.Property("OnSelect", &TComboBox::OnSelect);
    P.Property("OnDropDown", &TComboBox::OnDropDown);
    P.Property("OnCloseUp", &TComboBox::OnCloseUp);
    P.Property("OnDrawItem", &TComboBox::OnDrawItem);
}

ORVO_PUBLISHED(TComboBoxEx) {
    PublishWinControlBasics(P);
    P.Property("Color", &TComboBoxEx::Color, &TComboBoxEx::SetColor).Type(TypeInfoTColor());
    P.Property("DropDownCount", &TComboBoxEx::DropDownCount, &TComboBoxEx::SetDropDownCount).Default(8);
    P.Property("ItemIndex", &TComboBoxEx::ItemIndex, &TComboBoxEx::SetItemIndex).Default(-1);
    P.Property("Style", &TComboBoxEx::Style, &TComboBoxEx::SetStyle).Default(csExDropDown);
    P.Property("Text", &TComboBoxEx::Text, &TComboBoxEx::SetText);
    P.Property("OnChange", &TComboBoxEx::OnChange);
    P.Property("OnSelect", &TComboBoxEx::OnSelect);
    P.Property("OnDropDown", &TComboBoxEx::OnDropDown);
    P.Property("OnCloseUp", &TComboBoxEx::OnCloseUp);
}
