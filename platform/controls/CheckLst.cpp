#include "platform/controls/CheckLst.h"

#include "platform/graphics/Canvas.h"

ORVO_IMPLEMENT_CLASS(TCheckListBox, TListBox)

TCheckBoxState TCheckListBox::State(int Index) const {
    CheckIndex(Index);
    return FItemList[std::size_t(Index)].State;
}

void TCheckListBox::SetState(int Index, TCheckBoxState Value) {
    CheckIndex(Index);
    FItemList[std::size_t(Index)].State = Value;
    Invalidate();
}

bool TCheckListBox::ItemEnabled(int Index) const {
    CheckIndex(Index);
    return FItemList[std::size_t(Index)].Enabled;
}

void TCheckListBox::SetItemEnabled(int Index, bool Value) {
    CheckIndex(Index);
    FItemList[std::size_t(Index)].Enabled = Value;
    Invalidate();
}

void TCheckListBox::ClickCheck() {
    if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::ToggleState(int Index) {
    Item& item = FItemList[std::size_t(Index)];
    if (!item.Enabled) return;
    switch (item.State) {
    // The order of a check box: unchecked, grayed (when allowed), checked.
    case cbUnchecked:
        item.State = FAllowGrayed ? cbGrayed : cbChecked;
        break;
    case cbChecked:
        item.State = cbUnchecked;
        break;
    case cbGrayed:
        item.State = cbChecked;
        break;
    }
    Invalidate();
    ClickCheck();
}

void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const int index = ItemAtPos(Point(X, Y), true);
    // The row is selected first (OnClick), then its box toggles.
    TListBox::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && index >= 0 && X - RowsRect().Left < CheckWidth) ToggleState(index);
}

void TCheckListBox::KeyPress(QChar& Key) {
    if (Key != QLatin1Char(' ')) {
        TListBox::KeyPress(Key);
        return;
    }
    if (OnKeyPress) OnKeyPress(this, Key);
    if (Key.isNull()) return;
    const int index = ItemIndex();
    if (index >= 0) ToggleState(index);
    Key = QChar();
}

void TCheckListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    TCanvas* c = Canvas();
    const TColor textBrush = c->Brush()->Color();
    // The box sits on the list's colour, the text on the selection's.
    c->Brush()->SetColor(Color());
    c->FillRect(::Rect(Rect.Left, Rect.Top, Rect.Left + CheckWidth, Rect.Bottom));
    // A 13-pixel box, smaller in low rows so that boxes of adjacent rows stay apart.
    const int size = std::max(6, std::min(13, Rect.Height() - 2));
    const int left = Rect.Left + (CheckWidth - size) / 2, top = Rect.Top + (Rect.Height() - size) / 2;
    const TRect box = Bounds(left, top, size, size);
    const TColor ink = State.Contains(odDisabled) ? clGrayText : clWindowText;
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(ink);
    c->Brush()->SetColor(clWindow);
    c->Rectangle(box);
    switch (FItemList[std::size_t(Index)].State) {
    case cbChecked:
        c->Pen()->SetWidth(2);
        c->MoveTo(left + 3, top + size / 2);
        c->LineTo(left + size * 5 / 12, top + size - 4);
        c->LineTo(left + size - 3, top + 3);
        c->Pen()->SetWidth(1);
        break;
    case cbGrayed:
        c->Brush()->SetColor(clGrayText);
        c->FillRect(Bounds(left + 3, top + 3, size - 6, size - 6));
        break;
    case cbUnchecked:
        break;
    }
    c->Brush()->SetColor(textBrush);
    TListBox::DrawItem(Index, ::Rect(Rect.Left + CheckWidth, Rect.Top, Rect.Right, Rect.Bottom), State);
}

ORVO_PUBLISHED(TCheckListBox) {
    P.Property("AllowGrayed", &TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed).Default(false);
    P.Property("OnClickCheck", &TCheckListBox::OnClickCheck);
}
