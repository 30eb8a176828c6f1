#include "platform/win/BluetoothLookup.h"

#include "platform/rtl/IntText.h"
#include "platform/win/Rfcomm.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QLoggingCategory>
#include <QMap>
#include <QVariantMap>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <string>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform::detail {
namespace {

Q_LOGGING_CATEGORY(lcBluetooth, "orvo.platform.bluetooth")

// The kernel's RFCOMM terminal list (the ABI of the RFCOMMGETDEVLIST request).
constexpr int kAfBluetooth = 31;
constexpr int kBtProtoRfcomm = 3;
struct TBdAddr {
    std::uint8_t b[6]; // least significant byte first
};
struct TRfcommDevInfo {
    std::int16_t id;
    std::uint32_t flags;
    std::uint16_t state;
    TBdAddr src;
    TBdAddr dst;
    std::uint8_t channel;
};
// The kernel lays these out with natural alignment; a mistake here would read addresses
// from the wrong bytes, so the layout is pinned.
static_assert(sizeof(TBdAddr) == 6 && alignof(TBdAddr) == 1);
static_assert(offsetof(TRfcommDevInfo, flags) == 4 && offsetof(TRfcommDevInfo, state) == 8);
static_assert(offsetof(TRfcommDevInfo, src) == 10 && offsetof(TRfcommDevInfo, dst) == 16);
static_assert(offsetof(TRfcommDevInfo, channel) == 22 && sizeof(TRfcommDevInfo) == 24);
constexpr unsigned long kRfcommGetDevList = _IOR('R', 210, int);
constexpr int kMaxRfcommDevices = 32;

using TInterfaces = QMap<QString, QVariantMap>;
using TManagedObjects = QMap<QDBusObjectPath, TInterfaces>;

std::atomic<IBluetoothLookup*> g_lookup{nullptr};

TBlueZLookup& SystemLookup() {
    static TBlueZLookup lookup = [] {
        TBlueZLookup l;
        // ORVO_RFCOMM_PORTS: "address=port" pairs separated by ';', for terminals bound (or
        // served) outside the kernel's list; a pair whose address is malformed is ignored.
        for (const QString& pair :
             qEnvironmentVariable("ORVO_RFCOMM_PORTS").split(u';', Qt::SkipEmptyParts)) {
            const qsizetype eq = pair.indexOf(u'=');
            if (eq <= 0 || eq + 1 >= pair.size()) continue;
            const String address = NormalizeBluetoothAddress(pair.left(eq));
            if (!address.isEmpty()) l.SetPortOverride(address, pair.mid(eq + 1));
        }
        return l;
    }();
    return lookup;
}

using TClock = std::chrono::steady_clock;

int MsLeft(TClock::time_point deadline) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now()).count();
    return ms <= 0 ? 0 : int(ms);
}

