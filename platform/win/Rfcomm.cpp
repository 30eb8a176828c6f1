#include "platform/win/Rfcomm.h"

#include "platform/win/LastError.h"

#include <QLoggingCategory>
#include <algorithm>
#include <atomic>
#include <bluetooth/bluetooth.h>
#include <bluetooth/rfcomm.h>
#include <bluetooth/sdp.h>
#include <bluetooth/sdp_lib.h>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform::detail {
namespace {

Q_LOGGING_CATEGORY(lcRfcomm, "orvo.platform.rfcomm")

constexpr std::uint32_t kRfcommProtocol = 0x0003;
constexpr std::uint16_t kServiceClassIdList = 0x0001;
constexpr std::uint16_t kProtocolDescriptorList = 0x0004;
// Data element types.
constexpr int kUint = 1;
constexpr int kUuid = 3;
constexpr int kSequence = 6;
constexpr int kAlternative = 7;
// How deep protocol lists may nest before a record counts as malformed.
constexpr int kMaxDepth = 8;

// One data element of a service record: its type and where its value lies.
struct TElement {
    int type = 0;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

std::uint64_t BigEndian(const std::uint8_t* p, std::size_t n) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}

// Reads the element at pos and moves pos behind it; false when it runs past the end or its
// size index does not fit its type.
bool ReadElement(const std::uint8_t* data, std::size_t size, std::size_t& pos, TElement& out) {
    if (pos >= size) return false;
    const int type = data[pos] >> 3;
    const int sizeIndex = data[pos] & 7;
    ++pos;
    std::size_t length = 0;
    if (type == 0) {
        if (sizeIndex != 0) return false;
    } else if (sizeIndex < 5) {
        length = std::size_t(1) << sizeIndex;
    } else {
        const std::size_t lengthBytes = std::size_t(1) << (sizeIndex - 5);
        if (size - pos < lengthBytes) return false;
        length = std::size_t(BigEndian(data + pos, lengthBytes));
        pos += lengthBytes;
    }
    if (length > size - pos) return false;
    out = {type, data + pos, length};
    pos += length;
    return true;
}

// The children of a sequence or alternative; nullopt when it is none or malformed.
std::optional<std::vector<TElement>> Children(const TElement& e) {
    if (e.type != kSequence && e.type != kAlternative) return std::nullopt;
    std::vector<TElement> children;
    std::size_t pos = 0;
    while (pos < e.size) {
        TElement child;
        if (!ReadElement(e.data, e.size, pos, child)) return std::nullopt;
        children.push_back(child);
    }
    return children;
}

// A UUID as its 16- or 32-bit short form; 128-bit UUIDs count only when they are built on
// the Bluetooth base UUID.
std::optional<std::uint32_t> ShortUuid(const TElement& e) {
    static constexpr std::uint8_t kBaseTail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                                   0x00, 0x80, 0x5F, 0x9B, 0x34, 0xFB};
    if (e.type != kUuid) return std::nullopt;
    if (e.size == 2 || e.size == 4) return std::uint32_t(BigEndian(e.data, e.size));
    if (e.size == 16 && std::equal(kBaseTail, kBaseTail + 12, e.data + 4))
        return std::uint32_t(BigEndian(e.data, 4));
    return std::nullopt;
}

bool ListsServiceClass(const TElement& list, std::uint16_t serviceClass) {
    auto children = Children(list);
    if (!children) return false;
    for (const TElement& c : *children)
        if (ShortUuid(c) == std::uint32_t(serviceClass)) return true;
    return false;
}

// The RFCOMM channel of a protocol descriptor list: the descriptor whose protocol is RFCOMM
// carries the channel as its first parameter. Alternatives and nested lists are searched.
int RfcommChannel(const TElement& e, int depth) {
    if (depth > kMaxDepth) return 0;
    auto children = Children(e);
    if (!children || children->empty()) return 0;
    if (e.type == kSequence && ShortUuid((*children)[0]) == kRfcommProtocol) {
        if (children->size() < 2) return 0;
        const TElement& channel = (*children)[1];
        if (channel.type != kUint || channel.size != 1) return 0;
        const int value = channel.data[0];
        return value >= 1 && value <= 30 ? value : 0;
    }
    for (const TElement& c : *children)
        if (int channel = RfcommChannel(c, depth + 1)) return channel;
    return 0;
}

std::atomic<IRfcommConnector*> g_connector{nullptr};
std::atomic<ISdpQuery*> g_query{nullptr};

TSystemRfcommConnector& SystemConnector() {
    static TSystemRfcommConnector connector;
    return connector;
}

// BlueZ's SDP client: one query for the records of a service class, every attribute of each.
class TBlueZSdpQuery : public ISdpQuery {
public:
    bool ServiceRecords(const std::string& address, std::uint16_t serviceClass,
                        std::vector<TSdpRecord>& records, DWORD& error) override;
};

TBlueZSdpQuery& SystemQuery() {
    static TBlueZSdpQuery query;
    return query;
}

bdaddr_t ToBdAddr(const std::string& address) {
    bdaddr_t a{};
    for (int i = 0; i < 6; ++i)
        a.b[5 - i] = std::uint8_t(std::strtoul(address.substr(std::size_t(i) * 2, 2).c_str(), nullptr, 16));
    return a;
}

// A device that cannot be reached reads as a port that is not there; a refusal as one in use.
DWORD ConnectError(int err) {
    switch (err) {
    case EACCES:
    case EPERM:
    case EBUSY:
    case EADDRINUSE:
        return ERROR_ACCESS_DENIED;
    default:
        return ERROR_FILE_NOT_FOUND;
    }
}

