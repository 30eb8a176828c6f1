#include "platform/graphics/BmpCodec.h"

#include "platform/classes/Streams.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace platform::detail {

namespace {

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;

quint16 u16(const Byte* p) {
    return quint16(p[0] | (p[1] << 8));
}
quint32 u32(const Byte* p) {
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}
void put16(std::vector<Byte>& v, quint16 x) {
    v.push_back(Byte(x));
    v.push_back(Byte(x >> 8));
}
void put32(std::vector<Byte>& v, quint32 x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(Byte(x >> (8 * i)));
}

[[noreturn]] void bad() {
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
}

int shiftOf(quint32 mask) {
    int s = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++s;
    }
    return s;
}
int bitsOf(quint32 mask) {
    int n = 0;
    for (; mask; mask >>= 1)
        n += int(mask & 1);
    return n;
}
int channel(quint32 px, quint32 mask) {
    if (!mask) return 0;
    const int bits = bitsOf(mask);
    const quint32 v = (px & mask) >> shiftOf(mask);
    return bits >= 8 ? int(v >> (bits - 8)) : int((v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1));
}

// Expands RLE8/RLE4 data to one palette index per pixel, rows bottom-up.
std::vector<Byte> decodeRle(const std::vector<Byte>& d, int w, int h, bool four) {
    std::vector<Byte> out(std::size_t(w) * std::size_t(h), 0);
    int x = 0, y = 0;
    std::size_t i = 0;
    auto put = [&](Byte v) {
        if (x < w && y < h) out[std::size_t(y) * std::size_t(w) + std::size_t(x)] = v;
        if (x <= w) ++x; // past the row's end the column no longer matters
    };
    while (i + 1 < d.size() && y < h) {
        const Byte n = d[i], v = d[i + 1];
        i += 2;
        if (n > 0) {
            for (int k = 0; k < n; ++k)
                put(four ? Byte((k & 1) ? (v & 0xF) : (v >> 4)) : v);
        } else if (v == 0) {
            x = 0;
            ++y;
        } else if (v == 1) {
            break;
        } else if (v == 2) {
            if (i + 1 >= d.size()) break;
            x = std::min(x + d[i], w + 1);
            y += d[i + 1];
            i += 2;
        } else {
            const int count = v;
            const std::size_t bytes = four ? std::size_t((count + 1) / 2) : std::size_t(count);
            if (i + bytes > d.size()) bad();
            for (int k = 0; k < count; ++k)
                put(four ? Byte((k & 1) ? (d[i + k / 2] & 0xF) : (d[i + k / 2] >> 4))
                         : d[i + std::size_t(k)]);
            i += (bytes + 1) & ~std::size_t(1);
        }
    }
    return out;
}

// The header forms: the 12-byte core header (16-bit sizes, 3-byte palette entries), the
// OS/2 2.x header (16 to 64 bytes, fields past its end are zero; its compressions 3 and 4
// mean Huffman and RLE24, which are not read), and the Windows information headers (40
// bytes and the longer versions that add colour masks at byte 40).
struct BmpHeader {
    qint64 width = 0, height = 0;
    int bpp = 0;
    quint32 compression = 0, colorsUsed = 0;
    bool core = false, os2 = false;
};

BmpHeader parseHeader(const std::vector<Byte>& ih) {
    const std::size_t n = ih.size();
    BmpHeader hd;
    if (n == 12) {
        hd.core = true;
        hd.width = u16(&ih[4]);
        hd.height = u16(&ih[6]);
        hd.bpp = u16(&ih[10]);
        return hd;
    }
    if (n < 16) bad();
    hd.os2 = (n < 52 && n != 40) || n == 64;
    hd.width = qint32(u32(&ih[4]));
    hd.height = qint32(u32(&ih[8]));
    hd.bpp = u16(&ih[14]);
    if (n >= 20) hd.compression = u32(&ih[16]);
    if (n >= 36) hd.colorsUsed = u32(&ih[32]);
    return hd;
}

