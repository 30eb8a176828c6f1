// The USB receiver and the USB exchange against the simulated box on the fake libusb.
#include "device/usb/UsbReceiver.h"
#include "DeviceTestSupport.h"
#include "device/usb/ChipTuningUsb.h"

#include <string>
#include <thread>

using devtest::Bytes;

namespace {

class UsbReceiverTest : public ::testing::Test {
protected:
    void SetUp() override {
        UsbClose();
        sim::FakeUsb::SetSingleBox(box);
        ASSERT_TRUE(UsbOpen());
        sim::FakeUsb::ClearCalls();
        box.ClearLog();
    }
    void TearDown() override { UsbClose(); }

    // Sends cmd with data and reads the reply through a receiver on the open handle.
    int Exchange(unsigned char cmd, Bytes data, CUsbFrame& reply) {
        TUsbReceiver receiver(UsbDeviceHandle);
        CUsbFrame request;
        request.header.command = cmd;
        request.data = std::move(data);
        if (int r = receiver.SendFrame(request); r != 0) return 100 + r;
        return receiver.ReadFrame(request, reply);
    }
    int InResets() {
        int n = 0;
        for (const auto& c : sim::FakeUsb::Calls("usb_resetep"))
            n += c.arg == 0x81 ? 1 : 0;
        return n;
    }
    void Fault(sim::FaultAction action) {
        sim::FaultRule rule;
        rule.action = action;
        box.AddFault(rule);
    }

    sim::Box box;
};

TEST_F(UsbReceiverTest, MakePacketWritesLengthLowByteFirstAndTheData) {
    TUsbReceiver receiver(nullptr);
    CUsbFrame frame;
    frame.header.command = 0x05;
    EXPECT_EQ(receiver.makePacket(frame), (Bytes{0x03, 0x00, 0x05}));
    EXPECT_EQ(frame.header.length, 3);

    frame.data.assign(1026, 0x11);
    Bytes packet = receiver.makePacket(frame);
    ASSERT_EQ(packet.size(), 1029u);
    EXPECT_EQ(packet[0], 0x05);
    EXPECT_EQ(packet[1], 0x04);
    EXPECT_EQ(packet[3], 0x11);
}

TEST_F(UsbReceiverTest, SendsOneBulkWriteToEndpoint2AndReadsHeaderThenData) {
    box.SetActiveMap(3);
    CUsbFrame reply;
    ASSERT_EQ(Exchange(0x0C, {}, reply), 0);
    EXPECT_EQ(reply.data, Bytes{3});
    EXPECT_EQ(box.Requests(), (std::vector<sim::Bytes>{{0x03, 0x00, 0x0C}}));

    const auto writes = sim::FakeUsb::Calls("usb_bulk_write");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].arg, 0x02);
    EXPECT_EQ(writes[0].timeout, 1000);
    const auto reads = sim::FakeUsb::Calls("usb_bulk_read");
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[0].arg, 3);
    EXPECT_EQ(reads[0].timeout, 500);
    EXPECT_EQ(reads[1].arg, 1);
    EXPECT_EQ(reads[1].timeout, 500);
    EXPECT_EQ(InResets(), 0);
}

TEST_F(UsbReceiverTest, ReplyOfLengthThreeHasNoDataAndItsStatusDecides) {
    CUsbFrame reply;
    reply.data = {9, 9};
    EXPECT_EQ(Exchange(0x04, {1}, reply), 0); // SetTuning: OK without data
    EXPECT_TRUE(reply.data.empty());
    EXPECT_EQ(sim::FakeUsb::Calls("usb_bulk_read").size(), 1u);

    reply.data = {9, 9};
    EXPECT_EQ(Exchange(0x77, {}, reply), -1); // unknown command: status 0x3F
    EXPECT_EQ(reply.data, (Bytes{9, 9}));
    EXPECT_EQ(InResets(), 0);
}

TEST_F(UsbReceiverTest, DataLengthLimitIs2048Bytes) {
    // The identification text is the easiest reply whose size a test can choose.
    box.SetIdentity(std::string(2048, 'A'));
    CUsbFrame reply;
    EXPECT_EQ(Exchange(0x90, {}, reply), 0);
    EXPECT_EQ(reply.data.size(), 2048u);
    EXPECT_EQ(InResets(), 0);

    box.SetIdentity(std::string(2049, 'A'));
    CUsbFrame tooLong;
    EXPECT_EQ(Exchange(0x90, {}, tooLong), -2);
    EXPECT_TRUE(tooLong.data.empty());
    EXPECT_EQ(InResets(), 1);
    // The data were never asked for.
    EXPECT_EQ(sim::FakeUsb::Calls("usb_bulk_read").back().arg, 3);
}

TEST_F(UsbReceiverTest, LengthFieldBelowThreeWrapsAndIsRefused) {
    for (std::uint16_t length : {0, 1, 2}) {
        SCOPED_TRACE(length);
        sim::FakeUsb::ClearCalls();
        sim::FaultAction bad;
        bad.length = length;
        Fault(bad);
        CUsbFrame reply;
        EXPECT_EQ(Exchange(0x05, {}, reply), -2);
        EXPECT_EQ(InResets(), 1);
        box.ClearFaults();
        sim::FakeUsb::SetSingleBox(box); // drop the unread data transfer
        ASSERT_TRUE(UsbOpen());
    }
}

