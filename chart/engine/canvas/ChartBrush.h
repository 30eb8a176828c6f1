// TChartBrush: the brush of a chart element, with a colour behind hatch lines and an
// optional picture used as the fill pattern.
#pragma once

#include "platform/graphics/Brush.h"

class TPicture;

class TChartBrush : public TBrush {
    ORVO_CLASS(TChartBrush, TBrush)
public:
    TChartBrush() : TChartBrush(TNotifyEvent()) {}
    explicit TChartBrush(TNotifyEvent OnChangeEvent);
    ~TChartBrush() override;
    void Assign(TPersistent* Source) override;
    // No fill and no picture.
    void Clear();

    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor Value);
    // The fill picture, made on first read.
    TPicture* Image();
    // Copies Value into the brush's own picture; null frees it.
    void SetImage(TPicture* Value);
    bool HasImage() const { return FImage != nullptr; }

private:
    TColor FBackColor = clNone;
    TPicture* FImage = nullptr;
};
