// Bitmap and glyph drawing for the extended controls: what lies under a window-less
// control, blits that leave out one colour, the embossed look of disabled glyphs and
// image-list items, and an 8 x 8 checker pattern.
#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/GdiTypes.h"

class TBitmap;
class TCanvas;
class TControl;
class TCustomImageList;

// Paints on Canvas (the control's own coordinates) what its parent shows under the
// control: the parent's background and its own painting, then each visible sibling before
// the control in z-order whose bounds meet the control's.
void PaintParentUnderControl(TControl* Control, TCanvas* Canvas);

// Stretches the source area onto the destination area, leaving out the source pixels of
// TransparentColor (an RGB value); Palette may be null.
void StretchBltWithoutColor(HDC DstDC, int DstX, int DstY, int DstW, int DstH, HDC SrcDC, int SrcX, int SrcY,
                            int SrcW, int SrcH, HPALETTE Palette, COLORREF TransparentColor);
// Draws a part of Bitmap (SrcW or SrcH below 1: all of it) stretched onto Canvas (DstW or
// DstH below 1: the bitmap's size), leaving out the pixels of TransparentColor; clDefault
// stands for the bitmap's bottom-left pixel, clNone draws every pixel with the canvas's
// copy mode.
void StretchBitmapWithTransparency(TCanvas* Canvas, TBitmap* Bitmap, TColor TransparentColor, int DstX,
                                   int DstY, int DstW, int DstH, int SrcX, int SrcY, int SrcW, int SrcH);
void DrawBitmapWithTransparency(TCanvas* Canvas, int DstX, int DstY, TBitmap* Bitmap,
                                TColor TransparentColor);

// A new bitmap (the caller owns it) of Bitmap's size in BackColor on which the pixels of
// Bitmap that are not TransparentColor are embossed: HighlightColor one pixel right and
// down (with Highlight), ShadowColor in place.
TBitmap* MakeDisabledBitmapColored(TBitmap* Bitmap, TColor TransparentColor, TColor BackColor, bool Highlight,
                                   TColor ShadowColor, TColor HighlightColor);
// The same in clBtnFace, clBtnHighlight and clBtnShadow.
TBitmap* MakeDisabledBitmap(TBitmap* Bitmap, TColor TransparentColor);
// A new bitmap (the caller owns it) in Color with the pixels of Bitmap that are neither
// Color nor white embossed in clBtnHighlight (one pixel right and down) and clBtnShadow.
TBitmap* MakeDisabledBitmapNewStyle(TBitmap* Bitmap, TColor Color);
// Draws image Index of the list embossed on Canvas at X, Y: HighlightColor one pixel right
// and down (with Highlight), ShadowColor in place.
void DrawImageListItemDisabled(TCustomImageList* ImageList, TCanvas* Canvas, int X, int Y, int Index,
                               TColor HighlightColor, TColor ShadowColor, bool Highlight);
// A new 8 x 8 bitmap (the caller owns it) in Color1 with Color2 where row and column have
// the same parity.
TBitmap* MakeCheckerBitmap(TColor Color1, TColor Color2);
// The colour's RGB value marked palette-relative (bit 0x02000000).
COLORREF PaletteRelativeColor(TColor Color);
