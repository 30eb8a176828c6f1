#include "chart/editor/FormCreator.h"

#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_CLASS(TFormCreator, TComponent)

ORVO_PUBLISHED(TFormCreator) {}

TFormCreator::TFormCreator(TComponent* AOwner)
    : TComponent(AOwner), FParent(dynamic_cast<TWinControl*>(AOwner)) {}

TFormItem* TFormCreator::AddItem(const String& PropName, TNotifyEvent OnChange) {
    Items.push_back(std::make_unique<TFormItem>(TFormItem{PropName, OnChange}));
    return Items.back().get();
}

void TFormCreator::Place(TControl* Control, int Height) {
    Control->SetParent(FParent);
    Control->SetBounds(4, IPosY, Control->Width(), Height);
}

TFormItem* TFormCreator::ItemOf(TObject* Control) const {
    auto* C = dynamic_cast<TComponent*>(Control);
    return C ? reinterpret_cast<TFormItem*>(C->Tag()) : nullptr;
}

void TFormCreator::Changed(TObject* Control) {
    if (TFormItem* Item = ItemOf(Control); Item && Item->OnChange) Item->OnChange(Control);
    if (FOnChange) FOnChange(Instance);
}

void TFormCreator::AddCheckBox(const String& PropName, const String& ACaption, TNotifyEvent OnChange) {
    auto* C = new TCheckBox(FParent);
    C->SetTag(NativeInt(AddItem(PropName, OnChange)));
    C->SetWidth(75);
    Place(C, 16);
    C->SetCaption(ACaption);
    C->SetChecked(Instance && GetOrdProp(Instance, PropName) != 0);
    C->OnClick = Method(this, &TFormCreator::CheckBoxClick);
    IPosY += C->Height() + 2;
}

void TFormCreator::AddColor(const String& PropName, const String& ACaption) {
    auto* B = new TButtonColor(FParent);
    B->SetTag(NativeInt(AddItem(PropName, {})));
    Place(B, B->Height());
    B->SetCaption(ACaption);
    B->LinkProperty(Instance, PropName);
    B->OnClick = Method(this, &TFormCreator::ColorClick);
    IPosY += B->Height() + 6;
}

String TFormCreator::EnumToWords(const String& Name) {
    String S = Name;
    while (!S.isEmpty() && !S[0].isUpper())
        S.remove(0, 1);
    if (S.isEmpty()) return Name;
    for (int i = 1; i < S.size() - 1; ++i)
        if (S[i].isUpper()) {
            S.insert(i, u' ');
            ++i;
        }
    return S;
}

void TFormCreator::AddCombo(const String& PropName) {
    auto* C = new TComboFlat(FParent);
    C->SetTag(NativeInt(AddItem(PropName, {})));
    C->SetWidth(FParent->Width() - 8);
    Place(C, 16);
    C->SetStyle(csDropDownList);
    if (PPropInfo Info = GetPropInfo(Instance, PropName)) {
        const PTypeData Data = GetTypeData(PropType(Info));
        for (Int64 v = Data->MinValue; v <= Data->MaxValue; ++v)
            C->Items()->Add(EnumToWords(GetEnumName(PropType(Info), int(v))));
        C->SetItemIndex(int(GetOrdProp(Instance, Info) - Data->MinValue));
    }
    C->OnChange = Method(this, &TFormCreator::ComboChange);
    IPosY += C->Height() + 6;
}

void TFormCreator::AddInteger(const String& PropName, const String& ACaption, int AMin, int AMax) {
    auto* L = new TLabel(FParent);
    L->SetParent(FParent);
    L->SetLeft(4);
    L->SetTop(IPosY + 4);
    String Caption = ACaption.isEmpty() ? PropName : ACaption;
    if (!Caption.contains(u'&')) Caption.prepend(u'&');
    L->SetCaption(Caption);

    auto* E = new TEdit(FParent);
    E->SetTag(NativeInt(AddItem(PropName, {})));
    E->SetParent(FParent);
    E->SetBounds(44, IPosY, FParent->Width() - 68, 16);
    L->SetFocusControl(E);

    auto* U = new TUpDown(FParent);
    U->SetParent(FParent);
    U->SetThousands(false);
    U->SetMin(AMin);
    U->SetMax(AMax);
    U->SetAssociate(E);
    U->SetPosition(Instance ? int(GetOrdProp(Instance, PropName)) : 0);
    E->OnChange = Method(this, &TFormCreator::EditChange);
    IPosY += E->Height() + 6;
}

TScrollBar* TFormCreator::AddScroll(const String& PropName, int AMin, int AMax) {
    auto* S = new TScrollBar(FParent);
    S->SetTag(NativeInt(AddItem(PropName, {})));
    S->SetWidth(FParent->Width() - 8);
    Place(S, 16);
    S->SetParams(Instance ? int(GetOrdProp(Instance, PropName)) : AMin, AMin, AMax);
    S->OnChange = Method(this, &TFormCreator::ScrollChange);
    IPosY += S->Height() + 6;
    return S;
}

void TFormCreator::CheckBoxClick(TObject* Sender) {
    if (IChanging || !Instance) return;
    SetOrdProp(Instance, ItemOf(Sender)->PropName, static_cast<TCheckBox*>(Sender)->Checked() ? 1 : 0);
    Changed(Sender);
}

void TFormCreator::ColorClick(TObject*) {
    // The button has written the colour itself.
    if (IChanging) return;
    if (FOnChange) FOnChange(Instance);
}

void TFormCreator::ComboChange(TObject* Sender) {
    if (IChanging || !Instance) return;
    const String& Name = ItemOf(Sender)->PropName;
    const PTypeData Data = GetTypeData(PropType(Instance, Name));
    SetOrdProp(Instance, Name, Data->MinValue + static_cast<TComboFlat*>(Sender)->ItemIndex());
    Changed(Sender);
}

void TFormCreator::EditChange(TObject* Sender) {
    if (IChanging || !Instance) return;
    // Half-typed text (empty, a lone minus sign) is not a value yet: the property and the
    // arrows keep the last number until the text reads as one again.
    int Value = 0;
    if (!TryStrToInt(static_cast<TEdit*>(Sender)->Text().trimmed(), Value)) return;
    SetOrdProp(Instance, ItemOf(Sender)->PropName, Value);
    Changed(Sender);
}

void TFormCreator::ScrollChange(TObject* Sender) {
    if (IChanging || !Instance) return;
    SetOrdProp(Instance, ItemOf(Sender)->PropName, static_cast<TScrollBar*>(Sender)->Position());
    Changed(Sender);
}
