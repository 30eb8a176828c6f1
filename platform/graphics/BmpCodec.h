// Windows BMP files: reading 1, 4, 8, 16, 24 and 32-bit files (uncompressed, RLE8, RLE4
// and bit fields; bottom-up and top-down) and writing at every pixel format.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <QImage>

class TStream;

namespace platform::detail {
// Reads a BMP file at the stream's position; raises EInvalidGraphic on a damaged file.
QImage ReadBmp(TStream* Stream, TPixelFormat& Format);
void WriteBmp(TStream* Stream, const QImage& Image, TPixelFormat Format);
} // namespace platform::detail
