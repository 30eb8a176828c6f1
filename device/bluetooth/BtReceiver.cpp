#include "device/bluetooth/BtReceiver.h"

#include "device/Utils.h"
#include "device/bluetooth/Serial.h"
#include "platform/win/Clock.h"
#include "platform/win/Comm.h"

#include <array>

namespace {
// How long the reader sleeps when the port has nothing and the port cannot wait for it (a
// replaced clock, whose time passes only through Sleep).
constexpr DWORD IdleSleepMs = 1;

// Reads what arrives within ms milliseconds: the port itself waits for the first byte and
// returns with it at once, so a reply is taken up as it comes at no processor cost. The port's
// own time-outs (reads that return at once) are put back after the read.
long ReadWaiting(CSerial* serial, unsigned char* target, std::size_t want, unsigned long& got, DWORD ms) {
    COMMTIMEOUTS saved{};
    const bool known = serial->portHandle && GetCommTimeouts(serial->portHandle, &saved);
    COMMTIMEOUTS wait = saved;
    wait.ReadIntervalTimeout = MAXDWORD;
    wait.ReadTotalTimeoutMultiplier = MAXDWORD;
    wait.ReadTotalTimeoutConstant = ms;
    if (!known || !SetCommTimeouts(serial->portHandle, &wait)) {
        // A port without time-outs of its own (closed, gone) answers the plain read: its error
        // ends the frame at once, and an empty read waits the idle interval.
        const long error = serial->Read(target, static_cast<unsigned int>(want), &got, nullptr, INFINITE);
        if (error == 0 && got == 0) Sleep(IdleSleepMs);
        return error;
    }
    const long error = serial->Read(target, static_cast<unsigned int>(want), &got, nullptr, INFINITE);
    SetCommTimeouts(serial->portHandle, &saved);
    return error;
}

unsigned char Sum(const unsigned char* bytes, std::size_t count, unsigned sum = 0) {
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<unsigned char>(sum & 0xFF);
}
} // namespace

std::vector<unsigned char> TBtReceiver::makePacket(Frame& frame) {
    const std::size_t n = frame.data.size();
    frame.header.sync = BtRequestSync;
    frame.header.length = static_cast<std::uint16_t>(n + 5);
    std::vector<unsigned char> packet;
    packet.reserve(n + 5);
    packet.push_back(frame.header.sync);
    packet.push_back(LowByte(frame.header.length));
    packet.push_back(HighByte(frame.header.length));
    packet.push_back(frame.header.command);
    packet.insert(packet.end(), frame.data.begin(), frame.data.end());
    frame.footer.checksum = Sum(packet.data(), packet.size());
    packet.push_back(frame.footer.checksum);
    return packet;
}

int TBtReceiver::SendFrame(Frame& frame) {
    serial->Purge();
    std::vector<unsigned char> packet = makePacket(frame);
    Trace([&] { return "TX: [" + HexDump(packet.data(), packet.size(), '$') + "]"; });
    const DWORD start = GetTickCount();
    std::size_t sent = 0;
    long error = 0;
    for (;;) {
        unsigned long written = 0;
        error = serial->Write(packet.data() + sent, static_cast<unsigned int>(packet.size() - sent), &written,
                              nullptr, INFINITE);
        sent += written;
        if (sent >= packet.size()) return 0;
        if (error != 0 || GetTickCount() - start >= SendTimeoutMs) break;
    }
    Trace([&] {
        return Sprintf("TX incomplete: %u of %u bytes, error %ld", unsigned(sent), unsigned(packet.size()),
                       error);
    });
    return error != 0 ? 3 : 1;
}

int TBtReceiver::ReadFrame(const Frame& request, Frame& reply) {
    return ReadFrameWithin(request, reply, ReadTimeoutMs);
}

int TBtReceiver::ReadFrameWithin(const Frame& request, Frame& reply, unsigned limitMs) {
    (void)request;
    std::array<unsigned char, 4> header{};
    bool headerValid = false;
    std::uint16_t bytesLeft = 0;
    // Header bytes are collected in header[], the rest (data and checksum) in body.
    std::size_t held = 0;
    std::vector<unsigned char> body;
    const DWORD start = GetTickCount();
    int result = 3;
    for (;;) {
        if (GetTickCount() - start >= limitMs) break;
        // Read no further than the current block needs, so nothing after the frame is taken.
        unsigned char* target;
        std::size_t want;
        if (!headerValid) {
            target = header.data() + held;
            want = header.size() - held;
        } else if (bytesLeft == 0) {
            // A length of 4 announces nothing to wait for, and a frame can never complete:
            // bytes are taken and dropped until the limit.
            body.resize(256);
            target = body.data();
            want = body.size();
        } else {
            target = body.data() + held;
            want = bytesLeft - held;
        }
        unsigned long got = 0;
        long error = 0;
        if (SystemClockInUse()) {
            // The port takes what is there and otherwise waits for the first byte: one call per
            // arrival, with no read beforehand that would find the port empty.
            const DWORD elapsed = GetTickCount() - start;
            if (elapsed >= limitMs) break;
            error = ReadWaiting(serial, target, want, got, limitMs - elapsed);
        } else {
            error = serial->Read(target, static_cast<unsigned int>(want), &got, nullptr, INFINITE);
            if (error == 0 && got == 0) Sleep(IdleSleepMs);
        }
        if (error != 0 && got == 0) {
            // The port has gone (link dropped, device away): nothing more will come.
            Trace([&] { return Sprintf("RX read error %ld", error); });
            break;
        }
        if (got == 0) continue;
        if (!headerValid) {
            held += got;
            if (held < header.size()) continue;
            Trace([&] { return "RX header block: [" + HexDump(header.data(), header.size(), '$') + "]"; });
            held = 0;
            if (header[0] != BtReplySync) continue;
            headerValid = true;
            bytesLeft = static_cast<std::uint16_t>((header[1] | (header[2] << 8)) - 4);
            Trace([&] { return Sprintf("RX header valid, %u bytes to come", unsigned(bytesLeft)); });
            body.assign(bytesLeft, 0);
            continue;
        }
        if (bytesLeft == 0) continue;
        held += got;
        if (held < bytesLeft) continue;
        const unsigned char received = body[bytesLeft - 1];
        const unsigned char sum = Sum(body.data(), bytesLeft - 1u, Sum(header.data(), header.size()));
        if (sum != received) {
            Trace(
                [&] { return Sprintf("RX checksum mismatch: computed %02X, received %02X", sum, received); });
            result = 2;
            break;
        }
        reply.header.sync = header[0];
        reply.header.length = static_cast<std::uint16_t>(header[1] | (header[2] << 8));
        reply.header.command = header[3];
        reply.data.assign(body.begin(), body.begin() + (bytesLeft - 1));
        reply.footer.checksum = received;
        Trace([&] {
            return "RX: [" + HexDump(header.data(), header.size(), '$') +
                   HexDump(body.data(), bytesLeft, '$') + "]";
        });
        result = 0;
        break;
    }
    Trace([&] {
        return Sprintf("RX leaving: %u bytes held, %u expected", unsigned(held), unsigned(bytesLeft));
    });
    return result;
}
