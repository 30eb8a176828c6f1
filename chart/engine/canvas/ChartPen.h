// TChartPen: the pen of a chart element, with visibility, a line of single dots and the
// end caps of wide lines; and the pen variants whose start values differ.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/graphics/Pen.h"

class TChartPen : public TPen {
    ORVO_CLASS(TChartPen, TPen)
public:
    TChartPen() : TChartPen(TNotifyEvent()) {}
    explicit TChartPen(TNotifyEvent OnChangeEvent);
    void Assign(TPersistent* Source) override;

    TPenEndStyle EndStyle() const { return FEndStyle; }
    void SetEndStyle(TPenEndStyle Value);
    bool SmallDots() const { return FSmallDots; }
    void SetSmallDots(bool Value);
    int SmallSpace() const { return FSmallSpace; }
    void SetSmallSpace(int Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Hide() { SetVisible(false); }
    void Show() { SetVisible(true); }

    bool IsEndStored() const { return FEndStyle != DefaultEnd; }
    bool IsVisibleStored() const { return FVisible != DefaultVisible; }

    // The owner's defaults, against which EndStyle and Visible are stored.
    TPenEndStyle DefaultEnd = esRound;
    bool DefaultVisible = true;

private:
    TPenEndStyle FEndStyle = esRound;
    bool FSmallDots = false;
    int FSmallSpace = 0;
    bool FVisible = true;
};

class TChartHiddenPen : public TChartPen {
    ORVO_CLASS(TChartHiddenPen, TChartPen)
public:
    TChartHiddenPen() : TChartHiddenPen(TNotifyEvent()) {}
    explicit TChartHiddenPen(TNotifyEvent OnChangeEvent);
};

class TDottedGrayPen : public TChartPen {
    ORVO_CLASS(TDottedGrayPen, TChartPen)
public:
    TDottedGrayPen() : TDottedGrayPen(TNotifyEvent()) {}
    explicit TDottedGrayPen(TNotifyEvent OnChangeEvent);
};

class TDarkGrayPen : public TChartPen {
    ORVO_CLASS(TDarkGrayPen, TChartPen)
public:
    TDarkGrayPen() : TDarkGrayPen(TNotifyEvent()) {}
    explicit TDarkGrayPen(TNotifyEvent OnChangeEvent);
};

class TWhitePen : public TChartPen {
    ORVO_CLASS(TWhitePen, TChartPen)
public:
    TWhitePen() : TWhitePen(TNotifyEvent()) {}
    explicit TWhitePen(TNotifyEvent OnChangeEvent);
};
