#include "device/bluetooth/Serial.h"

#include "device/Utils.h"
#include "platform/win/Clock.h"
#include "platform/win/Comm.h"
#include "platform/win/MessageBox.h"

#include <cstdlib>
#include <cstring>

CSerial::~CSerial() {
    if (portHandle) Close();
}

long CSerial::Fail(DWORD code) {
    lastError = code;
    return Result();
}

// Clears lastError and reads the open port's line settings; false, with lastError set, when the
// port is closed or its settings cannot be read.
bool CSerial::ReadState(DCB& dcb) {
    lastError = ERROR_SUCCESS;
    if (!portHandle) {
        Fail(ERROR_INVALID_HANDLE);
        return false;
    }
    if (!GetCommState(portHandle, &dcb)) {
        Fail(GetLastError());
        return false;
    }
    return true;
}

// lastError as a Windows long (32 bits): E_INVALIDARG reads back as the negative HRESULT.
long CSerial::Result() const {
    return static_cast<long>(static_cast<LONG>(lastError));
}

// Overlapped records and time-outs other than INFINITE belong to the overlapped mode, which this
// build does not have; a caller that passes them has been written for another build and stops.
void CSerial::CheckBlocking(void* overlapped, unsigned long timeout) {
    if (overlapped == nullptr && timeout == INFINITE) return;
    MessageBox(nullptr, "Overlapped I/O and time-outs are not supported, when overlapped I/O is disabled.",
               "Serial library", MB_TASKMODAL | MB_ICONERROR);
    std::exit(0x0FFFFFFF);
}

int CSerial::CheckPort(const char* device) {
    HANDLE h = CreateFileA(device, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
            return 1;
        case ERROR_ACCESS_DENIED:
            return 2;
        default:
            return -1;
        }
    }
    CloseHandle(h);
    return 0;
}

long CSerial::Open(const char* device, unsigned long inQueue, unsigned long outQueue, bool overlapped) {
    lastError = ERROR_SUCCESS;
    if (portHandle) {
        DebugTrace("CSerial::Open - Port already opened");
        return Fail(ERROR_ALREADY_INITIALIZED);
    }
    HANDLE h = CreateFileA(device, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           overlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr);
    if (h == INVALID_HANDLE_VALUE || h == nullptr) {
        Fail(GetLastError());
        Trace([&] {
            return Sprintf("CSerial::Open - Unable to open port [%s]: %u", device ? device : "", lastError);
        });
        return Result();
    }
    portHandle = h;
    if (inQueue || outQueue) {
        if (!SetupComm(portHandle, inQueue, outQueue)) {
            const DWORD code = GetLastError();
            DebugTrace("CSerial::Open - Unable to set the queue sizes");
            Close();
            return Fail(code);
        }
    }
    // Each of the two clears lastError first: keep a failed mask, which the time-outs that
    // follow would otherwise hide.
    SetMask(EV_BREAK | EV_ERR | EV_RXCHAR);
    const DWORD maskError = lastError;
    SetupReadTimeouts(EReadTimeoutNonblocking);
    if (maskError != ERROR_SUCCESS) lastError = maskError;

    COMMCONFIG config; // zeroed, with its size field set
    DWORD size = sizeof config;
    if (!GetDefaultCommConfigA(device, &config, &size)) {
        DebugTrace("CSerial::Open - Unable to obtain default communication configuration.");
    } else if (!SetCommConfig(portHandle, &config, size)) {
        DebugTrace("CSerial::Open - Unable to set default communication configuration.");
    }

    // A port that could not be given its event mask and read time-outs is not usable: report
    // the failure with the port closed, so that a later Open can start again.
    if (lastError != ERROR_SUCCESS) {
        const DWORD code = lastError;
        Close();
        return Fail(code);
    }
    return Result();
}

long CSerial::Close() {
    lastError = ERROR_SUCCESS;
    if (!portHandle) return 0;
    HANDLE h = portHandle;
    portHandle = nullptr;
    if (!CloseHandle(h)) return Fail(GetLastError());
    return Result();
}

long CSerial::Setup(EBaudrate baudrate, EDataBits dataBits, EParity parity, EStopBits stopBits) {
    DCB dcb;
    if (!ReadState(dcb)) return Result();
    dcb.BaudRate = static_cast<DWORD>(baudrate);
    dcb.ByteSize = static_cast<Byte>(dataBits);
    dcb.Parity = static_cast<Byte>(parity);
    dcb.StopBits = static_cast<Byte>(stopBits);
    dcb.fParity = parity != EParNone;
    if (!SetCommState(portHandle, &dcb)) return Fail(GetLastError());
    return 0;
}

