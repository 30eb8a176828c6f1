// The simulated box on a pseudo-terminal: the box serves the master side from its own thread,
// and the code under test opens the slave side by its path as it would open a serial port.
#pragma once

#include "tests/sim/SimBox.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <thread>

namespace sim {

// A pseudo-terminal pair in raw mode. The pair keeps a descriptor of its own on the slave
// side, so the master never sees a hang-up while the code under test closes and reopens it.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    int Master() const { return master_; }

    // Writes all bytes to the master side (they arrive at the slave's input).
    void Write(const Bytes& bytes);
    // Reads what the slave side has written, waiting up to timeoutMs for the first byte and
    // then taking whatever follows within quietMs.
    Bytes Read(int timeoutMs, int quietMs = 20);
    // Closes the master side: the slave side is hung up, as a port whose device went away.
    void HangUp();

private:
    int master_ = -1;
    int slaveKeep_ = -1;
    std::string slavePath_;
};

// The pace of the line between the box and the code under test.
struct WirePacing {
    // 0: bytes pass as fast as the pseudo-terminal passes them. Otherwise every byte takes the
    // time of 10 bits at this rate (start, 8 data, stop), in each direction, as on a serial line:
    // the box takes in a request byte only when its last bit would have arrived, and its reply
    // reaches the code under test byte by byte at the same pace.
    int baud = 0;
};

// Serves a box over a pseudo-terminal with the Bluetooth frames. Requests are gathered from
// the byte stream: a frame that does not begin with the request sync, announces a length below
// 5 or above 4096, or stays incomplete for 200 ms is answered with the invalid-frame status
// and the bytes gathered are dropped.
//
// When the link goes away (HangUp, or a fault with hangUp), the box runs onHangUp when one is
// given (a front end that owns the link closes it); otherwise it hangs the terminal up and
// serves no more.
class PtyBox {
public:
    explicit PtyBox(Box& box, WirePacing pacing = {}, std::function<void()> onHangUp = {});
    ~PtyBox();
    PtyBox(const PtyBox&) = delete;
    PtyBox& operator=(const PtyBox&) = delete;

    const std::string& Path() const { return pty_.SlavePath(); }
    // The device name as the Windows way builds it: "\\.\" + path.
    std::string PortName() const { return "\\\\.\\" + pty_.SlavePath(); }
    // Raw bytes to the slave's input, outside any exchange.
    void Inject(const Bytes& bytes) { pty_.Write(bytes); }
    // The bytes the box has taken in and sent out so far (Inject not included).
    std::uint64_t WireBytes() const { return wireBytes_; }
    // The link goes away now, between exchanges or while a reply is on its way; returns once
    // it has gone.
    void HangUp();

private:
    using Clock = std::chrono::steady_clock;
    struct Arrival {
        std::uint8_t byte;
        Clock::time_point at;
    };

    void Serve();
    bool Deliver(const ReplyPlan& plan);
    bool Pause(int ms);
    // Paced line: the time n bytes take on it.
    Clock::duration WireTime(std::uint64_t n) const;
    // Paced line: reads what the code under test has written and gives each byte the time its
    // last bit would arrive; bytes sent while the line is busy queue behind each other.
    void TakeIn();
    // Paced line: moves the bytes whose time has come into pending, waiting for them, or for
    // new input, at most one poll slice. True when bytes were moved.
    bool Receive(Bytes& pending);
    // Paced line: writes a reply byte by byte, each when its last bit would have left the box,
    // against a schedule fixed at the start so that late wake-ups do not add up.
    bool DeliverPaced(const ReplyPlan& plan);
    // Paced line: waits until t, or until new input has come and been taken in, or the stop flag.
    void WaitUntil(Clock::time_point t);
    // Takes the link away, on the serving thread.
    void LinkGone();

    Box& box_;
    PtyPair pty_;
    const WirePacing pacing_;
    const std::function<void()> onHangUp_;
    std::atomic<bool> hangUpAsked_{false};
    std::atomic<bool> hungUp_{false};
    std::deque<Arrival> inbound_;
    Clock::time_point inLineFree_{};
    Clock::time_point outLineFree_{};
    std::atomic<std::uint64_t> wireBytes_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace sim
