// One serial port, opened by device name, with its line settings, queues, time-outs, events and
// modem lines. Only blocking (non-overlapped) input and output are supported. Every operation
// first clears lastError; a long result is lastError: 0 on success, else the Windows error code
// (ERROR_INVALID_HANDLE for a closed port, E_INVALIDARG for a bad enumeration value).
#pragma once

#include "platform/win/WinTypes.h"

struct DCB;

class CSerial {
public:
    enum EBaudrate {
        EBaudUnknown = -1,
        EBaud110 = 110,
        EBaud300 = 300,
        EBaud600 = 600,
        EBaud1200 = 1200,
        EBaud2400 = 2400,
        EBaud4800 = 4800,
        EBaud9600 = 9600,
        EBaud14400 = 14400,
        EBaud19200 = 19200,
        EBaud38400 = 38400,
        EBaud56000 = 56000,
        EBaud57600 = 57600,
        EBaud115200 = 115200,
        EBaud128000 = 128000,
        EBaud256000 = 256000,
    };
    enum EDataBits { EDataUnknown = -1, EData5 = 5, EData6 = 6, EData7 = 7, EData8 = 8 };
    enum EParity { EParUnknown = -1, EParNone = 0, EParOdd = 1, EParEven = 2, EParMark = 3, EParSpace = 4 };
    enum EStopBits { EStopUnknown = -1, EStop1 = 0, EStop1_5 = 1, EStop2 = 2 };
    enum EHandshake {
        EHandshakeUnknown = -1,
        EHandshakeOff = 0,
        EHandshakeHardware = 1,
        EHandshakeSoftware = 2
    };
    enum EReadTimeout { EReadTimeoutUnknown = -1, EReadTimeoutNonblocking = 0, EReadTimeoutBlocking = 1 };

    CSerial() = default;
    CSerial(const CSerial&) = delete;
    CSerial& operator=(const CSerial&) = delete;
    // Closes the port when it is open.
    virtual ~CSerial();

    // Opens the port; 1247 when this object's port is already open. Any failure leaves the
    // port closed. Queue sizes of 0 leave the driver's queues alone.
    virtual long Open(const char* device, unsigned long inQueue = 0, unsigned long outQueue = 0,
                      bool overlapped = false);
    // 0; a closed port is left alone.
    virtual long Close();
    virtual long Setup(EBaudrate baudrate, EDataBits dataBits, EParity parity, EStopBits stopBits);
    virtual long SetEventChar(unsigned char ch, bool adjustMask);
    virtual long SetMask(unsigned long mask);
    virtual long WaitEvent(void* overlapped = nullptr, unsigned long timeout = INFINITE);
    virtual long SetupHandshaking(EHandshake handshake);
    virtual long SetupReadTimeouts(EReadTimeout readTimeout);
    virtual EBaudrate GetBaudrate();
    virtual EDataBits GetDataBits();
    virtual EParity GetParity();
    virtual EStopBits GetStopBits();
    virtual EHandshake GetHandshaking();
    virtual unsigned long GetEventMask();
    virtual unsigned char GetEventChar();
    virtual long Write(const void* data, unsigned int size, unsigned long* written = nullptr,
                       void* overlapped = nullptr, unsigned long timeout = INFINITE);
    virtual long Write(const char* text, unsigned long* written = nullptr, void* overlapped = nullptr,
                       unsigned long timeout = INFINITE);
    virtual long Read(void* data, unsigned int size, unsigned long* read = nullptr,
                      void* overlapped = nullptr, unsigned long timeout = INFINITE);

    // 0 the port can be opened; 1 it does not exist; 2 it is in use; -1 any other failure.
    static int CheckPort(const char* device);
    // Empties both queues.
    long Purge();
    // Holds the line in the break state for 100 ms.
    long Break();
    // The events of the mask that the latest WaitEvent received; clears them.
    unsigned long GetEventType();
    // The line error bits (and clears them); 0 on failure.
    DWORD GetError();
    bool GetCTS();
    bool GetDSR();
    bool GetRing();
    bool GetRLSD();
    long SetDtrRts(bool dtr, bool rts);

    DWORD lastError = 0;
    HANDLE portHandle = nullptr;
    DWORD lastEvent = 0;
    DWORD eventMask = 0;

private:
    long Fail(DWORD code);
    long Result() const;
    bool ReadState(DCB& dcb);
    bool ModemStatus(DWORD bit);
    static void CheckBlocking(void* overlapped, unsigned long timeout);
};
