// The pictures of the stock cursors: the desktop's cursor theme supplies them when one is
// installed (X cursor files), built-in images otherwise; crNone has none. The desktop still
// shows the stock cursors by their shapes; the pictures are for drawing a cursor (a preview).
#pragma once

#include "platform/graphics/GdiTypes.h"

class QByteArray;
class QImage;

namespace platform::detail {
// The image closest to Want pixels of an X cursor file, with its hot spot; a null image when
// the data are not such a file.
QImage ReadXcursorFile(const QByteArray& Data, int Want, TPoint& HotSpot);
} // namespace platform::detail
