#include "platform/controls/SizeConstraints.h"

#include "platform/classes/TypInfo.h"
#include "platform/controls/Control.h"

ORVO_IMPLEMENT_CLASS(TSizeConstraints, TPersistent)

ORVO_PUBLISHED(TSizeConstraints) {
    P.Property("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight).Default(0);
    P.Property("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth).Default(0);
    P.Property("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight).Default(0);
    P.Property("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth).Default(0);
}

TSizeConstraints::TSizeConstraints(TControl* Control) : FControl(Control) {}

TPersistent* TSizeConstraints::GetOwner() const {
    return FControl;
}

void TSizeConstraints::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TSizeConstraints*>(Source)) {
        FMinWidth = s->FMinWidth;
        FMinHeight = s->FMinHeight;
        FMaxWidth = s->FMaxWidth;
        FMaxHeight = s->FMaxHeight;
        Change();
        return;
    }
    TPersistent::Assign(Source);
}

void TSizeConstraints::SetMinWidth(int Value) {
    if (Value == FMinWidth) return;
    FMinWidth = Value;
    if (FMaxWidth > 0 && FMaxWidth < Value) FMaxWidth = Value;
    Change();
}

void TSizeConstraints::SetMinHeight(int Value) {
    if (Value == FMinHeight) return;
    FMinHeight = Value;
    if (FMaxHeight > 0 && FMaxHeight < Value) FMaxHeight = Value;
    Change();
}

void TSizeConstraints::SetMaxWidth(int Value) {
    if (Value == FMaxWidth) return;
    FMaxWidth = Value;
    if (Value > 0 && FMinWidth > Value) FMinWidth = Value;
    Change();
}

void TSizeConstraints::SetMaxHeight(int Value) {
    if (Value == FMaxHeight) return;
    FMaxHeight = Value;
    if (Value > 0 && FMinHeight > Value) FMinHeight = Value;
    Change();
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
    if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
    if (FMinWidth > 0 && Width < FMinWidth) Width = FMinWidth;
    if (FMaxHeight > 0 && Height > FMaxHeight) Height = FMaxHeight;
    if (FMinHeight > 0 && Height < FMinHeight) Height = FMinHeight;
}

void TSizeConstraints::Change() {
    if (OnChange) OnChange(this);
}
