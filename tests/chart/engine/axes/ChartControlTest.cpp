// The chart control: zoom and its undo keyed by axis (also across a custom axis created or
// freed between), and a chart's axes through the component streams.
#include "chart/engine/chart/Chart.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Writer.h"

#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>

namespace {

QByteArray toText(TComponent* root) {
    TMemoryStream bin, out;
    {
        TWriter w(&bin);
        w.WriteRootComponent(root);
    }
    bin.SetPosition(0);
    ObjectBinaryToText(&bin, &out);
    return QByteArray(static_cast<const char*>(out.Memory()), qsizetype(out.Size()));
}

void fromText(const QByteArray& text, TComponent* root) {
    TMemoryStream in, bin;
    in.WriteBuffer(text.constData(), int(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &bin);
    bin.SetPosition(0);
    TReader r(&bin);
    r.ReadRootComponent(root);
}

TEST(ChartControl, UndoZoomRestoresEachAxisByIdentity) {
    TChart chart(nullptr);
    chart.LeftAxis()->SetMinMax(-2, 2);
    auto* early = new TChartAxis(&chart);
    early->SetMinMax(10, 20);
    chart.DoZoom(0, 1, 0, 1, -1, 1, 0, 1);
    EXPECT_TRUE(chart.Zoomed());
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), -1);

    // A custom axis made after the zoom, and one freed: neither confuses the undo.
    auto* late = new TChartAxis(&chart);
    late->SetMinMax(5, 6);
    delete early;
    EXPECT_EQ(chart.SavedScales().count(early), 0u);
    chart.UndoZoom();
    EXPECT_FALSE(chart.Zoomed());
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), -2);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), 2);
    EXPECT_TRUE(chart.BottomAxis()->Automatic());
    EXPECT_DOUBLE_EQ(late->Minimum(), 5);
    EXPECT_TRUE(chart.SavedScales().empty());

    // Only the first zoom after an undo saves.
    chart.DoZoom(0, 1, 0, 1, -1, 1, 0, 1);
    chart.DoZoom(0, 1, 0, 1, -0.5, 0.5, 0, 1);
    chart.UndoZoom();
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), -2);
}

TEST(ChartControl, AxesRoundTripThroughTheStreamsWithoutDefaults) {
    TChart chart(nullptr);
    chart.SetName("Chart1");
    QByteArray text = toText(&chart);
    for (const char* name : {"Automatic", "LabelsSeparation", "TickLength", "LogarithmicBase", "Caption"})
        EXPECT_FALSE(text.contains(name)) << name << " in\n" << text.toStdString();

    chart.LeftAxis()->SetMinMax(-2, 2);
    chart.LeftAxis()->SetIncrement(0.5);
    chart.LeftAxis()->Title()->SetCaption(QStringLiteral("Output"));
    chart.LeftAxis()->Grid()->SetSmallDots(true);
    chart.BottomAxis()->SetLabelsAngle(90);
    chart.SetScrollMouseButton(mbMiddle);
    text = toText(&chart);

    TChart copy(nullptr);
    fromText(text, &copy);
    EXPECT_FALSE(copy.LeftAxis()->Automatic());
    EXPECT_DOUBLE_EQ(copy.LeftAxis()->Minimum(), -2);
    EXPECT_DOUBLE_EQ(copy.LeftAxis()->Maximum(), 2);
    EXPECT_DOUBLE_EQ(copy.LeftAxis()->Increment(), 0.5);
    EXPECT_EQ(copy.LeftAxis()->Title()->Caption(), QStringLiteral("Output"));
    EXPECT_EQ(copy.LeftAxis()->Title()->Angle(), 90);
    EXPECT_TRUE(copy.LeftAxis()->Grid()->SmallDots());
    EXPECT_EQ(copy.BottomAxis()->LabelsAngle(), 90);
    EXPECT_EQ(copy.ScrollMouseButton(), mbMiddle);
    // The chart's own lines come back unchanged (the control basics are the platform's).
    auto chartLines = [](const QByteArray& t) {
        QList<QByteArray> lines;
        for (const QByteArray& line : t.split('\n'))
            if (line.contains("Axis") || line.contains("ScrollMouseButton")) lines << line;
        return lines.join('\n').toStdString();
    };
    EXPECT_EQ(chartLines(toText(&copy)), chartLines(text));
}

} // namespace
