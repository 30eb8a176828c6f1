#include "platform/graphics/Bitmap.h"

#include "platform/classes/ResourceStream.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GdiObject.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

ORVO_IMPLEMENT_CLASS(TBitmapCanvas, TCanvas)
ORVO_IMPLEMENT_CLASS(TBitmap, TGraphic)

using namespace platform::detail;

namespace {

QImage::Format storageFormat(TPixelFormat f) {
    switch (f) {
    case pf1bit:
        return QImage::Format_Mono;
    case pf24bit:
        return QImage::Format_BGR888;
    case pf32bit:
        return QImage::Format_ARGB32;
    default:
        return QImage::Format_RGB32;
    }
}

QImage blank(int w, int h, TPixelFormat f) {
    if (w <= 0 || h <= 0) return QImage();
    QImage img(w, h, storageFormat(f));
    if (f == pf1bit) {
        img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        img.fill(1);
    } else {
        img.fill(Qt::white);
    }
    return img;
}

QImage convert(const QImage& src, TPixelFormat f) {
    if (src.isNull()) return src;
    if (f == pf1bit) {
        // Monochrome: white stays white (1), every other colour becomes black.
        QImage out = blank(src.width(), src.height(), pf1bit);
        const QImage rgb = src.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* s = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x)
                if ((s[x] & 0xFFFFFF) != 0xFFFFFF) out.setPixel(x, y, 0);
        }
        return out;
    }
    QImage out = src.convertToFormat(storageFormat(f));
    if (f == pf32bit && !src.hasAlphaChannel()) {
        // Opaque pixels gain an alpha of 255.
        out = out.convertToFormat(QImage::Format_ARGB32);
    }
    return out;
}

} // namespace

// ---- TBitmapCanvas -----------------------------------------------------------------------

TBitmapCanvas::TBitmapCanvas(TBitmap* ABitmap) : bitmap_(ABitmap) {}

TBitmapCanvas::~TBitmapCanvas() {
    FreeContext();
}

void TBitmapCanvas::CreateHandle() {
    if (own_) return;
    own_ = CreateCompatibleDC(nullptr);
    SelectObject(own_, bitmap_->Handle());
    SetHandle(own_);
}

void TBitmapCanvas::FreeContext() {
    if (!own_) return;
    HDC dc = own_;
    own_ = nullptr;
    SetHandle(nullptr);
    dc->SelectBitmap(nullptr);
    DeleteDC(dc);
}

// ---- TBitmap -----------------------------------------------------------------------------

TBitmap::TBitmap() : handle_(new GdiBitmap) {}

TBitmap::TBitmap(int AWidth, int AHeight) : TBitmap() {
    SetSize(AWidth, AHeight);
}

TBitmap::~TBitmap() {
    canvas_.reset();
    delete handle_;
}

const QImage& TBitmap::Image() const {
    return handle_->image;
}

void TBitmap::ReplaceImage(QImage&& img) {
    // The DC keeps its state (pen, font, origins); only its painter ends.
    handle_->ReleasePainter();
    handle_->image = std::move(img);
    handle_->emptySize = QSize();
}

void TBitmap::SetImage(const QImage& Image, TPixelFormat Format) {
    if (OnChanging) OnChanging(this);
    format_ = Format;
    ReplaceImage(convert(Image, Format));
    Changed(this);
}

bool TBitmap::Empty() const {
    return handle_->image.isNull();
}
int TBitmap::Width() const {
    return handle_->image.isNull() ? handle_->emptySize.width() : handle_->image.width();
}
int TBitmap::Height() const {
    return handle_->image.isNull() ? handle_->emptySize.height() : handle_->image.height();
}

void TBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (AWidth == Width() && AHeight == Height()) return;
    if (OnChanging) OnChanging(this);
    QImage img = blank(AWidth, AHeight, format_);
    const QImage& old = handle_->image;
    if (!img.isNull() && !old.isNull()) {
        const int w = std::min(AWidth, old.width()), h = std::min(AHeight, old.height());
        const int bytes = format_ == pf1bit ? (w + 7) / 8 : w * (img.depth() / 8);
        for (int y = 0; y < h; ++y)
            std::memcpy(img.scanLine(y), old.constScanLine(y), std::size_t(bytes));
    }
    ReplaceImage(std::move(img));
    if (handle_->image.isNull()) handle_->emptySize = QSize(AWidth, AHeight);
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == format_ || Value == pfCustom) return;
    if (OnChanging) OnChanging(this);
    format_ = Value;
    ReplaceImage(convert(handle_->image, Value));
    Changed(this);
}

