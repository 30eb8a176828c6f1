#include "platform/win/Comm.h"

#include "platform/win/Rfcomm.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <poll.h>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>
#include <unordered_map>

namespace platform::detail {
namespace {

// Blocking waits are cut into slices of this length, so that a call notices a CloseHandle
// made by another thread and ends.
constexpr int kSliceMs = 20;

struct TCommPort {
    int fd = -1;
    bool isTerminal = false;
    // A Bluetooth link over a connected socket: no line settings, modem lines or terminal
    // queues, and an end of stream when the device goes away.
    bool isSocket = false;
    std::string linkAddress;
    std::mutex lock; // guards the fields below
    DCB dcb;
    COMMTIMEOUTS timeouts;
    DWORD mask = 0;
    unsigned maskGeneration = 0;
    std::atomic<bool> closed{false};

    ~TCommPort() {
        if (isTerminal) ::ioctl(fd, TIOCNXCL);
        if (!isSocket) ::flock(fd, LOCK_UN);
        ::close(fd);
    }
};

using TPortPtr = std::shared_ptr<TCommPort>;

std::mutex g_portsLock;
std::unordered_map<std::uintptr_t, TPortPtr> g_ports;
// The addresses of the Bluetooth links open in this process: a link is used by one port at a time.
std::set<std::string> g_openLinks;
// Handle values are never reused; they start well away from null and INVALID_HANDLE_VALUE.
std::uintptr_t g_nextHandle = 0x10000;

BOOL Fail(DWORD code) {
    SetLastError(code);
    return FALSE;
}

BOOL FailErrno() {
    return Fail(WinErrorFromErrno(errno));
}

// A link whose other side is gone fails as a terminal whose device went away does.
DWORD LinkError(int err) {
    switch (err) {
    case ECONNRESET:
    case ECONNABORTED:
    case ENOTCONN:
    case EPIPE:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
        return ERROR_GEN_FAILURE;
    default:
        return WinErrorFromErrno(err);
    }
}

BOOL Succeed() {
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

// The port of a handle, or null with ERROR_INVALID_HANDLE set.
TPortPtr Lookup(HANDLE handle) {
    {
        std::lock_guard<std::mutex> guard(g_portsLock);
        auto it = g_ports.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it != g_ports.end()) return it->second;
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

using TClock = std::chrono::steady_clock;

long long MsUntil(TClock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(t - TClock::now()).count();
}

struct TBaud {
    DWORD rate;
    speed_t speed;
};

constexpr TBaud kBauds[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},         {150, B150},
    {200, B200},         {300, B300},         {600, B600},         {1200, B1200},       {1800, B1800},
    {2400, B2400},       {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},
    {57600, B57600},     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000},
    {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
};

bool SpeedOfRate(DWORD rate, speed_t& speed) {
    for (const TBaud& b : kBauds)
        if (b.rate == rate) {
            speed = b.speed;
            return true;
        }
    return false;
}

// The DCB of a link that has no line: 8 data bits, no parity, one stop bit, at the rate
// Windows gives a new port.
DCB LinkDcb() {
    DCB dcb;
    dcb.BaudRate = 9600;
    dcb.ByteSize = 8;
    dcb.fBinary = 1;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    return dcb;
}

// Whether the other side of a link has gone: it hung up, or reading it would end the stream.
bool LinkGone(int fd) {
    pollfd p{fd, POLLIN | POLLRDHUP, 0};
    if (::poll(&p, 1, 0) <= 0) return false;
    if (p.revents & (POLLHUP | POLLERR | POLLRDHUP)) return true;
    char c;
    return (p.revents & POLLIN) && ::recv(fd, &c, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
}

DWORD RateOfSpeed(speed_t speed) {
    for (const TBaud& b : kBauds)
        if (b.speed == speed) return b.rate;
    return 0;
}

// Sets or clears modem lines; terminals without modem lines (pseudo-terminals, some
// virtual ports) refuse, which is no reason to fail a line setting.
void SetModemLine(int fd, int line, bool on) {
    ::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

// Fills the line fields of dcb from the terminal's settings.
void ReadLineSettings(const termios& tio, DCB& dcb) {
    dcb.BaudRate = RateOfSpeed(cfgetospeed(&tio));
    switch (tio.c_cflag & CSIZE) {
    case CS5:
        dcb.ByteSize = 5;
        break;
    case CS6:
        dcb.ByteSize = 6;
        break;
    case CS7:
        dcb.ByteSize = 7;
        break;
    default:
        dcb.ByteSize = 8;
        break;
    }
    if (!(tio.c_cflag & PARENB))
        dcb.Parity = NOPARITY;
    else if (tio.c_cflag & CMSPAR)
        dcb.Parity = (tio.c_cflag & PARODD) ? MARKPARITY : SPACEPARITY;
    else
        dcb.Parity = (tio.c_cflag & PARODD) ? ODDPARITY : EVENPARITY;
    dcb.StopBits = (tio.c_cflag & CSTOPB) ? TWOSTOPBITS : ONESTOPBIT;
    dcb.fParity = (tio.c_iflag & INPCK) ? 1 : 0;
    dcb.fOutX = (tio.c_iflag & IXON) ? 1 : 0;
    dcb.fInX = (tio.c_iflag & IXOFF) ? 1 : 0;
    dcb.fOutxCtsFlow = (tio.c_cflag & CRTSCTS) ? 1 : 0;
    dcb.XonChar = char(tio.c_cc[VSTART]);
    dcb.XoffChar = char(tio.c_cc[VSTOP]);
    dcb.fBinary = 1;
}

HANDLE Register(TPortPtr port) {
    std::lock_guard<std::mutex> guard(g_portsLock);
    std::uintptr_t id = g_nextHandle++;
    g_ports.emplace(id, std::move(port));
    SetLastError(ERROR_SUCCESS);
    return reinterpret_cast<HANDLE>(id);
}

// Opens "rfcomm:<address>": one connected link per address at a time, as a serial port is
// opened by one user at a time. The connector may take seconds (it reaches the device).
HANDLE OpenLink(const std::string& name) {
    std::string address;
    if (!RfcommAddressOfPort(name, address)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    {
        std::lock_guard<std::mutex> guard(g_portsLock);
        if (!g_openLinks.insert(address).second) {
            SetLastError(ERROR_ACCESS_DENIED);
            return INVALID_HANDLE_VALUE;
        }
    }
    DWORD error = ERROR_FILE_NOT_FOUND;
    const int fd = RfcommConnector().Connect(address, error);
    if (fd < 0) {
        std::lock_guard<std::mutex> guard(g_portsLock);
        g_openLinks.erase(address);
        SetLastError(error == ERROR_SUCCESS ? ERROR_FILE_NOT_FOUND : error);
        return INVALID_HANDLE_VALUE;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    auto port = std::make_shared<TCommPort>();
    port->fd = fd;
    port->isSocket = true;
    port->linkAddress = address;
    port->dcb = LinkDcb();
    return Register(std::move(port));
}

} // namespace

int CommDescriptor(HANDLE handle) {
    TPortPtr port = Lookup(handle);
    return port ? port->fd : -1;
}

} // namespace platform::detail

using namespace platform::detail;

HANDLE CreateFileA(const char* fileName, DWORD desiredAccess, DWORD shareMode, void*,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE) {
    if (!fileName || !*fileName || creationDisposition != OPEN_EXISTING ||
        (flagsAndAttributes & FILE_FLAG_OVERLAPPED)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::string path = fileName;
    if (path.rfind("\\\\.\\", 0) == 0) path.erase(0, 4);
    if (path.rfind(RfcommPortPrefix, 0) == 0) return OpenLink(path);

    int mode = O_RDONLY;
    if ((desiredAccess & GENERIC_READ) && (desiredAccess & GENERIC_WRITE))
        mode = O_RDWR;
    else if (desiredAccess & GENERIC_WRITE)
        mode = O_WRONLY;
    int fd = ::open(path.c_str(), mode | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        FailErrno();
        return INVALID_HANDLE_VALUE;
    }
    // No sharing: a lock on the device keeps out every other opener, root included (root
    // is not stopped by the terminal's exclusive flag). Shared opens take a shared lock, so
    // they and an exclusive open exclude each other too.
    if (::flock(fd, (shareMode == 0 ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        int err = errno;
        ::close(fd);
        SetLastError(WinErrorFromErrno(err));
        return INVALID_HANDLE_VALUE;
    }
    auto port = std::make_shared<TCommPort>();
    port->fd = fd;
    port->isTerminal = ::isatty(fd) != 0;
    if (port->isTerminal) {
        if (shareMode == 0) ::ioctl(fd, TIOCEXCL);
        termios tio{};
        if (::tcgetattr(fd, &tio) == 0) {
            cfmakeraw(&tio);
            tio.c_cflag |= CLOCAL | CREAD;
            tio.c_cc[VMIN] = 0;
            tio.c_cc[VTIME] = 0;
            ::tcsetattr(fd, TCSANOW, &tio);
            ReadLineSettings(tio, port->dcb);
        }
        port->dcb.fDtrControl = DTR_CONTROL_ENABLE;
        port->dcb.fRtsControl = RTS_CONTROL_ENABLE;
    }
    return Register(std::move(port));
}

BOOL CloseHandle(HANDLE handle) {
    TPortPtr port;
    {
        std::lock_guard<std::mutex> guard(g_portsLock);
        auto it = g_ports.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == g_ports.end()) return Fail(ERROR_INVALID_HANDLE);
        port = std::move(it->second);
        g_ports.erase(it);
        if (port->isSocket) g_openLinks.erase(port->linkAddress);
    }
    // A read or wait still running on another thread holds the port; it sees the flag
    // within one slice, and the descriptor is closed when the last user lets go. The flag is
    // set first, so that a read woken by the shutdown below reports the closed handle and not
    // a link that went away.
    port->closed = true;
    // A link ends now, not when the last reader lets go, so that the device is free for the
    // next open at once.
    if (port->isSocket) ::shutdown(port->fd, SHUT_RDWR);
    return Succeed();
}

BOOL SetupComm(HANDLE handle, DWORD inQueue, DWORD outQueue) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    // A link's queues are its socket buffers; a terminal driver keeps its own.
    if (port->isSocket) {
        int in = int(std::min<DWORD>(inQueue, 1u << 24)), out = int(std::min<DWORD>(outQueue, 1u << 24));
        if (in > 0) ::setsockopt(port->fd, SOL_SOCKET, SO_RCVBUF, &in, sizeof in);
        if (out > 0) ::setsockopt(port->fd, SOL_SOCKET, SO_SNDBUF, &out, sizeof out);
    }
    return Succeed();
}

BOOL GetCommState(HANDLE handle, DCB* dcb) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (!dcb) return Fail(ERROR_INVALID_PARAMETER);
    if (port->isSocket) {
        std::lock_guard<std::mutex> guard(port->lock);
        *dcb = port->dcb;
        return Succeed();
    }
    termios tio{};
    if (::tcgetattr(port->fd, &tio) != 0) return FailErrno();
    std::lock_guard<std::mutex> guard(port->lock);
    *dcb = port->dcb;
    dcb->DCBlength = sizeof(DCB);
    ReadLineSettings(tio, *dcb);
    return Succeed();
}

BOOL SetCommState(HANDLE handle, const DCB* dcb) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (!dcb) return Fail(ERROR_INVALID_PARAMETER);
    speed_t speed;
    if (!SpeedOfRate(dcb->BaudRate, speed) || dcb->ByteSize < 5 || dcb->ByteSize > 8 ||
        dcb->Parity > SPACEPARITY || dcb->StopBits > TWOSTOPBITS || dcb->StopBits == ONE5STOPBITS)
        return Fail(ERROR_INVALID_PARAMETER);
    if (port->isSocket) {
        // A link has no line: its settings are kept for reading back and have no effect.
        std::lock_guard<std::mutex> guard(port->lock);
        port->dcb = *dcb;
        port->dcb.DCBlength = sizeof(DCB);
        return Succeed();
    }
    termios tio{};
    if (::tcgetattr(port->fd, &tio) != 0) return FailErrno();
    cfsetispeed(&tio, speed);
    cfsetospeed(&tio, speed);
    static constexpr tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag = (tio.c_cflag & ~CSIZE) | kSizes[dcb->ByteSize - 5];
    tio.c_cflag &= ~(PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    switch (dcb->Parity) {
    case ODDPARITY:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case EVENPARITY:
        tio.c_cflag |= PARENB;
        break;
    case MARKPARITY:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case SPACEPARITY:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (dcb->StopBits == TWOSTOPBITS) tio.c_cflag |= CSTOPB;
    if (dcb->fOutxCtsFlow || dcb->fRtsControl == RTS_CONTROL_HANDSHAKE) tio.c_cflag |= CRTSCTS;
    tio.c_iflag &= ~(INPCK | IXON | IXOFF);
    if (dcb->fParity) tio.c_iflag |= INPCK;
    if (dcb->fOutX) tio.c_iflag |= IXON;
    if (dcb->fInX) tio.c_iflag |= IXOFF;
    if (dcb->XonChar) tio.c_cc[VSTART] = cc_t(dcb->XonChar);
    if (dcb->XoffChar) tio.c_cc[VSTOP] = cc_t(dcb->XoffChar);
    if (::tcsetattr(port->fd, TCSANOW, &tio) != 0) return FailErrno();
    // DSR flow control has no counterpart on Linux and is ignored; DTR handshake keeps DTR up.
    SetModemLine(port->fd, TIOCM_DTR, dcb->fDtrControl != DTR_CONTROL_DISABLE);
    if (dcb->fRtsControl != RTS_CONTROL_HANDSHAKE)
        SetModemLine(port->fd, TIOCM_RTS, dcb->fRtsControl != RTS_CONTROL_DISABLE);
    std::lock_guard<std::mutex> guard(port->lock);
    port->dcb = *dcb;
    port->dcb.DCBlength = sizeof(DCB);
    return Succeed();
}

BOOL GetCommTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (!timeouts) return Fail(ERROR_INVALID_PARAMETER);
    std::lock_guard<std::mutex> guard(port->lock);
    *timeouts = port->timeouts;
    return Succeed();
}

BOOL SetCommTimeouts(HANDLE handle, const COMMTIMEOUTS* timeouts) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (!timeouts) return Fail(ERROR_INVALID_PARAMETER);
    std::lock_guard<std::mutex> guard(port->lock);
    port->timeouts = *timeouts;
    return Succeed();
}

BOOL PurgeComm(HANDLE handle, DWORD flags) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (flags & ~(PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR))
        return Fail(ERROR_INVALID_PARAMETER);
    // Every operation here is synchronous, so the abort flags have nothing to abort.
    bool rx = flags & PURGE_RXCLEAR, tx = flags & PURGE_TXCLEAR;
    if (port->isSocket) {
        // What has been sent is on its way; what has arrived is read and dropped.
        if (rx) {
            char buffer[4096];
            while (::recv(port->fd, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
            }
        }
        return Succeed();
    }
    if (rx || tx) {
        if (!port->isTerminal) return Fail(ERROR_INVALID_FUNCTION);
        if (::tcflush(port->fd, rx && tx ? TCIOFLUSH : rx ? TCIFLUSH : TCOFLUSH) != 0) return FailErrno();
    }
    return Succeed();
}

BOOL ReadFile(HANDLE handle, void* buffer, DWORD toRead, DWORD* bytesRead, void* overlapped) {
    if (bytesRead) *bytesRead = 0;
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (overlapped || !bytesRead || (!buffer && toRead)) return Fail(ERROR_INVALID_PARAMETER);
    COMMTIMEOUTS t;
    {
        std::lock_guard<std::mutex> guard(port->lock);
        t = port->timeouts;
    }
    const bool immediate = t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == 0 &&
                           t.ReadTotalTimeoutConstant == 0;
    // Interval and multiplier MAXDWORD: return as soon as anything is there, waiting up to
    // the constant for the first byte.
    const bool firstByte = t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == MAXDWORD &&
                           t.ReadTotalTimeoutConstant != 0 && t.ReadTotalTimeoutConstant != MAXDWORD;
    const auto start = TClock::now();
    bool hasTotal = false, hasInterval = false;
    TClock::time_point totalDeadline{};
    if (firstByte) {
        hasTotal = true;
        totalDeadline = start + std::chrono::milliseconds(t.ReadTotalTimeoutConstant);
    } else if (t.ReadTotalTimeoutMultiplier || t.ReadTotalTimeoutConstant) {
        hasTotal = true;
        totalDeadline = start + std::chrono::milliseconds(UInt64(t.ReadTotalTimeoutMultiplier) * toRead +
                                                          t.ReadTotalTimeoutConstant);
    }
    if (!firstByte && t.ReadIntervalTimeout != 0 && t.ReadIntervalTimeout != MAXDWORD) hasInterval = true;

    auto* out = static_cast<unsigned char*>(buffer);
    DWORD got = 0;
    TClock::time_point lastByte{};
    bool hungUp = false;
    while (got < toRead) {
        ssize_t r = ::read(port->fd, out + got, toRead - got);
        if (r > 0) {
            got += DWORD(r);
            lastByte = TClock::now();
            if (firstByte) break;
            continue;
        }
        if (r < 0 && errno == EINTR) continue;
        if (port->isSocket && r <= 0 && (r == 0 || errno != EAGAIN)) {
            // The end of a link's stream: closed here, or the device went away. Bytes read
            // before it are delivered first.
            const int err = r == 0 ? EPIPE : errno;
            *bytesRead = got;
            if (port->closed) return Fail(ERROR_INVALID_HANDLE);
            if (got > 0) break;
            return Fail(LinkError(err));
        }
        if (r < 0 && errno != EAGAIN) {
            *bytesRead = got;
            return FailErrno();
        }
        // Nothing has arrived for now: wait for input (or only look, when the time is up).
        // A terminal whose other side is gone (the Bluetooth link dropped, the device was
        // unplugged) reads as empty for ever and polls as hung up; report that instead of
        // waiting. Bytes read before it are delivered first. The one poll both waits and
        // looks, so that a byte that comes costs one wake-up and one read.
        long long wait = 0;
        if (!immediate) {
            wait = kSliceMs;
            if (hasTotal) wait = std::min(wait, MsUntil(totalDeadline));
            if (hasInterval && got > 0)
                wait = std::min(wait, MsUntil(lastByte + std::chrono::milliseconds(t.ReadIntervalTimeout)));
            if (port->closed) {
                *bytesRead = got;
                return Fail(ERROR_INVALID_HANDLE);
            }
        }
        pollfd p{port->fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(std::max(wait, 0LL)));
        // A hung-up terminal also polls as readable. Input that came during the wait, with the
        // hang-up, is read first; the next empty read ends the call.
        const bool waited = !immediate && wait > 0;
        if (ready > 0 && (p.revents & (POLLHUP | POLLERR))) {
            if (hungUp || !waited || !(p.revents & POLLIN)) {
                *bytesRead = got;
                if (got > 0) break;
                return Fail(ERROR_GEN_FAILURE);
            }
            hungUp = true;
        }
        if (!waited) break;
    }
    *bytesRead = got;
    return Succeed();
}

BOOL WriteFile(HANDLE handle, const void* buffer, DWORD toWrite, DWORD* bytesWritten, void* overlapped) {
    if (bytesWritten) *bytesWritten = 0;
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (overlapped || !bytesWritten || (!buffer && toWrite)) return Fail(ERROR_INVALID_PARAMETER);
    COMMTIMEOUTS t;
    {
        std::lock_guard<std::mutex> guard(port->lock);
        t = port->timeouts;
    }
    const bool hasTotal = t.WriteTotalTimeoutMultiplier || t.WriteTotalTimeoutConstant;
    const auto deadline =
        TClock::now() + std::chrono::milliseconds(UInt64(t.WriteTotalTimeoutMultiplier) * toWrite +
                                                  t.WriteTotalTimeoutConstant);
    const auto* in = static_cast<const unsigned char*>(buffer);
    DWORD written = 0;
    while (written < toWrite) {
        // A link whose device has gone must fail the write, not raise SIGPIPE.
        ssize_t r = port->isSocket ? ::send(port->fd, in + written, toWrite - written, MSG_NOSIGNAL)
                                   : ::write(port->fd, in + written, toWrite - written);
        if (r > 0) {
            written += DWORD(r);
            continue;
        }
        if (r < 0 && errno == EINTR) continue;
        if (r < 0 && errno != EAGAIN) {
            const int err = errno;
            *bytesWritten = written;
            if (port->isSocket) return Fail(port->closed ? ERROR_INVALID_HANDLE : LinkError(err));
            return Fail(WinErrorFromErrno(err));
        }
        // The output queue is full: wait for room until the total time-out, which ends the
        // call successfully with what has been written so far.
        long long wait = kSliceMs;
        if (hasTotal) wait = std::min(wait, MsUntil(deadline));
        if (wait <= 0) break;
        if (port->closed) {
            *bytesWritten = written;
            return Fail(ERROR_INVALID_HANDLE);
        }
        pollfd p{port->fd, POLLOUT, 0};
        ::poll(&p, 1, int(wait));
    }
    *bytesWritten = written;
    return Succeed();
}

BOOL ClearCommError(HANDLE handle, DWORD* errors, COMSTAT* stat) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    // The terminal driver reports no line errors to a raw reader; the error bits stay zero.
    if (errors) *errors = 0;
    if (stat) {
        *stat = COMSTAT{};
        int n = 0;
        if (::ioctl(port->fd, FIONREAD, &n) == 0 && n > 0) stat->cbInQue = DWORD(n);
        n = 0;
        if (::ioctl(port->fd, TIOCOUTQ, &n) == 0 && n > 0) stat->cbOutQue = DWORD(n);
    }
    return Succeed();
}

BOOL EscapeCommFunction(HANDLE handle, DWORD function) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (port->isSocket) {
        // A link has no modem lines, flow control or break state to change.
        if (function < SETXOFF || function > CLRBREAK) return Fail(ERROR_INVALID_PARAMETER);
        return Succeed();
    }
    int line = 0;
    int rc = 0;
    switch (function) {
    case SETXOFF:
        rc = ::tcflow(port->fd, TCOOFF);
        break;
    case SETXON:
        rc = ::tcflow(port->fd, TCOON);
        break;
    case SETRTS:
    case CLRRTS:
        line = TIOCM_RTS;
        rc = ::ioctl(port->fd, function == SETRTS ? TIOCMBIS : TIOCMBIC, &line);
        break;
    case SETDTR:
    case CLRDTR:
        line = TIOCM_DTR;
        rc = ::ioctl(port->fd, function == SETDTR ? TIOCMBIS : TIOCMBIC, &line);
        break;
    case RESETDEV:
        break;
    case SETBREAK:
        rc = ::ioctl(port->fd, TIOCSBRK);
        break;
    case CLRBREAK:
        rc = ::ioctl(port->fd, TIOCCBRK);
        break;
    default:
        return Fail(ERROR_INVALID_PARAMETER);
    }
    return rc == 0 ? Succeed() : FailErrno();
}

BOOL SetCommMask(HANDLE handle, DWORD mask) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    std::lock_guard<std::mutex> guard(port->lock);
    port->mask = mask;
    ++port->maskGeneration; // ends a wait in progress, as on Windows
    return Succeed();
}

BOOL GetCommMask(HANDLE handle, DWORD* mask) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (!mask) return Fail(ERROR_INVALID_PARAMETER);
    std::lock_guard<std::mutex> guard(port->lock);
    *mask = port->mask;
    return Succeed();
}

