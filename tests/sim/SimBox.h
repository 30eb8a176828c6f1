// The simulated tuning box: one model of the box's state and command set, with switches that
// make chosen exchanges go wrong. Front ends (the fake libusb, the pseudo-terminal server) hand
// it raw request frames and deliver the reply pieces it plans. Thread-safe: tests set state and
// faults while a front end serves from its own thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sim {

using Bytes = std::vector<std::uint8_t>;

enum class Transport { Usb, Bt };

// Status bytes of a reply.
inline constexpr std::uint8_t StatusOk = 0x01;
inline constexpr std::uint8_t StatusUnknownCommand = 0x3F;
inline constexpr std::uint8_t StatusInvalidParameter = 0x45;
inline constexpr std::uint8_t StatusInvalidFrame = 0xFF;

inline constexpr std::size_t MapBytes = 1024;
inline constexpr std::size_t ChunkBytes = 256;

// What goes wrong with one exchange. Everything left at its default is normal behaviour.
struct FaultAction {
    bool noReply = false;                           // the request is carried out, the reply never comes
    int delayMs = 0;                                // the reply starts this late (USB: a read with a shorter
                                                    // time-out times out and the reply stays queued)
    std::vector<std::pair<std::size_t, int>> split; // Bluetooth: pieces of these sizes, each after
                                                    // its delay in ms; the rest follows at once
    Bytes stray;                                    // bytes sent before the reply (USB: one transfer)
    bool badChecksum = false;                       // Bluetooth: checksum off by one
    std::optional<std::uint8_t> status;             // status byte sent instead of the real one
    std::optional<std::size_t> dataSize;            // data cut to this many bytes, length to match
    std::optional<std::uint16_t> length;            // length field sent instead of the real one
    std::optional<std::size_t> cutAfter;            // reply bytes after this many are never sent
    bool oneTransfer = false;                       // USB: header and data in one transfer
    std::optional<int> writeResult;                 // USB: the bulk write returns this and the
                                                    // request is lost
    bool hangUp = false;                            // the link goes away once the reply (cut by
                                                    // cutAfter, none with noReply) is out: the
                                                    // terminal hangs up, the socket is closed, the
                                                    // USB device is removed
};

// When a fault applies: to a command, to the n-th exchange (1-based, counted by the box), or
// both; times is the number of uses left (-1: every time).
struct FaultRule {
    std::optional<std::uint8_t> command;
    std::optional<unsigned> exchange;
    int times = -1;
    FaultAction action;
};

// One piece of a reply: the bytes that go out together after a pause. Over USB a piece is
// one bulk transfer.
struct Piece {
    int delayMs = 0;
    Bytes bytes;
};

struct ReplyPlan {
    std::vector<Piece> pieces;
    std::optional<int> writeResult;
    bool hangUp = false; // the link goes away after the pieces
};

class Box {
public:
    Box();

    // The request frame as it arrived on the transport, answered by the plan of the reply.
    ReplyPlan Exchange(Transport transport, const std::uint8_t* frame, std::size_t size);

    // State. Channels 1..2, maps 1..4.
    Bytes Map(int channel, int map) const;
    void SetMap(int channel, int map, const Bytes& image);
    bool TuningOff() const;
    void SetTuningOff(bool off);
    int ActiveMap() const;
    void SetActiveMap(int map);
    std::uint8_t TriggeredInput() const;
    void SetTriggeredInput(std::uint8_t value);
    void SetLiveCodes(std::uint16_t ch1, std::uint16_t ch2);
    // Live codes computed at each voltage request instead of the fixed ones (empty: fixed).
    void SetLiveSource(std::function<std::pair<std::uint16_t, std::uint16_t>()> source);
    std::string Identity() const;
    void SetIdentity(const std::string& text);
    // Chunk indices (bit k) of a Bluetooth map write waiting for its commit.
    unsigned PendingChunks() const;

    // Faults.
    void AddFault(const FaultRule& rule);
    void ClearFaults();

    // Every request frame received, in order, and the number of exchanges.
    std::vector<Bytes> Requests() const;
    unsigned Exchanges() const;
    void ClearLog();

    // A map image of the straight line output = input (entry i = i * 4095 / 511).
    static Bytes IdentityMap();

private:
    std::pair<std::uint8_t, Bytes> Execute(std::uint8_t cmd, const Bytes& data);
    std::optional<FaultAction> TakeFault(std::optional<std::uint8_t> command);

    mutable std::mutex lock_;
    std::array<std::array<Bytes, 4>, 2> maps_;
    bool tuningOff_ = false;
    int activeMap_ = 1;
    std::uint8_t triggered_ = 0;
    std::uint16_t live1_ = 0;
    std::uint16_t live2_ = 0;
    std::function<std::pair<std::uint16_t, std::uint16_t>()> liveSource_;
    std::string identity_ = "CHIPTUNING V1";
    std::array<Bytes, 4> pending_;
    unsigned pendingMask_ = 0;
    std::vector<FaultRule> faults_;
    std::vector<Bytes> requests_;
    unsigned exchanges_ = 0;
};

// The encoded frames, for tests that build or check bytes themselves.
Bytes EncodeUsb(std::uint8_t command, const Bytes& data);
Bytes EncodeBt(std::uint8_t sync, std::uint8_t command, const Bytes& data);

} // namespace sim
