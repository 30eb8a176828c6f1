// Chart texts in a small subset of HTML: bold, italic, underline and strike-through, font
// name, size, colour and weight, headings, bigger and smaller text, subscript and
// superscript, centring, line breaks, horizontal rules, images and the entities &lt;
// &gt; &amp; &quot;. HtmlTextOut draws such a text; HtmlTextExtent measures it through
// the same layout without drawing. Both leave the canvas font as the last tag made it.
#pragma once

#include "platform/graphics/GdiTypes.h"
#include "platform/rtl/Exception.h"

class TTeeCanvas;
class TGraphic;
class TMemoryStream;

// A tag without its closing ">", an unknown font attribute or weight word.
ORVO_DECLARE_EXCEPTION(HtmlParserException, Exception)

// Draws Text with its top-left corner at (X, Y).
void HtmlTextOut(TTeeCanvas* Canvas, int X, int Y, const String& Text);
// The extent of Text laid out from (0, 0): the largest x reached and the height of its
// tallest line.
TSize HtmlTextExtent(TTeeCanvas* Canvas, const String& Text);

// A new, empty picture able to load files of the extension (upper case, with its dot), or
// null. None installed by default.
using TGraphicFileExtension = TGraphic* (*)(const String& Extension);
// Fills Stream with the picture named by Source; 0 on success. None installed by default.
using TGraphicDownload = int (*)(const String& Source, TMemoryStream* Stream);
extern TGraphicFileExtension GraphicFileExtension;
extern TGraphicDownload GraphicDownload;
