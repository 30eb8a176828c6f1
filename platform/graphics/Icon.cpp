#include "platform/graphics/Icon.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GdiObject.h"
#include "platform/graphics/PngImage.h"

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

ORVO_IMPLEMENT_CLASS(TIcon, TGraphic)

using namespace platform::detail;

struct GdiIcon {
    QImage image; // ARGB32; null for a stock cursor
    TPoint hotSpot;
    bool isIcon = true;
    int shape = -1; // Qt cursor shape of a stock cursor
    bool Stock() const { return shape >= 0; }
};

namespace {

std::uint32_t le16(const uchar* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8);
}
std::uint32_t le32(const uchar* p) {
    return le16(p) | (le16(p + 2) << 16);
}
void put16(QByteArray& b, std::uint32_t v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
void put32(QByteArray& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

constexpr int kMaxIconSide = 1024;

// A directory entry's side: 0 stands for 256 or more (some writers put 0 for any size).
bool sideMatches(int entrySide, int side) {
    return entrySide == 0 ? side > 0 && side <= kMaxIconSide : side == entrySide;
}

// One image of an icon file: a PNG stream or a device-independent bitmap whose height
// counts the colour rows and the mask rows. Every length is checked against the data; a
// PNG's own header must give the entry's size before it is decoded.
QImage decodeImage(const uchar* p, std::size_t n, TSize entrySize, int& bpp) {
    static constexpr uchar png[] = {0x89, 'P', 'N', 'G'};
    if (n >= 8 && std::memcmp(p, png, 4) == 0) {
        bpp = 32;
        int w = 0, h = 0;
        if (!PngHeaderAcceptable(p, n, w, h) || !sideMatches(entrySize.cx, w) ||
            !sideMatches(entrySize.cy, h))
            return {};
        const QImage img = DecodeCheckedPng(p, n, w, h);
        return img.isNull() ? img : img.convertToFormat(QImage::Format_ARGB32);
    }
    if (n < 40) return {};
    const std::uint32_t hdr = le32(p);
    const int w = int(le32(p + 4));
    const int h2 = int(le32(p + 8));
    bpp = int(le16(p + 14));
    const std::uint32_t compression = le32(p + 16);
    std::uint32_t used = le32(p + 32);
    if (hdr < 40 || hdr > n || compression != 0) return {};
    const int h = h2 / 2;
    if (w <= 0 || w > kMaxIconSide || h <= 0 || h > kMaxIconSide) return {};
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return {};
    const std::size_t palSize = bpp <= 8 ? std::size_t(used && used < (1u << bpp) ? used : 1u << bpp) : 0;
    const std::size_t xorStride = ((std::size_t(w) * std::size_t(bpp) + 31) / 32) * 4;
    const std::size_t andStride = ((std::size_t(w) + 31) / 32) * 4;
    const std::size_t palAt = hdr, xorAt = palAt + palSize * 4, andAt = xorAt + xorStride * std::size_t(h);
    if (andAt > n) return {};
    // A 32-bit image may come without a mask; it then has its alpha channel.
    const bool hasMask = andAt + andStride * std::size_t(h) <= n;
    if (!hasMask && bpp != 32) return {};

    QImage img(w, h, QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < h; ++y) {
        const uchar* row = p + xorAt + xorStride * std::size_t(h - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            QRgb c = 0;
            if (bpp <= 8) {
                const int bit = x * bpp;
                const int idx = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1);
                if (std::size_t(idx) < palSize) {
                    const uchar* q = p + palAt + std::size_t(idx) * 4;
                    c = qRgb(q[2], q[1], q[0]);
                } else {
                    c = qRgb(0, 0, 0);
                }
            } else if (bpp == 24) {
                const uchar* q = row + x * 3;
                c = qRgb(q[2], q[1], q[0]);
            } else {
                const uchar* q = row + x * 4;
                c = qRgba(q[2], q[1], q[0], q[3]);
                anyAlpha = anyAlpha || q[3] != 0;
            }
            out[x] = c;
        }
    }
    const bool useAlpha = bpp == 32 && (anyAlpha || !hasMask);
    for (int y = 0; y < h; ++y) {
        const uchar* row = p + andAt + andStride * std::size_t(h - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (useAlpha) continue;
            const bool transparent = hasMask && ((row[x / 8] >> (7 - x % 8)) & 1);
            out[x] = transparent ? 0 : (out[x] | 0xFF000000u);
        }
    }
    return img;
}

QImage argbOf(const QImage& img) {
    return img.format() == QImage::Format_ARGB32 ? img : img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

namespace platform::detail {

const QImage& IconImage(HICON Icon) {
    static const QImage none;
    return Icon ? Icon->image : none;
}

TPoint IconHotSpot(HICON Icon) {
    return Icon ? Icon->hotSpot : TPoint{};
}

int IconCursorShape(HICON Icon) {
    return Icon ? Icon->shape : -1;
}

HICON NewIcon(const QImage& Image, TPoint HotSpot, bool IsIcon, int Shape) {
    auto* icon = new GdiIcon;
    if (!Image.isNull()) icon->image = argbOf(Image);
    icon->hotSpot = HotSpot;
    icon->isIcon = IsIcon;
    icon->shape = Shape;
    return icon;
}

QImage ReadIconFile(const QByteArray& Data, TSize Want, bool& IsCursor, TPoint& HotSpot) {
    const auto* p = reinterpret_cast<const uchar*>(Data.constData());
    const std::size_t n = std::size_t(Data.size());
    if (n < 6 || le16(p) != 0) return {};
    const std::uint32_t type = le16(p + 2), count = le16(p + 4);
    if ((type != 1 && type != 2) || count == 0 || 6 + std::size_t(count) * 16 > n) return {};
    QImage best;
    int bestScore = 0, bestBpp = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const uchar* e = p + 6 + i * 16;
        const std::uint32_t size = le32(e + 8), offset = le32(e + 12);
        if (offset > n || size > n - offset) continue;
        int bpp = 0;
        QImage img = decodeImage(p + offset, size, {int(e[0]), int(e[1])}, bpp);
        if (img.isNull()) continue;
        const int score = std::abs(img.width() - Want.cx) + std::abs(img.height() - Want.cy);
        if (best.isNull() || score < bestScore || (score == bestScore && bpp > bestBpp)) {
            best = img;
            bestScore = score;
            bestBpp = bpp;
            IsCursor = type == 2;
            HotSpot = type == 2 ? TPoint{int(le16(e + 4)), int(le16(e + 6))} : TPoint{};
        }
    }
    return best;
}

QByteArray WriteIconFile(const QImage& Image, bool IsCursor, TPoint HotSpot) {
    const QImage img = argbOf(Image);
    const int w = img.width(), h = img.height();
    const std::uint32_t xorSize = std::uint32_t(w) * 4 * std::uint32_t(h);
    const std::uint32_t andStride = ((std::uint32_t(w) + 31) / 32) * 4;
    const std::uint32_t dibSize = 40 + xorSize + andStride * std::uint32_t(h);
    QByteArray b;
    put16(b, 0);
    put16(b, IsCursor ? 2 : 1);
    put16(b, 1);
    b.append(char(w >= 256 ? 0 : w));
    b.append(char(h >= 256 ? 0 : h));
    b.append(char(0));
    b.append(char(0));
    put16(b, IsCursor ? std::uint32_t(HotSpot.X) : 1);
    put16(b, IsCursor ? std::uint32_t(HotSpot.Y) : 32);
    put32(b, dibSize);
    put32(b, 22);
    put32(b, 40);
    put32(b, std::uint32_t(w));
    put32(b, std::uint32_t(h) * 2);
    put16(b, 1);
    put16(b, 32);
    put32(b, 0);
    put32(b, xorSize + andStride * std::uint32_t(h));
    for (int i = 0; i < 4; ++i)
        put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.append(char(qBlue(row[x])));
            b.append(char(qGreen(row[x])));
            b.append(char(qRed(row[x])));
            b.append(char(qAlpha(row[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QByteArray bits(int(andStride), '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(row[x]) == 0) bits[x / 8] = char(bits[x / 8] | (0x80 >> (x % 8)));
        b.append(bits);
    }
    return b;
}

} // namespace platform::detail

// ---- Handles -----------------------------------------------------------------------------

HICON CreateIconIndirect(const ICONINFO* Info) {
    if (!Info || !Info->hbmColor || Info->hbmColor->image.isNull()) return nullptr;
    QImage img = Info->hbmColor->image.convertToFormat(QImage::Format_ARGB32);
    const bool ownAlpha = Info->hbmColor->image.hasAlphaChannel();
    const QImage* mask = Info->hbmMask ? &Info->hbmMask->image : nullptr;
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (mask && x < mask->width() && y < mask->height()) {
                if ((mask->pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
                    row[x] = 0;
                else if (!ownAlpha)
                    row[x] |= 0xFF000000u;
            } else if (!ownAlpha) {
                row[x] |= 0xFF000000u;
            }
        }
    }
    return NewIcon(img, {int(Info->xHotspot), int(Info->yHotspot)}, Info->fIcon != FALSE);
}

BOOL GetIconInfo(HICON Icon, ICONINFO* Info) {
    if (!Icon || !Info) return FALSE;
    Info->fIcon = Icon->isIcon ? TRUE : FALSE;
    Info->xHotspot = DWORD(Icon->hotSpot.X);
    Info->yHotspot = DWORD(Icon->hotSpot.Y);
    const QImage& img = Icon->image;
    Info->hbmColor = CreateBitmap(img.width(), img.height(), 1, 32, nullptr);
    Info->hbmMask = CreateBitmap(img.width(), img.height(), 1, 1, nullptr);
    if (!img.isNull()) {
        Info->hbmColor->image = img.copy();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                Info->hbmMask->image.setPixel(x, y, qAlpha(img.pixel(x, y)) == 0 ? 1 : 0);
    }
    return TRUE;
}

HICON CopyIcon(HICON Icon) {
    if (!Icon) return nullptr;
    if (Icon->Stock()) return Icon;
    return NewIcon(Icon->image.copy(), Icon->hotSpot, Icon->isIcon);
}

BOOL DestroyIcon(HICON Icon) {
    if (!Icon) return FALSE;
    if (!Icon->Stock()) delete Icon;
    return TRUE;
}

BOOL DestroyCursor(HCURSOR Cursor) {
    return DestroyIcon(Cursor);
}

BOOL DrawIconEx(HDC DC, int X, int Y, HICON Icon, int Width, int Height, UINT, HBRUSH, UINT Flags) {
    if (!DC || !Icon || Icon->image.isNull()) return FALSE;
    const QImage& src = Icon->image;
    const int w = Width > 0 ? Width : src.width(), h = Height > 0 ? Height : src.height();
    QImage img;
    switch (Flags & DI_NORMAL) {
    case DI_MASK:
        img = QImage(src.size(), QImage::Format_RGB32);
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x)
                img.setPixel(x, y, qAlpha(src.pixel(x, y)) == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        break;
    case DI_IMAGE:
        img = src.convertToFormat(QImage::Format_RGB32);
        break;
    default:
        img = src;
        break;
    }
    QPainter* p = DC->ShapePainter();
    if (!p) return FALSE;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(QRect(X, Y, w, h), img);
    DC->Invalidate(DeviceContext::dRop);
    return TRUE;
}

BOOL DrawIcon(HDC DC, int X, int Y, HICON Icon) {
    return DrawIconEx(DC, X, Y, Icon, 0, 0, 0, nullptr, DI_NORMAL);
}

// ---- TIcon -------------------------------------------------------------------------------

TIcon::TIcon() = default;

TIcon::~TIcon() {
    DestroyIcon(handle_);
}

void TIcon::Reset(HICON NewHandle) {
    if (handle_ != NewHandle) DestroyIcon(handle_);
    handle_ = NewHandle;
    data_.reset();
}

bool TIcon::Empty() const {
    return !handle_ || handle_->image.isNull();
}
int TIcon::Width() const {
    return Empty() ? requested_.cx : handle_->image.width();
}
int TIcon::Height() const {
    return Empty() ? requested_.cy : handle_->image.height();
}

void TIcon::SetWidth(int Value) {
    if (!Empty()) {
        if (Value == Width()) return;
        throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
    }
    requested_.cx = std::max(0, Value);
}

void TIcon::SetHeight(int Value) {
    if (!Empty()) {
        if (Value == Height()) return;
        throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of an icon"));
    }
    requested_.cy = std::max(0, Value);
}

void TIcon::SetHandle(HICON Value) {
    Reset(Value);
    Changed(this);
}

HICON TIcon::ReleaseHandle() {
    HICON h = handle_;
    handle_ = nullptr;
    data_.reset();
    Changed(this);
    return h;
}

void TIcon::Assign(TPersistent* Source) {
    if (!Source) {
        SetHandle(nullptr);
        return;
    }
    if (auto* i = dynamic_cast<TIcon*>(Source)) {
        if (i == this) return;
        Reset(CopyIcon(i->handle_));
        if (i->data_) data_ = std::make_unique<QByteArray>(*i->data_);
        requested_ = i->requested_;
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TIcon::AssignTo(TPersistent* Dest) {
    if (auto* b = dynamic_cast<TBitmap*>(Dest)) {
        // The transparent pixels become the bitmap's transparent colour (white).
        QImage img(IconImage(handle_).size(), QImage::Format_RGB32);
        img.fill(Qt::white);
        if (!img.isNull()) {
            QPainter p(&img);
            p.drawImage(0, 0, IconImage(handle_));
        }
        b->SetImage(img, pfDevice);
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TIcon::LoadFromStream(TStream* Stream) {
    const QByteArray data = ReadRemainingBytes(Stream);
    bool isCursor = false;
    TPoint hot;
    const QImage img = ReadIconFile(data, requested_, isCursor, hot);
    if (img.isNull()) throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
    Reset(NewIcon(img, hot, !isCursor));
    data_ = std::make_unique<QByteArray>(std::move(data));
    Changed(this);
}

void TIcon::SaveToStream(TStream* Stream) {
    if (Empty()) throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
    const QByteArray bytes =
        data_ ? *data_ : WriteIconFile(handle_->image, !handle_->isIcon, handle_->hotSpot);
    Stream->WriteBuffer(bytes.constData(), int(bytes.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& R) {
    if (!ACanvas || Empty()) return;
    DrawIconEx(ACanvas->Handle(), R.Left, R.Top, handle_, R.Width(), R.Height(), 0, nullptr, DI_NORMAL);
}