// A D-Bus address value with its %xx escapes undone.
std::string Unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size() &&
            std::isxdigit(static_cast<unsigned char>(value[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(value[i + 2]))) {
            out += char(std::strtoul(value.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

enum class TProbe { Answered, Silent, Unknown };

// Opens a local socket of a "unix:" bus address and asks the daemon to authenticate us;
// Answered when it does before the deadline. A daemon that is stopped or hung still accepts
// connections (the kernel queues them) but never answers.
TProbe ProbeUnixAddress(const std::string& entry, TClock::time_point deadline) {
    sockaddr_un sa{};
    sa.sun_family = AF_UNIX;
    std::size_t start = entry.find(':') + 1;
    std::string path;
    bool abstract = false;
    while (start < entry.size()) {
        std::size_t end = entry.find(',', start);
        if (end == std::string::npos) end = entry.size();
        const std::string pair = entry.substr(start, end - start);
        if (pair.rfind("path=", 0) == 0) path = Unescape(pair.substr(5));
        if (pair.rfind("abstract=", 0) == 0) {
            path = Unescape(pair.substr(9));
            abstract = true;
        }
        start = end + 1;
    }
    if (path.empty()) return TProbe::Unknown;
    if (path.size() + (abstract ? 1 : 0) >= sizeof sa.sun_path) return TProbe::Silent;
    std::memcpy(sa.sun_path + (abstract ? 1 : 0), path.data(), path.size());
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + path.size() + (abstract ? 1 : 0));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return TProbe::Silent;
    TProbe result = TProbe::Silent;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&sa), length) == 0) {
        const std::string uid = std::to_string(::getuid());
        std::string request(1, '\0');
        request += "AUTH EXTERNAL ";
        static constexpr char kHex[] = "0123456789abcdef";
        for (char c : uid) {
            request += kHex[(c >> 4) & 0xF];
            request += kHex[c & 0xF];
        }
        request += "\r\n";
        std::string answer;
        if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) == ssize_t(request.size())) {
            while (answer.find("\r\n") == std::string::npos) {
                pollfd p{fd, POLLIN, 0};
                if (::poll(&p, 1, MsLeft(deadline)) <= 0) break;
                char buffer[256];
                const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                answer.append(buffer, std::size_t(n));
            }
        }
        if (answer.rfind("OK ", 0) == 0) result = TProbe::Answered;
    }
    ::close(fd);
    return result;
}

// Whether the system bus daemon answers before the deadline. Connecting through Qt waits
// for the daemon without a limit of its own, so a hung daemon is found out here first.
// Transports other than local sockets are left to Qt.
bool SystemBusAnswers(TClock::time_point deadline) {
    const char* env = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    const std::string addresses = env && *env ? env : "unix:path=/var/run/dbus/system_bus_socket";
    std::size_t start = 0;
    while (start <= addresses.size()) {
        std::size_t end = addresses.find(';', start);
        if (end == std::string::npos) end = addresses.size();
        const std::string entry = addresses.substr(start, end - start);
        start = end + 1;
        if (entry.empty()) continue;
        if (entry.rfind("unix:", 0) != 0) return true;
        switch (ProbeUnixAddress(entry, deadline)) {
        case TProbe::Answered:
        case TProbe::Unknown:
            return true;
        case TProbe::Silent:
            break;
        }
        if (MsLeft(deadline) == 0) return false;
    }
    return false;
}

String AddressText(const TBdAddr& a) {
    String s;
    for (int i = 5; i >= 0; --i)
        s += IntToHex(a.b[i], 2);
    return s;
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

IBluetoothLookup& BluetoothLookup() {
    IBluetoothLookup* l = g_lookup.load();
    return l ? *l : SystemLookup();
}

IBluetoothLookup* SetBluetoothLookup(IBluetoothLookup* lookup) {
    IBluetoothLookup* previous = g_lookup.exchange(lookup);
    return previous ? previous : &SystemLookup();
}

String NormalizeBluetoothAddress(const String& address) {
    String digits;
    for (QChar c : address) {
        if (c == u':' || c == u'(' || c == u')' || c == u'-' || c.isSpace()) continue;
        if (!isxdigit(c.unicode() < 128 ? c.toLatin1() : 'x')) return String();
        digits += c.toUpper();
    }
    return digits.size() == 12 ? digits : String();
}

std::vector<TBluetoothDevice> TBlueZLookup::FindPairedDevices(const String& name) {
    std::vector<TBluetoothDevice> found;
    // The whole lookup, reaching the bus included, stays within the time-out: the Bluetooth
    // open runs on a worker thread that closing the program waits for.
    const auto deadline = TClock::now() + std::chrono::milliseconds(timeoutMs_);
    if (!SystemBusAnswers(deadline)) {
        qCInfo(lcBluetooth) << "Bluetooth: the system bus does not answer, no device found";
        return found;
    }
    // A connection of our own for each lookup: it follows the bus address of the moment and
    // leaves nothing behind.
    static std::atomic<int> s_connections{0};
    const QString connectionName = QStringLiteral("orvo-bluetooth-lookup-%1").arg(++s_connections);
    TManagedObjects objects;
    bool answered = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SystemBus, connectionName);
        if (!bus.isConnected()) {
            qCInfo(lcBluetooth) << "Bluetooth: no system bus, no device found:" << bus.lastError().message();
        } else if (const int left = MsLeft(deadline); left > 0) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.bluez"), QStringLiteral("/"),
                QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
            QDBusMessage reply = bus.call(call, QDBus::Block, left);
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                qCInfo(lcBluetooth) << "Bluetooth: BlueZ did not answer, no device found:"
                                    << reply.errorName() << reply.errorMessage();
            } else {
                reply.arguments().first().value<QDBusArgument>() >> objects;
                answered = true;
            }
        }
    }
    QDBusConnection::disconnectFromBus(connectionName);
    if (!answered) return found;
    const QString deviceInterface = QStringLiteral("org.bluez.Device1");
    // A box paired with two adapters appears once under each; it is still one box.
    std::set<String> seen;
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        auto device = it.value().find(deviceInterface);
        if (device == it.value().cend()) continue;
        const QVariantMap& props = device.value();
        if (!props.value(QStringLiteral("Paired")).toBool()) continue;
        if (props.value(QStringLiteral("Name")).toString() != name) continue;
        String address = NormalizeBluetoothAddress(props.value(QStringLiteral("Address")).toString());
        if (!address.isEmpty() && seen.insert(address).second) found.push_back({name, address});
    }
    if (found.empty()) qCInfo(lcBluetooth) << "Bluetooth: no paired device named" << name;
    return found;
}

