// The device-context functions the system calls on a canvas handle, under their Windows
// names: object creation and selection, state, coordinates, shapes, text, regions and
// clipping, paths, pixels and blits. Coordinates are logical units of the DC unless a
// function says device units.
#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/GdiTypes.h"

// ---- Objects -----------------------------------------------------------------------------
HPEN CreatePen(int Style, int Width, COLORREF Color);
HPEN ExtCreatePen(DWORD Style, DWORD Width, const LOGBRUSH* Brush, DWORD StyleCount,
                  const DWORD* StyleEntries);
HPEN CreatePenIndirect(const LOGPEN* Pen);
HBRUSH CreateSolidBrush(COLORREF Color);
HBRUSH CreateHatchBrush(int Hatch, COLORREF Color);
HBRUSH CreatePatternBrush(HBITMAP Bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* Brush);
HFONT CreateFontIndirectW(const LOGFONTW* Font);
inline HFONT CreateFontIndirect(const LOGFONTW* Font) {
    return CreateFontIndirectW(Font);
}
// A 1-bit bitmap when Bits is 1 (Data: word-aligned rows, or null for black), else 32-bit.
HBITMAP CreateBitmap(int Width, int Height, UINT Planes, UINT BitsPerPixel, const void* Data);
HBITMAP CreateCompatibleBitmap(HDC DC, int Width, int Height);
HGDIOBJ GetStockObject(int Index);
BOOL DeleteObject(HGDIOBJ Object);
int GetObject(HGDIOBJ Object, int Size, void* Buffer);
inline int GetObjectW(HGDIOBJ Object, int Size, void* Buffer) {
    return GetObject(Object, Size, Buffer);
}
HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object);
// The typed handles convert to HGDIOBJ where their objects are known; these overloads let
// callers pass them without that knowledge.
HGDIOBJ SelectObject(HDC DC, HPEN Object);
HGDIOBJ SelectObject(HDC DC, HBRUSH Object);
HGDIOBJ SelectObject(HDC DC, HFONT Object);
HGDIOBJ SelectObject(HDC DC, HBITMAP Object);
HGDIOBJ SelectObject(HDC DC, HRGN Object);
BOOL DeleteObject(HPEN Object);
BOOL DeleteObject(HBRUSH Object);
BOOL DeleteObject(HFONT Object);
BOOL DeleteObject(HBITMAP Object);
BOOL DeleteObject(HRGN Object);
int GetObject(HFONT Object, int Size, void* Buffer);
HGDIOBJ GetCurrentObject(HDC DC, UINT Type);
inline constexpr UINT OBJ_PEN = 1;
inline constexpr UINT OBJ_BRUSH = 2;
inline constexpr UINT OBJ_FONT = 6;
inline constexpr UINT OBJ_BITMAP = 7;
COLORREF SetDCBrushColor(HDC DC, COLORREF Color);
COLORREF SetDCPenColor(HDC DC, COLORREF Color);
HPALETTE SelectPalette(HDC DC, HPALETTE Palette, BOOL ForceBackground);
UINT RealizePalette(HDC DC);

// ---- Device contexts ---------------------------------------------------------------------
// A memory DC with a 1 x 1 monochrome bitmap selected until another bitmap is.
HDC CreateCompatibleDC(HDC DC);
BOOL DeleteDC(HDC DC);
int SaveDC(HDC DC);
// Negative: relative to the top of the stack (-1 = the last save); positive: that level.
BOOL RestoreDC(HDC DC, int SavedDC);
int GetDeviceCaps(HDC DC, int Index);

