#include "tests/sim/PtyBox.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {
using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

// How often the server looks at its stop flag while idle or pausing.
constexpr int PollSliceMs = 10;
constexpr int IncompleteFrameMs = 200;
constexpr std::size_t MaxRequestLength = 4096;
} // namespace

PtyPair::PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0) throw std::runtime_error("no pseudo-terminal name");
    slavePath_ = name;
    slaveKeep_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveKeep_ < 0) throw std::runtime_error("cannot open the pseudo-terminal's slave side");
    termios tio{};
    ::tcgetattr(slaveKeep_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slaveKeep_, TCSANOW, &tio);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyPair::~PtyPair() {
    if (slaveKeep_ >= 0) ::close(slaveKeep_);
    if (master_ >= 0) ::close(master_);
}

void PtyPair::Write(const Bytes& bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + at, bytes.size() - at);
        if (n > 0) {
            at += std::size_t(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{master_, POLLOUT, 0};
            ::poll(&p, 1, PollSliceMs);
        } else {
            return;
        }
    }
}

void PtyPair::HangUp() {
    if (master_ < 0) return;
    ::close(master_);
    master_ = -1;
}

Bytes PtyPair::Read(int timeoutMs, int quietMs) {
    Bytes out;
    int wait = timeoutMs;
    for (;;) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, wait) <= 0 || !(p.revents & POLLIN)) return out;
        std::uint8_t buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) return out;
        out.insert(out.end(), buffer, buffer + n);
        wait = quietMs;
    }
}

PtyBox::PtyBox(Box& box, WirePacing pacing, std::function<void()> onHangUp)
    : box_(box), pacing_(pacing), onHangUp_(std::move(onHangUp)) {
    thread_ = std::thread([this] { Serve(); });
}

PtyBox::~PtyBox() {
    stop_ = true;
    thread_.join();
}

void PtyBox::HangUp() {
    hangUpAsked_ = true;
    while (hangUpAsked_ && !stop_)
        ::poll(nullptr, 0, 1);
}

void PtyBox::LinkGone() {
    if (onHangUp_) {
        onHangUp_();
    } else {
        pty_.HangUp();
        hungUp_ = true;
    }
    hangUpAsked_ = false;
}

bool PtyBox::Pause(int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (!stop_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0) return true;
        ::poll(nullptr, 0, int(std::min<long long>(left, PollSliceMs)));
    }
    return false;
}

bool PtyBox::Deliver(const ReplyPlan& plan) {
    for (const Piece& piece : plan.pieces) {
        if (piece.delayMs > 0 && !Pause(piece.delayMs)) return false;
        // Counted before the write, so that a reader that has every byte also sees the count.
        wireBytes_ += piece.bytes.size();
        pty_.Write(piece.bytes);
    }
    return true;
}

PtyBox::Clock::duration PtyBox::WireTime(std::uint64_t n) const {
    // 10 bits a byte; nanoseconds from whole numbers, so that no rounding adds up over a frame.
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(n * 10'000'000'000ull / std::uint64_t(pacing_.baud)));
}

void PtyBox::TakeIn() {
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(pty_.Master(), buffer, sizeof buffer);
        if (n <= 0) return;
        const auto start = std::max(Clock::now(), inLineFree_);
        for (ssize_t i = 0; i < n; ++i)
            inbound_.push_back(Arrival{buffer[i], start + WireTime(std::uint64_t(i) + 1)});
        inLineFree_ = start + WireTime(std::uint64_t(n));
        wireBytes_ += std::uint64_t(n);
    }
}

