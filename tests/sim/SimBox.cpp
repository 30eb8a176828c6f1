#include "tests/sim/SimBox.h"

#include <algorithm>
#include <tuple>

namespace sim {

namespace {
std::uint8_t Sum(const Bytes& bytes, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>(sum);
}

bool ValidMap(int map) {
    return map >= 1 && map <= 4;
}
bool ValidChannel(int ch) {
    return ch == 1 || ch == 2;
}
} // namespace

Bytes EncodeUsb(std::uint8_t command, const Bytes& data) {
    const std::size_t length = data.size() + 3;
    Bytes frame{std::uint8_t(length & 0xFF), std::uint8_t((length >> 8) & 0xFF), command};
    frame.insert(frame.end(), data.begin(), data.end());
    return frame;
}

Bytes EncodeBt(std::uint8_t sync, std::uint8_t command, const Bytes& data) {
    const std::size_t length = data.size() + 5;
    Bytes frame{sync, std::uint8_t(length & 0xFF), std::uint8_t((length >> 8) & 0xFF), command};
    frame.insert(frame.end(), data.begin(), data.end());
    frame.push_back(Sum(frame, frame.size()));
    return frame;
}

Bytes Box::IdentityMap() {
    Bytes image(MapBytes);
    for (unsigned i = 0; i < 512; ++i) {
        const unsigned code = (i * 4095 + 255) / 511;
        image[2 * i] = std::uint8_t(code & 0xFF);
        image[2 * i + 1] = std::uint8_t(code >> 8);
    }
    return image;
}

Box::Box() {
    for (auto& channel : maps_)
        for (auto& map : channel)
            map = IdentityMap();
}

std::pair<std::uint8_t, Bytes> Box::Execute(std::uint8_t cmd, const Bytes& data) {
    const auto invalid = std::pair<std::uint8_t, Bytes>{StatusInvalidParameter, {}};
    const auto ok = [](Bytes reply = {}) {
        return std::pair<std::uint8_t, Bytes>{StatusOk, std::move(reply)};
    };
    switch (cmd) {
    case 0x01: // WriteMap: map, channel, image
        if (data.size() != 2 + MapBytes || !ValidMap(data[0]) || !ValidChannel(data[1])) return invalid;
        maps_[data[1] - 1][data[0] - 1].assign(data.begin() + 2, data.end());
        return ok();
    case 0x02: // ReadMap: map, channel
        if (data.size() != 2 || !ValidMap(data[0]) || !ValidChannel(data[1])) return invalid;
        return ok(maps_[data[1] - 1][data[0] - 1]);
    case 0x03: { // ReadVoltages
        if (!data.empty()) return invalid;
        std::uint16_t a = live1_, b = live2_;
        if (liveSource_) std::tie(a, b) = liveSource_();
        return ok(
            {std::uint8_t(a & 0xFF), std::uint8_t(a >> 8), std::uint8_t(b & 0xFF), std::uint8_t(b >> 8)});
    }
    case 0x04: // SetTuning: 1 off, 0 on
        if (data.size() != 1 || data[0] > 1) return invalid;
        tuningOff_ = data[0] == 1;
        return ok();
    case 0x05: // GetTuning
        if (!data.empty()) return invalid;
        return ok({std::uint8_t(tuningOff_ ? 1 : 0)});
    case 0x06: { // WriteMapChunk: k, 256 bytes
        if (data.size() != 1 + ChunkBytes || data[0] > 3) return invalid;
        pending_[data[0]].assign(data.begin() + 1, data.end());
        pendingMask_ |= 1u << data[0];
        return ok();
    }
    case 0x07: { // CommitMap: map, channel; needs all four chunks
        if (data.size() != 2 || !ValidMap(data[0]) || !ValidChannel(data[1]) || pendingMask_ != 0xF)
            return invalid;
        Bytes& map = maps_[data[1] - 1][data[0] - 1];
        map.clear();
        for (const Bytes& chunk : pending_)
            map.insert(map.end(), chunk.begin(), chunk.end());
        pendingMask_ = 0;
        return ok();
    }
    case 0x08: { // ReadMapChunk: map, channel, k
        if (data.size() != 3 || !ValidMap(data[0]) || !ValidChannel(data[1]) || data[2] > 3) return invalid;
        const Bytes& map = maps_[data[1] - 1][data[0] - 1];
        return ok(Bytes(map.begin() + data[2] * ChunkBytes, map.begin() + (data[2] + 1) * ChunkBytes));
    }
    case 0x09: // ActivateMap
        if (data.size() != 1 || !ValidMap(data[0])) return invalid;
        activeMap_ = data[0];
        return ok();
    case 0x0B: // SetTriggeredInput
        if (data.size() != 1 || data[0] > 1) return invalid;
        triggered_ = data[0];
        return ok();
    case 0x0C: // GetActiveMap
        if (!data.empty()) return invalid;
        return ok({std::uint8_t(activeMap_)});
    case 0x90: // Identify
        if (!data.empty()) return invalid;
        return ok(Bytes(identity_.begin(), identity_.end()));
    case 0xB1: // GetTriggeredInput
        if (!data.empty()) return invalid;
        return ok({triggered_});
    default:
        return {StatusUnknownCommand, {}};
    }
}

std::optional<FaultAction> Box::TakeFault(std::optional<std::uint8_t> command) {
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->command && it->command != command) continue;
        if (it->exchange && *it->exchange != exchanges_) continue;
        FaultAction action = it->action;
        if (it->times > 0 && --it->times == 0) faults_.erase(it);
        return action;
    }
    return std::nullopt;
}