// ---- Modes and colours -------------------------------------------------------------------
int SetBkMode(HDC DC, int Mode);
int GetBkMode(HDC DC);
COLORREF SetBkColor(HDC DC, COLORREF Color);
COLORREF GetBkColor(HDC DC);
COLORREF SetTextColor(HDC DC, COLORREF Color);
COLORREF GetTextColor(HDC DC);
int SetROP2(HDC DC, int Mode);
int GetROP2(HDC DC);
int SetStretchBltMode(HDC DC, int Mode);
int SetGraphicsMode(HDC DC, int Mode);
int GetGraphicsMode(HDC DC);
int SetArcDirection(HDC DC, int Direction);
int GetArcDirection(HDC DC);
int SetPolyFillMode(HDC DC, int Mode);
int GetPolyFillMode(HDC DC);
BOOL SetBrushOrgEx(HDC DC, int X, int Y, TPoint* Old);

// ---- Coordinates -------------------------------------------------------------------------
BOOL SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old);
BOOL GetWindowOrgEx(HDC DC, TPoint* Org);
BOOL SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old);
BOOL GetViewportOrgEx(HDC DC, TPoint* Org);
BOOL OffsetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old);
BOOL OffsetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old);
BOOL SetWindowExtEx(HDC DC, int X, int Y, TSize* Old);
BOOL SetViewportExtEx(HDC DC, int X, int Y, TSize* Old);
BOOL GetWindowExtEx(HDC DC, TSize* Ext);
BOOL GetViewportExtEx(HDC DC, TSize* Ext);
int SetMapMode(HDC DC, int Mode);
int GetMapMode(HDC DC);
BOOL LPtoDP(HDC DC, TPoint* Points, int Count);
BOOL DPtoLP(HDC DC, TPoint* Points, int Count);

