// The pressure window's dial, for the gauge tests and the gauge benchmark: the range 0 .. Max
// with labels every tenth, a green band to 70 % and a red one above it, both with angled
// gradients, a transparent face and a red gradient hand of length 88.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/gauges/CircularGauge.h"

// Styles Gauge, a series of Chart, as the pressure window's dial with the range 0 .. Max.
inline void StylePressureDial(TChart& Chart, TCircularGauge* Gauge, double Max) {
    Gauge->SetMinimum(0);
    Gauge->SetMaximum(Max);
    Chart.BottomAxis()->SetIncrement(Max * 0.1);
    Gauge->GreenLine()->SetStartValue(0);
    Gauge->GreenLine()->SetEndValue(Max * 0.7);
    Gauge->RedLine()->SetStartValue(Max * 0.7);
    Gauge->RedLine()->SetEndValue(Max);
    Gauge->Face()->SetTransparent(true);
    struct Band {
        TGaugePointerRange* line;
        TColor from, to;
        int angle;
    };
    for (const Band& b : {Band{Gauge->GreenLine(), TColor(0x646464), TColor(0x1EC81E), -60},
                          Band{Gauge->RedLine(), TColor(0x282864), TColor(0x646464), 180}}) {
        b.line->SetStyle(psRectangle);
        b.line->SetVertSize(5);
        b.line->Gradient()->SetDirection(gdBottomTop);
        b.line->Gradient()->SetStartColor(b.from);
        b.line->Gradient()->SetEndColor(b.to);
        b.line->Gradient()->SetAngle(b.angle);
        b.line->Gradient()->SetVisible(true);
    }
    TGaugeHand* hand = Gauge->Hand();
    hand->SetStyle(psRectangle);
    hand->SetHorizSize(3);
    hand->SetVertSize(88);
    hand->Brush()->SetColor(clRed);
    hand->Pen()->SetVisible(false);
    hand->Gradient()->SetDirection(gdLeftRight);
    hand->Gradient()->SetStartColor(clRed);
    hand->Gradient()->SetMidColor(TColor(0xD9));
    hand->Gradient()->SetEndColor(clRed);
    hand->Gradient()->SetVisible(true);
}