void PtyBox::WaitUntil(Clock::time_point t) {
    for (;;) {
        const auto left = t - Clock::now();
        if (left <= Clock::duration::zero() || stop_) return;
        const auto slice = std::min<Clock::duration>(left, std::chrono::milliseconds(PollSliceMs));
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(slice).count();
        const timespec wait{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
        pollfd p{pty_.Master(), POLLIN, 0};
        if (::ppoll(&p, 1, &wait, nullptr) > 0 && (p.revents & POLLIN)) {
            TakeIn();
            return;
        }
    }
}

bool PtyBox::Receive(Bytes& pending) {
    TakeIn();
    if (inbound_.empty() || inbound_.front().at > Clock::now()) {
        auto until = Clock::now() + std::chrono::milliseconds(PollSliceMs);
        if (!inbound_.empty()) until = std::min(until, inbound_.front().at);
        WaitUntil(until);
    }
    const auto now = Clock::now();
    bool moved = false;
    while (!inbound_.empty() && inbound_.front().at <= now) {
        pending.push_back(inbound_.front().byte);
        inbound_.pop_front();
        moved = true;
    }
    return moved;
}

bool PtyBox::DeliverPaced(const ReplyPlan& plan) {
    for (const Piece& piece : plan.pieces) {
        const Bytes& bytes = piece.bytes;
        const auto ready = Clock::now() + std::chrono::milliseconds(std::max(piece.delayMs, 0));
        const auto start = std::max(ready, outLineFree_);
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            if (stop_) return false;
            // Everything whose last bit is out by now goes at once: a late wake-up catches up.
            const auto now = Clock::now();
            std::size_t due = sent;
            while (due < bytes.size() && start + WireTime(due + 1) <= now)
                ++due;
            if (due == sent) {
                WaitUntil(start + WireTime(sent + 1));
                continue;
            }
            wireBytes_ += due - sent;
            pty_.Write(Bytes(bytes.begin() + std::ptrdiff_t(sent), bytes.begin() + std::ptrdiff_t(due)));
            sent = due;
        }
        outLineFree_ = start + WireTime(bytes.size());
    }
    return true;
}

void PtyBox::Serve() {
    Bytes pending;
    Clock::time_point lastByte = Clock::now();
    const bool paced = pacing_.baud > 0;
    const auto answer = [this, paced](const Bytes& frame) {
        const ReplyPlan plan = box_.Exchange(Transport::Bt, frame.data(), frame.size());
        const bool delivered = paced ? DeliverPaced(plan) : Deliver(plan);
        if (delivered && plan.hangUp) LinkGone();
    };
    while (!stop_ && !hungUp_) {
        if (hangUpAsked_) {
            pending.clear();
            LinkGone();
            continue;
        }
        if (paced) {
            if (Receive(pending)) lastByte = Clock::now();
        } else {
            pollfd p{pty_.Master(), POLLIN, 0};
            if (::poll(&p, 1, PollSliceMs) > 0 && (p.revents & POLLIN)) {
                std::uint8_t buffer[4096];
                const ssize_t n = ::read(pty_.Master(), buffer, sizeof buffer);
                if (n > 0) {
                    pending.insert(pending.end(), buffer, buffer + n);
                    wireBytes_ += std::uint64_t(n);
                    lastByte = Clock::now();
                }
            }
        }
        // Take every complete request out of the stream.
        while (!pending.empty() && !stop_ && !hungUp_) {
            const bool quiet = MsSince(lastByte) >= IncompleteFrameMs;
            bool malformed = pending[0] != 0xAA;
            std::size_t length = 0;
            if (!malformed && pending.size() >= 3) {
                length = pending[1] | (pending[2] << 8);
                malformed = length < 5 || length > MaxRequestLength;
            }
            if (malformed || (quiet && (length == 0 || pending.size() < length))) {
                // Let the rest of a garbled burst arrive, then answer it once.
                if (!quiet && pending[0] != 0xAA && pending.size() < 4) break;
                Bytes junk;
                junk.swap(pending);
                answer(junk);
                break;
            }
            if (length == 0 || pending.size() < length) break;
            Bytes frame(pending.begin(), pending.begin() + std::ptrdiff_t(length));
            pending.erase(pending.begin(), pending.begin() + std::ptrdiff_t(length));
            answer(frame);
        }
    }
}

} // namespace sim
