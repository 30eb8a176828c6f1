// TCircularGauge: the value as a hand on a round dial -- a face inside a framed ring, an arc
// with major ticks and labels, minor ticks, two coloured bands that widen along the scale, a
// hand with a tail and a shadow, an end dot and a centre cap. The scale's look (increment,
// tick lengths, label font, pens, title) comes from the chart axis the gauge is bound to.
#pragma once

#include "chart/gauges/CustomGauge.h"

// The dial's hand: a pentagon from a tail behind the centre to a point near the scale.
class TGaugeHand : public TGaugeSeriesPointer {
    ORVO_CLASS(TGaugeHand, TGaugeSeriesPointer)
public:
    explicit TGaugeHand(TChartSeries* AOwner = nullptr);
    void Assign(TPersistent* Source) override;

    // The hand at centre M with tail length Off and angle AngleDegrees (the gauge's angles).
    void DrawHand(TCanvas3D* ACanvas, TPoint M, int Off, double AngleDegrees);

    // Gap between the tip and the usable radius, percent.
    int Distance() const { return FDistance; }
    void SetDistance(int Value) { SetAndRepaint(FDistance, Value); }
    // Length of the tail behind the centre, percent of the usable radius.
    int Offset() const { return FOffset; }
    void SetOffset(int Value) { SetAndRepaint(FOffset, Value); }

private:
    int FDistance = 30;
    int FOffset = 80;
};

class TCircularGauge : public TCustomGaugeMinMax {
    ORVO_CLASS(TCircularGauge, TCustomGaugeMinMax)
public:
    explicit TCircularGauge(TComponent* AOwner);
    ~TCircularGauge() override;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    void DoBeforeDrawValues() override;
    bool UseAxis() override;
    void CalcOrigRect() override;
    void DrawFace() override;
    void SetValues() override;
    TChartAxis* Axis() override;
    void DrawAxis() override;
    void DrawHand() override;
    void PrepareForGallery(bool IsEnabled) override;

    // Angle in degrees of a value: (v - Minimum) x step + start angle.
    double CalcValue(double AValue) const;
    // Percent P of the usable radius in pixels (minus the tick length when the axis shows).
    int CalcDistance(double P);
    static TPoint CalcPoint(TPoint P, double RY, double RX, double AngleRadians);
    double CalcAngleFromLength(TPoint P, double L) const;
    // Where a point at distance B along the hand at angle A' (degrees) lies.
    TPoint PointAlongHand(int B, double AngleDegrees) const;
    int CircleXCenter() const;
    int CircleYCenter() const;

    TGaugeSeriesPointer* Center() const { return FCenter; }
    void SetCenter(TGaugeSeriesPointer* Value) { FCenter->Assign(Value); }
    TSeriesPointer* EndPoint() const { return FEndPoint; }
    void SetEndPoint(TSeriesPointer* Value) { FEndPoint->Assign(Value); }
    TGaugeHand* Hand() const { return FCircularHand; }
    void SetHand(TGaugeHand* Value) { FCircularHand->Assign(Value); }
    bool LabelsInside() const { return FLabelsInside; }
    void SetLabelsInside(bool Value) { SetBooleanProperty(FLabelsInside, Value); }
    bool RotateLabels() const { return FRotateLabels; }
    void SetRotateLabels(bool Value) { SetBooleanProperty(FRotateLabels, Value); }
    double TotalAngle() const { return FTotalAngle; }
    void SetTotalAngle(double Value) { SetDoubleProperty(FTotalAngle, Value); }
    bool Circled() const { return FCircled; }
    void SetCircled(bool Value) { SetBooleanProperty(FCircled, Value); }
    double RotationAngle() const { return FRotationAngle; }
    void SetRotationAngle(double Value) { SetDoubleProperty(FRotationAngle, Value); }
    int XRadius() const { return FXRadius; }
    int YRadius() const { return FYRadius; }
    double StartAngle() const { return FStartAngle; }
    double AngleStep() const { return FAngleStep; }
    TPoint Centre() const { return FCenterPoint; }

private:
    void CalcRadii(const TRect& R);
    void DrawBand(TGaugePointerRange* Band);
    // The room the labels take inside the ring.
    int LabelRoom();

    TGaugeSeriesPointer* FCenter = nullptr;
    TSeriesPointer* FEndPoint = nullptr;
    TGaugeHand* FCircularHand = nullptr;
    bool FLabelsInside = true;
    bool FRotateLabels = true;
    double FTotalAngle = 300;
    double FAngleStep = 0;
    TPoint FCenterPoint;
    double FStartAngle = 30;
    bool FCircled = true;
    double FRotationAngle = 0;
    int FXRadius = 0;
    int FYRadius = 0;
};
