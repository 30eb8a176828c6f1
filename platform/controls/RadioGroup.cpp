#include "platform/controls/RadioGroup.h"

#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TCustomRadioGroup, TCustomGroupBox)
ORVO_IMPLEMENT_CLASS(TRadioGroup, TCustomRadioGroup)

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner) : TCustomGroupBox(AOwner) {
    auto* items = new TStringList;
    items->OnChange = TNotifyEvent(this, &TCustomRadioGroup::ItemsChanged);
    FItems = items;
}

TCustomRadioGroup::~TCustomRadioGroup() {
    static_cast<TStringList*>(FItems)->OnChange = nullptr;
    delete FItems;
}

void TCustomRadioGroup::SetItems(TStrings* Value) {
    FItems->Assign(Value);
}

void TCustomRadioGroup::SetItemIndex(int Value) {
    if (ComponentState().Contains(csLoading)) {
        FItemIndex = Value;
        return;
    }
    // Below 0 becomes -1, beyond the last item the last one.
    Value = std::clamp(Value, -1, FItems->Count() - 1);
    if (Value == FItemIndex) return;
    FItemIndex = Value;
    FUpdating = true;
    for (int i = 0; i < ButtonCount(); ++i)
        FButtons[std::size_t(i)]->SetChecked(i == Value);
    FUpdating = false;
    Click();
}

void TCustomRadioGroup::SetColumns(int Value) {
    Value = std::clamp(Value, 1, 16);
    if (Value == FColumns) return;
    FColumns = Value;
    ArrangeButtons();
    Invalidate();
}

void TCustomRadioGroup::ItemsChanged(TObject*) {
    if (ComponentState().Contains(csLoading)) return;
    if (FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
    UpdateButtons();
}

void TCustomRadioGroup::Loaded() {
    TCustomGroupBox::Loaded();
    const int index = FItemIndex;
    FItemIndex = std::clamp(index, -1, FItems->Count() - 1);
    UpdateButtons();
}

void TCustomRadioGroup::Resize() {
    TCustomGroupBox::Resize();
    ArrangeButtons();
}

void TCustomRadioGroup::ButtonClick(TObject* Sender) {
    if (FUpdating) return;
    auto it = std::find(FButtons.begin(), FButtons.end(), static_cast<TRadioButton*>(Sender));
    if (it == FButtons.end() || !(*it)->Checked()) return;
    const int index = int(it - FButtons.begin());
    if (index == FItemIndex) return;
    FItemIndex = index;
    Click();
}

void TCustomRadioGroup::UpdateButtons() {
    FUpdating = true;
    while (ButtonCount() > FItems->Count()) {
        delete FButtons.back();
        FButtons.pop_back();
    }
    while (ButtonCount() < FItems->Count()) {
        auto* b = new TRadioButton(nullptr);
        b->OnClick = TNotifyEvent(this, &TCustomRadioGroup::ButtonClick);
        b->SetParent(this);
        FButtons.push_back(b);
    }
    for (int i = 0; i < ButtonCount(); ++i) {
        TRadioButton* b = FButtons[std::size_t(i)];
        b->SetCaption(FItems->Strings(i));
        b->SetChecked(i == FItemIndex);
        b->SetTabStop(i == FItemIndex || (FItemIndex < 0 && i == 0));
    }
    FUpdating = false;
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
    if (FButtons.empty()) return;
    TRect r = ClientRect();
    AdjustClientRect(r);
    const int rows = (ButtonCount() + FColumns - 1) / FColumns;
    const int colWidth = std::max(1, (r.Width() - 8) / FColumns);
    const int rowHeight = std::max(1, r.Height() / std::max(rows, 1));
    for (int i = 0; i < ButtonCount(); ++i) {
        const int col = i / rows, row = i % rows;
        const int h = std::min(rowHeight, 17);
        FButtons[std::size_t(i)]->SetBounds(r.Left + 8 + col * colWidth,
                                            r.Top + row * rowHeight + (rowHeight - h) / 2, colWidth - 2, h);
    }
}

ORVO_PUBLISHED(TRadioGroup) {
    PublishWinControlBasics(P);
    P.Property("Caption", &TRadioGroup::Caption, &TRadioGroup::SetCaption);
    P.Property("Color", &TRadioGroup::Color, &TRadioGroup::SetColor).Type(TypeInfoTColor());
    P.Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1);
    P.Property("Items", &TRadioGroup::Items, &TRadioGroup::SetItems);
    P.Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
}
