// TBitmap: an image in memory with a canvas. pf24bit rows are B, G, R bytes and pf32bit
// rows B, G, R, A, top row first, as ScanLine hands them out; pf1bit rows are one bit per
// pixel, 1 = white. New pixels are white. Files are Windows BMP.
#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"

#include <memory>

class QImage;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap;

// The canvas of a bitmap: a memory DC with the bitmap selected.
class TBitmapCanvas : public TCanvas {
    ORVO_CLASS(TBitmapCanvas, TCanvas)
public:
    explicit TBitmapCanvas(TBitmap* ABitmap);
    ~TBitmapCanvas() override;
    // Lets go of the DC (the bitmap's image is about to be replaced).
    void FreeContext();

protected:
    void CreateHandle() override;

private:
    TBitmap* bitmap_;
    HDC own_ = nullptr;
};

class TBitmap : public TGraphic {
    ORVO_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int AWidth, int AHeight);
    ~TBitmap() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    void SetWidth(int Value) override { SetSize(Value, Height()); }
    void SetHeight(int Value) override { SetSize(Width(), Value); }
    // Keeps the pixels that still fit; new ones are white.
    void SetSize(int AWidth, int AHeight) override;

    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat Value);
    bool Monochrome() const { return format_ == pf1bit; }
    void SetMonochrome(bool Value);
    TBitmapHandleType HandleType() const { return handleType_; }
    void SetHandleType(TBitmapHandleType Value) { handleType_ = Value; }
    bool IgnorePalette() const { return ignorePalette_; }
    void SetIgnorePalette(bool Value) { ignorePalette_ = Value; }

    // Row Row of the pixels (top row 0), in the layout of the pixel format.
    void* ScanLine(int Row);
    TCanvas* Canvas();
    HBITMAP Handle();
    // Takes over a bitmap handle (its pixels become this bitmap's).
    void SetHandle(HBITMAP Value);
    void FreeImage() {}
    void Dormant() {}

    void SetTransparent(bool Value) override;
    // The colour left out when drawing transparently: the fixed colour, or with tmAuto
    // the bottom-left pixel.
    TColor TransparentColor();
    void SetTransparentColor(TColor Value);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode Value);

    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    // A BMP file embedded in the program as a BITMAP resource, found by name without
    // letter case; raises EResNotFound when there is none.
    void LoadFromResourceName(void* Instance, const String& ResName);

    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    TNotifyEvent OnChanging;

    // The pixels (for the layer's own units).
    const QImage& Image() const;
    void SetImage(const QImage& Image, TPixelFormat Format);

protected:
    void Changed(TObject* Sender) override;

private:
    void CanvasChanged(TObject* Sender);
    void ReplaceImage(QImage&& img);
    HBITMAP handle_;
    TPixelFormat format_ = pfDevice;
    TBitmapHandleType handleType_ = bmDIB;
    bool ignorePalette_ = false;
    TColor transparentColor_ = clDefault;
    TTransparentMode transparentMode_ = tmAuto;
    std::unique_ptr<TBitmapCanvas> canvas_;
};
