// The channel and curve model: conversions (extended precision, ties to even), the curve on
// its series and back, the neutral curve, the map image and the point markers.
#include "app/ChipTuningChannel.h"
#include "app/forms/FormPressure.h"
#include "AppTestSupport.h"
#include "app/ApplicationSettings.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QTemporaryDir>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <stdexcept>

namespace {

TEST(CurveConversions, EveryCodeAndEveryIndexRoundTrips) {
    for (int code = 0; code <= CurveMaxCode; ++code)
        ASSERT_EQ(VoltToCode(CodeToVolt(std::uint16_t(code))), code) << code;
    for (int i = 0; i < CurveLength; ++i)
        ASSERT_EQ(VoltToIndex(IndexToVolt(i)), i) << i;
    EXPECT_EQ(IndexToVolt(511), 5.0);
}

TEST(CurveConversions, TiesRoundToEvenAndResultsAreSignedAndSaturated) {
    struct Case {
        Extended volts;
        int code;
    };
    const Case codes[] = {
        {0.5, 410}, {1.5, 1228},  {2.5, 2048},  {3.5, 2866},     {4.5, 3686},      {5.0, 4095},
        {0.0, 0},   {-0.001, -1}, {5.01, 4103}, {1e30, INT_MAX}, {-1e30, INT_MIN},
    };
    for (const Case& c : codes) {
        SCOPED_TRACE(double(c.volts));
        EXPECT_EQ(VoltToCode(c.volts), c.code);
    }
    EXPECT_EQ(VoltToIndex(2.5), 256);
    EXPECT_EQ(VoltToIndex(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(VoltToIndex(std::numeric_limits<double>::infinity()), INT_MAX);
}

TEST(MapImage, ImageIsLowByteFirstAndOnlyWholeValidImagesReadBack) {
    CurvePoints curve(CurveLength, CurveNoPoint);
    curve[0] = 0;
    curve[1] = 0x0A0B;
    curve[511] = 4095;
    const std::vector<unsigned char> image = MapImageOfCurve(curve);
    ASSERT_EQ(image.size(), MapImageBytes);
    EXPECT_EQ(image[2], 0x0B);
    EXPECT_EQ(image[3], 0x0A);
    EXPECT_EQ(image[1022], 0xFF);
    EXPECT_EQ(image[1023], 0x0F);

    CurvePoints back;
    EXPECT_TRUE(CurveOfMapImage(image, back));
    EXPECT_EQ(back, curve);

    struct Case {
        const char* name;
        std::vector<unsigned char> image;
    };
    std::vector<unsigned char> badCode = image;
    badCode[10] = 0x00;
    badCode[11] = 0x10; // 4096
    const Case bad[] = {
        {"short", std::vector<unsigned char>(image.begin(), image.end() - 2)},
        {"long",
         [&] {
             auto v = image;
             v.push_back(0);
             return v;
         }()},
        {"empty", {}},
        {"code above 4095", badCode},
    };
    for (const Case& c : bad) {
        SCOPED_TRACE(c.name);
        CurvePoints kept = {1, 2, 3};
        EXPECT_FALSE(CurveOfMapImage(c.image, kept));
        EXPECT_EQ(kept, (CurvePoints{1, 2, 3}));
    }
}

// A settings object in a configuration folder of the test's own, as the channels need it.
class ChannelTest : public ::testing::Test {
protected:
    ChannelTest() : xdg_("XDG_CONFIG_HOME", QFile::encodeName(dir_.path())) {
        settings_ = std::make_unique<TApplicationSettings>();
        ApplicationSettings = settings_.get();
    }
    ~ChannelTest() override { ApplicationSettings = nullptr; }

    QTemporaryDir dir_;
    TEnvOverride xdg_;
    std::unique_ptr<TApplicationSettings> settings_;
    TFakeCurveSeries series_;
};

TEST_F(ChannelTest, AChannelTakesItsScalingAndRefusesAChannelWithout) {
    CVoltageChannel two(2, &series_);
    EXPECT_EQ(two.coeffs, &settings_->Coeffs()[1]);
    EXPECT_EQ(two.channelNumber, 2);
    EXPECT_TRUE(two.points.empty());
    ASSERT_NE(two.pressureForm, nullptr); // the channel's own pressure window
    EXPECT_EQ(two.pressureForm->Owner(), nullptr);
    EXPECT_THROW(CVoltageChannel(3, &series_), std::out_of_range);
    EXPECT_THROW(CVoltageChannel(0, &series_), std::out_of_range);
    ApplicationSettings = nullptr;
    EXPECT_THROW(CVoltageChannel(1, &series_), std::out_of_range);
}

TEST_F(ChannelTest, ResetGivesTheNeutralCurveAlsoAsTheSentCopy) {
    CVoltageChannel channel(1, &series_);
    channel.selection = {0, 1};
    series_.Points = {{1, 1}, {2, 2}, {3, 3}};
    channel.ResetPoints();
    EXPECT_EQ(series_.Points, (std::vector<std::pair<double, double>>{{0.0, 0.0}, {5.0, 0.0}}));
    EXPECT_TRUE(channel.selection.empty());
    ASSERT_EQ(channel.points.size(), std::size_t(CurveLength));
    EXPECT_EQ(channel.points, channel.sentPoints);
    EXPECT_FALSE(channel.Changed());
    EXPECT_EQ(series_.Refreshes, 1);

    std::vector<unsigned char> expected(MapImageBytes, 0xFF);
    expected[0] = expected[1] = 0x00;
    expected[1023] = 0x0F;
    EXPECT_EQ(MapImageOfCurve(channel.points), expected);

    channel.SetPoint(100, 1000);
    EXPECT_TRUE(channel.Changed());
    channel.UpdateSentCopy();
    EXPECT_FALSE(channel.Changed());
}

TEST_F(ChannelTest, SetPointIgnoresIndexesOutsideTheCurveAndLimitsCodes) {
    CVoltageChannel channel(1, &series_);
    channel.ResetPoints();
    struct Case {
        int index, code;
        std::uint16_t stored; // at index, or at 0 when the index is outside
    };
    const Case cases[] = {
        {10, 100, 100}, {10, 4095, 4095}, {10, 4096, 4095}, {10, 65535, 4095},
        {10, -1, 0},    {512, 7, 0},      {-1, 7, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " " << c.code);
        const CurvePoints before = channel.points;
        channel.SetPoint(c.index, c.code);
        if (c.index < 0 || c.index >= CurveLength) {
            EXPECT_EQ(channel.points, before);
        } else {
            EXPECT_EQ(channel.points[std::size_t(c.index)], c.stored);
        }
    }
}

TEST_F(ChannelTest, DisplayPointsRefusesShortCurvesAndShowsOnlyPointsThatExist) {
    CVoltageChannel channel(1, &series_);
    channel.ResetPoints();
    const auto shown = series_.Points;
    channel.selection = {1};
    EXPECT_FALSE(channel.DisplayPoints(CurvePoints(511, 0)));
    EXPECT_EQ(series_.Points, shown);
    EXPECT_EQ(channel.selection, std::vector<int>{1});

    EXPECT_TRUE(channel.DisplayPoints(CurvePoints(CurveLength, CurveNoPoint)));
    EXPECT_TRUE(series_.Points.empty());
    EXPECT_TRUE(channel.selection.empty());
    EXPECT_EQ(series_.Repaints, 1);

    CurvePoints curve(CurveLength, CurveNoPoint);
    curve[256] = 2457;
    EXPECT_TRUE(channel.DisplayPoints(curve));
    ASSERT_EQ(series_.Points.size(), 1u);
    EXPECT_DOUBLE_EQ(series_.Points[0].first, 256 * 5.0 / 511);
    EXPECT_DOUBLE_EQ(series_.Points[0].second, 2457 * 5.0 / 4095 - 256 * 5.0 / 511);
    // Neither the curve nor its sent copy changes.
    EXPECT_EQ(channel.points, channel.sentPoints);
    EXPECT_EQ(channel.points[256], CurveNoPoint);
}

TEST_F(ChannelTest, ACurveShownAndPulledBackIsTheSameCurve) {
    CVoltageChannel channel(1, &series_);
    channel.ResetPoints();
    CurvePoints curve(CurveLength, CurveNoPoint);
    for (int i = 0; i < CurveLength; i += 3)
        curve[std::size_t(i)] = std::uint16_t((i * 37) % 4096);
    curve[1] = 0;
    curve[511] = 4095;
    ASSERT_TRUE(channel.DisplayPoints(curve));
    PullSeriesPoints(channel, series_);
    EXPECT_EQ(channel.points, curve);
}

TEST_F(ChannelTest, PullTakesEachPointToItsIndexAndKeepsOutOfRangeOutputsOnTheCurve) {
    CVoltageChannel channel(1, &series_);
    channel.ResetPoints();
    series_.Points = {
        {2.5, 0.5},                 // entry 256: 3.0 V
        {-1.0, 0.0},                // before the curve
        {6.0, 0.0},                 // after the curve
        {IndexToVolt(-65531), 0.0}, // an index whose low 16 bits would be 5
        {1.0, -1.5},                // output below 0 V: stays a point at 0 V
        {4.0, 1.5},                 // output above 5 V: stays a point at 5 V
        {4.0 + 1e-9, 0.0},          // the same index again: the later point wins
    };
    PullSeriesPoints(channel, series_);
    CurvePoints expected(CurveLength, CurveNoPoint);
    expected[256] = 2457;
    expected[std::size_t(VoltToIndex(1.0))] = 0;
    expected[std::size_t(VoltToIndex(4.0))] = std::uint16_t(VoltToCode(4.0));
    EXPECT_EQ(channel.points, expected);
}

TEST_F(ChannelTest, MarkersAreRedCirclesFilledYellowWhenSelected) {
    TBitmap bitmap;
    bitmap.SetSize(700, 400);
    bitmap.Canvas()->Brush()->SetColor(0x00FFFFFF);
    bitmap.Canvas()->FillRect(TRect{0, 0, 700, 400});
    series_.Canvas = bitmap.Canvas();
    CVoltageChannel channel(1, &series_);
    series_.Points = {{1.0, 0.5}, {3.0, -0.5}};
    channel.selection = {1};
    channel.DrawMarkers();
    // Point 0 at (110, 250), point 1 at (310, 350).
    EXPECT_EQ(bitmap.Canvas()->Pixels(110, 250), TColor(0x000000FF));
    EXPECT_EQ(bitmap.Canvas()->Pixels(310, 350), TColor(0x0000FFFF));
    EXPECT_EQ(bitmap.Canvas()->Pixels(104, 250), TColor(0x000000FF)); // the pen at the rim
    EXPECT_EQ(bitmap.Canvas()->Pixels(120, 250), TColor(0x00FFFFFF)); // outside the radius
    EXPECT_EQ(bitmap.Canvas()->Pixels(200, 300), TColor(0x00FFFFFF));
}

} // namespace
