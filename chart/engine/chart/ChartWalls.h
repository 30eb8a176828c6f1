// The walls of a chart: the planes of the 3-D box around the plotting area. The back wall
// lies behind the series (in 2-D it is the filled plotting rectangle), the left and right
// walls at the sides and the bottom wall under them. TChartWalls holds the four.
#pragma once

#include "chart/engine/panel/TeeShape.h"
#include "chart/engine/series/ChartSeries.h"

class TCustomAxisPanel;
class TTeeBlend;

class TCustomChartWall : public TTeeCustomShape {
    ORVO_CLASS(TCustomChartWall, TTeeCustomShape)
public:
    explicit TCustomChartWall(TCustomTeePanel* Chart = nullptr);
    // AutoHide, Dark3D, EndPosition, Size and StartPosition, then the shape.
    void Assign(TPersistent* Source) override;

    // Dark3D, a brush that is neither clear nor a bitmap: the sides of a box are darkened.
    bool ApplyDark3D() const;
    // A gradient object that is visible.
    bool HasVisibleGradient() const;
    // The chart shows 3-D walls, this wall is visible and not hidden over the series.
    bool ShouldDraw() const;
    // The vertical extent of a side or back wall from the chart rectangle, StartPosition,
    // EndPosition and the bottom wall's thickness.
    void CalcPositions(int& Top, int& Bottom) const;
    // Fills a side wall's face at X by transparency and gradient; the blend to end, or null.
    TTeeBlend* TryDrawWall(int X, int Bottom);
    // Ends Blend (null: nothing), first applying the picture's filters to it.
    void DoEndBlending(TTeeBlend* Blend);
    // Sets Color and the colour it is stored against.
    void InitColor(TColor Value);

    bool AutoHide() const { return FAutoHide; }
    void SetAutoHide(bool Value);
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool Value);
    int EndPosition() const { return FEnd; }
    void SetEndPosition(int Value);
    int Size() const { return FSize; }
    void SetSize(int Value);
    int StartPosition() const { return FStart; }
    void SetStartPosition(int Value);
    bool IsColorStored() const { return Color() != DefaultColor; }

    TCustomAxisPanel* Chart() const;
    TColor DefaultColor = clTeeColor;

private:
    void SetChartBool(bool& Field, bool Value);
    void SetChartInt(int& Field, int Value);
    bool FAutoHide = false;
    bool FDark3D = true;
    int FEnd = 100;
    int FSize = 0;
    int FStart = 0;
};

class TChartWall : public TCustomChartWall {
    ORVO_CLASS(TChartWall, TCustomChartWall)
public:
    explicit TChartWall(TCustomTeePanel* Chart = nullptr) : TCustomChartWall(Chart) {}
};

// Silver and transparent; carries a hidden grey shadow.
class TChartBackWall : public TChartWall {
    ORVO_CLASS(TChartBackWall, TChartWall)
public:
    explicit TChartBackWall(TCustomTeePanel* Chart = nullptr);
};

// Light yellow.
class TChartLeftWall : public TChartWall {
    ORVO_CLASS(TChartLeftWall, TChartWall)
public:
    explicit TChartLeftWall(TCustomTeePanel* Chart = nullptr);
};

// White.
class TChartBottomWall : public TChartWall {
    ORVO_CLASS(TChartBottomWall, TChartWall)
public:
    explicit TChartBottomWall(TCustomTeePanel* Chart = nullptr);
};

// Silver and hidden.
class TChartRightWall : public TChartWall {
    ORVO_CLASS(TChartRightWall, TChartWall)
public:
    explicit TChartRightWall(TCustomTeePanel* Chart = nullptr);
};

class TChartWalls : public TPersistent {
    ORVO_CLASS(TChartWalls, TPersistent)
public:
    explicit TChartWalls(TCustomAxisPanel* Chart = nullptr);
    ~TChartWalls() override;
    // From other walls: the four walls.
    void Assign(TPersistent* Source) override;

    TChartBackWall* Back() const { return FBack; }
    void SetBack(TChartBackWall* Value);
    TChartBottomWall* Bottom() const { return FBottom; }
    void SetBottom(TChartBottomWall* Value);
    TChartLeftWall* Left() const { return FLeft; }
    void SetLeft(TChartLeftWall* Value);
    TChartRightWall* Right() const { return FRight; }
    void SetRight(TChartRightWall* Value);
    // The Size of all four walls.
    void SetSize(int Value);
    // The chart's View3DWalls.
    bool Visible() const;
    void SetVisible(bool Value);

private:
    TChartBackWall* FBack;
    TChartBottomWall* FBottom;
    TCustomAxisPanel* FChart;
    TChartLeftWall* FLeft;
    TChartRightWall* FRight;
};
