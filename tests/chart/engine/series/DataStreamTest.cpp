#include "SeriesTestSupport.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/series/SeriesDataStream.h"
#include "chart/engine/series/SeriesMarks.h"
#include "platform/classes/Streams.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <climits>
#include <cstring>

namespace {

QByteArray Written(TChartSeries* Series) {
    TMemoryStream m;
    WriteSeriesData(Series, &m);
    QByteArray bytes(int(m.Size()), 0);
    m.SetPosition(0);
    if (!bytes.isEmpty()) m.ReadBuffer(bytes.data(), int(bytes.size()));
    return bytes;
}

void Read(TChartSeries* Series, const QByteArray& Bytes) {
    TMemoryStream m;
    if (!Bytes.isEmpty()) m.WriteBuffer(Bytes.constData(), int(Bytes.size()));
    m.SetPosition(0);
    ReadSeriesData(Series, &m);
}

QByteArray Int32(int v) {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((unsigned(v) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray Double(double d) {
    QByteArray b(8, 0);
    std::memcpy(b.data(), &d, 8);
    return b;
}

TEST(DataStream, PlainSequenceStoresOnlyTheMandatoryValues) {
    TChartSeries s(nullptr);
    for (double y : {5, 6, 7})
        s.Add(y);
    const QByteArray bytes = Written(&s);
    ASSERT_EQ(bytes.size(), 29);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes.mid(1, 4), Int32(3));
    EXPECT_EQ(bytes.mid(5, 8), Double(5));

    s.SetXValue(2, 5);
    const QByteArray pairs = Written(&s);
    ASSERT_EQ(pairs.size(), 5 + 3 * 16);
    EXPECT_EQ(pairs[0], 1);

    TChartSeries empty(nullptr);
    EXPECT_EQ(Written(&empty), QByteArray(1, 0) + Int32(0));
}

TEST(DataStream, RoundTripsPointsColoursLabelsAndMarkPositionsByteForByte) {
    TThreeListSeries s;
    s.Sizes->TempValue = 1.5;
    s.AddXY(0, 10, "first", clRed);
    s.Sizes->TempValue = 2.5;
    s.AddXY(2, 20, "");
    s.Sizes->TempValue = 3.5;
    s.AddNullXY(7, 0, QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xe2\x82\xac"));
    s.Labels()->SetLabel(1, QString(300, QChar('x')));
    TSeriesMarkPosition p;
    p.LeftTop = {3, 4};
    p.Width = 30;
    p.Height = 12;
    p.ArrowTo = {-1, 2};
    s.Marks()->Positions()->Put(1, &p);
    s.SetManualData(true);

    const QByteArray bytes = Written(&s);
    EXPECT_EQ(bytes[0], 1 | 2 | 4 | 8);

    TThreeListSeries back;
    Read(&back, bytes);
    EXPECT_TRUE(back.ManualData());
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.XValues()->Value(2), 7);
    EXPECT_TRUE(back.IsNull(2));
    EXPECT_EQ(back.InternalColor(0), clRed);
    EXPECT_EQ(back.Sizes->Value(1), 2.5);
    EXPECT_EQ(back.XLabel(1), QString(300, QChar('x')));
    EXPECT_EQ(back.XLabel(2), QString::fromUtf8("\xc3\xa9t\xc3\xa9 \xe2\x82\xac"));
    ASSERT_NE(back.Marks()->Positions()->Get(1), nullptr);
    EXPECT_TRUE(back.Marks()->Positions()->Get(1)->Custom);
    EXPECT_EQ(back.Marks()->Positions()->Get(1)->Width, 30);
    EXPECT_EQ(Written(&back), bytes);
}

// A damaged or foreign file can store any int as a mark's place and size: read back, they are
// held within the pixel limit (sizes not below 0), as drawing adds them to other positions.
TEST(DataStream, StoredMarkPositionsAreHeldWithinThePixelLimit) {
    TThreeListSeries s;
    s.AddXY(0, 10, "");
    TSeriesMarkPosition p;
    p.ArrowFrom = {INT_MIN, INT_MAX};
    p.ArrowTo = {INT_MAX, -5};
    p.LeftTop = {INT_MIN, 7};
    p.Width = INT_MAX;
    p.Height = -20;
    s.Marks()->Positions()->Put(0, &p);
    s.SetManualData(true);

    TThreeListSeries back;
    Read(&back, Written(&s));
    const TSeriesMarkPosition* q = back.Marks()->Positions()->Get(0);
    ASSERT_NE(q, nullptr);
    EXPECT_EQ(q->ArrowFrom, (TPoint{-TeePixelLimit, TeePixelLimit}));
    EXPECT_EQ(q->ArrowTo, (TPoint{TeePixelLimit, -5}));
    EXPECT_EQ(q->LeftTop, (TPoint{-TeePixelLimit, 7}));
    EXPECT_EQ(q->Width, TeePixelLimit);
    EXPECT_EQ(q->Height, 0);
}

TEST(DataStream, LabelsColoursAndXValuesLateInTheSeriesAreKept) {
    TChartSeries s(nullptr);
    for (int i = 0; i < 10010; ++i)
        s.Add(i);
    s.Labels()->SetLabel(150, "late");
    EXPECT_TRUE(SeriesGuessContents(&s).Contains(tfLabel));
    s.SetValueColor(10005, clRed);
    EXPECT_TRUE(SeriesGuessContents(&s).Contains(tfColor));
    s.SetXValue(10007, 10007.5);
    EXPECT_TRUE(SeriesGuessContents(&s).Contains(tfNoMandatory));
    TChartSeries back(nullptr);
    Read(&back, Written(&s));
    EXPECT_EQ(back.XLabel(150), "late");
    EXPECT_EQ(back.InternalColor(10005), clRed);
    EXPECT_EQ(back.XValues()->Value(10007), 10007.5);
}

TEST(DataStream, ReadsShortAndEightBitLabelsAndResortsX) {
    // Flags: own X and labels; two points given out of order, short label forms.
    QByteArray block(1, char(1 | 4));
    block += Int32(2);
    block += Double(5) + Double(50) + QByteArray(1, 3) + QByteArray("abc");
    block += Double(1) + Double(10) + QByteArray(1, 2) + QByteArray("\xe9t", 2);
    TChartSeries s(nullptr);
    Read(&s, block);
    ASSERT_EQ(s.Count(), 2);
    EXPECT_EQ(s.XValues()->Value(0), 1);
    EXPECT_EQ(s.XLabel(0), QString::fromUtf8("\xc3\xa9t"));
    EXPECT_EQ(s.XLabel(1), "abc");
}

TEST(DataStream, DamagedBlocksRaiseTheReadError) {
    TChartSeries s(nullptr);
    s.AddXY(0, 1, "a", clRed);
    s.AddXY(3, 2, "bc");
    const QByteArray good = Written(&s);
    // Every truncation of a valid block.
    for (int n = 0; n < good.size(); ++n) {
        TChartSeries r(nullptr);
        EXPECT_THROW(Read(&r, good.left(n)), EReadError) << n;
    }
    const QByteArray cases[] = {
        QByteArray(1, 0) + Int32(-1),
        QByteArray(1, 0) + Int32(0x7FFFFFFF),
        QByteArray(1, 0x10) + Int32(0),
        QByteArray(1, 4) + Int32(1) + Double(1) + QByteArray(1, char(255)) + Int32(-5),
        QByteArray(1, 4) + Int32(1) + Double(1) + QByteArray(1, char(255)) + Int32(1000),
        // One double too many per record: written by a type with another value list.
        QByteArray(1, 0) + Int32(1) + Double(1) + Double(2),
    };
    for (const QByteArray& c : cases) {
        TChartSeries r(nullptr);
        EXPECT_THROW(Read(&r, c), EReadError) << c.toHex().toStdString();
        EXPECT_FALSE(r.IsUpdating());
    }
    // A type with one more list reads a base series' block as too short.
    TThreeListSeries three;
    EXPECT_THROW(Read(&three, good), EReadError);
}

} // namespace
