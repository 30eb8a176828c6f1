// TSizeConstraints: the smallest and largest size a control may take (0: no limit).
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"

class TControl;

class TSizeConstraints : public TPersistent {
    ORVO_CLASS(TSizeConstraints, TPersistent)
public:
    explicit TSizeConstraints(TControl* Control);
    void Assign(TPersistent* Source) override;

    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MaxHeight() const { return FMaxHeight; }
    // Setting a minimum above the maximum raises the maximum, and the other way round.
    void SetMinWidth(int Value);
    void SetMinHeight(int Value);
    void SetMaxWidth(int Value);
    void SetMaxHeight(int Value);

    // Clamps a width and a height to the limits.
    void Apply(int& Width, int& Height) const;

    TNotifyEvent OnChange;

    TControl* Control() const { return FControl; }
    TPersistent* GetOwner() const override;

private:
    void Change();
    TControl* FControl;
    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};
