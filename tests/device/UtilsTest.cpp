// The trace and byte helpers of the device link.
#include "device/Utils.h"
#include "platform/win/Clock.h"

#include <gtest/gtest.h>

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
