// The simulated box on a pseudo-terminal: the box serves the master side from its own thread,
// and the code under test opens the slave side by its path as it would open a serial port.
#pragma once

#include "tests/sim/SimBox.h"

#include <atomic>
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

private:
    int master_ = -1;
    int slaveKeep_ = -1;
    std::string slavePath_;
};

// Serves a box over a pseudo-terminal with the Bluetooth frames. Requests are gathered from
// the byte stream: a frame that does not begin with the request sync, announces a length below
// 5 or above 4096, or stays incomplete for 200 ms is answered with the invalid-frame status
// and the bytes gathered are dropped.
class PtyBox {
public:
    explicit PtyBox(Box& box);
    ~PtyBox();
    PtyBox(const PtyBox&) = delete;
    PtyBox& operator=(const PtyBox&) = delete;

    const std::string& Path() const { return pty_.SlavePath(); }
    // The device name as the Windows way builds it: "\\.\" + path.
    std::string PortName() const { return "\\\\.\\" + pty_.SlavePath(); }
    // Raw bytes to the slave's input, outside any exchange.
    void Inject(const Bytes& bytes) { pty_.Write(bytes); }

private:
    void Serve();
    bool Deliver(const ReplyPlan& plan);
    bool Pause(int ms);

    Box& box_;
    PtyPair pty_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace sim