// Only the depths and compressions the format has, in the combinations it allows.
bool depthAllowed(const BmpHeader& hd) {
    const int bpp = hd.bpp;
    if (hd.core) return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24;
    switch (hd.compression) {
    case 0:
        return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    case 1:
        return bpp == 8;
    case 2:
        return bpp == 4;
    case 3:
    case 6:
        return !hd.os2 && (bpp == 16 || bpp == 32);
    default:
        return false;
    }
}

QImage readBmp(TStream* Stream, TPixelFormat& Format) {
    const Int64 start = Stream->Position();
    Byte fh[kFileHeader];
    if (Stream->Read(fh, kFileHeader) != kFileHeader || fh[0] != 'B' || fh[1] != 'M') bad();
    const quint32 offBits = u32(fh + 10);
    Byte sizeBuf[4];
    Stream->ReadBuffer(sizeBuf, 4);
    const quint32 hsize = u32(sizeBuf);
    if (hsize < 12 || hsize > 256) bad();
    std::vector<Byte> ih(hsize);
    std::memcpy(ih.data(), sizeBuf, 4);
    Stream->ReadBuffer(ih.data() + 4, int(hsize - 4));

    const BmpHeader hd = parseHeader(ih);
    if (!depthAllowed(hd)) bad();
    const int bpp = hd.bpp;
    const quint32 compression = hd.compression;
    const bool topDown = hd.height < 0;
    const qint64 w64 = hd.width, h64 = topDown ? -hd.height : hd.height;
    if (w64 <= 0 || h64 <= 0 || !PictureSizeAllowed(w64, h64)) bad();
    const int w = int(w64), h = int(h64);

    quint32 rMask = 0, gMask = 0, bMask = 0, aMask = 0;
    int maskBytes = 0;
    if (compression == 3 || compression == 6) {
        if (hsize >= 52) {
            rMask = u32(&ih[40]);
            gMask = u32(&ih[44]);
            bMask = u32(&ih[48]);
            if (hsize >= 56) aMask = u32(&ih[52]);
        } else {
            // The masks follow a 40-byte header: three, or four with alpha.
            maskBytes = compression == 6 ? 16 : 12;
            Byte m[16];
            Stream->ReadBuffer(m, maskBytes);
            rMask = u32(m);
            gMask = u32(m + 4);
            bMask = u32(m + 8);
            if (compression == 6) aMask = u32(m + 12);
        }
    } else if (bpp == 16) {
        rMask = 0x7C00;
        gMask = 0x03E0;
        bMask = 0x001F;
    } else if (bpp == 32) {
        rMask = 0x00FF0000;
        gMask = 0x0000FF00;
        bMask = 0x000000FF;
    }

    std::vector<QRgb> palette;
    if (bpp <= 8) {
        const int entries = hd.colorsUsed ? int(std::min<quint32>(hd.colorsUsed, 1u << bpp)) : (1 << bpp);
        const int entrySize = hd.core ? 3 : 4;
        Stream->SetPosition(start + kFileHeader + hsize + maskBytes);
        std::vector<Byte> pal(std::size_t(entries * entrySize));
        Stream->ReadBuffer(pal.data(), int(pal.size()));
        for (int i = 0; i < entries; ++i) {
            const Byte* e = &pal[std::size_t(i * entrySize)];
            palette.push_back(qRgb(e[2], e[1], e[0]));
        }
    }
    // The pixels must be in the stream before their buffer is made.
    const Int64 remain = Stream->Size() - (start + Int64(offBits));
    if (remain <= 0) bad();
    Stream->SetPosition(start + offBits);
    const int stride = int(((qint64(w) * bpp + 31) / 32) * 4);
    std::vector<Byte> data;
    if (compression == 1 || compression == 2) {
        data.resize(std::size_t(std::min<Int64>(remain, std::numeric_limits<int>::max())));
        Stream->ReadBuffer(data.data(), int(data.size()));
    } else {
        const qint64 need = qint64(stride) * h;
        if (need > remain) bad();
        data.resize(std::size_t(need));
        Stream->ReadBuffer(data.data(), int(data.size()));
    }

    auto lookup = [&](int idx) {
        return idx < int(palette.size()) ? palette[std::size_t(idx)] : qRgb(0, 0, 0);
    };
    QImage img;
    if (bpp == 1 && compression == 0) {
        img = QImage(w, h, QImage::Format_Mono);
        // Stored as 1 = white: bit values whose palette entry is the lighter colour.
        const bool invert = palette.size() >= 2 && qGray(palette[0]) > qGray(palette[1]);
        img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        const bool colourPalette =
            palette.size() >= 2 && ((palette[0] != qRgb(0, 0, 0) && palette[0] != qRgb(255, 255, 255)) ||
                                    (palette[1] != qRgb(0, 0, 0) && palette[1] != qRgb(255, 255, 255)));
        if (colourPalette) {
            img = QImage(w, h, QImage::Format_RGB32);
            for (int y = 0; y < h; ++y) {
                const Byte* row = &data[std::size_t(topDown ? y : h - 1 - y) * std::size_t(stride)];
                auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
                for (int x = 0; x < w; ++x)
                    out[x] = lookup((row[x / 8] >> (7 - x % 8)) & 1);
            }
            Format = pfDevice;
            return img;
        }
        for (int y = 0; y < h; ++y) {
            const Byte* row = &data[std::size_t(topDown ? y : h - 1 - y) * std::size_t(stride)];
            Byte* out = img.scanLine(y);
            for (int i = 0; i < (w + 7) / 8; ++i)
                out[i] = invert ? Byte(~row[i]) : row[i];
        }
        Format = pf1bit;
        return img;
    }
    img = QImage(w, h,
                 bpp == 32 && aMask ? QImage::Format_ARGB32
                                    : (bpp == 24 ? QImage::Format_BGR888 : QImage::Format_RGB32));
    if (img.isNull()) bad();
    std::vector<Byte> rle;
    if (compression == 1 || compression == 2) rle = decodeRle(data, w, h, compression == 2);
    for (int y = 0; y < h; ++y) {
        const int srcRow = topDown ? y : h - 1 - y;
        const Byte* row = rle.empty() ? &data[std::size_t(srcRow) * std::size_t(stride)] : nullptr;
        if (bpp == 24) {
            std::memcpy(img.scanLine(y), row, std::size_t(w) * 3);
            continue;
        }
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (!rle.empty()) {
                out[x] = lookup(rle[std::size_t(h - 1 - y) * std::size_t(w) + std::size_t(x)]);
            } else if (bpp == 4) {
                out[x] = lookup((row[x / 2] >> ((x & 1) ? 0 : 4)) & 0xF);
            } else if (bpp == 8) {
                out[x] = lookup(row[x]);
            } else if (bpp == 16) {
                const quint32 px = u16(row + 2 * x);
                out[x] = qRgb(channel(px, rMask), channel(px, gMask), channel(px, bMask));
            } else if (bpp == 32) {
                const quint32 px = u32(row + 4 * x);
                out[x] = qRgba(channel(px, rMask), channel(px, gMask), channel(px, bMask),
                               aMask ? channel(px, aMask) : 255);
            } else {
                bad();
            }
        }
    }
    switch (bpp) {
    case 4:
        Format = pf4bit;
        break;
    case 8:
        Format = pf8bit;
        break;
    case 16:
        Format = gMask == 0x07E0 ? pf16bit : pf15bit;
        break;
    case 24:
        Format = pf24bit;
        break;
    case 32:
        Format = pf32bit;
        break;
    default:
        Format = pfDevice;
        break;
    }
    return img;
}

} // namespace

