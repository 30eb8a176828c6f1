#include "platform/graphics/ImageList.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GdiObject.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TChangeLink, TObject)
ORVO_IMPLEMENT_CLASS(TCustomImageList, TComponent)
ORVO_IMPLEMENT_CLASS(TImageList, TCustomImageList)

using namespace platform::detail;

namespace {

constexpr QRgb kOpaque = 0xFF000000u;

// The pixels of a bitmap with an alpha channel: a 32-bit bitmap keeps its own, any other
// is opaque.
QImage argbPixels(TBitmap* bmp) {
    const QImage& img = bmp->Image();
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    if (bmp->PixelFormat() != pf32bit) {
        for (int y = 0; y < out.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < out.width(); ++x)
                row[x] |= kOpaque;
        }
    }
    return out;
}

// The mask of the pixels of one colour: white where the image has Key.
QImage colourMask(const QImage& img, QRgb key) {
    QImage mask(img.size(), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        auto* m = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            m[x] = ((s[x] ^ key) & 0xFFFFFF) == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return mask;
}

} // namespace

// ---- TChangeLink -------------------------------------------------------------------------

TChangeLink::~TChangeLink() {
    if (sender_) sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() {
    if (OnChange) OnChange(sender_);
}

// ---- TCustomImageList --------------------------------------------------------------------

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {
    WatchResourceNames();
}

TCustomImageList::TCustomImageList(int AWidth, int AHeight) : TComponent(nullptr) {
    width_ = std::max(1, AWidth);
    height_ = std::max(1, AHeight);
    WatchResourceNames();
}

void TCustomImageList::WatchResourceNames() {
    resourceNames_->OnChange = TNotifyEvent([this](TObject*) {
        if (!ComponentState().Contains(csLoading)) LoadResourceImages();
    });
}

void TCustomImageList::SetResourceNames(TStrings* Value) {
    resourceNames_->Assign(Value);
}

void TCustomImageList::Loaded() {
    TComponent::Loaded();
    if (resourceNames_->Count() > 0) LoadResourceImages();
}

void TCustomImageList::LoadResourceImages() {
    BeginUpdate();
    images_.clear();
    changed_ = true;
    try {
        for (int i = 0; i < resourceNames_->Count(); ++i) {
            TBitmap bmp;
            bmp.LoadFromResourceName(nullptr, resourceNames_->Strings(i));
            if (bmp.PixelFormat() == pf32bit || !masked_)
                Add(&bmp, nullptr);
            else
                AddMasked(&bmp, clDefault);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCustomImageList::~TCustomImageList() {
    for (TChangeLink* link : clients_)
        link->SetSender(nullptr);
    clients_.clear();
}

void TCustomImageList::Assign(TPersistent* Source) {
    auto* other = dynamic_cast<TCustomImageList*>(Source);
    if (!other) {
        if (!Source) {
            Clear();
            return;
        }
        TComponent::Assign(Source);
        return;
    }
    if (other == this) return;
    width_ = other->width_;
    height_ = other->height_;
    masked_ = other->masked_;
    images_ = other->images_;
    {
        // The names come along with the images they made, without loading them again.
        const TNotifyEvent watch = resourceNames_->OnChange;
        resourceNames_->OnChange = nullptr;
        resourceNames_->Assign(other->resourceNames_.get());
        resourceNames_->OnChange = watch;
    }
    Change();
}

int TCustomImageList::Count() const {
    return int(images_.size());
}

void TCustomImageList::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(1, AWidth);
    AHeight = std::max(1, AHeight);
    if (AWidth == width_ && AHeight == height_) return;
    width_ = AWidth;
    height_ = AHeight;
    images_.clear();
    Change();
}

void TCustomImageList::SetMasked(bool Value) {
    if (Value == masked_) return;
    masked_ = Value;
    Change();
}

const QImage& TCustomImageList::Image(int Index) const {
    static const QImage none;
    return Index >= 0 && Index < Count() ? images_[std::size_t(Index)] : none;
}

std::vector<QImage> TCustomImageList::slices(TBitmap* Image, const QImage* mask) const {
    std::vector<QImage> out;
    if (!Image || Image->Empty()) return out;
    const QImage src = argbPixels(Image);
    // A strip holds as many images as its width takes; a narrower bitmap is one image.
    const int n = std::max(1, src.width() / width_);
    for (int i = 0; i < n; ++i) {
        QImage slot(width_, height_, QImage::Format_ARGB32);
        slot.fill(0);
        const int x0 = i * width_;
        const int w = std::min(width_, src.width() - x0), h = std::min(height_, src.height());
        for (int y = 0; y < h; ++y) {
            const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y)) + x0;
            auto* d = reinterpret_cast<QRgb*>(slot.scanLine(y));
            for (int x = 0; x < w; ++x) {
                d[x] = s[x];
                // White mask pixels are transparent; the colour is kept for unmasked
                // drawing.
                if (mask && x0 + x < mask->width() && y < mask->height() &&
                    (mask->pixel(x0 + x, y) & 0xFFFFFF) == 0xFFFFFF)
                    d[x] &= 0x00FFFFFF;
            }
        }
        out.push_back(std::move(slot));
    }
    return out;
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
    std::vector<QImage> add = slices(Image, Mask && !Mask->Empty() ? &Mask->Image() : nullptr);
    if (add.empty()) return -1;
    const int first = Count();
    for (auto& img : add)
        images_.push_back(std::move(img));
    Change();
    return first;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    if (!Image || Image->Empty()) return -1;
    const TColor key = MaskColor == clDefault ? Image->TransparentColor() : ColorToRGB(MaskColor);
    const QImage mask =
        colourMask(Image->Image().convertToFormat(QImage::Format_RGB32), ToQRgb(COLORREF(key)));
    std::vector<QImage> add = slices(Image, &mask);
    const int first = Count();
    for (auto& img : add)
        images_.push_back(std::move(img));
    Change();
    return first;
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
    if (Index < 0 || Index >= Count()) throw EInvalidOperation(QStringLiteral("Invalid ImageList Index"));
    std::vector<QImage> add = slices(Image, Mask && !Mask->Empty() ? &Mask->Image() : nullptr);
    if (add.empty()) throw EInvalidOperation(QStringLiteral("Unable to Replace Image"));
    images_[std::size_t(Index)] = std::move(add.front());
    Change();
}

void TCustomImageList::Delete(int Index) {
    if (Index == -1) {
        Clear();
        return;
    }
    if (Index < 0 || Index >= Count()) throw EInvalidOperation(QStringLiteral("Invalid ImageList Index"));
    images_.erase(images_.begin() + Index);
    Change();
}

void TCustomImageList::Clear() {
    images_.clear();
    Change();
}

bool TCustomImageList::DrawOn(HDC DC, int Index, int X, int Y, int Width, int Height, COLORREF Background,
                              UINT Style) const {
    if (!DC || Index < 0 || Index >= Count()) return false;
    const QImage& src = images_[std::size_t(Index)];
    const int w = Width > 0 ? std::min(Width, width_) : width_;
    const int h = Height > 0 ? std::min(Height, height_) : height_;
    QImage img = src.copy(0, 0, w, h);
    const bool masked = masked_;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool see = !masked || qAlpha(row[x]) != 0;
            if (Style & ILD_MASK)
                row[x] = see ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            else if (!masked)
                row[x] |= kOpaque;
            else if (!see && Background != CLR_NONE && !(Style & ILD_TRANSPARENT))
                row[x] = ToQRgb(Background) | kOpaque;
        }
    }
    QPainter* p = DC->ShapePainter();
    if (!p) return false;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(X, Y, img);
    DC->Invalidate(DeviceContext::dRop);
    return true;
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) {
    if (!Canvas || Index < 0 || Index >= Count()) return;
    HDC dc = Canvas->Handle();
    if (Enabled) {
        DrawOn(dc, Index, X, Y, 0, 0, CLR_NONE, ILD_NORMAL);
        return;
    }
    // Disabled: every visible pixel that is not white is embossed, in the highlight colour
    // one pixel down and right, then in the shadow colour in place.
    const QImage& src = images_[std::size_t(Index)];
    QImage light(src.size(), QImage::Format_ARGB32), dark(src.size(), QImage::Format_ARGB32);
    light.fill(0);
    dark.fill(0);
    const QRgb hi = ToQRgb(COLORREF(ColorToRGB(clBtnHighlight))) | kOpaque;
    const QRgb sh = ToQRgb(COLORREF(ColorToRGB(clBtnShadow))) | kOpaque;
    for (int y = 0; y < src.height(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const bool see = !masked_ || qAlpha(s[x]) != 0;
            if (see && (s[x] & 0xFFFFFF) != 0xFFFFFF) {
                light.setPixel(x, y, hi);
                dark.setPixel(x, y, sh);
            }
        }
    }
    QPainter* p = dc->ShapePainter();
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(X + 1, Y + 1, light);
    p->drawImage(X, Y, dark);
    dc->Invalidate(DeviceContext::dRop);
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image) {
    if (!Image || Index < 0 || Index >= Count()) return false;
    Image->SetSize(width_, height_);
    Draw(Image->Canvas(), 0, 0, Index);
    return true;
}

