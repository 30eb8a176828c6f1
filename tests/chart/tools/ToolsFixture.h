// A chart of 500 x 360 on a shown form, with a line series of eleven points, driven by
// mouse presses, moves and releases sent to its window as the user's would be.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/chart/Chart.h"
#include "chart/series/LineSeries.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Canvas.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

class ChartToolsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form = new TForm(nullptr, 0);
        form->SetClientSize(500, 360);
        chart = new TChart(form);
        chart->SetParent(form);
        chart->SetBounds(0, 0, 500, 360);
        chart->SetView3D(false);
        chart->Legend()->SetVisible(false);
        for (TChartAxis* axis : {chart->LeftAxis(), chart->BottomAxis()}) {
            axis->SetMinMax(0, 10);
            axis->Grid()->SetVisible(false);
        }
        series = new TLineSeries(form);
        series->SetParentChart(chart);
        series->SetSeriesColor(clRed);
        for (int i = 0; i <= 10; ++i)
            series->AddXY(i, i % 2 ? 3 : 6);
        series->Pointer()->SetVisible(true);
        series->Pointer()->SetSize(5);
        form->Show();
        Frame();
    }
    void TearDown() override { delete form; }
    // One full frame of the chart on its window, as a paint event draws it.
    void Frame() {
        QCoreApplication::processEvents();
        chart->Repaint();
    }
    void Mouse(QEvent::Type Type, int X, int Y, Qt::MouseButton Button = Qt::LeftButton) {
        QWidget* w = chart->Widget();
        const QPointF local(X, Y);
        const Qt::MouseButton button = Type == QEvent::MouseMove ? Qt::NoButton : Button;
        const Qt::MouseButtons buttons =
            Type == QEvent::MouseButtonPress ? Qt::MouseButtons(Button) : Qt::NoButton;
        QMouseEvent e(Type, local, local, w->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
    void Down(int X, int Y, Qt::MouseButton B = Qt::LeftButton) { Mouse(QEvent::MouseButtonPress, X, Y, B); }
    void Move(int X, int Y) { Mouse(QEvent::MouseMove, X, Y); }
    void Up(int X, int Y, Qt::MouseButton B = Qt::LeftButton) { Mouse(QEvent::MouseButtonRelease, X, Y, B); }
    TPoint Pos(int Index) { return TPoint{series->CalcXPos(Index), series->CalcYPos(Index)}; }
    // The picture the window shows.
    TColor Screen(int X, int Y) { return chart->VclCanvas()->Pixels(X, Y); }
    int X(double V) { return chart->BottomAxis()->CalcXPosValue(V); }
    int Y(double V) { return chart->LeftAxis()->CalcYPosValue(V); }

    TForm* form = nullptr;
    TChart* chart = nullptr;
    TLineSeries* series = nullptr;
};
