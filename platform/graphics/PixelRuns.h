// Shapes a chart draws by the hundred -- the segments of a line series, its pointers, grid
// and cursor lines -- written straight into the pixels of a 32-bit image as horizontal runs.
// A shape's runs are worked out once for its size and pen (by Qt's own rasteriser for
// lines, so that the pixels are the very ones a painter would set) and then copied under
// an integral offset: the clip region cuts each run, as it cuts the spans of a painter.
#pragma once

#include "platform/graphics/GdiObject.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

#include <cstdint>
#include <optional>
#include <vector>

// Pixels [x0, x1] of row y, relative to the shape's anchor, in one of two inks (0: the pen,
// 1: the background of a styled line's gaps or the brush of a filled shape).
struct PixelRun {
    std::int16_t y, x0, x1;
    std::uint8_t ink;
};
using PixelRuns = std::vector<PixelRun>;

// Where runs go: the 32-bit pixels of an image and the rectangles of the clip region that
// lie on it (device units).
class RunTarget {
public:
    // A target for the image and clip, or none when the image is not 32 bits per pixel.
    static std::optional<RunTarget> For(QImage* image, const std::optional<QRegion>& clip);
    const QRect& Bounds() const { return bounds_; }
    // Copies (or XORs, with xorInk) the runs anchored at `at` in the two ink colours.
    void Paint(QPoint at, const PixelRuns& runs, const QRgb ink[2], bool xorInk) const;

private:
    std::uint8_t* bits_ = nullptr;
    qsizetype stride_ = 0;
    QRect bounds_; // the pixels that may change: the image less what the clip leaves out
    std::vector<QRect> rects_;
};

// A line's runs and the box they cover, relative to its start.
struct LineShape {
    PixelRuns runs;
    QRect box;
};
// The shape of a line from (0, 0) to delta drawn with the pen (of any colour; antialiasing
// off), as Qt's raster engine draws it; with opaqueGaps the gaps of a styled pen are ink 1.
// The answer stays valid until the next call. Null when the line is too long to keep.
const LineShape* LineRuns(const GdiPen& pen, QPoint delta, bool opaqueGaps);
