// TPngImage: a PNG picture (read and written through Qt's PNG support); keeps its alpha.
#pragma once

#include "platform/graphics/Bitmap.h"

#include <QImage>

#include <cstddef>
#include <memory>

namespace platform::detail {
// Checks a PNG stream's signature and header chunk: a size within the picture limits that
// Size bytes of compressed data can hold, and chunks that each end within the data (a length
// beyond it would have the decoder allocate and read what is not there). Gives the size in
// Width and Height.
bool PngHeaderAcceptable(const unsigned char* Data, std::size_t Size, int& Width, int& Height);
// Decodes a stream that PngHeaderAcceptable took, allowing no more memory than a picture of
// Width x Height needs; a null image when the decoder fails or gives another size.
QImage DecodeCheckedPng(const unsigned char* Data, std::size_t Size, int Width, int Height);
} // namespace platform::detail

class TPngImage : public TGraphic {
    ORVO_CLASS(TPngImage, TGraphic)
public:
    TPngImage();
    ~TPngImage() override;
    void Assign(TPersistent* Source) override;

    bool Empty() const override { return bitmap_->Empty(); }
    int Width() const override { return bitmap_->Width(); }
    int Height() const override { return bitmap_->Height(); }
    void SetWidth(int Value) override { bitmap_->SetWidth(Value); }
    void SetHeight(int Value) override { bitmap_->SetHeight(Value); }

    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;
    TBitmap* Bitmap() const { return bitmap_.get(); }

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    std::unique_ptr<TBitmap> bitmap_;
};
