// The placeable Windows metafile format (.wmf): a placeable header with the picture's
// bounds and units per inch, the metafile header, then 16-bit records that create, select
// and delete pens, brushes and fonts and draw polylines, polygons, rectangles, ellipses,
// text (in 8-bit characters) and bitmaps, ending with an end record.
#pragma once

#include "platform/graphics/MetafileRecorder.h"

#include <QByteArray>
#include <QPicture>
#include <QSize>

namespace platform::metafile {

// True when Data starts with a placeable metafile header.
bool IsWmf(const QByteArray& Data);
// The shapes as a placeable metafile of Frame pixels at 96 units per inch. Coordinates
// are 16-bit; text characters outside Latin-1 become question marks.
QByteArray WriteWmf(const std::vector<MetaShape>& Shapes, QSize Frame);
// Plays a placeable metafile into Picture; Frame gets its size in pixels. False when the
// data is malformed.
bool ReadWmf(const QByteArray& Data, QPicture& Picture, QSize& Frame);

} // namespace platform::metafile
