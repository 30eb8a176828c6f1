// The object behind a device-context handle: a QPainter on a target (an image, or any
// paint device such as a printer page or a recorded picture) plus the state of a Windows
// DC -- selected objects, origins and extents, clip region in device units, raster
// operation, background mode and colour, text colour and alignment, current position,
// an open path and the SaveDC stack. Drawing follows the Windows rules: integer pixels,
// no antialiasing of shapes, right and bottom edges left out of fills, no end pixel on
// cosmetic lines.
//
// The painter is begun on first use and kept; Qt state is applied lazily, only what
// changed since the last drawing call, so that long runs of lines cost one branch each.
#pragma once

#include "platform/graphics/GdiObject.h"
#include "platform/graphics/PixelRuns.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <vector>

class DeviceContext {
public:
    // A memory DC (CreateCompatibleDC): draws on the bitmap selected into it.
    DeviceContext();
    // A DC over an image that belongs to someone else (a control's backing image).
    explicit DeviceContext(QImage* image);
    // A DC over another paint device (printer, picture recorder); pixels cannot be read.
    explicit DeviceContext(QPaintDevice* device);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    struct State {
        HPEN pen = nullptr;
        HBRUSH brush = nullptr;
        HFONT font = nullptr;
        QPoint windowOrg, viewportOrg;
        QSize windowExt{1, 1}, viewportExt{1, 1};
        int mapMode = MM_TEXT;
        std::optional<QRegion> clip; // device units; none = whole surface
        int rop2 = R2_COPYPEN;
        int bkMode = OPAQUE;
        COLORREF bkColor = 0xFFFFFF;
        COLORREF textColor = 0;
        COLORREF dcBrushColor = 0xFFFFFF;
        COLORREF dcPenColor = 0;
        UINT textAlign = 0;
        int charExtra = 0;
        int polyFillMode = ALTERNATE;
        int arcDirection = AD_COUNTERCLOCKWISE;
        int graphicsMode = GM_COMPATIBLE;
        int stretchMode = BLACKONWHITE;
        QPoint brushOrg;
        QPoint pos; // current position, logical
    };
    State st;

    // The target: the image drawn on (null for a non-image device) and the device.
    QImage* Image() { return image_; }
    QPaintDevice* Device() { return device_; }
    QSize DeviceSize() const;
    // Selects a bitmap into a memory DC; answers the previous one.
    HBITMAP SelectBitmap(HBITMAP bitmap);
    HBITMAP SelectedBitmap() const { return bitmap_; }
    // Selects a pen, brush or font: the DC holds the new one and lets go of the previous
    // one (destroying it if it was deleted while selected); answers the previous one.
    HPEN SelectPen(HPEN pen);
    HBRUSH SelectBrush(HBRUSH brush);
    HFONT SelectFont(HFONT font);
    // SaveDC and RestoreDC: a saved state holds its objects as the current state does.
    int Save();
    bool Restore(int level);
    // Points the DC at another image (a control whose backing image was resized).
    void SetTarget(QImage* image);
    // Ends painting so that the target can be replaced or read by other means.
    void ReleasePainter();

    // Flags of the Qt state to bring up to date before the next drawing call.
    enum Dirty : unsigned {
        dPen = 1,
        dBrush = 2,
        dRop = 4,
        dTransform = 8,
        dClip = 16,
        dBk = 32,
        dAll = 63,
    };
    void Invalidate(unsigned what) {
        dirty_ |= what;
        if (what & dClip) runTarget_.reset();
    }
    // Marks the painter's pen and font as the shapes' again after text.
    void EndText() { dirty_ |= dPen | dRop | dBk; }

    // The painter, ready for shapes (pen, brush, raster operation, transform, clip).
    QPainter* ShapePainter() {
        if (!painter_.isActive() && !Begin()) return nullptr;
        if (dirty_ & dAll) Apply(dAll);
        return &painter_;
    }
    // The painter for text: clip and transform of the DC, plain copying, transparent
    // background, the text colour as pen and the font selected (set only when changed).
    QPainter* TextPainter(GdiFont* font);
    // The painter in device units with plain copying and the clip region only.
    QPainter* DevicePainter();
    // Back to the DC's own transform and raster operation after DevicePainter.
    void EndDevicePainting() { dirty_ |= dTransform | dRop; }

    // The image's pixels for shapes written as runs, and the logical-to-device offset: only
    // on a 32-bit image under an integral translation. The painter is begun, so that the
    // image is not shared while it is written.
    const RunTarget* Runs(QPoint& offset);
    // A colour drawn in under the raster operation (R2_BLACK and R2_WHITE replace it).
    COLORREF InkUnderRop(COLORREF c) const {
        return st.rop2 == R2_BLACK ? 0 : st.rop2 == R2_WHITE ? 0xFFFFFF : c;
    }

    bool PenVisible() const { return penVisible_; }
    bool BrushVisible() const { return brushVisible_; }
    bool RopIsNop() const { return st.rop2 == R2_NOP; }
    // Logical to device units, from the current origins and extents.
    const QTransform& Transform() {
        if (dirty_ & dTransform) UpdateTransform();
        return xform_;
    }
    // The Qt brush of the selected brush under the DC's colours.
    QBrush CurrentQBrush() const;
    QBrush MakeQBrush(const GdiBrush* brush) const;
    // Half-width in pixels of the selected pen (0 for a cosmetic pen).
    int PenWidth() const;
    HFONT Font() const { return st.font; }

    // An open path records drawing calls instead of painting them.
    bool pathOpen = false;
    std::optional<QPainterPath> path;

private:
    std::vector<State> saved; // SaveDC stack
    // A new DC starts with the black pen, the white brush and the system font.
    void SelectStockObjects();
    static void Hold(const State& s);
    static void Drop(const State& s);
    template <class T> static T* Reselect(T*& slot, T* object);
    bool Begin();
    void Apply(unsigned mask);
    void UpdateTransform();

    QPainter painter_;
    QImage* image_ = nullptr;
    QPaintDevice* device_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HBITMAP defaultBitmap_ = nullptr;
    unsigned dirty_ = dAll;
    // What TextPainter last set on the painter (valid while dText is clear).
    enum : unsigned { dText = 64 };
    std::uint64_t textFont_ = 0;
    COLORREF textPen_ = 0;
    int textExtra_ = 0;
    QTransform xform_;
    bool penVisible_ = true;
    bool brushVisible_ = true;
    std::optional<RunTarget> runTarget_; // for the current image and clip
};
