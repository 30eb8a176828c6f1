// A chart's metafile (what the preview draws and the picture export saves), written as an
// enhanced and as a placeable Windows metafile: independent readers turn it into SVG whose
// pixels match the chart's own bitmap at the bars, and the platform plays it back alike.
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/series/BarSeries.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"
#include "tests/support/MetafileReaders.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kW = 400, kH = 300;

QRgb Rgb(TColor C) {
    C = ColorToRGB(C);
    return qRgb(int(C & 0xFF), int((C >> 8) & 0xFF), int((C >> 16) & 0xFF));
}

bool Near(QRgb A, QRgb B) {
    return std::abs(qRed(A) - qRed(B)) < 64 && std::abs(qGreen(A) - qGreen(B)) < 64 &&
           std::abs(qBlue(A) - qBlue(B)) < 64;
}

} // namespace

TEST(ChartMetafile, ReadersSeeTheBarsWhereTheChartDrawsThem) {
    if (!HasMetafileTools({"emf2svg-conv", "wmf2svg", "rsvg-convert"}))
        GTEST_SKIP() << "metafile readers missing";
    TChart chart(nullptr);
    chart.SetBounds(0, 0, kW, kH);
    auto* bars = new TBarSeries(&chart);
    bars->SetParentChart(&chart);
    bars->SetColorEachPoint(false);
    bars->SetSeriesColor(clRed);
    const double values[] = {3, 5, 4, 6};
    for (double v : values)
        bars->Add(v);
    std::unique_ptr<TBitmap> bitmap(chart.TeeCreateBitmap(clWhite, TRect{0, 0, kW, kH}, pf24bit));
    // The middle of each bar, from the chart's own axes after that drawing.
    std::vector<QPoint> points;
    for (int i = 0; i < 4; ++i)
        points.push_back(
            {chart.BottomAxis()->CalcXPosValue(i), chart.LeftAxis()->CalcYPosValue(values[i] / 2)});
    for (const QPoint& p : points)
        ASSERT_EQ(bitmap->Canvas()->Pixels(p.x(), p.y()), clRed) << p.x() << "," << p.y();
    const QPoint panel{4, kH / 2};

    QTemporaryDir dir;
    for (bool enhanced : {true, false}) {
        std::unique_ptr<TMetafile> meta(chart.TeeCreateMetafile(enhanced, TRect{0, 0, kW, kH}));
        TMemoryStream ms;
        meta->SaveToStream(&ms);
        const QString ext = enhanced ? "emf" : "wmf";
        const QString file = dir.filePath("chart." + ext), svg = dir.filePath(ext + ".svg"),
                      png = dir.filePath(ext + ".png");
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(static_cast<const char*>(ms.Memory()), ms.Size());
        f.close();
        const QImage img = ConvertMetafile(enhanced ? QStringList{"emf2svg-conv", "-i", file, "-o", svg}
                                                    : QStringList{"wmf2svg", "--inline", "-o", svg, file},
                                           svg, png, kW, kH);
        ASSERT_FALSE(img.isNull()) << ext.toStdString();
        for (const QPoint& p : points)
            EXPECT_TRUE(Near(img.pixel(p), Rgb(clRed))) << ext.toStdString() << " " << p.x() << "," << p.y();
        EXPECT_TRUE(Near(img.pixel(panel), Rgb(bitmap->Canvas()->Pixels(panel.x(), panel.y()))))
            << ext.toStdString() << " panel " << std::hex << img.pixel(panel) << " "
            << bitmap->Canvas()->Pixels(panel.x(), panel.y());

        // The platform plays the file back alike.
        ms.SetPosition(0);
        TMetafile back;
        back.LoadFromStream(&ms);
        TBitmap played;
        played.SetSize(kW, kH);
        played.Canvas()->StretchDraw(Rect(0, 0, kW, kH), &back);
        for (const QPoint& p : points)
            EXPECT_EQ(played.Canvas()->Pixels(p.x(), p.y()), clRed) << ext.toStdString() << " played back";
    }
}