TEST_F(UsbReceiverTest, FailedReadsResetTheInEndpoint) {
    struct Case {
        const char* name;
        sim::FaultAction action;
        int result;
        int resets;
    };
    std::vector<Case> cases;
    {
        sim::FaultAction a;
        a.noReply = true;
        cases.push_back({"no reply", a, -1, 1});
    }
    {
        sim::FaultAction a;
        a.delayMs = 600; // beyond the 500 ms header time-out
        cases.push_back({"late reply", a, -1, 1});
    }
    {
        sim::FaultAction a;
        a.oneTransfer = true; // a 3-byte read of a longer packet overflows
        cases.push_back({"header and data in one transfer", a, -1, 1});
    }
    {
        sim::FaultAction a;
        a.cutAfter = 3 + 100; // header, then 100 of 1024 data bytes
        cases.push_back({"short data", a, -2, 1});
    }
    {
        sim::FaultAction a;
        a.length = 3 + 1024 + 10; // more announced than sent
        cases.push_back({"length above the data", a, -2, 1});
    }
    {
        sim::FaultAction a;
        a.status = 0x45;
        cases.push_back({"status other than success", a, -1, 0});
    }
    {
        sim::FaultAction a;
        a.stray = {0x10, 0x00};
        cases.push_back({"two stray bytes as a header", a, -1, 1});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::FakeUsb::SetSingleBox(box);
        ASSERT_TRUE(UsbOpen());
        sim::FakeUsb::ClearCalls();
        Fault(c.action);
        CUsbFrame reply;
        reply.data = {7};
        EXPECT_EQ(Exchange(0x02, {1, 1}, reply), c.result);
        EXPECT_EQ(reply.data, Bytes{7});
        EXPECT_EQ(InResets(), c.resets);
        box.ClearFaults();
    }
}

TEST_F(UsbReceiverTest, ShortOrFailedWriteIsMinusOne) {
    for (int written : {1028, 0, -110}) {
        SCOPED_TRACE(written);
        sim::FaultAction a;
        a.writeResult = written;
        Fault(a);
        TUsbReceiver receiver(UsbDeviceHandle);
        CUsbFrame request;
        request.header.command = 0x01;
        request.data.assign(1026, 0);
        EXPECT_EQ(receiver.SendFrame(request), -1);
        box.ClearFaults();
    }
}

TEST_F(UsbReceiverTest, ReceiverWithoutHandleFailsWithoutCallingLibusb) {
    sim::FakeUsb::ClearCalls();
    TUsbReceiver receiver(nullptr);
    CUsbFrame frame, reply;
    EXPECT_EQ(receiver.SendFrame(frame), -1);
    EXPECT_EQ(receiver.ReadFrame(frame, reply), -1);
    EXPECT_TRUE(sim::FakeUsb::Calls().empty());
}

TEST_F(UsbReceiverTest, TransactStoresTheReplyOnlyOnSuccess) {
    box.SetLiveCodes(0x07FF, 0x0800);
    Bytes reply{1, 2, 3};
    EXPECT_EQ(UsbTransact(0x03, {}, &reply), 0);
    EXPECT_EQ(reply, (Bytes{0xFF, 0x07, 0x00, 0x08}));

    sim::FaultAction a;
    a.status = 0xFF;
    Fault(a);
    EXPECT_EQ(UsbTransact(0x03, {}, &reply), -1);
    EXPECT_EQ(reply, (Bytes{0xFF, 0x07, 0x00, 0x08}));
    box.ClearFaults();

    // No retry: one write per call, whatever the outcome.
    sim::FakeUsb::ClearCalls();
    sim::FaultAction silent;
    silent.noReply = true;
    Fault(silent);
    EXPECT_EQ(UsbTransact(0x05, {}, &reply), -1);
    EXPECT_EQ(sim::FakeUsb::Calls("usb_bulk_write").size(), 1u);
}

TEST_F(UsbReceiverTest, ExchangesFromTwoThreadsDoNotInterleave) {
    box.SetActiveMap(3);
    box.SetIdentity("CHIPTUNING V1");
    auto run = [](unsigned char cmd, Bytes expected, int* wrong) {
        for (int i = 0; i < 300; ++i) {
            Bytes reply;
            if (UsbTransact(cmd, {}, &reply) != 0 || reply != expected) ++*wrong;
        }
    };
    int wrongA = 0, wrongB = 0;
    std::thread a(run, 0x0C, Bytes{3}, &wrongA);
    std::thread b(run, 0x90, Bytes{'C', 'H', 'I', 'P', 'T', 'U', 'N', 'I', 'N', 'G', ' ', 'V', '1'}, &wrongB);
    a.join();
    b.join();
    EXPECT_EQ(wrongA, 0);
    EXPECT_EQ(wrongB, 0);
}

TEST_F(UsbReceiverTest, TransactWithoutAnOpenBoxFailsWithoutTraffic) {
    ASSERT_TRUE(UsbClose());
    sim::FakeUsb::ClearCalls();
    Bytes reply{5};
    EXPECT_EQ(UsbTransact(0x05, {}, &reply), -1);
    EXPECT_EQ(reply, Bytes{5});
    EXPECT_TRUE(sim::FakeUsb::Calls().empty());
}

} // namespace
