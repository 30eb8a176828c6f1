#include "platform/graphics/PixelRuns.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

std::optional<RunTarget> RunTarget::For(QImage* image, const std::optional<QRegion>& clip) {
    if (!image || image->isNull()) return std::nullopt;
    switch (image->format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        break;
    default:
        return std::nullopt;
    }
    RunTarget t;
    // The painter on the image keeps it unshared, so its pixels are written in place.
    t.bits_ = const_cast<std::uint8_t*>(std::as_const(*image).constBits());
    t.stride_ = image->bytesPerLine();
    const QRect all = image->rect();
    if (!clip) {
        t.rects_.push_back(all);
        t.bounds_ = all;
        return t;
    }
    for (const QRect& r : *clip) {
        const QRect on = r & all;
        if (on.isEmpty()) continue;
        t.rects_.push_back(on);
        t.bounds_ |= on;
    }
    return t;
}

void RunTarget::Paint(QPoint at, const PixelRuns& runs, const QRgb ink[2], bool xorInk) const {
    // A copy sets the opaque colour; XOR leaves the alpha byte as it is.
    const QRgb put[2] = {xorInk ? ink[0] & 0xFFFFFFu : ink[0] | 0xFF000000u,
                         xorInk ? ink[1] & 0xFFFFFFu : ink[1] | 0xFF000000u};
    for (const PixelRun& run : runs) {
        const int y = at.y() + run.y;
        if (y < bounds_.top() || y > bounds_.bottom()) continue;
        const int x0 = at.x() + run.x0, x1 = at.x() + run.x1;
        auto* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
        const QRgb c = put[run.ink];
        for (const QRect& r : rects_) {
            if (y < r.top() || y > r.bottom()) continue;
            const int a = std::max(x0, r.left()), b = std::min(x1, r.right());
            if (xorInk)
                for (int x = a; x <= b; ++x)
                    row[x] ^= c;
            else
                for (int x = a; x <= b; ++x)
                    row[x] = c;
        }
    }
}

namespace {

struct LineKey {
    std::uint64_t pen;
    int dx, dy;
    bool gaps;
    bool operator==(const LineKey&) const = default;
};
struct LineKeyHash {
    std::size_t operator()(const LineKey& k) const {
        std::uint64_t h = k.pen * 0x9E3779B97F4A7C15ull;
        h ^= (std::uint64_t(std::uint32_t(k.dx)) << 32 | std::uint32_t(k.dy)) + 0x7F4A7C159E3779B9ull +
             (h << 6);
        return std::size_t(h ^ (h >> 29) ^ std::uint64_t(k.gaps));
    }
};

// Lines kept: up to this many pixels along, or this area of box for slanted ones.
constexpr int kMaxLineLength = 4096;
constexpr int kMaxLineArea = 64 * 64;
constexpr std::size_t kMaxLines = 4096;

constexpr QRgb kPenInk = 0xFFFF0000u;
constexpr QRgb kGapInk = 0xFF0000FFu;

LineShape RenderLine(const GdiPen& gdiPen, QPoint delta, bool opaqueGaps) {
    const QPen pen = gdiPen.MakeQPen(0);
    const int m = gdiPen.width + 2; // room for the caps and joins
    const QPoint from(m + std::max(0, -delta.x()), m + std::max(0, -delta.y()));
    QImage img(std::abs(delta.x()) + 2 * m + 1, std::abs(delta.y()) + 2 * m + 1,
               QImage::Format_ARGB32_Premultiplied);
    img.fill(0);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen ink = pen;
        ink.setColor(QColor::fromRgba(kPenInk));
        p.setPen(ink);
        if (opaqueGaps) {
            p.setBackgroundMode(Qt::OpaqueMode);
            p.setBackground(QColor::fromRgba(kGapInk));
        }
        p.drawLine(from, from + delta);
    }
    LineShape shape;
    PixelRuns& runs = shape.runs;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width();) {
            const QRgb c = row[x];
            int end = x;
            while (end + 1 < img.width() && row[end + 1] == c)
                ++end;
            if (c != 0)
                runs.push_back({std::int16_t(y - from.y()), std::int16_t(x - from.x()),
                                std::int16_t(end - from.x()), std::uint8_t(c == kPenInk ? 0 : 1)});
            if (c != 0) shape.box |= QRect(x - from.x(), y - from.y(), end - x + 1, 1);
            x = end + 1;
        }
    }
    return shape;
}

} // namespace

const LineShape* LineRuns(const GdiPen& pen, QPoint delta, bool opaqueGaps) {
    const int w = std::abs(delta.x()), h = std::abs(delta.y());
    if (std::max(w, h) > kMaxLineLength || (w > 0 && h > 0 && w * h > kMaxLineArea)) return nullptr;
    thread_local std::unordered_map<LineKey, LineShape, LineKeyHash> lines;
    // The pen's shape is its style bits and width; the colour is the caller's.
    const LineKey key{std::uint64_t(pen.style) << 32 | std::uint32_t(pen.width), delta.x(), delta.y(),
                      opaqueGaps};
    if (auto it = lines.find(key); it != lines.end()) return &it->second;
    if (lines.size() >= kMaxLines) lines.clear();
    return &lines.emplace(key, RenderLine(pen, delta, opaqueGaps)).first->second;
}