BOOL WaitCommEvent(HANDLE handle, DWORD* eventMask, void* overlapped) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (overlapped || !eventMask) return Fail(ERROR_INVALID_PARAMETER);
    *eventMask = 0;
    DWORD mask;
    unsigned generation;
    {
        std::lock_guard<std::mutex> guard(port->lock);
        mask = port->mask;
        generation = port->maskGeneration;
    }
    if (mask == 0) return Fail(ERROR_INVALID_PARAMETER);
    for (;;) {
        if (port->closed) return Fail(ERROR_INVALID_HANDLE);
        {
            std::lock_guard<std::mutex> guard(port->lock);
            if (port->maskGeneration != generation) return Succeed(); // mask changed: no event
        }
        pollfd p{port->fd, POLLIN, 0};
        int rc = ::poll(&p, 1, kSliceMs);
        if (rc < 0 && errno != EINTR) return FailErrno();
        if (rc <= 0) continue;
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            if (!(mask & EV_ERR)) return Fail(ERROR_GEN_FAILURE);
            *eventMask = EV_ERR;
            return Succeed();
        }
        if ((p.revents & POLLIN) && (mask & (EV_RXCHAR | EV_RXFLAG))) {
            // Received characters are not inspected (that would consume them), so the event
            // character is reported as an ordinary arrival.
            *eventMask = (mask & EV_RXCHAR) ? EV_RXCHAR : EV_RXFLAG;
            return Succeed();
        }
        // Data arrived but nobody waits for it: keep waiting without spinning.
        ::poll(nullptr, 0, kSliceMs);
    }
}

