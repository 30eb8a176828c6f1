// TTeeFunction: the base of the functions that compute a series' points from its source
// series (averages, moving figures ...). The series owns its function.
#pragma once

#include "platform/classes/Component.h"

class TChartSeries;

class TTeeFunction : public TComponent {
    ORVO_CLASS(TTeeFunction, TComponent)
public:
    explicit TTeeFunction(TComponent* AOwner = nullptr);

    // Forgets what was computed; nothing here.
    virtual void Clear() {}

    TChartSeries* ParentSeries() const { return FParent; }
    void SetParentSeries(TChartSeries* Value) { FParent = Value; }

private:
    TChartSeries* FParent = nullptr;
};
