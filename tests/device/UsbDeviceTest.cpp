// Opening, closing and the operations of the USB device against the simulated box.
#include "DeviceTestSupport.h"
#include "device/usb/ChipTuningUsb.h"
#include "device/usb/OrvoTuningUsbDevice.h"

using devtest::Bytes;
using devtest::MessageCapture;

namespace {

std::vector<std::string> Functions(const std::vector<sim::FakeUsbCall>& calls) {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.function != "usb_init" && c.function != "usb_find_busses" && c.function != "usb_find_devices")
            out.push_back(c.function + "(" + std::to_string(c.device) + "," + std::to_string(c.arg) + ")");
    return out;
}

class UsbOpenTest : public ::testing::Test {
protected:
    void SetUp() override { UsbClose(); }
    void TearDown() override { UsbClose(); }
    TOrvoTuningUsbDevice device;
    sim::Box boxA, boxB;
};

TEST_F(UsbOpenTest, OpensTheBoxResettingBothEndpointsBeforeConfiguration) {
    sim::FakeUsb::SetSingleBox(boxA);
    ASSERT_TRUE(device.Open());
    ASSERT_NE(UsbDeviceHandle, nullptr);
    const auto calls = sim::FakeUsb::Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0].function, "usb_init");
    EXPECT_EQ(calls[1].function, "usb_find_busses");
    EXPECT_EQ(calls[2].function, "usb_find_devices");
    EXPECT_EQ(Functions(calls),
              (std::vector<std::string>{"usb_open(0,0)", "usb_resetep(0,129)", "usb_resetep(0,2)",
                                        "usb_set_configuration(0,1)", "usb_claim_interface(0,0)"}));
    EXPECT_EQ(sim::FakeUsb::OpenHandles(), 1);
}

TEST_F(UsbOpenTest, TakesTheFirstQualifyingBoxInBusAndDeviceOrderAndClosesRefusedHandles) {
    sim::FakeUsbDevice other;
    other.vendor = 0x1234;
    other.product = 0x4322;
    other.box = &boxB;
    sim::FakeUsbDevice noOpen;
    noOpen.openFails = true;
    noOpen.box = &boxB;
    sim::FakeUsbDevice noConfig;
    noConfig.configResult = -16;
    noConfig.box = &boxB;
    sim::FakeUsbDevice noClaim;
    noClaim.claimResult = -16;
    noClaim.box = &boxB;
    sim::FakeUsbDevice good;
    good.box = &boxA;
    sim::FakeUsbDevice later;
    later.box = &boxB;
    // Bus 0: a foreign device, then boxes that refuse; bus 1: the good one, then another box.
    sim::FakeUsb::SetBuses({{other, noOpen, noConfig, noClaim}, {good, later}});
    ASSERT_TRUE(device.Open());
    EXPECT_EQ(Functions(sim::FakeUsb::Calls()),
              (std::vector<std::string>{
                  "usb_open(1,0)", "usb_open(2,0)", "usb_resetep(2,129)", "usb_resetep(2,2)",
                  "usb_set_configuration(2,1)", "usb_close(2,0)", "usb_open(3,0)", "usb_resetep(3,129)",
                  "usb_resetep(3,2)", "usb_set_configuration(3,1)", "usb_claim_interface(3,0)",
                  "usb_close(3,0)", "usb_open(4,0)", "usb_resetep(4,129)", "usb_resetep(4,2)",
                  "usb_set_configuration(4,1)", "usb_claim_interface(4,0)"}));
    EXPECT_EQ(sim::FakeUsb::OpenHandles(), 1);
    boxA.SetActiveMap(2);
    EXPECT_EQ(device.GetActiveMap(), 2);
    EXPECT_EQ(boxB.Exchanges(), 0u);
}

