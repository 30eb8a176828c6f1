// TGridBandTool: fills the stripes between the grid lines (tick positions) of its axis with
// two alternating brushes, each with its own colour, pattern, gradient and transparency. It
// draws through the axis' grid hook, so the bands appear when the chart draws that grid.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/chart/TeeTools.h"

#include <vector>

class TTeeGradient;

// The brush of one band: a gradient and a transparency besides the chart brush's fill.
class TGridBandBrush : public TChartBrush {
    ORVO_CLASS(TGridBandBrush, TChartBrush)
public:
    TGridBandBrush() : TGridBandBrush(TNotifyEvent()) {}
    explicit TGridBandBrush(TNotifyEvent OnChangeEvent);
    ~TGridBandBrush() override;
    void Assign(TPersistent* Source) override;

    TTeeGradient* Gradient() const { return FGradient; }
    void SetGradient(TTeeGradient* Value);
    int Transparency() const { return FTransp; }
    void SetTransparency(int Value);

private:
    void GradientChanged(TObject* Sender);
    TTeeGradient* FGradient = nullptr;
    int FTransp = 0;
};

class TGridBandTool : public TTeeCustomToolAxis {
    ORVO_CLASS(TGridBandTool, TTeeCustomToolAxis)
public:
    explicit TGridBandTool(TComponent* AOwner);
    ~TGridBandTool() override;
    void Assign(TPersistent* Source) override;
    String Description() override;
    String LongDescription() override;
    String GetEditorClass() override { return QStringLiteral("TGridBandToolEdit"); }
    // Leaves the old axis' grid hook (when it is still this tool's) and takes the new one's.
    void SetAxis(TChartAxis* Value) override;

    // One stripe across the axis, between pixel positions A <= B along it, and the band
    // (1 or 2) it is drawn with.
    struct TStripe {
        int A;
        int B;
        int Band;
    };
    // The stripes of the axis' current ticks, in drawing order; none with fewer than two
    // ticks.
    static std::vector<TStripe> Stripes(TChartAxis* Axis);

    // The band's back colour, or the chart's back wall colour when it has none.
    TColor BandBackColor(TGridBandBrush* Band);

    TGridBandBrush* Band1() const { return FBand1; }
    void SetBand1(TGridBandBrush* Value);
    TGridBandBrush* Band2() const { return FBand2; }
    void SetBand2(TGridBandBrush* Value);

private:
    // The axis' grid hook.
    void DrawGrids(TChartAxis* Sender);
    void DrawStripe(TChartAxis* Axis, TGridBandBrush* Band, int A, int B, int From, int To);
    TAxisDrawGrids Hook() { return TAxisDrawGrids(this, &TGridBandTool::DrawGrids); }
    void ReleaseHook();

    TGridBandBrush* FBand1 = nullptr;
    TGridBandBrush* FBand2 = nullptr;
    // The extent of the bands across the axis; both 0: the chart rectangle's.
    int StartPos = 0;
    int EndPos = 0;
};
