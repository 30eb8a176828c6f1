// TCircledSeries: the base of series drawn inside an ellipse fitted to the chart rectangle
// (the pie, and through AdjustScreenRatio the circular gauge). It computes the circle's
// rectangle, centre and radii, optionally keeps the ellipse round on screen, converts between
// angles and points, owns a back colour, a gradient and a shadow for the circle, and takes
// over the chart's 3-D view options while it is active (restoring them when it leaves).
#pragma once

#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/series/ChartSeries.h"

class TTeeCanvas;
class TTeeGradient;
class TView3DOptions;

// The circle's shadow: grey by default.
class TCircledShadow : public TTeeShadow {
    ORVO_CLASS(TCircledShadow, TTeeShadow)
public:
    TCircledShadow() : TCircledShadow(TNotifyEvent()) {}
    explicit TCircledShadow(TNotifyEvent AOnChange);
};

class TCircledSeries : public TChartSeries {
    ORVO_CLASS(TCircledSeries, TChartSeries)
public:
    explicit TCircledSeries(TComponent* AOwner);
    ~TCircledSeries() override;

    // Circled, rotation, custom radii, back colour, gradient and shadow, then the series.
    void Assign(TPersistent* Source) override;
    void SetActive(bool Value) override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    // Gives the chart its own 3-D options back before leaving it.
    void Removed() override;
    void DoBeforeDrawValues() override;
    bool IsPointInChartRect(int ValueIndex) override;
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
    bool AssociatedToAxis(TChartAxis* Axis) override;
    bool UseAxis() override;

    // ---- new operations ----
    // Fills the circle with its gradient (not in a non-orthogonal 3-D view).
    virtual void DrawCircleGradient();
    // Takes the circle rectangle of another series of the same kind that leaves room for
    // its marks.
    virtual void CheckOtherSeriesMarks();
    // The chart's 3-D options while this series controls them; nothing here.
    virtual void InitCustom3DOptions();
    // Saves the chart's 3-D options and applies this type's, or gives them back.
    virtual void SetParentProperties(bool EnableParent);

    // Shrinks R so that an ellipse of radii AXRadius and AYRadius looks round on the device
    // of ACanvas (whose pixels need not be square).
    static void AdjustScreenRatio(TTeeCanvas* ACanvas, int AXRadius, int AYRadius, TRect& R);

    // The point at Angle (radians, counter-clockwise from three o'clock, plus the rotation).
    void AngleToPos(double Angle, double AXRadius, double AYRadius, int& X, int& Y);
    // The angle (radians, 0 .. 2 pi, without the rotation) of a pixel seen from the centre.
    double PointToAngle(int X, int Y);
    // The distance of a pixel from the centre in units of the vertical axis' range.
    double PointToRadius(int X, int Y);
    void Rotate(int Angle);

    // The colour behind the circle: the own colour, else white while printing, else the
    // chart's background.
    TColor CalcCircleBackColor();
    bool HasBackColor() const;

    TColor CircleBackColor() const { return FCircleBackColor; }
    void SetCircleBackColor(TColor Value) { SetColorProperty(FCircleBackColor, Value); }
    bool IsCircleBackColorStored() const { return FCircleBackColor != clTeeColor; }
    bool Circled() const { return FCircled; }
    // Every series of the chart of this class or a derived one follows.
    void SetCircled(bool Value);
    int CustomXRadius() const { return FCustomXRadius; }
    void SetCustomXRadius(int Value);
    int CustomYRadius() const { return FCustomYRadius; }
    void SetCustomYRadius(int Value);
    int RotationAngle() const { return FRotationAngle; }
    // Stored modulo 360.
    void SetRotationAngle(int Value);
    TCircledShadow* Shadow() const { return FShadow; }
    void SetShadow(TCircledShadow* Value);
    TTeeGradient* CircleGradient() const { return FCircleGradient; }
    void SetCircleGradient(TTeeGradient* Value);
    int XRadius() const { return FXRadius; }
    int YRadius() const { return FYRadius; }
    int CircleWidth() const { return FCircleWidth; }
    int CircleHeight() const { return FCircleHeight; }
    int CircleXCenter() const { return FCircleXCenter; }
    int CircleYCenter() const { return FCircleYCenter; }
    const TRect& CircleRect() const { return FCircleRect; }
    // The saved 3-D options while this series controls the chart's; null otherwise.
    TView3DOptions* SavedView3DOptions() const { return IBack3D; }

protected:
    // Even sizes of at least 4, the sizes and the centre stored.
    void AdjustCircleRect();
    // Radii from the custom values or the circle's size; the rectangle around the centre.
    void CalcRadius();
    void SetCircleRect(const TRect& Value);
    // The marks' callout: the length of the line to a mark and the gap before it.
    int MarksCalloutLength() const;
    int MarksCalloutDistance() const;

    TColor FCircleBackColor = clTeeColor;
    bool FCircled = false;
    int FCustomXRadius = 0;
    int FCustomYRadius = 0;
    int FRotationAngle = 0;
    TCircledShadow* FShadow = nullptr;
    int FXRadius = 0;
    int FYRadius = 0;
    TView3DOptions* IBack3D = nullptr;
    int FCircleWidth = 0;
    int FCircleHeight = 0;
    int FCircleXCenter = 0;
    int FCircleYCenter = 0;
    TRect FCircleRect;
    TTeeGradient* FCircleGradient = nullptr;
    double IRotDegree = 0;
    bool IAdjustCircleForMarks = true;

private:
    void SetSameClassRadius(bool IsX, int Value);
};