BOOL GetCommModemStatus(HANDLE handle, DWORD* modemStat) {
    TPortPtr port = Lookup(handle);
    if (!port) return FALSE;
    if (!modemStat) return Fail(ERROR_INVALID_PARAMETER);
    if (port->isSocket) {
        // A connected link shows the lines of a modem that is present and ready.
        *modemStat = LinkGone(port->fd) ? 0 : MS_CTS_ON | MS_DSR_ON | MS_RLSD_ON;
        return Succeed();
    }
    int lines = 0;
    if (::ioctl(port->fd, TIOCMGET, &lines) != 0) return FailErrno();
    DWORD s = 0;
    if (lines & TIOCM_CTS) s |= MS_CTS_ON;
    if (lines & TIOCM_DSR) s |= MS_DSR_ON;
    if (lines & TIOCM_RNG) s |= MS_RING_ON;
    if (lines & TIOCM_CAR) s |= MS_RLSD_ON;
    *modemStat = s;
    return Succeed();
}

BOOL SetCommBreak(HANDLE handle) {
    return EscapeCommFunction(handle, SETBREAK);
}

BOOL ClearCommBreak(HANDLE handle) {
    return EscapeCommFunction(handle, CLRBREAK);
}

BOOL GetDefaultCommConfigA(const char* name, COMMCONFIG* config, DWORD* size) {
    if (!name || !size) return Fail(ERROR_INVALID_PARAMETER);
    if (!config || *size < sizeof(COMMCONFIG)) {
        *size = sizeof(COMMCONFIG);
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    *config = COMMCONFIG{};
    config->wVersion = 1;
    config->dcb.BaudRate = CBR_9600;
    config->dcb.ByteSize = 8;
    config->dcb.fBinary = 1;
    config->dcb.fDtrControl = DTR_CONTROL_ENABLE;
    config->dcb.fRtsControl = RTS_CONTROL_ENABLE;
    *size = sizeof(COMMCONFIG);
    return Succeed();
}

BOOL SetCommConfig(HANDLE handle, const COMMCONFIG* config, DWORD size) {
    if (!Lookup(handle)) return FALSE;
    if (!config || size < sizeof(COMMCONFIG)) return Fail(ERROR_INVALID_PARAMETER);
    return Succeed();
}
