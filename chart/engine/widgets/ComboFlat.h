// TComboFlat: the drop-down list of the chart editors. It looks flat (a thin frame in the
// button-face colour) unless the mouse is over it or it has the focus.
#pragma once

#include "platform/controls/ComboBox.h"

class TComboFlat : public TComboBox {
    ORVO_CLASS(TComboFlat, TComboBox)
public:
    explicit TComboFlat(TComponent* AOwner);

    // Appends an item.
    void Add(const String& Item);
    // The selected item's text; empty when none is selected.
    String CurrentItem() const;
    // The object of the selected item; null when none is selected.
    TObject* SelectedObject() const;
    // The width of the dropped list (at least the combo's own width). Needs a parent window.
    int DropDownWidth();
    void SetDropDownWidth(int Value);
    // Whether the mouse is over the control.
    bool Inside() const { return FInside; }

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void SetInside(bool Value);
    bool FInside = false;
};
