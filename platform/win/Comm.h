// The Windows communications functions over Linux terminals (termios). A port name is a
// device path ("/dev/rfcomm0", "/dev/ttyUSB0"); a leading "\\.\" is removed, so names built
// the Windows way open the same device. Handles are opaque numbers that are never reused, so
// a call on a closed handle fails with ERROR_INVALID_HANDLE instead of touching freed memory.
// Every function sets the thread's last error (GetLastError) with the Windows code.
// A name "rfcomm:<twelve address digits>" is a Bluetooth device's serial port without a
// terminal: opening it connects a socket through the RFCOMM connector (platform/win/Rfcomm.h).
// Such a port keeps the semantics callers rely on: read and write time-outs, purge, queue
// sizes (the socket's buffers), one user at a time, and ERROR_GEN_FAILURE once the device has
// gone; line settings, modem lines and breaks have no meaning on it and succeed.
#pragma once

#include "platform/win/LastError.h"
#include "platform/win/WinTypes.h"

// CreateFileA access, sharing, creation and flags.
inline constexpr DWORD GENERIC_READ = 0x80000000u;
inline constexpr DWORD GENERIC_WRITE = 0x40000000u;
inline constexpr DWORD FILE_SHARE_READ = 0x00000001u;
inline constexpr DWORD FILE_SHARE_WRITE = 0x00000002u;
inline constexpr DWORD CREATE_NEW = 1;
inline constexpr DWORD CREATE_ALWAYS = 2;
inline constexpr DWORD OPEN_EXISTING = 3;
inline constexpr DWORD OPEN_ALWAYS = 4;
inline constexpr DWORD TRUNCATE_EXISTING = 5;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080u;
inline constexpr DWORD FILE_FLAG_OVERLAPPED = 0x40000000u;

// Parity, stop bits, DTR and RTS control of the DCB.
inline constexpr Byte NOPARITY = 0;
inline constexpr Byte ODDPARITY = 1;
inline constexpr Byte EVENPARITY = 2;
inline constexpr Byte MARKPARITY = 3;
inline constexpr Byte SPACEPARITY = 4;
inline constexpr Byte ONESTOPBIT = 0;
inline constexpr Byte ONE5STOPBITS = 1;
inline constexpr Byte TWOSTOPBITS = 2;
inline constexpr DWORD DTR_CONTROL_DISABLE = 0;
inline constexpr DWORD DTR_CONTROL_ENABLE = 1;
inline constexpr DWORD DTR_CONTROL_HANDSHAKE = 2;
inline constexpr DWORD RTS_CONTROL_DISABLE = 0;
inline constexpr DWORD RTS_CONTROL_ENABLE = 1;
inline constexpr DWORD RTS_CONTROL_HANDSHAKE = 2;
inline constexpr DWORD RTS_CONTROL_TOGGLE = 3;

// Standard baud rates.
inline constexpr DWORD CBR_110 = 110;
inline constexpr DWORD CBR_300 = 300;
inline constexpr DWORD CBR_600 = 600;
inline constexpr DWORD CBR_1200 = 1200;
inline constexpr DWORD CBR_2400 = 2400;
inline constexpr DWORD CBR_4800 = 4800;
inline constexpr DWORD CBR_9600 = 9600;
inline constexpr DWORD CBR_14400 = 14400;
inline constexpr DWORD CBR_19200 = 19200;
inline constexpr DWORD CBR_38400 = 38400;
inline constexpr DWORD CBR_56000 = 56000;
inline constexpr DWORD CBR_57600 = 57600;
inline constexpr DWORD CBR_115200 = 115200;
inline constexpr DWORD CBR_128000 = 128000;
inline constexpr DWORD CBR_256000 = 256000;

// PurgeComm flags.
inline constexpr DWORD PURGE_TXABORT = 0x0001;
inline constexpr DWORD PURGE_RXABORT = 0x0002;
inline constexpr DWORD PURGE_TXCLEAR = 0x0004;
inline constexpr DWORD PURGE_RXCLEAR = 0x0008;

// Event mask bits (SetCommMask, WaitCommEvent).
inline constexpr DWORD EV_RXCHAR = 0x0001;
inline constexpr DWORD EV_RXFLAG = 0x0002;
inline constexpr DWORD EV_TXEMPTY = 0x0004;
inline constexpr DWORD EV_CTS = 0x0008;
inline constexpr DWORD EV_DSR = 0x0010;
inline constexpr DWORD EV_RLSD = 0x0020;
inline constexpr DWORD EV_BREAK = 0x0040;
inline constexpr DWORD EV_ERR = 0x0080;
inline constexpr DWORD EV_RING = 0x0100;
inline constexpr DWORD EV_PERR = 0x0200;
inline constexpr DWORD EV_RX80FULL = 0x0400;
inline constexpr DWORD EV_EVENT1 = 0x0800;
inline constexpr DWORD EV_EVENT2 = 0x1000;

// Modem status bits (GetCommModemStatus).
inline constexpr DWORD MS_CTS_ON = 0x0010;
inline constexpr DWORD MS_DSR_ON = 0x0020;
inline constexpr DWORD MS_RING_ON = 0x0040;
inline constexpr DWORD MS_RLSD_ON = 0x0080;

// EscapeCommFunction codes.
inline constexpr DWORD SETXOFF = 1;
inline constexpr DWORD SETXON = 2;
inline constexpr DWORD SETRTS = 3;
inline constexpr DWORD CLRRTS = 4;
inline constexpr DWORD SETDTR = 5;
inline constexpr DWORD CLRDTR = 6;
inline constexpr DWORD RESETDEV = 7;
inline constexpr DWORD SETBREAK = 8;
inline constexpr DWORD CLRBREAK = 9;

