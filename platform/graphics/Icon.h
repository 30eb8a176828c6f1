// Icons and cursor images: the HICON handle (an image with transparency and, for a
// cursor, a hot spot), the functions that make, copy, draw and destroy one, and TIcon,
// the picture that reads and writes Windows icon files (.ico, also .cur images).
#pragma once

#include "platform/graphics/Graphic.h"

#include <memory>

class QByteArray;
class QImage;

// An icon or cursor handle. Handles of the stock cursors are shared and never destroyed.
struct GdiIcon;
using HICON = GdiIcon*;
using HCURSOR = HICON;

struct ICONINFO {
    BOOL fIcon = TRUE; // false: a cursor with the hot spot below
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = nullptr;  // 1: transparent, 0: the colour pixel shows
    HBITMAP hbmColor = nullptr; // null: not supported (monochrome cursors come as colour)
};
using TIconInfo = ICONINFO;

// Makes an icon or cursor from a colour bitmap and its mask (the bitmaps stay the
// caller's). Answers null without a colour bitmap.
HICON CreateIconIndirect(const ICONINFO* Info);
// Fills Info with new bitmaps of the icon (the caller deletes them) and its hot spot.
BOOL GetIconInfo(HICON Icon, ICONINFO* Info);
HICON CopyIcon(HICON Icon);
BOOL DestroyIcon(HICON Icon);
BOOL DestroyCursor(HCURSOR Cursor);

inline constexpr UINT DI_MASK = 1;
inline constexpr UINT DI_IMAGE = 2;
inline constexpr UINT DI_NORMAL = 3;
inline constexpr UINT DI_DEFAULTSIZE = 8;
// Draws the icon at X, Y, stretched to Width x Height (0: its own size). DI_NORMAL draws
// the image over what is there; DI_MASK the mask alone (black opaque, white transparent);
// DI_IMAGE the colour pixels without transparency.
BOOL DrawIconEx(HDC DC, int X, int Y, HICON Icon, int Width, int Height, UINT Step, HBRUSH FlickerFreeDraw,
                UINT Flags);
BOOL DrawIcon(HDC DC, int X, int Y, HICON Icon);

class TIcon : public TGraphic {
    ORVO_CLASS(TIcon, TGraphic)
public:
    TIcon();
    ~TIcon() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    // Before an icon is loaded these choose the image size picked from a file with
    // several; a loaded icon cannot change its size.
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;

    // The icon's handle, owned by the icon; ReleaseHandle gives it up to the caller.
    HICON Handle() const { return handle_; }
    // Takes over Value (destroyed with the icon).
    void SetHandle(HICON Value);
    HICON ReleaseHandle();

    // A .ico file (a .cur file reads as its image). The image closest to the requested
    // size (32 x 32 unless set) is taken; saving writes the file that was read.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    void Reset(HICON NewHandle);
    HICON handle_ = nullptr;
    TSize requested_{32, 32};
    std::unique_ptr<QByteArray> data_; // the file the icon was read from
};

namespace platform::detail {
// The image of an icon in ARGB32 (transparent pixels have alpha 0); null for the stock
// cursors, which the desktop draws.
const QImage& IconImage(HICON Icon);
TPoint IconHotSpot(HICON Icon);
// The Qt cursor shape of a stock cursor, -1 for one made from an image.
int IconCursorShape(HICON Icon);
// A handle over an image; Shape >= 0 makes a shared stock cursor of that Qt shape.
HICON NewIcon(const QImage& Image, TPoint HotSpot, bool IsIcon, int Shape = -1);
// Decodes an icon or cursor file: the image whose size is closest to Want (ties: the
// most colours). Null image when the data are not such a file.
QImage ReadIconFile(const QByteArray& Data, TSize Want, bool& IsCursor, TPoint& HotSpot);
// A one-image 32-bit icon file (a cursor file with the hot spot when IsCursor).
QByteArray WriteIconFile(const QImage& Image, bool IsCursor, TPoint HotSpot);
} // namespace platform::detail
