// A panel kept as a plain component stream: written whole with the panel's visibility given
// back (a failing write leaves the old file as it was), read into another panel that keeps
// its own name, malformed input refused.
#include "chart/export/TeeStore.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Exception.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A series whose points cannot be stored: the writer fails in the middle of the panel.
class TUnwritableSeries : public TChartSeries {
    ORVO_CLASS(TUnwritableSeries, TChartSeries)
public:
    explicit TUnwritableSeries(TComponent* AOwner) : TChartSeries(AOwner) {}
    void WriteData(TStream*) override { throw EWriteError(QStringLiteral("disk full")); }
};
ORVO_IMPLEMENT_CLASS(TUnwritableSeries, TChartSeries)

} // namespace

TEST(TeeStore, PanelFileRoundTripsAndKeepsVisibility) {
    QTemporaryDir dir;
    const QString file = dir.filePath("panel.bin");
    TChart source(nullptr);
    source.SetName("Source");
    source.SetView3D(false);
    source.SetMarginLeft(17);
    source.SetVisible(false);
    SaveTeeToFile(&source, file);
    EXPECT_FALSE(source.Visible());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    // No chart-file header: the component stream's signature comes first.
    EXPECT_TRUE(bytes.startsWith("TPF0"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    TChart target(nullptr);
    target.SetName("Target");
    LoadTeeFromFile(&target, file);
    EXPECT_EQ(target.Name(), "Target");
    EXPECT_FALSE(target.View3D());
    EXPECT_EQ(target.MarginLeft(), 17);
    // Read back, it was stored visible.
    EXPECT_TRUE(target.Visible());
}

TEST(TeeStore, MalformedStreamIsRefusedAndPanelKeepsItsName) {
    const QByteArray inputs[] = {QByteArray(), QByteArray("TPF"), QByteArray("TPF0\x07TChart\x06", 12),
                                 QByteArray("garbage that is no stream")};
    for (const QByteArray& input : inputs) {
        SCOPED_TRACE(input.toHex().toStdString());
        TChart chart(nullptr);
        chart.SetName("Kept");
        TMemoryStream in;
        in.WriteBuffer(input.constData(), input.size());
        in.SetPosition(0);
        EXPECT_THROW(LoadTeeFromStream(&chart, &in), Exception);
        EXPECT_EQ(chart.Name(), "Kept");
    }
}

TEST(TeeStore, FailingWriteLeavesTheOldFileAndNoTemporaryFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("panel.bin");
    TChart chart(nullptr);
    chart.SetName("Stored");
    SaveTeeToFile(&chart, file);
    const QByteArray old = FileBytes(file);
    ASSERT_TRUE(old.startsWith("TPF0"));

    auto* failing = new TUnwritableSeries(&chart);
    failing->SetParentChart(&chart);
    failing->AddXY(1, 2);
    failing->SetForceSaveData(true);
    chart.SetVisible(false);
    EXPECT_THROW(SaveTeeToFile(&chart, file), EWriteError);
    EXPECT_EQ(FileBytes(file), old);
    // A file that was not there is not made either.
    EXPECT_THROW(SaveTeeToFile(&chart, dir.filePath("new.bin")), EWriteError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"panel.bin"});
    EXPECT_FALSE(chart.Visible());
}
