// The enhanced metafile record format (.emf): a header with the picture's frame, then
// records that create, select and delete pens, brushes and fonts and draw polylines,
// polygons, rectangles, ellipses, text and bitmaps in pixels, ending with an end record.
#pragma once

#include "platform/graphics/MetafileRecorder.h"

#include <QByteArray>
#include <QPicture>
#include <QSize>

namespace platform::metafile {

// True when Data starts with an enhanced metafile header.
bool IsEmf(const QByteArray& Data);
// The shapes as an enhanced metafile of Frame pixels.
QByteArray WriteEmf(const std::vector<MetaShape>& Shapes, QSize Frame);
// Plays an enhanced metafile into Picture; Frame gets its size in pixels. False when the
// data is malformed (Picture is then unspecified).
bool ReadEmf(const QByteArray& Data, QPicture& Picture, QSize& Frame);

} // namespace platform::metafile
