// The simulated box behind a Bluetooth link that has no terminal: each connection is one end
// of a fresh Unix socket pair (standing in for an RFCOMM socket), handed to the code under
// test; the box serves it through its pseudo-terminal front end, so requests, replies, pacing
// and faults are those of PtyBox.
#pragma once

#include "tests/sim/PtyBox.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace sim {

class SocketBox {
public:
    explicit SocketBox(Box& box, WirePacing pacing = {});
    ~SocketBox();
    SocketBox(const SocketBox&) = delete;
    SocketBox& operator=(const SocketBox&) = delete;

    // A new connection: the caller owns the returned descriptor. The box serves the newest
    // connection only; an older one is ended. -1 (with errno set) once refusing.
    int Connect();
    // Ends the current connection from the box's side, as a box that is switched off or out
    // of range; the code under test sees its link go away.
    void Drop();
    // The same, done by the box's own serving thread between exchanges (as a hangUp fault
    // does during one): the name the pseudo-terminal front end uses for it.
    void HangUp() { pty_.HangUp(); }
    // Whether new connections are refused (ECONNREFUSED), as by a box that is out of range.
    void Refuse(bool refuse) { refuse_ = refuse; }
    // Connections made so far.
    int Connections() const { return connections_; }
    // Raw bytes to the current connection, outside any exchange.
    void Inject(const Bytes& bytes) { pty_.Inject(bytes); }

private:
    void Relay();
    void CloseConnection();

    PtyBox pty_;
    int line_ = -1; // the box's side of the pseudo-terminal
    std::mutex lock_;
    int connection_ = -1; // guarded by lock_
    std::atomic<bool> refuse_{false};
    std::atomic<int> connections_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace sim