QImage ReadBmp(TStream* Stream, TPixelFormat& Format) {
    try {
        return readBmp(Stream, Format);
    } catch (const EReadError&) {
        bad(); // a file that ends inside its headers, palette or pixels
    }
}

void WriteBmp(TStream* Stream, const QImage& Image, TPixelFormat Format) {
    const int w = Image.width(), h = Image.height();
    int bpp = 32;
    switch (Format) {
    case pf1bit:
        bpp = 1;
        break;
    case pf4bit:
        bpp = 4;
        break;
    case pf8bit:
        bpp = 8;
        break;
    case pf15bit:
    case pf16bit:
        bpp = 16;
        break;
    case pf24bit:
        bpp = 24;
        break;
    default:
        bpp = Format == pf32bit ? 32 : 24;
        break;
    }
    QImage src;
    std::vector<QRgb> palette;
    if (bpp == 1) {
        src = Image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        if (Image.format() == QImage::Format_Mono) src = Image;
        if (src.colorCount() >= 2 && qGray(src.color(0)) > qGray(src.color(1))) src.invertPixels();
    } else if (bpp <= 8) {
        QVector<QRgb> table;
        if (bpp == 4) {
            // The 16 colours of the Windows default palette.
            table = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                     qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
                     qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                     qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
            src = Image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
        } else {
            src = Image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
        }
        for (QRgb c : src.colorTable())
            palette.push_back(c);
        palette.resize(std::size_t(1 << bpp), qRgb(0, 0, 0));
    } else if (bpp == 24) {
        src = Image.convertToFormat(QImage::Format_BGR888);
    } else {
        src = Image.convertToFormat(Format == pf32bit ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    const int stride = ((w * bpp + 31) / 32) * 4;
    const quint32 paletteBytes = quint32(palette.size() * 4);
    const bool bitfields16 = bpp == 16 && Format == pf16bit;
    const quint32 maskBytes = bitfields16 ? 12 : 0;
    const quint32 offBits = kFileHeader + kInfoHeader + maskBytes + paletteBytes;
    const quint32 imageBytes = quint32(stride) * quint32(h);

    std::vector<Byte> out;
    out.reserve(offBits + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, offBits + imageBytes);
    put32(out, 0);
    put32(out, offBits);
    put32(out, kInfoHeader);
    put32(out, quint32(w));
    put32(out, quint32(h));
    put16(out, 1);
    put16(out, quint16(bpp));
    put32(out, bitfields16 ? 3 : 0);
    put32(out, imageBytes);
    put32(out, 3780); // 96 DPI in pixels per metre
    put32(out, 3780);
    put32(out, quint32(bpp <= 8 ? palette.size() : 0));
    put32(out, 0);
    if (bitfields16) {
        put32(out, 0xF800);
        put32(out, 0x07E0);
        put32(out, 0x001F);
    }
    for (QRgb c : palette) {
        out.push_back(Byte(qBlue(c)));
        out.push_back(Byte(qGreen(c)));
        out.push_back(Byte(qRed(c)));
        out.push_back(0);
    }
    std::vector<Byte> row(static_cast<std::size_t>(stride));
    for (int y = h - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), Byte(0));
        const Byte* s = src.constScanLine(y);
        if (bpp == 1) {
            std::memcpy(row.data(), s, std::size_t((w + 7) / 8));
        } else if (bpp == 4) {
            for (int x = 0; x < w; ++x)
                row[std::size_t(x / 2)] |= Byte((s[x] & 0xF) << ((x & 1) ? 0 : 4));
        } else if (bpp == 8) {
            std::memcpy(row.data(), s, std::size_t(w));
        } else if (bpp == 16) {
            const auto* px = reinterpret_cast<const QRgb*>(s);
            for (int x = 0; x < w; ++x) {
                const QRgb c = px[x];
                const quint16 v =
                    bitfields16 ? quint16(((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3))
                                : quint16(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
                row[std::size_t(2 * x)] = Byte(v);
                row[std::size_t(2 * x + 1)] = Byte(v >> 8);
            }
        } else if (bpp == 24) {
            std::memcpy(row.data(), s, std::size_t(w) * 3);
        } else {
            std::memcpy(row.data(), s, std::size_t(w) * 4);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    Stream->WriteBuffer(out.data(), int(out.size()));
}

} // namespace platform::detail
