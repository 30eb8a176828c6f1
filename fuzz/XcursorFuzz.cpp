// Feeds arbitrary bytes to the reader of X cursor files (the desktop theme's cursor pictures).
// Seeds: fuzz/seeds/xcursor/. A damaged file gives a null image; one that reads has the size its
// header gave and a hot spot inside it.
#include "platform/graphics/CursorTheme.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    TPoint hot{-1, -1};
    const QImage image = platform::detail::ReadXcursorFile(bytes, 32, hot);
    if (!image.isNull() && (hot.X < 0 || hot.Y < 0 || hot.X > image.width() || hot.Y > image.height()))
        std::abort();
    return 0;
}
