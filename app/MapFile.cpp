#include "app/MapFile.h"

#include <QFile>
#include <QSaveFile>
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
    QSaveFile file(fileName);
    // Unbuffered, so the write reports what reached the disk: a buffered write would only
    // fail when the commit flushes, and the commit would then still put the short file in
    // place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) !=
            qint64(bytes.size()) ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.read(qint64(MapFileMaxBytes));
    return ParseMapFile(reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size()),
                        scope, curves);
}
