// What only a box on its own link does: the link goes away under an open port, and a box that
// cannot be reached is passed over like a port that does not open.
#define ORVO_BT_OVER_LINK
#include "../BtDeviceTestSupport.h"

#include "device/bluetooth/Serial.h"

namespace {

class LinkLossTest : public devtest::BtBoxesFixture {};

TEST_F(LinkLossTest, CommandsFailWithoutTrafficOnceTheLinkIsGoneAndTheNextOpenReconnects) {
    devtest::TDeclaredBox& b = AddBox();
    ASSERT_TRUE(devtest::OpenOnWorker(Device()));
    ASSERT_TRUE(ConnectedTo(b));
    const std::size_t exchanges = b.box.Exchanges();

    b.server->Drop();
    std::vector<unsigned char> voltages{1, 2};
    EXPECT_EQ(Device().ReadVoltages(&voltages), -1);
    EXPECT_EQ(voltages, (std::vector<unsigned char>{1, 2}));
    EXPECT_EQ(Device().GetActiveMap(), 1);
    unsigned char byte = 0;
    unsigned long read = 7;
    EXPECT_EQ(Device().serial->Read(&byte, 1, &read), long(ERROR_GEN_FAILURE));
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(b.box.Exchanges(), exchanges);

    // The port is still held until closed; then the box can be reached again.
    EXPECT_TRUE(Device().Close());
    ASSERT_TRUE(devtest::OpenOnWorker(Device()));
    EXPECT_TRUE(ConnectedTo(b));
    EXPECT_EQ(b.server->Connections(), 2);
}

TEST_F(LinkLossTest, BoxOutOfReachIsPassedOver) {
    devtest::TDeclaredBox& away = AddBox();
    devtest::TDeclaredBox& near = AddBox();
    away.server->Refuse(true);
    ASSERT_TRUE(devtest::OpenOnWorker(Device()));
    EXPECT_TRUE(ConnectedTo(near));
    EXPECT_EQ(away.server->Connections(), 0);
    EXPECT_EQ(serial->opened, (std::vector<std::string>{away.PortName(), near.PortName(), near.PortName()}));

    near.server->Refuse(true);
    Device().Close();
    EXPECT_FALSE(devtest::OpenOnWorker(Device()));
    EXPECT_EQ(Device().serial->portHandle, nullptr);
}

} // namespace
