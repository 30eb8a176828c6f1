// The chart the data-export tests export: a line series of 3 points (labels, one holding a
// comma, a quote and a line break; a point colour) and a bubble series of 5 points with its
// radius list, titled with a comma and a quote.
#pragma once

#include "chart/engine/chart/Chart.h"
#include "chart/series/BubbleSeries.h"
#include "chart/series/LineSeries.h"

struct TExportFixture {
    TExportFixture() {
        line = new TLineSeries(&chart);
        line->SetName(QStringLiteral("Line1"));
        line->SetParentChart(&chart);
        line->SetTitle(QStringLiteral("Alpha"));
        line->SetSeriesColor(clRed);
        line->AddXY(0, 1.5, QStringLiteral("one"));
        line->AddXY(1, 2, QStringLiteral("a, \"b\"\r\nc"), TColor(0x00FF00));
        line->AddXY(2, -3.25, QStringLiteral("<&>"));
        bubble = new TBubbleSeries(&chart);
        bubble->SetName(QStringLiteral("Bubble1"));
        bubble->SetParentChart(&chart);
        bubble->SetTitle(QStringLiteral("Beta, \"b\""));
        bubble->SetSeriesColor(clBlue);
        for (int i = 0; i < 5; ++i)
            bubble->AddBubble(i * 10, 100 + i, 1 + i * 0.5);
        bubble->SetNull(3);
    }
    TChart chart{nullptr};
    TLineSeries* line;
    TBubbleSeries* bubble;
};
