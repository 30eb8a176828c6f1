// Copy, swap and clear of the channels from the tools column, over each transport: each
// curve lands in the box in the right channel and map, and nothing else is written.
#include "tests/acceptance/AcceptanceHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameTools.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"

#include <algorithm>

namespace acceptance {
namespace {

class ChannelTools : public TToolOverLink {
protected:
    void SetUp() override {
        TToolOverLink::SetUp();
        if (!ChipTuningParts().CreateEditor) GTEST_SKIP() << "the program has no curve editors";
    }
};

TEST_P(ChannelTools, CopySwapAndClearLandInTheRightChannelAndMap) {
    sim::Box& box = Box();
    const sim::Bytes rising = sim::Box::IdentityMap();
    // Channel 2: output 0.5 V above the input, within the allowed correction.
    const sim::Bytes raised =
        MapOf([](int i) { return std::uint16_t(std::min(4095, (i * 4095 + 255) / 511 + 410)); });
    box.SetMap(1, 1, rising);
    box.SetMap(2, 1, raised);
    const sim::Bytes untouched = box.Map(1, 2);
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        // Swap: each channel gets the other's curve, both in map 1.
        Click(Tools()->btnMoveL2R2L);
        EXPECT_EQ(box.Map(1, 1), raised);
        EXPECT_EQ(box.Map(2, 1), rising);
        // Copy to the right: channel 2 gets channel 1's curve.
        Click(Tools()->btnMoveL2R);
        EXPECT_EQ(box.Map(2, 1), raised);
        EXPECT_EQ(box.Map(1, 1), raised);
        // Clear: both channels get the neutral curve, the points at 0 V and 5 V only.
        Click(Tools()->btnClear);
        const sim::Bytes neutral = MapOf([](int i) {
            return std::uint16_t(i == 0 ? 0 : i == 511 ? 4095 : 0xFFFF);
        });
        EXPECT_EQ(box.Map(1, 1), neutral);
        EXPECT_EQ(box.Map(2, 1), neutral);
        EXPECT_EQ(box.Map(1, 2), untouched);
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

INSTANTIATE_TEST_SUITE_P(Links, ChannelTools, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
