#include "app/MapFile.h"

#include "platform/classes/Streams.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileReplace.h"

#include <stdexcept>

namespace {

void PutWord(std::vector<unsigned char>& out, std::uint16_t w) {
    out.push_back(std::uint8_t(w & 0xFF));
    out.push_back(std::uint8_t(w >> 8));
}

void PutCount(std::vector<unsigned char>& out, std::uint32_t n) {
    PutWord(out, std::uint16_t(n & 0xFFFF));
    PutWord(out, std::uint16_t(n >> 16));
}

// Reads the little-endian fields of a file's bytes, refusing to read past the end.
class TMapFileReader {
public:
    TMapFileReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    bool Word(std::uint16_t& w) {
        if (size_ - pos_ < 2) return false;
        w = std::uint16_t(data_[pos_] | data_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }
    // A whole curve: its count must be CurveLength and every entry must be there and valid.
    bool Curve(CurvePoints& curve) {
        std::uint16_t low = 0, high = 0;
        if (!Word(low) || !Word(high)) return false;
        if ((std::uint32_t(high) << 16 | low) != std::uint32_t(CurveLength)) return false;
        curve.resize(CurveLength);
        for (std::uint16_t& entry : curve)
            if (!Word(entry) || !IsCurveEntry(entry)) return false;
        return true;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<unsigned char> MapFileBytes(const std::vector<CurvePoints>& curves) {
    if (curves.size() != 1 && curves.size() != 2)
        throw std::invalid_argument("a map file holds one or two curves");
    std::vector<unsigned char> out;
    PutWord(out, curves.size() == 1 ? MapFileOneCurve : MapFileTwoCurves);
    for (const CurvePoints& curve : curves) {
        PutCount(out, std::uint32_t(curve.size()));
        for (std::uint16_t entry : curve)
            PutWord(out, entry);
    }
    return out;
}

bool SaveMapFile(const String& fileName, const std::vector<CurvePoints>& curves) {
    const std::vector<unsigned char> bytes = MapFileBytes(curves);
    // A save killed before its rename leaves a whole copy beside the file; the next save into
    // the folder removes those of savers that are gone, whichever file they were saving.
    return ReplaceFileContents(
               fileName, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())),
               TStaleTemporaries::OfFolder) == 0;
}

bool ParseMapFile(const unsigned char* data, std::size_t size, TMapFileScope scope,
                  std::vector<CurvePoints>& curves) {
    TMapFileReader reader(data, size);
    std::uint16_t format = 0;
    if (!reader.Word(format)) return false;
    std::size_t count = 1;
    if (scope == TMapFileScope::AllCurves) {
        if (format != MapFileOneCurve && format != MapFileTwoCurves) return false;
        count = format == MapFileTwoCurves ? 2 : 1;
    }
    std::vector<CurvePoints> read(count);
    for (CurvePoints& curve : read)
        if (!reader.Curve(curve)) return false;
    curves = std::move(read);
    return true;
}

bool LoadMapFile(const String& fileName, TMapFileScope scope, std::vector<CurvePoints>& curves) {
    // The stream opens nothing but a regular file, without waiting: a FIFO or a device
    // chosen in the dialog is a file that cannot be read, not a hang.
    std::vector<unsigned char> bytes(MapFileMaxBytes);
    std::size_t got = 0;
    try {
        TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
        while (got < bytes.size()) {
            const int n = file.Read(bytes.data() + got, int(bytes.size() - got));
            if (n <= 0) break;
            got += std::size_t(n);
        }
    } catch (const Exception&) {
        return false;
    }
    return ParseMapFile(bytes.data(), got, scope, curves);
}