bool TBlueZSdpQuery::ServiceRecords(const std::string& address, std::uint16_t serviceClass,
                                    std::vector<TSdpRecord>& records, DWORD& error) {
    records.clear();
    bdaddr_t any{};
    const bdaddr_t target = ToBdAddr(address);
    sdp_session_t* session = sdp_connect(&any, &target, SDP_RETRY_IF_BUSY);
    if (!session) {
        error = ConnectError(errno);
        qCInfo(lcRfcomm) << "Bluetooth: no SDP session with" << address.c_str() << std::strerror(errno);
        return false;
    }
    uuid_t service;
    sdp_uuid16_create(&service, serviceClass);
    sdp_list_t* search = sdp_list_append(nullptr, &service);
    std::uint32_t range = 0x0000FFFF;
    sdp_list_t* attributes = sdp_list_append(nullptr, &range);
    sdp_list_t* found = nullptr;
    const int rc = sdp_service_search_attr_req(session, search, SDP_ATTR_REQ_RANGE, attributes, &found);
    const int err = errno;
    sdp_list_free(search, nullptr);
    sdp_list_free(attributes, nullptr);
    for (sdp_list_t* r = found; r; r = r->next) {
        auto* record = static_cast<sdp_record_t*>(r->data);
        sdp_buf_t buffer{};
        if (sdp_gen_record_pdu(record, &buffer) == 0 && buffer.data)
            records.emplace_back(buffer.data, buffer.data + buffer.data_size);
        std::free(buffer.data);
        sdp_record_free(record);
    }
    sdp_list_free(found, nullptr);
    sdp_close(session);
    if (rc != 0) {
        error = ConnectError(err);
        qCInfo(lcRfcomm) << "Bluetooth: SDP query of" << address.c_str() << "failed:" << std::strerror(err);
        return false;
    }
    return true;
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

bool RfcommAddressOfPort(const std::string& name, std::string& address) {
    const std::string prefix = RfcommPortPrefix;
    if (name.size() != prefix.size() + 12 || name.compare(0, prefix.size(), prefix) != 0) return false;
    std::string digits;
    for (char c : name.substr(prefix.size())) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
        digits += char(std::toupper(static_cast<unsigned char>(c)));
    }
    address = digits;
    return true;
}

IRfcommConnector& RfcommConnector() {
    IRfcommConnector* c = g_connector.load();
    return c ? *c : SystemConnector();
}

IRfcommConnector* SetRfcommConnector(IRfcommConnector* connector) {
    IRfcommConnector* previous = g_connector.exchange(connector);
    return previous ? previous : &SystemConnector();
}

ISdpQuery& SdpQuery() {
    ISdpQuery* q = g_query.load();
    return q ? *q : SystemQuery();
}

ISdpQuery* SetSdpQuery(ISdpQuery* query) {
    ISdpQuery* previous = g_query.exchange(query);
    return previous ? previous : &SystemQuery();
}

int RfcommChannelOfRecord(const std::uint8_t* data, std::size_t size, std::uint16_t serviceClass) {
    std::size_t pos = 0;
    TElement record;
    if (!data || !ReadElement(data, size, pos, record)) return 0;
    auto attributes = Children(record);
    if (record.type != kSequence || !attributes || attributes->size() % 2 != 0) return 0;
    bool offersClass = false;
    int channel = 0;
    for (std::size_t i = 0; i < attributes->size(); i += 2) {
        const TElement& id = (*attributes)[i];
        if (id.type != kUint || id.size != 2) return 0;
        const auto attribute = std::uint16_t(BigEndian(id.data, 2));
        if (attribute == kServiceClassIdList)
            offersClass = ListsServiceClass((*attributes)[i + 1], serviceClass);
        else if (attribute == kProtocolDescriptorList)
            channel = RfcommChannel((*attributes)[i + 1], 0);
    }
    return offersClass ? channel : 0;
}

int RfcommChannelOfRecords(const std::vector<TSdpRecord>& records, std::uint16_t serviceClass) {
    for (const TSdpRecord& r : records)
        if (int channel = RfcommChannelOfRecord(r.data(), r.size(), serviceClass)) return channel;
    return 0;
}

int TSystemRfcommConnector::Connect(const std::string& address, DWORD& error) {
    std::vector<TSdpRecord> records;
    if (!SdpQuery().ServiceRecords(address, SerialPortServiceClass, records, error)) return -1;
    const int channel = RfcommChannelOfRecords(records, SerialPortServiceClass);
    if (channel == 0) {
        qCInfo(lcRfcomm) << "Bluetooth:" << address.c_str() << "offers no serial port";
        error = ERROR_FILE_NOT_FOUND;
        return -1;
    }
    const int fd = ::socket(AF_BLUETOOTH, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, BTPROTO_RFCOMM);
    if (fd < 0) {
        qCInfo(lcRfcomm) << "Bluetooth: no RFCOMM sockets on this system:" << std::strerror(errno);
        error = ERROR_FILE_NOT_FOUND;
        return -1;
    }
    sockaddr_rc remote{};
    remote.rc_family = AF_BLUETOOTH;
    remote.rc_bdaddr = ToBdAddr(address);
    remote.rc_channel = std::uint8_t(channel);
    int err = 0;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&remote), sizeof remote) != 0) {
        err = errno;
        if (err == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int rc;
            do
                rc = ::poll(&p, 1, connectTimeoutMs_);
            while (rc < 0 && errno == EINTR);
            socklen_t len = sizeof err;
            if (rc == 0)
                err = ETIMEDOUT;
            else if (rc < 0 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) != 0)
                err = errno;
        }
    }
    if (err != 0) {
        qCInfo(lcRfcomm) << "Bluetooth: RFCOMM channel" << channel << "of" << address.c_str()
                         << "did not connect:" << std::strerror(err);
        ::close(fd);
        error = ConnectError(err);
        return -1;
    }
    return fd;
}
