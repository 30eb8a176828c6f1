#include "platform/win/BluetoothLookup.h"

#include "platform/rtl/IntText.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QLoggingCategory>
#include <QMap>
#include <QVariantMap>
#include <atomic>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <sys/ioctl.h>
#include <sys/socket.h>
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
    static TBlueZLookup lookup;
    return lookup;
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
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        qCInfo(lcBluetooth) << "Bluetooth: no system bus, no device found:" << bus.lastError().message();
        return found;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.bluez"), QStringLiteral("/"),
                                                       QStringLiteral("org.freedesktop.DBus.ObjectManager"),
                                                       QStringLiteral("GetManagedObjects"));
    QDBusMessage reply = bus.call(call, QDBus::Block, timeoutMs_);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCInfo(lcBluetooth) << "Bluetooth: BlueZ did not answer, no device found:" << reply.errorName()
                            << reply.errorMessage();
        return found;
    }
    TManagedObjects objects;
    reply.arguments().first().value<QDBusArgument>() >> objects;
    const QString deviceInterface = QStringLiteral("org.bluez.Device1");
    for (auto it = objects.cbegin(); it != objects.cend(); ++it) {
        auto device = it.value().find(deviceInterface);
        if (device == it.value().cend()) continue;
        const QVariantMap& props = device.value();
        if (!props.value(QStringLiteral("Paired")).toBool()) continue;
        if (props.value(QStringLiteral("Name")).toString() != name) continue;
        String address = NormalizeBluetoothAddress(props.value(QStringLiteral("Address")).toString());
        if (!address.isEmpty()) found.push_back({name, address});
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
        qCInfo(lcBluetooth) << "Bluetooth: no RFCOMM support, no port for" << wanted;
        return false;
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
    if (!ok) qCInfo(lcBluetooth) << "Bluetooth: no RFCOMM terminal bound to" << wanted;
    return ok;
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
