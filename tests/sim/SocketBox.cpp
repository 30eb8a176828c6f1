#include "tests/sim/SocketBox.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace sim {

namespace {
// How long one relay round waits for traffic; Connect and Drop wait at most this long.
constexpr int RelaySliceMs = 5;

// Writes all bytes to a non-blocking descriptor; false when its other side is gone.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size, bool socket) {
    std::size_t at = 0;
    while (at < size) {
        const ssize_t n =
            socket ? ::send(fd, data + at, size - at, MSG_NOSIGNAL) : ::write(fd, data + at, size - at);
        if (n > 0) {
            at += std::size_t(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, RelaySliceMs);
        } else {
            return false;
        }
    }
    return true;
}
} // namespace

SocketBox::SocketBox(Box& box, WirePacing pacing) : pty_(box, pacing, [this] { Drop(); }) {
    line_ = ::open(pty_.Path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (line_ < 0) throw std::runtime_error("cannot open the box's pseudo-terminal");
    thread_ = std::thread([this] { Relay(); });
}

SocketBox::~SocketBox() {
    stop_ = true;
    thread_.join();
    CloseConnection();
    ::close(line_);
}

void SocketBox::CloseConnection() {
    if (connection_ < 0) return;
    ::shutdown(connection_, SHUT_RDWR);
    ::close(connection_);
    connection_ = -1;
}

int SocketBox::Connect() {
    if (refuse_) {
        errno = ECONNREFUSED;
        return -1;
    }
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return -1;
    ::fcntl(pair[0], F_SETFL, ::fcntl(pair[0], F_GETFL) | O_NONBLOCK);
    std::lock_guard<std::mutex> guard(lock_);
    CloseConnection();
    connection_ = pair[0];
    ++connections_;
    return pair[1];
}

void SocketBox::Drop() {
    std::lock_guard<std::mutex> guard(lock_);
    CloseConnection();
}

void SocketBox::Relay() {
    std::uint8_t buffer[4096];
    while (!stop_) {
        std::lock_guard<std::mutex> guard(lock_);
        pollfd p[2] = {{line_, POLLIN, 0}, {connection_, POLLIN, 0}};
        if (::poll(p, connection_ >= 0 ? 2 : 1, RelaySliceMs) <= 0) continue;
        if (p[0].revents & POLLIN) {
            // What the box says while nobody is connected is lost, as over the air.
            const ssize_t n = ::read(line_, buffer, sizeof buffer);
            if (n > 0 && connection_ >= 0 && !WriteAll(connection_, buffer, std::size_t(n), true))
                CloseConnection();
        }
        if (connection_ >= 0 && (p[1].revents & (POLLIN | POLLHUP | POLLERR))) {
            const ssize_t n = ::recv(connection_, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n > 0)
                WriteAll(line_, buffer, std::size_t(n), false);
            else if (n == 0 || (errno != EAGAIN && errno != EINTR))
                CloseConnection(); // the code under test closed its port
        }
    }
}

} // namespace sim
