// Doubles of the tool, mouse and registry tests: a tool that records what the chart tells it,
// a series that draws nothing and answers clicks near its points, a chart on a shown form
// driven by window messages, and component streaming to and from text.
#pragma once

#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/TeeTools.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Messages.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// Records every event as a short text; may cancel the chart's mouse handling.
class TRecordingTool : public TTeeCustomTool {
    ORVO_CLASS(TRecordingTool, TTeeCustomTool)
public:
    explicit TRecordingTool(TComponent* AOwner = nullptr) : TTeeCustomTool(AOwner) {}
    void ChartEvent(TChartToolEvent AEvent) override {
        static const char* const names[] = {"afterDraw",  "beforeSeries", "beforeDraw",
                                            "beforeAxes", "afterSeries",  "leave"};
        Events << QString::fromLatin1(names[AEvent]);
    }
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton, TShiftState, int X, int Y) override {
        static const char* const names[] = {"down", "move", "up"};
        Events << QStringLiteral("%1 %2,%3").arg(QString::fromLatin1(names[AEvent])).arg(X).arg(Y);
        if (CancelOn == AEvent && ParentChart()) ParentChart()->SetCancelMouse(true);
    }
    void WheelMouseEvent(TWheelMouseEvent AEvent, int, int, int) override {
        static const char* const names[] = {"wheelDown", "wheelMove", "wheelUp"};
        Events << QString::fromLatin1(names[AEvent]);
    }
    QStringList Events;
    int CancelOn = -1;
};

// A series on the axes that draws nothing; a click within 3 pixels of a point hits it.
class TDotSeries : public TChartSeries {
    ORVO_CLASS(TDotSeries, TChartSeries)
public:
    explicit TDotSeries(TComponent* AOwner = nullptr) : TChartSeries(AOwner) {}
    int Clicked(int X, int Y) override {
        for (int i = 0; i < Count(); ++i)
            if (std::abs(CalcXPos(i) - X) <= 3 && std::abs(CalcYPos(i) - Y) <= 3) return i;
        return -1;
    }
};

// A chart series that draws without axes, as a pie does.
class TNoAxisSeries : public TDotSeries {
    ORVO_CLASS(TNoAxisSeries, TDotSeries)
public:
    explicit TNoAxisSeries(TComponent* AOwner = nullptr) : TDotSeries(AOwner) {}
    bool UseAxis() override { return false; }
};

struct FreeComponent {
    void operator()(TObject* o) const { FreeObject(o); }
};

inline LPARAM ChartPointParam(int X, int Y) {
    return LPARAM((X & 0xFFFF) | ((Y & 0xFFFF) << 16));
}

// A 2-D chart of 400 x 300 on a shown form: bottom axis 0..100, left axis 0..100 and a
// series with two points so that the axes are in use. The frame is painted once so that the
// plotting rectangle and the axis positions are known.
class ShownChart : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset(new TForm(nullptr, 0));
        form->SetClientSize(420, 320);
        form->Show();
        chart = new TChart(form.get());
        chart->SetParent(form.get());
        chart->SetBounds(0, 0, 400, 300);
        chart->SetView3D(false);
        series = new TDotSeries(form.get());
        series->SetParentChart(chart);
        series->AddXY(0, 0);
        series->AddXY(100, 100);
        chart->BottomAxis()->SetMinMax(0, 100);
        chart->LeftAxis()->SetMinMax(0, 100);
        chart->RestoredAxisScales = true;
        Paint();
    }
    void Paint() {
        TBitmap bitmap;
        bitmap.SetSize(400, 300);
        chart->Draw(bitmap.Canvas(), TRect{0, 0, 400, 300});
    }
    // Pixel of a value on the bottom and left axes.
    int X(double Value) { return chart->BottomAxis()->CalcPosValue(Value); }
    int Y(double Value) { return chart->LeftAxis()->CalcPosValue(Value); }

    void Down(int X, int Y, UINT Msg = WM_LBUTTONDOWN, WPARAM Keys = MK_LBUTTON) {
        chart->Perform(Msg, Keys, ChartPointParam(X, Y));
    }
    void Move(int X, int Y, WPARAM Keys = MK_LBUTTON) {
        chart->Perform(WM_MOUSEMOVE, Keys, ChartPointParam(X, Y));
    }
    void Up(int X, int Y, UINT Msg = WM_LBUTTONUP) { chart->Perform(Msg, 0, ChartPointParam(X, Y)); }
    // A left drag from (X0, Y0) to (X1, Y1).
    void Drag(int X0, int Y0, int X1, int Y1) {
        Down(X0, Y0);
        Move(X1, Y1);
        Up(X1, Y1);
    }

    std::unique_ptr<TForm, FreeComponent> form;
    TChart* chart = nullptr;
    TDotSeries* series = nullptr;
};

// ---- streaming -------------------------------------------------------------------------------

inline QByteArray ComponentToText(TComponent* Root) {
    TMemoryStream bin, out;
    {
        TWriter w(&bin);
        w.WriteRootComponent(Root);
    }
    bin.SetPosition(0);
    ObjectBinaryToText(&bin, &out);
    return QByteArray(static_cast<const char*>(out.Memory()), qsizetype(out.Size()));
}

inline void ComponentFromText(const QByteArray& Text, TComponent* Root) {
    TMemoryStream in, bin;
    in.WriteBuffer(Text.constData(), int(Text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &bin);
    bin.SetPosition(0);
    TReader r(&bin);
    r.ReadRootComponent(Root);
}