void TBitmap::SetMonochrome(bool Value) {
    if (Value == Monochrome()) return;
    SetPixelFormat(Value ? pf1bit : pfDevice);
}

void* TBitmap::ScanLine(int Row) {
    QImage& img = handle_->image;
    if (Row < 0 || Row >= img.height())
        throw EInvalidGraphicOperation(QStringLiteral("Scan line index out of range"));
    return img.scanLine(Row);
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TBitmapCanvas>(this);
        canvas_->OnChange = Method(this, &TBitmap::CanvasChanged);
    }
    return canvas_.get();
}

HBITMAP TBitmap::Handle() {
    return handle_;
}

void TBitmap::SetHandle(HBITMAP Value) {
    if (!Value || Value == handle_) return;
    if (OnChanging) OnChanging(this);
    QImage img = Value->image;
    format_ = img.depth() == 1 ? pf1bit : pfDevice;
    ReplaceImage(convert(img, format_));
    DeleteObject(Value);
    Changed(this);
}

void TBitmap::SetTransparent(bool Value) {
    TGraphic::SetTransparent(Value);
}

TColor TBitmap::TransparentColor() {
    if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
    const QImage& img = handle_->image;
    if (img.isNull()) return clDefault;
    return TColor(FromQRgb(img.pixel(0, img.height() - 1)));
}

void TBitmap::SetTransparentColor(TColor Value) {
    transparentColor_ = Value;
    transparentMode_ = Value == clDefault ? tmAuto : tmFixed;
    Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
    if (Value == transparentMode_) return;
    transparentMode_ = Value;
    if (Value == tmAuto) transparentColor_ = clDefault;
    Changed(this);
}

void TBitmap::Assign(TPersistent* Source) {
    if (!Source) {
        SetImage(QImage(), format_);
        return;
    }
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        if (b == this) return;
        if (OnChanging) OnChanging(this);
        format_ = b->format_;
        ReplaceImage(QImage(b->handle_->image).copy());
        handle_->emptySize = b->handle_->emptySize;
        transparent_ = b->transparent_;
        transparentColor_ = b->transparentColor_;
        transparentMode_ = b->transparentMode_;
        Changed(this);
        return;
    }
    if (auto* g = dynamic_cast<TGraphic*>(Source)) {
        // Any other graphic is drawn into a new bitmap of its size.
        if (OnChanging) OnChanging(this);
        ReplaceImage(blank(g->Width(), g->Height(), format_));
        if (!Empty()) g->Draw(Canvas(), Rect(0, 0, g->Width(), g->Height()));
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TBitmap::Changed(TObject* Sender) {
    TGraphic::Changed(Sender);
}

void TBitmap::CanvasChanged(TObject*) {
    Changed(this);
}

void TBitmap::LoadFromStream(TStream* Stream) {
    TPixelFormat f = pfDevice;
    QImage img = ReadBmp(Stream, f);
    if (OnChanging) OnChanging(this);
    format_ = f;
    // pf4bit, pf8bit and the 16-bit formats are kept as 32-bit pixels.
    ReplaceImage(convert(img, f));
    Changed(this);
}

void TBitmap::SaveToStream(TStream* Stream) {
    WriteBmp(Stream, handle_->image, format_);
}

void TBitmap::LoadFromResourceName(void* Instance, const String& ResName) {
    // Raises EResNotFound when the program embeds no bitmap of that name.
    TResourceStream s(NativeUInt(Instance), ResName, QString::fromLatin1(RT_BITMAP));
    LoadFromStream(&s);
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& R) {
    if (!ACanvas || Empty()) return;
    HDC dst = ACanvas->Handle();
    TCanvas* src = Canvas();
    HDC s = src->Handle();
    if (!Transparent()) {
        StretchBlt(dst, R.Left, R.Top, R.Width(), R.Height(), s, 0, 0, Width(), Height(),
                   ACanvas->CopyMode());
        return;
    }
    // Transparent drawing leaves out the pixels of the transparent colour (white for a
    // monochrome bitmap).
    const QRgb key = Monochrome() ? qRgb(255, 255, 255) : ToQRgb(COLORREF(ColorToRGB(TransparentColor())));
    QImage img = handle_->image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* p = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((p[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                p[x] = 0;
            else
                p[x] |= 0xFF000000;
    }
    if (QPainter* p = dst->ShapePainter()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->drawImage(QRect(R.Left, R.Top, R.Width(), R.Height()), img);
        dst->Invalidate(DeviceContext::dRop);
    }
}
