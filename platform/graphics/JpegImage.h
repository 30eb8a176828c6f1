// TJPEGImage: a JPEG picture, decoded and encoded with libjpeg.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <memory>
#include <vector>

class TJPEGImage : public TGraphic {
    ORVO_CLASS(TJPEGImage, TGraphic)
public:
    TJPEGImage();
    ~TJPEGImage() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return bitmap_->Empty(); }
    int Width() const override { return bitmap_->Width(); }
    int Height() const override { return bitmap_->Height(); }
    void SetWidth(int) override;
    void SetHeight(int) override;

    // 1..100, used when saving.
    int CompressionQuality() const { return quality_; }
    void SetCompressionQuality(int Value) { quality_ = Value < 1 ? 1 : (Value > 100 ? 100 : Value); }
    bool Grayscale() const { return grayscale_; }
    void SetGrayscale(bool Value) { grayscale_ = Value; }

    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;
    // The decoded pixels as a 24-bit bitmap.
    TBitmap* Bitmap() const { return bitmap_.get(); }

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    std::unique_ptr<TBitmap> bitmap_;
    int quality_ = 90;
    bool grayscale_ = false;
};