// ---- Lines and shapes --------------------------------------------------------------------
BOOL MoveToEx(HDC DC, int X, int Y, TPoint* Old);
BOOL GetCurrentPositionEx(HDC DC, TPoint* Pos);
BOOL LineTo(HDC DC, int X, int Y);
BOOL Polyline(HDC DC, const TPoint* Points, int Count);
BOOL PolylineTo(HDC DC, const TPoint* Points, int Count);
BOOL PolyPolyline(HDC DC, const TPoint* Points, const DWORD* Counts, int Polylines);
BOOL Polygon(HDC DC, const TPoint* Points, int Count);
BOOL PolyPolygon(HDC DC, const TPoint* Points, const int* Counts, int Polygons);
BOOL PolyBezier(HDC DC, const TPoint* Points, int Count);
BOOL PolyBezierTo(HDC DC, const TPoint* Points, int Count);
BOOL Rectangle(HDC DC, int Left, int Top, int Right, int Bottom);
BOOL RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int Width, int Height);
BOOL Ellipse(HDC DC, int Left, int Top, int Right, int Bottom);
BOOL Arc(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
BOOL ArcTo(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
BOOL Pie(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
BOOL Chord(HDC DC, int Left, int Top, int Right, int Bottom, int XStart, int YStart, int XEnd, int YEnd);
int FillRect(HDC DC, const TRect* R, HBRUSH Brush);
int FrameRect(HDC DC, const TRect* R, HBRUSH Brush);
BOOL InvertRect(HDC DC, const TRect* R);
BOOL DrawFocusRect(HDC DC, const TRect* R);
BOOL DrawEdge(HDC DC, TRect* R, UINT Edge, UINT Flags);
BOOL DrawFrameControl(HDC DC, TRect* R, UINT Type, UINT State);

// ---- Pixels and blits --------------------------------------------------------------------
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
COLORREF GetPixel(HDC DC, int X, int Y);
COLORREF SetPixel(HDC DC, int X, int Y, COLORREF Color);
BOOL SetPixelV(HDC DC, int X, int Y, COLORREF Color);
BOOL BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, DWORD Rop);
BOOL StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                int HeightSrc, DWORD Rop);
BOOL PatBlt(HDC DC, int X, int Y, int Width, int Height, DWORD Rop);
BOOL AlphaBlend(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                int HeightSrc, BLENDFUNCTION Blend);
BOOL GradientFill(HDC DC, const TRIVERTEX* Vertices, DWORD VertexCount, const void* Mesh, DWORD MeshCount,
                  DWORD Mode);

// ---- Text --------------------------------------------------------------------------------
UINT SetTextAlign(HDC DC, UINT Align);
UINT GetTextAlign(HDC DC);
int SetTextCharacterExtra(HDC DC, int Extra);
int GetTextCharacterExtra(HDC DC);
BOOL TextOutW(HDC DC, int X, int Y, const String& Text);
inline BOOL TextOut(HDC DC, int X, int Y, const String& Text) {
    return TextOutW(DC, X, Y, Text);
}
BOOL ExtTextOutW(HDC DC, int X, int Y, UINT Options, const TRect* R, const String& Text, const int* Dx);
inline BOOL ExtTextOut(HDC DC, int X, int Y, UINT Options, const TRect* R, const String& Text,
                       const int* Dx) {
    return ExtTextOutW(DC, X, Y, Options, R, Text, Dx);
}
BOOL GetTextExtentPoint32W(HDC DC, const String& Text, TSize* Size);
inline BOOL GetTextExtentPoint32(HDC DC, const String& Text, TSize* Size) {
    return GetTextExtentPoint32W(DC, Text, Size);
}
// Draws Text in R by the DT_ flags; answers the height of the text (with DT_CALCRECT
// nothing is drawn and R is set to the text's extent).
int DrawTextW(HDC DC, const String& Text, int Count, TRect* R, UINT Format);
inline int DrawText(HDC DC, const String& Text, int Count, TRect* R, UINT Format) {
    return DrawTextW(DC, Text, Count, R, Format);
}

struct TEXTMETRICW {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    Byte tmItalic = 0;
    Byte tmUnderlined = 0;
    Byte tmStruckOut = 0;
    Byte tmCharSet = DEFAULT_CHARSET;
};
using TEXTMETRIC = TEXTMETRICW;
using TTextMetric = TEXTMETRICW;
BOOL GetTextMetricsW(HDC DC, TEXTMETRICW* Metrics);
inline BOOL GetTextMetrics(HDC DC, TEXTMETRICW* Metrics) {
    return GetTextMetricsW(DC, Metrics);
}

// ---- Regions and clipping (regions are in device units) -----------------------------------
HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateRectRgnIndirect(const TRect* R);
HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int WidthEllipse, int HeightEllipse);
HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateEllipticRgnIndirect(const TRect* R);
HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode);
int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode);
int OffsetRgn(HRGN Rgn, int X, int Y);
BOOL PtInRegion(HRGN Rgn, int X, int Y);
BOOL EqualRgn(HRGN Rgn1, HRGN Rgn2);
int GetRgnBox(HRGN Rgn, TRect* R);
BOOL FillRgn(HDC DC, HRGN Rgn, HBRUSH Brush);
int SelectClipRgn(HDC DC, HRGN Rgn);
int ExtSelectClipRgn(HDC DC, HRGN Rgn, int Mode);
// 1 and a copy in Rgn when the DC has a clip region, 0 when it has none, -1 on error.
int GetClipRgn(HDC DC, HRGN Rgn);
int GetClipBox(HDC DC, TRect* R);
int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int OffsetClipRgn(HDC DC, int X, int Y);
BOOL PtVisible(HDC DC, int X, int Y);
BOOL RectVisible(HDC DC, const TRect* R);

// ---- Paths -------------------------------------------------------------------------------
BOOL BeginPath(HDC DC);
BOOL EndPath(HDC DC);
BOOL AbortPath(HDC DC);
BOOL CloseFigure(HDC DC);
BOOL StrokePath(HDC DC);
BOOL FillPath(HDC DC);
BOOL StrokeAndFillPath(HDC DC);
BOOL WidenPath(HDC DC);
BOOL FlattenPath(HDC DC);
BOOL SelectClipPath(HDC DC, int Mode);
HRGN PathToRegion(HDC DC);