long CSerial::SetEventChar(unsigned char ch, bool adjustMask) {
    DCB dcb;
    if (!ReadState(dcb)) return Result();
    dcb.EvtChar = static_cast<char>(ch);
    if (adjustMask) {
        if (long r = SetMask(GetEventMask() | EV_RXFLAG); r != 0) return r;
    }
    if (!SetCommState(portHandle, &dcb)) return Fail(GetLastError());
    return 0;
}

long CSerial::SetMask(unsigned long mask) {
    lastError = ERROR_SUCCESS;
    if (!portHandle) return Fail(ERROR_INVALID_HANDLE);
    if (!SetCommMask(portHandle, static_cast<DWORD>(mask))) return Fail(GetLastError());
    eventMask = static_cast<DWORD>(mask);
    return 0;
}

long CSerial::WaitEvent(void* overlapped, unsigned long timeout) {
    lastError = ERROR_SUCCESS;
    CheckBlocking(overlapped, timeout);
    if (!portHandle) return Fail(ERROR_INVALID_HANDLE);
    if (!WaitCommEvent(portHandle, &lastEvent, nullptr)) return Fail(GetLastError());
    return 0;
}

long CSerial::SetupHandshaking(EHandshake handshake) {
    DCB dcb;
    if (!ReadState(dcb)) return Result();
    switch (handshake) {
    case EHandshakeOff:
        dcb.fOutxCtsFlow = 0;
        dcb.fOutxDsrFlow = 0;
        dcb.fDtrControl = DTR_CONTROL_DISABLE;
        dcb.fOutX = 0;
        dcb.fInX = 0;
        dcb.fRtsControl = RTS_CONTROL_DISABLE;
        break;
    case EHandshakeHardware:
        dcb.fOutxCtsFlow = 1;
        dcb.fOutxDsrFlow = 1;
        dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
        dcb.fOutX = 0;
        dcb.fInX = 0;
        dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
        break;
    case EHandshakeSoftware:
        dcb.fOutxCtsFlow = 0;
        dcb.fOutxDsrFlow = 0;
        dcb.fDtrControl = DTR_CONTROL_DISABLE;
        dcb.fOutX = 1;
        dcb.fInX = 1;
        dcb.fRtsControl = RTS_CONTROL_DISABLE;
        break;
    default:
        return Fail(static_cast<DWORD>(E_INVALIDARG));
    }
    if (!SetCommState(portHandle, &dcb)) return Fail(GetLastError());
    return 0;
}

long CSerial::SetupReadTimeouts(EReadTimeout readTimeout) {
    lastError = ERROR_SUCCESS;
    if (!portHandle) return Fail(ERROR_INVALID_HANDLE);
    COMMTIMEOUTS timeouts;
    if (!GetCommTimeouts(portHandle, &timeouts)) return Fail(GetLastError());
    switch (readTimeout) {
    case EReadTimeoutNonblocking:
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.ReadTotalTimeoutMultiplier = 0;
        timeouts.ReadTotalTimeoutConstant = 0;
        break;
    case EReadTimeoutBlocking:
        timeouts.ReadIntervalTimeout = 0;
        timeouts.ReadTotalTimeoutMultiplier = 0;
        timeouts.ReadTotalTimeoutConstant = 0;
        break;
    default:
        return Fail(static_cast<DWORD>(E_INVALIDARG));
    }
    if (!SetCommTimeouts(portHandle, &timeouts)) return Fail(GetLastError());
    return 0;
}

CSerial::EBaudrate CSerial::GetBaudrate() {
    DCB dcb;
    if (!ReadState(dcb)) return EBaudUnknown;
    return static_cast<EBaudrate>(dcb.BaudRate);
}

CSerial::EDataBits CSerial::GetDataBits() {
    DCB dcb;
    if (!ReadState(dcb)) return EDataUnknown;
    return static_cast<EDataBits>(dcb.ByteSize);
}

CSerial::EParity CSerial::GetParity() {
    DCB dcb;
    if (!ReadState(dcb)) return EParUnknown;
    return dcb.fParity ? static_cast<EParity>(dcb.Parity) : EParNone;
}

CSerial::EStopBits CSerial::GetStopBits() {
    DCB dcb;
    if (!ReadState(dcb)) return EStopUnknown;
    return static_cast<EStopBits>(dcb.StopBits);
}

