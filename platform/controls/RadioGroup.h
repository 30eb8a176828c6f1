// TCustomRadioGroup/TRadioGroup: a group box with one radio button per line of Items,
// laid out in Columns. ItemIndex is the checked button: -1 for anything below 0 and the
// last index for anything beyond it. OnClick fires when the user or code changes it.
#pragma once

#include "platform/controls/GroupBox.h"

#include <vector>

class TStrings;
class TRadioButton;

class TCustomRadioGroup : public TCustomGroupBox {
    ORVO_CLASS(TCustomRadioGroup, TCustomGroupBox)
public:
    explicit TCustomRadioGroup(TComponent* AOwner);
    ~TCustomRadioGroup() override;

    TStrings* Items() const { return FItems; }
    void SetItems(TStrings* Value);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    // The radio button of an item (the buttons follow Items).
    TRadioButton* Buttons(int Index) const { return FButtons.at(std::size_t(Index)); }
    int ButtonCount() const { return int(FButtons.size()); }

protected:
    void Loaded() override;
    void Resize() override;
    void ItemsChanged(TObject* Sender);
    void ButtonClick(TObject* Sender);
    void ArrangeButtons();
    void UpdateButtons();

private:
    TStrings* FItems;
    std::vector<TRadioButton*> FButtons;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
    ORVO_CLASS(TRadioGroup, TCustomRadioGroup)
public:
    explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}
};
