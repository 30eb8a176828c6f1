#include "chart/engine/pictures/SmoothStretch.h"

#include "platform/graphics/Bitmap.h"

#include <algorithm>
#include <cmath>

void TeeCalcLines(TRGBArray& Lines, TBitmap* Bitmap) {
    Lines.clear();
    if (!Bitmap) return;
    if (Bitmap->PixelFormat() != pf24bit) Bitmap->SetPixelFormat(pf24bit);
    const int h = Bitmap->Height();
    if (Bitmap->Width() < 1 || h < 1) return;
    Lines.resize(std::size_t(h));
    // Each row is asked for: a one-row bitmap has no second row to measure a stride from.
    for (int y = 0; y < h; ++y)
        Lines[std::size_t(y)] = static_cast<TRGB*>(Bitmap->ScanLine(y));
}

namespace {

constexpr float kPi = 3.14159265358979323846f;

double triangle(double x) {
    return std::max(0.0, 1 - std::abs(x));
}

double lanczos3(double x) {
    const float v = float(x);
    if (v == 0) return 1;
    if (std::abs(v) >= 3) return 0;
    auto sinc = [](float t) { return std::sin(kPi * t) / (kPi * t); };
    return double(sinc(v) * sinc(v / 3));
}

struct Contributor {
    int index;
    int weight;
};
using Contributors = std::vector<std::vector<Contributor>>;

// For every destination index, the source indices and their weights (1024 = one).
Contributors contributors(int S, int D, double (*filter)(double), double support) {
    const double q = double(D - 1) / double(S - 1);
    const double a = 1 / q;
    // A reduction widens the filter by the scale; an enlargement keeps its full support,
    // so that the weights of a destination pixel between two samples still add up to
    // one (with support / scale the Lanczos filter loses its negative lobes there and
    // brightens the picture by a fifth).
    const double width = support * std::max(a, 1.0);
    const double fq = std::min(q, 1.0);
    Contributors result(static_cast<std::size_t>(D));
    for (int i = 0; i < D; ++i) {
        const double centre = i * a;
        const int first = int(std::floor(centre - width)), last = int(std::ceil(centre + width));
        auto& list = result[std::size_t(i)];
        for (int j = first; j <= last; ++j) {
            const int w = RoundPx(filter(fq * (centre - j)) * 1024 * fq);
            if (w == 0) continue;
            // Indices beyond either end are mirrored back; a wide filter (a strong
            // reduction) can reach further than one mirror brings back, so the result
            // is held to the source as well.
            int k = j < 0 ? -j : j > S - 1 ? 2 * S - j - 1 : j;
            k = std::clamp(k, 0, S - 1);
            list.push_back({k, w});
        }
    }
    return result;
}

Byte component(int sum) {
    if (sum < 0) return 0;
    if (sum >= 256 * 1024) return 255;
    return Byte(sum >> 10);
}

} // namespace

void SmoothStretch(TBitmap* Src, TBitmap* Dst) {
    SmoothStretch(Src, Dst, ssBestQuality);
}

void SmoothStretch(TBitmap* Src, TBitmap* Dst, TSmoothStretchOption Option) {
    if (!Src || !Dst) return;
    const int sw = Src->Width(), sh = Src->Height(), dw = Dst->Width(), dh = Dst->Height();
    if (sw < 2 || sh < 2 || dw < 2 || dh < 2) return;
    // The source is read through a 24-bit copy when it is held in another format, so
    // that resampling never changes the caller's picture.
    TBitmap converted;
    TBitmap* src = Src;
    if (Src->PixelFormat() != pf24bit) {
        converted.Assign(Src);
        converted.SetPixelFormat(pf24bit);
        src = &converted;
    }
    double (*filter)(double) = Option == ssBestQuality ? lanczos3 : triangle;
    const double support = Option == ssBestQuality ? 3 : 1;

    TBitmap work;
    work.SetPixelFormat(pf24bit);
    work.SetSize(dw, sh);
    const Contributors across = contributors(sw, dw, filter, support);
    for (int y = 0; y < sh; ++y) {
        const auto* in = static_cast<const TRGB*>(src->ScanLine(y));
        auto* out = static_cast<TRGB*>(work.ScanLine(y));
        for (int x = 0; x < dw; ++x) {
            int r = 0, g = 0, b = 0;
            for (const Contributor& c : across[std::size_t(x)]) {
                const TRGB& p = in[c.index];
                r += c.weight * p.Red;
                g += c.weight * p.Green;
                b += c.weight * p.Blue;
            }
            out[x] = {component(b), component(g), component(r)};
        }
    }

    if (Dst->PixelFormat() != pf24bit) Dst->SetPixelFormat(pf24bit);
    const Contributors down = contributors(sh, dh, filter, support);
    std::vector<const TRGB*> rows(static_cast<std::size_t>(sh));
    for (int y = 0; y < sh; ++y)
        rows[std::size_t(y)] = static_cast<const TRGB*>(work.ScanLine(y));
    for (int y = 0; y < dh; ++y) {
        auto* out = static_cast<TRGB*>(Dst->ScanLine(y));
        const auto& list = down[std::size_t(y)];
        for (int x = 0; x < dw; ++x) {
            int r = 0, g = 0, b = 0;
            for (const Contributor& c : list) {
                const TRGB& p = rows[std::size_t(c.index)][x];
                r += c.weight * p.Red;
                g += c.weight * p.Green;
                b += c.weight * p.Blue;
            }
            out[x] = {component(b), component(g), component(r)};
        }
    }
}
