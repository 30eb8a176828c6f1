// The tuning box as the tuning application sees it: one operation per box command,
// implemented over USB (TOrvoTuningUsbDevice) and over a Bluetooth serial port.
#pragma once

#include <vector>

// The command byte of a request header.
enum class ChipTuningCommand : unsigned char {
    WriteMap = 0x01,          // USB: map, channel, 1024-byte image
    ReadMap = 0x02,           // USB: map, channel -> image
    ReadVoltages = 0x03,      // -> two 16-bit LE input codes, channel 1 first
    SetTuning = 0x04,         // 1 byte: 1 tuning off, 0 on
    GetTuning = 0x05,         // -> byte 0 non-zero: tuning off
    WriteMapChunk = 0x06,     // Bluetooth: chunk index 0..3, 256 bytes
    CommitMap = 0x07,         // Bluetooth: map, channel
    ReadMapChunk = 0x08,      // Bluetooth: map, channel, chunk index -> 256 bytes
    ActivateMap = 0x09,       // 1 byte: map number
    SetTriggeredInput = 0x0B, // 1 byte: 1 on, 0 off
    GetActiveMap = 0x0C,      // -> byte 0: active map
    Identify = 0x90,          // Bluetooth: -> 8-bit identification text
    GetTriggeredInput = 0xB1, // -> byte 0: non-zero on
};

// Result of one device transaction: 0 success. Over USB every failure is -1; over Bluetooth
// -1 not sent, -2 reply status not success, -3 no valid reply, -4 refused. Callers test for 0.
using TransactResult = int;

class TOrvoTuningDevice {
public:
    virtual ~TOrvoTuningDevice();

    virtual bool Open() = 0;
    virtual bool Close() = 0;
    // True when tuning is off (bypass); false also on any failure.
    virtual bool GetTuning() = 0;
    // Shows "Failed to turn on/off tuning." on failure.
    virtual void SetTuning(bool off) = 0;
    // Sends a 1024-byte map image. Channel 1 or 2, map 1 to 4; on the wire the map goes first.
    virtual int SendMap(unsigned char channel, unsigned char map, std::vector<unsigned char> image) = 0;
    virtual int ReadMap(unsigned char channel, unsigned char map, std::vector<unsigned char>* out) = 0;
    virtual int ReadVoltages(std::vector<unsigned char>* out) = 0;
    // The box's active map; 1 on any failure.
    virtual int GetActiveMap() = 0;
    // Sends the low byte of map; shows "Failed to activate map." on failure.
    virtual void ActivateMap(int map) = 0;
    // The box's byte (non-zero = on); 0 on any failure.
    virtual int GetTriggeredInput() = 0;
    // Shows "Failed to set triggered input." on failure.
    virtual void SetTriggeredInput(bool on) = 0;
};
