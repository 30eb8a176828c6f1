// Bluetooth serial links reached without a terminal. A paired device gets the port name
// "rfcomm:" followed by its twelve address digits; opening that port connects a stream socket
// to the RFCOMM channel of the device's serial port profile, which an SDP query on the device
// finds. Both steps sit behind small interfaces that tests replace: the connector (tests hand
// out one end of a socket pair served by a simulated box) and the SDP query (tests feed
// recorded service records).
#pragma once

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The prefix of the port names of Bluetooth devices that have no bound terminal.
inline constexpr const char* RfcommPortPrefix = "rfcomm:";
// The service class of the serial port profile.
inline constexpr std::uint16_t SerialPortServiceClass = 0x1101;

// The address part of an "rfcomm:" port name, as twelve upper-case hexadecimal digits; false
// when name is no such port name or its address is not one.
bool RfcommAddressOfPort(const std::string& name, std::string& address);

class IRfcommConnector {
public:
    virtual ~IRfcommConnector() = default;
    // A connected stream socket to the serial port profile of the device with this address
    // (twelve upper-case hexadecimal digits); the caller owns it. On failure -1, with the
    // Windows error code in error (ERROR_FILE_NOT_FOUND: the device offers no serial port or
    // cannot be reached; ERROR_ACCESS_DENIED: the device or the system refused the link).
    virtual int Connect(const std::string& address, DWORD& error) = 0;
};

// The connector CreateFileA uses for "rfcomm:" ports; SetRfcommConnector(nullptr) restores
// the system connector. The caller keeps ownership of an installed one. Returns the previous.
IRfcommConnector& RfcommConnector();
IRfcommConnector* SetRfcommConnector(IRfcommConnector* connector);

using TSdpRecord = std::vector<std::uint8_t>;

class ISdpQuery {
public:
    virtual ~ISdpQuery() = default;
    // The service records of the device that list serviceClass, each as the data element the
    // device sent (a sequence of attribute identifiers and values). False, with the Windows
    // error code in error, when the device could not be asked.
    virtual bool ServiceRecords(const std::string& address, std::uint16_t serviceClass,
                                std::vector<TSdpRecord>& records, DWORD& error) = 0;
};

// The query the system connector uses; SetSdpQuery(nullptr) restores BlueZ's. The caller keeps
// ownership of an installed one. Returns the previous.
ISdpQuery& SdpQuery();
ISdpQuery* SetSdpQuery(ISdpQuery* query);

// The RFCOMM channel (1 to 30) of the first record that lists serviceClass among its service
// classes and RFCOMM among its protocols; 0 when none does. Records come from the remote
// device: anything malformed is skipped, never trusted.
int RfcommChannelOfRecord(const std::uint8_t* data, std::size_t size, std::uint16_t serviceClass);
int RfcommChannelOfRecords(const std::vector<TSdpRecord>& records, std::uint16_t serviceClass);

// The system connector: the SDP query for the serial port profile's channel, then an RFCOMM
// socket connected to it, within connectTimeoutMs.
class TSystemRfcommConnector : public IRfcommConnector {
public:
    explicit TSystemRfcommConnector(int connectTimeoutMs = 10000) : connectTimeoutMs_(connectTimeoutMs) {}
    int Connect(const std::string& address, DWORD& error) override;

private:
    int connectTimeoutMs_;
};