// Error bits of ClearCommError.
inline constexpr DWORD CE_RXOVER = 0x0001;
inline constexpr DWORD CE_OVERRUN = 0x0002;
inline constexpr DWORD CE_RXPARITY = 0x0004;
inline constexpr DWORD CE_FRAME = 0x0008;
inline constexpr DWORD CE_BREAK = 0x0010;
inline constexpr DWORD CE_TXFULL = 0x0100;

struct DCB {
    DWORD DCBlength = sizeof(DCB);
    DWORD BaudRate = 0;
    DWORD fBinary : 1 = 0;
    DWORD fParity : 1 = 0;
    DWORD fOutxCtsFlow : 1 = 0;
    DWORD fOutxDsrFlow : 1 = 0;
    DWORD fDtrControl : 2 = 0;
    DWORD fDsrSensitivity : 1 = 0;
    DWORD fTXContinueOnXoff : 1 = 0;
    DWORD fOutX : 1 = 0;
    DWORD fInX : 1 = 0;
    DWORD fErrorChar : 1 = 0;
    DWORD fNull : 1 = 0;
    DWORD fRtsControl : 2 = 0;
    DWORD fAbortOnError : 1 = 0;
    DWORD fDummy2 : 17 = 0;
    Word wReserved = 0;
    Word XonLim = 0;
    Word XoffLim = 0;
    Byte ByteSize = 0;
    Byte Parity = 0;
    Byte StopBits = 0;
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
    Word wReserved1 = 0;
};

struct COMMTIMEOUTS {
    DWORD ReadIntervalTimeout = 0;
    DWORD ReadTotalTimeoutMultiplier = 0;
    DWORD ReadTotalTimeoutConstant = 0;
    DWORD WriteTotalTimeoutMultiplier = 0;
    DWORD WriteTotalTimeoutConstant = 0;
};

struct COMSTAT {
    DWORD fCtsHold : 1 = 0;
    DWORD fDsrHold : 1 = 0;
    DWORD fRlsdHold : 1 = 0;
    DWORD fXoffHold : 1 = 0;
    DWORD fXoffSent : 1 = 0;
    DWORD fEof : 1 = 0;
    DWORD fTxim : 1 = 0;
    DWORD fReserved : 25 = 0;
    DWORD cbInQue = 0;
    DWORD cbOutQue = 0;
};

struct COMMCONFIG {
    DWORD dwSize = sizeof(COMMCONFIG);
    Word wVersion = 0;
    Word wReserved = 0;
    DCB dcb;
    DWORD dwProviderSubType = 0;
    DWORD dwProviderOffset = 0;
    DWORD dwProviderSize = 0;
    char16_t wcProviderData[1] = {};
};

// Opens a terminal for reading and writing. share 0 opens it exclusively: the terminal's
// exclusive flag and a lock on the device, so a second open fails with ERROR_ACCESS_DENIED
// even for root. The terminal is put in raw mode (no echo, no line editing, 8 bits, no flow
// control) with the receiver enabled. Overlapped I/O is not supported (ERROR_INVALID_PARAMETER).
HANDLE CreateFileA(const char* fileName, DWORD desiredAccess, DWORD shareMode, void* securityAttributes,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
inline HANDLE CreateFile(const char* fileName, DWORD desiredAccess, DWORD shareMode, void* securityAttributes,
                         DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile) {
    return CreateFileA(fileName, desiredAccess, shareMode, securityAttributes, creationDisposition,
                       flagsAndAttributes, templateFile);
}
BOOL CloseHandle(HANDLE handle);

// Queue sizes are accepted and ignored; the terminal driver has its own buffers.
BOOL SetupComm(HANDLE handle, DWORD inQueue, DWORD outQueue);
BOOL GetCommState(HANDLE handle, DCB* dcb);
BOOL SetCommState(HANDLE handle, const DCB* dcb);
BOOL GetCommTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts);
BOOL SetCommTimeouts(HANDLE handle, const COMMTIMEOUTS* timeouts);
BOOL PurgeComm(HANDLE handle, DWORD flags);

// Reads and writes follow the port's COMMTIMEOUTS as Windows does: interval MAXDWORD with
// zero totals returns at once with whatever has arrived; all read fields zero wait for the
// full count; a total time-out (multiplier x bytes + constant) that expires ends the call
// successfully with fewer bytes transferred. overlapped must be null.
BOOL ReadFile(HANDLE handle, void* buffer, DWORD toRead, DWORD* bytesRead, void* overlapped);
BOOL WriteFile(HANDLE handle, const void* buffer, DWORD toWrite, DWORD* bytesWritten, void* overlapped);

BOOL ClearCommError(HANDLE handle, DWORD* errors, COMSTAT* stat);
BOOL EscapeCommFunction(HANDLE handle, DWORD function);
BOOL SetCommMask(HANDLE handle, DWORD mask);
BOOL GetCommMask(HANDLE handle, DWORD* mask);
// Waits until an event of the mask occurs (received data, the event character, a line
// error); returns FALSE with ERROR_INVALID_HANDLE when the handle is closed meanwhile.
BOOL WaitCommEvent(HANDLE handle, DWORD* eventMask, void* overlapped);
BOOL GetCommModemStatus(HANDLE handle, DWORD* modemStat);
BOOL SetCommBreak(HANDLE handle);
BOOL ClearCommBreak(HANDLE handle);
// The default configuration of a port and its setting: accepted without effect.
BOOL GetDefaultCommConfigA(const char* name, COMMCONFIG* config, DWORD* size);
BOOL SetCommConfig(HANDLE handle, const COMMCONFIG* config, DWORD size);

namespace platform::detail {
// The descriptor behind a comm handle, or -1; for tests and diagnostics.
int CommDescriptor(HANDLE handle);
} // namespace platform::detail
