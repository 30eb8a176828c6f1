// The chart of the curve-editor benchmarks: 800 x 400 on a form, 2-D, no legend or title, a
// white-to-silver back wall, the 0..5 by -2..2 axes with titles and dotted grey grids.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "platform/controls/CustomForm.h"

inline TChart* NewEditorChart(TForm* Form) {
    Form->SetClientSize(800, 400);
    auto* chart = new TChart(Form);
    chart->SetParent(Form);
    chart->SetBounds(0, 0, 800, 400);
    chart->SetView3D(false);
    chart->Legend()->SetVisible(false);
    chart->Title()->SetVisible(false);
    TTeeGradient* wall = chart->BackWall()->Gradient();
    wall->SetStartColor(clWhite);
    wall->SetEndColor(clSilver);
    wall->SetVisible(true);
    chart->BottomAxis()->SetMinMax(0, 5);
    chart->LeftAxis()->SetMinMax(-2, 2);
    chart->BottomAxis()->Title()->SetCaption(QStringLiteral("Time (s)"));
    chart->LeftAxis()->Title()->SetCaption(QStringLiteral("Voltage (V)"));
    for (TChartAxis* axis : {chart->BottomAxis(), chart->LeftAxis()}) {
        axis->Grid()->SetColor(clGray);
        axis->Grid()->SetStyle(psDot);
    }
    return chart;
}