TEST_F(UsbOpenTest, FailedOpenLeavesNoHandle) {
    struct Case {
        const char* name;
        std::vector<std::vector<sim::FakeUsbDevice>> buses;
    };
    sim::FakeUsbDevice noOpen, noConfig, noClaim, foreign;
    noOpen.openFails = true;
    noConfig.configResult = -1;
    noClaim.claimResult = -1;
    foreign.vendor = 0x4321;
    foreign.product = 0x1234;
    const std::vector<Case> cases = {
        {"no buses", {}},
        {"no device", {{}}},
        {"foreign device", {{foreign}}},
        {"usb_open null", {{noOpen}}},
        {"configuration refused", {{noConfig}}},
        {"interface refused", {{noClaim}}},
        {"every box refuses", {{noOpen, noConfig}, {noClaim}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::FakeUsb::SetBuses(c.buses);
        EXPECT_FALSE(device.Open());
        EXPECT_EQ(UsbDeviceHandle, nullptr);
        EXPECT_EQ(sim::FakeUsb::OpenHandles(), 0);
    }
}

TEST_F(UsbOpenTest, CloseClosesOnceAndClearsTheHandle) {
    sim::FakeUsb::SetSingleBox(boxA);
    EXPECT_FALSE(device.Close()); // nothing open: no usb_close(NULL)
    EXPECT_TRUE(sim::FakeUsb::Calls("usb_close").empty());
    ASSERT_TRUE(device.Open());
    EXPECT_TRUE(device.Close());
    EXPECT_EQ(UsbDeviceHandle, nullptr);
    EXPECT_FALSE(device.Close());
    EXPECT_EQ(sim::FakeUsb::Calls("usb_close").size(), 1u);
    EXPECT_EQ(sim::FakeUsb::OpenHandles(), 0);
}

TEST_F(UsbOpenTest, ReopeningClosesTheHandleStillOpen) {
    sim::FakeUsb::SetSingleBox(boxA);
    ASSERT_TRUE(device.Open());
    ASSERT_TRUE(device.Open());
    EXPECT_EQ(sim::FakeUsb::OpenHandles(), 1);
}

TEST_F(UsbOpenTest, OperationsWithoutAnOpenBoxGiveTheirDefaultsWithoutTraffic) {
    sim::FakeUsb::SetSingleBox(boxA);
    MessageCapture messages;
    Bytes out{42};
    EXPECT_FALSE(device.GetTuning());
    EXPECT_EQ(device.GetActiveMap(), 1);
    EXPECT_EQ(device.GetTriggeredInput(), 0);
    EXPECT_EQ(device.SendMap(1, 1, Bytes(1024, 0)), -1);
    EXPECT_EQ(device.ReadMap(1, 1, &out), -1);
    EXPECT_EQ(device.ReadVoltages(&out), -1);
    EXPECT_EQ(out, Bytes{42});
    device.SetTuning(true);
    device.SetTriggeredInput(true);
    EXPECT_TRUE(messages.texts.empty());
    device.ActivateMap(2);
    EXPECT_EQ(messages.texts, (std::vector<String>{"Failed to activate map."}));
    EXPECT_EQ(boxA.Exchanges(), 0u);
    EXPECT_TRUE(sim::FakeUsb::Calls("usb_bulk_write").empty());
}

class UsbDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        UsbClose();
        sim::FakeUsb::SetSingleBox(box);
        ASSERT_TRUE(device.Open());
        SetApplicationTitle("ORVO Tuning");
    }
    void TearDown() override { UsbClose(); }
    void FailNext(std::uint8_t command, std::uint8_t status = 0x45) {
        sim::FaultRule rule;
        rule.command = command;
        rule.times = 1;
        rule.action.status = status;
        box.AddFault(rule);
    }
    void EmptyReply(std::uint8_t command) {
        sim::FaultRule rule;
        rule.command = command;
        rule.action.dataSize = 0;
        box.AddFault(rule);
    }
    TOrvoTuningUsbDevice device;
    sim::Box box;
    MessageCapture messages;
};

TEST_F(UsbDeviceTest, MapsTravelWithMapBeforeChannel) {
    Bytes image(1024);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 7);
    ASSERT_EQ(device.SendMap(2, 3, image), 0);
    EXPECT_EQ(box.Map(2, 3), image);
    const auto request = box.Requests().back();
    ASSERT_EQ(request.size(), 1029u);
    EXPECT_EQ(Bytes(request.begin(), request.begin() + 5), (Bytes{0x05, 0x04, 0x01, 3, 2}));

    Bytes out;
    ASSERT_EQ(device.ReadMap(2, 3, &out), 0);
    EXPECT_EQ(out, image);
    EXPECT_EQ(box.Requests().back(), (sim::Bytes{0x05, 0x00, 0x02, 3, 2}));

    // A map the box refuses (map 5) fails with out unchanged.
    EXPECT_EQ(device.ReadMap(1, 5, &out), -1);
    EXPECT_EQ(out, image);
    EXPECT_EQ(device.SendMap(1, 5, image), -1);
}

TEST_F(UsbDeviceTest, ImageOfTheWrongSizeIsNotSent) {
    const auto before = box.Requests().size();
    for (std::size_t size : {0u, 1023u, 1025u}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(device.SendMap(1, 1, Bytes(size, 1)), -1);
    }
    EXPECT_EQ(box.Requests().size(), before);
}