ReplyPlan Box::Exchange(Transport transport, const std::uint8_t* frame, std::size_t size) {
    std::lock_guard<std::mutex> guard(lock_);
    Bytes request(frame, frame + size);
    requests_.push_back(request);
    ++exchanges_;

    // Parse the request; a malformed frame is answered with the invalid-frame status.
    const bool usb = transport == Transport::Usb;
    const std::size_t headerSize = usb ? 3 : 4;
    const std::size_t footerSize = usb ? 0 : 1;
    std::optional<std::uint8_t> command;
    if (size >= headerSize) command = request[headerSize - 1];
    bool wellFormed = size >= headerSize + footerSize;
    if (wellFormed) {
        const std::size_t lengthAt = usb ? 0 : 1;
        const std::size_t length = request[lengthAt] | (request[lengthAt + 1] << 8);
        wellFormed = length == size;
        if (!usb)
            wellFormed = wellFormed && request[0] == 0xAA && Sum(request, size - 1) == request[size - 1];
    }

    const std::optional<FaultAction> fault = TakeFault(command);
    const FaultAction action = fault.value_or(FaultAction{});
    ReplyPlan plan;
    plan.hangUp = action.hangUp;
    if (action.writeResult) {
        plan.writeResult = action.writeResult;
        return plan;
    }

    std::uint8_t status = StatusInvalidFrame;
    Bytes data;
    if (wellFormed)
        std::tie(status, data) =
            Execute(*command, Bytes(request.begin() + headerSize, request.end() - footerSize));
    if (action.noReply) return plan;
    if (action.status) status = *action.status;
    if (action.dataSize && *action.dataSize < data.size()) data.resize(*action.dataSize);

    // Lay the reply out.
    Bytes header;
    std::size_t length = data.size() + headerSize + footerSize;
    if (action.length) length = *action.length;
    if (!usb) header.push_back(0xBB);
    header.push_back(std::uint8_t(length & 0xFF));
    header.push_back(std::uint8_t((length >> 8) & 0xFF));
    header.push_back(status);

    std::vector<Bytes> parts;
    if (!action.stray.empty()) parts.push_back(action.stray);
    if (usb) {
        if (action.oneTransfer) {
            Bytes whole = header;
            whole.insert(whole.end(), data.begin(), data.end());
            parts.push_back(std::move(whole));
        } else {
            parts.push_back(header);
            if (!data.empty()) parts.push_back(data);
        }
    } else {
        Bytes whole = header;
        whole.insert(whole.end(), data.begin(), data.end());
        std::uint8_t sum = Sum(whole, whole.size());
        if (action.badChecksum) ++sum;
        whole.push_back(sum);
        parts.push_back(std::move(whole));
    }

    // Cut the reply short.
    if (action.cutAfter) {
        std::size_t left = *action.cutAfter;
        for (Bytes& part : parts) {
            const std::size_t keep = std::min(left, part.size());
            part.resize(keep);
            left -= keep;
        }
        parts.erase(std::remove_if(parts.begin(), parts.end(), [](const Bytes& p) { return p.empty(); }),
                    parts.end());
    }

    if (usb || action.split.empty()) {
        for (Bytes& part : parts)
            plan.pieces.push_back(Piece{0, std::move(part)});
    } else {
        Bytes stream;
        for (const Bytes& part : parts)
            stream.insert(stream.end(), part.begin(), part.end());
        std::size_t at = 0;
        for (const auto& [count, delay] : action.split) {
            const std::size_t n = std::min(count, stream.size() - at);
            plan.pieces.push_back(Piece{delay, Bytes(stream.begin() + at, stream.begin() + at + n)});
            at += n;
        }
        if (at < stream.size()) plan.pieces.push_back(Piece{0, Bytes(stream.begin() + at, stream.end())});
    }
    if (!plan.pieces.empty()) plan.pieces.front().delayMs += action.delayMs;
    return plan;
}

