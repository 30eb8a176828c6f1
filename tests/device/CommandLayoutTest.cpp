// Every command of the set, laid out byte by byte on both transports, sent through the receivers
// and answered by the simulated box.
#include "DeviceTestSupport.h"
#include "device/OrvoTuningDevice.h"
#include "device/bluetooth/BtReceiver.h"
#include "device/usb/ChipTuningUsb.h"
#include "device/usb/UsbReceiver.h"

using devtest::Bytes;

namespace {

struct Command {
    const char* name;
    ChipTuningCommand cmd;
    Bytes request;
    Bytes btBytes; // the whole Bluetooth request frame, where the protocol's examples give it
    Bytes reply;   // reply data from the box set up by Prepare
};

void Prepare(sim::Box& box) {
    box.SetTuningOff(true);
    box.SetActiveMap(3);
    box.SetTriggeredInput(1);
    box.SetLiveCodes(0x07FF, 0x0800);
    box.SetIdentity("CHIPTUNING V1");
}

Bytes WithPrefix(Bytes prefix, const Bytes& rest) {
    prefix.insert(prefix.end(), rest.begin(), rest.end());
    return prefix;
}

std::vector<Command> Commands() {
    // WriteMap stores this image as map 1 of channel 2, which ReadMap then gives back.
    Bytes image(1024, 0x5A);
    const sim::Bytes identity = sim::Box::IdentityMap();
    Bytes chunkRequest = WithPrefix({0}, Bytes(256, 0x11));
    Bytes chunkFrame = WithPrefix({0xAA, 0x06, 0x01, 0x06}, chunkRequest);
    chunkFrame.push_back(static_cast<unsigned char>((0xAA + 0x06 + 0x01 + 0x06 + 256 * 0x11) & 0xFF));
    return {
        {"WriteMap", ChipTuningCommand::WriteMap, WithPrefix({1, 2}, image), {}, {}},
        {"ReadMap", ChipTuningCommand::ReadMap, {1, 2}, {}, image},
        {"ReadVoltages",
         ChipTuningCommand::ReadVoltages,
         {},
         {0xAA, 0x05, 0x00, 0x03, 0xB2},
         {0xFF, 0x07, 0x00, 0x08}},
        {"SetTuning off", ChipTuningCommand::SetTuning, {1}, {0xAA, 0x06, 0x00, 0x04, 0x01, 0xB5}, {}},
        {"SetTuning on", ChipTuningCommand::SetTuning, {0}, {0xAA, 0x06, 0x00, 0x04, 0x00, 0xB4}, {}},
        {"GetTuning", ChipTuningCommand::GetTuning, {}, {0xAA, 0x05, 0x00, 0x05, 0xB4}, {0x00}},
        {"WriteMapChunk", ChipTuningCommand::WriteMapChunk, chunkRequest, chunkFrame, {}},
        {"CommitMap", ChipTuningCommand::CommitMap, {1, 2}, {0xAA, 0x07, 0x00, 0x07, 0x01, 0x02, 0xBB}, {}},
        {"ReadMapChunk",
         ChipTuningCommand::ReadMapChunk,
         {1, 1, 0},
         {0xAA, 0x08, 0x00, 0x08, 0x01, 0x01, 0x00, 0xBC},
         Bytes(identity.begin(), identity.begin() + 256)},
        {"ActivateMap", ChipTuningCommand::ActivateMap, {2}, {0xAA, 0x06, 0x00, 0x09, 0x02, 0xBB}, {}},
        {"SetTriggeredInput",
         ChipTuningCommand::SetTriggeredInput,
         {1},
         {0xAA, 0x06, 0x00, 0x0B, 0x01, 0xBC},
         {}},
        {"GetActiveMap", ChipTuningCommand::GetActiveMap, {}, {0xAA, 0x05, 0x00, 0x0C, 0xBB}, {0x02}},
        {"Identify",
         ChipTuningCommand::Identify,
         {},
         {0xAA, 0x05, 0x00, 0x90, 0x3F},
         Bytes{'C', 'H', 'I', 'P', 'T', 'U', 'N', 'I', 'N', 'G', ' ', 'V', '1'}},
        {"GetTriggeredInput",
         ChipTuningCommand::GetTriggeredInput,
         {},
         {0xAA, 0x05, 0x00, 0xB1, 0x60},
         {0x01}},
    };
}

// The commands run in table order on one box, so the replies reflect the earlier commands
// (SetTuning on, then GetTuning gives 0; ActivateMap 2, then GetActiveMap gives 2). The commit
// needs the four chunks, which the box gets before the table runs.
void SendAllChunksButTheFirst(const std::function<void(Bytes)>& send) {
    for (unsigned char k = 1; k < 4; ++k)
        send(WithPrefix({k}, Bytes(256, 0x22)));
}

TEST(CommandLayout, UsbFramesAreLengthCommandAndData) {
    UsbClose();
    sim::Box box;
    Prepare(box);
    sim::FakeUsb::SetSingleBox(box);
    ASSERT_TRUE(UsbOpen());
    SendAllChunksButTheFirst([](Bytes r) { ASSERT_EQ(UsbTransact(0x06, std::move(r), nullptr), 0); });
    box.ClearLog();
    for (const Command& c : Commands()) {
        SCOPED_TRACE(c.name);
        Bytes reply{0xEE};
        ASSERT_EQ(UsbTransact(static_cast<unsigned char>(c.cmd), c.request, &reply), 0);
        const size_t length = c.request.size() + 3;
        const Bytes expected =
            WithPrefix({static_cast<unsigned char>(length & 0xFF), static_cast<unsigned char>(length >> 8),
                        static_cast<unsigned char>(c.cmd)},
                       c.request);
        EXPECT_EQ(box.Requests().back(), expected);
        EXPECT_EQ(reply, c.reply);
    }
    EXPECT_EQ(box.Requests().front().size(), 1029u); // WriteMap: 3 + map + channel + 1024
    UsbClose();
}

class CommandLayoutBt : public devtest::PtyFixture {};

TEST_F(CommandLayoutBt, BluetoothFramesMatchTheByteExamples) {
    Prepare(box);
    auto transact = [&](unsigned char cmd, Bytes request, CBtFrame& reply) {
        TBtReceiver receiver(&serial);
        CBtFrame frame;
        frame.header.command = cmd;
        frame.data = std::move(request);
        if (receiver.SendFrame(frame) != 0) return -1;
        return receiver.ReadFrame(frame, reply);
    };
    SendAllChunksButTheFirst([&](Bytes r) {
        CBtFrame reply;
        ASSERT_EQ(transact(0x06, std::move(r), reply), 0);
        ASSERT_EQ(reply.header.command, 0x01);
    });
    for (const Command& c : Commands()) {
        SCOPED_TRACE(c.name);
        CBtFrame reply;
        ASSERT_EQ(transact(static_cast<unsigned char>(c.cmd), c.request, reply), 0);
        EXPECT_EQ(reply.header.command, 0x01);
        const Bytes expected =
            c.btBytes.empty() ? sim::EncodeBt(0xAA, static_cast<unsigned char>(c.cmd), c.request) : c.btBytes;
        EXPECT_EQ(box.Requests().back(), expected);
        EXPECT_EQ(reply.data, c.reply);
    }
    // The commit applied the chunks: chunk 0 from the table, 1 to 3 from before.
    const sim::Bytes map = box.Map(2, 1);
    EXPECT_EQ(map[0], 0x11);
    EXPECT_EQ(map[256], 0x22);
    EXPECT_EQ(map[1023], 0x22);
}

} // namespace