TEST_F(UsbDeviceTest, VoltagesArePassedOnUnchanged) {
    box.SetLiveCodes(0x07FF, 0x0800);
    Bytes out;
    ASSERT_EQ(device.ReadVoltages(&out), 0);
    EXPECT_EQ(out, (Bytes{0xFF, 0x07, 0x00, 0x08}));
    sim::FaultRule shortReply;
    shortReply.action.dataSize = 2;
    box.AddFault(shortReply);
    ASSERT_EQ(device.ReadVoltages(&out), 0);
    EXPECT_EQ(out, (Bytes{0xFF, 0x07}));
}

TEST_F(UsbDeviceTest, GettersReadTheBoxAndFoldFailuresIntoDefaults) {
    box.SetTuningOff(true);
    box.SetActiveMap(4);
    box.SetTriggeredInput(2);
    EXPECT_TRUE(device.GetTuning());
    EXPECT_EQ(UsbLastTransactResult(), 0);
    EXPECT_EQ(device.GetActiveMap(), 4);
    EXPECT_EQ(device.GetTriggeredInput(), 2); // the byte itself

    // The transport's last result tells a folded failure from the box's own answer.
    FailNext(0x05);
    FailNext(0x0C);
    FailNext(0xB1);
    EXPECT_FALSE(device.GetTuning());
    EXPECT_EQ(UsbLastTransactResult(), -1);
    EXPECT_EQ(device.GetActiveMap(), 1);
    EXPECT_EQ(UsbLastTransactResult(), -1);
    EXPECT_EQ(device.GetTriggeredInput(), 0);
    EXPECT_EQ(UsbLastTransactResult(), -1);
    EXPECT_EQ(device.GetActiveMap(), 4);
    EXPECT_EQ(UsbLastTransactResult(), 0);

    EmptyReply(0x05);
    EmptyReply(0x0C);
    EmptyReply(0xB1);
    EXPECT_FALSE(device.GetTuning());
    EXPECT_EQ(device.GetActiveMap(), 1);
    EXPECT_EQ(device.GetTriggeredInput(), 0);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(UsbDeviceTest, SettersSendTheirByteAndShowOneMessageEachOnFailure) {
    device.SetTuning(true);
    EXPECT_EQ(box.Requests().back(), (sim::Bytes{0x04, 0x00, 0x04, 0x01}));
    EXPECT_TRUE(box.TuningOff());
    device.SetTuning(false);
    EXPECT_EQ(box.Requests().back(), (sim::Bytes{0x04, 0x00, 0x04, 0x00}));
    EXPECT_FALSE(box.TuningOff());
    device.ActivateMap(260); // only the low byte goes out
    EXPECT_EQ(box.Requests().back(), (sim::Bytes{0x04, 0x00, 0x09, 0x04}));
    EXPECT_EQ(box.ActiveMap(), 4);
    device.SetTriggeredInput(true);
    EXPECT_EQ(box.Requests().back(), (sim::Bytes{0x04, 0x00, 0x0B, 0x01}));
    EXPECT_EQ(box.TriggeredInput(), 1);
    EXPECT_TRUE(messages.texts.empty());

    FailNext(0x04);
    device.SetTuning(true);
    FailNext(0x09, 0x3F);
    device.ActivateMap(2);
    FailNext(0x0B, 0xFF);
    device.SetTriggeredInput(false);
    EXPECT_EQ(messages.texts, (std::vector<String>{"Failed to turn on/off tuning.", "Failed to activate map.",
                                                   "Failed to set triggered input."}));
    EXPECT_EQ(messages.captions, (std::vector<String>(3, "ORVO Tuning")));
    EXPECT_EQ(messages.flags, (std::vector<unsigned>(3, 0u)));
}

} // namespace

namespace {

// The box is pulled out while a map is on its way to the tool: the header came, the data never
// will. The read fails at once with the endpoint reset, and every later call fails without
// waiting, as on a bus the device has left.
TEST_F(UsbDeviceTest, DeviceRemovedMidTransferFailsEveryCallAtOnce) {
    sim::FaultRule removed;
    removed.command = 0x02;
    removed.action.cutAfter = 3; // the header transfer only
    removed.action.hangUp = true;
    box.AddFault(removed);
    sim::FakeUsb::ClearCalls();

    Bytes out{9};
    EXPECT_EQ(device.ReadMap(1, 1, &out), -1);
    EXPECT_EQ(out, Bytes{9});
    const auto reads = sim::FakeUsb::Calls("usb_bulk_read");
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[0].arg, 3);
    EXPECT_EQ(reads[1].arg, 1024);
    EXPECT_EQ(sim::FakeUsb::Calls("usb_resetep").size(), 1u);

    const auto exchanges = box.Exchanges();
    EXPECT_EQ(device.GetActiveMap(), 1);
    EXPECT_EQ(device.ReadVoltages(&out), -1);
    device.SetTuning(true);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(box.Exchanges(), exchanges);
    EXPECT_FALSE(box.TuningOff());
}

} // namespace