bool TBlueZLookup::FindPort(const String& address, String& port) {
    String wanted = NormalizeBluetoothAddress(address);
    if (wanted.isEmpty()) return false;
    auto over = overrides_.find(wanted);
    if (over != overrides_.end()) {
        port = over->second;
        return true;
    }
    int ctl = ::socket(kAfBluetooth, SOCK_RAW | SOCK_CLOEXEC, kBtProtoRfcomm);
    if (ctl < 0) {
        // Without the kernel's terminal list no terminal can be bound; the link itself may
        // still be reachable (or fail with a clear error when opened).
        port = QString::fromLatin1(RfcommPortPrefix) + wanted;
        return true;
    }
    struct {
        std::uint16_t count;
        TRfcommDevInfo devices[kMaxRfcommDevices];
    } list{};
    static_assert(offsetof(decltype(list), devices) == 4);
    list.count = kMaxRfcommDevices;
    bool ok = false;
    if (::ioctl(ctl, kRfcommGetDevList, &list) == 0) {
        for (int i = 0; i < list.count && i < kMaxRfcommDevices; ++i) {
            if (AddressText(list.devices[i].dst) != wanted) continue;
            port = QStringLiteral("/dev/rfcomm%1").arg(list.devices[i].id);
            ok = true;
            break;
        }
    }
    ::close(ctl);
    if (ok) return true;
    // No terminal is bound: the port is the device's own link, connected when it is opened.
    port = QString::fromLatin1(RfcommPortPrefix) + wanted;
    return true;
}

void TBlueZLookup::SetPortOverride(const String& address, const String& port) {
    overrides_[NormalizeBluetoothAddress(address)] = port;
}

void TFakeBluetoothLookup::AddDevice(const String& name, const String& address, const String& port) {
    entries_.push_back({{name, NormalizeBluetoothAddress(address)}, port});
}

std::vector<TBluetoothDevice> TFakeBluetoothLookup::FindPairedDevices(const String& name) {
    std::vector<TBluetoothDevice> found;
    for (const TEntry& e : entries_)
        if (e.device.Name == name) found.push_back(e.device);
    return found;
}

bool TFakeBluetoothLookup::FindPort(const String& address, String& port) {
    String wanted = NormalizeBluetoothAddress(address);
    for (const TEntry& e : entries_)
        if (!wanted.isEmpty() && e.device.Address == wanted && !e.port.isEmpty()) {
            port = e.port;
            return true;
        }
    return false;
}