CSerial::EHandshake CSerial::GetHandshaking() {
    DCB dcb;
    if (!ReadState(dcb)) return EHandshakeUnknown;
    if (dcb.fDtrControl == DTR_CONTROL_HANDSHAKE && dcb.fRtsControl == RTS_CONTROL_HANDSHAKE)
        return EHandshakeHardware;
    if (dcb.fOutX && dcb.fInX) return EHandshakeSoftware;
    return EHandshakeOff;
}

unsigned long CSerial::GetEventMask() {
    lastError = ERROR_SUCCESS;
    if (!portHandle) {
        Fail(ERROR_INVALID_HANDLE);
        return 0;
    }
    return eventMask;
}

unsigned char CSerial::GetEventChar() {
    DCB dcb;
    if (!ReadState(dcb)) return 0;
    return static_cast<unsigned char>(dcb.EvtChar);
}

long CSerial::Write(const void* data, unsigned int size, unsigned long* written, void* overlapped,
                    unsigned long timeout) {
    lastError = ERROR_SUCCESS;
    CheckBlocking(overlapped, timeout);
    unsigned long local = 0;
    if (!written) written = &local;
    *written = 0;
    if (!portHandle) return Fail(ERROR_INVALID_HANDLE);
    DWORD count = 0;
    const BOOL ok = WriteFile(portHandle, data, size, &count, nullptr);
    *written = count;
    if (!ok) return Fail(GetLastError());
    return 0;
}

long CSerial::Write(const char* text, unsigned long* written, void* overlapped, unsigned long timeout) {
    lastError = ERROR_SUCCESS;
    CheckBlocking(overlapped, timeout);
    const std::size_t length = text ? std::strlen(text) : 0;
    return Write(text, static_cast<unsigned int>(length), written, overlapped, timeout);
}

long CSerial::Read(void* data, unsigned int size, unsigned long* read, void* overlapped,
                   unsigned long timeout) {
    lastError = ERROR_SUCCESS;
    CheckBlocking(overlapped, timeout);
    unsigned long local = 0;
    if (!read) read = &local;
    *read = 0;
    if (!portHandle) return Fail(ERROR_INVALID_HANDLE);
    DWORD count = 0;
    const BOOL ok = ReadFile(portHandle, data, size, &count, nullptr);
    *read = count;
    if (!ok) return Fail(GetLastError());
    return 0;
}

long CSerial::Purge() {
    lastError = ERROR_SUCCESS;
    if (!portHandle) return Fail(ERROR_INVALID_HANDLE);
    if (!PurgeComm(portHandle, PURGE_TXCLEAR | PURGE_RXCLEAR)) return Fail(GetLastError());
    return 0;
}

long CSerial::Break() {
    lastError = ERROR_SUCCESS;
    if (!portHandle) return Fail(ERROR_INVALID_HANDLE);
    SetCommBreak(portHandle);
    Sleep(100);
    ClearCommBreak(portHandle);
    return 0;
}

unsigned long CSerial::GetEventType() {
    const unsigned long events = lastEvent & eventMask;
    lastEvent = 0;
    return events;
}

DWORD CSerial::GetError() {
    lastError = ERROR_SUCCESS;
    if (!portHandle) {
        Fail(ERROR_INVALID_HANDLE);
        return 0;
    }
    DWORD errors = 0;
    if (!ClearCommError(portHandle, &errors, nullptr)) {
        Fail(GetLastError());
        return 0;
    }
    return errors;
}

bool CSerial::ModemStatus(DWORD bit) {
    lastError = ERROR_SUCCESS;
    DWORD status = 0;
    if (!GetCommModemStatus(portHandle, &status)) {
        Fail(GetLastError());
        return false;
    }
    return (status & bit) != 0;
}

bool CSerial::GetCTS() {
    return ModemStatus(MS_CTS_ON);
}

bool CSerial::GetDSR() {
    return ModemStatus(MS_DSR_ON);
}

bool CSerial::GetRing() {
    return ModemStatus(MS_RING_ON);
}

bool CSerial::GetRLSD() {
    return ModemStatus(MS_RLSD_ON);
}

long CSerial::SetDtrRts(bool dtr, bool rts) {
    DCB dcb;
    if (!ReadState(dcb)) return Result();
    dcb.fOutxCtsFlow = 0;
    dcb.fOutxDsrFlow = 0;
    dcb.fDtrControl = dtr ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fRtsControl = rts ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
    if (!SetCommState(portHandle, &dcb)) return Fail(GetLastError());
    return 0;
}
