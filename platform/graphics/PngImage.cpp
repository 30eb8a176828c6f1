#include "platform/graphics/PngImage.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/DeviceContext.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstring>

ORVO_IMPLEMENT_CLASS(TPngImage, TGraphic)

TPngImage::TPngImage() : bitmap_(std::make_unique<TBitmap>()) {
    bitmap_->SetPixelFormat(pf32bit);
}
TPngImage::~TPngImage() = default;

void TPngImage::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TPngImage*>(Source)) {
        bitmap_->Assign(p->bitmap_.get());
        Changed(this);
        return;
    }
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        bitmap_->Assign(b);
        bitmap_->SetPixelFormat(pf32bit);
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TPngImage::AssignTo(TPersistent* Dest) {
    if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
        b->Assign(bitmap_.get());
        return;
    }
    TGraphic::AssignTo(Dest);
}

namespace {
quint32 be32(const unsigned char* p) {
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

// Walks the chunks after the signature up to the end chunk: each (length, type, data, CRC)
// must end within the data. Data that stops at a chunk's end is left to the decoder, which
// reports it; a chunk that claims more than is there is damage.
bool ChunksEndWithinData(const unsigned char* Data, std::size_t Size) {
    std::size_t at = 8;
    while (Size - at >= 8) {
        const quint32 length = be32(Data + at);
        if (length > 0x7FFFFFFFu || length > Size - at - 8 || Size - at - 8 - length < 4) return false;
        if (std::memcmp(Data + at + 4, "IEND", 4) == 0) return true;
        at += 12 + std::size_t(length);
    }
    return at == Size;
}
} // namespace

bool platform::detail::PngHeaderAcceptable(const unsigned char* Data, std::size_t Size, int& Width,
                                           int& Height) {
    // Signature (8 bytes), then the header chunk: length 13, "IHDR", width, height, bit
    // depth, colour type, compression, filter, interlace, CRC.
    static constexpr unsigned char head[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                             0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    constexpr std::size_t kHeadBytes = 33;
    if (Size < kHeadBytes || std::memcmp(Data, head, sizeof head) != 0) return false;
    const quint32 w = be32(Data + 16), h = be32(Data + 20);
    const int depth = Data[24], type = Data[25];
    int channels = 0;
    switch (type) {
    case 0:
        channels = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16 ? 1 : 0;
        break;
    case 3:
        channels = depth == 1 || depth == 2 || depth == 4 || depth == 8 ? 1 : 0;
        break;
    case 2:
    case 4:
    case 6:
        channels = depth == 8 || depth == 16 ? (type == 2 ? 3 : type == 4 ? 2 : 4) : 0;
        break;
    default:
        break;
    }
    if (channels == 0 || w == 0 || h == 0 || !PictureSizeAllowed(w, h)) return false;
    // Deflate turns at most 1032 bytes into one; every row starts with its filter byte.
    const unsigned long long raw = (1 + (static_cast<unsigned long long>(w) * channels * depth + 7) / 8) * h;
    if (raw / 1032 > Size - kHeadBytes) return false;
    if (!ChunksEndWithinData(Data, Size)) return false;
    Width = int(w);
    Height = int(h);
    return true;
}

QImage platform::detail::DecodeCheckedPng(const unsigned char* Data, std::size_t Size, int Width,
                                          int Height) {
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(Data), qsizetype(Size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    // Room for the picture at 16 bits a channel, in whole megabytes.
    const long long bytesNeeded = static_cast<long long>(Width) * Height * 8;
    reader.setAllocationLimit(int(bytesNeeded / (1024 * 1024)) + 1);
    QImage img;
    if (!reader.read(&img) || img.width() != Width || img.height() != Height) return {};
    return img;
}

void TPngImage::LoadFromStream(TStream* Stream) {
    const QByteArray data = platform::detail::ReadRemainingBytes(Stream);
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    int w = 0, h = 0;
    QImage img;
    if (platform::detail::PngHeaderAcceptable(bytes, std::size_t(data.size()), w, h))
        img = platform::detail::DecodeCheckedPng(bytes, std::size_t(data.size()), w, h);
    if (img.isNull()) throw EInvalidGraphic(QStringLiteral("The PNG image is not valid"));
    bitmap_->SetImage(img.convertToFormat(QImage::Format_ARGB32), pf32bit);
    Changed(this);
}

void TPngImage::SaveToStream(TStream* Stream) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!bitmap_->Image().save(&buf, "PNG"))
        throw EInvalidGraphic(QStringLiteral("Cannot write the PNG image"));
    Stream->WriteBuffer(bytes.constData(), int(bytes.size()));
}

void TPngImage::Draw(TCanvas* ACanvas, const TRect& R) {
    if (!ACanvas || Empty()) return;
    // Drawn with its alpha channel over what is there.
    HDC dc = ACanvas->Handle();
    if (QPainter* p = dc->ShapePainter()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->drawImage(QRect(R.Left, R.Top, R.Width(), R.Height()), bitmap_->Image());
        dc->Invalidate(DeviceContext::dRop);
    }
}
