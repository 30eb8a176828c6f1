// The canvas against plain QPainter on the same work: 512-segment polylines, a run of
// LineTo calls, filled polygons and text into an 800 x 400 image. The ratio of the pairs
// is the layer's overhead.
#include "platform/graphics/Bitmap.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kW = 800, kH = 400, kPoints = 512;

std::vector<TPoint> curve(int phase) {
    std::vector<TPoint> pts(kPoints);
    for (int i = 0; i < kPoints; ++i)
        pts[std::size_t(i)] = {i * (kW - 1) / (kPoints - 1),
                               int(kH / 2 + (kH / 2 - 10) * std::sin((i + phase) * 0.05))};
    return pts;
}

std::vector<QPoint> toQt(const std::vector<TPoint>& p) {
    std::vector<QPoint> q;
    for (const TPoint& t : p)
        q.emplace_back(t.X, t.Y);
    return q;
}

void BM_CanvasPolyline(benchmark::State& state) {
    TBitmap bmp(kW, kH);
    TCanvas* c = bmp.Canvas();
    const auto pts = curve(0);
    c->Pen()->SetWidth(int(state.range(0)));
    for (auto _ : state) {
        for (int k = 0; k < 4; ++k) {
            c->Pen()->SetColor(k % 2 ? clRed : clBlue);
            c->Polyline(pts);
        }
    }
    benchmark::DoNotOptimize(bmp.ScanLine(0));
}
BENCHMARK(BM_CanvasPolyline)->Arg(1)->Arg(3);

void BM_QPainterPolyline(benchmark::State& state) {
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    const auto pts = toQt(curve(0));
    const int w = int(state.range(0));
    for (auto _ : state) {
        for (int k = 0; k < 4; ++k) {
            QPen pen(k % 2 ? Qt::red : Qt::blue, w <= 1 ? 0 : w);
            pen.setCapStyle(w <= 1 ? Qt::FlatCap : Qt::RoundCap);
            pen.setJoinStyle(w <= 1 ? Qt::MiterJoin : Qt::RoundJoin);
            p.setPen(pen);
            p.drawPolyline(pts.data(), int(pts.size()));
        }
    }
    benchmark::DoNotOptimize(img.bits());
}
BENCHMARK(BM_QPainterPolyline)->Arg(1)->Arg(3);

void BM_CanvasLineTo(benchmark::State& state) {
    TBitmap bmp(kW, kH);
    TCanvas* c = bmp.Canvas();
    const auto pts = curve(3);
    for (auto _ : state) {
        c->MoveTo(pts[0].X, pts[0].Y);
        for (int i = 1; i < kPoints; ++i)
            c->LineTo(pts[std::size_t(i)].X, pts[std::size_t(i)].Y);
    }
}
BENCHMARK(BM_CanvasLineTo);

void BM_QPainterLineTo(benchmark::State& state) {
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QPen pen(Qt::black, 0);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const auto pts = toQt(curve(3));
    for (auto _ : state)
        for (int i = 1; i < kPoints; ++i)
            p.drawLine(pts[std::size_t(i - 1)], pts[std::size_t(i)]);
}
BENCHMARK(BM_QPainterLineTo);

std::vector<TPoint> area() {
    auto pts = curve(7);
    pts.push_back({kW - 1, kH - 1});
    pts.push_back({0, kH - 1});
    return pts;
}

void BM_CanvasPolygon(benchmark::State& state) {
    TBitmap bmp(kW, kH);
    TCanvas* c = bmp.Canvas();
    c->Brush()->SetColor(clSkyBlue);
    const auto pts = area();
    for (auto _ : state)
        c->Polygon(pts);
}
BENCHMARK(BM_CanvasPolygon);

void BM_QPainterPolygon(benchmark::State& state) {
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(QColor(0xA6, 0xCA, 0xF0));
    const auto pts = toQt(area());
    for (auto _ : state)
        p.drawPolygon(pts.data(), int(pts.size()), Qt::OddEvenFill);
}
BENCHMARK(BM_QPainterPolygon);

void BM_CanvasTextOut(benchmark::State& state) {
    TBitmap bmp(kW, kH);
    TCanvas* c = bmp.Canvas();
    c->Font()->SetName(QStringLiteral("Arial"));
    c->Font()->SetSize(8);
    c->Brush()->SetStyle(bsClear);
    const String label = QStringLiteral("1234.5");
    for (auto _ : state)
        for (int i = 0; i < 20; ++i)
            c->TextOut(10 + i * 38, 380, label);
}
BENCHMARK(BM_CanvasTextOut);

void BM_QPainterText(benchmark::State& state) {
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::black);
    const QString label = QStringLiteral("1234.5");
    const int ascent = QFontMetrics(f).ascent();
    for (auto _ : state)
        for (int i = 0; i < 20; ++i)
            p.drawText(QPoint(10 + i * 38, 380 + ascent), label);
}
BENCHMARK(BM_QPainterText);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
