// TFormCreator: builds the option controls of a bitmap filter at run time. The filter names
// its published properties and the creator stacks one control per property into its owner
// (a check box, colour button, drop-down list, number edit with arrows, or scroll bar),
// filled from the property and writing back into it on every change.
#pragma once

#include "chart/engine/pictures/TeeFilters.h"
#include "platform/classes/Component.h"

#include <memory>
#include <vector>

class TControl;
class TWinControl;

// What one built control edits: the property's name and an optional extra event.
struct TFormItem {
    String PropName;
    TNotifyEvent OnChange;
};

using TFormItems = std::vector<std::unique_ptr<TFormItem>>;

class TFormCreator : public TComponent, public IFormCreator {
    ORVO_CLASS(TFormCreator, TComponent)
public:
    // AOwner is the windowed control that receives the controls.
    explicit TFormCreator(TComponent* AOwner);

    void AddCheckBox(const String& PropName, const String& ACaption, TNotifyEvent OnChange) override;
    void AddColor(const String& PropName, const String& ACaption) override;
    void AddCombo(const String& PropName) override;
    void AddInteger(const String& PropName, const String& ACaption, int AMin, int AMax) override;
    TScrollBar* AddScroll(const String& PropName, int AMin, int AMax) override;
    // Lists a new item for PropName.
    TFormItem* AddItem(const String& PropName, TNotifyEvent OnChange);

    // An enumeration value's name as words: "gdTopBottom" gives "Top Bottom".
    static String EnumToWords(const String& Name);

    TNotifyEvent FOnChange;
    // While set, control changes are not written back.
    bool IChanging = false;
    int IPosY = 8;
    TObject* Instance = nullptr;
    TFormItems Items;

private:
    void Place(TControl* Control, int Height);
    TFormItem* ItemOf(TObject* Control) const;
    void Changed(TObject* Control);
    void CheckBoxClick(TObject* Sender);
    void ColorClick(TObject* Sender);
    void ComboChange(TObject* Sender);
    void EditChange(TObject* Sender);
    void ScrollChange(TObject* Sender);
    TWinControl* FParent = nullptr;
};
