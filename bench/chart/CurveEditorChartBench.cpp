// The curve editor's chart: an 800 x 400 chart with a back-wall gradient, bottom axis 0..5
// and left axis -2..2 with dotted grids, labels and titles, one 512-point line series with
// circle pointers (pen width 2) and two vertical cursor tools. Three figures: a full redraw
// into an image of the same size, a cursor moved by one voltage step (XOR erase and draw,
// no repaint), and a dragged point (the mouse move and the repainted frame). Where
// QCustomPlot is installed, its drawing of the same chart runs in the same program.
//
// The editor's own set-up (line pen 3, filled 7 x 7 circles without a pen, and a mark with the
// point's index over each of the 512 points) is drawn with its marks hidden (argument 0) and
// shown (1), beside a plain QPainter drawing the same lines, circles and, with argument 1, the
// 512 texts. The run ends with the two ratios, chart to painter, without and with the marks.
#include "bench/support/EditorChartStyle.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragPointTool.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Bitmap.h"

#include "chart/engine/series/SeriesMarks.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace {

struct CurveEditorChart {
    // editor: the curve editor's line, circles and marks (shown when marks is true).
    explicit CurveEditorChart(bool editor = false, bool marks = false) {
        window.SetSize(800, 400);
        // On a shown form, as in the curve editor: the cursor's XOR lines go to the window.
        form = std::make_unique<TForm>(nullptr, 0);
        chart = NewEditorChart(form.get());
        series = new TLineSeries(chart);
        series->SetParentChart(chart);
        series->SetSeriesColor(clRed);
        series->LinePen()->SetWidth(2);
        series->Pointer()->SetVisible(true);
        series->Pointer()->SetStyle(psCircle);
        series->Pointer()->SetSize(3);
        series->Pointer()->Brush()->SetColor(clWhite);
        if (editor) {
            series->LinePen()->SetWidth(3);
            series->Pointer()->SetHorizSize(7);
            series->Pointer()->SetVertSize(7);
            series->Pointer()->Pen()->SetVisible(false);
            series->Pointer()->Brush()->SetColor(clRed);
            series->Marks()->SetVisible(marks);
            series->Marks()->SetStyle(smsPointIndex);
            series->Marks()->SetTransparent(true);
            series->Marks()->Arrow()->SetVisible(false);
        }
        for (int i = 0; i < 512; ++i)
            series->AddXY(5.0 * i / 511, 1.8 * std::sin(i / 40.0));
        drag = new TDragPointTool(chart);
        drag->SetParentChart(chart);
        drag->SetSeries(series);
        drag->SetDragStyle(dsY);
        for (double at : {1.5, 3.5}) {
            auto* cursor = new TCursorTool(chart);
            cursor->SetParentChart(chart);
            cursor->SetStyle(cssVertical);
            cursor->SetClickTolerance(-1);
            cursor->Pen()->SetColor(clBlue);
            cursor->SetXValue(at);
            cursors.push_back(cursor);
        }
        form->Show();
        QCoreApplication::processEvents();
        chart->Repaint();
        Draw();
    }
    void Draw() { chart->Draw(window.Canvas(), TRect{0, 0, 800, 400}); }

    TBitmap window;
    std::unique_ptr<TForm> form;
    TChart* chart = nullptr;
    TLineSeries* series = nullptr;
    TDragPointTool* drag = nullptr;
    std::vector<TCursorTool*> cursors;
};

void BM_CurveEditorChartRedraw(benchmark::State& state) {
    CurveEditorChart c;
    for (auto _ : state)
        c.Draw();
    benchmark::DoNotOptimize(c.window.Canvas()->Pixels(400, 200));
}
BENCHMARK(BM_CurveEditorChartRedraw)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The editor's chart, marks hidden (0) or shown (1).
void BM_CurveEditorChartEditorRedraw(benchmark::State& state) {
    CurveEditorChart c(true, state.range(0) != 0);
    for (auto _ : state)
        c.Draw();
    benchmark::DoNotOptimize(c.window.Canvas()->Pixels(400, 200));
}
BENCHMARK(BM_CurveEditorChartEditorRedraw)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

