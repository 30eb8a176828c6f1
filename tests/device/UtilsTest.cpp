// The trace and byte helpers of the device link.
#include "device/Utils.h"
#include "platform/win/Clock.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(DeviceUtils, HexDumpWritesSeparatorAndTwoUpperCaseDigitsPerByte) {
    struct Case {
        std::vector<unsigned char> bytes;
        char separator;
        const char* text;
    };
    const std::vector<Case> cases = {
        {{}, '$', ""},
        {{0xAA, 0x05}, '$', "$AA$05"},
        {{0x00, 0x0F, 0xF0, 0xFF}, '$', "$00$0F$F0$FF"},
        {{0xbc}, ' ', " BC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HexDump(c.bytes.data(), c.bytes.size(), c.separator), c.text);
    }
}

std::vector<AnsiString> g_kept;

void keep(const AnsiString& text) {
    g_kept.push_back(text);
}

// A trace is built only while a sink keeps traces; the default sink discards them unbuilt.
TEST(DeviceUtils, TracesAreBuiltOnlyForAKeepingSink) {
    g_kept.clear();
    int built = 0;
    auto make = [&] {
        ++built;
        return AnsiString("RX:") + HexDump("\x01", 1, '$');
    };
    EXPECT_FALSE(TraceKept());
    Trace(make);
    TraceSystemError(2, "open");
    EXPECT_EQ(built, 0);

    const TTraceSink previous = SetTraceSink(&keep);
    EXPECT_TRUE(TraceKept());
    Trace(make);
    DebugTrace("plain");
    EXPECT_EQ(SetTraceSink(previous), &keep);
    Trace(make);
    EXPECT_EQ(built, 1);
    EXPECT_EQ(g_kept, (std::vector<AnsiString>{"RX:$01", "plain"}));
}

TEST(DeviceUtils, HighAndLowByteTakeBitsEightToFifteenAndZeroToSeven) {
    struct Case {
        int value;
        unsigned char high, low;
    };
    const std::vector<Case> cases = {
        {0x0000, 0x00, 0x00}, {0x0405, 0x04, 0x05},
        {0xFFFF, 0xFF, 0xFF}, {0x12345, 0x23, 0x45}, // bits above 15 are dropped
        {-1, 0xFF, 0xFF},     {260, 0x01, 0x04},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(HighByte(c.value), c.high);
        EXPECT_EQ(LowByte(c.value), c.low);
    }
}

TEST(DeviceUtils, TickPrefixPutsTheTickCountInFront) {
    TFakeClock clock(123456);
    TClockOverride use(&clock);
    EXPECT_EQ(TickPrefix("RX", true), "123456: RX");
    EXPECT_EQ(TickPrefix("RX", false), "RX");
}

} // namespace
