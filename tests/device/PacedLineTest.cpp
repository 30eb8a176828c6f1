// The Bluetooth device over a line paced at 115200 baud on the real clock: a whole map goes out
// and comes back, and every exchange is answered within the reader's limits at that speed.
#include "DeviceTestSupport.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"

#include <chrono>

using devtest::Bytes;

namespace {

TEST(BtPacedLine, MapRoundTripAndGettersWithinTheLimitsAt115200Baud) {
    sim::Box box;
    sim::PtyBox server(box, sim::WirePacing{115200});
    TOrvoTuningBtDevice device;
    ASSERT_EQ(devtest::OpenLikeBluetooth(*device.serial, server.PortName()), 0);

    Bytes image(1024);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 5 + 3);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(device.SendMap(1, 2, image), 0);
    EXPECT_EQ(box.Map(1, 2), image);
    Bytes out;
    ASSERT_EQ(device.ReadMap(1, 2, &out), 0);
    EXPECT_EQ(out, image);
    box.SetActiveMap(2);
    EXPECT_EQ(device.GetActiveMap(), 2);
    EXPECT_EQ(device.readFailures, 0);
    EXPECT_EQ(box.Exchanges(), 10u); // no exchange needed its second attempt

    // Some 2.1 kB in all at 11520 bytes a second: close to 190 ms on the wire.
    EXPECT_GT(server.WireBytes(), 2100u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
}

} // namespace