void TCustomImageList::RegisterChanges(TChangeLink* Value) {
    if (!Value) return;
    if (Value->Sender() && Value->Sender() != this) Value->Sender()->UnRegisterChanges(Value);
    Value->SetSender(this);
    if (std::find(clients_.begin(), clients_.end(), Value) == clients_.end()) clients_.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
    if (!Value) return;
    std::erase(clients_, Value);
    if (Value->Sender() == this) Value->SetSender(nullptr);
}

void TCustomImageList::EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
    if (updateCount_ == 0 && changed_) Change();
}

void TCustomImageList::Change() {
    changed_ = true;
    if (updateCount_ > 0) return;
    changed_ = false;
    // A link may unregister itself while it is told.
    const std::vector<TChangeLink*> links = clients_;
    for (TChangeLink* link : links)
        if (std::find(clients_.begin(), clients_.end(), link) != clients_.end()) link->Change();
    if (OnChange) OnChange(this);
}

BOOL ImageList_Draw(HIMAGELIST List, int Index, HDC DC, int X, int Y, UINT Style) {
    return List && List->DrawOn(DC, Index, X, Y, 0, 0, CLR_NONE, Style) ? TRUE : FALSE;
}

BOOL ImageList_DrawEx(HIMAGELIST List, int Index, HDC DC, int X, int Y, int Width, int Height,
                      COLORREF Background, COLORREF, UINT Style) {
    if (Background == CLR_DEFAULT) Background = CLR_NONE;
    return List && List->DrawOn(DC, Index, X, Y, Width, Height, Background, Style) ? TRUE : FALSE;
}

BOOL ImageList_GetIconSize(HIMAGELIST List, int* Width, int* Height) {
    if (!List) return FALSE;
    if (Width) *Width = List->Width();
    if (Height) *Height = List->Height();
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST List) {
    return List ? List->Count() : 0;
}

ORVO_PUBLISHED(TCustomImageList) {}

ORVO_PUBLISHED(TImageList) {
    P.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
    P.Property("Masked", &TImageList::Masked, &TImageList::SetMasked).Default(true);
    P.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
    P.Property("ResourceNames", &TImageList::ResourceNames, &TImageList::SetResourceNames)
        .Stored([](TImageList* l) { return l->ResourceNames()->Count() > 0; });
    P.Property("OnChange", &TImageList::OnChange);
}

