#include "controls/XcHotTrackPersistent.h"

#include "platform/classes/TypInfo.h"

ORVO_IMPLEMENT_CLASS(TXcHotTrackOptions, TXcPersistentProperty)

template <class V> void TXcHotTrackOptions::Change(V& Field, V Value, const char* Name) {
    if (Field == Value) return;
    const String name = QString::fromLatin1(Name);
    NotifyChanging();
    NotifyPropertyChanging(name);
    Field = Value;
    NotifyPropertyChanged(name);
    NotifyChanged();
}

void TXcHotTrackOptions::SetEnabled(bool Value) {
    Change(FEnabled, Value, "Enabled");
}
void TXcHotTrackOptions::SetColor(TColor Value) {
    Change(FColor, Value, "Color");
}
void TXcHotTrackOptions::SetFrameVisible(bool Value) {
    Change(FFrameVisible, Value, "FrameVisible");
}
void TXcHotTrackOptions::SetFrameColor(TColor Value) {
    Change(FFrameColor, Value, "FrameColor");
}

void TXcHotTrackOptions::Assign(TPersistent* Source) {
    if (auto* o = dynamic_cast<TXcHotTrackOptions*>(Source)) {
        BeginUpdate();
        try {
            SetEnabled(o->FEnabled);
            SetColor(o->FColor);
            SetFrameVisible(o->FFrameVisible);
            SetFrameColor(o->FFrameColor);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TXcPersistentProperty::Assign(Source);
}

ORVO_PUBLISHED(TXcHotTrackOptions) {
    P.Property("Enabled", &TXcHotTrackOptions::Enabled, &TXcHotTrackOptions::SetEnabled).Default(false);
    P.Property("Color", &TXcHotTrackOptions::Color, &TXcHotTrackOptions::SetColor)
        .Type(TypeInfoTColor())
        .Default(13811126);
    P.Property("FrameVisible", &TXcHotTrackOptions::FrameVisible, &TXcHotTrackOptions::SetFrameVisible)
        .Default(false);
    P.Property("FrameColor", &TXcHotTrackOptions::FrameColor, &TXcHotTrackOptions::SetFrameColor)
        .Type(TypeInfoTColor())
        .Default(6956042);
}