// The same picture drawn straight with QPainter into an 800 x 400 image: back gradient, dotted
// grid, axis labels and titles, the 512-point line of width 3, the 7 x 7 circles, two cursor
// lines and, with argument 1, each point's index over it.
struct PlainPainterChart {
    PlainPainterChart() : image(800, 400, QImage::Format_RGB32) {
        for (int i = 0; i < 512; ++i) {
            const double x = 5.0 * i / 511, y = 1.8 * std::sin(i / 40.0);
            points[i] = QPointF(left + x / 5.0 * (right - left), bottom - (y + 2.0) / 4.0 * (bottom - top));
            labels[i] = QString::number(i);
        }
        font.setFamily(QStringLiteral("Arial"));
        font.setPixelSize(11);
        font.setKerning(false);
    }
    void Draw(bool texts) {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::white);
        QLinearGradient wall(0, top, 0, bottom);
        wall.setColorAt(0, Qt::white);
        wall.setColorAt(1, QColor(192, 192, 192));
        p.fillRect(QRectF(left, top, right - left, bottom - top), wall);
        p.setFont(font);
        p.setPen(QPen(QColor(128, 128, 128), 0, Qt::DotLine));
        for (int k = 0; k <= 10; ++k) {
            const double x = left + k * (right - left) / 10.0;
            p.drawLine(QPointF(x, top), QPointF(x, bottom));
        }
        for (int k = 0; k <= 8; ++k) {
            const double y = top + k * (bottom - top) / 8.0;
            p.drawLine(QPointF(left, y), QPointF(right, y));
        }
        p.setPen(Qt::black);
        p.drawRect(QRectF(left, top, right - left, bottom - top));
        for (int k = 0; k <= 10; ++k)
            p.drawText(QPointF(left + k * (right - left) / 10.0 - 8, bottom + 16), QString::number(k * 0.5));
        for (int k = 0; k <= 8; ++k)
            p.drawText(QPointF(left - 30, top + k * (bottom - top) / 8.0 + 4), QString::number(2 - k * 0.5));
        p.drawText(QPointF(380, 395), QStringLiteral("Time (s)"));
        p.save();
        p.translate(14, 240);
        p.rotate(-90);
        p.drawText(QPointF(0, 0), QStringLiteral("Voltage (V)"));
        p.restore();
        p.setPen(QPen(Qt::red, 3));
        p.drawPolyline(points, 512);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::red);
        for (const QPointF& at : points)
            p.drawEllipse(at, 3.5, 3.5);
        if (texts) {
            p.setPen(Qt::black);
            for (int i = 0; i < 512; ++i)
                p.drawText(points[i] + QPointF(-6, -10), labels[i]);
        }
        p.setPen(QPen(Qt::blue, 3));
        for (double at : {1.5, 3.5}) {
            const double x = left + at / 5.0 * (right - left);
            p.drawLine(QPointF(x, top), QPointF(x, bottom));
        }
    }
    static constexpr double left = 50, right = 790, top = 10, bottom = 360;
    QImage image;
    QFont font;
    QPointF points[512];
    QString labels[512];
};

void BM_PlainPainterEditorChart(benchmark::State& state) {
    PlainPainterChart c;
    for (auto _ : state)
        c.Draw(state.range(0) != 0);
    benchmark::DoNotOptimize(c.image.constBits());
}
BENCHMARK(BM_PlainPainterEditorChart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_CurveEditorCursorStep(benchmark::State& state) {
    CurveEditorChart c;
    TCursorTool* cursor = c.cursors.front();
    const double step = 5.0 / 511;
    int i = 0;
    int frames = 0;
    c.chart->OnAfterDraw = [&](TObject*) { ++frames; };
    for (auto _ : state) {
        // Back and forth by one input step, as the live voltage moves.
        cursor->SetXValue(1.5 + step * (i++ % 2));
    }
    QCoreApplication::processEvents();
    // Chart frames drawn while the cursor moved: each value set by code asks for a repaint,
    // and the window draws the requests pending at once as one frame.
    state.counters["frames"] = frames;
}
BENCHMARK(BM_CurveEditorCursorStep)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_CurveEditorDragPoint(benchmark::State& state) {
    CurveEditorChart c;
    const int x = c.series->CalcXPos(200);
    const int y = c.series->CalcYPos(200);
    c.drag->ChartMouseEvent(cmeDown, mbLeft, TShiftState(), x, y);
    // Markers 1.4 pixels apart overlap: the lowest index under the mouse is picked.
    if (c.drag->Dragging() < 0) state.SkipWithError("no point was picked");
    int i = 0;
    for (auto _ : state) {
        c.drag->ChartMouseEvent(cmeMove, mbLeft, TShiftState(), x, y - 10 + (i++ % 20));
        c.Draw();
    }
    c.drag->ChartMouseEvent(cmeUp, mbLeft, TShiftState(), x, y);
}
BENCHMARK(BM_CurveEditorDragPoint)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

namespace {

// The console report, and at its end the editor chart's time against the plain painter's,
// without and with the marks, from the figures of this run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const char* arg : {"0", "1"}) {
            const auto chart =
                times_.find(std::string("BM_CurveEditorChartEditorRedraw/") + arg + "/process_time");
            const auto plain =
                times_.find(std::string("BM_PlainPainterEditorChart/") + arg + "/process_time");
            if (chart == times_.end() || plain == times_.end() || plain->second <= 0) continue;
            std::printf("editor chart / plain painter, marks %s: %.2f x\n",
                        arg[0] == '1' ? "shown" : "hidden", chart->second / plain->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    OrvoProgramStartup();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
