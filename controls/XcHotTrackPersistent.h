// The colours a button shows while the mouse is over it (hot tracking).
#pragma once

#include "platform/graphics/Color.h"
#include "storage/support/XcPersistent.h"

class TXcHotTrackOptions : public TXcPersistentProperty {
    ORVO_CLASS(TXcHotTrackOptions, TXcPersistentProperty)
public:
    explicit TXcHotTrackOptions(TPersistent* AOwner) : TXcPersistentProperty(AOwner) {}
    void Assign(TPersistent* Source) override;

    // Fill the button while hot.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool FrameVisible() const { return FFrameVisible; }
    void SetFrameVisible(bool Value);
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor Value);

private:
    template <class V> void Change(V& Field, V Value, const char* Name);
    bool FEnabled = false;
    TColor FColor = TColor(13811126);
    bool FFrameVisible = false;
    TColor FFrameColor = TColor(6956042);
};