Bytes Box::Map(int channel, int map) const {
    std::lock_guard<std::mutex> guard(lock_);
    return maps_.at(channel - 1).at(map - 1);
}

void Box::SetMap(int channel, int map, const Bytes& image) {
    std::lock_guard<std::mutex> guard(lock_);
    maps_.at(channel - 1).at(map - 1) = image;
}

bool Box::TuningOff() const {
    std::lock_guard<std::mutex> guard(lock_);
    return tuningOff_;
}

void Box::SetTuningOff(bool off) {
    std::lock_guard<std::mutex> guard(lock_);
    tuningOff_ = off;
}

int Box::ActiveMap() const {
    std::lock_guard<std::mutex> guard(lock_);
    return activeMap_;
}

void Box::SetActiveMap(int map) {
    std::lock_guard<std::mutex> guard(lock_);
    activeMap_ = map;
}

std::uint8_t Box::TriggeredInput() const {
    std::lock_guard<std::mutex> guard(lock_);
    return triggered_;
}

void Box::SetTriggeredInput(std::uint8_t value) {
    std::lock_guard<std::mutex> guard(lock_);
    triggered_ = value;
}

void Box::SetLiveCodes(std::uint16_t ch1, std::uint16_t ch2) {
    std::lock_guard<std::mutex> guard(lock_);
    live1_ = ch1;
    live2_ = ch2;
}

void Box::SetLiveSource(std::function<std::pair<std::uint16_t, std::uint16_t>()> source) {
    std::lock_guard<std::mutex> guard(lock_);
    liveSource_ = std::move(source);
}

std::string Box::Identity() const {
    std::lock_guard<std::mutex> guard(lock_);
    return identity_;
}

void Box::SetIdentity(const std::string& text) {
    std::lock_guard<std::mutex> guard(lock_);
    identity_ = text;
}

unsigned Box::PendingChunks() const {
    std::lock_guard<std::mutex> guard(lock_);
    return pendingMask_;
}

void Box::AddFault(const FaultRule& rule) {
    std::lock_guard<std::mutex> guard(lock_);
    faults_.push_back(rule);
}

void Box::ClearFaults() {
    std::lock_guard<std::mutex> guard(lock_);
    faults_.clear();
}

std::vector<Bytes> Box::Requests() const {
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

unsigned Box::Exchanges() const {
    std::lock_guard<std::mutex> guard(lock_);
    return exchanges_;
}

void Box::ClearLog() {
    std::lock_guard<std::mutex> guard(lock_);
    requests_.clear();
}

} // namespace sim
