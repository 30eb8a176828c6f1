// Feeds arbitrary bytes to the reader of a series' stored point block ("Data"), for a plain
// series and for a series type with a further value list, and to the reader of the marks'
// item block ("Items"). A damaged block may only raise the stream's read error.
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesDataStream.h"
#include "chart/engine/series/SeriesMarks.h"
#include "platform/classes/Streams.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {
class TSizedSeries : public TChartSeries {
public:
    TSizedSeries() : TChartSeries(nullptr) { new TChartValueList(this, "Size"); }
};

void ReadInto(TChartSeries* Series, const std::uint8_t* data, std::size_t size) {
    TMemoryStream m;
    if (size) m.WriteBuffer(data, int(size));
    m.SetPosition(0);
    try {
        ReadSeriesData(Series, &m);
    } catch (const EReadError&) {
    }
    // What was read must write back and read again.
    TMemoryStream out;
    WriteSeriesData(Series, &out);
    out.SetPosition(0);
    ReadSeriesData(Series, &out);
}
void ReadItemsInto(TSeriesMarks* Marks, const std::uint8_t* data, std::size_t size) {
    TMemoryStream m;
    if (size) m.WriteBuffer(data, int(size));
    m.SetPosition(0);
    try {
        Marks->ReadItems(&m);
    } catch (const EReadError&) {
        return;
    }
    // Items that were read write back and read again.
    TMemoryStream out;
    Marks->WriteItems(&out);
    out.SetPosition(0);
    Marks->ReadItems(&out);
}
} // namespace

// Runs the start-up of the libraries this program links (written by the build).
void OrvoProgramStartup();

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(*argc, *argv);
    OrvoProgramStartup();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1 << 16) return 0;
    TChartSeries plain(nullptr);
    ReadInto(&plain, data, size);
    TSizedSeries sized;
    ReadInto(&sized, data, size);
    ReadItemsInto(plain.Marks(), data, size);
    return 0;
}
